// The whole program listening headless to a sound file: beats fall on the clicks of a click track.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "click_track.h"
#include "program_run.h"

namespace fs = std::filesystem;

namespace {
class ListeningProgram : public ProgramRunTest {};
} // namespace

TEST_F(ListeningProgram, BeatsFallOnTheClicksOfAClickTrack) {
    ASSERT_EQ(Run("--help"), 0);
    if (Output().find("--beat-log") == std::string::npos)
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
    ASSERT_EQ(myBeats.size(), 12u) << TestReadText(myLog);
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
