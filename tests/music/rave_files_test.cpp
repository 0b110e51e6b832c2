// Raves and RaveSets on disk: the disc's folder by name and code, both forms of the CD and rave files, titles
// with blanks, a rave's edit list refused when it claims more records than the list holds, the replay
// brought to a time after a rewind, the master folder and the raves a disc of the program's own brings.
#include "music_fixture.h"

#include "controls/file_popup.h"
#include "controls/mousekey.h"
#include "engine/movement.h"
#include "sound/tempo.h"

namespace {
std::vector<uint8_t> ReadFile(const std::filesystem::path& myPath) {
    std::ifstream myStream(myPath, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(myStream), std::istreambuf_iterator<char>());
}

void Edit(int myKind, int myValue) {
    ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myValue), AnimateGetElapsedTime(), kModeExecute,
                 {0, 1, 0});
}

bool Save(uint16_t myPopup, const char* myName) {
    gPopup = myPopup;
    std::snprintf(gEditableText, sizeof(gEditableText), "%s", myName);
    return FileSaveToDisk();
}
} // namespace

TEST_F(MusicTest, SongWithoutChangesSavesOneRecordAndTitlesKeepTheirBlanks) {
    Insert(MusicFolder({3.0, 3.0}));
    gStyle.mBeatCounter[0] = 0;
    gBeatLength = kNever; // no beats: nothing happens to the picture
    MusicPlay(1, 0);
    Run(1000);
    ASSERT_TRUE(Save(kPopupRave, "Quiet Song"));
    EXPECT_STREQ(gCDSet[1].mName, "Quiet_Song");
    EXPECT_EQ(gCDSet[1].mAttach, 1);
    // Saving attaches the disc to a RaveSet named as the disc shows.
    EXPECT_STREQ(gCDDirectory, (std::string("Unknown_CD") + gCDCode).c_str());
    const auto myRave = ReadFile(mRoot / "Raves" / gCDDirectory / "Quiet_Song.R02");
    ASSERT_EQ(myRave.size(), 1050u + 2 + 21);
    EXPECT_EQ(myRave[0], 'r');
    EXPECT_EQ(myRave[1050], 1);
    EXPECT_EQ(myRave[1051], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(myRave.data()) + 4), gCDDirectory);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(myRave.data()) + 36, 8), gDiskID);
    const auto myCD = ReadFile(mRoot / "Raves" / gCDDirectory / "Unknown_CD.cds");
    ASSERT_EQ(myCD.size(), 16u + 2 * 29);
    EXPECT_EQ(std::string(myCD.begin() + 4, myCD.begin() + 8), gCDCode);
    EXPECT_EQ(myCD[16 + 29], 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(myCD.data()) + 16 + 29 + 1), "Quiet_Song");

    // Played again, the rave replays nothing and reads back byte for byte.
    MusicPlay(1, 0);
    EXPECT_EQ(gStateRaveOnDisk, 1);
    EXPECT_EQ(gEditsTotal, 1);
    EXPECT_EQ(FileRaveBytes(), myRave);
}

TEST_F(MusicTest, NamedDiscIsFoundAgainByItsCode) {
    const std::string myFolder = MusicFolder({2.0, 2.0, 2.0});
    Insert(myFolder);
    const std::string myCode = gCDCode;
    EXPECT_STREQ(gCDName, "Unknown CD");
    gCDSet[2].mAttach = 0;
    std::strcpy(gCDSet[2].mName, "Last_One");
    ASSERT_TRUE(Save(kPopupCDFile, "Road Trip"));
    EXPECT_FALSE(std::filesystem::exists(mRoot / "Raves" / myCode));
    EXPECT_TRUE(std::filesystem::exists(mRoot / "Raves" / ("Road_Trip" + myCode) / "Road_Trip.cds"));

    MusicCloseCD();
    MusicResetState();
    Insert(myFolder);
    EXPECT_STREQ(gCDName, "Road_Trip");
    EXPECT_EQ(gStateCDAttach, 1);
    EXPECT_STREQ(gCDSet[2].mName, "Last_One");

    // The older form without code and identifier; names from a file never leave the disc's folder.
    std::vector<uint8_t> myOld = {'L', 0, 2, 28};
    myOld.resize(4 + 3 * 29, 0);
    myOld[4 + 29] = 1;
    std::memcpy(myOld.data() + 4 + 30, "../../Escape", 12);
    myOld[4 + 58] = 7;
    std::memcpy(myOld.data() + 4 + 59, "Old Title", 9);
    Write("Raves/Road_Trip" + myCode + "/Older.cds", myOld);
    gPopup = kPopupCDFile;
    ASSERT_TRUE(FileLoadFromDisk("Older"));
    EXPECT_STREQ(gCDName, "Older");
    EXPECT_TRUE(std::filesystem::exists(mRoot / "Raves" / ("Older" + myCode) / "Older.cds"));
    EXPECT_STREQ(gCDSet[1].mName, "../../Escape");
    EXPECT_EQ(gCDSet[1].mAttach, 0) << "a rave name that would leave the folder is no rave";
    EXPECT_EQ(gCDSet[2].mAttach, 1);
    EXPECT_STREQ(gCDSet[2].mName, "Old Title");
    MusicPlay(1, 0);
    EXPECT_EQ(gStateRaveOnDisk, 0);

    Write("Raves/Older" + myCode + "/Bad.cds", {'x', 0, 2, 28});
    EXPECT_FALSE(FileLoadFromDisk("Bad"));
    EXPECT_STREQ(gAlertText, "Not a valid CD file!");
}

TEST_F(MusicTest, RaveFilesThatClaimTooMuchAreRefused) {
    Insert(MusicFolder({2.0}));
    auto myRave = [&](uint16_t myCount, size_t myRecords) {
        std::vector<uint8_t> myBytes(1050, 0);
        myBytes[0] = 'r';
        myBytes[2] = 2;
        myBytes[3] = 16;
        std::memcpy(myBytes.data() + 48, reinterpret_cast<const uint8_t*>(&gStyle) + 4, 1002);
        myBytes.push_back(static_cast<uint8_t>(myCount));
        myBytes.push_back(static_cast<uint8_t>(myCount >> 8));
        for (size_t i = 0; i < myRecords; ++i) {
            const uint8_t myRecord[21] = {static_cast<uint8_t>(i),
                                          static_cast<uint8_t>(i >> 8),
                                          0,
                                          0,
                                          0x80,
                                          1,
                                          5,
                                          5,
                                          0,
                                          2,
                                          0,
                                          0,
                                          0,
                                          1,
                                          1,
                                          30,
                                          60,
                                          60,
                                          50,
                                          0,
                                          0};
            myBytes.insert(myBytes.end(), myRecord, myRecord + 21);
        }
        return myBytes;
    };
    gCDSet[0].mAttach = 1;
    std::strcpy(gCDSet[0].mName, "Huge");
    Write(std::string("Raves/") + gCDDirectory + "/Huge.R01", myRave(9000, 9000));
    MusicPlay(0, 0);
    EXPECT_STREQ(gAlertText, "Not a valid rave file!");
    EXPECT_EQ(gCDSet[0].mAttach, 0) << "the track records afresh";
    EXPECT_EQ(gEditsTotal, 1);

    gCDSet[0].mAttach = 1;
    Write(std::string("Raves/") + gCDDirectory + "/Huge.R01", myRave(3, 2));
    gAlertText[0] = 0;
    MusicPlay(0, 0);
    EXPECT_STREQ(gAlertText, "Not a valid rave file!") << "fewer records than it claims";

    gCDSet[0].mAttach = 1;
    std::strcpy(gCDSet[0].mName, "Missing");
    gAlertText[0] = 0;
    MusicPlay(0, 0);
    EXPECT_STREQ(gAlertText, "Unable to load rave!");
    EXPECT_EQ(gCDSet[0].mAttach, 0);

    // The most the list holds loads: 8999 records, the end marker after them.
    gCDSet[0].mAttach = 1;
    std::strcpy(gCDSet[0].mName, "Huge");
    Write(std::string("Raves/") + gCDDirectory + "/Huge.R01", myRave(8999, 8999));
    gAlertText[0] = 0;
    MusicPlay(0, 0);
    EXPECT_STREQ(gAlertText, "");
    EXPECT_EQ(gEditsTotal, 8999);
    EXPECT_EQ(gEditsList[8998].mNext, kEditsEnd);
    EXPECT_EQ(gEditsList[kEditsEnd].mPrev, 8998);
}

TEST_F(MusicTest, OlderRaveFormAndSilentClockRaves) {
    // Without a disc raves go with the silent clock's tracks, in the folder of the code "0000".
    InitCDDrive();
    MusicUpdateCD(-1);
    gStyle.mBrushSpeed = 20;
    UseStyle();
    MusicPlay(3, 0);
    Run(1000);
    Edit(kEditBrushSpeed, 44);
    Run(1000);
    ASSERT_TRUE(Save(kPopupRave, "Silent"));
    EXPECT_TRUE(std::filesystem::exists(mRoot / "Raves" / "No_CD0000" / "Silent.R04"));
    auto myBytes = ReadFile(mRoot / "Raves" / "No_CD0000" / "Silent.R04");
    // The older form: the settings follow the 4-byte header.
    std::vector<uint8_t> myOld(myBytes.begin(), myBytes.begin() + 4);
    myOld[0] = 'R';
    myOld.insert(myOld.end(), myBytes.begin() + 48, myBytes.end());
    Write("Raves/No_CD0000/Older.R04", myOld);
    std::strcpy(gCDSet[3].mName, "Older");
    gStyle.mBrushSpeed = 90;
    MusicPlay(3, 0);
    EXPECT_EQ(gStateRaveOnDisk, 1);
    EXPECT_EQ(gStyle.mBrushSpeed, 20);
    Run(990);
    EXPECT_EQ(gStyle.mBrushSpeed, 20);
    Run(20);
    EXPECT_EQ(gStyle.mBrushSpeed, 44) << "the change comes back at its song time";
}

TEST_F(MusicTest, RewindReplaysTheRaveFromItsStart) {
    Insert(MusicFolder({8.0}));
    gStyle.mSpread = 10;
    gStyle.mColorKick = 50;
    UseStyle();
    MusicPlay(0, 0);
    Run(1000);
    Edit(kEditSpread, 30);
    Run(2000);
    Edit(kEditSpread, 70);
    Edit(kEditColorKick, 80);
    Run(500);
    ASSERT_TRUE(Save(kPopupRave, "Twice"));
    MusicPlay(0, 0);
    Run(3600);
    EXPECT_EQ(gStyle.mSpread, 70);
    EXPECT_EQ(gStyle.mColorKick, 80);
    // Back to 2 s: from the start up to the time, the picture as the recording had it then.
    MusicPause(0, gCDMode);
    MusicResetRave();
    MusicUpdateRave(2000);
    EXPECT_EQ(gStyle.mSpread, 30);
    EXPECT_EQ(gStyle.mColorKick, 50);
    EXPECT_EQ(gBeatLast, 1000u);
    EXPECT_EQ(gBeatNext, 3000u);
    // Forward to 3.5 s again, then the hand hold keeps the place while the song plays on.
    MusicUpdateRave(3500);
    EXPECT_EQ(gStyle.mSpread, 70);
    MusicResetRave();
    MusicUpdateRave(500);
    EXPECT_EQ(gStyle.mSpread, 10);
}

TEST_F(MusicTest, TitleOnlyRenamesTheRave) {
    Insert(MusicFolder({2.0}));
    MusicPlay(0, 0);
    Run(300);
    ASSERT_TRUE(Save(kPopupRave, "First Name"));
    const std::filesystem::path myDisc = mRoot / "Raves" / gCDDirectory;
    ASSERT_TRUE(std::filesystem::exists(myDisc / "First_Name.R01"));
    const auto myBytes = ReadFile(myDisc / "First_Name.R01");
    gStateSaveTitle = 1;
    ASSERT_TRUE(Save(kPopupRave, "Second Name"));
    EXPECT_FALSE(std::filesystem::exists(myDisc / "First_Name.R01"));
    EXPECT_EQ(ReadFile(myDisc / "Second_Name.R01"), myBytes);
    EXPECT_STREQ(gCDSet[0].mName, "Second_Name");
    EXPECT_FALSE(Save(kPopupRave, "../Up"));
}

TEST_F(MusicTest, MasterFolderGathersRavesAndTheirComponents) {
    WriteGradient("Sunset", 7);
    WriteGradient("Ocean", 9);
    Insert(MusicFolder({2.0, 2.0}));
    Name(gStyle.mGradNames[0], "Sunset");
    MusicPlay(0, 0);
    Run(500);
    LoadGradient("Ocean", 7, 1, 0, nullptr, 1); // gradient slot 8: a load record of its own
    Run(500);
    ASSERT_TRUE(Save(kPopupRave, "Song One"));
    std::strcpy(gCDSet[1].mName, "Song_Two");
    FileCreateMasterFolder(1, "My Master");
    const std::filesystem::path myMaster = mRoot / "OrbexCD";
    EXPECT_TRUE(std::filesystem::exists(myMaster / "Raves" / "My_Master.cds"));
    EXPECT_TRUE(std::filesystem::exists(myMaster / "Raves" / "Song_One.R01"));
    EXPECT_TRUE(std::filesystem::exists(myMaster / "Raves" / "Song_Two.S02"));
    EXPECT_TRUE(std::filesystem::exists(myMaster / "Gradients" / "Sunset.gra"));
    EXPECT_TRUE(std::filesystem::exists(myMaster / "Gradients" / "Ocean.gra")) << "named by the load record";
    for (const char* myFolder : {"Fills", "Brushes", "Movements", "Effects"})
        EXPECT_TRUE(std::filesystem::is_directory(myMaster / myFolder));
}

TEST_F(MusicTest, DiscOfTheProgramsOwnBringsItsRaves) {
    const std::string myFolder = MusicFolder({2.0, 2.0, 2.0});
    const std::filesystem::path myOwn = std::filesystem::path(myFolder) / "OrbexCD" / "Raves";
    std::filesystem::create_directories(myOwn);
    // A rave made elsewhere: only its settings and its start record.
    std::vector<uint8_t> myRave(1050, 0);
    myRave[0] = 'r';
    myRave[2] = 2;
    myRave[3] = 16;
    std::memcpy(myRave.data() + 48, reinterpret_cast<const uint8_t*>(&gStyle) + 4, 1002);
    const uint8_t myStart[23] = {1, 0, 0x80, 0, 0, 0,  0x80, 1,  5,  5, 0, 2,
                                 0, 0, 0,    1, 1, 30, 60,   60, 50, 0, 0};
    myRave.insert(myRave.end(), myStart, myStart + 23);
    Write("music/OrbexCD/Raves/Dance.R01", myRave);
    Write("music/OrbexCD/Raves/Quiet.S03", {});
    Write("music/OrbexCD/Raves/Party_Mix.cds", {});
    Write("music/OrbexCD/Raves/../../Escape.R02", {});
    Insert(myFolder);
    EXPECT_EQ(gDataFlag, 1);
    EXPECT_EQ(gTrackTotal, 3) << "the folder's own files are no tracks";
    EXPECT_EQ(gCDSet[0].mAttach, 1);
    EXPECT_STREQ(gCDSet[0].mName, "Dance");
    EXPECT_EQ(gCDSet[2].mAttach, 0);
    EXPECT_STREQ(gCDSet[2].mName, "Quiet");
    EXPECT_STREQ(gCDName, "Party_Mix");
    EXPECT_TRUE(std::filesystem::exists(mRoot / "Raves" / gCDDirectory / "Dance.R01"));
    EXPECT_TRUE(std::filesystem::exists(mRoot / "Raves" / gCDDirectory / "Party_Mix.cds"));
    MusicPlay(0, 0);
    EXPECT_EQ(gStateRaveOnDisk, 1);
}

TEST_F(MusicTest, HandHoldKeepsTheRaveAndCatchesUpWhenLetGo) {
    Insert(MusicFolder({6.0, 6.0}));
    gStyle.mSpread = 10;
    UseStyle();
    MusicPlay(0, 0);
    Run(1000);
    Edit(kEditSpread, 30);
    Run(1000);
    ASSERT_TRUE(Save(kPopupRave, "Held"));
    MusicPlay(0, 0);
    Run(500);
    MouseKeyToggleHold();
    Run(1500);
    EXPECT_EQ(gStyle.mSpread, 10) << "held: the rave's changes wait";
    MouseKeyToggleHold();
    EXPECT_EQ(gStyle.mSpread, 30) << "let go: the picture is where the rave is at 2 s";
    EXPECT_EQ(gBeatLast, 1000u);

    // Let go after the replay reached its end, the picture still catches up.
    MusicPlay(0, 0);
    Run(500);
    MouseKeyToggleHold();
    Run(3000);
    ASSERT_FALSE(TempoRaveReplays());
    EXPECT_EQ(gStyle.mSpread, 10);
    MouseKeyToggleHold();
    EXPECT_EQ(gStyle.mSpread, 30);

    // A hold kept into another track never brings back the place it had in the last track's list.
    MusicPlay(0, 0);
    Run(1900);
    MouseKeyToggleHold();
    MusicPlay(1, 0);
    Run(300);
    MouseKeyToggleHold();
    Run(500);
    EXPECT_TRUE(ExecuteChainWhole());
    EXPECT_LE(gEditsCount, gEditsTotal);
}

TEST_F(MusicTest, TheEditListStaysOneChainInTimeOrderAndItsReplayEnds) {
    // Changes made before any track has started a list go into a list of their own.
    EditsResetState();
    for (uint32_t myTime : {1000u, 2000u})
        ExecuteEdits(kEditSpread, static_cast<char>(myTime / 50), myTime, kModeExecute, {0, 1, 0});
    MusicStop(0, 0);
    EXPECT_EQ(gEditsTotal, 3);
    EXPECT_TRUE(ExecuteChainWhole());

    // A load stamped with a stale time (a choice made before a rewind) takes its place in time.
    Insert(MusicFolder({6.0}));
    MusicPlay(0, 0);
    Run(1000);
    Edit(kEditSpread, 30);
    Run(1000);
    gActionTime = 0;
    ExecuteRecordComponent(kComponentGradient, 0, "Disc", 1, 1);
    EXPECT_EQ(gEditsList[gEditsCurrent].mTime, gEditsList[gEditsList[gEditsCurrent].mPrev].mTime);
    // A key pressed as the track began: its time stamp, taken before the song's clock, wraps past "never".
    EXPECT_EQ(MouseKeyElapsedTime(gTimer - 5), 0u);
    ExecuteEdits(kEditSpread, 44, static_cast<uint32_t>(-5), kModeExecute, {0, 1, 0});
    EXPECT_TRUE(ExecuteChainWhole());
    Run(500);
    EXPECT_TRUE(ExecuteChainWhole());
    ASSERT_TRUE(Save(kPopupRave, "Ordered"));

    // A rave that holds its records out of time order is refused.
    const std::filesystem::path myFile = mRoot / "Raves" / gCDDirectory / "Ordered.R01";
    std::vector<uint8_t> myBytes = ReadFile(myFile);
    const size_t myLast = myBytes.size() - 21;
    ASSERT_GT(myLast, 1052u + 21);
    std::fill_n(myBytes.begin() + static_cast<std::ptrdiff_t>(myLast), 4, 0);
    Write(std::string("Raves/") + gCDDirectory + "/Ordered.R01", myBytes);
    MusicPlay(0, 0);
    EXPECT_STREQ(gAlertText, "Not a valid rave file!");
    EXPECT_EQ(gCDSet[0].mAttach, 0);
    EXPECT_TRUE(ExecuteChainWhole());

    // The check itself: a loop, a record out of time order and a broken back link are each found.
    for (int myFault = 0; myFault < 3; ++myFault) {
        UseStyle();
        for (uint32_t myTime : {100u, 200u, 300u}) {
            gBeatLast = myTime;
            ASSERT_TRUE(ExecuteInsert(kRecordBeat, nullptr));
        }
        ASSERT_TRUE(ExecuteChainWhole());
        if (myFault == 0) gEditsList[3].mNext = 1;
        if (myFault == 1) gEditsList[2].mTime = 400;
        if (myFault == 2) gEditsList[2].mPrev = 0;
        EXPECT_FALSE(ExecuteChainWhole()) << "fault " << myFault;
    }
}

TEST_F(MusicTest, ListeningSwitchedOnDuringAReplayKeepsTheRavesBeats) {
    Insert(MusicFolder({6.0}));
    gStyle.mSpread = 10;
    UseStyle();
    MusicPlay(0, 0);
    Run(2000);
    Edit(kEditSpread, 30);
    Run(500);
    ASSERT_TRUE(Save(kPopupRave, "Listened"));
    MusicPlay(0, 0);
    Run(500);
    MouseKeySetListen(true, AnimateGetElapsedTime());
    EXPECT_NE(gBeatNext, kNever);
    Run(1600);
    EXPECT_EQ(gStyle.mSpread, 30) << "the rave plays on while listening";
}
