// A desktop player's album as the disc, with fake players on a private session bus: its identity and files,
// the song clock on the player's position, following its pauses, seeks and tracks, the controls sent to it,
// and the order between players and the silent clock.
#include <unistd.h>

#include <functional>

#include "../players/fake_player.h"
#include "../players/private_bus.h"
#include "engine/animate.h"
#include "music_fixture.h"
#include "platform/cdaudio.h"
#include "platform/players.h"
#include "sound/search.h"

namespace {
const std::vector<FakeTrack> kNight = {{"Opening", "Night Drive", "The Fakes", 1, 180000000},
                                       {"Second Wind", "Night Drive", "The Fakes", 2, 200000000},
                                       {"Closer", "Night Drive", "The Fakes", 3, 240000000}};
const std::vector<FakeTrack> kLoose = {{"Demo Take", "", "Garage Band", 0, 90000000},
                                       {"Other Take", "", "Garage Band", 0, 0}};

class PlayerDiscTest : public MusicTest {
  protected:
    PrivateBus mBus;
    void SetUp() override {
        MusicTest::SetUp();
        ASSERT_TRUE(mBus.Start());
        setenv("ORBEX_PLAYER_LATENCY", "0", 1);
        gStateInput = 0;
    }
    void TearDown() override {
        MusicTest::TearDown();
        unsetenv("ORBEX_PLAYER_LATENCY");
        mBus.Stop();
    }
    // Follows the players until myDone holds, two seconds at most.
    static bool Until(const std::function<bool()>& myDone) {
        for (int myTry = 0; myTry < 400; ++myTry) {
            MusicWatchPlayer();
            if (myDone()) return true;
            usleep(5000);
        }
        return false;
    }
    static std::string Title() { return gTrackCurrent >= 0 ? gCDSet[gTrackCurrent].mName : ""; }
    static int64_t SongOff(int64_t myExpected) { return int64_t(AnimateGetElapsedTime()) - myExpected; }
};
} // namespace

TEST_F(PlayerDiscTest, AnAlbumsIdentityIsStableAndItsNamesStayNames) {
    const uint32_t myCode = MusicPlayerCodeNum("The Fakes", "Night Drive");
    EXPECT_EQ(myCode, MusicPlayerCodeNum("The Fakes", "Night Drive"));
    EXPECT_NE(myCode, MusicPlayerCodeNum("The Fakes", "Day Drive"));
    EXPECT_NE(myCode, MusicPlayerCodeNum("Other Fakes", "Night Drive"));
    EXPECT_LT(myCode, 70u * 70 * 70 * 70);
    EXPECT_NE(MusicPlayerCodeNum("", ""), 0u);

    PlayerTrack myTrack;
    myTrack.mArtist = "Solo";
    EXPECT_EQ(MusicPlayerDiscName(myTrack), "Solo") << "no album: grouped by artist";
    myTrack.mAlbumArtist = "Various";
    myTrack.mAlbum = "Mix";
    EXPECT_EQ(MusicPlayerDiscName(myTrack), "Mix");
    EXPECT_EQ(MusicPlayerDiscName(PlayerTrack{}), "Unknown Artist");

    char myName[kCDNameSize];
    MusicPlayerFileName("AC/DC: Live ../..\\x", myName);
    EXPECT_STREQ(myName, "AC_DC:_Live_.__.__x");
    MusicPlayerFileName("Ünïcödé title that is far too long for a name", myName);
    EXPECT_LE(std::strlen(myName), 27u);
    EXPECT_EQ(std::string(myName).rfind("\xC3", 0), 0u);
    EXPECT_TRUE(std::string(myName).find("_title") != std::string::npos);
    for (size_t i = 0; myName[i]; ++i)
        if ((myName[i] & 0xC0) == 0xC0) {
            EXPECT_EQ(myName[i + 1] & 0xC0, 0x80) << "whole characters only";
        }
    MusicPlayerFileName("", myName);
    EXPECT_STREQ(myName, "Untitled");

    std::memset(gCDSet, 0, sizeof(gCDSet));
    EXPECT_EQ(MusicPlayerSlot(5, "Five"), 4);
    EXPECT_EQ(MusicPlayerSlot(70, "Beyond"), kTracksMax - 1) << "a number beyond the disc: by title";
    std::strcpy(gCDSet[kTracksMax - 1].mName, "Beyond");
    EXPECT_EQ(MusicPlayerSlot(0, "Loose"), kTracksMax - 2);
    EXPECT_EQ(MusicPlayerSlot(0, "Beyond"), kTracksMax - 1) << "a title is found again";
}

TEST_F(PlayerDiscTest, APlayingPlayersAlbumBecomesTheDiscAndIsFoundAgain) {
    FakePlayer myPlayer("fake", kNight);
    myPlayer.Start();
    ASSERT_TRUE(PlayersOpen(""));
    EXPECT_FALSE(Until([] { return gStateCD != 0; })) << "a player that does not play is not a disc";
    FakePlayer::Tell("fake", "track", 1);
    FakePlayer::Tell("fake", "play");
    ASSERT_TRUE(Until([] { return gStatePlayer && gStatePlay; }));
    EXPECT_EQ(gStateCD, 1);
    EXPECT_STREQ(gCDName, "Night_Drive");
    EXPECT_EQ(gTrackCurrent, 1);
    EXPECT_EQ(Title(), "Second_Wind");
    EXPECT_EQ(gSongLength, 200000u);
    char myCode[5];
    MusicCodeText(MusicPlayerCodeNum("The Fakes", "Night Drive"), myCode);
    EXPECT_STREQ(gCDCode, myCode);
    EXPECT_EQ(std::string(gCDDirectory), std::string("Night_Drive") + myCode);
    EXPECT_TRUE(std::filesystem::exists(mRoot / "Raves" / gCDDirectory / "Night_Drive.cds"));

    // An album without a track number or album name: grouped by artist, titles kept in the RaveSet.
    FakePlayer myLoose("loose", kLoose);
    myLoose.Start();
    FakePlayer::Tell("loose", "play");
    ASSERT_TRUE(Until([] { return std::string(gCDName) == "Garage_Band"; }));
    EXPECT_EQ(Title(), "Demo_Take");
    EXPECT_EQ(gTrackCurrent, kTracksMax - 1);
    EXPECT_EQ(gSongLength, 90000u);
    FakePlayer::Tell("loose", "next");
    ASSERT_TRUE(Until([] { return Title() == "Other_Take"; }));
    EXPECT_EQ(gTrackCurrent, kTracksMax - 2);
    EXPECT_GT(gSongLength, 3600000u) << "a length not told: long, not zero";
    FakePlayer::Tell("loose", "length", 120000000);
    EXPECT_TRUE(Until([] { return gSongLength == 120000u; })) << "told later";
    EXPECT_EQ(gTrackCurrent, kTracksMax - 2) << "the same track";

    // Another run: the same folder, and the titles in the slots they were given.
    FakePlayer::Tell("fake", "stop");
    MusicStop(0, 0);
    MusicResetState();
    gStateCD = gStatePlayer = 0;
    std::snprintf(gDirIDRave, kPathSize, "%s/Raves/", mRoot.c_str());
    ASSERT_TRUE(PlayersOpen(""));
    FakePlayer::Tell("loose", "previous");
    ASSERT_TRUE(Until([] { return gStatePlayer && Title() == "Demo_Take"; }));
    EXPECT_EQ(gTrackCurrent, kTracksMax - 1);
    EXPECT_STREQ(gCDSet[kTracksMax - 2].mName, "Other_Take");
}

TEST_F(PlayerDiscTest, TheSongClockFollowsThePlayersPlaysPausesAndSeeks) {
    FakePlayer myPlayer("fake", kNight);
    myPlayer.Start();
    ASSERT_TRUE(PlayersOpen(""));
    FakePlayer::Tell("fake", "play");
    ASSERT_TRUE(Until([] { return gStatePlayer && gStatePlay; }));
    FakePlayer::Tell("fake", "seek", 60000000);
    ASSERT_TRUE(Until([] { return std::abs(SongOff(60000)) < 30; })) << AnimateGetElapsedTime();
    EXPECT_EQ(gHalfSeconds, 120u) << "the half seconds go on from the new place";
    FakePlayer::Tell("fake", "jump", 10000000);
    const int64_t myJumped = PlayersNowUs();
    ASSERT_TRUE(Until([&] { return std::abs(SongOff(10000 + (PlayersNowUs() - myJumped) / 1000)) < 30; }))
        << "caught by the reading of each second";
    FakePlayer::Tell("fake", "pause");
    ASSERT_TRUE(Until([] { return gStatePause != 0; }));
    EXPECT_EQ(gStatePlay, 0);
    EXPECT_NEAR(gPauseTime, 10000 + (PlayersNowUs() - myJumped) / 1000, 60);
    FakePlayer::Tell("fake", "seek", 30000000);
    FakePlayer::Tell("fake", "play");
    ASSERT_TRUE(Until([] { return gStatePlay && std::abs(SongOff(30000)) < 30; }));
    // The controls drive the player; what it then does is followed.
    MusicPause(0, kCDModePause);
    ASSERT_TRUE(Until([] { return PlayersFollowed()->mStatus == kPlayerPaused; }));
    EXPECT_EQ(gStatePause, 1) << "the player's pause agrees";
    MusicResume();
    ASSERT_TRUE(Until([] { return PlayersFollowed()->mStatus == kPlayerPlaying && gStatePlay; }));
    MusicSkipTrack(3, 0);
    ASSERT_TRUE(Until([] { return gTrackCurrent == 2 && Title() == "Closer"; }));
    EXPECT_LT(AnimateGetElapsedTime(), 200u) << "a new track starts at its start";
    MusicSkipTrack(-1, 0);
    ASSERT_TRUE(Until([] { return gTrackCurrent == 1; }));
    EXPECT_EQ(FakePlayer::Commands("fake"), "play\nseek\npause\nseek\nplay\npause\nplay\ntrack\nprevious\n");
}

TEST_F(PlayerDiscTest, APlayerThatGoesOrStopsEndsItsDiscLikeAnEject) {
    auto myPlayer = std::make_unique<FakePlayer>("fake", kNight);
    myPlayer->mWithPosition = false;
    myPlayer->mWithTrackList = false;
    myPlayer->Start();
    FakePlayer myOther("other", kLoose);
    myOther.Start();
    ASSERT_TRUE(PlayersOpen(""));
    EXPECT_FALSE(SearchPlayerPlays());
    FakePlayer::Tell("fake", "play");
    ASSERT_TRUE(Until([] { return gStatePlayer && std::string(gCDName) == "Night_Drive"; }));
    EXPECT_TRUE(SearchPlayerPlays()) << "the wait for music hears that a player plays";
    const int myBeeps = gPlatformBeepCount;
    MusicSkipTrack(2, 0);
    EXPECT_EQ(gPlatformBeepCount, myBeeps + 1) << "a typed track needs the player's track list";
    // Without Position the clock runs from the player's events.
    FakePlayer::Tell("fake", "seek", 42000000);
    ASSERT_TRUE(Until([] { return std::abs(SongOff(42000)) < 30; }));

    // The player that started last is followed; when it stops, the one still playing again.
    FakePlayer::Tell("other", "play");
    ASSERT_TRUE(Until([] { return std::string(gCDName) == "Garage_Band"; }));
    FakePlayer::Tell("other", "stop");
    ASSERT_TRUE(Until([] { return std::string(gCDName) == "Night_Drive"; }));
    EXPECT_EQ(gStatePlay, 1);

    // Gone mid-song: the silent clock plays on.
    myPlayer.reset();
    ASSERT_TRUE(Until([] { return !gStateCD; }));
    EXPECT_FALSE(SearchPlayerPlays());
    EXPECT_EQ(gStatePlayer, 0);
    EXPECT_EQ(gStatePlay, 1);
    EXPECT_EQ(gTrackTotal, kSilentTracks);
    EXPECT_STREQ(gCDName, "No CD");
    EXPECT_EQ(gSongLength, kSilentTrackLength);

    // The stop button stops the player: its disc ends, and nothing plays.
    FakePlayer::Tell("other", "play");
    ASSERT_TRUE(Until([] { return gStatePlayer != 0; }));
    MusicStop(1, 1);
    ASSERT_TRUE(Until([] { return !gStateCD; }));
    EXPECT_EQ(gStatePlay, 0);
    EXPECT_EQ(FakePlayer::Commands("other"), "play\nstop\nplay\nstop\n");
}

TEST_F(PlayerDiscTest, APlayerChosenByNameTakesTheDrivesPlaceAndKeepsIt) {
    Insert(MusicFolder({2.0, 2.0}));
    MusicPlay(0, 0);
    ASSERT_TRUE(gStateCD && gStatePlay);
    FakePlayer myPlayer("fake", kNight), myOther("other", kLoose);
    myPlayer.Start();
    myOther.Start();
    ASSERT_TRUE(PlayersOpen(""));
    FakePlayer::Tell("fake", "play");
    for (int i = 0; i < 20; ++i) {
        MusicWatchPlayer();
        usleep(5000);
    }
    EXPECT_EQ(gStatePlayer, 0) << "the folder plays: a player waits";

    MusicFollowPlayer("fake");
    ASSERT_TRUE(Until([] { return gStatePlayer && std::string(gCDName) == "Night_Drive"; }));
    EXPECT_FALSE(CDAudioIsOpen()) << "the folder lets go";
    EXPECT_TRUE(gMusicDiscSource.empty());
    EXPECT_EQ(gMusicPlayerName, "fake");
    FakePlayer::Tell("other", "play");
    EXPECT_FALSE(Until([] { return std::string(gCDName) != "Night_Drive"; })) << "only the one chosen";
}
