// Storage of the edit list and its companions.
#include "engine/edits.h"

#include <cstring>
#include <initializer_list>

#include "core/state.h"
#include "core/style_record.h"
#include "sound/tempo.h"

editRecord gEditsList[kEditsMax];
int32_t gEditsCurrent = 0;
int8_t gEditsRave[kEditKinds];
int8_t gEditsStart[kEditKinds];
int8_t gCueList[kEditKinds];
int8_t gEditsSkip[kEditKinds];
uint8_t gStateFull = 0;
int8_t gAttachList[62];

int8_t ExecuteLoadCode(int myType, int mySlot) {
    if (myType == 1 && mySlot == 8) mySlot = 0;
    return static_cast<int8_t>(myType * 8 + mySlot - 126);
}

void ExecuteLoadDecode(int8_t myCode, int& myType, int& mySlot) {
    const int myValue = myCode + 126;
    myType = myValue / 8;
    mySlot = myValue % 8;
    if (myType == 1 && mySlot == 0) mySlot = 8;
}

void InitEdits() {
    std::memset(gEditsSkip, 0, sizeof(gEditsSkip));
    std::memset(gCueList, kNotSet, sizeof(gCueList));
    std::memset(gAttachList, kNotSet, sizeof(gAttachList));
}

void EditsReplayFrom(int myIndex, int myCount) {
    gEditsCurrent = myIndex;
    gEditsCount = myCount;
}

void EditsRewind() {
    EditsReplayFrom(0, 1);
}

void EditsStartTrack() {
    std::memcpy(gEditsStart, gEditsRave, kEditKinds);
    // A kind the user changed by hand on the last track must not keep this track's replay from setting it.
    std::memset(gEditsSkip, 0, sizeof(gEditsSkip));
    gStateFull = 0;
    EditsRewind();
}

bool EditsReplaceList(const std::vector<editRecord>& myRecords) {
    const int myCount = static_cast<int>(myRecords.size());
    // Records 0 to E - 1 must leave the end marker its place.
    if (myCount < 1 || myCount > kEditsEnd) return false;
    for (int i = 0; i < myCount; ++i) {
        editRecord& myRecord = gEditsList[i];
        myRecord = myRecords[static_cast<size_t>(i)];
        myRecord.mPrev = i - 1;
        myRecord.mNext = i + 1 < myCount ? i + 1 : kEditsEnd;
    }
    editRecord& myEnd = gEditsList[kEditsEnd];
    myEnd.mTime = kNever;
    myEnd.mPrev = myCount - 1;
    myEnd.mNext = kEditsEnd;
    std::memset(myEnd.mEdits, kNotSet, kEditKinds);
    gEditsTotal = myCount;
    std::memcpy(gEditsRave, gEditsList[0].mEdits, kEditKinds);
    gBeatNext = myCount > 1 ? gEditsList[1].mTime : kNever;
    return true;
}

void EditsResetState() {
    std::memset(gEditsList, 0, sizeof(gEditsList));
    // No list until a track starts one (or a beat asks for one).
    gEditsTotal = gEditsCount = 0;
    gEditsCurrent = 0;
    for (int8_t* myKinds : {gEditsRave, gEditsStart, gCueList, gEditsSkip})
        std::memset(myKinds, 0, kEditKinds);
    gStateFull = 0;
    std::memset(gAttachList, 0, sizeof(gAttachList));
}

bool ExecuteChainWhole() {
    if (gEditsTotal < 1 || gEditsTotal > kEditsEnd || gEditsList[0].mPrev != -1) return false;
    if (gEditsList[kEditsEnd].mTime != kNever) return false;
    int myIndex = 0;
    for (int mySeen = 1; mySeen <= gEditsTotal; ++mySeen) {
        const int myNext = gEditsList[myIndex].mNext;
        const bool myLast = mySeen == gEditsTotal;
        // Records live at indices below the total, so the walk meets each at most once.
        if (myLast ? myNext != kEditsEnd : myNext <= 0 || myNext >= gEditsTotal) return false;
        if (gEditsList[myNext].mPrev != myIndex) return false;
        // A record at "never" would hold the replay there for the rest of the song.
        const uint32_t myTime = gEditsList[myNext].mTime;
        if (myTime < gEditsList[myIndex].mTime || (!myLast && myTime >= kNever)) return false;
        myIndex = myNext;
    }
    return true;
}
