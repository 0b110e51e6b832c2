// Row compression: runs, packed groups of one and two bits, merged runs and literals; mask runs and escapes.
#include "converter/compress.h"

#include <algorithm>

namespace {

constexpr int kMaxRun = 56;      // codes 201-254 carry 3-56 pixels
constexpr int kMaxGroup = 14;    // the packed codes carry 4-8 or 10-14 pixels
constexpr int kLookAhead = 15;   // pixels examined for a packed group
constexpr int kMaxMaskRun = 256; // a mask run's count byte holds count - 1

// A row is first cut into runs (3-56 equal pixels) and single pixels, then the singles are packed.
struct ConvertPiece {
    uint8_t mValue;
    int mLength; // 1 for a single pixel
};

void ConvertPutGroup(const uint8_t* myPixels, int myCount, int myBits, std::vector<uint8_t>& myOut) {
    const uint8_t myLow = *std::min_element(myPixels, myPixels + myCount);
    uint32_t myPacked = 0;
    for (int i = 0; i < myCount; ++i)
        myPacked |= static_cast<uint32_t>(myPixels[i] - myLow) << ((myCount - 1 - i) * myBits);
    const int myBytes = myBits == 1 ? (myCount + 7) / 8 : (myCount + 3) / 4;
    for (int i = 0; i < myBytes; ++i)
        myOut.push_back(static_cast<uint8_t>(myPacked >> (8 * i)));
    myOut.push_back(myLow);
    int myCode;
    if (myBits == 1)
        myCode = myCount <= 8 ? myCount - 3 : myCount - 4;
    else
        myCode = myCount <= 8 ? myCount + 7 : myCount + 6;
    myOut.push_back(static_cast<uint8_t>(myCode));
}

} // namespace

bool ConvertCompressRow(const uint8_t* myRow, int myWidth, std::vector<uint8_t>& myOut) {
    std::vector<ConvertPiece> myPieces;
    for (int x = 0; x < myWidth;) {
        int myRun = 1;
        while (x + myRun < myWidth && myRow[x + myRun] == myRow[x])
            ++myRun;
        while (myRun >= 3) {
            const int myLength = std::min(myRun, kMaxRun);
            myPieces.push_back({myRow[x], myLength});
            x += myLength;
            myRun -= myLength;
        }
        for (; myRun > 0; --myRun)
            myPieces.push_back({myRow[x++], 1});
    }

    const size_t myStart = myOut.size();
    std::vector<uint8_t> myGroup;
    for (size_t i = 0; i < myPieces.size();) {
        const ConvertPiece& myPiece = myPieces[i];
        if (myPiece.mLength > 1) {
            // Two short runs one value apart cost four bytes; as one group of one bit they cost three.
            if (i + 1 < myPieces.size() && myPieces[i + 1].mLength > 1 &&
                std::abs(myPiece.mValue - myPieces[i + 1].mValue) <= 1 &&
                myPiece.mLength + myPieces[i + 1].mLength <= 8) {
                myGroup.assign(myPiece.mLength, myPiece.mValue);
                myGroup.insert(myGroup.end(), myPieces[i + 1].mLength, myPieces[i + 1].mValue);
                ConvertPutGroup(myGroup.data(), static_cast<int>(myGroup.size()), 1, myOut);
                i += 2;
            } else {
                myOut.push_back(myPiece.mValue);
                myOut.push_back(static_cast<uint8_t>(198 + myPiece.mLength));
                ++i;
            }
            continue;
        }
        int myCount = 0;
        if (i + 1 < myPieces.size() && myPieces[i + 1].mLength == 1 &&
            std::abs(myPiece.mValue - myPieces[i + 1].mValue) <= 15) {
            // The longest stretch of singles from here whose values lie within four of each other.
            int myLow = myPiece.mValue, myHigh = myPiece.mValue;
            for (size_t j = i; j < myPieces.size() && j < i + kLookAhead && myPieces[j].mLength == 1; ++j) {
                const int myLowNext = std::min<int>(myLow, myPieces[j].mValue);
                const int myHighNext = std::max<int>(myHigh, myPieces[j].mValue);
                if (myHighNext - myLowNext > 3) break;
                myLow = myLowNext, myHigh = myHighNext;
                ++myCount;
            }
            myCount = std::min(myCount, kMaxGroup);
            if (myCount == 9) myCount = 8; // no code carries nine pixels
        }
        if (myCount >= 4) {
            myGroup.clear();
            for (int j = 0; j < myCount; ++j)
                myGroup.push_back(myPieces[i + j].mValue);
            const int mySpread = *std::max_element(myGroup.begin(), myGroup.end()) -
                                 *std::min_element(myGroup.begin(), myGroup.end());
            ConvertPutGroup(myGroup.data(), myCount, mySpread == 1 ? 1 : 2, myOut);
            i += myCount;
            continue;
        }
        if (!ConvertIsLiteral(myPiece.mValue)) {
            myOut.resize(myStart);
            return false;
        }
        myOut.push_back(myPiece.mValue);
        ++i;
    }
    return true;
}

void ConvertPackMaskRow(const uint8_t* myMask, int myWidth, uint8_t* myPacked) {
    const int myBytes = (myWidth + 7) / 8;
    std::fill_n(myPacked, myBytes, uint8_t{0});
    for (int x = 0; x < myWidth; ++x)
        if (myMask[x]) myPacked[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    // The pixels past the row's end are never shown; filling them lets a last byte join a run of 255.
    if (myWidth % 8 != 0 && myBytes >= 2 && (myPacked[myBytes - 1] & 0x80) && myPacked[myBytes - 2] == 255)
        myPacked[myBytes - 1] |= static_cast<uint8_t>(0xFF >> (myWidth % 8));
}

void ConvertCompressMaskRow(const uint8_t* myPacked, int myBytes, std::vector<uint8_t>& myOut) {
    // Without the escape marker only zero bytes form runs, and a literal 255 may not end the row.
    auto myCode = [&](bool myMarker, std::vector<uint8_t>& myCoded) {
        for (int x = 0; x < myBytes;) {
            const uint8_t myByte = myPacked[x];
            if (myByte == 0 || (myMarker && myByte == 255)) {
                int myRun = 1;
                while (x + myRun < myBytes && myRun < kMaxMaskRun && myPacked[x + myRun] == myByte)
                    ++myRun;
                myCoded.push_back(static_cast<uint8_t>(myRun - 1));
                myCoded.push_back(myByte);
                x += myRun;
            } else {
                myCoded.push_back(myByte);
                ++x;
            }
        }
        if (myMarker) myCoded.push_back(255);
    };
    std::vector<uint8_t> myPlain, myEscaped;
    myCode(false, myPlain);
    const bool myPlainValid = myBytes == 0 || myPacked[myBytes - 1] != 255;
    if (myPlainValid && std::find(myPacked, myPacked + myBytes, uint8_t{255}) == myPacked + myBytes) {
        myOut.insert(myOut.end(), myPlain.begin(), myPlain.end());
        return;
    }
    myCode(true, myEscaped);
    const std::vector<uint8_t>& myBest =
        myPlainValid && myPlain.size() <= myEscaped.size() ? myPlain : myEscaped;
    myOut.insert(myOut.end(), myBest.begin(), myBest.end());
}
