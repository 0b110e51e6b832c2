// Quitting: the farewell picture and the release of everything the program acquired.
#pragma once

#include <cstdint>

void QuitSequence(uint8_t myPressed);
bool MainQuitLoop();
void QuitDrawLogo();
void QuitCleanup();
[[noreturn]] void QuitFast();
