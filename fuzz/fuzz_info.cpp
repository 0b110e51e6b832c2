// Fuzz target: the component file inspector on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "converter/info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    ConvertInfo myInfo;
    ConvertReadInfo(myData, mySize, myInfo);
    return 0;
}
