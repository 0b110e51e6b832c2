// GNOME's idle monitor, faked on a private session bus: the source arms its watches and reports the fake's
// signals as the user going idle and coming back; the agent starts the saver from them.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/desktop/bus.h"
#include "platform/desktop/idle.h"
#include "saver/agent.h"
#include "saver_fixture.h"
#include "tests/players/private_bus.h"

namespace {
const char* const kInterface = "org.gnome.Mutter.IdleMonitor";

// The fake monitor: hands out watch ids and fires a watch when the test asks it to through a test-only
// method, so every signal is sent from the fake's own loop.
struct FakeMonitor {
    std::unique_ptr<sdbus::IConnection> mConnection;
    std::unique_ptr<sdbus::IObject> mObject;
    std::atomic<uint64_t> mIdleAsked{0};
    std::atomic<uint32_t> mIdleWatch{0};
    std::atomic<uint32_t> mActiveWatch{0};
    uint32_t mNext = 1;

    void Start() {
        mConnection = sdbus::createSessionBusConnection("org.gnome.Mutter.IdleMonitor");
        mObject = sdbus::createObject(*mConnection, "/org/gnome/Mutter/IdleMonitor/Core");
        mObject->registerMethod("GetIdletime").onInterface(kInterface).implementedAs([] {
            return uint64_t(0);
        });
        mObject->registerMethod("AddIdleWatch").onInterface(kInterface).implementedAs([this](uint64_t myMs) {
            mIdleAsked = myMs;
            return mIdleWatch = mNext++;
        });
        mObject->registerMethod("AddUserActiveWatch").onInterface(kInterface).implementedAs([this] {
            return mActiveWatch = mNext++;
        });
        mObject->registerMethod("RemoveWatch").onInterface(kInterface).implementedAs([](uint32_t) {});
        mObject->registerSignal("WatchFired").onInterface(kInterface).withParameters<uint32_t>();
        mObject->registerMethod("Fire").onInterface("org.orbex.Test").implementedAs([this](uint32_t myWatch) {
            mObject->emitSignal("WatchFired").onInterface(kInterface).withArguments(myWatch);
        });
        mObject->finishRegistration();
        mConnection->enterEventLoopAsync();
    }
    void Stop() {
        if (mConnection) mConnection->leaveEventLoop();
        mObject.reset();
        mConnection.reset();
    }
};

class IdleGnomeTest : public SaverUserTest {
  protected:
    PrivateBus mBus;
    FakeMonitor mFake;
    std::unique_ptr<sdbus::IConnection> mTester;

    void SetUp() override {
        SaverUserTest::SetUp();
        ASSERT_TRUE(mBus.Start());
    }
    void TearDown() override {
        kIdleGnome.mClose();
        BusClose();
        mTester.reset();
        mFake.Stop();
        mBus.Stop();
        SaverUserTest::TearDown();
    }
    void Fire(uint32_t myWatch) {
        if (!mTester) mTester = sdbus::createSessionBusConnection();
        auto myProxy = sdbus::createProxy(*mTester, "org.gnome.Mutter.IdleMonitor",
                                          "/org/gnome/Mutter/IdleMonitor/Core");
        myProxy->callMethod("Fire").onInterface("org.orbex.Test").withArguments(myWatch);
    }
    IdleEvent Next() {
        for (int myTry = 0; myTry < 50; ++myTry)
            if (const IdleEvent myEvent = kIdleGnome.mWait(100); myEvent != kIdleNothing) return myEvent;
        return kIdleNothing;
    }
};
} // namespace

TEST_F(IdleGnomeTest, AbsentFromASessionWithoutGnome) {
    EXPECT_FALSE(kIdleGnome.mOpen());
}

TEST_F(IdleGnomeTest, WatchesFireAsIdleThenActive) {
    mFake.Start();
    ASSERT_TRUE(kIdleGnome.mOpen());
    ASSERT_TRUE(kIdleGnome.mWatch(90000));
    EXPECT_EQ(mFake.mIdleAsked, 90000u);
    EXPECT_EQ(kIdleGnome.mWait(50), kIdleNothing);
    Fire(mFake.mIdleWatch);
    EXPECT_EQ(Next(), kIdleIdle);
    ASSERT_NE(mFake.mActiveWatch, 0u) << "the return is watched for once idle";
    Fire(999);
    EXPECT_EQ(kIdleGnome.mWait(200), kIdleNothing) << "another client's watch is none of ours";
    Fire(mFake.mActiveWatch);
    EXPECT_EQ(Next(), kIdleActive);
}

TEST_F(IdleGnomeTest, TheAgentStartsTheSaverWhenTheMonitorSaysIdle) {
    mFake.Start();
    ASSERT_TRUE(kIdleGnome.mOpen());
    const auto myLog = mRoot / "runs.txt";
    Script(mRoot / "bin" / "orbex-saver", myLog);
    ConfigSetString(kSaverSystemFile, kSaverBootSection, kSaverBootKey,
                    (mRoot / "bin" / "orbex-saver").c_str());
    ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverActiveKey, "1");
    ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverTimeOutKey, "600");
    // The monitor fires from another thread of the test while the agent waits.
    std::thread myUser([this] {
        for (int myTry = 0; myTry < 100 && mFake.mIdleWatch == 0; ++myTry)
            usleep(20000);
        Fire(mFake.mIdleWatch);
        for (int myTry = 0; myTry < 200 && Read(mRoot / "runs.txt").empty(); ++myTry)
            usleep(20000);
        gAgentQuit = 1;
    });
    EXPECT_EQ(AgentRun(kIdleGnome), 0);
    myUser.join();
    EXPECT_EQ(mFake.mIdleAsked, 600000u);
    EXPECT_EQ(Read(myLog), "s\n");
}
