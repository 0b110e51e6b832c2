// The live parts of the drawing controls: beat counters, threshold meters, trigger words and lamps, the beat
// meter, the sound scale meter and the frequency spectrograph.
#include <algorithm>
#include <cstring>

#include "controls/draw.h"
#include "controls/draw_parts.h"
#include "core/display.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "resources/controls_art.h"
#include "sound/listen.h"

namespace {

constexpr uint8_t kBarLit = 17;    // aqua: how strong the beat was
constexpr uint8_t kBarFired = 254; // cyan: the part above the threshold of a beat that fired
constexpr uint8_t kMeterDim = 12;
constexpr uint8_t kCounterInk = 0;
constexpr uint8_t kSpectrumFace = 3;
constexpr uint8_t kSpectrumMarker = 251;
constexpr int kSpectrumLeft = 42;
constexpr int kSpectrumTop = 92;

// The beat meter's bar length drawn last.
int sMeterDrawn = 0;

int DrawAnchorX(int myColumn) {
    return gPanelPos[myColumn - kColumnFirst][0];
}
int DrawAnchorY(int myColumn) {
    return gPanelPos[myColumn - kColumnFirst][1];
}

} // namespace

bool DrawSlidersEnabled() {
    return !gStateManual && !gStateRave;
}

void DrawBeatCounterSlider(short myColumn, short myValue, uint8_t myEnabled, uint8_t myRestore) {
    const int myX = DrawAnchorX(myColumn), myY = DrawAnchorY(myColumn);
    const bool myTriggerColumn = myColumn != kColumnBeat;
    // The row holds the track and, in a trigger column, the counter's text after it.
    const Rect myRow{myX, myY - 12, myX + (myTriggerColumn ? 127 : 72), myY};
    if (myRestore) DrawFromControls(myRow, 0);
    const int myPosition = myValue < 0 ? 0 : myValue > 64 ? 64 : myValue;
    SurfaceCopyKeyed(DrawSurface(), myX + 1 + myPosition, myY - 12, gWorldPanelArt,
                     myEnabled ? kArtNub : kArtNubDisabled);
    if (!myTriggerColumn) return;
    char myText[16];
    DrawFormatCounter(myValue, myText);
    DrawText(myX + 73, myY - 3, myText, kCounterInk);
}

void DrawBeatThresholdMeter(short myColumn, short myValue, uint8_t myEnabled, uint8_t myRestore) {
    const int myX = DrawAnchorX(myColumn), myY = DrawAnchorY(myColumn);
    if (myRestore) DrawFromControls({myX, myY - 28, myX + 72, myY - 12}, 0);
    const int myNubX = myX + 1 + (myValue < 0 ? 0 : myValue > 64 ? 64 : myValue);
    SurfaceCopyKeyed(DrawSurface(), myNubX, myY - 28, gWorldPanelArt,
                     myEnabled ? kArtThresholdNubTop : kArtThresholdNubTopDisabled);
    SurfaceCopyKeyed(DrawSurface(), myNubX, myY - 18, gWorldPanelArt,
                     myEnabled ? kArtThresholdNubBottom : kArtThresholdNubBottomDisabled);
}

void DrawAllSliders(uint8_t myRestore, uint8_t myEnabled) {
    for (int myChannel = 0; myChannel < kChannels; ++myChannel) {
        const short myColumn = static_cast<short>(DrawColumnOfChannel(myChannel));
        DrawBeatCounterSlider(myColumn, gStyle.mBeatCounter[myChannel], myEnabled, 1);
        DrawBeatThresholdMeter(myColumn, gStyle.mThreshold[myChannel], myEnabled, 1);
    }
    // The sensitivity slider works in rave playback and manual mode too.
    DrawBeatCounterSlider(kColumnBeat, static_cast<short>(64 - gStyle.mSensitivity), 1, 1);
    (void)myRestore;
}

void DrawTriggerText(short myColumn, char myTrigger) {
    static const char* const kWords[4] = {"fix.", "rnd.", "seq.", "file"};
    const int myX = DrawAnchorX(myColumn) + LayoutTriggerButtonOffset(myColumn), myY = DrawAnchorY(myColumn);
    const Rect myButton{myX, myY - 26, myX + 32, myY - 15};
    DrawFromControls(myButton, 0);
    const int myMode = gStyle.mTrigger[static_cast<int>(myTrigger) % kChannels];
    DrawText(myX + 4, myY - 17, kWords[myMode >= 0 && myMode < 4 ? myMode : 0], kCounterInk);
}

void DrawDimMeter(uint8_t myLive) {
    SurfaceFill(DrawSurface(), gRectMeter, myLive ? kColorBlack : kMeterDim);
    sMeterDrawn = 0;
}

bool DrawBeatMeter(int myValue) {
    const int myLength = myValue < 0 ? 0 : myValue > 64 ? 64 : myValue;
    if (myLength == sMeterDrawn) return false;
    if (myLength < sMeterDrawn) {
        SurfaceFill(
            DrawSurface(),
            {gRectMeter.left + myLength, gRectMeter.top, gRectMeter.left + sMeterDrawn, gRectMeter.bottom},
            kColorBlack);
    } else if (gStateListen && !gStateRave) {
        SurfaceFill(
            DrawSurface(),
            {gRectMeter.left + sMeterDrawn, gRectMeter.top, gRectMeter.left + myLength, gRectMeter.bottom},
            kBarLit);
    } else {
        return false;
    }
    sMeterDrawn = myLength;
    return true;
}

void DrawBeatLamp(uint8_t myLit) {
    if (myLit)
        SurfaceCopyKeyed(DrawSurface(), gRectBeat.left, gRectBeat.top, gWorldButtons, kArtBeatLampLit);
    else
        DrawFromControls(gRectBeat, 0);
}

// Each channel's lamp and threshold bar: how strong the strongest beat was, and, when the channel fired,
// the part above its threshold in cyan and its lamp lit.
void DrawTriggerLamps() {
    for (int myChannel = 0; myChannel < kChannels; ++myChannel) {
        const Rect& myBar = gRectMeters[myChannel];
        SurfaceFill(DrawSurface(), myBar, kColorBlack);
        const uint8_t myState = gSliderHL[myChannel];
        const int myStrength = myState & 0x7F;
        const bool myFired = myState & 0x80;
        const int myThreshold = gStyle.mThreshold[myChannel] < 0 ? 0 : gStyle.mThreshold[myChannel];
        const int myAqua = myFired ? std::min(myThreshold, myStrength) : myStrength;
        SurfaceFill(DrawSurface(), {myBar.left, myBar.top, myBar.left + myAqua, myBar.bottom}, kBarLit);
        if (myFired && myStrength > myAqua)
            SurfaceFill(DrawSurface(),
                        {myBar.left + myAqua, myBar.top, myBar.left + myStrength, myBar.bottom}, kBarFired);
        if (myFired)
            SurfaceCopyKeyed(DrawSurface(), gRectSlidersHL[myChannel].left, gRectSlidersHL[myChannel].top,
                             gWorldButtons, kArtTriggerLampLit);
        else
            DrawFromControls(gRectSlidersHL[myChannel], 0);
    }
}

void DrawSoundScaleMeter() {
    const int myLength = gEffOffset > 64 ? 64 : gEffOffset;
    SurfaceFill(DrawSurface(), gRectEffMeter, kColorBlack);
    SurfaceFill(DrawSurface(),
                {gRectEffMeter.left, gRectEffMeter.top, gRectEffMeter.left + myLength, gRectEffMeter.bottom},
                kBarLit);
}

void DrawEmptySpectrograph() {
    const Rect myBox{kSpectrumLeft, kSpectrumTop, kSpectrumLeft + kSpectrumColumns,
                     kSpectrumTop + kSpectrumHeight};
    SurfaceFill(DrawSurface(), myBox, kSpectrumFace);
    if (gStateListen) return;
    const int myX = kSpectrumLeft + gStyle.mFrequency;
    SurfaceFill(DrawSurface(), {myX, myBox.top, myX + 1, myBox.bottom}, kColorBlack);
}

void DrawSpectrum() {
    uint8_t myHeights[kSpectrumColumns];
    AnimateComputeSpectrum(myHeights);
    const Rect myBox{kSpectrumLeft, kSpectrumTop, kSpectrumLeft + kSpectrumColumns,
                     kSpectrumTop + kSpectrumHeight};
    SurfaceFill(DrawSurface(), myBox, kSpectrumFace);
    for (int myColumn = 0; myColumn < kSpectrumColumns; ++myColumn) {
        const int myHeight = myHeights[myColumn] > kSpectrumHeight ? kSpectrumHeight : myHeights[myColumn];
        SurfaceFill(DrawSurface(),
                    {myBox.left + myColumn, myBox.bottom - myHeight, myBox.left + myColumn + 1, myBox.bottom},
                    kColorBlack);
    }
    // The listening frequency: a small "T" standing on the top of its column.
    const int myMarked = gStyle.mFrequency < 0 ? 0 : gStyle.mFrequency % kSpectrumColumns;
    const int myX = myBox.left + myMarked;
    const int myBarTop = myBox.bottom - std::min<int>(myHeights[myMarked], kSpectrumHeight);
    const int myTop = std::max(myBox.top, myBarTop - 6);
    SurfaceFill(DrawSurface(), {myX, myTop, myX + 1, myBarTop}, kSpectrumMarker);
    SurfaceFill(DrawSurface(), {myX - 2, myTop, myX + 3, myTop + 1}, kSpectrumMarker);
}

void DrawMetersResetState() {
    sMeterDrawn = 0;
}
