// The program's on/off states and clocks that every module reads: what shows, what runs, what is pending.
#pragma once

#include <cstdint>

extern uint8_t gStateRunning;
extern uint8_t gStateOutsideApp;
extern uint8_t gStatePaint;
extern uint8_t gStatePaintClose;
extern uint8_t gStateClickReturn;
extern uint8_t gStateControlsVisible;
// The whole controls window shows (expanded and visible), so meters and lamps are drawn.
extern uint8_t gStateAllVisible;
extern uint8_t gStateColorChange;
extern uint8_t gStatePalChange;
extern uint8_t gStateCD;
extern uint8_t gStateEject;
extern uint8_t gSaverTrigger;
extern uint8_t gStateLastSession;
extern uint8_t gSaverFlag;
extern uint8_t gNewDisk;
extern uint32_t gNewDiskTime;
extern uint32_t gTimer;
// Length of the beat meter's bar, 0-64; 0 makes the meter redraw whole.
extern int gMeterOffset;
// Puts the values above back to their start values.
void StateResetState();
