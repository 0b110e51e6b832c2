// 8-bit surfaces and their clipped copies; every rectangle is cut to both surfaces before a pixel moves.
#include "platform/surface.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kMaxSide = 16384;

// Cuts a copy of mySource's rectangle to (myX, myY) down to what lies inside both surfaces.
bool SurfaceClipCopy(const Surface& myDest, int& myX, int& myY, const Surface& mySource, Rect& myRect) {
    // Source pixels that do not exist are skipped, and the rest still land where they would have.
    const Rect myInside = SurfaceClip(mySource, myRect);
    myX += myInside.left - myRect.left;
    myY += myInside.top - myRect.top;
    myRect = myInside;
    if (myX < 0) {
        myRect.left -= myX;
        myX = 0;
    }
    if (myY < 0) {
        myRect.top -= myY;
        myY = 0;
    }
    myRect.right = std::min(myRect.right, myRect.left + (myDest.mWidth - myX));
    myRect.bottom = std::min(myRect.bottom, myRect.top + (myDest.mHeight - myY));
    return myRect.right > myRect.left && myRect.bottom > myRect.top;
}
} // namespace

bool SurfaceCreate(Surface& mySurface, int myWidth, int myHeight) {
    SurfaceRelease(mySurface);
    if (myWidth <= 0 || myHeight <= 0 || myWidth > kMaxSide || myHeight > kMaxSide) return false;
    mySurface.mWidth = myWidth;
    mySurface.mHeight = myHeight;
    mySurface.mPitch = myWidth;
    mySurface.mPixels.assign(static_cast<size_t>(myWidth) * myHeight, 0);
    return true;
}

void SurfaceRelease(Surface& mySurface) {
    mySurface.mWidth = mySurface.mHeight = mySurface.mPitch = 0;
    mySurface.mColorKey = kNoColorKey;
    mySurface.mPixels.clear();
    mySurface.mPixels.shrink_to_fit();
}

void SurfaceSetColorKey(Surface& mySurface, int myKey) {
    mySurface.mColorKey = myKey;
}

Rect SurfaceClip(const Surface& mySurface, const Rect& myRect) {
    Rect myClipped{std::max(myRect.left, 0), std::max(myRect.top, 0),
                   std::min(myRect.right, mySurface.mWidth), std::min(myRect.bottom, mySurface.mHeight)};
    if (myClipped.right < myClipped.left) myClipped.right = myClipped.left;
    if (myClipped.bottom < myClipped.top) myClipped.bottom = myClipped.top;
    return myClipped;
}

void SurfaceFill(Surface& mySurface, const Rect& myRect, uint8_t myIndex) {
    const Rect myClipped = SurfaceClip(mySurface, myRect);
    const int myWidth = myClipped.Width();
    if (myWidth <= 0) return;
    for (int myY = myClipped.top; myY < myClipped.bottom; ++myY)
        std::memset(mySurface.Row(myY) + myClipped.left, myIndex, static_cast<size_t>(myWidth));
}

void SurfaceCopy(Surface& myDest, int myX, int myY, const Surface& mySource, const Rect& mySourceRect) {
    Rect myRect = mySourceRect;
    if (!SurfaceClipCopy(myDest, myX, myY, mySource, myRect)) return;
    const size_t myWidth = static_cast<size_t>(myRect.Width());
    for (int myRow = 0; myRow < myRect.Height(); ++myRow)
        std::memmove(myDest.Row(myY + myRow) + myX, mySource.Row(myRect.top + myRow) + myRect.left, myWidth);
}

void SurfaceCopyKeyed(Surface& myDest, int myX, int myY, const Surface& mySource, const Rect& mySourceRect) {
    if (mySource.mColorKey == kNoColorKey) {
        SurfaceCopy(myDest, myX, myY, mySource, mySourceRect);
        return;
    }
    Rect myRect = mySourceRect;
    if (!SurfaceClipCopy(myDest, myX, myY, mySource, myRect)) return;
    const auto myKey = static_cast<uint8_t>(mySource.mColorKey);
    const int myWidth = myRect.Width();
    for (int myRow = 0; myRow < myRect.Height(); ++myRow) {
        const uint8_t* myFrom = mySource.Row(myRect.top + myRow) + myRect.left;
        uint8_t* myTo = myDest.Row(myY + myRow) + myX;
        for (int myColumn = 0; myColumn < myWidth; ++myColumn)
            if (myFrom[myColumn] != myKey) myTo[myColumn] = myFrom[myColumn];
    }
}

void SurfaceStretch(Surface& myDest, const Rect& myDestRect, const Surface& mySource,
                    const Rect& mySourceRect, bool myKeyed) {
    const Rect mySourceClip = SurfaceClip(mySource, mySourceRect);
    // A source rectangle that reaches outside its surface would sample pixels that are not there.
    if (mySourceClip.left != mySourceRect.left || mySourceClip.top != mySourceRect.top ||
        mySourceClip.right != mySourceRect.right || mySourceClip.bottom != mySourceRect.bottom)
        return;
    const int myDestWidth = myDestRect.Width(), myDestHeight = myDestRect.Height();
    const int mySourceWidth = mySourceRect.Width(), mySourceHeight = mySourceRect.Height();
    if (myDestWidth <= 0 || myDestHeight <= 0 || mySourceWidth <= 0 || mySourceHeight <= 0) return;
    const Rect myClip = SurfaceClip(myDest, myDestRect);
    const bool myUseKey = myKeyed && mySource.mColorKey != kNoColorKey;
    const auto myKey = static_cast<uint8_t>(mySource.mColorKey);
    for (int myY = myClip.top; myY < myClip.bottom; ++myY) {
        const int mySourceY = mySourceRect.top + static_cast<int>(static_cast<int64_t>(myY - myDestRect.top) *
                                                                  mySourceHeight / myDestHeight);
        const uint8_t* myFrom = mySource.Row(mySourceY);
        uint8_t* myTo = myDest.Row(myY);
        for (int myX = myClip.left; myX < myClip.right; ++myX) {
            const int mySourceX =
                mySourceRect.left +
                static_cast<int>(static_cast<int64_t>(myX - myDestRect.left) * mySourceWidth / myDestWidth);
            const uint8_t myPixel = myFrom[mySourceX];
            if (!myUseKey || myPixel != myKey) myTo[myX] = myPixel;
        }
    }
}
