// The program's spine: start-up, the main loop and its window messages, and the state they share.
#pragma once

#include <cstdint>
#include <string>

#include "core/state.h"
#include "platform/window.h"

extern int gMutex;
extern int gExitCode;
// The path the program was started by, to find the bundled content beside it.
extern const char* gProgramPath;
// Puts the values above back to their start values.
void MainResetState();

// Runs the visualizer from start-up to clean-up and returns the process's exit code.
int WinMain();
bool InitProgram();
// Hands the lower layers the steps of the higher ones they need: the loaders their recording, the frame loop
// its disc, the controls their quitting. InitProgram does it first; so does every program that runs the
// modules without it.
void InitHooks();
// The program folder and its lock, the rave folder and the style asked for; false, with the reason in
// myError, when the run cannot start.
bool InitTakeProgramFolder(std::string& myError);
void MainOpenAppEvent();
void MainEventProcess(const Message& myMessage);
void MainAlertProcess(const Message& myMessage);
// Hands a message to its own window's handler: the alert's to MainAlertProcess, the others' to
// MainEventProcess.
void MainDispatch(const Message& myMessage);
