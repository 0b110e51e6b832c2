// Pixelmill's window logic: reset, open, save and the preview, on the same conversion core as the command
// line.
#include "converter/mill.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "converter/color_map.h"
#include "converter/convert.h"

namespace fs = std::filesystem;

MillState gMill;

namespace {
// The title before its four-character extension.
std::string MillStem(const std::string& myTitle) {
    return myTitle.size() >= 4 && myTitle[myTitle.size() - 4] == '.' ? myTitle.substr(0, myTitle.size() - 4)
                                                                     : myTitle;
}

int MillDigitsValue(const std::string& myText) {
    int myValue = 0;
    for (size_t i = 0; i < myText.size() && i < 5; ++i) {
        if (myText[i] < '0' || myText[i] > '9') break;
        myValue = myValue * 10 + (myText[i] - '0');
    }
    return myValue;
}
} // namespace

void MillResetState() {
    gMill = MillState();
    MillResetSettings("");
}

void MillResetSettings(const std::string& myTitle) {
    const ConvertKind myKind = gMill.mSettings.mKind;
    gMill.mSettings = ConvertSettings();
    gMill.mSettings.mKind = myKind;
    gMill.mBoxes[kBoxPrimary] = "2";
    gMill.mBoxes[kBoxSecondary] = "2";
    const int myFrames = myTitle.empty() ? 1 : ConvertFramesFromTitle(myTitle);
    gMill.mBoxes[kBoxFrames] = std::to_string(myFrames);
    gMill.mBoxes[kBoxMultiply] = "1";
    gMill.mBoxes[kBoxTotal] = std::to_string(myFrames);
}

bool MillOpen(const std::string& myPath) {
    const std::string myTitle = fs::path(myPath).filename().string();
    MillResetSettings(myTitle);
    const int myFrames = std::max(1, MillBoxNumber(kBoxFrames));
    const ConvertResult myResult = ConvertOpenBitmap(myPath, myFrames, gMill.mBitmap);
    if (!myResult.mOk) {
        gMill.mOpen = false;
        gMill.mTitle.clear();
        MillResetSettings("");
        gMill.mCaption = "Pixelmill";
        gMill.mStatus = myResult.mMessage;
        return false;
    }
    gMill.mOpen = true;
    gMill.mTitle = myTitle;
    gMill.mFolder = fs::path(myPath).parent_path().string();
    gMill.mCaption = myTitle;
    gMill.mStatus = "Apply settings then save file.";
    return true;
}

std::string MillSuggestedName() {
    if (!gMill.mOpen) return std::string();
    std::string myName = MillStem(gMill.mTitle);
    while (!myName.empty() && myName.back() >= '0' && myName.back() <= '9')
        myName.pop_back();
    std::replace(myName.begin(), myName.end(), ' ', '_');
    return myName + (gMill.mSettings.mKind == kConvertBrush ? ".bru" : ".fil");
}

const char* MillSaveTitle() {
    return gMill.mSettings.mKind == kConvertBrush ? "Save Brush as:" : "Save Fill as:";
}

const char* MillSaveFilter() {
    return gMill.mSettings.mKind == kConvertBrush ? "Brush\t*.{BRU,bru}" : "Fill\t*.{FIL,fil}";
}

bool MillSave(const std::string& myPath) {
    if (!gMill.mOpen) return false;
    MillUpdateTotal();
    const fs::path myTarget(myPath);
    const ConvertResult myResult = ConvertSave(gMill.mBitmap, MillSettings(), myTarget.parent_path().string(),
                                               myTarget.filename().string());
    gMill.mStatus = myResult.mMessage;
    return myResult.mOk;
}

void MillChooseKind(ConvertKind myKind) {
    gMill.mSettings.mKind = myKind;
    if (myKind == kConvertBrush && !gMill.mSettings.mBlueMask && gMill.mOpen && gMill.mBitmap.mHasBlue)
        gMill.mSettings.mBlueMask = true;
    if (myKind == kConvertFill) gMill.mSettings.mBlueMask = false;
}

void MillSetFixedColors(bool myOn) {
    gMill.mSettings.mFixedColors = myOn;
    MillChooseKind(gMill.mSettings.mKind);
}

bool MillTypeBox(MillBox myBox, const std::string& myNew) {
    if (myBox == kBoxFrames || myBox == kBoxTotal) return false;
    if (myNew.size() > kMillBoxDigits) return false;
    if (!std::all_of(myNew.begin(), myNew.end(),
                     [](char myCharacter) { return myCharacter >= '0' && myCharacter <= '9'; }))
        return false;
    gMill.mBoxes[myBox] = myNew;
    if (myBox == kBoxMultiply) MillUpdateTotal();
    return true;
}

int MillBoxNumber(MillBox myBox) {
    int myValue = MillDigitsValue(gMill.mBoxes[myBox]);
    if (myValue == 0 && (myBox == kBoxPrimary || myBox == kBoxSecondary || myBox == kBoxMultiply)) {
        gMill.mBoxes[myBox] = "1";
        myValue = 1;
    }
    return myValue;
}

void MillUpdateTotal() {
    const int myMultiply = std::max(1, MillDigitsValue(gMill.mBoxes[kBoxMultiply]));
    gMill.mBoxes[kBoxTotal] = std::to_string(MillDigitsValue(gMill.mBoxes[kBoxFrames]) * myMultiply);
}

ConvertSettings MillSettings() {
    ConvertSettings mySettings = gMill.mSettings;
    mySettings.mPrimarySections = MillBoxNumber(kBoxPrimary);
    mySettings.mSecondarySections = MillBoxNumber(kBoxSecondary);
    mySettings.mFrames = std::max(1, MillBoxNumber(kBoxFrames));
    mySettings.mMultiply = MillBoxNumber(kBoxMultiply);
    return mySettings;
}

void MillHueColor(int myValue, int mySections, uint8_t myRgb[3]) {
    const int myX = myValue / std::max(1, mySections);
    const double myHue = (((myX - 86) % 256 + 256) % 256) * 6.0 / 256.0;
    const int mySector = static_cast<int>(std::floor(myHue));
    const double myFraction = myHue - mySector;
    const uint8_t myUp = static_cast<uint8_t>(std::lround(255 * myFraction));
    const uint8_t myDown = static_cast<uint8_t>(std::lround(255 * (1 - myFraction)));
    const uint8_t kSectors[6][3] = {{0, myUp, 255},   {0, 255, myDown}, {myUp, 255, 0},
                                    {255, myDown, 0}, {255, 0, myUp},   {myDown, 0, 255}};
    std::copy(kSectors[mySector], kSectors[mySector] + 3, myRgb);
}

std::vector<uint8_t> MillPreview() {
    std::vector<uint8_t> myPixels(kMillPreviewWidth * kMillPreviewHeight * 3, 255);
    if (!gMill.mOpen) return myPixels;
    // The "2nd Gradient" switch and the frames' spreading play no part in the preview.
    ConvertSettings mySettings = MillSettings();
    mySettings.mSecondGradient = false;
    const ConvertBitmap& myBitmap = gMill.mBitmap;
    const int myFrameWidth = myBitmap.mWidth / std::max(1, mySettings.mFrames);
    int myWidth = 0, myHeight = 0;
    ConvertPreviewSize(myFrameWidth, myBitmap.mHeight, myWidth, myHeight);
    const int myLeft = (kMillPreviewWidth - myWidth) / 2, myTop = (kMillPreviewHeight - myHeight) / 2;
    for (int y = 0; y < myHeight; ++y)
        for (int x = 0; x < myWidth; ++x) {
            const uint8_t* mySource =
                myBitmap.Pixel(static_cast<int>((x + 0.5) * myFrameWidth / myWidth),
                               static_cast<int>((y + 0.5) * myBitmap.mHeight / myHeight));
            uint8_t* myOut = &myPixels[((myTop + y) * kMillPreviewWidth + myLeft + x) * 3];
            int myValue = 0;
            switch (ConvertClassify(mySettings, mySource[0], mySource[1], mySource[2], myValue)) {
            case kClassBlack:
                myOut[0] = myOut[1] = myOut[2] = 0;
                break;
            case kClassTransparent:
                break; // white
            case kClassMask:
            case kClassFixed:
                myOut[0] = mySource[2];
                myOut[1] = mySource[1];
                myOut[2] = mySource[0];
                break;
            case kClassPrimary:
                MillHueColor(myValue, mySettings.mPrimarySections, myOut);
                break;
            case kClassSecondary:
                MillHueColor(myValue, mySettings.mSecondarySections, myOut);
                break;
            }
        }
    return myPixels;
}
