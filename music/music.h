// Playback: the music the picture follows, and the clock of the song being played.
#pragma once

#include <cstdint>

void MusicPlay(int myTrack, int myFirst);
void MusicStop(int myEject, int myWait);

extern uint8_t gStatePause;
// Set while a track is being started, so the loads it causes are not taken for the user's changes.
extern uint8_t gStateStart;
