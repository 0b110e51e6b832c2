// The program's spine: start-up, the main loop and its window messages, and the state they share.
#pragma once

#include <cstdint>

#include "platform/window.h"

extern uint8_t gStateRunning;
extern uint8_t gStateOutsideApp;
extern uint8_t gStatePaint;
extern uint8_t gStatePaintClose;
extern uint8_t gStateClickReturn;
extern uint8_t gStateControlsVisible;
extern uint8_t gStateColorChange;
extern uint8_t gStatePalChange;
extern uint8_t gStateCD;
extern uint8_t gStateEject;
extern uint8_t gSaverTrigger;
extern uint8_t gStateLastSession;
extern uint8_t gSaverFlag;
extern uint8_t gWinXP;
extern uint8_t gNewDisk;
extern uint32_t gNewDiskTime;
extern uint32_t gTimer;
extern int gMutex;
extern int gExitCode;
// The path the program was started by, to find the bundled content beside it.
extern const char* gProgramPath;

// Runs the visualizer from start-up to clean-up and returns the process's exit code.
int WinMain();
bool InitProgram();
void MainOpenAppEvent();
void MainEventProcess(const Message& myMessage);
void MainAlertProcess(const Message& myMessage);
// The whole controls window shows (expanded and visible), so meters and lamps are drawn.
extern uint8_t gStateAllVisible;
