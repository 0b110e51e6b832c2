// The colour code of the artist's bitmaps: how one pixel becomes a palette index, and the fixed colour table.
#pragma once

#include <cstdint>

#include "converter/settings.h"
#include "storage/format_bitmap.h"
#include "storage/format_gradient.h"

// Fixed colours in the order they were met until ConvertSortFixed puts them brightest first.
struct ConvertFixedTable {
    int mCount = 0;
    uint8_t mRed[kBitmapMaxColors] = {};
    uint8_t mGreen[kBitmapMaxColors] = {};
    uint8_t mBlue[kBitmapMaxColors] = {};
    int mLastHit = -1; // neighbouring pixels mostly share a colour
};

double ConvertLuminance(uint8_t myRed, uint8_t myGreen, uint8_t myBlue);

// The position 0-89 on a gradient for a channel value; 255 is the start of every section.
int ConvertGradientPosition(int myValue, int mySections);

// The palette index where a kind's fixed colours start (the range of its primary gradient).
inline uint8_t ConvertFixedBase(ConvertKind myKind) {
    return myKind == kConvertBrush ? kPixelBrushGradient : kPixelFillGradient;
}

// What the colour code makes of one pixel before it becomes a palette index; for the two gradients, the
// channel value that places it on the gradient.
enum ConvertClass : uint8_t {
    kClassBlack,
    kClassTransparent,
    kClassMask,
    kClassFixed,
    kClassPrimary,
    kClassSecondary
};
ConvertClass ConvertClassify(const ConvertSettings& mySettings, uint8_t myBlue, uint8_t myGreen,
                             uint8_t myRed, int& myValue);
// Maps one pixel of frame myFrame (of myFrames) to its palette index and mask bit. Fails only when the pixel
// would be a 91st fixed colour.
bool ConvertMapPixel(const ConvertSettings& mySettings, uint8_t myBlue, uint8_t myGreen, uint8_t myRed,
                     int myFrame, int myFrames, ConvertFixedTable& myTable, uint8_t& myIndex, bool& myMask);

// Sorts the table brightest first (equal luminance keeps the order of first use); myNewSlot[old] = new.
void ConvertSortFixed(ConvertFixedTable& myTable, uint8_t myNewSlot[kBitmapMaxColors]);
