// The file inspector's part for styles and sets: names, slots, attachments and the main settings.
#pragma once

#include <cstddef>
#include <cstdint>

#include "converter/info.h"
#include "storage/format_sets.h"

// Describes and checks a style file's bytes.
ConvertResult ConvertReadStyle(const uint8_t* myData, size_t mySize, ConvertInfo& myInfo);
// Describes and checks a set file's bytes as a set of myFormat's kind (a brush set's format reads the older
// brush set too).
ConvertResult ConvertReadSet(const SetFormat& myFormat, const uint8_t* myData, size_t mySize,
                             ConvertInfo& myInfo);
