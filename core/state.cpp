// The shared on/off states and clocks, at their start values.
#include "core/state.h"

uint8_t gStateRunning = 0;
uint8_t gStateOutsideApp = 0;
uint8_t gStatePaint = 0;
uint8_t gStatePaintClose = 0;
uint8_t gStateClickReturn = 0;
uint8_t gStateControlsVisible = 0;
uint8_t gStateAllVisible = 0;
uint8_t gStateColorChange = 0;
uint8_t gStatePalChange = 0;
uint8_t gStateCD = 0;
uint8_t gStateEject = 0;
uint8_t gSaverTrigger = 0;
uint8_t gStateLastSession = 0;
uint8_t gSaverFlag = 0;
uint8_t gNewDisk = 0;
uint32_t gNewDiskTime = 0;
uint32_t gTimer = 0;
int gMeterOffset = 0;
