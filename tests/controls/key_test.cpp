// The keyboard commands: numbers typed before a key, cues, the tempo, Caps Lock, typed loads, volume and
// tracks, and the TEXT ENTRY field's filter.
#include "controls_fixture.h"
#include "core/style_record.h"
#include "platform/platform.h"

namespace {
class KeyTest : public ControlsTest {};
} // namespace

TEST_F(KeyTest, NumbersBeforeTheColourAndKickKeys) {
    Type("12c");
    EXPECT_EQ(gStyle.mBrushColor, 12);
    // Only the last three digits count: 234 is out of range, so the sequential colour trigger decides.
    gStyle.mTrigger[kChannelColor] = kTriggerSequential;
    Type("1234c");
    EXPECT_EQ(gStyle.mBrushColor, (12 + 111) % 120 + 1);
    Type("-12j");
    EXPECT_EQ(gStyle.mColorKick, 38);
    Type("05j");
    EXPECT_EQ(gStyle.mColorKick, 55);
    Type("j");
    EXPECT_EQ(gStyle.mColorKick, 55) << "J needs a number";
    Type("60r");
    EXPECT_EQ(gStyle.mColorSpeed, 120);
    Type("61r");
    EXPECT_EQ(gStyle.mColorSpeed, 120);
    Type("r");
    EXPECT_EQ(gStyle.mColorSpeed, 120);
    EXPECT_EQ(gKeyNumber, kKeyNoNumber) << "every command leaves no number behind";
}

TEST_F(KeyTest, OneDigitPicksASlotAndOutOfRangeFallsBackToTheTrigger) {
    Type("5b");
    EXPECT_EQ(gCurrentBrush, 4);
    Type("15b");
    EXPECT_EQ(gCurrentBrush, 4) << "only the last digit counts";
    gStyle.mTrigger[kChannelBrush] = kTriggerSequential;
    Type("7b");
    EXPECT_EQ(gCurrentBrush, 5) << "out of range: the next slot";
    Type("3g");
    EXPECT_EQ(gCurrentGrad, 2);
    Type("9g");
    EXPECT_NE(gCurrentGrad, 2) << "a fixed trigger asks for a random other slot";
    Type("4f");
    EXPECT_EQ(gCurrentFill, 3);
    Type("2m");
    EXPECT_EQ(gCurrentMove, 1);
}

TEST_F(KeyTest, TempoWithDecimals) {
    struct {
        const char* mKeys;
        uint16_t mTempo;
    } const kCases[] = {{"120.5t", 12050}, {"120.25t", 12025}, {".5t", 50}, {"96t", 9600}, {"0t", 0}};
    for (const auto& myCase : kCases) {
        StyleSetTempo(gStyle, 1234);
        Type(myCase.mKeys);
        EXPECT_EQ(StyleGetTempo(gStyle), myCase.mTempo) << myCase.mKeys;
    }
    EXPECT_EQ(gBeatLength, kNever) << "a tempo of 0 stops the beats";
    StyleSetTempo(gStyle, 1234);
    Type("241t");
    EXPECT_EQ(StyleGetTempo(gStyle), 1234) << "above 240.00 nothing happens";
    Type("t");
    EXPECT_EQ(StyleGetTempo(gStyle), 1234);
    EXPECT_EQ(gKeyWhole, kKeyNoNumber);
}

TEST_F(KeyTest, ShiftCuesEnterAppliesCtrlCancels) {
    Type("3G", kModShift);
    EXPECT_EQ(gCueList[kEditGradient], 3);
    EXPECT_EQ(gCurrentGrad, 0) << "a cue leaves the picture alone";
    Char(13);
    EXPECT_EQ(gCurrentGrad, 2);
    EXPECT_EQ(gCueList[kEditGradient], kNotSet);

    Type("5G", kModShift);
    Type("40C", kModShift);
    Char('g' - 'a' + 1, kModCtrl); // Ctrl+G arrives as its control character
    EXPECT_EQ(gCueList[kEditGradient], kNotSet);
    EXPECT_EQ(gCueList[kEditBrushColor], 40);
    Char(13);
    EXPECT_EQ(gCurrentGrad, 2);
    EXPECT_EQ(gStyle.mBrushColor, 40);

    // Trails: a second cue of the switch takes the first back.
    const uint8_t myFlags = gStyle.mFlags;
    Char('A', kModShift);
    EXPECT_EQ(gCueList[kEditFlags] & kFlagTrails, (~myFlags) & kFlagTrails);
    Char('A', kModShift);
    EXPECT_EQ(gCueList[kEditFlags] & kFlagTrails, myFlags & kFlagTrails);
}

TEST_F(KeyTest, CapsLockLeavesTheCommandsAlone) {
    Type("12C", kModCaps);
    EXPECT_EQ(gStyle.mBrushColor, 12);
    EXPECT_EQ(gCueList[kEditBrushColor], kNotSet);
    Type("5B", kModCaps | kModAlt);
    EXPECT_EQ(gCurrentBrush, 4) << "Alt applies at once, with Caps Lock too";
}

TEST_F(KeyTest, VolumeKeysStopAtBothEnds) {
    gVolume = 240;
    KeyDown(kVKUp);
    EXPECT_EQ(gVolume, 255);
    gVolume = 20;
    KeyDown(kVKDown);
    EXPECT_EQ(gVolume, 0);
    gVolume = 100;
    Type("300");
    KeyDown(kVKUp);
    EXPECT_EQ(gVolume, 132) << "300 is out of range: the key adds 32";
    Type("77");
    gMeterMax = 50;
    KeyDown(kVKDown);
    EXPECT_EQ(gVolume, 77);
    EXPECT_EQ(gMeterMax, 0);
    EXPECT_EQ(gKeyNumber, kKeyNoNumber);
}

TEST_F(KeyTest, ArrowsSkipToATypedTrackOrTheNextOne) {
    Type("3");
    KeyDown(kVKRight);
    EXPECT_EQ(gTrackCurrent, 2);
    KeyDown(kVKRight);
    EXPECT_EQ(gTrackCurrent, 3);
    KeyDown(kVKLeft);
    EXPECT_EQ(gTrackCurrent, 2);
    Type("12");
    KeyDown(kVKLeft);
    EXPECT_EQ(gTrackCurrent, 1) << "track 12 of 9 does not exist: the previous track";
    // A digit's own key-down is no command: the number typed so far stays.
    Type("4");
    KeyDown('4');
    EXPECT_EQ(gKeyNumber, 4);
}

TEST_F(KeyTest, TypedLoadsFindTheFirstNameThatBeginsWithTheLetters) {
    WriteFile("Gradients/Zebra.gra", GradientFile());
    WriteFile("Gradients/AUTUMN.gra", GradientFile());
    WriteFile("Gradients/Aurora.gra", GradientFile());
    KeyDown('2', kModCtrl);
    EXPECT_EQ(gLoadKey, 2);
    Type("aur");
    EXPECT_STREQ(gLoadName, "aur");
    EXPECT_EQ(gStyle.mBrushColor, 1) << "letters are part of the name, not commands";
    KeyDown('3', kModCtrl);
    EXPECT_STREQ(gStyle.mGradNames[2], "Aurora");
    EXPECT_EQ(gLoadKey, 0);

    KeyDown('2', kModCtrl);
    Type("AUT");
    Char(8);
    Char('t');
    KeyDown('1', kModCtrl);
    EXPECT_STREQ(gStyle.mGradNames[0], "AUTUMN") << "letters match whatever their case";

    gCurrentGrad = 4;
    KeyDown('2', kModCtrl);
    Type("-");
    KeyDown('0', kModCtrl);
    EXPECT_STREQ(gStyle.mGradNames[4], "(None)") << "a minus sign is the empty slot, 0 the current one";

    const int myBeeps = gPlatformBeepCount;
    KeyDown('2', kModCtrl);
    Type("q");
    KeyDown('1', kModCtrl);
    EXPECT_EQ(gPlatformBeepCount, myBeeps + 1) << "no name begins with q";
    EXPECT_STREQ(gStyle.mGradNames[0], "AUTUMN");
    KeyDown('2', kModCtrl);
    Type("z");
    KeyDown('9', kModCtrl);
    EXPECT_STREQ(gStyle.mGradNames[0], "AUTUMN") << "a gradient slot beyond 8 loads nothing";
    EXPECT_EQ(gLoadKey, 0);
    KeyDown('2', kModCtrl);
    Type(" ");
    EXPECT_EQ(gLoadKey, 0) << "a blank first calls the load off";
    EXPECT_EQ(gPlatformBeepCount, myBeeps + 2);
}

TEST_F(KeyTest, TheTextFieldTakesNamesAndPassesCommandsOn) {
    ShowControls(true);
    Char(';');
    ASSERT_EQ(gPanel, kPanelTextEntry);
    ASSERT_TRUE(TextFieldExists());
    EXPECT_EQ(gEditableFlag, 15);
    EXPECT_EQ(gPanelBeforeEdit, kPanelCD);
    Type("My Look.");
    EXPECT_EQ(gKeyWhole, 0) << "the point is no part of a name: it is the decimal point command";
    Type("5/");
    EXPECT_STREQ(TextFieldText(), "My Look5");
    EXPECT_EQ(gStateHelp, 1) << "the slash opened the help window";
    Type("abcdefghijklmnop");
    EXPECT_STREQ(TextFieldText(), "My Look5abcdefg") << "a full field swallows what follows";
    Char(13);
    EXPECT_FALSE(TextFieldExists());
    EXPECT_EQ(gPanel, kPanelCD) << "saved, the panel before comes back";
    EXPECT_TRUE(std::filesystem::exists(mRoot / "Styles" / "My_Look5abcdefg.sty"));

    // The same name again: REPLACE FILE asks first, Enter replaces.
    gStyle.mBrushColor = 77;
    Char(';');
    Type("My Look5abcdefg");
    Char(13);
    EXPECT_EQ(gPanel, kPanelReplace);
    Type("q");
    EXPECT_EQ(gPanel, kPanelReplace) << "only Enter counts there";
    EXPECT_EQ(gStateRunning, 1);
    Char(13);
    EXPECT_EQ(gPanel, kPanelCD);
    std::ifstream mySaved(mRoot / "Styles" / "My_Look5abcdefg.sty", std::ios::binary);
    std::vector<char> myBytes((std::istreambuf_iterator<char>(mySaved)), std::istreambuf_iterator<char>());
    ASSERT_EQ(myBytes.size(), 1006u);
    EXPECT_EQ(myBytes[5], 77) << "the replacing save wrote the look of now";
    EXPECT_EQ(myBytes[1001], 0) << "a style saved by name has its beat counters off";
}

TEST_F(KeyTest, ASaveThatFailsGivesTheNameBackWhole) {
    ShowControls(true);
    // A file where the styles' folder should be: no style can be written.
    std::filesystem::remove_all(mRoot / "Styles");
    WriteFile("Styles", {1});
    Char(';');
    Type("Night Drive");
    Char(13);
    EXPECT_EQ(gPanel, kPanelTextEntry);
    ASSERT_TRUE(TextFieldExists());
    EXPECT_STREQ(TextFieldText(), "Night Drive");
    Type("abcdefghijklmnopq");
    EXPECT_STREQ(TextFieldText(), "abcdefghijklmno") << "the field keeps its limit of 15";
}

TEST_F(KeyTest, AnEmptyFieldSaysSoAndEscapeLeavesTheEntry) {
    ShowControls(false);
    gStartUp = 1;
    Char(';');
    EXPECT_EQ(gStateExpand, 1) << "the entry opens the drawing controls";
    EXPECT_EQ(gStateTextEntry, 1);
    Char(8);
    Char(13);
    EXPECT_STREQ(gAlertText, "Text field is empty! Please type text into field.");
    EXPECT_TRUE(TextFieldExists());
    Type("x");
    KeyDown(kVKEscape);
    EXPECT_FALSE(TextFieldExists());
    EXPECT_EQ(gPanel, kPanelCD);
    EXPECT_EQ(gStateTextEntry, 0);
    EXPECT_EQ(gStateRunning, 1) << "Escape in the field leaves the entry, not the program";
}

TEST_F(KeyTest, SpaceHidesAndShowsTheControlsOnlyOverThePicture) {
    ShowControls(false);
    Char(' ');
    EXPECT_EQ(gStateControlsVisible, 0);
    EXPECT_FALSE(WindowVisible(kWinControls));
    Char(' ');
    EXPECT_EQ(gStateControlsVisible, 1);
    gStatePaint = 0;
    Char(' ');
    EXPECT_EQ(gStateControlsVisible, 1) << "without the animation window the controls stay";
}

TEST_F(KeyTest, HelpKeysOpenTheHelpWindowBesideExpandedControls) {
    ShowControls(true);
    KeyDown(kVKF1);
    EXPECT_EQ(gStateHelp, 1);
    EXPECT_TRUE(WindowVisible(kWinHelp));
    Char('?');
    EXPECT_EQ(gStateHelp, 0);
    EXPECT_FALSE(WindowVisible(kWinHelp));
    KeyDown(kVKHelp);
    DrawResizeControls(0);
    EXPECT_FALSE(WindowVisible(kWinHelp)) << "collapsing hides it";
    EXPECT_EQ(gStateHelp, 1);
}

TEST_F(KeyTest, ManualModeAndListening) {
    Char('h');
    EXPECT_EQ(gStateManual, 1);
    Char('h');
    EXPECT_EQ(gStateManual, 0);
    gStateInput = 0;
    gStateListen = 0;
    Char('l');
    EXPECT_EQ(gStateListen, 0) << "no working input: listening goes off again";
    EXPECT_STREQ(gAlertText, "Unable to listen for beat! The sound input is not working.");
}
