// The controls window of a running program for tests: the engine's own fixture, a program folder of the
// test's own, the controls window with its artwork, and keys given as the message queue would give them.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../engine/engine_fixture.h"
#include "controls/draw.h"
#include "controls/help.h"
#include "controls/key.h"
#include "controls/mousekey.h"
#include "controls/popup_state.h"
#include "controls/text_field.h"
#include "core/state.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "resources/pictures.h"
#include "sound/listen.h"
#include "sound/sound_input.h"
#include "storage/file.h"

class ControlsTest : public EngineTest {
  protected:
    std::filesystem::path mRoot;

    void SetUp() override {
        EngineTest::SetUp();
        const std::string myTest = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        mRoot = std::filesystem::temp_directory_path() /
                ("orbex-controls-" + std::to_string(::getpid()) + "-" + myTest);
        std::filesystem::remove_all(mRoot);
        for (const char* myKind :
             {"Brushes", "Fills", "Gradients", "Movements", "Effects", "Styles", "Settings", "Raves"})
            std::filesystem::create_directories(mRoot / myKind);
        std::snprintf(gDirIDOrbex, kPathSize, "%s/", mRoot.c_str());
        std::snprintf(gDirIDRave, kPathSize, "%s/Raves/", mRoot.c_str());
        WindowCloseAll();
        for (auto& myName : gStyle.mGradNames)
            StyleCopy(myName, "(None)");
        for (auto& myName : gStyle.mMoveNames)
            StyleCopy(myName, "(None)");
        gStyleStart = gStyle;
        gStartUp = 0;
        gStateRunning = 1;
        gStatePaint = 1;
        gStateControlsVisible = 0;
        gStateAllVisible = 0;
        gStateAlert = 0;
        gStateTextEntry = gStateEndSong = 0;
        // Start-up has read the drive: there is none, so the silent clock's nine tracks of a minute.
        MusicUpdateCD(-1);
        gVolume = 128;
        gMeterMax = 0;
        gPopup = 0;
        gEditableText[0] = 0;
        gWindowKeyState = 0;
        ASSERT_TRUE(WindowCreate(kWinControls, "Orbex Controls", 0, 0, kControlsWidth, kControlsHeight,
                                 kWindowTopmost));
        ASSERT_TRUE(WindowCreate(kWinHelp, "Orbex Help", 0, 0, kHelpWidth, kHelpHeight, kWindowTopmost));
        ASSERT_TRUE(WindowCreate(kWinPaint, "Orbex Animation", 0, 0, 800, 600, 0));
        for (auto [mySurface, myPicture] : {std::pair{&gWorldButtons, kPictureButtons},
                                            {&gWorldIcons, kPictureIcons},
                                            {&gWorldDisplay, kPictureDisplay},
                                            {&gWorldPanelArt, kPicturePanelArt}}) {
            ASSERT_TRUE(ResourceDrawPicture(myPicture, *mySurface));
            SurfaceSetColorKey(*mySurface, 255);
        }
        ASSERT_TRUE(DrawInitArtwork());
    }
    void TearDown() override {
        WindowCloseAll();
        std::filesystem::remove_all(mRoot);
        EngineTest::TearDown();
    }

    // Characters as typed: each with the modifiers given, through the text field while it is open.
    void Type(const std::string& myText, uint8_t myMods = 0) {
        for (char myChar : myText)
            Char(static_cast<uint8_t>(myChar), myMods);
    }
    void Char(uint32_t myChar, uint8_t myMods = 0) {
        gWindowKeyState = myMods;
        if (TextFieldExists())
            KeyEventProcess(true, myChar, ClockTicks());
        else
            KeyHandler(myChar, ClockTicks(), 0);
        gWindowKeyState = 0;
    }
    void KeyDown(uint32_t myKey, uint8_t myMods = 0) {
        gWindowKeyState = myMods;
        if (TextFieldExists())
            KeyEventProcess(false, myKey, ClockTicks());
        else
            KeyDownHandler(myKey, ClockTicks());
        gWindowKeyState = 0;
    }
    // Shows the controls window, expanded when asked, as the program does at start.
    void ShowControls(bool myExpanded) {
        MouseKeyToggleControls(0);
        if (myExpanded) DrawResizeControls(0);
        DrawUpdateLive();
    }
    void WriteFile(const std::string& myPath, const std::vector<uint8_t>& myBytes) {
        std::ofstream(mRoot / myPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(myBytes.data()),
                   static_cast<std::streamsize>(myBytes.size()));
    }
    static std::vector<uint8_t> GradientFile() {
        std::vector<uint8_t> myBytes = {'G', 0, 1, 0, 0};
        myBytes.resize(545, 90);
        return myBytes;
    }
    static uint8_t Pixel(int myX, int myY) { return DrawSurface().Row(myY)[myX]; }
};
