// Orbex on a desktop: the first picture in the style's colours, the music a player plays heard through the
// sound server's monitor, and the screen the animation fills.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "png_reader.h"
#include "test_files.h"
#include "test_library.h"
#include "tests/platform/wav_writer.h"

namespace fs = std::filesystem;

namespace {
class DesktopTest : public ::testing::Test {
  protected:
    fs::path mRoot;
    void SetUp() override {
        mRoot = fs::temp_directory_path() / ("orbex-desktop-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(mRoot);
        fs::create_directories(mRoot);
    }
    void TearDown() override { fs::remove_all(mRoot); }
};

constexpr double kClickPeriod = 0.5;

// Bass thumps (a decaying 72 Hz square, 100 ms) every half second, as a player would play them.
void WriteClickTrack(const fs::path& myPath, double mySeconds) {
    constexpr int kRate = 44100;
    std::vector<double> mySignal(static_cast<size_t>(mySeconds * kRate));
    for (size_t myFrame = 0; myFrame < mySignal.size(); ++myFrame) {
        const double myTime = std::fmod(double(myFrame) / kRate, kClickPeriod);
        if (myTime >= 0.1) continue;
        const double mySign = std::fmod(myTime * 72.0, 1.0) < 0.5 ? 1.0 : -1.0;
        mySignal[myFrame] = mySign * 0.75 * (1.0 - myTime / 0.1);
    }
    WavWrite(myPath, kRate, 2, 16, mySignal);
}
} // namespace

TEST_F(DesktopTest, TheFirstPictureShowsTheStylesColoursWhenTheyStandStill) {
    StyleRecord myStyle;
    ASSERT_TRUE(TestWriteLibrary(mRoot / "home", 12000, &myStyle));
    // Colours that do not cycle, and beats that do not kick them: only the paint shows them.
    myStyle.mColorSpeed = 60;
    myStyle.mColorKick = 50;
    TestWriteBytes(mRoot / "home" / "Styles" / "Still.sty",
                   std::vector<uint8_t>(reinterpret_cast<uint8_t*>(&myStyle),
                                        reinterpret_cast<uint8_t*>(&myStyle) + kStyleSize));
    const std::string myCommand = "ORBEX_HOME='" + (mRoot / "home").string() + "' XDG_RUNTIME_DIR='" +
                                  mRoot.string() + "' '" ORBEX_BIN_DIR "/orbex' --headless --style Still " +
                                  "--frames 3 --fps 2 --out '" + (mRoot / "frames").string() +
                                  "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    Picture myFrame;
    ASSERT_TRUE(ReadPng(mRoot / "frames" / "frame-000002.png", myFrame));
    ASSERT_EQ(myFrame.mPalette.size(), 256u);
    // The fill covers the picture in the fill range's colours: they must not all be black.
    size_t myLit = 0;
    for (uint8_t myIndex : myFrame.mPixels) {
        const png_color& myColor = myFrame.mPalette[myIndex];
        if (myIndex >= 21 && myIndex <= 200 && myColor.red + myColor.green + myColor.blue > 0) ++myLit;
    }
    EXPECT_GT(myLit, myFrame.mPixels.size() / 4);
}

TEST_F(DesktopTest, MusicPlayingOnTheDesktopIsHeardWithNothingChosen) {
    if (!TestHaveProgram("xvfb-run") || !TestHaveProgram("xdotool") || !TestHaveProgram("pulseaudio") ||
        !TestHaveProgram("paplay") || !TestHaveProgram("pactl"))
        GTEST_SKIP() << "needs xvfb-run, xdotool, pulseaudio, paplay and pactl";
    WriteClickTrack(mRoot / "clicks.wav", 60);
    const std::string myCommand = "bash '" ORBEX_SOURCE_DIR "/tests/program/live_desktop.sh' '" +
                                  mRoot.string() + "' '" ORBEX_BIN_DIR "/orbex' 30";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_EQ(TestReadText(mRoot / "code.txt"), "0\n")
        << TestReadText(mRoot / "orbex.log") << TestReadText(mRoot / "pulse.log");
    std::vector<double> myBeats;
    std::ifstream myLog(mRoot / "beats.txt");
    for (double myTime; myLog >> myTime;)
        if (myTime >= 8.0 && myTime < 28.0) myBeats.push_back(myTime);
    // Once the search has settled, a beat per click: 40 in these 20 seconds. A busy machine may let a click
    // pass now and then (the sanitizer build runs beside other tests), but no beat falls between clicks.
    ASSERT_GE(myBeats.size(), 30u) << TestReadText(mRoot / "beats.txt") << TestReadText(mRoot / "orbex.log");
    ASSERT_LE(myBeats.size(), 41u) << TestReadText(mRoot / "beats.txt");
    std::vector<double> myGaps;
    for (size_t myIndex = 1; myIndex < myBeats.size(); ++myIndex) {
        const double myGap = myBeats[myIndex] - myBeats[myIndex - 1];
        myGaps.push_back(myGap);
        const double myClicks = std::round(myGap / kClickPeriod);
        EXPECT_GE(myClicks, 1) << myBeats[myIndex];
        EXPECT_NEAR(myGap, myClicks * kClickPeriod, 0.1) << myBeats[myIndex];
    }
    std::sort(myGaps.begin(), myGaps.end());
    EXPECT_NEAR(myGaps[myGaps.size() / 2], kClickPeriod, 0.02) << TestReadText(mRoot / "beats.txt");
}

// Twenty seconds with nothing playing: no search ends in an alert, which would hold every click; then the
// music starts and the beats follow it at once.
TEST_F(DesktopTest, ASilentDesktopWaitsForMusicWithoutAnAlert) {
    if (!TestHaveProgram("xvfb-run") || !TestHaveProgram("xdotool") || !TestHaveProgram("pulseaudio") ||
        !TestHaveProgram("paplay") || !TestHaveProgram("pactl") || !TestHaveProgram("bc"))
        GTEST_SKIP() << "needs xvfb-run, xdotool, pulseaudio, paplay, pactl and bc";
    WriteClickTrack(mRoot / "clicks.wav", 10);
    const std::string myCommand = "bash '" ORBEX_SOURCE_DIR "/tests/program/live_desktop.sh' '" +
                                  mRoot.string() + "' '" ORBEX_BIN_DIR "/orbex' 2 20";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_EQ(TestReadText(mRoot / "code.txt"), "0\n")
        << TestReadText(mRoot / "orbex.log") << TestReadText(mRoot / "pulse.log");
    EXPECT_EQ(TestReadText(mRoot / "alert.txt"), "") << "no alert while nothing plays";
    EXPECT_EQ(TestReadText(mRoot / "quiet_beats.txt"), "0\n") << "silence gives no beats";
    const std::string myDelay = TestReadText(mRoot / "delay.txt");
    ASSERT_NE(myDelay, "none\n") << "no beat followed the music";
    EXPECT_LT(std::stod(myDelay), 2.0) << TestReadText(mRoot / "beats.txt");
}

TEST_F(DesktopTest, TheAnimationFillsTheScreenAskedForAndRemembersIt) {
    if (!TestHaveProgram("xvfb-run") || !TestHaveProgram("xdotool"))
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    // Two screens joined by Xinerama, told apart by their sizes.
    const fs::path mySilence = mRoot / "silence.raw";
    std::ofstream(mySilence, std::ios::binary) << std::string(11025, static_cast<char>(128));
    std::ofstream(mRoot / "session.sh")
        << "export ORBEX_HOME='" << (mRoot / "home").string() << "' XDG_RUNTIME_DIR='" << mRoot.string()
        << "' XDG_CONFIG_HOME='" << (mRoot / "config").string() << "'\n"
        << "export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null SDL_DISKAUDIOFILEIN='"
        << mySilence.string() << "'\n"
        << "for args in '--display 1' '' '--display 0'; do\n"
        << "  '" ORBEX_BIN_DIR "/orbex' $args & pid=$!\n"
        << "  for i in $(seq 1 100); do\n"
        << "    w=$(xdotool search --name 'Orbex Animation' 2>/dev/null | head -n 1)\n"
        << "    [ -n \"$w\" ] && break; sleep 0.1\n"
        << "  done\n"
        << "  sleep 0.5\n"
        << "  xdotool getwindowgeometry \"$w\" | grep Geometry >> '" << (mRoot / "geometry.txt").string()
        << "'\n"
        << "  kill $pid; wait $pid\n"
        << "done\n";
    const std::string myCommand = "timeout 90 xvfb-run -a -s '-screen 0 800x600x24 -screen 1 640x480x24 "
                                  "+xinerama' bash '" +
                                  (mRoot / "session.sh").string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_EQ(TestReadText(mRoot / "geometry.txt"),
              "  Geometry: 640x480\n  Geometry: 640x480\n  Geometry: 800x600\n")
        << "the second screen asked for, the same again without asking, then the first";
}
