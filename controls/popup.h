// Popup menus: the lists of files and the short command lists that open beside a control of the controls
// window, tracked with the mouse and the keys while the picture goes on, and what choosing an item does.
#pragma once

#include <cstdint>

#include "platform/surface.h"
#include "platform/window.h"

// Shows menu myMenu beside myRect (controls-window pixels) and carries out the item chosen; mySlot is the
// list slot (0-based) of a per-slot menu, -1 otherwise. Returns when the menu has closed.
void PopMenu(uint16_t myMenu, int mySlot, const Rect* myRect);

// The item at myOffset of gPopupList as a file name: blanks back to underscores, trailing blanks removed.
void PopGetName(long myOffset, char* myName);

// The menu open now, as the window shows it: its box (empty while none is open), the first item shown below
// the upper scroll arrow, the rows shown (the arrows' rows included, 12 pixels each) and the inverted item.
struct PopMenuView {
    Rect mBox;
    int mFirst = 0;
    int mRows = 0;
    bool mArrows = false;
    int mHilite = -1;
};
PopMenuView PopMenuShown();

// Messages that are not the menu's go to their window's handler, which is the spine's: InitProgram hands it
// over (InitHooks). A link between the layers, not state: nothing resets it.
struct PopHooks {
    void (*mDispatch)(const Message& myMessage) = nullptr;
};
extern PopHooks gPopHooks;

// Closes the menu state (PopupResetState does it with the popup selector).
void PopMenuResetState();
