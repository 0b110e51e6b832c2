// The idle agent: waits on the desktop's idle source, starts "orbex-saver s" after the settings' time-out,
// and follows the settings as Orbex changes them (it signals the agent to read them again).
#include "saver/agent.h"

#include <signal.h>

#include <cstdio>

#include "platform/lock.h"
#include "platform/process.h"
#include "shell/program_folder.h"
#include "shell/screen_saver.h"

volatile sig_atomic_t gAgentReload = 0;
volatile sig_atomic_t gAgentQuit = 0;

namespace {
constexpr int kWaitMs = 500;
constexpr int kDesktopPatienceMs = 10000;

void AgentReloadHandler(int) {
    gAgentReload = 1;
}

void AgentQuitHandler(int) {
    gAgentQuit = 1;
}

bool AgentSettingsOn(const SaverSettings& mySettings) {
    return mySettings.mActive && mySettings.mTimeOut > 0 && PrefsSaverIsOrbex(mySettings.mProgram);
}
} // namespace

AgentAction AgentDecide(const AgentState& myState, IdleEvent myEvent, const SaverSettings& mySettings,
                        bool myOrbexRuns) {
    if (!AgentSettingsOn(mySettings)) return kAgentQuit;
    if (myEvent != kIdleIdle) return kAgentNothing;
    if (myOrbexRuns || myState.mSaver > 0) return kAgentNothing;
    return kAgentStartSaver;
}

int AgentRun(const IdleSource& mySource) {
    AgentState myState;
    SaverSettings mySettings = SaverReadSettings();
    gAgentReload = 1;
    int myStatus = 0;
    while (!gAgentQuit) {
        if (gAgentReload) {
            gAgentReload = 0;
            mySettings = SaverReadSettings();
            if (!AgentSettingsOn(mySettings)) break;
            const uint32_t myWatchMs = mySettings.mTimeOut * 1000u;
            if (myWatchMs != myState.mWatchMs && mySource.mWatch(myWatchMs)) myState.mWatchMs = myWatchMs;
        }
        const IdleEvent myEvent = mySource.mWait(kWaitMs);
        if (myEvent == kIdleLost) {
            myStatus = 1;
            break;
        }
        if (myState.mSaver > 0 && ProcessEnded(myState.mSaver)) myState.mSaver = -1;
        const bool myOrbexRuns = LockHeld("ORBEX") || LockHeld(kSaverLockName);
        const AgentAction myAction = AgentDecide(myState, myEvent, mySettings, myOrbexRuns);
        if (myAction == kAgentQuit) break;
        if (myAction == kAgentStartSaver)
            myState.mSaver = ProcessStart({mySettings.mProgram, "s"}, "", false);
    }
    mySource.mClose();
    return myStatus;
}

int AgentMain() {
    // ORBEX_HOME moves the settings Orbex writes; the agent reads them where Orbex wrote them.
    ProgramFolderLocate();
    const int myLock = LockAcquire(kAgentLockName);
    if (myLock < 0) return 0; // one agent a user is enough
    struct sigaction myAction {};
    myAction.sa_handler = AgentReloadHandler;
    sigaction(SIGHUP, &myAction, nullptr);
    myAction.sa_handler = AgentQuitHandler;
    sigaction(SIGTERM, &myAction, nullptr);
    sigaction(SIGINT, &myAction, nullptr);
    const IdleSource* mySource = IdleChoose(kDesktopPatienceMs);
    if (!mySource) {
        std::fprintf(stderr,
                     "orbex-saver: this desktop tells no idle time (no GNOME idle monitor, Wayland idle "
                     "notifier or X11 screen-saver extension)\n");
        LockRelease(myLock);
        return 1;
    }
    const int myStatus = AgentRun(*mySource);
    LockRelease(myLock);
    return myStatus;
}

void AgentResetState() {
    gAgentReload = 0;
    gAgentQuit = 0;
}
