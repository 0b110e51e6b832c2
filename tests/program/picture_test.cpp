// The whole program drawing a known library: the same pixels and palette on every run, beats at the tempo,
// and the trigger changes and edit list that the counters imply.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/alert.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "music/music.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "png_reader.h"
#include "program_run.h"
#include "shell/display.h"
#include "shell/main.h"
#include "storage/components.h"
#include "storage/file.h"
#include "storage/style.h"
#include "test_library.h"

namespace fs = std::filesystem;

namespace {

class PictureTest : public ProgramRunTest {
  protected:
    void SetUp() override {
        ProgramRunTest::SetUp();
        ASSERT_TRUE(TestWriteLibrary(mRoot / "home", 12000));
    }
    int RunKnown(const std::string& myArgs) { return Run("--headless --style Known " + myArgs); }
};

uint64_t Checksum(const Picture& myPicture) {
    uint64_t myHash = 1469598103934665603ull;
    auto myAdd = [&](uint8_t myByte) { myHash = (myHash ^ myByte) * 1099511628211ull; };
    for (uint8_t myByte : myPicture.mPixels)
        myAdd(myByte);
    for (const png_color& myColor : myPicture.mPalette) {
        myAdd(myColor.red);
        myAdd(myColor.green);
        myAdd(myColor.blue);
    }
    return myHash;
}

} // namespace

TEST_F(PictureTest, AKnownLibraryDrawsTheSamePictureEveryRun) {
    ASSERT_EQ(RunKnown("--frames 4 --fps 1 --size 320x240 --out '" + (mRoot / "a").string() + "'"), 0);
    ASSERT_EQ(RunKnown("--frames 4 --fps 1 --size 320x240 --out '" + (mRoot / "b").string() + "'"), 0);
    Picture myFirst, mySecond;
    ASSERT_TRUE(ReadPng(mRoot / "a" / "frame-000003.png", myFirst));
    ASSERT_TRUE(ReadPng(mRoot / "b" / "frame-000003.png", mySecond));
    EXPECT_EQ(Checksum(myFirst), Checksum(mySecond));
    // The picture itself: the brush has painted a part of its circle in brush colours over the checks.
    int myBrushPixels = 0, myFillPixels = 0;
    for (uint8_t myIndex : myFirst.mPixels) {
        myBrushPixels += myIndex >= 21 && myIndex <= 110;
        myFillPixels += myIndex >= 111 && myIndex <= 200;
    }
    EXPECT_GT(myBrushPixels, 300);
    EXPECT_GT(myFillPixels, 320 * 240 / 3);
    constexpr uint64_t kGolden = 16935619321874263845ull;
    if (Checksum(myFirst) != kGolden) {
        const fs::path myKept = fs::path(ORBEX_BIN_DIR).parent_path() / "picture-test-frame.png";
        fs::copy_file(mRoot / "a" / "frame-000003.png", myKept, fs::copy_options::overwrite_existing);
        ADD_FAILURE() << "the picture changed: see " << myKept << ", checksum " << Checksum(myFirst);
    }
}

TEST_F(PictureTest, SixtySecondsAtATempoGiveItsBeats) {
    const fs::path myLog = mRoot / "beats.txt";
    ASSERT_EQ(RunKnown("--frames 61 --fps 1 --size 160x120 --beat-log '" + myLog.string() + "' --out '" +
                       (mRoot / "f").string() + "'"),
              0);
    std::ifstream myStream(myLog);
    std::vector<double> myBeats;
    for (double myTime; myStream >> myTime;)
        myBeats.push_back(myTime);
    ASSERT_GE(myBeats.size(), 119u);
    ASSERT_LE(myBeats.size(), 120u);
    for (size_t i = 0; i < myBeats.size(); ++i)
        EXPECT_NEAR(myBeats[i], 0.5 * (i + 1), 1e-9);
}

TEST_F(PictureTest, CountedBeatsChangeTheColoursAndTheEditListKeepsThem) {
    // In the program's own process: start-up loads the style, then a minute of the silent track plays.
    PlatformStart(true);
    ClockUseVirtual(true);
    ClockSetVirtual(5000);
    std::snprintf(gDirIDOrbex, kPathSize, "%s/", (mRoot / "home").c_str());
    InitSetScreenSize(320, 240);
    SurfaceCreate(gWorldPaint, 320, 240);
    SurfaceCreate(gWorldPreview, 128, 48);
    SurfaceCreate(gWorldControls, 390, 409);
    gStateColorChange = 1;
    gStartUp = 1;
    MusicPlay(0, 1);
    gStartUp = 0;
    EXPECT_STREQ(gAlertText, "");
    EXPECT_EQ(gStyle.mBrushColor, 1);
    EXPECT_EQ(gBeatLength, 500u);

    std::vector<int> myShown; // the brush colour after each beat
    uint32_t myBeats = 0;
    while (AnimateGetElapsedTime() < 59900) {
        ClockAdvance(1);
        AnimateMain();
        if (gBeatCount != myBeats) {
            myBeats = gBeatCount;
            myShown.push_back(gStyle.mBrushColor);
        }
    }
    ASSERT_EQ(myShown.size(), 119u);
    // Every second beat steps the colour 8 positions back along the rainbow.
    int myColor = 1;
    for (size_t i = 0; i < myShown.size(); ++i) {
        if (i % 2 == 1) myColor = (myColor + 111) % 120 + 1;
        EXPECT_EQ(myShown[i], myColor) << "beat " << i + 1;
    }
    // The edit list holds a beat record per beat, in time order, each carrying the colour that beat showed.
    size_t myBeat = 0;
    uint32_t myTime = 0;
    for (int i = gEditsList[0].mNext; i != kEditsEnd; i = gEditsList[i].mNext) {
        const editRecord& myRecord = gEditsList[i];
        EXPECT_GE(myRecord.mTime, myTime);
        myTime = myRecord.mTime;
        if (myRecord.mEdits[0] != kRecordBeat) continue;
        ASSERT_LT(myBeat, myShown.size());
        EXPECT_EQ(std::abs(myRecord.mEdits[kEditBrushColor]), myShown[myBeat]);
        // A value set at a record is stored negated there.
        EXPECT_EQ(myRecord.mEdits[kEditBrushColor] < 0, myBeat % 2 == 1);
        EXPECT_EQ(myRecord.mTime, 500u * (myBeat + 1));
        ++myBeat;
    }
    EXPECT_EQ(myBeat, myShown.size());
    MusicStop(0, 0);
    ClockUseVirtual(false);
}
