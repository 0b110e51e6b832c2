// 8-bit surfaces and their clipped copies; every rectangle is cut to both surfaces before a pixel moves.
#include "platform/surface.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kMaxSide = 16384;

// The area that may be touched. A surface whose fields disagree with its pixel store (built by hand, or
// moved from) counts as empty, so no rectangle can reach past the store.
struct SurfaceExtent {
    int mWidth = 0;
    int mHeight = 0;
};

SurfaceExtent SurfaceArea(const Surface& mySurface) {
    if (mySurface.mWidth <= 0 || mySurface.mHeight <= 0 || mySurface.mPitch < mySurface.mWidth ||
        mySurface.mPixels.size() < static_cast<size_t>(mySurface.mPitch) * mySurface.mHeight)
        return {};
    return {mySurface.mWidth, mySurface.mHeight};
}

// Rectangles arrive with any values at all; widening to 64 bits keeps every sum below exact.
struct Span {
    int64_t mLeft, mTop, mRight, mBottom;
};

// Cuts a copy of a source rectangle to (myX, myY) down to what lies inside both surfaces. Source pixels that
// do not exist are skipped, and the rest still land where they would have.
bool SurfaceClipCopy(const SurfaceExtent& myDest, int& myX, int& myY, const SurfaceExtent& mySource,
                     Rect& myRect) {
    Span mySpan{myRect.left, myRect.top, myRect.right, myRect.bottom};
    int64_t myToX = myX, myToY = myY;
    if (mySpan.mLeft < 0) {
        myToX -= mySpan.mLeft;
        mySpan.mLeft = 0;
    }
    if (mySpan.mTop < 0) {
        myToY -= mySpan.mTop;
        mySpan.mTop = 0;
    }
    mySpan.mRight = std::min<int64_t>(mySpan.mRight, mySource.mWidth);
    mySpan.mBottom = std::min<int64_t>(mySpan.mBottom, mySource.mHeight);
    if (myToX < 0) {
        mySpan.mLeft -= myToX;
        myToX = 0;
    }
    if (myToY < 0) {
        mySpan.mTop -= myToY;
        myToY = 0;
    }
    mySpan.mRight = std::min(mySpan.mRight, mySpan.mLeft + (myDest.mWidth - myToX));
    mySpan.mBottom = std::min(mySpan.mBottom, mySpan.mTop + (myDest.mHeight - myToY));
    if (mySpan.mRight <= mySpan.mLeft || mySpan.mBottom <= mySpan.mTop) return false;
    // Everything is now inside both surfaces, so it fits an int again.
    myRect = {static_cast<int>(mySpan.mLeft), static_cast<int>(mySpan.mTop), static_cast<int>(mySpan.mRight),
              static_cast<int>(mySpan.mBottom)};
    myX = static_cast<int>(myToX);
    myY = static_cast<int>(myToY);
    return true;
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
    const SurfaceExtent myArea = SurfaceArea(mySurface);
    Rect myClipped;
    myClipped.left = std::clamp(myRect.left, 0, myArea.mWidth);
    myClipped.top = std::clamp(myRect.top, 0, myArea.mHeight);
    myClipped.right = std::clamp(myRect.right, myClipped.left, myArea.mWidth);
    myClipped.bottom = std::clamp(myRect.bottom, myClipped.top, myArea.mHeight);
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
    if (!SurfaceClipCopy(SurfaceArea(myDest), myX, myY, SurfaceArea(mySource), myRect)) return;
    const size_t myWidth = static_cast<size_t>(myRect.Width());
    const int myHeight = myRect.Height();
    // Scrolling a surface onto itself downwards must not read rows it has already overwritten.
    const bool myUpwards = &myDest == &mySource && myY > myRect.top;
    for (int myStep = 0; myStep < myHeight; ++myStep) {
        const int myRow = myUpwards ? myHeight - 1 - myStep : myStep;
        std::memmove(myDest.Row(myY + myRow) + myX, mySource.Row(myRect.top + myRow) + myRect.left, myWidth);
    }
}

void SurfaceCopyKeyed(Surface& myDest, int myX, int myY, const Surface& mySource, const Rect& mySourceRect) {
    if (mySource.mColorKey == kNoColorKey) {
        SurfaceCopy(myDest, myX, myY, mySource, mySourceRect);
        return;
    }
    Rect myRect = mySourceRect;
    if (!SurfaceClipCopy(SurfaceArea(myDest), myX, myY, SurfaceArea(mySource), myRect)) return;
    // A key outside 0..255 matches no pixel.
    const bool myKeyUsable = mySource.mColorKey >= 0 && mySource.mColorKey <= 255;
    const auto myKey = static_cast<uint8_t>(mySource.mColorKey);
    const int myWidth = myRect.Width();
    const int myHeight = myRect.Height();
    const bool mySame = &myDest == &mySource;
    const bool myUpwards = mySame && myY > myRect.top;
    const bool myLeftwards = mySame && myX > myRect.left;
    for (int myStep = 0; myStep < myHeight; ++myStep) {
        const int myRow = myUpwards ? myHeight - 1 - myStep : myStep;
        const uint8_t* myFrom = mySource.Row(myRect.top + myRow) + myRect.left;
        uint8_t* myTo = myDest.Row(myY + myRow) + myX;
        for (int myCount = 0; myCount < myWidth; ++myCount) {
            const int myColumn = myLeftwards ? myWidth - 1 - myCount : myCount;
            if (!myKeyUsable || myFrom[myColumn] != myKey) myTo[myColumn] = myFrom[myColumn];
        }
    }
}

void SurfaceStretch(Surface& myDest, const Rect& myDestRect, const Surface& mySource,
                    const Rect& mySourceRect, bool myKeyed) {
    // Stretching a surface onto itself reads from a snapshot, so no pixel is sampled after it was written.
    if (&myDest == &mySource) {
        const Surface mySnapshot = mySource;
        SurfaceStretch(myDest, myDestRect, mySnapshot, mySourceRect, myKeyed);
        return;
    }
    const SurfaceExtent myDestArea = SurfaceArea(myDest);
    const SurfaceExtent mySourceArea = SurfaceArea(mySource);
    const int64_t myDestWidth = int64_t(myDestRect.right) - myDestRect.left;
    const int64_t myDestHeight = int64_t(myDestRect.bottom) - myDestRect.top;
    const int64_t mySourceWidth = int64_t(mySourceRect.right) - mySourceRect.left;
    const int64_t mySourceHeight = int64_t(mySourceRect.bottom) - mySourceRect.top;
    if (myDestWidth <= 0 || myDestHeight <= 0 || mySourceWidth <= 0 || mySourceHeight <= 0) return;
    const int myLeft = static_cast<int>(std::clamp<int64_t>(myDestRect.left, 0, myDestArea.mWidth));
    const int myRight = static_cast<int>(std::clamp<int64_t>(myDestRect.right, myLeft, myDestArea.mWidth));
    const int myTop = static_cast<int>(std::clamp<int64_t>(myDestRect.top, 0, myDestArea.mHeight));
    const int myBottom = static_cast<int>(std::clamp<int64_t>(myDestRect.bottom, myTop, myDestArea.mHeight));
    if (myRight <= myLeft || myBottom <= myTop) return;

    // Nearest pixel: destination offset d samples source offset d * sourceSize / destSize. Both factors are
    // below 2^32, so the product fits unsigned 64 bits. A sample that falls outside the source is not drawn,
    // which is how the source rectangle is clipped.
    auto mySample = [](int64_t myOffset, int64_t myFrom, int64_t mySize, int64_t myDestSize, int myLimit) {
        const int64_t myAt =
            myFrom + static_cast<int64_t>(static_cast<uint64_t>(myOffset) * static_cast<uint64_t>(mySize) /
                                          static_cast<uint64_t>(myDestSize));
        return myAt >= 0 && myAt < myLimit ? static_cast<int>(myAt) : -1;
    };
    std::vector<int> myColumns(static_cast<size_t>(myRight - myLeft));
    for (int myX = myLeft; myX < myRight; ++myX)
        myColumns[static_cast<size_t>(myX - myLeft)] =
            mySample(myX - int64_t(myDestRect.left), mySourceRect.left, mySourceWidth, myDestWidth,
                     mySourceArea.mWidth);

    const bool myUseKey = myKeyed && mySource.mColorKey >= 0 && mySource.mColorKey <= 255;
    const auto myKey = static_cast<uint8_t>(mySource.mColorKey);
    for (int myY = myTop; myY < myBottom; ++myY) {
        const int mySourceY = mySample(myY - int64_t(myDestRect.top), mySourceRect.top, mySourceHeight,
                                       myDestHeight, mySourceArea.mHeight);
        if (mySourceY < 0) continue;
        const uint8_t* myFrom = mySource.Row(mySourceY);
        uint8_t* myTo = myDest.Row(myY);
        for (int myX = myLeft; myX < myRight; ++myX) {
            const int mySourceX = myColumns[static_cast<size_t>(myX - myLeft)];
            if (mySourceX < 0) continue;
            const uint8_t myPixel = myFrom[mySourceX];
            if (!myUseKey || myPixel != myKey) myTo[myX] = myPixel;
        }
    }
}
