// Playback control. Discs and the silent track clock arrive with the music modules; until then playing only
// starts the animation's clock.
#include "music/music.h"

#include "platform/clock.h"
#include "shell/main.h"

uint8_t gStatePause = 0;
uint8_t gStateStart = 0;

void MusicPlay(int myTrack, int myFirst) {
    (void)myTrack;
    (void)myFirst;
    gTimer = ClockTicks();
}

void MusicStop(int myEject, int myWait) {
    (void)myEject;
    (void)myWait;
}
