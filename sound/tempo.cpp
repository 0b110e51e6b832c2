// Tempo, manual taps and tapped patterns: everything that decides when generated beats fall.
#include "sound/tempo.h"

#include "core/style_record.h"
#include "sound/search.h"
#include "sound/sound_input.h"

#include <algorithm>
#include <iterator>

uint32_t gBeatNext = kNever;
uint32_t gBeatLast = 0;
uint32_t gBeatLength = kNever;
uint8_t gStatePattern = 0;
uint32_t gTapTime[10] = {};
uint8_t gTapPos = 0;
uint32_t gTapLength = 0;
uint8_t gTapCount = 0;
uint32_t gTapTemp[10] = {};

namespace {
constexpr uint32_t kMaxTappedTempo = 30000; // 300 beats per minute
} // namespace

void TempoResetState() {
    gBeatNext = gBeatLength = kNever;
    gBeatLast = 0;
    gStatePattern = 0;
    std::fill(std::begin(gTapTime), std::end(gTapTime), 0u);
    std::fill(std::begin(gTapTemp), std::end(gTapTemp), 0u);
    gTapPos = gTapCount = 0;
    gTapLength = 0;
}

bool TempoRaveReplays() {
    return gEditsCount < gEditsTotal;
}

uint32_t TempoNextStep() {
    if (!gStatePattern || gTapTime[0] == 0) return gBeatLength;
    gTapLength = gTapTime[1 + gTapPos];
    gTapPos = static_cast<uint8_t>((gTapPos + 1) % gTapTime[0]);
    return gTapLength;
}

void TempoStartBeats(uint32_t myTime) {
    if (gStatePattern && gTapTime[0] > 0) {
        gTapPos = 0;
        gTapLength = gTapTime[1];
        gBeatNext = myTime + gTapLength;
        gTapPos = 1 % gTapTime[0];
    } else {
        gBeatNext = gBeatLength == kNever ? kNever : myTime + gBeatLength;
    }
}

void MouseKeySetBPM(const uint8_t myTempo[2], uint32_t myTime) {
    gStatePattern = 0;
    const uint32_t myValue = (uint32_t(myTempo[0]) << 8) | myTempo[1];
    gBeatLength = myValue == 0 ? kNever : 6000000 / myValue;
    if (!TempoRaveReplays())
        gBeatNext = gStateListen || gBeatLength == kNever ? kNever : myTime + gBeatLength;
    gStyle.mTempo[0] = myTempo[0];
    gStyle.mTempo[1] = myTempo[1];
}

void MouseKeySetListen(bool myListen, uint32_t myTime) {
    // Switched on, listening first makes sure the chosen source carries sound.
    if (myListen && !gStateListen) AnimateStartSearch(kSearchQuiet);
    gStateListen = myListen ? 1 : 0;
    gStyle.mFlags =
        static_cast<uint8_t>(myListen ? (gStyle.mFlags | kFlagListen) : (gStyle.mFlags & ~kFlagListen));
    if (myListen) {
        // A replayed rave keeps its own beats.
        if (!TempoRaveReplays()) gBeatNext = kNever;
        // Capture runs only while listening during playback; switched on mid-song it starts now.
        if (gStatePlay) MusicStartRecording();
    } else if (!TempoRaveReplays()) {
        TempoStartBeats(myTime);
    }
}

void MouseKeyManualTap(uint32_t myTime, bool myDraw, bool myPressed) {
    (void)myDraw;
    (void)myPressed;
    gStatePattern = 0;
    ++gTapCount;
    gTapTemp[0] = 0;
    gTapTemp[gTapCount == 1 ? 1 : 2] = myTime;
}

void MouseKeyApplyTap(uint32_t myTime, bool myDraw, bool myPressed) {
    if (gTapCount < 2) {
        MouseKeyAlignTap(myTime, myDraw, myPressed);
        return;
    }
    const uint32_t mySpan = gTapTemp[2] - gTapTemp[1];
    // Taps all at one millisecond have no tempo; the fastest one stands in for it.
    uint32_t myTempo = mySpan == 0 ? kMaxTappedTempo : (uint32_t(gTapCount - 1) * 6000000u) / mySpan;
    if (myTempo > kMaxTappedTempo) myTempo = kMaxTappedTempo;
    const uint8_t myBytes[2] = {static_cast<uint8_t>(myTempo >> 8), static_cast<uint8_t>(myTempo & 0xFF)};
    MouseKeySetBPM(myBytes, myTime);
    if (gStateListen) MouseKeySetListen(false, myTime);
    gBeatNext = myTime;
    gTapCount = 0;
}

void MouseKeyAlignTap(uint32_t myTime, bool myDraw, bool myPressed) {
    (void)myDraw;
    (void)myPressed;
    if (gTapCount != 0 || gStateListen) return;
    if (gStatePattern) gTapPos = 0;
    gBeatNext = myTime;
}

void MouseKeyClearTap(bool myDraw, bool myPressed) {
    (void)myDraw;
    (void)myPressed;
    if (gTapCount) gTapCount = 0;
}

void MouseKeyPatternTap(uint32_t myTime) {
    ++gTapCount;
    if (gTapCount <= 9) {
        gTapTemp[0] = gTapCount;
        gTapTemp[gTapCount] = myTime;
    }
}

void MouseKeyPatternApply(uint32_t myTime) {
    if (gTapCount <= 1) {
        MouseKeyAlignTap(myTime, true, true);
        return;
    }
    gStatePattern = 1;
    const uint32_t myIntervals = gTapTemp[0] - 1;
    gTapTime[0] = myIntervals;
    for (uint32_t myIndex = 1; myIndex <= myIntervals; ++myIndex)
        gTapTime[myIndex] = gTapTemp[myIndex + 1] - gTapTemp[myIndex];
    if (gStateListen) MouseKeySetListen(false, myTime);
    gBeatNext = myTime;
    gTapPos = 0;
    gTapCount = 0;
}
