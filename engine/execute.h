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

// Modes of ExecuteEdits.
constexpr uint8_t kModeExecute = 0;
constexpr uint8_t kModeEarlier = 1; // execute, and place the value on the earlier record of its kind
constexpr uint8_t kModeCue = 2;
constexpr uint8_t kModeUncue = 3;

void ExecuteEdits(char myKind, char myValue, uint32_t myTime, uint8_t myRedraw, uint8_t myRecord,
                  uint8_t myMode, uint8_t myNewParams, uint8_t myHoldButton);
void ExecuteUpdateEdits(uint32_t myStylePos, char myKind, char myValue, uint8_t myClearCue);
void ExecuteAttachAlert(const char* myWhat);
// Keeps the attachment flag byte of brush slot mySlot up to date after one of its attachments changed.
void ExecuteSetAttachment(int mySlot, char myValue);
// Applies the attachments of the brush that has just become current, restoring what earlier ones replaced.
void ExecuteApplyAttachments(uint32_t myTime, uint8_t myRedraw, uint8_t myRecord, uint8_t myNewParams);

// The edit list.
bool ExecuteInsert(char myType, const char* myName);
// Starts the edit list of a track from the current values: the start record and the end marker.
void ExecuteResetEdits();
// Records an executed edit (step 3 of execution).
void ExecuteRecordEdit(char myKind, char myValue, char myPrevious, uint32_t myTime, uint8_t myMode);
void ExecuteLoads(const int8_t* myEdits);
// Loads a random file of a popup's list into the current slot of its kind; false when none other can load.
bool ExecuteRandomComponent(uint16_t myPopup, const char* myList, uint32_t myTime);
// The style offset an edit kind writes, or -1.
int ExecuteStyleOffset(int myKind);
