// Painting the current brush along the movement, with or without trails.
#include "engine/brush.h"

int8_t gCurrentBrush = 0;
int16_t gBrushFrame = 0;
int8_t gBrushDirection = 1;
int16_t gBrushBeat = 0;
Rect gBrushRect;
uint8_t gGradColorNum = 21;
uint8_t gStateTrails = 0;
uint8_t gStateBTrails = 1;
