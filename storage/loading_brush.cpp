// Loading a brush file into a brush slot: strip, mask, icon, own colours and frame order.
#include <cstddef>
#include <cstring>

#include "core/alert.h"
#include "storage/loading.h"

namespace {

// A header the converter could have written: sizes that fit the file, and a stream that could cover the
// strip.
bool BrushHeaderSound(const BitmapHeader& myHeader, int32_t myFileLength) {
    const int32_t myWidth = BytesI16(myHeader.mWidth);
    const int32_t myHeight = BytesI16(myHeader.mHeight);
    const int64_t myColor = BytesI32(myHeader.mColorSize);
    const int64_t myMask = BytesI32(myHeader.mMaskSize);
    const int32_t myIcon = BytesI16(myHeader.mIconSize);
    const int32_t myOffset = BytesI16(myHeader.mDataOffset);
    if (myWidth < 0 || myHeight < 0 || myColor < 0 || myMask < 0 || myIcon < 0 || myOffset < myIcon)
        return false;
    if (myOffset + myColor + myMask > myFileLength) return false;
    const int64_t myPixels = static_cast<int64_t>(myWidth) * myHeight;
    if (myColor > 0 && myPixels > kMostPixelsPerByte * myColor) return false;
    if (myMask > 0 &&
        static_cast<int64_t>((myWidth + 7) / 8 * 8) * myHeight > kMostMaskPixelsPerByte * myMask)
        return false;
    return myHeader.mColorCount <= kBitmapMaxColors;
}

} // namespace

bool VBrush::BrushLoad(const char* myName, char mySlot, uint8_t myClear, uint8_t myRecord, uint8_t myRedraw,
                       StyleRecord* myStyle, uint8_t myQuiet) {
    StyleRecord& myRecordStyle = myStyle ? *myStyle : gStyle;
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kBrushSlots;
    char* myField = myRecordStyle.mBrushNames[mySlotIndex];
    const LoadPlan myPlan = {
        "brush",
        kPlaceBrush,
        kComponentBrush,
        myField,
        static_cast<uint16_t>(offsetof(StyleRecord, mBrushNames) + kNameSize * mySlotIndex),
        static_cast<char>(mySlotIndex + 1),
        myRecordStyle.mBrushSetName};
    auto myRead = [&](FileHandle myFile) { return BrushRead(myFile, myField, myQuiet); };
    auto myFinish = [&](bool myLoaded) {
        if (!myLoaded) {
            Release();
            mWidth = mHeight = 0;
            mNumFrames = 1;
            mBeatFrame = 0;
            mPalindrome = 0;
            mFixedSize = 0;
            LoadFillBlack(mThumb, kBrushThumbWidth, kThumbHeight);
        }
        if (myClear) std::memset(&myRecordStyle.mAttachments[mySlotIndex], 0x80, sizeof(AttachRecord));
        mRight = mWidth / 2;
        mLeft = mWidth - mRight;
        mBottom = mHeight / 2;
        mTop = mHeight - mBottom;
    };
    return LoadComponent(myPlan, myName, myRecord, myRedraw, myQuiet, myRead, myFinish);
}

LoadOutcome VBrush::BrushRead(FileHandle myFile, char* myField, uint8_t myQuiet) {
    BitmapHeader myHeader = {};
    FileRead(myFile, kBitmapHeaderSize, &myHeader);
    if (!LoadCheckHeader(myHeader.mHeader, kTypeBrush, kTypeBrush, myFile, myQuiet)) return kLoadRefused;
    if (!BrushHeaderSound(myHeader, FileLength(myFile))) return LoadRefuse(myFile, myQuiet);
    const int myStripWidth = BytesI16(myHeader.mWidth);
    const int myHeight = BytesI16(myHeader.mHeight);
    const int32_t myColorSize = BytesI32(myHeader.mColorSize);
    const int32_t myMaskSize = BytesI32(myHeader.mMaskSize);
    const int32_t myIconSize = BytesI16(myHeader.mIconSize);
    const int32_t myOffset = BytesI16(myHeader.mDataOffset);

    int64_t myNeeded = 0;
    if (myColorSize > 0) myNeeded += (myStripWidth + 3) / 4 * 4;
    if (myMaskSize > 0 && myHeight > 0) myNeeded += (myMaskSize / myHeight + 3) / 4 * 4;
    myNeeded *= myHeight;
    if (myNeeded > LoadGetMaxMemory(mSize))
        return LoadRefuseTooLarge(*this, myFile, "Not enough memory to load brush!", myField, myQuiet);

    // A shorter frame block leaves one frame, no beat frame, no palindrome.
    BitmapFrameBlock myFrames = {0, {0, 0, 0}, 1, {1, 0}, 0};
    const int myBlockSize = myHeader.mFrameBlockSize;
    FileRead(myFile, std::min(myBlockSize, kBitmapFrameBlockSize), &myFrames);
    if (myBlockSize > kBitmapFrameBlockSize) FileSeek(myFile, myBlockSize - kBitmapFrameBlockSize, 1);
    const int myFrameCount = BytesI16(myFrames.mFrames);
    if (myFrameCount < 1) return LoadRefuse(myFile, myQuiet);

    Release();
    mType = static_cast<char>(myHeader.mHeader.mType);
    mWidth = static_cast<int16_t>(myStripWidth);
    mHeight = static_cast<int16_t>(myHeight);
    mFixedSize = myHeader.mColorCount;
    mCompress = myHeader.mMaskRaw;
    mBeatFrame = static_cast<char>(myFrames.mBeatFrame);
    mPalindrome = myFrames.mPalindrome;
    mLayers = (myColorSize > 0 ? 8 : 0) + (myMaskSize > 0 ? 1 : 0);
    if (mFixedSize > 0) BitmapGetGradient(myFile);

    const int myFrameWidth = myStripWidth / myFrameCount;
    FileSeek(myFile, myOffset, 0);
    if (myColorSize > 0) {
        if (SurfaceCreate(m8BitWorld, myStripWidth, myHeight)) {
            SurfaceSetColorKey(m8BitWorld, kPixelTransparent);
            BitmapLoadPixels(m8BitWorld, myFile, myColorSize, myStripWidth, myHeight, false, 0);
        } else {
            mLayers = 0;
        }
    }
    if (myMaskSize > 0) {
        FileSeek(myFile, myOffset + myColorSize, 0);
        if (SurfaceCreate(m1BitWorld, myStripWidth + myFrameWidth, myHeight)) {
            BitmapLoadPixels(m1BitWorld, myFile, myMaskSize, myStripWidth, myHeight, true, mCompress);
        } else {
            mLayers = 0;
        }
    }

    FileSeek(myFile, myOffset - myIconSize, 0);
    const uint8_t myBack = myHeader.mHasBlack == 1 ? kIconBackDark : kIconBackBlack;
    LoadFillBlack(mThumb, kBrushThumbWidth, kThumbHeight);
    if (!LoadIconImage(myFile, myIconSize, {0, 0, kBrushIconWidth, kBitmapIconHeight}, mThumb,
                       {0, 0, kBrushThumbWidth, kThumbHeight}, myBack, 1))
        LoadFillBlack(mThumb, kBrushThumbWidth, kThumbHeight);
    FileClose(myFile);

    mSize = static_cast<int32_t>(myNeeded);
    mWidth = static_cast<int16_t>(myFrameWidth);
    mNumFrames = static_cast<int16_t>(myFrameCount);
    // A strip that is nothing but its beat frame keeps that frame as its cycle.
    if (mBeatFrame && myFrameCount == 1) mBeatFrame = 0;
    if (mBeatFrame) --mNumFrames;
    return kLoadDone;
}
