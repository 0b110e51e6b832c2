// The pictures every module draws into or reads: the off-screen surfaces, the display's size and centre, and
// the palette indices, fonts and window sizes of the interface.
#pragma once

#include <cstdint>

#include "platform/surface.h"

// Palette indices the interface draws with.
constexpr uint8_t kColorBlack = 0;
constexpr uint8_t kColorButtonFace = 7;
constexpr uint8_t kColorOutline = 11;
constexpr uint8_t kColorControlsBack = 13;
constexpr uint8_t kColorAqua = 17;
constexpr uint8_t kColorRed = 249;
constexpr uint8_t kColorGreen = 250;
constexpr uint8_t kColorBlue = 252;
constexpr uint8_t kColorCyan = 254;
constexpr uint8_t kColorWhite = 255;
constexpr uint8_t kColorKey = 255; // transparent in pictures

// Font slots: gFont, gFont2, gFont3, and the alert's text.
constexpr int kFontSmall = 0;
constexpr int kFontMedium = 1;
constexpr int kFontLarge = 2;
constexpr int kFontAlert = kFontMedium;

// The controls window's client size, and the help and alert windows'.
constexpr int kControlsWidth = 213;
constexpr int kControlsHeight = 146;
constexpr int kHelpWidth = 210;
constexpr int kHelpHeight = 441;
constexpr int kAlertWidth = 242;
constexpr int kAlertHeight = 115;

extern Surface gWorldPaint;
extern Surface gWorldControls;
extern Surface gWorldPreview;
extern Surface gWorldButtons;
extern Surface gWorldIcons;
extern Surface gWorldDisplay;
extern Surface gWorldPanelArt;
extern Surface gWorldArrows;
extern Surface gWorldPopup;

// A window of this size instead of the full screen (0 = full screen).
extern int gWindowedWidth;
extern int gWindowedHeight;

extern Rect gRectDisplay;
extern double gCentX;
extern double gCentY;
extern int gCentXInt;
extern int gCentYInt;
// Puts the values above back to their start values.
void DisplayResetState();
void InitSetScreenSize(int myWidth, int myHeight);
// The size the animation window takes: the window asked for, or the desktop's.
void InitScreenSize(int* myWidth, int* myHeight);
// Shows a status line under the splash picture while the program starts.
void InitText(const char* myText);
// Copies a part of the animation picture to the window.
void DrawPaintWin(const Rect& myRect);
// The screen the user chose last for the animation, kept in the configuration; and keeping a new choice.
int MainKeptScreen();
void MainKeepScreen(int myScreen);
// Moves the full-screen animation window onto the screen the controls window is on, and keeps that choice.
void MainPaintToControlsScreen();
