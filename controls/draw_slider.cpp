// The panel area's main slider: what each slider shows, its track, nub, end labels and value box, and the
// panels' small text buttons.
#include <cstdio>
#include <cstring>

#include "controls/draw.h"
#include "core/display.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/edits.h"
#include "resources/art_draw.h"
#include "resources/controls_art.h"
#include "sound/sound_input.h"
#include "storage/components.h"

namespace {

constexpr uint8_t kLabelInk = 0;
constexpr uint8_t kNumberInk = 250;
constexpr uint8_t kDefaultFrame = 250;

struct SliderShown {
    long mValue = 0;
    long mMin = 0;
    long mMax = 0;
    char mMinLabel[8] = "";
    char mMaxLabel[8] = "";
    bool mBox = true;
    bool mCued = false;
    bool mNone = false; // an attachment slider of a brush without that attachment
    bool mDirection = false;
};

long DrawClamp(long myValue, long myLow, long myHigh) {
    return myValue < myLow ? myLow : myValue > myHigh ? myHigh : myValue;
}

void DrawSetRange(SliderShown& myShown, long myMin, long myMax, const char* myMinLabel,
                  const char* myMaxLabel) {
    myShown.mMin = myMin;
    myShown.mMax = myMax;
    std::snprintf(myShown.mMinLabel, sizeof(myShown.mMinLabel), "%s", myMinLabel);
    std::snprintf(myShown.mMaxLabel, sizeof(myShown.mMaxLabel), "%s", myMaxLabel);
}

// A live setting's slider takes a cued value of its edit kind instead, drawn cued.
long DrawCuedOr(unsigned short myNumber, long myValue, SliderShown& myShown) {
    const int myKind = myNumber - 450;
    if (myKind < 1 || myKind > kEditColorKick || gCueList[myKind] == kNotSet) return myValue;
    myShown.mCued = true;
    return gCueList[myKind];
}

void DrawAttachSlider(int8_t myStored, long myOffset, SliderShown& myShown) {
    myShown.mNone = myStored == kNotSet;
    myShown.mValue = myShown.mNone ? myShown.mMin : myStored - myOffset;
}

bool DrawSliderState(unsigned short myNumber, SliderShown& myShown) {
    const AttachRecord& myAttach = gStyle.mAttachments[gPosition % kBrushSlots];
    switch (myNumber) {
    case kSliderVolume:
        DrawSetRange(myShown, 0, 255, "Vol:", "255");
        myShown.mValue = gVolume;
        myShown.mBox = false;
        break;
    case kSliderTempo:
        DrawSetRange(myShown, 0, 24000, "", "240");
        myShown.mValue = StyleGetTempo(gStyle);
        break;
    case kSliderSaverDelay:
        DrawSetRange(myShown, 1, 120, "", "120");
        myShown.mValue = gSaverDelay;
        break;
    case kSliderParameter: {
        const MEffect& myMove = gMovements[gPosition % kMoveSlots];
        if (gParameter >= myMove.mNumParams) return false;
        char myMin[8], myMax[8];
        std::snprintf(myMin, sizeof(myMin), "%d", myMove.mMin[gParameter]);
        std::snprintf(myMax, sizeof(myMax), "%d", myMove.mMax[gParameter]);
        DrawSetRange(myShown, myMove.mMin[gParameter], myMove.mMax[gParameter], myMin, myMax);
        myShown.mValue = gStyle.mMoveParam[gPosition % kMoveSlots].mValue[gParameter];
        myShown.mDirection = std::strcmp(myMove.mName + gParameter * kParamNameSize, "Direction") == 0;
        break;
    }
    case kSliderFrequency:
        DrawSetRange(myShown, 0, 126, "20", "524");
        myShown.mValue = gStyle.mFrequency;
        break;
    case kSliderBrushBright:
    case kSliderFillBright:
    case kSliderBrushSat:
    case kSliderFillSat: {
        const int8_t myValues[4] = {gStyle.mBrushBrightness, gStyle.mFillBrightness, gStyle.mBrushSaturation,
                                    gStyle.mFillSaturation};
        DrawSetRange(myShown, 0, 100, "", "100");
        myShown.mValue = myValues[myNumber - kSliderBrushBright];
        break;
    }
    case kSliderScaleFade:
        DrawSetRange(myShown, 0, 40, "", "40");
        myShown.mValue = gStyle.mFadeTime;
        break;
    case kSliderScaleThreshold:
        DrawSetRange(myShown, 0, 100, "", "100");
        myShown.mValue = gStyle.mScaleThreshold;
        break;
    case kSliderMaxFade:
        DrawSetRange(myShown, 0, 120, "", "120");
        myShown.mValue = gStyle.mMaxFade;
        break;
    case kSliderAttachBrushSpeed:
        DrawSetRange(myShown, 0, 120, "", "120");
        DrawAttachSlider(myAttach.mAttachBrushSpeed, 0, myShown);
        break;
    case kSliderAttachColorSpeed:
        DrawSetRange(myShown, -60, 60, "-60", "60");
        DrawAttachSlider(myAttach.mAttachColorSpeed, 60, myShown);
        break;
    case kSliderAttachSpread:
        DrawSetRange(myShown, 1, 120, "", "120");
        DrawAttachSlider(myAttach.mAttachSpread, 0, myShown);
        break;
    case kSliderAttachBrushBright:
        DrawSetRange(myShown, 0, 100, "", "100");
        DrawAttachSlider(myAttach.mAttachBrushBright, 0, myShown);
        break;
    case kSliderAttachFillBright:
        DrawSetRange(myShown, 0, 100, "", "100");
        DrawAttachSlider(myAttach.mAttachFillBright, 0, myShown);
        break;
    case kSliderBrushSpeed:
        DrawSetRange(myShown, 0, 120, "", "120");
        myShown.mValue = DrawCuedOr(myNumber, gStyle.mBrushSpeed, myShown);
        break;
    case kSliderColorSpeed:
        DrawSetRange(myShown, -60, 60, "-60", "60");
        myShown.mValue = DrawCuedOr(myNumber, gStyle.mColorSpeed, myShown) - 60;
        break;
    case kSliderSpread:
        DrawSetRange(myShown, 1, 120, "", "120");
        myShown.mValue = DrawCuedOr(myNumber, gStyle.mSpread, myShown);
        break;
    case kSliderColorKick:
        DrawSetRange(myShown, -50, 50, "-50", "50");
        myShown.mValue = DrawCuedOr(myNumber, gStyle.mColorKick, myShown) - 50;
        break;
    default:
        return false;
    }
    myShown.mValue = DrawClamp(myShown.mValue, myShown.mMin, myShown.mMax);
    return true;
}

bool DrawAttachSliderNumber(unsigned short myNumber) {
    return myNumber >= kSliderAttachBrushSpeed && myNumber <= kSliderAttachFillBright;
}

// The value box's text: tempo with two decimals, frequency in hertz, "(None)" for a missing attachment.
void DrawSliderText(unsigned short myNumber, long myValue, char* myText, size_t mySize) {
    if (DrawAttachSliderNumber(myNumber) && myValue == kNotSet)
        std::snprintf(myText, mySize, "(None)");
    else if (myNumber == kSliderTempo)
        DrawFormatBPM(static_cast<uint32_t>(myValue < 0 ? 0 : myValue), myText);
    else if (myNumber == kSliderFrequency)
        std::snprintf(myText, mySize, "%ld", (myValue + 5) * 4);
    else
        std::snprintf(myText, mySize, "%ld", myValue);
}

} // namespace

bool DrawSliderValue(unsigned short myNumber, long* myValue, long* myMin, long* myMax) {
    SliderShown myShown;
    if (!DrawSliderState(myNumber, myShown)) return false;
    *myValue = myShown.mNone ? kNotSet : myShown.mValue;
    *myMin = myShown.mMin;
    *myMax = myShown.mMax;
    return true;
}

long DrawSliderPosition(long myValue, long myMin, long myMax) {
    const long myRange = myMax - myMin;
    return myRange > 0 ? (DrawClamp(myValue, myMin, myMax) - myMin) * kArtSliderTravel / myRange : 0;
}

// The value drawn is the one given, so a slider being dragged shows where the mouse has put it.
void DrawMainSlider(unsigned short myNumber, long myValue, long myPosition, uint8_t myLook) {
    SliderShown myShown;
    if (!DrawSliderState(myNumber, myShown)) return;
    const bool myNone = DrawAttachSliderNumber(myNumber) && myValue == kNotSet;
    const Rect& myTrack = gRectHSlider;
    DrawFromControls({kLayoutPanelArea.left + 1, myTrack.top, kLayoutPanelArea.right - 1, myTrack.bottom}, 0);
    SurfaceCopyKeyed(DrawSurface(), myTrack.left, myTrack.top, gWorldPanelArt,
                     myShown.mDirection ? kArtDirectionTrack : kArtSliderTrack);
    if (myShown.mMinLabel[0])
        DrawRightText(myShown.mMinLabel,
                      {kLayoutPanelArea.left, myTrack.top, myTrack.left - 2, myTrack.bottom}, kLabelInk);
    DrawText(myTrack.right + 2, myTrack.top + 10, myShown.mMaxLabel, kLabelInk);
    if (!myNone)
        SurfaceCopyKeyed(DrawSurface(), myTrack.left + static_cast<int>(myPosition), myTrack.top + 1,
                         gWorldPanelArt, myLook == 2 ? kArtNubCued : kArtNub);
    if (!myShown.mBox) return;
    char myText[16];
    DrawSliderText(myNumber, myValue, myText, sizeof(myText));
    DrawDisplayNumberBox(myNumber, myText);
}

void DrawRefreshMainSlider(unsigned short myNumber) {
    SliderShown myShown;
    if (!DrawSliderState(myNumber, myShown)) return;
    const long myValue = myShown.mNone ? kNotSet : myShown.mValue;
    DrawMainSlider(myNumber, myValue, DrawSliderPosition(myShown.mValue, myShown.mMin, myShown.mMax),
                   myShown.mCued ? 2 : 0);
}

// The value box right of the slider's label: light digits on black.
// The listening frequency's box stands beside its label over the spectrograph.
void DrawDisplayNumberBox(unsigned short myNumber, const char* myText) {
    Rect myBox = gRectPanelBox3;
    if (myNumber == kSliderFrequency) {
        const Rect myRow = DrawPanelRow(0);
        const int myLeft = myRow.left + DrawTextWidth("Hertz:") + 4;
        myBox = {myLeft, myRow.top, myLeft + gRectPanelBox3.Width(), myRow.bottom};
    }
    SurfaceFill(DrawSurface(), myBox, kColorBlack);
    DrawCenteredText(myText, myBox, kNumberInk);
}

void DrawBasicButton(const Rect& myRect, uint8_t myLit, const char* myText) {
    SurfaceCopyKeyed(DrawSurface(), myRect.left, myRect.top, gWorldPanelArt,
                     myLit ? kArtMiniButtonLit : kArtMiniButton);
    const Rect myFace{myRect.left, myRect.top + (myLit ? 1 : 0), myRect.left + kArtMiniButton.Width(),
                      myRect.top + kArtMiniButton.Height() + (myLit ? 1 : 0)};
    DrawCenteredText(myText, myFace, kLabelInk);
}

void DrawRefreshMiniButton(unsigned short myNumber, uint8_t myLit) {
    const Rect myRect = DrawMiniButtonRect(myNumber);
    if (myRect.Width() <= 0) return;
    const char* myText = DrawMiniButtonText(myNumber);
    DrawBasicButton(myRect, myLit || DrawMiniButtonLit(myNumber), myText);
    // The button Enter presses is framed green.
    if (myNumber == kMiniSave || myNumber == kMiniYes) {
        ArtFrame(DrawSurface(),
                 {myRect.left - 1, myRect.top - 1, myRect.left + kArtMiniButton.Width() + 1,
                  myRect.top + kArtMiniButton.Height() + 1},
                 kDefaultFrame);
    }
}
