// Clicks in the controls window.
#pragma once

#include <cstdint>

// A left click at a client point of the controls window, made at myTime.
void MouseClickControls(int myX, int myY, uint32_t myTime, int myFlag);
