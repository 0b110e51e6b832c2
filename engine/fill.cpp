// The background: whole pictures, tiles on a grid anchored at the screen centre, or black.
#include "engine/fill.h"

int8_t gCurrentFill = 0;
char gFillLast[kNameSize] = "";
uint8_t gStateClearTrails = 0;
