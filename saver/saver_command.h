// The screen saver's command line, as desktops have long called savers: "s" runs, "p" with a window
// previews, anything else (the configuration request "c" among it) ends at once; and this port's own options.
#pragma once

#include <cstdint>
#include <string>

enum SaverCommand : int {
    kSaverEnd = 0,
    kSaverRun,
    kSaverPreview,
    kSaverAgent,   // --agent: the idle agent that starts the saver
    kSaverHelp,    // --help
    kSaverVersion, // --version
};

// The command of the arguments after the program's name; myParent receives the preview's window (0 when the
// command line names none).
SaverCommand SaverParseCommand(int myCount, const char* const* myArguments, uint64_t& myParent);
