// Carrying out edits: each kind's change, its random choice, the attachment checks and the settings record.
#include "engine/execute.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <iterator>
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

void ExecuteCue(int myKind, int myValue, EditMode myMode) {
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

namespace {

// One edit on its way through execution: myNew starts as the value asked for and ends as the value recorded.
struct EditStep {
    int mKind;
    char mValue; // the byte as given
    int mNew;
    int mPrevious;
    uint32_t mTime;
    bool mNow; // carried out now, not only checked
    EditFlags mFlags;
    const AttachRecord& mAttach;
};

// Each kind's execution: false when the edit is refused, or is one that is never recorded.
using EditKindStep = bool (*)(EditStep& myEdit);

bool ExecuteGradient(EditStep& myEdit) {
    if (myEdit.mNew == kEditRandom) myEdit.mNew = ExecuteRandomOther(1, kGradSlots, myEdit.mPrevious);
    if (ExecuteRefused(myEdit.mFlags.mRecord, myEdit.mAttach.mAttachGradient, myEdit.mNew, "gradient"))
        return false;
    if (!myEdit.mNow) return true;
    gCurrentGrad = static_cast<int8_t>((myEdit.mNew - 1 + kGradSlots) % kGradSlots);
    gBEffectColor.CEffectInit(0, 0);
    gFEffectColor.CEffectInit(0, 0);
    ExecuteUpdateEdits(kOffsetGradient, kEditGradient, static_cast<char>(myEdit.mNew), 1);
    return true;
}

bool ExecuteColor(EditStep& myEdit) {
    if (myEdit.mNew == kEditRandom) myEdit.mNew = ExecuteRandomColor(myEdit.mPrevious);
    if (!myEdit.mNow) return true;
    const bool myBrush = myEdit.mKind == kEditBrushColor;
    CEffect& myOwn = myBrush ? static_cast<CEffect&>(gBEffectColor) : gFEffectColor;
    CEffect& myOther = myBrush ? static_cast<CEffect&>(gFEffectColor) : gBEffectColor;
    const bool myProgram =
        myOwn.CEffectSetColor(static_cast<char>(myEdit.mNew), static_cast<char>(myEdit.mPrevious));
    ExecuteUpdateEdits(myBrush ? kOffsetBrushColor : kOffsetFillColor, static_cast<char>(myEdit.mKind),
                       static_cast<char>(myEdit.mNew), 1);
    if (myProgram) myOwn.CEffectCreateDest();
    if (myOther.mFileFlag && myOther.mOtherFlag) myOther.CEffectCreateDest();
    return true;
}

// A fill edit is a slot (1-6, or 0 to keep the current one) with the wipe bit.
bool ExecuteFill(EditStep& myEdit) {
    int mySlot = myEdit.mNew & 63;
    const bool myWipe = (myEdit.mNew & kEditFillWipe) != 0;
    if (myEdit.mNew == kEditRandom) {
        mySlot = ExecuteRandomOther(1, 4, myEdit.mPrevious & 63);
        myEdit.mNew = mySlot;
    }
    if (mySlot != 0 && ExecuteRefused(myEdit.mFlags.mRecord, myEdit.mAttach.mAttachFill, mySlot, "fill"))
        return false;
    if (!myEdit.mNow) return true;
    if (mySlot >= 1 && mySlot <= kFillSlots) gCurrentFill = static_cast<int8_t>(mySlot - 1);
    const int myCurrent = gCurrentFill + 1;
    ExecuteUpdateEdits(kOffsetFill, kEditFill, static_cast<char>(myCurrent), 1);
    gEditsRave[kEditFill] = static_cast<int8_t>(myCurrent + (myWipe ? kEditFillWipe : 0));
    VFill& myFill = gFills[gCurrentFill];
    const char* myName = gStyle.mFillNames[gCurrentFill];
    myFill.FillDraw(std::strncmp(myName, gFillLast, kNameSize) != 0);
    StyleCopy(gFillLast, myName);
    gCueFill = gCueWipe = kNotSet;
    myEdit.mNew = gEditsRave[kEditFill];
    return true;
}

// The flag edit carries brush trails and listening to the loudness.
bool ExecuteFlags(EditStep& myEdit) {
    const bool myTrails = (myEdit.mNew & kFlagTrails) != 0;
    const int8_t myAttached = myEdit.mAttach.mAttachTrails;
    if (myEdit.mFlags.mRecord && !gStateStart && myAttached != kNotSet && (myAttached != 0) != myTrails) {
        ExecuteAttachAlert("brush trails setting");
        return false;
    }
    if (!myEdit.mNow) return true;
    if (myTrails != (gStateTrails != 0)) {
        gStateTrails = myTrails ? 1 : 0;
        ExecuteTrails(gStateTrails);
    }
    gStateVolume = (myEdit.mNew & kFlagVolume) ? 1 : 0;
    const int myFlags =
        (gStyle.mFlags & ~(kFlagTrails | kFlagVolume)) | (myEdit.mNew & (kFlagTrails | kFlagVolume));
    ExecuteUpdateEdits(kOffsetFlags, kEditFlags, static_cast<char>(myFlags), 1);
    gCueFlags = kNotSet;
    myEdit.mNew = myFlags;
    return true;
}

bool ExecuteParam(EditStep& myEdit) {
    if (!myEdit.mNow) return true;
    // Parameters keep their sign: the value is the byte as given.
    myEdit.mNew = static_cast<int8_t>(myEdit.mValue);
    ExecuteUpdateEdits(static_cast<uint32_t>(ExecuteStyleOffset(myEdit.mKind)),
                       static_cast<char>(myEdit.mKind), myEdit.mValue, 1);
    if (myEdit.mFlags.mNewParams)
        gStyle.mMoveParam[static_cast<uint8_t>(gCurrentMove) % kMoveSlots]
            .mFixed[myEdit.mKind - kEditParam1] = 1;
    return true;
}

bool ExecuteMove(EditStep& myEdit) {
    if (myEdit.mNew == kEditRandom) myEdit.mNew = ExecuteRandomOther(1, kMoveSlots, myEdit.mPrevious);
    if (ExecuteRefused(myEdit.mFlags.mRecord, myEdit.mAttach.mAttachMove, myEdit.mNew, "movement"))
        return false;
    if (!myEdit.mNow) return true;
    gCurrentMove = static_cast<int8_t>((myEdit.mNew - 1 + kMoveSlots) % kMoveSlots);
    MEffect& myMove = gMovements[gCurrentMove];
    auto& myParams = gStyle.mMoveParam[gCurrentMove];
    if (myEdit.mFlags.mNewParams) {
        for (int p = 0; p < kMaxParams; ++p) {
            if (!myParams.mFixed[p]) myParams.mValue[p] = myMove.MEffectRandPar(static_cast<uint8_t>(p));
            gEditsRave[kEditParam1 + p] = myParams.mValue[p];
        }
    }
    myMove.MEffectInit();
    myMove.MEffectReset();
    ExecuteUpdateEdits(kOffsetMove, kEditMove, static_cast<char>(myEdit.mNew), 1);
    return true;
}

bool ExecuteBrush(EditStep& myEdit) {
    if (myEdit.mNew == kEditRandom) myEdit.mNew = ExecuteRandomOther(1, kBrushSlots, myEdit.mPrevious);
    if (!myEdit.mNow) return true;
    gCurrentBrush = static_cast<int8_t>((myEdit.mNew - 1 + kBrushSlots) % kBrushSlots);
    const uint8_t myBTrails = gStyle.mBrushNames[gCurrentBrush][0] == '@' ? 0 : 1;
    if (gStateTrails && gStateClearTrails && myBTrails != gStateBTrails) ExecuteTrails(myBTrails);
    gStateBTrails = myBTrails;
    gBrushes[gCurrentBrush].BrushInit();
    ExecuteUpdateEdits(kOffsetBrush, kEditBrush, static_cast<char>(myEdit.mNew), 1);
    ExecuteApplyAttachments(myEdit.mTime, myEdit.mFlags);
    return true;
}

bool ExecuteBrushSpeed(EditStep& myEdit) {
    if (ExecuteRefused(myEdit.mFlags.mRecord, myEdit.mAttach.mAttachBrushSpeed, myEdit.mNew,
                       "brush speed setting"))
        return false;
    if (!myEdit.mNow) return true;
    gUpdateLength = myEdit.mNew ? 1000u / static_cast<uint32_t>(myEdit.mNew) : kNever;
    gUpdateNext = ExecuteDeadline(myEdit.mTime, gUpdateLength);
    ExecuteUpdateEdits(kOffsetBrushSpeed, kEditBrushSpeed, static_cast<char>(myEdit.mNew), 1);
    return true;
}

// Colour speed 60 stands still; above it the colours cycle forwards, below it backwards.
bool ExecuteColorSpeed(EditStep& myEdit) {
    if (ExecuteRefused(myEdit.mFlags.mRecord, myEdit.mAttach.mAttachColorSpeed, myEdit.mNew,
                       "color speed setting"))
        return false;
    if (!myEdit.mNow) return true;
    if (myEdit.mNew == 60) {
        gCycleDir = 0;
        gCycleLength = kNever;
    } else {
        gCycleDir = myEdit.mNew > 60 ? 1 : -1;
        gCycleLength = 1000u / static_cast<uint32_t>(std::abs(myEdit.mNew - 60));
    }
    gCycleNext = ExecuteDeadline(myEdit.mTime, gCycleLength);
    ExecuteUpdateEdits(kOffsetColorSpeed, kEditColorSpeed, static_cast<char>(myEdit.mNew), 1);
    return true;
}

bool ExecuteSpread(EditStep& myEdit) {
    if (ExecuteRefused(myEdit.mFlags.mRecord, myEdit.mAttach.mAttachSpread, myEdit.mNew,
                       "movement spread setting"))
        return false;
    if (myEdit.mNow) ExecuteUpdateEdits(kOffsetSpread, kEditSpread, static_cast<char>(myEdit.mNew), 1);
    return true;
}

bool ExecuteColorKick(EditStep& myEdit) {
    if (ExecuteRefused(myEdit.mFlags.mRecord, myEdit.mAttach.mAttachColorKick, myEdit.mNew,
                       "color kick setting"))
        return false;
    if (myEdit.mNow) ExecuteUpdateEdits(kOffsetColorKick, kEditColorKick, static_cast<char>(myEdit.mNew), 1);
    return true;
}

// Brightness arrives only with attachments: it is applied, never recorded.
bool ExecuteBrightness(EditStep& myEdit) {
    if (myEdit.mKind == kEditBrushBright) {
        gStyle.mBrushBrightness = static_cast<int8_t>(myEdit.mNew);
        gBEffectColor.CEffectInit(1, 0);
    } else {
        gStyle.mFillBrightness = static_cast<int8_t>(myEdit.mNew);
        gFEffectColor.CEffectInit(1, 0);
    }
    return false;
}

bool ExecuteNothing(EditStep&) {
    return true;
}

constexpr EditKindStep kKindSteps[kEditFillBright + 1] = {
    ExecuteNothing, ExecuteGradient,   ExecuteColor,      ExecuteColor,     ExecuteFill,
    ExecuteFlags,   ExecuteParam,      ExecuteParam,      ExecuteParam,     ExecuteMove,
    ExecuteBrush,   ExecuteBrushSpeed, ExecuteColorSpeed, ExecuteSpread,    ExecuteColorKick,
    ExecuteNothing, ExecuteNothing,    ExecuteBrightness, ExecuteBrightness};
static_assert(kEditGradient == 1 && kEditFill == 4 && kEditMove == 9 && kEditColorKick == 14 &&
              kEditBrushBright == 17 && kEditFillBright == 18);

} // namespace

void ExecuteEdits(char myKind, char myValue, uint32_t myTime, EditMode myMode, EditFlags myFlags) {
    const int myKindIndex = static_cast<uint8_t>(myKind);
    const bool myKnown = myKindIndex >= 1 && myKindIndex < kEditKinds;
    const bool myRecorded = myKnown && myKindIndex <= kEditColorKick;
    // A selected disc track with a rave that is not playing yet changes the rave's starting values.
    const bool myBeforeRave = gStateCD && gEditsTotal > 2 && !gStatePlay && !gStatePause && !gStateStart;
    const int myPrevious = myKnown ? (myBeforeRave ? gEditsStart[myKindIndex] : gEditsRave[myKindIndex]) : 0;
    const int myAsked = std::abs(static_cast<int>(static_cast<int8_t>(myValue)));
    if (myRecorded && myMode >= kModeCue) {
        ExecuteCue(myKindIndex, myAsked, myMode);
        return;
    }
    EditStep myEdit{myKindIndex, myValue,
                    myAsked,     myPrevious,
                    myTime,      myMode == kModeExecute || myMode == kModeEarlier,
                    myFlags,     ExecuteCurrentAttachments()};
    if (myKindIndex < static_cast<int>(std::size(kKindSteps)) && !kKindSteps[myKindIndex](myEdit)) return;
    if (myFlags.mRecord && !gStateFull && myRecorded)
        ExecuteRecordEdit(myKind, static_cast<char>(myEdit.mNew), static_cast<char>(myPrevious), myTime,
                          myMode);
}

void ExecuteResetState() {
    gCueFill = gCueWipe = gCueFlags = kNotSet;
    gActionTime = 0;
}
