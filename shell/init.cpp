// Start-up: everything the program needs, taken in a fixed order so a failure can be reported or cleaned up.
#include <cstring>

#include "controls/app_window.h"
#include "core/alert.h"
#include "core/random.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "music/music.h"
#include "platform/clock.h"
#include "platform/lock.h"
#include "platform/platform.h"
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

namespace {
void InitScreen() {
    InitChooseScreen();
    int myWidth = 0, myHeight = 0;
    InitScreenSize(&myWidth, &myHeight);
    InitSetScreenSize(myWidth, myHeight);
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
}

bool InitProgram() {
    InitHooks();
    gMutex = LockAcquire("ORBEX");
    if (gMutex < 0) return false; // another copy runs: leave without a word

    // The preferences folder and the program folder are fixed together, since ORBEX_HOME moves both; the
    // screen chosen last is read from the configuration there.
    const bool myFoldersReady = ProgramFolderSetUp(gPlatformHeadless, gProgramPath);
    InitScreen();
    gStateAlert = 1;
    if (!InitCheckDirectX() || !InitDialogWindow() || !InitFonts()) return false;
    MainSeedRandom(ClockTicks());
    if (!InitPaintWindow()) return false;

    gStateAlert = 0;
    InitHelpWindow();
    gStateCD = 1;
    std::memset(gEditsSkip, 0, sizeof(gEditsSkip));
    std::memset(gCueList, kNotSet, sizeof(gCueList));
    InitPictToGWorld(gWorldButtons, kPictureButtons);
    InitPictToGWorld(gWorldIcons, kPictureIcons);
    InitPictToGWorld(gWorldDisplay, kPictureDisplay);
    InitPictToGWorld(gWorldPanelArt, kPicturePanelArt);
    InitPictToGWorld(gWorldArrows, kPictureArrows);
    InitPictToGWorld(gWorldPopup, kPicturePopup);
    InitText("Initializing...");

    if (!myFoldersReady) QuitFast();
    if (FileFindDirectory("Raves", gDirIDOrbex, gDirIDRave) != 0) {
        if (FileCreateDirectory("Raves", gDirIDOrbex, gDirIDRave) != 0) QuitFast();
    }
    InitText("Initializing...");
    InitSetPreferences("orbex");
    PopBuildFileLists();
    std::memset(gAttachList, kNotSet, sizeof(gAttachList));
    // The disc drive is looked for first, so an alert about the sound input is the one shown.
    InitCDDrive();
    InitSound();
    InitControlsWindow();
    return true;
}
