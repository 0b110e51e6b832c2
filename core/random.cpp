// A small linear congruential generator, so headless runs with a fixed seed give the same picture anywhere.
#include "core/random.h"

namespace {
uint32_t sSeed = 1;
}

void MainSeedRandom(uint32_t mySeed) {
    sSeed = mySeed;
}

int MainRandom() {
    sSeed = sSeed * 214013u + 2531011u;
    return static_cast<int>((sSeed >> 16) & 0x7FFF);
}

void RandomResetState() {
    sSeed = 1;
}
