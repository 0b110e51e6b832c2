// The procedural art's shared tools: pictures in the converter's colour code, and writing them as bitmaps.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A pixel of the artist's bitmap. Pure green shades are places on the primary gradient, pure red shades on
// the secondary one, white is transparent (in brushes), black is black, pure blue marks the mask.
struct ArtColor {
    uint8_t mRed = 255, mGreen = 255, mBlue = 255;
    bool operator==(const ArtColor&) const = default;
};

constexpr ArtColor kArtClear{255, 255, 255};
constexpr ArtColor kArtBlack{0, 0, 0};
constexpr ArtColor kArtMask{0, 0, 255};
constexpr double kArtPi = 3.14159265358979;

// The place t (0 to 1, wrapping) on the primary gradient; the converter runs with one section, so the
// whole gradient spans one turn of t.
inline ArtColor ArtPrimary(double t) {
    t -= std::floor(t);
    return {0, static_cast<uint8_t>(255 - static_cast<int>(t * 254.99)), 0};
}
inline ArtColor ArtSecondary(double t) {
    t -= std::floor(t);
    return {static_cast<uint8_t>(255 - static_cast<int>(t * 254.99)), 0, 0};
}

struct ArtPicture {
    int mWidth = 0, mHeight = 0;
    std::vector<ArtColor> mPixels;
    ArtPicture(int myWidth, int myHeight)
        : mWidth(myWidth), mHeight(myHeight), mPixels(static_cast<size_t>(myWidth) * myHeight) {}
    ArtColor& At(int myX, int myY) { return mPixels[static_cast<size_t>(myY) * mWidth + myX]; }
};

// What a brush frame shows at (x, y), both -1 to 1 across the frame; phase runs 0 to 1 over the frames.
using ArtBrushPaint = std::function<ArtColor(double x, double y, double phase, int frame)>;
// What a fill shows at pixel (x, y) of a picture of width w and height h.
using ArtFillPaint = std::function<ArtColor(int x, int y, int w, int h)>;

struct ArtBrush {
    const char* mName;
    int mFrames;
    int mSide;          // frame width and height in pixels
    const char* mFlags; // extra converter options
    ArtBrushPaint mPaint;
};

struct ArtFill {
    const char* mName;
    int mWidth, mHeight;
    const char* mFlags;
    ArtFillPaint mPaint;
};

std::vector<ArtBrush> ArtBrushes();
std::vector<ArtFill> ArtFills();

bool ArtWriteBitmap(const std::string& myPath, const ArtPicture& myPicture);

// Small helpers the paintings share.
inline double ArtRadius(double x, double y) {
    return std::sqrt(x * x + y * y);
}
inline double ArtAngle(double x, double y) {
    return std::atan2(y, x);
}
// A smooth hash of a cell, 0 to 1, so noise patterns come out the same on every build.
inline double ArtHash(int myX, int myY, int mySeed = 0) {
    uint32_t h = static_cast<uint32_t>(myX) * 374761393u + static_cast<uint32_t>(myY) * 668265263u +
                 static_cast<uint32_t>(mySeed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFFFF) / 16777216.0;
}
double ArtNoise(double x, double y, int mySeed);
