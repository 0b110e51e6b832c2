// Colour effects: the base palettes built from gradients, hue turns, cycling, effect programs and what
// reaches the shared palette.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_convert.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/fill.h"
#include "shell/main.h"
#include "storage/components.h"
#include "storage/format_program.h"

namespace {

constexpr uint16_t kSD = kOpColorDestination, kSH = kOpColorHue, kSS = kOpColorSaturation, kQV = kOpColorDim,
                   kSC = kOpColorNoRed;
constexpr uint16_t kBC = kWordBrushColor, kFC = kWordFillColor;
constexpr uint16_t Value(int myValue) {
    return ProgramLiteral(myValue);
}

// Instructions as (value word, operation word); the middle words carry junk that must be ignored.
void LoadProgram(CEffect& myEffect, std::initializer_list<std::pair<uint16_t, uint16_t>> myCode) {
    myEffect.mInit.clear();
    for (const auto& [myValue, myOperation] : myCode) {
        const uint8_t myBytes[8] = {uint8_t(myValue >> 8),     uint8_t(myValue),    0x5A, 0xA5, 0x77, 0x13,
                                    uint8_t(myOperation >> 8), uint8_t(myOperation)};
        myEffect.mInit.insert(myEffect.mInit.end(), myBytes, myBytes + 8);
    }
    myEffect.mInitSize = static_cast<uint16_t>(myEffect.mInit.size());
    myEffect.mFileFlag = 1;
}

struct Hsb {
    uint16_t mHue;
    double mSaturation;
    double mBrightness;
};

Hsb ToHsb(const PaletteEntry& myEntry) {
    const uint8_t myRGB[3] = {myEntry.mRed, myEntry.mGreen, myEntry.mBlue};
    Hsb myResult{};
    ExecuteHSB(myRGB, &myResult.mHue, &myResult.mSaturation, &myResult.mBrightness);
    return myResult;
}

int Spread(const PaletteEntry& myEntry) {
    return std::max({myEntry.mRed, myEntry.mGreen, myEntry.mBlue}) -
           std::min({myEntry.mRed, myEntry.mGreen, myEntry.mBlue});
}

int HueDistance(int myA, int myB) {
    const int myDiff = std::abs(myA - myB) % 65536;
    return std::min(myDiff, 65536 - myDiff);
}

bool SameColor(const PaletteEntry& myA, const PaletteEntry& myB) {
    return myA.mRed == myB.mRed && myA.mGreen == myB.mGreen && myA.mBlue == myB.mBlue;
}

void ExpectNear(const PaletteEntry& myShown, const uint8_t* myRGB, int myTolerance, int myIndex) {
    EXPECT_NEAR(myShown.mRed, myRGB[0], myTolerance) << "entry " << myIndex;
    EXPECT_NEAR(myShown.mGreen, myRGB[1], myTolerance) << "entry " << myIndex;
    EXPECT_NEAR(myShown.mBlue, myRGB[2], myTolerance) << "entry " << myIndex;
}

// Every test starts from the default style, a known gradient in slot 1 and a marked shared palette (and
// every module from its start values, tests/test_main.cpp).
class ColorEffectState : public testing::Test {
  protected:
    void SetUp() override {
        StyleDefault(reinterpret_cast<char*>(&gStyle));
        gEditsRave[kEditBrushColor] = 1;
        gEditsRave[kEditFillColor] = 1;
        gStateColorChange = 1;
        uint8_t* myBrush = gGradData[0].mBrushGrad;
        uint8_t* myFill = gGradData[0].mFillGrad;
        for (int myIndex = 0; myIndex < kGradientColors; ++myIndex) {
            myBrush[myIndex * 3] = uint8_t(myIndex * 37 % 256);
            myBrush[myIndex * 3 + 1] = uint8_t((myIndex * 91 + 40) % 256);
            myBrush[myIndex * 3 + 2] = uint8_t(255 - myIndex * 2);
            myFill[myIndex * 3] = uint8_t(250 - myIndex);
            myFill[myIndex * 3 + 1] = uint8_t(myIndex * 53 % 200);
            myFill[myIndex * 3 + 2] = uint8_t(myIndex * 2);
        }
        // Pure red and pure green, whose turned colours are known exactly.
        const uint8_t kPure[6] = {255, 0, 0, 0, 255, 0};
        std::memcpy(myBrush, kPure, sizeof(kPure));
        for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex) {
            const bool myAnimated = myIndex >= 21 && myIndex <= 200;
            gPalette[myIndex] = {7, 8, 9, myAnimated ? kPaletteAnimated : uint8_t(0)};
        }
        mBrush.CEffectAlloc();
        mFill.CEffectAlloc();
    }

    CEffect mBrush;
    C2Effect mFill;
};

class ColorEffectSource : public ColorEffectState {};
class ColorEffectCycle : public ColorEffectState {};
class ColorEffectProgram : public ColorEffectState {};
class ColorEffectOwnColors : public ColorEffectState {};
class ColorEffectDisplay : public ColorEffectState {};

} // namespace

TEST_F(ColorEffectSource, ColourOneAtFullSettingsReproducesTheGradient) {
    mBrush.CEffectInit(0, 0);
    mFill.CEffectInit(0, 0);
    for (int myIndex = 0; myIndex < 90; ++myIndex) {
        ExpectNear(mBrush.mSourceGrad[myIndex], gGradData[0].mBrushGrad + myIndex * 3, 1, myIndex);
        ExpectNear(mFill.mSourceGrad[myIndex], gGradData[0].mFillGrad + myIndex * 3, 1, myIndex);
    }
}

TEST_F(ColorEffectSource, ColourSixtyOneTurnsHuesHalfACircle) {
    gEditsRave[kEditBrushColor] = 61;
    mBrush.CEffectInit(0, 0);
    const PaletteEntry& myRed = mBrush.mSourceGrad[0];
    const PaletteEntry& myGreen = mBrush.mSourceGrad[1];
    EXPECT_TRUE(myRed.mRed == 0 && myRed.mGreen == 255 && myRed.mBlue == 255);
    EXPECT_TRUE(myGreen.mRed == 255 && myGreen.mGreen == 0 && myGreen.mBlue == 255);
    int myChecked = 0;
    for (int myIndex = 0; myIndex < 90; ++myIndex) {
        const uint8_t* myRGB = gGradData[0].mBrushGrad + myIndex * 3;
        const PaletteEntry myOriginal{myRGB[0], myRGB[1], myRGB[2], 0};
        if (Spread(myOriginal) < 80) continue; // hues of nearly grey colours are too coarse to compare
        ++myChecked;
        EXPECT_LT(HueDistance(ToHsb(mBrush.mSourceGrad[myIndex]).mHue, ToHsb(myOriginal).mHue + 32768), 300)
            << "entry " << myIndex;
        EXPECT_NEAR(ToHsb(mBrush.mSourceGrad[myIndex]).mBrightness, ToHsb(myOriginal).mBrightness, 1.5 / 255);
    }
    EXPECT_GT(myChecked, 40);
}

TEST_F(ColorEffectSource, BrightnessFiftyHalvesBrightnessAndSaturationScalesToo) {
    gStyle.mBrushBrightness = 50;
    gStyle.mFillSaturation = 0;
    mBrush.CEffectInit(0, 0);
    mFill.CEffectInit(0, 0);
    EXPECT_EQ(mBrush.mBrightness, 50);
    for (int myIndex = 0; myIndex < 90; ++myIndex) {
        const uint8_t* myRGB = gGradData[0].mBrushGrad + myIndex * 3;
        const int myMax = std::max({myRGB[0], myRGB[1], myRGB[2]});
        const PaletteEntry& myShown = mBrush.mSourceGrad[myIndex];
        EXPECT_NEAR(std::max({myShown.mRed, myShown.mGreen, myShown.mBlue}), myMax / 2.0, 1) << myIndex;
        // Saturation 0 leaves greys of the original brightness.
        const PaletteEntry& myGrey = mFill.mSourceGrad[myIndex];
        EXPECT_TRUE(myGrey.mRed == myGrey.mGreen && myGrey.mGreen == myGrey.mBlue) << myIndex;
        const uint8_t* myFillRGB = gGradData[0].mFillGrad + myIndex * 3;
        EXPECT_NEAR(myGrey.mRed, std::max({myFillRGB[0], myFillRGB[1], myFillRGB[2]}), 1) << myIndex;
    }
}

TEST_F(ColorEffectSource, SetColourTurnsForwardAndBackLikeARebuild) {
    mBrush.CEffectInit(0, 0);
    EXPECT_FALSE(mBrush.CEffectSetColor(31, 1));
    CEffect myRebuilt;
    myRebuilt.CEffectAlloc();
    myRebuilt.CEffectCreateSource(31, gGradData[0].mBrushGrad);
    for (int myIndex = 0; myIndex < 90; ++myIndex) {
        const PaletteEntry& myRef = myRebuilt.mSourceGrad[myIndex];
        const uint8_t myRGB[3] = {myRef.mRed, myRef.mGreen, myRef.mBlue};
        ExpectNear(mBrush.mSourceGrad[myIndex], myRGB, 2, myIndex);
    }
    // A turn backwards (new below old) must wrap the negative hue, not land on red.
    EXPECT_FALSE(mBrush.CEffectSetColor(1, 31));
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        ExpectNear(mBrush.mSourceGrad[myIndex], gGradData[0].mBrushGrad + myIndex * 3, 3, myIndex);
}

TEST_F(ColorEffectSource, SetColourAsksForTheProgramWhenOneIsLoaded) {
    LoadProgram(mBrush, {{Value(0), kSS}});
    mBrush.CEffectInit(0, 0);
    EXPECT_TRUE(mBrush.CEffectSetColor(61, 1));
}

TEST_F(ColorEffectSource, StrayStateStaysInsideTheTables) {
    CEffect myUnallocated; // used before start-up allocated its arrays
    myUnallocated.CEffectModify(2);
    EXPECT_EQ(myUnallocated.mDestGrad.size(), 90u);
    gCurrentGrad = 9;
    gCurrentBrush = -3;
    mBrush.CEffectInit(0, 0);
    ExpectNear(mBrush.mSourceGrad[5], gGradData[0].mBrushGrad + 15, 1, 5);
    mBrush.mFixFlag = 1;
    mBrush.CEffectInit(1, 0);
    EXPECT_TRUE(SameColor(mBrush.mSourceGrad[0],
                          {gBrushes[0].mGradient[0], gBrushes[0].mGradient[1], gBrushes[0].mGradient[2], 0}));
}

TEST_F(ColorEffectCycle, PlusOneMovesEachColourOneEntryUp) {
    mBrush.CEffectInit(0, 0);
    PaletteEntry myBefore[kPaletteSize];
    std::memcpy(myBefore, gPalette, sizeof(gPalette));
    mBrush.CEffectCycle(1);
    EXPECT_TRUE(SameColor(gPalette[22], myBefore[21]));
    EXPECT_TRUE(SameColor(gPalette[110], myBefore[109]));
    EXPECT_TRUE(SameColor(gPalette[21], myBefore[110]));  // the top colour wraps to the bottom
    EXPECT_TRUE(SameColor(gPalette[111], myBefore[111])); // the fill range is not touched
}

TEST_F(ColorEffectCycle, NegativeAndWholeTurnShifts) {
    mBrush.CEffectInit(0, 0);
    const std::vector<PaletteEntry> myBase = mBrush.mSourceGrad;
    mBrush.CEffectCycle(-1);
    EXPECT_TRUE(SameColor(mBrush.mSourceGrad[0], myBase[1]));
    EXPECT_TRUE(SameColor(mBrush.mSourceGrad[89], myBase[0]));
    mBrush.CEffectCycle(1);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        ASSERT_TRUE(SameColor(mBrush.mSourceGrad[myIndex], myBase[myIndex])) << myIndex;
    // -91 is one step down; 90 is a full turn.
    mBrush.CEffectCycle(-91);
    EXPECT_TRUE(SameColor(mBrush.mSourceGrad[0], myBase[1]));
    mBrush.CEffectCycle(90);
    EXPECT_TRUE(SameColor(mBrush.mSourceGrad[0], myBase[1]));
    mBrush.CEffectCycle(-128);
    EXPECT_TRUE(SameColor(mBrush.mSourceGrad[0], myBase[(1 + 38) % 90]));
}

TEST_F(ColorEffectCycle, ShiftsTravelWithTheirColours) {
    LoadProgram(mBrush, {{Value(0), kSS}});
    gEffScale = 1;
    mBrush.CEffectInit(0, 0);
    const std::vector<PaletteEntry> myShown = mBrush.mDestGrad;
    mBrush.CEffectCycle(5);
    mBrush.CEffectModify(0);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        ASSERT_TRUE(SameColor(mBrush.mDestGrad[(myIndex + 5) % 90], myShown[myIndex])) << myIndex;
    mBrush.CEffectModify(-7);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        ASSERT_TRUE(SameColor(mBrush.mDestGrad[(myIndex + 88) % 90], myShown[myIndex])) << myIndex;
}

TEST_F(ColorEffectProgram, GreyTargetFollowsTheSound) {
    LoadProgram(mBrush, {{Value(0), kSS}});
    mBrush.CEffectInit(0, 0);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        ASSERT_TRUE(SameColor(gPalette[21 + myIndex], mBrush.mSourceGrad[myIndex])) << "silence: base";
    gEffScale = 0.5;
    mBrush.CEffectModify(0);
    for (int myIndex = 0; myIndex < 90; ++myIndex) {
        if (Spread(mBrush.mSourceGrad[myIndex]) < 20) continue;
        EXPECT_LT(Spread(gPalette[21 + myIndex]), Spread(mBrush.mSourceGrad[myIndex])) << myIndex;
        EXPECT_GT(Spread(gPalette[21 + myIndex]), 0) << myIndex;
    }
    gEffScale = 1;
    mBrush.CEffectModify(0);
    for (int myIndex = 0; myIndex < 90; ++myIndex) {
        const PaletteEntry& myGrey = gPalette[21 + myIndex];
        EXPECT_EQ(Spread(myGrey), 0) << myIndex;
        EXPECT_NEAR(ToHsb(myGrey).mBrightness, ToHsb(mBrush.mSourceGrad[myIndex]).mBrightness, 1.0 / 255);
    }
}

TEST_F(ColorEffectProgram, DestinationFlagReversesTheSound) {
    LoadProgram(mBrush, {{Value(1), kSD}, {Value(0), kSS}});
    gEffScale = 1;
    mBrush.CEffectInit(0, 0);
    EXPECT_EQ(mBrush.mDestFlag, 1);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        ASSERT_TRUE(SameColor(gPalette[21 + myIndex], mBrush.mSourceGrad[myIndex])) << "loud: base";
    gEffScale = 0;
    mBrush.CEffectModify(0);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        EXPECT_EQ(Spread(gPalette[21 + myIndex]), 0) << "silence: grey " << myIndex;
}

TEST_F(ColorEffectProgram, OnlyTheLastColourInstructionCounts) {
    C2Effect myAlone;
    myAlone.CEffectAlloc();
    LoadProgram(myAlone, {{Value(40), kSH}});
    myAlone.CEffectInit(0, 0);
    LoadProgram(mFill, {{Value(0), kSS}, {Value(40), kSH}, {Value(1), kSD}});
    mFill.CEffectInit(0, 0);
    EXPECT_EQ(mFill.mShiftArray, myAlone.mShiftArray);
    EXPECT_EQ(mFill.mDestFlag, 1); // a trailing SD still sets the flag
    // SH sets the hue outright: at full sound every coloured entry shows hue 40 x 65535 div 120.
    gEffScale = 1;
    myAlone.CEffectModify(0);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        if (Spread(myAlone.mSourceGrad[myIndex]) >= 80) {
            EXPECT_LT(HueDistance(ToHsb(myAlone.mDestGrad[myIndex]).mHue, 40 * 65535 / 120), 300) << myIndex;
        }
}

TEST_F(ColorEffectProgram, ColourWordsReadTheOtherRange) {
    gEditsRave[kEditBrushColor] = 41;
    gEditsRave[kEditFillColor] = 81;
    LoadProgram(mFill, {{kBC, kSH}});
    mFill.CEffectInit(0, 0);
    EXPECT_EQ(mFill.mOtherFlag, 1);
    gEffScale = 1;
    mFill.CEffectModify(0);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        if (Spread(mFill.mSourceGrad[myIndex]) >= 80) {
            EXPECT_LT(HueDistance(ToHsb(mFill.mDestGrad[myIndex]).mHue, 41 * 65535 / 120), 300) << myIndex;
        }

    LoadProgram(mBrush, {{kBC, kSH}});
    mBrush.CEffectInit(0, 0);
    EXPECT_EQ(mBrush.mOtherFlag, 0); // its own colour is no dependency
    LoadProgram(mBrush, {{kFC, kSH}});
    mBrush.CEffectInit(0, 0);
    EXPECT_EQ(mBrush.mOtherFlag, 1);
    // A rerun without the word clears the dependency.
    LoadProgram(mBrush, {{Value(3), kSH}});
    mBrush.CEffectCreateDest();
    EXPECT_EQ(mBrush.mOtherFlag, 0);
}

TEST_F(ColorEffectProgram, DimmingAndItsZeroValue) {
    LoadProgram(mBrush, {{Value(2), kQV}});
    gEffScale = 1;
    mBrush.CEffectInit(0, 0);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        EXPECT_NEAR(ToHsb(mBrush.mDestGrad[myIndex]).mBrightness,
                    ToHsb(mBrush.mSourceGrad[myIndex]).mBrightness / 2, 1.0 / 255)
            << myIndex;
    LoadProgram(mBrush, {{Value(0), kQV}});
    mBrush.CEffectCreateDest();
    for (int myIndex = 0; myIndex < 90; ++myIndex) {
        const PaletteEntry& myBase = mBrush.mSourceGrad[myIndex];
        const uint8_t myRGB[3] = {myBase.mRed, myBase.mGreen, myBase.mBlue};
        ExpectNear(mBrush.mDestGrad[myIndex], myRGB, 1, myIndex);
    }
}

TEST_F(ColorEffectProgram, UnknownOperationsAndEmptyProgramsLeaveTheBase) {
    LoadProgram(mBrush, {{Value(0), kSS}, {Value(9), ProgramWord('X', 'Y')}});
    mBrush.CEffectInit(0, 0);
    EXPECT_TRUE(
        std::all_of(mBrush.mShiftArray.begin(), mBrush.mShiftArray.end(), [](int16_t v) { return v == 0; }));
    // Shifts of an earlier program must not survive a program with nothing but SD.
    LoadProgram(mBrush, {{Value(0), kSS}});
    mBrush.CEffectCreateDest();
    ASSERT_TRUE(
        std::any_of(mBrush.mShiftArray.begin(), mBrush.mShiftArray.end(), [](int16_t v) { return v != 0; }));
    LoadProgram(mBrush, {{Value(0), kSD}});
    mBrush.CEffectCreateDest();
    EXPECT_TRUE(
        std::all_of(mBrush.mShiftArray.begin(), mBrush.mShiftArray.end(), [](int16_t v) { return v == 0; }));
}

TEST_F(ColorEffectProgram, IncompleteInstructionsAreNotRun) {
    LoadProgram(mBrush, {{Value(0), kSS}});
    mBrush.mInit.resize(12, 0x53); // half an instruction more; the size claims even more than is there
    mBrush.mInitSize = 40;
    mBrush.CEffectInit(0, 0);
    gEffScale = 1;
    mBrush.CEffectModify(0);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        EXPECT_EQ(Spread(mBrush.mDestGrad[myIndex]), 0) << myIndex;
}

TEST_F(ColorEffectProgram, RedIsTakenOutInTheTurnedCircle) {
    LoadProgram(mBrush, {{Value(60), kSC}});
    gEffScale = 1;
    mBrush.CEffectInit(0, 0);
    // Pure green turned back half a circle is magenta; without red it is blue, turned forward yellow.
    const PaletteEntry& myGreen = mBrush.mDestGrad[1];
    EXPECT_GE(myGreen.mRed, 254);
    EXPECT_GE(myGreen.mGreen, 254);
    EXPECT_LE(myGreen.mBlue, 1);
}

TEST_F(ColorEffectOwnColors, OwnColoursIgnoreColourChangesAndCycling) {
    for (int myIndex = 0; myIndex < kGradientBytes; ++myIndex)
        gBrushes[2].mGradient[myIndex] = uint8_t(myIndex * 13 + 5);
    gCurrentBrush = 2;
    gEditsRave[kEditBrushColor] = 61;
    mBrush.mFixFlag = 1;
    mBrush.CEffectInit(1, 0);
    for (int myIndex = 0; myIndex < 90; ++myIndex) {
        const uint8_t* myRGB = gBrushes[2].mGradient + myIndex * 3;
        ASSERT_TRUE(SameColor(mBrush.mSourceGrad[myIndex], {myRGB[0], myRGB[1], myRGB[2], 0})) << myIndex;
        ASSERT_TRUE(SameColor(gPalette[21 + myIndex], mBrush.mSourceGrad[myIndex])) << myIndex;
    }
    const std::vector<PaletteEntry> myOwn = mBrush.mSourceGrad;
    EXPECT_FALSE(mBrush.CEffectSetColor(90, 61));
    mBrush.CEffectCycle(7);
    mBrush.CEffectModify(-4);
    // Without the redraw flag the own colours are kept even when the gradient changes.
    gGradData[0].mBrushGrad[0] ^= 0xFF;
    mBrush.CEffectInit(0, 0);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        ASSERT_TRUE(SameColor(mBrush.mSourceGrad[myIndex], myOwn[myIndex])) << myIndex;
    // Once another brush without own colours is current, the colour counts again.
    mBrush.mFixFlag = 0;
    mBrush.CEffectInit(0, 0);
    EXPECT_TRUE(mBrush.mSourceGrad[1].mRed == 255 && mBrush.mSourceGrad[1].mGreen == 0);
}

TEST_F(ColorEffectOwnColors, OwnColoursStillTakeBrightness) {
    for (int myIndex = 0; myIndex < kGradientBytes; myIndex += 3) {
        gFills[1].mGradient[myIndex] = 200;
        gFills[1].mGradient[myIndex + 1] = 100;
        gFills[1].mGradient[myIndex + 2] = 0;
    }
    gCurrentFill = 1;
    gEditsRave[kEditFillColor] = 61; // never turns own colours
    gStyle.mFillBrightness = 50;
    mFill.mFixFlag = 1;
    mFill.CEffectInit(1, 0);
    for (const PaletteEntry& myEntry : mFill.mSourceGrad)
        ASSERT_TRUE(myEntry.mRed == 100 && myEntry.mGreen == 50 && myEntry.mBlue == 0);
}

TEST_F(ColorEffectDisplay, PushesLandInTheirRangeOnlyWhenEnabled) {
    gStateColorChange = 0;
    LoadProgram(mFill, {{Value(0), kSS}});
    gEffScale = 1;
    mBrush.CEffectInit(0, 0);
    mFill.CEffectInit(0, 0);
    mBrush.CEffectSetColor(20, 1);
    mBrush.CEffectCycle(3);
    mFill.CEffectModify(3);
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        ASSERT_TRUE(SameColor(gPalette[myIndex], {7, 8, 9, 0})) << "frozen palette changed at " << myIndex;

    gStateColorChange = 1;
    mBrush.CEffectInit(0, 0);
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        ASSERT_TRUE(SameColor(gPalette[21 + myIndex], mBrush.mSourceGrad[myIndex])) << myIndex;
    EXPECT_TRUE(SameColor(gPalette[20], {7, 8, 9, 0}));
    EXPECT_TRUE(SameColor(gPalette[111], {7, 8, 9, 0}));
    mFill.CEffectInit(0, 0);
    for (int myIndex = 0; myIndex < 90; ++myIndex) {
        ASSERT_TRUE(SameColor(gPalette[111 + myIndex], mFill.mDestGrad[myIndex])) << myIndex;
        ASSERT_EQ(Spread(gPalette[111 + myIndex]), 0) << myIndex;
    }
    EXPECT_TRUE(SameColor(gPalette[201], {7, 8, 9, 0}));
    EXPECT_EQ(mFill.mDestGrad[89].mFlags, kPaletteAnimated);
    EXPECT_EQ(mBrush.mSourceGrad[0].mFlags, kPaletteAnimated);
}
