// PopMenu: the menus of the controls window by number, what each lists and what choosing an item does.
#include "controls/popup.h"

#include <cstring>
#include <iterator>
#include <string>

#include "controls/draw.h"
#include "controls/mousekey.h"
#include "controls/pop_load.h"
#include "controls/popup_parts.h"
#include "controls/popup_state.h"
#include "controls/preview.h"
#include "core/alert.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/execute.h"
#include "engine/kinds.h"
#include "storage/components.h"
#include "storage/pop_list.h"

namespace {

constexpr const char* kSeparator = "------------------------------------";
constexpr const char* kNone = "(None)";

// The commands a component menu shows above its files.
enum PopCommand : uint8_t {
    kCommandNone,
    kCommandAttachments,
    kCommandParameter,
    kCommandBrightness,
    kCommandSaturation,
};

struct Item {
    PopCommand mCommand = kCommandNone;
    int mParameter = 0;
};

bool sInMenu = false;
// The command of each item above the files of a component menu, and how many there are.
Item sCommands[8];
int sCommandCount = 0;

void PopAppend(const char* myItem, PopCommand myCommand = kCommandNone, int myParameter = 0) {
    const size_t myUsed = std::strlen(gPopupList);
    const size_t myLength = std::strlen(myItem);
    if (myUsed + myLength + 2 > kPopupListSize) return;
    std::memcpy(gPopupList + myUsed, myItem, myLength);
    gPopupList[myUsed + myLength] = '\r';
    gPopupList[myUsed + myLength + 1] = 0;
    if (sCommandCount < static_cast<int>(std::size(sCommands)))
        sCommands[sCommandCount++] = {myCommand, myParameter};
}

const ComponentKind* PopKind(uint16_t myMenu) {
    // The colour settings' boxes open the same lists as the colour column's buttons.
    if (myMenu == 304) myMenu = 303;
    if (myMenu == 306) myMenu = 305;
    return KindOfPopup(myMenu);
}

// A component menu: its commands, "(None)" where a slot may be emptied, then its files; the loaded name is
// the item framed.
int PopBuildComponent(uint16_t myMenu, const ComponentKind& myKind, int mySlot) {
    switch (myMenu) {
    case kPopupBrushes:
        PopAppend("Attachments...", kCommandAttachments);
        PopAppend(kSeparator);
        break;
    case kPopupMovements: {
        const MEffect& myMove = gMovements[mySlot % kMoveSlots];
        for (int i = 0; i < myMove.mNumParams && i < kMaxParams; ++i) {
            const std::string myName(myMove.mName + i * kParamNameSize,
                                     strnlen(myMove.mName + i * kParamNameSize, kParamNameSize));
            PopAppend((myName + "...").c_str(), kCommandParameter, i);
        }
        if (sCommandCount) PopAppend(kSeparator);
        break;
    }
    case 303:
    case 304:
    case 305:
    case 306:
        PopAppend("Brightness...", kCommandBrightness);
        PopAppend("Saturation...", kCommandSaturation);
        PopAppend(kSeparator);
        break;
    default:
        break;
    }
    const char* myCurrent = KindName(myKind, mySlot);
    int myMarked = -1;
    if (myMenu != kPopupGradients && myMenu != kPopupMovements) {
        if (std::strncmp(myCurrent, kNone, kNameSize) == 0) myMarked = sCommandCount;
        PopAppend(kNone);
    }
    long myIndex = -1;
    const std::string myName(myCurrent, strnlen(myCurrent, kNameSize));
    PopGetList(gPopupList, myKind.mPlace.mFolder, myKind.mPlace.mExt, myName.c_str(), &myIndex);
    if (myIndex >= 0 && myMarked < 0) myMarked = sCommandCount + static_cast<int>(myIndex);
    return myMarked;
}

uint8_t PopLoadFlag(uint8_t myMods) {
    return (myMods & kModAlt) ? 2 : 1;
}

void PopChooseComponent(uint16_t myMenu, const ComponentKind& myKind, int mySlot, const PopChoice& myChoice) {
    if (myChoice.mItem < sCommandCount) {
        const Item& myItem = sCommands[myChoice.mItem];
        const bool myBrushEffect = myMenu == 303 || myMenu == 304;
        switch (myItem.mCommand) {
        case kCommandAttachments:
            gPosition = static_cast<uint8_t>(mySlot);
            DrawPanel(kPanelAttach);
            return;
        case kCommandParameter:
            gPosition = static_cast<uint8_t>(mySlot);
            gParameter = static_cast<uint8_t>(myItem.mParameter);
            DrawPanel(kPanelParameter);
            return;
        case kCommandBrightness:
            DrawPanel(myBrushEffect ? kPanelBrushBright : kPanelFillBright);
            return;
        case kCommandSaturation:
            DrawPanel(myBrushEffect ? kPanelBrushSat : kPanelFillSat);
            return;
        case kCommandNone:
            break;
        }
    }
    char myName[kEditableSize];
    PopGetName(PopItemOffset(myChoice.mItem), myName);
    if (myName[0]) PopLoadKind(myKind, myName, mySlot, PopLoadFlag(myChoice.mMods));
}

// The preview of the file resting under the cursor, by the menu open; commands and "(None)" show none.
uint16_t sPreviewMenu = 0;
void PopPreview(int myItem) {
    if (myItem < sCommandCount || PopIsSeparator(myItem)) {
        PreviewClear();
        return;
    }
    char myName[kEditableSize];
    PopGetName(PopItemOffset(myItem), myName);
    if (!myName[0] || std::strcmp(myName, kNone) == 0) {
        PreviewClear();
        return;
    }
    switch (sPreviewMenu) {
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
        PreviewEffect(myName, false);
        break;
    case 307:
        PreviewEffect(myName, true);
        break;
    default:
        break;
    }
}

} // namespace

void PopMenu(uint16_t myMenu, int mySlot, const Rect* myRect) {
    // One menu at a time: a key or click that reaches the controls while one is open opens no other.
    if (!myRect || sInMenu) return;
    sInMenu = true;
    if (myMenu < 400) gPopup = myMenu;
    gPopupList[0] = 0;
    sCommandCount = 0;
    const ComponentKind* myKind = PopKind(myMenu);
    if (mySlot < 0 || !myKind) mySlot = 0;
    const int myMarked = myKind ? PopBuildComponent(myMenu, *myKind, mySlot) : -1;
    const uint8_t myAllVisible = gStateAllVisible, myControlsVisible = gStateControlsVisible;
    // The frame loop leaves the window to the menu while it is open.
    gStateAllVisible = gStateControlsVisible = 0;
    if (gStateExpand) DrawDimMeter(gStateListen && !gStateRave);
    DrawClearRaveRect();
    sPreviewMenu = myMenu;
    const PopChoice myChoice = PopTrack(*myRect, myMarked, PopPreview);
    PreviewClear();
    if (gStateAlert) MainCloseAlert();
    gStateAllVisible = myAllVisible;
    gStateControlsVisible = myControlsVisible;
    DrawWindow();
    sInMenu = false;
    if (myChoice.mItem < 0 || PopIsSeparator(myChoice.mItem)) return;
    gActionTime = MouseKeyElapsedTime(myChoice.mTime);
    if (myKind) PopChooseComponent(myMenu, *myKind, mySlot, myChoice);
}

void PopMenuResetState() {
    sInMenu = false;
    sCommandCount = 0;
    sPreviewMenu = 0;
    PopTrackResetState();
    PreviewResetState();
}
