// The program's one random source: whole numbers 0-32767, the same sequence for the same seed on every
// machine.
#pragma once

#include <cstdint>

constexpr int kRandomRange = 32768;

void MainSeedRandom(uint32_t mySeed);
int MainRandom();
// Starts the sequence again from the seed a new run has.
void RandomResetState();
