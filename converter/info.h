// Reading any file of the program folder back: what it holds, whether its sizes and streams are sound, and
// its pictures. Components, styles and the four kinds of set.
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
    char mType = 0;                  // the file's type character
    std::vector<std::string> mLines; // the description, one fact a line
    ConvertInfoPicture mPixels;      // a brush's colour layer or a fill's picture
    ConvertInfoPicture mMask;        // 0 or 255 per pixel, rows rounded up to a multiple of 8
    ConvertInfoPicture mIcon;
};

// Describes and checks the file's bytes. On failure mMessage says what is damaged; the lines read so far
// stay. The file's name, when given, says by its extension what kind of file it must be, as the program's
// folders do: a file of another kind gets the message the program gives for it.
ConvertResult ConvertReadInfo(const uint8_t* myData, size_t mySize, ConvertInfo& myInfo,
                              const std::string& myFileName = {});
