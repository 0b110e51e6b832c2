// What the presenter brings to the screen: the runs of changed rows, and which renderers draw in software.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/present.h"

namespace {
std::vector<std::pair<int, int>> Runs(const ChangedRows& myRows) {
    std::vector<std::pair<int, int>> myRuns;
    int myTop = 0, myBottom = 0;
    for (int myFrom = 0; myRows.ChangedRowsRun(myFrom, myTop, myBottom); myFrom = myBottom)
        myRuns.push_back({myTop, myBottom});
    return myRuns;
}
} // namespace

TEST(Present, ChangedRowsComeAsRunsClippedToThePicture) {
    ChangedRows myRows;
    myRows.ChangedRowsSize(100);
    EXPECT_EQ(Runs(myRows), (std::vector<std::pair<int, int>>{{0, 100}})) << "a new picture is shown whole";
    myRows.ChangedRowsClear();
    EXPECT_FALSE(myRows.mAny);
    EXPECT_TRUE(Runs(myRows).empty());
    // A brush's old and new places overlap; another lies apart; one reaches past the bottom, one above.
    myRows.ChangedRowsMark(10, 30);
    myRows.ChangedRowsMark(20, 40);
    myRows.ChangedRowsMark(60, 61);
    myRows.ChangedRowsMark(90, 140);
    myRows.ChangedRowsMark(-20, 2);
    myRows.ChangedRowsMark(50, 50);
    EXPECT_TRUE(myRows.mAny);
    EXPECT_EQ(Runs(myRows), (std::vector<std::pair<int, int>>{{0, 2}, {10, 40}, {60, 61}, {90, 100}}));
    myRows.ChangedRowsMarkAll(); // the palette changed
    EXPECT_EQ(Runs(myRows), (std::vector<std::pair<int, int>>{{0, 100}}));
    myRows.ChangedRowsClear();
    myRows.ChangedRowsMark(200, 300);
    EXPECT_FALSE(myRows.mAny) << "rows below the picture change nothing";
}

TEST(Present, OpenGLDrawnByTheProcessorIsRecognised) {
    EXPECT_TRUE(PresentIsSoftwareRasteriser("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(PresentIsSoftwareRasteriser("softpipe"));
    EXPECT_TRUE(PresentIsSoftwareRasteriser("Software Rasterizer"));
    EXPECT_FALSE(PresentIsSoftwareRasteriser("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    EXPECT_FALSE(PresentIsSoftwareRasteriser("AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0)"));
    EXPECT_FALSE(PresentIsSoftwareRasteriser(nullptr));
}
