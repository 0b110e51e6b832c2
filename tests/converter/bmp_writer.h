// Test helper: builds 24-bit Windows bitmaps in memory and on disk, and loads converted files back.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "converter/bitmap_reader.h"
#include "converter/info.h"
#include "storage/format_bytes.h"

struct TestColor {
    uint8_t mBlue, mGreen, mRed;
};

constexpr TestColor kTestWhite{255, 255, 255};
constexpr TestColor kTestBlack{0, 0, 0};
constexpr TestColor kTestBlue{255, 0, 0};
constexpr TestColor kTestGreen{0, 255, 0}; // brush index 21, fill index 111

// A bitmap of myWidth x myHeight whose pixel (x, y from the top) is myColor(x, y).
inline std::vector<uint8_t> TestMakeBmp(int myWidth, int myHeight,
                                        const std::function<TestColor(int, int)>& myColor) {
    const int myRowBytes = (myWidth * 3 + 3) / 4 * 4;
    std::vector<uint8_t> myFile(kBmpHeadersSize + static_cast<size_t>(myRowBytes) * myHeight, 0);
    BmpHeaders myHeader = {};
    myHeader.mMagic[0] = 'B', myHeader.mMagic[1] = 'M';
    BytesPut32(myHeader.mFileSize, static_cast<int64_t>(myFile.size()));
    BytesPut32(myHeader.mDataOffset, kBmpHeadersSize);
    BytesPut32(myHeader.mInfoSize, 40);
    BytesPut32(myHeader.mWidth, myWidth);
    BytesPut32(myHeader.mHeight, myHeight);
    BytesPut16(myHeader.mPlanes, 1);
    BytesPut16(myHeader.mBitsPerPixel, 24);
    std::memcpy(myFile.data(), &myHeader, kBmpHeadersSize);
    for (int y = 0; y < myHeight; ++y)
        for (int x = 0; x < myWidth; ++x) {
            const TestColor myPixel = myColor(x, y);
            uint8_t* myAt =
                myFile.data() + kBmpHeadersSize + static_cast<size_t>(myHeight - 1 - y) * myRowBytes + 3 * x;
            myAt[0] = myPixel.mBlue, myAt[1] = myPixel.mGreen, myAt[2] = myPixel.mRed;
        }
    return myFile;
}

inline void TestWriteFile(const std::string& myPath, const std::vector<uint8_t>& myBytes) {
    std::ofstream(myPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(myBytes.data()), static_cast<std::streamsize>(myBytes.size()));
}

inline std::vector<uint8_t> TestReadFile(const std::string& myPath) {
    std::ifstream myStream(myPath, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(myStream)), std::istreambuf_iterator<char>());
}

inline int TestRead16(const std::vector<uint8_t>& myFile, size_t myAt) {
    return BytesI16(myFile.data() + myAt);
}
inline int32_t TestRead32(const std::vector<uint8_t>& myFile, size_t myAt) {
    return BytesI32(myFile.data() + myAt);
}

inline uint8_t TestPixel(const ConvertInfoPicture& myPicture, int x, int y) {
    return myPicture.mSurface.Row(y)[x];
}
