// The component file inspector on sound files of every kind, and on damaged ones.
#include <gtest/gtest.h>

#include "converter/convert.h"
#include "tests/converter/bmp_writer.h"

namespace {

std::vector<uint8_t> TestBrushFile() {
    ConvertBitmap myBitmap;
    EXPECT_TRUE(ConvertOpenBitmapBytes(TestMakeBmp(30, 7,
                                                   [](int x, int y) {
                                                       return (x + y) % 5 == 0 ? kTestBlue
                                                              : x % 3          ? kTestGreen
                                                                               : kTestBlack;
                                                   }),
                                       3, myBitmap)
                    .mOk);
    ConvertSettings mySettings;
    mySettings.mFrames = 3;
    mySettings.mBlueMask = true;
    std::vector<uint8_t> myFile;
    EXPECT_TRUE(ConvertBuild(myBitmap, mySettings, myFile).mOk);
    return myFile;
}

// A movement (with a blank icon and one parameter) or an effect, with programs of the given sizes.
std::vector<uint8_t> TestProgramFile(char myType, int myInit, int myReset, int myUpdate) {
    std::vector<uint8_t> myFile(myType == 'M' ? 127 : 94, 0);
    myFile[0] = static_cast<uint8_t>(myType);
    if (myType == 'M') {
        for (int y = 0; y < 24; ++y)
            myFile.insert(myFile.end(), {41, 0, 0}); // 22 zeros as one run byte, then two zeros
        myFile[5] = 72;
        myFile.insert(myFile.end(), {1, 1});
        myFile.insert(myFile.end(), 3 + 24 + 120, 0);
    }
    for (int mySize : {myInit, myReset, myUpdate})
        myFile.insert(myFile.end(), {static_cast<uint8_t>(mySize), static_cast<uint8_t>(mySize >> 8)});
    myFile.insert(myFile.end(), myInit + myReset + myUpdate, 0x41);
    return myFile;
}

ConvertResult TestRead(const std::vector<uint8_t>& myFile, ConvertInfo& myInfo, size_t mySize = SIZE_MAX) {
    return ConvertReadInfo(myFile.data(), std::min(mySize, myFile.size()), myInfo);
}

bool TestHasLine(const ConvertInfo& myInfo, const std::string& myLine) {
    return std::find(myInfo.mLines.begin(), myInfo.mLines.end(), myLine) != myInfo.mLines.end();
}

} // namespace

TEST(ConvertInfo, ABrushIsDescribedAndEveryTruncationIsDamage) {
    const auto myFile = TestBrushFile();
    ConvertInfo myInfo;
    ASSERT_TRUE(TestRead(myFile, myInfo).mOk);
    EXPECT_TRUE(TestHasLine(myInfo, "Frames: 3 of 10 pixels"));
    EXPECT_TRUE(TestHasLine(myInfo, "Black pixels: yes"));
    EXPECT_EQ(myInfo.mMask.mWidth, 32);
    EXPECT_EQ(TestPixel(myInfo.mMask, 0, 0), 255);
    EXPECT_EQ(TestPixel(myInfo.mPixels, 3, 0), 0);
    for (size_t mySize = 0; mySize < myFile.size(); ++mySize)
        EXPECT_FALSE(TestRead(myFile, myInfo, mySize).mOk) << mySize;
}

TEST(ConvertInfo, DamagedFieldsAreRefused) {
    const auto myFile = TestBrushFile();
    const std::pair<size_t, int> myDamage[] = {{7, myFile[7] - 1}, {10, 0x80}, {15, 91}, {19, 7}, {22, 0x80}};
    for (const auto& [myAt, myValue] : myDamage) {
        auto myDamaged = myFile;
        myDamaged[myAt] = static_cast<uint8_t>(myValue);
        ConvertInfo myInfo;
        EXPECT_FALSE(TestRead(myDamaged, myInfo).mOk) << myAt;
    }
    auto myDamaged = myFile;
    myDamaged[30] = 4;
    ConvertInfo myInfo;
    EXPECT_EQ(TestRead(myDamaged, myInfo).mMessage,
              "Damaged file: the width is not a whole number of frames.");
    myDamaged[0] = 'Q';
    EXPECT_EQ(TestRead(myDamaged, myInfo).mMessage, "Not a valid file!");
}

TEST(ConvertInfo, GradientsMovementsAndEffects) {
    std::vector<uint8_t> myGradient(545, 0);
    myGradient[0] = 'G';
    ConvertInfo myInfo;
    EXPECT_TRUE(TestRead(myGradient, myInfo).mOk);
    EXPECT_FALSE(TestRead(myGradient, myInfo, 544).mOk);
    auto myMovement = TestProgramFile('M', 16, 0, 8);
    ASSERT_TRUE(TestRead(myMovement, myInfo).mOk);
    EXPECT_TRUE(TestHasLine(myInfo, "Parameters: 1"));
    EXPECT_TRUE(TestHasLine(myInfo, "Programs: init 16 bytes, reset 0 bytes, update 8 bytes"));
    EXPECT_FALSE(TestRead(myMovement, myInfo, myMovement.size() - 1).mOk);
    myMovement[5] = 71; // the icon one byte short
    EXPECT_FALSE(TestRead(myMovement, myInfo).mOk);
    for (char myType : {'C', 'E'}) {
        EXPECT_TRUE(TestRead(TestProgramFile(myType, 8, 8, 8), myInfo).mOk) << myType;
        EXPECT_FALSE(TestRead(TestProgramFile(myType, 7, 0, 0), myInfo).mOk) << myType; // half an instruction
    }
}
