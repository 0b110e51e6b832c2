// Popup menus: what they list, how the mouse, the wheel and the keys move in them, and what a choice does.
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "../platform/wav_writer.h"
#include "../players/fake_player.h"
#include "../players/private_bus.h"
#include "controls/popup.h"
#include "controls/preview.h"
#include "controls_fixture.h"
#include "core/display.h"
#include "core/popup_commands.h"
#include "music/music.h"
#include "platform/players.h"
#include "storage/pop_list.h"

namespace {

// What the test does on each turn of the menu's loop while it is open (the user's hand).
std::function<void(const PopMenuView&)> sHand;

void PopupTestTurn() {
    const PopMenuView myView = PopMenuShown();
    if (myView.mBox.Width() > 0 && sHand) sHand(myView);
}

class PopupTest : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        ASSERT_TRUE(ResourceDrawPicture(kPicturePopup, gWorldPopup));
        SurfaceSetColorKey(gWorldPopup, 255);
        ShowControls(true);
        WindowSetTurnHook(PopupTestTurn);
    }
    void TearDown() override {
        sHand = nullptr;
        ControlsTest::TearDown();
    }
    static void Key(uint32_t myKey, uint8_t myMods = 0) {
        WindowQueueMessage(kMsgKeyDown, kWinControls, myKey, 0, 0, 0, myMods);
    }
    // The middle of an item's row while it shows.
    static int RowY(const PopMenuView& myView, int myItem) {
        return myView.mBox.top + 1 + (myItem - myView.mFirst + (myView.mArrows ? 1 : 0)) * 12 + 6;
    }
    // Opens myMenu and clicks item myItem once it shows.
    static void ClickItem(uint16_t myMenu, int mySlot, int myItem, uint8_t myMods = 0) {
        sHand = [=](const PopMenuView& myView) {
            WindowQueueMessage(kMsgButtonDown, kWinControls, 0, 0, myView.mBox.left + 8, RowY(myView, myItem),
                               myMods);
            sHand = nullptr;
        };
        const Rect myArrow{353, 103, 363, 118};
        PopMenu(myMenu, mySlot, &myArrow);
    }
};

TEST_F(PopupTest, KeysMoveOverTheListAndEnterLoadsTheChoice) {
    for (const char* myName : {"Sunset", "aurora", "Moss"})
        WriteFile(std::string("Gradients/") + myName + ".gra", GradientFile());
    const Rect myArrow{353, 103, 363, 118};
    // Escape closes without a choice; the window shows the controls again and the meters come back.
    gStateAllVisible = 1;
    Key(kVKDown);
    Key(kVKEscape);
    PopMenu(kPopupGradients, 2, &myArrow);
    EXPECT_STREQ(gStyle.mGradNames[2], "(None)");
    EXPECT_EQ(gPopup, kPopupGradients);
    EXPECT_EQ(gStateAllVisible, 1);
    EXPECT_EQ(PopMenuShown().mBox.Width(), 0);
    // Sorted without regard to case: aurora, Moss, Sunset. End, then Up: Moss.
    Key(kVKEnd);
    Key(kVKUp);
    Key(kVKReturn);
    PopMenu(kPopupGradients, 2, &myArrow);
    EXPECT_STREQ(gStyle.mGradNames[2], "Moss");
    // Down from nothing inverted is the first item; Page Down stops at the last.
    Key(kVKDown);
    Key(kVKNext);
    Key(kVKReturn);
    PopMenu(kPopupGradients, 2, &myArrow);
    EXPECT_STREQ(gStyle.mGradNames[2], "Sunset");
}

TEST_F(PopupTest, ClicksChooseCommandsAndNamesButNotTheSeparator) {
    for (const char* myName : {"Disc", "Comet"})
        WriteFile(std::string("Brushes/") + myName + ".bru", {});
    StyleCopy(gStyle.mBrushNames[1], "Disc");
    std::memset(&gStyle.mAttachments[1], 3, sizeof(AttachRecord));
    // Attachments..., separator, (None), Comet, Disc.
    ClickItem(kPopupBrushes, 1, 1);
    EXPECT_EQ(gPanel, kPanelCD);
    EXPECT_EQ(gStyle.mAttachments[1].mAttachFill, 3);
    ClickItem(kPopupBrushes, 1, 0);
    EXPECT_EQ(gPanel, kPanelAttach);
    EXPECT_EQ(gPosition, 1);
    // The brush already in the slot stays, and lets go of everything attached to it.
    ClickItem(kPopupBrushes, 1, 4);
    EXPECT_STREQ(gStyle.mBrushNames[1], "Disc");
    EXPECT_EQ(gStyle.mAttachments[1].mAttachFill, kNotSet);
    EXPECT_EQ(gStyle.mAttachments[1].mAttachGradient, kNotSet);
}

TEST_F(PopupTest, LongListsScrollFasterAtTheArrowsRightEnd) {
    for (int i = 0; i < 60; ++i)
        WriteFile("Gradients/G" + std::to_string(100 + i) + ".gra", GradientFile());
    // Measures how long the list takes to move five rows with the cursor resting at myPart of the lower
    // middle arrow (0 its left end, 1 its right end).
    auto myScrollTime = [&](double myPart) {
        uint32_t myStart = 0, myTime = 0;
        sHand = [&](const PopMenuView& myView) {
            const int myY = myView.mBox.bottom - 7;
            const int myRight = myView.mBox.right - 15;
            WindowSetCursor(
                kWinControls,
                myView.mBox.left + 1 + static_cast<int>(myPart * (myRight - myView.mBox.left - 2)), myY);
            if (!myStart) myStart = ClockTicks();
            if (myView.mFirst >= 5 && !myTime) {
                myTime = ClockTicks() - myStart;
                Key(kVKEscape);
            }
        };
        const Rect myArrow{353, 103, 363, 118};
        PopMenu(kPopupGradients, 0, &myArrow);
        return myTime;
    };
    const uint32_t mySlow = myScrollTime(0.05), myFast = myScrollTime(0.9);
    EXPECT_GT(myFast, 0u);
    EXPECT_GT(mySlow, 3 * myFast);
    // The corner arrow goes to the end at once; Home comes back to the top.
    int myLast = -1, myShown = 0;
    sHand = [&](const PopMenuView& myView) {
        WindowSetCursor(kWinControls, myView.mBox.right - 4, myView.mBox.bottom - 7);
        if (myView.mFirst > 0) {
            myLast = myView.mFirst;
            myShown = myView.mRows - 2;
            sHand = nullptr;
            Key(kVKEscape);
        }
    };
    const Rect myArrow{353, 103, 363, 118};
    PopMenu(kPopupGradients, 0, &myArrow);
    EXPECT_EQ(myLast + myShown, 60);
}

TEST_F(PopupTest, TheWheelScrollsALongListThreeRowsANotchAndStopsAtItsEnds) {
    for (int i = 0; i < 60; ++i)
        WriteFile("Gradients/G" + std::to_string(100 + i) + ".gra", GradientFile());
    std::vector<int> myFirsts;
    int myTurn = 0;
    // A notch turned on one turn of the menu's loop is read on the next; every second turn looks and turns
    // again: down twice, then up by more than the list has moved.
    sHand = [&](const PopMenuView& myView) {
        const int myNotches[] = {-1, -1, 5};
        if (myTurn % 2 == 0) {
            myFirsts.push_back(myView.mFirst);
            if (myTurn / 2 < 3) {
                WindowQueueMessage(kMsgMouseWheel, kWinControls, 0, myNotches[myTurn / 2],
                                   myView.mBox.left + 8, myView.mBox.top + 20, 0);
            } else {
                sHand = nullptr;
                Key(kVKEscape);
            }
        }
        ++myTurn;
    };
    const Rect myArrow{353, 103, 363, 118};
    PopMenu(kPopupGradients, 0, &myArrow);
    ASSERT_EQ(myFirsts.size(), 4u);
    EXPECT_EQ(myFirsts[0], 0);
    EXPECT_EQ(myFirsts[1], 3);
    EXPECT_EQ(myFirsts[2], 6);
    EXPECT_EQ(myFirsts[3], 0) << "the top is as far as the wheel goes";
}

TEST_F(PopupTest, SetsAttachmentsTriggersAndDeletesByTheirMenus) {
    // Down myDowns times (the first inverts the top item), then Enter.
    auto myChoose = [](uint16_t myMenu, int myDowns) {
        for (int i = 0; i < myDowns; ++i)
            Key(kVKDown);
        Key(kVKReturn);
        const Rect myBox{283, 27, 397, 41};
        PopMenu(myMenu, -1, &myBox);
    };
    // Save Current..., Delete Sets..., separator, Warm: a brush holding a gradient keeps gradient sets out.
    WriteFile("Settings/Warm.gst", {});
    gStyle.mAttachments[2].mAttachGradient = 3;
    myChoose(kPopupGradientSet, 3);
    EXPECT_STREQ(gAlertText, "A gradient is attached to brush number 3. You cannot load a new set until all "
                             "gradients are detached.");
    // No Attachment, then the eight gradient slots: brush 2 takes slot 2.
    gPosition = 1;
    myChoose(321, 3);
    EXPECT_EQ(gStyle.mAttachments[1].mAttachGradient, 2);
    EXPECT_EQ(gStyle.mAttachments[1].mAttached, 1);
    myChoose(321, 0);
    EXPECT_EQ(gStyle.mAttachments[1].mAttachGradient, 2) << "Enter with nothing inverted chooses nothing";
    myChoose(321, 1);
    EXPECT_EQ(gStyle.mAttachments[1].mAttachGradient, kNotSet);
    EXPECT_EQ(gStyle.mAttachments[1].mAttached, 0);
    // The trigger menus store the written values: the second item is sequential (2), the third random (1).
    myChoose(333, 2);
    EXPECT_EQ(gStyle.mTrigger[kChannelBrush], 2);
    myChoose(333, 3);
    EXPECT_EQ(gStyle.mTrigger[kChannelBrush], 1);
    // Without a rave on the track, the song box's rave commands say so.
    myChoose(kPopupRave, 4);
    EXPECT_STREQ(gAlertText, "No rave to detach!");
    myChoose(kPopupRave, 5);
    EXPECT_STREQ(gAlertText, "No rave to upload! Make sure a rave is attached to this music track.");
    // Deleting the style in use: the file goes and the settings name none.
    WriteFile("Styles/Calm.sty", {});
    WriteFile("Styles/Busy.sty", {});
    StyleCopy(gStyle.mStyleName, "Calm");
    myChoose(kPopupStyle + 50, 2);
    EXPECT_FALSE(std::filesystem::exists(mRoot / "Styles" / "Calm.sty"));
    EXPECT_TRUE(std::filesystem::exists(mRoot / "Styles" / "Busy.sty"));
    EXPECT_STREQ(gStyle.mStyleName, "(None)");
}

TEST_F(PopupTest, ADriveTypedAsAPathIsCheckedBeforeItPlays) {
    // The last item of the drive menu asks for a path: slashes and dots go into the field, and a path that
    // leads nowhere says so and leaves the drive alone.
    Key(kVKEnd);
    Key(kVKReturn);
    const Rect myButton{210, 122, 266, 134};
    PopMenu(kPopupDrive, -1, &myButton);
    ASSERT_EQ(gPanel, kPanelTextEntry);
    const std::string myPath = (mRoot / "no such folder" / "disc.cue").string();
    Type(myPath);
    EXPECT_EQ(TextFieldText(), myPath);
    Char(13);
    EXPECT_EQ(std::string(gAlertText).rfind("Unable to play", 0), 0u) << gAlertText;
    EXPECT_NE(gPanel, kPanelTextEntry);
    EXPECT_FALSE(TextFieldExists());
}

TEST_F(PopupTest, TheParameterPanelRunsItsMovementInItsPreview) {
    ASSERT_TRUE(TestWriteLibrary(mRoot, 12000));
    ASSERT_TRUE(gMovements[2].MEffectLoad("Circle", 2, 1, 0, 0, nullptr, 1));
    gPosition = 2;
    DrawPanel(kPanelParameter);
    // The white head of the trail, inside the 16 x 16 preview at the panel's icon.
    auto myHead = [] {
        for (int y = 51; y < 67; ++y)
            for (int x = 11; x < 27; ++x)
                if (Pixel(x, y) == kColorWhite) return std::pair{x, y};
        return std::pair{-1, -1};
    };
    ASSERT_TRUE(PreviewParameterStep());
    const auto myFirst = myHead();
    EXPECT_GE(myFirst.first, 0);
    EXPECT_FALSE(PreviewParameterStep()) << "a step every 40 ms";
    const double myX = gX, myY = gY;
    std::pair<int, int> myLater = myFirst;
    for (int i = 0; i < 10 && myLater == myFirst; ++i) {
        ClockAdvance(40);
        ASSERT_TRUE(PreviewParameterStep());
        myLater = myHead();
    }
    EXPECT_NE(myLater, myFirst) << "the head moves along the path";
    EXPECT_EQ(gX, myX) << "the running picture's brush stays where it was";
    EXPECT_EQ(gY, myY);
}

} // namespace

namespace {
class PopupPlayersTest : public PopupTest {
  protected:
    PrivateBus mBus;
    void SetUp() override {
        PopupTest::SetUp();
        ASSERT_TRUE(mBus.Start());
        setenv("ORBEX_PLAYER_LATENCY", "0", 1);
    }
    void TearDown() override {
        PopupTest::TearDown();
        PlayersClose();
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
    // The drive menu's items and the framed one, as it shows when opened (closed again by Escape).
    static std::vector<std::string> DriveMenu(int& myMarked) {
        std::vector<std::string> myItems;
        sHand = [&](const PopMenuView& myView) {
            myMarked = myView.mMarked;
            std::string myText(gPopupList);
            for (size_t myAt = 0, myEnd; (myEnd = myText.find('\r', myAt)) != std::string::npos;
                 myAt = myEnd + 1)
                myItems.push_back(myText.substr(myAt, myEnd - myAt));
            Key(kVKEscape);
            sHand = nullptr;
        };
        const Rect myButton{210, 122, 266, 134};
        PopMenu(kPopupDrive, -1, &myButton);
        return myItems;
    }
};
const std::vector<FakeTrack> kAlbumA = {{"First", "Alpha Album", "Band A", 1, 180000000}};
const std::vector<FakeTrack> kAlbumB = {{"Other", "Beta Album", "Band B", 1, 200000000}};
} // namespace

TEST_F(PopupPlayersTest, TheDriveMenuListsThePlayersAndFollowsTheOneChosen) {
    // No players: the drives and the path entry alone.
    int myMarked = 0;
    std::vector<std::string> myItems = DriveMenu(myMarked);
    ASSERT_FALSE(myItems.empty());
    EXPECT_EQ(myItems.back(), "Open Folder or Image...");
    EXPECT_EQ(myMarked, -1);
    const size_t myDrives = myItems.size() > 1 ? myItems.size() - 2 : 0;

    FakePlayer myAlpha("alpha", kAlbumA), myBeta("beta", kAlbumB);
    myAlpha.Start();
    myBeta.Start();
    ASSERT_TRUE(PlayersOpen(""));
    FakePlayer::Tell("beta", "play");
    ASSERT_TRUE(Until([] { return gStatePlayer && std::string(gCDName) == "Beta_Album"; }));
    myItems = DriveMenu(myMarked);
    ASSERT_EQ(myItems.size(), myDrives + 4);
    EXPECT_EQ(myItems[myDrives], "alpha");
    EXPECT_EQ(myItems[myDrives + 1], "beta");
    EXPECT_EQ(myMarked, int(myDrives + 1)) << "the player playing is framed";

    // Alpha chosen while beta plays: beta's album goes, and alpha is followed once it plays, beta no more.
    ClickItem(kPopupDrive, -1, int(myDrives));
    EXPECT_EQ(gStatePlayer, 0);
    EXPECT_STREQ(gCDCode, "0000");
    DriveMenu(myMarked);
    EXPECT_EQ(myMarked, int(myDrives)) << "chosen, not yet playing";
    FakePlayer::Tell("alpha", "play");
    ASSERT_TRUE(Until([] { return gStatePlayer && std::string(gCDName) == "Alpha_Album"; }));
    FakePlayer::Tell("beta", "pause");
    FakePlayer::Tell("beta", "play");
    EXPECT_FALSE(Until([] { return std::string(gCDName) != "Alpha_Album"; }));
    DriveMenu(myMarked);
    EXPECT_EQ(myMarked, int(myDrives));

    // A folder opened from the menu takes the player's place; the players stay listed beside it.
    std::filesystem::create_directories(mRoot / "music");
    WavWrite(mRoot / "music" / "01.wav", 44100, 2, 16, std::vector<double>(44100, 0.25));
    PopOpenSource((mRoot / "music").c_str());
    EXPECT_TRUE(gStateCD && !gStatePlayer);
    myItems = DriveMenu(myMarked);
    ASSERT_EQ(myItems.size(), myDrives + 5);
    EXPECT_EQ(myItems[myMarked], "music (current)");
    EXPECT_EQ(myItems[myDrives + 1], "alpha");
}
