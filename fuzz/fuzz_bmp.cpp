// Fuzz target: any bytes offered as a bitmap are checked, and whatever opens converts into a component file
// that the inspector finds sound. The first two bytes pick the settings, so every rule of the colour code is
// reached; the rest is the bitmap file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "converter/bitmap_reader.h"
#include "converter/convert.h"
#include "converter/info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    if (mySize < 2) return 0;
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
    std::vector<uint8_t> myFile;
    if (!ConvertBuild(myBitmap, mySettings, myFile).mOk) return 0;
    ConvertInfo myInfo;
    if (!ConvertReadInfo(myFile.data(), myFile.size(), myInfo).mOk) std::abort();
    return 0;
}
