// The visualizer's side of the screen saver: the desktop's settings read at start-up, installing at quit,
// and ending the saver that started the run.
#include <gtest/gtest.h>

#include "../saver/saver_fixture.h"
#include "core/alert.h"
#include "core/state.h"
#include "platform/config.h"
#include "platform/platform.h"
#include "platform/process.h"
#include "platform/saver_setup.h"
#include "shell/main.h"
#include "shell/preferences.h"
#include "shell/screen_saver.h"
#include "storage/file.h"

namespace {
class ScreenSaverTest : public SaverUserTest {
  protected:
    void SetUp() override {
        SaverUserTest::SetUp();
        PlatformStart(true);
        std::snprintf(gDirIDPref, kPathSize, "%s/", (mRoot / "config" / "orbex").c_str());
        gStartUp = 1;
    }
    void Desktop(const char* myActive, const char* myTimeOut, const char* myProgram) {
        ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverActiveKey, myActive);
        ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverTimeOutKey, myTimeOut);
        ConfigSetString(kSaverSystemFile, kSaverBootSection, kSaverBootKey, myProgram);
    }
    // A record as the last quit wrote it, with the screen saver on and a delay of 5 minutes.
    void StoreRecord() {
        Write(mRoot / "config" / "orbex" / kPrefsFileName,
              std::string("\x02\x00\x03\x05\x01\xff\x00\xff\0\0\0\0", 12));
    }
};
} // namespace

TEST_F(ScreenSaverTest, TheDesktopSaysWhetherOrbexIsItsSaverAndAfterHowLong) {
    StoreRecord();
    Desktop("1", "1800", "/usr/bin/orbex-saver");
    InitSetPreferences("orbex");
    EXPECT_EQ(gSaverFlag, 1);
    EXPECT_EQ(gSaverDelay, 30) << "the desktop's time-out, not the record's 5 minutes";
    EXPECT_EQ(gSaverSound, 1);

    Desktop("1", "1800", "/usr/bin/xmatrix");
    InitSetPreferences("orbex");
    EXPECT_EQ(gSaverFlag, 0) << "another program is the saver, whatever the record says";

    Desktop("0", "600", "/usr/bin/orbex-saver");
    InitSetPreferences("orbex");
    EXPECT_EQ(gSaverFlag, 0) << "no saver is active";
    EXPECT_EQ(gSaverDelay, 10);

    Desktop("1", "", "C:\\WINDOWS\\ORBEX.SCR");
    InitSetPreferences("orbex");
    EXPECT_EQ(gSaverFlag, 1) << "the spellings of other systems count too";
    EXPECT_EQ(gSaverDelay, 20) << "no time-out known: 20 minutes";

    Desktop("1", "90000", "/usr/bin/orbex-saver");
    InitSetPreferences("orbex");
    EXPECT_EQ(gSaverDelay, 120) << "within the delay slider's range";
    Desktop("1", "20", "/usr/bin/orbex-saver");
    InitSetPreferences("orbex");
    EXPECT_EQ(gSaverDelay, 1);
}

TEST_F(ScreenSaverTest, AFirstStartAsksTheDesktopToo) {
    Desktop("1", "300", "/usr/bin/orbex-saver");
    InitSetPreferences("orbex");
    EXPECT_EQ(gSaverFlag, 1);
    EXPECT_EQ(gSaverDelay, 5);
    EXPECT_EQ(Read(mRoot / "config" / "orbex" / kPrefsFileName)[2], 1) << "and the new record says so";
}

TEST_F(ScreenSaverTest, AMissingSaverGivesTheAlertAndChangesNothing) {
    gProgramPath = nullptr;
    const std::string myProgram = (mRoot / "bin" / "orbex").string();
    gProgramPath = myProgram.c_str();
    gSaverDelay = 7;
    QuitLaunchScreenSaver();
    EXPECT_STREQ(gAlertText, kSaverNotFound);
    EXPECT_FALSE(std::filesystem::exists(mRoot / "config" / "orbex" / "system.ini"));
    EXPECT_FALSE(std::filesystem::exists(mRoot / "config" / "orbex" / "registry.ini"));
    EXPECT_FALSE(std::filesystem::exists(SaverAutostartPath()));
    gProgramPath = nullptr;
}

TEST_F(ScreenSaverTest, QuittingWithTheSaverOnInstallsItWithTheDelay) {
    const std::string myProgram = (mRoot / "bin" / "orbex").string();
    Script(mRoot / "bin" / "orbex-saver", mRoot / "agent.txt");
    gProgramPath = myProgram.c_str();
    gSaverDelay = 7;
    QuitLaunchScreenSaver();
    EXPECT_STREQ(gAlertText, "");
    const SaverSettings mySettings = SaverReadSettings();
    EXPECT_TRUE(mySettings.mActive);
    EXPECT_EQ(mySettings.mTimeOut, 420u);
    EXPECT_EQ(mySettings.mProgram, (mRoot / "bin" / "orbex-saver").string());
    EXPECT_TRUE(std::filesystem::exists(SaverAutostartPath()));
    for (int myTry = 0; myTry < 200 && Read(mRoot / "agent.txt").empty(); ++myTry)
        usleep(10000);
    EXPECT_EQ(Read(mRoot / "agent.txt"), "--agent\n") << "and the agent started";
    gProgramPath = nullptr;
}

TEST_F(ScreenSaverTest, TheEndOfASaversRunEndsTheSaver) {
    // A saver holding its lock, waiting for the quit message.
    const std::string myLock = (mRoot / "runtime" / (std::string(kSaverLockName) + ".lock")).string();
    const std::string myHeard = (mRoot / "heard").string();
    const int mySaver = ProcessStart({"/usr/bin/flock", "-n", myLock, "sh", "-c",
                                      "trap 'echo quit > " + myHeard + "; exit 0' USR1; echo $$ > '" +
                                          myLock + "'; while true; do sleep 0.05; done"},
                                     "", false);
    ASSERT_GT(mySaver, 0);
    for (int myTry = 0; myTry < 200 && Read(myLock).empty(); ++myTry)
        usleep(10000);
    usleep(50000);
    QuitScreenSaver();
    EXPECT_TRUE(ProcessWaitEnded(mySaver, 5000));
    EXPECT_EQ(Read(myHeard), "quit\n");
}
