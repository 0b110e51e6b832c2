// The CD master folder: a disc's raves, its song titles and every component the raves use, gathered in the
// layout a disc of the program's own carries, ready to be burnt beside the music.
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/state.h"
#include "core/style_record.h"
#include "core/text_utils.h"
#include "engine/edits.h"
#include "music/disc_files.h"
#include "platform/window.h"
#include "storage/format_bytes.h"
#include "storage/style.h"

namespace {
constexpr int32_t kRaveFileMax = kRaveFileHeader + 1002 + 2 + kEditsMax * (4 + kEditKinds);

void MasterCopyComponent(const std::string& myMaster, const FormatPlace& myKind, const char* myField) {
    char myName[kNameSize + 4] = {};
    std::memcpy(myName, myField, strnlen(myField, kNameSize - 1));
    if (!myName[0] || std::strcmp(myName, "(None)") == 0) return;
    std::strcat(myName, myKind.mExt);
    const std::string myTarget = myMaster + myKind.mFolder + "/";
    if (FileFind(myName, myTarget.c_str()) == 0) return;
    const std::string mySource = std::string(gDirIDOrbex) + myKind.mFolder + "/";
    FileCopyContents(myName, myName, myTarget.c_str(), mySource.c_str());
}

// The component folder a load record's type names, or none (change and beat records, unknown types).
const FormatPlace* MasterKindOfLoad(int8_t myCode) {
    if (myCode < -126) return nullptr;
    int myType, mySlot;
    ExecuteLoadDecode(myCode, myType, mySlot);
    switch (myType) {
    case 0:
        return &kPlaceBrushEffect;
    case 1:
        return &kPlaceGradient;
    case 2:
    case 3:
        return &kPlaceColorEffect;
    case 4:
        return &kPlaceFill;
    case 9:
        return &kPlaceMovement;
    case 10:
        return &kPlaceBrush;
    default:
        return nullptr;
    }
}

// Reads a rave file's start settings and the names its load records carry.
bool MasterReadRave(const std::string& myFolder, const std::string& myName, StyleRecord& myStyle,
                    std::vector<std::pair<int8_t, std::string>>& myLoads) {
    FileHandle myFile = nullptr;
    if (FileOpen(myName.c_str(), myFolder.c_str(), &myFile, false) != 0) return false;
    std::vector<uint8_t> myBytes(static_cast<size_t>(std::min(FileLength(myFile), kRaveFileMax)));
    FileRead(myFile, static_cast<int32_t>(myBytes.size()), myBytes.data());
    FileClose(myFile);
    if (myBytes.size() < 4 || (myBytes[0] != 'r' && myBytes[0] != 'R')) return false;
    const size_t myBody = myBytes[0] == 'r' ? kRaveFileHeader : 4;
    const size_t myLength = myBytes[2] == 1 ? kStyleVersion1Size - kStyleHeaderSize : sizeof(StyleRecord) - 4;
    if (myBytes.size() < myBody + myLength + 2) return false;
    std::memset(&myStyle, 0, sizeof(myStyle));
    std::memcpy(reinterpret_cast<uint8_t*>(&myStyle) + kStyleHeaderSize, myBytes.data() + myBody, myLength);
    myStyle.mFileType = 'S';
    myStyle.mVersion = myBytes[2];
    if (myStyle.mVersion == 1) StyleConvertVersion1(myStyle);
    size_t myAt = myBody + myLength;
    const int myCount = myBytes[myAt] | (myBytes[myAt + 1] << 8);
    myAt += 2;
    for (int i = 0; i < myCount && myAt + 4 + kEditKinds <= myBytes.size(); ++i, myAt += 4 + kEditKinds) {
        const auto myCode = static_cast<int8_t>(myBytes[myAt + 4]);
        if (myCode < -126) continue;
        char myLoaded[kNameSize] = {};
        std::memcpy(myLoaded, myBytes.data() + myAt + 5, kNameSize - 1);
        myLoads.emplace_back(myCode, myLoaded);
    }
    return true;
}

void MasterCopyRaveComponents(const std::string& myMaster, const StyleRecord& myStyle,
                              const std::vector<std::pair<int8_t, std::string>>& myLoads) {
    for (const auto& myName : myStyle.mGradNames)
        MasterCopyComponent(myMaster, kPlaceGradient, myName);
    for (const auto& myName : myStyle.mFillNames)
        MasterCopyComponent(myMaster, kPlaceFill, myName);
    for (const auto& myName : myStyle.mBrushNames)
        MasterCopyComponent(myMaster, kPlaceBrush, myName);
    for (const auto& myName : myStyle.mMoveNames)
        MasterCopyComponent(myMaster, kPlaceMovement, myName);
    MasterCopyComponent(myMaster, kPlaceColorEffect, myStyle.mBrushColorEffect);
    MasterCopyComponent(myMaster, kPlaceColorEffect, myStyle.mFillColorEffect);
    MasterCopyComponent(myMaster, kPlaceBrushEffect, myStyle.mBrushEffect);
    for (const auto& [myCode, myName] : myLoads)
        if (const FormatPlace* myKind = MasterKindOfLoad(myCode))
            MasterCopyComponent(myMaster, *myKind, myName.c_str());
}
} // namespace

std::string FileMasterFolder() {
    return std::string(gDirIDOrbex) + "OrbexCD/";
}

void FileCreateMasterFolder(uint8_t myNew, const char* myName) {
    char myPath[kPathSize];
    if (FileFindDirectory("OrbexCD", gDirIDOrbex, myPath) != 0 &&
        FileCreateDirectory("OrbexCD", gDirIDOrbex, myPath) != 0)
        return;
    const std::string myMaster = FileMasterFolder();
    for (const char* myFolder : {"Raves", "Gradients", "Fills", "Brushes", "Movements", "Effects"})
        FileDeleteFolderItems(myFolder, myMaster.c_str(), myPath, myNew != 0, false);
    const std::string myRaves = myMaster + "Raves/";
    if (myNew) {
        char myFile[kCDNameSize + 4] = {};
        std::memcpy(myFile, myName, strnlen(myName, kCDNameSize - 1));
        MainAddUnderscores(myFile, kCDNameSize);
        std::strcat(myFile, ".cds");
        FileCreate(myFile, myRaves.c_str(), false);
    }
    const std::string myDisc = std::string(gDirIDRave) + gCDDirectory + "/";
    for (int t = 0; t < gTrackTotal && t < kTracksMax; ++t) {
        const CDSet& mySet = gCDSet[t];
        if (!mySet.mName[0]) continue;
        char myFile[kCDNameSize + 8];
        std::snprintf(myFile, sizeof(myFile), "%.*s.%c%02d", kCDNameSize - 1, mySet.mName,
                      mySet.mAttach ? 'R' : 'S', t + 1);
        if (!mySet.mAttach) {
            FileCreate(myFile, myRaves.c_str(), false);
            continue;
        }
        if (FileCopyContents(myFile, myFile, myRaves.c_str(), myDisc.c_str()) != 0) continue;
        StyleRecord myStyle;
        std::vector<std::pair<int8_t, std::string>> myLoads;
        if (MasterReadRave(myDisc, myFile, myStyle, myLoads))
            MasterCopyRaveComponents(myMaster, myStyle, myLoads);
    }
    if (myNew && gStateControlsVisible) WindowInvalidate(kWinControls);
}
