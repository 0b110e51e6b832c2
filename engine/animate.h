// The animation: one step of the frame loop at a time, its deadlines, and the beats it produces.
#pragma once

#include <cstdint>

#include "core/state.h"
#include "sound/listen.h"
#include "sound/tempo.h"

extern uint32_t gBeatCount;
extern uint8_t gStateManual;
extern uint32_t gUpdateNext;
extern uint32_t gUpdateLength;
extern uint32_t gCycleNext;
extern uint32_t gCycleLength;
extern int8_t gCycleDir;
extern uint32_t gCycleForce;
extern uint32_t gHalfSeconds;
extern int8_t gBeatCountOffset[5];
extern uint8_t gSliderHL[5];
extern uint8_t gStateHilite;
extern uint32_t gHiliteTime;
extern uint8_t gStateRave;
extern uint8_t gStateFlash;
extern int gShiftLast;
// Puts the values above back to their start values and closes the beat log.
void AnimateResetState();

// The disc's part of the frame loop belongs to playback (music/), above it: InitProgram hands it here
// (InitHooks). A link between the layers, not state: nothing resets it.
struct AnimateDiscHooks {
    void (*mWatch)() = nullptr;   // MusicWatchDisc: a disc put in or taken out
    void (*mSongEnd)() = nullptr; // MusicSongEnd: the song's time has run out
    void (*mAlign)() = nullptr;   // MusicAlignCD: the song clock set to the disc's own
};
extern AnimateDiscHooks gAnimateDisc;

// Milliseconds since gTimer; the one place that measures from it.
uint32_t AnimateGetElapsedTime();
void AnimateMain();
// Milliseconds from now until a step has something to do: a beat, a brush frame, a colour step, new sound,
// the half-second bookkeeping, the end of the track; at most kAnimateIdleMost, so what is watched rather than
// timed (a disc put in, the mixer's volume while outside) is still seen soon.
uint32_t AnimateDueIn();
constexpr uint32_t kAnimateIdleMost = 100;
void AnimateInsertBeat(uint8_t myMeter, uint32_t myTime, uint8_t myLamp);
// A beat given by hand at myTime (a key, a click): the beat clock's last beat, at full meter.
void AnimateHandBeat(uint32_t myTime, uint8_t myLamp);
void AnimateExecuteBeat(uint8_t myMeter, uint32_t myTime);
void AnimateFinishBeat(uint8_t myReset, uint32_t myTime);
void AnimateDrawBeatMeter(uint8_t myValue, uint8_t myLamp);
void AnimateDrawBeatHilite();
void AnimateExecuteEdits(uint32_t myTime);
// Beat counters in phase from the start of playback.
void AnimateResetBeats();
// Trigger myTrigger's beat counter, set to count myCount beats (0: off), starts again from the last beat: its
// next trigger is a whole count away.
void AnimateRestartCounter(int myTrigger, int myCount);
// The song's shown time and its half-second count stand at myPosition (a stop, a skip, a jump): the closing
// blink starts again from there.
void AnimateSongTimeAt(uint32_t myPosition);
// The brush's frames and the colours' steps are timed again from song time myTime.
void AnimateRestartSteps(uint32_t myTime);
// Every beat's song time is written here, one per line in seconds, when a beat log is open.
bool AnimateOpenBeatLog(const char* myPath);
void AnimateCloseBeatLog();
