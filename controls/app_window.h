// Closing and opening the animation window, and leaving the program for another one and coming back.
#pragma once

#include <cstdint>

// Quitting is the spine's (shell/quit.h): InitProgram hands the controls its farewell and its fast exit,
// which the quit key, Escape, the quit button and a picture that cannot be made use. A link between the
// layers, not state: nothing resets it.
struct AppQuitHooks {
    void (*mSequence)(uint8_t myPressed) = nullptr; // QuitSequence
    void (*mFast)() = nullptr;                      // QuitFast: never returns
};
extern AppQuitHooks gAppQuit;
// The farewell, as the user asked for it (myPressed: by the quit button).
void AppQuitSequence(uint8_t myPressed);

// Closes the animation window (myLeft: because the user switched away) or opens it again.
void MouseKeyTogglePaint(uint8_t myLeft);
// The user switched to another program: the animation window closes until the program is used again.
void MainLeaveApp();
// The animation window is back: the picture takes the desktop's size, and the windows come to the front.
void MainRestoreApp();
