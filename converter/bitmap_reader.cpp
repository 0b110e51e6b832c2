// Opening the artist's bitmap: the header checks in their order, each with its own message.
#include "converter/bitmap_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "storage/file.h"
#include "storage/format_bytes.h"

namespace {

constexpr int kPreviewWidth = 192;
constexpr int kPreviewHeight = 96;
constexpr int kMaxSide = 32767; // component files keep sizes in 16 bits

bool ConvertPreviewHasBlue(const ConvertBitmap& myBitmap, int myFrameWidth) {
    int myWidth = 0, myHeight = 0;
    ConvertPreviewSize(myFrameWidth, myBitmap.mHeight, myWidth, myHeight);
    for (int y = 0; y < myHeight; ++y)
        for (int x = 0; x < myWidth; ++x) {
            const int mySourceX = static_cast<int>((x + 0.5) * myFrameWidth / myWidth);
            const int mySourceY = static_cast<int>((y + 0.5) * myBitmap.mHeight / myHeight);
            const uint8_t* myPixel = myBitmap.Pixel(mySourceX, mySourceY);
            if (myPixel[0] == 255 && myPixel[1] == 0 && myPixel[2] == 0) return true;
        }
    return false;
}

} // namespace

void ConvertPreviewSize(int myWidth, int myHeight, int& myPreviewWidth, int& myPreviewHeight) {
    if (static_cast<int64_t>(myWidth) * kPreviewHeight >= static_cast<int64_t>(myHeight) * kPreviewWidth) {
        myPreviewWidth = kPreviewWidth;
        myPreviewHeight =
            std::max(1, static_cast<int>(static_cast<int64_t>(myHeight) * kPreviewWidth / myWidth));
    } else {
        myPreviewHeight = kPreviewHeight;
        myPreviewWidth =
            std::max(1, static_cast<int>(static_cast<int64_t>(myWidth) * kPreviewHeight / myHeight));
    }
}

ConvertResult ConvertOpenBitmapBytes(std::vector<uint8_t> myBytes, int myFrames, ConvertBitmap& myBitmap) {
    myBitmap = ConvertBitmap();
    if (myBytes.size() < 2 || myBytes[0] != 'B' || myBytes[1] != 'M')
        return ConvertFail("Not a bitmap file!");
    if (myBytes.size() < kBmpHeadersSize) return ConvertFail("End of file error!");
    BmpHeaders myHeader;
    std::memcpy(&myHeader, myBytes.data(), kBmpHeadersSize);
    if (BytesU32(myHeader.mInfoSize) != 40) return ConvertFail("Not a standard Windows bitmap file!");
    if (BytesU16(myHeader.mPlanes) != 1) return ConvertFail("This bitmap does not have 1 plane!");
    if (BytesU16(myHeader.mBitsPerPixel) != 24) return ConvertFail("Not a 24-bit bitmap!");
    if (BytesU32(myHeader.mCompression) != 0) return ConvertFail("Not an uncompressed bitmap.");
    const int32_t myWidth = BytesI32(myHeader.mWidth);
    const int32_t myHeight = BytesI32(myHeader.mHeight);
    // Top-down bitmaps (negative height) and empty ones have no meaning in the colour code.
    if (myWidth <= 0 || myHeight <= 0) return ConvertFail("This bitmap has no pixels or is stored top-down!");
    if (myWidth > kMaxSide || myHeight > kMaxSide)
        return ConvertFail("This bitmap is larger than 32767 pixels!");
    if (myFrames <= 0 || myWidth % myFrames != 0)
        return ConvertFail("Width is not evenly divisible by number of frames!");
    const uint32_t myDataOffset = BytesU32(myHeader.mDataOffset);
    const int myRowBytes = (myWidth * 3 + 3) / 4 * 4;
    if (myDataOffset > myBytes.size() ||
        (myBytes.size() - myDataOffset) / static_cast<uint64_t>(myRowBytes) < static_cast<uint64_t>(myHeight))
        return ConvertFail("End of file error!");
    myBitmap.mBytes = std::move(myBytes);
    myBitmap.mDataOffset = myDataOffset;
    myBitmap.mWidth = myWidth;
    myBitmap.mHeight = myHeight;
    myBitmap.mRowBytes = myRowBytes;
    myBitmap.mHasBlue = ConvertPreviewHasBlue(myBitmap, myWidth / myFrames);
    return {true, "Apply settings then save file."};
}

ConvertResult ConvertOpenBitmap(const std::string& myPath, int myFrames, ConvertBitmap& myBitmap) {
    std::vector<uint8_t> myBytes;
    if (const int16_t myCode = FileReadPath(myPath, myBytes)) {
        myBitmap = ConvertBitmap();
        return ConvertFail(myCode == EIO ? "File read error!" : "Couldn't open bitmap file!");
    }
    return ConvertOpenBitmapBytes(std::move(myBytes), myFrames, myBitmap);
}

int ConvertFramesFromTitle(const std::string& myFileName) {
    std::string myTitle = myFileName.substr(myFileName.find_last_of('/') + 1);
    const size_t myDot = myTitle.find_last_of('.');
    if (myDot != std::string::npos) myTitle.resize(myDot);
    size_t myStart = myTitle.size();
    while (myStart > 0 && myTitle[myStart - 1] >= '0' && myTitle[myStart - 1] <= '9')
        --myStart;
    if (myStart == myTitle.size()) return 1;
    int myFrames = 0;
    for (size_t i = myStart; i < myTitle.size(); ++i)
        myFrames = std::min(myFrames * 10 + (myTitle[i] - '0'), 99999); // the window reads five characters
    return myFrames;
}
