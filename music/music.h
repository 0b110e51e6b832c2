// Playback: the music the picture follows, and the clock of the song being played.
#pragma once

#include <cstdint>
#include <string>

void MusicPlay(int myTrack, int myFirst);
void MusicStop(int myEject, int myWait);

extern uint8_t gStatePause;
// The current track has a rave of its own on disk.
extern uint8_t gStateRaveOnDisk;
// Set while a track is being started, so the loads it causes are not taken for the user's changes.
extern uint8_t gStateStart;
extern uint32_t gSongLength;
extern uint32_t gPauseTime;
extern int8_t gTrackTotal;
extern int8_t gTrackCurrent;
// The style the first start of playback loads instead of the last session (empty: the last session).
extern std::string gMusicFirstStyle;
// Puts the values above back to their start values.
void MusicResetState();

void MusicPause(uint8_t mySilent, uint16_t myCommand);
void MusicResume();
void MusicSkipTrack(int myStep, uint8_t myDraw);
void MusicGetSongLength();
