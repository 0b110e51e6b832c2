// The real SDL2 window on an X server of the test's own (Xvfb): full screen at the desktop's size, Escape
// quits.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "shell/preferences.h"
#include "test_files.h"
#include "test_library.h"

namespace fs = std::filesystem;

namespace {
// The session's surroundings, as export lines for its script: its own folders, and SDL's disk driver for the
// sound card Xvfb lacks, its capture device reading a steady hum. The preferences choose that device, so the
// first start's search for sound hears it at once: a silent source, or the silent CD line that a new user
// with no microphone starts on, would end the search in an alert after a few seconds, and the alert takes
// the keyboard from a slow session's keys. The hum alternates every sample, far above any listening
// frequency, so it makes no beats.
std::string WindowSessionEnvironment(const fs::path& myRoot) {
    fs::create_directories(myRoot / "runtime");
    fs::create_directories(myRoot / "home" / "config");
    std::string myHum(11025 * 120, static_cast<char>(118));
    for (size_t i = 1; i < myHum.size(); i += 2)
        myHum[i] = static_cast<char>(138);
    std::ofstream(myRoot / "hum.raw", std::ios::binary) << myHum;
    uint8_t myPrefs[kPrefsSize] = {};
    myPrefs[kPrefsVersion] = kPrefsLayout;
    myPrefs[kPrefsSource] = myPrefs[kPrefsCDSource] = 1; // after the CD line, the one capture device
    std::ofstream(myRoot / "home" / "config" / kPrefsFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(myPrefs), kPrefsSize);
    return "export ORBEX_HOME='" + (myRoot / "home").string() + "' XDG_RUNTIME_DIR='" +
           (myRoot / "runtime").string() +
           "'\nexport SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null SDL_DISKAUDIOFILEIN='" +
           (myRoot / "hum.raw").string() + "'\n";
}
} // namespace

TEST(RealWindow, FullScreenOnTheDesktopAndEscapeQuits) {
    if (!TestHaveProgram("xvfb-run") || !TestHaveProgram("xdotool"))
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    const fs::path myRoot = fs::temp_directory_path() / ("orbex-window-" + std::to_string(::getpid()));
    fs::remove_all(myRoot);
    // A session whose slots are all empty: no component is missing, so no alert takes the keyboard.
    fs::create_directories(myRoot / "home" / "Styles");
    StyleRecord myStyle;
    TestEmptyStyle(myStyle);
    std::ofstream(myRoot / "home" / "Styles" / "Last_Session.sty", std::ios::binary)
        .write(reinterpret_cast<const char*>(&myStyle), sizeof(myStyle));
    const std::string myEnvironment = WindowSessionEnvironment(myRoot);
    const fs::path myScript = myRoot / "session.sh";
    std::ofstream(myScript)
        << myEnvironment << "'" << ORBEX_BIN_DIR << "/orbex' --verbose 2>'" << (myRoot / "orbex.log").string()
        << "' & PID=$!\n"
        // Until the window shows and Orbex has said how it presents: a slow start (the sanitizers, a busy
        // machine) would otherwise let Escape reach no window.
        << "for i in $(seq 1 300); do\n"
        << "  W=$(xdotool search --onlyvisible --name 'Orbex Animation' 2>/dev/null | head -n 1)\n"
        << "  [ -n \"$W\" ] && grep -q 'are presented' '" << (myRoot / "orbex.log").string()
        << "' && break; sleep 0.1\n"
        << "done\n"
        << "sleep 0.5\n"
        << "xdotool getwindowgeometry \"$W\" > '" << (myRoot / "geometry.txt").string() << "'\n"
        << "xdotool windowfocus --sync \"$W\" 2>/dev/null; xdotool key Escape\n"
        << "wait $PID; echo $? > '" << (myRoot / "code.txt").string() << "'\n";
    const std::string myCommand =
        "timeout 60 xvfb-run -a -s '-screen 0 800x600x24' bash '" + myScript.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(myCommand.c_str()), 0) << TestReadText(myRoot / "orbex.log");
    EXPECT_NE(TestReadText(myRoot / "geometry.txt").find("800x600"), std::string::npos)
        << TestReadText(myRoot / "geometry.txt");
    EXPECT_EQ(TestReadText(myRoot / "code.txt"), "0\n")
        << "Escape leads through the farewell to a clean exit";
    fs::remove_all(myRoot);
}

// The controls over the picture in a window: a click expands them, keys typed into them change the look, a
// cue waits for Enter, a gradient loads by its first letters, and Escape's quit keeps it all in the session.
TEST(RealWindow, TheControlsTakeClicksAndKeysAndTheSessionKeepsThem) {
    if (!TestHaveProgram("xvfb-run") || !TestHaveProgram("xdotool"))
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    const fs::path myRoot =
        fs::temp_directory_path() / ("orbex-controls-window-" + std::to_string(::getpid()));
    fs::remove_all(myRoot);
    const std::string myEnvironment = WindowSessionEnvironment(myRoot);
    const fs::path myScript = myRoot / "session.sh";
    std::ofstream(myScript)
        << myEnvironment << "'" << ORBEX_BIN_DIR << "/orbex' --window 1024x768 & PID=$!\n"
        << "for i in $(seq 1 100); do\n"
        << "  C=$(xdotool search --onlyvisible --name 'Orbex Controls' 2>/dev/null | head -n 1)\n"
        << "  [ -n \"$C\" ] && break; sleep 0.1\n"
        << "done\n"
        << "sleep 1\n"
        << "xdotool mousemove --window \"$C\" 180 10 click 1; sleep 0.5\n"
        << "xdotool getwindowgeometry \"$C\" > '" << (myRoot / "geometry.txt").string() << "'\n"
        << "xdotool windowfocus --sync \"$C\"\n"
        << "xdotool type --delay 40 '12c60r96t3G'; sleep 0.3\n"
        << "xdotool key Return; sleep 0.3\n"
        << "xdotool key ctrl+2; xdotool type --delay 40 dro; xdotool key ctrl+3; sleep 0.5\n"
        << "xdotool key Escape\n"
        << "wait $PID; echo $? > '" << (myRoot / "code.txt").string() << "'\n";
    const std::string myCommand =
        "timeout 60 xvfb-run -a -s '-screen 0 1280x1024x24' bash '" + myScript.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_EQ(TestReadText(myRoot / "code.txt"), "0\n");
    EXPECT_NE(TestReadText(myRoot / "geometry.txt").find("404x441"), std::string::npos)
        << "expanded: " << TestReadText(myRoot / "geometry.txt");
    std::ifstream myFile(myRoot / "home" / "Styles" / "Last_Session.sty", std::ios::binary);
    std::vector<uint8_t> myStyle((std::istreambuf_iterator<char>(myFile)), std::istreambuf_iterator<char>());
    ASSERT_EQ(myStyle.size(), 1006u);
    const auto* myRecord = reinterpret_cast<const StyleRecord*>(myStyle.data());
    EXPECT_EQ(myRecord->mBrushColor, 12);
    EXPECT_EQ(myRecord->mColorSpeed, 120);
    EXPECT_EQ(StyleGetTempo(*myRecord), 9600);
    EXPECT_EQ(myRecord->mCurrentGrad, 3) << "the cued gradient, applied by Enter";
    EXPECT_STREQ(myRecord->mGradNames[2], "Dropout5");
    fs::remove_all(myRoot);
}

// A desktop of 1920 x 1080 magnifies the controls twice; a click lands where it is seen, and --ui-scale sets
// the factor by hand.
TEST(RealWindow, OnALargeScreenTheControlsAreMagnifiedAndClicksMappedBack) {
    if (!TestHaveProgram("xvfb-run") || !TestHaveProgram("xdotool"))
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    const fs::path myRoot = fs::temp_directory_path() / ("orbex-scale-window-" + std::to_string(::getpid()));
    fs::remove_all(myRoot);
    const std::string myEnvironment = WindowSessionEnvironment(myRoot);
    const fs::path myScript = myRoot / "session.sh";
    auto myRun = [&](const std::string& myOptions, const std::string& myOut, bool myClick) {
        return std::string("'") + ORBEX_BIN_DIR + "/orbex' --window 800x600 " + myOptions + " & PID=$!\n" +
               "for i in $(seq 1 100); do\n"
               "  C=$(xdotool search --onlyvisible --name 'Orbex Controls' 2>/dev/null | head -n 1)\n"
               "  [ -n \"$C\" ] && break; sleep 0.1\n"
               "done\n"
               "sleep 1\n"
               "xdotool getwindowgeometry \"$C\" > '" +
               (myRoot / (myOut + "-collapsed.txt")).string() + "'\n" +
               (myClick ? "xdotool mousemove --window \"$C\" 360 20 click 1; sleep 0.5\n"
                          "xdotool getwindowgeometry \"$C\" > '" +
                              (myRoot / (myOut + "-clicked.txt")).string() + "'\n"
                        : std::string()) +
               "xdotool windowfocus --sync \"$C\"; xdotool key Escape; wait $PID\n";
    };
    std::ofstream(myScript) << myEnvironment << myRun("", "double", true)
                            << myRun("--ui-scale 1", "single", false);
    const std::string myCommand =
        "timeout 90 xvfb-run -a -s '-screen 0 1920x1080x24' bash '" + myScript.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_NE(TestReadText(myRoot / "double-collapsed.txt").find("426x292"), std::string::npos)
        << TestReadText(myRoot / "double-collapsed.txt");
    EXPECT_NE(TestReadText(myRoot / "double-clicked.txt").find("808x882"), std::string::npos)
        << "the click at (360, 20) is the expand button's (180, 10): "
        << TestReadText(myRoot / "double-clicked.txt");
    EXPECT_NE(TestReadText(myRoot / "single-collapsed.txt").find("213x146"), std::string::npos)
        << TestReadText(myRoot / "single-collapsed.txt");
    fs::remove_all(myRoot);
}

// A stop signal ends the program while an alert waits for its OK (no sound card: the sound input cannot be
// opened), as it does without one: the session is saved, the alert's text reaches standard error and the
// program leaves cleanly.
TEST(RealWindow, AStopSignalEndsTheProgramThroughAnOpenAlert) {
    if (!TestHaveProgram("xvfb-run") || !TestHaveProgram("xdotool"))
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    const fs::path myRoot = fs::temp_directory_path() / ("orbex-signal-window-" + std::to_string(::getpid()));
    fs::remove_all(myRoot);
    fs::create_directories(myRoot / "runtime");
    const fs::path myScript = myRoot / "session.sh";
    // Job control keeps SIGINT at its default for the program started in the background.
    std::ofstream(myScript) << "set -m\n"
                            << "export XDG_RUNTIME_DIR='" << (myRoot / "runtime").string() << "'\n"
                            << "export SDL_AUDIODRIVER=none\n"
                            << "for SIGNAL in TERM INT; do\n"
                            << "  ORBEX_HOME='" << myRoot.string() << "/home-'$SIGNAL '" << ORBEX_BIN_DIR
                            << "/orbex' --window 800x600 2>'" << myRoot.string()
                            << "/stderr-'$SIGNAL & PID=$!\n"
                            << "  for i in $(seq 1 100); do\n"
                            << "    xdotool search --onlyvisible --name '^Alert$' >/dev/null 2>&1 && break\n"
                            << "    sleep 0.1\n"
                            << "  done\n"
                            << "  sleep 0.5\n"
                            << "  kill -$SIGNAL $PID\n"
                            << "  ( sleep 15; kill -KILL $PID ) 2>/dev/null & WATCH=$!\n"
                            << "  wait $PID; echo $SIGNAL $? >> '" << (myRoot / "code.txt").string() << "'\n"
                            << "  kill $WATCH 2>/dev/null || true\n"
                            << "done\n";
    const std::string myCommand =
        "timeout 90 xvfb-run -a -s '-screen 0 800x600x24' bash '" + myScript.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_EQ(TestReadText(myRoot / "code.txt"), "TERM 0\nINT 0\n") << "ended cleanly, not killed";
    for (const char* mySignal : {"TERM", "INT"}) {
        const std::string myHome = std::string("home-") + mySignal;
        EXPECT_TRUE(fs::exists(myRoot / myHome / "Styles" / "Last_Session.sty")) << mySignal;
        EXPECT_NE(
            TestReadText(myRoot / (std::string("stderr-") + mySignal)).find("Unable to open sound input"),
            std::string::npos)
            << mySignal;
    }
    fs::remove_all(myRoot);
}
