// Closing and opening the animation window, and leaving the program for another one and coming back.
#pragma once

#include <cstdint>

// Closes the animation window (myLeft: because the user switched away) or opens it again.
void MouseKeyTogglePaint(uint8_t myLeft);
// The user switched to another program: the animation window closes until the program is used again.
void MainLeaveApp();
// The animation window is back: the picture takes the desktop's size, and the windows come to the front.
void MainRestoreApp();
