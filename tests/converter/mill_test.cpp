// Pixelmill's window logic: the settings a title gives, the number boxes, the blue mask's rules, the
// preview's colours, opening and saving on the conversion core.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "bmp_writer.h"
#include "converter/convert.h"
#include "converter/mill.h"

namespace fs = std::filesystem;

namespace {
class MillTest : public ::testing::Test {
  protected:
    fs::path mRoot;
    void SetUp() override {
        mRoot = fs::temp_directory_path() / ("orbex-mill-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(mRoot);
        fs::create_directories(mRoot);
        MillResetState();
    }
    void TearDown() override { fs::remove_all(mRoot); }
    // A strip of myFrames frames of 8 x 6: green on white, with a blue corner when asked.
    std::string Bitmap(const std::string& myTitle, int myFrames, bool myBlue = false) {
        const std::string myPath = (mRoot / myTitle).string();
        TestWriteFile(myPath, TestMakeBmp(8 * myFrames, 6, [&](int x, int y) {
                          if (myBlue && x == 0 && y == 0) return kTestBlue;
                          return x % 8 >= 2 && x % 8 < 6 ? kTestGreen : kTestWhite;
                      }));
        return myPath;
    }
};
} // namespace

TEST_F(MillTest, AtStartEveryControlHasItsDefault) {
    EXPECT_EQ(gMill.mSettings.mKind, kConvertBrush);
    EXPECT_EQ(gMill.mBoxes[kBoxPrimary], "2");
    EXPECT_EQ(gMill.mBoxes[kBoxSecondary], "2");
    EXPECT_EQ(gMill.mBoxes[kBoxFrames], "1");
    EXPECT_EQ(gMill.mBoxes[kBoxMultiply], "1");
    EXPECT_EQ(gMill.mBoxes[kBoxTotal], "1");
    EXPECT_EQ(gMill.mCaption, "Pixelmill");
    EXPECT_FALSE(gMill.mSettings.mFixedColors || gMill.mSettings.mBlueMask || gMill.mSettings.mSpreadPrimary);
}

TEST_F(MillTest, SavingBeforeOpeningDoesNothing) {
    EXPECT_EQ(MillSuggestedName(), "");
    EXPECT_FALSE(MillSave((mRoot / "x.bru").string()));
    EXPECT_FALSE(fs::exists(mRoot / "x.bru"));
    EXPECT_EQ(gMill.mStatus, "");
}

TEST_F(MillTest, ATitlesDigitsGiveTheFramesAndTheSuggestedNameDropsThem) {
    ASSERT_TRUE(MillOpen(Bitmap("wave12.bmp", 12)));
    EXPECT_EQ(gMill.mBoxes[kBoxFrames], "12");
    EXPECT_EQ(gMill.mBoxes[kBoxTotal], "12");
    EXPECT_EQ(gMill.mCaption, "wave12.bmp");
    EXPECT_EQ(gMill.mStatus, "Apply settings then save file.");
    EXPECT_EQ(MillSuggestedName(), "wave.bru");
    EXPECT_STREQ(MillSaveTitle(), "Save Brush as:");
    MillChooseKind(kConvertFill);
    EXPECT_EQ(MillSuggestedName(), "wave.fil");
    EXPECT_STREQ(MillSaveTitle(), "Save Fill as:");

    ASSERT_TRUE(MillOpen(Bitmap("big wave 2.bmp", 2)));
    EXPECT_EQ(MillSuggestedName(), "big_wave_.fil") << "blanks become underscores";
}

TEST_F(MillTest, NumberBoxesTakeThreeDigitsAndCountEmptyAsOne) {
    EXPECT_TRUE(MillTypeBox(kBoxMultiply, "12"));
    EXPECT_TRUE(MillTypeBox(kBoxMultiply, "123"));
    EXPECT_FALSE(MillTypeBox(kBoxMultiply, "1234")) << "a fourth digit is refused";
    EXPECT_EQ(gMill.mBoxes[kBoxMultiply], "123");
    EXPECT_FALSE(MillTypeBox(kBoxPrimary, "1a"));
    EXPECT_FALSE(MillTypeBox(kBoxPrimary, "-1"));
    EXPECT_FALSE(MillTypeBox(kBoxFrames, "4")) << "frames in the image follow the title alone";
    EXPECT_FALSE(MillTypeBox(kBoxTotal, "4"));
    EXPECT_EQ(gMill.mBoxes[kBoxTotal], "123") << "the total follows the multiply box";

    EXPECT_TRUE(MillTypeBox(kBoxPrimary, ""));
    EXPECT_EQ(MillBoxNumber(kBoxPrimary), 1);
    EXPECT_EQ(gMill.mBoxes[kBoxPrimary], "1") << "an empty box is set to 1 when read";
    EXPECT_TRUE(MillTypeBox(kBoxSecondary, "0"));
    EXPECT_EQ(MillSettings().mSecondarySections, 1);
}

TEST_F(MillTest, FillClearsTheBlueMaskAndBrushTicksItForABlueBitmap) {
    ASSERT_TRUE(MillOpen(Bitmap("blue4.bmp", 4, true)));
    EXPECT_FALSE(gMill.mSettings.mBlueMask) << "opening resets it";
    MillChooseKind(kConvertBrush);
    EXPECT_TRUE(gMill.mSettings.mBlueMask);
    MillChooseKind(kConvertFill);
    EXPECT_FALSE(gMill.mSettings.mBlueMask);
    MillSetFixedColors(true);
    EXPECT_FALSE(gMill.mSettings.mBlueMask) << "no blue mask for a fill";

    ASSERT_TRUE(MillOpen(Bitmap("plain4.bmp", 4)));
    MillChooseKind(kConvertBrush);
    EXPECT_FALSE(gMill.mSettings.mBlueMask) << "nothing blue in the preview";
}

TEST_F(MillTest, AFailedOpenSaysWhyAndForgetsTheBitmap) {
    ASSERT_TRUE(MillOpen(Bitmap("spin4.bmp", 4)));
    TestWriteFile((mRoot / "odd3.bmp").string(), TestMakeBmp(8, 2, [](int, int) { return kTestWhite; }));
    EXPECT_FALSE(MillOpen((mRoot / "odd3.bmp").string()));
    EXPECT_EQ(gMill.mStatus, "Width is not evenly divisible by number of frames!");
    EXPECT_EQ(gMill.mCaption, "Pixelmill");
    EXPECT_EQ(gMill.mBoxes[kBoxFrames], "1") << "reset with an empty title";
    EXPECT_FALSE(gMill.mOpen);
    EXPECT_FALSE(MillOpen((mRoot / "missing.bmp").string()));
    EXPECT_EQ(gMill.mStatus, "Couldn't open bitmap file!");
}

TEST_F(MillTest, ThePreviewShowsGradientsInHueWheelColours) {
    uint8_t myRgb[3];
    MillHueColor(86, 1, myRgb);
    EXPECT_EQ(std::vector<uint8_t>(myRgb, myRgb + 3), std::vector<uint8_t>({0, 0, 255}))
        << "sector 0 starts blue";
    MillHueColor(255, 2, myRgb); // x 127: h = 41 x 6 / 256 = 0.96
    EXPECT_EQ(std::vector<uint8_t>(myRgb, myRgb + 3), std::vector<uint8_t>({0, 245, 255}));
    MillHueColor(0, 1, myRgb); // x 0: h = 170 x 6 / 256 = 3.98, sector 3
    EXPECT_EQ(std::vector<uint8_t>(myRgb, myRgb + 3), std::vector<uint8_t>({255, 4, 0}));

    ASSERT_TRUE(MillOpen(Bitmap("one.bmp", 1)));
    const std::vector<uint8_t> myPreview = MillPreview();
    // 8 x 6 fills the 192 x 96 box as 128 x 96, centred: columns 32 to 159.
    auto myAt = [&](int x, int y) {
        return std::vector<uint8_t>(&myPreview[(y * kMillPreviewWidth + x) * 3],
                                    &myPreview[(y * kMillPreviewWidth + x) * 3] + 3);
    };
    EXPECT_EQ(myAt(5, 50), std::vector<uint8_t>({255, 255, 255})) << "the border is white";
    EXPECT_EQ(myAt(40, 50), std::vector<uint8_t>({255, 255, 255})) << "white stays white";
    EXPECT_EQ(myAt(96, 50), std::vector<uint8_t>({0, 245, 255})) << "green 255 over two sections";
    MillTypeBox(kBoxPrimary, "1");
    const std::vector<uint8_t> myOneSection = MillPreview();
    EXPECT_EQ(std::vector<uint8_t>(&myOneSection[(50 * kMillPreviewWidth + 96) * 3],
                                   &myOneSection[(50 * kMillPreviewWidth + 96) * 3] + 3),
              std::vector<uint8_t>({255, 10, 0}))
        << "x 255: h = 169 x 6 / 256 = 3.96, near the end of sector 3";
}

TEST_F(MillTest, SavingConvertsLikeTheCommandLine) {
    const std::string myBitmap = Bitmap("spin4.bmp", 4);
    ASSERT_TRUE(MillOpen(myBitmap));
    gMill.mSettings.mSpreadPrimary = true;
    gMill.mSettings.mPalindrome = true;
    ASSERT_TRUE(MillTypeBox(kBoxMultiply, "3"));
    ASSERT_TRUE(MillSave((mRoot / "spin.bru").string()));
    EXPECT_EQ(gMill.mStatus, "Art conversion successful!");

    ConvertBitmap myOpened;
    ASSERT_TRUE(ConvertOpenBitmap(myBitmap, 4, myOpened).mOk);
    ConvertSettings mySettings;
    mySettings.mFrames = 4;
    mySettings.mMultiply = 3;
    mySettings.mSpreadPrimary = true;
    mySettings.mPalindrome = true;
    ASSERT_TRUE(ConvertSave(myOpened, mySettings, mRoot.string(), "cli.bru").mOk);
    EXPECT_EQ(TestReadFile((mRoot / "spin.bru").string()), TestReadFile((mRoot / "cli.bru").string()));

    EXPECT_FALSE(MillSave((mRoot / "a_name_much_too_long.bru").string()));
    EXPECT_EQ(gMill.mStatus, "The file name is too long! 15 letters is maximum.");
}
