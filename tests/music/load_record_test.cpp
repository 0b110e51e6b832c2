// Load records: every component type and slot decodes to itself, the codes files have always held read as
// before, and a replayed load of gradient slot 8 loads that gradient; a movement's new parameters reach the
// rave's later records of its slot.
#include "music_fixture.h"

#include "engine/movement.h"

TEST(LoadRecord, EveryKindAndSlotDecodesToItself) {
    const struct {
        int mType;
        int mFirst, mLast;
    } kKinds[] = {{0, 0, 0}, {1, 1, 8}, {2, 0, 0}, {3, 0, 0}, {4, 1, 6}, {9, 1, 6}, {10, 1, 6}};
    std::vector<int8_t> mySeen;
    for (const auto& myKind : kKinds) {
        for (int mySlot = myKind.mFirst; mySlot <= myKind.mLast; ++mySlot) {
            const int8_t myCode = ExecuteLoadCode(myKind.mType, mySlot);
            int myType = -1, myDecoded = -1;
            ExecuteLoadDecode(myCode, myType, myDecoded);
            EXPECT_EQ(myType, myKind.mType) << myKind.mType << "/" << mySlot;
            EXPECT_EQ(myDecoded, mySlot) << myKind.mType << "/" << mySlot;
            EXPECT_GE(myCode, -126) << "a load record, never a change or beat record";
            EXPECT_EQ(std::count(mySeen.begin(), mySeen.end(), myCode), 0) << "codes are unique";
            mySeen.push_back(myCode);
            // Every case but gradient slot 8 keeps the code the files have always held.
            if (!(myKind.mType == 1 && mySlot == 8)) {
                EXPECT_EQ(myCode, myKind.mType * 8 + mySlot - 126);
            }
        }
    }
    // What the old coding stored for gradient slot 8 is the brush colour effect's code, and reads as that.
    int myType, mySlot;
    ExecuteLoadDecode(static_cast<int8_t>(1 * 8 + 8 - 126), myType, mySlot);
    EXPECT_EQ(myType, 2);
    EXPECT_EQ(mySlot, 0);
}

TEST_F(MusicTest, ReplayedLoadOfGradientSlotEightLoadsThatGradient) {
    WriteGradient("Eighth", 42);
    Name(gStyle.mBrushColorEffect, "(None)");
    MusicPlay(0, 0);
    Run(700);
    ASSERT_TRUE(LoadGradient("Eighth", 7, 1, 0, nullptr, 1));
    const editRecord& myRecord = gEditsList[gEditsCurrent];
    EXPECT_EQ(myRecord.mEdits[0], ExecuteLoadCode(1, 8));
    EXPECT_STREQ(reinterpret_cast<const char*>(myRecord.mEdits + 1), "Eighth");
    Name(gStyle.mGradNames[7], "(None)");
    gGradData[7] = GradientData{};
    gAlertText[0] = 0;
    ExecuteLoads(myRecord.mEdits);
    EXPECT_STREQ(gStyle.mGradNames[7], "Eighth");
    EXPECT_EQ(gGradData[7].mBrushGrad[0], 42);
    EXPECT_STREQ(gStyle.mBrushColorEffect, "(None)") << "the brush colour effect is left alone";
    EXPECT_STREQ(gAlertText, "");
}

TEST_F(MusicTest, NewMovementParametersReachLaterRecordsOfTheSlot) {
    MusicPlay(0, 0);
    auto myAdd = [](int8_t myMove, int8_t myParam1, int8_t myParam2) {
        gEditsRave[kEditMove] = myMove;
        gEditsRave[kEditParam1] = myParam1;
        gEditsRave[kEditParam2] = myParam2;
        gBeatLast += 100;
        ExecuteInsert(kRecordChange, nullptr);
    };
    myAdd(2, 10, 11);
    const int myFirst = gEditsCurrent;
    myAdd(2, -12, 13); // parameter 1 set here by hand: it stays
    myAdd(3, 14, 15);  // another slot
    gEditsCurrent = 0;
    gMovements[1].mLock[0] = 50;
    gMovements[1].mLock[1] = 60;
    gMovements[1].mLock[2] = 70;
    gCurrentMove = 1;
    gMovements[1].MEffectResetPar(1, nullptr);
    EXPECT_EQ(gEditsList[myFirst].mEdits[kEditParam1], 50);
    EXPECT_EQ(gEditsList[myFirst].mEdits[kEditParam2], 60);
    const int mySecond = gEditsList[myFirst].mNext;
    EXPECT_EQ(gEditsList[mySecond].mEdits[kEditParam1], -12);
    EXPECT_EQ(gEditsList[mySecond].mEdits[kEditParam2], 60);
    const int myThird = gEditsList[mySecond].mNext;
    EXPECT_EQ(gEditsList[myThird].mEdits[kEditParam1], 14);
    EXPECT_EQ(gEditsRave[kEditParam1], 50) << "the current movement's values are the rave's now";
}
