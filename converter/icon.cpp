// The icon of a brush or fill: the picture fitted into its box, with fixed colours kept on even slots.
#include "converter/icon.h"

#include <algorithm>

namespace {

// Previews show two neighbouring fixed slots in one colour (index div 2); an odd slot joins the even
// neighbour it looks most like.
uint8_t ConvertEvenSlot(uint8_t myIndex, const ConvertFixedTable& myTable, uint8_t myFixedBase) {
    const int mySlot = myIndex - myFixedBase;
    if (mySlot < 0 || mySlot >= myTable.mCount || mySlot % 2 == 0) return myIndex;
    auto myLum = [&](int s) {
        return ConvertLuminance(myTable.mRed[s], myTable.mGreen[s], myTable.mBlue[s]);
    };
    const double myDown = myLum(mySlot - 1) - myLum(mySlot);
    const double myUp = mySlot + 1 < myTable.mCount ? myLum(mySlot) - myLum(mySlot + 1) : 256.0;
    return static_cast<uint8_t>(myIndex + (myDown < myUp ? -1 : 1));
}

} // namespace

std::vector<uint8_t> ConvertMakeIcon(const uint8_t* myPicture, int myPitch, int myLeft, int myTop,
                                     int myWidth, int myHeight, int myIconWidth,
                                     const ConvertFixedTable& myTable, uint8_t myFixedBase) {
    std::vector<uint8_t> myIcon(static_cast<size_t>(myIconWidth) * kBitmapIconHeight, kPixelTransparent);
    if (myWidth <= 0 || myHeight <= 0) return myIcon;
    int myTargetWidth = myWidth, myTargetHeight = myHeight;
    if (myWidth > myIconWidth || myHeight > kBitmapIconHeight) {
        if (static_cast<int64_t>(myWidth) * kBitmapIconHeight >=
            static_cast<int64_t>(myHeight) * myIconWidth) {
            myTargetWidth = myIconWidth;
            myTargetHeight =
                std::max(1, static_cast<int>(static_cast<int64_t>(myHeight) * myIconWidth / myWidth));
        } else {
            myTargetHeight = kBitmapIconHeight;
            myTargetWidth =
                std::max(1, static_cast<int>(static_cast<int64_t>(myWidth) * kBitmapIconHeight / myHeight));
        }
    }
    const int myOffsetX = (myIconWidth - myTargetWidth) / 2;
    const int myOffsetY = (kBitmapIconHeight - myTargetHeight) / 2;
    for (int y = 0; y < myTargetHeight; ++y) {
        const int mySourceY = myTop + static_cast<int>((y + 0.5) * myHeight / myTargetHeight);
        for (int x = 0; x < myTargetWidth; ++x) {
            const int mySourceX = myLeft + static_cast<int>((x + 0.5) * myWidth / myTargetWidth);
            const uint8_t myIndex = myPicture[static_cast<size_t>(mySourceY) * myPitch + mySourceX];
            myIcon[static_cast<size_t>(myOffsetY + y) * myIconWidth + myOffsetX + x] =
                ConvertEvenSlot(myIndex, myTable, myFixedBase);
        }
    }
    return myIcon;
}

bool ConvertIconFrame(const uint8_t* myPicture, const uint8_t* myMask, int myPitch, int myFrameWidth,
                      int myHeight, int& myLeft, int& myTop, int& myWidth, int& myIconHeight) {
    auto myShown = [&](int x, int y) {
        const size_t myAt = static_cast<size_t>(y) * myPitch + x;
        return myPicture[myAt] != kPixelTransparent || (myMask && myMask[myAt]);
    };
    int myMinX = myFrameWidth, myMaxX = -1, myMinY = myHeight, myMaxY = -1;
    for (int y = 0; y < myHeight; ++y)
        for (int x = 0; x < myFrameWidth; ++x)
            if (myShown(x, y)) {
                myMinX = std::min(myMinX, x), myMaxX = std::max(myMaxX, x);
                myMinY = std::min(myMinY, y), myMaxY = std::max(myMaxY, y);
            }
    if (myMaxX < 0) return false;
    myLeft = myMinX, myTop = myMinY;
    myWidth = myMaxX - myMinX + 1, myIconHeight = myMaxY - myMinY + 1;
    return true;
}
