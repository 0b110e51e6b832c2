// The whole program listening headless to a sound file: beats fall on the clicks of a click track.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "click_track.h"

namespace fs = std::filesystem;

namespace {
class ListeningProgram : public ::testing::Test {
  protected:
    fs::path mRoot;

    void SetUp() override {
        mRoot = fs::temp_directory_path() / ("orbex-listen-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(mRoot);
        fs::create_directories(mRoot / "home");
        fs::create_directories(mRoot / "runtime");
    }
    void TearDown() override { fs::remove_all(mRoot); }

    int Run(const std::string& myArguments, std::string* myErrors = nullptr) {
        const fs::path myErrorFile = mRoot / "stderr.txt";
        const std::string myCommand =
            "env -u DISPLAY -u WAYLAND_DISPLAY ORBEX_HOME='" + (mRoot / "home").string() +
            "' XDG_RUNTIME_DIR='" + (mRoot / "runtime").string() + "' '" + ORBEX_BIN_DIR + "/orbex' " +
            myArguments + " >'" + (mRoot / "stdout.txt").string() + "' 2>'" + myErrorFile.string() + "'";
        const int myStatus = std::system(myCommand.c_str());
        if (myErrors) *myErrors = Read(myErrorFile);
        return WIFEXITED(myStatus) ? WEXITSTATUS(myStatus) : -1;
    }

    static std::string Read(const fs::path& myPath) {
        std::ifstream myStream(myPath);
        std::stringstream myText;
        myText << myStream.rdbuf();
        return myText.str();
    }
};
} // namespace

TEST_F(ListeningProgram, BeatsFallOnTheClicksOfAClickTrack) {
    ASSERT_EQ(Run("--help"), 0);
    if (Read(mRoot / "stdout.txt").find("--beat-log") == std::string::npos)
        GTEST_SKIP() << "this orbex has no --beat-log to read the beats from";
    TestWriteClickTrack(mRoot / "clicks.wav", 8);
    const fs::path myLog = mRoot / "beats.txt";
    std::string myErrors;
    ASSERT_EQ(Run("--headless --frames 70 --fps 10 --audio '" + (mRoot / "clicks.wav").string() +
                      "' --beat-log '" + myLog.string() + "'",
                  &myErrors),
              0)
        << myErrors;
    std::ifstream myStream(myLog);
    std::vector<double> myBeats;
    double myTime;
    while (myStream >> myTime)
        if (myTime >= 1.0) myBeats.push_back(myTime);
    // Clicks at 1.0, 1.5, ... 6.5 s: each gives one beat soon after its onset, and nothing falls between.
    ASSERT_EQ(myBeats.size(), 12u) << Read(myLog);
    for (size_t myIndex = 0; myIndex < myBeats.size(); ++myIndex) {
        const double myClick = 1.0 + kTestClickPeriod * myIndex;
        EXPECT_GE(myBeats[myIndex], myClick) << myIndex;
        EXPECT_LE(myBeats[myIndex], myClick + 0.030) << myIndex;
    }
}

TEST_F(ListeningProgram, AnUnreadableSoundFileIsReportedAndNothingRuns) {
    std::ofstream(mRoot / "noise.wav") << "this is not a sound file";
    std::string myErrors;
    EXPECT_EQ(Run("--headless --frames 1 --audio '" + (mRoot / "noise.wav").string() + "'", &myErrors), 2);
    EXPECT_NE(myErrors.find("noise.wav"), std::string::npos) << myErrors;
    EXPECT_EQ(Run("--headless --frames 1 --audio '" + (mRoot / "missing.wav").string() + "'", &myErrors), 2);
    EXPECT_NE(myErrors.find("missing.wav"), std::string::npos) << myErrors;
    EXPECT_EQ(Run("--audio x.wav", &myErrors), 2);
    EXPECT_NE(myErrors.find("--headless"), std::string::npos) << myErrors;
    EXPECT_EQ(Run("--headless --audio", &myErrors), 2);
}
