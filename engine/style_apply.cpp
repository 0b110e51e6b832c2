// Applying a style to the running picture: every component it names loaded into its slot, then every setting
// carried out as an edit, in the order the written program uses.
#include "engine/style_apply.h"

#include <cstddef>
#include <cstring>

#include "core/alert.h"
#include "core/display.h"
#include "core/random.h"
#include "core/state.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "platform/window.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"
#include "storage/loading.h"

namespace {

bool StyleSameName(const char* myA, const char* myB) {
    return std::strncmp(myA, myB, kNameSize) == 0;
}

// Every component the record names, in the order start-up shows its progress.
void StyleLoadAllComponents() {
    InitText("Loading Gradients...");
    for (int i = 0; i < kGradSlots; ++i)
        LoadGradient(nullptr, static_cast<char>(i), 0, 0, nullptr, 0);
    InitText("Loading Movements...");
    for (int i = 0; i < kMoveSlots; ++i)
        gMovements[i].MEffectLoad(nullptr, static_cast<char>(i), 0, 0, 0, nullptr, 0);
    InitText("Loading Brushes...");
    for (int i = 0; i < kBrushSlots; ++i)
        gBrushes[i].BrushLoad(nullptr, static_cast<char>(i), 0, 0, 0, nullptr, 0);
    InitText("Loading Effects...");
    gEffectBrush.BEffectLoad(nullptr, 0, 0, nullptr);
    gBEffectColor.CEffectLoad(nullptr, 0, 0, nullptr);
    gFEffectColor.CEffectLoad(nullptr, 0, 0, nullptr);
    gEffectBrush.BEffectInit();
    InitText("Loading Fills...");
    for (int i = 0; i < kFillSlots; ++i)
        gFills[i].FillLoad(nullptr, static_cast<char>(i), 0, 0, nullptr, 0);
}

// A component that could not be loaded leaves "(None)" in gStyle; the applied record keeps that rather than
// naming a file that is not there, so the next style naming it tries again.
void StyleKeepLoadedNames(StyleRecord& myRecord) {
    std::memcpy(myRecord.mGradNames, gStyle.mGradNames, sizeof(myRecord.mGradNames));
    std::memcpy(myRecord.mMoveNames, gStyle.mMoveNames, sizeof(myRecord.mMoveNames));
    std::memcpy(myRecord.mBrushNames, gStyle.mBrushNames, sizeof(myRecord.mBrushNames));
    std::memcpy(myRecord.mFillNames, gStyle.mFillNames, sizeof(myRecord.mFillNames));
    StyleCopy(myRecord.mBrushEffect, gStyle.mBrushEffect);
    StyleCopy(myRecord.mBrushColorEffect, gStyle.mBrushColorEffect);
    StyleCopy(myRecord.mFillColorEffect, gStyle.mFillColorEffect);
}

void StyleEdit(int myKind, int myValue, uint8_t myRecord) {
    ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myValue), 0, kModeExecute, {0, myRecord, 0});
}

// The whole record into gStyle and its components into their slots: at start-up everything, later only
// what differs. True when the shown fill changes.
bool StyleTakeRecord(const StyleRecord& myRecord) {
    if (gStartUp) {
        std::memcpy(&gStyle, &myRecord, sizeof(StyleRecord));
        if (gBEffectColor.mSourceGrad.empty()) gBEffectColor.CEffectAlloc();
        if (gFEffectColor.mSourceGrad.empty()) gFEffectColor.CEffectAlloc();
        StyleLoadAllComponents();
        StyleCopy(gFillLast, gStyle.mFillNames[StyleSlot(gStyle.mCurrentFill, kFillSlots)]);
        return true;
    }
    const int myOldFill = StyleSlot(gStyle.mCurrentFill, kFillSlots);
    const int myNewFill = StyleSlot(myRecord.mCurrentFill, kFillSlots);
    const bool myFillChanged = myOldFill != myNewFill ||
                               !StyleSameName(gStyle.mFillNames[myOldFill], myRecord.mFillNames[myNewFill]);
    if (myFillChanged && gStateStart) {
        SurfaceFill(gWorldPaint, gRectDisplay, kColorBlack);
        gStateClearTrails = 0;
    }
    StyleRecord myApplied = myRecord;
    StyleLoadComponents(myRecord, 0, 0, 0, gStateStart ? 0 : 1);
    StyleKeepLoadedNames(myApplied);
    std::memcpy(&gStyle, &myApplied, sizeof(StyleRecord));
    return myFillChanged;
}

void StyleApply(const StyleRecord& myRecord, int myMode) {
    const bool myFillChanged = StyleTakeRecord(myRecord);
    gCurrentBrush = static_cast<int8_t>(StyleSlot(gStyle.mCurrentBrush, kBrushSlots));
    // The colour edits find their colours already current, so the gradient edit builds both palettes with
    // them and no further hue turn follows.
    gEditsRave[kEditBrushColor] = gStyle.mBrushColor;
    gEditsRave[kEditFillColor] = gStyle.mFillColor;
    const auto& myParams = gStyle.mMoveParam[StyleSlot(gStyle.mCurrentMove, kMoveSlots)];
    for (int p = 0; p < 3; ++p)
        gEditsRave[kEditParam1 + p] = myParams.mValue[p];
    const uint8_t myRecordEdits = gStateStart ? 0 : 1;
    StyleEdit(kEditGradient, gStyle.mCurrentGrad, myRecordEdits);
    StyleEdit(kEditBrushColor, gStyle.mBrushColor, myRecordEdits);
    StyleEdit(kEditFillColor, gStyle.mFillColor, myRecordEdits);
    const int myFill = StyleSlot(gStyle.mCurrentFill, kFillSlots) + 1;
    if (myFillChanged || gStateStart)
        StyleEdit(kEditFill, myFill, myRecordEdits);
    else
        ExecuteUpdateEdits(offsetof(StyleRecord, mCurrentFill), kEditFill, static_cast<char>(myFill), 0);
    // Listening needs a sound input; without one the tempo gives the beats.
    gStateListen = (gStyle.mFlags & kFlagListen) && gStateInput ? 1 : 0;
    // Trails follow the record from a known state, so the flags edit applies them even when unchanged.
    gStateTrails = (gStyle.mFlags & kFlagTrails) ? 0 : 1;
    StyleEdit(kEditFlags, gStyle.mFlags, myRecordEdits);
    StyleEdit(kEditMove, gStyle.mCurrentMove, myRecordEdits);
    StyleEdit(kEditBrush, gStyle.mCurrentBrush, myRecordEdits);
    StyleEdit(kEditBrushSpeed, gStyle.mBrushSpeed, myRecordEdits);
    StyleEdit(kEditColorSpeed, gStyle.mColorSpeed, myRecordEdits);
    StyleEdit(kEditSpread, gStyle.mSpread, myRecordEdits);
    StyleEdit(kEditColorKick, gStyle.mColorKick, myRecordEdits);
    MouseKeySetBPM(gStyle.mTempo, 0);
    if (myMode == kStyleFromFile) {
        gStateManual = 0;
        if (!gStartUp && gStateControlsVisible) WindowInvalidate(kWinControls);
        gStateClearTrails = 1;
    }
}

// A random fill slot 1-4 other than the current one.
int StyleRandomFill() {
    const int myCurrent = static_cast<uint8_t>(gStyle.mCurrentFill);
    int mySlot;
    do {
        mySlot = 1 + MainRandom() * 4 / kRandomRange;
    } while (mySlot == myCurrent);
    return mySlot;
}

// A track starts with the current settings carried out again, nothing read.
void StyleReapply(int myMode) {
    if (gStateManual) return;
    if (myMode == kStyleTrackStartNewFill) {
        gCurrentBrush = static_cast<int8_t>(StyleSlot(gStyle.mCurrentBrush, kBrushSlots));
        if (gStyle.mAttachments[gCurrentBrush].mAttachFill == kNotSet)
            gStyle.mCurrentFill = static_cast<int8_t>(StyleRandomFill());
    }
    const uint8_t myRecordEdits = gStateStart ? 0 : 1;
    StyleEdit(kEditFill, StyleSlot(gStyle.mCurrentFill, kFillSlots) + 1, myRecordEdits);
    StyleEdit(kEditMove, gStyle.mCurrentMove, myRecordEdits);
    StyleEdit(kEditBrush, gStyle.mCurrentBrush, myRecordEdits);
    StyleEdit(kEditBrushSpeed, gStyle.mBrushSpeed, myRecordEdits);
    StyleEdit(kEditColorSpeed, gStyle.mColorSpeed, myRecordEdits);
}

} // namespace

void StyleLoadComponents(const StyleRecord& myStyle, uint8_t myQuiet, uint8_t myRedraw, uint8_t myResetParams,
                         uint8_t myRecord) {
    // The names are compared against a copy: each load writes its result into gStyle as it goes.
    const StyleRecord myWanted = myStyle;
    for (int i = 0; i < kGradSlots; ++i)
        if (!StyleSameName(myWanted.mGradNames[i], gStyle.mGradNames[i]))
            LoadGradient(myWanted.mGradNames[i], static_cast<char>(i), myRecord, myRedraw, nullptr, myQuiet);
    for (int i = 0; i < kMoveSlots; ++i) {
        if (!StyleSameName(myWanted.mMoveNames[i], gStyle.mMoveNames[i]))
            gMovements[i].MEffectLoad(myWanted.mMoveNames[i], static_cast<char>(i), myResetParams, myRecord,
                                      myRedraw, nullptr, myQuiet);
        else if (myResetParams)
            gMovements[i].MEffectResetPar(static_cast<char>(i), nullptr);
    }
    for (int i = 0; i < kBrushSlots; ++i)
        if (!StyleSameName(myWanted.mBrushNames[i], gStyle.mBrushNames[i]))
            gBrushes[i].BrushLoad(myWanted.mBrushNames[i], static_cast<char>(i), 0, myRecord, myRedraw,
                                  nullptr, myQuiet);
    if (!StyleSameName(myWanted.mBrushEffect, gStyle.mBrushEffect)) {
        gEffectBrush.BEffectLoad(myWanted.mBrushEffect, myRecord, myRedraw, nullptr);
        gEffectBrush.BEffectInit();
    }
    if (!StyleSameName(myWanted.mBrushColorEffect, gStyle.mBrushColorEffect))
        gBEffectColor.CEffectLoad(myWanted.mBrushColorEffect, myRecord, myRedraw, nullptr);
    if (!StyleSameName(myWanted.mFillColorEffect, gStyle.mFillColorEffect))
        gFEffectColor.CEffectLoad(myWanted.mFillColorEffect, myRecord, myRedraw, nullptr);
    for (int i = 0; i < kFillSlots; ++i)
        if (!StyleSameName(myWanted.mFillNames[i], gStyle.mFillNames[i]))
            gFills[i].FillLoad(myWanted.mFillNames[i], static_cast<char>(i), myRecord, myRedraw, nullptr,
                               myQuiet);
}

bool StyleLoad(const char* myName, int myMode, uint8_t myKeepLast, FileHandle myRave) {
    if (myMode == kStyleTrackStart || myMode == kStyleTrackStartNewFill) {
        StyleReapply(myMode);
        return true;
    }
    StyleRecord myRecord;
    std::memset(&myRecord, 0, sizeof(myRecord));
    StyleDefault(reinterpret_cast<char*>(&myRecord));
    switch (myMode) {
    case kStyleFromFile:
        if (!myName || !StyleReadFile(myName, myRecord)) return false;
        break;
    case kStyleFromRave:
        if (myKeepLast) std::memcpy(&gStyleLast, &gStyle, sizeof(StyleRecord));
        if (!StyleReadRave(myRave, myRecord)) return false;
        break;
    case kStyleFromLast:
        myRecord = gStyleLast;
        break;
    default:
        return false;
    }
    StyleApply(myRecord, myMode);
    return true;
}
