// The help: the zone under the cursor, the texts every zone reads, the strip and the help window drawn only
// when the zone changes, and the roll-over of the drawing-controls button.
#include <cstring>
#include <map>
#include <set>

#include "controls/help.h"
#include "controls_fixture.h"
#include "core/display.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "golden.h"
#include "platform/image_out.h"
#include "platform/palette.h"
#include "platform/text.h"
#include "resources/controls_art.h"
#include "shell/display.h"
#include "sound/tempo.h"
#include "storage/components.h"

namespace {

class HelpTest : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        InitColor();
        ASSERT_TRUE(InitFonts());
        MEffect& myMove = gMovements[0];
        myMove.mNumParams = 1;
        myMove.mMin[0] = 0;
        myMove.mMax[0] = 90;
        std::strcpy(myMove.mName, "Direction");
    }
    // One pass with the cursor at a point of the controls window.
    void HoverAt(int myX, int myY) {
        WindowSetCursor(kWinControls, myX, myY);
        HelpDisplay();
    }
    void ShowHelp() {
        gStateHelp = 1;
        MouseKeyPlaceHelp();
    }
    static Surface& HelpSurface() { return WindowSurface(kWinHelp); }
    static std::string Body(const std::string& myText) {
        const size_t myBreak = myText.find("\r\r");
        return myBreak == std::string::npos ? "" : myText.substr(myBreak + 2);
    }
    // The lowest row of the help window's picture that the text inked, drawn into a picture tall enough for
    // any text.
    static int InkedDepth(const std::string& myText) {
        Surface myPage;
        if (!SurfaceCreate(myPage, kHelpWidth, 4 * kHelpHeight)) return -1;
        SurfaceFill(myPage, {0, 0, myPage.mWidth, myPage.mHeight}, kColorWhite);
        std::string myShown = myText;
        for (char& myChar : myShown)
            if (myChar == '\r') myChar = '\n';
        TextDrawWrapped(myPage, kFontMedium, {10, 10, kHelpWidth - 10, myPage.mHeight}, myShown.c_str(), 0);
        for (int myY = myPage.mHeight - 1; myY >= 0; --myY)
            for (int myX = 0; myX < myPage.mWidth; ++myX)
                if (myPage.Row(myY)[myX] != kColorWhite) return myY + 1;
        return 0;
    }
};

Rect ListRow(const Rect& myList, int myRow, int myHeight) {
    return LayoutListRow(myList, myRow, myHeight);
}

} // namespace

// Every point of the window, in every panel and the states that change what a panel shows: each zone found
// has a title and a body that fit the help window, and every title of the manual can be reached.
TEST_F(HelpTest, EveryZoneReadsATitleAndABodyThatFitTheWindow) {
    ShowControls(true);
    std::map<std::pair<int32_t, int>, std::string> myTexts;
    auto myScan = [&]() {
        const Surface& mySurface = DrawSurface();
        // Every second pixel: the smallest control is 7 pixels across.
        for (int myY = 0; myY < mySurface.mHeight; myY += 2)
            for (int myX = 0; myX < mySurface.mWidth; myX += 2) {
                const int32_t myZone = HelpFindZone(myX, myY);
                const auto myKey = std::make_pair(myZone, static_cast<int>(gPanel));
                if (!myTexts.count(myKey)) myTexts[myKey] = HelpComposeText(myZone);
            }
    };
    myScan();
    const uint8_t kPanels[] = {100, 101, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112,
                               113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123};
    for (uint8_t myPanel : kPanels) {
        DrawPanel(myPanel);
        myScan();
    }
    for (uint8_t myCategory = kAttachEffects; myCategory <= kAttachFillColor; ++myCategory) {
        gPanelAttach = myCategory;
        DrawPanel(kPanelAttach);
        myScan();
    }
    // What the tap panels and the screen saver show besides.
    gSaverFlag = 1;
    DrawPanel(kPanelSaver);
    myScan();
    gStatePattern = 1;
    DrawPanel(kPanelPatternBeats);
    myScan();
    gTapCount = 3;
    for (uint8_t myPanel : {kPanelManualBeats, kPanelPatternBeats}) {
        DrawPanel(myPanel);
        myScan();
    }
    gStatePlay = 1;
    gStateListen = 1;
    myScan();
    myTexts[{kHelpZoneOutside, gPanel}] = HelpComposeText(kHelpZoneOutside);

    std::set<std::string> myTitles, myMeasured;
    for (const auto& [myKey, myText] : myTexts) {
        const std::string myTitle = myText.substr(0, myText.find('\r'));
        SCOPED_TRACE("zone " + std::to_string(myKey.first) + " in panel " + std::to_string(myKey.second));
        ASSERT_FALSE(myTitle.empty());
        EXPECT_GE(Body(myText).size(), 20u) << myText;
        EXPECT_LT(myText.size(), 800u);
        if (myMeasured.insert(myText).second) {
            EXPECT_LE(InkedDepth(myText), kHelpHeight - 10) << myTitle << " runs past the window's foot";
        }
        myTitles.insert(myTitle);
    }
    const char* const kManual[] = {"Place cursor over button...",
                                   "Click to hide/show controls",
                                   "Quit Orbex",
                                   "Eject CD",
                                   "Previous Track",
                                   "Rewind",
                                   "Stop CD",
                                   "Pause",
                                   "Play",
                                   "Fastforward",
                                   "Next Track",
                                   "Enable Listening",
                                   "Drawing Controls",
                                   "Animation Window",
                                   "Help",
                                   "Enable Brush Trails",
                                   "Erase Brush Trails",
                                   "Shortcut Help Display",
                                   "Song or Rave Popup",
                                   "Manual Control",
                                   "Style Popup",
                                   "Orbex Settings Popup",
                                   "Gradients",
                                   "Gradients Popup",
                                   "Gradient Preview",
                                   "Gradient Preview Display",
                                   "CD Drive Popup",
                                   "Track Number",
                                   "Brush Color",
                                   "Fill Color",
                                   "Beat Meter",
                                   "Beat Indicator",
                                   "Listen To Frequency",
                                   "Listen to Volume",
                                   "Beat Sensitivity Slider",
                                   "Fills",
                                   "Fills Popup",
                                   "Brushes",
                                   "Brushes Popup",
                                   "Movements",
                                   "Movements Popup",
                                   "CD Settings",
                                   "Gradient Settings",
                                   "Color Settings",
                                   "Beats Per Minute",
                                   "Fill Settings",
                                   "Brush Settings",
                                   "Movement Settings",
                                   "Frequency Settings",
                                   "Color Beat Counter",
                                   "Gradient Beat Counter",
                                   "Fill Beat Counter",
                                   "Brush Beat Counter",
                                   "Movement Beat Counter",
                                   "Color Threshold Meter",
                                   "Gradient Threshold Meter",
                                   "Fill Threshold Meter",
                                   "Brush Threshold Meter",
                                   "Movement Threshold Meter",
                                   "Color Trigger Setting",
                                   "Gradient Trigger Setting",
                                   "Fill Trigger Setting",
                                   "Brush Trigger Setting",
                                   "Movement Trigger Setting",
                                   "CD or RaveSet Popup",
                                   "Elapsed Song Time",
                                   "Total Song Time",
                                   "Volume",
                                   "Gradient Sets Popup",
                                   "Color Speed",
                                   "Color Speed Slider",
                                   "Brush Color Effect Popup",
                                   "Fill Color Effect Popup",
                                   "Color Kick",
                                   "Color Kick Slider",
                                   "Fill Sets Popup",
                                   "Brush Sets Popup",
                                   "Brush Effect Popup",
                                   "Brush Speed",
                                   "Brush Speed Slider",
                                   "Movement Sets Popup",
                                   "Movement Spread",
                                   "Spread Slider",
                                   "Sound Input Popup",
                                   "Search for Active Sound",
                                   "Restore Frequency Defaults",
                                   "Listening Frequency",
                                   "Listening Frequency Slider",
                                   "Frequency Spectrograph",
                                   "Beat Tempo",
                                   "Beat Tempo Slider",
                                   "Tap Manual Beats",
                                   "Tap Patterned Beats",
                                   "Apply New Tempo",
                                   "Apply New Pattern",
                                   "Align Current Tempo",
                                   "Align Current Pattern",
                                   "Clear Beats",
                                   "Average Tempo Display",
                                   "Patterned Beats Display",
                                   "Enable Screen Saver",
                                   "Enable Playing of CD",
                                   "Screen Saver Delay",
                                   "Screen Saver Delay Slider",
                                   "Sound Scale Meter",
                                   "Sound Scaling Fade",
                                   "Sound Scaling Fade Slider",
                                   "Scaling Threshold",
                                   "Scaling Threshold Slider",
                                   "Max Scaling Fade",
                                   "Max Scaling Fade Slider",
                                   "Brush Brightness",
                                   "Brush Brightness Slider",
                                   "Fill Brightness",
                                   "Fill Brightness Slider",
                                   "Brush Saturation",
                                   "Brush Saturation Slider",
                                   "Fill Saturation",
                                   "Fill Saturation Slider",
                                   "Parameter Randomization",
                                   "Direction Slider",
                                   "Brush Attachments Popup",
                                   "Brush Speed Attachment",
                                   "Fill Attachment",
                                   "Trails Attachment",
                                   "Gradient Attachment",
                                   "Color Speed Attachment",
                                   "Movement Attachment",
                                   "Spread Attachment",
                                   "Brush Effect Attachment",
                                   "Brush Color Effect Attach.",
                                   "Brush Brightness Attachment",
                                   "Fill Color Effect Attachment",
                                   "Fill Brightness Attachment",
                                   "Text Entry Field",
                                   "Save File",
                                   "Cancel Save",
                                   "Replace File",
                                   "Don't Replace File",
                                   "Delete Files Popup",
                                   "Done Deleting Files"};
    for (const char* myTitle : kManual)
        EXPECT_TRUE(myTitles.count(myTitle)) << "no zone reads \"" << myTitle << "\"";
}

TEST_F(HelpTest, TheColumnBottomsGiveCounterMeterAndTriggerZones) {
    const int myX = kLayoutAnchors[3][0], myY = kLayoutAnchors[3][1]; // the fills column, 104
    int32_t myZone = 0;
    ASSERT_TRUE(HelpCheckSliders(myX + 30, myY - 5, 104, &myZone));
    EXPECT_EQ(myZone, 604);
    ASSERT_TRUE(HelpCheckSliders(myX + 30, myY - 20, 104, &myZone));
    EXPECT_EQ(myZone, 614);
    ASSERT_TRUE(HelpCheckSliders(myX + LayoutTriggerButtonOffset(104) + 5, myY - 20, 104, &myZone));
    EXPECT_EQ(myZone, 624);
    EXPECT_FALSE(HelpCheckSliders(myX + 30, myY - 40, 104, &myZone));
    // The beat meter's column has only its sensitivity slider.
    const int myBeatX = kLayoutAnchors[1][0], myBeatY = kLayoutAnchors[1][1];
    ASSERT_TRUE(HelpCheckSliders(myBeatX + 10, myBeatY - 5, kColumnBeat, &myZone));
    EXPECT_EQ(myZone, kHelpZoneSensitivity);
    EXPECT_FALSE(HelpCheckSliders(myBeatX + 10, myBeatY - 20, kColumnBeat, &myZone));
}

// Moving within one control draws nothing again; another control draws its text.
TEST_F(HelpTest, MovingWithinOneControlDoesNotRedraw) {
    ShowControls(true);
    ShowHelp();
    const Rect myRow = ListRow(kLayoutBrushesList, 2, kLayoutListRowHeight);
    HoverAt(myRow.left + 30, myRow.top + 5);
    EXPECT_EQ(gHelpZone, kEditBrush);
    EXPECT_EQ(HelpTitle(), "Brushes");
    // A mark where the text would be cleared away by a redraw.
    SurfaceFill(HelpSurface(), {0, 0, 4, 4}, 7);
    HoverAt(myRow.left + 60, myRow.top + 15);
    EXPECT_EQ(HelpSurface().Row(1)[1], 7) << "the same control drew its text again";
    HoverAt(myRow.right - 3, myRow.top + 5);
    EXPECT_EQ(gHelpZone, 301);
    EXPECT_EQ(HelpSurface().Row(1)[1], kColorWhite);
    EXPECT_EQ(HelpTitle(), "Brushes Popup");
    // Asked to draw afresh, the same zone draws again.
    SurfaceFill(HelpSurface(), {0, 0, 4, 4}, 7);
    gHelpZone = 0;
    HoverAt(myRow.right - 3, myRow.top + 6);
    EXPECT_EQ(HelpSurface().Row(1)[1], kColorWhite);
}

TEST_F(HelpTest, ThePlayButtonReadsPauseWhilePlayingAndPlayWhileStopped) {
    ShowControls(true);
    const int myX = LayoutButtonLeft(kButtonPlay) + 8;
    gStatePlay = 1;
    HoverAt(myX, 10);
    EXPECT_EQ(gHelpZone, kHelpZonePause);
    EXPECT_EQ(HelpTitle(), "Pause");
    gStatePlay = 0;
    HoverAt(myX, 11);
    EXPECT_EQ(HelpTitle(), "Play");
    EXPECT_NE(HelpComposeText(gHelpZone).find("No song is playing"), std::string::npos);
    gStatePause = 1;
    EXPECT_NE(HelpComposeText(gHelpZone).find("paused"), std::string::npos);
}

// Texts that follow the state: the field's length by the name asked for, the total time without a disc, the
// tap buttons by panel, and nothing outside the window while the picture is closed.
TEST_F(HelpTest, TextsFollowTheState) {
    gEditableFlag = 27;
    EXPECT_NE(HelpComposeText(kPanelTextEntry).find("27 letters. Press Enter"), std::string::npos);
    gEditableFlag = 15;
    EXPECT_NE(HelpComposeText(kPanelTextEntry).find("15 letters."), std::string::npos);
    gStateCD = 0;
    EXPECT_NE(HelpComposeText(kHelpZoneTotal).find("one minute when no CD"), std::string::npos);
    gStateCD = 1;
    EXPECT_EQ(HelpComposeText(kHelpZoneTotal).find("no CD"), std::string::npos);
    gPanel = kPanelManualBeats;
    EXPECT_EQ(HelpComposeText(532).rfind("Apply New Tempo", 0), 0u);
    gPanel = kPanelPatternBeats;
    EXPECT_EQ(HelpComposeText(532).rfind("Apply New Pattern", 0), 0u);
    EXPECT_NE(HelpComposeText(kEditGradient).find("manual mode is recommended"), std::string::npos);
    EXPECT_NE(HelpComposeText(308).find("a preview will appear"), std::string::npos);
    gStatePaint = 0;
    EXPECT_EQ(HelpComposeText(kHelpZoneOutside), "");
    gStatePaint = 1;
    EXPECT_EQ(HelpComposeText(kHelpZoneOutside).rfind("Click to hide/show controls", 0), 0u);
}

// With the help window closed only the strip changes; the strip shows the title.
TEST_F(HelpTest, WithHelpClosedOnlyTheStripChanges) {
    ShowControls(true);
    SurfaceFill(HelpSurface(), {0, 0, HelpSurface().mWidth, HelpSurface().mHeight}, 7);
    const Rect& myStrip = kLayoutHelpStrip;
    auto myStripInk = [&]() {
        int myCount = 0;
        for (int myY = myStrip.top + 3; myY < myStrip.bottom - 3; ++myY)
            for (int myX = kHelpStripTextX; myX < myStrip.right - 4; ++myX)
                myCount += DrawSurface().Row(myY)[myX] == 0;
        return myCount;
    };
    EXPECT_EQ(myStripInk(), 0);
    HoverAt(kLayoutManualButton.left + 3, kLayoutManualButton.top + 3);
    EXPECT_EQ(HelpTitle(), "Manual Control");
    EXPECT_GT(myStripInk(), 20);
    EXPECT_EQ(HelpSurface().Row(200)[100], 7);
    // Outside the window, with the picture closed, the strip is blank.
    gStatePaint = 0;
    WindowSetCursor(kWinPaint, 5, 5);
    HelpDisplay();
    EXPECT_EQ(gHelpZone, kHelpZoneOutside);
    EXPECT_EQ(myStripInk(), 0);
}

TEST_F(HelpTest, RollingOverTheDrawingControlsButton) {
    ShowControls(false);
    const int myX = LayoutButtonLeft(kButtonExpand) + 8;
    HoverAt(myX, 8);
    EXPECT_EQ(gStateExpand, 1) << "rolling over opens the drawing controls";
    EXPECT_EQ(gStateRollover, 2);
    HoverAt(myX + 3, 9);
    EXPECT_EQ(gStateExpand, 1);
    HoverAt(100, 300);
    EXPECT_EQ(gStateExpand, 0) << "moving away closes them again";
    EXPECT_EQ(gStateRollover, 0);
    // Already open, they stay open.
    DrawResizeControls(0);
    HoverAt(myX, 8);
    EXPECT_EQ(gStateRollover, 1);
    HoverAt(100, 300);
    EXPECT_EQ(gStateExpand, 1);
    EXPECT_EQ(gStateRollover, 0);
    // A window collapsed by its button meanwhile stays collapsed when the cursor leaves.
    DrawResizeControls(0);
    HoverAt(myX, 8);
    ASSERT_EQ(gStateRollover, 2);
    DrawResizeControls(0);
    HoverAt(100, 100);
    EXPECT_EQ(gStateExpand, 0);
    // With the picture closed nothing rolls over.
    gStatePaint = 0;
    HoverAt(myX, 8);
    EXPECT_EQ(gStateExpand, 0);
    EXPECT_EQ(gStateRollover, 0);
}

TEST_F(HelpTest, TheHelpWindowPicture) {
    ShowControls(true);
    ShowHelp();
    const Rect myRow = ListRow(kLayoutBrushesList, 1, kLayoutListRowHeight);
    HoverAt(myRow.left + 40, myRow.top + 8);
    const std::filesystem::path myShot = mRoot / "help-brushes.png";
    ASSERT_TRUE(ImageWritePng(myShot.string(), HelpSurface(), gPalette));
    ExpectGolden(myShot, "help-brushes");
    Surface myStrip;
    ASSERT_TRUE(SurfaceCreate(myStrip, kLayoutHelpStrip.Width(), kLayoutHelpStrip.Height()));
    SurfaceCopy(myStrip, 0, 0, DrawSurface(), kLayoutHelpStrip);
    const std::filesystem::path myStripShot = mRoot / "help-strip.png";
    ASSERT_TRUE(ImageWritePng(myStripShot.string(), myStrip, gPalette));
    ExpectGolden(myStripShot, "help-strip-brushes");
    // A text with a sentence of the moment: the play button while a song plays.
    gStatePlay = 1;
    HoverAt(LayoutButtonLeft(kButtonPlay) + 8, 10);
    const std::filesystem::path myPause = mRoot / "help-pause.png";
    ASSERT_TRUE(ImageWritePng(myPause.string(), HelpSurface(), gPalette));
    ExpectGolden(myPause, "help-pause");
}
