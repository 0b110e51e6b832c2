// The frame loop's listening branch: beats heard in a click track trigger the channels on counted beats.
#include <cstring>
#include <vector>

#include "../sound/sound_fixture.h"
#include "engine/brush.h"
#include "engine/edits.h"
#include "engine/fill.h"
#include "music/music.h"
#include "shell/main.h"

TEST_F(SoundTest, HeardBeatsChangeFillAndBrushOnTheirCountedBeats) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalClicks, 120);
    StartListening();
    for (int myChannel = 0; myChannel < kChannels; ++myChannel)
        gStyle.mBeatCounter[myChannel] = 0;
    gStyle.mBeatCounter[kChannelFill] = 4;
    gStyle.mTrigger[kChannelFill] = kTriggerSequential;
    gStyle.mBeatCounter[kChannelBrush] = 3;
    gStyle.mTrigger[kChannelBrush] = kTriggerSequential;
    gStyle.mThreshold[kChannelBrush] = 0;
    std::memset(gCueList, kNotSet, sizeof(gCueList));
    gStateListen = 1;
    gSongLength = 600000;
    AnimateResetBeats();
    gTimer = ClockTicks();

    struct Change {
        uint32_t mBeat;
        int8_t mFill, mBrush;
    };
    std::vector<Change> myBeats;
    std::vector<uint32_t> myTimes;
    uint32_t myCount = gBeatCount;
    for (int myStep = 0; myStep < 6000; ++myStep) {
        ClockAdvance(1);
        AnimateMain();
        if (gBeatCount != myCount) {
            myCount = gBeatCount;
            myBeats.push_back({gBeatCount, gCurrentFill, gCurrentBrush});
            myTimes.push_back(gBeatLast);
        }
    }
    // One beat per click, half a second apart.
    ASSERT_GE(myBeats.size(), 11u);
    EXPECT_LE(myBeats.size(), 12u);
    for (size_t myIndex = 1; myIndex < myTimes.size(); ++myIndex)
        EXPECT_NEAR(double(myTimes[myIndex] - myTimes[myIndex - 1]), 500.0, 30.0);
    int8_t myFill = 0, myBrush = 0;
    for (const Change& myChange : myBeats) {
        // A counter of N evaluates when (1 + beats before this one) is a multiple of N.
        if (myChange.mBeat % 4 == 0) myFill = static_cast<int8_t>((myFill + 1) % kFillSlots);
        if (myChange.mBeat % 3 == 0) myBrush = static_cast<int8_t>((myBrush + 1) % kBrushSlots);
        EXPECT_EQ(myChange.mFill, myFill) << "beat " << myChange.mBeat;
        EXPECT_EQ(myChange.mBrush, myBrush) << "beat " << myChange.mBeat;
    }
    EXPECT_GE(myFill, 2) << "the fill moved on at least twice";
    EXPECT_GE(myBrush, 3);
}
