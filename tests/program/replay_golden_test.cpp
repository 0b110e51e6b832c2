// Stored replay results: whole sessions (a busy style, a rave recorded with loads and Alt edits and then
// replayed, a script of keys) run on the virtual clock from a fixed seed, and their frame checksums and final
// edit list are compared with the results kept in tests/program/replays. A change that alters a frame or the
// edit list fails here even when it alters every run alike. ORBEX_REWRITE_GOLDEN=1 writes the results anew:
// look at the difference before committing it.
#include <cinttypes>
#include <cstdlib>
#include <sstream>

#include "../music/music_fixture.h"
#include "controls/file_popup.h"
#include "controls/key.h"
#include "controls/popup_state.h"
#include "core/random.h"
#include "engine/style_apply.h"
#include "platform/palette.h"
#include "platform/window.h"
#include "storage/loading.h"
#include "test_library.h"

namespace {

constexpr uint32_t kSample = 100; // ms of song time between frames compared

// FNV-1a over the picture's pixels and the palette it is shown in.
uint64_t ReplayChecksum() {
    uint64_t myHash = 1469598103934665603ull;
    auto myAdd = [&](const uint8_t* myBytes, size_t mySize) {
        for (size_t i = 0; i < mySize; ++i)
            myHash = (myHash ^ myBytes[i]) * 1099511628211ull;
    };
    for (int y = 0; y < gWorldPaint.mHeight; ++y)
        myAdd(gWorldPaint.Row(y), static_cast<size_t>(gWorldPaint.mWidth));
    myAdd(reinterpret_cast<const uint8_t*>(gPalette), sizeof(gPalette));
    return myHash;
}

class ReplayTest : public MusicTest {
  protected:
    std::ostringstream mResult;

    // The library's disc played from its first track, with the style given as the last session's.
    void Start(const StyleRecord& myStyle) {
        TestWriteBytes(mRoot / "Styles" / "Last_Session.sty",
                       std::vector<uint8_t>(reinterpret_cast<const uint8_t*>(&myStyle),
                                            reinterpret_cast<const uint8_t*>(&myStyle) + kStyleSize));
        gStateLastSession = 0;
        Insert(MusicFolder({6.0, 6.0}));
        ASSERT_EQ(gStateCD, 1);
        MainSeedRandom(7);
        MusicPlay(0, 1);
    }

    // Runs the frame loop to mySongTime, noting a frame's checksum every kSample ms when myFrames.
    void RunTo(uint32_t mySongTime, bool myFrames = true) {
        while (AnimateGetElapsedTime() < mySongTime) {
            ClockAdvance(1);
            AnimateMain();
            const uint32_t myNow = AnimateGetElapsedTime();
            if (myFrames && myNow % kSample == 0) {
                char myLine[48];
                std::snprintf(myLine, sizeof(myLine), "frame %5" PRIu32 " %016" PRIx64 "\n", myNow,
                              ReplayChecksum());
                mResult << myLine;
            }
        }
    }

    // Keys as the running program takes them, with the modifiers held.
    void Keys(const std::string& myKeys, uint8_t myMods = 0) {
        gStateRunning = 1;
        for (char myChar : myKeys) {
            gWindowKeyState = myMods;
            KeyHandler(static_cast<uint8_t>(myChar), ClockTicks(), 0);
        }
        gWindowKeyState = 0;
    }

    // The edit list in its order: each record's time and its 17 bytes (a load's carry its file name).
    void NoteEditList() {
        int mySteps = 0;
        for (int i = 0; i >= 0 && i != kEditsEnd && mySteps < kEditsMax; i = gEditsList[i].mNext, ++mySteps) {
            char myLine[96];
            int myAt = std::snprintf(myLine, sizeof(myLine), "edits %6" PRIu32 " ", gEditsList[i].mTime);
            for (int8_t myByte : gEditsList[i].mEdits)
                myAt +=
                    std::snprintf(myLine + myAt, sizeof(myLine) - myAt, "%02x", static_cast<uint8_t>(myByte));
            mResult << myLine << "\n";
        }
    }

    // Compares the session's result with the stored one, or stores it when rewriting.
    void ExpectStored(const std::string& myName) {
        const std::filesystem::path myPath =
            std::filesystem::path(ORBEX_SOURCE_DIR) / "tests" / "program" / "replays" / (myName + ".txt");
        const std::string myNow = mResult.str();
        if (std::getenv("ORBEX_REWRITE_GOLDEN")) {
            std::ofstream(myPath, std::ios::binary) << myNow;
            return;
        }
        std::ifstream myStream(myPath, std::ios::binary);
        ASSERT_TRUE(myStream) << myPath << " (ORBEX_REWRITE_GOLDEN=1 makes it)";
        std::stringstream myStored;
        myStored << myStream.rdbuf();
        std::istringstream myNowLines(myNow), myStoredLines(myStored.str());
        std::string myA, myB;
        for (int myLine = 1; std::getline(myStoredLines, myA); ++myLine) {
            ASSERT_TRUE(std::getline(myNowLines, myB))
                << myName << ": the session ends before line " << myLine;
            ASSERT_EQ(myB, myA) << myName << ": line " << myLine << " differs from the stored result";
        }
        EXPECT_FALSE(std::getline(myNowLines, myB))
            << myName << ": the session goes on past the stored result";
        EXPECT_GT(myNow.size(), 1000u) << "the session noted its frames";
    }
};

} // namespace

// Every channel fires: fills in turn, random gradients and brushes, movements in turn, random colours.
TEST_F(ReplayTest, BusyStyle) {
    StyleRecord myStyle;
    ASSERT_TRUE(TestWriteLibrary(mRoot, 15000, &myStyle));
    StyleCopy(myStyle.mFillNames[0], "Checks");
    StyleCopy(myStyle.mGradNames[1], "Waves");
    StyleCopy(myStyle.mMoveNames[1], "Circle");
    const int8_t kCounters[kChannels] = {3, 2, 1, 4, 2};
    const int8_t kTriggers[kChannels] = {kTriggerSequential, kTriggerRandom, kTriggerRandom, kTriggerRandom,
                                         kTriggerSequential};
    for (int c = 0; c < kChannels; ++c) {
        myStyle.mBeatCounter[c] = kCounters[c];
        myStyle.mTrigger[c] = kTriggers[c];
    }
    Start(myStyle);
    RunTo(5500);
    NoteEditList();
    ExpectStored("busy_style");
}

// A rave recorded with edits, loads into slots and an Alt edit that rewrites an earlier value, saved, and
// played back from the start of the track.
TEST_F(ReplayTest, RaveWithLoadsAndAltEdits) {
    StyleRecord myStyle;
    ASSERT_TRUE(TestWriteLibrary(mRoot, 12000, &myStyle));
    Start(myStyle);
    RunTo(800, false);
    ExecuteEdits(kEditBrushColor, 40, AnimateGetElapsedTime(), kModeExecute, {0, 1, 0});
    RunTo(1600, false);
    gActionTime = AnimateGetElapsedTime();
    gFills[2].FillLoad("Checks", 2, 1, 1, nullptr, 1);
    ExecuteEdits(kEditFill, 3, gActionTime, kModeExecute, {0, 1, 0});
    RunTo(2300, false);
    ExecuteEdits(kEditSpread, 90, AnimateGetElapsedTime(), kModeExecute, {0, 1, 0});
    RunTo(3100, false);
    gActionTime = AnimateGetElapsedTime();
    LoadGradient("Waves", 3, 1, 1, nullptr, 1);
    ExecuteEdits(kEditGradient, 4, gActionTime, kModeExecute, {0, 1, 0});
    RunTo(3700, false);
    ExecuteEdits(kEditSpread, 70, AnimateGetElapsedTime(), kModeEarlier, {0, 1, 0});
    ExecuteEdits(kEditColorSpeed, 50, AnimateGetElapsedTime(), kModeExecute, {0, 1, 0});
    RunTo(4500, false);
    gPopup = kPopupRave;
    std::strcpy(gEditableText, "Stored Song");
    ASSERT_TRUE(FileSaveToDisk());

    MusicStop(0, 0);
    StyleLoad("Known", kStyleFromFile);
    MainSeedRandom(7);
    MusicPlay(0, 0);
    ASSERT_EQ(gStateRaveOnDisk, 1);
    RunTo(5000);
    NoteEditList();
    ExpectStored("rave_loads_alt");
}

// Keys as typed while the track plays: numbers before commands, a new random picture, a cue made with Shift
// and carried out by Enter, and an Alt edit.
TEST_F(ReplayTest, ScriptOfKeys) {
    StyleRecord myStyle;
    ASSERT_TRUE(TestWriteLibrary(mRoot, 9000, &myStyle));
    StyleCopy(myStyle.mFillNames[0], "Checks");
    Start(myStyle);
    struct Step {
        uint32_t mTime;
        const char* mKeys;
        uint8_t mMods;
    } const kSteps[] = {{400, "12c", 0},  {900, "40d", 0},       {1300, "1f", 0},
                        {1700, "u", 0},   {2200, "-12j", 0},     {2600, "30s", kModShift},
                        {3300, "80k", 0}, {3900, "75d", kModAlt}};
    for (const Step& myStep : kSteps) {
        RunTo(myStep.mTime);
        Keys(myStep.mKeys, myStep.mMods);
        if (myStep.mMods == kModShift) {
            RunTo(myStep.mTime + 300);
            KeyDownHandler(kVKReturn, ClockTicks());
        }
    }
    RunTo(5000);
    NoteEditList();
    ExpectStored("script_of_keys");
}
