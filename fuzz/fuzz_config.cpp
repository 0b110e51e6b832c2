// Fuzz target: INI text of any content is read without harm, and a value set into it reads back as set.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    const std::string myText(reinterpret_cast<const char*>(myData), mySize);
    ConfigFindValue(myText, "Software\\Orbex", "Path", "");
    const std::string myChanged = ConfigWithValue(myText, "Software\\Orbex", "Autoplay", "1");
    if (ConfigFindValue(myChanged, "Software\\Orbex", "Autoplay", "") != "1") std::abort();
    const std::string myRemoved = ConfigWithoutValue(myText, "boot", "SCRNSAVE.EXE");
    if (ConfigFindValue(myRemoved, "boot", "SCRNSAVE.EXE", "empty") != "empty") std::abort();
    return 0;
}
