// Styles on disk: reading a settings record from a style file, a rave or bytes, and converting version 1.
// Applying a style to the running picture lives with change execution (engine/style_apply.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/style_record.h"
#include "storage/file.h"
#include "storage/format_sets.h"

// Modes of StyleLoad.
constexpr int kStyleFromFile = -1;
constexpr int kStyleFromRave = -2;
constexpr int kStyleTrackStart = -3;
constexpr int kStyleTrackStartNewFill = -4;
constexpr int kStyleFromLast = -5;

extern const char* const kStyleLastSession;

// Reads the style myName into myRecord. A missing file leaves myRecord as it is (true); a file that is not a
// style says "Not a valid style file!" and fails, except "Last_Session", which leaves myRecord too.
bool StyleReadFile(const char* myName, StyleRecord& myRecord);
// Whether the style myName is there and readable, without an alert: false with a message naming the style
// (and the styles there are) or the damaged file.
bool StyleCheckFile(const char* myName, std::string& myError);
// Reads the record of an open rave at its start ('r' or 'R'); false when it holds none.
bool StyleReadRave(FileHandle myRave, StyleRecord& myRecord);
// Reads the rest of a record whose 4-byte header is already in myRecord, by the header's version; a version 1
// record is converted. False when the version is unknown or the file ends first.
bool StyleReadBody(FileHandle myFile, StyleRecord& myRecord);
// A record from a style file's bytes, version 1 converted; false when the version is unknown or the bytes
// end first. The type byte is not checked.
bool StyleFromBytes(const uint8_t* myData, size_t mySize, StyleRecord& myRecord);
// Turns a version 1 record, read as it lies, into version 2.
void StyleConvertVersion1(StyleRecord& myRecord);
// The slot (0-based) a stored 1-based current-slot byte names, whatever the byte holds.
int StyleSlot(int8_t myValue, int myCount);
