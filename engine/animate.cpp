// The frame loop: one step at a time, it produces or replays beats, lets the trigger channels change the
// picture on counted beats, and advances the brush and the colour cycling when their deadlines pass.
#include "engine/animate.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "core/alert.h"
#include "core/state.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/kinds.h"
#include "engine/movement.h"
#include "platform/audioin.h"
#include "platform/clock.h"
#include "platform/text_out.h"
#include "sound/listen.h"
#include "sound/search.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"
#include "storage/components.h"

uint32_t gBeatCount = 0;
uint8_t gStateManual = 0;
uint32_t gUpdateNext = kNever;
uint32_t gUpdateLength = kNever;
uint32_t gCycleNext = kNever;
uint32_t gCycleLength = kNever;
int8_t gCycleDir = 0;
uint32_t gCycleForce = 0;
uint32_t gHalfSeconds = 0;
int8_t gBeatCountOffset[5] = {1, 1, 1, 1, 1};
uint8_t gSliderHL[5] = {};
uint8_t gStateHilite = 0;
uint32_t gHiliteTime = 0;
uint8_t gStateRave = 0;
uint8_t gStateFlash = 0;
int gShiftLast = 0;

namespace {

std::FILE* sBeatLog = nullptr;

// The edits one beat collects, carried out in the fixed order of their kinds.
constexpr int kBeatKinds[6] = {kEditGradient, kEditBrushColor, kEditFillColor,
                               kEditFill,     kEditMove,       kEditBrush};

bool AnimateQueued(int myKind) {
    return gCueList[myKind] != kNotSet;
}

int AnimateSlotEdit(int myMode, int myCurrent, int mySlots) {
    switch (myMode) {
    case kTriggerRandom:
        return kEditRandom;
    case kTriggerSequential:
        return (myCurrent + 1) % mySlots + 1;
    default:
        return myCurrent + 1;
    }
}

// A slot channel's edit: a held cue or an attached slot keeps it from changing; a random file is loaded into
// the current slot first, which the edit then selects again.
void AnimateSlotChannel(const ComponentKind& myKind, int myMode, const AttachRecord& myAttach,
                        int8_t* myEdits) {
    const int8_t myAttached =
        myKind.mAttachField ? reinterpret_cast<const int8_t*>(&myAttach)[myKind.mAttachField] : kNotSet;
    if (AnimateQueued(myKind.mEdit) || myAttached != kNotSet) return;
    if (myMode == kTriggerRandomFile) ExecuteRandomComponent(myKind.mPopup, myKind.mList, gBeatLast);
    myEdits[myKind.mEdit] = static_cast<int8_t>(AnimateSlotEdit(
        myMode == kTriggerRandomFile ? kTriggerFixed : myMode, *myKind.mCurrent, myKind.mSlots));
}

// The colour channel's edits of both colours: the same colour again, the next one, or a random one.
void AnimateColorChannel(int myMode, int8_t* myEdits) {
    for (int myKind : {kEditBrushColor, kEditFillColor}) {
        if (AnimateQueued(myKind)) continue;
        const int myColor = myKind == kEditBrushColor ? gStyle.mBrushColor : gStyle.mFillColor;
        if (myMode == kTriggerFixed)
            myEdits[myKind] = static_cast<int8_t>(myColor);
        else if (myMode == kTriggerSequential)
            myEdits[myKind] = static_cast<int8_t>((myColor + 111) % 120 + 1);
        else
            myEdits[myKind] = kEditRandom;
    }
}

// Steps both colour ranges: a loaded colour effect is bent by the sound, the other only cycles.
void AnimateStepColors(int myStep) {
    const int myFillStep = myStep % 90;
    if (gBEffectColor.mFileFlag)
        gBEffectColor.CEffectModify(static_cast<char>(myStep));
    else
        gBEffectColor.CEffectCycle(static_cast<char>(myStep));
    if (gFEffectColor.mFileFlag)
        gFEffectColor.CEffectModify(static_cast<char>(myFillStep));
    else
        gFEffectColor.CEffectCycle(static_cast<char>(myFillStep));
}

void AnimateTempoBeat(uint32_t myNow) {
    if (gBeatNext < myNow) {
        gBeatLast = gBeatNext;
        const uint32_t myStep = TempoNextStep();
        gBeatNext = myStep == kNever ? kNever : gBeatNext + myStep;
        gEffScale = 1.0;
        AnimateDrawBeatMeter(64, 1);
        AnimateInsertBeat(64, myNow, 0);
    } else if (gBeatNext != kNever) {
        const uint32_t myLength = gStatePattern ? gTapLength : gBeatLength;
        if (myLength && myLength != kNever)
            gEffScale = 1.0 - (double(myNow) - (double(gBeatNext) - myLength)) / myLength;
    }
}

void AnimateReplayBeats(uint32_t myNow) {
    if (gBeatNext < myNow) {
        AnimateDrawBeatMeter(64, 1);
        // A record that cannot move the next beat on would hold the replay here for ever.
        for (int myGuard = 0; gBeatNext < myNow && myGuard < kEditsMax && TempoRaveReplays(); ++myGuard)
            AnimateExecuteEdits(myNow);
        gEffScale = 1.0;
    } else if (gBeatNext > gBeatLast && gBeatNext != kNever) {
        gEffScale = 1.0 - (double(myNow) - gBeatLast) / (double(gBeatNext) - gBeatLast);
    }
}

// The meters of the sound-scaling panels follow each new block of sound; they are drawn with the controls.
void AnimateFollowSound() {
    if (gSoundSampleNew && gStateAllVisible) AnimateEffectMeterLength();
}

void AnimateListenBeat(uint32_t myNow) {
    gSoundSampleNew = 0;
    bool myBeat = false;
    const int myValue = AnimateListenForBeat(myNow, myBeat);
    AnimateFollowSound();
    AnimateDrawBeatMeter(static_cast<uint8_t>(myValue), myBeat ? 1 : 0);
    if (myBeat) AnimateInsertBeat(static_cast<uint8_t>(myValue), myNow, 0);
}

void AnimateListenReplay(uint32_t myNow) {
    gSoundSampleNew = 0;
    AnimateGetSound(myNow);
    AnimateFollowSound();
    if (gBeatNext < myNow) {
        AnimateDrawBeatMeter(0, 1);
        for (int myGuard = 0; gBeatNext < myNow && myGuard < kEditsMax && TempoRaveReplays(); ++myGuard)
            AnimateExecuteEdits(myNow);
    }
}

// While the user works elsewhere, a volume changed in the sound server's mixer reaches the volume slider.
void AnimateFollowVolume() {
    if (!gStateOutsideApp) return;
    InitSoundVolume(MusicChosenInput(), 1, gSoundMonitorFlag ? kDestinationRecording : kDestinationSpeakers,
                    false);
}

void AnimateCycle(uint32_t myNow) {
    if (!gStateColorChange) return;
    if (gCycleNext < myNow) {
        gCycleNext = gCycleLength == kNever ? kNever : myNow + gCycleLength;
        int myStep = gCycleDir;
        if (gStateListen) {
            myStep = static_cast<int>((gStyle.mColorKick - 50) * gScale);
            const int myHeard = myStep;
            if (myStep == gShiftLast) myStep = gCycleDir;
            gShiftLast = myHeard;
        }
        if (myStep != gCycleDir) {
            myStep = myStep * 90 / 100 + gCycleDir;
            if (myStep == 0) myStep = gCycleDir;
        }
        AnimateStepColors(myStep);
    } else if (gCycleLength > 66 && myNow > gCycleForce) {
        gCycleForce = myNow + 66;
        if (gBEffectColor.mFileFlag) gBEffectColor.CEffectModify(0);
        if (gFEffectColor.mFileFlag) gFEffectColor.CEffectModify(0);
    }
}

void AnimateDisc(void (*myStep)()) {
    if (myStep) myStep();
}

// The lamps of the last beat go out 128 ms after it; without listening the meter's bar goes too.
void AnimateLampsOut(uint32_t myNow) {
    if (!gStateHilite || myNow - gHiliteTime <= 128) return;
    gStateHilite = 0;
    for (uint8_t& myLamp : gSliderHL)
        myLamp = 0;
    if (!gStateListen) gMeterOffset = 0;
}

// Beats come from listening or the tempo, or, while a rave replays, from its records.
void AnimateBeatSource(uint32_t myNow) {
    if (!TempoRaveReplays()) {
        gStateRave = 0;
        if (gStateListen)
            AnimateListenBeat(myNow);
        else
            AnimateTempoBeat(myNow);
    } else {
        gStateRave = 1;
        if (gStateListen)
            AnimateListenReplay(myNow);
        else
            AnimateReplayBeats(myNow);
    }
}

void AnimateBrushStep(uint32_t myNow) {
    if (gUpdateNext >= myNow) return;
    gUpdateNext = gUpdateLength == kNever ? kNever : myNow + gUpdateLength;
    gEffectBrush.BEffectUpdate();
}

// Every half second: the last six seconds of a song flash; before them a disc's song clock is set to the disc
// every 15 s, and the search for sound takes its step.
void AnimateHalfSecond(uint32_t myNow) {
    const uint32_t myHalves = myNow / 500;
    if (myHalves <= gHalfSeconds) return;
    gHalfSeconds = myHalves;
    if (!gStateFlash && gSongLength / 500 < gHalfSeconds + 12) {
        gStateFlash = 1;
    } else if (!gStateFlash) {
        if (gStateCD && gHalfSeconds % 30 == 0) AnimateDisc(gAnimateDisc.mAlign);
        AnimateSearchHalfSecond();
    }
}

} // namespace

AnimateDiscHooks gAnimateDisc;

// The tick counter wraps after 2^32 ms; unsigned subtraction keeps the elapsed time right across the wrap.
uint32_t AnimateGetElapsedTime() {
    return ClockTicks() - gTimer;
}

void AnimateResetBeats() {
    gBeatCount = 0;
    gBeatLast = 0;
    for (int8_t& myOffset : gBeatCountOffset)
        myOffset = 1;
    AnimateSongTimeAt(0);
}

void AnimateRestartCounter(int myTrigger, int myCount) {
    gBeatCountOffset[myTrigger] =
        static_cast<int8_t>(myCount == 0 ? 0 : myCount - static_cast<int>(gBeatCount % myCount) + 1);
}

void AnimateSongTimeAt(uint32_t myPosition) {
    gHalfSeconds = myPosition / 500;
    gStateFlash = 0;
}

void AnimateRestartSteps(uint32_t myTime) {
    gUpdateNext = gUpdateLength == kNever ? kNever : myTime + gUpdateLength;
    gCycleNext = gCycleLength == kNever ? kNever : myTime + gCycleLength;
}

bool AnimateOpenBeatLog(const char* myPath) {
    AnimateCloseBeatLog();
    sBeatLog = TextOutOpen(myPath);
    return sBeatLog != nullptr;
}

void AnimateCloseBeatLog() {
    TextOutClose(sBeatLog);
    sBeatLog = nullptr;
}

void AnimateMain() {
    AnimateDisc(gAnimateDisc.mWatch);
    const uint32_t myNow = AnimateGetElapsedTime();
    if (gStatePlay) {
        if (myNow >= gSongLength) {
            AnimateDisc(gAnimateDisc.mSongEnd);
        } else {
            AnimateLampsOut(myNow);
            AnimateBeatSource(myNow);
            AnimateBrushStep(myNow);
            AnimateCycle(myNow);
            AnimateHalfSecond(myNow);
        }
    }
    AnimateFollowVolume();
}

uint32_t AnimateDueIn() {
    const uint32_t myNow = AnimateGetElapsedTime();
    uint32_t myDue = kAnimateIdleMost;
    // The step acts on a deadline once the time is past it.
    const auto myAfter = [&](uint32_t myDeadline) {
        if (myDeadline != kNever) myDue = std::min(myDue, myDeadline >= myNow ? myDeadline - myNow + 1 : 0);
    };
    if (gNewDisk) {
        const uint32_t mySince = ClockTicks() - gNewDiskTime;
        myDue = std::min(myDue, mySince > 3000 ? 0 : 3001 - mySince);
    }
    if (!gStatePlay) return myDue;
    myDue = std::min(myDue, gSongLength > myNow ? gSongLength - myNow : 0);
    if (gStateHilite) myAfter(gHiliteTime + 128);
    if (gStateListen) myDue = std::min(myDue, AudioInDueIn());
    if (!gStateListen || TempoRaveReplays()) myAfter(gBeatNext);
    myAfter(gUpdateNext);
    if (gStateColorChange) {
        myAfter(gCycleNext);
        if (gCycleLength > 66 && (gBEffectColor.mFileFlag || gFEffectColor.mFileFlag)) myAfter(gCycleForce);
    }
    myAfter((gHalfSeconds + 1) * 500 - 1);
    return myDue;
}

void AnimateInsertBeat(uint8_t myMeter, uint32_t myTime, uint8_t myLamp) {
    AnimateExecuteBeat(myMeter, myTime);
    AnimateFinishBeat(1, myTime);
    if (myLamp) AnimateDrawBeatHilite();
}

void AnimateHandBeat(uint32_t myTime, uint8_t myLamp) {
    gBeatLast = myTime;
    AnimateInsertBeat(64, myTime, myLamp);
}

void AnimateExecuteBeat(uint8_t myMeter, uint32_t myTime) {
    (void)myTime;
    if (gStateManual) {
        ++gBeatCount;
        ExecuteInsert(kRecordBeat, nullptr);
        return;
    }
    int8_t myEdits[kEditKinds];
    for (int8_t& myEdit : myEdits)
        myEdit = kNotSet;
    const AttachRecord& myAttach = gStyle.mAttachments[static_cast<uint8_t>(gCurrentBrush) % kBrushSlots];
    bool myFired = false;
    for (int c = 0; c < kChannels; ++c) {
        const int myCounter = gStyle.mBeatCounter[c];
        if (myCounter <= 0 || (gBeatCountOffset[c] + static_cast<int64_t>(gBeatCount)) % myCounter != 0)
            continue;
        const int myThreshold = gStyle.mThreshold[c];
        // With the whole controls showing, each evaluated channel keeps the strongest beat it saw for its
        // meter.
        if (gStateAllVisible && myMeter > (gSliderHL[c] & 0x7F))
            gSliderHL[c] = static_cast<uint8_t>((gSliderHL[c] & 0x80) | (myMeter & 0x7F));
        if (myThreshold * (gStateListen ? 1 : 0) > myMeter) continue;
        const int myMode = gStyle.mTrigger[c];
        int8_t myBefore[kEditKinds];
        std::memcpy(myBefore, myEdits, sizeof(myBefore));
        if (c == kChannelColor)
            AnimateColorChannel(myMode, myEdits);
        else
            AnimateSlotChannel(*KindOfChannel(c), myMode, myAttach, myEdits);
        myFired = true;
        // A channel that made a change lights its lamp.
        if (gStateAllVisible && std::memcmp(myBefore, myEdits, sizeof(myBefore)) != 0) gSliderHL[c] |= 0x80;
    }
    ++gBeatCount;
    ExecuteInsert(kRecordBeat, nullptr);
    if (!myFired) return;
    for (int myKind : kBeatKinds)
        if (myEdits[myKind] != kNotSet)
            ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myEdits[myKind]), gBeatLast,
                         kModeExecute, {gStateControlsVisible, 1, 1});
    gStateClearTrails = 1;
}

void AnimateFinishBeat(uint8_t myReset, uint32_t myTime) {
    gHiliteTime = AnimateGetElapsedTime();
    if (!myReset) return;
    gStateHilite = 16;
    if (sBeatLog) {
        char myLine[32];
        std::snprintf(myLine, sizeof(myLine), "%.3f", gBeatLast / 1000.0);
        TextOutLine(sBeatLog, myLine);
    }
    gMovements[static_cast<uint8_t>(gCurrentMove) % kMoveSlots].MEffectReset();
    gUpdateNext = gUpdateLength == kNever ? kNever : myTime + gUpdateLength;
    gEffectBrush.BEffectReset();
    if (gStateColorChange) {
        const int myKick = (gStyle.mColorKick - 50) * 90 / 100;
        gBEffectColor.CEffectCycle(static_cast<char>(myKick));
        gFEffectColor.CEffectCycle(static_cast<char>(myKick % 90));
    }
}

// The controls window draws the meter's bar and the lamps from these, after the step.
void AnimateDrawBeatMeter(uint8_t myValue, uint8_t myLamp) {
    if (myLamp && gStateAllVisible) AnimateDrawBeatHilite();
    gMeterOffset = myValue;
}

void AnimateDrawBeatHilite() {
    if (!gStateHilite) gStateHilite = 16;
}

void AnimateExecuteEdits(uint32_t myTime) {
    const bool myOnList = gEditsCurrent >= 0 && gEditsCurrent < gEditsTotal;
    const int myIndex = myOnList ? gEditsList[gEditsCurrent].mNext : kEditsEnd;
    // At the end marker the replay is over, whatever the counts say: the beats go on by the tempo.
    if (myIndex <= 0 || myIndex >= gEditsTotal) {
        gEditsCount = gEditsTotal;
        const uint32_t myStep = gStateListen ? kNever : TempoNextStep();
        gBeatNext = myStep == kNever ? kNever : std::max(gBeatLast, myTime) + myStep;
        return;
    }
    gEditsCurrent = myIndex;
    ++gEditsCount;
    gBeatLast = gBeatNext;
    const int myFollowing = gEditsList[myIndex].mNext;
    gBeatNext = gEditsList[myFollowing >= 0 && myFollowing <= kEditsEnd ? myFollowing : kEditsEnd].mTime;
    if (gBeatNext == kNever) {
        // The last record: the replay ends here.
        gEditsCount = gEditsTotal;
        if (!gStateListen) {
            const uint32_t myStep = TempoNextStep();
            gBeatNext = myStep == kNever ? kNever : gBeatLast + myStep;
        }
    }
    const int8_t* myEdits = gEditsList[myIndex].mEdits;
    if (!gStateManual) {
        if (myEdits[0] >= kRecordLoad) {
            ExecuteLoads(myEdits);
        } else {
            gCurrentMove = static_cast<int8_t>((std::abs(myEdits[kEditMove]) - 1 + kMoveSlots) % kMoveSlots);
            for (int myKind = 1; myKind <= kEditColorKick; ++myKind) {
                if (gEditsSkip[myKind]) {
                    gEditsSkip[myKind] = 0;
                    continue;
                }
                const int myValue = std::abs(myEdits[myKind]);
                if (myEdits[myKind] == kNotSet || myValue == gEditsRave[myKind]) continue;
                ExecuteEdits(
                    static_cast<char>(myKind), static_cast<char>(myValue), myTime, kModeExecute,
                    {static_cast<uint8_t>(gCueList[myKind] == kNotSet ? gStateControlsVisible : 0), 0, 0});
                gStateClearTrails = 1;
            }
        }
    }
    AnimateFinishBeat(myEdits[0] == kRecordBeat ? 1 : 0, myTime);
}

void AnimateResetState() {
    AnimateCloseBeatLog();
    gBeatCount = 0;
    gStateManual = 0;
    gUpdateNext = gUpdateLength = gCycleNext = gCycleLength = kNever;
    gCycleDir = 0;
    gCycleForce = 0;
    gHalfSeconds = 0;
    std::fill(std::begin(gBeatCountOffset), std::end(gBeatCountOffset), int8_t{1});
    std::fill(std::begin(gSliderHL), std::end(gSliderHL), uint8_t{0});
    gStateHilite = 0;
    gHiliteTime = 0;
    gStateRave = gStateFlash = 0;
    gShiftLast = 0;
}
