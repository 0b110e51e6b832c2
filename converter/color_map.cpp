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

bool ConvertMapPixel(const ConvertSettings& mySettings, uint8_t myBlue, uint8_t myGreen, uint8_t myRed,
                     int myFrame, int myFrames, ConvertFixedTable& myTable, uint8_t& myIndex, bool& myMask) {
    myMask = false;
    const int b = myBlue, g = myGreen, r = myRed;
    if (b == 0 && g == 0 && r == 0) {
        myIndex = 0;
        return true;
    }
    if (mySettings.mKind == kConvertFill) {
        if (mySettings.mSecondGradient && b == 0 && g == 0) {
            myIndex = ConvertSecondary(mySettings, r, myFrame, myFrames);
            return true;
        }
        if (mySettings.mFixedColors) {
            int mySlot = 0;
            if (!ConvertFixedSlot(myTable, myRed, myGreen, myBlue, mySlot)) return false;
            myIndex = static_cast<uint8_t>(kPixelFillGradient + mySlot);
            return true;
        }
        myIndex = g > r ? ConvertPrimary(mySettings, g, myFrame, myFrames)
                        : ConvertSecondary(mySettings, r, myFrame, myFrames);
        return true;
    }

    if (b == 255 && g == 255 && r == 255) {
        myIndex = kPixelTransparent;
        return true;
    }
    if (mySettings.mBlueMask && b == 255 && g == 0 && r == 0) {
        myIndex = kPixelTransparent;
        myMask = true;
        return true;
    }
    if (mySettings.mSecondGradient && b == 0 && g == 0) {
        myIndex = ConvertSecondary(mySettings, r, myFrame, myFrames);
        return true;
    }
    if (mySettings.mFixedColors) {
        int mySlot = 0;
        if (!ConvertFixedSlot(myTable, myRed, myGreen, myBlue, mySlot)) return false;
        myIndex = static_cast<uint8_t>(kPixelBrushGradient + mySlot);
        return true;
    }
    if (b == 0 && r == 0) {
        myIndex = ConvertPrimary(mySettings, g, myFrame, myFrames);
    } else if (b == g && g == r) {
        myIndex = b < 128 ? 0 : kPixelTransparent;
    } else if (b == r) {
        myIndex = b >= 128 ? kPixelTransparent
                           : ConvertPrimary(mySettings, ConvertUnlighten(g, b), myFrame, myFrames);
    } else if (b == g) {
        myIndex = b >= 128 ? kPixelTransparent
                           : ConvertSecondary(mySettings, ConvertUnlighten(r, b), myFrame, myFrames);
    } else if (g == r) {
        if (b == 255) {
            myIndex = kPixelTransparent;
            myMask = mySettings.mBlueMask && g < 128;
        } else if (b < 128) {
            myIndex = 0;
        } else if (mySettings.mBlueMask) {
            myIndex = kPixelTransparent;
            myMask = true;
        } else {
            myIndex = 0;
        }
    } else {
        myIndex = g > r ? ConvertPrimary(mySettings, g, myFrame, myFrames)
                        : ConvertSecondary(mySettings, r, myFrame, myFrames);
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
