// Movements in their slots: which one runs, and the parameters it gets.
#pragma once

#include <cstdint>

extern int8_t gCurrentMove; // 0-5
// After a movement's parameters were set afresh in slot mySlot (0-5), the rave's later records that replay
// that slot with carried (not explicitly set) values take myParams instead.
void MEffectClearRaveParameters(char mySlot, const int8_t* myParams);
// Puts the current movement slot back to its start value.
void MovementResetState();
