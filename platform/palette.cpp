// The shared palette and the conversion of 8-bit pictures through it.
#include "platform/palette.h"

#include <algorithm>
#include <iterator>

PaletteEntry gPalette[kPaletteSize];
uint32_t gPaletteSerial = 0;

namespace {
uint32_t sLookup[kPaletteSize];
uint32_t sLookupSerial = ~0u;

void PaletteRefreshLookup() {
    if (sLookupSerial == gPaletteSerial) return;
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex) {
        const PaletteEntry& myEntry = gPalette[myIndex];
        sLookup[myIndex] = 0xFF000000u | (uint32_t(myEntry.mRed) << 16) | (uint32_t(myEntry.mGreen) << 8) |
                           uint32_t(myEntry.mBlue);
    }
    sLookupSerial = gPaletteSerial;
}
} // namespace

void PaletteSystemColors(PaletteEntry myEntries[kPaletteSize]) {
    // The twenty colours every 256-colour desktop kept for itself, in their usual places.
    static const uint8_t kLow[10][3] = {{0, 0, 0},       {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                                        {0, 0, 128},     {128, 0, 128},  {0, 128, 128}, {192, 192, 192},
                                        {192, 220, 192}, {166, 202, 240}};
    static const uint8_t kHigh[10][3] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},
                                         {0, 255, 0},     {255, 255, 0},   {0, 0, 255},     {255, 0, 255},
                                         {0, 255, 255},   {255, 255, 255}};
    for (int myIndex = 0; myIndex < 10; ++myIndex) {
        myEntries[myIndex] = {kLow[myIndex][0], kLow[myIndex][1], kLow[myIndex][2], 0};
        myEntries[246 + myIndex] = {kHigh[myIndex][0], kHigh[myIndex][1], kHigh[myIndex][2], 0};
    }
}

void PaletteSet(int myStart, int myCount, const PaletteEntry* myEntries) {
    const int myFirst = std::max(myStart, 0);
    const int myLast = std::min(myStart + myCount, kPaletteSize);
    for (int myIndex = myFirst; myIndex < myLast; ++myIndex)
        gPalette[myIndex] = myEntries[myIndex - myStart];
    ++gPaletteSerial;
}

void PaletteAnimate(int myStart, int myCount, const PaletteEntry* myEntries) {
    const int myFirst = std::max(myStart, 0);
    const int myLast = std::min(myStart + myCount, kPaletteSize);
    for (int myIndex = myFirst; myIndex < myLast; ++myIndex) {
        // Only animatable entries change, as with the system's palette animation.
        if (!(gPalette[myIndex].mFlags & kPaletteReserved)) continue;
        const PaletteEntry& mySource = myEntries[myIndex - myStart];
        gPalette[myIndex].mRed = mySource.mRed;
        gPalette[myIndex].mGreen = mySource.mGreen;
        gPalette[myIndex].mBlue = mySource.mBlue;
    }
    ++gPaletteSerial;
}

void PaletteConvert(const uint8_t* myPixels, int myPitch, int myWidth, int myHeight, uint32_t* myOut,
                    int myOutPitchPixels) {
    PaletteRefreshLookup();
    for (int myY = 0; myY < myHeight; ++myY) {
        const uint8_t* mySource = myPixels + static_cast<size_t>(myY) * myPitch;
        uint32_t* myDest = myOut + static_cast<size_t>(myY) * myOutPitchPixels;
        int myX = 0;
        for (; myX + 4 <= myWidth; myX += 4) {
            myDest[myX] = sLookup[mySource[myX]];
            myDest[myX + 1] = sLookup[mySource[myX + 1]];
            myDest[myX + 2] = sLookup[mySource[myX + 2]];
            myDest[myX + 3] = sLookup[mySource[myX + 3]];
        }
        for (; myX < myWidth; ++myX)
            myDest[myX] = sLookup[mySource[myX]];
    }
}

void PaletteResetState() {
    std::fill(std::begin(gPalette), std::end(gPalette), PaletteEntry());
    gPaletteSerial = 0;
    sLookupSerial = ~0u;
}
