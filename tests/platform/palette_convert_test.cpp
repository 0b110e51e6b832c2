// Every way of converting pictures through the palette gives the plain loop's pixels, bit for bit, at any
// width, pitch and alignment, in both pixel orders, and written past the caches too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/palette.h"

namespace {
constexpr uint32_t kUntouched = 0x12345678u;

void RandomPalette(std::mt19937& myRandom) {
    PaletteEntry myEntries[kPaletteSize];
    for (PaletteEntry& myEntry : myEntries)
        myEntry = {uint8_t(myRandom()), uint8_t(myRandom()), uint8_t(myRandom()), 0};
    PaletteSet(0, kPaletteSize, myEntries);
}

// Converts with myWay into a buffer with one pixel of room before each row (so rows start unaligned when
// myShift is 1) and a sentinel after the width.
std::vector<uint32_t> Converted(const std::vector<uint8_t>& myPixels, int myPitch, int myWidth, int myHeight,
                                PaletteOrder myOrder, PaletteWay myWay, int myShift) {
    const int myOutPitch = myWidth + 3;
    std::vector<uint32_t> myOut(static_cast<size_t>(myOutPitch) * myHeight + 2, kUntouched);
    PaletteConvert(myPixels.data(), myPitch, myWidth, myHeight, myOut.data() + myShift, myOutPitch, myOrder,
                   myWay);
    return myOut;
}

std::vector<PaletteWay> VectorWays() {
    std::vector<PaletteWay> myWays;
    std::string myNames;
    for (PaletteWay myWay : {kPaletteWayAvx2, kPaletteWayVbmi}) {
        if (!PaletteWayAvailable(myWay)) continue;
        myWays.push_back(myWay);
        myNames += std::string(myNames.empty() ? "" : ", ") + PaletteWayName(myWay);
    }
    ::testing::Test::RecordProperty("vector_ways_compared", myNames.empty() ? "none" : myNames);
    return myWays;
}
// The first pixel of myBuffer on a 64-byte boundary (16 pixels of room before it are enough).
uint32_t* Aligned(uint32_t* myBuffer) {
    return myBuffer + ((64 - reinterpret_cast<uintptr_t>(myBuffer) % 64) % 64) / 4;
}

std::vector<std::pair<PaletteWay, int>> Combine(const std::vector<PaletteWay>& myWays,
                                                std::initializer_list<int> myShifts) {
    std::vector<std::pair<PaletteWay, int>> myPairs;
    for (PaletteWay myWay : myWays)
        for (int myShift : myShifts)
            myPairs.emplace_back(myWay, myShift);
    return myPairs;
}
} // namespace

TEST(PaletteConvert, EveryWayGivesThePlainLoopsPixels) {
    std::mt19937 myRandom(22);
    RandomPalette(myRandom);
    const std::vector<PaletteWay> myWays = VectorWays();
    // Widths around the vector steps (8, 16 and 64 pixels), a row or several, pitches with padding.
    for (int myWidth : {1, 7, 8, 15, 16, 17, 63, 64, 65, 127, 128, 130, 200, 333}) {
        for (int myHeight : {1, 3}) {
            const int myPitch = myWidth + myWidth % 5;
            std::vector<uint8_t> myPixels(static_cast<size_t>(myPitch) * myHeight);
            for (uint8_t& myPixel : myPixels)
                myPixel = static_cast<uint8_t>(myRandom());
            for (PaletteOrder myOrder : {kPaletteXRGB, kPaletteXBGR}) {
                for (int myShift : {0, 1}) {
                    const std::vector<uint32_t> myPlain =
                        Converted(myPixels, myPitch, myWidth, myHeight, myOrder, kPaletteWayPlain, myShift);
                    for (PaletteWay myWay : myWays)
                        ASSERT_EQ(Converted(myPixels, myPitch, myWidth, myHeight, myOrder, myWay, myShift),
                                  myPlain)
                            << PaletteWayName(myWay) << " at width " << myWidth << ", height " << myHeight
                            << ", order " << myOrder << ", shift " << myShift;
                }
            }
        }
    }
}

TEST(PaletteConvert, TheOrdersAndTheRowsEndsAreKept) {
    PaletteEntry myEntries[2] = {{0x11, 0x22, 0x33, 0}, {0xA0, 0xB0, 0xC0, 0}};
    PaletteSet(0, 2, myEntries);
    const std::vector<uint8_t> myPixels(70, 1);
    for (PaletteWay myWay : {kPaletteWayPlain, kPaletteWayAvx2, kPaletteWayVbmi}) {
        const std::vector<uint32_t> myRgb = Converted(myPixels, 70, 70, 1, kPaletteXRGB, myWay, 0);
        const std::vector<uint32_t> myBgr = Converted(myPixels, 70, 70, 1, kPaletteXBGR, myWay, 0);
        EXPECT_EQ(myRgb[69], 0xFFA0B0C0u) << PaletteWayName(myWay);
        EXPECT_EQ(myBgr[69], 0xFFC0B0A0u) << PaletteWayName(myWay);
        EXPECT_EQ(myRgb[70], kUntouched) << "nothing past the width";
    }
    // A palette change reaches the next conversion by every way.
    myEntries[1].mGreen = 0x01;
    PaletteSet(1, 1, &myEntries[1]);
    for (PaletteWay myWay : {kPaletteWayPlain, kPaletteWayAvx2, kPaletteWayVbmi})
        EXPECT_EQ(Converted(myPixels, 70, 70, 1, kPaletteXRGB, myWay, 0)[5], 0xFFA001C0u)
            << PaletteWayName(myWay);
}

TEST(PaletteConvert, AWholePictureWrittenPastTheCachesIsTheSame) {
    // Large enough to be written past the caches, with rows that start at every alignment.
    std::mt19937 myRandom(4096);
    RandomPalette(myRandom);
    constexpr int kWidth = 1925, kHeight = 700;
    std::vector<uint8_t> myPixels(static_cast<size_t>(kWidth) * kHeight);
    for (uint8_t& myPixel : myPixels)
        myPixel = static_cast<uint8_t>(myRandom());
    for (int myShift : {0, 1}) {
        const std::vector<uint32_t> myPlain =
            Converted(myPixels, kWidth, kWidth, kHeight, kPaletteXRGB, kPaletteWayPlain, myShift);
        for (PaletteWay myWay : VectorWays())
            EXPECT_TRUE(Converted(myPixels, kWidth, kWidth, kHeight, kPaletteXRGB, myWay, myShift) == myPlain)
                << PaletteWayName(myWay) << ", shift " << myShift;
    }
}

TEST(PaletteConvert, OnlyRunsWithAChangedColourAreWritten) {
    // Half the entries change colour (one only in its flags, which is no change). Each run of 16 pixels
    // holds one entry, at a place of its own, among pixels of an entry that keeps its colour: the run must
    // be written exactly when that entry changed, and then as a whole conversion writes it.
    std::mt19937 myRandom(7);
    RandomPalette(myRandom);
    PaletteEntry myShown[kPaletteSize], myEntries[kPaletteSize];
    std::copy(std::begin(gPalette), std::end(gPalette), myShown);
    std::copy(std::begin(gPalette), std::end(gPalette), myEntries);
    bool myChanged[kPaletteSize];
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex) {
        myChanged[myIndex] = myIndex != 0 && myRandom() % 2 == 0;
        if (myChanged[myIndex]) myEntries[myIndex].mBlue = static_cast<uint8_t>(myEntries[myIndex].mBlue + 1);
    }
    myEntries[0].mFlags = kPaletteReserved;
    constexpr int kWidth = 16 * kPaletteSize + 5, kHeight = 2;
    std::vector<uint8_t> myPixels(static_cast<size_t>(kWidth) * kHeight, 0);
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        myPixels[16 * myIndex + myIndex % 16] = static_cast<uint8_t>(myIndex);
    myPixels[kWidth - 2] = 3; // the row's last pixels, fewer than a run
    myChanged[3] = true;
    myEntries[3].mGreen = static_cast<uint8_t>(myEntries[3].mGreen ^ 1);
    PaletteSet(0, kPaletteSize, myEntries);
    for (PaletteOrder myOrder : {kPaletteXRGB, kPaletteXBGR}) {
        const std::vector<uint32_t> myWhole =
            Converted(myPixels, kWidth, kWidth, kHeight, myOrder, kPaletteWayPlain, 0);
        std::vector<PaletteWay> myWays = VectorWays();
        myWays.insert(myWays.begin(), kPaletteWayPlain);
        // Rows starting on a cache line (written past the caches) and a pixel off one.
        for (auto [myWay, myShift] : Combine(myWays, {0, 1})) {
            const int myOutPitch = kWidth + 3;
            std::vector<uint32_t> myBuffer(myWhole.size() + 32, kUntouched);
            uint32_t* myOut = Aligned(myBuffer.data()) + myShift;
            uint8_t myRows[kHeight];
            EXPECT_EQ(PaletteConvertChanged(myPixels.data(), kWidth, kWidth, kHeight, myOut, myOutPitch,
                                            myShown, myRows, myOrder, myWay),
                      1);
            EXPECT_EQ(myRows[0], 1);
            EXPECT_EQ(myRows[1], 0) << "a row whose colours stay is not written";
            for (int myIndex = 0; myIndex <= kPaletteSize; ++myIndex) {
                const int myRun = 16 * myIndex;
                const bool myWritten = myIndex == kPaletteSize || myChanged[myIndex];
                for (int myX = myRun; myX < std::min(myRun + 16, kWidth); ++myX)
                    ASSERT_EQ(myOut[myX], myWritten ? myWhole[myX] : kUntouched)
                        << PaletteWayName(myWay) << ", shift " << myShift << ", order " << myOrder
                        << ", entry " << myIndex << " at " << myX;
            }
            EXPECT_EQ(PaletteConvertChanged(myPixels.data(), kWidth, kWidth, kHeight, myOut, myOutPitch,
                                            gPalette, myRows, myOrder, myWay),
                      0)
                << "nothing changed since";
        }
    }
}
