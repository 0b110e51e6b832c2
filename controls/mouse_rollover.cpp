// The drawing-controls button opens the drawing controls as the cursor rolls over it, and closes them again
// as it leaves, unless they were open before or the button was clicked meanwhile.
#include "controls/draw.h"
#include "controls/mouse.h"
#include "core/alert.h"
#include "core/state.h"
#include "platform/window.h"
#include "resources/controls_art.h"

namespace {
// The cursor was over the button at the last look: only entering and leaving count.
bool sInside = false;

bool MouseOverExpandButton() {
    int myX = 0, myY = 0;
    if (!WindowCursorPosition(kWinControls, &myX, &myY)) return false;
    const int myLeft = LayoutButtonLeft(kButtonExpand);
    return myX >= myLeft && myX <= myLeft + kArtButtonSize && myY >= 0 &&
           myY <= kLayoutButtonTop + kArtButtonSize;
}
} // namespace

void MouseRollover() {
    const bool myInside = gStatePaint && gStateControlsVisible && !gStateAlert && MouseOverExpandButton();
    if (myInside == sInside) return;
    sInside = myInside;
    if (myInside) {
        gStateRollover = gStateExpand ? 1 : 2;
        if (!gStateExpand) DrawResizeControls(1);
        return;
    }
    if (gStateRollover == 2 && gStateExpand) DrawResizeControls(0);
    gStateRollover = 0;
}

void MouseRolloverResetState() {
    sInside = false;
}
