// The whole rave: a music folder of generated tracks plays with a real library, changes are made at known
// song times, the rave is saved, and the track played again replays the changes at their times; the rave
// file reads back byte for byte; and two runs of the program, which start the track with its rave, replay
// its beats at their times and give the same frames.
#include <sys/wait.h>

#include <cstdlib>
#include <functional>
#include <sstream>

#include "../music/music_fixture.h"
#include "controls/file_popup.h"
#include "core/random.h"
#include "engine/style_apply.h"
#include "platform/palette.h"
#include "storage/style.h"
#include "test_library.h"

namespace {
struct Change {
    uint32_t mTime;
    int mKind;
    int mValue;
};

constexpr uint32_t kFrameStep = 33; // one frame at 30 frames a second
constexpr Change kChanges[] = {{1250, kEditBrushColor, 40},
                               {2750, kEditSpread, 90},
                               {3750, kEditBrushSpeed, 30},
                               {4250, kEditColorSpeed, 52}};

int StyleValue(int myKind) {
    return reinterpret_cast<const int8_t*>(&gStyle)[ExecuteStyleOffset(myKind)];
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& myPath) {
    std::ifstream myStream(myPath, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(myStream), std::istreambuf_iterator<char>());
}
} // namespace

TEST_F(MusicTest, RaveOfAMusicFolderReplaysInSync) {
    ASSERT_TRUE(TestWriteLibrary(mRoot, 12000));
    gStateLastSession = 0;
    Insert(MusicFolder({6.0, 6.0}));
    ASSERT_EQ(gStateCD, 1);
    MainSeedRandom(7);
    MusicPlay(0, 1);
    ASSERT_STREQ(gStyle.mBrushNames[0], "Disc");
    auto myRunTo = [&](uint32_t mySongTime, const std::function<void(uint32_t)>& myEach) {
        while (AnimateGetElapsedTime() < mySongTime) {
            ClockAdvance(1);
            AnimateMain();
            if (myEach) myEach(AnimateGetElapsedTime());
        }
    };
    for (const Change& myChange : kChanges) {
        myRunTo(myChange.mTime, nullptr);
        ASSERT_NE(StyleValue(myChange.mKind), myChange.mValue);
        ExecuteEdits(static_cast<char>(myChange.mKind), static_cast<char>(myChange.mValue), myChange.mTime,
                     kModeExecute, {0, 1, 0});
    }
    myRunTo(5000, nullptr);
    gPopup = kPopupRave;
    std::strcpy(gEditableText, "Recorded Song");
    ASSERT_TRUE(FileSaveToDisk());
    const std::filesystem::path myFile = mRoot / "Raves" / gCDDirectory / "Recorded_Song.R01";
    std::ifstream myStream(myFile, std::ios::binary);
    const std::vector<uint8_t> myRave((std::istreambuf_iterator<char>(myStream)),
                                      std::istreambuf_iterator<char>());
    ASSERT_GT(myRave.size(), 1052u + 5 * 21) << "beats and changes were recorded";

    // Played again in this run: the changes come back at their song times, within one frame.
    MusicStop(0, 0);
    StyleLoad("Known", kStyleFromFile);
    MusicPlay(0, 0);
    ASSERT_EQ(gStateRaveOnDisk, 1);
    EXPECT_EQ(FileRaveBytes(), myRave) << "the rave reads back byte for byte";
    uint32_t mySeen[4] = {};
    myRunTo(5000, [&](uint32_t myNow) {
        for (int i = 0; i < 4; ++i)
            if (!mySeen[i] && StyleValue(kChanges[i].mKind) == kChanges[i].mValue) mySeen[i] = myNow;
    });
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(mySeen[i], kChanges[i].mTime) << "change " << i;
        EXPECT_LE(mySeen[i], kChanges[i].mTime + kFrameStep) << "change " << i;
    }
    // The beats the rave recorded, in seconds as the beat log writes them.
    std::vector<double> myRecorded;
    for (size_t myAt = 1052; myAt + 21 <= myRave.size(); myAt += 21)
        if (static_cast<int8_t>(myRave[myAt + 4]) == kRecordBeat)
            myRecorded.push_back((myRave[myAt] | myRave[myAt + 1] << 8 | myRave[myAt + 2] << 16) / 1000.0);
    ASSERT_GE(myRecorded.size(), 8u);

    // Two runs of the program play the folder: track 1 starts with its rave.
    const std::string myStyle = (mRoot / "Styles" / "Last_Session.sty").string();
    const std::vector<uint8_t> mySession = ReadAll(myStyle);
    std::filesystem::create_directories(mRoot / "runtime");
    std::vector<std::vector<uint8_t>> myFrames[2];
    for (int myRun = 0; myRun < 2; ++myRun) {
        TestWriteBytes(myStyle, mySession);
        const std::filesystem::path myOut = mRoot / ("frames" + std::to_string(myRun));
        const std::filesystem::path myLog = mRoot / ("beats" + std::to_string(myRun) + ".txt");
        const std::string myCommand =
            "env -u DISPLAY -u WAYLAND_DISPLAY ORBEX_HOME='" + mRoot.string() + "' XDG_RUNTIME_DIR='" +
            (mRoot / "runtime").string() + "' '" + ORBEX_BIN_DIR + "/orbex' --headless --disc '" +
            (mRoot / "music").string() + "' --frames 150 --fps 30 --size 160x120 --out '" + myOut.string() +
            "' --beat-log '" + myLog.string() + "' >/dev/null 2>&1";
        const int myStatus = std::system(myCommand.c_str());
        ASSERT_TRUE(WIFEXITED(myStatus) && WEXITSTATUS(myStatus) == 0) << myCommand;
        for (int f = 0; f < 150; ++f) {
            char myName[32];
            std::snprintf(myName, sizeof(myName), "frame-%06d.png", f);
            myFrames[myRun].push_back(ReadAll(myOut / myName));
            ASSERT_FALSE(myFrames[myRun].back().empty()) << myName;
        }
        std::ifstream myBeats(myLog);
        std::vector<double> myHeard;
        for (double mySecond; myBeats >> mySecond;)
            myHeard.push_back(mySecond);
        // The run plays five seconds: every beat the rave recorded before then comes back at its time.
        size_t myCompared = 0;
        for (size_t i = 0; i < myRecorded.size() && myRecorded[i] < 4.9; ++i, ++myCompared) {
            ASSERT_LT(i, myHeard.size());
            EXPECT_NEAR(myHeard[i], myRecorded[i], kFrameStep / 1000.0) << "beat " << i;
        }
        EXPECT_GE(myCompared, 8u);
    }
    EXPECT_TRUE(myFrames[0] == myFrames[1]) << "two replays give the same frames";
    EXPECT_NE(myFrames[0].front(), myFrames[0].back()) << "the picture moves";
}
