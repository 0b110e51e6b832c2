// The readable text form of movement and effect files: assembling it into the file's bytes and back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "converter/settings.h"

enum ProgramKind : uint8_t { kProgramMovement = 0, kProgramColorEffect = 1, kProgramBrushEffect = 2 };

// Assembles a text program into a whole file. On failure mMessage names the line ("Line 12: ...").
// myKind receives the kind the text declares in its first statement.
ConvertResult ProgramAssemble(const std::string& myText, ProgramKind& myKind, std::vector<uint8_t>& myFile);

// Writes the text form of a movement ('M'), colour effect ('C') or brush effect ('E') file; assembling the
// text gives the same bytes. False (with the reason in mMessage) when the file is damaged.
ConvertResult ProgramDisassemble(const uint8_t* myData, size_t mySize, std::string& myText);
