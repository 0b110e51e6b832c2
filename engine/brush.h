// Painting the current brush along the movement, with or without trails.
#pragma once

#include <cstdint>

#include "platform/surface.h"

extern int8_t gCurrentBrush; // 0-5
extern int16_t gBrushFrame;
extern int8_t gBrushDirection;
extern int16_t gBrushBeat; // 0 no beat frame, 1 armed-able, -1 to be shown
extern Rect gBrushRect;
extern uint8_t gGradColorNum;
extern uint8_t gStateTrails;
extern uint8_t gStateBTrails;
// Puts the values above back to their start values.
void BrushResetState();

// A change of the trails state: switched on, the single untrailed image goes; switched off, every trail goes.
void ExecuteTrails(char myOn);
