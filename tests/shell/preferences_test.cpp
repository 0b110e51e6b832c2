// The preferences file: created with the defaults, read at start-up, written at quit, and the screen saver's
// older layout.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controls/mousekey.h"
#include "core/alert.h"
#include "core/state.h"
#include "music/music.h"
#include "platform/config.h"
#include "platform/platform.h"
#include "shell/preferences.h"
#include "sound/sound_input.h"
#include "storage/file.h"

namespace fs = std::filesystem;

namespace {
class PrefsTest : public ::testing::Test {
  protected:
    fs::path mRoot;

    void SetUp() override {
        mRoot = fs::temp_directory_path() / ("orbex-prefs-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(mRoot);
        fs::create_directories(mRoot);
        std::snprintf(gDirIDPref, kPathSize, "%s/", mRoot.c_str());
        // The desktop's screen-saver settings come from this folder too, not the user's.
        ConfigSetFolder(mRoot.string());
        PlatformStart(true);
        gStartUp = 1;
    }
    void TearDown() override { fs::remove_all(mRoot); }
    std::vector<uint8_t> Record() {
        std::ifstream myStream(mRoot / kPrefsFileName, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(myStream), {});
    }
    void Store(const std::vector<uint8_t>& myBytes) {
        std::ofstream(mRoot / kPrefsFileName, std::ios::binary)
            .write(reinterpret_cast<const char*>(myBytes.data()),
                   static_cast<std::streamsize>(myBytes.size()));
    }
    // Start-up's reading followed by the quit's writing, as one run of the program makes them.
    void Run() {
        gStartUp = 1;
        InitSetPreferences("orbex");
        gStartUp = 0;
        InitSetPreferences(nullptr);
    }
};
} // namespace

TEST_F(PrefsTest, AFirstStartCreatesTheRecordWithTheDefaultsAtOnce) {
    InitSetPreferences("orbex");
    EXPECT_EQ(Record(),
              std::vector<uint8_t>({2, 0, 0, 20, 1, kInputNotChosen, 0, kInputNotChosen, 0, 0, 0, 0}));
    EXPECT_EQ(gStateHelp, 1) << "help shows on a first start";
    EXPECT_EQ(gAudioInputType, kInputNotChosen);
    EXPECT_EQ(gCDMode, kCDModePause);
}

TEST_F(PrefsTest, WhatAQuitWroteIsWhatTheNextStartReads) {
    Store({2, 0, 2, 5, 1 * 2 + 1, 4, 'E', 6, 0, 0, 0, 0});
    gStartUp = 1;
    InitSetPreferences("orbex");
    EXPECT_EQ(gSaverSound, 1);
    EXPECT_EQ(gSeekMode, 1);
    EXPECT_EQ(gStateHelp, 1);
    EXPECT_EQ(gCDMode, kCDModeStop) << "a drive that must stop to seek is paused by stopping it";
    EXPECT_EQ(gAudioInputType, 4);
    EXPECT_EQ(gAudioCDInputType, 6);
    EXPECT_EQ(gCDDefault, 'E');

    // The run changes what the user changes; a source picked by start-up itself is not a choice to keep.
    gSeekMode = 2;
    gStateHelp = 0;
    gCDDefault = 'D';
    gAudioInputType = 9;
    gSaverFlag = 1;
    gStartUp = 0;
    InitSetPreferences(nullptr);
    EXPECT_EQ(Record(), std::vector<uint8_t>({2, 0, 3, 20, 2 * 2, 4, 'D', 6, 0, 0, 0, 0}))
        << "the saver delay is the system's, not the one stored";
}

TEST_F(PrefsTest, SourcesChosenInTheRunAreWhatTheRecordKeeps) {
    Store({2, 0, 2, 5, 0, 4, 'E', 6, 0, 0, 0, 0});
    gStartUp = 1;
    InitSetPreferences("orbex");
    gStateCD = 0;
    MusicStoreInput(2);
    gStartUp = 0;
    InitSetPreferences(nullptr);
    EXPECT_EQ(Record()[kPrefsSource], 2);
    EXPECT_EQ(Record()[kPrefsCDSource], 6) << "the CD's source was not chosen";
    gStateCD = 1;
    MusicStoreInput(3);
    gStateCD = 0;
    InitSetPreferences(nullptr);
    EXPECT_EQ(Record()[kPrefsSource], 2);
    EXPECT_EQ(Record()[kPrefsCDSource], 3);
}

TEST_F(PrefsTest, TheScreenSaversOlderLayoutGivesTheCDTheNormalSource) {
    // As the screen saver creates the file, with a source chosen since.
    Store({1, 1, 1, 0, 1, 3, 0, 200, 0, 0, 0, 0});
    gStartUp = 1;
    InitSetPreferences("orbex");
    EXPECT_EQ(gSaverTrigger, 1);
    EXPECT_EQ(gSaverSound, 0);
    EXPECT_EQ(gSaverFlag, 0) << "the screen-saver flag is never read back";
    EXPECT_EQ(gAudioCDInputType, 3);
    EXPECT_EQ(gCDDefault, 0);
    gStartUp = 0;
    InitSetPreferences(nullptr);
    EXPECT_EQ(Record()[kPrefsVersion], kPrefsLayout);
    EXPECT_EQ(Record()[kPrefsSaverTrigger], 0) << "only the screen saver says it started the program";
    EXPECT_EQ(Record()[kPrefsCDSource], 3);
}

TEST_F(PrefsTest, ARecordCutShortOrOfAnUnknownLayoutKeepsTheDefaultsAndIsWrittenAnew) {
    for (const std::vector<uint8_t>& myBad :
         {std::vector<uint8_t>{2, 0, 2, 5, 3, 4, 'E'},
          std::vector<uint8_t>{7, 0, 2, 5, 3, 4, 'E', 6, 0, 0, 0, 0}, std::vector<uint8_t>{}}) {
        SCOPED_TRACE(myBad.size());
        Store(myBad);
        gSeekMode = 0;
        gCDDefault = 0;
        Run();
        EXPECT_EQ(gSeekMode, 0);
        EXPECT_EQ(gCDDefault, 0);
        EXPECT_EQ(Record().size(), size_t(kPrefsSize));
        EXPECT_EQ(Record()[kPrefsVersion], kPrefsLayout);
    }
    // A seek mode no drive gives is checked again.
    Store({2, 0, 0, 0, 7 * 2, 1, 'D', 1, 0, 0, 0, 0});
    Run();
    EXPECT_EQ(gSeekMode, 0);
}

// A record that cannot be opened (a folder has its name): the written "Error" alert, and on standard error
// the file and the system's reason; the defaults stay.
TEST_F(PrefsTest, ARecordThatCannotBeOpenedIsNamedWithTheReason) {
    fs::create_directory(mRoot / kPrefsFileName);
    gSeekMode = 0;
    testing::internal::CaptureStderr();
    InitSetPreferences("orbex");
    const std::string myErrors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(myErrors, "orbex: " + (mRoot / kPrefsFileName).string() + ": Error 21 (Is a directory)\n");
    EXPECT_STREQ(gAlertText, "Error 21");
    EXPECT_EQ(gSeekMode, 0);
}
