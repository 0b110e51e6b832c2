// A whole session by mouse alone: clicks and drags over the drawing controls and the panels' sliders, then a
// quit; the session saved ("Last_Session") holds what the mouse set.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/style_record.h"
#include "resources/controls_art.h"
#include "test_files.h"
#include "test_library.h"

namespace fs = std::filesystem;

namespace {

class MouseSession : public ::testing::Test {
  protected:
    fs::path mRoot;
    void SetUp() override {
        mRoot = fs::temp_directory_path() / ("orbex-mouse-session-" + std::to_string(::getpid()));
        fs::remove_all(mRoot);
        fs::create_directories(mRoot / "work");
        ASSERT_TRUE(TestWriteLibrary(mRoot / "home", 12000));
    }
    void TearDown() override { fs::remove_all(mRoot); }

    int Run(const std::string& myScript) {
        std::ofstream(mRoot / "session.txt") << myScript;
        const std::string myCommand = "cd '" + (mRoot / "work").string() + "' && ORBEX_HOME='" +
                                      (mRoot / "home").string() + "' XDG_RUNTIME_DIR='" + mRoot.string() +
                                      "' '" + ORBEX_BIN_DIR "/orbex' --headless --script '" +
                                      (mRoot / "session.txt").string() + "' >/dev/null 2>&1";
        return std::system(myCommand.c_str());
    }
    // A slot's name is a file of the program folder (blanks stand for underscores).
    bool InLibrary(const char* myFolder, const char* mySlotName, const char* myExtension) const {
        std::string myName(mySlotName, strnlen(mySlotName, kNameSize));
        for (char& myChar : myName)
            if (myChar == ' ') myChar = '_';
        return !myName.empty() && fs::exists(mRoot / "home" / myFolder / (myName + myExtension));
    }
    static bool ReadSession(const fs::path& myHome, StyleRecord& myStyle) {
        std::ifstream myFile(myHome / "Styles" / "Last_Session.sty", std::ios::binary);
        myFile.read(reinterpret_cast<char*>(&myStyle), kStyleSize);
        return myFile.gcount() == static_cast<std::streamsize>(kStyleSize);
    }
};

} // namespace

TEST_F(MouseSession, ClicksAndDragsEndUpInTheSavedSession) {
    // Expanded by its button; the colour counter dragged to "Off" first, so no beat changes the colours the
    // bars then set; the fill counter to its far right; the brush column's threshold; the sensitivity to
    // the right; trails off by their button; "Vol."; the colour kick and the tempo by their panels' sliders;
    // then the last file of each list's menu into an empty slot by its row's arrow, and the first trigger
    // mode of the FILLS column by its button.
    const char* const kScript = "0.30 click controls 180 10\n"
                                "0.40 drag controls 20 217 0 217 0.1\n"
                                "0.60 click controls 122 170\n"
                                "0.65 click controls 10 185\n"
                                "0.70 drag controls 20 426 300 426 0.2\n"
                                "1.00 drag controls 150 410 190 410 0.2\n"
                                "1.30 drag controls 150 217 400 217 0.2\n"
                                "1.60 click controls 215 8\n"
                                "1.65 click controls 220 158\n"
                                "1.70 click controls 20 153\n"
                                "1.80 drag controls 100 124 169 124 0.2\n"
                                "2.10 click controls 154 153\n"
                                "2.20 drag controls 100 124 105 124 0.2\n"
                                "2.50 click controls 360 95\n"
                                "2.55 key End\n"
                                "2.60 key Return\n"
                                "2.70 click controls 134 314\n"
                                "2.75 key End\n"
                                "2.80 key Return\n"
                                "2.90 click controls 264 339\n"
                                "2.95 key End\n"
                                "3.00 key Return\n"
                                "3.10 click controls 392 364\n"
                                "3.15 key End\n"
                                "3.20 key Return\n"
                                "3.30 click controls 110 411\n"
                                "3.35 key Down\n"
                                "3.40 key Return\n"
                                "3.60 key Escape\n";
    ASSERT_EQ(Run(kScript), 0);
    StyleRecord myStyle;
    ASSERT_TRUE(ReadSession(mRoot / "home", myStyle));
    EXPECT_EQ(myStyle.mBeatCounter[kChannelColor], 0);
    EXPECT_EQ(myStyle.mBrushColor, 1);
    EXPECT_EQ(myStyle.mFillColor, 120);
    EXPECT_EQ(myStyle.mBeatCounter[kChannelFill], 64);
    EXPECT_EQ(myStyle.mThreshold[kChannelBrush], 190 - (kLayoutAnchors[4][0] + 4));
    EXPECT_EQ(myStyle.mSensitivity, 1);
    EXPECT_EQ(myStyle.mFlags & kFlagTrails, 0);
    EXPECT_NE(myStyle.mFlags & kFlagVolume, 0);
    EXPECT_EQ(myStyle.mColorKick, 100) << "+50, kept 50 up";
    const uint16_t myTempo = StyleGetTempo(myStyle);
    EXPECT_EQ(myTempo % 200, 0);
    EXPECT_GT(myTempo, 10000);
    EXPECT_LT(myTempo, 14000);
    EXPECT_TRUE(InLibrary("Gradients", myStyle.mGradNames[1], ".gra")) << myStyle.mGradNames[1];
    EXPECT_TRUE(InLibrary("Fills", myStyle.mFillNames[2], ".fil")) << myStyle.mFillNames[2];
    EXPECT_TRUE(InLibrary("Brushes", myStyle.mBrushNames[3], ".bru")) << myStyle.mBrushNames[3];
    EXPECT_TRUE(InLibrary("Movements", myStyle.mMoveNames[4], ".mvm")) << myStyle.mMoveNames[4];
    EXPECT_EQ(myStyle.mTrigger[kChannelFill], kTriggerFixed) << "it was \"file\"";
}

// The same by a person's hand on a real window: a slider dragged with the mouse is in the session saved.
TEST_F(MouseSession, ASliderDraggedOnTheDesktopIsKeptInTheSession) {
    if (!TestHaveProgram("xvfb-run") || !TestHaveProgram("xdotool"))
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    fs::rename(mRoot / "home", mRoot / "orbex");
    const std::string myCommand = "bash '" ORBEX_SOURCE_DIR "/tests/program/live_slider.sh' '" +
                                  mRoot.string() + "' '" ORBEX_BIN_DIR "/orbex'";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    ASSERT_EQ(TestReadText(mRoot / "code.txt"), "0\n") << TestReadText(mRoot / "orbex.log");
    StyleRecord myStyle;
    ASSERT_TRUE(ReadSession(mRoot / "orbex", myStyle));
    // Let go at x 150 of a track from 42 to 169: well past the middle, in steps of 2.00.
    const uint16_t myTempo = StyleGetTempo(myStyle);
    EXPECT_NE(myTempo, 12000) << "the tempo the session started with";
    EXPECT_EQ(myTempo % 200, 0);
    EXPECT_GT(myTempo, 18000);
    EXPECT_LT(myTempo, 22000);
}
