// Brush attachments: the settings and effects a brush brings with it when it becomes current, and the ones
// it replaced, given back when a brush without them follows.
#include <cstring>

#include "core/style_record.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "storage/components.h"

namespace {

// Attachment bytes 1-7 and the edit kinds that apply them; bytes 9 and 10 are brightness.
constexpr int kAttachKinds[11] = {0,         kEditGradient,    kEditFill,       kEditFlags,
                                  kEditMove, kEditBrushSpeed,  kEditColorSpeed, kEditSpread,
                                  0,         kEditBrushBright, kEditFillBright};

int8_t ExecuteCurrentSetting(int myByte) {
    switch (myByte) {
    case 1:
        return gStyle.mCurrentGrad;
    case 2:
        return gStyle.mCurrentFill;
    case 3:
        return (gStyle.mFlags & kFlagTrails) ? 1 : 0;
    case 4:
        return gStyle.mCurrentMove;
    case 5:
        return gStyle.mBrushSpeed;
    case 6:
        return gStyle.mColorSpeed;
    case 7:
        return gStyle.mSpread;
    case 9:
        return gStyle.mBrushBrightness;
    default:
        return gStyle.mFillBrightness;
    }
}

void ExecuteApplySetting(int myByte, int8_t myValue, uint32_t myTime, EditFlags myFlags) {
    const int myKind = kAttachKinds[myByte];
    char myEdit = static_cast<char>(myValue);
    if (myKind == kEditFlags)
        myEdit = static_cast<char>((gStyle.mFlags & ~kFlagTrails) | (myValue ? kFlagTrails : 0));
    ExecuteEdits(static_cast<char>(myKind), myEdit, myTime, kModeExecute, myFlags);
}

bool ExecuteNameSet(const char* myName) {
    return myName[0] != 0 && static_cast<int8_t>(myName[0]) != kNotSet;
}

// One attached effect name against the loaded one; mySaved is the name field of gAttachList.
void ExecuteApplyEffect(const char* myAttached, char* mySaved, const char* myLoaded, Effect& myEffect,
                        bool myBrushEffect, uint8_t myRedraw) {
    char myWanted[kNameSize];
    if (ExecuteNameSet(myAttached)) {
        if (!ExecuteNameSet(mySaved)) StyleCopy(mySaved, myLoaded);
        StyleCopy(myWanted, myAttached);
    } else if (ExecuteNameSet(mySaved)) {
        StyleCopy(myWanted, mySaved);
        std::memset(mySaved, kNotSet, kNameSize);
    } else {
        return;
    }
    if (std::strncmp(myWanted, myLoaded, kNameSize) == 0) return;
    // A new effect starts from its own init program: the brush effect's variables, the colour effect's
    // target, never the previous effect's.
    if (myBrushEffect) {
        auto& myBrush = static_cast<BEffect&>(myEffect);
        myBrush.BEffectLoad(myWanted, 1, myRedraw, nullptr);
        myBrush.BEffectInit();
    } else {
        auto& myColor = static_cast<CEffect&>(myEffect);
        myColor.CEffectLoad(myWanted, 1, myRedraw, nullptr);
        myColor.CEffectInit(0, 0);
    }
}

} // namespace

void ExecuteApplyAttachments(uint32_t myTime, EditFlags myFlags) {
    const AttachRecord& myRecordOf = gStyle.mAttachments[static_cast<uint8_t>(gCurrentBrush) % kBrushSlots];
    const AttachRecord myAttach = myRecordOf;
    const auto* myBytes = reinterpret_cast<const int8_t*>(&myAttach);
    for (int b = 1; b <= 10; ++b) {
        // The colour kick attachment only refuses colour kick edits; it is not applied.
        if (b == 8) continue;
        if (myBytes[b] == kNotSet) {
            if (gAttachList[b] == kNotSet) continue;
            const int8_t mySaved = gAttachList[b];
            gAttachList[b] = kNotSet;
            ExecuteApplySetting(b, mySaved, myTime, myFlags);
        } else {
            if (gAttachList[b] == kNotSet) gAttachList[b] = ExecuteCurrentSetting(b);
            ExecuteApplySetting(b, myBytes[b], myTime, myFlags);
        }
    }
    auto* mySavedRecord = reinterpret_cast<AttachRecord*>(gAttachList);
    ExecuteApplyEffect(myAttach.mAttachBrushEffect, mySavedRecord->mAttachBrushEffect, gStyle.mBrushEffect,
                       gEffectBrush, true, myFlags.mRedraw);
    ExecuteApplyEffect(myAttach.mAttachBrushColorEffect, mySavedRecord->mAttachBrushColorEffect,
                       gStyle.mBrushColorEffect, gBEffectColor, false, myFlags.mRedraw);
    ExecuteApplyEffect(myAttach.mAttachFillColorEffect, mySavedRecord->mAttachFillColorEffect,
                       gStyle.mFillColorEffect, gFEffectColor, false, myFlags.mRedraw);
}
