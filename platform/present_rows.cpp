// What every way of presenting shares and needs no display: the runs of changed rows, and the conversion of
// rows into a window's 32-bit pixels, magnified by a whole factor.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/present.h"

void ChangedRows::ChangedRowsSize(int myHeight) {
    mMarks.assign(static_cast<size_t>(std::max(myHeight, 0)), 0);
    mLeft.assign(mMarks.size(), 0);
    mRight.assign(mMarks.size(), 0);
    ChangedRowsMarkAll();
}

void ChangedRows::ChangedRowsMark(int myTop, int myBottom, int myLeft, int myRight) {
    const int myFirst = std::max(myTop, 0);
    const int myLast = std::min(myBottom, static_cast<int>(mMarks.size()));
    if (myFirst >= myLast || myLeft >= myRight) return;
    for (int myRow = myFirst; myRow < myLast; ++myRow) {
        if (!mMarks[myRow]) {
            mMarks[myRow] = 1;
            mLeft[myRow] = myLeft;
            mRight[myRow] = myRight;
        } else {
            mLeft[myRow] = std::min(mLeft[myRow], myLeft);
            mRight[myRow] = std::max(mRight[myRow], myRight);
        }
    }
    mAny = true;
}

void ChangedRows::ChangedRowsColumns(int myTop, int myBottom, int& myLeft, int& myRight) const {
    myLeft = 0;
    myRight = kChangedRowsWhole;
    if (mAll) return;
    bool myFound = false;
    for (int myRow = std::max(myTop, 0); myRow < std::min(myBottom, static_cast<int>(mMarks.size()));
         ++myRow) {
        if (!mMarks[myRow]) continue;
        myLeft = myFound ? std::min(myLeft, mLeft[myRow]) : mLeft[myRow];
        myRight = myFound ? std::max(myRight, mRight[myRow]) : mRight[myRow];
        myFound = true;
    }
    if (!myFound) myRight = myLeft;
}

void ChangedRows::ChangedRowsMarkAll() {
    mAll = true;
    mAny = true;
}

void ChangedRows::ChangedRowsClear() {
    std::fill(mMarks.begin(), mMarks.end(), 0);
    mAll = false;
    mAny = false;
}

bool ChangedRows::ChangedRowsRun(int myFrom, int& myTop, int& myBottom) const {
    const int myHeight = static_cast<int>(mMarks.size());
    if (mAll) {
        myTop = 0;
        myBottom = myHeight;
        return myFrom <= 0 && myHeight > 0;
    }
    int myRow = std::max(myFrom, 0);
    while (myRow < myHeight && !mMarks[myRow])
        ++myRow;
    if (myRow >= myHeight) return false;
    myTop = myRow;
    while (myRow < myHeight && mMarks[myRow])
        ++myRow;
    myBottom = myRow;
    return true;
}

void PresentConvertRows(const Surface& mySurface, int myTop, int myBottom, uint32_t* myPixels, int myPitch,
                        int myOutWidth, int myOutHeight, int myScale, PaletteOrder myOrder) {
    PresentConvertArea(mySurface, {0, myTop, mySurface.mWidth, myBottom}, myPixels, myPitch, myOutWidth,
                       myOutHeight, myScale, myOrder);
}

void PresentConvertArea(const Surface& mySurface, const Rect& myArea, uint32_t* myPixels, int myPitch,
                        int myOutWidth, int myOutHeight, int myScale, PaletteOrder myOrder) {
    if (myScale < 1) return;
    const int myTop = std::max(myArea.top, 0);
    const int myBottom = std::min({myArea.bottom, mySurface.mHeight, (myOutHeight + myScale - 1) / myScale});
    const int myLeft = std::max(myArea.left, 0);
    const int myRight = std::min({myArea.right, mySurface.mWidth, (myOutWidth + myScale - 1) / myScale});
    if (myTop >= myBottom || myLeft >= myRight) return;
    const int myWidth = myRight - myLeft;
    if (myScale == 1) {
        PaletteConvert(mySurface.Row(myTop) + myLeft, mySurface.mPitch, myWidth, myBottom - myTop,
                       myPixels + static_cast<size_t>(myTop) * myPitch + myLeft, myPitch, myOrder);
        return;
    }
    // Small windows only (the controls, help and alert): one row converted, widened, and copied down.
    std::vector<uint32_t> myRow(static_cast<size_t>(myWidth));
    const int myOutLeft = myLeft * myScale;
    const int myOutColumns = std::min(myWidth * myScale, myOutWidth - myOutLeft);
    for (int myY = myTop; myY < myBottom; ++myY) {
        PaletteConvert(mySurface.Row(myY) + myLeft, mySurface.mPitch, myWidth, 1, myRow.data(), myWidth,
                       myOrder);
        uint32_t* myFirst = myPixels + static_cast<size_t>(myY) * myScale * myPitch + myOutLeft;
        int myOutX = 0;
        for (int myX = 0; myOutX < myOutColumns; ++myX)
            for (int myCopy = 0; myCopy < myScale && myOutX < myOutColumns; ++myCopy)
                myFirst[myOutX++] = myRow[static_cast<size_t>(myX)];
        const int myLast = std::min((myY + 1) * myScale, myOutHeight);
        for (int myOutY = myY * myScale + 1; myOutY < myLast; ++myOutY)
            std::memcpy(myPixels + static_cast<size_t>(myOutY) * myPitch + myOutLeft, myFirst,
                        myOutColumns * sizeof(uint32_t));
    }
}
