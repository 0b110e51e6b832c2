// The frame loop's next deadline: a loop that sleeps until it does exactly what a loop turning every
// millisecond does, at the same milliseconds, with tempo beats and with beats heard in a click track.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "../sound/sound_fixture.h"
#include "core/state.h"
#include "engine/edits.h"
#include "music/music.h"
#include "shell/main.h"

namespace {
struct FrameLoopRun {
    std::vector<std::string> mEvents; // what changed, at which elapsed millisecond
    int mSteps = 0;
};

// Steps the frame loop for myLength ms of the clock, or until the track ends: every millisecond, or, with
// myWait, straight to the deadline it names each time (at least a millisecond on, as a real loop's clock
// always moves).
FrameLoopRun RunFrameLoop(bool myWait, uint32_t myLength) {
    FrameLoopRun myRun;
    uint32_t myBeats = gBeatCount, myUpdate = gUpdateNext, myCycle = gCycleNext, myHalves = gHalfSeconds;
    uint8_t myLamp = gStateHilite;
    const auto myNote = [&](const char* myWhat) {
        myRun.mEvents.push_back(std::string(myWhat) + " at " + std::to_string(AnimateGetElapsedTime()));
    };
    const uint32_t myEnd = AnimateGetElapsedTime() + myLength;
    const uint32_t myTrackStart = gTimer;
    while (AnimateGetElapsedTime() < myEnd) {
        ClockAdvance(myWait ? std::max<uint32_t>(1, AnimateDueIn()) : 1);
        const uint32_t myNow = AnimateGetElapsedTime();
        AnimateMain();
        ++myRun.mSteps;
        if (gTimer != myTrackStart) {
            myRun.mEvents.push_back("next track at " + std::to_string(myNow));
            break;
        }
        if (gBeatCount != myBeats) myNote("beat");
        if (gUpdateNext != myUpdate) myNote("brush frame");
        if (gCycleNext != myCycle) myNote("colour step");
        if (gHalfSeconds != myHalves) myNote("half second");
        if (gStateHilite != myLamp) myNote(gStateHilite ? "lamp on" : "lamp off");
        myBeats = gBeatCount;
        myUpdate = gUpdateNext;
        myCycle = gCycleNext;
        myHalves = gHalfSeconds;
        myLamp = gStateHilite;
    }
    return myRun;
}

class FrameDeadlineTest : public SoundTest {
  protected:
    // Playback from the start: brush frames every 25 ms, a colour step every 66 ms, channels that change
    // nothing, and the track ending within the run.
    void StartPlayback(bool myListen) {
        for (int myChannel = 0; myChannel < kChannels; ++myChannel)
            gStyle.mBeatCounter[myChannel] = 0;
        std::memset(gCueList, kNotSet, sizeof(gCueList));
        ClockSetVirtual(5000);
        gTimer = ClockTicks();
        AnimateResetBeats();
        gStatePlay = 1;
        gStateListen = myListen ? 1 : 0;
        gStateColorChange = 1;
        gSongLength = 2900;
        gBeatLength = 430;
        gBeatNext = 430;
        gUpdateLength = 25;
        gUpdateNext = 0;
        gCycleLength = 66;
        gCycleNext = 0;
        gCycleDir = 1;
        gStateHilite = 0;
    }
};
} // namespace

TEST_F(FrameDeadlineTest, TempoBeatsBrushFramesAndColourStepsFallWhereTheyWouldEveryMillisecond) {
    StartPlayback(false);
    const FrameLoopRun myEvery = RunFrameLoop(false, 3000);
    StartPlayback(false);
    const FrameLoopRun myWaiting = RunFrameLoop(true, 3000);
    EXPECT_EQ(myWaiting.mEvents, myEvery.mEvents);
    EXPECT_GE(myEvery.mEvents.size(), 150u) << "brush frames, colour steps, beats, lamps and half seconds";
    EXPECT_EQ(myEvery.mEvents.back(), "next track at 2900");
    // About one step for each thing to do, and a few for the track's end, not one every millisecond.
    EXPECT_LT(myWaiting.mSteps, static_cast<int>(myEvery.mEvents.size()) + 40);
}

TEST_F(FrameDeadlineTest, BeatsHeardInAClickTrackFallWhereTheyWouldEveryMillisecond) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalClicks, 120);
    StartListening();
    StartPlayback(true);
    gSongLength = 60000;
    const uint32_t myStart = ClockTicks();
    const FrameLoopRun myEvery = RunFrameLoop(false, 3000);
    // The same sound again: the recorder starts over from the same moment of the signal.
    AudioInReset();
    ClockSetVirtual(myStart);
    MusicStartRecording();
    ListenResetState();
    StartPlayback(true);
    gSongLength = 60000;
    const FrameLoopRun myWaiting = RunFrameLoop(true, 3000);
    EXPECT_EQ(myWaiting.mEvents, myEvery.mEvents);
    EXPECT_GE(std::count_if(myEvery.mEvents.begin(), myEvery.mEvents.end(),
                            [](const std::string& myEvent) { return myEvent.rfind("beat", 0) == 0; }),
              5)
        << "a beat for each click";
    // New sound comes every 256 samples (23 ms): a step for it and for each thing to do.
    EXPECT_LT(myWaiting.mSteps, 3000 / 23 + static_cast<int>(myEvery.mEvents.size()) + 20);
}

TEST_F(FrameDeadlineTest, WithoutPlaybackOnlyTheWatchesWakeTheLoop) {
    gStatePlay = 0;
    gTimer = ClockTicks();
    EXPECT_EQ(AnimateDueIn(), kAnimateIdleMost);
    // A disc put in is looked at three seconds later.
    gNewDisk = 1;
    gNewDiskTime = ClockTicks() - 2950;
    EXPECT_EQ(AnimateDueIn(), 51u);
    gNewDiskTime = ClockTicks() - 3001;
    EXPECT_EQ(AnimateDueIn(), 0u);
}
