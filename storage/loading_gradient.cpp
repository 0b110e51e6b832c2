// Loading a gradient file into a gradient slot, or the fallback ramp when it cannot be read.
#include <cstddef>
#include <cstring>

#include "core/alert.h"
#include "storage/loading.h"

bool LoadGradient(const char* myName, char mySlot, uint8_t myRecord, uint8_t myRedraw, StyleRecord* myStyle,
                  uint8_t myQuiet) {
    StyleRecord& myRecordStyle = myStyle ? *myStyle : gStyle;
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kGradSlots;
    GradientData& myGrad = gGradData[mySlotIndex];
    const LoadPlan myPlan = {
        "gradient",
        kPlaceGradient,
        kComponentGradient,
        myRecordStyle.mGradNames[mySlotIndex],
        static_cast<uint16_t>(offsetof(StyleRecord, mGradNames) + kNameSize * mySlotIndex),
        static_cast<char>(mySlotIndex + 1),
        myRecordStyle.mGradSetName};
    auto myRead = [&](FileHandle myFile) {
        GradientHeader myHeader = {};
        FileRead(myFile, kGradientHeaderSize, &myHeader);
        if (!LoadCheckHeader(myHeader.mHeader, kTypeGradient, kTypeGradient, myFile, myQuiet))
            return kLoadRefused;
        if (FileLength(myFile) < kGradientFileSize) return LoadRefuse(myFile, myQuiet);
        FileRead(myFile, sizeof(GradientData), &myGrad);
        FileClose(myFile);
        return kLoadDone;
    };
    // A slot without a gradient shows the fallback ramp.
    auto myFinish = [&](bool myLoaded) {
        if (myLoaded) return;
        LoadDefaultGradient(myGrad.mBrushGrad, kGradientColors);
        LoadDefaultGradient(myGrad.mFillGrad, kGradientColors);
    };
    return LoadComponent(myPlan, myName, myRecord, myRedraw, myQuiet, myRead, myFinish);
}
