// Styles on disk: a settings record read from its file, from a rave, or from bytes.
#include "storage/style.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/alert.h"
#include "storage/format_bytes.h"
#include "storage/loading.h"

const char* const kStyleLastSession = "Last_Session";

namespace {

// A version 1 record holds four fills; its three effect names sit where version 2 keeps fills 5 and 6 and
// the fill set name.
constexpr size_t kVersion1Effects = offsetof(StyleRecord, mFillNames) + 4 * kNameSize;
constexpr int8_t kVersion1Off = -36;
// The rave form 'r' carries the disc folder, the disc identity and a reserved word before its record.
constexpr int32_t kRaveExtraSize = 44;

} // namespace

int StyleSlot(int8_t myValue, int myCount) {
    return ((myValue - 1) % myCount + myCount) % myCount;
}

void StyleConvertVersion1(StyleRecord& myRecord) {
    auto* myBytes = reinterpret_cast<uint8_t*>(&myRecord);
    myRecord.mVersion = kStyleVersion;
    myRecord.mFrequency = static_cast<int8_t>(myRecord.mFrequency - 5);
    myRecord.mFadeTime = 0;
    myRecord.mScaleThreshold = 25;
    myRecord.mMaxFade = 120;
    // Version 1 kept the tempo where version 2 has two reserved bytes.
    myRecord.mTempo[0] = myRecord.mReserved2[0];
    myRecord.mTempo[1] = myRecord.mReserved2[1];
    myRecord.mReserved2[0] = myRecord.mReserved2[1] = 0;
    myRecord.mFillCount = kFillSlots;
    std::memmove(myRecord.mBrushColorEffect, myBytes + kVersion1Effects, 3 * kNameSize);
    StyleCopy(myRecord.mFillNames[4], "(None)");
    StyleCopy(myRecord.mFillNames[5], "(None)");
    StyleCopy(myRecord.mFillSetName, "(None)");
    for (int c = 0; c < kChannels; ++c) {
        const int myCombined = myRecord.mThreshold[c];
        int myCounter = 1;
        if (myCombined == kVersion1Off) {
            myCounter = 0;
        } else if (myCombined < 0) {
            myCounter = myCombined >= -10 ? -myCombined : -(2 * myCombined + 10);
        }
        myRecord.mThreshold[c] = static_cast<int8_t>(myCombined < 0 ? 0 : myCombined);
        // The widest stored counters would not fit the byte; they stay as rare as the byte allows.
        myRecord.mBeatCounter[c] = static_cast<int8_t>(myCounter > 127 ? 127 : myCounter);
    }
}

bool StyleReadBody(FileHandle myFile, StyleRecord& myRecord) {
    const int myBody = StyleBodySize(myRecord.mVersion);
    if (myBody == 0 || FileLength(myFile) - FileTell(myFile) < myBody) return false;
    FileRead(myFile, myBody, reinterpret_cast<uint8_t*>(&myRecord) + kStyleHeaderSize);
    if (myRecord.mVersion == 1) StyleConvertVersion1(myRecord);
    return true;
}

bool StyleFromBytes(const uint8_t* myData, size_t mySize, StyleRecord& myRecord) {
    std::memset(&myRecord, 0, sizeof(myRecord));
    if (mySize < static_cast<size_t>(kStyleHeaderSize)) return false;
    std::memcpy(&myRecord, myData, kStyleHeaderSize);
    const int myBody = StyleBodySize(myRecord.mVersion);
    if (myBody == 0 || mySize - kStyleHeaderSize < static_cast<size_t>(myBody)) return false;
    std::memcpy(reinterpret_cast<uint8_t*>(&myRecord) + kStyleHeaderSize, myData + kStyleHeaderSize,
                static_cast<size_t>(myBody));
    if (myRecord.mVersion == 1) StyleConvertVersion1(myRecord);
    return true;
}

bool StyleReadFile(const char* myName, StyleRecord& myRecord) {
    char myFileName[kPathSize], myFolder[kPathSize];
    FileHandle myFile = nullptr;
    if (LoadCopyFileName(myName, myFileName, myFolder, kPlaceStyle.mFolder, kPlaceStyle.mExt) ||
        FileOpen(myFileName, myFolder, &myFile, false) != 0)
        return true;
    StyleRecord myRead;
    std::memset(&myRead, 0, sizeof(myRead));
    FileRead(myFile, kStyleHeaderSize, &myRead);
    const bool myValid = myRead.mFileType == kTypeStyle && StyleReadBody(myFile, myRead);
    FileClose(myFile);
    if (myValid) {
        myRecord = myRead;
        return true;
    }
    MainOpenFileAlert("Not a valid style file!", std::string(myFolder) + myFileName);
    return std::strcmp(myName, kStyleLastSession) == 0;
}

bool StyleCheckFile(const char* myName, std::string& myError) {
    char myFileName[kPathSize] = "", myFolder[kPathSize] = "";
    FileHandle myFile = nullptr;
    if (LoadCopyFileName(myName, myFileName, myFolder, kPlaceStyle.mFolder, kPlaceStyle.mExt) ||
        FileOpen(myFileName, myFolder, &myFile, false) != 0) {
        myError = std::string("no style ") + myName + " in " + kPlaceStyle.mFolder;
        // A typo is easier to see beside the names that are there.
        std::vector<std::string> myNames;
        FileListNames(myFolder, kPlaceStyle.mExt, myNames);
        for (size_t i = 0; i < myNames.size() && i < 12; ++i)
            myError += (i ? ", " : " (there are ") + myNames[i].substr(0, myNames[i].size() - 4);
        if (!myNames.empty()) myError += myNames.size() > 12 ? ", ...)" : ")";
        return false;
    }
    // A record is far shorter than this; what lies beyond it is never read.
    std::vector<uint8_t> myBytes(static_cast<size_t>(std::clamp(FileLength(myFile), 0, 65536)));
    FileRead(myFile, static_cast<int32_t>(myBytes.size()), myBytes.data());
    const std::string myPath = FilePath(myFile);
    FileClose(myFile);
    StyleRecord myRecord;
    if (!myBytes.empty() && myBytes[0] == kTypeStyle &&
        StyleFromBytes(myBytes.data(), myBytes.size(), myRecord))
        return true;
    myError = myPath + ": Not a valid style file!";
    return false;
}

bool StyleReadRave(FileHandle myRave, StyleRecord& myRecord) {
    if (!myRave) return false;
    StyleRecord myRead;
    std::memset(&myRead, 0, sizeof(myRead));
    FileRead(myRave, kStyleHeaderSize, &myRead);
    if (myRead.mFileType == 'r')
        FileSeek(myRave, kRaveExtraSize, 1);
    else if (myRead.mFileType != 'R')
        return false;
    myRead.mFileType = kTypeStyle;
    if (!StyleReadBody(myRave, myRead)) return false;
    myRecord = myRead;
    return true;
}
