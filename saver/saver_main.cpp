// The screen saver's entry: the command line decides between running, previewing, the idle agent and ending.
#include <cstdio>

#include "saver/agent.h"
#include "saver/saver_command.h"
#include "saver/saver_run.h"

namespace {
const char* const kUsage =
    "Usage: orbex-saver s | p [WINDOW] | c | --agent\n"
    "  s         runs the screen saver: starts Orbex in screen-saver mode and ends with it\n"
    "  p WINDOW  draws the preview into the window (XScreenSaver's window when none is named)\n"
    "  c         (or anything else) ends at once; the settings are in Orbex's SCREEN SAVER panel\n"
    "  --agent   the idle agent: starts the screen saver when the desktop has been idle for the delay\n";
} // namespace

int main(int argc, char** argv) {
    uint64_t myParent = 0;
    switch (SaverParseCommand(argc - 1, argv + 1, myParent)) {
    case kSaverRun:
        return SaverRun();
    case kSaverPreview:
        return SaverPreview(myParent);
    case kSaverAgent:
        return AgentMain();
    case kSaverHelp:
        std::fputs(kUsage, stdout);
        return 0;
    case kSaverVersion:
        std::printf("orbex-saver %s\n", ORBEX_VERSION);
        return 0;
    default:
        return 0;
    }
}
