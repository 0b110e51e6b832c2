// Reading the saver's command line the way desktops wrote it: "/p 1234", "-s", "/c:5678" or "S".
#include "saver/saver_command.h"

#include <cstring>

SaverCommand SaverParseCommand(int myCount, const char* const* myArguments, uint64_t& myParent) {
    myParent = 0;
    if (myCount == 1 && std::strcmp(myArguments[0], "--agent") == 0) return kSaverAgent;
    if (myCount == 1 && std::strcmp(myArguments[0], "--help") == 0) return kSaverHelp;
    if (myCount == 1 && std::strcmp(myArguments[0], "--version") == 0) return kSaverVersion;
    std::string myLine;
    for (int i = 0; i < myCount; ++i)
        myLine += (i ? " " : "") + std::string(myArguments[i]);
    // A lower-case letter anywhere decides: a "p" before an "s".
    const size_t myPreview = myLine.find('p');
    if (myPreview != std::string::npos) {
        // The window's handle is the decimal number two characters after the "p" ("/p 1234", "/p:1234").
        for (size_t i = myPreview + 2; i < myLine.size() && myLine[i] >= '0' && myLine[i] <= '9'; ++i) {
            if (myParent > (UINT64_MAX - 9) / 10) break;
            myParent = myParent * 10 + static_cast<uint64_t>(myLine[i] - '0');
        }
        return kSaverPreview;
    }
    return myLine.find('s') != std::string::npos ? kSaverRun : kSaverEnd;
}
