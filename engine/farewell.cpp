// The farewell's picture, posed and turned by the shell's farewell loop.
#include "engine/farewell.h"

#include "core/state.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/edits.h"
#include "engine/movement.h"
#include "engine/movement_program.h"

void FarewellPose(const VBrush& myBrush, double myX, double myY, const Rect& myDisplay) {
    gX = myX;
    gY = myY;
    gStateTrails = 0;
    gBrushRect = myDisplay;
    gCycleLength = 25;
    gCycleNext = 0;
    gUpdateLength = myBrush.mNumFrames > 1 ? 75 : kNever;
    gUpdateNext = gUpdateLength == kNever ? kNever : 0;
    gMovements[static_cast<uint8_t>(gCurrentMove) % kMoveSlots].mLingerCount = 0;
    gEffectBrush.BEffectLoad(kNoName, 0, 0, nullptr);
    gEffectBrush.BEffectInit();
    if (gBEffectColor.mFileFlag) {
        gBEffectColor.mFileFlag = 0;
        gBEffectColor.CEffectSetColor(gEditsRave[kEditBrushColor], gEditsRave[kEditBrushColor]);
    }
}

void FarewellStep(VBrush& myBrush, uint32_t myTime) {
    if (gUpdateNext < myTime) {
        gUpdateNext = gUpdateLength == kNever ? kNever : myTime + gUpdateLength;
        myBrush.BrushDraw(0);
    }
    if (gCycleNext < myTime) {
        gCycleNext = myTime + gCycleLength;
        gBEffectColor.CEffectCycle(1);
        gFEffectColor.CEffectCycle(1);
    }
}
