// Keyboard commands: the number typed before a command, the command keys, and loading a file by its name.
#pragma once

#include <cstdint>

#include "engine/execute.h"

constexpr int32_t kKeyNoNumber = 2147483647;
constexpr int32_t kKeyMinus = -9999; // a minus sign typed, no digit yet
constexpr int kLoadNameSize = 16;

// Modifier classes of a key stroke or click: what an edit made by it does.
constexpr uint8_t kClassNone = 0;
constexpr uint8_t kClassAlt = 1;
constexpr uint8_t kClassCue = 2;    // Shift
constexpr uint8_t kClassCancel = 3; // Ctrl
// An edit made in a class is carried out in the mode of the same number.
static_assert(kClassNone == kModeExecute && kClassAlt == kModeEarlier && kClassCue == kModeCue &&
              kClassCancel == kModeUncue);

extern int32_t gKeyNumber;
extern int32_t gKeyWhole;
// The kind being loaded by name (0 none, 1 style ... 8 brush effect, 9 nothing) and the name typed so far.
extern uint8_t gLoadKey;
extern char gLoadName[kLoadNameSize];

// One typed character; myTime is the message's time stamp.
void KeyHandler(uint32_t myChar, uint32_t myTime, int myFlag);
// One key that types nothing (Escape, arrows, F1, Ctrl with a digit).
void KeyDownHandler(uint32_t myKey, uint32_t myTime);
// True when the number typed gives a value from myMin to myMax in its last myDigits digits (made positive
// when myAbsolute is set); the value goes to *myValue.
bool KeyTestNumber(int32_t* myValue, uint8_t myDigits, int32_t myMin, int32_t myMax, uint8_t myAbsolute);
// Asks for a name in TEXT ENTRY to save the current look as a style, its beat counters off.
void KeySaveStyle();
void KeyBeginLoad(char myDigit);
void KeyEndLoad(char myDigit, uint32_t myElapsed);
// A character typed while a load by name is under way.
void KeyLoadCharacter(uint32_t myChar);
// The modifier class of the key or click being handled, and the character as the command table reads it.
uint8_t KeyModifierClass(uint32_t* myChar);

void KeyResetState();
