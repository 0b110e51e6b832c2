// The single alert window: fixed texts and numeric error codes reach the user here.
#pragma once

#include <cstdint>

#include "platform/surface.h"

constexpr int kAlertTextSize = 120;
// The OK button, in the alert window's coordinates.
constexpr Rect kAlertButtonRect{90, 82, 150, 104};

extern char gAlertText[kAlertTextSize];
extern uint8_t gStateAlert;
extern uint8_t gStartUp;
// Puts the values above back to their start values.
void AlertResetState();

void MainOpenAlert(const char* myText);
void MainCloseAlert();
bool MainCheckErrors(int16_t myCode);
void MainDrawAlert();
