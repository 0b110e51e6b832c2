// Windows, surfaces, palette and splash of the visualizer.
#include "shell/display.h"

#include <cstdio>
#include <cstring>

#include "controls/draw.h"
#include "controls/help.h"
#include "controls/thumbs.h"
#include "core/alert.h"
#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/screens.h"
#include "platform/text.h"
#include "platform/window.h"
#include "resources/pictures.h"
#include "resources/saver_logo.h"
#include "shell/main.h"
#include "shell/options.h"
#include "shell/quit.h"
#include "storage/components.h"

PlatformStartResult gPlatformStartResult = kPlatformStarted;
InitFailure gInitFailure = kInitFailNone;
char gInitFailureText[kInitFailureTextSize] = "";

namespace {
bool InitSurface(Surface& mySurface, int myWidth, int myHeight, bool myKeyed) {
    if (!SurfaceCreate(mySurface, myWidth, myHeight)) return false;
    SurfaceSetColorKey(mySurface, myKeyed ? kColorKey : kNoColorKey);
    return true;
}

// Keeps what failed and the platform's words for it, before anything else can replace them.
bool InitFail(InitFailure myFailure) {
    gInitFailure = myFailure;
    std::snprintf(gInitFailureText, sizeof(gInitFailureText), "%s", PlatformErrorText());
    return false;
}

bool InitFailWindow() {
    return InitFail(WindowLastFailure() == kWindowFailRenderer ? kInitFailRenderer : kInitFailWindow);
}
} // namespace

void InitChooseScreen() {
    int myScreen = gOptions.mDisplay;
    if (myScreen < 0) {
        // A screen unplugged since is kept as the choice: it is used again once it is back.
        myScreen = MainKeptScreen();
    } else if (myScreen < ScreenTotal()) {
        MainKeepScreen(myScreen);
    } else {
        std::fprintf(stderr, "orbex: there is no screen %d; the first one is used\n", myScreen);
    }
    ScreenChoose(myScreen);
}

// Whether a video driver could be started at all: without one there is nothing to draw on.
bool InitCheckDirectX() {
    gInitFailure = kInitFailNone;
    gInitFailureText[0] = 0;
    if (gPlatformStartResult == kPlatformNoVideo) return InitFail(kInitFailDisplay);
    return true;
}

bool InitDialogWindow() {
    // Centred on the screen at its magnified size; windows are placed in unmagnified pixels.
    const int myScale = WindowScale();
    const int myX = gCentXInt / myScale - kAlertWidth / 2 + 1;
    const int myY = gCentYInt / myScale - kAlertHeight / 2;
    if (!WindowCreate(kWinAlert, "Alert", myX < 0 ? 0 : myX, myY < 0 ? 0 : myY, kAlertWidth, kAlertHeight,
                      kWindowTopmost))
        return InitFailWindow();
    return true;
}

bool InitFonts() {
    // The two unnamed fonts take the desktop's sans-serif; the big one asks for Arial by name.
    if (!TextOpenFont(kFontSmall, "sans-serif", 9) || !TextOpenFont(kFontMedium, "sans-serif", 13) ||
        !TextOpenFont(kFontLarge, "Arial", 56))
        return InitFail(kInitFailFont);
    return true;
}

void InitColor() {
    PaletteEntry myEntries[kPaletteSize];
    ResourceInterfaceColors(myEntries);
    for (int myIndex = 21; myIndex <= 200; ++myIndex)
        myEntries[myIndex] = {0, 0, 0, kPaletteReserved | kPaletteNoCollapse};
    for (int myIndex = 201; myIndex <= 245; ++myIndex)
        myEntries[myIndex] = {63, 63, 65, kPaletteReserved | kPaletteNoCollapse};
    PaletteSet(0, kPaletteSize, myEntries);
}

void QuitDisposeColor() {
    PaletteEntry myBlack[kPaletteSize];
    PaletteSet(0, kPaletteSize, myBlack);
}

bool InitPaintWindow() {
    int myWidth = 0, myHeight = 0;
    InitScreenSize(&myWidth, &myHeight);
    const bool myFull = gWindowedWidth <= 0;
    if (!WindowCreate(kWinPaint, "Orbex Animation", 0, 0, myWidth, myHeight, myFull ? kWindowFullScreen : 0))
        return InitFailWindow();
    InitSetScreenSize(myWidth, myHeight);
    MainHideMenuBars();
    InitColor();
    SurfaceFill(WindowSurface(kWinPaint), gRectDisplay, kColorBlack);
    WindowShow(kWinPaint, true, true);
    WindowShowCursor(false);
    gStatePaint = 1;
    if (!InitSurface(gWorldPaint, myWidth, myHeight, false)) QuitFast();
    SurfaceFill(gWorldPaint, gRectDisplay, kColorBlack);
    return true;
}

void InitHelpWindow() {
    if (!WindowCreate(kWinHelp, "Orbex Help", 402 + 2 * 4, 0, kHelpWidth, kHelpHeight, kWindowTopmost))
        QuitFast();
}

void InitControlsWindow() {
    if (!WindowCreate(kWinControls, "Orbex Controls", 0, 0, kControlsWidth, kControlsHeight, kWindowTopmost))
        QuitFast();
    if (!InitSurface(gWorldPreview, 128, 48, true)) QuitFast();
    if (!DrawInitArtwork()) QuitFast();
}

void InitPictToGWorld(Surface& mySurface, int myPicture) {
    if (!ResourceDrawPicture(myPicture, mySurface)) QuitFast();
    SurfaceSetColorKey(mySurface, kColorKey);
}

void MainDrawPaint() {
    if (gStateRunning) {
        // Realizing the palette: both ranges show at once, whether or not their colours cycle.
        gBEffectColor.CEffectShow();
        gFEffectColor.CEffectShow();
        DrawPaintWin(gRectDisplay);
    } else {
        QuitDrawLogo();
    }
}

void MainDrawControls() {
    DrawThumbnails();
    DrawWindow();
    HelpDisplay();
}

void MainDrawHelp() {
    HelpDrawWindow();
}

// The desktop's panels stay out of the way of a full-screen window by themselves.
void MainHideMenuBars() {}
void MainRestoreMenuBars() {}

void InitDisplayResetState() {
    gWindowedWidth = gWindowedHeight = 0;
    gPlatformStartResult = kPlatformStarted;
    gInitFailure = kInitFailNone;
    std::memset(gInitFailureText, 0, sizeof(gInitFailureText));
}
