// The visualizer's side of the screen saver: reading the desktop's settings, installing, ending the saver.
#include "shell/screen_saver.h"

#include <algorithm>
#include <cctype>

#include "core/alert.h"
#include "core/state.h"
#include "platform/platform.h"
#include "platform/saver_setup.h"
#include "shell/main.h"

namespace {
constexpr uint16_t kDelayUnknown = 20; // minutes
constexpr uint32_t kDelayMost = 120;   // the delay slider's range
} // namespace

bool PrefsSaverIsOrbex(const std::string& myEntry) {
    // The entry is the saver's path, lower case on this platform; "Orbex" and "ORBEX" count as well.
    std::string myLower = myEntry;
    std::transform(myLower.begin(), myLower.end(), myLower.begin(),
                   [](unsigned char myCharacter) { return static_cast<char>(std::tolower(myCharacter)); });
    return myLower.find("orbex") != std::string::npos;
}

void PrefsReadSaver() {
    const SaverSettings mySettings = SaverReadSettings();
    gSaverFlag = mySettings.mActive && PrefsSaverIsOrbex(mySettings.mProgram) ? 1 : 0;
    gSaverDelay = mySettings.mTimeOut == 0
                      ? kDelayUnknown
                      : static_cast<uint16_t>(std::clamp<uint32_t>(mySettings.mTimeOut / 60, 1, kDelayMost));
    // A headless run has no desktop to ask.
    gSaverBlank = gPlatformHeadless ? 0 : static_cast<uint16_t>(SaverDesktopBlankMinutes());
}

void QuitLaunchScreenSaver() {
    const std::string mySaver = SaverFindProgram(gProgramPath);
    if (mySaver.empty()) {
        MainOpenAlert(kSaverNotFound);
        return;
    }
    if (!SaverInstall(mySaver, gSaverDelay * 60u)) PlatformBeep();
}

void QuitScreenSaver() {
    SaverQuitRunning();
}
