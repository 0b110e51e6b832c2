// The screen saver's run: tell Orbex through the preferences file that this start is a screen saver's, start
// it from beside this program in its program folder, hold the lock and wait for the quit message.
#include "saver/saver_run.h"

#include <signal.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/config.h"
#include "platform/lock.h"
#include "platform/preview_window.h"
#include "platform/process.h"
#include "platform/saver_setup.h"
#include "resources/saver_logo.h"
#include "shell/preferences.h"
#include "shell/program_folder.h"

namespace fs = std::filesystem;

namespace {
constexpr int kWaitForOrbexMs = 5000;

volatile sig_atomic_t sStop = 0;

void SaverStopHandler(int) {
    sStop = 1;
}

// Orbex beside this program.
std::string SaverOrbexPath() {
    return (fs::path(ProcessOwnPath()).parent_path() / "orbex").string();
}

// Waits for the quit message, the end of Orbex, or a request to end (XScreenSaver ends its programs so),
// which is passed on to Orbex.
void SaverWait(int myOrbex) {
    sigset_t mySignals;
    sigemptyset(&mySignals);
    for (const int mySignal : {SaverQuitSignal(), SIGTERM, SIGINT, SIGHUP, SIGCHLD})
        sigaddset(&mySignals, mySignal);
    for (;;) {
        const timespec myPause{1, 0};
        const int mySignal = sigtimedwait(&mySignals, nullptr, &myPause);
        if (mySignal == SaverQuitSignal()) return;
        if (mySignal == SIGTERM || mySignal == SIGINT || mySignal == SIGHUP) {
            ProcessSignal(myOrbex, SIGTERM);
            ProcessWaitEnded(myOrbex, kWaitForOrbexMs);
            return;
        }
        // A copy of Orbex that could not run (another one already does) ends without a word: so does the
        // saver then, rather than hold its lock for ever.
        if (ProcessEnded(myOrbex)) return;
    }
}
} // namespace

bool SaverMarkPreferences(const std::string& myPath) {
    std::vector<uint8_t> myBytes(kPrefsSize, 0);
    std::error_code myError;
    if (fs::exists(myPath, myError)) {
        std::ifstream myStream(myPath, std::ios::binary);
        if (!myStream) return false;
        const std::vector<char> myOld((std::istreambuf_iterator<char>(myStream)), {});
        for (size_t i = 0; i < myOld.size() && i < myBytes.size(); ++i)
            myBytes[i] = static_cast<uint8_t>(myOld[i]);
    } else {
        // A new file: layout 1, the screen saver on without sound, help shown, no sound source chosen.
        myBytes[kPrefsVersion] = 1;
        myBytes[kPrefsSaver] = 1;
        myBytes[kPrefsSeekHelp] = 1;
        myBytes[kPrefsSource] = 255;
        myBytes[kPrefsDrive] = 0;
    }
    myBytes[kPrefsSaverTrigger] = 1;
    fs::create_directories(fs::path(myPath).parent_path(), myError);
    const std::string myTemp = myPath + ".new";
    {
        std::ofstream myStream(myTemp, std::ios::binary | std::ios::trunc);
        myStream.write(reinterpret_cast<const char*>(myBytes.data()), kPrefsSize);
        if (!myStream.flush()) return false;
    }
    fs::rename(myTemp, myPath, myError);
    return !myError;
}

int SaverRun() {
    const std::string myFolder = ProgramFolderLocate();
    if (!SaverMarkPreferences(ConfigFolder() + kPrefsFileName)) return 1;
    // The signals wait for sigtimedwait; Orbex starts with none blocked.
    sigset_t mySignals;
    sigemptyset(&mySignals);
    for (const int mySignal : {SaverQuitSignal(), SIGTERM, SIGINT, SIGHUP, SIGCHLD})
        sigaddset(&mySignals, mySignal);
    sigprocmask(SIG_BLOCK, &mySignals, nullptr);
    std::error_code myError;
    const int myOrbex = ProcessStart({SaverOrbexPath()},
                                     fs::is_directory(myFolder, myError) ? myFolder : std::string(), false);
    if (myOrbex < 0) return 1;
    // Taken after Orbex started, as a second request still starts it before it sees the first saver.
    const int myLock = LockAcquire(kSaverLockName);
    if (myLock < 0) return 1;
    SaverWait(myOrbex);
    LockRelease(myLock);
    return 0;
}

int SaverPreview(uint64_t myParent) {
    if (myParent == 0) {
        const char* myWindow = std::getenv("XSCREENSAVER_WINDOW");
        if (myWindow) myParent = std::strtoull(myWindow, nullptr, 0);
    }
    if (myParent == 0) return 1;
    Surface myLogo;
    PaletteEntry myColors[kPaletteSize];
    if (!ResourceDrawSaverLogo(myLogo, myColors)) return 1;
    struct sigaction myAction {};
    myAction.sa_handler = SaverStopHandler;
    for (const int mySignal : {SaverQuitSignal(), SIGTERM, SIGINT, SIGHUP})
        sigaction(mySignal, &myAction, nullptr);
    const int myLock = LockAcquire(kSaverLockName);
    if (myLock < 0) return 1;
    const bool myShown = PreviewShow(myParent, myLogo, myColors, &sStop);
    LockRelease(myLock);
    SurfaceRelease(myLogo);
    return myShown ? 0 : 1;
}
