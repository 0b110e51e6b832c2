// Painting the current brush along the movement: frame order, beat frames, masks in a cycling gradient
// colour, scaling, trails, and the areas copied to the window.
#include "engine/brush.h"

#include <algorithm>
#include <cmath>

#include "core/display.h"
#include "core/state.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "engine/movement_program.h"
#include "storage/components.h"

int8_t gCurrentBrush = 0;
int16_t gBrushFrame = 0;
int8_t gBrushDirection = 1;
int16_t gBrushBeat = 0;
Rect gBrushRect;
uint8_t gGradColorNum = 21;
uint8_t gStateTrails = 0;
uint8_t gStateBTrails = 1;

namespace {

Rect BrushUnion(const Rect& myA, const Rect& myB) {
    if (myA.Width() <= 0 || myA.Height() <= 0) return myB;
    if (myB.Width() <= 0 || myB.Height() <= 0) return myA;
    return {std::min(myA.left, myB.left), std::min(myA.top, myB.top), std::max(myA.right, myB.right),
            std::max(myA.bottom, myB.bottom)};
}

bool BrushIntersect(const Rect& myA, const Rect& myB) {
    return myA.left < myB.right && myB.left < myA.right && myA.top < myB.bottom && myB.top < myA.bottom;
}

VFill& BrushCurrentFill() {
    return gFills[static_cast<uint8_t>(gCurrentFill) % kFillSlots];
}

// Positions beyond any screen are kept far off it, so the rectangle arithmetic below cannot overflow.
int BrushCoordinate(double myValue) {
    if (!std::isfinite(myValue)) return 1 << 24;
    return static_cast<int>(std::clamp(myValue, -double(1 << 24), double(1 << 24)));
}

} // namespace

void VBrush::BrushInit() {
    gBrushFrame = 0;
    gBrushDirection = 1;
    gBrushBeat = mBeatFrame;
    if (mFixedSize > 0) {
        gBEffectColor.mFixFlag = 1;
        gBEffectColor.CEffectInit(1, 0);
        if (mLayers & 1) gGradColorNum = 111;
    } else {
        if (gGradColorNum >= 111) gGradColorNum = 21;
        if (gBEffectColor.mFixFlag) {
            gBEffectColor.mFixFlag = 0;
            gBEffectColor.CEffectInit(0, 0);
        }
    }
}

void VBrush::BrushDraw(uint8_t myScaleMode) {
    MEffect& myMove = gMovements[static_cast<uint8_t>(gCurrentMove) % kMoveSlots];
    const int myLinger = myMove.mLingerCount;
    const bool myTrailsOff = !gStateTrails || !gStateBTrails;
    if (myTrailsOff) BrushCurrentFill().BackClip(gBrushRect);
    if (mLayers & 1) {
        if (mFixedSize > 0)
            gGradColorNum = gGradColorNum <= 111 || gGradColorNum > 200 ? 200 : gGradColorNum - 1;
        else
            gGradColorNum = gGradColorNum <= 21 || gGradColorNum > 110 ? 110 : gGradColorNum - 1;
    }

    Rect myNew{};
    Rect myImage{};
    if (myLinger == 1) {
        myMove.MEffectUpdate();
        BrushDrawPaint(gWorldPaint, &myNew, myScaleMode, 1);
    } else if (myLinger == 0) {
        BrushDrawPaint(gWorldPaint, &myNew, myScaleMode, 1);
    } else {
        const int myCount = std::abs(myLinger);
        for (int i = 0; i < myCount; ++i) {
            myMove.MEffectUpdate();
            const bool myIncrement = myLinger < 0 || i == myCount - 1;
            BrushDrawPaint(gWorldPaint, &myImage, myScaleMode, myIncrement ? 1 : 0);
            myNew = BrushUnion(myNew, myImage);
        }
    }
    if (gBrushBeat == -1) gBrushBeat = 1;

    if (gStatePaint) {
        if (myTrailsOff && !BrushIntersect(gBrushRect, myNew)) {
            if (gBrushRect.Width() > 0 && gBrushRect.Height() > 0) DrawPaintWin(gBrushRect);
            if (myNew.Width() > 0 && myNew.Height() > 0) DrawPaintWin(myNew);
        } else {
            const Rect myArea = myTrailsOff ? BrushUnion(gBrushRect, myNew) : myNew;
            if (myArea.Width() > 0 && myArea.Height() > 0) DrawPaintWin(myArea);
        }
    }
    gBrushRect = myNew;
}

void VBrush::BrushDrawPaint(Surface& myPaintWorld, Rect* myDestRect, uint8_t myScaleMode,
                            uint8_t myIncrementFlag) {
    const double myScale = myScaleMode == 0 ? 1.0 : gEffectBrush.BEffectScale(myScaleMode);
    const int myX = BrushCoordinate(gX);
    const int myY = BrushCoordinate(gY);
    const int myFrames = std::max<int>(mNumFrames, 1);
    int myFrame;
    if (gBrushBeat == -1 && mBeatFrame) {
        myFrame = myFrames;
    } else {
        myFrame = std::clamp<int>(gBrushFrame, 0, myFrames - 1);
        if (myIncrementFlag) {
            gBrushFrame = static_cast<int16_t>((myFrame + gBrushDirection + myFrames) % myFrames);
            if (mPalindrome && (gBrushFrame == 0 || gBrushFrame == myFrames - 1))
                gBrushDirection = static_cast<int8_t>(-gBrushDirection);
        }
    }
    // A scale that is not a number paints nothing, like a scale of 0.
    if (!(myScale > 0) || (mLayers == 0)) {
        *myDestRect = {myX, myY, myX, myY};
        return;
    }

    const bool myScaled = myScaleMode != 0;
    Rect myDest;
    if (myScaled) {
        const double myLimit = double(1 << 24);
        auto myExtent = [&](double myValue) { return std::min(myValue * myScale, myLimit); };
        myDest = {BrushCoordinate(gX - myExtent(mLeft)), BrushCoordinate(gY - myExtent(mTop)),
                  BrushCoordinate(gX + myExtent(mRight)), BrushCoordinate(gY + myExtent(mBottom))};
    } else {
        myDest = {myX - mLeft, myY - mTop, myX + mRight, myY + mBottom};
    }
    const Rect mySource{myFrame * mWidth, 0, (myFrame + 1) * mWidth, mHeight};
    const Rect myClipped = SurfaceClip(myPaintWorld, {std::max(myDest.left, gRectDisplay.left),
                                                      std::max(myDest.top, gRectDisplay.top),
                                                      std::min(myDest.right, gRectDisplay.right),
                                                      std::min(myDest.bottom, gRectDisplay.bottom)});
    *myDestRect = myClipped;
    if (myClipped.Width() <= 0 || myClipped.Height() <= 0) return;

    if ((mLayers & 1) && m1BitWorld.Exists()) {
        const Rect mySpare{(mBeatFrame + mNumFrames) * mWidth, 0, (mBeatFrame + mNumFrames + 1) * mWidth,
                           mHeight};
        SurfaceFill(m1BitWorld, mySpare, gGradColorNum);
        SurfaceSetColorKey(m1BitWorld, 255);
        SurfaceCopyKeyed(m1BitWorld, mySpare.left, 0, m1BitWorld, mySource);
        SurfaceSetColorKey(m1BitWorld, 0);
        if (myScaled)
            SurfaceStretch(myPaintWorld, myDest, m1BitWorld, mySpare, true);
        else
            SurfaceCopyKeyed(myPaintWorld, myDest.left, myDest.top, m1BitWorld, mySpare);
    }
    if ((mLayers & 8) && m8BitWorld.Exists()) {
        if (myScaled)
            SurfaceStretch(myPaintWorld, myDest, m8BitWorld, mySource, true);
        else
            SurfaceCopyKeyed(myPaintWorld, myDest.left, myDest.top, m8BitWorld, mySource);
    }
}

void ExecuteTrails(char myOn) {
    VFill& myFill = BrushCurrentFill();
    if (myOn) {
        myFill.BackClip(gBrushRect);
        if (gStatePaint && gBrushRect.Width() > 0 && gBrushRect.Height() > 0) DrawPaintWin(gBrushRect);
    } else {
        myFill.FillDraw(0);
    }
}

void BrushResetState() {
    gCurrentBrush = 0;
    gBrushFrame = 0;
    gBrushDirection = 1;
    gBrushBeat = 0;
    gBrushRect = Rect();
    gGradColorNum = 21;
    gStateTrails = 0;
    gStateBTrails = 1;
}
