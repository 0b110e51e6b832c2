// Styles as bytes: a settings record taken from a style file's bytes, older versions brought up to date.
#include <cstddef>
#include <cstring>

#include "storage/style.h"

namespace {

// A version 1 record holds four fills; its three effect names sit where version 2 keeps fills 5 and 6 and
// the fill set name.
constexpr size_t kVersion1Effects = offsetof(StyleRecord, mFillNames) + 4 * kNameSize;
constexpr int8_t kVersion1Off = -36;

} // namespace

int StyleSlot(int8_t myValue, int myCount) {
    return ((myValue - 1) % myCount + myCount) % myCount;
}

void StyleConvertVersion1(StyleRecord& myRecord) {
    auto* myBytes = reinterpret_cast<uint8_t*>(&myRecord);
    myRecord.mVersion = kStyleVersion;
    myRecord.mFrequency = static_cast<int8_t>(myRecord.mFrequency - 5);
    myRecord.mFadeTime = 0;
    myRecord.mScaleThreshold = 25;
    myRecord.mMaxFade = 120;
    // Version 1 kept the tempo where version 2 has two reserved bytes.
    myRecord.mTempo[0] = myRecord.mReserved2[0];
    myRecord.mTempo[1] = myRecord.mReserved2[1];
    myRecord.mReserved2[0] = myRecord.mReserved2[1] = 0;
    myRecord.mFillCount = kFillSlots;
    std::memmove(myRecord.mBrushColorEffect, myBytes + kVersion1Effects, 3 * kNameSize);
    StyleCopy(myRecord.mFillNames[4], "(None)");
    StyleCopy(myRecord.mFillNames[5], "(None)");
    StyleCopy(myRecord.mFillSetName, "(None)");
    for (int c = 0; c < kChannels; ++c) {
        const int myCombined = myRecord.mThreshold[c];
        int myCounter = 1;
        if (myCombined == kVersion1Off) {
            myCounter = 0;
        } else if (myCombined < 0) {
            myCounter = myCombined >= -10 ? -myCombined : -(2 * myCombined + 10);
        }
        myRecord.mThreshold[c] = static_cast<int8_t>(myCombined < 0 ? 0 : myCombined);
        // The widest stored counters would not fit the byte; they stay as rare as the byte allows.
        myRecord.mBeatCounter[c] = static_cast<int8_t>(myCounter > 127 ? 127 : myCounter);
    }
}

bool StyleFromBytes(const uint8_t* myData, size_t mySize, StyleRecord& myRecord) {
    std::memset(&myRecord, 0, sizeof(myRecord));
    if (mySize < static_cast<size_t>(kStyleHeaderSize)) return false;
    std::memcpy(&myRecord, myData, kStyleHeaderSize);
    const int myBody = StyleBodySize(myRecord.mVersion);
    if (myBody == 0 || mySize - kStyleHeaderSize < static_cast<size_t>(myBody)) return false;
    std::memcpy(reinterpret_cast<uint8_t*>(&myRecord) + kStyleHeaderSize, myData + kStyleHeaderSize,
                static_cast<size_t>(myBody));
    if (myRecord.mVersion == 1) StyleConvertVersion1(myRecord);
    return true;
}
