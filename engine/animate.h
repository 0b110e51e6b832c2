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

// Milliseconds since gTimer; the one place that measures from it.
uint32_t AnimateGetElapsedTime();
void AnimateMain();
