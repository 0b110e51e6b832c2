// The loops that follow the mouse while its button is held on a slider, a beat counter or a threshold meter:
// the picture goes on meanwhile, and the value is applied as the slider asks, at once or on release.
#include <algorithm>

#include "controls/draw.h"
#include "controls/key.h"
#include "controls/mouse.h"
#include "controls/mousekey.h"
#include "controls/popup.h"
#include "core/alert.h"
#include "core/state.h"
#include "core/style_record.h"
#include "core/text_utils.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/movement.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "resources/controls_art.h"
#include "sound/listen.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"
#include "storage/components.h"

namespace {

constexpr const char* kSliderDisabledText =
    "Slider is disabled. Orbex must be recording and not in manual mode to use this feature.";
// A main slider's values span the track from x 42 to x 169.
constexpr int kSliderLeft = 42;
constexpr int kSliderRight = kSliderLeft + kArtSliderTravel;
constexpr int kTempoStep = 200; // hundredths: steps of 2.00 beats per minute
constexpr int kCounterSpan = 64;

int MouseCursorX() {
    int myX = 0, myY = 0;
    // Outside the window the position is still where the cursor is, so a drag past the window's edge counts.
    WindowCursorPosition(kWinControls, &myX, &myY);
    return myX;
}

// A setting written directly goes into the song's start settings as well while no song plays.
template <typename T> void MouseSetBoth(T StyleRecord::*myField, T myValue) {
    gStyle.*myField = myValue;
    if (!gStatePlay && !gStatePause) gStyleStart.*myField = myValue;
}

int8_t* MouseAttachField(unsigned short myNumber) {
    AttachRecord& myAttach = gStyle.mAttachments[gPosition % kBrushSlots];
    switch (myNumber) {
    case kSliderAttachBrushSpeed:
        return &myAttach.mAttachBrushSpeed;
    case kSliderAttachColorSpeed:
        return &myAttach.mAttachColorSpeed;
    case kSliderAttachSpread:
        return &myAttach.mAttachSpread;
    case kSliderAttachBrushBright:
        return &myAttach.mAttachBrushBright;
    case kSliderAttachFillBright:
        return &myAttach.mAttachFillBright;
    default:
        return nullptr;
    }
}

// An attachment slider's value as its field stores it (colour speed is kept 60 up), and applied at once when
// the slot is the current brush's.
void MouseReleaseAttachment(unsigned short myNumber, long myValue, uint32_t myElapsed) {
    int8_t* myField = MouseAttachField(myNumber);
    const bool myNone = myValue == kNotSet;
    const long myStored = myNone || myNumber != kSliderAttachColorSpeed ? myValue : myValue + 60;
    *myField = static_cast<int8_t>(myStored);
    const bool myCurrent = gPosition % kBrushSlots == static_cast<uint8_t>(gCurrentBrush) % kBrushSlots;
    if (myCurrent && !myNone) {
        switch (myNumber) {
        case kSliderAttachBrushSpeed:
            MouseEdit(kEditBrushSpeed, static_cast<int>(myStored), kClassNone, myElapsed);
            break;
        case kSliderAttachColorSpeed:
            MouseEdit(kEditColorSpeed, static_cast<int>(myStored), kClassNone, myElapsed);
            break;
        case kSliderAttachSpread:
            MouseEdit(kEditSpread, static_cast<int>(myStored), kClassNone, myElapsed);
            break;
        case kSliderAttachBrushBright:
            MouseSetBoth(&StyleRecord::mBrushBrightness, static_cast<int8_t>(myStored));
            gBEffectColor.CEffectInit(1, 0);
            break;
        default:
            MouseSetBoth(&StyleRecord::mFillBrightness, static_cast<int8_t>(myStored));
            gFEffectColor.CEffectInit(1, 0);
            break;
        }
    }
    ExecuteSetAttachment(gPosition, static_cast<char>(myStored));
    if (!gStatePlay && !gStatePause)
        gStyleStart.mAttachments[gPosition % kBrushSlots] = gStyle.mAttachments[gPosition % kBrushSlots];
}

// A movement parameter: an edit when the movement shown is the current one, else the slot's own value, which
// setting by hand makes fixed.
void MouseReleaseParameter(long myValue, uint8_t myClass, uint32_t myElapsed) {
    const int mySlot = gPosition % kMoveSlots;
    const int myParameter = gParameter % 3;
    if (mySlot == static_cast<uint8_t>(gCurrentMove) % kMoveSlots) {
        MouseEdit(kEditParam1 + myParameter, static_cast<int>(myValue), myClass, myElapsed);
        return;
    }
    auto& myParams = gStyle.mMoveParam[mySlot];
    myParams.mValue[myParameter] = static_cast<int8_t>(myValue);
    myParams.mFixed[myParameter] = 1;
    if (!gStatePlay && !gStatePause) gStyleStart.mMoveParam[mySlot] = myParams;
    DrawRefreshMainSlider(kSliderParameter);
    DrawRefreshMiniButton(kMiniFixed, 0);
}

void MouseReleaseSlider(unsigned short myNumber, long myValue, uint8_t myClass, uint32_t myElapsed) {
    const auto myByte = static_cast<int8_t>(myValue);
    switch (myNumber) {
    case kSliderVolume:
        ListenVolumeChanged();
        break;
    case kSliderTempo: {
        const uint8_t myTempo[2] = {static_cast<uint8_t>(myValue >> 8), static_cast<uint8_t>(myValue & 0xFF)};
        MouseKeySetBPM(myTempo, myElapsed);
        if (!gStatePlay && !gStatePause) {
            gStyleStart.mTempo[0] = myTempo[0];
            gStyleStart.mTempo[1] = myTempo[1];
        }
        break;
    }
    case kSliderSaverDelay:
        gSaverDelay = static_cast<uint16_t>(myValue);
        break;
    case kSliderParameter:
        MouseReleaseParameter(myValue, myClass, myElapsed);
        break;
    case kSliderFrequency:
        MouseSetBoth(&StyleRecord::mFrequency, myByte);
        if (!gStateListen || !gStatePlay) DrawEmptySpectrograph();
        break;
    case kSliderBrushBright:
        MouseSetBoth(&StyleRecord::mBrushBrightness, myByte);
        gBEffectColor.CEffectInit(1, 0);
        break;
    case kSliderFillBright:
        MouseSetBoth(&StyleRecord::mFillBrightness, myByte);
        gFEffectColor.CEffectInit(1, 0);
        break;
    case kSliderBrushSat:
        MouseSetBoth(&StyleRecord::mBrushSaturation, myByte);
        gBEffectColor.CEffectInit(1, 0);
        break;
    case kSliderFillSat:
        MouseSetBoth(&StyleRecord::mFillSaturation, myByte);
        gFEffectColor.CEffectInit(1, 0);
        break;
    case kSliderScaleFade:
        MouseSetBoth(&StyleRecord::mFadeTime, myByte);
        break;
    case kSliderScaleThreshold:
        MouseSetBoth(&StyleRecord::mScaleThreshold, myByte);
        break;
    case kSliderMaxFade:
        MouseSetBoth(&StyleRecord::mMaxFade, static_cast<uint8_t>(myValue));
        break;
    case kSliderAttachBrushSpeed:
    case kSliderAttachColorSpeed:
    case kSliderAttachSpread:
    case kSliderAttachBrushBright:
    case kSliderAttachFillBright:
        MouseReleaseAttachment(myNumber, myValue, myElapsed);
        break;
    case kSliderBrushSpeed:
        MouseEdit(kEditBrushSpeed, myByte, myClass, myElapsed);
        break;
    case kSliderColorSpeed:
        MouseEdit(kEditColorSpeed, static_cast<int>(myValue + 60), myClass, myElapsed);
        break;
    case kSliderSpread:
        MouseEdit(kEditSpread, myByte, myClass, myElapsed);
        break;
    case kSliderColorKick:
        MouseEdit(kEditColorKick, static_cast<int>(myValue + 50), myClass, myElapsed);
        break;
    default:
        break;
    }
}

// The value under cursor x; kNotSet past either end of an attachment slider.
long MouseSliderValue(unsigned short myNumber, int myX, long myMin, long myMax) {
    if (gPanel == kPanelAttach && (myX < kSliderLeft || myX > kSliderRight)) return kNotSet;
    const int myPlace = std::clamp(myX, kSliderLeft, kSliderRight);
    long myValue = (myPlace - kSliderLeft) * (myMax - myMin) / kArtSliderTravel + myMin;
    if (myNumber == kSliderTempo) myValue -= myValue % kTempoStep;
    return myValue;
}

int MouseAnchorX(short myColumn) {
    return gPanelPos[myColumn - kColumnFirst][0];
}

bool MouseSlidersRefused() {
    if (DrawSlidersEnabled()) return false;
    MainOpenAlert(kSliderDisabledText);
    return true;
}

} // namespace

bool MouseStillDown() {
    if (!WaitMouseUp() || gStateAlert) return false;
    WindowTurn();
    AnimateMain();
    DrawUpdateLive();
    return true;
}

void MouseDragMainSlider(unsigned short myNumber, uint8_t myClass, uint32_t myElapsed) {
    long myValue = 0, myMin = 0, myMax = 0;
    if (!DrawSliderValue(myNumber, &myValue, &myMin, &myMax)) return;
    if (myClass == kClassCancel) {
        // Only the value as it stands, so a cued value is taken back.
        MouseReleaseSlider(myNumber, myValue, myClass, myElapsed);
        return;
    }
    const uint8_t myPanel = gPanel;
    gStateLoop = 1;
    long myShown = myValue - 1;
    do {
        const int myX = MouseCursorX();
        myValue = MouseSliderValue(myNumber, myX, myMin, myMax);
        if (myNumber == kSliderVolume && myValue != gVolume) {
            gVolume = static_cast<uint8_t>(myValue);
            if (gStateCDDriver) MouseKeySetVolume(gVolume);
        }
        // The panel may have been drawn again from the settings meanwhile: the nub is put back each turn.
        DrawMainSlider(myNumber, myValue, std::clamp(myX, kSliderLeft, kSliderRight) - kSliderLeft, 0);
        if (myValue != myShown) WindowPresent(kWinControls);
        myShown = myValue;
    } while (MouseStillDown() && gPanel == myPanel);
    gStateLoop = 0;
    // A panel that went away meanwhile (a song that ended, an alert) takes the slider with it.
    if (gPanel != myPanel) return;
    MouseReleaseSlider(myNumber, myValue, myClass, MouseKeyElapsedTime(ClockTicks()));
    DrawRefreshMainSlider(myNumber);
    WindowPresent(kWinControls);
}

void MouseDragBeatCounter(short myColumn, uint8_t myTrigger) {
    const bool mySensitivity = myColumn == kColumnBeat;
    if (!mySensitivity && MouseSlidersRefused()) return;
    const int myHigh = mySensitivity ? kCounterSpan - 1 : kCounterSpan;
    const int myLeft = MouseAnchorX(myColumn) + 4;
    // No trigger of this kind fires while its counter is being set.
    if (!mySensitivity) gStyle.mBeatCounter[myTrigger] = 0;
    gStateLoop = 1;
    int myPlace = 0, myShown = -1;
    do {
        myPlace = std::clamp(MouseCursorX() - myLeft, 0, myHigh);
        if (mySensitivity) gStyle.mSensitivity = static_cast<int8_t>(kCounterSpan - myPlace);
        DrawBeatCounterSlider(myColumn, static_cast<short>(myPlace), 1, 1);
        if (myPlace != myShown) WindowPresent(kWinControls);
        myShown = myPlace;
    } while (MouseStillDown());
    gStateLoop = 0;
    if (mySensitivity) {
        MouseSetBoth(&StyleRecord::mSensitivity, static_cast<int8_t>(kCounterSpan - myPlace));
        return;
    }
    AnimateRestartCounter(myTrigger, myPlace);
    gStyle.mBeatCounter[myTrigger] = static_cast<int8_t>(myPlace);
    if (!gStatePlay && !gStatePause) gStyleStart.mBeatCounter[myTrigger] = static_cast<int8_t>(myPlace);
}

void MouseDragThresholdMeter(short myColumn, uint8_t myTrigger) {
    if (MouseSlidersRefused()) return;
    const int myLeft = MouseAnchorX(myColumn) + 4;
    gStateLoop = 1;
    int myShown = -1;
    do {
        const int myLevel = std::clamp(MouseCursorX() - myLeft, 0, kCounterSpan);
        gStyle.mThreshold[myTrigger] = static_cast<int8_t>(myLevel);
        DrawBeatThresholdMeter(myColumn, static_cast<short>(myLevel), 1, 1);
        if (myLevel != myShown) WindowPresent(kWinControls);
        myShown = myLevel;
    } while (MouseStillDown());
    gStateLoop = 0;
    if (!gStatePlay && !gStatePause) gStyleStart.mThreshold[myTrigger] = gStyle.mThreshold[myTrigger];
}

bool MouseCheckSliderRects(int myX, int myY, short myColumn, uint8_t myTrigger) {
    const int myAnchorX = gPanelPos[myColumn - kColumnFirst][0];
    const int myAnchorY = gPanelPos[myColumn - kColumnFirst][1];
    if (MouseInRect({myAnchorX, myAnchorY - 12, myAnchorX + 72, myAnchorY}, myX, myY)) {
        MouseDragBeatCounter(myColumn, myTrigger);
        return true;
    }
    if (myColumn == kColumnBeat) return false;
    if (MouseInRect({myAnchorX, myAnchorY - 28, myAnchorX + 72, myAnchorY - 12}, myX, myY)) {
        MouseDragThresholdMeter(myColumn, myTrigger);
        return true;
    }
    const int myButtonX = myAnchorX + LayoutTriggerButtonOffset(myColumn);
    const Rect myButton{myButtonX, myAnchorY - 26, myButtonX + 32, myAnchorY - 15};
    if (!MouseInRect(myButton, myX, myY)) return false;
    PopMenu(static_cast<uint16_t>(kMenuTrigger + myTrigger), -1, &myButton);
    return true;
}
