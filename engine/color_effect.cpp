// The brush and fill colour effects: building each range's base palette, turning, cycling and bending it.
#include "engine/color_effect.h"

#include <algorithm>
#include <cmath>

#include "core/display.h"
#include "core/state.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_convert.h"
#include "engine/edits.h"
#include "engine/fill.h"
#include "storage/components.h"
#include "storage/format_program.h"

int8_t gCurrentGrad = 0;

namespace {

constexpr int kFullTurn = 65536;
constexpr int kColorSteps = 120;

// Adds a (possibly negative) turn to a hue, wrapping round the circle.
uint16_t HueTurn(uint16_t myHue, int myTurn) {
    return static_cast<uint16_t>(((static_cast<int>(myHue) + myTurn) % kFullTurn + kFullTurn) % kFullTurn);
}

// The turn between two colour numbers; integer division keeps the cut toward zero of the whole program.
int ColorTurn(int myFrom, int myTo) {
    return ((myTo - myFrom) * kFullTurn) / kColorSteps;
}

void EntryTurnHue(PaletteEntry& myEntry, int myTurn) {
    uint8_t myRGB[3] = {myEntry.mRed, myEntry.mGreen, myEntry.mBlue};
    uint16_t myHue = 0;
    double mySaturation = 0, myBrightness = 0;
    ExecuteHSB(myRGB, &myHue, &mySaturation, &myBrightness);
    ExecuteRGB(myRGB, HueTurn(myHue, myTurn), mySaturation, myBrightness);
    myEntry.mRed = myRGB[0];
    myEntry.mGreen = myRGB[1];
    myEntry.mBlue = myRGB[2];
}

// Colour ranges are 0-based indices into fixed tables; a stray value must not read beyond them.
int SlotIndex(int myIndex, int mySlots) {
    return (myIndex >= 0 && myIndex < mySlots) ? myIndex : 0;
}

// Rotates so that entry i takes entry (i - myShift) mod count: positive shifts move colours up the range.
template <typename T> void RotateUp(std::vector<T>& myValues, int myShift, int myCount, int myStride) {
    if (myCount <= 0) return;
    const int myTurn = ((myShift % myCount) + myCount) % myCount;
    if (myTurn == 0) return;
    std::rotate(myValues.begin(), myValues.end() - static_cast<ptrdiff_t>(myTurn) * myStride, myValues.end());
}

} // namespace

void CEffect::CEffectAlloc() {
    mSourceGrad.assign(mSize, PaletteEntry{0, 0, 0, kPaletteAnimated});
    mDestGrad.assign(mSize, PaletteEntry{0, 0, 0, kPaletteAnimated});
    mShiftArray.assign(static_cast<size_t>(mSize) * 3, 0);
}

void CEffect::CEffectInit(uint8_t myRedrawFixed, uint8_t myNewItem) {
    // Every entry point works on the three arrays; a call before start-up allocated them must not run off
    // their ends.
    if (mSourceGrad.size() != mSize) CEffectAlloc();
    const bool myBrush = mType != kEffectFillColor;
    mBrightness = myBrush ? gStyle.mBrushBrightness : gStyle.mFillBrightness;
    mSaturation = myBrush ? gStyle.mBrushSaturation : gStyle.mFillSaturation;

    if (myNewItem && gStatePaint) {
        SurfaceFill(gWorldPaint, gRectDisplay, kColorBlack);
        DrawPaintWin(gRectDisplay);
    }

    if (!mFixFlag) {
        const GradientData& myGrad = gGradData[SlotIndex(gCurrentGrad, kGradSlots)];
        const int8_t myColor = gEditsRave[myBrush ? kEditBrushColor : kEditFillColor];
        CEffectCreateSource(myColor, myBrush ? myGrad.mBrushGrad : myGrad.mFillGrad);
    } else if (myRedrawFixed) {
        const VBitmap& myOwner =
            myBrush ? static_cast<const VBitmap&>(gBrushes[SlotIndex(gCurrentBrush, kBrushSlots)])
                    : static_cast<const VBitmap&>(gFills[SlotIndex(gCurrentFill, kFillSlots)]);
        CEffectCreateSource(1, myOwner.mGradient);
    }

    if (mFileFlag) {
        CEffectCreateDest();
    } else if (gStateColorChange) {
        PaletteAnimate(mStart, mSize, mSourceGrad.data());
    }
}

void CEffect::CEffectCreateSource(char myColor, const uint8_t* myGrad) {
    if (mSourceGrad.size() != mSize) CEffectAlloc();
    const int myCount = std::min<int>(mSize, kGradientColors);
    if (mFixFlag && mBrightness == 100 && mSaturation == 100) {
        for (int myIndex = 0; myIndex < myCount; ++myIndex) {
            const uint8_t* myRGB = myGrad + myIndex * 3;
            mSourceGrad[myIndex] = {myRGB[0], myRGB[1], myRGB[2], kPaletteAnimated};
        }
        return;
    }
    const int myTurn = mFixFlag ? 0 : ColorTurn(1, myColor);
    for (int myIndex = 0; myIndex < myCount; ++myIndex) {
        uint16_t myHue = 0;
        double mySaturation = 0, myBrightness = 0;
        ExecuteHSB(myGrad + myIndex * 3, &myHue, &mySaturation, &myBrightness);
        if (mBrightness != 100) myBrightness *= mBrightness * 0.01;
        if (mSaturation != 100) mySaturation *= mSaturation * 0.01;
        uint8_t myRGB[3];
        ExecuteRGB(myRGB, HueTurn(myHue, myTurn), mySaturation, myBrightness);
        mSourceGrad[myIndex] = {myRGB[0], myRGB[1], myRGB[2], kPaletteAnimated};
    }
}

bool CEffect::CEffectSetColor(char myValue, char myCurrentValue) {
    if (mSourceGrad.size() != mSize) CEffectAlloc();
    if (!mFixFlag) {
        const int myTurn = ColorTurn(myCurrentValue, myValue);
        for (PaletteEntry& myEntry : mSourceGrad)
            EntryTurnHue(myEntry, myTurn);
    }
    if (mFileFlag) return true;
    if (gStateColorChange) PaletteAnimate(mStart, mSize, mSourceGrad.data());
    return false;
}

void CEffect::CEffectCreateDest() {
    if (mSourceGrad.size() != mSize) CEffectAlloc();
    mOtherFlag = 0;
    // A program without a colour instruction aims at the base palette itself; shifts left over from an
    // earlier program would otherwise keep bending the colours.
    std::fill(mShiftArray.begin(), mShiftArray.end(), 0);

    const bool myBrush = mType != kEffectFillColor;
    const size_t myBytes = std::min<size_t>(mInitSize, mInit.size());
    for (size_t myAt = 0; myAt + kInstructionBytes <= myBytes; myAt += kInstructionBytes) {
        const uint8_t* myCode = mInit.data() + myAt;
        const uint16_t myWord = BytesWord(myCode);
        const uint16_t myOperation = BytesWord(myCode + offsetof(ProgramInstruction, mOperation));
        int myValue = myCode[0];
        if (myWord == kWordBrushColor) {
            myValue = gEditsRave[kEditBrushColor];
            if (!myBrush) mOtherFlag = 1;
        } else if (myWord == kWordFillColor) {
            myValue = gEditsRave[kEditFillColor];
            if (myBrush) mOtherFlag = 1;
        }

        if (myOperation == kOpColorDestination) {
            mDestFlag = static_cast<uint8_t>(myValue);
            continue;
        }
        const bool myKnown = myOperation == kOpColorHue || myOperation == kOpColorNoRed ||
                             myOperation == kOpColorSaturation || myOperation == kOpColorDim;
        if (!myKnown) {
            // An operation this program does not know aims at the base colours: nothing moves.
            std::fill(mShiftArray.begin(), mShiftArray.end(), 0);
            continue;
        }
        const int myTurn = (myValue * 65535) / kColorSteps;
        for (size_t myIndex = 0; myIndex < mSourceGrad.size(); ++myIndex) {
            const PaletteEntry& myBase = mSourceGrad[myIndex];
            uint8_t myRGB[3] = {myBase.mRed, myBase.mGreen, myBase.mBlue};
            uint16_t myHue = 0;
            double mySaturation = 0, myBrightness = 0;
            ExecuteHSB(myRGB, &myHue, &mySaturation, &myBrightness);
            switch (myOperation) {
            case kOpColorHue:
                myHue = HueTurn(0, myTurn);
                break;
            case kOpColorNoRed:
                ExecuteRGB(myRGB, HueTurn(myHue, -myTurn), mySaturation, myBrightness);
                myRGB[0] = 0;
                ExecuteHSB(myRGB, &myHue, &mySaturation, &myBrightness);
                myHue = HueTurn(myHue, myTurn);
                break;
            case kOpColorSaturation:
                // Outside 0-120 (a large value, or an unset colour) there is no such saturation.
                mySaturation = std::clamp(myValue / double(kColorSteps), 0.0, 1.0);
                break;
            default: // kOpColorDim; dividing by 0 has no meaning, so that value leaves the brightness
                if (myValue != 0) myBrightness /= myValue;
                break;
            }
            ExecuteRGB(myRGB, myHue, mySaturation, myBrightness);
            int16_t* myShift = mShiftArray.data() + myIndex * 3;
            myShift[0] = static_cast<int16_t>(myRGB[0] - myBase.mRed);
            myShift[1] = static_cast<int16_t>(myRGB[1] - myBase.mGreen);
            myShift[2] = static_cast<int16_t>(myRGB[2] - myBase.mBlue);
        }
    }
    // Always bring the shown palette up to date; it reaches the display only while changes are enabled.
    CEffectModify(0);
}

void CEffect::CEffectCycle(char myShift) {
    if (myShift == 0 || mFixFlag) return;
    if (mSourceGrad.size() != mSize) CEffectAlloc();
    RotateUp(mSourceGrad, myShift, mSize, 1);
    if (mFileFlag) RotateUp(mShiftArray, myShift, mSize, 3);
    if (gStateColorChange) PaletteAnimate(mStart, mSize, mSourceGrad.data());
}

void CEffect::CEffectModify(char myShift) {
    if (mSourceGrad.size() != mSize) CEffectAlloc();
    // Scales beyond 0-1 would carry colours past the target or behind the base, out of the byte range.
    const double myScale = std::clamp(gEffScale, 0.0, 1.0);
    const double myAmount = mDestFlag ? 1 - myScale : myScale;
    if (!mFixFlag) {
        RotateUp(mSourceGrad, myShift, mSize, 1);
        RotateUp(mShiftArray, myShift, mSize, 3);
    }
    auto myMix = [myAmount](uint8_t myBase, int16_t myShiftValue) {
        const double myValue = std::trunc(myBase + myShiftValue * myAmount);
        return static_cast<uint8_t>(std::clamp(myValue, 0.0, 255.0));
    };
    for (size_t myIndex = 0; myIndex < mSourceGrad.size(); ++myIndex) {
        const PaletteEntry& myBase = mSourceGrad[myIndex];
        const int16_t* myShiftEntry = mShiftArray.data() + myIndex * 3;
        mDestGrad[myIndex] = {myMix(myBase.mRed, myShiftEntry[0]), myMix(myBase.mGreen, myShiftEntry[1]),
                              myMix(myBase.mBlue, myShiftEntry[2]), kPaletteAnimated};
    }
    if (gStateColorChange) PaletteAnimate(mStart, mSize, mDestGrad.data());
}

void CEffect::CEffectShow() {
    if (mSourceGrad.size() != mSize) CEffectAlloc();
    PaletteAnimate(mStart, mSize, mFileFlag ? mDestGrad.data() : mSourceGrad.data());
}

void ColorEffectResetState() {
    gCurrentGrad = 0;
}
