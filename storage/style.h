// Styles: the whole look as one settings record, loaded from its file or a rave and applied as edits.
#pragma once

#include <cstdint>

#include "core/style_record.h"
#include "storage/file.h"

// Modes of StyleLoad.
constexpr int kStyleFromFile = -1;
constexpr int kStyleFromRave = -2;
constexpr int kStyleTrackStart = -3;
constexpr int kStyleTrackStartNewFill = -4;
constexpr int kStyleFromLast = -5;

constexpr int kStyleHeaderSize = 4;
constexpr int kStyleVersion1Size = 953;
extern const char* const kStyleLastSession;

// Loads a style and applies it; true on success. A style file that is missing gives the defaults, silently.
// From a rave (myRave open at its start), myKeepLast first keeps the user's own settings in gStyleLast.
bool StyleLoad(const char* myName, int myMode, uint8_t myKeepLast = 0, FileHandle myRave = nullptr);
// Loads each component myStyle names that differs from the one loaded; movements whose name stays get
// their parameters reset from the file's defaults when myResetParams is set.
void StyleLoadComponents(const StyleRecord& myStyle, uint8_t myQuiet, uint8_t myRedraw, uint8_t myResetParams,
                         uint8_t myRecord);
// Reads the rest of a record whose 4-byte header is already in myRecord, by the header's version; a version 1
// record is converted. False when the version is unknown or the file ends first.
bool StyleReadBody(FileHandle myFile, StyleRecord& myRecord);
// Turns a version 1 record, read as it lies, into version 2.
void StyleConvertVersion1(StyleRecord& myRecord);
// Saves mySource as the style myName, through gStyleTemp; false when it could not be written.
bool StyleSave(const char* myName, const StyleRecord& mySource);
// The slot (0-based) a stored 1-based current-slot byte names, whatever the byte holds.
int StyleSlot(int8_t myValue, int myCount);
