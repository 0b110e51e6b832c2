// Saving under a typed name: the TEXT ENTRY panel's field, the check for a file of that name, REPLACE FILE.
#include <cstring>
#include <string>

#include "controls/draw.h"
#include "controls/file_popup.h"
#include "controls/mousekey.h"
#include "controls/popup.h"
#include "controls/popup_state.h"
#include "controls/text_field.h"
#include "core/alert.h"
#include "core/state.h"
#include "core/text_utils.h"
#include "engine/animate.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "storage/file.h"

namespace {

bool MouseKeyNamePanel(uint8_t myPanel) {
    return myPanel == kPanelTextEntry || myPanel == kPanelReplace || myPanel == kPanelDelete;
}

// The song ended while the name was typed: now that the entry is done, the next one plays.
void MouseKeyPlayOnAfterEntry() {
    if (!gStateEndSong) return;
    gStateEndSong = 0;
    gStatePlay = 1;
    MusicSkipTrack(0, 0);
}

void MouseKeySave() {
    if (FileSaveToDisk()) DrawPanel(gPanelBeforeEdit);
    MouseKeyPlayOnAfterEntry();
}

} // namespace

void MouseKeyOpenTextEntry() {
    if (!MouseKeyNamePanel(gPanel)) gPanelBeforeEdit = gPanel;
    DrawPanel(kPanelTextEntry);
    if (!gStateExpand) DrawResizeControls(0);
    if (!gStateControlsVisible) MouseKeyToggleControls(0);
}

void MouseKeyEnterText() {
    if (!TextFieldText()[0]) {
        MainOpenAlert("Text field is empty! Please type text into field.");
        return;
    }
    if (gPopup == kPopupDrive) {
        const std::string myPath = TextFieldText();
        TextFieldDestroy();
        gEditableFlag = 0;
        DrawPanel(gPanelBeforeEdit);
        PopOpenSource(myPath.c_str());
        return;
    }
    std::strncpy(gEditableText, TextFieldText(), kEditableSize - 1);
    gEditableText[kEditableSize - 1] = 0;
    TextFieldDestroy();
    const uint8_t myLimit = gEditableFlag;
    gEditableFlag = 0;
    MainAddUnderscores(gEditableText, kEditableSize - 1);
    if (gPopup == kPopupMasterFolder) {
        FileCreateMasterFolder(1, gEditableText);
        DrawPanel(gPanelBeforeEdit);
        MouseKeyPlayOnAfterEntry();
        return;
    }
    if (!gStateSaveTitle && MouseKeyCheckOnDisk()) {
        DrawPanel(kPanelReplace);
        return;
    }
    MouseKeySave();
    // A save that failed leaves the entry open: the field comes back with the name and its own limit, to be
    // mended and sent again.
    if (gPanel == kPanelTextEntry && !TextFieldExists()) {
        gEditableFlag = myLimit;
        TextFieldCreate(DrawPanelRow(1), gEditableText, myLimit);
    }
}

void MouseKeyInsertFileName(char* myPath) {
    char myName[kEditableSize];
    std::strcpy(myName, gEditableText);
    MainAddUnderscores(myName, kEditableSize - 1);
    std::strncat(myPath, myName, kPathSize - 1 - std::strlen(myPath));
}

bool MouseKeyCheckOnDisk() {
    const char* myFolder = nullptr;
    const char* myExt = nullptr;
    std::string myFolderPath = gDirIDOrbex;
    switch (gPopup) {
    case kPopupStyle:
    case kPopupLastSession:
        myFolder = "Styles";
        myExt = ".sty";
        break;
    case kPopupGradientSet:
        myFolder = "Settings";
        myExt = ".gst";
        break;
    case kPopupFillSet:
        myFolder = "Settings";
        myExt = ".fst";
        break;
    case kPopupBrushSet:
        myFolder = "Settings";
        myExt = ".bst";
        break;
    case kPopupMoveSet:
        myFolder = "Settings";
        myExt = ".mst";
        break;
    case kPopupRave:
    case kPopupCDFile:
        // A disc's raves and RaveSets lie in its folder inside the rave folder.
        myFolderPath = gDirIDRave;
        myFolder = gCDDirectory;
        myExt = gPopup == kPopupRave ? gRaveExt : ".cds";
        break;
    default:
        return false;
    }
    myFolderPath += std::string(myFolder) + "/";
    char myName[kPathSize] = "";
    MouseKeyInsertFileName(myName);
    std::strncat(myName, myExt, kPathSize - 1 - std::strlen(myName));
    return FileFind(myName, myFolderPath.c_str()) == 0;
}

void MouseKeyReplaceFile() {
    DrawRefreshMiniButton(kMiniYes, 1);
    MouseKeySave();
}

void MouseKeyLeaveTextEntry() {
    DrawPanel(gPanelBeforeEdit);
    MouseKeyPlayOnAfterEntry();
}
