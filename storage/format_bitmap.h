// The brush (.bru) and fill (.fil) file layout: the 25-byte header, a brush's frame block, own colours, icon
// and layers, as the loaders read them and the converter writes them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "storage/format_bytes.h"

// Multi-byte fields are little-endian byte arrays (read with BytesI16 and BytesI32), so the structure has
// no padding and no byte order of its own.
#pragma pack(push, 1)
struct BitmapHeader {
    ComponentHeader mHeader; // 'B', or 'F' / 'T'
    uint8_t mWidth[2];       // the whole strip of frames
    uint8_t mHeight[2];
    uint8_t mColorSize[4]; // compressed colour layer (a fill's picture); 0: none
    uint8_t mMaskSize[4];  // mask layer; 0: none (a fill writes 0)
    uint8_t mColorCount;   // own colours, 0-90; 0: the current gradient
    uint8_t mHasBlack;     // 1: index 0 occurs; a brush icon is drawn on colour 12, else on 0
    uint8_t mMaskRaw;      // 255: the mask is stored as plain bits
    uint8_t mReserved;
    uint8_t mFrameBlockSize; // 8 for a brush, 0 for a fill
    uint8_t mReserved2;
    uint8_t mIconSize[2];
    uint8_t mDataOffset[2]; // the colour layer, followed by the mask layer; the icon ends here
};

// A brush's frame block, right after the header (mFrameBlockSize bytes; bytes beyond these are not read).
struct BitmapFrameBlock {
    uint8_t mBeatFrame; // 1: the strip's last frame shows only on a beat
    uint8_t mReserved[3];
    uint8_t mOne;       // written 1
    uint8_t mFrames[2]; // frames in the strip, a beat frame included
    uint8_t mPalindrome;
};
#pragma pack(pop)

constexpr int kBitmapHeaderSize = 25;
constexpr int kBitmapFrameBlockSize = 8;
static_assert(sizeof(BitmapHeader) == kBitmapHeaderSize);
static_assert(offsetof(BitmapHeader, mWidth) == 3);
static_assert(offsetof(BitmapHeader, mHeight) == 5);
static_assert(offsetof(BitmapHeader, mColorSize) == 7);
static_assert(offsetof(BitmapHeader, mMaskSize) == 11);
static_assert(offsetof(BitmapHeader, mColorCount) == 15);
static_assert(offsetof(BitmapHeader, mHasBlack) == 16);
static_assert(offsetof(BitmapHeader, mMaskRaw) == 17);
static_assert(offsetof(BitmapHeader, mFrameBlockSize) == 19);
static_assert(offsetof(BitmapHeader, mIconSize) == 21);
static_assert(offsetof(BitmapHeader, mDataOffset) == 23);
static_assert(sizeof(BitmapFrameBlock) == kBitmapFrameBlockSize);
static_assert(offsetof(BitmapFrameBlock, mOne) == 4);
static_assert(offsetof(BitmapFrameBlock, mFrames) == 5);
static_assert(offsetof(BitmapFrameBlock, mPalindrome) == 7);

constexpr uint8_t kBitmapMaskRaw = 255;
constexpr int kBitmapMaxColors = 90;
constexpr int kBrushIconWidth = 48;
constexpr int kFillIconWidth = 64;
constexpr int kBitmapIconHeight = 48;
// The converter writes a tile below this size and a whole picture from it on.
constexpr int kFillPictureWidth = 640;
constexpr int kFillPictureHeight = 480;

// Pixel values of the 8-bit pictures; the other byte values are the coding's codes.
constexpr uint8_t kPixelBlack = 0;
constexpr uint8_t kPixelBrushGradient = 21; // 90 entries
constexpr uint8_t kPixelFillGradient = 111; // 90 entries
constexpr uint8_t kPixelTransparent = 255;

// The most pixels one byte of a stream can give: a run token of the 8-bit coding gives 56 pixels for 2
// bytes, a run of the mask coding 2048 for 2. A picture larger than that cannot come from its stream.
constexpr int64_t kMostPixelsPerByte = 28;
constexpr int64_t kMostMaskPixelsPerByte = 1024;
