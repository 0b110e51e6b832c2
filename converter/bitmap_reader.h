// Opening the artist's bitmap: the checks of a 24-bit uncompressed Windows bitmap and the preview's blue
// test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "converter/settings.h"

// The file header and the information header of a Windows bitmap; numbers little-endian.
#pragma pack(push, 1)
struct BmpHeaders {
    uint8_t mMagic[2]; // "BM"
    uint8_t mFileSize[4];
    uint8_t mReserved[4];
    uint8_t mDataOffset[4];
    uint8_t mInfoSize[4]; // 40 for the standard information header
    uint8_t mWidth[4];
    uint8_t mHeight[4]; // negative: stored top-down
    uint8_t mPlanes[2];
    uint8_t mBitsPerPixel[2];
    uint8_t mCompression[4];
    uint8_t mRest[20];
};
#pragma pack(pop)
constexpr size_t kBmpHeadersSize = 54;
static_assert(sizeof(BmpHeaders) == kBmpHeadersSize);
static_assert(offsetof(BmpHeaders, mDataOffset) == 10 && offsetof(BmpHeaders, mInfoSize) == 14);
static_assert(offsetof(BmpHeaders, mWidth) == 18 && offsetof(BmpHeaders, mHeight) == 22);
static_assert(offsetof(BmpHeaders, mPlanes) == 26 && offsetof(BmpHeaders, mBitsPerPixel) == 28);
static_assert(offsetof(BmpHeaders, mCompression) == 30);

// An opened bitmap: the whole file, with the pixel rows known to lie inside it.
struct ConvertBitmap {
    std::vector<uint8_t> mBytes;
    uint32_t mDataOffset = 0;
    int mWidth = 0;
    int mHeight = 0;
    int mRowBytes = 0;     // a stored row, padded to a multiple of 4
    bool mHasBlue = false; // the preview of the first frame shows pure blue

    // The pixel (blue, green, red) of column x in row y counted from the top.
    const uint8_t* Pixel(int x, int y) const {
        return mBytes.data() + mDataOffset + static_cast<size_t>(mHeight - 1 - y) * mRowBytes + 3 * x;
    }
};

// Checks a bitmap held in memory against myFrames frames in its width.
ConvertResult ConvertOpenBitmapBytes(std::vector<uint8_t> myBytes, int myFrames, ConvertBitmap& myBitmap);
ConvertResult ConvertOpenBitmap(const std::string& myPath, int myFrames, ConvertBitmap& myBitmap);

// The number of frames a title announces by its trailing digits ("spin8.bmp" gives 8); 1 without digits.
int ConvertFramesFromTitle(const std::string& myFileName);

// The preview's size for a frame of myWidth x myHeight: fitted into 192 x 96 with the aspect ratio kept.
void ConvertPreviewSize(int myWidth, int myHeight, int& myPreviewWidth, int& myPreviewHeight);
