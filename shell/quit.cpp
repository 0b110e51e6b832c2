// The farewell and the clean-up, in the order the program's resources were taken.
#include "shell/quit.h"

#include <cstdlib>

#include "music/music.h"
#include "platform/clock.h"
#include "platform/lock.h"
#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "platform/window.h"
#include "resources/pictures.h"
#include "shell/alert.h"
#include "shell/display.h"
#include "shell/main.h"
#include "shell/program_folder.h"
#include "sound/sound_input.h"
#include "storage/file.h"

namespace {
constexpr int kBannerWidth = 108;
constexpr int kBannerHalf = 19;
// The farewell's own lines above and below the middle one.
const char* const kFarewellTitle = "Orbex";
const char* const kFarewellMiddle = "Don't forget to download the free components from our web site!";
const char* const kFarewellLast = "Thanks for raving with Orbex.";

uint32_t QuitElapsed() {
    return ClockTicks() - gTimer;
}
} // namespace

void QuitSequence(uint8_t myPressed) {
    (void)myPressed; // drawn on the quit button once the controls window draws its buttons
    gStateRunning = 0;
    MusicStop(0, 1);
    WindowShow(kWinControls, false, false);
    WindowShow(kWinHelp, false, false);
    if (gStatePaint && gSaverTrigger) {
        gStatePaint = 0;
        WindowShow(kWinPaint, false, false);
        gTimer = 0;
    } else if (gStatePaint) {
        WindowActivate(kWinPaint);
        WindowInvalidate(kWinPaint);
        gTimer = ClockTicks();
    } else {
        gTimer = 0;
    }
}

void QuitDrawLogo() {
    InitPictToGWorld(gWorldPreview, kPictureBanner);
    Surface& myScreen = WindowSurface(kWinPaint);
    SurfaceFill(myScreen, gRectDisplay, kColorBlack);
    // The bands keep clear of the centre line, where the banner halves meet.
    const Rect myTitleBand{gCentXInt - 100, gCentYInt - 16 - 64, gCentXInt + 100, gCentYInt - 16};
    TextDrawCentered(myScreen, kFontLarge, myTitleBand, kFarewellTitle, kColorWhite);
    const Rect myMiddleBand{0, gCentYInt + 16, gRectDisplay.right, gCentYInt + 30};
    TextDrawCentered(myScreen, kFontSmall, myMiddleBand, kFarewellMiddle, kColorGreen);
    const Rect myLastBand{0, gCentYInt + 30, gRectDisplay.right, gCentYInt + 44};
    TextDrawCentered(myScreen, kFontSmall, myLastBand, kFarewellLast, kColorWhite);
    WindowPresent(kWinPaint);
}

bool MainQuitLoop() {
    Message myMessage;
    if (WindowPeekMessage(myMessage, true)) {
        if (myMessage.mKind == kMsgQuit) return false;
        MainEventProcess(myMessage);
    } else if (gTimer != 0 && gStatePaint) {
        const uint32_t myTime = QuitElapsed();
        if (myTime <= 2000) {
            // The brush's extent left of its centre; until brushes draw here the halves meet at the centre.
            const int myBrushLeft = 0;
            const int myX = static_cast<int>(myTime * (gCentX - myBrushLeft - 6) * 0.0005 - kBannerWidth);
            Surface& myScreen = WindowSurface(kWinPaint);
            const int myTop = gCentYInt - 9;
            if (myX > 0) {
                SurfaceFill(myScreen, {0, myTop, myX, gCentYInt + 10}, kColorBlack);
                SurfaceFill(myScreen, {2 * gCentXInt - myX, myTop, gRectDisplay.right, gCentYInt + 10},
                            kColorBlack);
            }
            SurfaceCopy(myScreen, myX, myTop, gWorldPreview, {0, 0, kBannerWidth, kBannerHalf});
            SurfaceCopy(myScreen, 2 * gCentXInt - myX - kBannerWidth, myTop, gWorldPreview,
                        {0, kBannerHalf, kBannerWidth, 2 * kBannerHalf});
            WindowPresent(kWinPaint);
        }
    }
    return gTimer != 0 && QuitElapsed() <= 3000;
}

void QuitCleanup() {
    if (gStatePaint) {
        SurfaceFill(WindowSurface(kWinPaint), gRectDisplay, kColorBlack);
        WindowPresent(kWinPaint);
    }
    for (Surface* mySurface :
         {&gWorldButtons, &gWorldControls, &gWorldIcons, &gWorldPaint, &gWorldPopup, &gWorldPreview,
          &gWorldArrows, &gWorldPanelArt, &gWorldDisplay, &gWorldControls2})
        SurfaceRelease(*mySurface);
    if (gDirIDOrbex[0]) {
        char myPath[kPathSize];
        for (const char* myFolder : {"Gradients", "Fills", "Movements", "Brushes", "Effects"})
            FileDeleteFolderItems(myFolder, gDirIDOrbex, myPath, true, true);
    }
    MusicCloseRecording();
    WindowCloseAll();
    LockRelease(gMutex);
    gMutex = -1;
    QuitDisposeColor();
    TextCloseFonts();
    ProgramFolderRelease();
    WindowPostQuit(gExitCode);
}

void QuitFast() {
    PlatformBeep();
    QuitCleanup();
    PlatformStop();
    std::exit(0);
}
