// Pictures written out as PNG files: 8-bit paletted frames of the animation, and RGB sheets.
#pragma once

#include <string>

#include "platform/palette.h"
#include "platform/surface.h"

// Writes the surface as a paletted PNG that carries the given palette.
bool ImageWritePng(const std::string& myPath, const Surface& mySurface, const PaletteEntry* myPalette);

// Writes 32-bit 0xAARRGGBB pixels as an RGB PNG (pictures that hold more than one palette's colours).
bool ImageWritePngRgb(const std::string& myPath, const uint32_t* myPixels, int myWidth, int myHeight);
