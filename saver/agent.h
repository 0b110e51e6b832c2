// The idle agent (orbex-saver --agent), started at login while Orbex is the desktop's screen saver: after the
// chosen idle time it starts the saver, as desktops once did themselves.
#pragma once

#include <csignal>
#include <cstdint>
#include <string>

#include "platform/desktop/idle.h"
#include "platform/saver_setup.h"

// What the agent knows between two events of its idle source.
struct AgentState {
    uint32_t mWatchMs = 0; // the idleness the source watches for; 0 before the first watch
    int mSaver = -1;       // the saver the agent started, while it runs
};

enum AgentAction : int { kAgentNothing = 0, kAgentStartSaver, kAgentQuit };

// Set by the signals: read the settings again (SIGHUP), end (SIGTERM, SIGINT).
extern volatile sig_atomic_t gAgentReload;
extern volatile sig_atomic_t gAgentQuit;

// The agent's decision on one event: start the saver when the user has gone idle, unless Orbex already runs
// (as a saver or watched by the user); end when the settings no longer name Orbex's saver as the active one.
AgentAction AgentDecide(const AgentState& myState, IdleEvent myEvent, const SaverSettings& mySettings,
                        bool myOrbexRuns);
// Runs the agent on mySource (opened already) until it is told to end, the settings end it or the source is
// lost. The exit status: 0 when told to end or switched off, 1 when the source was lost.
int AgentRun(const IdleSource& mySource);
// The whole agent: one copy a user, the idle source this desktop offers, then AgentRun.
int AgentMain();
// Puts the flags back to their start values.
void AgentResetState();
