// Fuzz target: scripts of any content are read without harm.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    std::vector<ScriptCommand> myCommands;
    std::string myError;
    ScriptParse(std::string(reinterpret_cast<const char*>(myData), mySize), myCommands, myError);
    return 0;
}
