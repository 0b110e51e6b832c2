// Carrying out edits: each kind's change, its random choice, the attachment checks and the settings record.
#include "engine/execute.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/alert.h"
#include "core/random.h"
#include "core/state.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "storage/components.h"

int8_t gCueFill = kNotSet;
int8_t gCueWipe = kNotSet;
int8_t gCueFlags = kNotSet;
uint32_t gActionTime = 0;

namespace {

// Offsets in the settings record of what each kind writes.
constexpr int kOffsetFlags = offsetof(StyleRecord, mFlags);
constexpr int kOffsetBrushColor = offsetof(StyleRecord, mBrushColor);
constexpr int kOffsetFillColor = offsetof(StyleRecord, mFillColor);
constexpr int kOffsetBrushSpeed = offsetof(StyleRecord, mBrushSpeed);
constexpr int kOffsetColorSpeed = offsetof(StyleRecord, mColorSpeed);
constexpr int kOffsetSpread = offsetof(StyleRecord, mSpread);
constexpr int kOffsetColorKick = offsetof(StyleRecord, mColorKick);
constexpr int kOffsetBrush = offsetof(StyleRecord, mCurrentBrush);
constexpr int kOffsetGradient = offsetof(StyleRecord, mCurrentGrad);
constexpr int kOffsetMove = offsetof(StyleRecord, mCurrentMove);
constexpr int kOffsetParams = offsetof(StyleRecord, mMoveParam);
constexpr int kOffsetFill = offsetof(StyleRecord, mCurrentFill);
constexpr int kParamGroupSize = sizeof(StyleRecord::mMoveParam[0]);
static_assert(kOffsetFlags == 4 && kOffsetColorKick == 10 && kOffsetBrush == 56 && kOffsetGradient == 543 &&
              kOffsetMove == 689 && kOffsetParams == 803 && kOffsetFill == 840 && kParamGroupSize == 6);

AttachRecord& ExecuteCurrentAttachments() {
    return gStyle.mAttachments[static_cast<uint8_t>(gCurrentBrush) % kBrushSlots];
}

// A random whole number from myLow to myHigh other than myAvoid.
int ExecuteRandomOther(int myLow, int myHigh, int myAvoid) {
    if (myHigh <= myLow) return myLow;
    int myValue;
    do {
        myValue = myLow + MainRandom() * (myHigh - myLow + 1) / kRandomRange;
    } while (myValue == myAvoid);
    return myValue;
}

// A random colour further than 10 positions from myPrevious.
int ExecuteRandomColor(int myPrevious) {
    int myValue;
    do {
        myValue = 1 + MainRandom() * 120 / kRandomRange;
    } while (std::abs(myValue - myPrevious) <= 10);
    return myValue;
}

// An attachment of another value refuses an edit that comes from the user or a trigger.
bool ExecuteRefused(uint8_t myRecord, int8_t myAttached, int myValue, const char* myWhat) {
    if (!myRecord || myAttached == kNotSet || myAttached == myValue) return false;
    ExecuteAttachAlert(myWhat);
    return true;
}

uint32_t ExecuteDeadline(uint32_t myTime, uint32_t myLength) {
    return myLength == kNever ? kNever : myTime + myLength;
}

void ExecuteCue(int myKind, int myValue, uint8_t myMode) {
    if (myKind == kEditFill) {
        if (myMode == kModeCue) {
            if (myValue & kEditFillWipe) gCueWipe = kEditFillWipe;
            if (myValue & 63) gCueFill = static_cast<int8_t>(myValue & 63);
        } else {
            gCueFill = gCueWipe = kNotSet;
        }
        const int myCued = (gCueFill == kNotSet ? 0 : gCueFill) + (gCueWipe == kNotSet ? 0 : kEditFillWipe);
        gCueList[kEditFill] = myCued ? static_cast<int8_t>(myCued) : kNotSet;
    } else if (myKind == kEditFlags) {
        gCueFlags = myMode == kModeCue ? static_cast<int8_t>(myValue & (kFlagTrails | kFlagVolume)) : kNotSet;
        gCueList[kEditFlags] = gCueFlags;
    } else {
        gCueList[myKind] = myMode == kModeCue ? static_cast<int8_t>(myValue) : kNotSet;
    }
}

} // namespace

int ExecuteStyleOffset(int myKind) {
    switch (myKind) {
    case kEditGradient:
        return kOffsetGradient;
    case kEditBrushColor:
        return kOffsetBrushColor;
    case kEditFillColor:
        return kOffsetFillColor;
    case kEditFill:
        return kOffsetFill;
    case kEditFlags:
        return kOffsetFlags;
    case kEditParam1:
    case kEditParam2:
    case kEditParam3:
        return kOffsetParams + kParamGroupSize * (static_cast<uint8_t>(gCurrentMove) % kMoveSlots) +
               (myKind - kEditParam1);
    case kEditMove:
        return kOffsetMove;
    case kEditBrush:
        return kOffsetBrush;
    case kEditBrushSpeed:
        return kOffsetBrushSpeed;
    case kEditColorSpeed:
        return kOffsetColorSpeed;
    case kEditSpread:
        return kOffsetSpread;
    case kEditColorKick:
        return kOffsetColorKick;
    default:
        return -1;
    }
}

void ExecuteUpdateEdits(uint32_t myStylePos, char myKind, char myValue, uint8_t myClearCue) {
    if (myStylePos < kStyleSize) reinterpret_cast<char*>(&gStyle)[myStylePos] = myValue;
    if (myKind > 0 && myKind < kEditKinds) {
        gEditsRave[static_cast<int>(myKind)] = static_cast<int8_t>(myValue);
        if (myClearCue) gCueList[static_cast<int>(myKind)] = kNotSet;
    }
}

void ExecuteAttachAlert(const char* myWhat) {
    const std::string myText = std::string("The current brush has an attached ") + myWhat + ".";
    MainOpenAlert(myText.c_str());
}

void ExecuteSetAttachment(int mySlot, char myValue) {
    AttachRecord& myRecord = gStyle.mAttachments[static_cast<uint8_t>(mySlot) % kBrushSlots];
    if (myValue != kNotSet) {
        myRecord.mAttached = 1;
        return;
    }
    const auto* myBytes = reinterpret_cast<const int8_t*>(&myRecord);
    for (int i = 1; i <= 12; ++i)
        if (myBytes[i] != kNotSet) return;
    for (const char* myName :
         {myRecord.mAttachBrushEffect, myRecord.mAttachBrushColorEffect, myRecord.mAttachFillColorEffect})
        if (static_cast<int8_t>(myName[0]) != kNotSet && myName[0] != 0) return;
    myRecord.mAttached = 0;
}

void ExecuteEdits(char myKind, char myValue, uint32_t myTime, uint8_t myRedraw, uint8_t myRecord,
                  uint8_t myMode, uint8_t myNewParams, uint8_t myHoldButton) {
    (void)myHoldButton;
    const int myKindIndex = static_cast<uint8_t>(myKind);
    int myNew = std::abs(static_cast<int>(static_cast<int8_t>(myValue)));
    const bool myKnown = myKindIndex >= 1 && myKindIndex < kEditKinds;
    // A selected disc track with a rave that is not playing yet changes the rave's starting values.
    const bool myBeforeRave = gStateCD && gEditsTotal > 2 && !gStatePlay && !gStatePause && !gStateStart;
    const int myPrevious = myKnown ? (myBeforeRave ? gEditsStart[myKindIndex] : gEditsRave[myKindIndex]) : 0;
    const bool myNow = myMode == kModeExecute || myMode == kModeEarlier;
    AttachRecord& myAttach = ExecuteCurrentAttachments();

    if (myKnown && myMode >= kModeCue && myKindIndex <= kEditColorKick) {
        ExecuteCue(myKindIndex, myNew, myMode);
        return;
    }

    switch (myKindIndex) {
    case kEditGradient:
        if (myNew == kEditRandom) myNew = ExecuteRandomOther(1, kGradSlots, myPrevious);
        if (ExecuteRefused(myRecord, myAttach.mAttachGradient, myNew, "gradient")) return;
        if (myNow) {
            gCurrentGrad = static_cast<int8_t>((myNew - 1 + kGradSlots) % kGradSlots);
            gBEffectColor.CEffectInit(0, 0);
            gFEffectColor.CEffectInit(0, 0);
            ExecuteUpdateEdits(kOffsetGradient, kEditGradient, static_cast<char>(myNew), 1);
        }
        break;
    case kEditBrushColor:
    case kEditFillColor: {
        if (myNew == kEditRandom) myNew = ExecuteRandomColor(myPrevious);
        if (myNow) {
            const bool myBrush = myKindIndex == kEditBrushColor;
            CEffect& myOwn = myBrush ? static_cast<CEffect&>(gBEffectColor) : gFEffectColor;
            CEffect& myOther = myBrush ? static_cast<CEffect&>(gFEffectColor) : gBEffectColor;
            const bool myProgram =
                myOwn.CEffectSetColor(static_cast<char>(myNew), static_cast<char>(myPrevious));
            ExecuteUpdateEdits(myBrush ? kOffsetBrushColor : kOffsetFillColor, static_cast<char>(myKindIndex),
                               static_cast<char>(myNew), 1);
            if (myProgram) myOwn.CEffectCreateDest();
            if (myOther.mFileFlag && myOther.mOtherFlag) myOther.CEffectCreateDest();
        }
        break;
    }
    case kEditFill: {
        int mySlot = myNew & 63;
        const bool myWipe = (myNew & kEditFillWipe) != 0;
        if (myNew == kEditRandom) {
            mySlot = ExecuteRandomOther(1, 4, myPrevious & 63);
            myNew = mySlot;
        }
        if (mySlot != 0 && ExecuteRefused(myRecord, myAttach.mAttachFill, mySlot, "fill")) return;
        if (myNow) {
            if (mySlot >= 1 && mySlot <= kFillSlots) gCurrentFill = static_cast<int8_t>(mySlot - 1);
            const int myCurrent = gCurrentFill + 1;
            ExecuteUpdateEdits(kOffsetFill, kEditFill, static_cast<char>(myCurrent), 1);
            gEditsRave[kEditFill] = static_cast<int8_t>(myCurrent + (myWipe ? kEditFillWipe : 0));
            VFill& myFill = gFills[gCurrentFill];
            const char* myName = gStyle.mFillNames[gCurrentFill];
            myFill.FillDraw(std::strncmp(myName, gFillLast, kNameSize) != 0);
            StyleCopy(gFillLast, myName);
            gCueFill = gCueWipe = kNotSet;
            myNew = gEditsRave[kEditFill];
        }
        break;
    }
    case kEditFlags: {
        const bool myTrails = (myNew & kFlagTrails) != 0;
        if (myRecord && !gStateStart && myAttach.mAttachTrails != kNotSet &&
            (myAttach.mAttachTrails != 0) != myTrails) {
            ExecuteAttachAlert("brush trails setting");
            return;
        }
        if (myNow) {
            if (myTrails != (gStateTrails != 0)) {
                gStateTrails = myTrails ? 1 : 0;
                ExecuteTrails(gStateTrails);
            }
            gStateVolume = (myNew & kFlagVolume) ? 1 : 0;
            const int myFlags =
                (gStyle.mFlags & ~(kFlagTrails | kFlagVolume)) | (myNew & (kFlagTrails | kFlagVolume));
            ExecuteUpdateEdits(kOffsetFlags, kEditFlags, static_cast<char>(myFlags), 1);
            gCueFlags = kNotSet;
            myNew = myFlags;
        }
        break;
    }
    case kEditParam1:
    case kEditParam2:
    case kEditParam3:
        if (myNow) {
            // Parameters keep their sign: the value is the byte as given.
            myNew = static_cast<int8_t>(myValue);
            ExecuteUpdateEdits(static_cast<uint32_t>(ExecuteStyleOffset(myKindIndex)), myKind, myValue, 1);
            if (myNewParams)
                gStyle.mMoveParam[static_cast<uint8_t>(gCurrentMove) % kMoveSlots]
                    .mFixed[myKindIndex - kEditParam1] = 1;
        }
        break;
    case kEditMove:
        if (myNew == kEditRandom) myNew = ExecuteRandomOther(1, kMoveSlots, myPrevious);
        if (ExecuteRefused(myRecord, myAttach.mAttachMove, myNew, "movement")) return;
        if (myNow) {
            gCurrentMove = static_cast<int8_t>((myNew - 1 + kMoveSlots) % kMoveSlots);
            MEffect& myMove = gMovements[gCurrentMove];
            auto& myParams = gStyle.mMoveParam[gCurrentMove];
            if (myNewParams) {
                for (int p = 0; p < kMaxParams; ++p) {
                    if (!myParams.mFixed[p])
                        myParams.mValue[p] = myMove.MEffectRandPar(static_cast<uint8_t>(p));
                    gEditsRave[kEditParam1 + p] = myParams.mValue[p];
                }
            }
            myMove.MEffectInit();
            myMove.MEffectReset();
            ExecuteUpdateEdits(kOffsetMove, kEditMove, static_cast<char>(myNew), 1);
        }
        break;
    case kEditBrush:
        if (myNew == kEditRandom) myNew = ExecuteRandomOther(1, kBrushSlots, myPrevious);
        if (myNow) {
            gCurrentBrush = static_cast<int8_t>((myNew - 1 + kBrushSlots) % kBrushSlots);
            const uint8_t myBTrails = gStyle.mBrushNames[gCurrentBrush][0] == '@' ? 0 : 1;
            if (gStateTrails && gStateClearTrails && myBTrails != gStateBTrails) ExecuteTrails(myBTrails);
            gStateBTrails = myBTrails;
            gBrushes[gCurrentBrush].BrushInit();
            ExecuteUpdateEdits(kOffsetBrush, kEditBrush, static_cast<char>(myNew), 1);
            ExecuteApplyAttachments(myTime, myRedraw, myRecord, myNewParams);
        }
        break;
    case kEditBrushSpeed:
        if (ExecuteRefused(myRecord, myAttach.mAttachBrushSpeed, myNew, "brush speed setting")) return;
        if (myNow) {
            gUpdateLength = myNew ? 1000u / static_cast<uint32_t>(myNew) : kNever;
            gUpdateNext = ExecuteDeadline(myTime, gUpdateLength);
            ExecuteUpdateEdits(kOffsetBrushSpeed, kEditBrushSpeed, static_cast<char>(myNew), 1);
        }
        break;
    case kEditColorSpeed:
        if (ExecuteRefused(myRecord, myAttach.mAttachColorSpeed, myNew, "color speed setting")) return;
        if (myNow) {
            if (myNew == 60) {
                gCycleDir = 0;
                gCycleLength = kNever;
            } else {
                gCycleDir = myNew > 60 ? 1 : -1;
                gCycleLength = 1000u / static_cast<uint32_t>(std::abs(myNew - 60));
            }
            gCycleNext = ExecuteDeadline(myTime, gCycleLength);
            ExecuteUpdateEdits(kOffsetColorSpeed, kEditColorSpeed, static_cast<char>(myNew), 1);
        }
        break;
    case kEditSpread:
        if (ExecuteRefused(myRecord, myAttach.mAttachSpread, myNew, "movement spread setting")) return;
        if (myNow) ExecuteUpdateEdits(kOffsetSpread, kEditSpread, static_cast<char>(myNew), 1);
        break;
    case kEditColorKick:
        if (ExecuteRefused(myRecord, myAttach.mAttachColorKick, myNew, "color kick setting")) return;
        if (myNow) ExecuteUpdateEdits(kOffsetColorKick, kEditColorKick, static_cast<char>(myNew), 1);
        break;
    case kEditBrushBright:
    case kEditFillBright:
        // Brightness arrives only with attachments: it is applied, never recorded.
        if (myKindIndex == kEditBrushBright) {
            gStyle.mBrushBrightness = static_cast<int8_t>(myNew);
            gBEffectColor.CEffectInit(1, 0);
        } else {
            gStyle.mFillBrightness = static_cast<int8_t>(myNew);
            gFEffectColor.CEffectInit(1, 0);
        }
        return;
    default:
        break;
    }
    if (myRecord && !gStateFull && myKnown && myKindIndex <= kEditColorKick)
        ExecuteRecordEdit(myKind, static_cast<char>(myNew), static_cast<char>(myPrevious), myTime, myMode);
}

void ExecuteResetState() {
    gCueFill = gCueWipe = gCueFlags = kNotSet;
    gActionTime = 0;
}
