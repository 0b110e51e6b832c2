// Converting 8-bit pictures through the palette into 32-bit pixels: a table of the palette's colours made
// once per palette change, then one lookup a pixel, by the plain loop or by the processor's vector units.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/palette.h"
#include "platform/simd.h"

namespace {
// The palette in one pixel order: 32-bit colours, and each colour's bytes on their own for the byte lookups.
struct PaletteTable {
    uint32_t mPixel[kPaletteSize];
    uint8_t mLow[kPaletteSize]; // the pixel's lowest byte: blue in 0xFFRRGGBB
    uint8_t mMiddle[kPaletteSize];
    uint8_t mHigh[kPaletteSize];
    uint32_t mSerial = ~0u;
};

PaletteTable sTables[2];

const PaletteTable& PaletteTableOf(PaletteOrder myOrder) {
    PaletteTable& myTable = sTables[myOrder == kPaletteXBGR ? 1 : 0];
    if (myTable.mSerial == gPaletteSerial) return myTable;
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex) {
        const PaletteEntry& myEntry = gPalette[myIndex];
        const uint8_t myLow = myOrder == kPaletteXBGR ? myEntry.mRed : myEntry.mBlue;
        const uint8_t myHigh = myOrder == kPaletteXBGR ? myEntry.mBlue : myEntry.mRed;
        myTable.mLow[myIndex] = myLow;
        myTable.mMiddle[myIndex] = myEntry.mGreen;
        myTable.mHigh[myIndex] = myHigh;
        myTable.mPixel[myIndex] =
            0xFF000000u | uint32_t(myHigh) << 16 | uint32_t(myEntry.mGreen) << 8 | myLow;
    }
    myTable.mSerial = gPaletteSerial;
    return myTable;
}

void PaletteConvertRow(const PaletteTable& myTable, const uint8_t* mySource, uint32_t* myDest, int myFrom,
                       int myWidth) {
    for (int myX = myFrom; myX < myWidth; ++myX)
        myDest[myX] = myTable.mPixel[mySource[myX]];
}

void PaletteConvertPlain(const PaletteTable& myTable, const uint8_t* myPixels, int myPitch, int myWidth,
                         int myHeight, uint32_t* myOut, int myOutPitch) {
    for (int myY = 0; myY < myHeight; ++myY)
        PaletteConvertRow(myTable, myPixels + static_cast<ptrdiff_t>(myY) * myPitch,
                          myOut + static_cast<ptrdiff_t>(myY) * myOutPitch, 0, myWidth);
}

#if defined(__x86_64__)
SIMD_AVX2 void PaletteConvertAvx2(const PaletteTable& myTable, const uint8_t* myPixels, int myPitch,
                                  int myWidth, int myHeight, uint32_t* myOut, int myOutPitch) {
    const int* myColours = reinterpret_cast<const int*>(myTable.mPixel);
    const int myWide = myWidth & ~15;
    for (int myY = 0; myY < myHeight; ++myY) {
        const uint8_t* mySource = myPixels + static_cast<ptrdiff_t>(myY) * myPitch;
        uint32_t* myDest = myOut + static_cast<ptrdiff_t>(myY) * myOutPitch;
        for (int myX = 0; myX < myWide; myX += 16) {
            const __m128i myIndices = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mySource + myX));
            const __m256i myFirst = _mm256_i32gather_epi32(myColours, _mm256_cvtepu8_epi32(myIndices), 4);
            const __m256i mySecond =
                _mm256_i32gather_epi32(myColours, _mm256_cvtepu8_epi32(_mm_srli_si128(myIndices, 8)), 4);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(myDest + myX), myFirst);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(myDest + myX + 8), mySecond);
        }
        PaletteConvertRow(myTable, mySource, myDest, myWide, myWidth);
    }
}

// The byte lookups give each colour of 64 pixels in its own register; interleaving them makes pixels, but the
// interleaving instructions work within 128-bit lanes, so the 64 indices are first reordered: byte 16l + 4k +
// e takes pixel 16k + 4l + e, and pixel groups come out of the interleaving in their order.
struct PaletteWideTable {
    __m512i mOrder;
    SimdByteTable mLow, mMiddle, mHigh;
};

SIMD_VBMI PaletteWideTable PaletteWide(const PaletteTable& myTable) {
    alignas(64) uint8_t myReorder[64];
    for (int myByte = 0; myByte < 64; ++myByte)
        myReorder[myByte] =
            static_cast<uint8_t>((myByte & 3) | (myByte >> 4) << 2 | ((myByte >> 2) & 3) << 4);
    return {_mm512_load_si512(myReorder), SimdByteTableLoad(myTable.mLow), SimdByteTableLoad(myTable.mMiddle),
            SimdByteTableLoad(myTable.mHigh)};
}

// 64 pixels at mySource as four registers of 16 32-bit pixels each, in their order.
SIMD_VBMI inline void PaletteLook64(const PaletteWideTable& myWide, const uint8_t* mySource,
                                    __m512i* myPixels) {
    const __m512i myIndices =
        _mm512_maskz_permutexvar_epi8(~__mmask64(0), myWide.mOrder, _mm512_loadu_si512(mySource));
    const __m512i myA = SimdLookUp(myWide.mLow, myIndices);
    const __m512i myB = SimdLookUp(myWide.mMiddle, myIndices);
    const __m512i myC = SimdLookUp(myWide.mHigh, myIndices);
    const __m512i myOpaque = _mm512_set1_epi8(-1);
    const __m512i myFirstPairs = _mm512_unpacklo_epi8(myA, myB);
    const __m512i mySecondPairs = _mm512_unpackhi_epi8(myA, myB);
    const __m512i myFirstHigh = _mm512_unpacklo_epi8(myC, myOpaque);
    const __m512i mySecondHigh = _mm512_unpackhi_epi8(myC, myOpaque);
    myPixels[0] = _mm512_unpacklo_epi16(myFirstPairs, myFirstHigh);
    myPixels[1] = _mm512_unpackhi_epi16(myFirstPairs, myFirstHigh);
    myPixels[2] = _mm512_unpacklo_epi16(mySecondPairs, mySecondHigh);
    myPixels[3] = _mm512_unpackhi_epi16(mySecondPairs, mySecondHigh);
}

// 16 pixels into myDest; streamed past the caches when myStream is set (myDest 64-byte aligned).
template <bool myStream> SIMD_VBMI inline void PaletteStore16(uint32_t* myDest, __m512i myPixels) {
    if constexpr (myStream)
        _mm512_stream_si512(reinterpret_cast<__m512i*>(myDest), myPixels);
    else
        _mm512_storeu_si512(myDest, myPixels);
}

template <bool myStream>
SIMD_VBMI inline void PaletteConvert64(const PaletteWideTable& myWide, const uint8_t* mySource,
                                       uint32_t* myDest) {
    __m512i myPixels[4];
    PaletteLook64(myWide, mySource, myPixels);
    for (int myPart = 0; myPart < 4; ++myPart)
        PaletteStore16<myStream>(myDest + 16 * myPart, myPixels[myPart]);
}

// A conversion of a whole picture is written past the caches: the window's pixels are cold by then (the X
// server has read them since), so reading each line in before overwriting it costs as much as the writing,
// and the caches would only lose what the program needs. Measured in a live window at 1920 x 1080: 0.45 ms a
// picture against 0.76. A brush's band of rows is written through the caches, which keep it.
constexpr size_t kPaletteStreamBytes = size_t(4) << 20;

SIMD_VBMI void PaletteConvertVbmi(const PaletteTable& myTable, const uint8_t* myPixels, int myPitch,
                                  int myWidth, int myHeight, uint32_t* myOut, int myOutPitch) {
    const PaletteWideTable myWide = PaletteWide(myTable);
    const bool myStream = size_t(myWidth) * myHeight * 4 >= kPaletteStreamBytes;
    for (int myY = 0; myY < myHeight; ++myY) {
        const uint8_t* mySource = myPixels + static_cast<ptrdiff_t>(myY) * myPitch;
        uint32_t* myDest = myOut + static_cast<ptrdiff_t>(myY) * myOutPitch;
        int myX = 0;
        if (myStream) {
            // Streamed stores need whole cache lines: the row's first pixels up to one are converted plainly.
            const int myHead = static_cast<int>((64 - (reinterpret_cast<uintptr_t>(myDest) & 63)) & 63) / 4;
            myX = myHead < myWidth ? myHead : myWidth;
            PaletteConvertRow(myTable, mySource, myDest, 0, myX);
            for (; myX + 64 <= myWidth; myX += 64)
                PaletteConvert64<true>(myWide, mySource + myX, myDest + myX);
        } else {
            for (; myX + 64 <= myWidth; myX += 64)
                PaletteConvert64<false>(myWide, mySource + myX, myDest + myX);
        }
        PaletteConvertRow(myTable, mySource, myDest, myX, myWidth);
    }
    if (myStream) _mm_sfence();
}
#endif

// Which entries show another colour now than under the palette a window's pixels were converted with.
struct PaletteChanges {
    bool mAny = false;
    bool mEntry[kPaletteSize];
    // The same as bits for the vector lookup: byte myHigh of mBitsLow has bit myBit set when entry
    // 16 * myHigh + myBit changed, of mBitsHigh when entry 16 * myHigh + 8 + myBit did.
    alignas(16) uint8_t mBitsLow[16] = {};
    alignas(16) uint8_t mBitsHigh[16] = {};
};

PaletteChanges PaletteChangesSince(const PaletteEntry* myShown) {
    PaletteChanges myChanges;
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex) {
        const PaletteEntry &myNow = gPalette[myIndex], &myThen = myShown[myIndex];
        const bool myChanged =
            myNow.mRed != myThen.mRed || myNow.mGreen != myThen.mGreen || myNow.mBlue != myThen.mBlue;
        myChanges.mEntry[myIndex] = myChanged;
        myChanges.mAny = myChanges.mAny || myChanged;
        if (!myChanged) continue;
        uint8_t* myBits = (myIndex & 8) ? myChanges.mBitsHigh : myChanges.mBitsLow;
        myBits[myIndex >> 4] = static_cast<uint8_t>(myBits[myIndex >> 4] | 1 << (myIndex & 7));
    }
    return myChanges;
}

// A run of 16 pixels (a cache line of the window's pixels) is written whole when any of its pixels changed
// colour, and left alone otherwise.
constexpr int kPaletteRun = 16;

bool PaletteRunChanged(const PaletteChanges& myChanges, const uint8_t* mySource, int myCount) {
    for (int myX = 0; myX < myCount; ++myX)
        if (myChanges.mEntry[mySource[myX]]) return true;
    return false;
}

bool PaletteConvertChangedRowPlain(const PaletteTable& myTable, const PaletteChanges& myChanges,
                                   const uint8_t* mySource, uint32_t* myDest, int myFrom, int myWidth) {
    bool myWrote = false;
    for (int myX = myFrom; myX < myWidth; myX += kPaletteRun) {
        const int myEnd = myX + kPaletteRun < myWidth ? myX + kPaletteRun : myWidth;
        if (!PaletteRunChanged(myChanges, mySource + myX, myEnd - myX)) continue;
        PaletteConvertRow(myTable, mySource, myDest, myX, myEnd);
        myWrote = true;
    }
    return myWrote;
}

#if defined(__x86_64__)
// Sixteen indices tested at once: the index's high four bits pick a byte of the bit tables, its low four
// bits the table and the bit in that byte.
SIMD_AVX2 bool PaletteConvertChangedRowAvx2(const PaletteTable& myTable, const PaletteChanges& myChanges,
                                            const uint8_t* mySource, uint32_t* myDest, int myWidth) {
    const int* myColours = reinterpret_cast<const int*>(myTable.mPixel);
    const __m128i myBitsLow = _mm_load_si128(reinterpret_cast<const __m128i*>(myChanges.mBitsLow));
    const __m128i myBitsHigh = _mm_load_si128(reinterpret_cast<const __m128i*>(myChanges.mBitsHigh));
    const __m128i myBit = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
    const __m128i myNibble = _mm_set1_epi8(0x0F);
    const __m128i mySeven = _mm_set1_epi8(7);
    bool myWrote = false;
    int myX = 0;
    for (; myX + kPaletteRun <= myWidth; myX += kPaletteRun) {
        const __m128i myIndices = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mySource + myX));
        const __m128i myHighNibble = _mm_and_si128(_mm_srli_epi16(myIndices, 4), myNibble);
        const __m128i myLowNibble = _mm_and_si128(myIndices, myNibble);
        const __m128i myBits =
            _mm_blendv_epi8(_mm_shuffle_epi8(myBitsLow, myHighNibble),
                            _mm_shuffle_epi8(myBitsHigh, myHighNibble), _mm_cmpgt_epi8(myLowNibble, mySeven));
        const __m128i myHits = _mm_and_si128(myBits, _mm_shuffle_epi8(myBit, myLowNibble));
        if (_mm_testz_si128(myHits, myHits)) continue;
        const __m256i myFirst = _mm256_i32gather_epi32(myColours, _mm256_cvtepu8_epi32(myIndices), 4);
        const __m256i mySecond =
            _mm256_i32gather_epi32(myColours, _mm256_cvtepu8_epi32(_mm_srli_si128(myIndices, 8)), 4);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(myDest + myX), myFirst);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(myDest + myX + 8), mySecond);
        myWrote = true;
    }
    return PaletteConvertChangedRowPlain(myTable, myChanges, mySource, myDest, myX, myWidth) || myWrote;
}

// 64 indices tested at once through a byte table of the changed entries; each of the four runs of 16 that
// holds a changed colour is written, streamed past the caches where the row's pixels allow.
SIMD_VBMI bool PaletteConvertChangedRowVbmi(const PaletteTable& myTable, const PaletteWideTable& myWide,
                                            const SimdByteTable& myChangedBytes,
                                            const PaletteChanges& myChanges, const uint8_t* mySource,
                                            uint32_t* myDest, int myWidth) {
    const bool myStream = (reinterpret_cast<uintptr_t>(myDest) & 63) == 0;
    bool myWrote = false;
    int myX = 0;
    for (; myX + 64 <= myWidth; myX += 64) {
        const __m512i myIndices = _mm512_loadu_si512(mySource + myX);
        const uint64_t myHits = _mm512_movepi8_mask(SimdLookUp(myChangedBytes, myIndices));
        if (!myHits) continue;
        __m512i myPixels[4];
        PaletteLook64(myWide, mySource + myX, myPixels);
        for (int myPart = 0; myPart < 4; ++myPart) {
            if (!(myHits >> (16 * myPart) & 0xFFFFu)) continue;
            if (myStream)
                PaletteStore16<true>(myDest + myX + 16 * myPart, myPixels[myPart]);
            else
                PaletteStore16<false>(myDest + myX + 16 * myPart, myPixels[myPart]);
        }
        myWrote = true;
    }
    return PaletteConvertChangedRowPlain(myTable, myChanges, mySource, myDest, myX, myWidth) || myWrote;
}

SIMD_VBMI int PaletteConvertChangedVbmi(const PaletteTable& myTable, const PaletteChanges& myChanges,
                                        const uint8_t* myPixels, int myPitch, int myWidth, int myHeight,
                                        uint32_t* myOut, int myOutPitch, uint8_t* myRowsWritten) {
    const PaletteWideTable myWide = PaletteWide(myTable);
    alignas(64) uint8_t myChangedEntries[kPaletteSize];
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        myChangedEntries[myIndex] = myChanges.mEntry[myIndex] ? 0x80 : 0;
    const SimdByteTable myChangedBytes = SimdByteTableLoad(myChangedEntries);
    int myWritten = 0;
    for (int myY = 0; myY < myHeight; ++myY) {
        const bool myWrote = PaletteConvertChangedRowVbmi(
            myTable, myWide, myChangedBytes, myChanges, myPixels + static_cast<ptrdiff_t>(myY) * myPitch,
            myOut + static_cast<ptrdiff_t>(myY) * myOutPitch, myWidth);
        myRowsWritten[myY] = myWrote;
        myWritten += myWrote;
    }
    _mm_sfence();
    return myWritten;
}
#endif
} // namespace

bool PaletteWayAvailable(PaletteWay myWay) {
    switch (myWay) {
    case kPaletteWayAvx2:
        return SimdHasAvx2();
    case kPaletteWayVbmi:
        return SimdHasVbmi();
    default:
        return true;
    }
}

PaletteWay PaletteBestWay() {
    return SimdHasVbmi() ? kPaletteWayVbmi : SimdHasAvx2() ? kPaletteWayAvx2 : kPaletteWayPlain;
}

const char* PaletteWayName(PaletteWay myWay) {
    switch (myWay) {
    case kPaletteWayPlain:
        return "plain";
    case kPaletteWayAvx2:
        return "AVX2";
    case kPaletteWayVbmi:
        return "AVX-512 VBMI";
    default:
        return PaletteWayName(PaletteBestWay());
    }
}

void PaletteConvert(const uint8_t* myPixels, int myPitch, int myWidth, int myHeight, uint32_t* myOut,
                    int myOutPitchPixels, PaletteOrder myOrder, PaletteWay myWay) {
    const PaletteTable& myTable = PaletteTableOf(myOrder);
    if (myWay == kPaletteWayBest || !PaletteWayAvailable(myWay)) myWay = PaletteBestWay();
#if defined(__x86_64__)
    if (myWay == kPaletteWayVbmi) {
        PaletteConvertVbmi(myTable, myPixels, myPitch, myWidth, myHeight, myOut, myOutPitchPixels);
        return;
    }
    if (myWay == kPaletteWayAvx2) {
        PaletteConvertAvx2(myTable, myPixels, myPitch, myWidth, myHeight, myOut, myOutPitchPixels);
        return;
    }
#endif
    PaletteConvertPlain(myTable, myPixels, myPitch, myWidth, myHeight, myOut, myOutPitchPixels);
}

void PaletteConvertResetState() {
    for (PaletteTable& myTable : sTables)
        myTable.mSerial = ~0u;
}

int PaletteConvertChanged(const uint8_t* myPixels, int myPitch, int myWidth, int myHeight, uint32_t* myOut,
                          int myOutPitchPixels, const PaletteEntry* myShown, uint8_t* myRowsWritten,
                          PaletteOrder myOrder, PaletteWay myWay) {
    const PaletteChanges myChanges = PaletteChangesSince(myShown);
    if (!myChanges.mAny) {
        std::fill_n(myRowsWritten, myHeight > 0 ? myHeight : 0, uint8_t(0));
        return 0;
    }
    const PaletteTable& myTable = PaletteTableOf(myOrder);
    if (myWay == kPaletteWayBest || !PaletteWayAvailable(myWay)) myWay = PaletteBestWay();
#if defined(__x86_64__)
    if (myWay == kPaletteWayVbmi)
        return PaletteConvertChangedVbmi(myTable, myChanges, myPixels, myPitch, myWidth, myHeight, myOut,
                                         myOutPitchPixels, myRowsWritten);
#endif
    int myWritten = 0;
    for (int myY = 0; myY < myHeight; ++myY) {
        const uint8_t* mySource = myPixels + static_cast<ptrdiff_t>(myY) * myPitch;
        uint32_t* myDest = myOut + static_cast<ptrdiff_t>(myY) * myOutPitchPixels;
        bool myWrote = false;
#if defined(__x86_64__)
        if (myWay == kPaletteWayAvx2)
            myWrote = PaletteConvertChangedRowAvx2(myTable, myChanges, mySource, myDest, myWidth);
        else
#endif
            myWrote = PaletteConvertChangedRowPlain(myTable, myChanges, mySource, myDest, 0, myWidth);
        myRowsWritten[myY] = myWrote;
        myWritten += myWrote;
    }
    return myWritten;
}
