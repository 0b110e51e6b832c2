// The component file inspector on sound files of every kind, and on damaged ones.
#include <gtest/gtest.h>

#include <cstring>

#include "converter/convert.h"
#include "storage/format_gradient.h"
#include "storage/format_program.h"
#include "storage/sets.h"
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
    const bool myMovement = myType == kTypeMovement;
    std::vector<uint8_t> myFile(myMovement ? kMoveIconAt : kEffectCodeAt, 0);
    myFile[0] = static_cast<uint8_t>(myType);
    if (myMovement) {
        for (int y = 0; y < kMoveIconSide; ++y)
            myFile.insert(myFile.end(), {41, 0, 0}); // 22 zeros as one run byte, then two zeros
        BytesPut16(myFile.data() + offsetof(MoveHeader, mIconSize), 3 * kMoveIconSide);
        myFile.insert(myFile.end(), {1, 1});
        myFile.insert(myFile.end(), kParamBytes, 0);
    }
    for (int mySize : {myInit, myReset, myUpdate})
        BytesAdd16(myFile, mySize);
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
    std::vector<uint8_t> myGradient(kGradientFileSize, 0);
    myGradient[0] = kTypeGradient;
    ConvertInfo myInfo;
    EXPECT_TRUE(TestRead(myGradient, myInfo).mOk);
    EXPECT_FALSE(TestRead(myGradient, myInfo, 544).mOk);
    auto myMovement = TestProgramFile('M', 16, 0, 8);
    ASSERT_TRUE(TestRead(myMovement, myInfo).mOk);
    EXPECT_TRUE(TestHasLine(myInfo, "Parameters: 1"));
    EXPECT_TRUE(TestHasLine(myInfo, "Programs: init 16 bytes, reset 0 bytes, update 8 bytes"));
    EXPECT_FALSE(TestRead(myMovement, myInfo, myMovement.size() - 1).mOk);
    myMovement[offsetof(MoveHeader, mIconSize)] = 71; // the icon one byte short
    EXPECT_FALSE(TestRead(myMovement, myInfo).mOk);
    for (char myType : {'C', 'E'}) {
        EXPECT_TRUE(TestRead(TestProgramFile(myType, 8, 8, 8), myInfo).mOk) << myType;
        EXPECT_FALSE(TestRead(TestProgramFile(myType, 7, 0, 0), myInfo).mOk) << myType; // half an instruction
    }
}

namespace {

StyleRecord TestStyle() {
    StyleRecord myStyle;
    std::memset(&myStyle, 0, sizeof(myStyle));
    StyleDefault(reinterpret_cast<char*>(&myStyle));
    return myStyle;
}

std::vector<uint8_t> TestStyleFile(const StyleRecord& myStyle) {
    const auto* myBytes = reinterpret_cast<const uint8_t*>(&myStyle);
    return std::vector<uint8_t>(myBytes, myBytes + kStyleSize);
}

} // namespace

TEST(ConvertInfo, AStyleShowsItsSlotsAndSettingsAndEveryTruncationIsDamage) {
    StyleRecord myStyle = TestStyle();
    StyleCopy(myStyle.mStyleName, "Night");
    myStyle.mCurrentBrush = 2;
    myStyle.mAttachments[1].mAttachGradient = 5;
    myStyle.mAttachments[1].mAttachTrails = 0;
    StyleCopy(myStyle.mAttachments[1].mAttachBrushEffect, "Grow");
    myStyle.mMoveParam[0].mValue[1] = -7;
    myStyle.mMoveParam[0].mFixed[1] = 1;
    myStyle.mBeatCounter[kChannelFill] = 0;
    StyleSetTempo(myStyle, 12050);
    const std::vector<uint8_t> myFile = TestStyleFile(myStyle);
    ConvertInfo myInfo;
    ASSERT_TRUE(TestRead(myFile, myInfo).mOk) << TestRead(myFile, myInfo).mMessage;
    for (const char* myLine :
         {"Kind: style (S)", "Name: Night", "Version: 2", "Gradient 1: Aurora (current)",
          "Brush 2: Celtic_Snow (current); attached: gradient 5, trails off, brush effect Grow",
          "Movement 1: Spirograph (current), parameters 0, -7 fixed, 0", "Fill 2: Astral_Quilt (current)",
          "Fill colour effect: (None)", "Tempo: 120.50 beats per minute", "Colour speed: +15 shifts a second",
          "Colour kick: -7 percent", "Fill channel: off, threshold 0, Random File on HD",
          "Brush channel: every 20 beats, threshold 48, Random File on HD"})
        EXPECT_TRUE(TestHasLine(myInfo, myLine)) << myLine;
    for (size_t mySize = 0; mySize < myFile.size(); mySize += 7)
        EXPECT_FALSE(TestRead(myFile, myInfo, mySize).mOk) << mySize;

    // A version 1 style is read as the program reads it: converted, with fills 5 and 6 empty.
    std::vector<uint8_t> myOld(myFile.begin(), myFile.begin() + kStyleVersion1Size);
    myOld[offsetof(StyleRecord, mVersion)] = 1;
    ASSERT_TRUE(TestRead(myOld, myInfo).mOk);
    EXPECT_TRUE(TestHasLine(myInfo, "Version: 1 (read as version 2)"));
    EXPECT_TRUE(TestHasLine(myInfo, "Fill 6: (None)"));
    myOld[offsetof(StyleRecord, mVersion)] = 3;
    EXPECT_EQ(TestRead(myOld, myInfo).mMessage, "Damaged file: version 3 is not a style's (1 or 2).");
}

TEST(ConvertInfo, EachKindOfSetShowsItsSlots) {
    StyleRecord myStyle = TestStyle();
    myStyle.mCurrentGrad = 3;
    myStyle.mCurrentMove = 2;
    myStyle.mMoveParam[1].mValue[0] = 9;
    myStyle.mAttachments[0].mAttachMove = 4;
    ConvertInfo myInfo;
    const std::pair<char, std::vector<const char*>> myKinds[] = {
        {kSetGradient, {"Kind: gradient set (g)", "Gradient 3: Flame (current)", "Gradient 8: Vortex9"}},
        {kSetFill, {"Kind: fill set (f)", "Fill 2: Astral_Quilt (current)"}},
        {kSetMove, {"Kind: movement set (m)", "Movement 2: Random (current), parameters 9, 0, 0"}},
        {kSetBrush,
         {"Kind: brush set (B)", "Brush 1: Veve (current); attached: movement 4", "Gradient 3: Flame",
          "Movement 6: Meandering", "Fill 4: Sun_Beams"}}};
    for (const auto& [myKind, myLines] : myKinds) {
        const std::vector<uint8_t> mySet = StyleSetBytes(*SetFindFormat(myKind), myStyle);
        ASSERT_TRUE(TestRead(mySet, myInfo).mOk) << myKind << ": " << TestRead(mySet, myInfo).mMessage;
        for (const char* myLine : myLines)
            EXPECT_TRUE(TestHasLine(myInfo, myLine)) << myLine;
        EXPECT_EQ(TestRead(mySet, myInfo, mySet.size() - 1).mMessage,
                  "Damaged file: the set is shorter than " + std::to_string(mySet.size()) + " bytes.");
    }

    // The older brush set ends before the fills.
    std::vector<uint8_t> myOld = StyleSetBytes(*SetFindFormat(kSetBrush), myStyle);
    myOld.resize(kSetSizeBrushOld);
    myOld[0] = kSetBrushOld;
    ASSERT_TRUE(TestRead(myOld, myInfo).mOk);
    EXPECT_TRUE(TestHasLine(myInfo, "Kind: brush set, the older form without fills (b)"));
    EXPECT_FALSE(TestHasLine(myInfo, "Fill 1: (None)"));

    // A current slot the set does not have is what the program refuses.
    myStyle.mCurrentGrad = 9;
    EXPECT_EQ(TestRead(StyleSetBytes(*SetFindFormat(kSetGradient), myStyle), myInfo).mMessage,
              "Damaged file: the current gradient, 9, is not one of the set's 8 slots.");
}

TEST(ConvertInfo, TheExtensionSaysWhatAFileMustBe) {
    const std::vector<uint8_t> myBrushSet = StyleSetBytes(*SetFindFormat(kSetBrush), TestStyle());
    const std::vector<uint8_t> myBrush = TestBrushFile();
    ConvertInfo myInfo;
    // A brush set and a brush both begin with 'B': the name tells them apart, and without one the header.
    for (const std::string& myName : {std::string("Settings/Toys.BST"), std::string("toys")}) {
        ASSERT_TRUE(ConvertReadInfo(myBrushSet.data(), myBrushSet.size(), myInfo, myName).mOk) << myName;
        EXPECT_EQ(myInfo.mLines[0], "Kind: brush set (B)") << myName;
    }
    ASSERT_TRUE(ConvertReadInfo(myBrush.data(), myBrush.size(), myInfo, "spin").mOk);
    EXPECT_EQ(myInfo.mLines[0], "Kind: brush (B)");
    // Named as a brush, it is read as the program's brush loader would read it: as a damaged brush.
    EXPECT_FALSE(ConvertReadInfo(myBrushSet.data(), myBrushSet.size(), myInfo, "Toys.bru").mOk);
    EXPECT_EQ(myInfo.mLines[0], "Kind: brush (B)");
    const std::vector<uint8_t> myStyle = TestStyleFile(TestStyle());
    EXPECT_EQ(ConvertReadInfo(myStyle.data(), myStyle.size(), myInfo, "x.bst").mMessage,
              "Not a valid brush set file!");
    EXPECT_EQ(ConvertReadInfo(myBrush.data(), myBrush.size(), myInfo, "x.sty").mMessage,
              "Not a valid style file!");
}
