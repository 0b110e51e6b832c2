// Bitmaps made in the test, converted, and loaded back through the visualizer's decoders.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>

#include "converter/color_map.h"
#include "converter/convert.h"
#include "tests/converter/bmp_writer.h"

namespace {

struct TestConverted {
    ConvertResult mResult;
    std::vector<uint8_t> mFile;
    ConvertInfo mInfo; // the file read back; it must check as sound
};

TestConverted TestConvert(const std::vector<uint8_t>& myBmp, const ConvertSettings& mySettings) {
    TestConverted myOut;
    ConvertBitmap myBitmap;
    myOut.mResult = ConvertOpenBitmapBytes(myBmp, mySettings.mFrames, myBitmap);
    if (myOut.mResult.mOk) myOut.mResult = ConvertBuild(myBitmap, mySettings, myOut.mFile);
    if (myOut.mResult.mOk) {
        const ConvertResult myInfo = ConvertReadInfo(myOut.mFile.data(), myOut.mFile.size(), myOut.mInfo);
        EXPECT_TRUE(myInfo.mOk) << myInfo.mMessage;
    }
    return myOut;
}

ConvertSettings TestSettings(int myFrames = 1, ConvertKind myKind = kConvertBrush) {
    ConvertSettings mySettings;
    mySettings.mFrames = myFrames;
    mySettings.mKind = myKind;
    return mySettings;
}

} // namespace

TEST(ConvertColorMap, PixelsFollowTheColourCode) {
    // Blue, green, red; the settings' switches; the index expected; the mask bit expected.
    const std::tuple<TestColor, bool, bool, uint8_t, bool> myCases[] = {
        {{0, 0, 0}, false, false, 0, false},
        {{255, 255, 255}, false, false, 255, false},
        {{0, 255, 0}, false, false, 21, false},
        {{0, 128, 0}, false, false, 21 + 22, false},
        {{0, 0, 200}, false, false, 111 + 9, false},
        {{0, 0, 200}, false, true, 111 + 9, false},
        {{100, 100, 100}, false, false, 0, false},
        {{128, 128, 128}, false, false, 255, false},
        {{50, 200, 50}, false, false, 21 + 12, false}, // green lightened: 200 - 55 x 50 / 204 = 187
        {{50, 50, 200}, false, false, 111 + 12, false},
        {{200, 100, 200}, false, false, 255, false},
        {{200, 10, 10}, false, false, 0, false},
        {{200, 10, 10}, true, false, 255, true},
        {{255, 0, 0}, false, false, 255, false},
        {{255, 0, 0}, true, false, 255, true},
        {{255, 200, 200}, true, false, 255, false},
        {{20, 90, 60}, false, false, 21 + 29, false},
        {{1, 1, 1}, false, false, 0, false},
        {{1, 1, 0}, false, false, 111, false}, // red 0 lightened is -1: wraps to 255
    };
    for (const auto& [myColor, myBlueMask, mySecond, myIndex, myMask] : myCases) {
        ConvertSettings mySettings = TestSettings();
        mySettings.mBlueMask = myBlueMask;
        mySettings.mSecondGradient = mySecond;
        ConvertFixedTable myTable;
        uint8_t myGot = 7;
        bool myGotMask = !myMask;
        EXPECT_TRUE(ConvertMapPixel(mySettings, myColor.mBlue, myColor.mGreen, myColor.mRed, 0, 1, myTable,
                                    myGot, myGotMask));
        EXPECT_EQ(myGot, myIndex) << int(myColor.mBlue) << " " << int(myColor.mGreen) << " "
                                  << int(myColor.mRed);
        EXPECT_EQ(myGotMask, myMask) << int(myColor.mBlue) << " " << int(myColor.mGreen) << " "
                                     << int(myColor.mRed);
    }
}

TEST(ConvertColorMap, FillsPaintWhiteAndOneSectionWrapsAtZero) {
    ConvertSettings mySettings = TestSettings(1, kConvertFill);
    mySettings.mSecondarySections = 1;
    ConvertFixedTable myTable;
    uint8_t myIndex = 0;
    bool myMask = false;
    const std::pair<TestColor, uint8_t> myCases[] = {{kTestWhite, 21},
                                                     {kTestGreen, 111},
                                                     {{0, 128, 0}, 111 + 22},
                                                     {{0, 0, 128}, 21 + 44},
                                                     {kTestBlue, 21}};
    for (const auto& [myColor, myExpected] : myCases) {
        ASSERT_TRUE(ConvertMapPixel(mySettings, myColor.mBlue, myColor.mGreen, myColor.mRed, 0, 1, myTable,
                                    myIndex, myMask));
        EXPECT_EQ(myIndex, myExpected);
    }
}

TEST(ConvertBrush, StripFramesMasksBlackAndWhiteDecodeToTheirIndices) {
    // Four frames of 13 pixels (52 wide, not a multiple of 8) with white borders that trimming removes.
    const auto myBmp = TestMakeBmp(52, 9, [](int x, int y) -> TestColor {
        const int myX = x % 13;
        if (y == 0 || y == 8 || myX == 0 || myX == 12) return kTestWhite;
        const TestColor myRows[4] = {kTestBlack, {0, 128, 0}, {0, 0, 200}, kTestBlue};
        if (y <= 4) return myRows[y - 1];
        return myX == x / 13 + 1 ? kTestGreen : kTestWhite;
    });
    ConvertSettings mySettings = TestSettings(4);
    mySettings.mBlueMask = true;
    const TestConverted myOut = TestConvert(myBmp, mySettings);
    ASSERT_TRUE(myOut.mResult.mOk) << myOut.mResult.mMessage;
    EXPECT_EQ(myOut.mResult.mMessage, "Art conversion successful!");
    EXPECT_EQ(std::vector<uint8_t>(myOut.mFile.begin(), myOut.mFile.begin() + 7),
              (std::vector<uint8_t>{'B', 0, 1, 44, 0, 7, 0}));
    EXPECT_EQ(myOut.mFile[16], 1); // black occurs
    EXPECT_EQ(TestRead16(myOut.mFile, 30), 4);
    const ConvertInfoPicture &myPixels = myOut.mInfo.mPixels, &myMask = myOut.mInfo.mMask;
    ASSERT_EQ(myPixels.mWidth, 44);
    for (int x = 0; x < 44; ++x) {
        const uint8_t myColumn[5] = {0, 21 + 22, 111 + 9, 255,
                                     static_cast<uint8_t>(x % 11 == x / 11 ? 21 : 255)};
        for (int y = 0; y < 5; ++y) {
            EXPECT_EQ(TestPixel(myPixels, x, y), myColumn[y]) << x << " " << y;
            EXPECT_EQ(TestPixel(myMask, x, y), y == 3 ? 255 : 0) << x << " " << y;
        }
    }
}

TEST(ConvertBrush, AnAllWhiteBrushHasNoColourLayerAndAMaskOnlyOneTrimsByItsMask) {
    TestConverted myOut =
        TestConvert(TestMakeBmp(10, 6, [](int, int) { return kTestWhite; }), TestSettings());
    ASSERT_TRUE(myOut.mResult.mOk);
    EXPECT_EQ(TestRead32(myOut.mFile, 7), 0);
    EXPECT_EQ(TestRead16(myOut.mFile, 3), 10); // the loader still needs a size to divide into frames
    ConvertSettings mySettings = TestSettings();
    mySettings.mBlueMask = true;
    myOut = TestConvert(
        TestMakeBmp(20, 10,
                    [](int x, int y) { return x >= 5 && x < 8 && y >= 2 && y < 4 ? kTestBlue : kTestWhite; }),
        mySettings);
    ASSERT_TRUE(myOut.mResult.mOk);
    EXPECT_EQ(TestRead32(myOut.mFile, 7), 0);
    EXPECT_EQ(TestRead16(myOut.mFile, 3), 3);
    EXPECT_EQ(TestRead16(myOut.mFile, 5), 2);
    EXPECT_EQ(TestPixel(myOut.mInfo.mMask, 2, 1), 255);
}

TEST(ConvertBrush, FramesKeepTheCommonTrimmedWidth) {
    // Frames of 20: figures 4 wide at column 8, the last one 10 wide from column 3.
    const auto myBmp = TestMakeBmp(80, 5, [](int x, int y) {
        const int myFrame = x / 20, myX = x % 20;
        const bool myOn = myFrame == 3 ? (myX >= 3 && myX < 13) : (myX >= 8 && myX < 12);
        return myOn && y >= 1 && y <= 3 ? kTestGreen : kTestWhite;
    });
    const TestConverted myOut = TestConvert(myBmp, TestSettings(4));
    ASSERT_TRUE(myOut.mResult.mOk);
    EXPECT_EQ(TestRead16(myOut.mFile, 3), 40);
    EXPECT_EQ(TestRead16(myOut.mFile, 5), 3);
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(TestPixel(myOut.mInfo.mPixels, x, 1), x >= 30 || (x % 10 >= 5 && x % 10 < 9) ? 21 : 255)
            << x;
}

TEST(ConvertBrush, MultiplyRepeatsTheStripAndSpreadsOnlyWhenAsked) {
    const auto myBmp = TestMakeBmp(16, 2, [](int x, int) {
        return x % 4 == 0 ? kTestWhite : TestColor{0, 200, 0};
    });
    ConvertSettings mySettings = TestSettings(4);
    mySettings.mMultiply = 3;
    mySettings.mBeatFrame = mySettings.mPalindrome = true;
    TestConverted myOut = TestConvert(myBmp, mySettings);
    ASSERT_TRUE(myOut.mResult.mOk);
    EXPECT_EQ(std::vector<uint8_t>(myOut.mFile.begin() + 25, myOut.mFile.begin() + 33),
              (std::vector<uint8_t>{1, 0, 0, 0, 1, 12, 0, 1}));
    EXPECT_EQ(TestRead16(myOut.mFile, 3), 36); // 3 columns a frame x 12
    const int myGreen = 21 + ConvertGradientPosition(200, 2);
    for (int x = 0; x < 36; ++x)
        EXPECT_EQ(TestPixel(myOut.mInfo.mPixels, x, 1), myGreen);
    mySettings.mSpreadPrimary = true;
    myOut = TestConvert(myBmp, mySettings);
    ASSERT_TRUE(myOut.mResult.mOk);
    // Frame f of the strip moves f x 90 / 4; copy j moves j x 90 / 12 on top.
    for (int j = 0; j < 3; ++j)
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(TestPixel(myOut.mInfo.mPixels, j * 12 + f * 3 + 1, 0),
                      21 + (myGreen - 21 + f * 90 / 4 + j * 90 / 12) % 90)
                << j << " " << f;
}

TEST(ConvertFixed, NinetyColoursPassInLuminanceOrderAndTheNinetyFirstFails) {
    auto myColor = [](int i) {
        return TestColor{static_cast<uint8_t>(i * 2 + 1), static_cast<uint8_t>(i), 50};
    };
    ConvertSettings mySettings = TestSettings();
    mySettings.mFixedColors = true;
    const TestConverted myOut =
        TestConvert(TestMakeBmp(90, 2, [&](int x, int) { return myColor(x); }), mySettings);
    ASSERT_TRUE(myOut.mResult.mOk) << myOut.mResult.mMessage;
    ASSERT_EQ(myOut.mFile[15], 90);
    for (int s = 0; s < 90; ++s) { // brightest first: colour 89 is slot 0
        const TestColor myExpected = myColor(89 - s);
        EXPECT_EQ(std::vector<uint8_t>(myOut.mFile.begin() + 33 + 3 * s, myOut.mFile.begin() + 36 + 3 * s),
                  (std::vector<uint8_t>{myExpected.mRed, myExpected.mGreen, myExpected.mBlue}));
        EXPECT_EQ(TestPixel(myOut.mInfo.mPixels, 89 - s, 0), 21 + s);
    }
    for (int x = 0; x < 48; ++x) { // the icon shows only even slots
        const int myIndex = TestPixel(myOut.mInfo.mIcon, x, 24);
        EXPECT_TRUE(myIndex == 255 || (myIndex - 21) % 2 == 0) << x;
    }
    const TestConverted myTooMany =
        TestConvert(TestMakeBmp(91, 1, [&](int x, int) { return myColor(x); }), mySettings);
    EXPECT_EQ(myTooMany.mResult.mMessage, "This bitmap has more than 90 fixed colors!");
}

TEST(ConvertFill, TypeFollowsTheScreenSize) {
    const auto myColor = [](int x, int y) { return (x + y) % 3 ? kTestWhite : kTestGreen; };
    const TestConverted myOut = TestConvert(TestMakeBmp(640, 480, myColor), TestSettings(1, kConvertFill));
    ASSERT_TRUE(myOut.mResult.mOk);
    EXPECT_EQ(myOut.mFile[0], 'F');
    EXPECT_EQ(TestRead16(myOut.mFile, 23), 25 + TestRead16(myOut.mFile, 21));
    for (int x = 0; x < 640; x += 7)
        EXPECT_EQ(TestPixel(myOut.mInfo.mPixels, x, 5), (x + 5) % 3 ? 21 : 111) << x;
    EXPECT_EQ(TestConvert(TestMakeBmp(639, 480, myColor), TestSettings(1, kConvertFill)).mFile[0], 'T');
    EXPECT_EQ(TestConvert(TestMakeBmp(640, 479, myColor), TestSettings(1, kConvertFill)).mFile[0], 'T');
}

TEST(ConvertOpen, EachCheckHasItsMessageAndThePreviewFindsBlue) {
    const auto myGood = TestMakeBmp(12, 4, [](int x, int) { return x < 6 ? kTestGreen : kTestBlue; });
    auto myOpen = [&](size_t myAt, int myValue, int myFrames = 1, size_t mySize = 0) {
        auto myBytes = myGood;
        if (myAt) myBytes[myAt] = static_cast<uint8_t>(myValue);
        if (mySize) myBytes.resize(mySize);
        ConvertBitmap myBitmap;
        return ConvertOpenBitmapBytes(std::move(myBytes), myFrames, myBitmap).mMessage;
    };
    EXPECT_EQ(myOpen(0, 0), "Apply settings then save file.");
    EXPECT_EQ(myOpen(1, 'X'), "Not a bitmap file!");
    EXPECT_EQ(myOpen(14, 12), "Not a standard Windows bitmap file!");
    EXPECT_EQ(myOpen(26, 2), "This bitmap does not have 1 plane!");
    EXPECT_EQ(myOpen(28, 8), "Not a 24-bit bitmap!");
    EXPECT_EQ(myOpen(30, 1), "Not an uncompressed bitmap.");
    EXPECT_EQ(myOpen(0, 0, 5), "Width is not evenly divisible by number of frames!");
    EXPECT_EQ(myOpen(0, 0, 0), "Width is not evenly divisible by number of frames!");
    EXPECT_EQ(myOpen(0, 0, 1, myGood.size() - 1), "End of file error!");
    EXPECT_EQ(myOpen(25, 0xFF), "This bitmap has no pixels or is stored top-down!");
    ConvertBitmap myBitmap;
    EXPECT_EQ(ConvertOpenBitmap("/nonexistent/none.bmp", 1, myBitmap).mMessage, "Couldn't open bitmap file!");
    ASSERT_TRUE(ConvertOpenBitmapBytes(myGood, 2, myBitmap).mOk);
    EXPECT_FALSE(myBitmap.mHasBlue); // the blue is in the second frame
    ASSERT_TRUE(ConvertOpenBitmapBytes(myGood, 1, myBitmap).mOk);
    EXPECT_TRUE(myBitmap.mHasBlue);
}

TEST(ConvertTitle, FramesNamesAndReplacing) {
    EXPECT_EQ(ConvertFramesFromTitle("/a1/wave12.bmp"), 12);
    EXPECT_EQ(ConvertFramesFromTitle("8ball.bmp"), 1);
    EXPECT_EQ(ConvertFramesFromTitle("spin0.bmp"), 0);
    std::string myName;
    EXPECT_TRUE(ConvertCheckTitle("abcdefghijklmno.bru", kConvertBrush, myName).mOk);
    EXPECT_EQ(ConvertCheckTitle("abcdefghijklmnop.bru", kConvertBrush, myName).mMessage,
              "The file name is too long! 15 letters is maximum.");
    const std::filesystem::path myFolder =
        std::filesystem::temp_directory_path() / ("pm-save-" + std::to_string(::getpid()));
    std::filesystem::create_directories(myFolder);
    TestWriteFile((myFolder / "old_one.fil").string(), std::vector<uint8_t>(5000, 7));
    ConvertBitmap myBitmap;
    ASSERT_TRUE(
        ConvertOpenBitmapBytes(TestMakeBmp(4, 4, [](int, int) { return kTestGreen; }), 1, myBitmap).mOk);
    EXPECT_TRUE(ConvertSave(myBitmap, TestSettings(1, kConvertFill), myFolder.string(), "old one").mOk);
    const auto myFile = TestReadFile((myFolder / "old_one.fil").string());
    EXPECT_TRUE(myFile.size() < 5000u && myFile[0] == 'T');
    std::filesystem::remove_all(myFolder);
}
