// The shared pictures and the display's geometry, the two drawings on the animation window that every
// module may ask for (a status line on the splash, a part of the picture brought to the screen), and the
// screen the animation fills.
#include "core/display.h"

#include <cstdlib>
#include <initializer_list>
#include <string>

#include "platform/config.h"
#include "platform/platform.h"
#include "platform/screens.h"
#include "platform/text.h"
#include "platform/window.h"
#include "resources/pictures.h"

Surface gWorldPaint;
Surface gWorldControls;
Surface gWorldPreview;
Surface gWorldButtons;
Surface gWorldIcons;
Surface gWorldDisplay;
Surface gWorldPanelArt;
Surface gWorldArrows;
Surface gWorldPopup;

int gWindowedWidth = 0;
int gWindowedHeight = 0;
Rect gRectDisplay;
double gCentX = 0;
double gCentY = 0;
int gCentXInt = 0;
int gCentYInt = 0;

void InitSetScreenSize(int myWidth, int myHeight) {
    gCentX = myWidth / 2.0;
    gCentY = myHeight / 2.0;
    gCentXInt = myWidth / 2;
    gCentYInt = myHeight / 2;
    gRectDisplay = {0, 0, myWidth, myHeight};
}

void InitScreenSize(int* myWidth, int* myHeight) {
    if (gWindowedWidth > 0 && gWindowedHeight > 0) {
        *myWidth = gWindowedWidth;
        *myHeight = gWindowedHeight;
    } else {
        PlatformDesktopSize(myWidth, myHeight);
    }
}

void InitText(const char* myText) {
    Surface mySplash;
    if (!ResourceDrawPicture(kPictureSplash, mySplash)) return;
    Surface& myScreen = WindowSurface(kWinPaint);
    const int myLeft = gCentXInt - 72;
    const int myTop = gCentYInt - 35;
    SurfaceCopy(myScreen, myLeft, myTop, mySplash, {0, 0, mySplash.mWidth, mySplash.mHeight});
    const Rect myBand{myLeft, myTop + mySplash.mHeight, myLeft + mySplash.mWidth,
                      myTop + mySplash.mHeight + 24};
    SurfaceFill(myScreen, myBand, kColorBlack);
    TextDrawCentered(myScreen, kFontSmall, myBand, myText, kColorWhite);
    WindowPresent(kWinPaint);
}

namespace {
const char* const kScreenKey = "Display";
}

int MainKeptScreen() {
    return std::atoi(ConfigGetString("registry.ini", "Software\\Orbex", kScreenKey, "0").c_str());
}

void MainKeepScreen(int myScreen) {
    ConfigSetString("registry.ini", "Software\\Orbex", kScreenKey, std::to_string(myScreen).c_str());
}

void MainPaintToControlsScreen() {
    if (!WindowExists(kWinControls)) return;
    const int myScreen = WindowScreen(kWinControls);
    if (myScreen == ScreenChosen() || !WindowMoveToScreen(kWinPaint, myScreen)) return;
    ScreenChoose(myScreen);
    MainKeepScreen(myScreen);
}

void DrawPaintWin(const Rect& myRect) {
    SurfaceCopy(WindowSurface(kWinPaint), myRect.left, myRect.top, gWorldPaint, myRect);
    WindowPresentArea(kWinPaint, myRect);
}

void DisplayResetState() {
    for (Surface* mySurface : {&gWorldPaint, &gWorldControls, &gWorldPreview, &gWorldButtons, &gWorldIcons,
                               &gWorldDisplay, &gWorldPanelArt, &gWorldArrows, &gWorldPopup})
        *mySurface = Surface();
    gRectDisplay = Rect();
    gCentX = gCentY = 0;
    gCentXInt = gCentYInt = 0;
}
