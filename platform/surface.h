// 8-bit off-screen pictures with an optional source colour key, and the clipped copies between them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

constexpr int kNoColorKey = -1;

struct Surface {
    int mWidth = 0;
    int mHeight = 0;
    int mPitch = 0;
    int mColorKey = kNoColorKey; // source key: this index is skipped when the surface is copied keyed
    std::vector<uint8_t> mPixels;

    uint8_t* Row(int y) { return mPixels.data() + static_cast<size_t>(y) * mPitch; }
    const uint8_t* Row(int y) const { return mPixels.data() + static_cast<size_t>(y) * mPitch; }
    bool Exists() const { return mWidth > 0 && mHeight > 0; }
};

// Creates a surface of the given size filled with index 0; false when the size is not positive or too large.
bool SurfaceCreate(Surface& mySurface, int myWidth, int myHeight);
void SurfaceRelease(Surface& mySurface);
void SurfaceSetColorKey(Surface& mySurface, int myKey);

// Clips a rectangle to the surface; the result may be empty.
Rect SurfaceClip(const Surface& mySurface, const Rect& myRect);

void SurfaceFill(Surface& mySurface, const Rect& myRect, uint8_t myIndex);

// Copies mySource's rectangle to (myX, myY) of myDest, clipped against both surfaces. The keyed copy skips
// source pixels equal to the source's colour key (a plain copy when it has none).
void SurfaceCopy(Surface& myDest, int myX, int myY, const Surface& mySource, const Rect& mySourceRect);
void SurfaceCopyKeyed(Surface& myDest, int myX, int myY, const Surface& mySource, const Rect& mySourceRect);

// Stretches mySourceRect onto myDestRect (nearest pixel), clipped to myDest; keyed when myKeyed is set.
void SurfaceStretch(Surface& myDest, const Rect& myDestRect, const Surface& mySource,
                    const Rect& mySourceRect, bool myKeyed);
