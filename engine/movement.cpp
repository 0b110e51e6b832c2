// Movements in their slots: running their programs against the current brush, and the parameters drawn or
// fixed when a movement arrives.
#include "engine/movement.h"

#include <algorithm>
#include <cstring>

#include "core/display.h"
#include "core/random.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/movement_program.h"
#include "music/music.h"
#include "storage/components.h"

int8_t gCurrentMove = 0;

void MEffect::MEffectPosition(const std::vector<uint8_t>& myCode, uint16_t mySize) {
    const VBrush& myBrush = gBrushes[static_cast<uint8_t>(gCurrentBrush) % kBrushSlots];
    MovementInputs myInputs;
    myInputs.mBrush.mBottom = myBrush.mBottom;
    myInputs.mBrush.mRight = myBrush.mRight;
    myInputs.mBrush.mFrameHeight = myBrush.mHeight;
    myInputs.mBrush.mFrameCount = myBrush.mNumFrames;
    myInputs.mBrush.mFrameWidth = myBrush.mWidth;
    std::memcpy(myInputs.mParams, gStyle.mMoveParam[static_cast<uint8_t>(gCurrentMove) % kMoveSlots].mValue,
                sizeof(myInputs.mParams));
    myInputs.mSpread = gStyle.mSpread;
    myInputs.mSoundScale = gEffScale;
    myInputs.mCentX = gCentX;
    myInputs.mCentY = gCentY;
    const auto mySafeSize = static_cast<uint16_t>(std::min<size_t>(mySize, myCode.size()));
    MovementRun(myCode.data(), mySafeSize, mCenteredFlag != 0, myInputs, mLingerCount);
}

void MEffect::MEffectInit() {
    mLingerCount = 1;
    if (mInitSize) MEffectPosition(mInit, mInitSize);
}

void MEffect::MEffectReset() {
    if (mResetSize) MEffectPosition(mReset, mResetSize);
}

void MEffect::MEffectUpdate() {
    if (mUpdateSize) MEffectPosition(mUpdate, mUpdateSize);
}

int8_t MEffect::MEffectRandPar(uint8_t myParam) {
    if (myParam >= kMaxParams) return 0;
    const int mySpan = mMax[myParam] - mMin[myParam] + 1;
    return static_cast<int8_t>(mMin[myParam] + MainRandom() * mySpan / kRandomRange);
}

void MEffect::MEffectResetPar(char mySlot, StyleRecord* myStyle) {
    StyleRecord& myRecordStyle = myStyle ? *myStyle : gStyle;
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kMoveSlots;
    auto& myParams = myRecordStyle.mMoveParam[mySlotIndex];
    for (int p = 0; p < kMaxParams; ++p) {
        if (mLock[p] == kNotSet) {
            myParams.mFixed[p] = 0;
            myParams.mValue[p] = MEffectRandPar(static_cast<uint8_t>(p));
        } else {
            myParams.mFixed[p] = 1;
            myParams.mValue[p] = mLock[p];
        }
    }
    if (!gStatePlay && !gStatePause && !gStateStart)
        std::memcpy(&gStyleStart.mMoveParam[mySlotIndex], &myParams, sizeof(myParams));
}

void MovementResetState() {
    gCurrentMove = 0;
}
