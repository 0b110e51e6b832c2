// Change execution: every change of the animation as an edit (a kind and a value), carried out, checked
// against the current brush's attachments, written into the settings and recorded into the edit list.
#pragma once

#include <cstdint>

// The cued parts of fill and flag edits, combined into gCueList[4] and gCueList[5].
extern int8_t gCueFill;
extern int8_t gCueWipe;
extern int8_t gCueFlags;
// The song time of the user's latest choice, stamped on the loads and edits it causes.
extern uint32_t gActionTime;
// Puts the values above back to their start values.
void ExecuteResetState();

// How ExecuteEdits carries an edit out. The numbers are those of the keys' classes (none, Alt, Shift, Ctrl).
enum EditMode : uint8_t {
    kModeExecute = 0,
    kModeEarlier = 1, // execute, and place the value on the earlier record of its kind (Alt)
    kModeCue = 2,     // only cue it, for Enter to carry out (Shift)
    kModeUncue = 3,   // take its cue back (Ctrl)
};

// What else an edit does.
struct EditFlags {
    // A load the edit causes (an attached effect) asks for the controls window to be redrawn.
    uint8_t mRedraw = 0;
    // The user or a trigger made it: an attachment of the current brush may refuse it, and the song's edit
    // list records it. Replayed and applied edits are neither refused nor recorded.
    uint8_t mRecord = 0;
    // A movement chosen takes new random values for its parameters that are not fixed; a parameter set is
    // fixed.
    uint8_t mNewParams = 0;
};

// Carries out an edit (a kind and a value) at song time myTime: checked against the current brush's
// attachments, executed by its kind, and recorded.
void ExecuteEdits(char myKind, char myValue, uint32_t myTime, EditMode myMode, EditFlags myFlags);
void ExecuteUpdateEdits(uint32_t myStylePos, char myKind, char myValue, uint8_t myClearCue);
void ExecuteAttachAlert(const char* myWhat);
// Keeps the attachment flag byte of brush slot mySlot up to date after one of its attachments changed.
void ExecuteSetAttachment(int mySlot, char myValue);
// Applies the attachments of the brush that has just become current, restoring what earlier ones replaced.
void ExecuteApplyAttachments(uint32_t myTime, EditFlags myFlags);

// The edit list.
bool ExecuteInsert(char myType, const char* myName);
// Starts the edit list of a track from the current values: the start record and the end marker.
void ExecuteResetEdits();
// Records an executed edit (step 3 of execution).
void ExecuteRecordEdit(char myKind, char myValue, char myPrevious, uint32_t myTime, EditMode myMode);
void ExecuteLoads(const int8_t* myEdits);
// Loads a random file of a popup's list into the current slot of its kind; false when none other can load.
bool ExecuteRandomComponent(uint16_t myPopup, const char* myList, uint32_t myTime);
// The style offset an edit kind writes, or -1.
int ExecuteStyleOffset(int myKind);
