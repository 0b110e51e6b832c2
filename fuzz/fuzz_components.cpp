// Fuzz target: component files of any content load into their slots without harm. The first byte picks the
// kind; the rest is the file, whose type byte is set to the kind's so the fuzzer reaches past the header.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/alert.h"
#include "shell/display.h"
#include "storage/loading.h"

namespace {

struct Kind {
    const char* mFolder;
    const char* mFile;
    char mType;
};

const Kind kKinds[] = {{"Brushes", "Fuzz.bru", 'B'},   {"Fills", "Fuzz.fil", 'F'},
                       {"Fills", "Fuzz.fil", 'T'},     {"Gradients", "Fuzz.gra", 'G'},
                       {"Movements", "Fuzz.mvm", 'M'}, {"Effects", "Fuzz.efc", 'C'},
                       {"Effects", "Fuzz.efb", 'E'}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    static const std::filesystem::path kFolder =
        std::filesystem::temp_directory_path() / ("orbex-fuzz-components-" + std::to_string(::getpid()));
    static bool sReady = [] {
        for (const Kind& myKind : kKinds)
            std::filesystem::create_directories(kFolder / myKind.mFolder);
        std::snprintf(gDirIDOrbex, kPathSize, "%s/", kFolder.c_str());
        SurfaceCreate(gWorldPreview, 128, 48);
        SurfaceSetColorKey(gWorldPreview, 255);
        SurfaceCreate(gWorldControls, 390, 409);
        InitSetScreenSize(640, 480);
        gStartUp = 1; // alerts only keep their text
        return true;
    }();
    (void)sReady;
    if (mySize < 2) return 0;
    const Kind& myKind = kKinds[myData[0] % (sizeof(kKinds) / sizeof(kKinds[0]))];
    {
        std::ofstream myStream(kFolder / myKind.mFolder / myKind.mFile, std::ios::binary | std::ios::trunc);
        const char myType = (myData[0] & 0x80) ? static_cast<char>(myData[1]) : myKind.mType;
        myStream.put(myType);
        myStream.write(reinterpret_cast<const char*>(myData + 2), static_cast<std::streamsize>(mySize - 2));
    }
    StyleDefault(reinterpret_cast<char*>(&gStyle));
    for (int i = 0; i < kFillSlots; ++i)
        StyleCopy(gStyle.mFillNames[i], "Fuzz");
    StyleCopy(gStyle.mBrushNames[0], "Fuzz");
    StyleCopy(gStyle.mGradNames[0], "Fuzz");
    StyleCopy(gStyle.mMoveNames[0], "Fuzz");
    StyleCopy(gStyle.mBrushEffect, "Fuzz");
    StyleCopy(gStyle.mBrushColorEffect, "Fuzz");
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
