// Row compression checked against the visualizer's own decoders: every token form and random rows.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "converter/compress.h"
#include "storage/decode.h"

namespace {

// Compresses the rows and decodes them back through the loader's decoder; myStream receives the bytes.
std::vector<uint8_t> TestRoundTrip(const std::vector<uint8_t>& myPixels, int myWidth,
                                   std::vector<uint8_t>* myStream) {
    const int myHeight = static_cast<int>(myPixels.size() / myWidth);
    myStream->clear();
    for (int y = 0; y < myHeight; ++y)
        EXPECT_TRUE(
            ConvertCompressRow(myPixels.data() + static_cast<size_t>(y) * myWidth, myWidth, *myStream));
    EXPECT_LE(myStream->size(), myPixels.size()); // the decoder works in place: no token outgrows its pixels
    Surface mySurface;
    EXPECT_TRUE(SurfaceCreate(mySurface, myWidth, myHeight));
    std::memcpy(mySurface.mPixels.data(), myStream->data(), myStream->size());
    EXPECT_TRUE(BitmapDecodePixels(mySurface, static_cast<int32_t>(myStream->size()), myWidth, myHeight));
    std::vector<uint8_t> myOut;
    for (int y = 0; y < myHeight; ++y)
        myOut.insert(myOut.end(), mySurface.Row(y), mySurface.Row(y) + myWidth);
    return myOut;
}

std::vector<uint8_t> TestMaskRoundTrip(const std::vector<uint8_t>& myFlags, int myWidth,
                                       std::vector<uint8_t>* myStream) {
    const int myHeight = static_cast<int>(myFlags.size() / myWidth), myBytes = (myWidth + 7) / 8;
    std::vector<uint8_t> myPacked(myBytes);
    myStream->clear();
    for (int y = 0; y < myHeight; ++y) {
        ConvertPackMaskRow(myFlags.data() + static_cast<size_t>(y) * myWidth, myWidth, myPacked.data());
        ConvertCompressMaskRow(myPacked.data(), myBytes, *myStream);
    }
    Surface mySurface;
    EXPECT_TRUE(SurfaceCreate(mySurface, myBytes * 8, myHeight));
    EXPECT_TRUE(BitmapDecodeMask(mySurface, myStream->data(), static_cast<int32_t>(myStream->size()), myWidth,
                                 myHeight, false));
    std::vector<uint8_t> myOut;
    for (int y = 0; y < myHeight; ++y)
        for (int x = 0; x < myWidth; ++x)
            myOut.push_back(mySurface.Row(y)[x] ? 1 : 0);
    return myOut;
}

std::vector<uint8_t> TestConcat(std::initializer_list<std::pair<int, int>> myRuns) {
    std::vector<uint8_t> myRow;
    for (auto [myCount, myValue] : myRuns)
        myRow.insert(myRow.end(), myCount, static_cast<uint8_t>(myValue));
    return myRow;
}

} // namespace

TEST(ConvertCompress, RunsAndMergedRunsTakeTheirTokens) {
    const std::pair<std::vector<uint8_t>, std::vector<uint8_t>> myCases[] = {
        {TestConcat({{3, 40}}), {40, 201}},
        {TestConcat({{56, 40}}), {40, 254}},
        {TestConcat({{57, 40}}), {40, 254, 40}},              // a longer run is split
        {TestConcat({{2, 50}, {1, 90}}), {50, 50, 90}},       // two equal pixels stay literals
        {TestConcat({{3, 70}, {5, 71}}), {0x1F, 70, 5}},      // runs one apart: one group, high value = 1
        {TestConcat({{3, 70}, {3, 72}}), {70, 201, 72, 201}}, // two apart: two runs
        {TestConcat({{5, 70}, {5, 71}}), {70, 203, 71, 203}}, // ten pixels: no longer one group of 8
    };
    for (const auto& [myRow, myExpected] : myCases) {
        std::vector<uint8_t> myStream;
        EXPECT_EQ(TestRoundTrip(myRow, static_cast<int>(myRow.size()), &myStream), myRow);
        EXPECT_EQ(myStream, myExpected) << myRow.size();
    }
}

TEST(ConvertCompress, PackedGroupsOfEverySizeDecodeExactly) {
    for (int myCount = 4; myCount <= 14; ++myCount)
        for (int myBits = 1; myBits <= 2; ++myBits) {
            std::vector<uint8_t> myRow;
            for (int i = 0; i < myCount; ++i)
                myRow.push_back(static_cast<uint8_t>(60 + (myBits == 1 ? i % 2 : (i * 3 + i / 2) % 4)));
            myRow.push_back(150); // a far value ends the group
            std::vector<uint8_t> myStream;
            EXPECT_EQ(TestRoundTrip(myRow, myCount + 1, &myStream), myRow) << myCount;
            const int myPacked = myCount == 9 ? 8 : myCount; // no code carries nine
            const int myCode = myBits == 1 ? (myPacked <= 8 ? myPacked - 3 : myPacked - 4)
                                           : (myPacked <= 8 ? myPacked + 7 : myPacked + 6);
            EXPECT_NE(std::find(myStream.begin(), myStream.end(), myCode), myStream.end()) << myCount;
        }
}

TEST(ConvertCompress, RandomRowsRoundTrip) {
    std::mt19937 myRandom(20261208);
    auto myValid = [&] {
        const int myPick = static_cast<int>(myRandom() % 182);
        return static_cast<uint8_t>(myPick == 0 ? 0 : myPick == 181 ? 255 : 20 + myPick);
    };
    for (int myTrial = 0; myTrial < 300; ++myTrial) {
        const int myWidth = 1 + static_cast<int>(myRandom() % 130);
        std::vector<uint8_t> myPixels(static_cast<size_t>(myWidth) * (1 + myRandom() % 4));
        // Noise, near values and repeats mixed, so that every token form meets every other.
        uint8_t myValue = myValid();
        for (uint8_t& myPixel : myPixels) {
            const unsigned myKind = myRandom() % 4;
            if (myKind == 0) myValue = myValid();
            if (myKind == 1)
                myValue = static_cast<uint8_t>(std::clamp(myValue + int(myRandom() % 7) - 3, 21, 200));
            myPixel = myValue;
        }
        std::vector<uint8_t> myStream;
        EXPECT_EQ(TestRoundTrip(myPixels, myWidth, &myStream), myPixels) << "trial " << myTrial;
    }
}

TEST(ConvertCompress, ALoneValueThatIsACodeIsRefusedWithoutHalfARow) {
    std::vector<uint8_t> myStream{9};
    const uint8_t myRow[3] = {40, 201, 40};
    EXPECT_FALSE(ConvertCompressRow(myRow, 3, myStream));
    EXPECT_EQ(myStream, (std::vector<uint8_t>{9}));
}

TEST(ConvertCompressMask, MarkerOnlyWhereA255WouldEndTheRowOrRunsPay) {
    const std::pair<std::vector<uint8_t>, std::vector<uint8_t>> myCases[] = {
        {TestConcat({{33, 0}, {1, 1}, {4, 0}, {1, 1}, {25, 0}}), {3, 0, 0x42, 2, 0}},
        {TestConcat({{8, 0}, {56, 1}}), {0, 0, 6, 255, 255}},
        {TestConcat({{8, 0}, {8, 1}}), {0, 0, 0, 255, 255}}, // a literal 255 would be read as the marker
        {TestConcat({{8, 1}, {15, 0}, {1, 1}}), {255, 0, 0, 0x01}},
    };
    for (const auto& [myFlags, myExpected] : myCases) {
        std::vector<uint8_t> myStream;
        EXPECT_EQ(TestMaskRoundTrip(myFlags, static_cast<int>(myFlags.size()), &myStream), myFlags);
        EXPECT_EQ(myStream, myExpected) << myFlags.size();
    }
}

TEST(ConvertCompressMask, UnusedBitsJoinARunOf255) {
    std::vector<uint8_t> myFlags(13, 1);
    uint8_t myPacked[2];
    ConvertPackMaskRow(myFlags.data(), 13, myPacked);
    EXPECT_EQ(myPacked[1], 255);
    myFlags[8] = 0; // top bit clear: nothing is filled
    ConvertPackMaskRow(myFlags.data(), 13, myPacked);
    EXPECT_EQ(myPacked[1], 0x78);
}

TEST(ConvertCompressMask, RandomMasksRoundTrip) {
    std::mt19937 myRandom(4242);
    for (int myTrial = 0; myTrial < 200; ++myTrial) {
        const int myWidth = 1 + static_cast<int>(myRandom() % 300);
        std::vector<uint8_t> myFlags(static_cast<size_t>(myWidth) * (1 + myRandom() % 5));
        uint8_t myValue = 0;
        for (uint8_t& myFlag : myFlags) {
            if (myRandom() % 23 == 0) myValue ^= 1;
            myFlag = myRandom() % 40 == 0 ? !myValue : myValue;
        }
        std::vector<uint8_t> myStream;
        EXPECT_EQ(TestMaskRoundTrip(myFlags, myWidth, &myStream), myFlags) << "trial " << myTrial;
    }
}
