// Clicks in the panel area: what the buttons and the slider of the panel shown do.
#include <cstring>

#include "controls/draw.h"
#include "controls/key.h"
#include "controls/mouse.h"
#include "controls/mousekey.h"
#include "controls/popup.h"
#include "controls/popup_state.h"
#include "controls/saver_switch.h"
#include "core/alert.h"
#include "core/popup_commands.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "platform/window.h"
#include "sound/search.h"
#include "sound/tempo.h"
#include "storage/components.h"

namespace {

constexpr const char* kRaveOnlyText = "This feature does not work while playing back raves.";
constexpr const char* kSearchText = "Search does not work unless playing is turned on!";

bool MouseOnMini(unsigned short myNumber, int myX, int myY) {
    const Rect myRect = DrawMiniButtonRect(myNumber);
    return myRect.Width() > 0 && MouseInRect(myRect, myX, myY);
}

// A slider the current brush's attachment holds is refused with the attachment's name.
struct GuardedSlider {
    unsigned short mNumber;
    int8_t AttachRecord::*mField; // nullptr: no attachment holds it
    const char* mSetting;
};

constexpr GuardedSlider kGuardedSliders[] = {
    {kSliderColorKick, &AttachRecord::mAttachColorKick, "color kick"},
    {kSliderBrushBright, &AttachRecord::mAttachBrushBright, "brush brightness"},
    {kSliderFillBright, &AttachRecord::mAttachFillBright, "fill brightness"},
    // No attachment holds saturation: these sliders are never refused.
    {kSliderBrushSat, nullptr, "brush saturation"},
    {kSliderFillSat, nullptr, "fill saturation"},
    {kSliderColorSpeed, &AttachRecord::mAttachColorSpeed, "color speed"},
    {kSliderBrushSpeed, &AttachRecord::mAttachBrushSpeed, "brush speed"},
    {kSliderSpread, &AttachRecord::mAttachSpread, "movement spread"},
};

void MouseGuardedSlider(unsigned short myNumber, uint8_t myClass, uint32_t myElapsed) {
    const AttachRecord& myAttach = gStyle.mAttachments[static_cast<uint8_t>(gCurrentBrush) % kBrushSlots];
    for (const GuardedSlider& mySlider : kGuardedSliders) {
        if (mySlider.mNumber != myNumber) continue;
        if (mySlider.mField && myAttach.*mySlider.mField != kNotSet) {
            MouseAttachAlert(mySlider.mSetting);
            return;
        }
    }
    MouseDragMainSlider(myNumber, myClass, myElapsed);
}

// The main slider of the panel shown, or 0.
unsigned short MousePanelSlider() {
    switch (gPanel) {
    case kPanelCD:
        return kSliderVolume;
    case kPanelColor:
        return kSliderColorKick;
    case kPanelBrushBright:
    case kPanelFillBright:
    case kPanelBrushSat:
    case kPanelFillSat:
        return static_cast<unsigned short>(kSliderBrushBright + (gPanel - kPanelBrushBright));
    case kPanelGradient:
        return kSliderColorSpeed;
    case kPanelBrush:
        return kSliderBrushSpeed;
    case kPanelMovement:
        return kSliderSpread;
    case kPanelFrequency:
        return kSliderFrequency;
    case kPanelBPM:
        return kSliderTempo;
    case kPanelSaver:
        return gSaverFlag ? kSliderSaverDelay : 0;
    case kPanelScaleFade:
    case kPanelScaleThreshold:
    case kPanelMaxFade:
        return static_cast<unsigned short>(kSliderScaleFade + (gPanel - kPanelScaleFade));
    case kPanelParameter:
        return kSliderParameter;
    case kPanelAttach: {
        static const unsigned short kAttachSliders[6] = {kSliderAttachBrushSpeed,  0,
                                                         kSliderAttachColorSpeed,  kSliderAttachSpread,
                                                         kSliderAttachBrushBright, kSliderAttachFillBright};
        const int myIndex = gPanelAttach - kAttachEffects;
        return myIndex >= 0 && myIndex < 6 ? kAttachSliders[myIndex] : 0;
    }
    default:
        return 0;
    }
}

// MANUAL BEATS: taps give a tempo, "Apply" takes it (with one tap or none "Align" starts the beat now).
void MouseManualBeats(int myX, int myY, uint32_t myElapsed) {
    if (MouseOnMini(kMiniBeat, myX, myY)) {
        MouseKeyManualTap(myElapsed, true, true);
        MousePressMiniButton(kMiniBeat);
    } else if (MouseOnMini(kMiniApply, myX, myY)) {
        MousePressMiniButton(gTapCount >= 2 ? kMiniApply : kMiniAlign);
        MouseKeyApplyTap(myElapsed, true, true);
    } else if (MouseOnMini(kMiniClear, myX, myY) && gTapCount) {
        MousePressMiniButton(kMiniClear);
        MouseKeyClearTap(true, true);
    }
}

// PATTERNED BEATS: up to nine taps make a pattern of intervals; "Apply" takes it.
void MousePatternBeats(int myX, int myY, uint32_t myElapsed) {
    if (MouseOnMini(kMiniBeat, myX, myY)) {
        MouseKeyPatternTap(myElapsed);
        MousePressMiniButton(kMiniBeat);
    } else if (MouseOnMini(kMiniApply, myX, myY)) {
        MousePressMiniButton(gTapCount >= 2 ? kMiniApply : kMiniAlign);
        MouseKeyPatternApply(myElapsed);
    } else if (MouseOnMini(kMiniClear, myX, myY) && gTapCount) {
        MousePressMiniButton(kMiniClear);
        MouseKeyClearTap(true, true);
    }
}

// SOUND INPUT's "Search": listening switched on, then a search for the source that carries sound.
void MouseSearch(uint32_t myElapsed) {
    MousePressMiniButton(kMiniSearch);
    if (!gStateListen) MouseKeyToggleListen(1, myElapsed, 0);
    // Listening that could not start has said why already.
    if (!gStateListen) return;
    if (!gStatePlay) {
        MainOpenAlert(kSearchText);
        return;
    }
    AnimateStartSearch(kSearchLoud);
}

void MouseFrequencyDefault() {
    MousePressMiniButton(kMiniDefault);
    gStyle.mSampleSize = 6;
    gStyle.mFrequency = 13;
    if (!gStatePlay && !gStatePause) {
        gStyleStart.mSampleSize = 6;
        gStyleStart.mFrequency = 13;
    }
    DrawRefreshMainSlider(kSliderFrequency);
    if (!gStateListen || !gStatePlay) DrawEmptySpectrograph();
}

void MouseSaverSwitch() {
    gSaverFlag = gSaverFlag ? 0 : 1;
    DrawPanelContents();
    WindowPresent(kWinControls);
    if (!gSaverFlag) MouseQuitScreenSaver();
}

// The buttons of the panel shown; true when the point is on one.
bool MousePanelButtons(int myX, int myY, uint32_t myElapsed) {
    switch (gPanel) {
    case kPanelSoundInput:
        if (!MouseOnMini(kMiniSearch, myX, myY)) return false;
        MouseSearch(myElapsed);
        return true;
    case kPanelFrequency:
        if (!MouseOnMini(kMiniDefault, myX, myY)) return false;
        MouseFrequencyDefault();
        return true;
    case kPanelManualBeats:
    case kPanelPatternBeats:
        if (gStateRave) {
            MainOpenAlert(kRaveOnlyText);
            return true;
        }
        if (gPanel == kPanelManualBeats)
            MouseManualBeats(myX, myY, myElapsed);
        else
            MousePatternBeats(myX, myY, myElapsed);
        return true;
    case kPanelSaver:
        if (MouseOnMini(kMiniSaverOn, myX, myY)) {
            MouseSaverSwitch();
            return true;
        }
        if (gSaverFlag && MouseOnMini(kMiniSaverSound, myX, myY)) {
            gSaverSound = gSaverSound ? 0 : 1;
            return true;
        }
        return false;
    case kPanelParameter:
        if (!MouseOnMini(kMiniFixed, myX, myY)) return false;
        {
            uint8_t& myFixed = gStyle.mMoveParam[gPosition % kMoveSlots].mFixed[gParameter % 3];
            myFixed = myFixed ? 0 : 1;
            if (!gStatePlay && !gStatePause)
                gStyleStart.mMoveParam[gPosition % kMoveSlots] = gStyle.mMoveParam[gPosition % kMoveSlots];
        }
        return true;
    case kPanelTextEntry:
        if (MouseOnMini(kMiniSave, myX, myY)) {
            MousePressMiniButton(kMiniSave);
            MouseKeyEnterText();
        } else if (MouseOnMini(kMiniCancel, myX, myY)) {
            MousePressMiniButton(kMiniCancel);
            MouseKeyLeaveTextEntry();
        }
        return true;
    case kPanelReplace:
        if (MouseOnMini(kMiniYes, myX, myY)) {
            MousePressMiniButton(kMiniYes);
            MouseKeyReplaceFile();
        } else if (MouseOnMini(kMiniNo, myX, myY)) {
            MousePressMiniButton(kMiniNo);
            MouseKeyLeaveTextEntry();
        }
        return true;
    case kPanelDelete:
        if (!MouseOnMini(kMiniDone, myX, myY)) return false;
        MousePressMiniButton(kMiniDone);
        MouseKeyLeaveTextEntry();
        return true;
    default:
        return false;
    }
}

// The name boxes of the panels that open a menu: by panel (the ATTACHMENTS panel's rows below its category
// box by category) and row.
struct PanelBox {
    uint8_t mPanel;
    int mRow;
    uint16_t mMenu;
};

constexpr PanelBox kPanelBoxes[] = {
    {kPanelCD, 0, kPopupCDFile},
    {kPanelColor, 0, kMenuBrushColorEffect},
    {kPanelColor, 1, kMenuFillColorEffect},
    {kPanelGradient, 0, kPopupGradientSet},
    {kPanelFill, 0, kPopupFillSet},
    {kPanelBrush, 0, kPopupBrushSet},
    {kPanelBrush, 1, kMenuBrushEffect},
    {kPanelMovement, 0, kPopupMoveSet},
    {kPanelSoundInput, 0, kMenuSoundInput},
    {kPanelAttach, 0, kMenuAttachCategory},
    {kAttachEffects, 1, kMenuAttachEffect},
    {kAttachFill, 1, kMenuAttachFill},
    {kAttachFill, 2, kMenuAttachTrails},
    {kAttachGradient, 1, kMenuAttachGradient},
    {kAttachMove, 1, kMenuAttachMove},
    {kAttachBrushColor, 1, kMenuAttachBrushColor},
    {kAttachFillColor, 1, kMenuAttachFillColor},
};

bool MousePanelBoxes(int myX, int myY) {
    if (gPanel == kPanelDelete) {
        // The box over the first two rows lists what the menu that asked can delete.
        const Rect myBox{DrawPanelRow(0).left, DrawPanelRow(0).top, DrawPanelRow(0).right,
                         DrawPanelRow(1).bottom};
        if (!MouseInRect(myBox, myX, myY)) return false;
        PopMenu(static_cast<uint16_t>(gPopup + kMenuDeleteOffset), -1, &myBox);
        return true;
    }
    uint8_t myPanel = gPanel;
    // The brightness and saturation panels keep the colour panel's boxes.
    if (myPanel >= kPanelBrushBright && myPanel <= kPanelFillSat) myPanel = kPanelColor;
    for (int myRow = 0; myRow < 3; ++myRow) {
        const Rect myRect = DrawPanelRow(myRow);
        if (!MouseInRect(myRect, myX, myY)) continue;
        const uint8_t myKey = myPanel == kPanelAttach && myRow > 0 ? gPanelAttach : myPanel;
        for (const PanelBox& myBox : kPanelBoxes) {
            if (myBox.mPanel != myKey || myBox.mRow != myRow) continue;
            PopMenu(myBox.mMenu, -1, &myRect);
            return true;
        }
    }
    return false;
}

} // namespace

bool MouseClickPanel(int myX, int myY, uint8_t myClass, uint32_t myElapsed) {
    if (MousePanelButtons(myX, myY, myElapsed) || MousePanelBoxes(myX, myY)) return true;
    const unsigned short mySlider = MousePanelSlider();
    if (mySlider && MouseInRect(gRectHSlider, myX, myY)) {
        MouseGuardedSlider(mySlider, myClass, myElapsed);
        return true;
    }
    return false;
}
