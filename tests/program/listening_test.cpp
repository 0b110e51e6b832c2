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

namespace fs = std::filesystem;

namespace {
constexpr int kRate = 44100;
constexpr double kClickPeriod = 0.5; // 120 beats per minute

void PutLittle(std::ofstream& myFile, uint32_t myValue, int myBytes) {
    for (int myByte = 0; myByte < myBytes; ++myByte)
        myFile.put(static_cast<char>((myValue >> (8 * myByte)) & 0xFF));
}

// A 16-bit stereo WAV of bass thumps (a decaying 72 Hz square, 100 ms) every half second from time 0.
void WriteClickTrack(const fs::path& myPath, double mySeconds) {
    const uint32_t myFrames = static_cast<uint32_t>(mySeconds * kRate);
    std::ofstream myFile(myPath, std::ios::binary);
    myFile << "RIFF";
    PutLittle(myFile, 36 + myFrames * 4, 4);
    myFile << "WAVEfmt ";
    PutLittle(myFile, 16, 4);
    PutLittle(myFile, 1, 2);
    PutLittle(myFile, 2, 2);
    PutLittle(myFile, kRate, 4);
    PutLittle(myFile, kRate * 4, 4);
    PutLittle(myFile, 4, 2);
    PutLittle(myFile, 16, 2);
    myFile << "data";
    PutLittle(myFile, myFrames * 4, 4);
    for (uint32_t myFrame = 0; myFrame < myFrames; ++myFrame) {
        const double myTime = std::fmod(double(myFrame) / kRate, kClickPeriod);
        double myValue = 0;
        if (myTime < 0.1) {
            const double mySign = std::fmod(myTime * 72.0, 1.0) < 0.5 ? 1.0 : -1.0;
            myValue = mySign * 0.75 * (1.0 - myTime / 0.1);
        }
        const auto mySample = static_cast<int16_t>(std::lround(myValue * 32767));
        PutLittle(myFile, static_cast<uint16_t>(mySample), 2);
        PutLittle(myFile, static_cast<uint16_t>(mySample), 2);
    }
}

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
        const std::string myCommand = "env -u DISPLAY -u WAYLAND_DISPLAY ORBEX_HOME='" +
                                      (mRoot / "home").string() + "' XDG_RUNTIME_DIR='" +
                                      (mRoot / "runtime").string() + "' '" + ORBEX_BIN_DIR + "/orbex' " +
                                      myArguments + " >'" + (mRoot / "stdout.txt").string() + "' 2>'" +
                                      myErrorFile.string() + "'";
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
    WriteClickTrack(mRoot / "clicks.wav", 8);
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
        const double myClick = 1.0 + kClickPeriod * myIndex;
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
