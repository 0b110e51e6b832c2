// Sets on disk: the gradients, fills, brushes (with their attachments) or movements of the look, kept apart
// from a style in the "Settings" folder. Loading a set into the running picture lives with change execution
// (StyleLoadSet, engine/style_apply.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/style_record.h"
#include "storage/format_sets.h"

// A set read whole, its sections laid where they lie in a settings record (the rest zero).
struct SetImage {
    StyleRecord mRecord;
    char mType = 0; // the file's type: the older brush set reads as a brush set of type 'b'
};

// Writes the set of myKind from gStyle as myName and stores the name as the set's name.
bool StyleSaveSet(char myKind, const char* myName);
// The bytes of a set of myFormat's kind taken from myRecord: the header, then the sections.
std::vector<uint8_t> StyleSetBytes(const SetFormat& myFormat, const StyleRecord& myRecord);
// A set of myFormat's kind from its bytes. False when the bytes are of another kind, end before its sections,
// or name as current a slot the set does not have.
bool StyleSetFromBytes(const SetFormat& myFormat, const uint8_t* myData, size_t mySize, SetImage& myImage);
// Reads the set file myName of myFormat's kind. "Unable to load file set!" when it cannot be opened, the
// kind's own message ("Not a valid brush set file!", ...) when it is not such a set.
bool StyleReadSet(const SetFormat& myFormat, const char* myName, SetImage& myImage);
// The name field of gStyle that keeps the name of the set of myKind.
char* StyleSetNameField(char myKind);
