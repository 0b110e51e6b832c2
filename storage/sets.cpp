// Sets on disk: sections of the settings record written as they lie, and read back into a record.
#include "storage/sets.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/alert.h"
#include "storage/file_disk.h"
#include "storage/loading.h"

char* StyleSetNameField(char myKind) {
    switch (myKind) {
    case kSetGradient:
        return gStyle.mGradSetName;
    case kSetFill:
        return gStyle.mFillSetName;
    case kSetMove:
        return gStyle.mMoveSetName;
    default:
        return gStyle.mBrushSetName;
    }
}

bool StyleReadSet(const SetFormat& myFormat, const char* myName, SetImage& myImage) {
    char myFileName[kPathSize], myFolder[kPathSize];
    FileHandle myFile = nullptr;
    if (!myName || LoadCopyFileName(myName, myFileName, myFolder, kSetFolder, myFormat.mExt) ||
        FileOpen(myFileName, myFolder, &myFile, false) != 0) {
        MainOpenAlert("Unable to load file set!");
        return false;
    }
    // No set is larger than a brush set; what lies beyond it is never read.
    std::vector<uint8_t> myBytes(static_cast<size_t>(std::min<int32_t>(FileLength(myFile), kSetSizeBrush)),
                                 0);
    FileRead(myFile, static_cast<int32_t>(myBytes.size()), myBytes.data());
    FileClose(myFile);
    const bool myValid = StyleSetFromBytes(myFormat, myBytes.data(), myBytes.size(), myImage);
    if (!myValid) MainOpenFileAlert(myFormat.mInvalid, std::string(myFolder) + myFileName);
    return myValid;
}

bool StyleSaveSet(char myKind, const char* myName) {
    const SetFormat* myFormat = SetFindFormat(myKind);
    if (!myFormat || !myName || !*myName) return false;
    const std::vector<uint8_t> myBytes = StyleSetBytes(*myFormat, gStyle);
    if (!FileSaveInFolder(kSetFolder, myName, myFormat->mExt, myBytes.data(),
                          static_cast<int32_t>(myBytes.size())))
        return false;
    StyleCopy(StyleSetNameField(myKind), myName);
    return true;
}
