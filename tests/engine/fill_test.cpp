// Drawing fills: tiles on a grid anchored at the centre, whole pictures, black, and restoring under a brush.
#include "engine_fixture.h"

namespace {
class FillTest : public EngineTest {};
} // namespace

TEST_F(FillTest, TilesMeetAtTheScreenCentre) {
    MakeTile(gFills[0], 100, 100);
    gFills[0].FillDraw(1);
    // 8 x 6 tiles with a corner at (400, 300): the tile's own (0, 0) lies there.
    EXPECT_EQ(Paint(400, 300), 111);
    EXPECT_EQ(Paint(399, 299), 111 + (99 + 99) % 90);
    EXPECT_EQ(Paint(0, 0), 111);
    EXPECT_EQ(Paint(799, 599), 111 + (99 + 99) % 90);
    // An odd tile size still puts a corner on the centre, and the edges are covered.
    MakeTile(gFills[1], 70, 45);
    gFills[1].FillDraw(1);
    EXPECT_EQ(Paint(400, 300), 111);
    EXPECT_EQ(Paint(399, 300), 111 + 69 % 90);
    EXPECT_EQ(Paint(0, 0), gFills[1].m8BitWorld.Row((300 * 45 - 300) % 45)[(400 * 70 - 400) % 70]);
}

TEST_F(FillTest, RestoringAcrossTheCentreCopiesTheFourNeighbouringTiles) {
    MakeTile(gFills[0], 100, 100);
    gFills[0].FillDraw(0);
    const Surface myBefore = gWorldPaint;
    SurfaceFill(gWorldPaint, {390, 290, 410, 310}, 7);
    gFills[0].BackClip({390, 290, 410, 310});
    EXPECT_EQ(gWorldPaint.mPixels, myBefore.mPixels);
    // A rectangle partly off the screen is restored where it is on it.
    SurfaceFill(gWorldPaint, {0, 0, 10, 10}, 7);
    gFills[0].BackClip({-20, -20, 10, 10});
    EXPECT_EQ(gWorldPaint.mPixels, myBefore.mPixels);
}

TEST_F(FillTest, PicturesSmallerThanTheScreenShowOnBlack) {
    MakeTile(gFills[0], 300, 200, 'F');
    gFills[0].FillDraw(0);
    EXPECT_EQ(Paint(299, 199), 111 + (299 + 199) % 90);
    EXPECT_EQ(Paint(300, 100), 0);
    EXPECT_EQ(Paint(100, 200), 0);
    SurfaceFill(gWorldPaint, {290, 190, 320, 220}, 9);
    gFills[0].BackClip({290, 190, 320, 220});
    EXPECT_EQ(Paint(295, 195), 111 + (295 + 195) % 90);
    EXPECT_EQ(Paint(310, 195), 0);
    EXPECT_EQ(Paint(295, 210), 0);
}

TEST_F(FillTest, PicturesLargerThanTheScreenShowTheirMiddle) {
    VFill& myFill = gFills[0];
    MakeTile(myFill, 1000, 800, 'F');
    myFill.mBackRect = {100, 100, 900, 700};
    myFill.FillDraw(0);
    EXPECT_EQ(Paint(0, 0), 111 + (100 + 100) % 90);
    SurfaceFill(gWorldPaint, {0, 0, 5, 5}, 9);
    myFill.BackClip({0, 0, 5, 5});
    EXPECT_EQ(Paint(4, 4), 111 + (104 + 104) % 90);
}

TEST_F(FillTest, AnEmptySlotIsBlackAndDrawingWipesTrails) {
    SurfaceFill(gWorldPaint, gRectDisplay, 9);
    gStateClearTrails = 1;
    gFills[3].FillDraw(0);
    EXPECT_EQ(Paint(0, 0), 0);
    EXPECT_EQ(Paint(799, 599), 0);
    EXPECT_EQ(gStateClearTrails, 0);
    SurfaceFill(gWorldPaint, gRectDisplay, 9);
    gFills[3].BackClip({10, 10, 20, 20});
    EXPECT_EQ(Paint(15, 15), 0);
    EXPECT_EQ(Paint(25, 15), 9);
}
