// The screen saver's preview picture and the interface colours it is drawn in.
#include "resources/saver_logo.h"

#include "resources/picture_parts.h"

void ResourceInterfaceColors(PaletteEntry myEntries[kPaletteSize]) {
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        myEntries[myIndex] = PaletteEntry{};
    PaletteSystemColors(myEntries);
    static const uint8_t kFixed[11][3] = {{223, 223, 223}, {159, 159, 159}, {96, 96, 96}, {64, 64, 64},
                                          {32, 32, 32},    {0, 64, 0},      {0, 191, 0},  {0, 128, 255},
                                          {128, 0, 255},   {255, 85, 0},    {255, 170, 0}};
    for (int myIndex = 10; myIndex <= 20; ++myIndex)
        myEntries[myIndex] = {kFixed[myIndex - 10][0], kFixed[myIndex - 10][1], kFixed[myIndex - 10][2],
                              kPaletteNoCollapse};
}

bool ResourceDrawSaverLogo(Surface& mySurface, PaletteEntry myColors[kPaletteSize]) {
    if (!SurfaceCreate(mySurface, kSaverLogoWidth, kSaverLogoHeight)) return false;
    // The splash's art is centred on its orbits, which fit the two pixels narrower picture whole.
    ResourceDrawSplash(mySurface);
    ResourceInterfaceColors(myColors);
    return true;
}
