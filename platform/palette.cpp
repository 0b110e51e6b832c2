// The shared palette, whose changes every window shows at its next present.
#include "platform/palette.h"

#include <algorithm>
#include <iterator>

PaletteEntry gPalette[kPaletteSize];
uint32_t gPaletteSerial = 0;

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

void PaletteResetState() {
    std::fill(std::begin(gPalette), std::end(gPalette), PaletteEntry());
    gPaletteSerial = 0;
    PaletteConvertResetState();
}
