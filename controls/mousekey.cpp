// The keys and clicks handled so far: Escape quits; the full command set arrives with the controls window.
#include "controls/mousekey.h"

#include "core/alert.h"
#include "platform/window.h"
#include "shell/quit.h"

void KeyDownHandler(uint32_t myKey, uint32_t myTime) {
    (void)myTime;
    if (myKey == kVKEscape && !gStateAlert) QuitSequence(0);
}

void KeyHandler(uint32_t myChar, uint32_t myTime, int myFlag) {
    (void)myChar;
    (void)myTime;
    (void)myFlag;
}

void MouseClickControls(int myX, int myY, uint32_t myTime, int myFlag) {
    (void)myX;
    (void)myY;
    (void)myTime;
    (void)myFlag;
}

// The controls window has no drawing of its own yet, so it stays hidden rather than show an empty panel.
void MouseKeyToggleControls(int myFlag) {
    (void)myFlag;
}
