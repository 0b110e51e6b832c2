// Playback: the music the picture follows, and the clock of the song being played.
#pragma once

#include <cstdint>

void MusicPlay(int myTrack, int myFirst);
void MusicStop(int myEject, int myWait);
