// The disc's menus: the drive, the song and rave box, the CD name box with its RaveSets and master folder,
// and deleting what the delete lists name.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "controls/draw.h"
#include "controls/file_popup.h"
#include "controls/mousekey.h"
#include "controls/popup.h"
#include "controls/popup_parts.h"
#include "controls/popup_state.h"
#include "core/alert.h"
#include "core/state.h"
#include "core/style_record.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "platform/cdaudio.h"
#include "platform/players.h"
#include "storage/file.h"
#include "storage/pop_list.h"

namespace {

// The drives and the desktop players the drive menu listed, by item.
std::vector<std::string> sSources;
std::vector<std::string> sPlayers;

bool PopTrackHasRave() {
    return gTrackCurrent >= 0 && gTrackCurrent < gTrackTotal && gTrackCurrent < kTracksMax &&
           gCDSet[gTrackCurrent].mAttach;
}

std::string PopTrackTitle() {
    if (gTrackCurrent < 0 || gTrackCurrent >= gTrackTotal || gTrackCurrent >= kTracksMax) return {};
    const char* myName = gCDSet[gTrackCurrent].mName;
    return std::string(myName, strnlen(myName, kCDNameSize - 1));
}

// The RaveSet saved under the disc's name, as after any change of the tracks' raves.
void PopSaveRaveSet() {
    const uint16_t myPopup = gPopup;
    FileSaveAs(kPopupCDFile, gCDName);
    gPopup = myPopup;
}

// The song stops and its rave lets go; the rave's name stays as the song's title.
void PopDetachRave() {
    MusicStop(0, 1);
    MusicDetachRave();
    PopSaveRaveSet();
}

} // namespace

int PopGetDriveList() {
    sSources = CDAudioListDrives();
    if (sSources.size() > 4) sSources.resize(4);
    // A player whose album plays is current, not the drive left open beside it.
    const std::string myCurrent = CDAudioIsOpen() && !gStatePlayer ? CDAudioSource() : std::string();
    if (!myCurrent.empty() && std::find(sSources.begin(), sSources.end(), myCurrent) == sSources.end())
        sSources.push_back(myCurrent);
    int myMarked = -1;
    for (size_t i = 0; i < sSources.size(); ++i) {
        std::string myText = sSources[i];
        const size_t mySlash = myText.find_last_of('/', myText.size() > 1 ? myText.size() - 2 : 0);
        // Images and folders by their own name; devices by their path.
        if (myText.rfind("/dev/", 0) != 0 && mySlash != std::string::npos)
            myText = myText.substr(mySlash + 1);
        if (sSources[i] == myCurrent) {
            myText += " (current)";
            myMarked = static_cast<int>(i);
        }
        PopAppend(myText.c_str(), kCommandDrive, static_cast<int>(i));
    }
    // The player followed now: the one whose album plays, else the one chosen while no drive plays.
    const PlayerState* myFollowed = gStatePlayer ? PlayersFollowed() : nullptr;
    const std::string myPlayer = myFollowed ? myFollowed->mName : myCurrent.empty() ? gMusicPlayerName : "";
    sPlayers = PlayersNames();
    for (size_t i = 0; i < sPlayers.size(); ++i) {
        if (sPlayers[i] == myPlayer) myMarked = static_cast<int>(sSources.size() + i);
        PopAppend(sPlayers[i].c_str(), kCommandPlayer, static_cast<int>(i));
    }
    if (!sSources.empty() || !sPlayers.empty()) PopAppend(kPopSeparator);
    PopAppend("Open Folder or Image...", kCommandOpenSource);
    return myMarked;
}

namespace {
// The disc stops, the drive closes and the new one is read; what was playing goes on from its first track.
void PopPlaySource(const std::string& mySource) {
    if (CDAudioIsOpen() && CDAudioSource() == mySource) return;
    const bool myPlaying = gStatePlay && !gStatePause;
    const bool myPlayers = PlayersIsOpen();
    MusicStop(0, 1);
    MusicChangeSource(mySource);
    // The players stay listed, to be chosen again; one plays in the drive's place only while it has no disc.
    if (myPlayers) MusicReopenPlayers();
    MusicCheckForCD();
    if (myPlaying && gStateCD) MusicPlay(0, 1);
}
} // namespace

void PopChangeCD(uint8_t myIndex) {
    if (myIndex < sSources.size()) PopPlaySource(sSources[myIndex]);
}

void PopOpenSource(const char* myPath) {
    std::string myError;
    std::vector<std::string> myWarnings;
    if (!myPath || !CDAudioCheckSource(myPath, myError, myWarnings)) {
        myError = "Unable to play " + myError;
        if (myError.size() >= kAlertTextSize) myError.resize(kAlertTextSize - 1);
        MainOpenAlert(myError.c_str());
        return;
    }
    PopPlaySource(myPath);
}

void PopSetupEdit(uint16_t myPopup, const char* myText) {
    gPopup = myPopup;
    std::snprintf(gEditableText, kEditableSize, "%s", myText ? myText : "");
    MouseKeyOpenTextEntry();
}

int PopBuildDisc(uint16_t myMenu) {
    switch (myMenu) {
    case 310:
        return PopGetDriveList();
    case kPopupRave: {
        PopAppend(gStateCDAttach ? "Save New RaveSet..." : "Name New CD...", kCommandNameCD);
        const bool myRave = PopTrackHasRave();
        PopAppend(myRave                     ? "Rename Current Rave Name..."
                  : !PopTrackTitle().empty() ? "Rename Current Song Title..."
                                             : "Set Song Title...",
                  kCommandSetTitle);
        PopAppend("Save and Attach Rave...", kCommandSaveRave);
        PopAppend("Detach Current Rave...", kCommandDetach);
        PopAppend("Upload Current Rave to Web...", kCommandUpload);
        PopAppend("Delete Raves...", kCommandDeleteRaves);
        PopAppend(kPopSeparatorDisc);
        return PopAppendFiles(gCDDirectory, gRaveExt, myRave ? PopTrackTitle().c_str() : "");
    }
    case kPopupCDFile:
        PopAppend(gStateCDAttach ? "Save New RaveSet..." : "Name New CD...", kCommandNameCD);
        PopAppend("Delete RaveSets...", kCommandDeleteRaves);
        PopAppend("Create CD Master Folder...", kCommandMasterNew);
        PopAppend("Add to CD Master Folder...", kCommandMasterAdd);
        PopAppend(kPopSeparatorDisc);
        return PopAppendFiles(gCDDirectory, ".cds", gStateCDAttach ? gCDName : "");
    case kPopupRave + 50:
        return PopAppendFiles(gCDDirectory, gRaveExt, "");
    case kPopupCDFile + 50:
        return PopAppendFiles(gCDDirectory, ".cds", "");
    default:
        return -1;
    }
}

void PopChooseDisc(uint16_t myMenu, const PopItem& myItem, const char* myName) {
    switch (myItem.mCommand) {
    case kCommandDrive:
        PopChangeCD(static_cast<uint8_t>(myItem.mValue));
        return;
    case kCommandPlayer:
        if (static_cast<size_t>(myItem.mValue) < sPlayers.size()) MusicFollowPlayer(sPlayers[myItem.mValue]);
        return;
    case kCommandOpenSource:
        PopSetupEdit(kPopupDrive, "");
        return;
    case kCommandNameCD:
        PopSetupEdit(kPopupCDFile, gStateCDAttach ? gCDName : "");
        return;
    case kCommandSetTitle:
        gStateSaveTitle = 1;
        PopSetupEdit(kPopupRave, PopTrackTitle().c_str());
        return;
    case kCommandSaveRave:
        gStateSaveTitle = 0;
        PopSetupEdit(kPopupRave, PopTrackTitle().c_str());
        return;
    case kCommandDetach:
        if (PopTrackHasRave())
            PopDetachRave();
        else
            MainOpenAlert("No rave to detach!");
        return;
    case kCommandUpload:
        MainOpenAlert(PopTrackHasRave()
                          ? "This new feature is coming soon!"
                          : "No rave to upload! Make sure a rave is attached to this music track.");
        return;
    case kCommandDeleteRaves:
        PopRememberPanel();
        DrawPanel(kPanelDelete);
        return;
    case kCommandMasterNew:
        PopSetupEdit(kPopupMasterFolder, "");
        return;
    case kCommandMasterAdd:
        FileCreateMasterFolder(0, "");
        return;
    case kCommandNone:
        break;
    default:
        return;
    }
    if (!myName[0]) return;
    if (myMenu == kPopupRave) {
        FileLoadFromDisk(myName);
    } else if (myMenu == kPopupCDFile) {
        MusicStop(0, 1);
        FileLoadFromDisk(myName);
    } else if (myMenu == kPopupRave + 50 || myMenu == kPopupCDFile + 50) {
        PopDeleteFile(myName, PopItemCount(), myMenu);
    }
}

void PopDeleteFile(const char* myName, long myCount, uint16_t myMenu) {
    const uint16_t mySave = static_cast<uint16_t>(myMenu - 50);
    struct Place {
        uint16_t mMenu;
        const char* mFolder;
        const char* mExt;
        char* mCurrent; // the settings' field that names it, if any
    };
    const Place kPlaces[] = {{kPopupStyle, "Styles/", ".sty", gStyle.mStyleName},
                             {kPopupGradientSet, "Settings/", ".gst", gStyle.mGradSetName},
                             {kPopupFillSet, "Settings/", ".fst", gStyle.mFillSetName},
                             {kPopupBrushSet, "Settings/", ".bst", gStyle.mBrushSetName},
                             {kPopupMoveSet, "Settings/", ".mst", gStyle.mMoveSetName},
                             {kPopupRave, nullptr, gRaveExt, nullptr},
                             {kPopupCDFile, nullptr, ".cds", nullptr}};
    const Place* myPlace = nullptr;
    for (const Place& myEach : kPlaces)
        if (myEach.mMenu == mySave) myPlace = &myEach;
    if (!myPlace || !myName || !myName[0]) return;
    const bool myDisc = !myPlace->mFolder;
    const std::string myFolder =
        myDisc ? std::string(gDirIDRave) + gCDDirectory + "/" : std::string(gDirIDOrbex) + myPlace->mFolder;
    // The rave of the track playing lets go of it first, and the RaveSet keeps the title.
    if (mySave == kPopupRave && PopTrackHasRave() && PopTrackTitle() == myName) PopDetachRave();
    if (FileDelete((std::string(myName) + myPlace->mExt).c_str(), myFolder.c_str()) != 0) {
        MainOpenAlert("Unable to delete this file!");
        return;
    }
    if (myPlace->mCurrent && std::strncmp(myPlace->mCurrent, myName, kNameSize) == 0)
        StyleCopy(myPlace->mCurrent, "(None)");
    if (mySave == kPopupCDFile && gStateCDAttach && std::strncmp(gCDName, myName, kCDNameSize) == 0)
        FileRenameCDDirectory("", 1);
    if (myCount <= 1 && gPanel == kPanelDelete) DrawPanel(gPanelBeforeEdit);
}
