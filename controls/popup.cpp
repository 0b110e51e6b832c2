// PopMenu: the menus of the controls window by number, what each lists and what choosing an item does.
#include "controls/popup.h"

#include <cstring>
#include <iterator>
#include <string>

#include "controls/draw.h"
#include "controls/file_popup.h"
#include "controls/key.h"
#include "controls/mousekey.h"
#include "controls/pop_load.h"
#include "controls/popup_parts.h"
#include "controls/popup_state.h"
#include "controls/preview.h"
#include "core/alert.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/kinds.h"
#include "engine/style_apply.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"
#include "storage/components.h"
#include "storage/file.h"
#include "storage/pop_list.h"
#include "storage/style.h"

char gPopupList[kPopupListSize];

namespace {

constexpr const char* kNone = "(None)";
constexpr const char* kNoAttachment = "No Attachment";

bool sInMenu = false;
// The commands of the menu being built, item by item; the file names follow them.
PopItem sItems[24];
int sItemCount = 0;
uint16_t sMenuShown = 0;

const ComponentKind* PopKind(uint16_t myMenu) {
    // The colour settings' boxes open the same lists as the colour column's buttons.
    if (myMenu == 304) myMenu = 303;
    if (myMenu == 306) myMenu = 305;
    return KindOfPopup(myMenu);
}

std::string PopField(const char* myField, int mySize = kNameSize) {
    return std::string(myField, strnlen(myField, mySize));
}

// A component menu: its commands, "(None)" where a slot may be emptied, then its files; the loaded name is
// the item framed.
int PopBuildComponent(uint16_t myMenu, const ComponentKind& myKind, int mySlot) {
    switch (myMenu) {
    case kPopupBrushes:
        PopAppend("Attachments...", kCommandAttachments);
        PopAppend(kPopSeparator);
        break;
    case kPopupMovements: {
        const MEffect& myMove = gMovements[mySlot % kMoveSlots];
        for (int i = 0; i < myMove.mNumParams && i < kMaxParams; ++i)
            PopAppend((PopField(myMove.mName + i * kParamNameSize, kParamNameSize) + "...").c_str(),
                      kCommandParameter, i);
        if (sItemCount) PopAppend(kPopSeparator);
        break;
    }
    case 303:
    case 304:
    case 305:
    case 306:
        PopAppend("Brightness...", kCommandBrightness, myMenu <= 304 ? 1 : 0);
        PopAppend("Saturation...", kCommandSaturation, myMenu <= 304 ? 1 : 0);
        PopAppend(kPopSeparator);
        break;
    default:
        break;
    }
    const std::string myCurrent = PopField(KindName(myKind, mySlot));
    int myMarked = -1;
    if (myMenu != kPopupGradients && myMenu != kPopupMovements) {
        if (myCurrent == kNone) myMarked = sItemCount;
        PopAppend(kNone);
    }
    const int myFile = PopAppendFiles(myKind.mPlace.mFolder, myKind.mPlace.mExt, myCurrent.c_str());
    return myMarked >= 0 ? myMarked : myFile;
}

struct SetMenu {
    uint16_t mMenu;
    const char* mExt;
    char* mName;
    uint8_t mField; // the attachment that keeps a new set out, or 0
};
const SetMenu* PopSetMenu(uint16_t myMenu) {
    static const SetMenu kSets[] = {
        {kPopupGradientSet, ".gst", gStyle.mGradSetName, kAttachFieldGradient},
        {kPopupFillSet, ".fst", gStyle.mFillSetName, kAttachFieldFill},
        {kPopupBrushSet, ".bst", gStyle.mBrushSetName, 0},
        {kPopupMoveSet, ".mst", gStyle.mMoveSetName, kAttachFieldMove},
    };
    for (const SetMenu& mySet : kSets)
        if (mySet.mMenu == myMenu) return &mySet;
    return nullptr;
}

// The attachment menus: the field of brush gPosition each one sets.
int8_t* PopAttachByte(uint16_t myMenu) {
    AttachRecord& myRecord = gStyle.mAttachments[gPosition % kBrushSlots];
    switch (myMenu) {
    case 319:
        return &myRecord.mAttachFill;
    case 320:
        return &myRecord.mAttachTrails;
    case 321:
        return &myRecord.mAttachGradient;
    case 322:
        return &myRecord.mAttachMove;
    default:
        return nullptr;
    }
}
char* PopAttachName(uint16_t myMenu) {
    AttachRecord& myRecord = gStyle.mAttachments[gPosition % kBrushSlots];
    return myMenu == 323   ? myRecord.mAttachBrushEffect
           : myMenu == 324 ? myRecord.mAttachBrushColorEffect
           : myMenu == 325 ? myRecord.mAttachFillColorEffect
                           : nullptr;
}

int PopBuildAttach(uint16_t myMenu) {
    PopAppend(kNoAttachment, kCommandAttach, kNotSet);
    if (char* myName = PopAttachName(myMenu)) {
        const bool myNone = static_cast<int8_t>(myName[0]) == kNotSet || myName[0] == 0;
        PopAppend(kNone);
        const int myFile = PopAppendFiles("Effects", myMenu == 323 ? ".efb" : ".efc",
                                          myNone ? "" : PopField(myName).c_str());
        if (myNone) return 0;
        return PopField(myName) == kNone ? 1 : myFile;
    }
    const int8_t myValue = *PopAttachByte(myMenu);
    if (myMenu == 320) {
        PopAppend("Trails On", kCommandAttach, 1);
        PopAppend("Trails Off", kCommandAttach, 0);
        return myValue == kNotSet ? 0 : myValue ? 1 : 2;
    }
    const ComponentKind& myKind = *KindOfPopup(myMenu == 319   ? kPopupFills
                                               : myMenu == 321 ? kPopupGradients
                                                               : kPopupMovements);
    for (int i = 0; i < myKind.mSlots; ++i)
        PopAppend(PopField(KindName(myKind, i)).c_str(), kCommandAttach, i + 1);
    return myValue == kNotSet ? 0 : myValue;
}

int PopBuild(uint16_t myMenu, int mySlot) {
    if (const ComponentKind* myKind = PopKind(myMenu)) return PopBuildComponent(myMenu, *myKind, mySlot);
    if (const SetMenu* mySet = PopSetMenu(myMenu)) {
        PopAppend("Save Current...", kCommandSaveCurrent);
        PopAppend("Delete Sets...", kCommandDeleteList);
        PopAppend(kPopSeparator);
        return PopAppendFiles("Settings", mySet->mExt, PopField(mySet->mName).c_str());
    }
    if (const SetMenu* mySet = PopSetMenu(static_cast<uint16_t>(myMenu - 50)))
        return PopAppendFiles("Settings", mySet->mExt, "");
    switch (myMenu) {
    case 310:
    case kPopupRave:
    case kPopupCDFile:
    case kPopupRave + 50:
    case kPopupCDFile + 50:
        return PopBuildDisc(myMenu);
    case 311:
        for (int i = 0; i < gSoundInputNum && i < kSoundInputsMax; ++i)
            PopAppend(PopField(gSoundInputNames[i], 16).c_str(), kCommandSource, i);
        return gAudioCurrentInputType < gSoundInputNum ? gAudioCurrentInputType : -1;
    case kPopupStyle:
        PopAppend("Save Current...", kCommandSaveCurrent);
        PopAppend("Delete Styles...", kCommandDeleteList);
        PopAppend(kPopSeparator);
        return PopAppendFiles("Styles", ".sty", PopField(gStyle.mStyleName).c_str());
    case kPopupStyle + 50:
        return PopAppendFiles("Styles", ".sty", "");
    case 313: {
        static const struct {
            const char* mText;
            uint8_t mPanel;
        } kSettings[] = {{"CD Settings...", kPanelCD},
                         {"Gradient Settings...", kPanelGradient},
                         {"Color Settings...", kPanelColor},
                         {"Brush Settings...", kPanelBrush},
                         {"Movement Settings...", kPanelMovement},
                         {"Sound Input...", kPanelSoundInput},
                         {"Frequency...", kPanelFrequency},
                         {"Beats per Minute...", kPanelBPM},
                         {"Manual Beats...", kPanelManualBeats},
                         {"Patterned Beats...", kPanelPatternBeats},
                         {"Screen Saver...", kPanelSaver},
                         {"Sound Scaling Fade...", kPanelScaleFade},
                         {"Scaling Threshold...", kPanelScaleThreshold},
                         {"Max Scaling Fade...", kPanelMaxFade}};
        MouseKeyClearTap(false, false);
        int myMarked = -1;
        for (const auto& mySetting : kSettings) {
            if (mySetting.mPanel == gPanel) myMarked = sItemCount;
            PopAppend(mySetting.mText, kCommandPanel, mySetting.mPanel);
        }
        return myMarked;
    }
    case 318: {
        const char* kCategories[] = {"Brush Effects...", "Fills & Trails...", "Gradients...",
                                     "Movements...",     "Brush Color...",    "Fill Color..."};
        for (int i = 0; i < 6; ++i)
            PopAppend(kCategories[i], kCommandCategory, kAttachEffects + i);
        return gPanelAttach >= kAttachEffects ? gPanelAttach - kAttachEffects : -1;
    }
    case 319:
    case 320:
    case 321:
    case 322:
    case 323:
    case 324:
    case 325:
        return PopBuildAttach(myMenu);
    case 330:
    case 331:
    case 332:
    case 333:
    case 334: {
        // Item i stores ((i - 1) mod 2) * 2 + (i - 1) div 2: fixed, sequential, random, a file from the disk.
        const char* kTriggers[] = {"Fixed Position", "Sequential Selection", "Random Selection",
                                   "Random File on HD"};
        const int myChannel = myMenu - 330;
        for (int i = 0; i < (myChannel == kChannelColor ? 3 : 4); ++i)
            PopAppend(kTriggers[i], kCommandTrigger, (i % 2) * 2 + i / 2);
        const int myValue = gStyle.mTrigger[myChannel];
        return myValue >= 0 && myValue < 4 ? (myValue % 2) * 2 + myValue / 2 : -1;
    }
    default:
        return -1;
    }
}

uint8_t PopLoadFlag(uint8_t myMods) {
    return (myMods & kModAlt) ? 2 : 1;
}

// An attachment chosen for brush gPosition; the current brush takes it at once.
void PopAttach(uint16_t myMenu, int myValue, const char* myName) {
    const bool myCurrent = gPosition % kBrushSlots == gCurrentBrush;
    int8_t myStored = static_cast<int8_t>(myValue);
    if (char* myField = PopAttachName(myMenu)) {
        if (myName) {
            StyleCopy(myField, myName);
            myStored = 1;
        } else {
            myField[0] = static_cast<char>(kNotSet);
        }
        const ComponentKind* myKind = PopKind(myMenu == 323 ? 307 : myMenu == 324 ? 303 : 305);
        if (myName && myCurrent && myKind && PopField(KindName(*myKind, 0)) != myName)
            myKind->mLoad(myName, 0, 1, 0, 0);
    } else if (int8_t* myByte = PopAttachByte(myMenu)) {
        *myByte = myStored;
        if (myCurrent && myMenu == 320 && myStored != kNotSet &&
            ((gStyle.mFlags & kFlagTrails) != 0) != (myStored != 0)) {
            ExecuteEdits(kEditFlags, static_cast<char>(MouseKeyFlagSettings(kClassNone, 1)), gActionTime,
                         kModeExecute, {1, 1, 1});
        } else if (myCurrent && myMenu != 320 && myStored != kNotSet) {
            const int myKind = myMenu == 319 ? kEditFill : myMenu == 321 ? kEditGradient : kEditMove;
            ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myStored), gActionTime, kModeExecute,
                         {1, 1, 1});
        }
    }
    ExecuteSetAttachment(gPosition, static_cast<char>(myStored));
}

void PopChooseName(uint16_t myMenu, int mySlot, const char* myName, uint8_t myMods) {
    if (const ComponentKind* myKind = PopKind(myMenu)) {
        PopLoadKind(*myKind, myName, mySlot, PopLoadFlag(myMods));
    } else if (const SetMenu* mySet = PopSetMenu(myMenu)) {
        if (mySet->mField && PopCheckAttachments(0, mySet->mField, 2)) return;
        FileLoadFromDisk(myName);
    } else if (myMenu == kPopupStyle) {
        StyleLoad(myName, kStyleFromFile);
    } else if (myMenu >= 323 && myMenu <= 325) {
        PopAttach(myMenu, 1, myName);
    } else if (myMenu == kPopupStyle + 50 || PopSetMenu(static_cast<uint16_t>(myMenu - 50))) {
        PopDeleteFile(myName, PopItemCount(), myMenu);
    }
}

void PopChoose(uint16_t myMenu, int mySlot, const PopChoice& myChoice) {
    const PopItem myItem = PopItemAt(myChoice.mItem);
    char myName[kEditableSize];
    PopGetName(PopItemOffset(myChoice.mItem), myName);
    switch (myItem.mCommand) {
    case kCommandAttachments:
        gPosition = static_cast<uint8_t>(mySlot);
        DrawPanel(kPanelAttach);
        return;
    case kCommandParameter:
        gPosition = static_cast<uint8_t>(mySlot);
        gParameter = static_cast<uint8_t>(myItem.mValue);
        DrawPanel(kPanelParameter);
        return;
    case kCommandBrightness:
        DrawPanel(myItem.mValue ? kPanelBrushBright : kPanelFillBright);
        return;
    case kCommandSaturation:
        DrawPanel(myItem.mValue ? kPanelBrushSat : kPanelFillSat);
        return;
    case kCommandSaveCurrent:
        if (myMenu == kPopupStyle) {
            KeySaveStyle();
        } else {
            gEditableText[0] = 0;
            MouseKeyOpenTextEntry();
        }
        return;
    case kCommandDeleteList:
        PopRememberPanel();
        DrawPanel(kPanelDelete);
        return;
    case kCommandPanel:
        DrawPanel(static_cast<uint8_t>(myItem.mValue));
        return;
    case kCommandCategory:
        gPanelAttach = static_cast<uint8_t>(myItem.mValue);
        DrawPanel(kPanelAttach);
        return;
    case kCommandAttach:
        PopAttach(myMenu, myItem.mValue, nullptr);
        return;
    case kCommandTrigger:
        gStyle.mTrigger[myMenu - 330] = static_cast<int8_t>(myItem.mValue);
        if (!gStatePlay) gStyleStart.mTrigger[myMenu - 330] = static_cast<int8_t>(myItem.mValue);
        return;
    case kCommandSource:
        MusicChangeInputs(static_cast<uint8_t>(myItem.mValue));
        return;
    case kCommandNone:
        if (myMenu == kPopupRave || myMenu == kPopupCDFile || myMenu >= kPopupRave + 50) break;
        if (myName[0]) PopChooseName(myMenu, mySlot, myName, myChoice.mMods);
        return;
    default:
        break;
    }
    PopChooseDisc(myMenu, myItem, myName);
}

// The preview of the file resting under the cursor, by the menu open; commands and "(None)" show none.
void PopPreview(int myItem) {
    char myName[kEditableSize];
    PopGetName(PopItemOffset(myItem), myName);
    if (myItem < 0 || PopItemAt(myItem).mCommand != kCommandNone || PopIsSeparator(myItem) || !myName[0] ||
        std::strcmp(myName, kNone) == 0) {
        PreviewClear();
        return;
    }
    switch (sMenuShown) {
    case kPopupFills:
        PreviewFill(myName);
        break;
    case kPopupBrushes:
        PreviewBrush(myName);
        break;
    case kPopupMovements:
        PreviewMovement(myName);
        break;
    case kPopupGradients:
        PreviewInitBox(1);
        if (PreviewLoadGradient(myName)) PreviewGradient();
        break;
    case 303:
    case 304:
    case 305:
    case 306:
    case 324:
    case 325:
        PreviewEffect(myName, false);
        break;
    case 307:
    case 323:
        PreviewEffect(myName, true);
        break;
    default:
        break;
    }
}

} // namespace

void PopAppend(const char* myText, PopCommand myCommand, int myValue) {
    const size_t myUsed = strnlen(gPopupList, kPopupListSize);
    const size_t myLength = std::strlen(myText);
    if (myUsed + myLength + 2 > static_cast<size_t>(kPopupListSize) ||
        sItemCount >= static_cast<int>(std::size(sItems)))
        return;
    std::memcpy(gPopupList + myUsed, myText, myLength);
    gPopupList[myUsed + myLength] = '\r';
    gPopupList[myUsed + myLength + 1] = 0;
    sItems[sItemCount++] = {myCommand, myValue};
}

PopItem PopItemAt(int myItem) {
    return myItem >= 0 && myItem < sItemCount ? sItems[myItem] : PopItem{};
}

int PopAppendFiles(const char* myFolder, const char* myExt, const char* myCurrent) {
    const int myBefore = PopItemCount();
    const bool myRaves = std::strcmp(myFolder, gCDDirectory) == 0;
    long myIndex = -1;
    PopGetList(gPopupList, myFolder, myExt, myCurrent, &myIndex, myRaves ? kPopupRaveRow : kPopupRow);
    return myIndex >= 0 ? myBefore + static_cast<int>(myIndex) : -1;
}

void PopRememberPanel() {
    if (gPanel != kPanelTextEntry && gPanel != kPanelReplace && gPanel != kPanelDelete)
        gPanelBeforeEdit = gPanel;
}

void PopMenu(uint16_t myMenu, int mySlot, const Rect* myRect) {
    // One menu at a time: a key or click that reaches the controls while one is open opens no other.
    if (!myRect || sInMenu) return;
    sInMenu = true;
    if (myMenu < 400) gPopup = myMenu;
    std::memset(gPopupList, 0, sizeof(gPopupList));
    sItemCount = 0;
    if (mySlot < 0) mySlot = 0;
    const int myMarked = PopBuild(myMenu, mySlot);
    const uint8_t myAllVisible = gStateAllVisible, myControlsVisible = gStateControlsVisible;
    // The frame loop leaves the window to the menu while it is open.
    gStateAllVisible = gStateControlsVisible = 0;
    if (gStateExpand) DrawDimMeter(gStateListen && !gStateRave);
    DrawClearRaveRect();
    sMenuShown = myMenu;
    const PopChoice myChoice = PopTrack(*myRect, myMarked, PopPreview);
    PreviewClear();
    if (gStateAlert) MainCloseAlert();
    gStateAllVisible = myAllVisible;
    gStateControlsVisible = myControlsVisible;
    DrawWindow();
    sInMenu = false;
    if (myChoice.mItem < 0 || PopIsSeparator(myChoice.mItem)) return;
    gActionTime = MouseKeyElapsedTime(myChoice.mTime);
    PopChoose(myMenu, mySlot, myChoice);
    DrawUpdateLive();
}

void PopMenuResetState() {
    gPopupList[0] = 0;
    sInMenu = false;
    sItemCount = 0;
    sMenuShown = 0;
    PopTrackResetState();
    PreviewResetState();
}
