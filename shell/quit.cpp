// The farewell and the clean-up, in the order the program's resources were taken.
#include "shell/quit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "controls/draw.h"
#include "controls/file_popup.h"
#include "controls/text_field.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/farewell.h"
#include "engine/fill.h"

#include "core/alert.h"
#include "core/popup_commands.h"
#include "core/random.h"
#include "music/music.h"
#include "platform/clock.h"
#include "platform/lock.h"
#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "platform/text_out.h"
#include "platform/window.h"
#include "resources/pictures.h"
#include "shell/display.h"
#include "shell/main.h"
#include "shell/preferences.h"
#include "shell/program_folder.h"
#include "shell/render_out.h"
#include "shell/screen_saver.h"
#include "sound/sound_input.h"
#include "storage/components.h"
#include "storage/file.h"
#include "storage/pop_list.h"
#include "storage/style.h"

namespace {
constexpr int kBannerWidth = 108;
constexpr int kBannerHalf = 19;
constexpr uint32_t kFarewellFrame = 10; // ms
// The farewell's own lines above and below the middle one.
const char* const kFarewellTitle = "Orbex";
const char* const kFarewellMiddle = "Don't forget to download the free components from our web site!";
const char* const kFarewellLast = "Thanks for raving with Orbex.";

uint32_t QuitElapsed() {
    return ClockTicks() - gTimer;
}

VBrush& QuitBrush() {
    return gBrushes[static_cast<uint8_t>(gCurrentBrush) % kBrushSlots];
}

// The farewell shows a brush of the library that the style does not use, when there is one.
void QuitChooseBrush() {
    const int myCount = static_cast<int>(std::strlen(gFileListBrushes) / kPopupRow);
    if (myCount <= kBrushSlots) return;
    char myName[kNameSize];
    for (int myTry = 0; myTry < 100 * myCount; ++myTry) {
        const int myEntry = MainRandom() * myCount / kRandomRange;
        std::memset(myName, 0, sizeof(myName));
        std::memcpy(myName, gFileListBrushes + myEntry * kPopupRow, kNameSize - 1);
        for (int i = kNameSize - 2; i >= 0 && (myName[i] == ' ' || myName[i] == '\r'); --i)
            myName[i] = 0;
        bool myUsed = false;
        for (const auto& myStyleName : gStyle.mBrushNames)
            myUsed |= std::strncmp(myStyleName, myName, kNameSize) == 0;
        if (!myUsed) break;
    }
    for (int i = 0; i < kBrushSlots; ++i)
        gBrushes[i].Release();
    QuitBrush().BrushLoad(myName, gCurrentBrush, 0, 0, 0, nullptr, 1);
    QuitBrush().BrushInit();
}
} // namespace

void QuitSequence(uint8_t myPressed) {
    gStateRunning = 0;
    if (gStateControlsVisible)
        DrawControlButton(static_cast<short>(DrawButtonNumber(kButtonQuit)), 1, myPressed);
    MusicStop(0, 1);
    // Only a run that brought the last session back leaves one for the next run.
    if (gStateLastSession) {
        TextFieldDestroy();
        FileSaveAs(kPopupLastSession, kStyleLastSession);
    }
    InitSetPreferences(nullptr);
    if (gSaverFlag) QuitLaunchScreenSaver();
    for (int i = kFillSlots - 1; i >= 0; --i)
        gFills[i].Release();
    QuitChooseBrush();
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
    // An alert opened while saving keeps the keyboard, so Enter answers it over the farewell.
    if (gStateAlert) WindowActivate(kWinAlert);
}

void QuitDrawLogo() {
    InitPictToGWorld(gWorldPreview, kPictureBanner);
    Surface& myScreen = WindowSurface(kWinPaint);
    SurfaceFill(myScreen, gRectDisplay, kColorBlack);
    // The brush rests at the centre; with the fills released, erasing the whole screen under it leaves black.
    VBrush& myBrush = QuitBrush();
    FarewellPose(myBrush, gCentX, gCentY, gRectDisplay);
    myBrush.BrushDraw(0);
    // The bands keep clear of the centre line, where the banner halves meet, and of the brush.
    const int myAbove = gCentYInt - std::max(16, static_cast<int>(myBrush.mTop));
    const int myBelow = gCentYInt + std::max(16, static_cast<int>(myBrush.mBottom));
    const Rect myTitleBand{gCentXInt - 100, myAbove - 64, gCentXInt + 100, myAbove};
    TextDrawCentered(myScreen, kFontLarge, myTitleBand, kFarewellTitle, kColorWhite);
    const Rect myMiddleBand{0, myBelow, gRectDisplay.right, myBelow + 14};
    TextDrawCentered(myScreen, kFontSmall, myMiddleBand, kFarewellMiddle, kColorGreen);
    const Rect myLastBand{0, myBelow + 14, gRectDisplay.right, myBelow + 28};
    TextDrawCentered(myScreen, kFontSmall, myLastBand, kFarewellLast, kColorWhite);
    WindowPresent(kWinPaint);
}

bool MainQuitLoop() {
    Message myMessage;
    if (WindowPeekMessage(myMessage, true)) {
        if (myMessage.mKind == kMsgQuit) return false;
        // An alert opened while quitting (a session that could not be saved) is answered here.
        MainDispatch(myMessage);
    } else if (gTimer != 0 && gStatePaint) {
        const uint32_t myTime = QuitElapsed();
        if (myTime <= 2000) {
            const int myBrushLeft = QuitBrush().mLeft;
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
        FarewellStep(QuitBrush(), myTime);
        // The farewell moves with the clock: one picture a frame is all it shows, and the processor rests
        // between them.
        WindowWait(kFarewellFrame);
    }
    return gTimer != 0 && QuitElapsed() <= 3000;
}

void QuitCleanup() {
    if (gStatePaint) {
        SurfaceFill(WindowSurface(kWinPaint), gRectDisplay, kColorBlack);
        WindowPresent(kWinPaint);
    }
    for (Surface* mySurface : {&gWorldButtons, &gWorldControls, &gWorldIcons, &gWorldPaint, &gWorldPopup,
                               &gWorldPreview, &gWorldArrows, &gWorldPanelArt, &gWorldDisplay})
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
    if (gSaverTrigger) QuitScreenSaver();
}

void QuitFast() {
    PlatformBeep();
    // What leaves here is a picture that could not be made. The desktop leaves as written, without a word; a
    // headless run was asked for frames it cannot give, so it says so, leaves no half-written output and
    // does not claim success.
    RenderOutDiscard();
    QuitCleanup();
    PlatformStop();
    if (gPlatformHeadless) {
        TextOutSay("not enough memory for the pictures");
        std::exit(1);
    }
    std::exit(0);
}
