// The single alert window: fixed texts and numeric error codes reach the user here.
#pragma once

#include <cstdint>

constexpr int kAlertTextSize = 120;

extern char gAlertText[kAlertTextSize];
extern uint8_t gStateAlert;
extern uint8_t gStartUp;

void MainOpenAlert(const char* myText);
void MainCloseAlert();
bool MainCheckErrors(int16_t myCode);
void MainDrawAlert();
