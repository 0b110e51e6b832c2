// The kinds of component file, one row each: what the edits, the popups, the file lists, the slots, the load
// records, the trigger channels, the attachments, the disk and the loaders call it. Code that works on "a
// component kind" looks its row up here rather than switching on the kind.
#pragma once

#include <cstdint>

#include "storage/format_bytes.h"

struct ComponentKind {
    const char* mWord;    // as the messages name it: "fill", "brush color effect"
    uint8_t mEdit;        // the edit kind that selects a slot (kEditFill); 0 for the effects
    uint16_t mPopup;      // the popup of its files (kPopupFills, 303 for the brush colour effect)
    char* mList;          // its file list (gFileListFills); nullptr for the effects
    int8_t* mCurrent;     // the current slot, 0-based (gCurrentFill); nullptr for the effects
    int mSlots;           // slots of its kind; 1 for an effect
    char mType;           // the component type of its load records (kComponentFill, kEffectBrush)
    int mChannel;         // the trigger channel that changes it (kChannelFill), or -1
    uint8_t mAttachField; // the brush attachment field that holds it (AttachRecord), or 0
    FormatPlace mPlace;   // its folder and extension
    uint16_t mNameAt;     // the style offset of slot 0's name; slots follow kNameSize apart
    // Loads a file into a slot (0-based) of the running picture: myRecord as the loaders take it, myQuiet
    // without alerts, myNew when the user or a trigger chose it (a brush then lets go of its attachments).
    // An effect starts at once.
    bool (*mLoad)(const char* myName, int mySlot, uint8_t myRecord, uint8_t myQuiet, uint8_t myNew);
};

// Gradients, fills, brushes, movements, then the brush colour, fill colour and brush effects.
constexpr int kComponentKinds = 7;
extern const ComponentKind kKinds[kComponentKinds];

// The row of an edit kind, a load record's component type, a popup number or a trigger channel; nullptr when
// none has it.
const ComponentKind* KindOfEdit(int myEdit);
const ComponentKind* KindOfType(int myType);
const ComponentKind* KindOfPopup(int myPopup);
const ComponentKind* KindOfChannel(int myChannel);
// The name field of slot mySlot (0-based) in the current settings.
char* KindName(const ComponentKind& myKind, int mySlot);
