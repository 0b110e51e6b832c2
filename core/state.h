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
// Preferences of the screen saver: play the disc when it starts, and its delay in minutes.
extern uint8_t gSaverSound;
extern uint16_t gSaverDelay;
// Minutes after which the desktop blanks or locks by itself (0: never, or not known).
extern uint16_t gSaverBlank;
extern uint8_t gNewDisk;
extern uint32_t gNewDiskTime;
extern uint32_t gTimer;
// Length of the beat meter's bar, 0-64; 0 makes the meter redraw whole.
extern int gMeterOffset;
// A name is being typed for a save (the TEXT ENTRY or REPLACE FILE panel shows): a song that ends meanwhile
// stops, and gStateEndSong remembers to play on once the entry is done.
extern uint8_t gStateTextEntry;
extern uint8_t gStateEndSong;
// Puts the values above back to their start values.
void StateResetState();
