// The one shared 256-entry palette that every window is shown through.
#pragma once

#include <cstdint>

struct PaletteEntry {
    uint8_t mRed = 0;
    uint8_t mGreen = 0;
    uint8_t mBlue = 0;
    uint8_t mFlags = 0;
};

constexpr uint8_t kPaletteReserved = 1; // animatable
constexpr uint8_t kPaletteNoCollapse = 4;

constexpr int kPaletteSize = 256;

extern PaletteEntry gPalette[kPaletteSize];
// Counts every change, so presenters know when the picture must be converted again.
extern uint32_t gPaletteSerial;
// Puts the values above back to their start values.
void PaletteResetState();

// The classic twenty static colours of the system, entries 0-9 and 246-255.
void PaletteSystemColors(PaletteEntry myEntries[kPaletteSize]);
void PaletteSet(int myStart, int myCount, const PaletteEntry* myEntries);
// Rewrites entries of the reserved ranges; the picture shows the new colours at its next present.
void PaletteAnimate(int myStart, int myCount, const PaletteEntry* myEntries);

// Converts 8-bit pixels through the palette into 32-bit 0xAARRGGBB pixels (the present path).
void PaletteConvert(const uint8_t* myPixels, int myPitch, int myWidth, int myHeight, uint32_t* myOut,
                    int myOutPitchPixels);
