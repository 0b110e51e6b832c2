// Playing a disc headless: the song clock and the "CD Audio" source follow the samples heard; pause, resume,
// skips, fast skips, track ends, eject and a disc put back in.
#include "music_fixture.h"

#include "platform/window.h"

namespace {
// The heard sample of a folder track's tone (300 Hz + 100 Hz per track, half scale) at a song time.
int ExpectedHeard(int myTrack, double myMilliseconds) {
    const double myValue = 0.5 * std::sin(2 * M_PI * (300.0 + 100.0 * myTrack) * myMilliseconds / 1000.0);
    return 128 + static_cast<int>(std::lround(myValue * 32767)) / 256;
}

int sTurnsLeft = 0;
void ReleaseAfterTurns() {
    if (sTurnsLeft > 0 && --sTurnsLeft == 0) {
        Message myUp{};
        myUp.mKind = kMsgButtonUp;
        myUp.mWindow = kWinControls;
        WindowPushMessage(myUp);
    }
}
} // namespace

TEST_F(MusicTest, SongClockAndCDAudioFollowTheSamplesHeard) {
    Insert(MusicFolder({4.0, 3.0}));
    MusicPlay(0, 0);
    ASSERT_EQ(gStatePlay, 1);
    Run(1500);
    EXPECT_EQ(MusicGetCDTime(), AnimateGetElapsedTime());
    EXPECT_EQ(MusicGetCDTime(), 1500u);
    // What the recorder gets around the start: nothing heard before it, the tone from its first sample on.
    uint8_t myHeard[1103];
    const uint32_t myOrigin = gTimer - 50;
    CDAudioHeardSamples(myOrigin, 0, 1103, myHeard);
    for (int i = 0; i < 550; ++i)
        ASSERT_EQ(myHeard[i], 128) << i;
    int myMatches = 0;
    for (int i = 552; i < 1103; ++i)
        myMatches += std::abs(int(myHeard[i]) - ExpectedHeard(0, (i - 551.25) * 1000.0 / 11025)) <= 4;
    EXPECT_GE(myMatches, 540) << "of 551 samples";

    MusicPause(0, gCDMode);
    EXPECT_EQ(gPauseTime, 1500u);
    Run(700);
    EXPECT_EQ(MusicGetCDTime(), 1500u) << "the disc halts where it was heard";
    MusicResume();
    Run(200);
    EXPECT_EQ(AnimateGetElapsedTime(), 1700u);
    EXPECT_EQ(MusicGetCDTime(), 1700u);
}

TEST_F(MusicTest, TrackEndGoesToTheNextTrackOfTheDisc) {
    Insert(MusicFolder({1.0, 2.0}));
    MusicPlay(0, 0);
    Run(1400);
    EXPECT_EQ(gTrackCurrent, 1);
    EXPECT_STREQ(gRaveExt, ".R02");
    EXPECT_GT(AnimateGetElapsedTime(), 300u);
    EXPECT_LT(AnimateGetElapsedTime(), 420u);
    EXPECT_EQ(MusicGetCDTime(), AnimateGetElapsedTime());
    EXPECT_EQ(gSongLength, 2000u - 100);
}

TEST_F(MusicTest, SkipsWrapAndFastSkipNeedsASong) {
    Insert(MusicFolder({1.0, 1.0, 1.0}));
    MusicSkipTrack(-1, 0);
    EXPECT_EQ(gTrackCurrent, 2) << "previous from the first track goes to the last";
    MusicSkipTrack(0, 0);
    EXPECT_EQ(gTrackCurrent, 0);
    EXPECT_EQ(gStatePlay, 0);

    MusicFastSkip(1);
    EXPECT_STREQ(gAlertText, "The song must be playing or paused to use this feature!");
    gAlertText[0] = 0;
    Message myUp{};
    myUp.mKind = kMsgButtonUp;
    WindowPushMessage(myUp);
    MusicFastSkip(-1);
    EXPECT_STREQ(gAlertText, "") << "rewinding while stopped is allowed";
    Message myTaken;
    while (WindowPeekMessage(myTaken, true)) {
    }
}

TEST_F(MusicTest, FastForwardWhilePlayingMovesTheDiscAndTheClock) {
    Insert(MusicFolder({20.0}));
    MusicPlay(0, 0);
    Run(1000);
    sTurnsLeft = 460; // the button is held for 460 ms: steps at 150, 300 and 450 ms
    WindowSetTurnHook(ReleaseAfterTurns);
    MusicFastSkip(1);
    WindowSetTurnHook(nullptr);
    EXPECT_EQ(gStatePlay, 1);
    EXPECT_EQ(AnimateGetElapsedTime(), 7000u);
    EXPECT_NEAR(double(MusicGetCDTime()), 7000.0, 14.0) << "the disc lands on the frame of the position";
    Message myTaken;
    while (WindowPeekMessage(myTaken, true)) {
    }
    Run(100);
    EXPECT_NEAR(double(MusicGetCDTime()), double(AnimateGetElapsedTime()), 14.0);
}

TEST_F(MusicTest, EjectAndPutTheDiscBack) {
    Insert(MusicFolder({5.0, 5.0}));
    const std::string myCode = gCDCode;
    MusicPlay(1, 0);
    Run(300);
    MusicEjectCD(0);
    EXPECT_EQ(gStateCD, 0);
    EXPECT_EQ(gStateEject, 1);
    EXPECT_EQ(gTrackTotal, kSilentTracks);
    EXPECT_STREQ(gCDCode, "0000");
    EXPECT_STREQ(gCDName, "No CD");
    EXPECT_EQ(gStatePlay, 1) << "the silent clock plays on";
    EXPECT_EQ(gSongLength, kSilentTrackLength);
    // The eject button again closes the tray; the disc is looked at once the drive has settled.
    MusicEjectCD(0);
    EXPECT_EQ(gStateEject, 0);
    Run(3100);
    EXPECT_EQ(gStateCD, 1);
    EXPECT_EQ(myCode, gCDCode);
    EXPECT_EQ(gTrackCurrent, 0);
    EXPECT_EQ(gStatePlay, 1);
}

TEST_F(MusicTest, WithoutADriveTheSilentClockPlaysNineTracks) {
    InitCDDrive();
    MusicUpdateCD(-1);
    EXPECT_EQ(gStateCDDriver, 0);
    EXPECT_STREQ(gAlertText, "") << "a machine without a CD drive says nothing";
    EXPECT_EQ(gTrackTotal, kSilentTracks);
    EXPECT_EQ(gSongLength, kSilentTrackLength);
    EXPECT_STREQ(gCDDirectory, "0000");
    MusicPlay(8, 0);
    Run(60001);
    EXPECT_EQ(gTrackCurrent, 0) << "after the ninth the first";

    gMusicDiscSource = (mRoot / "nothing-here.cue").string();
    InitCDDrive();
    EXPECT_STREQ(
        gAlertText,
        "Unable to access CD music drive! If another CD player is open, close it and restart Orbex.");
}

TEST_F(MusicTest, FilesAtOtherRatesPlayAtTheirOwnPitch) {
    Insert(MusicFolder({3.0}, 48000));
    EXPECT_EQ(gTrackFrames[1] - gTrackFrames[0], 225u);
    MusicPlay(0, 0);
    Run(1000);
    uint8_t myHeard[2205];
    CDAudioHeardSamples(gTimer + 500, 0, 2205, myHeard);
    int myMatches = 0;
    for (int i = 0; i < 2205; ++i)
        myMatches += std::abs(int(myHeard[i]) - ExpectedHeard(0, 500.0 + i * 1000.0 / 11025)) <= 4;
    EXPECT_GE(myMatches, 2150) << "of 2205 samples: the tone resampled, not sped up or slowed down";
}

TEST_F(MusicTest, AScreenSaverWithItsSoundOffLeavesTheDiscBe) {
    gSaverTrigger = 1;
    gSaverSound = 0;
    Insert(MusicFolder({2.0, 2.0, 2.0}));
    EXPECT_EQ(gStateCD, 0) << "the silent clock runs";
    EXPECT_EQ(gTrackTotal, kSilentTracks);
    MusicPlay(0, 0);
    Run(300);
    EXPECT_EQ(gSongLength, kSilentTrackLength);
    EXPECT_FALSE(CDAudioPlaying()) << "nothing is read from the disc or played";

    gSaverSound = 1;
    MusicUpdateCD(-1);
    EXPECT_EQ(gStateCD, 1) << "with its sound on it plays the disc";
    EXPECT_EQ(gTrackTotal, 3);
}
