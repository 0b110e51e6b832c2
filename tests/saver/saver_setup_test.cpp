// Making Orbex the desktop's screen saver and undoing it: the settings, the autostart entry, the agent, and
// XScreenSaver's settings file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include "platform/config.h"
#include "platform/process.h"
#include "platform/saver_setup.h"
#include "saver_fixture.h"

namespace {
const char* const kXFile = "# XScreenSaver Preferences File\n"
                           "timeout:\t0:10:00\n"
                           "mode:\t\trandom\n"
                           "selected:\t3\n"
                           "programs:\t\t\t\t\t\t\t      \\\n"
                           "\t\t\t\tmaze -root\t\t\t\t    \\n\\\n"
                           "  -\t\t\t\txmatrix -root\t\t\t    \\n\\\n"
                           "\t\t\t\t\"Old Orbex\"  /opt/orbex-saver s  \\n\\\n"
                           "\n"
                           "pointerHysteresis:\t10\n";
} // namespace

class SaverSetupTest : public SaverUserTest {};

TEST(SaverXScreenSaverTest, OrbexBecomesTheOneProgramAndLeavesAgain) {
    const std::string myWith = SaverXScreenSaverWith(kXFile, "/usr/bin/orbex-saver s", 1500);
    EXPECT_NE(myWith.find("timeout:\t0:25:00\n"), std::string::npos) << myWith;
    EXPECT_NE(myWith.find("mode:\tone\n"), std::string::npos);
    EXPECT_NE(myWith.find("selected:\t0\n"), std::string::npos);
    EXPECT_EQ(myWith.find("random"), std::string::npos);
    const size_t myOrbex = myWith.find("\"Orbex\"  /usr/bin/orbex-saver s \\n\\\n");
    ASSERT_NE(myOrbex, std::string::npos) << myWith;
    EXPECT_LT(myOrbex, myWith.find("maze -root")) << "first, so selected 0 is Orbex";
    EXPECT_NE(myWith.find("-\t\t\t\txmatrix -root \\n\\\n"), std::string::npos)
        << "the others stay, disabled too";
    EXPECT_NE(myWith.find("\"Old Orbex\""), std::string::npos) << "only our own entry is ours";
    EXPECT_NE(myWith.find("pointerHysteresis:\t10\n"), std::string::npos);
    EXPECT_EQ(SaverXScreenSaverWith(myWith, "/usr/bin/orbex-saver s", 1500), myWith) << "no second entry";

    const std::string myWithout = SaverXScreenSaverWithout(myWith);
    EXPECT_EQ(myWithout.find("\"Orbex\""), std::string::npos);
    EXPECT_NE(myWithout.find("maze -root"), std::string::npos);
    EXPECT_EQ(SaverXScreenSaverWithout("timeout: 0:01:00\n"), "timeout: 0:01:00\n");

    const std::string myFresh = SaverXScreenSaverWith("", "/usr/bin/orbex-saver s", 30);
    EXPECT_NE(myFresh.find("timeout:\t0:01:00\n"), std::string::npos) << "a minute at least";
    EXPECT_NE(myFresh.find("\"Orbex\""), std::string::npos);
}

TEST_F(SaverSetupTest, InstallingSetsTheSaverUpAndUninstallingTakesItAllBack) {
    const auto myLog = mRoot / "agent.txt";
    const auto mySaver = mRoot / "bin" / "orbex-saver";
    Script(mySaver, myLog);
    Write(mRoot / "config" / "orbex" / "system.ini", "[boot]\nshell=explorer.exe\n");

    ASSERT_TRUE(SaverInstall(mySaver.string(), 900));
    const SaverSettings mySettings = SaverReadSettings();
    EXPECT_TRUE(mySettings.mActive);
    EXPECT_EQ(mySettings.mTimeOut, 900u);
    EXPECT_EQ(mySettings.mProgram, mySaver.string());
    const std::string myEntry = Read(SaverAutostartPath());
    EXPECT_EQ(SaverAutostartPath(), (mRoot / "config" / "autostart" / "orbex-saver.desktop").string());
    EXPECT_NE(myEntry.find("Exec=" + mySaver.string() + " --agent\n"), std::string::npos) << myEntry;
    for (int myTry = 0; myTry < 200 && Read(myLog).empty(); ++myTry)
        usleep(10000);
    EXPECT_EQ(Read(myLog), "--agent\n") << "the agent starts at once, not only at the next login";

    // The agent runs: a process holding its lock, which uninstalling ends.
    const std::string myLock = (mRoot / "runtime" / (std::string(kAgentLockName) + ".lock")).string();
    const int myAgent = ProcessStart(
        {"/usr/bin/flock", "-n", myLock, "sh", "-c", "echo $$ > '" + myLock + "'; exec sleep 30"}, "", false);
    ASSERT_GT(myAgent, 0);
    for (int myTry = 0; myTry < 200 && Read(myLock).empty(); ++myTry)
        usleep(10000);

    SaverUninstall();
    EXPECT_TRUE(ProcessWaitEnded(myAgent, 5000)) << "the agent was told to end";
    EXPECT_FALSE(std::filesystem::exists(SaverAutostartPath()));
    EXPECT_FALSE(SaverReadSettings().mActive);
    EXPECT_EQ(SaverReadSettings().mProgram, "empty");
    EXPECT_EQ(Read(mRoot / "config" / "orbex" / "system.ini"), "[boot]\nshell=explorer.exe\n")
        << "the rest of system.ini stays";
}

TEST_F(SaverSetupTest, TheSaverIsFoundBesideTheProgram) {
    EXPECT_EQ(SaverFindProgram((mRoot / "bin" / "orbex").c_str()), "");
    Script(mRoot / "bin" / "orbex-saver", mRoot / "log");
    EXPECT_EQ(SaverFindProgram((mRoot / "bin" / "orbex").c_str()), (mRoot / "bin" / "orbex-saver").string());
}
