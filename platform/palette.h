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
// Puts the values above back to their start values, and makes the conversion's tables anew.
void PaletteResetState();
void PaletteConvertResetState();

// The classic twenty static colours of the system, entries 0-9 and 246-255.
void PaletteSystemColors(PaletteEntry myEntries[kPaletteSize]);
void PaletteSet(int myStart, int myCount, const PaletteEntry* myEntries);
// Rewrites entries of the reserved ranges; the picture shows the new colours at its next present.
void PaletteAnimate(int myStart, int myCount, const PaletteEntry* myEntries);

// The order of a 32-bit pixel's colours: 0xFFRRGGBB, as most screens take them, or 0xFFBBGGRR.
enum PaletteOrder { kPaletteXRGB, kPaletteXBGR };
// The loops that convert: the plain one; AVX2, eight pixels a gather from the table of 32-bit colours;
// AVX-512 VBMI, 64 pixels a step through a byte table for each colour. kPaletteWayBest is the fastest this
// processor has; every way gives the same pixels.
enum PaletteWay { kPaletteWayPlain, kPaletteWayAvx2, kPaletteWayVbmi, kPaletteWayBest };
bool PaletteWayAvailable(PaletteWay myWay);
PaletteWay PaletteBestWay();
const char* PaletteWayName(PaletteWay myWay);

// Converts 8-bit pixels through the current palette into 32-bit pixels (myOutPitchPixels a row). A way the
// processor lacks falls back to the best it has.
void PaletteConvert(const uint8_t* myPixels, int myPitch, int myWidth, int myHeight, uint32_t* myOut,
                    int myOutPitchPixels, PaletteOrder myOrder = kPaletteXRGB,
                    PaletteWay myWay = kPaletteWayBest);
// The same conversion into pixels that already hold the picture as converted under the palette myShown: only
// where a colour changed since is anything written, in runs of 16 pixels (a cache line of 32-bit pixels),
// each written whole when one of its pixels changed and left alone otherwise. After it myOut holds what
// PaletteConvert would have written. myRowsWritten (myHeight bytes) tells which rows were written to; returns
// how many. Each way tests and converts as many pixels at once as it converts anyway; the AVX-512 way writes
// rows that start on a cache line past the caches.
int PaletteConvertChanged(const uint8_t* myPixels, int myPitch, int myWidth, int myHeight, uint32_t* myOut,
                          int myOutPitchPixels, const PaletteEntry* myShown, uint8_t* myRowsWritten,
                          PaletteOrder myOrder = kPaletteXRGB, PaletteWay myWay = kPaletteWayBest);
