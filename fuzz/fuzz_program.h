// Fuzz helper: a program folder on disk for the whole engine, with the pictures and effects a replay draws
// into, on the virtual clock; made once per fuzzer process. And the default style each input starts from.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/display.h"
#include "core/style_record.h"
#include "engine/edits.h"
#include "platform/clock.h"
#include "shell/main.h"
#include "storage/components.h"
#include "storage/file.h"

inline std::filesystem::path FuzzOpenProgram(const char* myName) {
    const std::filesystem::path myFolder =
        std::filesystem::temp_directory_path() / (std::string(myName) + "-" + std::to_string(::getpid()));
    InitHooks();
    for (const char* myKind :
         {"Brushes", "Fills", "Gradients", "Movements", "Effects", "Styles", "Settings", "Raves/0000"})
        std::filesystem::create_directories(myFolder / myKind);
    std::snprintf(gDirIDOrbex, kPathSize, "%s/", myFolder.c_str());
    std::snprintf(gDirIDRave, kPathSize, "%s/Raves/", myFolder.c_str());
    SurfaceCreate(gWorldPreview, 128, 48);
    SurfaceCreate(gWorldControls, 390, 409);
    SurfaceCreate(gWorldPaint, 160, 120);
    InitSetScreenSize(160, 120);
    gBEffectColor.CEffectAlloc();
    gFEffectColor.CEffectAlloc();
    ClockUseVirtual(true);
    return myFolder;
}

// Every input starts from the default style, with nothing attached or cued.
inline void FuzzFreshStyle() {
    std::memset(&gStyle, 0, sizeof(gStyle));
    StyleDefault(reinterpret_cast<char*>(&gStyle));
    gStyleStart = gStyleLast = gStyle;
    std::memset(gAttachList, kNotSet, sizeof(gAttachList));
    std::memset(gCueList, kNotSet, sizeof(gCueList));
}
