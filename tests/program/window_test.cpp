// The real SDL2 window on an X server of the test's own (Xvfb): full screen at the desktop's size, Escape
// quits.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "test_library.h"

namespace fs = std::filesystem;

namespace {
bool Have(const char* myProgram) {
    return std::system((std::string("command -v ") + myProgram + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ReadAll(const fs::path& myPath) {
    std::ifstream myStream(myPath);
    std::stringstream myText;
    myText << myStream.rdbuf();
    return myText.str();
}
} // namespace

TEST(RealWindow, FullScreenOnTheDesktopAndEscapeQuits) {
    if (!Have("xvfb-run") || !Have("xdotool")) GTEST_SKIP() << "needs xvfb-run and xdotool";
    const fs::path myRoot = fs::temp_directory_path() / ("orbex-window-" + std::to_string(::getpid()));
    fs::remove_all(myRoot);
    fs::create_directories(myRoot / "runtime");
    // A session whose slots are all empty: no component is missing, so no alert takes the keyboard.
    fs::create_directories(myRoot / "home" / "Styles");
    StyleRecord myStyle;
    TestEmptyStyle(myStyle);
    std::ofstream(myRoot / "home" / "Styles" / "Last_Session.sty", std::ios::binary)
        .write(reinterpret_cast<const char*>(&myStyle), sizeof(myStyle));
    // Xvfb has no sound card: SDL's disk driver stands in, its capture device reading a file of silence,
    // so the missing sound input's alert does not take the keyboard either.
    const fs::path mySilence = myRoot / "silence.raw";
    std::ofstream(mySilence, std::ios::binary) << std::string(11025, static_cast<char>(128));
    const fs::path myScript = myRoot / "session.sh";
    std::ofstream(myScript) << "export ORBEX_HOME='" << (myRoot / "home").string() << "'\n"
                            << "export XDG_RUNTIME_DIR='" << (myRoot / "runtime").string() << "'\n"
                            << "export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null SDL_DISKAUDIOFILEIN='"
                            << mySilence.string() << "'\n"
                            << "'" << ORBEX_BIN_DIR << "/orbex' & PID=$!\n"
                            << "for i in $(seq 1 100); do\n"
                            << "  W=$(xdotool search --name 'Orbex Animation' 2>/dev/null | head -n 1)\n"
                            << "  [ -n \"$W\" ] && break; sleep 0.1\n"
                            << "done\n"
                            << "sleep 0.5\n"
                            << "xdotool getwindowgeometry \"$W\" > '" << (myRoot / "geometry.txt").string()
                            << "'\n"
                            << "xdotool windowactivate --sync \"$W\" 2>/dev/null; xdotool key Escape\n"
                            << "wait $PID; echo $? > '" << (myRoot / "code.txt").string() << "'\n";
    const std::string myCommand =
        "timeout 60 xvfb-run -a -s '-screen 0 800x600x24' bash '" + myScript.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_NE(ReadAll(myRoot / "geometry.txt").find("800x600"), std::string::npos)
        << ReadAll(myRoot / "geometry.txt");
    EXPECT_EQ(ReadAll(myRoot / "code.txt"), "0\n") << "Escape leads through the farewell to a clean exit";
    fs::remove_all(myRoot);
}
