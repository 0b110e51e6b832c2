// Loading a fill file into a fill slot: the picture (stretched to the screen when it is a full picture), its
// icon and own colours.
#include <cstddef>
#include <cstring>

#include "core/alert.h"
#include "core/display.h"
#include "storage/loading.h"

namespace {

bool FillHeaderSound(const BitmapHeader& myHeader, int32_t myFileLength) {
    const int32_t myWidth = BytesI16(myHeader.mWidth);
    const int32_t myHeight = BytesI16(myHeader.mHeight);
    const int64_t mySize = BytesI32(myHeader.mColorSize);
    const int32_t myIcon = BytesI16(myHeader.mIconSize);
    const int32_t myOffset = BytesI16(myHeader.mDataOffset);
    if (myWidth < 0 || myHeight < 0 || mySize < 0 || myIcon < 0 || myOffset < myIcon) return false;
    if (myOffset + mySize > myFileLength) return false;
    if (static_cast<int64_t>(myWidth) * myHeight > kMostPixelsPerByte * mySize) return false;
    return myHeader.mColorCount <= kBitmapMaxColors;
}

} // namespace

bool VFill::FillLoad(const char* myName, char mySlot, uint8_t myRecord, uint8_t myRedraw,
                     StyleRecord* myStyle, uint8_t myQuiet) {
    StyleRecord& myRecordStyle = myStyle ? *myStyle : gStyle;
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kFillSlots;
    char* myField = myRecordStyle.mFillNames[mySlotIndex];
    // A fill loaded into a slot leaves the fill set's name as it was.
    const LoadPlan myPlan = {
        "fill",
        kPlaceFill,
        kComponentFill,
        myField,
        static_cast<uint16_t>(offsetof(StyleRecord, mFillNames) + kNameSize * mySlotIndex),
        static_cast<char>(mySlotIndex + 1),
        nullptr};
    auto myRead = [&](FileHandle myFile) { return FillRead(myFile, myField, myQuiet); };
    auto myFinish = [&](bool myLoaded) {
        if (myLoaded) return;
        Release();
        mWidth = mHeight = 0;
        mFixedSize = 0;
        mBackRect = {};
        LoadFillBlack(mThumb, kFillThumbWidth, kThumbHeight);
    };
    return LoadComponent(myPlan, myName, myRecord, myRedraw, myQuiet, myRead, myFinish);
}

LoadOutcome VFill::FillRead(FileHandle myFile, char* myField, uint8_t myQuiet) {
    const int myScreenWidth = gRectDisplay.Width();
    const int myScreenHeight = gRectDisplay.Height();
    BitmapHeader myHeader = {};
    FileRead(myFile, kBitmapHeaderSize, &myHeader);
    if (!LoadCheckHeader(myHeader.mHeader, kTypeFill, kTypeTile, myFile, myQuiet)) return kLoadRefused;
    if (!FillHeaderSound(myHeader, FileLength(myFile))) return LoadRefuse(myFile, myQuiet);
    const int myWidth = BytesI16(myHeader.mWidth);
    const int myHeight = BytesI16(myHeader.mHeight);
    const int32_t myPictureSize = BytesI32(myHeader.mColorSize);
    const int32_t myIconSize = BytesI16(myHeader.mIconSize);
    const int32_t myOffset = BytesI16(myHeader.mDataOffset);

    const bool myStretch =
        myWidth >= kFillPictureWidth && myHeight >= kFillPictureHeight && myScreenWidth > myWidth;
    const int64_t myNeeded = myStretch
                                 ? static_cast<int64_t>((myScreenWidth + 3) / 4) * 8 * (myScreenHeight / 2)
                                 : static_cast<int64_t>((myWidth + 3) / 4) * 4 * myHeight;
    if (myNeeded > LoadGetMaxMemory(mSize))
        return LoadRefuseTooLarge(*this, myFile, "Not enough memory to load fill!", myField, myQuiet);

    Release();
    mType = static_cast<char>(myHeader.mHeader.mType);
    mWidth = static_cast<int16_t>(myWidth);
    mHeight = static_cast<int16_t>(myHeight);
    mFixedSize = myHeader.mColorCount;
    mCompress = myHeader.mMaskRaw;
    BitmapGetGradient(myFile);
    mBackRect = myStretch ? Rect{0, 0, myScreenWidth, myScreenHeight} : Rect{0, 0, myWidth, myHeight};

    FileSeek(myFile, myOffset, 0);
    if (myStretch) {
        Surface myPicture;
        if (SurfaceCreate(myPicture, myWidth, myHeight) &&
            SurfaceCreate(m8BitWorld, myScreenWidth, myScreenHeight)) {
            BitmapLoadPixels(myPicture, myFile, myPictureSize, myWidth, myHeight, false, 0);
            SurfaceStretch(m8BitWorld, mBackRect, myPicture, {0, 0, myWidth, myHeight}, false);
        }
    } else if (SurfaceCreate(m8BitWorld, myWidth, myHeight)) {
        BitmapLoadPixels(m8BitWorld, myFile, myPictureSize, myWidth, myHeight, false, 0);
    }
    mFileFlag = m8BitWorld.Exists() ? 1 : 0;
    // A picture larger than the screen shows its middle: the window onto it is centred, so drawing and
    // restoring never reach outside the picture.
    if (myWidth > myScreenWidth && myHeight > myScreenHeight) {
        const int myLeft = myWidth / 2 - static_cast<int>(gCentX);
        const int myTop = myHeight / 2 - static_cast<int>(gCentY);
        mBackRect = {myLeft, myTop, myLeft + myScreenWidth, myTop + myScreenHeight};
    }

    FileSeek(myFile, myOffset - myIconSize, 0);
    LoadFillBlack(mThumb, kFillThumbWidth, kThumbHeight);
    if (!LoadIconImage(myFile, myIconSize, {0, 0, kFillIconWidth, kBitmapIconHeight}, mThumb,
                       {0, 0, kFillThumbWidth, kThumbHeight}, kIconBackBlack, 1))
        LoadFillBlack(mThumb, kFillThumbWidth, kThumbHeight);
    FileClose(myFile);
    mSize = static_cast<int32_t>(myNeeded);
    return kLoadDone;
}
