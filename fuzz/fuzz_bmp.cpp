// Fuzz target: any bytes offered as a bitmap are checked, and whatever opens converts into a file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "converter/bitmap_reader.h"
#include "converter/convert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    static const std::filesystem::path kFolder =
        std::filesystem::temp_directory_path() / ("pixelmill-fuzz-bmp-" + std::to_string(::getpid()));
    static bool sReady = [] {
        std::filesystem::create_directories(kFolder);
        return true;
    }();
    (void)sReady;
    if (mySize < 2) return 0;
    // The first byte picks the settings, so every rule of the colour code is reached.
    const uint8_t mySwitches = myData[0];
    ConvertSettings mySettings;
    mySettings.mKind = (mySwitches & 1) ? kConvertFill : kConvertBrush;
    mySettings.mFixedColors = mySwitches & 2;
    mySettings.mSecondGradient = mySwitches & 4;
    mySettings.mBlueMask = mySwitches & 8;
    mySettings.mSpreadPrimary = mySwitches & 16;
    mySettings.mSpreadSecondary = mySwitches & 32;
    mySettings.mMultiply = 1 + (mySwitches >> 6);
    mySettings.mPrimarySections = 1 + myData[1] % 7;
    mySettings.mSecondarySections = 1 + myData[1] / 37;
    mySettings.mFrames = 1 + myData[1] % 4;
    std::vector<uint8_t> myBytes(myData + 2, myData + mySize);
    ConvertBitmap myBitmap;
    if (!ConvertOpenBitmapBytes(std::move(myBytes), mySettings.mFrames, myBitmap).mOk) return 0;
    ConvertSave(myBitmap, mySettings, kFolder.string(), "fuzzed.bru");
    return 0;
}
