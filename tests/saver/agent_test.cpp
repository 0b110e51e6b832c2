// The idle agent: what it decides on each event, and whole runs against a fake idle source that plays a
// list of events.
#include <gtest/gtest.h>

#include <deque>

#include "platform/config.h"
#include "platform/lock.h"
#include "saver/agent.h"
#include "saver_fixture.h"

namespace {
SaverSettings On(uint32_t myTimeOut = 60) {
    SaverSettings mySettings;
    mySettings.mActive = true;
    mySettings.mTimeOut = myTimeOut;
    mySettings.mProgram = "/usr/bin/orbex-saver";
    return mySettings;
}

// The fake source: the events to play, what it was asked to watch for, and a hook run before each wait.
std::deque<IdleEvent> sEvents;
std::vector<uint32_t> sWatches;
int sWaits = 0;
bool sClosed = false;
void (*sBeforeWait)(int myWait) = nullptr;
std::filesystem::path sHoldPath;

bool FakeOpen() {
    return true;
}
bool FakeWatch(uint32_t myIdleMs) {
    sWatches.push_back(myIdleMs);
    return true;
}
IdleEvent FakeWait(int) {
    if (sBeforeWait) sBeforeWait(sWaits);
    ++sWaits;
    if (sEvents.empty()) {
        gAgentQuit = 1; // the list is played: the run ends as if told to
        return kIdleNothing;
    }
    const IdleEvent myEvent = sEvents.front();
    sEvents.pop_front();
    return myEvent;
}
void FakeClose() {
    sClosed = true;
}
const IdleSource kFake = {"fake", FakeOpen, FakeWatch, FakeWait, FakeClose};

class AgentRunTest : public SaverUserTest {
  protected:
    std::filesystem::path mLog;
    void SetUp() override {
        SaverUserTest::SetUp();
        sEvents.clear();
        sWatches.clear();
        sWaits = 0;
        sClosed = false;
        sBeforeWait = nullptr;
        sHoldPath.clear();
        mLog = mRoot / "saver-runs.txt";
        Script(mRoot / "bin" / "orbex-saver", mLog);
    }
    void Install(uint32_t myTimeOut) {
        const std::string mySaver = (mRoot / "bin" / "orbex-saver").string();
        ConfigSetString(kSaverSystemFile, kSaverBootSection, kSaverBootKey, mySaver.c_str());
        ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverActiveKey, "1");
        ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverTimeOutKey,
                        std::to_string(myTimeOut).c_str());
    }
    // The saver runs the agent started, once they have written their line (waiting for myExpected of them,
    // and a while longer when none is expected, so a late one is still seen).
    int SaverRuns(int myExpected) {
        auto myCount = [&] {
            const std::string myLog = Read(mLog);
            return static_cast<int>(std::count(myLog.begin(), myLog.end(), '\n'));
        };
        for (int myTry = 0; myTry < 500 && myCount() < myExpected; ++myTry)
            usleep(10000);
        if (myExpected == 0) usleep(300000);
        return myCount();
    }
};
} // namespace

TEST(AgentDecideTest, IdlenessStartsTheSaverUnlessOrbexRunsOrTheSaverIsOff) {
    AgentState myState;
    EXPECT_EQ(AgentDecide(myState, kIdleIdle, On(), false), kAgentStartSaver);
    EXPECT_EQ(AgentDecide(myState, kIdleActive, On(), false), kAgentNothing);
    EXPECT_EQ(AgentDecide(myState, kIdleNothing, On(), false), kAgentNothing);
    EXPECT_EQ(AgentDecide(myState, kIdleIdle, On(), true), kAgentNothing) << "Orbex already shows";
    myState.mSaver = 1234;
    EXPECT_EQ(AgentDecide(myState, kIdleIdle, On(), false), kAgentNothing) << "its saver still runs";

    SaverSettings myOff = On();
    myOff.mActive = false;
    EXPECT_EQ(AgentDecide({}, kIdleNothing, myOff, false), kAgentQuit);
    SaverSettings myOther = On();
    myOther.mProgram = "/usr/bin/xmatrix";
    EXPECT_EQ(AgentDecide({}, kIdleIdle, myOther, false), kAgentQuit) << "another program is the saver now";
    EXPECT_EQ(AgentDecide({}, kIdleIdle, On(0), false), kAgentQuit) << "no time-out known";
}

TEST_F(AgentRunTest, EachIdlePeriodStartsTheSaverOnce) {
    Install(120);
    // The saver runs until the test lets it go: a second idle event comes while it still runs.
    sHoldPath = mRoot / "hold";
    Write(sHoldPath, "");
    Script(mRoot / "bin" / "orbex-saver", mLog,
           "while [ -e '" + sHoldPath.string() + "' ]; do sleep 0.02; done\n");
    sEvents = {kIdleNothing, kIdleIdle, kIdleNothing, kIdleIdle, kIdleActive, kIdleIdle};
    sBeforeWait = [](int myWait) {
        if (myWait != 4) return;
        std::filesystem::remove(sHoldPath);
        usleep(500000);
    };
    EXPECT_EQ(AgentRun(kFake), 0);
    EXPECT_EQ(sWatches, std::vector<uint32_t>({120000})) << "the time-out in milliseconds, watched once";
    EXPECT_TRUE(sClosed);
    EXPECT_EQ(SaverRuns(2), 2);
    EXPECT_EQ(Read(mLog), "s\ns\n") << "the saver is started to run";
}

TEST_F(AgentRunTest, AnOrbexAlreadyRunningIsLeftAlone) {
    Install(60);
    const int myLock = LockAcquire("ORBEX");
    ASSERT_GE(myLock, 0);
    sEvents = {kIdleIdle};
    EXPECT_EQ(AgentRun(kFake), 0);
    LockRelease(myLock);
    EXPECT_EQ(SaverRuns(0), 0);
}

TEST_F(AgentRunTest, NewSettingsAreReadWhenToldAndSwitchingOffEndsTheAgent) {
    Install(60);
    sEvents = {kIdleNothing, kIdleNothing, kIdleNothing, kIdleIdle};
    sBeforeWait = [](int myWait) {
        if (myWait == 1) {
            ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverTimeOutKey, "300");
            gAgentReload = 1;
        }
        if (myWait == 2) {
            ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverActiveKey, "0");
            gAgentReload = 1;
        }
    };
    EXPECT_EQ(AgentRun(kFake), 0);
    EXPECT_EQ(sWatches, std::vector<uint32_t>({60000, 300000}));
    EXPECT_EQ(sWaits, 3) << "the agent ended at the settings' change, before the idle event";
    EXPECT_EQ(SaverRuns(0), 0);
}

TEST_F(AgentRunTest, ALostSourceEndsTheAgentWithAFailure) {
    Install(60);
    sEvents = {kIdleLost, kIdleIdle};
    EXPECT_EQ(AgentRun(kFake), 1);
    EXPECT_EQ(SaverRuns(0), 0);
}
