// The single alert window: fixed texts and numeric error codes reach the user here.
#pragma once

#include <cstdint>
#include <string>

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
// The alert about one file: the window shows myText as it stands, and standard error names the file (and
// the reason, when there is one), so a user at a terminal learns which file it was.
void MainOpenFileAlert(const char* myText, const std::string& myPath, const char* myReason = nullptr);
void MainCloseAlert();
// Closes the alert that nobody is left to answer (the program was asked to end): standard error hears its
// text first, unless it has already.
void MainDropAlert();
bool MainCheckErrors(int16_t myCode);
// MainCheckErrors for a code that came from the file at myPath: the alert as there, the file and the
// system's reason on standard error.
bool MainCheckFileErrors(int16_t myCode, const std::string& myPath);
void MainDrawAlert();
