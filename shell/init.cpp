// Start-up: everything the program needs, taken in a fixed order so a failure can be reported or cleaned up.
#include <cerrno>
#include <cstring>
#include <string>

#include "controls/app_window.h"
#include "controls/popup.h"
#include "core/alert.h"
#include "core/random.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "music/music.h"
#include "platform/clock.h"
#include "platform/lock.h"
#include "platform/platform.h"
#include "platform/text_out.h"
#include "resources/pictures.h"
#include "shell/display.h"
#include "shell/main.h"
#include "shell/options.h"
#include "shell/preferences.h"
#include "shell/program_folder.h"
#include "shell/quit.h"
#include "sound/sound_input.h"
#include "storage/file.h"
#include "storage/loading.h"
#include "storage/pop_list.h"
#include "storage/style.h"

namespace {
void InitScreen() {
    InitChooseScreen();
    int myWidth = 0, myHeight = 0;
    InitScreenSize(&myWidth, &myHeight);
    InitSetScreenSize(myWidth, myHeight);
}

// A start that cannot go on says why on standard error and ends with status 2 before anything shows.
bool InitRefuse(const std::string& myWhy) {
    TextOutSay(myWhy.c_str());
    gExitCode = 2;
    return false;
}
} // namespace

void InitHooks() {
    gLoadHooks.mRecord = ExecuteRecordComponent;
    gLoadHooks.mResetParams = [](MEffect& myMove, char mySlot, StyleRecord* myStyle) {
        myMove.MEffectResetPar(mySlot, myStyle);
    };
    gAnimateDisc = {MusicWatchDisc, MusicSongEnd, MusicAlignCD};
    gAppQuit.mSequence = QuitSequence;
    gAppQuit.mFast = QuitFast;
    gPopHooks.mDispatch = MainDispatch;
}

bool InitTakeProgramFolder(std::string& myError) {
    // The preferences folder and the program folder are fixed together, since ORBEX_HOME moves both; the
    // screen chosen last is read from the configuration there.
    if (!ProgramFolderSetUp(gPlatformHeadless, gProgramPath, myError) || !ProgramFolderLock(myError))
        return false;
    if (FileFindDirectory("Raves", gDirIDOrbex, gDirIDRave) != 0) {
        if (const int16_t myCode = FileCreateDirectory("Raves", gDirIDOrbex, gDirIDRave)) {
            myError =
                std::string("cannot make the folder ") + gDirIDOrbex + "Raves: " + std::strerror(myCode);
            return false;
        }
    }
    // The style asked for is read now, so a typo or a damaged file costs nothing: no look nobody asked for
    // runs and takes the last session's place at the quit.
    return gMusicFirstStyle.empty() || StyleCheckFile(gMusicFirstStyle.c_str(), myError);
}

bool InitProgram() {
    InitHooks();
    // One Orbex on the desktop, as written; a headless run (a render, a script) works in a program folder of
    // its own and may run beside it, so it takes only that folder's lock.
    if (!gPlatformHeadless) {
        gMutex = LockAcquire("ORBEX");
        if (gMutex < 0) return InitRefuse("Orbex is already running");
    }
    std::string myError;
    if (!InitTakeProgramFolder(myError)) return InitRefuse(myError);
    InitScreen();
    gStateAlert = 1;
    if (!InitCheckDirectX() || !InitDialogWindow() || !InitFonts()) return false;
    MainSeedRandom(gOptions.mSeed >= 0 ? static_cast<uint32_t>(gOptions.mSeed) : ClockTicks());
    if (!InitPaintWindow()) return false;

    gStateAlert = 0;
    InitHelpWindow();
    gStateCD = 1;
    InitEdits();
    InitPictToGWorld(gWorldButtons, kPictureButtons);
    InitPictToGWorld(gWorldIcons, kPictureIcons);
    InitPictToGWorld(gWorldDisplay, kPictureDisplay);
    InitPictToGWorld(gWorldPanelArt, kPicturePanelArt);
    InitPictToGWorld(gWorldArrows, kPictureArrows);
    InitPictToGWorld(gWorldPopup, kPicturePopup);
    InitText("Initializing...");
    InitSetPreferences("orbex");
    PopBuildFileLists();
    // The disc drive is looked for first, so an alert about the sound input is the one shown.
    InitCDDrive();
    InitSound();
    InitControlsWindow();
    return true;
}
