// Small text helpers used everywhere: numbers, bounded appends and the blanks of names shown to the user.
#pragma once

#include <cstdint>

// Decimal text of a signed 32-bit value; myText must hold 12 characters.
void MainNumToString(int32_t myValue, char* myText);
// Appends mySource to myDest, keeping myDest at most 255 characters (myDest holds 256).
void MainAppend255(char* myDest, const char* mySource);
// "_" becomes a blank within the first myLength characters (names as the user sees them).
void MainRemoveUnderscores(char* myText, int myLength);
// A blank becomes "_" within the first myLength characters (names as files carry them).
void MainAddUnderscores(char* myText, int myLength);
// True when no left-button-up message is waiting.
bool WaitMouseUp();
