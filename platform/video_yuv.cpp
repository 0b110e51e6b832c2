// Index-to-YUV conversion through a table made once per palette.
#include "platform/video_yuv.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {
uint8_t YuvByte(double myValue) {
    return static_cast<uint8_t>(std::clamp(std::lround(myValue), 0L, 255L));
}
} // namespace

void YuvMakeTable(YuvTable& myTable, const PaletteEntry* myPalette, YuvMatrix myMatrix) {
    const double myKr = myMatrix == kYuvBt709 ? 0.2126 : 0.299;
    const double myKb = myMatrix == kYuvBt709 ? 0.0722 : 0.114;
    const double myKg = 1.0 - myKr - myKb;
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex) {
        const double myR = myPalette[myIndex].mRed, myG = myPalette[myIndex].mGreen,
                     myB = myPalette[myIndex].mBlue;
        const double myLuma = myKr * myR + myKg * myG + myKb * myB; // 0-255
        myTable.mY[myIndex] = YuvByte(16.0 + 219.0 / 255.0 * myLuma);
        myTable.mU[myIndex] = YuvByte(128.0 + 224.0 / 255.0 * (myB - myLuma) / (2.0 * (1.0 - myKb)));
        myTable.mV[myIndex] = YuvByte(128.0 + 224.0 / 255.0 * (myR - myLuma) / (2.0 * (1.0 - myKr)));
    }
}

void YuvConvert444(const YuvTable& myTable, const uint8_t* myPixels, int myPitch, int myWidth, int myHeight,
                   uint8_t* const myPlanes[3], const int myStrides[3]) {
    for (int myRow = 0; myRow < myHeight; ++myRow) {
        const uint8_t* mySource = myPixels + static_cast<std::ptrdiff_t>(myRow) * myPitch;
        uint8_t* myY = myPlanes[0] + static_cast<std::ptrdiff_t>(myRow) * myStrides[0];
        uint8_t* myU = myPlanes[1] + static_cast<std::ptrdiff_t>(myRow) * myStrides[1];
        uint8_t* myV = myPlanes[2] + static_cast<std::ptrdiff_t>(myRow) * myStrides[2];
        for (int myColumn = 0; myColumn < myWidth; ++myColumn) {
            const uint8_t myIndex = mySource[myColumn];
            myY[myColumn] = myTable.mY[myIndex];
            myU[myColumn] = myTable.mU[myIndex];
            myV[myColumn] = myTable.mV[myIndex];
        }
    }
}

void YuvConvert420(const YuvTable& myTable, const uint8_t* myPixels, int myPitch, int myWidth, int myHeight,
                   uint8_t* const myPlanes[3], const int myStrides[3]) {
    for (int myRow = 0; myRow < myHeight; myRow += 2) {
        const uint8_t* myTop = myPixels + static_cast<std::ptrdiff_t>(myRow) * myPitch;
        const bool myPair = myRow + 1 < myHeight;
        const uint8_t* myBottom = myPair ? myTop + myPitch : myTop;
        uint8_t* myYTop = myPlanes[0] + static_cast<std::ptrdiff_t>(myRow) * myStrides[0];
        uint8_t* myYBottom = myYTop + myStrides[0];
        uint8_t* myU = myPlanes[1] + static_cast<std::ptrdiff_t>(myRow / 2) * myStrides[1];
        uint8_t* myV = myPlanes[2] + static_cast<std::ptrdiff_t>(myRow / 2) * myStrides[2];
        for (int myColumn = 0; myColumn < myWidth; ++myColumn) {
            myYTop[myColumn] = myTable.mY[myTop[myColumn]];
            if (myPair) myYBottom[myColumn] = myTable.mY[myBottom[myColumn]];
        }
        for (int myColumn = 0; myColumn < myWidth; myColumn += 2) {
            const int myNext = myColumn + 1 < myWidth ? myColumn + 1 : myColumn;
            const uint8_t myA = myTop[myColumn], myB = myTop[myNext], myC = myBottom[myColumn],
                          myD = myBottom[myNext];
            myU[myColumn / 2] = static_cast<uint8_t>(
                (myTable.mU[myA] + myTable.mU[myB] + myTable.mU[myC] + myTable.mU[myD] + 2) >> 2);
            myV[myColumn / 2] = static_cast<uint8_t>(
                (myTable.mV[myA] + myTable.mV[myB] + myTable.mV[myC] + myTable.mV[myD] + 2) >> 2);
        }
    }
}
