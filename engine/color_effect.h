// The colours of the picture: the current gradient, and the brush and fill colour effects that turn, scale,
// cycle and bend it into the palette's two 90-entry ranges.
#pragma once

#include <cstdint>

constexpr uint8_t kPaletteAnimated = 5; // reserved for animation, never matched

extern int8_t gCurrentGrad; // 0-7
// Puts the current gradient slot back to its start value.
void ColorEffectResetState();
