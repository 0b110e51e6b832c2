// Surface copies with keys, clipping and stretching, checked against pixels worked out by hand.
#include <gtest/gtest.h>

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
        {2, 2, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 1, 2}, {0, 0, 11, 12}}},   // off the bottom-right
        {-3, 0, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},  // wholly outside
        {1, -2, {{0, 21, 22, 23}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},  // only the last row shows
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
    // A source rectangle reaching outside the source draws nothing rather than sampling beyond it.
    SurfaceFill(myDest, {0, 0, 3, 3}, 50);
    SurfaceStretch(myDest, {0, 0, 3, 3}, mySource, {0, 0, 5, 5}, false);
    EXPECT_EQ(At(myDest, 1, 1), 50);
}
