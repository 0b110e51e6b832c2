// The desktop's screens, and the one the animation window fills.
#pragma once

#include "platform/surface.h"

// Reads the screens again: SDL's displays, or the heads of Xinerama where SDL sees one screen only (an X
// server whose screens are joined by Xinerama alone). Headless there is one, of the virtual size.
void ScreenRefresh();
int ScreenTotal();
// Where a screen lies on the desktop; the first one for a number out of range.
Rect ScreenBounds(int myScreen);
// The screen the animation window fills; a number out of range chooses the first.
void ScreenChoose(int myScreen);
int ScreenChosen();
// The screen holding the point (myX, myY) of the desktop, or the nearest one.
int ScreenAt(int myX, int myY);
// Whether SDL knows the screens apart, so that it can make a window full screen on each.
bool ScreenSDLDisplays();
// Forgets the screens read and the one chosen.
void ScreenResetState();
