// Styles on disk: a settings record read from its file or from a rave.
#include "storage/style.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/alert.h"
#include "storage/format_bytes.h"
#include "storage/loading.h"

const char* const kStyleLastSession = "Last_Session";

namespace {

// The rave form 'r' carries the disc folder, the disc identity and a reserved word before its record.
constexpr int32_t kRaveExtraSize = 44;

} // namespace

bool StyleReadBody(FileHandle myFile, StyleRecord& myRecord) {
    const int myBody = StyleBodySize(myRecord.mVersion);
    if (myBody == 0 || FileLength(myFile) - FileTell(myFile) < myBody) return false;
    FileRead(myFile, myBody, reinterpret_cast<uint8_t*>(&myRecord) + kStyleHeaderSize);
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
