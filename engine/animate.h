// The animation: one step of the frame loop at a time, its deadlines, and the beats it produces.
#pragma once

#include <cstdint>

constexpr uint32_t kNever = 2147483647;

extern uint32_t gBeatNext;
extern uint32_t gBeatLast;
extern uint32_t gBeatLength;
extern uint8_t gStatePattern;
extern uint32_t gTapTime[10];
extern uint8_t gTapPos;
extern uint32_t gTapLength;
extern uint8_t gTapCount;
extern uint32_t gTapTemp[10];
extern uint32_t gBeatCount;
extern double gEffScale;
extern uint8_t gStateListen;
extern uint8_t gStateManual;
extern uint8_t gStatePlay;
extern uint8_t gStateVolume; // listening to the loudness rather than one frequency
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
extern double gScale; // the sound scale of the colour kick, set by listening
// Puts the values above back to their start values and closes the beat log.
void AnimateResetState();

// Milliseconds since gTimer; the one place that measures from it.
uint32_t AnimateGetElapsedTime();
void AnimateMain();
// Milliseconds from now until a step has something to do: a beat, a brush frame, a colour step, new sound,
// the half-second bookkeeping, the end of the track; at most kAnimateIdleMost, so what is watched rather than
// timed (a disc put in, the mixer's volume while outside) is still seen soon.
uint32_t AnimateDueIn();
constexpr uint32_t kAnimateIdleMost = 100;
void AnimateInsertBeat(uint8_t myMeter, uint32_t myTime, uint8_t myLamp);
void AnimateExecuteBeat(uint8_t myMeter, uint32_t myTime);
void AnimateFinishBeat(uint8_t myReset, uint32_t myTime);
void AnimateDrawBeatMeter(uint8_t myValue, uint8_t myLamp);
void AnimateDrawBeatHilite();
void AnimateExecuteEdits(uint32_t myTime);
// Beat counters in phase from the start of playback.
void AnimateResetBeats();
// Every beat's song time is written here, one per line in seconds, when a beat log is open.
bool AnimateOpenBeatLog(const char* myPath);
void AnimateCloseBeatLog();
