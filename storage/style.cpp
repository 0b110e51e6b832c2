// Styles: the whole look as one settings record, loaded from its file and applied as edits.
#include "storage/style.h"

#include <cstring>

#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "music/music.h"
#include "shell/alert.h"
#include "shell/display.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"
#include "storage/file.h"
#include "storage/loading.h"

namespace {

constexpr int kStyleHeaderSize = 4;
constexpr uint8_t kStyleVersion = 2;

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

void StyleEdit(int myKind, int myValue, uint8_t myRecord) {
    ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myValue), 0, 0, myRecord, kModeExecute, 0, 0);
}

} // namespace

void StyleApply(const StyleRecord& myRecord) {
    std::memcpy(&gStyle, &myRecord, sizeof(StyleRecord));
    if (gBEffectColor.mSourceGrad.empty()) gBEffectColor.CEffectAlloc();
    if (gFEffectColor.mSourceGrad.empty()) gFEffectColor.CEffectAlloc();
    StyleLoadAllComponents();
    const int myFill = (static_cast<uint8_t>(gStyle.mCurrentFill) + kFillSlots - 1) % kFillSlots;
    StyleCopy(gFillLast, "");

    gCurrentBrush = static_cast<int8_t>((gStyle.mCurrentBrush - 1 + kBrushSlots) % kBrushSlots);
    gEditsRave[kEditBrushColor] = gStyle.mBrushColor;
    gEditsRave[kEditFillColor] = gStyle.mFillColor;
    const auto& myParams = gStyle.mMoveParam[(gStyle.mCurrentMove - 1 + kMoveSlots) % kMoveSlots];
    for (int p = 0; p < 3; ++p)
        gEditsRave[kEditParam1 + p] = myParams.mValue[p];
    const uint8_t myRecordEdits = gStateStart ? 0 : 1;
    StyleEdit(kEditGradient, gStyle.mCurrentGrad, myRecordEdits);
    StyleEdit(kEditBrushColor, gStyle.mBrushColor, myRecordEdits);
    StyleEdit(kEditFillColor, gStyle.mFillColor, myRecordEdits);
    StyleEdit(kEditFill, myFill + 1, myRecordEdits);
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
}

bool StyleLoad(const char* myName, int myMode) {
    (void)myMode;
    StyleRecord myRecord;
    StyleDefault(reinterpret_cast<char*>(&myRecord));
    char myFileName[kPathSize], myFolder[kPathSize];
    FileHandle myFile = nullptr;
    if (!LoadCopyFileName(myName, myFileName, myFolder, "Styles", ".sty") &&
        FileOpen(myFileName, myFolder, &myFile, false) == 0) {
        StyleRecord myRead;
        std::memset(&myRead, 0, sizeof(myRead));
        const bool myWhole = FileLength(myFile) >= static_cast<int32_t>(kStyleSize);
        FileRead(myFile, kStyleSize, &myRead);
        FileClose(myFile);
        if (myRead.mFileType != 'S' || !myWhole) {
            MainOpenAlert("Not a valid style file!");
            if (std::strcmp(myName, "Last_Session") != 0) return false;
        } else if (myRead.mVersion == kStyleVersion) {
            myRecord = myRead;
        }
    }
    StyleApply(myRecord);
    return true;
}
