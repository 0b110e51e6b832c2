// Styles: reading both versions, the loading modes, loading only what differs, and saving.
#include <cstddef>

#include "controls/file_popup.h"
#include "core/random.h"
#include "engine/style_apply.h"
#include "storage/file.h"
#include "style_fixture.h"

namespace {

class StyleTest : public StyleFolderTest {
  protected:
    // A version 1 style as it lies on disk: the version 2 layout up to the fills, four fills, the three
    // effect names, nothing after.
    std::vector<uint8_t> Version1File() {
        StyleRecord myRecord;
        std::memset(&myRecord, 0, sizeof(myRecord));
        StyleDefault(reinterpret_cast<char*>(&myRecord));
        myRecord.mVersion = 1;
        myRecord.mFrequency = 20;
        myRecord.mFadeTime = 9;
        auto* myBytes = reinterpret_cast<uint8_t*>(&myRecord);
        myBytes[11] = 0x2E;
        myBytes[12] = 0xE0;
        myRecord.mFillCount = 4;
        for (int i = 0; i < 4; ++i)
            Name(myRecord.mFillNames[i], std::string(1, static_cast<char>('A' + i)).c_str());
        Name(myRecord.mFillNames[4], "BrushColorFx");
        Name(myRecord.mFillNames[5], "FillColorFx");
        Name(myRecord.mFillSetName, "BrushFx");
        const int8_t myCombined[kChannels] = {-36, -5, -10, -11, 40};
        std::memcpy(myRecord.mThreshold, myCombined, sizeof(myCombined));
        return std::vector<uint8_t>(myBytes, myBytes + kStyleVersion1Size);
    }
    bool ReadStyleFile(const std::string& myFile, StyleRecord& myRecord) {
        FileHandle myHandle = nullptr;
        const std::string myFolder = mRoot.string() + "/Styles/";
        if (FileOpen(myFile.c_str(), myFolder.c_str(), &myHandle, false) != 0) return false;
        std::memset(&myRecord, 0, sizeof(myRecord));
        FileRead(myHandle, kStyleHeaderSize, &myRecord);
        const bool myRead = StyleReadBody(myHandle, myRecord);
        FileClose(myHandle);
        return myRead;
    }
    // Every component slot named alike, none of them on disk: any load would fail and say so.
    static void NameEverything(StyleRecord& myRecord, const char* myName) {
        for (auto& myField : myRecord.mGradNames)
            Name(myField, myName);
        for (auto& myField : myRecord.mMoveNames)
            Name(myField, myName);
        for (auto& myField : myRecord.mBrushNames)
            Name(myField, myName);
        for (auto& myField : myRecord.mFillNames)
            Name(myField, myName);
        Name(myRecord.mBrushEffect, myName);
        Name(myRecord.mBrushColorEffect, myName);
        Name(myRecord.mFillColorEffect, myName);
    }
};

TEST_F(StyleTest, VersionOneReadsAsVersionTwoWithSixFills) {
    Write("Styles/Old.sty", Version1File());
    StyleRecord myRecord;
    ASSERT_TRUE(ReadStyleFile("Old.sty", myRecord));
    EXPECT_EQ(myRecord.mVersion, 2);
    EXPECT_EQ(myRecord.mFillCount, 6);
    EXPECT_STREQ(myRecord.mFillNames[3], "D");
    EXPECT_STREQ(myRecord.mFillNames[4], "(None)");
    EXPECT_STREQ(myRecord.mFillNames[5], "(None)");
    EXPECT_STREQ(myRecord.mFillSetName, "(None)");
    EXPECT_STREQ(myRecord.mBrushColorEffect, "BrushColorFx");
    EXPECT_STREQ(myRecord.mFillColorEffect, "FillColorFx");
    EXPECT_STREQ(myRecord.mBrushEffect, "BrushFx");
    EXPECT_EQ(myRecord.mFrequency, 15);
    EXPECT_EQ(myRecord.mFadeTime, 0);
    EXPECT_EQ(myRecord.mScaleThreshold, 25);
    EXPECT_EQ(myRecord.mMaxFade, 120);
    EXPECT_EQ(StyleGetTempo(myRecord), 0x2EE0);
    EXPECT_EQ(myRecord.mReserved2[0], 0);
    EXPECT_EQ(myRecord.mReserved2[1], 0);
}

TEST_F(StyleTest, VersionOneThresholdBytesSplitIntoThresholdAndCounter) {
    Write("Styles/Old.sty", Version1File());
    StyleRecord myRecord;
    ASSERT_TRUE(ReadStyleFile("Old.sty", myRecord));
    const int8_t myThresholds[kChannels] = {0, 0, 0, 0, 40};
    const int8_t myCounters[kChannels] = {0, 5, 10, 12, 1};
    for (int c = 0; c < kChannels; ++c) {
        EXPECT_EQ(myRecord.mThreshold[c], myThresholds[c]) << "channel " << c;
        EXPECT_EQ(myRecord.mBeatCounter[c], myCounters[c]) << "channel " << c;
    }
    // The widest stored counters go beyond a byte: they stay the rarest a byte can hold.
    myRecord.mVersion = 1;
    const int8_t myWide[kChannels] = {-68, -69, -128, 0, -1};
    std::memcpy(myRecord.mThreshold, myWide, sizeof(myWide));
    StyleConvertVersion1(myRecord);
    EXPECT_EQ(myRecord.mBeatCounter[0], 126);
    EXPECT_EQ(myRecord.mBeatCounter[1], 127);
    EXPECT_EQ(myRecord.mBeatCounter[2], 127);
    EXPECT_EQ(myRecord.mBeatCounter[3], 1);
    EXPECT_EQ(myRecord.mBeatCounter[4], 1);
}

TEST_F(StyleTest, ShortOrUnknownRecordsAreRefused) {
    std::vector<uint8_t> myCut = Version1File();
    myCut.pop_back();
    Write("Styles/Cut.sty", myCut);
    StyleRecord myRecord;
    EXPECT_FALSE(ReadStyleFile("Cut.sty", myRecord));
    std::vector<uint8_t> myFuture = Bytes(gStyle);
    myFuture[2] = 3;
    Write("Styles/Future.sty", myFuture);
    EXPECT_FALSE(ReadStyleFile("Future.sty", myRecord));
}

TEST_F(StyleTest, WrongTypeSaysSoAndChangesNothingExceptForTheLastSession) {
    std::vector<uint8_t> myWrong = Bytes(gStyle);
    myWrong[0] = 'X';
    myWrong[7] = 77;
    Write("Styles/Wrong.sty", myWrong);
    gStyle.mBrushSpeed = 33;
    const std::vector<uint8_t> myBefore = Bytes(gStyle);
    EXPECT_FALSE(StyleLoad("Wrong", kStyleFromFile));
    EXPECT_STREQ(gAlertText, "Not a valid style file!");
    EXPECT_EQ(Bytes(gStyle), myBefore);

    MainCloseAlert();
    gAlertText[0] = 0;
    Write("Styles/Last_Session.sty", myWrong);
    EXPECT_TRUE(StyleLoad("Last_Session", kStyleFromFile));
    EXPECT_STREQ(gAlertText, "Not a valid style file!");
    EXPECT_EQ(gStyle.mBrushSpeed, 40) << "the defaults, not the refused file";
}

TEST_F(StyleTest, MissingStyleGivesTheDefaultsSilently) {
    gStyle.mBrushSpeed = 33;
    gStyle.mSpread = 9;
    EXPECT_TRUE(StyleLoad("Nowhere", kStyleFromFile));
    EXPECT_EQ(gAlertText[0], 0);
    EXPECT_EQ(gStyle.mBrushSpeed, 40);
    EXPECT_STREQ(gStyle.mStyleName, "Default");
}

TEST_F(StyleTest, SameComponentsLoadNoFiles) {
    NameEverything(gStyle, "Ghost");
    StyleRecord myStyle = gStyle;
    myStyle.mBrushSpeed = 44;
    Name(myStyle.mStyleName, "Same");
    Write("Styles/Same.sty", Bytes(myStyle));
    ASSERT_TRUE(StyleLoad("Same", kStyleFromFile));
    // Not one of the missing files was tried: each would have said so and left "(None)".
    EXPECT_EQ(gAlertText[0], 0) << gAlertText;
    EXPECT_STREQ(gStyle.mGradNames[7], "Ghost");
    EXPECT_STREQ(gStyle.mFillNames[5], "Ghost");
    EXPECT_STREQ(gStyle.mBrushEffect, "Ghost");
    EXPECT_EQ(gStyle.mBrushSpeed, 44);
    EXPECT_STREQ(gStyle.mStyleName, "Same");
}

TEST_F(StyleTest, OnlyTheDifferingComponentLoads) {
    NameEverything(gStyle, "Ghost");
    WriteGradient("Warm", 7);
    StyleRecord myStyle = gStyle;
    Name(myStyle.mGradNames[2], "Warm");
    Name(myStyle.mMoveNames[4], "Gone");
    Write("Styles/One.sty", Bytes(myStyle));
    ASSERT_TRUE(StyleLoad("One", kStyleFromFile));
    EXPECT_STREQ(gStyle.mGradNames[2], "Warm");
    EXPECT_EQ(gGradData[2].mFillGrad[100], 7);
    // The movement that is not there loads as none, and the style says so instead of naming it.
    EXPECT_STREQ(gAlertText, "Unable to open or find movement!");
    EXPECT_STREQ(gStyle.mMoveNames[4], "(None)");
    EXPECT_STREQ(gStyle.mMoveNames[3], "Ghost");
}

TEST_F(StyleTest, LoadingFromAFileEndsManualModeAndAppliesTheSettings) {
    gStateManual = 1;
    StyleRecord myStyle = gStyle;
    myStyle.mCurrentGrad = 4;
    myStyle.mCurrentBrush = 3;
    myStyle.mCurrentMove = 2;
    myStyle.mBrushSpeed = 50;
    myStyle.mSpread = 11;
    myStyle.mColorKick = 12;
    Write("Styles/Set.sty", Bytes(myStyle));
    ASSERT_TRUE(StyleLoad("Set", kStyleFromFile));
    EXPECT_EQ(gStateManual, 0);
    EXPECT_EQ(gCurrentGrad, 3);
    EXPECT_EQ(gCurrentBrush, 2);
    EXPECT_EQ(gCurrentMove, 1);
    EXPECT_EQ(gUpdateLength, 1000u / 50);
    EXPECT_EQ(gEditsRave[kEditSpread], 11);
    EXPECT_EQ(gEditsRave[kEditColorKick], 12);
}

TEST_F(StyleTest, LastStyleModeBringsBackTheUsersOwnSettings) {
    gStyleLast.mBrushSpeed = 61;
    Name(gStyleLast.mStyleName, "Mine");
    ASSERT_TRUE(StyleLoad(nullptr, kStyleFromLast));
    EXPECT_EQ(gStyle.mBrushSpeed, 61);
    EXPECT_STREQ(gStyle.mStyleName, "Mine");
}

TEST_F(StyleTest, RaveRecordsOfBothFormsLoadAndOthersFail) {
    StyleRecord myRaveStyle = gStyle;
    myRaveStyle.mSpread = 17;
    std::vector<uint8_t> myRave = {'r', 0, 2, 16};
    myRave.resize(48, 'x');
    const std::vector<uint8_t> myBody = Bytes(myRaveStyle);
    myRave.insert(myRave.end(), myBody.begin() + kStyleHeaderSize, myBody.end());
    myRave.insert(myRave.end(), {0, 0});
    Write("rave.R01", myRave);
    gStyle.mBrushSpeed = 39;
    const std::string myFolder = mRoot.string() + "/";
    FileHandle myFile = nullptr;
    ASSERT_EQ(FileOpen("rave.R01", myFolder.c_str(), &myFile, false), 0);
    EXPECT_TRUE(StyleLoad(nullptr, kStyleFromRave, 1, myFile));
    FileClose(myFile);
    EXPECT_EQ(gStyle.mFileType, 'S');
    EXPECT_EQ(gStyle.mSpread, 17);
    EXPECT_EQ(gStyleLast.mBrushSpeed, 39) << "the user's settings are kept";

    // The older form: a version 1 record straight after the header.
    std::vector<uint8_t> myOld = Version1File();
    myOld[0] = 'R';
    Write("old.R02", myOld);
    ASSERT_EQ(FileOpen("old.R02", myFolder.c_str(), &myFile, false), 0);
    EXPECT_TRUE(StyleLoad(nullptr, kStyleFromRave, 0, myFile));
    FileClose(myFile);
    EXPECT_EQ(gStyle.mVersion, 2);
    EXPECT_EQ(gStyle.mBeatCounter[1], 5);

    myOld[0] = 'S';
    Write("style.R03", myOld);
    const std::vector<uint8_t> myBefore = Bytes(gStyle);
    ASSERT_EQ(FileOpen("style.R03", myFolder.c_str(), &myFile, false), 0);
    EXPECT_FALSE(StyleLoad(nullptr, kStyleFromRave, 0, myFile));
    FileClose(myFile);
    EXPECT_EQ(Bytes(gStyle), myBefore);
}

TEST_F(StyleTest, NewFillAtATrackStartIsAnotherOfTheFirstFour) {
    MainSeedRandom(5);
    for (int myRound = 0; myRound < 40; ++myRound) {
        const int myBefore = gStyle.mCurrentFill;
        ASSERT_TRUE(StyleLoad(nullptr, kStyleTrackStartNewFill));
        EXPECT_GE(gStyle.mCurrentFill, 1);
        EXPECT_LE(gStyle.mCurrentFill, 4);
        EXPECT_NE(gStyle.mCurrentFill, myBefore);
        EXPECT_EQ(gCurrentFill, gStyle.mCurrentFill - 1);
    }
    // A brush that brings its own fill keeps it.
    gStyle.mCurrentBrush = 2;
    gStyle.mCurrentFill = 6;
    gStyle.mAttachments[1].mAttachFill = 6;
    ASSERT_TRUE(StyleLoad(nullptr, kStyleTrackStartNewFill));
    EXPECT_EQ(gStyle.mCurrentFill, 6);
    EXPECT_EQ(gCurrentBrush, 1);
}

TEST_F(StyleTest, ManualModeLeavesTheTrackStartAlone) {
    gStateManual = 1;
    gStyle.mCurrentFill = 3;
    gCurrentFill = 0;
    ASSERT_TRUE(StyleLoad(nullptr, kStyleTrackStartNewFill));
    EXPECT_EQ(gStyle.mCurrentFill, 3);
    EXPECT_EQ(gCurrentFill, 0);
    gStateManual = 0;
    ASSERT_TRUE(StyleLoad(nullptr, kStyleTrackStart));
    EXPECT_EQ(gCurrentFill, 2);
}

TEST_F(StyleTest, ManualModeSavesThresholdsZero) {
    const int8_t myThresholds[kChannels] = {20, 30, 40, 50, 60};
    std::memcpy(gStyle.mThreshold, myThresholds, sizeof(myThresholds));
    gStateManual = 1;
    ASSERT_TRUE(StyleSave("Hand", gStyle));
    const std::vector<uint8_t> mySaved = Read("Styles/Hand.sty");
    ASSERT_EQ(mySaved.size(), kStyleSize);
    for (int c = 0; c < kChannels; ++c)
        EXPECT_EQ(mySaved[offsetof(StyleRecord, mThreshold) + c], 0);
    EXPECT_EQ(0, std::memcmp(mySaved.data() + offsetof(StyleRecord, mStyleName), "Hand\0", 5));
    EXPECT_EQ(gStyle.mThreshold[2], 40) << "the settings themselves keep their thresholds";

    gStateManual = 0;
    ASSERT_TRUE(StyleSave("Beat", gStyle));
    EXPECT_EQ(Read("Styles/Beat.sty")[offsetof(StyleRecord, mThreshold) + 4], 60);
}

TEST_F(StyleTest, StyleSaveAndLoadRoundTripIsByteIdentical) {
    NameEverything(gStyle, "(None)");
    gStyle.mBrushSpeed = 31;
    gStyle.mCurrentGrad = 5;
    gStyle.mBeatCounter[3] = 0;
    gPopup = kPopupStyle;
    gStyleTemp = gStyle;
    std::snprintf(gEditableText, kEditableSize, "%s", "Trip");
    ASSERT_TRUE(FileSaveToDisk());
    const std::vector<uint8_t> myFirst = Read("Styles/Trip.sty");
    StyleDefault(reinterpret_cast<char*>(&gStyle));
    ASSERT_TRUE(FileLoadFromDisk("Trip"));
    ASSERT_TRUE(StyleSave("Trip2", gStyle));
    std::vector<uint8_t> mySecond = Read("Styles/Trip2.sty");
    ASSERT_EQ(mySecond.size(), kStyleSize);
    std::memcpy(mySecond.data() + offsetof(StyleRecord, mStyleName), "Trip\0", 5);
    EXPECT_EQ(mySecond, myFirst);
}

TEST_F(StyleTest, LastSessionKeepsTheUsersSettingsWhileARaveDrivesThePicture) {
    gStyle.mSpread = 5;
    gStyleLast.mSpread = 8;
    gStateRaveOnDisk = 1;
    gPopup = kPopupLastSession;
    std::snprintf(gEditableText, kEditableSize, "%s", kStyleLastSession);
    ASSERT_TRUE(FileSaveToDisk());
    EXPECT_EQ(Read("Styles/Last_Session.sty")[offsetof(StyleRecord, mSpread)], 8);
    gStateRaveOnDisk = 0;
    ASSERT_TRUE(FileSaveToDisk());
    EXPECT_EQ(Read("Styles/Last_Session.sty")[offsetof(StyleRecord, mSpread)], 5);
}

TEST_F(StyleTest, SavingRecreatesAMissingStylesFolder) {
    std::filesystem::remove_all(mRoot / "Styles");
    ASSERT_TRUE(StyleSave("Fresh", gStyle));
    EXPECT_EQ(Read("Styles/Fresh.sty").size(), kStyleSize);
}

TEST_F(StyleTest, AFailedSaveLeavesTheOldFileWholeAndSaysSo) {
    ASSERT_TRUE(StyleSave("Keep", gStyle));
    const std::vector<uint8_t> myOld = Read("Styles/Keep.sty");
    // The new file cannot be made beside the old one.
    std::filesystem::create_directory(mRoot / "Styles" / ".Keep.sty.new");
    gStyle.mSpread = 1;
    EXPECT_FALSE(StyleSave("Keep", gStyle));
    EXPECT_EQ(Read("Styles/Keep.sty"), myOld);
    // What could not be saved, where, and the system's reason.
    EXPECT_STREQ(gAlertText, "Unable to save Keep.sty in Styles: Is a directory");
}

TEST_F(StyleTest, ReplacingAFileLeavesNothingBeside) {
    ASSERT_TRUE(StyleSave("Once", gStyle));
    gStyle.mSpread = 3;
    ASSERT_TRUE(StyleSave("Once", gStyle));
    EXPECT_EQ(Read("Styles/Once.sty")[offsetof(StyleRecord, mSpread)], 3);
    int myFiles = 0;
    for (const auto& myEntry : std::filesystem::directory_iterator(mRoot / "Styles"))
        myFiles += myEntry.is_regular_file();
    EXPECT_EQ(myFiles, 1);
}

} // namespace
