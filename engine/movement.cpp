// Movements in their slots: parameters drawn or fixed when a movement arrives.
#include <cstring>

#include "engine/animate.h"
#include "music/music.h"
#include "shell/random.h"
#include "storage/components.h"

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
