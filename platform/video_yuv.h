// Palette pictures turned into the planes of YUV video: one 256-entry table per palette, then lookups only.
#pragma once

#include <cstdint>

#include "platform/palette.h"

// Studio-range matrices: BT.601 is what Y4M readers assume, BT.709 what players assume of HD video.
enum YuvMatrix { kYuvBt601, kYuvBt709 };

struct YuvTable {
    uint8_t mY[kPaletteSize];
    uint8_t mU[kPaletteSize];
    uint8_t mV[kPaletteSize];
    uint32_t mUV[kPaletteSize]; // U in the low half, V in the high one: four of them add up without carrying
};

void YuvMakeTable(YuvTable& myTable, const PaletteEntry* myPalette, YuvMatrix myMatrix);

// The planes of one picture of 8-bit indices (myPitch bytes a row). 4:4:4 keeps every pixel's colour; 4:2:0
// averages the colour of each 2 x 2 block (an odd last row or column counts once).
void YuvConvert444(const YuvTable& myTable, const uint8_t* myPixels, int myPitch, int myWidth, int myHeight,
                   uint8_t* const myPlanes[3], const int myStrides[3]);
void YuvConvert420(const YuvTable& myTable, const uint8_t* myPixels, int myPitch, int myWidth, int myHeight,
                   uint8_t* const myPlanes[3], const int myStrides[3]);
