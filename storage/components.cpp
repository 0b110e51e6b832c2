// The component tables, and what every component does with its own memory: colours, pixels, programs.
#include "storage/components.h"

#include <algorithm>
#include <cstring>

#include "storage/decode.h"

VBrush gBrushes[kBrushSlots];
VFill gFills[kFillSlots];
GradientData gGradData[kGradSlots];
MEffect gMovements[kMoveSlots];
BEffect gEffectBrush;
CEffect gBEffectColor;
C2Effect gFEffectColor;

void VBitmap::BitmapGetGradient(FileHandle myFile) {
    const int myCount = std::min<int>(mFixedSize, kGradientColors);
    std::memset(mGradient, 0, sizeof(mGradient));
    if (myCount <= 0) return;
    FileRead(myFile, 3 * myCount, mGradient);
    for (int i = myCount; i < kGradientColors; ++i)
        std::memcpy(mGradient + 3 * i, mGradient + 3 * (myCount - 1), 3);
}

bool VBitmap::BitmapLoadPixels(Surface& mySurface, FileHandle myFile, int32_t mySize, int myWidth,
                               int myHeight, bool myIsMask, uint8_t myMaskRaw) {
    if (mySize <= 0 || !mySurface.Exists()) return false;
    if (myIsMask) {
        std::vector<uint8_t> myBytes(static_cast<size_t>(mySize), 0);
        FileRead(myFile, mySize, myBytes.data());
        return BitmapDecodeMask(mySurface, myBytes.data(), mySize, myWidth, myHeight, myMaskRaw == 255);
    }
    // A stream longer than the picture's own memory cannot be a picture of that size.
    if (static_cast<size_t>(mySize) > mySurface.mPixels.size()) return false;
    std::fill(mySurface.mPixels.begin(), mySurface.mPixels.end(), uint8_t{0});
    FileRead(myFile, mySize, mySurface.mPixels.data());
    return BitmapDecodePixels(mySurface, mySize, myWidth, myHeight);
}

void VBrush::Release() {
    SurfaceRelease(m8BitWorld);
    SurfaceRelease(m1BitWorld);
    mLayers = 0;
}

void VFill::Release() {
    SurfaceRelease(m8BitWorld);
    mFileFlag = 0;
}

bool Effect::EffectReadCodes(FileHandle myFile) {
    CodeSizes mySizes = {};
    FileRead(myFile, kCodeSizesBytes, &mySizes);
    const int32_t myInit = BytesU16(mySizes.mInit);
    const int32_t myReset = BytesU16(mySizes.mReset);
    const int32_t myUpdate = BytesU16(mySizes.mUpdate);
    // The programs must lie inside the file; a size beyond its end marks a damaged file.
    if (static_cast<int64_t>(FileTell(myFile)) + myInit + myReset + myUpdate > FileLength(myFile))
        return false;
    mInitSize = static_cast<uint16_t>(myInit);
    mResetSize = static_cast<uint16_t>(myReset);
    mUpdateSize = static_cast<uint16_t>(myUpdate);
    mInit.assign(mInitSize, 0);
    mReset.assign(mResetSize, 0);
    mUpdate.assign(mUpdateSize, 0);
    FileRead(myFile, mInitSize, mInit.data());
    FileRead(myFile, mResetSize, mReset.data());
    FileRead(myFile, mUpdateSize, mUpdate.data());
    return true;
}

void Effect::EffectFreeCodes() {
    mInit.clear();
    mReset.clear();
    mUpdate.clear();
    mInitSize = mResetSize = mUpdateSize = 0;
}

void MEffect::MEffectSetFallback() {
    EffectFreeCodes();
    // x := 4 times the centre's x: far beyond the right edge.
    ProgramAddInstruction(mInit, kWordX, ProgramLiteral(4), kWordCentreX, kOpProduct);
    mInitSize = static_cast<uint16_t>(mInit.size());
    mNumParams = 0;
    mCenteredFlag = 0;
    std::memset(mMin, 0, sizeof(mMin));
    std::memset(mMax, 0, sizeof(mMax));
    std::memset(mLock, 0, sizeof(mLock));
    std::memset(mName, 0, sizeof(mName));
    std::memset(mDesc, 0, sizeof(mDesc));
}

void ComponentsResetState() {
    for (VBrush& myBrush : gBrushes)
        myBrush = VBrush();
    for (VFill& myFill : gFills)
        myFill = VFill();
    for (GradientData& myGrad : gGradData)
        myGrad = GradientData();
    for (MEffect& myMove : gMovements)
        myMove = MEffect();
    gEffectBrush = BEffect();
    gBEffectColor = CEffect();
    gFEffectColor = C2Effect();
}
