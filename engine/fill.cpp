// The background: whole pictures, tiles on a grid anchored at the screen centre, or black. Drawing it wipes
// the trails; restoring it under the brush erases one image.
#include "engine/fill.h"

#include <cmath>
#include <cstring>

#include "core/alert.h"
#include "core/display.h"
#include "core/state.h"
#include "storage/components.h"

int8_t gCurrentFill = 0;
char gFillLast[kNameSize] = "";
uint8_t gStateClearTrails = 0;

namespace {

// Copies the part of a tile that falls inside myClip, the tile's top-left corner being at (myX, myY).
void FillCopyTile(const Surface& myTile, int myX, int myY, const Rect& myClip) {
    Rect myPart{std::max(myX, myClip.left), std::max(myY, myClip.top),
                std::min(myX + myTile.mWidth, myClip.right), std::min(myY + myTile.mHeight, myClip.bottom)};
    if (myPart.Width() <= 0 || myPart.Height() <= 0) return;
    SurfaceCopy(gWorldPaint, myPart.left, myPart.top, myTile,
                {myPart.left - myX, myPart.top - myY, myPart.right - myX, myPart.bottom - myY});
}

} // namespace

void VFill::FillDraw(uint8_t myNewFill) {
    gStateClearTrails = 0;
    if (mFixedSize > 0) {
        gFEffectColor.mFixFlag = 1;
        gFEffectColor.CEffectInit(1, myNewFill);
    } else if (gFEffectColor.mFixFlag) {
        gFEffectColor.mFixFlag = 0;
        gFEffectColor.CEffectInit(0, myNewFill);
    }
    if (!mFileFlag || !m8BitWorld.Exists()) {
        SurfaceFill(gWorldPaint, gRectDisplay, 0);
    } else if (mType == 'T') {
        const int myWidth = m8BitWorld.mWidth;
        const int myHeight = m8BitWorld.mHeight;
        const int myColumns = 2 * static_cast<int>(std::ceil(gCentX / myWidth));
        const int myRows = 2 * static_cast<int>(std::ceil(gCentY / myHeight));
        const int myX0 = static_cast<int>(gCentX - myWidth * myColumns / 2.0);
        const int myY0 = static_cast<int>(gCentY - myHeight * myRows / 2.0);
        for (int i = 0; i < myColumns * myRows; ++i)
            FillCopyTile(m8BitWorld, myX0 + (i % myColumns) * myWidth, myY0 + (i / myColumns) * myHeight,
                         gRectDisplay);
    } else {
        // A picture smaller than the screen shows on black; nothing outside it is read.
        if (mBackRect.Width() < gRectDisplay.Width() || mBackRect.Height() < gRectDisplay.Height())
            SurfaceFill(gWorldPaint, gRectDisplay, 0);
        SurfaceCopy(gWorldPaint, 0, 0, m8BitWorld, mBackRect);
    }
    if (gStatePaint && !gStartUp) DrawPaintWin(gRectDisplay);
}

void VFill::BackClip(const Rect& myRect) {
    const Rect myClip = SurfaceClip(gWorldPaint, myRect);
    if (myClip.Width() <= 0 || myClip.Height() <= 0) return;
    if (!mFileFlag || !m8BitWorld.Exists()) {
        SurfaceFill(gWorldPaint, myClip, 0);
        return;
    }
    if (mType == 'T') {
        const int myWidth = m8BitWorld.mWidth;
        const int myHeight = m8BitWorld.mHeight;
        const int myCentX = static_cast<int>(gCentX);
        const int myCentY = static_cast<int>(gCentY);
        int myX0 = (myClip.left - myCentX) / myWidth * myWidth + myCentX;
        if (myClip.left < myCentX) myX0 -= myWidth;
        int myY0 = (myClip.top - myCentY) / myHeight * myHeight + myCentY;
        if (myClip.top < myCentY) myY0 -= myHeight;
        const int myColumns = (myClip.right - myX0) / myWidth + 1;
        const int myRows = (myClip.bottom - myY0) / myHeight + 1;
        for (int j = 0; j < myRows; ++j)
            for (int i = 0; i < myColumns; ++i)
                FillCopyTile(m8BitWorld, myX0 + i * myWidth, myY0 + j * myHeight, myClip);
        return;
    }
    // Parts of the screen the picture does not cover are black.
    const Rect mySource{myClip.left + mBackRect.left, myClip.top + mBackRect.top,
                        myClip.right + mBackRect.left, myClip.bottom + mBackRect.top};
    if (mySource.left < 0 || mySource.top < 0 || mySource.right > m8BitWorld.mWidth ||
        mySource.bottom > m8BitWorld.mHeight)
        SurfaceFill(gWorldPaint, myClip, 0);
    SurfaceCopy(gWorldPaint, myClip.left, myClip.top, m8BitWorld, mySource);
}

void FillResetState() {
    gCurrentFill = 0;
    std::memset(gFillLast, 0, sizeof(gFillLast));
    gStateClearTrails = 0;
}
