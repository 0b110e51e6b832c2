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

// What an item of the menu being built does: a command with its value, or (kCommandNone) a file name.
enum PopCommand : uint8_t {
    kCommandNone,
    kCommandAttachments,
    kCommandParameter,
    kCommandBrightness,
    kCommandSaturation,
    kCommandSaveCurrent,
    kCommandDeleteList,
    kCommandPanel,
    kCommandCategory,
    kCommandAttach, // a slot number, the trails switch, or -128 for none
    kCommandTrigger,
    kCommandSource,
    kCommandDrive,
    kCommandPlayer,
    kCommandOpenSource,
    kCommandNameCD,
    kCommandSetTitle,
    kCommandSaveRave,
    kCommandDetach,
    kCommandUpload,
    kCommandDeleteRaves,
    kCommandMasterNew,
    kCommandMasterAdd,
};
struct PopItem {
    PopCommand mCommand = kCommandNone;
    int mValue = 0;
};
constexpr const char* kPopSeparator = "------------------------------------";
constexpr const char* kPopSeparatorDisc = "---------------------------------------------------";
// Appends an item to gPopupList; commands come before the file names a menu lists.
void PopAppend(const char* myText, PopCommand myCommand = kCommandNone, int myValue = 0);
PopItem PopItemAt(int myItem);
// Appends the files of myFolder ending in myExt (rows of myRow characters); the item of myCurrent, or -1.
int PopAppendFiles(const char* myFolder, const char* myExt, const char* myCurrent);

// The disc's menus: the drives, the song box and the CD name box, and their delete lists.
int PopBuildDisc(uint16_t myMenu);
void PopChooseDisc(uint16_t myMenu, const PopItem& myItem, const char* myName);
