// The display's set-up: the four windows, the palette, the built-in pictures, leaving and coming back.
#pragma once

#include <cstdint>

#include "platform/platform.h"

#include "core/display.h"

extern int gDisplayDepth;
extern int gDisplayButtons;
extern int gDisplayCurrent;
// A window of this size instead of the full screen (0 = full screen).
extern int gWindowedWidth;
extern int gWindowedHeight;
// What starting the platform gave: whether any video driver could be used.
extern PlatformStartResult gPlatformStartResult;
// Puts the values above back to their start values.
void InitDisplayResetState();

bool InitCheckDirectX();
bool InitPaintWindow();
bool InitDialogWindow();
void InitHelpWindow();
void InitControlsWindow();
void InitColor();
void InitPictToGWorld(Surface& mySurface, int myPicture);
void InitFonts();

void MainDrawPaint();
void MainDrawControls();
void MainDrawHelp();
void MainHideMenuBars();
void MainRestoreMenuBars();
void MainLeaveApp();
void MainRestoreApp();
// Reopens the animation window after the user came back to the program.
void MainReopenPaint();
void QuitDisposeColor();
