// Fuzz target: component files of any content load into their slots without harm. The input is the whole
// file, held in memory by the disk layer; its type byte picks the loader (another byte picks one by its
// value, so a wrong type meets the check that refuses it), so the bundled components are seeds as they are.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "core/alert.h"
#include "core/display.h"
#include "fuzz/fuzz_kinds.h"
#include "shell/main.h"
#include "storage/file.h"
#include "storage/loading.h"

namespace {

struct Kind {
    char mType;
    const char* mFile; // in the program folder
};

const Kind kKinds[] = {{'B', "Brushes/Fuzz.bru"},   {'F', "Fills/Fuzz.fil"},     {'T', "Fills/Fuzz.fil"},
                       {'G', "Gradients/Fuzz.gra"}, {'M', "Movements/Fuzz.mvm"}, {'C', "Effects/Fuzz.efc"},
                       {'E', "Effects/Fuzz.efb"}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    // The style that names the fuzzed file in every slot it may fill; copied, not rebuilt, for each input.
    static StyleRecord sStyle;
    static const bool sReady = [] {
        InitHooks();
        StyleDefault(reinterpret_cast<char*>(&sStyle));
        for (char* myName : {sStyle.mFillNames[0], sStyle.mBrushNames[0], sStyle.mGradNames[0],
                             sStyle.mMoveNames[0], sStyle.mBrushEffect, sStyle.mBrushColorEffect})
            StyleCopy(myName, "Fuzz");
        std::snprintf(gDirIDOrbex, kPathSize, "%s", kFuzzFolder);
        SurfaceCreate(gWorldPreview, 128, 48);
        SurfaceSetColorKey(gWorldPreview, 255);
        SurfaceCreate(gWorldControls, 390, 409);
        gStartUp = 1; // alerts only keep their text
        return true;
    }();
    (void)sReady;
    if (mySize < 1) return 0;
    const Kind& myKind = FuzzKindOf(kKinds, myData[0]);
    FileMemoryPut((std::string(kFuzzFolder) + myKind.mFile).c_str(), myData, mySize);
    // Pictures of 640 x 480 and more are stretched to a wider screen, and smaller ones are not: the length
    // picks the screen, so both ways are taken (the costly stretch less often).
    if (mySize % 4 == 1)
        InitSetScreenSize(800, 600);
    else
        InitSetScreenSize(160, 120);
    gStyle = sStyle;
    switch (myKind.mType) {
    case 'B':
        gBrushes[0].BrushLoad(nullptr, 0, 1, 0, 0, nullptr, 0);
        break;
    case 'F':
    case 'T':
        gFills[0].FillLoad(nullptr, 0, 0, 0, nullptr, 0);
        break;
    case 'G':
        LoadGradient(nullptr, 0, 0, 0, nullptr, 0);
        break;
    case 'M':
        gMovements[0].MEffectLoad(nullptr, 0, 1, 0, 0, nullptr, 0);
        break;
    case 'C':
        gBEffectColor.CEffectLoad(nullptr, 0, 0, nullptr);
        break;
    default:
        gEffectBrush.BEffectLoad(nullptr, 0, 0, nullptr);
        break;
    }
    return 0;
}
