// Popup menus: the lists of files and the short command lists that open beside a control of the controls
// window, tracked with the mouse and the keys while the picture goes on, and what choosing an item does.
#pragma once

#include <cstdint>

#include "platform/surface.h"
#include "platform/window.h"
#include "storage/pop_list.h"

// The list of the menu being shown, or of the kind being loaded by name.
extern char gPopupList[kPopupListSize];

// Shows menu myMenu beside myRect (controls-window pixels) and carries out the item chosen; mySlot is the
// list slot (0-based) of a per-slot menu, -1 otherwise. Returns when the menu has closed.
void PopMenu(uint16_t myMenu, int mySlot, const Rect* myRect);

// The item at myOffset of gPopupList as a file name: blanks back to underscores, trailing blanks removed.
void PopGetName(long myOffset, char* myName);

// Deletes the file myName of delete list myMenu (the number of its save menu + 50), which listed myCount
// items; a deleted current name becomes "(None)", and the last one deleted ends DELETE FILE.
void PopDeleteFile(const char* myName, long myCount, uint16_t myMenu);
// The drive menu's items: the CD drives, the disc image or music folder playing, the desktop's media players
// and "Open Folder or Image..."; the item of the drive or player playing, or -1. PopChangeCD plays the drive
// of item myIndex instead.
int PopGetDriveList();
void PopChangeCD(uint8_t myIndex);
// Plays the folder of music files or the disc image at myPath (typed after "Open Folder or Image..."); an
// alert says what is wrong with a path that cannot be played.
void PopOpenSource(const char* myPath);
// TEXT ENTRY for menu myPopup, the field holding myText.
void PopSetupEdit(uint16_t myPopup, const char* myText);
// The panel that TEXT ENTRY, REPLACE FILE and DELETE FILE go back to.
void PopRememberPanel();

// The menu open now, as the window shows it: its box (empty while none is open), the first item shown below
// the upper scroll arrow, the rows shown (the arrows' rows included, 12 pixels each), the inverted item and
// the framed one (what is loaded or playing, or -1).
struct PopMenuView {
    Rect mBox;
    int mFirst = 0;
    int mRows = 0;
    bool mArrows = false;
    int mHilite = -1;
    int mMarked = -1;
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
