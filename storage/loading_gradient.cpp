// Loading a gradient file into a gradient slot, or the fallback ramp when it cannot be read.
#include <cstddef>
#include <cstring>

#include "core/alert.h"
#include "core/state.h"
#include "platform/window.h"
#include "storage/loading.h"

bool LoadGradient(const char* myName, char mySlot, uint8_t myRecord, uint8_t myRedraw, StyleRecord* myStyle,
                  uint8_t myQuiet) {
    StyleRecord& myRecordStyle = myStyle ? *myStyle : gStyle;
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kGradSlots;
    char* myField = myRecordStyle.mGradNames[mySlotIndex];
    char myLoadName[kNameSize];
    LoadPickName(myLoadName, myName, myField);
    const bool myWantedNone = std::strcmp(myLoadName, kNoName) == 0;
    GradientData& myGrad = gGradData[mySlotIndex];

    char myFileName[kPathSize], myFolder[kPathSize];
    bool myLoaded = false;
    if (!LoadCopyFileName(myLoadName, myFileName, myFolder, kPlaceGradient.mFolder, kPlaceGradient.mExt)) {
        FileHandle myFile = nullptr;
        if (LoadOpenFile(myFileName, myFolder, &myFile) == 0) {
            GradientHeader myHeader = {};
            FileRead(myFile, kGradientHeaderSize, &myHeader);
            if (!LoadCheckHeader(myHeader.mHeader, kTypeGradient, kTypeGradient, myFile, myQuiet))
                return false;
            if (FileLength(myFile) < kGradientFileSize) {
                FileClose(myFile);
                if (!myQuiet) MainOpenFileAlert("Not a valid file!", std::string(myFolder) + myFileName);
                return false;
            }
            FileRead(myFile, sizeof(GradientData), &myGrad);
            FileClose(myFile);
            myLoaded = true;
        }
    }
    if (!myLoaded) {
        LoadDefaultGradient(myGrad.mBrushGrad, kGradientColors);
        LoadDefaultGradient(myGrad.mFillGrad, kGradientColors);
        if (!myWantedNone && !myQuiet) MainOpenAlert("Unable to open or find gradient!");
        std::strcpy(myLoadName, kNoName);
    }
    if (!gStartUp) {
        LoadUpdateSettings(kComponentGradient,
                           static_cast<uint16_t>(offsetof(StyleRecord, mGradNames) + kNameSize * mySlotIndex),
                           myLoadName, myField, static_cast<char>(mySlotIndex + 1), myRecord);
        StyleCopy(myRecordStyle.mGradSetName, kNoName);
    } else {
        StyleCopy(myField, myLoadName);
    }
    if (myRedraw && gStateControlsVisible) WindowInvalidate(kWinControls);
    return myLoaded || myWantedNone;
}
