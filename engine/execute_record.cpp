// The edit list of a track: inserting change, beat and load records in time order, placing each edit's
// value on the right record, and performing recorded loads and random component files.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/alert.h"
#include "core/popup_commands.h"
#include "core/random.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/kinds.h"
#include "engine/movement.h"
#include "sound/tempo.h"
#include "storage/components.h"
#include "storage/loading.h"

namespace {

constexpr uint32_t kNear = 200; // ms around a beat within which an edit belongs to that beat

bool ExecuteIsLoad(int myIndex) {
    return gEditsList[myIndex].mEdits[0] >= kRecordLoad;
}

bool ExecuteIsChange(int myIndex) {
    return myIndex != kEditsEnd && gEditsList[myIndex].mEdits[0] < kRecordLoad;
}

// Writes a value onto a record: as is on the start record (and into the song's start settings), negated on
// any other, since a negative value marks the record where it was set.
void ExecutePlace(int myIndex, int myKind, int myValue) {
    editRecord& myRecord = gEditsList[myIndex];
    const bool myStart = myIndex == 0;
    auto myStore = [&](int myAt, int myStored) {
        myRecord.mEdits[myAt] = static_cast<int8_t>(myStart ? myStored : -myStored);
        if (myStart) {
            const int myOffset = ExecuteStyleOffset(myAt);
            if (myOffset >= 0) reinterpret_cast<char*>(&gStyleStart)[myOffset] = static_cast<char>(myStored);
            gEditsStart[myAt] = static_cast<int8_t>(myStored);
        }
    };
    myStore(myKind, myValue);
    if (myKind == kEditMove)
        for (int p = 0; p < kMaxParams; ++p)
            myStore(kEditParam1 + p, gEditsRave[kEditParam1 + p]);
}

} // namespace

void ExecuteResetEdits() {
    std::memset(gEditsList, 0, sizeof(editRecord));
    editRecord& myStart = gEditsList[0];
    myStart.mTime = 0;
    myStart.mPrev = -1;
    myStart.mNext = kEditsEnd;
    std::memcpy(myStart.mEdits, gEditsRave, kEditKinds);
    myStart.mEdits[0] = kRecordChange;
    editRecord& myEnd = gEditsList[kEditsEnd];
    myEnd.mTime = kNever;
    myEnd.mPrev = 0;
    myEnd.mNext = kEditsEnd;
    std::memset(myEnd.mEdits, kNotSet, kEditKinds);
    std::memcpy(gEditsStart, gEditsRave, kEditKinds);
    gEditsCurrent = 0;
    gEditsTotal = 1;
    gEditsCount = 1;
    gStateFull = 0;
    std::memset(gEditsSkip, 0, sizeof(gEditsSkip));
}

bool ExecuteInsert(char myType, const char* myName) {
    if (gStateFull) return false;
    // Beats before the first track starts its list go into an empty list of their own.
    if (gEditsTotal < 1) ExecuteResetEdits();
    // A current record outside the list would tie the new one into a loop.
    if (gEditsCurrent < 0 || gEditsCurrent >= gEditsTotal) return false;
    if (gEditsTotal + 1 >= kEditsMax) {
        gStateFull = 1;
        MainOpenAlert(
            "The maximum allowed number of beats per song has been exceeded! Further recording is now "
            "disabled for this song.");
        return false;
    }
    const int myIndex = gEditsTotal;
    editRecord& myCurrent = gEditsList[gEditsCurrent];
    editRecord& myRecord = gEditsList[myIndex];
    const int myNext = myCurrent.mNext;
    myRecord.mPrev = gEditsCurrent;
    myRecord.mNext = myNext;
    gEditsList[myNext].mPrev = myIndex;
    myCurrent.mNext = myIndex;
    std::memset(myRecord.mEdits, 0, kEditKinds);
    if (static_cast<int8_t>(myType) < kRecordLoad) {
        std::memcpy(myRecord.mEdits, gEditsRave, kEditKinds);
    } else {
        if (myName) std::memcpy(myRecord.mEdits + 1, myName, strnlen(myName, kNameSize));
        if (gActionTime != myCurrent.mTime) gBeatLast = gActionTime;
    }
    myRecord.mEdits[0] = static_cast<int8_t>(myType);
    // The list stays in time order: a time stamp from before the current record (a choice made before a
    // rewind) or past the next one (a replay running behind) takes the nearest time it may have; one past
    // "never" is no song time at all.
    if (gBeatLast >= kNever) gBeatLast = myCurrent.mTime;
    gBeatLast = std::max(myCurrent.mTime, std::min(gBeatLast, gEditsList[myNext].mTime));
    myRecord.mTime = gBeatLast;
    gEditsCurrent = myIndex;
    ++gEditsCount;
    ++gEditsTotal;
    return true;
}

void ExecuteRecordEdit(char myKind, char myValue, char myPrevious, uint32_t myTime, EditMode myMode) {
    const int myKindIndex = static_cast<uint8_t>(myKind);
    const bool myAfterLast = myTime < gBeatLast + kNear;
    const bool myBeforeNext = gBeatNext != kNever && myTime + kNear > gBeatNext;
    if (ExecuteIsLoad(gEditsCurrent) || (myMode != kModeEarlier && !myAfterLast && !myBeforeNext)) {
        gBeatLast = myTime;
        ++gBeatCount;
        if (!ExecuteInsert(kRecordChange, nullptr)) return;
    }

    int myTarget = gEditsCurrent;
    if (myMode == kModeEarlier) {
        myTarget = 0;
        for (int i = gEditsCurrent; i > 0; i = gEditsList[i].mPrev)
            if (ExecuteIsChange(i) && gEditsList[i].mEdits[myKindIndex] == -myPrevious) {
                myTarget = i;
                break;
            }
    } else if (myBeforeNext && !myAfterLast) {
        const int myNext = gEditsList[gEditsCurrent].mNext;
        if (ExecuteIsChange(myNext)) {
            myTarget = myNext;
            gEditsSkip[myKindIndex] = 1;
        } else if (gEditsList[gEditsCurrent].mTime < gBeatNext) {
            // The value belongs to the coming beat: a record of its own at that beat's time carries it.
            const uint32_t myLast = gBeatLast;
            gBeatLast = gBeatNext;
            const bool myInserted = ExecuteInsert(kRecordChange, nullptr);
            gBeatLast = myLast;
            if (!myInserted) return;
            myTarget = gEditsCurrent;
        }
    }
    ExecutePlace(myTarget, myKindIndex, myValue);

    // A playing rave, or a value set on an earlier record, carries the new value through the records that
    // still held the previous one.
    if (TempoRaveReplays() || myMode == kModeEarlier) {
        const ComponentKind* mySlotKind = KindOfEdit(myKindIndex);
        const int myLoadType = mySlotKind ? mySlotKind->mType : -1;
        for (int i = gEditsList[myTarget].mNext; i != kEditsEnd && i >= 0; i = gEditsList[i].mNext) {
            const int8_t myType = gEditsList[i].mEdits[0];
            if (myType >= -126) {
                int myLoaded, mySlot;
                ExecuteLoadDecode(myType, myLoaded, mySlot);
                if (myLoaded == myLoadType && mySlot == myPrevious) break;
                continue;
            }
            if (gEditsList[i].mEdits[myKindIndex] != myPrevious) break;
            gEditsList[i].mEdits[myKindIndex] = static_cast<int8_t>(myValue);
            if (myKindIndex == kEditMove)
                for (int p = 0; p < kMaxParams; ++p)
                    gEditsList[i].mEdits[kEditParam1 + p] = gEditsRave[kEditParam1 + p];
        }
    }
}

void ExecuteRecordComponent(char myType, uint16_t myOffset, const char* myName, char mySlot,
                            uint8_t myRecord) {
    if (gStatePlay || gStatePause) {
        ExecuteRecordLoad(myType, mySlot, myName, myRecord);
    } else if (!gStateStart && static_cast<size_t>(myOffset) + kNameSize <= kStyleSize) {
        StyleCopy(reinterpret_cast<char*>(&gStyleStart) + myOffset, myName);
    }
}

void ExecuteRecordLoad(char myType, char mySlot, const char* myName, uint8_t myRecord) {
    const auto myCode = static_cast<char>(ExecuteLoadCode(myType, mySlot));
    if (myRecord == 2) {
        for (int i = gEditsCurrent; i >= 0 && i != kEditsEnd; i = gEditsList[i].mPrev)
            if (gEditsList[i].mEdits[0] == static_cast<int8_t>(myCode)) {
                std::memset(gEditsList[i].mEdits + 1, 0, kNameSize);
                std::memcpy(gEditsList[i].mEdits + 1, myName, strnlen(myName, kNameSize));
                return;
            }
    }
    ExecuteInsert(myCode, myName);
}

void ExecuteLoads(const int8_t* myEdits) {
    int myType, mySlot;
    ExecuteLoadDecode(myEdits[0], myType, mySlot);
    const ComponentKind* myKind = KindOfType(myType);
    if (!myKind) return;
    char myName[kNameSize] = {};
    std::memcpy(myName, myEdits + 1, kNameSize - 1);
    const int myIndex = std::max(mySlot - 1, 0);
    // A fill or brush slot that holds the file already keeps it: they are the large ones to read.
    const bool myLarge = myKind->mEdit == kEditFill || myKind->mEdit == kEditBrush;
    if (!myLarge || std::strncmp(myName, KindName(*myKind, myIndex), kNameSize) != 0)
        myKind->mLoad(myName, myIndex, 0, 1, 0);
    if (myKind->mCurrent && myIndex == *myKind->mCurrent) gEditsRave[myKind->mEdit] = kNotSet;
}

int EditsReplayTo(uint32_t myTime) {
    int myIndex = gEditsCurrent;
    int mySteps = 0;
    // On past every record up to the time, loading what the load records among them load.
    while (myIndex != kEditsEnd && gEditsList[myIndex].mTime <= myTime && ++mySteps < kEditsMax) {
        if (myIndex != gEditsCurrent && ExecuteIsLoad(myIndex)) ExecuteLoads(gEditsList[myIndex].mEdits);
        const int myNext = gEditsList[myIndex].mNext;
        if (myNext < 0 || myNext > kEditsEnd) break;
        myIndex = myNext;
        ++gEditsCount;
    }
    // Back to the last change or beat record at or before the time.
    do {
        const int myPrev = gEditsList[myIndex].mPrev;
        if (myPrev < 0) break;
        myIndex = myPrev;
        --gEditsCount;
    } while (ExecuteIsLoad(myIndex) && ++mySteps < 2 * kEditsMax);
    if (gEditsCount < 1) gEditsCount = 1;
    gEditsCurrent = myIndex;
    const editRecord& myRecord = gEditsList[myIndex];
    gBeatLast = myRecord.mTime;
    const int myNext = myRecord.mNext;
    gBeatNext = gEditsList[myNext >= 0 && myNext <= kEditsEnd ? myNext : kEditsEnd].mTime;
    if (!gStateListen && myNext == kEditsEnd) gBeatNext = gBeatLast;
    return myIndex;
}

bool ExecuteRandomComponent(uint16_t myPopup, const char* myList, uint32_t myTime) {
    const int myCount = static_cast<int>(std::strlen(myList) / kNameSize);
    if (myCount <= 0) return false;
    const ComponentKind* myKind = KindOfPopup(myPopup);
    if (!myKind || !myKind->mCurrent) return false;
    const int mySlot = *myKind->mCurrent;
    const char* myField = KindName(*myKind, mySlot);
    gActionTime = myTime;
    // Random picks first; then every entry once from a random start, so the search ends when no other file
    // can be loaded.
    const int myStart = MainRandom() * myCount / kRandomRange;
    for (int myTry = 0; myTry < 2 * myCount; ++myTry) {
        const int myEntry =
            myTry < myCount ? MainRandom() * myCount / kRandomRange : (myStart + myTry - myCount) % myCount;
        char myName[kNameSize] = {};
        std::memcpy(myName, myList + myEntry * kNameSize, kNameSize - 1);
        for (int i = kNameSize - 2; i >= 0 && (myName[i] == ' ' || myName[i] == '\r' || myName[i] == 0); --i)
            myName[i] = 0;
        if (!myName[0] || std::strncmp(myName, myField, kNameSize) == 0) continue;
        const bool myLoaded = myKind->mLoad(myName, mySlot, 1, 1, 1);
        if (myLoaded) return true;
    }
    return false;
}
