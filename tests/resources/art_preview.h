// Test helper: the program's palette for pictures written out, and pictures enlarged for looking at them.
#pragma once

#include <string>

#include "platform/image_out.h"
#include "platform/palette.h"
#include "platform/surface.h"
#include "shell/display.h"

// The palette the program starts with; the shared palette is left as it was.
inline void ArtTestPalette(PaletteEntry myPalette[kPaletteSize]) {
    PaletteEntry mySaved[kPaletteSize];
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        mySaved[myIndex] = gPalette[myIndex];
    InitColor();
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        myPalette[myIndex] = gPalette[myIndex];
    PaletteSet(0, kPaletteSize, mySaved);
}

// Writes the surface enlarged by a whole factor (each pixel a square), for the eye.
inline bool ArtWriteEnlarged(const std::string& myPath, const Surface& mySurface, int myFactor) {
    PaletteEntry myPalette[kPaletteSize];
    ArtTestPalette(myPalette);
    Surface myBig;
    if (!SurfaceCreate(myBig, mySurface.mWidth * myFactor, mySurface.mHeight * myFactor)) return false;
    SurfaceStretch(myBig, {0, 0, myBig.mWidth, myBig.mHeight}, mySurface,
                   {0, 0, mySurface.mWidth, mySurface.mHeight}, false);
    return ImageWritePng(myPath, myBig, myPalette);
}
