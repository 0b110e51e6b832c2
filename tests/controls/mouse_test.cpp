// Clicks and drags in the controls window: the colour bars, the lists with their cues, the counters, meters
// and sliders to both ends, what an attachment refuses, the tap panels and the roll-over of the drawing
// controls' button.
#include <cstdlib>
#include <cstring>

#include "controls/help.h"
#include "controls/mouse.h"
#include "controls_fixture.h"
#include "core/alert.h"
#include "core/display.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/edits.h"
#include "platform/config.h"
#include "platform/palette.h"
#include "resources/controls_art.h"
#include "resources/pictures.h"
#include "sound/listen.h"
#include "sound/search.h"

namespace {

constexpr const char* kDisabledText =
    "Slider is disabled. Orbex must be recording and not in manual mode to use this feature.";

class MouseTest : public ControlsTest {
  protected:
    // The time the clicks are made at; 0: now.
    uint32_t mClickTime = 0;
    void SetUp() override {
        ControlsTest::SetUp();
        ShowControls(true);
    }
    // A click whose button is let go at once; a drag is a click whose button is let go with the cursor
    // moved to myToX, myToY.
    void Click(int myX, int myY, uint8_t myMods = 0) { Drag(myX, myY, myX, myY, myMods); }
    void Drag(int myX, int myY, int myToX, int myToY, uint8_t myMods = 0) {
        WindowSetCursor(kWinControls, myToX, myToY);
        WindowQueueMessage(kMsgButtonUp, kWinControls, 0, 0, myToX, myToY);
        gWindowKeyState = myMods;
        MouseClickControls(myX, myY, mClickTime ? mClickTime : ClockTicks(), 0);
        gWindowKeyState = 0;
        for (Message myMessage; WindowPeekMessage(myMessage, true);) {
        }
    }
    static Rect Mini(unsigned short myNumber) { return DrawMiniButtonRect(myNumber); }
    void ClickMini(unsigned short myNumber) {
        const Rect myRect = Mini(myNumber);
        ASSERT_GT(myRect.Width(), 0) << myNumber;
        Click(myRect.left + 5, myRect.top + 5);
    }
    // The main slider of the panel shown, dragged so its cursor ends at x.
    void Slide(int myToX, uint8_t myMods = 0) {
        Drag(100, gRectHSlider.top + 5, myToX, gRectHSlider.top + 5, myMods);
    }
    void Alerted(const char* myText) {
        EXPECT_STREQ(gAlertText, myText);
        gAlertText[0] = 0;
        gStateAlert = 0;
    }
};

} // namespace

TEST_F(MouseTest, ColourBarsGive120AtTheLeftEndAnd1AtTheRight) {
    Click(gRectBrushColor.right - 1, gRectBrushColor.top + 3);
    EXPECT_EQ(gStyle.mBrushColor, 1);
    Click(gRectBrushColor.left, gRectBrushColor.top + 3);
    EXPECT_EQ(gStyle.mBrushColor, 120);
    Click(gRectFillColor.right - 1, gRectFillColor.top + 3);
    EXPECT_EQ(gStyle.mFillColor, 1);
    Click((gRectFillColor.left + gRectFillColor.right) / 2, gRectFillColor.top + 3);
    EXPECT_GT(gStyle.mFillColor, 1);
    EXPECT_LT(gStyle.mFillColor, 120);
    EXPECT_EQ(gStyle.mBrushColor, 120) << "the fill bar leaves the brush colour alone";
}

TEST_F(MouseTest, ListRowsChooseAndShiftCuesAndCtrlTakesTheCueBack) {
    const Rect myRow = LayoutListRow(gRectGrad, 2, kLayoutGradRowHeight);
    const uint8_t myFrameBefore = Pixel(myRow.left, myRow.top);
    Click(myRow.left + 20, myRow.top + 5, kModShift);
    EXPECT_EQ(gCueList[kEditGradient], 3);
    EXPECT_EQ(gCurrentGrad, 0) << "a cue waits for Enter";
    DrawUpdateLive();
    const uint8_t myFrameCued = Pixel(myRow.left, myRow.top);
    EXPECT_NE(myFrameCued, myFrameBefore) << "the cued row is framed";
    Click(myRow.left + 20, myRow.top + 5, kModCtrl);
    EXPECT_EQ(gCueList[kEditGradient], kNotSet);
    DrawUpdateLive();
    EXPECT_EQ(Pixel(myRow.left, myRow.top), myFrameBefore) << "the cue's frame went with it";

    const Rect myBrushRow = LayoutListRow(gRectBrushes, 4, kLayoutListRowHeight);
    Click(myBrushRow.left + 40, myBrushRow.top + 10);
    EXPECT_EQ(gCurrentBrush, 4);
    const Rect myMoveRow = LayoutListRow(gRectMoves, 5, kLayoutListRowHeight);
    Click(myMoveRow.left + 40, myMoveRow.bottom - 1);
    EXPECT_EQ(gCurrentMove, 5);
    const Rect myFillRow = LayoutListRow(gRectFills, 1, kLayoutListRowHeight);
    Click(myFillRow.left + 40, myFillRow.top);
    EXPECT_EQ(gCurrentFill, 1);
}

TEST_F(MouseTest, ARowsArrowOpensTheMenuOfItsOwnSlot) {
    ASSERT_TRUE(ResourceDrawPicture(kPicturePopup, gWorldPopup));
    SurfaceSetColorKey(gWorldPopup, 255);
    for (const char* myName : {"Moss", "Aurora"})
        WriteFile(std::string("Gradients/") + myName + ".gra", GradientFile());
    // The keys wait for the menu: the first file, Aurora, is chosen for the row clicked.
    WindowQueueMessage(kMsgKeyDown, kWinControls, kVKDown, 0, 0, 0);
    WindowQueueMessage(kMsgKeyDown, kWinControls, kVKReturn, 0, 0, 0);
    const Rect myRow = LayoutListRow(gRectGrad, 3, kLayoutGradRowHeight);
    MouseClickControls(myRow.right - 3, myRow.top + 5, ClockTicks(), 0);
    EXPECT_STREQ(gStyle.mGradNames[3], "Aurora");
    EXPECT_STREQ(gStyle.mGradNames[0], "(None)");
    EXPECT_EQ(gCurrentGrad, 0) << "the arrow loads the slot without choosing it";

    // The arrow beside the row shows its gradient's colours in the preview strip's entries.
    // Only entries that may be animated change, as the program's palette marks the preview's.
    gPalette[201].mFlags |= kPaletteReserved;
    const PaletteEntry myBefore = gPalette[201];
    Click(kLayoutGradPreviewArrows.left + 5, myRow.top + 5);
    EXPECT_EQ(gPalette[201].mRed, 90);
    EXPECT_NE(gPalette[201].mRed, myBefore.mRed);
}

TEST_F(MouseTest, BeatCountersDragToOffAndTo64AndRefuseInManualMode) {
    // The fill column's counter row, at the foot of the FILLS box.
    const int myX = kLayoutAnchors[3][0], myY = kLayoutAnchors[3][1];
    gBeatCount = 1000;
    Drag(myX + 10, myY - 5, myX - 50, myY - 5);
    EXPECT_EQ(gStyle.mBeatCounter[kChannelFill], 0);
    EXPECT_EQ(gBeatCountOffset[kChannelFill], 0);
    EXPECT_EQ(gStyleStart.mBeatCounter[kChannelFill], 0) << "stopped: the song starts with it";
    Drag(myX + 10, myY - 5, myX + 300, myY - 5);
    EXPECT_EQ(gStyle.mBeatCounter[kChannelFill], 64);
    // The next trigger is a whole count of beats from now.
    EXPECT_EQ((gBeatCountOffset[kChannelFill] + gBeatCount) % 64, 1u);

    Drag(myX + 10, myY - 15, myX + 30, myY - 15);
    EXPECT_EQ(gStyle.mThreshold[kChannelFill], 30 - 4);

    gStateManual = 1;
    Drag(myX + 10, myY - 5, myX + 20, myY - 5);
    Alerted(kDisabledText);
    EXPECT_EQ(gStyle.mBeatCounter[kChannelFill], 64);
    Drag(myX + 10, myY - 15, myX + 60, myY - 15);
    Alerted(kDisabledText);
    EXPECT_EQ(gStyle.mThreshold[kChannelFill], 26);
}

TEST_F(MouseTest, SensitivityGoesFrom64AtTheLeftTo1AtTheRightInAnyMode) {
    const int myX = kLayoutAnchors[1][0], myY = kLayoutAnchors[1][1];
    gStateManual = 1;
    Drag(myX + 10, myY - 5, myX + 500, myY - 5);
    EXPECT_EQ(gStyle.mSensitivity, 1);
    Drag(myX + 10, myY - 5, 0, myY - 5);
    EXPECT_EQ(gStyle.mSensitivity, 64);
    EXPECT_EQ(gAlertText[0], 0) << "the sensitivity works in manual mode too";
}

TEST_F(MouseTest, TempoSliderStepsBy2BeatsPerMinute) {
    DrawPanel(kPanelBPM);
    Slide(0);
    EXPECT_EQ(StyleGetTempo(gStyle), 0);
    Slide(400);
    EXPECT_EQ(StyleGetTempo(gStyle), 24000);
    for (int myX = 45; myX < 169; myX += 7) {
        Slide(myX);
        EXPECT_EQ(StyleGetTempo(gStyle) % 200, 0) << myX;
        EXPECT_GT(StyleGetTempo(gStyle), 0) << myX;
        EXPECT_LT(StyleGetTempo(gStyle), 24000) << myX;
    }
}

TEST_F(MouseTest, AttachmentSlidersPastEitherEndHaveNoneAndTheCurrentBrushTakesAValueAtOnce) {
    gPosition = static_cast<uint8_t>(gCurrentBrush);
    AttachRecord& myAttach = gStyle.mAttachments[gPosition];
    std::memset(&myAttach, kNotSet, sizeof(myAttach));
    myAttach.mAttached = 0;
    gPanelAttach = kAttachEffects;
    DrawPanel(kPanelAttach);
    Slide(400);
    EXPECT_EQ(gStyle.mAttachments[gPosition].mAttachBrushSpeed, kNotSet);
    Slide(169);
    EXPECT_EQ(gStyle.mAttachments[gPosition].mAttachBrushSpeed, 120);
    EXPECT_EQ(gStyle.mBrushSpeed, 120) << "the current brush's attachment applies at once";
    EXPECT_EQ(gStyle.mAttachments[gPosition].mAttached, 1);
    Slide(10);
    EXPECT_EQ(gStyle.mAttachments[gPosition].mAttachBrushSpeed, kNotSet);
    EXPECT_EQ(gStyle.mAttachments[gPosition].mAttached, 0);

    gPanelAttach = kAttachGradient;
    DrawPanel(kPanelAttach);
    Slide(42);
    EXPECT_EQ(gStyle.mAttachments[gPosition].mAttachColorSpeed, 0) << "-60, kept 60 up";
}

TEST_F(MouseTest, ASettingTheCurrentBrushHoldsIsRefusedAndCtrlTakesACueBack) {
    gStyle.mAttachments[static_cast<uint8_t>(gCurrentBrush)].mAttachColorKick = 70;
    const int8_t myKick = gStyle.mColorKick;
    DrawPanel(kPanelColor);
    Slide(169);
    Alerted("The current brush has an attached color kick setting.");
    EXPECT_EQ(gStyle.mColorKick, myKick);

    DrawPanel(kPanelBrush);
    Slide(169, kModShift);
    EXPECT_EQ(gCueList[kEditBrushSpeed], 120);
    Click(60, gRectHSlider.top + 5, kModCtrl);
    EXPECT_EQ(gCueList[kEditBrushSpeed], kNotSet);
    EXPECT_NE(gStyle.mBrushSpeed, 120);
}

TEST_F(MouseTest, PatternTapsStoreNineAndCountTheTenthAndRavesRefuseThem) {
    // Taps are song times: a song plays.
    gStatePlay = 1;
    gTimer = 0;
    DrawPanel(kPanelPatternBeats);
    mClickTime = 1000;
    for (int myTap = 0; myTap < 10; ++myTap) {
        mClickTime += 100 + 10 * myTap;
        ClickMini(kMiniBeat);
    }
    EXPECT_EQ(gTapCount, 10);
    EXPECT_EQ(gTapTemp[0], 9u) << "the tenth is counted, not stored";
    ClickMini(kMiniApply);
    EXPECT_EQ(gStatePattern, 1);
    EXPECT_EQ(gTapTime[0], 8u);
    EXPECT_EQ(gTapTime[1], 110u);
    EXPECT_EQ(gTapTime[8], 180u);

    gStateRave = 1;
    ClickMini(kMiniBeat);
    Alerted("This feature does not work while playing back raves.");
    EXPECT_EQ(gTapCount, 0);
}

TEST_F(MouseTest, FrequencyAndVolumeButtonsSwitchWhatIsHeard) {
    Click(kLayoutVolButton.left + 5, kLayoutVolButton.top + 5);
    EXPECT_TRUE(gStyle.mFlags & kFlagVolume);
    Click(kLayoutVolButton.left + 5, kLayoutVolButton.top + 5);
    EXPECT_TRUE(gStyle.mFlags & kFlagVolume) << "a second click on the lit button changes nothing";
    Click(kLayoutFreButton.left + 5, kLayoutFreButton.top + 5);
    EXPECT_FALSE(gStyle.mFlags & kFlagVolume);
    Click(gRectManual.left + 5, gRectManual.top + 5);
    EXPECT_EQ(gStateManual, 1);
}

TEST_F(MouseTest, SearchNeedsAPlayingSongAndDefaultPutsTheFrequencyBack) {
    gStateInput = 1;
    DrawPanel(kPanelSoundInput);
    ClickMini(kMiniSearch);
    EXPECT_EQ(gStateListen, 1) << "listening is switched on for the search";
    Alerted("Search does not work unless playing is turned on!");
    gStatePlay = 1;
    gSearchFlag = 0;
    gMeterHeard = 255; // loud music long before the search, silence now
    ClickMini(kMiniSearch);
    EXPECT_EQ(gSearchFlag, 2);
    EXPECT_EQ(gAlertText[0], 0);
    AnimateSearchHalfSecond();
    EXPECT_STRNE(gAlertText, "Sound was successfully located.") << "only sound heard since the click counts";
    MainCloseAlert();

    gStyle.mFrequency = 90;
    gStyle.mSampleSize = 2;
    DrawPanel(kPanelFrequency);
    ClickMini(kMiniDefault);
    EXPECT_EQ(gStyle.mFrequency, 13);
    EXPECT_EQ(gStyle.mSampleSize, 6);
    Slide(169);
    EXPECT_EQ(gStyle.mFrequency, 126);
}

TEST_F(MouseTest, TheSaverSwitchAndItsDelay) {
    const std::filesystem::path myConfig = mRoot / "config";
    setenv("XDG_CONFIG_HOME", myConfig.c_str(), 1);
    ConfigSetFolder((myConfig / "orbex/").string());
    gSaverFlag = 0;
    DrawPanel(kPanelSaver);
    ClickMini(kMiniSaverOn);
    EXPECT_EQ(gSaverFlag, 1);
    Slide(169);
    EXPECT_EQ(gSaverDelay, 120);
    const uint8_t mySound = gSaverSound;
    ClickMini(kMiniSaverSound);
    EXPECT_NE(gSaverSound, mySound);
    ClickMini(kMiniSaverOn);
    EXPECT_EQ(gSaverFlag, 0);
    EXPECT_EQ(ConfigGetString("registry.ini", "Control Panel\\Desktop", "ScreenSaveActive", ""), "0");
    unsetenv("XDG_CONFIG_HOME");
}

TEST_F(MouseTest, AClickOnTheRolledOverButtonKeepsTheDrawingControlsOpen) {
    const int myButtonX = LayoutButtonLeft(kButtonExpand) + 5;
    DrawResizeControls(0);
    ASSERT_EQ(gStateExpand, 0);
    WindowSetCursor(kWinControls, myButtonX, 8);
    HelpDisplay();
    ASSERT_EQ(gStateRollover, 2);
    Click(myButtonX, 8);
    EXPECT_EQ(gStateExpand, 1);
    WindowSetCursor(kWinControls, 60, 100);
    HelpDisplay();
    EXPECT_EQ(gStateExpand, 1) << "the click made the roll-over's window the user's";
}
