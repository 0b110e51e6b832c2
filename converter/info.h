// Reading any component file back: what it holds, whether its sizes and streams are sound, and its pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "converter/settings.h"
#include "platform/surface.h"

// A decoded picture of mWidth x mHeight at the top-left of mSurface (absent when mWidth is 0).
struct ConvertInfoPicture {
    int mWidth = 0;
    int mHeight = 0;
    Surface mSurface;
};

struct ConvertInfo {
    char mType = 0;
    std::vector<std::string> mLines; // the description, one fact a line
    ConvertInfoPicture mPixels;      // a brush's colour layer or a fill's picture
    ConvertInfoPicture mMask;        // 0 or 255 per pixel, rows rounded up to a multiple of 8
    ConvertInfoPicture mIcon;
};

// Describes and checks the file's bytes. On failure mMessage says what is damaged; the lines read so far
// stay.
ConvertResult ConvertReadInfo(const uint8_t* myData, size_t mySize, ConvertInfo& myInfo);
