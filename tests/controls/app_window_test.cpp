// Closing and opening the animation window, leaving the program and coming back, and a song that ends while
// a name is being typed.
#include "controls/app_window.h"
#include "controls_fixture.h"
#include "music/music.h"

namespace {
class AppWindowTest : public ControlsTest {};
} // namespace

TEST_F(AppWindowTest, ClosingThePictureCollapsesTheControlsAndOpeningExpandsThemAgain) {
    WindowShow(kWinPaint, true, true);
    ShowControls(true);
    Char('v');
    EXPECT_EQ(gStatePaint, 0);
    EXPECT_EQ(gStateColorChange, 0);
    EXPECT_FALSE(WindowVisible(kWinPaint));
    EXPECT_EQ(gStateExpand, 0);
    EXPECT_EQ(gStateControlsExpand, 1);
    EXPECT_TRUE(WindowVisible(kWinControls));
    EXPECT_EQ(gStatePaintClose, 0) << "closed by the user, not by leaving";
    Char(' ');
    EXPECT_EQ(gStateControlsVisible, 1) << "without the picture the controls cannot be hidden";
    Char('v');
    EXPECT_EQ(gStatePaint, 1);
    EXPECT_TRUE(WindowVisible(kWinPaint));
    EXPECT_EQ(gStateExpand, 1);
    EXPECT_EQ(gStateControlsExpand, 0);
}

TEST_F(AppWindowTest, LeavingClosesThePictureUntilTheUserIsBack) {
    WindowShow(kWinPaint, true, true);
    ShowControls(false);
    MainLeaveApp();
    EXPECT_EQ(gStateOutsideApp, 1);
    EXPECT_EQ(gStatePaint, 0);
    EXPECT_EQ(gStatePaintClose, 1);
    EXPECT_TRUE(WindowVisible(kWinControls)) << "a click on them brings the program back";
    MainLeaveApp();
    EXPECT_EQ(gStatePaintClose, 1);
    MouseKeyTogglePaint(0);
    EXPECT_EQ(gStateOutsideApp, 0);
    EXPECT_EQ(gStatePaint, 1);
    EXPECT_EQ(gStatePaintClose, 0);
    EXPECT_EQ(gStatePalChange, 1);
}

TEST_F(AppWindowTest, ASongEndingWhileANameIsTypedWaitsForTheEntry) {
    ShowControls(true);
    gTimer = ClockTicks();
    gStatePlay = 1;
    gTrackCurrent = 2;
    Char(';');
    ClockAdvance(gSongLength + 1);
    AnimateMain();
    EXPECT_EQ(gStatePlay, 0) << "the song stopped rather than skipping on";
    EXPECT_EQ(gStateEndSong, 1);
    EXPECT_EQ(gTrackCurrent, 2);
    Type("Late");
    KeyDown(kVKEscape);
    EXPECT_EQ(gStateEndSong, 0);
    EXPECT_EQ(gStatePlay, 1) << "the entry over, the next song plays";
    EXPECT_EQ(gTrackCurrent, 3);
}
