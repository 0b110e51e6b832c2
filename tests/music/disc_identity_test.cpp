// A disc's identity and track table: the code, the CDDB identifier computed by hand from constructed tables,
// music folders and .cue images, data tracks, one-track discs and discs of more than 69 tracks.
#include "music_fixture.h"

#include "platform/cdaudio_drive.h"

TEST(DiscIdentity, CddbIdentifiersOfConstructedTables) {
    // Starts 150, 18000, 35000; lead-out 50000. Seconds 2, 240, 466: digit sums 2 + 6 + 16 = 24.
    // Length 666 - 2 = 664 = 0x298. 3 tracks.
    const uint32_t myThree[] = {150, 18000, 35000};
    EXPECT_EQ(MusicDiscId(myThree, 3, 50000), 0x18029803u);
    // One track from 150 to 22650: seconds 2; length 302 - 2 = 300 = 0x12c.
    const uint32_t myOne[] = {150};
    EXPECT_EQ(MusicDiscId(myOne, 1, 22650), 0x02012c01u);
    // 12 tracks, starts at 150 + 15000 k: seconds 2, 202, 402, ... 2202: digit sums 2, 4, 6, 8, 10, 3, 5, 7,
    // 9, 11, 4, 6 = 75 = 0x4b; lead-out 180150: 2402 - 2 = 2400 = 0x960; 12 tracks = 0x0c.
    uint32_t myTwelve[12];
    for (int k = 0; k < 12; ++k)
        myTwelve[k] = 150 + 15000 * static_cast<uint32_t>(k);
    EXPECT_EQ(MusicDiscId(myTwelve, 12, 180150), 0x4b09600cu);
    // A digit sum over 255 wraps: 99 tracks of 99 seconds each.
    uint32_t myMany[99];
    uint32_t mySum = 0;
    for (int k = 0; k < 99; ++k) {
        myMany[k] = 150 + 7425 * static_cast<uint32_t>(k);
        mySum += static_cast<uint32_t>(MusicSumSecs(myMany[k] / 75));
    }
    EXPECT_GT(mySum, 255u);
    EXPECT_EQ(MusicDiscId(myMany, 99, 150 + 7425 * 99) >> 24, mySum % 255);
}

TEST(DiscIdentity, CodeCharactersAndNumbers) {
    EXPECT_EQ(MusicSumSecs(0), 0);
    EXPECT_EQ(MusicSumSecs(2402), 8);
    const char* kExpected = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz#$%&+=@!";
    for (int v = 0; v < 70; ++v)
        EXPECT_EQ(MusicTranslateChar(v), kExpected[v]) << v;
    // Track 2 at 18000 and the last at 35000: (18000 mod 4900) x 4900 + 35000 mod 4900 = 3300 x 4900 + 700.
    const uint32_t myStarts[] = {150, 18000, 35000};
    EXPECT_EQ(MusicCodeNum(myStarts, 3), 3300u * 4900 + 700);
    char myCode[5];
    MusicCodeText(3300u * 4900 + 700, myCode);
    // 16170700 = 47 x 70^3 + 10 x 70^2 + 10 x 70 + 0: "l", "A", "A", "0".
    EXPECT_EQ(47u * 343000 + 10 * 4900 + 10 * 70 + 0, 3300u * 4900 + 700);
    EXPECT_STREQ(myCode, "lAA0");
    // A disc of one track uses the start of track 1 twice.
    const uint32_t myOne[] = {183};
    EXPECT_EQ(MusicCodeNum(myOne, 1), 183u * 4900 + 183);
    EXPECT_EQ(MusicGetFrames(MusicToMSF(4500 * 3 + 75 * 7 + 12)), 4500u * 3 + 75 * 7 + 12);
    EXPECT_EQ(MusicToMSF(4500 * 3 + 75 * 7 + 12), 3u | 7u << 8 | 12u << 16);
}

TEST_F(MusicTest, MusicFolderTracksRoundUpToWholeFrames) {
    // 3.3 s = 247.5 frames -> 248; 2 s at 48 kHz = 150 frames; 1 s + 1 sample -> 76 frames.
    const std::string myFolder = MusicFolder({3.3, 2.0});
    std::vector<double> myOdd(44101, 0.0);
    WavWrite(std::filesystem::path(myFolder) / "03.wav", 44100, 1, 16, myOdd);
    std::ofstream(std::filesystem::path(myFolder) / "cover.txt") << "not music";
    std::vector<CDFolderTrack> myTracks;
    CDFolderList(myFolder, myTracks);
    ASSERT_EQ(myTracks.size(), 3u);
    CDToc myToc;
    CDFolderToc(myTracks, myToc);
    EXPECT_EQ(myToc.mTracks[0].mStart, 150);
    EXPECT_EQ(myToc.mTracks[1].mStart, 398);
    EXPECT_EQ(myToc.mTracks[2].mStart, 548);
    EXPECT_EQ(myToc.mLeadOut, 624);

    Insert(myFolder);
    ASSERT_EQ(gStateCD, 1);
    EXPECT_EQ(gTrackTotal, 3);
    EXPECT_EQ(gDataTracks, 0);
    // Seconds 2, 5, 7: sums 14; length 8 - 2 = 6; 3 tracks. Code: (398 x 4900 + 548) in base 70.
    EXPECT_STREQ(gDiskID, "0e000603");
    char myCode[5];
    MusicCodeText(398u * 4900 + 548, myCode);
    EXPECT_STREQ(gCDCode, myCode);
    EXPECT_EQ(gTrackFrames[3], 624u);
    EXPECT_EQ(gSongLength, 248u * 1000 / 75);
    MusicSkipTrack(3, 0);
    EXPECT_EQ(gSongLength, 76u * 1000 / 75 - 100) << "the last track ends 100 ms early";
}

TEST_F(MusicTest, CueImageWithLeadingDataTrack) {
    const std::string myCue = CueImage({{false, 300}, {true, 450}, {true, 300}});
    Insert(myCue);
    ASSERT_EQ(gStateCD, 1);
    EXPECT_EQ(gTrackTotal, 2);
    EXPECT_EQ(gDataTracks, 1);
    EXPECT_EQ(gTrackFrames[0], 450u) << "track 1 of the program is the first audio track";
    EXPECT_EQ(gTrackFrames[1], 900u);
    EXPECT_EQ(gTrackFrames[2], 1200u);
    // Starts 150, 450, 900: seconds 2, 6, 12, sums 11; lead-out 16 s - 2 = 14; 3 tracks.
    EXPECT_STREQ(gDiskID, "0b000e03");
    // The code still comes from the raw table: track 2 of the disc (the first audio track) and the last.
    EXPECT_EQ(gCDCodeNum, 450u * 4900 + 900);
    EXPECT_STREQ(gCDName, "Unknown CD");
    EXPECT_STREQ(gCDDirectory, gCDCode);
    EXPECT_TRUE(std::filesystem::is_directory(mRoot / "Raves" / gCDCode)) << "a disc seen the first time";
}

TEST_F(MusicTest, DataOnlyDiscIsNoDisc) {
    Insert(CueImage({{false, 300}}));
    EXPECT_EQ(gStateCD, 0);
    EXPECT_EQ(gStateCDRom, 1);
    EXPECT_EQ(gTrackTotal, kSilentTracks);
    EXPECT_EQ(gDataTracks, 0);
    EXPECT_EQ(gSongLength, kSilentTrackLength);
    EXPECT_STREQ(gCDName, "No CD");
}

TEST_F(MusicTest, SameDiscGivesSameCodeAndOneTrackDisc) {
    const std::string myCue = CueImage({{true, 400}});
    Insert(myCue);
    const std::string myFirst = gCDCode;
    EXPECT_EQ(gCDCodeNum, 150u * 4900 + 150);
    EXPECT_EQ(gTrackTotal, 1);
    MusicCloseCD();
    MusicResetState();
    Insert(myCue);
    EXPECT_EQ(myFirst, gCDCode);
    // Seconds 2, sum 2; lead-out 550 / 75 = 7, minus 2 = 5.
    EXPECT_STREQ(gDiskID, "02000501");
}

TEST_F(MusicTest, MoreThan69TracksAreCutAt69) {
    std::vector<ImageTrack> myTracks(75, ImageTrack{true, 10});
    Insert(CueImage(myTracks));
    ASSERT_EQ(gStateCD, 1);
    EXPECT_EQ(gTrackTotal, kTracksMax);
    EXPECT_EQ(gTrackFrames[68], 150u + 68 * 10);
    EXPECT_EQ(gTrackFrames[69], 150u + 69 * 10) << "the start of track 70 ends track 69";
    // The identifier is the whole disc's, as CDDB computes it: 75 tracks.
    EXPECT_EQ(std::string(gDiskID).substr(6), "4b");
    MusicSkipTrack(0, 0);
    EXPECT_EQ(gTrackCurrent, 1);
    MusicSkipTrack(69, 0);
    EXPECT_EQ(gTrackCurrent, 68);
    MusicSkipTrack(0, 0);
    EXPECT_EQ(gTrackCurrent, 0) << "next wraps around after the 69th";
}
