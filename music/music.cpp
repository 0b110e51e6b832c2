// Playback: the music the picture follows and the clock of the song. Without a disc a silent clock plays
// nine tracks of 60 seconds each, so the edit list, beats and track ends behave as with music.
#include "music/music.h"

#include <cstring>

#include "core/state.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/style_apply.h"
#include "platform/clock.h"
#include "sound/listen.h"
#include "sound/search.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"

uint8_t gStatePause = 0;
uint8_t gStateRaveOnDisk = 0;
uint8_t gStateStart = 0;
uint32_t gSongLength = 60000;
int8_t gTrackTotal = 9;
int8_t gTrackCurrent = 0;
uint32_t gPauseTime = 0;
std::string gMusicFirstStyle;

namespace {
constexpr uint32_t kSilentTrackLength = 60000;
}

void MusicGetSongLength() {
    gSongLength = kSilentTrackLength;
}

void MusicPlay(int myTrack, int myFirst) {
    (void)myFirst;
    gStateStart = 1;
    if (gStatePlay || gStatePause) MusicStop(0, 0);
    gTrackCurrent = static_cast<int8_t>(myTrack);
    MusicGetSongLength();
    // The first start of a run brings back the last session's look, or the style asked for.
    const bool myFirstOfRun = !gStateLastSession;
    if (myFirstOfRun) {
        StyleLoad(gMusicFirstStyle.empty() ? kStyleLastSession : gMusicFirstStyle.c_str(), kStyleFromFile);
        gStateLastSession = 1;
    }
    ExecuteResetEdits();
    std::memcpy(&gStyleStart, &gStyle, sizeof(StyleRecord));
    AnimateResetBeats();
    gSoundFadeTime = static_cast<uint32_t>(gStyle.mFadeTime) * 100;
    if (!gStateListen) TempoStartBeats(0);
    if (gStateInput) {
        // A search in progress keeps the source it is trying.
        const uint8_t myInput = MusicChosenInput();
        if (myInput != gAudioCurrentInputType && gSoundQueryFlag < 0) InitSetSoundInput(myInput);
        if (gStateListen) MusicStartRecording();
        // A style that listens, started with the run, switches listening on.
        if (myFirstOfRun && gStateListen) AnimateStartSearch(kSearchQuiet);
    }
    gTimer = ClockTicks();
    gStatePlay = 1;
    gStateStart = 0;
}

void MusicStop(int myEject, int myWait) {
    (void)myEject;
    (void)myWait;
    gStatePlay = 0;
    gStatePause = 0;
    gStateFlash = 0;
    gHalfSeconds = 0;
    gSoundPeakTime = 0;
    gSoundFadeTime = 0;
    MusicStopRecording();
    gEditsCount = 1;
    gEditsCurrent = 0;
}

void MusicPause(uint8_t mySilent, uint16_t myCommand) {
    (void)myCommand;
    if (!mySilent) {
        gStatePlay = 0;
        gStatePause = 1;
        MusicStopRecording();
    }
    gPauseTime = AnimateGetElapsedTime();
}

void MusicResume() {
    gTimer += AnimateGetElapsedTime() - gPauseTime;
    gStatePlay = 1;
    if (gStateListen) MusicStartRecording();
    gStatePause = 0;
}

void MusicSkipTrack(int myStep, uint8_t myDraw) {
    (void)myDraw;
    const int myTotal = gTrackTotal > 0 ? gTrackTotal : 1;
    const int myTrack =
        myStep > 0 ? (myStep - 1) % myTotal : (gTrackCurrent + myTotal + (myStep == 0 ? 1 : -1)) % myTotal;
    if (gStatePlay) {
        MusicPlay(myTrack, 0);
    } else {
        gTrackCurrent = static_cast<int8_t>(myTrack);
        gStatePause = 0;
        MusicGetSongLength();
    }
}

void MusicResetState() {
    gStatePause = gStateRaveOnDisk = gStateStart = 0;
    gSongLength = kSilentTrackLength;
    gTrackTotal = 9;
    gTrackCurrent = 0;
    gPauseTime = 0;
    gMusicFirstStyle.clear();
}
