// Raves: the edit list of the track being played, loaded from the track's rave or started afresh, and
// brought to any song time after a fast skip or the hand hold.
#pragma once

#include <cstdint>

#include "storage/file.h"

// The replay position kept while the picture is held by hand.
extern int32_t gEditsCurrentHold;
extern int32_t gEditsCountHold;

// Starting a track (within MusicPlay): its rave is loaded and replays, or the user's own settings come back
// and a fresh list records.
void MusicStartTrackRave();
// Reads the edit records of a rave file positioned after its settings record; false, leaving the list as it
// was, when the file holds no valid list (more records than the list holds, fewer bytes than it claims, or
// records out of time order).
bool MusicLoadEdits(FileHandle myFile);
// Brings the replay to song time myTime: components loaded and settings as the rave had them then.
void MusicUpdateRave(uint32_t myTime);
// The replay from its start again (before a rewind): the start settings' components come back.
void MusicResetRave();
// The hand hold of a playing rave: the position is kept while held and the rave caught up when let go, also
// when its replay reached the end meanwhile. A hold taken while no rave replays keeps nothing; a track
// started during a hold is held from its start.
void MusicHoldRave(uint8_t myHold);
void MusicRaveResetState();
