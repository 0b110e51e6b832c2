// Real windows on a display of their own (Xvfb): every way of presenting shows exactly the colours the
// palette gives the picture's indices, magnified windows too, after a palette change, after a band of rows
// changed and after both at once. On a desktop without a GPU, OpenGL is Mesa's rasteriser on the processor;
// it draws what a GPU would.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/present.h"
#include "platform/window.h"
#include "tests/program/test_files.h"

namespace {
constexpr const char* kOnScreen = "ORBEX_TEST_ON_SCREEN";

// The colours the screen must show for a window's picture, magnified myScale times.
std::vector<uint32_t> WantedPixels(const Surface& myPicture, int myScale) {
    const int myWidth = myPicture.mWidth * myScale, myHeight = myPicture.mHeight * myScale;
    std::vector<uint32_t> myPixels(static_cast<size_t>(myWidth) * myHeight);
    for (int myY = 0; myY < myHeight; ++myY)
        for (int myX = 0; myX < myWidth; ++myX) {
            const PaletteEntry& myEntry = gPalette[myPicture.Row(myY / myScale)[myX / myScale]];
            myPixels[static_cast<size_t>(myY) * myWidth + myX] =
                0xFF000000u | uint32_t(myEntry.mRed) << 16 | uint32_t(myEntry.mGreen) << 8 | myEntry.mBlue;
        }
    return myPixels;
}

// Waits out a display refresh, presents what is due and compares both windows with the palette.
void ExpectShown(const char* myWhen) {
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    WindowTurn();
    for (int myId : {kWinPaint, kWinHelp}) {
        std::vector<uint32_t> myPixels;
        int myWidth = 0, myHeight = 0;
        ASSERT_TRUE(WindowReadShown(myId, myPixels, myWidth, myHeight)) << myWhen;
        const int myScale = myId == kWinPaint ? 1 : WindowScale();
        const Surface& myPicture = WindowSurface(myId);
        ASSERT_EQ(myWidth, myPicture.mWidth * myScale) << myWhen;
        ASSERT_EQ(myHeight, myPicture.mHeight * myScale) << myWhen;
        const std::vector<uint32_t> myWanted = WantedPixels(myPicture, myScale);
        size_t myWrong = 0;
        for (size_t myIndex = 0; myIndex < myWanted.size(); ++myIndex)
            myWrong += myPixels[myIndex] != myWanted[myIndex];
        EXPECT_EQ(myWrong, 0u) << WindowPresentWay(myId) << " window " << myId << " " << myWhen;
    }
}

void ShowEveryWay() {
    ASSERT_EQ(PlatformStart(false), kPlatformStarted) << PlatformErrorText();
    std::mt19937 myRandom(22);
    PaletteEntry myEntries[kPaletteSize];
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        myEntries[myIndex] = {uint8_t(myRandom()), uint8_t(myRandom()), uint8_t(myRandom()),
                              uint8_t(myIndex >= 21 && myIndex <= 245 ? kPaletteReserved : 0)};
    PaletteSet(0, kPaletteSize, myEntries);
    WindowSetScale(2);
    std::vector<PresentWay> myWays = {kPresentSurface, kPresentRenderer};
    if (!PresentGLProbe().empty())
        myWays.push_back(kPresentOpenGL);
    else
        std::printf("no OpenGL 2 on this display: the OpenGL way is not compared\n");
    for (PresentWay myWay : myWays) {
        PresentChoose(myWay);
        ASSERT_TRUE(WindowCreate(kWinPaint, "Paint", 0, 0, 256, 120, 0));
        ASSERT_TRUE(WindowCreate(kWinHelp, "Help", 300, 0, 67, 41, 0));
        ASSERT_STREQ(WindowPresentWay(kWinPaint), PresentWayName(myWay)) << "no other way taken instead";
        for (int myId : {kWinPaint, kWinHelp}) {
            Surface& myPicture = WindowSurface(myId);
            for (int myY = 0; myY < myPicture.mHeight; ++myY)
                for (int myX = 0; myX < myPicture.mWidth; ++myX)
                    myPicture.Row(myY)[myX] = static_cast<uint8_t>(myX + 3 * myY);
            WindowShow(myId, true, false);
            WindowPresent(myId);
        }
        ExpectShown("when first shown");
        // Colour cycling: the animatable entries move on; the pixels stay.
        for (int myIndex = 21; myIndex <= 245; ++myIndex)
            myEntries[myIndex].mRed = static_cast<uint8_t>(myEntries[myIndex].mRed + 77);
        PaletteAnimate(0, kPaletteSize, myEntries);
        ExpectShown("after a palette change");
        // A brush frame: a band of rows changes, and only it is brought over.
        SurfaceFill(WindowSurface(kWinPaint), {10, 40, 200, 52}, 250);
        WindowPresentRows(kWinPaint, 40, 52);
        ExpectShown("after a band of rows changed");
        // A brush's area: only its columns of its rows are brought over.
        SurfaceFill(WindowSurface(kWinPaint), {30, 20, 61, 33}, 251);
        WindowPresentArea(kWinPaint, {30, 20, 61, 33});
        ExpectShown("after an area changed");
        // Both in one present: the band whole, and elsewhere the pixels of the entries that changed.
        SurfaceFill(WindowSurface(kWinPaint), {0, 70, 256, 75}, 7);
        WindowPresentRows(kWinPaint, 70, 75);
        for (int myIndex = 21; myIndex <= 245; myIndex += 2)
            myEntries[myIndex].mBlue = static_cast<uint8_t>(myEntries[myIndex].mBlue + 9);
        PaletteAnimate(0, kPaletteSize, myEntries);
        ExpectShown("after a band of rows and the palette changed");
        // A picture of a few colours: a change to others needs nothing new shown, a change to its own does.
        SurfaceFill(WindowSurface(kWinHelp), {0, 0, 67, 41}, 5);
        SurfaceFill(WindowSurface(kWinHelp), {0, 20, 67, 25}, 30);
        WindowPresent(kWinHelp);
        ExpectShown("with a few colours");
        for (int myIndex : {40, 30}) {
            myEntries[myIndex].mGreen = static_cast<uint8_t>(myEntries[myIndex].mGreen + 101);
            PaletteAnimate(0, kPaletteSize, myEntries);
            ExpectShown(myIndex == 40 ? "after a colour it does not use changed"
                                      : "after its own colour changed");
        }
        WindowDestroy(kWinPaint);
        WindowDestroy(kWinHelp);
    }
}
} // namespace

TEST(PresentOnScreen, EveryWayShowsThePalettesColours) {
    if (std::getenv(kOnScreen)) {
        ShowEveryWay();
        return;
    }
    if (!TestHaveProgram("xvfb-run")) GTEST_SKIP() << "needs xvfb-run";
    // The windows need a display: this test runs again in a process of its own on a new X server, as a
    // whole run of one test even when this run is one shard of several.
    const std::string myCommand = "env -u GTEST_TOTAL_SHARDS -u GTEST_SHARD_INDEX " + std::string(kOnScreen) +
                                  "=1 timeout 120 xvfb-run -a -s '-screen 0 800x600x24' /proc/" +
                                  std::to_string(::getpid()) +
                                  "/exe --gtest_filter=PresentOnScreen.EveryWayShowsThePalettesColours 2>&1";
    std::string myOutput;
    FILE* myPipe = ::popen(myCommand.c_str(), "r");
    ASSERT_NE(myPipe, nullptr);
    char myBuffer[4096];
    for (size_t myRead; (myRead = std::fread(myBuffer, 1, sizeof(myBuffer), myPipe)) > 0;)
        myOutput.append(myBuffer, myRead);
    EXPECT_EQ(::pclose(myPipe), 0) << myOutput;
    EXPECT_NE(myOutput.find("[  PASSED  ] 1 test."), std::string::npos) << myOutput;
}
