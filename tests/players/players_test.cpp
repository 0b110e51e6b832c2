// The desktop's players as the platform sees them, with fake players on a private session bus: which one is
// followed, what it plays and where, and the commands that reach it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

#include "fake_player.h"
#include "platform/players.h"
#include "private_bus.h"
#include "tests/sanitized.h"

namespace {
const std::vector<FakeTrack> kAlbum = {{"Opening", "Night Drive", "The Fakes", 1, 180000000},
                                       {"Second Wind", "Night Drive", "The Fakes", 2, 200000000},
                                       {"Closer", "Night Drive", "The Fakes", 3, 240000000}};

class PlayersTest : public ::testing::Test {
  protected:
    PrivateBus mBus;
    void SetUp() override {
        PlayersResetState();
        ASSERT_TRUE(mBus.Start());
    }
    void TearDown() override {
        PlayersResetState();
        mBus.Stop();
    }
    // Polls until myDone holds, two seconds at most.
    static bool Until(const std::function<bool()>& myDone) {
        for (int myTry = 0; myTry < 400; ++myTry) {
            PlayersPoll();
            if (myDone()) return true;
            usleep(5000);
        }
        return false;
    }
    static std::string FollowedName() {
        const PlayerState* myState = PlayersFollowed();
        return myState ? myState->mName : std::string();
    }
    static bool Follows(const std::string& myName) {
        return Until([&] { return FollowedName() == myName; });
    }
    // The followed player's position against the fake's own, in milliseconds.
    static int64_t PositionMs() {
        return PlayersExtrapolate(PlayersFollowed()->mSample, PlayersNowUs()) / 1000;
    }
};
} // namespace

TEST(PlayersExtrapolateTest, MovesWithTheClockAndRateOnlyWhilePlaying) {
    const PlayerSample myPlaying{5000000, 1000000, 1.0, true};
    EXPECT_EQ(PlayersExtrapolate(myPlaying, 3000000), 7000000);
    EXPECT_EQ(PlayersExtrapolate(myPlaying, 500000), 5000000) << "a time before the sample does not go back";
    EXPECT_EQ(PlayersExtrapolate({5000000, 1000000, 1.5, true}, 3000000), 8000000);
    EXPECT_EQ(PlayersExtrapolate({5000000, 1000000, 1.0, false}, 9000000), 5000000) << "paused";
    EXPECT_EQ(PlayersExtrapolate({-300, 0, 1.0, false}, 10), 0);
}

TEST_F(PlayersTest, FollowsThePlayerThatStartedPlayingLast) {
    FakePlayer myFirst("first", kAlbum), mySecond("second.instance7", kAlbum);
    myFirst.Start();
    ASSERT_TRUE(PlayersOpen(""));
    mySecond.Start();
    ASSERT_TRUE(Until([] { return PlayersNames().size() == 2; }));
    EXPECT_EQ(PlayersNames(), (std::vector<std::string>{"first", "second.instance7"}));
    EXPECT_EQ(PlayersFollowed(), nullptr) << "none plays";
    FakePlayer::Tell("first", "play");
    EXPECT_TRUE(Follows("first"));
    FakePlayer::Tell("second.instance7", "play");
    EXPECT_TRUE(Follows("second.instance7"));
    FakePlayer::Tell("second.instance7", "pause");
    EXPECT_TRUE(Follows("first")) << "the one still playing";
    FakePlayer::Tell("first", "pause");
    ASSERT_TRUE(Until([] { return PlayersFollowed() && PlayersFollowed()->mStatus == kPlayerPaused; }));
    EXPECT_EQ(FollowedName(), "first") << "the one followed last, paused";
    FakePlayer::Tell("first", "stop");
    EXPECT_TRUE(Follows(""));
    FakePlayer::Tell("first", "play");
    EXPECT_TRUE(Follows("first"));
    myFirst.Stop();
    EXPECT_TRUE(Follows("")) << "a player gone is followed no more";
    EXPECT_EQ(PlayersNames(), std::vector<std::string>{"second.instance7"});

    // One player named: the others are not followed, whatever they do; its instances are.
    ASSERT_TRUE(PlayersOpen("second"));
    FakePlayer myThird("third", kAlbum);
    myThird.Start();
    FakePlayer::Tell("second.instance7", "play");
    EXPECT_TRUE(Follows("second.instance7"));
    FakePlayer::Tell("third", "play");
    ASSERT_TRUE(Until([] { return PlayersNames().size() == 2; }));
    usleep(100000);
    PlayersPoll();
    EXPECT_EQ(FollowedName(), "second.instance7");
}

TEST_F(PlayersTest, TrackAndPositionFollowThePlayer) {
    FakePlayer myPlayer("fake", kAlbum);
    myPlayer.Start();
    ASSERT_TRUE(PlayersOpen(""));
    FakePlayer::Tell("fake", "track", 1);
    FakePlayer::Tell("fake", "play");
    ASSERT_TRUE(Follows("fake"));
    ASSERT_TRUE(Until([] { return PlayersFollowed()->mTrack.mTitle == "Second Wind"; }));
    const PlayerTrack& myTrack = PlayersFollowed()->mTrack;
    EXPECT_EQ(myTrack.mAlbum, "Night Drive");
    EXPECT_EQ(myTrack.mArtist, "The Fakes");
    EXPECT_EQ(myTrack.mNumber, 2);
    EXPECT_EQ(myTrack.mLengthUs, 200000000);
    EXPECT_EQ(myTrack.mId, "/org/orbex/track/1");
    EXPECT_TRUE(PlayersFollowed()->mHasTrackList);

    // A seek is told by its signal, a jump without one by the reading of every second.
    FakePlayer::Tell("fake", "seek", 60000000);
    EXPECT_TRUE(Until([] { return std::abs(PositionMs() - 60000) < 50; })) << PositionMs();
    FakePlayer::Tell("fake", "jump", 20000000);
    const int64_t myJumped = PlayersNowUs();
    const auto myFakeMs = [&] { return 20000 + (PlayersNowUs() - myJumped) / 1000; };
    EXPECT_TRUE(Until([&] { return std::abs(PositionMs() - myFakeMs()) < 50; })) << PositionMs();
    usleep(300000);
    PlayersPoll();
    EXPECT_NEAR(PositionMs(), myFakeMs(), 50) << "the position runs on with the clock";
    FakePlayer::Tell("fake", "rate", 2000);
    ASSERT_TRUE(Until([] { return PlayersFollowed()->mSample.mRate == 2.0; }));
    // Timed by the clock, not by the sleep, which a loaded machine may stretch.
    const int64_t myFrom = PlayersNowUs();
    const int64_t myBefore = PositionMs();
    usleep(200000);
    const int64_t myAfter = PositionMs();
    EXPECT_NEAR(myAfter - myBefore, 2 * (PlayersNowUs() - myFrom) / 1000, 40) << "twice as fast";
    FakePlayer::Tell("fake", "pause");
    ASSERT_TRUE(Until([] { return PlayersFollowed()->mStatus == kPlayerPaused; }));
    usleep(100000); // the reading that a pause asks for
    PlayersPoll();
    const int64_t myPaused = PositionMs();
    usleep(200000);
    PlayersPoll();
    EXPECT_EQ(PositionMs(), myPaused);
    // The heard position is the player's less the output's delay.
    setenv("ORBEX_PLAYER_LATENCY", "100", 1);
    EXPECT_EQ(PlayersPositionNow() / 1000, myPaused - 100);
    unsetenv("ORBEX_PLAYER_LATENCY");
    FakePlayer::Tell("fake", "next");
    EXPECT_TRUE(Until([] { return PlayersFollowed()->mTrack.mNumber == 3 && PositionMs() == 0; }));
}

TEST_F(PlayersTest, APlayerWithoutPositionIsFollowedFromItsEvents) {
    FakePlayer myPlayer("quiet", kAlbum);
    myPlayer.mWithPosition = false;
    myPlayer.mWithTrackList = false;
    myPlayer.Start();
    ASSERT_TRUE(PlayersOpen(""));
    const int64_t myTold = PlayersNowUs();
    FakePlayer::Tell("quiet", "play");
    ASSERT_TRUE(Follows("quiet"));
    const int64_t myFollowed = PlayersNowUs();
    EXPECT_TRUE(Until([] { return !PlayersFollowed()->mHasPosition; }));
    usleep(300000);
    PlayersPoll();
    // From the start of playing, which came between the command and its being seen.
    const int64_t myNow = PlayersNowUs();
    const int64_t myPosition = PositionMs();
    EXPECT_GE(myPosition, (myNow - myFollowed) / 1000 - 1);
    EXPECT_LE(myPosition, (PlayersNowUs() - myTold) / 1000 + 1);
    FakePlayer::Tell("quiet", "seek", 90000000);
    EXPECT_TRUE(Until([] { return std::abs(PositionMs() - 90000) < 50; })) << PositionMs();
    EXPECT_FALSE(PlayersGoTo(2)) << "no track list";
}

TEST_F(PlayersTest, CommandsReachTheFollowedPlayer) {
    FakePlayer myPlayer("fake", kAlbum), myOther("other", kAlbum);
    myPlayer.Start();
    myOther.Start();
    ASSERT_TRUE(PlayersOpen(""));
    EXPECT_FALSE(PlayersPause()) << "nobody to tell";
    FakePlayer::Tell("other", "play");
    FakePlayer::Tell("other", "pause");
    FakePlayer::Tell("fake", "play");
    ASSERT_TRUE(Follows("fake"));
    EXPECT_TRUE(PlayersPause());
    ASSERT_TRUE(Until([] { return PlayersFollowed()->mStatus == kPlayerPaused; }));
    EXPECT_TRUE(PlayersPlay());
    EXPECT_TRUE(PlayersNext());
    ASSERT_TRUE(Until([] { return PlayersFollowed()->mTrack.mNumber == 2; }));
    EXPECT_TRUE(PlayersSetPosition(45000000));
    EXPECT_TRUE(Until([] { return std::abs(PositionMs() - 45000) < 50; }));
    EXPECT_TRUE(PlayersGoTo(3));
    EXPECT_TRUE(Until([] { return PlayersFollowed()->mTrack.mNumber == 3; }));
    EXPECT_FALSE(PlayersGoTo(9)) << "no such track";
    EXPECT_TRUE(PlayersPrevious());
    EXPECT_TRUE(PlayersStop());
    EXPECT_TRUE(Until([] { return PlayersFollowed() == nullptr; }));
    EXPECT_EQ(FakePlayer::Commands("fake"), "play\npause\nplay\nnext\nseek\ntrack\nprevious\nstop\n");
    EXPECT_EQ(FakePlayer::Commands("other"), "play\npause\n") << "the other player was left alone";
}

TEST_F(PlayersTest, TheHeardPositionStaysWithinAFrameOfThePlayerThroughPausesAndSeeks) {
    FakePlayer myPlayer("fake", kAlbum);
    myPlayer.Start();
    ASSERT_TRUE(PlayersOpen(""));
    int64_t myWorst = 0;
    // Under the sanitizers, beside the fuzzers, a reading's round trip alone may take longer than a frame.
    const int64_t myFrame = kSanitized ? 250000 : 33000;
    // The position followed against the player's own, both taken at the same instant.
    const auto myGap = [] {
        PlayersPoll();
        if (!PlayersFollowed()) return int64_t{1} << 40;
        int64_t myAt = 0;
        const int64_t myTrue = FakePlayer::PositionOf("fake", myAt);
        return std::abs(PlayersExtrapolate(PlayersFollowed()->mSample, myAt) - myTrue);
    };
    // Waits until the change has been taken in (a signal within a fraction of the once-a-second reading, but
    // a loaded machine may hold a signal back for longer than a frame), then compares a few times more.
    const auto myAfter = [&](const char* myAction, int64_t myValue, int myLimitMs) {
        FakePlayer::Tell("fake", myAction, myValue);
        int myWaited = 0;
        while (myGap() >= myFrame && myWaited < myLimitMs) {
            usleep(5000);
            myWaited += 5;
        }
        EXPECT_LT(myWaited, myLimitMs) << myAction << " not taken in";
        for (int mySample = 0; mySample < 10; ++mySample) {
            myWorst = std::max(myWorst, myGap());
            usleep(20000);
        }
    };
    myAfter("play", 0, 500);
    ASSERT_TRUE(PlayersFollowed());
    myAfter("seek", 60000000, 500);
    myAfter("pause", 0, 500);
    myAfter("seek", 30000000, 500);
    myAfter("play", 0, 500);
    myAfter("rate", 1500, 500);
    myAfter("jump", 90000000, 2000); // no signal: the reading of every second finds it
    myAfter("next", 0, 500);
    std::printf("[ sync    ] worst %.2f ms between the position followed and the player's own\n",
                myWorst / 1000.0);
    EXPECT_LT(myWorst, myFrame) << "within one frame";
}
