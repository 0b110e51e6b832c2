// The colour code of the artist's bitmaps: pure green and red shades, white, black, blue and fixed colours.
#include "converter/color_map.h"

#include <algorithm>

namespace {

// A channel value after a lightening by white: b = r (or b = g) at strength b pulls the value towards 255,
// and the code reverses that. The result wraps like the byte it was computed in.
int ConvertUnlighten(int myValue, int myBlue) {
    const int myRaw = myValue - (255 - myValue) * myBlue / (254 - myBlue);
    return ((myRaw % 256) + 256) % 256;
}

int ConvertSpread(int myPosition, bool mySpread, int myFrame, int myFrames) {
    if (!mySpread || myFrames <= 0) return myPosition;
    return (myPosition + myFrame * kGradientColors / myFrames) % kGradientColors;
}

// The primary gradient of a brush and the secondary of a fill live at 21; the other two at 111.
uint8_t ConvertPrimary(const ConvertSettings& mySettings, int myValue, int myFrame, int myFrames) {
    const int myPos = ConvertSpread(ConvertGradientPosition(myValue, mySettings.mPrimarySections),
                                    mySettings.mSpreadPrimary, myFrame, myFrames);
    return static_cast<uint8_t>(
        (mySettings.mKind == kConvertBrush ? kPixelBrushGradient : kPixelFillGradient) + myPos);
}

uint8_t ConvertSecondary(const ConvertSettings& mySettings, int myValue, int myFrame, int myFrames) {
    const int myPos = ConvertSpread(ConvertGradientPosition(myValue, mySettings.mSecondarySections),
                                    mySettings.mSpreadSecondary, myFrame, myFrames);
    return static_cast<uint8_t>(
        (mySettings.mKind == kConvertBrush ? kPixelFillGradient : kPixelBrushGradient) + myPos);
}

bool ConvertFixedSlot(ConvertFixedTable& myTable, uint8_t myRed, uint8_t myGreen, uint8_t myBlue,
                      int& mySlot) {
    auto mySame = [&](int i) {
        return myTable.mRed[i] == myRed && myTable.mGreen[i] == myGreen && myTable.mBlue[i] == myBlue;
    };
    if (myTable.mLastHit >= 0 && mySame(myTable.mLastHit)) {
        mySlot = myTable.mLastHit;
        return true;
    }
    for (int i = 0; i < myTable.mCount; ++i)
        if (mySame(i)) {
            mySlot = myTable.mLastHit = i;
            return true;
        }
    if (myTable.mCount >= kBitmapMaxColors) return false;
    mySlot = myTable.mLastHit = myTable.mCount++;
    myTable.mRed[mySlot] = myRed;
    myTable.mGreen[mySlot] = myGreen;
    myTable.mBlue[mySlot] = myBlue;
    return true;
}

} // namespace

double ConvertLuminance(uint8_t myRed, uint8_t myGreen, uint8_t myBlue) {
    return 0.212671 * myRed + 0.71516 * myGreen + 0.072169 * myBlue;
}

int ConvertGradientPosition(int myValue, int mySections) {
    mySections = std::max(mySections, 1);
    // Value 0 with one section would land on position 90, one past the gradient (in a fill on index 201, a
    // run code); the gradient cycles, so position 90 is position 0.
    return (255 - myValue) * kGradientColors / (255 * mySections) % kGradientColors;
}

ConvertClass ConvertClassify(const ConvertSettings& mySettings, uint8_t myBlue, uint8_t myGreen,
                             uint8_t myRed, int& myValue) {
    const int b = myBlue, g = myGreen, r = myRed;
    myValue = 0;
    if (b == 0 && g == 0 && r == 0) return kClassBlack;
    auto myPrimary = [&](int myChannel) {
        myValue = myChannel;
        return kClassPrimary;
    };
    auto mySecondary = [&](int myChannel) {
        myValue = myChannel;
        return kClassSecondary;
    };
    if (mySettings.mKind == kConvertFill) {
        if (mySettings.mSecondGradient && b == 0 && g == 0) return mySecondary(r);
        if (mySettings.mFixedColors) return kClassFixed;
        return g > r ? myPrimary(g) : mySecondary(r);
    }
    if (b == 255 && g == 255 && r == 255) return kClassTransparent;
    if (mySettings.mBlueMask && b == 255 && g == 0 && r == 0) return kClassMask;
    if (mySettings.mSecondGradient && b == 0 && g == 0) return mySecondary(r);
    if (mySettings.mFixedColors) return kClassFixed;
    if (b == 0 && r == 0) return myPrimary(g);
    if (b == g && g == r) return b < 128 ? kClassBlack : kClassTransparent;
    if (b == r) return b >= 128 ? kClassTransparent : myPrimary(ConvertUnlighten(g, b));
    if (b == g) return b >= 128 ? kClassTransparent : mySecondary(ConvertUnlighten(r, b));
    if (g == r) {
        if (b == 255) return mySettings.mBlueMask && g < 128 ? kClassMask : kClassTransparent;
        if (b < 128) return kClassBlack;
        return mySettings.mBlueMask ? kClassMask : kClassBlack;
    }
    return g > r ? myPrimary(g) : mySecondary(r);
}

bool ConvertMapPixel(const ConvertSettings& mySettings, uint8_t myBlue, uint8_t myGreen, uint8_t myRed,
                     int myFrame, int myFrames, ConvertFixedTable& myTable, uint8_t& myIndex, bool& myMask) {
    myMask = false;
    int myValue = 0;
    switch (ConvertClassify(mySettings, myBlue, myGreen, myRed, myValue)) {
    case kClassBlack:
        myIndex = 0;
        return true;
    case kClassTransparent:
        myIndex = kPixelTransparent;
        return true;
    case kClassMask:
        myIndex = kPixelTransparent;
        myMask = true;
        return true;
    case kClassFixed: {
        int mySlot = 0;
        if (!ConvertFixedSlot(myTable, myRed, myGreen, myBlue, mySlot)) return false;
        myIndex = static_cast<uint8_t>(ConvertFixedBase(mySettings.mKind) + mySlot);
        return true;
    }
    case kClassPrimary:
        myIndex = ConvertPrimary(mySettings, myValue, myFrame, myFrames);
        return true;
    case kClassSecondary:
        myIndex = ConvertSecondary(mySettings, myValue, myFrame, myFrames);
        return true;
    }
    return true;
}

void ConvertSortFixed(ConvertFixedTable& myTable, uint8_t myNewSlot[kBitmapMaxColors]) {
    int myOrder[kBitmapMaxColors];
    for (int i = 0; i < myTable.mCount; ++i)
        myOrder[i] = i;
    std::stable_sort(myOrder, myOrder + myTable.mCount, [&](int a, int b) {
        return ConvertLuminance(myTable.mRed[a], myTable.mGreen[a], myTable.mBlue[a]) >
               ConvertLuminance(myTable.mRed[b], myTable.mGreen[b], myTable.mBlue[b]);
    });
    ConvertFixedTable mySorted;
    mySorted.mCount = myTable.mCount;
    for (int i = 0; i < myTable.mCount; ++i) {
        mySorted.mRed[i] = myTable.mRed[myOrder[i]];
        mySorted.mGreen[i] = myTable.mGreen[myOrder[i]];
        mySorted.mBlue[i] = myTable.mBlue[myOrder[i]];
        myNewSlot[myOrder[i]] = static_cast<uint8_t>(i);
    }
    myTable = mySorted;
}
