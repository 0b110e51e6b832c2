// A program folder of its own for style and set tests, with the engine in the state start-up leaves it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "controls/popup_state.h"
#include "core/alert.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "music/music.h"
#include "shell/display.h"
#include "storage/components.h"
#include "storage/loading.h"

class StyleFolderTest : public ::testing::Test {
  protected:
    std::filesystem::path mRoot;

    void SetUp() override {
        const std::string myTest = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        mRoot = std::filesystem::temp_directory_path() /
                ("orbex-style-" + std::to_string(::getpid()) + "-" + myTest);
        std::filesystem::remove_all(mRoot);
        for (const char* myKind :
             {"Brushes", "Fills", "Gradients", "Movements", "Effects", "Styles", "Settings"})
            std::filesystem::create_directories(mRoot / myKind);
        std::snprintf(gDirIDOrbex, kPathSize, "%s/", mRoot.c_str());
        ASSERT_TRUE(SurfaceCreate(gWorldPreview, 128, 48));
        ASSERT_TRUE(SurfaceCreate(gWorldControls, 390, 409));
        ASSERT_TRUE(SurfaceCreate(gWorldPaint, 320, 240));
        InitSetScreenSize(320, 240);
        gBEffectColor.CEffectAlloc();
        gFEffectColor.CEffectAlloc();
        for (StyleRecord* myRecord : {&gStyle, &gStyleStart, &gStyleLast, &gStyleTemp})
            StyleDefault(reinterpret_cast<char*>(myRecord));
        std::memset(gAttachList, kNotSet, sizeof(gAttachList));
        // Past start-up, as for the user: no alert window exists here, and gAlertText tells what a load said.
    }
    void TearDown() override { std::filesystem::remove_all(mRoot); }

    void Write(const std::string& myPath, const std::vector<uint8_t>& myBytes) {
        std::ofstream(mRoot / myPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(myBytes.data()),
                   static_cast<std::streamsize>(myBytes.size()));
    }
    std::vector<uint8_t> Read(const std::string& myPath) {
        std::ifstream myStream(mRoot / myPath, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(myStream),
                                    std::istreambuf_iterator<char>());
    }
    static std::vector<uint8_t> Bytes(const StyleRecord& myRecord) {
        const auto* myData = reinterpret_cast<const uint8_t*>(&myRecord);
        return std::vector<uint8_t>(myData, myData + sizeof(StyleRecord));
    }
    // A gradient file whose 540 colour bytes all hold mySeed, so each slot's content tells where it came
    // from.
    void WriteGradient(const std::string& myName, uint8_t mySeed) {
        std::vector<uint8_t> myFile = {'G', 0, 1, 0, 0};
        myFile.resize(5 + sizeof(GradientData), mySeed);
        Write("Gradients/" + myName + ".gra", myFile);
    }
    static void Name(char* myField, const char* myName) { StyleCopy(myField, myName); }
};
