// Surface copies with keys, clipping and stretching, checked against pixels worked out by hand.
#include <gtest/gtest.h>

#include <limits>

#include "platform/surface.h"

namespace {
// A surface whose pixel at (x, y) is 10 * y + x + 1, so every pixel says where it came from.
Surface Numbered(int myWidth, int myHeight) {
    Surface mySurface;
    SurfaceCreate(mySurface, myWidth, myHeight);
    for (int myY = 0; myY < myHeight; ++myY)
        for (int myX = 0; myX < myWidth; ++myX)
            mySurface.Row(myY)[myX] = static_cast<uint8_t>(10 * myY + myX + 1);
    return mySurface;
}

Surface Blank(int myWidth, int myHeight) {
    Surface mySurface;
    SurfaceCreate(mySurface, myWidth, myHeight);
    return mySurface;
}

int At(const Surface& mySurface, int myX, int myY) {
    return mySurface.Row(myY)[myX];
}
} // namespace

TEST(Surface, CreateRefusesImpossibleSizes) {
    Surface mySurface;
    EXPECT_FALSE(SurfaceCreate(mySurface, 0, 10));
    EXPECT_FALSE(SurfaceCreate(mySurface, 10, -1));
    EXPECT_FALSE(SurfaceCreate(mySurface, 20000, 10));
    EXPECT_FALSE(mySurface.Exists());
    ASSERT_TRUE(SurfaceCreate(mySurface, 3, 2));
    EXPECT_EQ(mySurface.mPitch, 3);
    EXPECT_EQ(mySurface.mPixels.size(), 6u);
}

TEST(Surface, FillIsClippedToTheSurface) {
    Surface mySurface = Blank(4, 3);
    SurfaceFill(mySurface, {-5, 2, 2, 99}, 7);
    SurfaceFill(mySurface, {3, -1, 10, 1}, 9);
    SurfaceFill(mySurface, {2, 2, 1, 1}, 5); // inverted: nothing
    const int kExpected[3][4] = {{0, 0, 0, 9}, {0, 0, 0, 0}, {7, 7, 0, 0}};
    for (int myY = 0; myY < 3; ++myY)
        for (int myX = 0; myX < 4; ++myX)
            EXPECT_EQ(At(mySurface, myX, myY), kExpected[myY][myX]) << myX << "," << myY;
}

TEST(Surface, CopyIsClippedAtEveryEdge) {
    const Surface mySource = Numbered(3, 3);
    struct Case {
        int mX, mY;
        int mExpected[4][4];
    };
    const Case kCases[] = {
        {-1, -1, {{12, 13, 0, 0}, {22, 23, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}}, // off the top-left
        {2, 2, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 1, 2}, {0, 0, 11, 12}}},     // off the bottom-right
        {-3, 0, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},      // wholly outside
        {1, -2, {{0, 21, 22, 23}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},   // only the last row shows
    };
    for (const Case& myCase : kCases) {
        Surface myDest = Blank(4, 4);
        SurfaceCopy(myDest, myCase.mX, myCase.mY, mySource, {0, 0, 3, 3});
        for (int myY = 0; myY < 4; ++myY)
            for (int myX = 0; myX < 4; ++myX)
                EXPECT_EQ(At(myDest, myX, myY), myCase.mExpected[myY][myX])
                    << "copy to " << myCase.mX << "," << myCase.mY << " pixel " << myX << "," << myY;
    }
}

TEST(Surface, SourceRectangleOutsideItsSurfaceIsCut) {
    const Surface mySource = Numbered(3, 3);
    Surface myDest = Blank(4, 4);
    // Only the part of the rectangle inside the source moves, to where it would have landed.
    SurfaceCopy(myDest, 0, 0, mySource, {-1, 1, 5, 2});
    EXPECT_EQ(At(myDest, 0, 0), 0);
    EXPECT_EQ(At(myDest, 1, 0), 11);
    EXPECT_EQ(At(myDest, 3, 0), 13);
    EXPECT_EQ(At(myDest, 0, 1), 0);
}

TEST(Surface, KeyedCopySkipsTheSourceKey) {
    Surface mySource = Numbered(3, 2);
    mySource.Row(0)[1] = 255;
    mySource.Row(1)[0] = 255;
    Surface myDest = Blank(3, 2);
    SurfaceFill(myDest, {0, 0, 3, 2}, 42);
    SurfaceCopyKeyed(myDest, 0, 0, mySource, {0, 0, 3, 2});
    EXPECT_EQ(At(myDest, 1, 0), 255) << "without a key, 255 is a colour like any other";
    SurfaceSetColorKey(mySource, 255);
    SurfaceFill(myDest, {0, 0, 3, 2}, 42);
    SurfaceCopyKeyed(myDest, 0, 0, mySource, {0, 0, 3, 2});
    EXPECT_EQ(At(myDest, 0, 0), 1);
    EXPECT_EQ(At(myDest, 1, 0), 42);
    EXPECT_EQ(At(myDest, 2, 0), 3);
    EXPECT_EQ(At(myDest, 0, 1), 42);
    EXPECT_EQ(At(myDest, 1, 1), 12);
    // The plain copy ignores the key.
    SurfaceCopy(myDest, 0, 0, mySource, {0, 0, 3, 2});
    EXPECT_EQ(At(myDest, 1, 0), 255);
}

TEST(Surface, StretchDoublesAndHalvesByNearestPixel) {
    const Surface mySource = Numbered(2, 2); // 1 2 / 11 12
    Surface myDest = Blank(4, 4);
    SurfaceStretch(myDest, {0, 0, 4, 4}, mySource, {0, 0, 2, 2}, false);
    const int kDoubled[4][4] = {{1, 1, 2, 2}, {1, 1, 2, 2}, {11, 11, 12, 12}, {11, 11, 12, 12}};
    for (int myY = 0; myY < 4; ++myY)
        for (int myX = 0; myX < 4; ++myX)
            EXPECT_EQ(At(myDest, myX, myY), kDoubled[myY][myX]);

    const Surface myBig = Numbered(4, 4);
    Surface mySmall = Blank(2, 2);
    SurfaceStretch(mySmall, {0, 0, 2, 2}, myBig, {0, 0, 4, 4}, false);
    EXPECT_EQ(At(mySmall, 0, 0), 1);
    EXPECT_EQ(At(mySmall, 1, 0), 3);
    EXPECT_EQ(At(mySmall, 0, 1), 21);
    EXPECT_EQ(At(mySmall, 1, 1), 23);
}

TEST(Surface, StretchClipsTheDestinationAndHonoursTheKey) {
    Surface mySource = Numbered(2, 2);
    mySource.Row(0)[0] = 255;
    SurfaceSetColorKey(mySource, 255);
    Surface myDest = Blank(3, 3);
    SurfaceFill(myDest, {0, 0, 3, 3}, 50);
    // Doubled to 4 x 4 at (-1, -1): only the lower-right 3 x 3 lands.
    SurfaceStretch(myDest, {-1, -1, 3, 3}, mySource, {0, 0, 2, 2}, true);
    const int kExpected[3][3] = {{50, 2, 2}, {11, 12, 12}, {11, 12, 12}};
    for (int myY = 0; myY < 3; ++myY)
        for (int myX = 0; myX < 3; ++myX)
            EXPECT_EQ(At(myDest, myX, myY), kExpected[myY][myX]) << myX << "," << myY;
}

TEST(Surface, StretchFromBeyondTheSourceDrawsOnlyWhatExists) {
    const Surface mySource = Numbered(2, 2); // 1 2 / 11 12
    Surface myDest = Blank(3, 3);
    SurfaceFill(myDest, {0, 0, 3, 3}, 50);
    // 5 x 5 squeezed into 3 x 3 samples offsets 0, 1 and 3 (d * 5 / 3); offset 3 is past the source.
    SurfaceStretch(myDest, {0, 0, 3, 3}, mySource, {0, 0, 5, 5}, false);
    const int kExpected[3][3] = {{1, 2, 50}, {11, 12, 50}, {50, 50, 50}};
    for (int myY = 0; myY < 3; ++myY)
        for (int myX = 0; myX < 3; ++myX)
            EXPECT_EQ(At(myDest, myX, myY), kExpected[myY][myX]) << myX << "," << myY;

    // A source rectangle starting left of the source: 4 x 1 from x = -2 doubled onto 8 pixels samples -2,
    // -2, -1, -1, 0, 0, 1, 1.
    Surface myWide = Blank(8, 1);
    SurfaceStretch(myWide, {0, 0, 8, 1}, mySource, {-2, 1, 2, 2}, false);
    const int kWide[8] = {0, 0, 0, 0, 11, 11, 12, 12};
    for (int myX = 0; myX < 8; ++myX)
        EXPECT_EQ(At(myWide, myX, 0), kWide[myX]) << myX;
}

TEST(Surface, EmptyAndInvertedStretchesDrawNothing) {
    const Surface mySource = Numbered(2, 2);
    Surface myDest = Blank(3, 3);
    SurfaceStretch(myDest, {2, 0, 0, 3}, mySource, {0, 0, 2, 2}, false);
    SurfaceStretch(myDest, {0, 0, 3, 3}, mySource, {0, 2, 2, 0}, false);
    SurfaceStretch(myDest, {0, 0, 3, 3}, mySource, {1, 1, 1, 2}, false);
    SurfaceStretch(myDest, {5, 5, 9, 9}, mySource, {0, 0, 2, 2}, false);
    for (int myY = 0; myY < 3; ++myY)
        for (int myX = 0; myX < 3; ++myX)
            EXPECT_EQ(At(myDest, myX, myY), 0);
}

// Rectangles at the ends of the int range: the clipping arithmetic must not overflow on the way.
TEST(Surface, ExtremeRectanglesAreClippedExactly) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const Surface mySource = Numbered(3, 3);

    // Source pixel (x, y) lands at kMin + (x - kMin) = x, so the whole source arrives at the origin.
    Surface myDest = Blank(4, 4);
    SurfaceCopy(myDest, kMin, kMin, mySource, {kMin, kMin, kMax, kMax});
    for (int myY = 0; myY < 3; ++myY)
        for (int myX = 0; myX < 3; ++myX)
            EXPECT_EQ(At(myDest, myX, myY), At(mySource, myX, myY));
    EXPECT_EQ(At(myDest, 3, 3), 0);

    Surface myOther = Blank(4, 4);
    SurfaceCopy(myOther, kMax, kMax, mySource, {0, 0, 3, 3});
    SurfaceCopyKeyed(myOther, kMin, 0, mySource, {0, 0, 3, 3});
    SurfaceCopy(myOther, 0, 0, mySource, {kMax, kMax, kMin, kMin});
    SurfaceFill(myOther, {kMax, kMax, kMin, kMin}, 9);
    for (int myY = 0; myY < 4; ++myY)
        for (int myX = 0; myX < 4; ++myX)
            EXPECT_EQ(At(myOther, myX, myY), 0);

    SurfaceFill(myOther, {kMin, kMin, kMax, kMax}, 9);
    EXPECT_EQ(At(myOther, 0, 0), 9);
    EXPECT_EQ(At(myOther, 3, 3), 9);

    // A destination 2^32 - 1 wide and high maps pixel 0 to offset 2^31, which samples
    // 2^31 * 2 / (2^32 - 1) = 1 of a 2 x 2 source; so do pixels 1 to 3.
    const Surface mySmall = Numbered(2, 2);
    SurfaceStretch(myOther, {kMin, kMin, kMax, kMax}, mySmall, {0, 0, 2, 2}, false);
    for (int myY = 0; myY < 4; ++myY)
        for (int myX = 0; myX < 4; ++myX)
            EXPECT_EQ(At(myOther, myX, myY), 12) << myX << "," << myY;
}

TEST(Surface, CopyOntoItselfReadsBeforeItWrites) {
    // Down one row: the plain copy must not smear row 0 over the whole surface.
    Surface mySurface = Numbered(3, 3);
    SurfaceCopy(mySurface, 0, 1, mySurface, {0, 0, 3, 2});
    const int kDown[3][3] = {{1, 2, 3}, {1, 2, 3}, {11, 12, 13}};
    for (int myY = 0; myY < 3; ++myY)
        for (int myX = 0; myX < 3; ++myX)
            EXPECT_EQ(At(mySurface, myX, myY), kDown[myY][myX]) << myX << "," << myY;

    // Right one column and down one row, keyed: same care along the row.
    Surface myKeyed = Numbered(3, 3);
    SurfaceSetColorKey(myKeyed, 12);
    SurfaceCopyKeyed(myKeyed, 1, 1, myKeyed, {0, 0, 2, 2});
    const int kShifted[3][3] = {{1, 2, 3}, {11, 1, 2}, {21, 11, 23}};
    for (int myY = 0; myY < 3; ++myY)
        for (int myX = 0; myX < 3; ++myX)
            EXPECT_EQ(At(myKeyed, myX, myY), kShifted[myY][myX]) << myX << "," << myY;
    // Along a single row: 1 2 3 shifted right by one reads 2 before overwriting it.
    SurfaceCopyKeyed(myKeyed, 1, 0, myKeyed, {0, 0, 2, 1});
    EXPECT_EQ(At(myKeyed, 1, 0), 1);
    EXPECT_EQ(At(myKeyed, 2, 0), 2);

    // Doubling the top-left 2 x 2 over the whole of a 4 x 4 samples the original pixels only.
    Surface myGrown = Numbered(4, 4);
    SurfaceStretch(myGrown, {0, 0, 4, 4}, myGrown, {0, 0, 2, 2}, false);
    const int kGrown[4][4] = {{1, 1, 2, 2}, {1, 1, 2, 2}, {11, 11, 12, 12}, {11, 11, 12, 12}};
    for (int myY = 0; myY < 4; ++myY)
        for (int myX = 0; myX < 4; ++myX)
            EXPECT_EQ(At(myGrown, myX, myY), kGrown[myY][myX]) << myX << "," << myY;
}

TEST(Surface, SurfacesWithoutPixelsAreNeverTouched) {
    Surface myHollow; // claims a size, owns no pixels
    myHollow.mWidth = myHollow.mHeight = myHollow.mPitch = 4;
    Surface myReal = Numbered(4, 4);
    SurfaceFill(myHollow, {0, 0, 4, 4}, 1);
    SurfaceCopy(myHollow, 0, 0, myReal, {0, 0, 4, 4});
    SurfaceCopy(myReal, 0, 0, myHollow, {0, 0, 4, 4});
    SurfaceStretch(myReal, {0, 0, 4, 4}, myHollow, {0, 0, 4, 4}, false);
    SurfaceStretch(myHollow, {0, 0, 4, 4}, myReal, {0, 0, 4, 4}, false);
    EXPECT_TRUE(myHollow.mPixels.empty());
    EXPECT_EQ(At(myReal, 3, 3), 34);
    const Rect myClipped = SurfaceClip(myHollow, {0, 0, 4, 4});
    EXPECT_EQ(myClipped.Width(), 0);
    EXPECT_EQ(myClipped.Height(), 0);
}

TEST(Surface, KeyOutsideThePaletteMatchesNothing) {
    Surface mySource = Numbered(2, 1);
    mySource.Row(0)[0] = 44; // 300 cut to a byte
    SurfaceSetColorKey(mySource, 300);
    Surface myDest = Blank(2, 1);
    SurfaceCopyKeyed(myDest, 0, 0, mySource, {0, 0, 2, 1});
    EXPECT_EQ(At(myDest, 0, 0), 44);
    EXPECT_EQ(At(myDest, 1, 0), 2);
}
