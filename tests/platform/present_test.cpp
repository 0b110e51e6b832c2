// What the presenter brings to the screen: the runs of changed rows, the rows converted magnified into a
// window's pixels, and which renderers draw in software.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/palette.h"
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

TEST(Present, RowsAreConvertedMagnifiedAndClippedToTheWindow) {
    PaletteEntry myEntries[4] = {{1, 1, 1, 0}, {2, 2, 2, 0}, {3, 3, 3, 0}, {4, 4, 4, 0}};
    PaletteSet(0, 4, myEntries);
    Surface myPicture;
    ASSERT_TRUE(SurfaceCreate(myPicture, 3, 3));
    for (int myY = 0; myY < 3; ++myY)
        for (int myX = 0; myX < 3; ++myX)
            myPicture.Row(myY)[myX] = static_cast<uint8_t>((myX + myY) % 4);
    const auto myColour = [](int myIndex) { return 0xFF000000u | 0x010101u * uint32_t(myIndex + 1); };
    constexpr uint32_t kUntouched = 7;
    // Only the rows asked for reach the window; beyond the picture nothing is written.
    std::vector<uint32_t> myWindow(4 * 4, kUntouched);
    PresentConvertRows(myPicture, 1, 3, myWindow.data(), 4, 4, 4, 1, kPaletteXRGB);
    EXPECT_EQ(myWindow[0], kUntouched);
    EXPECT_EQ(myWindow[4], myColour(1));
    EXPECT_EQ(myWindow[2 * 4 + 2], myColour(0));
    EXPECT_EQ(myWindow[4 + 3], kUntouched) << "right of the picture";
    EXPECT_EQ(myWindow[3 * 4], kUntouched) << "below the picture";
    // Magnified three times into a window of 8 x 7 pixels: the last column and row are cut.
    for (int myScale : {2, 3}) {
        std::vector<uint32_t> myBig(9 * 7, kUntouched);
        PresentConvertRows(myPicture, 0, 3, myBig.data(), 9, 8, 7, myScale, kPaletteXRGB);
        for (int myY = 0; myY < 7; ++myY) {
            for (int myX = 0; myX < 9; ++myX) {
                const bool myInside = myX < std::min(8, 3 * myScale) && myY < std::min(7, 3 * myScale);
                const uint32_t myWanted =
                    myInside ? myColour((myX / myScale + myY / myScale) % 4) : kUntouched;
                EXPECT_EQ(myBig[myY * 9 + myX], myWanted)
                    << "scale " << myScale << " at " << myX << ", " << myY;
            }
        }
    }
}
