// Start-up leaves no change queued, and coming back to a screen of another size brings the fills back with
// it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../platform/surface_count.h"
#include "../program/test_library.h"
#include "controls/app_window.h"
#include "core/alert.h"
#include "core/random.h"
#include "core/state.h"
#include "engine/edits.h"
#include "engine/fill.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "shell/display.h"
#include "shell/main.h"
#include "shell/options.h"
#include "shell/program_folder.h"
#include "storage/components.h"
#include "storage/file.h"

namespace fs = std::filesystem;

namespace {
fs::path InitTestRoot() {
    return fs::temp_directory_path() / ("orbex-init-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

// What a start-up seeded with mySeed (-1: none) at the clock's myTicks chooses at random afterwards.
std::string InitChoicesAfterStart(const fs::path& myRoot, int mySeed, uint32_t myTicks) {
    const fs::path myOut = myRoot / ("choices-" + std::to_string(mySeed) + "-" + std::to_string(myTicks));
    EXPECT_EXIT(
        {
            setenv("ORBEX_HOME", (myRoot / "home").c_str(), 1);
            setenv("XDG_RUNTIME_DIR", (myRoot / "runtime").c_str(), 1);
            PlatformStart(true);
            PlatformSetHeadlessSize(320, 240);
            ClockSetVirtual(myTicks);
            gOptions.mSeed = mySeed;
            if (!InitProgram()) std::_Exit(1);
            std::ofstream myFile(myOut);
            for (int myIndex = 0; myIndex < 8; ++myIndex)
                myFile << MainRandom() << ' ';
            myFile.close();
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    std::ifstream myFile(myOut);
    std::stringstream myText;
    myText << myFile.rdbuf();
    return myText.str();
}
} // namespace

// The whole start-up runs in a child process, so none of what it sets up stays behind for other tests.
TEST(InitProgramDeathTest, NothingIsCuedOrSkippedOnceStarted) {
    const fs::path myRoot = InitTestRoot();
    fs::create_directories(myRoot / "runtime");
    EXPECT_EXIT(
        {
            setenv("ORBEX_HOME", (myRoot / "home").c_str(), 1);
            setenv("XDG_RUNTIME_DIR", (myRoot / "runtime").c_str(), 1);
            PlatformStart(true);
            PlatformSetHeadlessSize(320, 240);
            // What a process starts with, and what a track's replay may leave.
            std::memset(gCueList, 0, sizeof(gCueList));
            std::memset(gEditsSkip, 1, sizeof(gEditsSkip));
            gStartUp = 1;
            const bool myStarted = InitProgram();
            int myWrong = 0;
            for (int myKind = 0; myKind < kEditKinds; ++myKind)
                myWrong += gCueList[myKind] != kNotSet || gEditsSkip[myKind] != 0;
            std::fprintf(stderr, "started %d, wrong %d\n", myStarted ? 1 : 0, myWrong);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "started 1, wrong 0");
    fs::remove_all(myRoot);
}

TEST(InitProgramDeathTest, ASeedMakesTwoStartsChooseAlikeWhateverTheClock) {
    const fs::path myRoot = InitTestRoot();
    fs::create_directories(myRoot / "runtime");
    const std::string mySeeded = InitChoicesAfterStart(myRoot, 7, 1000);
    ASSERT_FALSE(mySeeded.empty());
    EXPECT_EQ(InitChoicesAfterStart(myRoot, 7, 98765), mySeeded);
    EXPECT_NE(InitChoicesAfterStart(myRoot, 8, 1000), mySeeded);
    EXPECT_NE(InitChoicesAfterStart(myRoot, -1, 98765), InitChoicesAfterStart(myRoot, -1, 1000))
        << "unseeded, the clock chooses";
    fs::remove_all(myRoot);
}

TEST(RestoreApp, AScreenOfAnotherSizeGetsItsFillsLoadedAgainAndDrawn) {
    const fs::path myRoot = InitTestRoot();
    ASSERT_TRUE(TestWriteLibrary(myRoot, 12000)); // its tile "Checks"
    ConvertBitmap myBitmap;
    const auto myPhoto = TestMakeBmp(640, 480, [](int x, int y) {
        return TestColor{static_cast<uint8_t>(x % 200 + 40), static_cast<uint8_t>(y % 200 + 40), 90};
    });
    ASSERT_TRUE(ConvertOpenBitmapBytes(myPhoto, 1, myBitmap).mOk);
    ConvertSettings myFill;
    myFill.mKind = kConvertFill;
    ASSERT_TRUE(ConvertSave(myBitmap, myFill, (myRoot / "Fills").string(), "Photo.fil").mOk);

    PlatformStart(true);
    PlatformSetHeadlessSize(800, 600);
    gStateRunning = 1;
    gStateOutsideApp = 1;
    ASSERT_TRUE(InitPaintWindow());
    ASSERT_TRUE(SurfaceCreate(gWorldPreview, 128, 48));
    ASSERT_TRUE(SurfaceCreate(gWorldControls, 390, 409));
    std::snprintf(gDirIDOrbex, kPathSize, "%s/", myRoot.c_str());
    TestEmptyStyle(gStyle);
    StyleCopy(gStyle.mFillNames[0], "Checks");
    StyleCopy(gStyle.mFillNames[1], "Photo");
    ASSERT_TRUE(gFills[0].FillLoad(nullptr, 0, 0, 0, nullptr, 1));
    ASSERT_TRUE(gFills[1].FillLoad(nullptr, 1, 0, 0, nullptr, 1));
    ASSERT_EQ(gFills[1].m8BitWorld.mWidth, 800) << "a whole picture is fitted to the screen";

    PlatformSetHeadlessSize(1024, 768);
    MainRestoreApp();
    EXPECT_EQ(gRectDisplay.right, 1024);
    EXPECT_EQ(gFills[1].m8BitWorld.mWidth, 1024) << "fitted again to the new screen";
    EXPECT_EQ(gFills[1].m8BitWorld.mHeight, 768);
    EXPECT_STREQ(gStyle.mFillNames[1], "Photo");
    // The tiles cover the new screen to its far corner, in the picture and in the window.
    const Rect myCorner{824, 568, 1024, 768};
    EXPECT_GT(TestCountDrawn(gWorldPaint, myCorner), 200 * 200 / 4);
    EXPECT_GT(TestCountDrawn(WindowSurface(kWinPaint), myCorner), 200 * 200 / 4);
    fs::remove_all(myRoot);
}

TEST(ProgramFolderTest, TheBundledLibraryIsFoundBesideTheProgramWhateverItWasCalled) {
    // Started through PATH, the program knows only its name; the library is beside its file all the same.
    const std::string myBeside =
        std::filesystem::weakly_canonical(std::filesystem::path(ORBEX_BIN_DIR) / ".." / "share" / "orbex")
            .string();
    EXPECT_EQ(ProgramFolderBundled("orbex"), myBeside);
    EXPECT_EQ(ProgramFolderBundled(ORBEX_BIN_DIR "/orbex"), myBeside);
}
