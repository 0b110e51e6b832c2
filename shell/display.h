// The display's set-up: the four windows, the palette, the built-in pictures, leaving and coming back.
#pragma once

#include <cstdint>

#include "platform/platform.h"

#include "core/display.h"

extern int gDisplayDepth;
extern int gDisplayButtons;
// What starting the platform gave: whether any video driver could be used.
extern PlatformStartResult gPlatformStartResult;

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
void QuitDisposeColor();
