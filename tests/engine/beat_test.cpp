// Beats and the trigger channels: which channels are evaluated and fire, what they change, and the beats of
// the frame loop from the tempo or a tapped pattern.
#include "engine_fixture.h"
#include "sound/tempo.h"

namespace {

class BeatTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        for (int c = 0; c < kChannels; ++c) {
            gStyle.mBeatCounter[c] = 0;
            gStyle.mThreshold[c] = 64;
            gStyle.mTrigger[c] = kTriggerSequential;
        }
        gStyle.mCurrentGrad = 1;
        gEditsRave[kEditGradient] = 1;
    }
    void Channel(int myChannel, int myCounter, int myThreshold, int myMode) {
        gStyle.mBeatCounter[myChannel] = static_cast<int8_t>(myCounter);
        gStyle.mThreshold[myChannel] = static_cast<int8_t>(myThreshold);
        gStyle.mTrigger[myChannel] = static_cast<int8_t>(myMode);
    }
    // Runs the frame loop on the virtual clock up to myUntil ms of song time, noting every beat.
    std::vector<uint32_t> Run(uint32_t myUntil) {
        std::vector<uint32_t> myBeats;
        uint32_t myCount = gBeatCount;
        while (AnimateGetElapsedTime() < myUntil) {
            ClockAdvance(1);
            AnimateMain();
            if (gBeatCount != myCount) {
                myCount = gBeatCount;
                myBeats.push_back(gBeatLast);
            }
        }
        return myBeats;
    }
};

} // namespace

TEST_F(BeatTest, WithoutListeningEveryEvaluatedChannelFires) {
    Channel(kChannelGradient, 1, 64, kTriggerSequential);
    AnimateExecuteBeat(0, 0);
    EXPECT_EQ(gCurrentGrad, 1);
    EXPECT_EQ(gBeatCount, 1u);
    // A counter of 0 is off; a counter of 2 evaluates every second beat, in phase from the start.
    Channel(kChannelGradient, 0, 0, kTriggerSequential);
    AnimateExecuteBeat(64, 0);
    EXPECT_EQ(gCurrentGrad, 1);
    Channel(kChannelGradient, 2, 0, kTriggerSequential);
    AnimateExecuteBeat(64, 0); // beat 3 of the count: (1 + 2) mod 2 = 1
    EXPECT_EQ(gCurrentGrad, 1);
    AnimateExecuteBeat(64, 0);
    EXPECT_EQ(gCurrentGrad, 2);
}

TEST_F(BeatTest, ListeningThresholdsCompareWithTheMeter) {
    gStateListen = 1;
    Channel(kChannelGradient, 1, 64, kTriggerSequential);
    AnimateExecuteBeat(63, 0);
    EXPECT_EQ(gCurrentGrad, 0);
    AnimateExecuteBeat(64, 0);
    EXPECT_EQ(gCurrentGrad, 1);
    Channel(kChannelGradient, 1, 0, kTriggerSequential);
    AnimateExecuteBeat(0, 0);
    EXPECT_EQ(gCurrentGrad, 2);
}

TEST_F(BeatTest, HoldModeCountsAndRecordsButChangesNothing) {
    Channel(kChannelGradient, 1, 0, kTriggerSequential);
    gStateManual = 1;
    const int myRecords = gEditsTotal;
    AnimateExecuteBeat(64, 0);
    EXPECT_EQ(gBeatCount, 1u);
    EXPECT_EQ(gCurrentGrad, 0);
    EXPECT_EQ(gEditsTotal, myRecords + 1);
    EXPECT_EQ(gEditsList[gEditsCurrent].mEdits[0], kRecordBeat);
}

TEST_F(BeatTest, QueuedChangesAndAttachmentsSuppressTheirKind) {
    Channel(kChannelGradient, 1, 0, kTriggerSequential);
    Channel(kChannelMove, 1, 0, kTriggerSequential);
    gCueList[kEditGradient] = 4;
    gStyle.mAttachments[0].mAttachMove = 1;
    AnimateExecuteBeat(64, 0);
    EXPECT_EQ(gCurrentGrad, 0);
    EXPECT_EQ(gCurrentMove, 0);
    gCueList[kEditGradient] = kNotSet;
    AnimateExecuteBeat(64, 0);
    EXPECT_EQ(gCurrentGrad, 1);
    EXPECT_EQ(gCurrentMove, 0);
}

TEST_F(BeatTest, SequentialColoursStepEightBackAlongTheRainbow) {
    Channel(kChannelColor, 1, 0, kTriggerSequential);
    gStyle.mBrushColor = 5;
    gEditsRave[kEditBrushColor] = 5;
    AnimateExecuteBeat(64, 0);
    EXPECT_EQ(gStyle.mBrushColor, 117);
    AnimateExecuteBeat(64, 0);
    EXPECT_EQ(gStyle.mBrushColor, 109);
    // Random colours land further than 10 positions away.
    Channel(kChannelColor, 1, 0, kTriggerRandom);
    for (int i = 0; i < 20; ++i) {
        const int myBefore = gStyle.mFillColor;
        AnimateExecuteBeat(64, 0);
        EXPECT_GT(std::abs(gStyle.mFillColor - myBefore), 10);
        EXPECT_GE(gStyle.mFillColor, 1);
        EXPECT_LE(gStyle.mFillColor, 120);
    }
}

TEST_F(BeatTest, TempoBeatsFollowThePeriodAndTempoZeroStopsThem) {
    gStatePlay = 1;
    gSongLength = 60000;
    const uint8_t my120[2] = {0x2E, 0xE0}; // 120.00
    MouseKeySetBPM(my120, 0);
    EXPECT_EQ(Run(2100), (std::vector<uint32_t>{500, 1000, 1500, 2000}));
    const uint8_t myZero[2] = {0, 0};
    MouseKeySetBPM(myZero, AnimateGetElapsedTime());
    EXPECT_TRUE(Run(5000).empty());
}

TEST_F(BeatTest, PatternBeatsRepeatTheirIntervals) {
    gStatePlay = 1;
    gSongLength = 60000;
    gStatePattern = 1;
    gTapTime[0] = 3;
    gTapTime[1] = 400;
    gTapTime[2] = 200;
    gTapTime[3] = 200;
    TempoStartBeats(0);
    EXPECT_EQ(Run(1500), (std::vector<uint32_t>{400, 600, 800, 1200, 1400}));
}

TEST_F(BeatTest, ABeatRestartsTheMovementAndKicksTheColours) {
    TestProgram().Add(W("xp"), Lit(7), 0, "ST").Into(gMovements[0].mReset, gMovements[0].mResetSize);
    gUpdateLength = 25;
    AnimateFinishBeat(1, 1000);
    EXPECT_EQ(gX, 7);
    EXPECT_EQ(gUpdateNext, 1025u);
    EXPECT_EQ(gStateHilite, 16);
}
