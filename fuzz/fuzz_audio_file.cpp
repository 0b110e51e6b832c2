// Fuzz target: bytes of any kind read as a sound file are refused or converted, never more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    std::vector<uint8_t> mySamples;
    std::string myError;
    if (AudioFileDecode(myData, mySize, mySamples, myError)) {
        if (mySamples.empty()) __builtin_trap();
    } else if (myError.empty()) {
        __builtin_trap();
    }
    return 0;
}
