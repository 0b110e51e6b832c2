// Tempo, manual taps and tapped patterns.
#include <gtest/gtest.h>

#include <vector>

#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "sound/tempo.h"

namespace {
class TempoTest : public ::testing::Test {
  protected:
    void SetUp() override { StyleDefault(reinterpret_cast<char*>(&gStyle)); }

    // Beat times as the frame loop produces them from the first one on.
    std::vector<uint32_t> Beats(int myCount) {
        std::vector<uint32_t> myTimes;
        for (int myIndex = 0; myIndex < myCount; ++myIndex) {
            myTimes.push_back(gBeatNext);
            gBeatNext += TempoNextStep();
        }
        return myTimes;
    }
};

uint16_t Tempo() {
    return StyleGetTempo(gStyle);
}
} // namespace

TEST_F(TempoTest, SettingATempoSchedulesTheNextBeatOnePeriodOn) {
    const uint8_t kTempo[2] = {0x2E, 0xE0}; // 120.00
    MouseKeySetBPM(kTempo, 1000);
    EXPECT_EQ(gBeatLength, 500u);
    EXPECT_EQ(gBeatNext, 1500u);
    EXPECT_EQ(Tempo(), 12000);
    const uint8_t kZero[2] = {0, 0};
    MouseKeySetBPM(kZero, 2000);
    EXPECT_EQ(gBeatLength, kNever);
    EXPECT_EQ(gBeatNext, kNever) << "tempo 0 stops generated beats";
}

TEST_F(TempoTest, WhileListeningOrReplayingTheNextBeatStays) {
    const uint8_t kTempo[2] = {0x17, 0x70}; // 60.00
    gStateListen = 1;
    MouseKeySetBPM(kTempo, 100);
    EXPECT_EQ(gBeatNext, kNever);
    EXPECT_EQ(gBeatLength, 1000u);
    gStateListen = 0;
    gBeatNext = 4321;
    gEditsTotal = 5;
    gEditsCount = 2; // a rave replays
    MouseKeySetBPM(kTempo, 100);
    EXPECT_EQ(gBeatNext, 4321u);
    EXPECT_EQ(Tempo(), 6000);
}

TEST_F(TempoTest, TwoTapsHalfASecondApartGive120) {
    MouseKeyManualTap(1000, false, false);
    MouseKeyManualTap(1500, false, false);
    gStateListen = 1;
    MouseKeyApplyTap(1600, false, false);
    EXPECT_EQ(Tempo(), 12000);
    EXPECT_EQ(gStateListen, 0) << "applying taps switches listening off";
    EXPECT_EQ(gStyle.mFlags & kFlagListen, 0);
    EXPECT_EQ(gBeatNext, 1600u) << "the applied tempo's beat falls now";
    EXPECT_EQ(gTapCount, 0);
}

TEST_F(TempoTest, TheAverageIsOverAllTapsAndLimitedTo300) {
    for (uint32_t myTime : {0u, 400u, 800u, 1200u, 1600u})
        MouseKeyManualTap(myTime, false, false);
    MouseKeyApplyTap(2000, false, false);
    EXPECT_EQ(Tempo(), 15000);
    MouseKeyManualTap(0, false, false);
    MouseKeyManualTap(50, false, false);
    MouseKeyApplyTap(60, false, false);
    EXPECT_EQ(Tempo(), 30000);
    MouseKeyManualTap(70, false, false);
    MouseKeyManualTap(70, false, false);
    MouseKeyApplyTap(80, false, false);
    EXPECT_EQ(Tempo(), 30000) << "taps at the same moment do not divide by zero";
}

TEST_F(TempoTest, OneTapOnlyRealignsAndPendingTapsRefuseAlignment) {
    const uint8_t kTempo[2] = {0x2E, 0xE0};
    MouseKeySetBPM(kTempo, 0);
    MouseKeyManualTap(100, false, false);
    MouseKeyAlignTap(300, false, false);
    EXPECT_EQ(gBeatNext, 500u) << "taps pending: no alignment";
    MouseKeyApplyTap(300, false, false); // a single tap: alignment only, which taps still refuse
    EXPECT_EQ(gBeatNext, 500u);
    MouseKeyClearTap(false, false);
    EXPECT_EQ(gTapCount, 0);
    MouseKeyAlignTap(300, false, false);
    EXPECT_EQ(gBeatNext, 300u);
    EXPECT_EQ(Tempo(), 12000);
}

TEST_F(TempoTest, PatternTapsGiveRepeatingIntervals) {
    for (uint32_t myTime : {0u, 400u, 600u, 800u})
        MouseKeyPatternTap(myTime);
    MouseKeyPatternApply(0);
    EXPECT_EQ(gStatePattern, 1);
    ASSERT_EQ(gTapTime[0], 3u);
    EXPECT_EQ(gTapTime[1], 400u);
    EXPECT_EQ(gTapTime[2], 200u);
    EXPECT_EQ(gTapTime[3], 200u);
    EXPECT_EQ(Beats(6), (std::vector<uint32_t>{0, 400, 600, 800, 1200, 1400}));
    // Setting a tempo leaves the pattern.
    const uint8_t kTempo[2] = {0x2E, 0xE0};
    MouseKeySetBPM(kTempo, 0);
    EXPECT_EQ(gStatePattern, 0);
}

TEST_F(TempoTest, ATenthPatternTapIsCountedButNotStored) {
    for (uint32_t myTap = 0; myTap < 10; ++myTap)
        MouseKeyPatternTap(myTap * 100 + (myTap == 9 ? 5000 : 0));
    EXPECT_EQ(gTapCount, 10);
    EXPECT_EQ(gTapTemp[0], 9u);
    MouseKeyPatternApply(0);
    ASSERT_EQ(gTapTime[0], 8u);
    for (int myIndex = 1; myIndex <= 8; ++myIndex)
        EXPECT_EQ(gTapTime[myIndex], 100u);
}

TEST_F(TempoTest, PlaybackStartsBeatsFromTheTempoOrThePattern) {
    const uint8_t kTempo[2] = {0x2E, 0xE0};
    MouseKeySetBPM(kTempo, 0);
    TempoStartBeats(0);
    EXPECT_EQ(gBeatNext, 500u);
    gStatePattern = 1;
    gTapTime[0] = 2;
    gTapTime[1] = 300;
    gTapTime[2] = 100;
    TempoStartBeats(1000);
    EXPECT_EQ(gBeatNext, 1300u);
    EXPECT_EQ(gTapPos, 1);
    EXPECT_EQ(Beats(3), (std::vector<uint32_t>{1300, 1400, 1700}));
    MouseKeySetListen(true, 2000);
    EXPECT_EQ(gBeatNext, kNever);
}
