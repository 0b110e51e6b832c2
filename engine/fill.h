// The background: whole pictures, tiles on a grid anchored at the screen centre, or black.
#pragma once

#include <cstdint>

#include "core/style_record.h"

extern int8_t gCurrentFill; // 0-5
extern char gFillLast[kNameSize];
extern uint8_t gStateClearTrails;
// Puts the values above back to their start values.
void FillResetState();
