// The steps every component loader shares: names and folders, headers, program blocks, icons, memory limits
// and the bookkeeping of what was loaded.
#include "storage/loading.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/alert.h"
#include "core/display.h"
#include "core/state.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "storage/decode.h"

LoadHooks gLoadHooks;

void LoadPickName(char* myOut, const char* myName, const char* myField) {
    const char* mySource = gStartUp || !myName ? myField : myName;
    std::memset(myOut, 0, kNameSize);
    std::memcpy(myOut, mySource, strnlen(mySource, kNameSize - 1));
}

bool LoadCopyFileName(const char* myStyleName, char* myFileName, char* myFolder, const char* myKindFolder,
                      const char* myExt) {
    if (std::strncmp(myStyleName, kNoName, kNameSize) == 0) return true;
    std::snprintf(myFileName, kPathSize, "%.*s%s", kNameSize - 1, myStyleName, myExt);
    const std::string myPath = std::string(gDirIDOrbex) + myKindFolder + "/";
    // A folder path too long for the disk layer names nothing it could open.
    const bool myFits = myPath.size() < static_cast<size_t>(kPathSize);
    std::snprintf(myFolder, kPathSize, "%s", myFits ? myPath.c_str() : "");
    if (!myFits) myFileName[0] = 0;
    return false;
}

int16_t LoadOpenFile(const char* myFileName, const char* myFolder, FileHandle* myFile) {
    return FileOpen(myFileName, myFolder, myFile, false);
}

bool LoadCheckHeader(const ComponentHeader& myHeader, char myType1, char myType2, FileHandle myFile,
                     uint8_t myQuiet) {
    const char myType = static_cast<char>(myHeader.mType);
    if (myType == myType1 || myType == myType2) return true;
    LoadRefuse(myFile, myQuiet);
    return false;
}

bool LoadIconImage(FileHandle myFile, int32_t mySize, const Rect& myIconRect, Surface& myDest,
                   const Rect& myDestRect, uint8_t myBackground, uint8_t myRemap) {
    Surface& myPreview = gWorldPreview;
    int myWidth = myIconRect.Width();
    int myHeight = myIconRect.Height();
    if (!myPreview.Exists() || myWidth > myPreview.mWidth || myHeight > myPreview.mHeight || mySize <= 0 ||
        static_cast<size_t>(mySize) > myPreview.mPixels.size())
        return false;
    std::fill(myPreview.mPixels.begin(), myPreview.mPixels.end(), uint8_t{0});
    FileRead(myFile, mySize, myPreview.mPixels.data());
    const bool myMovement = myWidth == kMoveIconSide && myHeight == kMoveIconSide;
    const bool myDecoded = myMovement ? LoadDecodeMoveIcon(myPreview, mySize)
                                      : BitmapDecodePixels(myPreview, mySize, myWidth, myHeight);
    if (myDestRect.Width() < myWidth) {
        LoadReduceIcon(myPreview, myWidth, myHeight);
        myWidth /= 2;
        myHeight /= 2;
    }
    if (myRemap) LoadRemapIcon(myPreview, myWidth, myHeight, myIconRect.Width() == kFillIconWidth);
    SurfaceFill(myDest, myDestRect, myBackground);
    const int myKey = myPreview.mColorKey;
    SurfaceSetColorKey(myPreview, kPixelTransparent);
    SurfaceCopyKeyed(myDest, myDestRect.left, myDestRect.top, myPreview,
                     {0, 0, std::min(myWidth, myDestRect.Width()), std::min(myHeight, myDestRect.Height())});
    SurfaceSetColorKey(myPreview, myKey);
    return myDecoded;
}

void LoadDefaultGradient(uint8_t* myGrad, uint8_t myCount) {
    for (int i = 0; i < myCount; ++i) {
        const int myRed = (90 - 2 * i) * 255 / 90;
        myGrad[3 * i] = static_cast<uint8_t>(myRed < 0 ? -myRed : myRed);
        myGrad[3 * i + 1] = 0;
        myGrad[3 * i + 2] = 0;
    }
}

int64_t LoadGetMaxMemory(int64_t myCurrent) {
    return std::max(myCurrent, PlatformAvailableMemory());
}

void LoadUpdateSettings(char myType, uint16_t myOffset, const char* myName, char* myDest, char mySlot,
                        uint8_t myRecord) {
    char myCopy[kNameSize];
    std::memset(myCopy, 0, kNameSize);
    std::memcpy(myCopy, myName, strnlen(myName, kNameSize - 1));
    StyleCopy(myDest, myCopy);
    if (myRecord != 0 && gLoadHooks.mRecord) gLoadHooks.mRecord(myType, myOffset, myCopy, mySlot, myRecord);
}

FileHandle LoadOpen(const LoadPlan& myPlan, const char* myName, char* myLoadName, uint8_t myQuiet) {
    LoadPickName(myLoadName, myName, myPlan.mField);
    char myFileName[kPathSize], myFolder[kPathSize];
    if (LoadCopyFileName(myLoadName, myFileName, myFolder, myPlan.mPlace.mFolder, myPlan.mPlace.mExt))
        return nullptr;
    FileHandle myFile = nullptr;
    if (LoadOpenFile(myFileName, myFolder, &myFile) == 0) return myFile;
    if (!myQuiet) MainOpenAlert((std::string("Unable to open or find ") + myPlan.mWhat + "!").c_str());
    return nullptr;
}

LoadOutcome LoadRefuse(FileHandle myFile, uint8_t myQuiet) {
    if (!myQuiet) MainOpenFileAlert("Not a valid file!", FilePath(myFile));
    FileClose(myFile);
    return kLoadRefused;
}

void LoadFinish(const LoadPlan& myPlan, const char* myLoadName, uint8_t myRecord, uint8_t myRedraw) {
    if (!gStartUp) {
        LoadUpdateSettings(myPlan.mType, myPlan.mOffset, myLoadName, myPlan.mField, myPlan.mSlot, myRecord);
        if (myPlan.mSetName) StyleCopy(myPlan.mSetName, kNoName);
    } else {
        StyleCopy(myPlan.mField, myLoadName);
    }
    if (myRedraw && gStateControlsVisible) WindowInvalidate(kWinControls);
}

void LoadFillBlack(Surface& myThumb, int myWidth, int myHeight) {
    if (myThumb.mWidth != myWidth || myThumb.mHeight != myHeight) SurfaceCreate(myThumb, myWidth, myHeight);
    SurfaceFill(myThumb, {0, 0, myWidth, myHeight}, kPixelBlack);
}
