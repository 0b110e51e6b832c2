// Fuzz target: an XScreenSaver settings file of any content takes Orbex as its one program and gives it up
// again without harm, and any command line reads as one of the saver's commands.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/saver_setup.h"
#include "saver/saver_command.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    const std::string myText(reinterpret_cast<const char*>(myData), mySize);
    // Our entry is there once more after taking Orbex, and no more than before after giving it up (the text
    // may hold the same words outside the programs).
    const std::string myEntry = "\"Orbex\"  /usr/bin/orbex-saver s";
    auto myCount = [&](const std::string& myIn) {
        size_t myFound = 0;
        for (size_t myAt = myIn.find(myEntry); myAt != std::string::npos; myAt = myIn.find(myEntry, myAt + 1))
            ++myFound;
        return myFound;
    };
    const std::string myWith = SaverXScreenSaverWith(myText, "/usr/bin/orbex-saver s", 600);
    if (myCount(myWith) == 0) std::abort();
    if (myCount(SaverXScreenSaverWithout(myWith)) > myCount(myText)) std::abort();

    // The same bytes as a command line, split at blanks.
    std::vector<std::string> myWords(1);
    for (const char myCharacter : myText) {
        if (myCharacter == ' ')
            myWords.emplace_back();
        else if (myCharacter != 0)
            myWords.back() += myCharacter;
    }
    std::vector<const char*> myArguments;
    for (const std::string& myWord : myWords)
        myArguments.push_back(myWord.c_str());
    uint64_t myParent = 0;
    const SaverCommand myCommand =
        SaverParseCommand(static_cast<int>(myArguments.size()), myArguments.data(), myParent);
    if (myCommand < kSaverEnd || myCommand > kSaverVersion) std::abort();
    return 0;
}
