// The picture codings read by hand: streams assembled from the token table, not from any encoder.
#include <gtest/gtest.h>

#include <vector>

#include "storage/decode.h"

namespace {

// A surface whose pixels start with the stream, as the loaders lay it out before decoding.
Surface StreamSurface(int myWidth, int myHeight, const std::vector<uint8_t>& myStream, int myPitch = 0) {
    Surface mySurface;
    mySurface.mWidth = myWidth;
    mySurface.mHeight = myHeight;
    mySurface.mPitch = myPitch ? myPitch : myWidth;
    mySurface.mPixels.assign(static_cast<size_t>(mySurface.mPitch) * myHeight, 0xEE);
    std::copy(myStream.begin(), myStream.end(), mySurface.mPixels.begin());
    return mySurface;
}

std::vector<uint8_t> RowOf(const Surface& mySurface, int myRow, int myWidth) {
    return std::vector<uint8_t>(mySurface.Row(myRow), mySurface.Row(myRow) + myWidth);
}

std::vector<uint8_t> Decode(int myWidth, const std::vector<uint8_t>& myStream, bool* myWhole = nullptr) {
    Surface mySurface = StreamSurface(myWidth, 1, myStream);
    const bool myResult = BitmapDecodePixels(mySurface, static_cast<int32_t>(myStream.size()), myWidth, 1);
    if (myWhole) *myWhole = myResult;
    return RowOf(mySurface, 0, myWidth);
}

} // namespace

TEST(DecodePixels, LiteralsAndRuns) {
    EXPECT_EQ(Decode(4, {0, 21, 200, 255}), (std::vector<uint8_t>{0, 21, 200, 255}));
    // Code 201 repeats its value 3 times, 254 repeats it 56 times.
    EXPECT_EQ(Decode(4, {50, 201, 21}), (std::vector<uint8_t>{50, 50, 50, 21}));
    const std::vector<uint8_t> myRun = Decode(57, {90, 254, 21});
    EXPECT_EQ(std::count(myRun.begin(), myRun.begin() + 56, 90), 56);
    EXPECT_EQ(myRun[56], 21);
}

TEST(DecodePixels, OneBitGroups) {
    // Code 1: four pixels; the rightmost pixel takes bit 0.
    EXPECT_EQ(Decode(4, {0b0101, 30, 1}), (std::vector<uint8_t>{30, 31, 30, 31}));
    // Code 5: eight pixels from one byte.
    EXPECT_EQ(Decode(8, {0b10000001, 40, 5}), (std::vector<uint8_t>{41, 40, 40, 40, 40, 40, 40, 41}));
    // Code 6: ten pixels from two bytes, low byte first; code 10: fourteen.
    EXPECT_EQ(Decode(10, {0x01, 0x02, 60, 6}),
              (std::vector<uint8_t>{61, 60, 60, 60, 60, 60, 60, 60, 60, 61}));
    std::vector<uint8_t> myFourteen(14, 70);
    myFourteen[0] = 71;
    EXPECT_EQ(Decode(14, {0x00, 0x20, 70, 10}), myFourteen);
}

TEST(DecodePixels, TwoBitGroups) {
    // Code 11: four pixels, two bits each, one byte.
    EXPECT_EQ(Decode(4, {0b00011011, 100, 11}), (std::vector<uint8_t>{100, 101, 102, 103}));
    // Code 15: eight pixels from two bytes.
    EXPECT_EQ(Decode(8, {0b11100100, 0b00000011, 22, 15}),
              (std::vector<uint8_t>{22, 22, 22, 25, 25, 24, 23, 22}));
    // Code 16: ten pixels from three bytes; code 20: fourteen from four.
    std::vector<uint8_t> myTen(10, 150);
    myTen[0] = 153;
    EXPECT_EQ(Decode(10, {0x00, 0x00, 0x0C, 150, 16}), myTen);
    std::vector<uint8_t> myFourteen(14, 120);
    myFourteen[0] = 122;
    myFourteen[13] = 121;
    EXPECT_EQ(Decode(14, {0x01, 0x00, 0x00, 0x08, 120, 20}), myFourteen);
}

TEST(DecodePixels, RowsSkipThePaddingOfTheirSurface) {
    // Two rows of three pixels in a surface five pixels wide.
    Surface mySurface = StreamSurface(3, 2, {21, 22, 23, 24, 201}, 5);
    EXPECT_TRUE(BitmapDecodePixels(mySurface, 5, 3, 2));
    EXPECT_EQ(RowOf(mySurface, 0, 3), (std::vector<uint8_t>{21, 22, 23}));
    EXPECT_EQ(RowOf(mySurface, 1, 3), (std::vector<uint8_t>{24, 24, 24}));
}

TEST(DecodePixels, DamagedStreamsStayInsideThePicture) {
    bool myWhole = true;
    // Too short: the pixels it does not reach become black.
    EXPECT_EQ(Decode(4, {21, 22}, &myWhole), (std::vector<uint8_t>{0, 0, 21, 22}));
    EXPECT_FALSE(myWhole);
    // A group whose bytes are missing at the start of the stream.
    Decode(4, {30, 1}, &myWhole);
    EXPECT_FALSE(myWhole);
    // Runs longer than the picture stop at its first pixel.
    EXPECT_EQ(Decode(2, {33, 254}, &myWhole), (std::vector<uint8_t>{33, 33}));
    EXPECT_FALSE(myWhole);
    // More bytes than the surface holds is refused outright.
    Surface mySurface = StreamSurface(2, 1, {21, 22});
    EXPECT_FALSE(BitmapDecodePixels(mySurface, 3, 2, 1));
    EXPECT_FALSE(BitmapDecodePixels(mySurface, 2, 3, 1));
}

TEST(DecodeMask, RowsWithAndWithoutTheEscapeMarker) {
    Surface mySurface;
    ASSERT_TRUE(SurfaceCreate(mySurface, 24, 2));
    // Row 0 has no marker: its 255 is eight opaque pixels. Row 1 ends with the marker: "0, 255" is a run of
    // eight opaque pixels, "1, 0" sixteen clear ones.
    const std::vector<uint8_t> myStream = {0b10100000, 255, 0x0F, 1, 0, 0, 255, 255};
    EXPECT_TRUE(
        BitmapDecodeMask(mySurface, myStream.data(), static_cast<int32_t>(myStream.size()), 24, 2, false));
    std::vector<uint8_t> myRow0(24, 0);
    myRow0[0] = myRow0[2] = 255;
    for (int x = 8; x < 16; ++x)
        myRow0[x] = 255;
    for (int x = 20; x < 24; ++x)
        myRow0[x] = 255;
    EXPECT_EQ(RowOf(mySurface, 0, 24), myRow0);
    std::vector<uint8_t> myRow1(24, 0);
    for (int x = 16; x < 24; ++x)
        myRow1[x] = 255;
    EXPECT_EQ(RowOf(mySurface, 1, 24), myRow1);
}

TEST(DecodeMask, UncompressedRowsAndNarrowSurfaces) {
    Surface mySurface;
    ASSERT_TRUE(SurfaceCreate(mySurface, 10, 2));
    // Ten pixels are stored as two bytes a row; the surface keeps the ten it has room for.
    const std::vector<uint8_t> myBits = {0b10000000, 0b01000000, 0b00000001, 0b11000000};
    EXPECT_TRUE(BitmapDecodeMask(mySurface, myBits.data(), 4, 10, 2, true));
    EXPECT_EQ(RowOf(mySurface, 0, 10), (std::vector<uint8_t>{255, 0, 0, 0, 0, 0, 0, 0, 0, 255}));
    EXPECT_EQ(RowOf(mySurface, 1, 10), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 255, 255, 255}));
    // Missing rows are reported and stay clear.
    EXPECT_FALSE(BitmapDecodeMask(mySurface, myBits.data(), 2, 10, 2, true));
    EXPECT_EQ(RowOf(mySurface, 1, 10), std::vector<uint8_t>(10, 0));
}

TEST(DecodeMask, DamagedRowsNeverOverrun) {
    Surface mySurface;
    ASSERT_TRUE(SurfaceCreate(mySurface, 8, 3));
    // A run far longer than the row, and too few bytes for three rows.
    const std::vector<uint8_t> myStream = {200, 0};
    EXPECT_FALSE(BitmapDecodeMask(mySurface, myStream.data(), 2, 8, 3, false));
    const std::vector<uint8_t> myLone = {0};
    EXPECT_FALSE(BitmapDecodeMask(mySurface, myLone.data(), 1, 8, 1, false));
}

TEST(DecodeMoveIcon, RunsOfBlackAndSinglePixels) {
    // Each row: 22 black pixels (41), then 5 and 250.
    std::vector<uint8_t> myStream;
    for (int y = 0; y < 24; ++y)
        myStream.insert(myStream.end(), {41, 5, 250});
    Surface mySurface = StreamSurface(24, 24, myStream);
    EXPECT_TRUE(LoadDecodeMoveIcon(mySurface, static_cast<int32_t>(myStream.size())));
    std::vector<uint8_t> myRow(24, 0);
    myRow[22] = 5;
    myRow[23] = 250;
    EXPECT_EQ(RowOf(mySurface, 0, 24), myRow);
    EXPECT_EQ(RowOf(mySurface, 23, 24), myRow);
    // The longest run, 181 black pixels, spans rows when a stream says so, and a short stream is reported.
    Surface myShort = StreamSurface(24, 24, {200});
    EXPECT_FALSE(LoadDecodeMoveIcon(myShort, 1));
    EXPECT_EQ(RowOf(myShort, 23, 24), std::vector<uint8_t>(24, 0));
}

TEST(DecodeIcon, ReductionPrefersTheRightPixelOverTransparentAndRemapsColours) {
    Surface mySurface = StreamSurface(4, 2, {255, 30, 40, 50, 1, 1, 1, 1});
    LoadReduceIcon(mySurface, 4, 2);
    EXPECT_EQ(RowOf(mySurface, 0, 2), (std::vector<uint8_t>{30, 40}));

    Surface myBrush = StreamSurface(4, 1, {21, 110, 111, 0});
    LoadRemapIcon(myBrush, 4, 1, false);
    EXPECT_EQ(RowOf(myBrush, 0, 4), (std::vector<uint8_t>{201, 245, 111, 0}));
    Surface myFill = StreamSurface(4, 1, {21, 111, 200, 255});
    LoadRemapIcon(myFill, 4, 1, true);
    EXPECT_EQ(RowOf(myFill, 0, 4), (std::vector<uint8_t>{21, 201, 245, 255}));
}
