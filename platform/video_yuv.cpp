// Index-to-YUV conversion through a table made once per palette.
#include "platform/video_yuv.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "platform/simd.h"

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
        myTable.mUV[myIndex] = myTable.mU[myIndex] | static_cast<uint32_t>(myTable.mV[myIndex]) << 16;
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

namespace {
// Rows myRow and myRow + 1 (the same row twice at an odd bottom edge), from column myStart on.
void YuvConvertRowPair(const YuvTable& myTable, const uint8_t* myTop, const uint8_t* myBottom, int myStart,
                       int myWidth, uint8_t* myYTop, uint8_t* myYBottom, uint8_t* myU, uint8_t* myV) {
    const int myEven = myWidth & ~1;
    for (int myColumn = myStart; myColumn < myEven; myColumn += 2) {
        const uint8_t myA = myTop[myColumn], myB = myTop[myColumn + 1], myC = myBottom[myColumn],
                      myD = myBottom[myColumn + 1];
        myYTop[myColumn] = myTable.mY[myA];
        myYTop[myColumn + 1] = myTable.mY[myB];
        myYBottom[myColumn] = myTable.mY[myC];
        myYBottom[myColumn + 1] = myTable.mY[myD];
        const uint32_t mySum =
            myTable.mUV[myA] + myTable.mUV[myB] + myTable.mUV[myC] + myTable.mUV[myD] + (2u | 2u << 16);
        myU[myColumn / 2] = static_cast<uint8_t>((mySum & 0xFFFF) >> 2);
        myV[myColumn / 2] = static_cast<uint8_t>(mySum >> 18);
    }
    if (myEven < myWidth && myEven >= myStart) {
        const uint8_t myA = myTop[myEven], myC = myBottom[myEven];
        myYTop[myEven] = myTable.mY[myA];
        myYBottom[myEven] = myTable.mY[myC];
        const uint32_t mySum = 2 * (myTable.mUV[myA] + myTable.mUV[myC]) + (2u | 2u << 16);
        myU[myEven / 2] = static_cast<uint8_t>((mySum & 0xFFFF) >> 2);
        myV[myEven / 2] = static_cast<uint8_t>(mySum >> 18);
    }
}

#if defined(__x86_64__)
// With AVX-512 VBMI the table lookups take 64 pixels at once: the conversion then costs a tenth of the
// lookups one by one, which a fast video notices.

// The rounded mean of each 2 x 2 block of two rows of 64 chroma values: 32 values.
SIMD_VBMI inline __m256i YuvMeanOfBlocks(__m512i myTop, __m512i myBottom) {
    const __m512i myOnes = _mm512_set1_epi8(1);
    const __m512i mySum = _mm512_add_epi16(
        _mm512_add_epi16(_mm512_maddubs_epi16(myTop, myOnes), _mm512_maddubs_epi16(myBottom, myOnes)),
        _mm512_set1_epi16(2));
    return _mm512_maskz_cvtepi16_epi8(~__mmask32(0), _mm512_srli_epi16(mySum, 2));
}

SIMD_VBMI void YuvConvert420Wide(const YuvTable& myTable, const uint8_t* myPixels, int myPitch, int myWidth,
                                 int myHeight, uint8_t* const myPlanes[3], const int myStrides[3]) {
    const SimdByteTable myY = SimdByteTableLoad(myTable.mY), myU = SimdByteTableLoad(myTable.mU),
                        myV = SimdByteTableLoad(myTable.mV);
    const int myWide = myWidth & ~63;
    for (int myRow = 0; myRow < myHeight; myRow += 2) {
        const uint8_t* myTop = myPixels + static_cast<std::ptrdiff_t>(myRow) * myPitch;
        const bool myPair = myRow + 1 < myHeight;
        const uint8_t* myBottom = myPair ? myTop + myPitch : myTop;
        uint8_t* myYTop = myPlanes[0] + static_cast<std::ptrdiff_t>(myRow) * myStrides[0];
        uint8_t* myYBottom = myPair ? myYTop + myStrides[0] : myYTop;
        uint8_t* myUOut = myPlanes[1] + static_cast<std::ptrdiff_t>(myRow / 2) * myStrides[1];
        uint8_t* myVOut = myPlanes[2] + static_cast<std::ptrdiff_t>(myRow / 2) * myStrides[2];
        for (int myColumn = 0; myColumn < myWide; myColumn += 64) {
            const __m512i myA = _mm512_loadu_si512(myTop + myColumn);
            const __m512i myB = _mm512_loadu_si512(myBottom + myColumn);
            _mm512_storeu_si512(myYTop + myColumn, SimdLookUp(myY, myA));
            _mm512_storeu_si512(myYBottom + myColumn, SimdLookUp(myY, myB));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(myUOut + myColumn / 2),
                                YuvMeanOfBlocks(SimdLookUp(myU, myA), SimdLookUp(myU, myB)));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(myVOut + myColumn / 2),
                                YuvMeanOfBlocks(SimdLookUp(myV, myA), SimdLookUp(myV, myB)));
        }
        YuvConvertRowPair(myTable, myTop, myBottom, myWide, myWidth, myYTop, myYBottom, myUOut, myVOut);
    }
}
#endif
} // namespace

void YuvConvert420(const YuvTable& myTable, const uint8_t* myPixels, int myPitch, int myWidth, int myHeight,
                   uint8_t* const myPlanes[3], const int myStrides[3]) {
#if defined(__x86_64__)
    if (SimdHasVbmi()) {
        YuvConvert420Wide(myTable, myPixels, myPitch, myWidth, myHeight, myPlanes, myStrides);
        return;
    }
#endif
    for (int myRow = 0; myRow < myHeight; myRow += 2) {
        const uint8_t* myTop = myPixels + static_cast<std::ptrdiff_t>(myRow) * myPitch;
        const bool myPair = myRow + 1 < myHeight;
        const uint8_t* myBottom = myPair ? myTop + myPitch : myTop;
        uint8_t* myYTop = myPlanes[0] + static_cast<std::ptrdiff_t>(myRow) * myStrides[0];
        YuvConvertRowPair(myTable, myTop, myBottom, 0, myWidth, myYTop,
                          myPair ? myYTop + myStrides[0] : myYTop,
                          myPlanes[1] + static_cast<std::ptrdiff_t>(myRow / 2) * myStrides[1],
                          myPlanes[2] + static_cast<std::ptrdiff_t>(myRow / 2) * myStrides[2]);
    }
}
