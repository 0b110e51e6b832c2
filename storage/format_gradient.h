// The gradient (.gra) file layout: a 5-byte header, then the brush and the fill gradient, 90 RGB triples
// each, read straight into a gradient slot.
#pragma once

#include <cstddef>
#include <cstdint>

#include "storage/format_bytes.h"

#pragma pack(push, 1)
struct GradientHeader {
    ComponentHeader mHeader; // 'G'
    uint8_t mUnread[2];
};
#pragma pack(pop)

constexpr int kGradientHeaderSize = 5;
constexpr int kGradientColors = 90;
constexpr int kGradientBytes = 3 * kGradientColors; // one half: the brush's or the fill's
constexpr int kGradientFileSize = kGradientHeaderSize + 2 * kGradientBytes;
static_assert(sizeof(GradientHeader) == kGradientHeaderSize);
static_assert(kGradientFileSize == 545);
