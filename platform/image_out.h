// Pictures written out: 8-bit paletted PNG files and Y4M video streams of the animation.
#pragma once

#include <cstdio>
#include <string>

#include "platform/palette.h"
#include "platform/surface.h"

// Writes the surface as a paletted PNG that carries the given palette.
bool ImageWritePng(const std::string& myPath, const Surface& mySurface, const PaletteEntry* myPalette);

// Writes 32-bit 0xAARRGGBB pixels as an RGB PNG (pictures that hold more than one palette's colours).
bool ImageWritePngRgb(const std::string& myPath, const uint32_t* myPixels, int myWidth, int myHeight);

struct VideoOut {
    std::FILE* mFile = nullptr;
    int mWidth = 0;
    int mHeight = 0;
};

bool VideoOpen(VideoOut& myVideo, const std::string& myPath, int myWidth, int myHeight, int myFps);
// Appends one frame in full-resolution colour (4:4:4), so nothing of the picture is lost.
bool VideoWriteFrame(VideoOut& myVideo, const Surface& mySurface, const PaletteEntry* myPalette);
void VideoClose(VideoOut& myVideo);
