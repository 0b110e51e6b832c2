// The machine-wide choices kept between runs outside the styles: the 12-byte preferences file, which the
// screen saver also reads and writes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "storage/file.h"

inline constexpr const char* kPrefsFileName = "Orbex Preferences.txt";
constexpr int kPrefsSize = 12;
// The byte of each value in the record.
constexpr int kPrefsVersion = 0;
constexpr int kPrefsSaverTrigger = 1;
constexpr int kPrefsSaver = 2;      // sound on x 2 + screen saver flag
constexpr int kPrefsSaverDelay = 3; // minutes
constexpr int kPrefsSeekHelp = 4;   // seek mode x 2 + help shown
constexpr int kPrefsSource = 5;
constexpr int kPrefsDrive = 6;
constexpr int kPrefsCDSource = 7;
static_assert(kPrefsCDSource < kPrefsSize, "bytes 8 to 11 are reserved");
// The layout this program writes; layout 1 (the screen saver's) has no CD source of its own.
constexpr uint8_t kPrefsLayout = 2;

// Opens the preferences file, creating it when it is missing: 0 when it can be neither opened nor created,
// 1 when an existing file was opened, 2 when it was created (and opened).
int InitOpenPrefsFile(const char* myName, FileHandle* myFile);
// During start-up with an existing file: reads it. Otherwise (a new file, or at quit): writes it.
void InitSetPreferences(const char* myName);

// Takes the values of a record read from the file; a record too short or of a layout not known leaves the
// values as they are.
void PrefsApply(const uint8_t* myBytes, size_t mySize);
// The record as the program writes it.
void PrefsBytes(uint8_t (&myBytes)[kPrefsSize]);
// Forgets the sources read from the file.
void PrefsResetState();
