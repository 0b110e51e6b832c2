// The video writer's own parts: the colour table, the chroma averaging, forms by name, and the file that
// appears only when a video is whole.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/video_out.h"
#include "platform/video_yuv.h"

namespace fs = std::filesystem;

TEST(VideoYuv, TableGivesStudioRangeColours) {
    PaletteEntry myPalette[kPaletteSize] = {};
    myPalette[1] = {255, 255, 255, 0};
    myPalette[2] = {255, 0, 0, 0};
    myPalette[3] = {0, 0, 255, 0};
    YuvTable myTable;
    YuvMakeTable(myTable, myPalette, kYuvBt709);
    EXPECT_EQ(myTable.mY[0], 16);
    EXPECT_EQ(myTable.mU[0], 128);
    EXPECT_EQ(myTable.mY[1], 235);
    EXPECT_EQ(myTable.mV[1], 128);
    EXPECT_EQ(myTable.mY[2], 63); // BT.709's red
    EXPECT_EQ(myTable.mU[2], 102);
    EXPECT_EQ(myTable.mV[2], 240);
    EXPECT_EQ(myTable.mU[3], 240);
    YuvMakeTable(myTable, myPalette, kYuvBt601);
    EXPECT_EQ(myTable.mY[2], 81); // BT.601's red
    EXPECT_EQ(myTable.mV[2], 240);
    EXPECT_EQ(myTable.mUV[3], myTable.mU[3] | uint32_t(myTable.mV[3]) << 16);
}

TEST(VideoYuv, ChromaIsTheRoundedMeanOfEachBlockAndOddEdgesCountOnce) {
    PaletteEntry myPalette[kPaletteSize] = {};
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        myPalette[myIndex] = {static_cast<uint8_t>(myIndex), 0, static_cast<uint8_t>(255 - myIndex), 0};
    YuvTable myTable;
    YuvMakeTable(myTable, myPalette, kYuvBt709);
    // 3 x 3 pixels, pitch 4: blocks (0,0) of four, (1,0) of the right column, (0,1) of the bottom row, (1,1)
    // of the corner alone.
    const uint8_t myPixels[12] = {10, 50, 90, 0, 130, 170, 210, 0, 250, 30, 70, 0};
    uint8_t myY[9], myU[4], myV[4];
    uint8_t* const myPlanes[3] = {myY, myU, myV};
    const int myStrides[3] = {3, 2, 2};
    YuvConvert420(myTable, myPixels, 4, 3, 3, myPlanes, myStrides);
    const int myAt[9] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
    for (int myIndex = 0; myIndex < 9; ++myIndex)
        EXPECT_EQ(myY[myIndex], myTable.mY[myPixels[myAt[myIndex]]]) << myIndex;
    auto myMean = [&](const uint8_t* myTableOf, std::initializer_list<int> myIndices) {
        int mySum = 0;
        for (int myIndex : myIndices)
            mySum += myTableOf[myPixels[myIndex]];
        return (mySum * 4 / static_cast<int>(myIndices.size()) + 2) / 4;
    };
    EXPECT_EQ(myU[0], myMean(myTable.mU, {0, 1, 4, 5}));
    EXPECT_EQ(myV[0], myMean(myTable.mV, {0, 1, 4, 5}));
    EXPECT_EQ(myU[1], myMean(myTable.mU, {2, 6}));
    EXPECT_EQ(myV[2], myMean(myTable.mV, {8, 9}));
    EXPECT_EQ(myU[3], myTable.mU[70]);
}

TEST(VideoOut, FormsAreKnownByTheirExtensionInAnyCase) {
    EXPECT_EQ(VideoFormOfPath("song.mp4"), kVideoMp4);
    EXPECT_EQ(VideoFormOfPath("dir.webm/Song.MKV"), kVideoMkv);
    EXPECT_EQ(VideoFormOfPath("a.Mov"), kVideoMov);
    EXPECT_EQ(VideoFormOfPath("a.webm"), kVideoWebm);
    EXPECT_EQ(VideoFormOfPath("a.y4m"), kVideoY4m);
    EXPECT_EQ(VideoFormOfPath("a.avi"), kVideoUnknown);
    EXPECT_EQ(VideoFormOfPath("mp4"), kVideoUnknown);
}

TEST(VideoOut, TheVideoAppearsWhenFinishedAndNothingWhenAbandoned) {
    const fs::path myFolder = fs::temp_directory_path() / ("orbex-videoout-" + std::to_string(::getpid()));
    fs::remove_all(myFolder);
    fs::create_directories(myFolder);
    Surface myFrame;
    ASSERT_TRUE(SurfaceCreate(myFrame, 8, 6));
    PaletteEntry myPalette[kPaletteSize] = {};
    VideoSettings mySettings;
    mySettings.mWidth = 8;
    mySettings.mHeight = 6;
    std::string myError;
    for (const char* myName : {"a.y4m", "a.mp4"}) {
        mySettings.mPath = (myFolder / myName).string();
        VideoOut myVideo;
        ASSERT_TRUE(VideoOpen(myVideo, mySettings, myError)) << myError;
        EXPECT_FALSE(fs::exists(mySettings.mPath)) << "written beside until it is whole";
        for (int myIndex = 0; myIndex < 10; ++myIndex)
            ASSERT_TRUE(VideoWriteFrame(myVideo, myFrame, myPalette));
        Surface myWrongSize;
        ASSERT_TRUE(SurfaceCreate(myWrongSize, 6, 6));
        EXPECT_FALSE(VideoWriteFrame(myVideo, myWrongSize, myPalette));
        ASSERT_TRUE(VideoFinish(myVideo, myError)) << myError;
        EXPECT_FALSE(VideoIsOpen(myVideo));
        EXPECT_GT(fs::file_size(mySettings.mPath), 0u) << myName;

        ASSERT_TRUE(VideoOpen(myVideo, mySettings, myError)) << myError;
        ASSERT_TRUE(VideoWriteFrame(myVideo, myFrame, myPalette));
        VideoAbandon(myVideo);
        EXPECT_FALSE(VideoIsOpen(myVideo));
    }
    size_t myFiles = 0;
    for (const auto& myEntry : fs::directory_iterator(myFolder))
        myFiles += myEntry.path().extension() != ".part";
    EXPECT_EQ(myFiles, 2u);
    EXPECT_EQ(std::distance(fs::directory_iterator(myFolder), fs::directory_iterator()), 2)
        << "the abandoned videos left nothing, and the finished ones stayed";

    mySettings.mPath = (myFolder / "missing" / "a.mp4").string();
    VideoOut myVideo;
    EXPECT_FALSE(VideoOpen(myVideo, mySettings, myError));
    EXPECT_EQ(myError.rfind("cannot write " + mySettings.mPath, 0), 0u) << myError;
    mySettings.mPath = (myFolder / "a.mp4").string();
    mySettings.mSound = (myFolder / "a.y4m").string();
    EXPECT_FALSE(VideoOpen(myVideo, mySettings, myError)) << "a picture stream is no sound";
    EXPECT_NE(myError.find("a.y4m"), std::string::npos) << myError;
    fs::remove_all(myFolder);
}

// Wide pictures take the machine's fastest path; each block must still be exactly the scalar rounded mean.
TEST(VideoYuv, EveryPathGivesTheSamePlanes) {
    PaletteEntry myPalette[kPaletteSize] = {};
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        myPalette[myIndex] = {static_cast<uint8_t>(myIndex * 7), static_cast<uint8_t>(255 - myIndex),
                              static_cast<uint8_t>(myIndex * 13), 0};
    YuvTable myTable;
    YuvMakeTable(myTable, myPalette, kYuvBt709);
    const int myWidth = 203, myHeight = 5, myPitch = 208, myHalf = (myWidth + 1) / 2;
    std::vector<uint8_t> myPixels(myPitch * myHeight);
    uint32_t mySeed = 12345;
    for (uint8_t& myPixel : myPixels) {
        mySeed = mySeed * 1103515245 + 12345;
        myPixel = static_cast<uint8_t>(mySeed >> 16);
    }
    std::vector<uint8_t> myY(myWidth * myHeight), myU(myHalf * 3), myV(myHalf * 3);
    uint8_t* const myPlanes[3] = {myY.data(), myU.data(), myV.data()};
    const int myStrides[3] = {myWidth, myHalf, myHalf};
    YuvConvert420(myTable, myPixels.data(), myPitch, myWidth, myHeight, myPlanes, myStrides);
    for (int myRow = 0; myRow < myHeight; ++myRow)
        for (int myColumn = 0; myColumn < myWidth; ++myColumn)
            ASSERT_EQ(myY[myRow * myWidth + myColumn], myTable.mY[myPixels[myRow * myPitch + myColumn]]);
    for (int myRow = 0; myRow < 3; ++myRow)
        for (int myColumn = 0; myColumn < myHalf; ++myColumn) {
            int mySumU = 0, mySumV = 0;
            for (int myDy = 0; myDy < 2; ++myDy)
                for (int myDx = 0; myDx < 2; ++myDx) {
                    const int myY2 = std::min(2 * myRow + myDy, myHeight - 1);
                    const int myX2 = std::min(2 * myColumn + myDx, myWidth - 1);
                    mySumU += myTable.mU[myPixels[myY2 * myPitch + myX2]];
                    mySumV += myTable.mV[myPixels[myY2 * myPitch + myX2]];
                }
            ASSERT_EQ(myU[myRow * myHalf + myColumn], (mySumU + 2) / 4) << myRow << "," << myColumn;
            ASSERT_EQ(myV[myRow * myHalf + myColumn], (mySumV + 2) / 4) << myRow << "," << myColumn;
        }
}
