// The controls window's drawing: number formats, the track digits, counters, empty attachment sliders, names
// cut to their boxes, expanding and collapsing, and the parts that follow the program's state.
#include <unistd.h>

#include <cstring>

#include "controls_fixture.h"
#include "core/alert.h"
#include "engine/animate.h"
#include "resources/art_font.h"
#include "resources/controls_art.h"

namespace {
class DrawTest : public ControlsTest {
  protected:
    // True when the window's rectangle shows exactly the picture's rectangle (index 255 of the picture left
    // out, as a keyed copy leaves it).
    static bool ShowsPicture(const Rect& myWindow, const Surface& myPicture, const Rect& myPart) {
        for (int y = 0; y < myPart.Height(); ++y)
            for (int x = 0; x < myPart.Width(); ++x) {
                const uint8_t myIndex = myPicture.Row(myPart.top + y)[myPart.left + x];
                if (myIndex != 255 && Pixel(myWindow.left + x, myWindow.top + y) != myIndex) return false;
            }
        return true;
    }
    // How many pixels of a rectangle have this index.
    static int Count(const Rect& myRect, uint8_t myIndex) {
        int myCount = 0;
        for (int y = myRect.top; y < myRect.bottom; ++y)
            for (int x = myRect.left; x < myRect.right; ++x)
                myCount += Pixel(x, y) == myIndex;
        return myCount;
    }
    // The text as the controls draw it, on a scratch surface of the rectangle's size: which pixels it sets.
    static std::vector<bool> Lettering(const char* myText, int myWidth, int myHeight, int myX,
                                       int myBaseline) {
        Surface myScratch;
        SurfaceCreate(myScratch, myWidth, myHeight);
        ArtText(myScratch, myX, myBaseline, myText, 1, kArtFontPlain, 0);
        std::vector<bool> mySet;
        for (uint8_t myIndex : myScratch.mPixels)
            mySet.push_back(myIndex == 1);
        return mySet;
    }
};
} // namespace

TEST(DrawFormat, TempoTimesAndCounters) {
    struct {
        const char* mIn;
        const char* mOut;
    } const kTempos[] = {
        {"0", "0.00"}, {"5", "0.05"}, {"50", "0.50"}, {"12050", "120.50"}, {"24000", "240.00"}};
    for (const auto& myCase : kTempos) {
        char myText[16];
        std::strcpy(myText, myCase.mIn);
        DrawConvertBPM(myText);
        EXPECT_STREQ(myText, myCase.mOut);
    }
    char myText[16];
    DrawFormatBPM(9600, myText);
    EXPECT_STREQ(myText, "96.00");
    DrawFormatTime(187, myText);
    EXPECT_STREQ(myText, "03:07");
    DrawFormatTime(60, myText);
    EXPECT_STREQ(myText, "01:00");
    DrawFormatCounter(0, myText);
    EXPECT_STREQ(myText, "Off");
    DrawFormatCounter(1, myText);
    EXPECT_STREQ(myText, "1 beat");
    DrawFormatCounter(64, myText);
    EXPECT_STREQ(myText, "64 beats");
}

TEST_F(DrawTest, TheTrackNumberShowsTwoDigitsFromOne) {
    ShowControls(true);
    const Rect myTens{kLayoutTrackDigits.left, kLayoutTrackDigits.top,
                      kLayoutTrackDigits.left + kArtDigitWidth, kLayoutTrackDigits.bottom};
    const Rect myOnes{myTens.right, myTens.top, myTens.right + kArtDigitWidth, myTens.bottom};
    for (auto [myTrack, myDigits] : {std::pair{8, "09"}, std::pair{98, "99"}, std::pair{0, "01"}}) {
        gTrackCurrent = static_cast<int8_t>(myTrack);
        DrawDisplayCDTrack();
        EXPECT_TRUE(ShowsPicture(myTens, gWorldDisplay, ArtDigitRect(myDigits[0] - '0'))) << myDigits;
        EXPECT_TRUE(ShowsPicture(myOnes, gWorldDisplay, ArtDigitRect(myDigits[1] - '0'))) << myDigits;
    }
}

TEST_F(DrawTest, CounterTextsReadOffOneBeatAndBeats) {
    ShowControls(true);
    const int myX = gPanelPos[104 - kColumnFirst][0], myY = gPanelPos[104 - kColumnFirst][1];
    const Rect myTextArea{myX + 73, myY - 12, myX + 127, myY};
    for (auto [myValue, myText] : {std::pair{0, "Off"}, std::pair{1, "1 beat"}, std::pair{64, "64 beats"}}) {
        DrawBeatCounterSlider(104, static_cast<short>(myValue), 1, 1);
        const std::vector<bool> myExpected = Lettering(myText, myTextArea.Width(), myTextArea.Height(), 0, 9);
        for (int y = 0; y < myTextArea.Height(); ++y)
            for (int x = 0; x < myTextArea.Width(); ++x)
                ASSERT_EQ(Pixel(myTextArea.left + x, myTextArea.top + y) == 0,
                          myExpected[static_cast<size_t>(y * myTextArea.Width() + x)])
                    << myText << " at " << x << "," << y;
    }
    // The nub sits value pixels right of the track's start: a counter of 64 at its far end.
    EXPECT_TRUE(ShowsPicture({myX + 65, myY - 12, myX + 71, myY - 1}, gWorldPanelArt, kArtNub));
}

TEST_F(DrawTest, AnAttachmentSliderWithoutAttachmentShowsNoneAndNoNub) {
    ShowControls(true);
    gPosition = 2;
    gPanelAttach = kAttachEffects;
    std::memset(&gStyle.mAttachments[2], 0x80, sizeof(AttachRecord));
    DrawPanel(kPanelAttach);
    for (int x = gRectHSlider.left; x < gRectHSlider.right - 6; ++x)
        EXPECT_FALSE(
            ShowsPicture({x, gRectHSlider.top + 1, x + 6, gRectHSlider.top + 12}, gWorldPanelArt, kArtNub))
            << "a nub at " << x;
    // The value box reads "(None)".
    const std::vector<bool> myNone =
        Lettering("(None)", gRectPanelBox3.Width(), gRectPanelBox3.Height(),
                  (gRectPanelBox3.Width() - ArtTextWidth("(None)", kArtFontPlain, 0)) / 2,
                  (gRectPanelBox3.Height() + kArtFontCapHeight) / 2);
    int myDifferent = 0;
    for (int y = 0; y < gRectPanelBox3.Height(); ++y)
        for (int x = 0; x < gRectPanelBox3.Width(); ++x)
            myDifferent += (Pixel(gRectPanelBox3.left + x, gRectPanelBox3.top + y) == 250) !=
                           myNone[static_cast<size_t>(y * gRectPanelBox3.Width() + x)];
    EXPECT_EQ(myDifferent, 0);

    gStyle.mAttachments[2].mAttachBrushSpeed = 120;
    DrawPanelContents();
    EXPECT_TRUE(ShowsPicture(
        {gRectHSlider.left + 127, gRectHSlider.top + 1, gRectHSlider.left + 133, gRectHSlider.top + 12},
        gWorldPanelArt, kArtNub))
        << "attached at its maximum, the nub stands at the right end";
}

TEST_F(DrawTest, ALongNameIsCutAtTheRightOnOneLine) {
    ShowControls(true);
    StyleCopy(gStyle.mBrushNames[1], "Wide_MMMMMMMMMM");
    gStyle.mBrushNames[2][0] = 0;
    DrawUpdateLive();
    const Rect myRow = LayoutListRow(gRectBrushes, 1, kLayoutListRowHeight);
    const Rect myName{myRow.left + kLayoutListNameLeft, myRow.top, myRow.right - kLayoutArrowZone,
                      myRow.bottom};
    // White lettering only within the name's room (its width less 11), never on another line.
    int myLettering = 0;
    for (int y = myRow.top; y < myRow.bottom; ++y)
        for (int x = myName.left; x < myRow.right; ++x)
            if (Pixel(x, y) == 255) {
                ++myLettering;
                EXPECT_LT(x, myName.right - 8);
            }
    EXPECT_GT(myLettering, 20);
    for (int y = myRow.bottom; y < myRow.bottom + kLayoutListRowHeight; ++y)
        for (int x = myName.left; x < myName.right; ++x)
            ASSERT_NE(Pixel(x, y), 255) << "the next row holds no part of the name";
    // The cut name is what is shown: the blanks of the name and as many letters as fit.
    std::string myShown = "Wide MMMMMMMMMM";
    while (ArtTextWidth(myShown.c_str(), kArtFontPlain, 0) > myName.Width() - 11)
        myShown.pop_back();
    EXPECT_LT(myShown.size(), 15u);
    const std::vector<bool> myExpected = Lettering(myShown.c_str(), myName.Width(), myName.Height(), 3,
                                                   (myName.Height() + kArtFontCapHeight) / 2);
    for (int y = 0; y < myName.Height(); ++y)
        for (int x = 0; x < myName.Width(); ++x)
            if (myExpected[static_cast<size_t>(y * myName.Width() + x)]) {
                ASSERT_EQ(Pixel(myName.left + x, myName.top + y), 255);
            }
}

TEST_F(DrawTest, ExpandingAndCollapsing) {
    ShowControls(false);
    EXPECT_EQ(DrawSurface().mWidth, kControlsWidth);
    EXPECT_EQ(DrawSurface().mHeight, kControlsHeight);
    DrawPanel(kPanelBrush);
    DrawResizeControls(0);
    EXPECT_EQ(gStateExpand, 1);
    EXPECT_EQ(gStateAllVisible, 1);
    EXPECT_EQ(DrawSurface().mWidth, kControlsWidth + 191);
    EXPECT_EQ(DrawSurface().mHeight, kControlsHeight + 295);
    DrawResizeControls(0);
    EXPECT_EQ(gStateExpand, 0);
    EXPECT_EQ(gPanel, kPanelCD) << "collapsed, the CD panel shows";
    EXPECT_EQ(DrawSurface().mWidth, kControlsWidth);
    gStatePaint = 0;
    gStartUp = 1;
    DrawResizeControls(0);
    EXPECT_EQ(gStateExpand, 0);
    EXPECT_STREQ(gAlertText,
                 "You cannot open the drawing controls panel when the animation window is closed!");
    DrawResizeControls(1);
    EXPECT_EQ(gStateExpand, 1) << "unless forced";
}

TEST_F(DrawTest, TheWindowFollowsCuesBeatsAndLamps) {
    ShowControls(true);
    const Rect myRow3 = LayoutListRow(gRectGrad, 3, kLayoutGradRowHeight);
    Type("4G", kModShift);
    DrawUpdateLive();
    EXPECT_EQ(Pixel(myRow3.left, myRow3.top), 249) << "the cued gradient framed red";
    Char(13);
    DrawUpdateLive();
    EXPECT_EQ(Pixel(myRow3.left, myRow3.top), 250) << "applied, framed green";
    const Rect myRow0 = LayoutListRow(gRectGrad, 0, kLayoutGradRowHeight);
    EXPECT_NE(Pixel(myRow0.left, myRow0.top), 250) << "the old frame is gone";

    // A beat given by hand lights the beat lamp; a channel that changes something lights its own.
    gStyle.mBeatCounter[kChannelFill] = 1;
    Char('i');
    DrawUpdateLive();
    EXPECT_TRUE(ShowsPicture(gRectBeat, gWorldButtons, kArtBeatLampLit));
    EXPECT_TRUE(ShowsPicture(gRectSlidersHL[kChannelFill], gWorldButtons, kArtTriggerLampLit));
    EXPECT_GT(Count(gRectMeters[kChannelFill], 17) + Count(gRectMeters[kChannelFill], 254), 0);
    EXPECT_FALSE(ShowsPicture(gRectSlidersHL[kChannelBrush], gWorldButtons, kArtTriggerLampLit));
    // Past the lamp's time the frame loop puts it out, and the window follows.
    gStatePlay = 1;
    ClockAdvance(200);
    AnimateMain();
    DrawUpdateLive();
    EXPECT_FALSE(ShowsPicture(gRectBeat, gWorldButtons, kArtBeatLampLit));
    EXPECT_EQ(Count(gRectMeters[kChannelFill], 17) + Count(gRectMeters[kChannelFill], 254), 0);
}

namespace {
int sWatchTurns = 0;
// A disc watch that opens an alert on every third turn, as a rave that fails to load at a track change does.
void WatchOpensAlert() {
    if (++sWatchTurns % 3 == 0) MainOpenAlert("Unable to load rave!");
}
} // namespace

// The windows an alert disables drop the button's release: a loop waiting for it must end by itself. In a
// child process, so that a loop that never ends is cut short and the hook goes with it.
TEST_F(DrawTest, LoopsWaitingForTheReleaseEndWhenAnAlertOpens) {
    MusicPlay(0, 0);
    EXPECT_EXIT(
        {
            alarm(20);
            MainCloseAlert();
            gAnimateDisc.mWatch = WatchOpensAlert;
            DrawHoldUntilRelease();
            const bool myHoldEnded = gStateAlert && gStateLoop == 0;
            MainCloseAlert();
            MusicFastSkip(1);
            std::fprintf(stderr, "hold %d, skip %d, turns %d\n", myHoldEnded ? 1 : 0, gStateAlert ? 1 : 0,
                         sWatchTurns);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "hold 1, skip 1, turns 6");
}
