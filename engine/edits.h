// The edit list of the rave being recorded or replayed, and the per-kind values that go with it.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kEditKinds = 17;           // index 0 is a record's type, 1-16 the kinds
constexpr int kEditsMax = 9000;          // records per track
constexpr int kEditsEnd = kEditsMax - 1; // the end marker
// Record types, byte 0 of a record.
constexpr int8_t kRecordChange = -128;
constexpr int8_t kRecordBeat = -127;
// From here up, a load record: component type x 8 + slot + kRecordLoad, its bytes 1-16 the name.
constexpr int8_t kRecordLoad = -126;

enum EditKind : int {
    kEditGradient = 1,
    kEditBrushColor = 2,
    kEditFillColor = 3,
    kEditFill = 4,
    kEditFlags = 5,
    kEditParam1 = 6,
    kEditParam2 = 7,
    kEditParam3 = 8,
    kEditMove = 9,
    kEditBrush = 10,
    kEditBrushSpeed = 11,
    kEditColorSpeed = 12,
    kEditSpread = 13,
    kEditColorKick = 14,
    kEditBrushBright = 17, // attachment applications only, never recorded
    kEditFillBright = 18,
};

constexpr int8_t kEditRandom = 127;
constexpr uint8_t kEditFillWipe = 64;

#pragma pack(push, 1)
struct editRecord {
    uint32_t mTime;
    int32_t mPrev;
    int32_t mNext;
    int8_t mEdits[kEditKinds];
    uint8_t mPad[3];
};
#pragma pack(pop)
static_assert(sizeof(editRecord) == 32);

extern editRecord gEditsList[kEditsMax];
extern int32_t gEditsCurrent;
extern int8_t gEditsRave[kEditKinds];
extern int8_t gEditsStart[kEditKinds];
extern int8_t gCueList[kEditKinds];
extern int8_t gEditsSkip[kEditKinds];
extern uint8_t gStateFull;
extern int8_t gAttachList[62];
// Empties the edit list and puts the values above back to their start values.
void EditsResetState();

// At start-up: no kind is skipped, no cue waits and no attachment applies.
void InitEdits();
// The replay stands at record myIndex, the myCount-th of the list counted from the start record.
void EditsReplayFrom(int myIndex, int myCount);
// The replay back at the start record.
void EditsRewind();
// A track's list begins: its start values are the rave's now, no kind is skipped and recording may go on;
// the replay stands at the start record.
void EditsStartTrack();
// The list becomes myRecords (their times and kinds; 1 to kEditsEnd of them, in time order before kNever),
// linked in that order to the end marker; the rave's values are the first record's and the next beat is the
// second record's time. False, leaving the list as it was, for a count the list cannot hold.
bool EditsReplaceList(const std::vector<editRecord>& myRecords);
// Moves the replay on past every record up to song time myTime, performing the loads on the way, then back to
// the last change or beat record at or before it; the beat clock follows that record. Returns its index.
int EditsReplayTo(uint32_t myTime);

// The list is whole: from the start record, gEditsTotal records linked both ways and in time order lead to
// the end marker. Replay, recording and saving all walk it, so a list that is not whole is never used.
bool ExecuteChainWhole();

// A load record's type byte: component type x 8 + slot - 126, slots counted from 1 (effects have slot 0).
// Gradient slot 8 would take the brush colour effect's code that way, so it is stored as slot 0 of the
// gradient type, a code nothing else writes; every other code is the one files have always held.
int8_t ExecuteLoadCode(int myType, int mySlot);
// The component type and slot (from 1; 0 for effects) of a load record's type byte.
void ExecuteLoadDecode(int8_t myCode, int& myType, int& mySlot);
// Records the load of a component into the rave while a track plays or is paused: myRecord 2 renames the
// latest earlier load of that type and slot, any other mode adds a load record. Change execution fills it in.
void ExecuteRecordLoad(char myType, char mySlot, const char* myName, uint8_t myRecord);
// The loaders' recorder (gLoadHooks.mRecord): while a track plays or is paused the load goes into the rave
// (ExecuteRecordLoad); otherwise, unless a track is starting, its name goes into the song's start settings
// at myOffset.
void ExecuteRecordComponent(char myType, uint16_t myOffset, const char* myName, char mySlot,
                            uint8_t myRecord);
