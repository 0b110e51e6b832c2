// The display's set-up: the four windows, the palette, the built-in pictures, leaving and coming back.
#pragma once

#include <cstdint>

#include "platform/platform.h"

#include "core/display.h"

// What starting the platform gave: whether any video driver could be used.
extern PlatformStartResult gPlatformStartResult;

// The screen the animation fills: the one asked for on the command line, else the one chosen last.
void InitChooseScreen();
// What stopped start-up, for WinMain to say: the display, a window, a renderer for the windows, or the fonts.
enum InitFailure : int { kInitFailNone, kInitFailDisplay, kInitFailWindow, kInitFailRenderer, kInitFailFont };
constexpr int kInitFailureTextSize = 256;
extern InitFailure gInitFailure;
// The system's own words for it, taken when it happened.
extern char gInitFailureText[kInitFailureTextSize];
// Puts the values above back to their start values.
void InitDisplayResetState();

// Each of these start-up steps records its failure in gInitFailure before it returns false.
bool InitCheckDirectX();
bool InitPaintWindow();
bool InitDialogWindow();
bool InitFonts();
void InitHelpWindow();
void InitControlsWindow();
void InitColor();
void InitPictToGWorld(Surface& mySurface, int myPicture);

void MainDrawPaint();
void MainDrawControls();
void MainDrawHelp();
void MainHideMenuBars();
void MainRestoreMenuBars();
void QuitDisposeColor();
