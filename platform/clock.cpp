// The program's clock: 32-bit milliseconds that wrap, as every deadline in the program expects.
#include "platform/clock.h"

#include <chrono>

namespace {
bool sVirtual = false;
uint32_t sVirtualTicks = 0;
} // namespace

uint32_t ClockTicks() {
    if (sVirtual) return sVirtualTicks;
    const auto myNow = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(myNow).count());
}

void ClockUseVirtual(bool myVirtual) {
    sVirtual = myVirtual;
}
void ClockAdvance(uint32_t myMilliseconds) {
    sVirtualTicks += myMilliseconds;
}
void ClockSetVirtual(uint32_t myTicks) {
    sVirtualTicks = myTicks;
}

void ClockResetState() {
    sVirtual = false;
    sVirtualTicks = 0;
}

double ClockRealSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
