// The controls on the disc: the volume keys set the player's loudness, "=" saves the attached rave again,
// the song box follows the track's title, and the track and fast-skip buttons act on the disc.
#include "controls/file_popup.h"
#include "controls/mouse.h"
#include "controls_fixture.h"
#include "core/alert.h"
#include "platform/cdaudio.h"
#include "platform/window.h"

namespace {
class DiscKeysTest : public ControlsTest {
  protected:
    void Click(int myX, int myY) {
        // The button is released before the click is read, so a held button ends at once.
        WindowQueueMessage(kMsgButtonUp, kWinControls, 0, 0, myX, myY);
        MouseClickControls(myX, myY, ClockTicks(), 0);
        for (Message myMessage; WindowPeekMessage(myMessage, true);) {
        }
    }
    std::vector<uint8_t> SongBox() {
        std::vector<uint8_t> myPixels;
        for (int myY = gRectRave.top; myY < gRectRave.bottom; ++myY)
            for (int myX = gRectRave.left; myX < gRectRave.right; ++myX)
                myPixels.push_back(Pixel(myX, myY));
        return myPixels;
    }
};
} // namespace

TEST_F(DiscKeysTest, VolumeKeysSetTheLoudnessOfTheDiscPlayer) {
    CDAudioResetState();
    gStateCDDriver = 1;
    Type("100");
    KeyDown(kVKUp);
    EXPECT_EQ(gVolume, 100);
    EXPECT_EQ(CDAudioVolume(), 100);
    KeyDown(kVKDown);
    EXPECT_EQ(CDAudioVolume(), 68);
    gStateCDDriver = 0;
    KeyDown(kVKDown);
    EXPECT_EQ(gVolume, 36);
    EXPECT_EQ(CDAudioVolume(), 68) << "without a player there is no disc to make quieter";
    CDAudioResetState();
}

TEST_F(DiscKeysTest, EqualsSavesTheAttachedRaveAgainUnderItsName) {
    Char('=');
    EXPECT_STREQ(gAlertText, "A rave must be attached to use this command!");
    gAlertText[0] = 0;
    gPopup = kPopupRave;
    std::strcpy(gEditableText, "Night_Ride");
    ASSERT_TRUE(FileSaveToDisk());
    ASSERT_EQ(gCDSet[0].mAttach, 1);
    const std::filesystem::path myRave = mRoot / "Raves" / gCDDirectory / "Night_Ride.R01";
    ASSERT_TRUE(std::filesystem::exists(myRave));
    std::filesystem::remove(myRave);
    gPopup = kPopupStyle;
    gEditableText[0] = 0;
    Char('=');
    EXPECT_TRUE(std::filesystem::exists(myRave));
    EXPECT_EQ(gPopup, kPopupStyle) << "the command that asked for a name before is kept";
    EXPECT_STREQ(gAlertText, "");
}

TEST_F(DiscKeysTest, TheSongBoxFollowsTheTitleAndTheRaveOfTheTrack) {
    ShowControls(false);
    const std::vector<uint8_t> myUntitled = SongBox();
    std::strcpy(gCDSet[0].mName, "Blue_Moon");
    DrawUpdateLive();
    const std::vector<uint8_t> myTitled = SongBox();
    EXPECT_NE(myTitled, myUntitled) << "a title given while the track plays shows at once";
    gCDSet[0].mAttach = 1;
    DrawUpdateLive();
    EXPECT_NE(SongBox(), myTitled) << "a rave attached turns the box to \"Rave:\" in blue";
    std::memset(gCDSet, 0, sizeof(gCDSet));
    DrawUpdateLive();
    EXPECT_EQ(SongBox(), myUntitled);
}

TEST_F(DiscKeysTest, TrackButtonsAfterAnEjectStartFromEitherEnd) {
    ShowControls(false);
    gTrackCurrent = -1;
    Click(144, 10);
    EXPECT_EQ(gTrackCurrent, 0) << "Next with no track is the first one";
    gTrackCurrent = -1;
    Click(49, 10);
    EXPECT_EQ(gTrackCurrent, 8) << "Previous with no track is the last one";
    Click(49, 10);
    EXPECT_EQ(gTrackCurrent, 7);
}

TEST_F(DiscKeysTest, FastForwardNeedsASongButRewindWorksStopped) {
    ShowControls(false);
    Click(68, 10);
    EXPECT_STREQ(gAlertText, "");
    EXPECT_EQ(gStatePlay, 0);
    Click(125, 10);
    EXPECT_STREQ(gAlertText, "The song must be playing or paused to use this feature!");
}

TEST_F(DiscKeysTest, NamesTypedForRavesAndTheFinalCD) {
    gPopup = kPopupRave;
    std::strcpy(gEditableText, "Night_Ride");
    ASSERT_TRUE(FileSaveToDisk());
    // The same rave name typed again asks before the file is replaced.
    ShowControls(true);
    MouseKeyOpenTextEntry();
    Type("Night Ride");
    Char(13);
    EXPECT_EQ(gPanel, kPanelReplace);
    Char(13);
    EXPECT_NE(gPanel, kPanelReplace);
    // The final CD's name starts the master folder with an empty RaveSet of that name and the disc's raves.
    gPopup = kPopupMasterFolder;
    MouseKeyOpenTextEntry();
    Type("Party Mix");
    Char(13);
    EXPECT_TRUE(std::filesystem::exists(FileMasterFolder() + "Raves/Party_Mix.cds"));
    EXPECT_TRUE(std::filesystem::exists(FileMasterFolder() + "Raves/Night_Ride.R01"));
    EXPECT_NE(gPanel, kPanelTextEntry);
}
