// Orbex on a desktop beside media players (fakes on a private session bus, run as programs of their own): a
// rave recorded by keys on a player's song and saved, then replayed through the player's pauses and seeks
// with its beats at their song times; players that come, go and are killed mid-song.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../players/private_bus.h"
#include "core/style_record.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "storage/format_sets.h"
#include "test_files.h"
#include "test_library.h"
#include "tests/platform/wav_writer.h"

namespace fs = std::filesystem;

namespace {
constexpr double kFrame = 1.0 / 30;
const char* const kNight1 = "Opening|Night Drive|The Fakes|1|40";
const char* const kNight2 = "Second Wind|Night Drive|The Fakes|2|40";
const char* const kLoose = "Demo Take||Garage Band|0|40";

struct Record {
    double mTime;
    bool mBeat;
};

class PlayerProgramTest : public ::testing::Test {
  protected:
    fs::path mRoot;
    PrivateBus mBus;
    std::string mDisc; // the album's folder in "Raves"
    StyleRecord mStyle;

    void SetUp() override {
        if (!TestHaveProgram("xvfb-run") || !TestHaveProgram("dbus-daemon"))
            GTEST_SKIP() << "needs xvfb-run and dbus-daemon";
        mRoot = fs::temp_directory_path() / ("orbex-players-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(mRoot);
        fs::create_directories(mRoot / "runtime");
        fs::permissions(mRoot / "runtime", fs::perms::owner_all);
        ASSERT_TRUE(TestWriteLibrary(mRoot / "home", 12000, &mStyle));
        ASSERT_TRUE(mBus.Start());
        char myCode[5];
        MusicCodeText(MusicPlayerCodeNum("The Fakes", "Night Drive"), myCode);
        mDisc = std::string("Night_Drive") + myCode;
    }
    void TearDown() override {
        mBus.Stop();
        if (!mRoot.empty()) fs::remove_all(mRoot);
    }

    // The album's RaveSet with its first track attached to a rave that has recorded nothing yet: "=" then
    // saves what the keys record on it (as for a disc, until raves can be attached from the controls).
    void AttachEmptyRave() {
        const fs::path myFolder = mRoot / "home" / "Raves" / mDisc;
        fs::create_directories(myFolder);
        std::snprintf(gCDDirectory, sizeof(gCDDirectory), "%s", mDisc.c_str());
        std::memcpy(gCDCode, mDisc.c_str() + mDisc.size() - 4, 4);
        gTrackTotal = kTracksMax;
        gCDSet[0].mAttach = 1;
        std::strcpy(gCDSet[0].mName, "Opening");
        std::memcpy(&gStyleStart, &mStyle, sizeof(StyleRecord));
        ExecuteResetEdits();
        TestWriteBytes(myFolder / "Opening.R01", FileRaveBytes());
        TestWriteBytes(myFolder / "Night_Drive.cds", FileCDBytes());
        ExecuteResetState();
        EditsResetState();
        StyleResetState();
        MusicResetState();
    }

    // Runs the players (name, options and script, then their tracks) and orbex with its key script under
    // a display of its own; true when orbex ended by itself with status 0.
    bool Session(const std::vector<std::string>& myPlayers, const std::string& myKeys,
                 const std::string& myRun) {
        const fs::path mySilence = mRoot / "silence.raw";
        std::ofstream(mySilence, std::ios::binary) << std::string(11025 * 30, static_cast<char>(128));
        std::ofstream(mRoot / (myRun + "-keys.txt")) << myKeys;
        std::ofstream mySession(mRoot / "session.sh");
        mySession << "export ORBEX_HOME='" << (mRoot / "home").string() << "' XDG_RUNTIME_DIR='"
                  << (mRoot / "runtime").string() << "' XDG_CONFIG_HOME='" << (mRoot / "config").string()
                  << "'\nexport SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null SDL_DISKAUDIOFILEIN='"
                  << mySilence.string() << "'\n";
        // A player given with "@SECONDS" at its end is killed then.
        for (std::string myPlayer : myPlayers) {
            const size_t myAt = myPlayer.rfind(" @");
            const std::string myKill = myAt == std::string::npos ? "" : myPlayer.substr(myAt + 2);
            if (!myKill.empty()) myPlayer.resize(myAt);
            mySession << "'" ORBEX_BIN_DIR "/orbex_fake_player' " << myPlayer << " >>'"
                      << (mRoot / (myRun + "-players.txt")).string() << "' 2>&1 &\n";
            if (!myKill.empty()) mySession << "(sleep " << myKill << "; kill -9 $!) &\n";
        }
        mySession << "'" ORBEX_BIN_DIR "/orbex' --window 640x480 --script '"
                  << (mRoot / (myRun + "-keys.txt")).string() << "' --beat-log '"
                  << (mRoot / (myRun + "-beats.txt")).string() << "' 2>'"
                  << (mRoot / (myRun + ".log")).string() << "'\necho $? >'"
                  << (mRoot / (myRun + "-code.txt")).string() << "'\nkill $(jobs -p) 2>/dev/null\nwait\n";
        mySession.close();
        const std::string myCommand = "timeout 120 xvfb-run -a -s '-screen 0 1024x768x24' bash '" +
                                      (mRoot / "session.sh").string() + "' >/dev/null 2>&1";
        std::system(myCommand.c_str());
        return TestReadText(mRoot / (myRun + "-code.txt")) == "0\n";
    }
    std::string Script(const std::string& myName, const std::string& myLines) {
        const fs::path myPath = mRoot / (myName + "-script.txt");
        std::ofstream(myPath) << myLines;
        return "'" + myPath.string() + "'";
    }
    std::vector<double> Beats(const std::string& myRun) {
        std::vector<double> myBeats;
        std::ifstream myLog(mRoot / (myRun + "-beats.txt"));
        for (double mySecond; myLog >> mySecond;)
            myBeats.push_back(mySecond);
        return myBeats;
    }
    std::vector<Record> RaveRecords() {
        std::ifstream myStream(mRoot / "home" / "Raves" / mDisc / "Opening.R01", std::ios::binary);
        const std::vector<uint8_t> myBytes((std::istreambuf_iterator<char>(myStream)),
                                           std::istreambuf_iterator<char>());
        std::vector<Record> myRecords;
        const size_t myFirst = kRaveFileHeader + sizeof(StyleRecord) - kStyleHeaderSize + 2;
        constexpr size_t kBytes = 4 + kEditKinds;
        for (size_t myAt = myFirst + kBytes; myAt + kBytes <= myBytes.size(); myAt += kBytes)
            myRecords.push_back({(myBytes[myAt] | myBytes[myAt + 1] << 8 | myBytes[myAt + 2] << 16) / 1000.0,
                                 static_cast<int8_t>(myBytes[myAt + 4]) == kRecordBeat});
        return myRecords;
    }
    std::string Logs(const std::string& myRun) {
        return TestReadText(mRoot / (myRun + ".log")) + TestReadText(mRoot / (myRun + "-players.txt"));
    }
};
} // namespace

TEST_F(PlayerProgramTest, ARaveRecordedOnAPlayersSongReplaysInSyncThroughPausesAndSeeks) {
    AttachEmptyRave();
    // Recorded: the player plays its first track; changes are keyed in; "=" saves the rave.
    ASSERT_TRUE(
        Session({"fake " + Script("record", "0.2 play\n14 end\n") + " '" + kNight1 + "' '" + kNight2 + "'"},
                "4 type 40\n4.1 key c\n5.5 type 90\n5.6 key d\n7 type 30\n7.1 key s\n8.5 key u\n"
                "10 key =\n11 key Escape\n",
                "record"))
        << Logs("record");
    const std::vector<Record> myRecords = RaveRecords();
    std::vector<double> myRecorded, myChanges;
    for (const Record& myRecord : myRecords)
        (myRecord.mBeat ? myRecorded : myChanges).push_back(myRecord.mTime);
    ASSERT_GE(myRecorded.size(), 10u) << Logs("record");
    ASSERT_GE(myChanges.size(), 3u) << "the keyed changes were recorded";

    // Replayed: the player starts again, pauses, plays on, seeks back and forward.
    ASSERT_TRUE(Session({"fake " +
                         Script("replay", "0.2 play\n4 pause\n5 play\n7 seek 2000\n10 seek 6000\n14 end\n") +
                         " '" + kNight1 + "' '" + kNight2 + "'"},
                        "13 key Escape\n", "replay"))
        << Logs("replay");
    // The beat log gives the song time each replayed beat was recorded at: every one is a recorded beat, and
    // they come in the stretches of the song the player played: 0 to 5.8 s (paused at 3.8 s, sought back at
    // 5.8 s), 2 to 5 s, then from 6 s until the run ends. A beat near a stretch's ends may fall either way.
    const std::vector<double> myBeats = Beats("replay");
    std::vector<double> myExpected;
    for (const auto& [myFrom, myTo] : {std::pair{0.0, 5.7}, std::pair{2.1, 4.9}, std::pair{6.1, 8.5}})
        for (double myTime : myRecorded)
            if (myTime > myFrom && myTime < myTo) myExpected.push_back(myTime);
    size_t myFound = 0;
    for (double myBeat : myBeats) {
        const bool myRecordedBeat = std::any_of(myRecorded.begin(), myRecorded.end(), [&](double myTime) {
            return std::abs(myTime - myBeat) < kFrame;
        });
        if (myBeat < myRecorded.back() + kFrame) {
            EXPECT_TRUE(myRecordedBeat) << myBeat << " was not recorded";
        }
        if (myFound < myExpected.size() && std::abs(myBeat - myExpected[myFound]) < kFrame) ++myFound;
    }
    EXPECT_EQ(myFound, myExpected.size()) << "replayed:\n"
                                          << TestReadText(mRoot / "replay-beats.txt") << "recorded:\n"
                                          << TestReadText(mRoot / "record-beats.txt");
}

TEST_F(PlayerProgramTest, PlayersComeGoAndAreKilledWithoutHoldingOrbexUp) {
    // One player without Position plays; another starts later and is followed; it stops, and the first is
    // followed again; then the first is killed mid-song and the silent clock plays on until the end.
    ASSERT_TRUE(
        Session({"fake --no-position " + Script("first", "0.2 play\n60 end\n") + " '" + kNight1 + "' @10",
                 "other " + Script("other", "4.2 play\n7.2 stop\n9 end\n") + " '" + kLoose + "'"},
                "13 key Escape\n", "players"))
        << "orbex ended by itself" << Logs("players");
    char myCode[5];
    MusicCodeText(MusicPlayerCodeNum("Garage Band", ""), myCode);
    EXPECT_TRUE(
        fs::exists(mRoot / "home" / "Raves" / (std::string("Garage_Band") + myCode) / "Garage_Band.cds"))
        << "the second player's album was a disc";
    const std::vector<double> myBeats = Beats("players");
    ASSERT_FALSE(myBeats.empty());
    // The first player followed again from where it plays, without Position: song times near 7 to 10 s.
    const auto myLate =
        std::find_if(myBeats.begin(), myBeats.end(), [](double myBeat) { return myBeat > 8.0; });
    ASSERT_NE(myLate, myBeats.end()) << TestReadText(mRoot / "players-beats.txt");
    // Killed: the silent clock's track starts and beats on to the end of the run.
    const auto myAfter = std::count_if(myLate, myBeats.end(), [](double myBeat) { return myBeat < 3.0; });
    EXPECT_GE(myAfter, 4) << TestReadText(mRoot / "players-beats.txt");
}

TEST_F(PlayerProgramTest, TheSongClockIsThePositionOfTheMusicHeard) {
    if (!TestHaveProgram("pulseaudio") || !TestHaveProgram("paplay") || !TestHaveProgram("pactl"))
        GTEST_SKIP() << "needs pulseaudio, paplay and pactl";
    // A song of bass thumps every half second, played into a sound server of the test's own while the
    // player says it plays it; Orbex, with nothing chosen, listens to the server's monitor and follows the
    // player, so the beats it hears fall on the song's half seconds.
    constexpr int kRate = 44100;
    std::vector<double> mySignal(static_cast<size_t>(30 * kRate));
    for (size_t myFrame = 0; myFrame < mySignal.size(); ++myFrame) {
        const double myTime = std::fmod(double(myFrame) / kRate, 0.5);
        if (myTime < 0.1)
            mySignal[myFrame] = (std::fmod(myTime * 72.0, 1.0) < 0.5 ? 0.75 : -0.75) * (1 - myTime / 0.1);
    }
    WavWrite(mRoot / "thumps.wav", kRate, 2, 16, mySignal);
    std::ofstream(mRoot / "player.txt") << "0.3 play\n30 end\n";
    std::ofstream(mRoot / "keys.txt") << "0.5 key l\n"; // listening on
    const std::string myRoot = mRoot.string();
    std::ofstream(mRoot / "sound.sh")
        << "export XDG_RUNTIME_DIR='" << myRoot << "/runtime' HOME='" << myRoot << "/home' XDG_CONFIG_HOME='"
        << myRoot << "/config' ORBEX_HOME='" << myRoot << "/home'\nunset PULSE_SERVER SDL_AUDIODRIVER\n"
        << "pulseaudio -n --daemonize=no --exit-idle-time=-1 -L 'module-null-sink sink_name=orbex_test' "
        << "-L module-native-protocol-unix 2>'" << myRoot << "/pulse.log' & pulse=$!\n"
        << "for i in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done\n"
        << "'" ORBEX_BIN_DIR "/orbex' --window 640x480 --script '" << myRoot << "/keys.txt' --beat-log '"
        << myRoot << "/sound-beats.txt' 2>'" << myRoot
        << "/orbex.log' & orbex=$!\nsleep 1\n'" ORBEX_BIN_DIR "/orbex_fake_player' fake '" << myRoot
        << "/player.txt' 'Thumps|Test Album|Tester|1|30' & player=$!\nsleep 0.3\npaplay '" << myRoot
        << "/thumps.wav' & paplay=$!\nsleep 16\nkill $orbex; wait $orbex; echo $? >'" << myRoot
        << "/code.txt'\nkill $paplay $player $pulse; wait\n";
    std::system(
        ("timeout 90 xvfb-run -a -s '-screen 0 1024x768x24' bash '" + myRoot + "/sound.sh' >/dev/null 2>&1")
            .c_str());
    EXPECT_EQ(TestReadText(mRoot / "code.txt"), "0\n") << TestReadText(mRoot / "orbex.log");
    char myCode[5];
    MusicCodeText(MusicPlayerCodeNum("Tester", "Test Album"), myCode);
    EXPECT_TRUE(fs::exists(mRoot / "home" / "Raves" / (std::string("Test_Album") + myCode)))
        << "the player's album was the disc";
    std::vector<double> myBeats;
    for (double myBeat : Beats("sound"))
        if (myBeat > 4.0) myBeats.push_back(myBeat); // once the sound search has settled
    ASSERT_GE(myBeats.size(), 12u) << TestReadText(mRoot / "sound-beats.txt")
                                   << TestReadText(mRoot / "orbex.log");
    double myWorst = 0;
    for (double myBeat : myBeats)
        myWorst = std::max(myWorst, std::abs(myBeat - std::round(myBeat * 2) / 2));
    std::printf("[ sync    ] heard beats at most %.0f ms off the song's half seconds\n", myWorst * 1000);
    EXPECT_LT(myWorst, 0.1) << TestReadText(mRoot / "sound-beats.txt");
}
