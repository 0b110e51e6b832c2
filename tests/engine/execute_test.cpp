// Change execution: what each edit does, the attachments that refuse or bring changes, and where recording
// puts the values in the edit list.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/brush_effect_program.h"
#include "engine_fixture.h"
#include "storage/file.h"

namespace {

class ExecuteTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        for (int i = 0; i < kFillSlots; ++i)
            MakeTile(gFills[i], 20 + i, 20);
        gEditsRave[kEditFill] = 1;
        gEditsRave[kEditGradient] = 1;
        gEditsRave[kEditMove] = 1;
        gEditsRave[kEditBrush] = 1;
        ExecuteResetEdits();
    }
};

} // namespace

TEST_F(ExecuteTest, AFillWipeKeepsTheFillAndASlotSelectsAndDraws) {
    SurfaceFill(gWorldPaint, gRectDisplay, 9);
    ExecuteEdits(kEditFill, kEditFillWipe, 0, kModeExecute, {});
    EXPECT_EQ(gCurrentFill, 0);
    EXPECT_EQ(Paint(400, 300), 111);
    ExecuteEdits(kEditFill, 3, 0, kModeExecute, {});
    EXPECT_EQ(gCurrentFill, 2);
    EXPECT_EQ(gStyle.mCurrentFill, 3);
    EXPECT_EQ(gFills[2].m8BitWorld.mWidth, 22);
    EXPECT_EQ(Paint(401, 300), 112);
    // Random fills come from slots 1-4, never the current one.
    for (int i = 0; i < 30; ++i) {
        const int myBefore = gCurrentFill;
        ExecuteEdits(kEditFill, kEditRandom, 0, kModeExecute, {});
        EXPECT_NE(gCurrentFill, myBefore);
        EXPECT_LT(gCurrentFill, 4);
    }
}

TEST_F(ExecuteTest, AttachmentsRefuseTriggeredChangesButNotReplays) {
    gStyle.mAttachments[0].mAttachGradient = 5;
    ExecuteEdits(kEditGradient, 3, 0, kModeExecute, {0, 1, 0});
    EXPECT_STREQ(gAlertText, "The current brush has an attached gradient.");
    EXPECT_EQ(gCurrentGrad, 0);
    ExecuteEdits(kEditGradient, 3, 0, kModeExecute, {});
    EXPECT_EQ(gCurrentGrad, 2);
    gStyle.mAttachments[0].mAttachBrushSpeed = 10;
    ExecuteEdits(kEditBrushSpeed, 20, 0, kModeExecute, {0, 1, 0});
    EXPECT_STREQ(gAlertText, "The current brush has an attached brush speed setting.");
}

TEST_F(ExecuteTest, BrushAttachmentsSwitchTheMovementAndBack) {
    gStyle.mAttachments[1].mAttachMove = 4;
    gStyle.mAttachments[1].mAttachBrushSpeed = 10;
    gStyle.mCurrentMove = 2;
    gCurrentMove = 1;
    ExecuteEdits(kEditBrush, 2, 0, kModeExecute, {});
    EXPECT_EQ(gCurrentMove, 3);
    EXPECT_EQ(gStyle.mBrushSpeed, 10);
    EXPECT_EQ(gUpdateLength, 100u);
    ExecuteEdits(kEditBrush, 3, 0, kModeExecute, {});
    EXPECT_EQ(gCurrentMove, 1);
    EXPECT_EQ(gStyle.mBrushSpeed, 40);
    EXPECT_EQ(gAttachList[4], kNotSet);
}

TEST_F(ExecuteTest, SpeedsSetTheirDeadlines) {
    ExecuteEdits(kEditBrushSpeed, 0, 100, kModeExecute, {});
    EXPECT_EQ(gUpdateNext, kNever);
    ExecuteEdits(kEditColorSpeed, 60, 100, kModeExecute, {});
    EXPECT_EQ(gCycleDir, 0);
    EXPECT_EQ(gCycleNext, kNever);
    ExecuteEdits(kEditColorSpeed, 50, 100, kModeExecute, {});
    EXPECT_EQ(gCycleDir, -1);
    EXPECT_EQ(gCycleLength, 100u);
    EXPECT_EQ(gCycleNext, 200u);
}

TEST_F(ExecuteTest, CuesWaitAndCombineFillAndWipe) {
    ExecuteEdits(kEditFill, 3, 0, kModeCue, {});
    ExecuteEdits(kEditFill, kEditFillWipe, 0, kModeCue, {});
    EXPECT_EQ(gCueList[kEditFill], 3 + kEditFillWipe);
    EXPECT_EQ(gCurrentFill, 0);
    ExecuteEdits(kEditFill, 0, 0, kModeUncue, {});
    EXPECT_EQ(gCueList[kEditFill], kNotSet);
}

TEST_F(ExecuteTest, EditsBetweenBeatsMakeChangeRecordsAndNearOnesJoinTheBeat) {
    gBeatLast = 1000;
    gBeatNext = 2000;
    ExecuteInsert(kRecordBeat, nullptr);
    const int myBeat = gEditsCurrent;
    // 100 ms after the beat: onto the beat's record.
    ExecuteEdits(kEditSpread, 50, 1100, kModeExecute, {0, 1, 0});
    EXPECT_EQ(gEditsCurrent, myBeat);
    EXPECT_EQ(gEditsList[myBeat].mEdits[kEditSpread], -50);
    // Half-way: a change record of its own at that time.
    ExecuteEdits(kEditSpread, 60, 1500, kModeExecute, {0, 1, 0});
    EXPECT_NE(gEditsCurrent, myBeat);
    EXPECT_EQ(gEditsList[gEditsCurrent].mTime, 1500u);
    EXPECT_EQ(gEditsList[gEditsCurrent].mEdits[0], kRecordChange);
    EXPECT_EQ(gEditsList[gEditsCurrent].mEdits[kEditSpread], -60);
    // 150 ms before the next beat: it belongs to that beat.
    ExecuteEdits(kEditSpread, 70, 1850, kModeExecute, {0, 1, 0});
    EXPECT_EQ(gEditsList[gEditsCurrent].mTime, 2000u);
    EXPECT_EQ(gEditsList[gEditsCurrent].mEdits[kEditSpread], -70);
    // The list stays in time order.
    uint32_t myTime = 0;
    for (int i = 0; i != kEditsEnd; i = gEditsList[i].mNext) {
        EXPECT_GE(gEditsList[i].mTime, myTime);
        myTime = gEditsList[i].mTime;
    }
}

TEST_F(ExecuteTest, TheStartRecordTakesPlainValuesAndTheSongStart) {
    gBeatLast = 0;
    gBeatNext = 1000;
    ExecuteEdits(kEditColorKick, 80, 10, kModeExecute, {0, 1, 0});
    EXPECT_EQ(gEditsCurrent, 0);
    EXPECT_EQ(gEditsList[0].mEdits[kEditColorKick], 80);
    EXPECT_EQ(gStyleStart.mColorKick, 80);
}

TEST_F(ExecuteTest, TheListHoldsAtMost9000Records) {
    gEditsTotal = kEditsMax - 2;
    EXPECT_TRUE(ExecuteInsert(kRecordChange, nullptr));
    EXPECT_FALSE(ExecuteInsert(kRecordChange, nullptr));
    EXPECT_EQ(gStateFull, 1);
    EXPECT_STREQ(gAlertText,
                 "The maximum allowed number of beats per song has been exceeded! Further recording is "
                 "now disabled for this song.");
    gAlertText[0] = 0;
    EXPECT_FALSE(ExecuteInsert(kRecordChange, nullptr));
    EXPECT_STREQ(gAlertText, "") << "the alert comes once";
    // Execution goes on without recording.
    ExecuteEdits(kEditSpread, 33, 5000, kModeExecute, {0, 1, 0});
    EXPECT_EQ(gStyle.mSpread, 33);
}

TEST_F(ExecuteTest, ReplayAppliesRecordedChangesAndLoads) {
    gBeatLast = 0;
    gBeatNext = 1000;
    ExecuteInsert(kRecordBeat, nullptr);
    gEditsList[gEditsCurrent].mTime = 1000;
    gEditsList[gEditsCurrent].mEdits[kEditSpread] = -90;
    gEditsList[gEditsCurrent].mEdits[kEditGradient] = -4;
    gStyle.mAttachments[0].mAttachGradient = 2; // replay is never refused
    gEditsCurrent = 0;
    gEditsCount = 1;
    gBeatNext = 1000;
    AnimateExecuteEdits(1000);
    EXPECT_EQ(gStyle.mSpread, 90);
    EXPECT_EQ(gCurrentGrad, 3);
    EXPECT_EQ(gBeatLast, 1000u);
    EXPECT_EQ(gBeatNext, kNever) << "no tempo: no beat after the last record";
}

TEST_F(ExecuteTest, RandomComponentsEndWhenNothingElseLoads) {
    char myList[3 * kNameSize + 1] = "Only           \rMissing        \rGone           \r";
    StyleCopy(gStyle.mGradNames[0], "Only");
    gStartUp = 0; // past start-up, loads take the name they are given
    EXPECT_FALSE(ExecuteRandomComponent(308, myList, 0));
}

// An effect that comes with a brush, or with a replayed load, starts from its own init program: a colour
// effect aims at its own target, never at the one before; a brush effect's variables are set by its init.
TEST_F(ExecuteTest, EffectsBroughtByABrushOrAReplayStartFromTheirInitPrograms) {
    namespace fs = std::filesystem;
    const fs::path myRoot = fs::temp_directory_path() / ("orbex-effects-" + std::to_string(::getpid()));
    fs::create_directories(myRoot / "Effects");
    std::snprintf(gDirIDOrbex, kPathSize, "%s/", myRoot.c_str());
    auto myWrite = [&](const char* myFile, char myType, const std::vector<uint8_t>& myInit) {
        std::vector<uint8_t> myBytes = {static_cast<uint8_t>(myType), 0, 1, 0};
        myBytes.resize(4 + 90, 0);
        const auto mySize = static_cast<uint8_t>(myInit.size());
        myBytes.insert(myBytes.end(), {mySize, 0, 0, 0, 0, 0});
        myBytes.insert(myBytes.end(), myInit.begin(), myInit.end());
        std::ofstream(myRoot / "Effects" / myFile, std::ios::binary)
            .write(reinterpret_cast<const char*>(myBytes.data()),
                   static_cast<std::streamsize>(myBytes.size()));
    };
    myWrite("Grey.efc", 'C', TestProgram().Add(0, 0, 0, "SS").mBytes);       // towards grey
    myWrite("Turn.efc", 'C', TestProgram().Add(Lit(60), 0, 0, "SH").mBytes); // towards one hue
    myWrite("Vars.efb", 'E', TestProgram().Add(Var(0), Lit(5), 0, "ST").mBytes);
    const GradientData myOldGradient = gGradData[0];
    for (int i = 0; i < kGradientBytes; ++i)
        gGradData[0].mBrushGrad[i] = gGradData[0].mFillGrad[i] = static_cast<uint8_t>(37 * i + 11);
    gStartUp = 0; // past start-up, loads take the name they are given

    ASSERT_TRUE(gBEffectColor.CEffectLoad("Turn", 0, 0, nullptr));
    gBEffectColor.CEffectInit(0, 0);
    const std::vector<int16_t> myTurnShifts = gBEffectColor.mShiftArray;
    StyleCopy(gStyle.mAttachments[1].mAttachBrushColorEffect, "Grey");
    StyleCopy(gStyle.mAttachments[1].mAttachBrushEffect, "Vars");
    gEffParam[0] = 0;
    ExecuteEdits(kEditBrush, 2, 0, kModeExecute, {});
    ASSERT_STREQ(gStyle.mBrushColorEffect, "Grey");
    const std::vector<int16_t> myBrought = gBEffectColor.mShiftArray;
    gBEffectColor.CEffectCreateDest();
    EXPECT_EQ(myBrought, gBEffectColor.mShiftArray) << "the shifts are the new effect's own";
    EXPECT_NE(myBrought, myTurnShifts);
    EXPECT_EQ(gEffParam[0], 5.0) << "the attached brush effect ran its init program";
    ExecuteEdits(kEditBrush, 3, 0, kModeExecute, {});
    EXPECT_STREQ(gStyle.mBrushColorEffect, "Turn");
    EXPECT_EQ(gBEffectColor.mShiftArray, myTurnShifts) << "the effect given back is rebuilt too";

    // Replayed load records of the fill colour effect and the brush effect.
    ASSERT_TRUE(gFEffectColor.CEffectLoad("Turn", 0, 0, nullptr));
    gFEffectColor.CEffectInit(0, 0);
    auto myLoad = [](int myType, const char* myName) {
        int8_t myEdits[kEditKinds] = {};
        myEdits[0] = static_cast<int8_t>(myType * 8 - 126);
        std::memcpy(myEdits + 1, myName, std::strlen(myName));
        ExecuteLoads(myEdits);
    };
    myLoad(kEffectFillColor, "Grey");
    const std::vector<int16_t> myReplayed = gFEffectColor.mShiftArray;
    gFEffectColor.CEffectCreateDest();
    EXPECT_EQ(myReplayed, gFEffectColor.mShiftArray);
    gEffParam[0] = 0;
    myLoad(kEffectBrush, "Vars");
    EXPECT_EQ(gEffParam[0], 5.0);

    gGradData[0] = myOldGradient;
    fs::remove_all(myRoot);
}
