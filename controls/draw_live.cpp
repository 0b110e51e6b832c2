// The controls window follows the program: after every animation step the parts whose state has changed
// since they were drawn are drawn again, whoever changed it (a key, a beat, a load, a replayed rave).
#include <cstring>

#include "controls/draw.h"
#include "controls/draw_parts.h"
#include "controls/mousekey.h"
#include "controls/popup_state.h"
#include "controls/preview.h"
#include "controls/text_field.h"
#include "core/display.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "sound/listen.h"
#include "sound/sound_input.h"
#include "storage/components.h"

namespace {

constexpr uint32_t kCaretBlink = 530; // ms

// Everything a panel shows, zeroed first so that records of it compare byte for byte.
struct PanelShown {
    uint8_t mPanel, mAttach, mPosition, mParameter;
    uint16_t mPopup;
    uint8_t mSaveTitle, mSaverFlag, mSaverSound, mVolume, mTapCount, mPattern, mListen, mInput, mInputs;
    uint8_t mCDAttach;
    int8_t mTrack;
    char mCDName[kCDNameSize];
    uint16_t mSaverDelay;
    uint32_t mSeconds, mSongLength, mTaps[3], mPatternTimes[10];
    int8_t mCues[kEditKinds];
    StyleRecord mStyle;
    char mEditable[kEditableSize];
    char mInputName[16];
    int8_t mParamMin[3], mParamMax[3];
};

struct Shown {
    bool mValid = false;
    bool mExpand = false;
    uint8_t mButtons[kButtonCount] = {};
    bool mRave = false;
    int8_t mTrack = 0;
    char mTitle[kCDNameSize] = {};
    int mFlash = -1;
    bool mManual = false;
    bool mVolume = false;
    bool mSlidersEnabled = true;
    bool mMeterLive = false;
    bool mLamp = false;
    uint8_t mSliderHL[5] = {};
    uint8_t mEffOffset = 0;
    int mCaret = -1;
    int8_t mCurrent[4] = {};
    int8_t mCues[kEditKinds] = {};
    int8_t mCueFill = 0;
    StyleRecord mStyle = {};
    PanelShown mPanel = {};
};

Shown sShown;

uint8_t DrawButtonState(int myIndex) {
    bool myLit = false, myCued = false;
    DrawButtonLook(myIndex, &myLit, &myCued);
    return static_cast<uint8_t>((myLit ? 1 : 0) | (myCued ? 2 : 0));
}

void DrawPanelState(PanelShown& myShown) {
    std::memset(&myShown, 0, sizeof(myShown));
    myShown.mPanel = gPanel;
    myShown.mAttach = gPanelAttach;
    myShown.mPosition = gPosition;
    myShown.mParameter = gParameter;
    myShown.mPopup = gPopup;
    myShown.mSaveTitle = gStateSaveTitle;
    myShown.mSaverFlag = gSaverFlag;
    myShown.mSaverSound = gSaverSound;
    myShown.mSaverDelay = gSaverDelay;
    myShown.mVolume = gVolume;
    myShown.mTrack = gTrackCurrent;
    myShown.mCDAttach = gStateCDAttach;
    std::memcpy(myShown.mCDName, gCDName, sizeof(myShown.mCDName));
    myShown.mSeconds = gPanel == kPanelCD ? gHalfSeconds / 2 : 0;
    myShown.mSongLength = gSongLength;
    myShown.mTapCount = gTapCount;
    myShown.mPattern = gStatePattern;
    myShown.mListen = gStateListen;
    myShown.mInput = gAudioCurrentInputType;
    myShown.mInputs = gSoundInputNum;
    std::memcpy(myShown.mTaps, gTapTemp, sizeof(myShown.mTaps));
    std::memcpy(myShown.mPatternTimes, gTapTime, sizeof(myShown.mPatternTimes));
    std::memcpy(myShown.mCues, gCueList, sizeof(myShown.mCues));
    myShown.mStyle = gStyle;
    std::memcpy(myShown.mEditable, gEditableText, sizeof(myShown.mEditable));
    if (gAudioCurrentInputType < gSoundInputNum)
        std::memcpy(myShown.mInputName, gSoundInputNames[gAudioCurrentInputType], sizeof(myShown.mInputName));
    const MEffect& myMove = gMovements[gPosition % kMoveSlots];
    std::memcpy(myShown.mParamMin, myMove.mMin, sizeof(myShown.mParamMin));
    std::memcpy(myShown.mParamMax, myMove.mMax, sizeof(myShown.mParamMax));
}

void DrawCurrentSlots(int8_t myCurrent[4]) {
    myCurrent[0] = gCurrentGrad;
    myCurrent[1] = gCurrentFill;
    myCurrent[2] = gCurrentBrush;
    myCurrent[3] = gCurrentMove;
}

bool DrawNamesDiffer(const StyleRecord& myA, const StyleRecord& myB) {
    return std::memcmp(myA.mGradNames, myB.mGradNames, sizeof(myA.mGradNames)) != 0 ||
           std::memcmp(myA.mFillNames, myB.mFillNames, sizeof(myA.mFillNames)) != 0 ||
           std::memcmp(myA.mBrushNames, myB.mBrushNames, sizeof(myA.mBrushNames)) != 0 ||
           std::memcmp(myA.mMoveNames, myB.mMoveNames, sizeof(myA.mMoveNames)) != 0;
}

// What the song box and the track digits show: the track, its title and whether it has a rave.
void DrawRememberSong() {
    sShown.mRave = DrawTrackHasRave();
    sShown.mTrack = gTrackCurrent;
    std::strncpy(sShown.mTitle, DrawTrackTitle(), kCDNameSize - 1);
}

int DrawFlashState() {
    return gStateFlash ? static_cast<int>(gHalfSeconds % 2) : -1;
}

// The expanded window's parts.
bool DrawUpdateExpanded() {
    bool myDrew = false;
    if (std::strncmp(sShown.mStyle.mStyleName, gStyle.mStyleName, kNameSize) != 0) {
        DrawStyleBox();
        myDrew = true;
    }
    if (sShown.mManual != (gStateManual != 0)) {
        DrawManualButton();
        sShown.mManual = gStateManual;
        myDrew = true;
    }
    if (sShown.mVolume != (gStateVolume != 0)) {
        DrawFreqVolButtons();
        sShown.mVolume = gStateVolume;
        myDrew = true;
    }
    if (sShown.mTrack != gTrackCurrent) {
        DrawDisplayCDTrack();
        myDrew = true;
    }
    int8_t myCurrent[4];
    DrawCurrentSlots(myCurrent);
    if (DrawNamesDiffer(sShown.mStyle, gStyle)) {
        DrawNames();
        DrawAllHilites();
        myDrew = true;
    } else if (std::memcmp(myCurrent, sShown.mCurrent, sizeof(myCurrent)) != 0 ||
               std::memcmp(gCueList, sShown.mCues, sizeof(sShown.mCues)) != 0 ||
               gCueFill != sShown.mCueFill) {
        DrawAllHilites();
        myDrew = true;
    }
    if (sShown.mStyle.mBrushColor != gStyle.mBrushColor ||
        sShown.mCues[kEditBrushColor] != gCueList[kEditBrushColor]) {
        DrawBrushColor(1);
        myDrew = true;
    }
    if (sShown.mStyle.mFillColor != gStyle.mFillColor ||
        sShown.mCues[kEditFillColor] != gCueList[kEditFillColor]) {
        DrawFillColor(1);
        myDrew = true;
    }
    const bool myEnabled = DrawSlidersEnabled();
    const bool myLampsChanged = std::memcmp(sShown.mSliderHL, gSliderHL, sizeof(gSliderHL)) != 0;
    if (myEnabled != sShown.mSlidersEnabled ||
        std::memcmp(sShown.mStyle.mBeatCounter, gStyle.mBeatCounter, kChannels) != 0 ||
        std::memcmp(sShown.mStyle.mThreshold, gStyle.mThreshold, kChannels) != 0 ||
        sShown.mStyle.mSensitivity != gStyle.mSensitivity) {
        DrawAllSliders(1, myEnabled);
        DrawTriggerLamps();
        sShown.mSlidersEnabled = myEnabled;
        myDrew = true;
    } else if (myLampsChanged) {
        DrawTriggerLamps();
        myDrew = true;
    }
    std::memcpy(sShown.mSliderHL, gSliderHL, sizeof(gSliderHL));
    if (std::memcmp(sShown.mStyle.mTrigger, gStyle.mTrigger, kChannels) != 0) {
        for (int myChannel = 0; myChannel < kChannels; ++myChannel)
            DrawTriggerText(static_cast<short>(DrawColumnOfChannel(myChannel)), static_cast<char>(myChannel));
        myDrew = true;
    }
    const bool myLive = gStateListen && !gStateRave;
    if (myLive != sShown.mMeterLive) {
        DrawDimMeter(myLive);
        sShown.mMeterLive = myLive;
        myDrew = true;
    }
    myDrew = DrawBeatMeter(gMeterOffset) || myDrew;
    const bool myLamp = gStateHilite != 0;
    if (myLamp != sShown.mLamp) {
        DrawBeatLamp(myLamp);
        sShown.mLamp = myLamp;
        myDrew = true;
    }
    return myDrew;
}

bool DrawUpdatePanel() {
    PanelShown myPanel;
    DrawPanelState(myPanel);
    bool myDrew = false;
    if (std::memcmp(&myPanel, &sShown.mPanel, sizeof(myPanel)) != 0) {
        DrawPanelContents();
        sShown.mPanel = myPanel;
        sShown.mCaret = -1;
        myDrew = true;
    }
    if (gPanel == kPanelFrequency && gStateListen && gSoundSampleNew) {
        DrawSpectrum();
        myDrew = true;
    }
    if (gPanel == kPanelParameter && PreviewParameterStep()) myDrew = true;
    if (gPanel >= kPanelScaleFade && gPanel <= kPanelMaxFade && gEffOffset != sShown.mEffOffset) {
        DrawSoundScaleMeter();
        sShown.mEffOffset = gEffOffset;
        myDrew = true;
    }
    if (TextFieldExists()) {
        const int myCaret = static_cast<int>((ClockTicks() / kCaretBlink) % 2 == 0);
        if (myCaret != sShown.mCaret) {
            TextFieldDraw(myCaret);
            sShown.mCaret = myCaret;
            myDrew = true;
        }
    }
    return myDrew;
}

} // namespace

void DrawRemember() {
    sShown.mValid = true;
    sShown.mExpand = gStateExpand;
    for (int myIndex = 0; myIndex < kButtonCount; ++myIndex)
        sShown.mButtons[myIndex] = DrawButtonState(myIndex);
    DrawRememberSong();
    sShown.mFlash = -1;
    sShown.mManual = gStateManual;
    sShown.mVolume = gStateVolume;
    sShown.mSlidersEnabled = DrawSlidersEnabled();
    sShown.mMeterLive = gStateListen && !gStateRave;
    // The background shows the lamps dark and the bars empty: the next update lights what is lit.
    sShown.mLamp = false;
    std::memset(sShown.mSliderHL, 0, sizeof(sShown.mSliderHL));
    sShown.mEffOffset = 0;
    DrawCurrentSlots(sShown.mCurrent);
    std::memcpy(sShown.mCues, gCueList, sizeof(sShown.mCues));
    sShown.mCueFill = gCueFill;
    sShown.mStyle = gStyle;
    DrawRememberPanel();
}

void DrawRememberPanel() {
    DrawPanelState(sShown.mPanel);
    sShown.mCaret = -1;
}

void DrawForget() {
    sShown.mValid = false;
}

void DrawUpdateLive() {
    if (!gStateControlsVisible || !DrawSurface().Exists()) return;
    if (!sShown.mValid || sShown.mExpand != (gStateExpand != 0)) {
        DrawWindow();
        return;
    }
    bool myDrew = false;
    for (int myIndex = 0; myIndex < DrawButtonCount(); ++myIndex) {
        const uint8_t myState = DrawButtonState(myIndex);
        if (myState == sShown.mButtons[myIndex]) continue;
        DrawControlButton(static_cast<short>(DrawButtonNumber(myIndex)), myState & 1, 0);
        sShown.mButtons[myIndex] = myState;
        myDrew = true;
    }
    if (sShown.mRave != DrawTrackHasRave() || sShown.mTrack != gTrackCurrent ||
        std::strncmp(sShown.mTitle, DrawTrackTitle(), kCDNameSize) != 0) {
        DrawRaveBox(0);
        sShown.mFlash = -1;
        myDrew = true;
    }
    const int myFlash = DrawFlashState();
    if (myFlash != sShown.mFlash) {
        DrawRaveFlash(myFlash == 1);
        sShown.mFlash = myFlash;
        myDrew = true;
    }
    myDrew = DrawUpdatePanel() || myDrew;
    if (gStateExpand) myDrew = DrawUpdateExpanded() || myDrew;
    DrawRememberSong();
    DrawCurrentSlots(sShown.mCurrent);
    std::memcpy(sShown.mCues, gCueList, sizeof(sShown.mCues));
    sShown.mCueFill = gCueFill;
    sShown.mStyle = gStyle;
    if (myDrew) WindowPresent(kWinControls);
}

void DrawLiveResetState() {
    sShown = Shown();
}
