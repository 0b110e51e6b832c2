// Sets: the gradients, fills, brushes (with their attachments) or movements of the look, kept apart from a
// style in the "Settings" folder.
#pragma once

#include <cstdint>

// The set kinds, by their file type.
constexpr char kSetGradient = 'g';
constexpr char kSetFill = 'f';
constexpr char kSetBrush = 'B';
constexpr char kSetMove = 'm';
// The older brush set, without its fill section.
constexpr char kSetBrushOld = 'b';

constexpr int kSetSizeGradient = 134;
constexpr int kSetSizeFill = 102;
constexpr int kSetSizeMove = 139;
constexpr int kSetSizeBrush = 801;

// Writes the set of myKind from gStyle as myName and stores the name as the set's name.
bool StyleSaveSet(char myKind, const char* myName);
// Loads the set myName of myKind: only differing components load; the set's current slot becomes current.
// A missing file or one of another kind gives its message and changes nothing.
bool StyleLoadSet(char myKind, const char* myName);
