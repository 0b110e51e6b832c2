// Raves: loading a track's rave (its start settings and its edit list) or starting a fresh list, and bringing
// the replay to a song time.
#include "music/rave.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/alert.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/movement.h"
#include "engine/style_apply.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "sound/tempo.h"
#include "storage/style.h"

int32_t gEditsCurrentHold = 0;
int32_t gEditsCountHold = 1;

namespace {
constexpr int kRecordBytes = 4 + kEditKinds;

// What the previous start of a track did, which decides how the user's own settings come back.
bool sRaveBefore = false;
int sTrackBefore = -1;
// The hand hold was taken while this track's rave replayed: letting go catches the rave up, even when the
// replay reached its end meanwhile.
bool sHeld = false;

// The place of a record in the list, counted from 1 at the start record; 0 when the walk does not reach it.
int MusicPlaceOf(int myIndex) {
    int myPlace = 1;
    for (int i = 0; i >= 0 && i < gEditsTotal && myPlace <= gEditsTotal; i = gEditsList[i].mNext, ++myPlace)
        if (i == myIndex) return myPlace;
    return 0;
}

// Loads the current track's rave; false (with the alert, the track detached) when it cannot be.
bool MusicLoadTrackRave(CDSet& mySet) {
    FileHandle myFile = nullptr;
    if (FileOpenRave(mySet.mName, &myFile) != 0) {
        mySet.mAttach = 0;
        MainOpenAlert("Unable to load rave!");
        return false;
    }
    const bool myLoaded =
        StyleLoad(nullptr, kStyleFromRave, sRaveBefore ? 0 : 1, myFile) && MusicLoadEdits(myFile);
    const std::string myPath = FilePath(myFile);
    FileClose(myFile);
    if (!myLoaded) {
        mySet.mAttach = 0;
        MainOpenFileAlert("Not a valid rave file!", myPath);
    }
    return myLoaded;
}

bool MusicIsLoad(int myIndex) {
    return gEditsList[myIndex].mEdits[0] >= -126;
}
} // namespace

void MusicStartTrackRave() {
    const int myTrack = gTrackCurrent;
    // The first start of a run brings back the last session's look (or the style asked for), so the user's
    // own settings are known even when the first track plays a rave.
    if (!gStateLastSession) {
        StyleLoad(gMusicFirstStyle.empty() ? kStyleLastSession : gMusicFirstStyle.c_str(), kStyleFromFile);
        gStateLastSession = 1;
        sRaveBefore = false;
        sTrackBefore = myTrack;
    }
    gStateRaveOnDisk = 0;
    bool myLoaded = false;
    if (myTrack >= 0 && myTrack < kTracksMax && gCDSet[myTrack].mAttach) {
        gStateRaveOnDisk = 1;
        myLoaded = MusicLoadTrackRave(gCDSet[myTrack]);
        if (!myLoaded) gStateRaveOnDisk = 0;
    }
    if (!myLoaded) {
        if (sRaveBefore)
            StyleLoad(nullptr, kStyleFromLast);
        else
            StyleLoad(nullptr, myTrack == sTrackBefore ? kStyleTrackStart : kStyleTrackStartNewFill);
        ExecuteResetEdits();
    }
    EditsStartTrack();
    // A hold kept from the last track keeps this one's rave from its start.
    sHeld = false;
    if (gStateManual) MusicHoldRave(1);
    std::memcpy(&gStyleStart, &gStyle, sizeof(StyleRecord));
    sRaveBefore = myLoaded;
    sTrackBefore = myTrack;
}

bool MusicLoadEdits(FileHandle myFile) {
    const int32_t myLeft = FileLength(myFile) - FileTell(myFile);
    if (myLeft < 2) return false;
    uint8_t myCount[2] = {};
    FileRead(myFile, 2, myCount);
    const int myRecords = myCount[0] | (myCount[1] << 8);
    // Records 0 to E - 1 must leave the end marker its place; a file claiming more would overrun the list.
    if (myRecords < 1 || myRecords > kEditsEnd || myLeft - 2 < myRecords * kRecordBytes) return false;
    std::vector<uint8_t> myBytes(static_cast<size_t>(myRecords) * kRecordBytes);
    FileRead(myFile, static_cast<int32_t>(myBytes.size()), myBytes.data());
    auto myTimeOf = [&](int i) {
        const uint8_t* myAt = myBytes.data() + static_cast<size_t>(i) * kRecordBytes;
        return static_cast<uint32_t>(myAt[0] | myAt[1] << 8 | myAt[2] << 16) | uint32_t(myAt[3]) << 24;
    };
    // The records follow each other in time, before "never": a list out of order would replay nothing
    // after the step back, or spin on a time that never comes.
    for (int i = 0; i < myRecords; ++i)
        if (myTimeOf(i) >= kNever || (i > 0 && myTimeOf(i) < myTimeOf(i - 1))) return false;
    std::vector<editRecord> myList(static_cast<size_t>(myRecords));
    for (int i = 0; i < myRecords; ++i) {
        editRecord& myRecord = myList[static_cast<size_t>(i)];
        myRecord.mTime = myTimeOf(i);
        std::memcpy(myRecord.mEdits, myBytes.data() + static_cast<size_t>(i) * kRecordBytes + 4, kEditKinds);
    }
    return EditsReplaceList(myList);
}

void MusicUpdateRave(uint32_t myTime) {
    const int myIndex = EditsReplayTo(myTime);
    const editRecord& myRecord = gEditsList[myIndex];
    if (!MusicIsLoad(myIndex)) {
        gCurrentMove =
            static_cast<int8_t>((std::abs(myRecord.mEdits[kEditMove]) - 1 + kMoveSlots) % kMoveSlots);
        for (int myKind = 1; myKind <= kEditColorKick; ++myKind) {
            const int8_t myStored = myRecord.mEdits[myKind];
            const int myValue = std::abs(myStored);
            if (myStored == kNotSet || myValue == gEditsRave[myKind]) continue;
            ExecuteEdits(
                static_cast<char>(myKind), static_cast<char>(myValue), gBeatLast, kModeExecute,
                {static_cast<uint8_t>(gCueList[myKind] == kNotSet ? gStateControlsVisible : 0), 0, 0});
        }
    }
    AnimateRestartSteps(myTime);
}

void MusicResetRave() {
    EditsRewind();
    StyleLoadComponents(gStyleStart, 1, 0, 0, 0);
}

void MusicHoldRave(uint8_t myHold) {
    if (myHold) {
        sHeld = TempoRaveReplays();
        if (!sHeld) return;
        gEditsCurrentHold = gEditsCurrent;
        gEditsCountHold = gEditsCount;
        return;
    }
    if (!sHeld) return;
    sHeld = false;
    // The rave catches up from the held place, or from an earlier one a rewind or a stop took it back to.
    const int myHeld = MusicPlaceOf(gEditsCurrentHold);
    const int myNow = MusicPlaceOf(gEditsCurrent);
    if (myHeld > 0 && (myHeld <= myNow || myNow == 0))
        EditsReplayFrom(gEditsCurrentHold, myHeld);
    else if (myNow > 0)
        EditsReplayFrom(gEditsCurrent, myNow);
    else
        EditsRewind();
    MusicUpdateRave(AnimateGetElapsedTime());
}

void MusicRaveResetState() {
    gEditsCurrentHold = 0;
    gEditsCountHold = 1;
    sRaveBefore = false;
    sTrackBefore = -1;
    sHeld = false;
}
