// Movements in their slots: running their programs against the current brush, and the parameters drawn or
// fixed when a movement arrives.
#include "engine/movement.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/display.h"
#include "core/random.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/edits.h"
#include "engine/movement_program.h"
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
    if (!gStateStart) MEffectClearRaveParameters(static_cast<char>(mySlotIndex), myParams.mValue);
    if (mySlotIndex == static_cast<uint8_t>(gCurrentMove) % kMoveSlots)
        for (int p = 0; p < kMaxParams; ++p)
            gEditsRave[kEditParam1 + p] = myParams.mValue[p];
}

void MEffectClearRaveParameters(char mySlot, const int8_t* myParams) {
    const int mySlotNumber = static_cast<uint8_t>(mySlot) % kMoveSlots + 1;
    // The later records that replay this slot and still carry its old values take the new ones, up to a
    // later load into the slot, which brings parameters of its own.
    int mySteps = 0;
    for (int i = gEditsList[gEditsCurrent].mNext; i > 0 && i < kEditsEnd && ++mySteps < kEditsMax;
         i = gEditsList[i].mNext) {
        int8_t* myEdits = gEditsList[i].mEdits;
        if (myEdits[0] >= -126) {
            int myType, myLoadSlot;
            ExecuteLoadDecode(myEdits[0], myType, myLoadSlot);
            if (myType == kComponentMovement && myLoadSlot == mySlotNumber) break;
            continue;
        }
        if (std::abs(myEdits[kEditMove]) != mySlotNumber) continue;
        for (int p = 0; p < kMaxParams; ++p)
            if (myEdits[kEditParam1 + p] >= 0) myEdits[kEditParam1 + p] = myParams[p];
    }
}

void MovementResetState() {
    gCurrentMove = 0;
}
