// The files of a disc inside "Raves": the disc's folder named by its RaveSet and code, the RaveSet (".cds")
// and the rave files of its tracks, written and read byte for byte, and the popups' saves and loads.
#include "music/disc_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/alert.h"
#include "core/state.h"
#include "core/style_record.h"
#include "core/text_utils.h"
#include "engine/edits.h"
#include "engine/style_apply.h"
#include "music/rave.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "storage/style.h"

char gCDName[kCDNameSize] = "No CD";
char gCDDirectory[kCDDirectorySize] = "0000";
CDSet gCDSet[kTracksMax] = {};
uint8_t gStateCDAttach = 0;
char gDirIDOrbexCD[kPathSize] = "";

namespace {
constexpr int kRaveRecordBytes = 4 + kEditKinds;
constexpr int32_t kCDFileMax = kCDFileHeader + kTracksMax * static_cast<int32_t>(sizeof(CDSet));

// A name typed or read from a file or a disc stays a name: nothing that would lead out of its folder.
bool FileSafeName(const char* myName) {
    return myName && *myName && !std::strchr(myName, '/') && !std::strchr(myName, '\\') &&
           !std::strstr(myName, "..");
}

void FileCopyName(char* myDest, const char* mySource, size_t mySize) {
    std::memset(myDest, 0, mySize);
    std::snprintf(myDest, mySize, "%.*s", static_cast<int>(mySize - 1), mySource);
}

std::string FileDiscFolder() {
    return std::string(gDirIDRave) + gCDDirectory + "/";
}

// A path of FileCreateName as the disk layer takes it: the folder it lies in and the file's own name.
bool FileSplitRavePath(const char* myPath, std::string& myFolder, std::string& myName) {
    const char* mySlash = std::strchr(myPath, '/');
    if (!mySlash) return false;
    myFolder = std::string(gDirIDRave) + std::string(myPath, mySlash) + "/";
    myName = mySlash + 1;
    return FileSafeName(myName.c_str());
}

// The file name of a track's rave or of a RaveSet, built as FileCreateName builds it for that popup.
bool FileDiscPath(uint16_t myPopup, const char* myTitle, std::string& myFolder, std::string& myName) {
    char myCopy[kCDNameSize];
    FileCopyName(myCopy, myTitle, sizeof(myCopy));
    char myPath[kPathSize] = "";
    FileCreateName(myPath, myCopy, myPopup);
    return FileSafeName(myCopy) && FileSplitRavePath(myPath, myFolder, myName);
}

// Writes a disc file whole, making the disc's folder when it is missing. A failure is reported and beeps.
bool FileWriteDiscFile(const std::string& myName, const std::vector<uint8_t>& myBytes) {
    const std::string myFolder = FileDiscFolder();
    int16_t myCode =
        FileReplace(myName.c_str(), myFolder.c_str(), myBytes.data(), static_cast<int32_t>(myBytes.size()));
    if (myCode == kFileNotFound) {
        FileCreateDirectory(gCDDirectory, gDirIDRave, nullptr);
        myCode = FileReplace(myName.c_str(), myFolder.c_str(), myBytes.data(),
                             static_cast<int32_t>(myBytes.size()));
    }
    if (myCode == 0) return true;
    MainCheckErrors(myCode);
    PlatformBeep();
    return false;
}

void FileRedrawRaveBox() {
    if (gStateControlsVisible) WindowInvalidate(kWinControls);
}

void FilePutLE(uint8_t* myAt, uint32_t myValue, int mySize) {
    for (int i = 0; i < mySize; ++i)
        myAt[i] = static_cast<uint8_t>(myValue >> (8 * i));
}
} // namespace

void FileCreateName(char* myPath, char* myName, uint16_t myPopup) {
    MainAddUnderscores(myName, static_cast<int>(std::strlen(myName)));
    const char* myPrefix = "";
    const char* myExt = "";
    switch (myPopup) {
    case kPopupStyle:
    case kPopupLastSession:
        myPrefix = "Styles/";
        myExt = ".sty";
        break;
    case kPopupRave:
        myExt = gRaveExt;
        break;
    case kPopupCDFile:
        myExt = ".cds";
        break;
    case kPopupGradientSet:
        myPrefix = "Settings/";
        myExt = ".gst";
        break;
    case kPopupFillSet:
        myPrefix = "Settings/";
        myExt = ".fst";
        break;
    case kPopupBrushSet:
        myPrefix = "Settings/";
        myExt = ".bst";
        break;
    case kPopupMoveSet:
        myPrefix = "Settings/";
        myExt = ".mst";
        break;
    default:
        break;
    }
    const size_t myUsed = std::strlen(myPath);
    if (myUsed >= static_cast<size_t>(kPathSize)) return;
    if (myPopup == kPopupRave || myPopup == kPopupCDFile)
        std::snprintf(myPath + myUsed, kPathSize - myUsed, "%s/%s%s", gCDDirectory, myName, myExt);
    else
        std::snprintf(myPath + myUsed, kPathSize - myUsed, "%s%s%s", myPrefix, myName, myExt);
}

int16_t FileOpenRave(const char* myTitle, FileHandle* myFile) {
    std::string myFolder, myName;
    *myFile = nullptr;
    if (!FileDiscPath(kPopupRave, myTitle, myFolder, myName)) return kFileNotFound;
    return FileOpen(myName.c_str(), myFolder.c_str(), myFile, false);
}

std::vector<uint8_t> FileRaveBytes() {
    // The records as they follow each other in time, from the start record on.
    std::vector<int> myChain;
    for (int i = 0; i >= 0 && i < kEditsEnd && static_cast<int>(myChain.size()) < gEditsTotal;
         i = gEditsList[i].mNext)
        myChain.push_back(i);
    const size_t myRecords = kRaveFileHeader + sizeof(StyleRecord) - kStyleHeaderSize;
    std::vector<uint8_t> myBytes(myRecords + 2 + myChain.size() * kRaveRecordBytes, 0);
    const uint8_t myHeader[4] = {'r', 0, 2, 16};
    std::memcpy(myBytes.data(), myHeader, 4);
    std::memcpy(myBytes.data() + 4, gCDDirectory, strnlen(gCDDirectory, 32));
    std::memcpy(myBytes.data() + 36, gDiskID, strnlen(gDiskID, 8));
    std::memcpy(myBytes.data() + kRaveFileHeader,
                reinterpret_cast<const uint8_t*>(&gStyleStart) + kStyleHeaderSize,
                sizeof(StyleRecord) - kStyleHeaderSize);
    FilePutLE(myBytes.data() + myRecords, static_cast<uint32_t>(myChain.size()), 2);
    uint8_t* myAt = myBytes.data() + myRecords + 2;
    for (int myIndex : myChain) {
        FilePutLE(myAt, gEditsList[myIndex].mTime, 4);
        std::memcpy(myAt + 4, gEditsList[myIndex].mEdits, kEditKinds);
        myAt += kRaveRecordBytes;
    }
    return myBytes;
}

std::vector<uint8_t> FileCDBytes() {
    const int myTracks = std::clamp<int>(gTrackTotal, 0, kTracksMax);
    std::vector<uint8_t> myBytes(kCDFileHeader + static_cast<size_t>(myTracks) * sizeof(CDSet), 0);
    const uint8_t myHeader[4] = {'l', 0, 2, kCDNameSize};
    std::memcpy(myBytes.data(), myHeader, 4);
    std::memcpy(myBytes.data() + 4, gCDCode, strnlen(gCDCode, 4));
    std::memcpy(myBytes.data() + 8, gDiskID, strnlen(gDiskID, 8));
    std::memcpy(myBytes.data() + kCDFileHeader, gCDSet, static_cast<size_t>(myTracks) * sizeof(CDSet));
    return myBytes;
}

bool FileReadCDBytes(const uint8_t* myBytes, size_t mySize) {
    if (mySize < 1 || (myBytes[0] != 'l' && myBytes[0] != 'L')) return false;
    // The older form lacks the disc's code and identifier.
    const size_t myFirst = myBytes[0] == 'l' ? kCDFileHeader : 4;
    std::memset(gCDSet, 0, sizeof(gCDSet));
    const int myTracks = std::clamp<int>(gTrackTotal, 0, kTracksMax);
    for (int t = 0; t < myTracks; ++t) {
        const size_t myAt = myFirst + static_cast<size_t>(t) * sizeof(CDSet);
        if (myAt >= mySize) break;
        std::memcpy(&gCDSet[t], myBytes + myAt, std::min(sizeof(CDSet), mySize - myAt));
        gCDSet[t].mAttach = gCDSet[t].mAttach ? 1 : 0;
        gCDSet[t].mName[kCDNameSize - 1] = 0;
        // A rave needs a name to be found by.
        if (!FileSafeName(gCDSet[t].mName)) gCDSet[t].mAttach = 0;
    }
    return true;
}

bool FileSaveCDFile(const char* myName) {
    char myCopy[kCDNameSize];
    FileCopyName(myCopy, myName, sizeof(myCopy));
    MainAddUnderscores(myCopy, kCDNameSize);
    if (!FileSafeName(myCopy)) return false;
    FileRenameCDDirectory(myCopy, 0);
    gStateCDAttach = 1;
    return FileWriteDiscFile(std::string(myCopy) + ".cds", FileCDBytes());
}

bool FileSaveRave(const char* myName, uint8_t myTitleOnly) {
    const int myTrack = gTrackCurrent;
    if (myTrack < 0 || myTrack >= gTrackTotal || myTrack >= kTracksMax) return false;
    CDSet& mySet = gCDSet[myTrack];
    char myTitle[kCDNameSize];
    FileCopyName(myTitle, myName, sizeof(myTitle));
    std::string myFolder, myFile;
    if (!FileDiscPath(kPopupRave, myTitle, myFolder, myFile)) return false;
    MainAddUnderscores(myTitle, kCDNameSize);
    if (myTitleOnly) {
        // Only the title changes: a rave the track has keeps its content under the new name.
        if (mySet.mAttach && !FileRenameRave(myFile.c_str())) return false;
        FileCopyName(mySet.mName, myTitle, sizeof(mySet.mName));
        return FileSaveCDFile(gCDName);
    }
    // The user's own settings, while this rave drives the picture, are those of the song's start.
    if (!mySet.mAttach) std::memcpy(&gStyleLast, &gStyleStart, sizeof(StyleRecord));
    // The disc's folder takes the disc's name before the rave is written, so the rave names the folder it
    // lies in and reads back as it was written.
    char myDisc[kCDNameSize];
    FileCopyName(myDisc, gCDName, sizeof(myDisc));
    MainAddUnderscores(myDisc, kCDNameSize);
    FileRenameCDDirectory(myDisc, 0);
    if (!FileWriteDiscFile(myFile, FileRaveBytes())) return false;
    mySet.mAttach = 1;
    FileCopyName(mySet.mName, myTitle, sizeof(mySet.mName));
    gStateRaveOnDisk = 1;
    FileRedrawRaveBox();
    return FileSaveCDFile(gCDName);
}

bool FileLoadCDFile(const char* myName) {
    std::string myFolder, myFile;
    FileHandle myHandle = nullptr;
    if (!FileDiscPath(kPopupCDFile, myName, myFolder, myFile) ||
        FileOpen(myFile.c_str(), myFolder.c_str(), &myHandle, false) != 0) {
        FileRenameCDDirectory("", 1);
        return false;
    }
    std::vector<uint8_t> myBytes(static_cast<size_t>(std::min(FileLength(myHandle), kCDFileMax)));
    FileRead(myHandle, static_cast<int32_t>(myBytes.size()), myBytes.data());
    FileClose(myHandle);
    if (!FileReadCDBytes(myBytes.data(), myBytes.size())) {
        MainOpenFileAlert("Not a valid CD file!", myFolder + myFile);
        if (gStartUp) FileRenameCDDirectory("", 1);
        return false;
    }
    char myCopy[kCDNameSize];
    FileCopyName(myCopy, myName, sizeof(myCopy));
    MainAddUnderscores(myCopy, kCDNameSize);
    if (std::strncmp(myCopy, gCDName, kCDNameSize) != 0) FileRenameCDDirectory(myCopy, 0);
    gStateCDAttach = 1;
    return true;
}

bool FileLoadRave(const char* myName) {
    const int myTrack = gTrackCurrent;
    if (myTrack < 0 || myTrack >= gTrackTotal || myTrack >= kTracksMax || !FileSafeName(myName)) return false;
    gCDSet[myTrack].mAttach = 1;
    FileCopyName(gCDSet[myTrack].mName, myName, sizeof(gCDSet[myTrack].mName));
    MainAddUnderscores(gCDSet[myTrack].mName, kCDNameSize);
    FileSaveCDFile(gCDName);
    MusicPlay(myTrack, 0);
    return gCDSet[myTrack].mAttach != 0;
}

void FileRenameCDDirectory(const char* myName, uint8_t myReset) {
    char myOld[kCDDirectorySize];
    FileCopyName(myOld, gCDDirectory, sizeof(myOld));
    if (myReset) {
        FileCopyName(gCDDirectory, gCDCode, sizeof(gCDDirectory));
        std::strcpy(gCDName, gStateCD ? "Unknown CD" : "No CD");
        gStateCDAttach = 0;
        std::memset(gCDSet, 0, sizeof(gCDSet));
    } else {
        if (!FileSafeName(myName) || strnlen(myName, kCDNameSize) >= static_cast<size_t>(kCDNameSize)) return;
        FileCopyName(gCDName, myName, sizeof(gCDName));
        std::snprintf(gCDDirectory, sizeof(gCDDirectory), "%s%s", gCDName, gCDCode);
    }
    if (std::strcmp(myOld, gCDDirectory) == 0) return;
    // When the folder cannot take its new name (another disc's folder has it), the raves stay where they are
    // found.
    if (FileRename(myOld, gCDDirectory, gDirIDRave) != 0 && FileFind(myOld, gDirIDRave) == 0)
        FileCopyName(gCDDirectory, myOld, sizeof(gCDDirectory));
}

bool FileRenameRave(const char* myNewFileName) {
    const int myTrack = gTrackCurrent;
    if (myTrack < 0 || myTrack >= kTracksMax || !FileSafeName(myNewFileName)) return false;
    std::string myFolder, myName;
    if (!FileDiscPath(kPopupRave, gCDSet[myTrack].mName, myFolder, myName)) return false;
    const int16_t myCode = FileRename(myName.c_str(), myNewFileName, myFolder.c_str());
    if (myCode == 0) return true;
    MainCheckErrors(myCode);
    PlatformBeep();
    return false;
}

void MusicLoadCD() {
    gStateCDAttach = 0;
    std::strcpy(gCDName, gStateCD ? "Unknown CD" : "No CD");
    FileCopyName(gCDDirectory, gCDCode, sizeof(gCDDirectory));
    // Without a rave folder (nothing set up yet) there is nothing to find or make.
    if (!gDirIDRave[0]) return;
    std::vector<std::string> myFolders;
    FileListFolders(gDirIDRave, myFolders);
    bool myFound = false;
    for (const std::string& myFolder : myFolders) {
        if (myFolder.size() < 4 || myFolder.size() >= static_cast<size_t>(kCDDirectorySize) ||
            myFolder.compare(myFolder.size() - 4, 4, gCDCode) != 0)
            continue;
        FileCopyName(gCDDirectory, myFolder.c_str(), sizeof(gCDDirectory));
        if (myFolder.size() > 4) {
            FileCopyName(gCDName, myFolder.substr(0, myFolder.size() - 4).c_str(), sizeof(gCDName));
            FileLoadCDFile(gCDName);
        }
        myFound = true;
        break;
    }
    if (!myFound) {
        const int16_t myCode = FileCreateDirectory(gCDCode, gDirIDRave, nullptr);
        if (myCode != 0 && FileFind(gCDCode, gDirIDRave) != 0) {
            MainCheckErrors(myCode);
            PlatformBeep();
        }
    }
    if (gDataFlag) MusicGetRaves(gStateCDAttach);
}

void MusicGetRaves(uint8_t myLoaded) {
    if (!gDirIDOrbexCD[0]) return;
    const std::string myRaves = std::string(gDirIDOrbexCD) + "Raves/";
    std::vector<std::string> myNames;
    FileListNames(myRaves.c_str(), "", myNames);
    std::string myDisc;
    bool myAny = false;
    for (const std::string& myName : myNames) {
        const size_t myDot = myName.size() - 4;
        if (myName.size() <= 4 || myName[myDot] != '.') continue;
        const std::string myTitle = myName.substr(0, myDot);
        const char myKind = myName[myDot + 1];
        if (myKind == 'C' || myKind == 'c') {
            myDisc = myTitle;
            myAny = true;
            continue;
        }
        const char myTens = myName[myDot + 2], myOnes = myName[myDot + 3];
        if (myTens < '0' || myTens > '9' || myOnes < '0' || myOnes > '9') continue;
        const int myTrack = (myTens - '0') * 10 + (myOnes - '0') - 1;
        if (myTrack < 0 || myTrack >= gTrackTotal || myTrack >= kTracksMax ||
            myTitle.size() >= static_cast<size_t>(kCDNameSize) || !FileSafeName(myTitle.c_str()))
            continue;
        if (myKind == 'R') {
            myAny = true;
            if (!myLoaded) {
                gCDSet[myTrack].mAttach = 1;
                FileCopyName(gCDSet[myTrack].mName, myTitle.c_str(), sizeof(gCDSet[myTrack].mName));
            }
            const std::string myFolder = FileDiscFolder();
            if (FileFind(myName.c_str(), myFolder.c_str()) != 0) {
                FileCreateDirectory(gCDDirectory, gDirIDRave, nullptr);
                FileCopyContents(myName.c_str(), myName.c_str(), myFolder.c_str(), myRaves.c_str());
            }
        } else if (myKind == 'S') {
            myAny = true;
            if (!myLoaded)
                FileCopyName(gCDSet[myTrack].mName, myTitle.c_str(), sizeof(gCDSet[myTrack].mName));
        }
    }
    if (myLoaded || !myAny || myDisc.empty() || myDisc.size() >= static_cast<size_t>(kCDNameSize)) return;
    FileSaveCDFile(myDisc.c_str());
}

void MusicDetachRave() {
    if (gTrackCurrent >= 0 && gTrackCurrent < kTracksMax) gCDSet[gTrackCurrent].mAttach = 0;
}

void MusicDiscFilesResetState() {
    std::strcpy(gCDName, "No CD");
    std::strcpy(gCDDirectory, "0000");
    std::memset(gCDSet, 0, sizeof(gCDSet));
    gStateCDAttach = 0;
    std::memset(gDirIDOrbexCD, 0, sizeof(gDirIDOrbexCD));
}
