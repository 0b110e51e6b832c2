// The tempo when not listening: a typed or tapped beats-per-minute figure, or a tapped pattern of intervals.
#pragma once

#include <cstdint>

#include "core/state.h"

// The beat clock: the next and the last beat's song time, the tempo's period, and the tapped pattern
// (gTapTime[0] intervals after it) with the taps being made (gTapTemp). Listening, the frame loop and a
// replayed rave move the beats on.
extern uint32_t gBeatNext;
extern uint32_t gBeatLast;
extern uint32_t gBeatLength;
extern uint8_t gStatePattern;
extern uint32_t gTapTime[10];
extern uint8_t gTapPos;
extern uint32_t gTapLength;
extern uint8_t gTapCount;
extern uint32_t gTapTemp[10];
// Puts the values above back to their start values.
void TempoResetState();

void MouseKeySetBPM(const uint8_t myTempo[2], uint32_t myTime);
void MouseKeyManualTap(uint32_t myTime, bool myDraw, bool myPressed);
void MouseKeyApplyTap(uint32_t myTime, bool myDraw, bool myPressed);
void MouseKeyAlignTap(uint32_t myTime, bool myDraw, bool myPressed);
void MouseKeyClearTap(bool myDraw, bool myPressed);
void MouseKeyPatternTap(uint32_t myTime);
void MouseKeyPatternApply(uint32_t myTime);
// Listening on or off; off starts tempo (or pattern) beats counted from myTime.
void MouseKeySetListen(bool myListen, uint32_t myTime);
// Generated beats begin: the first one period (or pattern interval) after myTime.
void TempoStartBeats(uint32_t myTime);
// The step to the beat after this one: the tempo's period, or the pattern's next interval.
uint32_t TempoNextStep();
// A rave replays while records are left after the one reached (a count past the total is no replay).
bool TempoRaveReplays();
