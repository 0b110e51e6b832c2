// Milliseconds for all pacing: the monotonic clock, or a virtual one that headless runs advance themselves.
#pragma once

#include <cstdint>

uint32_t ClockTicks();
void ClockUseVirtual(bool myVirtual);
void ClockAdvance(uint32_t myMilliseconds);
void ClockSetVirtual(uint32_t myTicks);
// Seconds of real time from an arbitrary start, whatever clock the program runs on (progress and speed).
double ClockRealSeconds();
// Back to the system's clock, with the virtual one at 0.
void ClockResetState();
