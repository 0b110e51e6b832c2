// The decoders of the component files' picture codings. Every stream is read backwards, from its last byte,
// while the pixels are written from the last pixel of the last row towards the first.
#include "storage/decode.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "storage/format_program.h"

namespace {

// The write position of a backwards decoder: a picture of myWidth x myHeight at the top-left of a surface.
struct BackWriter {
    uint8_t* mBase;
    int mPitch;
    int mWidth;
    int mRow;
    int mCol;
    bool mOverrun = false; // the stream held more pixels than the picture

    BackWriter(Surface& mySurface, int myWidth, int myHeight)
        : mBase(mySurface.mPixels.data()), mPitch(mySurface.mPitch), mWidth(myWidth), mRow(myHeight - 1),
          mCol(myWidth - 1) {}

    bool Done() const { return mRow < 0 || mWidth <= 0; }
    void Put(uint8_t myValue) {
        if (Done()) {
            mOverrun = true;
            return;
        }
        mBase[static_cast<size_t>(mRow) * mPitch + mCol] = myValue;
        if (--mCol < 0) {
            mCol = mWidth - 1;
            --mRow;
        }
    }
    // myCount pixels of one value, a row's stretch at a time: long runs and the rest of a short stream cost
    // little more than one pixel.
    void PutRun(uint8_t myValue, int myCount) {
        while (myCount > 0) {
            if (Done()) {
                mOverrun = true;
                return;
            }
            const int myTaken = std::min(myCount, mCol + 1);
            mCol -= myTaken;
            std::memset(mBase + static_cast<size_t>(mRow) * mPitch + mCol + 1, myValue, myTaken);
            myCount -= myTaken;
            if (mCol < 0) {
                mCol = mWidth - 1;
                --mRow;
            }
        }
    }
    // What a short stream leaves unwritten must not keep the compressed bytes that lay there.
    void Finish() {
        while (!Done())
            PutRun(0, mCol + 1);
    }
};

bool BitmapFits(const Surface& mySurface, int myWidth, int myHeight) {
    return myWidth >= 0 && myHeight >= 0 && myWidth <= mySurface.mWidth && myHeight <= mySurface.mHeight;
}

} // namespace

bool BitmapDecodePixels(Surface& mySurface, int32_t mySize, int myWidth, int myHeight) {
    if (!BitmapFits(mySurface, myWidth, myHeight)) return false;
    if (mySize < 0 || static_cast<size_t>(mySize) > mySurface.mPixels.size()) return false;
    const uint8_t* myIn = mySurface.mPixels.data();
    BackWriter myOut(mySurface, myWidth, myHeight);
    int32_t myPos = mySize - 1;
    bool myWhole = true;
    while (myPos >= 0 && !myOut.Done()) {
        const uint8_t myCode = myIn[myPos];
        if (myCode == 0 || (myCode >= 21 && myCode <= 200) || myCode == 255) {
            myOut.Put(myCode);
            myPos -= 1;
            continue;
        }
        if (myPos < 1) {
            myWhole = false;
            break;
        }
        const uint8_t myValue = myIn[myPos - 1];
        if (myCode >= 201) {
            myOut.PutRun(myValue, myCode - 198);
            myPos -= 2;
            continue;
        }
        int myCount, myBits;
        if (myCode <= 5) {
            myCount = myCode + 3, myBits = 1;
        } else if (myCode <= 10) {
            myCount = myCode + 4, myBits = 1;
        } else if (myCode <= 15) {
            myCount = myCode - 7, myBits = 2;
        } else {
            myCount = myCode - 6, myBits = 2;
        }
        const int myBytes = myBits == 1 ? (myCount + 7) / 8 : (myCount + 3) / 4;
        if (myPos < 1 + myBytes) {
            myWhole = false;
            break;
        }
        uint32_t myPacked = 0;
        const int32_t myFirst = myPos - 1 - myBytes;
        for (int i = 0; i < myBytes; ++i)
            myPacked |= static_cast<uint32_t>(myIn[myFirst + i]) << (8 * i);
        const uint32_t myMask = myBits == 1 ? 1 : 3;
        for (int i = 0; i < myCount; ++i)
            myOut.Put(static_cast<uint8_t>(myValue + ((myPacked >> (i * myBits)) & myMask)));
        myPos = myFirst - 1;
    }
    myWhole = myWhole && myPos < 0 && myOut.Done() && !myOut.mOverrun;
    myOut.Finish();
    return myWhole;
}

bool BitmapDecodeMask(Surface& mySurface, const uint8_t* mySource, int32_t mySize, int myWidth, int myHeight,
                      bool myRaw) {
    if (myWidth < 0 || myHeight < 0 || myHeight > mySurface.mHeight || mySize < 0) return false;
    const int myRowWidth = (myWidth + 7) / 8 * 8;
    const int myVisible = std::min(myRowWidth, mySurface.mWidth);
    auto myPut = [&](int myRow, int myX, uint8_t myValue) {
        if (myX >= 0 && myX < myVisible) mySurface.Row(myRow)[myX] = myValue;
    };
    for (int y = 0; y < myHeight; ++y)
        std::fill_n(mySurface.Row(y), myVisible, uint8_t{0});

    if (myRaw) {
        const int myRowBytes = myRowWidth / 8;
        for (int y = 0; y < myHeight; ++y)
            for (int myByte = 0; myByte < myRowBytes; ++myByte) {
                const int64_t myAt = static_cast<int64_t>(y) * myRowBytes + myByte;
                if (myAt >= mySize) return false;
                for (int myBit = 0; myBit < 8; ++myBit)
                    myPut(y, 8 * myByte + myBit, (mySource[myAt] >> (7 - myBit)) & 1 ? 255 : 0);
            }
        return static_cast<int64_t>(myRowBytes) * myHeight == mySize;
    }

    int32_t myPos = mySize - 1;
    for (int y = myHeight - 1; y >= 0; --y) {
        if (myPos < 0) return false;
        const bool myMarker = mySource[myPos] == 255;
        if (myMarker) --myPos;
        int x = myRowWidth - 1;
        while (x >= 0) {
            if (myPos < 0) return false;
            const uint8_t myByte = mySource[myPos];
            if (myByte == 0 || (myByte == 255 && myMarker)) {
                if (myPos < 1) return false;
                const int myRun = std::min((mySource[myPos - 1] + 1) * 8, x + 1);
                const int myVisibleEnd = std::min(x + 1, myVisible);
                if (myVisibleEnd > x + 1 - myRun)
                    std::memset(mySurface.Row(y) + x + 1 - myRun, myByte, myVisibleEnd - (x + 1 - myRun));
                x -= myRun;
                myPos -= 2;
            } else {
                for (int i = 0; i < 8 && x >= 0; ++i, --x)
                    myPut(y, x, (myByte >> i) & 1 ? 255 : 0);
                myPos -= 1;
            }
        }
    }
    return myPos < 0;
}

bool LoadDecodeMoveIcon(Surface& mySurface, int32_t mySize) {
    if (!BitmapFits(mySurface, kMoveIconSide, kMoveIconSide)) return false;
    if (mySize < 0 || static_cast<size_t>(mySize) > mySurface.mPixels.size()) return false;
    const uint8_t* myIn = mySurface.mPixels.data();
    BackWriter myOut(mySurface, kMoveIconSide, kMoveIconSide);
    int32_t myPos = mySize - 1;
    for (; myPos >= 0 && !myOut.Done(); --myPos) {
        const uint8_t myValue = myIn[myPos];
        if (myValue >= 21 && myValue <= 200) {
            myOut.PutRun(0, myValue - 19);
        } else {
            myOut.Put(myValue);
        }
    }
    const bool myWhole = myPos < 0 && myOut.Done() && !myOut.mOverrun;
    myOut.Finish();
    return myWhole;
}

void LoadReduceIcon(Surface& mySurface, int myWidth, int myHeight) {
    myWidth = std::min(myWidth, mySurface.mWidth);
    myHeight = std::min(myHeight, mySurface.mHeight);
    for (int y = 0; y < myHeight / 2; ++y) {
        const uint8_t* mySource = mySurface.Row(2 * y);
        uint8_t* myDest = mySurface.Row(y);
        for (int x = 0; x < myWidth / 2; ++x) {
            const uint8_t myLeft = mySource[2 * x];
            myDest[x] = myLeft == 255 ? mySource[2 * x + 1] : myLeft;
        }
    }
}

void LoadRemapIcon(Surface& mySurface, int myWidth, int myHeight, bool myFill) {
    const int myLow = myFill ? 111 : 21;
    myWidth = std::min(myWidth, mySurface.mWidth);
    myHeight = std::min(myHeight, mySurface.mHeight);
    for (int y = 0; y < myHeight; ++y) {
        uint8_t* myRow = mySurface.Row(y);
        for (int x = 0; x < myWidth; ++x)
            if (myRow[x] >= myLow && myRow[x] <= myLow + 89)
                myRow[x] = static_cast<uint8_t>(201 + (myRow[x] - myLow) / 2);
    }
}
