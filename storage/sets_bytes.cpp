// Sets as bytes: the sections of the settings record a set file holds, written out and read back.
#include <cstring>
#include <vector>

#include "storage/sets.h"

namespace {

// The current slot must name one of the set's slots: it becomes current as it is.
bool SetCurrentValid(int8_t myCurrent, int mySlots) {
    return myCurrent >= 1 && myCurrent <= mySlots;
}

bool SetImageValid(const SetImage& myImage, char myKind) {
    const StyleRecord& mySet = myImage.mRecord;
    switch (myKind) {
    case kSetGradient:
        return SetCurrentValid(mySet.mCurrentGrad, kGradSlots);
    case kSetFill:
        return SetCurrentValid(mySet.mCurrentFill, kFillSlots);
    case kSetMove:
        return SetCurrentValid(mySet.mCurrentMove, kMoveSlots);
    default:
        return SetCurrentValid(mySet.mCurrentBrush, kBrushSlots);
    }
}

} // namespace

bool StyleSetFromBytes(const SetFormat& myFormat, const uint8_t* myData, size_t mySize, SetImage& myImage) {
    std::memset(&myImage.mRecord, 0, sizeof(StyleRecord));
    myImage.mType = mySize > 0 ? static_cast<char>(myData[0]) : 0;
    const bool myOld = myFormat.mType == kSetBrush && myImage.mType == kSetBrushOld;
    if (myImage.mType != myFormat.mType && !myOld) return false;
    // The older brush set ends before its fill section.
    const size_t myCount = myFormat.mSections.size() - (myOld ? 1 : 0);
    if (mySize < static_cast<size_t>(SetFormatSize(myFormat.mSections, myCount))) return false;
    auto* myBytes = reinterpret_cast<uint8_t*>(&myImage.mRecord);
    size_t myAt = kStyleHeaderSize;
    for (size_t i = 0; i < myCount; ++i) {
        const SetSection& mySection = myFormat.mSections[i];
        std::memcpy(myBytes + mySection.mOffset, myData + myAt, mySection.mSize);
        myAt += mySection.mSize;
    }
    return SetImageValid(myImage, myFormat.mType);
}

std::vector<uint8_t> StyleSetBytes(const SetFormat& myFormat, const StyleRecord& myRecord) {
    std::vector<uint8_t> myBytes = {static_cast<uint8_t>(myFormat.mType), 0, kStyleVersion, kNameSize};
    const auto* myRecordBytes = reinterpret_cast<const uint8_t*>(&myRecord);
    for (const SetSection& mySection : myFormat.mSections)
        myBytes.insert(myBytes.end(), myRecordBytes + mySection.mOffset,
                       myRecordBytes + mySection.mOffset + mySection.mSize);
    return myBytes;
}
