// Styles and sets applied to the running picture: components loaded into their slots and settings carried
// out as edits. Reading and writing their files is the storage layer's (storage/style.h, storage/sets.h).
#pragma once

#include <cstdint>

#include "core/style_record.h"
#include "storage/file.h"
#include "storage/style.h"

// Loads a style and applies it; true on success. A style file that is missing gives the defaults, silently.
// From a rave (myRave open at its start), myKeepLast first keeps the user's own settings in gStyleLast.
bool StyleLoad(const char* myName, int myMode, uint8_t myKeepLast = 0, FileHandle myRave = nullptr);
// Loads each component myStyle names that differs from the one loaded; movements whose name stays get
// their parameters reset from the file's defaults when myResetParams is set.
void StyleLoadComponents(const StyleRecord& myStyle, uint8_t myQuiet, uint8_t myRedraw, uint8_t myResetParams,
                         uint8_t myRecord);
// Loads the set myName of myKind (storage/format_sets.h): only differing components load; the set's current
// slot becomes current. A missing file or one of another kind gives its message and changes nothing.
bool StyleLoadSet(char myKind, const char* myName);
// Saves mySource as the style myName, through gStyleTemp; false when it could not be written. In manual
// mode the style keeps no thresholds.
bool StyleSave(const char* myName, const StyleRecord& mySource);
