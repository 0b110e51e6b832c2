// The frame loop. The picture stays the black fill of the running program until the engine draws into it.
#include "engine/animate.h"

#include "platform/clock.h"
#include "shell/main.h"

uint32_t gBeatNext = kNever;
uint32_t gBeatLast = 0;
uint32_t gBeatLength = kNever;
uint8_t gStatePattern = 0;
uint32_t gTapTime[10] = {};
uint8_t gTapPos = 0;
uint32_t gTapLength = 0;
uint8_t gTapCount = 0;
uint32_t gTapTemp[10] = {};
uint32_t gBeatCount = 0;
double gEffScale = 0;
uint8_t gStateListen = 0;
uint8_t gStateManual = 0;
uint8_t gStatePlay = 0;

// The tick counter wraps after 2^32 ms; unsigned subtraction keeps the elapsed time right across the wrap.
uint32_t AnimateGetElapsedTime() {
    return ClockTicks() - gTimer;
}

void AnimateMain() {}
