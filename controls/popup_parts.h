// What the popup menus' files share: the tracked menu over the items of gPopupList, and the previews it
// shows for the item resting under the cursor.
#pragma once

#include <cstdint>

#include "platform/surface.h"

constexpr int kPopRowHeight = 12;

// The items of gPopupList (carriage returns end them): how many, where each starts, and whether one is a
// separator (it begins with "---") that cannot be chosen.
int PopItemCount();
long PopItemOffset(int myItem);
bool PopIsSeparator(int myItem);

// What the user did in a tracked menu: the item chosen (-1 when the menu closed without a choice), the
// modifier keys held and the time of the click or key that chose it.
struct PopChoice {
    int mItem = -1;
    uint8_t mMods = 0;
    uint32_t mTime = 0;
};

// Shows the items of gPopupList beside myBeside, item myMarked framed, and tracks them until a click, Enter
// or Escape. myPreview is called with an item that rested under the cursor for 250 ms, and with -1 when the
// cursor leaves it; the menu is drawn again over whatever it drew.
PopChoice PopTrack(const Rect& myBeside, int myMarked, void (*myPreview)(int myItem));
void PopTrackResetState();
