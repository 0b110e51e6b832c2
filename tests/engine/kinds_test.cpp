// The table of component kinds: every way of naming a kind finds the same row, and each slot kind's loader
// puts a file of its own folder into a slot of the running picture, or empties the slot when the file is
// missing.
#include "../program/test_library.h"
#include "engine/execute.h"
#include "engine/kinds.h"
#include "storage/pop_list.h"
#include "style_fixture.h"

namespace {
class KindsTest : public StyleFolderTest {};
} // namespace

TEST(Kinds, EveryNameOfAKindFindsItsRow) {
    for (const ComponentKind& myKind : kKinds) {
        EXPECT_EQ(KindOfType(myKind.mType), &myKind) << myKind.mWord;
        EXPECT_EQ(KindOfPopup(myKind.mPopup), &myKind) << myKind.mWord;
        if (!myKind.mCurrent) {
            EXPECT_EQ(myKind.mEdit, 0) << myKind.mWord << ": an effect has no slot to select";
            continue;
        }
        EXPECT_EQ(KindOfEdit(myKind.mEdit), &myKind) << myKind.mWord;
        EXPECT_EQ(KindOfChannel(myKind.mChannel), &myKind) << myKind.mWord;
        EXPECT_NE(myKind.mList, nullptr) << myKind.mWord;
    }
    EXPECT_EQ(KindOfEdit(kEditSpread), nullptr);
    EXPECT_EQ(KindOfChannel(kChannelColor), nullptr);
    EXPECT_EQ(KindOfPopup(kPopupStyle), nullptr);
}

TEST_F(KindsTest, SlotKindsLoadTheirFilesAndEmptyTheSlotForAMissingOne) {
    ASSERT_TRUE(TestWriteLibrary(mRoot, 12000));
    const std::pair<int, const char*> kFiles[] = {
        {kEditGradient, "Waves"}, {kEditFill, "Checks"}, {kEditBrush, "Disc"}, {kEditMove, "Circle"}};
    for (const auto& [myEdit, myFile] : kFiles) {
        const ComponentKind& myKind = *KindOfEdit(myEdit);
        EXPECT_TRUE(myKind.mLoad(myFile, 1, 0, 1, 0)) << myKind.mWord;
        EXPECT_STREQ(KindName(myKind, 1), myFile) << myKind.mWord;
        EXPECT_FALSE(myKind.mLoad("Missing", 1, 0, 1, 0)) << myKind.mWord;
        EXPECT_STREQ(KindName(myKind, 1), kNoName) << myKind.mWord;
    }
}

// A random file is never the one the current slot holds: with no other file in the list none loads, and a
// listed file that has gone from the folder is passed over.
TEST_F(KindsTest, ARandomFileIsAnotherOne) {
    ASSERT_TRUE(TestWriteLibrary(mRoot, 12000));
    const ComponentKind& myKind = *KindOfEdit(kEditFill);
    ASSERT_TRUE(myKind.mLoad("Checks", *myKind.mCurrent, 0, 1, 0));
    char myList[kPopupListSize] = "Checks         \r";
    EXPECT_FALSE(ExecuteRandomComponent(myKind.mPopup, myList, 0));
    EXPECT_STREQ(KindName(myKind, *myKind.mCurrent), "Checks");
    std::strcat(myList, "Missing        \r");
    EXPECT_TRUE(ExecuteRandomComponent(myKind.mPopup, myList, 0));
    EXPECT_STREQ(KindName(myKind, *myKind.mCurrent), "Checks");
}
