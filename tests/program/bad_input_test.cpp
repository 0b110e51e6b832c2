// Bad input met as a user meets it, through the real program: a start that cannot do what was asked is
// refused with its reason before anything runs, nothing the user had is lost, nothing is left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "click_track.h"
#include "platform/lock.h"
#include "png_reader.h"
#include "program_run.h"
#include "tests/sanitized.h"

namespace fs = std::filesystem;

namespace {
std::vector<uint8_t> ReadBytes(const fs::path& myPath) {
    std::ifstream myStream(myPath, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(myStream), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& myPath, const std::vector<uint8_t>& myBytes) {
    std::ofstream(myPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(myBytes.data()), static_cast<std::streamsize>(myBytes.size()));
}

bool Contains(const std::string& myText, const std::string& myPart) {
    return myText.find(myPart) != std::string::npos;
}

class BadInputRun : public ProgramRunTest {
  protected:
    fs::path Home() const { return mRoot / "home"; }
    fs::path Work() const { return mRoot / "work"; }

    // A first run fills the program folder and leaves its session.
    void StartOnce() { ASSERT_EQ(Run("--headless --frames 2 --size 160x120"), 0); }

    // Starts orbex as a child of the test itself, so the test can signal it and read its own use of
    // memory; the arguments as given, in the work folder, its errors in stderr.txt.
    pid_t Spawn(const std::vector<std::string>& myArguments) {
        std::vector<std::string> myStrings = {std::string(ORBEX_BIN_DIR) + "/orbex"};
        myStrings.insert(myStrings.end(), myArguments.begin(), myArguments.end());
        // The test's own environment (a sanitizer's options among it), with the run's folders and no display.
        std::vector<std::string> myEnvironment = {"ORBEX_HOME=" + Home().string(),
                                                  "XDG_RUNTIME_DIR=" + (mRoot / "runtime").string()};
        for (char** myVariable = environ; *myVariable; ++myVariable) {
            const std::string myEntry = *myVariable;
            const std::string myName = myEntry.substr(0, myEntry.find('='));
            if (myName != "ORBEX_HOME" && myName != "XDG_RUNTIME_DIR" && myName != "DISPLAY" &&
                myName != "WAYLAND_DISPLAY")
                myEnvironment.push_back(myEntry);
        }
        std::vector<char*> myArgv, myEnvp;
        for (std::string& myString : myStrings)
            myArgv.push_back(myString.data());
        myArgv.push_back(nullptr);
        for (std::string& myString : myEnvironment)
            myEnvp.push_back(myString.data());
        myEnvp.push_back(nullptr);
        const std::string myWork = Work().string(), myErrors = (mRoot / "stderr.txt").string();
        const pid_t myChild = fork();
        if (myChild == 0) {
            const int myFile = open(myErrors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (myFile < 0 || dup2(myFile, STDERR_FILENO) < 0 || chdir(myWork.c_str()) != 0) _exit(127);
            // The test runner may have set these aside; the program meets them as a terminal would send them.
            signal(SIGINT, SIG_DFL);
            signal(SIGTERM, SIG_DFL);
            execve(myArgv[0], myArgv.data(), myEnvp.data());
            _exit(127);
        }
        return myChild;
    }

    // Waits (at most a minute) until myFolder holds an entry whose name begins with myStart.
    static bool AwaitEntry(const fs::path& myFolder, const std::string& myStart) {
        for (int myTry = 0; myTry < 600; ++myTry) {
            std::error_code myFault;
            for (const auto& myEntry : fs::directory_iterator(myFolder, myFault))
                if (myEntry.path().filename().string().rfind(myStart, 0) == 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }
};
} // namespace

// --- Lost or damaged work ---

TEST_F(BadInputRun, AStyleThatCannotBeLoadedIsRefusedAndTheLastSessionKept) {
    StartOnce();
    const fs::path myStyles = Home() / "Styles";
    const std::vector<uint8_t> myGood = ReadBytes(myStyles / "Last_Session.sty");
    ASSERT_EQ(myGood.size(), 1006u);
    std::vector<uint8_t> myNoise(1006);
    for (size_t i = 0; i < myNoise.size(); ++i)
        myNoise[i] = static_cast<uint8_t>(i * 97 + 13);
    const std::vector<std::vector<uint8_t>> myDamaged = {
        {}, std::vector<uint8_t>(myGood.begin(), myGood.begin() + 10), myNoise};
    std::string myErrors;
    for (const std::vector<uint8_t>& myBytes : myDamaged) {
        WriteBytes(myStyles / "Broken.sty", myBytes);
        EXPECT_EQ(Run("--headless --frames 2 --size 160x120 --style Broken --out frames", &myErrors), 2);
        EXPECT_TRUE(Contains(myErrors, (myStyles / "Broken.sty").string() + ": Not a valid style file!"))
            << myErrors;
        EXPECT_EQ(ReadBytes(myStyles / "Last_Session.sty"), myGood) << "the last session is kept";
        EXPECT_FALSE(fs::exists(Work() / "frames")) << "nothing ran";
    }
    // A typo is no reason to lose the last session either; the styles there are offered.
    EXPECT_EQ(Run("--headless --frames 2 --style Nope", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "orbex: no style Nope in Styles (there are Broken, ")) << myErrors;
    EXPECT_EQ(ReadBytes(myStyles / "Last_Session.sty"), myGood);
    EXPECT_EQ(Run("--headless --frames 2 --style ../x", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "a style's name cannot hold \"/\" or \"..\"")) << myErrors;
}

// --- Runs that fail silently or leave files behind ---

TEST_F(BadInputRun, AProgramFolderThatCannotBeMadeIsNamedAndNothingIsLeft) {
    const fs::path myFile = mRoot / "a-file";
    std::ofstream(myFile) << "not a folder";
    std::string myErrors;
    EXPECT_EQ(
        Run("--headless --frames 2 --video clip.y4m", &myErrors, "ORBEX_HOME='" + myFile.string() + "'"), 2);
    EXPECT_TRUE(
        Contains(myErrors, "cannot make the program folder " + myFile.string() + ": a file has its name"))
        << myErrors;
    EXPECT_EQ(Run("--headless --frames 2 --out frames/deep", &myErrors,
                  "ORBEX_HOME='" + (myFile / "sub").string() + "'"),
              2);
    EXPECT_TRUE(Contains(myErrors, "cannot make the program folder " + (myFile / "sub").string() + ": "))
        << myErrors;
    // A program folder whose rave folder has a file's place.
    fs::create_directories(Home());
    std::ofstream(Home() / "Raves") << "in the way";
    EXPECT_EQ(Run("--headless --frames 2 --out frames", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "cannot make the folder " + Home().string() + "/Raves: File exists"))
        << myErrors;
    EXPECT_TRUE(fs::is_empty(Work())) << "no video, part file or frames folder is left";
    EXPECT_FALSE(LockHeld("ORBEX"));
}

TEST_F(BadInputRun, AStoppedRenderRemovesItsVideoAndEndsByTheSignal) {
    TestWriteClickTrack(mRoot / "song.wav", 60);
    for (const int mySignal : {SIGINT, SIGTERM}) {
        const pid_t myChild =
            Spawn({"--headless", "--quiet", "--audio", (mRoot / "song.wav").string(), "--video", "song.mp4"});
        ASSERT_TRUE(AwaitEntry(Work(), "song.mp4.")) << "the video is under way";
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        kill(myChild, mySignal);
        int myStatus = 0;
        ASSERT_EQ(waitpid(myChild, &myStatus, 0), myChild);
        EXPECT_TRUE(WIFSIGNALED(myStatus) && WTERMSIG(myStatus) == mySignal) << "status " << myStatus;
        EXPECT_TRUE(fs::is_empty(Work())) << "neither the video nor its part file is left";
    }
    EXPECT_FALSE(LockHeld("ORBEX"));
}

// A disk too full for a whole frame: each process may write files of at most 32 KB here, the size limit
// ignored so a write fails as on a full disk.
TEST_F(BadInputRun, AFrameCutShortByAFullDiskIsRemoved) {
    StartOnce();
    std::string myErrors;
    const int myCode = Run("--headless --clicks 120 --frames 30 --size 640x480 --out frames", &myErrors,
                           "bash -c 'trap \"\" XFSZ; ulimit -f 32; exec \"$0\" \"$@\"'");
    EXPECT_EQ(myCode, 1) << myErrors;
    EXPECT_TRUE(Contains(myErrors, "cannot write frames/frame-")) << myErrors;
    EXPECT_TRUE(Contains(myErrors, ": File too large")) << myErrors;
    int myWhole = 0;
    for (const auto& myEntry : fs::directory_iterator(Work() / "frames")) {
        Picture myFrame;
        EXPECT_TRUE(ReadPng(myEntry.path(), myFrame)) << "a frame left is whole: " << myEntry.path();
        ++myWhole;
    }
    EXPECT_LT(myWhole, 30);
}

TEST_F(BadInputRun, ALockStopsOnlyARunOnTheSameFolderAndSaysSo) {
    // The desktop's Orbex: another desktop copy is stopped, with a word and a status that says so.
    const int myDesktop = LockAcquire("ORBEX");
    ASSERT_GE(myDesktop, 0);
    std::string myErrors;
    EXPECT_EQ(Run("--window 320x240", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "orbex: Orbex is already running")) << myErrors;
    LockRelease(myDesktop);

    // A render on the same program folder as one under way waits for nothing: it is refused.
    const pid_t myFirst =
        Spawn({"--headless", "--quiet", "--clicks", "120", "--frames", "100000", "--out", "first"});
    ASSERT_TRUE(AwaitEntry(Work() / "first", "frame-000001.png"));
    EXPECT_EQ(Run("--headless --frames 2 --out second", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "orbex: another Orbex is using the program folder " + Home().string()))
        << myErrors;
    EXPECT_FALSE(fs::exists(Work() / "second"));
    // One with a folder of its own runs beside it.
    EXPECT_EQ(Run("--headless --frames 2 --out second", &myErrors,
                  "ORBEX_HOME='" + (mRoot / "other").string() + "'"),
              0)
        << myErrors;
    EXPECT_TRUE(fs::exists(Work() / "second" / "frame-000001.png"));
    kill(myFirst, SIGTERM);
    int myStatus = 0;
    ASSERT_EQ(waitpid(myFirst, &myStatus, 0), myFirst);
    EXPECT_TRUE(WIFSIGNALED(myStatus) && WTERMSIG(myStatus) == SIGTERM);
}

TEST_F(BadInputRun, ADiscThatIsNotThereIsNamed) {
    std::string myErrors;
    EXPECT_EQ(Run("--headless --frames 2 --disc /nowhere/disc", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "orbex: --disc /nowhere/disc: no such drive, disc image or music folder"))
        << myErrors;
    std::ofstream(Work() / "lost.cue")
        << "FILE \"lost.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
    EXPECT_EQ(Run("--headless --frames 2 --disc lost.cue", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "lost.cue takes its sound from lost.bin, which is missing")) << myErrors;
    EXPECT_EQ(Run("--disc lost.cue --disc-info", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "lost.bin, which is missing")) << myErrors;
    std::ofstream(Work() / "empty.cue").flush();
    EXPECT_EQ(Run("--headless --frames 2 --disc empty.cue", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "empty.cue: the cue sheet is empty")) << myErrors;
    EXPECT_FALSE(Contains(myErrors, "Unable to access CD music drive!"));

    // A music folder: a file named as sound that cannot be played is named and left out, the rest plays,
    // and a track beyond the disc gets its last one.
    fs::create_directories(Work() / "music");
    TestWriteClickTrack(Work() / "music" / "01 clicks.wav", 2);
    std::ofstream(Work() / "music" / "02 damaged.flac") << "not a flac";
    std::ofstream(Work() / "music" / "cover.jpg") << "not a song and not meant as one";
    EXPECT_EQ(Run("--disc music --disc-info", &myErrors), 0) << myErrors;
    EXPECT_TRUE(Contains(myErrors, "music/02 damaged.flac: it cannot be read as sound; it is left out"))
        << myErrors;
    EXPECT_FALSE(Contains(myErrors, "cover.jpg"));
    EXPECT_TRUE(Contains(Output(), "track 1 audio start 150")) << Output();
    EXPECT_FALSE(Contains(Output(), "track 2"));
    EXPECT_EQ(Run("--headless --frames 2 --disc music --track 99", &myErrors), 0) << myErrors;
    EXPECT_TRUE(Contains(myErrors, "track 99 is beyond the end of the disc (1 track); playing track 1"))
        << myErrors;
    fs::create_directories(Work() / "silent");
    EXPECT_EQ(Run("--headless --frames 2 --disc silent", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "silent: the folder holds no music that can be played")) << myErrors;
}

TEST_F(BadInputRun, ABeatLogWithoutItsFolderIsRefusedBeforeTheStart) {
    std::string myErrors;
    EXPECT_EQ(Run("--headless --frames 2 --out frames --beat-log nowhere/beats.txt", &myErrors), 2);
    EXPECT_TRUE(Contains(myErrors, "--beat-log nowhere/beats.txt: there is no folder nowhere")) << myErrors;
    EXPECT_TRUE(fs::is_empty(Work()));
    // A log that can be written is, and an old one is only replaced by the run.
    std::ofstream(Work() / "beats.txt") << "an older log\n";
    EXPECT_EQ(Run("--headless --frames 30 --clicks 120 --beat-log beats.txt", &myErrors), 0) << myErrors;
    EXPECT_FALSE(Contains(TestReadText(Work() / "beats.txt"), "an older log"));
}

TEST_F(BadInputRun, SilenceOnPurposeLooksForNoSound) {
    std::string myErrors;
    // Fifteen seconds: long enough for a search to have given up on every source.
    EXPECT_EQ(Run("--headless --fps 2 --frames 30 --size 160x120", &myErrors), 0);
    EXPECT_FALSE(Contains(myErrors, "Unable to find active sound channel!")) << myErrors;
}

// --- Messages that mislead ---

// Components the last session names, damaged: each alert the start-up keeps for later names its file on
// standard error, and the alert shown at the end of the start is not said a second time without it.
TEST_F(BadInputRun, StartUpLoadsNameTheFileOfEachAlert) {
    StartOnce();
    int myDamaged = 0;
    for (const auto& myEntry : fs::directory_iterator(Home() / "Brushes")) {
        WriteBytes(myEntry.path(), {'F', 0, 1, 0});
        ++myDamaged;
    }
    ASSERT_GT(myDamaged, 0);
    std::string myErrors;
    EXPECT_EQ(Run("--headless --frames 2 --size 160x120", &myErrors), 0);
    std::istringstream myLines(myErrors);
    int myNamed = 0;
    for (std::string myLine; std::getline(myLines, myLine);) {
        if (!Contains(myLine, "Not a valid file!")) continue;
        EXPECT_TRUE(Contains(myLine, "orbex: " + (Home() / "Brushes").string() + "/")) << myLine;
        ++myNamed;
    }
    EXPECT_GT(myNamed, 0) << myErrors;
}

// --- The memory a video takes ---

TEST_F(BadInputRun, AVideoAt4KStaysUnder400MB) {
    if (kSanitized)
        GTEST_SKIP() << "the sanitizer's own memory is not the program's: measured in the plain build";
    const pid_t myChild = Spawn({"--headless", "--quiet", "--clicks", "120", "--frames", "20", "--size",
                                 "3840x2160", "--video", "big.mp4"});
    int myStatus = 0;
    struct rusage myUse {};
    ASSERT_EQ(wait4(myChild, &myStatus, 0, &myUse), myChild);
    ASSERT_TRUE(WIFEXITED(myStatus) && WEXITSTATUS(myStatus) == 0) << TestReadText(mRoot / "stderr.txt");
    EXPECT_TRUE(fs::exists(Work() / "big.mp4"));
    EXPECT_LT(myUse.ru_maxrss, 400 * 1024) << "kilobytes at most";
}
