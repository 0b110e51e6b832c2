// Fuzz target: a preferences record of any content is taken without harm, and what the program writes back
// reads as the same record again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "shell/preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    PrefsApply(myData, mySize);
    uint8_t myFirst[kPrefsSize];
    PrefsBytes(myFirst);
    PrefsApply(myFirst, sizeof(myFirst));
    uint8_t myAgain[kPrefsSize];
    PrefsBytes(myAgain);
    if (std::memcmp(myFirst, myAgain, kPrefsSize) != 0) std::abort();
    return 0;
}
