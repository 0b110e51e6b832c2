// Fuzz target: style, rave-record and set files of any content load and apply without harm. The first byte
// picks the kind; unless its top bit is set, the file's type byte is made the kind's own so the fuzzer
// reaches past the header.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "controls/file_popup.h"
#include "controls/popup_state.h"
#include "core/alert.h"
#include "engine/edits.h"
#include "engine/style_apply.h"
#include "shell/display.h"
#include "storage/components.h"

namespace {

struct Kind {
    const char* mFile;
    char mType;
    uint16_t mPopup; // 0: a rave record read from the open file
};

const Kind kKinds[] = {{"Styles/Fuzz.sty", 'S', kPopupStyle},
                       {"Fuzz.R01", 'r', 0},
                       {"Fuzz.R02", 'R', 0},
                       {"Settings/Fuzz.gst", 'g', kPopupGradientSet},
                       {"Settings/Fuzz.fst", 'f', kPopupFillSet},
                       {"Settings/Fuzz.mst", 'm', kPopupMoveSet},
                       {"Settings/Fuzz.bst", 'B', kPopupBrushSet},
                       {"Settings/Fuzz.bst", 'b', kPopupBrushSet}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    static const std::filesystem::path kFolder =
        std::filesystem::temp_directory_path() / ("orbex-fuzz-style-" + std::to_string(::getpid()));
    static bool sReady = [] {
        for (const char* myKind :
             {"Brushes", "Fills", "Gradients", "Movements", "Effects", "Styles", "Settings"})
            std::filesystem::create_directories(kFolder / myKind);
        std::snprintf(gDirIDOrbex, kPathSize, "%s/", kFolder.c_str());
        SurfaceCreate(gWorldPreview, 128, 48);
        SurfaceCreate(gWorldControls, 390, 409);
        SurfaceCreate(gWorldPaint, 160, 120);
        InitSetScreenSize(160, 120);
        gBEffectColor.CEffectAlloc();
        gFEffectColor.CEffectAlloc();
        return true;
    }();
    (void)sReady;
    if (mySize < 2) return 0;
    const Kind& myKind = kKinds[(myData[0] & 0x7F) % (sizeof(kKinds) / sizeof(kKinds[0]))];
    {
        std::ofstream myStream(kFolder / myKind.mFile, std::ios::binary | std::ios::trunc);
        myStream.put((myData[0] & 0x80) ? static_cast<char>(myData[1]) : myKind.mType);
        myStream.write(reinterpret_cast<const char*>(myData + 2), static_cast<std::streamsize>(mySize - 2));
    }
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
        const std::string myFolder = kFolder.string() + "/";
        if (FileOpen(myKind.mFile, myFolder.c_str(), &myFile, false) == 0) {
            StyleLoad(nullptr, kStyleFromRave, 1, myFile);
            FileClose(myFile);
        }
    }
    MainCloseAlert();
    return 0;
}
