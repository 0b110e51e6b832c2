// The brush effect in its slot: the scale of every brush image, and when the brush is painted.
#include <algorithm>

#include "core/display.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/brush_effect_program.h"
#include "engine/movement.h"
#include "engine/movement_program.h"
#include "storage/components.h"

double BEffect::BEffectScale(uint8_t myWhich) {
    const std::vector<uint8_t>& myCode = myWhich == 0 ? mInit : (myWhich == 1 ? mReset : mUpdate);
    const uint16_t mySize = myWhich == 0 ? mInitSize : (myWhich == 1 ? mResetSize : mUpdateSize);
    BrushEffectInputs myInputs;
    myInputs.mSoundScale = gEffScale;
    myInputs.mX = gX;
    myInputs.mY = gY;
    myInputs.mCentX = gCentX;
    myInputs.mCentY = gCentY;
    return BrushEffectRun(myCode.data(), static_cast<uint16_t>(std::min<size_t>(mySize, myCode.size())),
                          myInputs);
}

void BEffect::BEffectInit() {
    if (mInitSize) BEffectScale(0);
}

void BEffect::BEffectReset() {
    if (gBrushBeat == 1) gBrushBeat = -1;
    gBrushes[static_cast<uint8_t>(gCurrentBrush) % kBrushSlots].BrushDraw(mResetSize ? 1
                                                                                     : (mUpdateSize ? 2 : 0));
}

void BEffect::BEffectUpdate() {
    gBrushes[static_cast<uint8_t>(gCurrentBrush) % kBrushSlots].BrushDraw(mUpdateSize ? 2 : 0);
}
