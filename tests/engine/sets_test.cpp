// Sets: their byte layouts, the attachment-driven loads of a brush set, and their refusals.
#include <cstddef>

#include "controls/file_popup.h"
#include "storage/sets.h"
#include "style_fixture.h"

namespace {

class SetsTest : public StyleFolderTest {
  protected:
    void SetUp() override {
        StyleFolderTest::SetUp();
        for (auto& myField : gStyle.mBrushNames)
            Name(myField, "(None)");
    }
    bool SaveAs(uint16_t myPopup, const char* myName) {
        gPopup = myPopup;
        std::snprintf(gEditableText, kEditableSize, "%s", myName);
        return FileSaveToDisk();
    }
    bool LoadAs(uint16_t myPopup, const char* myName) {
        gPopup = myPopup;
        return FileLoadFromDisk(myName);
    }
    // A brush set as another program would write it: every section from a record of our own making.
    std::vector<uint8_t> BrushSetFile(const StyleRecord& myRecord, char myType) {
        std::vector<uint8_t> myFile = StyleSetBytes(*SetFindFormat(kSetBrush), myRecord);
        if (myType == kSetBrushOld) myFile.resize(kSetSizeBrushOld);
        myFile[0] = static_cast<uint8_t>(myType);
        return myFile;
    }
};

TEST_F(SetsTest, EachKindIsWrittenAsItsSectionsOfTheRecord) {
    gStyle.mCurrentGrad = 3;
    gStyle.mMoveParam[2].mValue[1] = -9;
    gStyle.mAttachments[4].mAttachMove = 2;
    ASSERT_TRUE(SaveAs(kPopupGradientSet, "Grads"));
    ASSERT_TRUE(SaveAs(kPopupFillSet, "Fills"));
    ASSERT_TRUE(SaveAs(kPopupMoveSet, "Moves"));
    ASSERT_TRUE(SaveAs(kPopupBrushSet, "Brushes"));
    const std::vector<uint8_t> myRecord = Bytes(gStyle);
    const std::vector<uint8_t> myGrads = Read("Settings/Grads.gst");
    ASSERT_EQ(myGrads.size(), static_cast<size_t>(kSetSizeGradient));
    EXPECT_EQ(std::vector<uint8_t>(myGrads.begin(), myGrads.begin() + 4),
              (std::vector<uint8_t>{'g', 0, 2, 16}));
    EXPECT_TRUE(std::equal(myGrads.begin() + 4, myGrads.end(), myRecord.begin() + 542));
    const std::vector<uint8_t> myFills = Read("Settings/Fills.fst");
    ASSERT_EQ(myFills.size(), static_cast<size_t>(kSetSizeFill));
    EXPECT_EQ(myFills[0], 'f');
    EXPECT_TRUE(std::equal(myFills.begin() + 4, myFills.end(), myRecord.begin() + 839));
    const std::vector<uint8_t> myMoves = Read("Settings/Moves.mst");
    ASSERT_EQ(myMoves.size(), static_cast<size_t>(kSetSizeMove));
    EXPECT_EQ(myMoves[0], 'm');
    EXPECT_TRUE(std::equal(myMoves.begin() + 4, myMoves.begin() + 102, myRecord.begin() + 688));
    EXPECT_TRUE(std::equal(myMoves.begin() + 102, myMoves.end(), myRecord.begin() + 802));
    EXPECT_EQ(Read("Settings/Brushes.bst"), BrushSetFile(gStyle, 'B'));
    // The set's own name is its file name, kept in the record.
    EXPECT_STREQ(gStyle.mGradSetName, "Grads");
    EXPECT_STREQ(gStyle.mFillSetName, "Fills");
    EXPECT_STREQ(gStyle.mMoveSetName, "Moves");
    EXPECT_STREQ(gStyle.mBrushSetName, "Brushes");
}

TEST_F(SetsTest, GradientSetLoadsItsGradientsAndSelectsItsCurrentOne) {
    WriteGradient("Warm", 11);
    WriteGradient("Cool", 22);
    StyleRecord mySet = gStyle;
    Name(mySet.mGradNames[0], "Warm");
    Name(mySet.mGradNames[6], "Cool");
    mySet.mCurrentGrad = 7;
    Write("Settings/Pair.gst", StyleSetBytes(*SetFindFormat(kSetGradient), mySet));
    ASSERT_TRUE(LoadAs(kPopupGradientSet, "Pair"));
    EXPECT_EQ(gAlertText[0], 0) << gAlertText;
    EXPECT_STREQ(gStyle.mGradNames[0], "Warm");
    EXPECT_STREQ(gStyle.mGradNames[6], "Cool");
    EXPECT_EQ(gGradData[6].mBrushGrad[0], 22);
    EXPECT_EQ(gCurrentGrad, 6);
    EXPECT_EQ(gStyle.mCurrentGrad, 7);
    EXPECT_STREQ(gStyle.mGradSetName, "Pair");
}

TEST_F(SetsTest, BrushAttachedToGradientFiveLoadsTheSetsFifthGradientIntoSlotFive) {
    WriteGradient("Fifth", 55);
    StyleRecord mySet = gStyle;
    // Every gradient of the set differs from the loaded ones, but only the attached one is wanted.
    for (auto& myField : mySet.mGradNames)
        Name(myField, "Elsewhere");
    Name(mySet.mGradNames[4], "Fifth");
    mySet.mCurrentBrush = 2;
    mySet.mAttachments[1].mAttached = 1;
    mySet.mAttachments[1].mAttachGradient = 5;
    Write("Settings/Attached.bst", BrushSetFile(mySet, 'B'));
    ASSERT_TRUE(LoadAs(kPopupBrushSet, "Attached"));
    EXPECT_EQ(gAlertText[0], 0) << gAlertText;
    EXPECT_STREQ(gStyle.mGradNames[4], "Fifth");
    EXPECT_EQ(gGradData[4].mFillGrad[0], 55);
    EXPECT_STREQ(gStyle.mGradNames[3], "Lunar_Lookout");
    EXPECT_EQ(gStyle.mAttachments[1].mAttachGradient, 5);
    EXPECT_EQ(gCurrentBrush, 1);
    // The brush's attachment made its gradient current.
    EXPECT_EQ(gCurrentGrad, 4);
    EXPECT_STREQ(gStyle.mBrushSetName, "Attached");
}

TEST_F(SetsTest, OlderBrushSetHasNoFillsToLoad) {
    StyleRecord mySet = gStyle;
    for (auto& myField : mySet.mFillNames)
        Name(myField, "Missing");
    mySet.mAttachments[0].mAttachFill = 3;
    mySet.mAttachments[0].mAttached = 1;
    Write("Settings/Old.bst", BrushSetFile(mySet, 'b'));
    ASSERT_TRUE(LoadAs(kPopupBrushSet, "Old"));
    EXPECT_EQ(gAlertText[0], 0) << gAlertText;
    EXPECT_STREQ(gStyle.mFillNames[2], "Spiroval_Twist");
    EXPECT_EQ(gStyle.mAttachments[0].mAttachFill, 3);

    // The newer form tries the attached fill, which is not there.
    Write("Settings/New.bst", BrushSetFile(mySet, 'B'));
    ASSERT_TRUE(LoadAs(kPopupBrushSet, "New"));
    EXPECT_STREQ(gAlertText, "Unable to open or find fill!");
    EXPECT_STREQ(gStyle.mFillNames[2], "(None)");
    EXPECT_STREQ(gStyle.mFillNames[1], "Astral_Quilt") << "only the attached slot was tried";
}

TEST_F(SetsTest, MovementSetBringsItsParameters) {
    StyleRecord mySet = gStyle;
    mySet.mCurrentMove = 4;
    mySet.mMoveParam[3].mValue[0] = 42;
    mySet.mMoveParam[3].mFixed[0] = 1;
    Write("Settings/Params.mst", StyleSetBytes(*SetFindFormat(kSetMove), mySet));
    ASSERT_TRUE(LoadAs(kPopupMoveSet, "Params"));
    EXPECT_EQ(gStyle.mMoveParam[3].mValue[0], 42);
    EXPECT_EQ(gStyleStart.mMoveParam[3].mValue[0], 42) << "no track runs: the start record follows";
    EXPECT_EQ(gCurrentMove, 3);
    EXPECT_EQ(gEditsRave[kEditParam1], 42);
}

TEST_F(SetsTest, SaveLoadRoundTripOfEveryKindIsByteIdentical) {
    WriteGradient("Warm", 1);
    WriteGradient("Cool", 2);
    for (int i = 0; i < kGradSlots; ++i)
        LoadGradient(i % 2 ? "Cool" : "Warm", static_cast<char>(i), 0, 0, nullptr, 1);
    gStyle.mCurrentGrad = 6;
    gStyle.mCurrentFill = 5;
    gStyle.mCurrentMove = 3;
    gStyle.mCurrentBrush = 4;
    gStyle.mMoveParam[2].mValue[2] = 13;
    gStyle.mAttachments[3].mAttached = 1;
    gStyle.mAttachments[3].mAttachGradient = 6;
    const std::pair<uint16_t, const char*> myKinds[] = {{kPopupGradientSet, "Settings/Trip.gst"},
                                                        {kPopupFillSet, "Settings/Trip.fst"},
                                                        {kPopupMoveSet, "Settings/Trip.mst"},
                                                        {kPopupBrushSet, "Settings/Trip.bst"}};
    std::vector<std::vector<uint8_t>> myFirst;
    for (const auto& [myPopup, myPath] : myKinds) {
        ASSERT_TRUE(SaveAs(myPopup, "Trip"));
        myFirst.push_back(Read(myPath));
    }
    // Everything the sets hold is changed before they come back.
    for (int i = 0; i < kGradSlots; ++i)
        LoadGradient("(None)", static_cast<char>(i), 0, 0, nullptr, 1);
    std::memset(gStyle.mAttachments, kNotSet, sizeof(gStyle.mAttachments));
    gStyle.mCurrentGrad = gStyle.mCurrentFill = gStyle.mCurrentMove = gStyle.mCurrentBrush = 1;
    gStyle.mMoveParam[2].mValue[2] = 0;
    for (size_t i = 0; i < std::size(myKinds); ++i) {
        ASSERT_TRUE(LoadAs(myKinds[i].first, "Trip"));
        ASSERT_TRUE(SaveAs(myKinds[i].first, "Trip"));
        EXPECT_EQ(Read(myKinds[i].second), myFirst[i]) << myKinds[i].second;
    }
    EXPECT_STREQ(gStyle.mGradNames[5], "Cool");
}

TEST_F(SetsTest, MissingOrWrongSetsSayTheirMessageAndChangeNothing) {
    const std::pair<uint16_t, const char*> myKinds[] = {{kPopupGradientSet, "Not a valid gradient set file!"},
                                                        {kPopupFillSet, "Not a valid fill set file!"},
                                                        {kPopupMoveSet, "Not a valid movement set file!"},
                                                        {kPopupBrushSet, "Not a valid brush set file!"}};
    // A fill set where a gradient set should be, and so on round.
    Write("Settings/Wrong.gst", std::vector<uint8_t>(kSetSizeGradient, 'f'));
    Write("Settings/Wrong.fst", std::vector<uint8_t>(kSetSizeFill, 'g'));
    Write("Settings/Wrong.mst", std::vector<uint8_t>(kSetSizeMove, 'B'));
    Write("Settings/Wrong.bst", std::vector<uint8_t>(kSetSizeBrush, 'm'));
    const std::vector<uint8_t> myBefore = Bytes(gStyle);
    for (const auto& [myPopup, myMessage] : myKinds) {
        gAlertText[0] = 0;
        EXPECT_FALSE(LoadAs(myPopup, "Wrong"));
        EXPECT_STREQ(gAlertText, myMessage);
        gAlertText[0] = 0;
        EXPECT_FALSE(LoadAs(myPopup, "Absent"));
        EXPECT_STREQ(gAlertText, "Unable to load file set!");
        EXPECT_EQ(Bytes(gStyle), myBefore);
    }
}

TEST_F(SetsTest, CutOrNonsenseSetsAreRefusedWhole) {
    StyleRecord mySet = gStyle;
    for (auto& myField : mySet.mBrushNames)
        Name(myField, "Missing");
    std::vector<uint8_t> myCut = BrushSetFile(mySet, 'B');
    myCut.pop_back();
    Write("Settings/Cut.bst", myCut);
    std::vector<uint8_t> myBadSlot = BrushSetFile(mySet, 'B');
    myBadSlot[5] = 7; // current brush 7 of 6
    Write("Settings/Slot.bst", myBadSlot);
    const std::vector<uint8_t> myBefore = Bytes(gStyle);
    for (const char* myName : {"Cut", "Slot"}) {
        gAlertText[0] = 0;
        EXPECT_FALSE(LoadAs(kPopupBrushSet, myName));
        EXPECT_STREQ(gAlertText, "Not a valid brush set file!");
        EXPECT_EQ(Bytes(gStyle), myBefore);
    }
}

} // namespace
