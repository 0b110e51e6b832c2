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

TEST(Present, EachRunKnowsTheColumnsThatChangedInIt) {
    ChangedRows myRows;
    myRows.ChangedRowsSize(100);
    const auto myColumns = [&](int myTop, int myBottom) {
        std::pair<int, int> mySpan;
        myRows.ChangedRowsColumns(myTop, myBottom, mySpan.first, mySpan.second);
        return mySpan;
    };
    EXPECT_EQ(myColumns(0, 100), std::make_pair(0, kChangedRowsWhole)) << "a new picture is shown whole";
    myRows.ChangedRowsClear();
    // A brush's old place and its new one, overlapping in rows; another apart; a band of whole rows.
    myRows.ChangedRowsMark(10, 20, 50, 80);
    myRows.ChangedRowsMark(15, 30, 70, 120);
    myRows.ChangedRowsMark(40, 45, -10, 5);
    myRows.ChangedRowsMark(60, 62);
    myRows.ChangedRowsMark(70, 75, 30, 30);
    EXPECT_EQ(Runs(myRows), (std::vector<std::pair<int, int>>{{10, 30}, {40, 45}, {60, 62}}))
        << "an area without columns changes nothing";
    EXPECT_EQ(myColumns(10, 30), std::make_pair(50, 120));
    EXPECT_EQ(myColumns(20, 30), std::make_pair(70, 120)) << "rows keep their own columns";
    EXPECT_EQ(myColumns(40, 45), std::make_pair(-10, 5)) << "unclipped: the presenter clips";
    EXPECT_EQ(myColumns(60, 62), std::make_pair(0, kChangedRowsWhole));
    EXPECT_EQ(myColumns(0, 10).first, myColumns(0, 10).second) << "no column in unmarked rows";
    myRows.ChangedRowsClear();
    myRows.ChangedRowsMark(10, 20, 90, 95);
    EXPECT_EQ(myColumns(10, 20), std::make_pair(90, 95)) << "cleared rows forget their old columns";
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
    // An area: its columns of its rows, at their place in the window.
    std::vector<uint32_t> myArea(4 * 4, kUntouched);
    PresentConvertArea(myPicture, {1, 0, 2, 2}, myArea.data(), 4, 4, 4, 1, kPaletteXRGB);
    EXPECT_EQ(myArea[1], myColour(1));
    EXPECT_EQ(myArea[4 + 1], myColour(2));
    for (int myIndex : {0, 2, 4, 6, 9})
        EXPECT_EQ(myArea[myIndex], kUntouched) << "outside the area, at " << myIndex;
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
        // Its middle column alone, magnified in place.
        std::vector<uint32_t> myColumn(9 * 7, kUntouched);
        PresentConvertArea(myPicture, {1, 0, 2, 3}, myColumn.data(), 9, 8, 7, myScale, kPaletteXRGB);
        for (int myY = 0; myY < 7; ++myY)
            for (int myX = 0; myX < 9; ++myX) {
                const bool myInside =
                    myX >= myScale && myX < std::min(8, 2 * myScale) && myY < std::min(7, 3 * myScale);
                EXPECT_EQ(myColumn[myY * 9 + myX], myInside ? myColour((1 + myY / myScale) % 4) : kUntouched)
                    << "column at scale " << myScale << " at " << myX << ", " << myY;
            }
    }
}
