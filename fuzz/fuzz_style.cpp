// Fuzz target: style, rave-record and set files of any content load and apply without harm. The input is the
// whole file, held in memory by the disk layer; its type byte picks the reader (another byte picks one by its
// value, so a wrong type meets the check that refuses it), so the bundled styles and sets are seeds as they
// are. The small components of the component target's corpus are held beside it, so a style that names them
// ("Dot", "Tile", "Orbit" ...) loads them and applies them as the program would.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "controls/file_popup.h"
#include "controls/popup_state.h"
#include "core/alert.h"
#include "core/display.h"
#include "engine/edits.h"
#include "engine/style_apply.h"
#include "fuzz/fuzz_kinds.h"
#include "shell/main.h"
#include "storage/components.h"
#include "storage/file.h"
#include "storage/style.h"

namespace {

struct Kind {
    char mType;
    const char* mFile;
    uint16_t mPopup; // 0: a rave record read from the open file
};

const Kind kKinds[] = {{'S', "Styles/Fuzz.sty", kPopupStyle},
                       {'r', "Fuzz.R01", 0},
                       {'R', "Fuzz.R02", 0},
                       {'g', "Settings/Fuzz.gst", kPopupGradientSet},
                       {'f', "Settings/Fuzz.fst", kPopupFillSet},
                       {'m', "Settings/Fuzz.mst", kPopupMoveSet},
                       {'B', "Settings/Fuzz.bst", kPopupBrushSet},
                       {'b', "Settings/Fuzz.bst", kPopupBrushSet}};

void HoldComponents() {
    const std::pair<const char*, const char*> kKindFolders[] = {
        {".bru", "Brushes/"},   {".fil", "Fills/"},   {".gra", "Gradients/"},
        {".mvm", "Movements/"}, {".efc", "Effects/"}, {".efb", "Effects/"}};
    std::error_code myError;
    for (std::filesystem::directory_iterator myIt(ORBEX_FUZZ_CORPUS "/fuzz_components", myError), myEnd;
         !myError && myIt != myEnd; myIt.increment(myError))
        for (const auto& [myExt, myKindFolder] : kKindFolders)
            if (myIt->path().extension() == myExt) {
                std::ifstream myStream(myIt->path(), std::ios::binary);
                const std::vector<uint8_t> myBytes((std::istreambuf_iterator<char>(myStream)),
                                                   std::istreambuf_iterator<char>());
                const std::string myPath =
                    std::string(kFuzzFolder) + myKindFolder + myIt->path().filename().string();
                FileMemoryPut(myPath.c_str(), myBytes.data(), myBytes.size());
            }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    static const bool sReady = [] {
        InitHooks();
        std::snprintf(gDirIDOrbex, kPathSize, "%s", kFuzzFolder);
        SurfaceCreate(gWorldPreview, 128, 48);
        SurfaceCreate(gWorldControls, 390, 409);
        SurfaceCreate(gWorldPaint, 160, 120);
        InitSetScreenSize(160, 120);
        gBEffectColor.CEffectAlloc();
        gFEffectColor.CEffectAlloc();
        HoldComponents();
        return true;
    }();
    (void)sReady;
    if (mySize < 1) return 0;
    const Kind& myKind = FuzzKindOf(kKinds, myData[0]);
    FileMemoryPut((std::string(kFuzzFolder) + myKind.mFile).c_str(), myData, mySize);
    std::memset(&gStyle, 0, sizeof(gStyle));
    StyleDefault(reinterpret_cast<char*>(&gStyle));
    gStyleStart = gStyleLast = gStyle;
    std::memset(gAttachList, kNotSet, sizeof(gAttachList));
    gStartUp = 0;
    if (myKind.mPopup) {
        gPopup = myKind.mPopup;
        FileLoadFromDisk("Fuzz");
    } else {
        FileHandle myFile = nullptr;
        if (FileOpen(myKind.mFile, kFuzzFolder, &myFile, false) == 0) {
            StyleLoad(nullptr, kStyleFromRave, 1, myFile);
            FileClose(myFile);
        }
    }
    MainCloseAlert();
    return 0;
}
