// The animation window closed and opened again: by the user (the button, V), or because the user switched to
// another program and came back.
#include "controls/app_window.h"

#include "controls/draw.h"
#include "controls/mousekey.h"
#include "core/alert.h"
#include "core/display.h"
#include "core/state.h"
#include "engine/fill.h"
#include "platform/window.h"
#include "storage/components.h"

AppQuitHooks gAppQuit;

void AppQuitSequence(uint8_t myPressed) {
    if (gAppQuit.mSequence) gAppQuit.mSequence(myPressed);
}

namespace {

// The desktop's size changed while the program was away: the picture takes the new size, and the fills,
// whose tiles are laid out for the screen, are loaded again.
void MainResizePicture() {
    int myWidth = 0, myHeight = 0;
    InitScreenSize(&myWidth, &myHeight);
    if (myWidth == gRectDisplay.right && myHeight == gRectDisplay.bottom) return;
    InitSetScreenSize(myWidth, myHeight);
    if (!SurfaceCreate(gWorldPaint, myWidth, myHeight)) {
        if (gAppQuit.mFast) gAppQuit.mFast();
        return;
    }
    WindowResize(kWinPaint, myWidth, myHeight);
    for (int mySlot = 0; mySlot < kFillSlots; ++mySlot)
        gFills[mySlot].FillLoad(nullptr, static_cast<char>(mySlot), 0, 0, nullptr, 1);
    gFills[static_cast<uint8_t>(gCurrentFill) % kFillSlots].FillDraw(0);
}

} // namespace

void MouseKeyTogglePaint(uint8_t myLeft) {
    if (gStatePaint) {
        gStatePaint = 0;
        gStateColorChange = 0;
        if (myLeft) gStatePaintClose = 1;
        if (!gStateControlsVisible) MouseKeyToggleControls(1);
        gStateControlsExpand = gStateExpand;
        if (gStateExpand) DrawResizeControls(1);
        WindowShow(kWinPaint, false, false);
        if (!myLeft) WindowActivate(kWinControls);
        WindowShowCursor(true);
    } else {
        WindowShow(kWinPaint, true, false);
        gStatePaint = 1;
        MainRestoreApp();
        gStatePaintClose = 0;
    }
}

void MainLeaveApp() {
    if (!gStateRunning || gStateOutsideApp) return;
    gStateOutsideApp = 1;
    if (gStatePaint) MouseKeyTogglePaint(1);
}

void MainRestoreApp() {
    const bool myWasOutside = gStateOutsideApp;
    gStateOutsideApp = 0;
    // Opened again by the user, the animation goes where the controls are; coming back from another
    // program, it stays where it was, beside controls the user may keep on another screen.
    if (!myWasOutside) MainPaintToControlsScreen();
    MainResizePicture();
    WindowActivate(kWinPaint);
    if (gStateAlert && myWasOutside)
        WindowActivate(kWinAlert);
    else if (gStateControlsVisible)
        WindowActivate(kWinControls);
    gStatePalChange = 1;
    if (gStateControlsExpand) {
        gStateControlsExpand = 0;
        if (gStateClickReturn) gStateClickReturn += 4;
        if (!gStateExpand) DrawResizeControls(1);
    }
    if (!gStateControlsVisible) WindowShowCursor(false);
}
