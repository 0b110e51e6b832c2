// Which help zone a point of the controls window is in: the regions a click would reach, in the same order,
// from the layout the drawing code uses.
#include <algorithm>

#include "controls/draw.h"
#include "controls/help.h"
#include "core/popup_commands.h"
#include "core/state.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "resources/controls_art.h"
#include "sound/tempo.h"
#include "storage/components.h"

namespace {

// The popups each box opens: their zones are the popups' numbers.
constexpr int32_t kZoneFills = kPopupFills;
constexpr int32_t kZoneBrushes = kPopupBrushes;
constexpr int32_t kZoneMovements = kPopupMovements;
constexpr int32_t kZoneBrushColorEffect = 303; // the COLOR SETTINGS boxes
constexpr int32_t kZoneBrushColorButton = 304; // the COLORS column's buttons
constexpr int32_t kZoneFillColorEffect = 305;
constexpr int32_t kZoneFillColorButton = 306;
constexpr int32_t kZoneBrushEffect = 307;
constexpr int32_t kZoneGradients = kPopupGradients;
constexpr int32_t kZoneDrive = 310;
constexpr int32_t kZoneSoundInput = 311;
constexpr int32_t kZoneSettings = 313;
constexpr int32_t kZoneAttachCategory = 318;
constexpr int32_t kZoneAttachFill = 319;
constexpr int32_t kZoneAttachTrails = 320;
constexpr int32_t kZoneAttachGradient = 321;
constexpr int32_t kZoneAttachMove = 322;
constexpr int32_t kZoneAttachEffect = 323;
constexpr int32_t kZoneAttachBrushColor = 324;
constexpr int32_t kZoneAttachFillColor = 325;

bool HelpIn(const Rect& myRect, int myX, int myY) {
    return myX >= myRect.left && myX < myRect.right && myY >= myRect.top && myY < myRect.bottom;
}

Rect HelpUnion(const Rect& myFirst, const Rect& mySecond) {
    return {std::min(myFirst.left, mySecond.left), std::min(myFirst.top, mySecond.top),
            std::max(myFirst.right, mySecond.right), std::max(myFirst.bottom, mySecond.bottom)};
}

// The panel's slider: its label left of the value box and the track's whole row.
bool HelpOnSlider(int myX, int myY) {
    const Rect myLabel{DrawPanelRow(2).left, gRectPanelBox3.top, gRectPanelBox3.left, gRectPanelBox3.bottom};
    const Rect myTrack{kLayoutPanelArea.left, DrawPanelRow(3).top, kLayoutPanelArea.right,
                       kLayoutPanelArea.bottom};
    return HelpIn(myLabel, myX, myY) || HelpIn(myTrack, myX, myY);
}

// A slider with a value box of its own: the box, else the slider; 0 elsewhere.
int32_t HelpSliderZone(int myX, int myY, int mySlider) {
    if (HelpIn(gRectPanelBox3, myX, myY)) return HelpValueZone(mySlider);
    return HelpOnSlider(myX, myY) ? mySlider : kHelpZoneNothing;
}

// A slider whose value box belongs to it (attachments, the movement parameter).
int32_t HelpWholeSlider(int myX, int myY, int mySlider) {
    return HelpOnSlider(myX, myY) || HelpIn(gRectPanelBox3, myX, myY) ? mySlider : kHelpZoneNothing;
}

int HelpRow(int myX, int myY) {
    for (int myRow = 0; myRow < 4; ++myRow)
        if (HelpIn(DrawPanelRow(myRow), myX, myY)) return myRow;
    return -1;
}

// The title band of a panel: the panel's own text (the few that share one are pointed at it).
int32_t HelpPanelBandZone() {
    if (gPanel >= kPanelBrushBright && gPanel <= kPanelFillSat) return kPanelColor;
    if (gPanel == kPanelReplace) return kMiniYes;
    if (gPanel == kPanelAttach) return kZoneAttachCategory;
    return gPanel;
}

int32_t HelpAttachZone(int myX, int myY, int myRow) {
    if (myRow == 0) return kZoneAttachCategory;
    switch (gPanelAttach) {
    case kAttachFill:
        return myRow == 1 ? kZoneAttachFill : myRow == 2 ? kZoneAttachTrails : kHelpZoneNothing;
    case kAttachGradient:
        return myRow == 1 ? kZoneAttachGradient : HelpWholeSlider(myX, myY, kSliderAttachColorSpeed);
    case kAttachMove:
        return myRow == 1 ? kZoneAttachMove : HelpWholeSlider(myX, myY, kSliderAttachSpread);
    case kAttachBrushColor:
        return myRow == 1 ? kZoneAttachBrushColor : HelpWholeSlider(myX, myY, kSliderAttachBrushBright);
    case kAttachFillColor:
        return myRow == 1 ? kZoneAttachFillColor : HelpWholeSlider(myX, myY, kSliderAttachFillBright);
    default:
        return myRow == 1 ? kZoneAttachEffect : HelpWholeSlider(myX, myY, kSliderAttachBrushSpeed);
    }
}

int32_t HelpColorSlider() {
    switch (gPanel) {
    case kPanelBrushBright:
        return kSliderBrushBright;
    case kPanelFillBright:
        return kSliderFillBright;
    case kPanelBrushSat:
        return kSliderBrushSat;
    case kPanelFillSat:
        return kSliderFillSat;
    default:
        return kSliderColorKick;
    }
}

int32_t HelpMini(int myX, int myY, unsigned short myButton, int32_t myZone) {
    return HelpIn(DrawMiniButtonRect(myButton), myX, myY) ? myZone : kHelpZoneNothing;
}

int32_t HelpManualBeatsZone(int myRow) {
    switch (myRow) {
    case 0:
        return kMiniBeat;
    case 1:
        return kHelpZoneAverageTempo;
    case 2:
        if (gTapCount == 0 && !gStateListen && !gStatePattern) return kMiniAlign;
        return gTapCount >= 2 ? kMiniApply : kHelpZoneNothing;
    default:
        return gTapCount ? kMiniClear : kHelpZoneNothing;
    }
}

int32_t HelpPatternBeatsZone(int myRow) {
    switch (myRow) {
    case 0:
        // The pattern's tap button has a zone of its own beside the tempo's.
        return kMiniBeat + 1;
    case 1:
        if (gTapCount == 0 && !gStateListen && gStatePattern) return kMiniAlign;
        return gTapCount >= 2 ? kMiniApply : kHelpZoneNothing;
    case 2:
        return kHelpZonePattern;
    default:
        return gTapCount ? kMiniClear : kHelpZoneNothing;
    }
}

// Inside the panel area, by the panel shown.
int32_t HelpPanelZone(int myX, int myY) {
    if (myY < DrawPanelRow(0).top) return HelpPanelBandZone();
    const int myRow = HelpRow(myX, myY);
    switch (gPanel) {
    case kPanelCD: {
        if (myRow == 0) return kPopupCDFile;
        if (myRow == 1) {
            const int myLeft = DrawPanelRow(1).left;
            if (myX < myLeft + 56) return kHelpZoneTrack;
            return myX < DrawPanelRow(1).right - 60 ? kHelpZoneElapsed : kHelpZoneTotal;
        }
        return myY >= DrawPanelRow(2).top ? kSliderVolume : kHelpZoneNothing;
    }
    case kPanelColor:
    case kPanelBrushBright:
    case kPanelFillBright:
    case kPanelBrushSat:
    case kPanelFillSat:
        if (myRow == 0) return kZoneBrushColorEffect;
        if (myRow == 1) return kZoneFillColorEffect;
        return HelpSliderZone(myX, myY, HelpColorSlider());
    case kPanelGradient:
        return myRow == 0 ? kPopupGradientSet : HelpSliderZone(myX, myY, kSliderColorSpeed);
    case kPanelFill:
        return myRow == 0 ? kPopupFillSet : kHelpZoneNothing;
    case kPanelBrush:
        if (myRow == 0) return kPopupBrushSet;
        if (myRow == 1) return kZoneBrushEffect;
        return HelpSliderZone(myX, myY, kSliderBrushSpeed);
    case kPanelMovement:
        return myRow == 0 ? kPopupMoveSet : HelpSliderZone(myX, myY, kSliderSpread);
    case kPanelSoundInput:
        return myRow == 0 ? kZoneSoundInput : myRow == 1 ? kMiniSearch : kHelpZoneNothing;
    case kPanelFrequency:
        if (myY >= DrawPanelRow(3).top) return kSliderFrequency;
        if (myRow == 0)
            return HelpIn(DrawMiniButtonRect(kMiniDefault), myX, myY) ? kMiniDefault
                                                                      : HelpValueZone(kSliderFrequency);
        return HelpIn({42, 92, 42 + 127, 92 + 28}, myX, myY) ? kHelpZoneSpectrograph : kHelpZoneNothing;
    case kPanelBPM:
        return HelpSliderZone(myX, myY, kSliderTempo);
    case kPanelManualBeats:
        return myRow < 0 ? kHelpZoneNothing : HelpManualBeatsZone(myRow);
    case kPanelPatternBeats:
        return myRow < 0 ? kHelpZoneNothing : HelpPatternBeatsZone(myRow);
    case kPanelSaver:
        if (myRow == 0) return kMiniSaverOn;
        if (!gSaverFlag) return kHelpZoneNothing;
        if (myRow == 1) return kMiniSaverSound;
        return HelpSliderZone(myX, myY, kSliderSaverDelay);
    case kPanelScaleFade:
    case kPanelScaleThreshold:
    case kPanelMaxFade: {
        if (myRow == 0) return kHelpZoneScaleMeter;
        const int mySlider = gPanel == kPanelScaleFade ? kSliderScaleFade
                             : gPanel == kPanelMaxFade ? kSliderMaxFade
                                                       : kSliderScaleThreshold;
        return HelpSliderZone(myX, myY, mySlider);
    }
    case kPanelParameter:
        if (gParameter >= gMovements[gPosition % kMoveSlots].mNumParams) return kHelpZoneNothing;
        if (myRow == 1) return kHelpZoneRandomize;
        return HelpWholeSlider(myX, myY, kSliderParameter);
    case kPanelTextEntry:
        if (myRow == 1) return kPanelTextEntry;
        if (int32_t myZone = HelpMini(myX, myY, kMiniSave, kMiniSave)) return myZone;
        return HelpMini(myX, myY, kMiniCancel, kMiniCancel);
    case kPanelReplace:
        if (int32_t myZone = HelpMini(myX, myY, kMiniYes, kMiniYes)) return myZone;
        return HelpMini(myX, myY, kMiniNo, kMiniNo);
    case kPanelDelete:
        if (myRow == 0 || myRow == 1) return kPanelDelete;
        return HelpMini(myX, myY, kMiniDone, kMiniDone);
    case kPanelAttach:
        return HelpAttachZone(myX, myY, myRow);
    default:
        return kHelpZoneNothing;
    }
}

int32_t HelpListZone(const Rect& myList, int myX, int myY, int32_t myKind, int32_t myPopup) {
    if (!HelpIn(myList, myX, myY)) return -1;
    return myX >= myList.right - kLayoutArrowZone ? myPopup : myKind;
}

int32_t HelpIconZone(const Rect& myBox, int myX, int myY, int32_t myZone) {
    return HelpIn(LayoutIconRect(myBox), myX, myY) ? myZone : -1;
}

// Outside the panel area in the expanded window, by region; -1 when the point is in none of them.
int32_t HelpDrawingZone(int myX, int myY) {
    if (HelpIn(HelpUnion(kLayoutStyleLabel, kLayoutStyleBox), myX, myY)) return kPopupStyle;
    if (HelpIn(kLayoutManualButton, myX, myY)) return kHelpZoneManual;
    int32_t myZone = 0;
    if (HelpIn(kLayoutCDBox, myX, myY)) {
        if ((myZone = HelpIconZone(kLayoutCDBox, myX, myY, kPanelCD)) >= 0) return myZone;
        if (HelpIn(kLayoutDriveButton, myX, myY)) return kZoneDrive;
        return HelpIn({kLayoutTrackDigits.left - 6, kLayoutTrackDigits.top - 12, kLayoutTrackDigits.right + 6,
                       kLayoutTrackDigits.bottom},
                      myX, myY)
                   ? kHelpZoneTrack
                   : kHelpZoneNothing;
    }
    if (HelpIn(kLayoutColorsBox, myX, myY)) {
        if ((myZone = HelpIconZone(kLayoutColorsBox, myX, myY, kPanelColor)) >= 0) return myZone;
        if (HelpIn(kLayoutBrushEffectButton, myX, myY)) return kZoneBrushColorButton;
        if (HelpIn(kLayoutFillEffectButton, myX, myY)) return kZoneFillColorButton;
        if (HelpIn({kLayoutBrushColorBar.left, kLayoutBrushMarkerTop, kLayoutBrushColorBar.right,
                    kLayoutBrushColorBar.bottom},
                   myX, myY))
            return kEditBrushColor;
        if (HelpIn({kLayoutFillColorBar.left, kLayoutFillMarkerTop, kLayoutFillColorBar.right,
                    kLayoutFillColorBar.bottom},
                   myX, myY))
            return kEditFillColor;
        return HelpCheckSliders(myX, myY, kPanelColor, &myZone) ? myZone : kHelpZoneNothing;
    }
    if (HelpIn(kLayoutBeatBox, myX, myY)) {
        if ((myZone = HelpIconZone(kLayoutBeatBox, myX, myY, gStateListen ? kPanelFrequency : kPanelBPM)) >=
            0)
            return myZone;
        if (HelpIn(kLayoutFreButton, myX, myY)) return kHelpZoneFrequencyButton;
        if (HelpIn(kLayoutVolButton, myX, myY)) return kHelpZoneVolumeButton;
        if (HelpIn(kLayoutBeatLamp, myX, myY)) return kHelpZoneBeatLamp;
        if (HelpIn(kLayoutMeter, myX, myY)) return kHelpZoneMeter;
        return HelpCheckSliders(myX, myY, kColumnBeat, &myZone) ? myZone : kHelpZoneNothing;
    }
    if (HelpIn(kLayoutGradBox, myX, myY)) {
        if ((myZone = HelpIconZone(kLayoutGradBox, myX, myY, kPanelGradient)) >= 0) return myZone;
        if ((myZone = HelpListZone(kLayoutGradList, myX, myY, kEditGradient, kZoneGradients)) >= 0)
            return myZone;
        if (HelpIn(kLayoutGradPreviewArrows, myX, myY)) return kHelpZonePreviewArrows;
        if (HelpIn(kLayoutGradPreviewStrip, myX, myY)) return kHelpZonePreviewStrip;
        return HelpCheckSliders(myX, myY, kPanelGradient, &myZone) ? myZone : kHelpZoneNothing;
    }
    struct Column {
        const Rect* mBox;
        const Rect* mList;
        int32_t mPanel;
        int32_t mKind;
        int32_t mPopup;
    };
    static const Column kColumns[] = {
        {&kLayoutFillsBox, &kLayoutFillsList, kPanelFill, kEditFill, kZoneFills},
        {&kLayoutBrushesBox, &kLayoutBrushesList, kPanelBrush, kEditBrush, kZoneBrushes},
        {&kLayoutMovesBox, &kLayoutMovesList, kPanelMovement, kEditMove, kZoneMovements}};
    for (const Column& myColumn : kColumns) {
        if (!HelpIn(*myColumn.mBox, myX, myY)) continue;
        if ((myZone = HelpIconZone(*myColumn.mBox, myX, myY, myColumn.mPanel)) >= 0) return myZone;
        if (myColumn.mPanel == kPanelBrush && HelpIn(kLayoutEffButton, myX, myY)) return kZoneBrushEffect;
        if ((myZone = HelpListZone(*myColumn.mList, myX, myY, myColumn.mKind, myColumn.mPopup)) >= 0)
            return myZone;
        return HelpCheckSliders(myX, myY, static_cast<short>(myColumn.mPanel), &myZone) ? myZone
                                                                                        : kHelpZoneNothing;
    }
    return -1;
}

} // namespace

bool HelpCheckSliders(int myX, int myY, short myColumn, int32_t* myZone) {
    if (myColumn < kColumnFirst || myColumn > kPanelMovement) return false;
    const int myAnchorX = gPanelPos[myColumn - kColumnFirst][0];
    const int myAnchorY = gPanelPos[myColumn - kColumnFirst][1];
    if (HelpIn({myAnchorX, myAnchorY - 12, myAnchorX + 73, myAnchorY + 1}, myX, myY)) {
        *myZone = myColumn == kColumnBeat ? kHelpZoneSensitivity : 500 + myColumn;
        return true;
    }
    if (myColumn == kColumnBeat) return false;
    if (HelpIn({myAnchorX, myAnchorY - 28, myAnchorX + 73, myAnchorY - 12}, myX, myY)) {
        *myZone = 510 + myColumn;
        return true;
    }
    const int myLeft = myAnchorX + LayoutTriggerButtonOffset(myColumn);
    if (HelpIn({myLeft, myAnchorY - 26, myLeft + 32, myAnchorY - 15}, myX, myY)) {
        *myZone = 520 + myColumn;
        return true;
    }
    return false;
}

int32_t HelpFindZone(int myX, int myY) {
    if (myY < kLayoutButtonTop + kArtButtonSize) {
        if (myX < LayoutButtonLeft(DrawButtonCount())) {
            const int myIndex = myX < 2 ? 0 : (myX - 2) / kLayoutButtonStep;
            if (myIndex == kButtonPlay && gStatePlay) return kHelpZonePause;
            return DrawButtonNumber(myIndex);
        }
        if (gStateExpand && HelpIn(kLayoutHelpStrip, myX, myY)) return kHelpZoneStrip;
        return kHelpZoneNothing;
    }
    if (HelpIn(HelpUnion(kLayoutSongLabel, kLayoutSongBox), myX, myY)) return kPopupRave;
    if (HelpIn(kLayoutSettingsButton, myX, myY)) return kZoneSettings;
    if (HelpIn(kLayoutPanelArea, myX, myY)) return HelpPanelZone(myX, myY);
    if (!gStateExpand) return kHelpZoneNothing;
    const int32_t myZone = HelpDrawingZone(myX, myY);
    return myZone < 0 ? kHelpZoneNothing : myZone;
}
