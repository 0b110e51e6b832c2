// Movements in their slots: which one runs, and the parameters it gets.
#pragma once

#include <cstdint>

extern int8_t gCurrentMove; // 0-5
// Puts the current movement slot back to its start value.
void MovementResetState();
