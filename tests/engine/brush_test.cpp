// Painting brushes: frame orders, lingering movements, clipping, scaling, masks and trails.
#include <vector>

#include "engine_fixture.h"

namespace {

class BrushTest : public EngineTest {
  protected:
    // The frames painted by n increments, read back through the colour each frame is filled with.
    std::vector<int> FrameOrder(VBrush& myBrush, int myCount) {
        std::vector<int> myOrder;
        myBrush.BrushInit();
        for (int i = 0; i < myCount; ++i) {
            Rect myRect;
            myBrush.BrushDrawPaint(gWorldPaint, &myRect, 0, 1);
            myOrder.push_back(Paint(400, 300) - 21);
        }
        return myOrder;
    }
};

} // namespace

TEST_F(BrushTest, PlainAndPalindromeFrameOrders) {
    MakeBrush(gBrushes[0], 10, 10, 4);
    EXPECT_EQ(FrameOrder(gBrushes[0], 6), (std::vector<int>{0, 1, 2, 3, 0, 1}));
    MakeBrush(gBrushes[0], 10, 10, 4, true);
    EXPECT_EQ(FrameOrder(gBrushes[0], 9), (std::vector<int>{0, 1, 2, 3, 2, 1, 0, 1, 2}));
}

TEST_F(BrushTest, TheBeatFrameShowsOnceWhenArmed) {
    MakeBrush(gBrushes[0], 10, 10, 3, false, true);
    gBrushes[0].BrushInit();
    EXPECT_EQ(gBrushBeat, 1);
    gEffectBrush.BEffectReset(); // the beat arms and paints it
    EXPECT_EQ(Paint(400, 300), 21 + 3);
    EXPECT_EQ(gBrushBeat, 1);
    gEffectBrush.BEffectUpdate();
    EXPECT_EQ(Paint(400, 300), 21);
}

TEST_F(BrushTest, LingeringMovementsPaintSeveralImagesAnUpdate) {
    MakeBrush(gBrushes[0], 4, 4, 8);
    gBrushes[0].BrushInit();
    // The update program moves the brush 10 pixels right each run.
    TestProgram().Add(W("xp"), W("xp"), Lit(10), "SM").Into(gMovements[0].mUpdate, gMovements[0].mUpdateSize);
    gMovements[0].mLingerCount = -3;
    gX = 100;
    gBrushes[0].BrushDraw(0);
    // Three images, each with the next frame.
    EXPECT_EQ(Paint(110, 300), 21);
    EXPECT_EQ(Paint(120, 300), 22);
    EXPECT_EQ(Paint(130, 300), 23);
    EXPECT_EQ(gBrushFrame, 3);
    EXPECT_EQ(gBrushRect.left, 108);
    EXPECT_EQ(gBrushRect.right, 132);

    gMovements[0].mLingerCount = 3;
    gBrushes[0].BrushDraw(0);
    // Three images share frame 3, and the frame then moves on once.
    EXPECT_EQ(Paint(140, 300), 24);
    EXPECT_EQ(Paint(150, 300), 24);
    EXPECT_EQ(Paint(160, 300), 24);
    EXPECT_EQ(gBrushFrame, 4);
}

TEST_F(BrushTest, ClippingAtEveryEdgeShowsTheRightPartOfTheFrame) {
    // A 10 x 10 frame whose columns are 21 + x: the visible part tells which columns were kept.
    VBrush& myBrush = gBrushes[0];
    MakeBrush(myBrush, 10, 10, 1);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            myBrush.m8BitWorld.Row(y)[x] = static_cast<uint8_t>(21 + x);
    myBrush.BrushInit();
    Rect myRect;
    gX = 2, gY = 300;
    myBrush.BrushDrawPaint(gWorldPaint, &myRect, 0, 1);
    EXPECT_EQ(myRect.left, 0);
    EXPECT_EQ(myRect.right, 7);
    EXPECT_EQ(Paint(0, 300), 21 + 3);
    gX = 797;
    myBrush.BrushDrawPaint(gWorldPaint, &myRect, 0, 1);
    EXPECT_EQ(myRect.right, 800);
    EXPECT_EQ(Paint(799, 300), 21 + 7);
    gX = 400, gY = 1;
    myBrush.BrushDrawPaint(gWorldPaint, &myRect, 0, 1);
    EXPECT_EQ(myRect.top, 0);
    EXPECT_EQ(myRect.bottom, 6);
    gY = 598;
    myBrush.BrushDrawPaint(gWorldPaint, &myRect, 0, 1);
    EXPECT_EQ(myRect.bottom, 600);
    // Wholly off the screen: nothing, and no rectangle.
    gX = -500;
    myBrush.BrushDrawPaint(gWorldPaint, &myRect, 0, 1);
    EXPECT_LE(myRect.Width(), 0);
}

TEST_F(BrushTest, BrushEffectsScaleTheImageAndZeroPaintsNothing) {
    MakeBrush(gBrushes[0], 10, 10, 1);
    gBrushes[0].BrushInit();
    TestProgram().Add(W("bs"), W("vs"), Lit(2), "PR").Into(gEffectBrush.mUpdate, gEffectBrush.mUpdateSize);
    gEffScale = 1.0;
    Rect myRect;
    gBrushes[0].BrushDrawPaint(gWorldPaint, &myRect, 2, 1);
    EXPECT_EQ(myRect.Width(), 20);
    EXPECT_EQ(myRect.Height(), 20);
    EXPECT_EQ(Paint(391, 291), 21);
    gEffScale = 0;
    SurfaceFill(gWorldPaint, gRectDisplay, 0);
    gBrushes[0].BrushDrawPaint(gWorldPaint, &myRect, 2, 1);
    EXPECT_EQ(myRect.Width(), 0);
    EXPECT_EQ(Paint(400, 300), 0);
    // With only an update program, the beat image is scaled by it too.
    gEffScale = 1.0;
    gEffectBrush.BEffectReset();
    EXPECT_EQ(gBrushRect.Width(), 20);
}

TEST_F(BrushTest, MasksPaintTheSilhouetteInTheCyclingColour) {
    VBrush& myBrush = gBrushes[0];
    MakeBrush(myBrush, 4, 4, 2);
    myBrush.mLayers = 1;
    SurfaceCreate(myBrush.m1BitWorld, 12, 4);
    // Frame 1's silhouette is its left half.
    SurfaceFill(myBrush.m1BitWorld, {4, 0, 6, 4}, 255);
    myBrush.BrushInit();
    gBrushFrame = 1;
    gGradColorNum = 30;
    SurfaceFill(gWorldPaint, gRectDisplay, 5);
    myBrush.BrushDraw(0);
    EXPECT_EQ(gGradColorNum, 29);
    EXPECT_EQ(Paint(398, 298), 29);
    EXPECT_EQ(Paint(399, 299), 29);
    EXPECT_EQ(Paint(400, 300), 5);
    // The colour wraps inside the brush range.
    gGradColorNum = 21;
    myBrush.BrushDraw(0);
    EXPECT_EQ(gGradColorNum, 110);
}

TEST_F(BrushTest, TrailsStayOrAreErasedAndAtBrushesNeverTrail) {
    MakeTile(gFills[0], 50, 50);
    gFills[0].FillDraw(0);
    MakeBrush(gBrushes[0], 4, 4, 1);
    gBrushes[0].BrushInit();
    gX = gY = 100;
    gBrushes[0].BrushDraw(0);
    gX = 200;
    gBrushes[0].BrushDraw(0);
    EXPECT_EQ(Paint(100, 100), 21) << "with trails on the first image stays";

    // An "@" brush erases each image before the next, trails or not.
    StyleCopy(gStyle.mBrushNames[1], "@Ghost");
    MakeBrush(gBrushes[1], 4, 4, 1);
    ExecuteEdits(kEditBrush, 2, 0, kModeExecute, {});
    EXPECT_EQ(gStateBTrails, 0);
    gX = 300;
    gBrushes[1].BrushDraw(0);
    gX = 500;
    gBrushes[1].BrushDraw(0);
    EXPECT_EQ(Paint(300, 100), gFills[0].m8BitWorld.Row(100 % 50)[(300 - 400 + 500) % 50]);
    EXPECT_EQ(Paint(500, 100), 21);
}
