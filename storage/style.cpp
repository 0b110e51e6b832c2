// Styles on disk: a settings record read from its file or from a rave.
#include "storage/style.h"

#include <cstring>

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
    MainOpenAlert("Not a valid style file!");
    return std::strcmp(myName, kStyleLastSession) == 0;
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
