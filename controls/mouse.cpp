// Clicks in the controls window, zone by zone in a fixed order: the top row of buttons, the song row, then
// the drawing controls around the panel area (lists, colour bars, the beat meter, the column icons and the
// counters and meters at the foot of each column).
#include "controls/mouse.h"

#include <cstring>
#include <string>

#include "controls/app_window.h"
#include "controls/draw.h"
#include "controls/help.h"
#include "controls/key.h"
#include "controls/mousekey.h"
#include "controls/popup.h"
#include "controls/preview.h"
#include "core/display.h"
#include "core/popup_commands.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/kinds.h"
#include "music/music.h"
#include "platform/window.h"
#include "resources/controls_art.h"

namespace {

// Rewind or fast forward: the button shows pressed, and the controls follow the position, while it is held.
void MouseFastSkip(int myIndex, int myDirection) {
    const auto myNumber = static_cast<short>(DrawButtonNumber(myIndex));
    DrawControlButton(myNumber, 1, 0);
    gStateLoop = 1;
    MusicFastSkip(myDirection, DrawUpdateLive);
    gStateLoop = 0;
    DrawControlButton(myNumber, 0, 0);
}

void MouseTopRow(int myX, uint8_t myClass, uint32_t myElapsed) {
    const int myIndex = (myX - 2) / kLayoutButtonStep;
    const uint8_t myReturn = gStateClickReturn;
    const int myDraw = myReturn ? 0 : 1;
    switch (myIndex) {
    case kButtonQuit:
        AppQuitSequence(1);
        break;
    case kButtonEject:
        MusicEjectCD(0);
        break;
    case kButtonPrevious:
        MusicSkipTrack(-1, static_cast<uint8_t>(myDraw));
        break;
    case kButtonRewind:
        MouseFastSkip(myIndex, -1);
        break;
    case kButtonStop:
        MusicStop(myDraw, 1);
        break;
    case kButtonPlay:
        MouseKeyPlayPause();
        break;
    case kButtonForward:
        MouseFastSkip(myIndex, 1);
        break;
    case kButtonNext:
        MusicSkipTrack(0, static_cast<uint8_t>(myDraw));
        break;
    case kButtonListen:
        MouseKeyToggleListen(1, myElapsed, 0);
        break;
    case kButtonExpand:
        // A window the roll-over opened stays open when its button is then clicked.
        if (gStateRollover == 2)
            gStateRollover = 0;
        else if (!(myReturn & 4))
            DrawResizeControls(0);
        break;
    case kButtonPaint:
        if (!(myReturn & 2)) MouseKeyTogglePaint(0);
        break;
    case kButtonTrails:
        if (gStateExpand) MouseEdit(kEditFlags, MouseKeyFlagSettings(myClass, 1), myClass, myElapsed);
        break;
    case kButtonWipe:
        if (gStateExpand) MouseEdit(kEditFill, kEditFillWipe, myClass, myElapsed);
        break;
    case kButtonHelp:
        if (gStateExpand) MouseKeyToggleHelp();
        break;
    default:
        break;
    }
    gStateClickReturn = 0;
}

// A column icon: shown pressed while the button is held, then its panel opens.
bool MouseIcons(int myX, int myY) {
    struct Icon {
        const Rect* mBox;
        uint8_t mIcon;
        uint8_t mPanel;
    };
    static const Icon kIcons[] = {
        {&kLayoutCDBox, kArtIconCD, kPanelCD},
        {&kLayoutColorsBox, kArtIconColors, kPanelColor},
        {&kLayoutBeatBox, kArtIconBeat, kPanelFrequency},
        {&kLayoutGradBox, kArtIconGradients, kPanelGradient},
        {&kLayoutFillsBox, kArtIconFills, kPanelFill},
        {&kLayoutBrushesBox, kArtIconBrushes, kPanelBrush},
        {&kLayoutMovesBox, kArtIconMovements, kPanelMovement},
    };
    for (const Icon& myIcon : kIcons) {
        if (!MouseInRect(LayoutIconRect(*myIcon.mBox), myX, myY)) continue;
        MouseHiliteIcon(myIcon.mIcon, static_cast<short>(myIcon.mBox->left),
                        static_cast<short>(myIcon.mBox->top));
        uint8_t myPanel = myIcon.mPanel;
        if (myPanel == kPanelFrequency && !gStateListen) myPanel = kPanelBPM;
        DrawPanel(myPanel);
        return true;
    }
    return false;
}

// A colour bar: its right end is colour 1, its left end 120.
bool MouseColorBars(int myX, int myY, uint8_t myClass, uint32_t myElapsed) {
    const bool myBrush = MouseInRect(gRectBrushColor, myX, myY);
    if (!myBrush && !MouseInRect(gRectFillColor, myX, myY)) return false;
    int myColor = 122 - ((myX - 10) * 121) / 112;
    myColor = myColor < 1 ? 1 : myColor > 120 ? 120 : myColor;
    MouseEdit(myBrush ? kEditBrushColor : kEditFillColor, myColor, myClass, myElapsed);
    return true;
}

// The BEAT METER box: "Fre." and "Vol." choose what is listened to, the lamp inserts a beat.
bool MouseBeatBox(int myX, int myY, uint8_t myClass, uint32_t myElapsed) {
    const bool myVolume = MouseInRect(kLayoutVolButton, myX, myY);
    if (myVolume || MouseInRect(kLayoutFreButton, myX, myY)) {
        if (myVolume != (gStateVolume != 0))
            MouseEdit(kEditFlags, MouseKeyFlagSettings(myClass, 2), myClass, myElapsed);
        return true;
    }
    if (MouseInRect(gRectBeat, myX, myY)) {
        AnimateHandBeat(myElapsed, gStateExpand);
        return true;
    }
    return false;
}

// The four name lists: a click on a row chooses that slot (Shift cues it, Ctrl takes the cue back).
bool MouseLists(int myX, int myY, uint8_t myClass, uint32_t myElapsed) {
    struct List {
        const Rect* mRect;
        int mRowHeight;
        int mEdit;
    };
    static const List kLists[] = {{&gRectGrad, kLayoutGradRowHeight, kEditGradient},
                                  {&gRectFills, kLayoutListRowHeight, kEditFill},
                                  {&gRectBrushes, kLayoutListRowHeight, kEditBrush},
                                  {&gRectMoves, kLayoutListRowHeight, kEditMove}};
    for (const List& myList : kLists) {
        if (!MouseInRect(*myList.mRect, myX, myY)) continue;
        const ComponentKind& myKind = *KindOfEdit(myList.mEdit);
        const int myRow = (myY - myList.mRect->top) / myList.mRowHeight;
        if (myRow >= myKind.mSlots) return true;
        // The arrow at the row's right end opens the slot's menu of files.
        if (myX >= myList.mRect->right - kLayoutArrowZone) {
            const Rect myRowRect = LayoutListRow(*myList.mRect, myRow, myList.mRowHeight);
            PopMenu(myKind.mPopup, myRow, &myRowRect);
            return true;
        }
        MouseEdit(myList.mEdit, myRow + 1, myClass, myElapsed);
        return true;
    }
    return false;
}

// The arrow beside a gradient row shows that gradient's colours in the preview strip.
bool MousePreviewArrows(int myX, int myY) {
    if (!MouseInRect(kLayoutGradPreviewArrows, myX, myY)) return false;
    const int myRow = (myY - kLayoutGradPreviewArrows.top) / kLayoutGradRowHeight;
    const ComponentKind& myKind = *KindOfEdit(kEditGradient);
    char myName[kNameSize + 1] = {};
    std::memcpy(myName, KindName(myKind, myRow), kNameSize);
    if (std::strcmp(myName, "(None)") == 0 || !myName[0]) return true;
    gPreviewNum = 0;
    if (PreviewLoadGradient(myName)) PreviewGradient();
    return true;
}

// The small buttons that open a menu of their own.
bool MouseMenuButtons(int myX, int myY) {
    struct Button {
        const Rect* mRect;
        uint16_t mMenu;
    };
    static const Button kButtons[] = {{&gRectStyle, kPopupStyle},
                                      {&kLayoutDriveButton, kMenuDrive},
                                      {&kLayoutBrushEffectButton, kMenuBrushColorButton},
                                      {&kLayoutFillEffectButton, kMenuFillColorButton},
                                      {&kLayoutEffButton, kMenuBrushEffect}};
    for (const Button& myButton : kButtons) {
        if (!MouseInRect(*myButton.mRect, myX, myY)) continue;
        // The style menu saves what shows now, not what a trigger changes while it is open.
        if (myButton.mMenu == kPopupStyle) gStyleTemp = gStyle;
        PopMenu(myButton.mMenu, -1, myButton.mRect);
        return true;
    }
    return false;
}

// The foot of each column: its beat counter, threshold meter and trigger-mode button.
bool MouseColumnFeet(int myX, int myY) {
    for (int myChannel = 0; myChannel < kChannels; ++myChannel) {
        const auto myColumn = static_cast<short>(DrawColumnOfChannel(myChannel));
        if (MouseCheckSliderRects(myX, myY, myColumn, static_cast<uint8_t>(myChannel))) return true;
    }
    return MouseCheckSliderRects(myX, myY, kColumnBeat, 0);
}

void MouseDrawingControls(int myX, int myY, uint8_t myClass, uint32_t myElapsed) {
    if (MouseInRect(gRectManual, myX, myY)) {
        MouseKeyToggleHold();
        return;
    }
    if (MouseMenuButtons(myX, myY) || MouseIcons(myX, myY) || MouseColorBars(myX, myY, myClass, myElapsed) ||
        MouseBeatBox(myX, myY, myClass, myElapsed) || MouseLists(myX, myY, myClass, myElapsed) ||
        MousePreviewArrows(myX, myY))
        return;
    MouseColumnFeet(myX, myY);
}

} // namespace

bool MouseInRect(const Rect& myRect, int myX, int myY) {
    return myX >= myRect.left && myX < myRect.right && myY >= myRect.top && myY < myRect.bottom;
}

void MouseEdit(int myKind, int myValue, uint8_t myClass, uint32_t myElapsed) {
    ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myValue), myElapsed,
                 static_cast<EditMode>(myClass), {1, myClass < kClassCue, 1});
    gStateClearTrails = 1;
}

void MouseHiliteIcon(uint8_t myIcon, short myX, short myY) {
    const Rect myBox{myX + 3, myY + 3, myX + 3 + kArtIconSize, myY + 3 + kArtIconSize};
    SurfaceCopy(DrawSurface(), myBox.left, myBox.top, gWorldIcons, ArtIconRect(myIcon, true));
    WindowPresent(kWinControls);
    DrawHoldUntilRelease();
    DrawFromControls(myBox, 0);
    WindowPresent(kWinControls);
}

void MouseAttachAlert(const char* mySetting) {
    const std::string mySentence = std::string(mySetting) + " setting";
    ExecuteAttachAlert(mySentence.c_str());
}

void MousePressMiniButton(unsigned short myNumber) {
    DrawRefreshMiniButton(myNumber, 1);
    WindowPresent(kWinControls);
    DrawHoldUntilRelease();
    DrawRefreshMiniButton(myNumber, 0);
    WindowPresent(kWinControls);
}

void MouseClickControls(int myX, int myY, uint32_t myTime, int myFlag) {
    (void)myFlag;
    const uint32_t myElapsed = MouseKeyElapsedTime(myTime);
    const uint8_t myClass = KeyModifierClass(nullptr);
    if (myY < kLayoutButtonTop + kArtButtonSize && myX < LayoutButtonLeft(DrawButtonCount())) {
        MouseTopRow(myX, myClass, myElapsed);
        return;
    }
    if (MouseInRect(gRectRave, myX, myY)) {
        PopMenu(kPopupRave, -1, &gRectRave);
        return;
    }
    if (MouseInRect(kLayoutSettingsButton, myX, myY)) {
        PopMenu(kMenuSettings, -1, &kLayoutSettingsButton);
        return;
    }
    if (MouseInRect(gRectPanel, myX, myY)) {
        MouseClickPanel(myX, myY, myClass, myElapsed);
        return;
    }
    if (!gStateExpand) return;
    if (gStateClickReturn) {
        gStateClickReturn = 0;
        return;
    }
    MouseDrawingControls(myX, myY, myClass, myElapsed);
}
