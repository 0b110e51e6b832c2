// The alert window's texts and how it opens and closes, and the small text helpers.
#include <gtest/gtest.h>

#include <cstring>

#include "core/alert.h"
#include "core/state.h"
#include "core/text_utils.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "shell/display.h"
#include "shell/main.h"

namespace {
class AlertTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PlatformStart(true);
        gStartUp = 1;
    }
};
} // namespace

TEST_F(AlertTest, CheckErrorsTexts) {
    EXPECT_FALSE(MainCheckErrors(0));
    EXPECT_STREQ(gAlertText, "");
    EXPECT_TRUE(MainCheckErrors(2));
    EXPECT_STREQ(gAlertText, "Unable to find file!");
    EXPECT_TRUE(MainCheckErrors(1));
    EXPECT_STREQ(gAlertText, "Error 1");
    EXPECT_TRUE(MainCheckErrors(-39));
    EXPECT_STREQ(gAlertText, "Error -39");
    EXPECT_TRUE(MainCheckErrors(-32768));
    EXPECT_STREQ(gAlertText, "Error -32768");
}

TEST_F(AlertTest, DuringStartUpTheTextOnlyWaits) {
    const int myBeeps = gPlatformBeepCount;
    MainOpenAlert("Waiting text");
    EXPECT_STREQ(gAlertText, "Waiting text");
    EXPECT_EQ(gStateAlert, 0);
    EXPECT_EQ(gPlatformBeepCount, myBeeps);
    // An empty text keeps the one already stored.
    MainOpenAlert("");
    EXPECT_STREQ(gAlertText, "Waiting text");
}

TEST_F(AlertTest, LongTextIsCutToTheField) {
    std::string myLong(300, 'a');
    MainOpenAlert(myLong.c_str());
    EXPECT_EQ(std::strlen(gAlertText), size_t(kAlertTextSize - 1));
}

TEST_F(AlertTest, OpensModalAndClosesWithEnterCtrlCEscapeOrOK) {
    ASSERT_TRUE(WindowCreate(kWinPaint, "Orbex Animation", 0, 0, 320, 200, kWindowFullScreen));
    ASSERT_TRUE(WindowCreate(kWinAlert, "Alert", 0, 0, kAlertWidth, kAlertHeight, kWindowTopmost));
    gStartUp = 0;
    struct Closer {
        MessageKind mKind;
        uint32_t mWParam;
        int mX, mY;
    };
    const Closer kClosers[] = {
        {kMsgChar, 13, 0, 0}, {kMsgChar, 3, 0, 0}, {kMsgChar, 27, 0, 0}, {kMsgButtonUp, 0, 100, 90}};
    for (const Closer& myCloser : kClosers) {
        const int myBeeps = gPlatformBeepCount;
        MainOpenAlert("Something went wrong");
        EXPECT_EQ(gStateAlert, 1);
        EXPECT_TRUE(WindowVisible(kWinAlert));
        EXPECT_EQ(gPlatformBeepCount, myBeeps + 1);
        // Other characters and clicks beside the button leave it open.
        Message myOther;
        myOther.mWindow = kWinAlert;
        myOther.mKind = kMsgChar;
        myOther.mWParam = 'x';
        MainAlertProcess(myOther);
        myOther.mKind = kMsgButtonUp;
        myOther.mX = 10;
        myOther.mY = 10;
        MainAlertProcess(myOther);
        EXPECT_EQ(gStateAlert, 1);
        Message myMessage;
        myMessage.mWindow = kWinAlert;
        myMessage.mKind = myCloser.mKind;
        myMessage.mWParam = myCloser.mWParam;
        myMessage.mX = myCloser.mX;
        myMessage.mY = myCloser.mY;
        MainAlertProcess(myMessage);
        EXPECT_EQ(gStateAlert, 0);
        EXPECT_FALSE(WindowVisible(kWinAlert));
    }
}

// Over a screen saver no alert holds the keys and clicks that end it: the text goes to standard error alone,
// once, without a sound.
TEST_F(AlertTest, AScreenSaverOpensNoAlert) {
    ASSERT_TRUE(WindowCreate(kWinPaint, "Orbex Animation", 0, 0, 320, 200, kWindowFullScreen));
    ASSERT_TRUE(WindowCreate(kWinAlert, "Alert", 0, 0, kAlertWidth, kAlertHeight, kWindowTopmost));
    gStartUp = 0;
    gSaverTrigger = 1;
    const int myBeeps = gPlatformBeepCount;
    testing::internal::CaptureStderr();
    MainOpenAlert("Unable to open sound input device!");
    MainOpenAlert(gAlertText);
    const std::string myErrors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(gStateAlert, 0);
    EXPECT_FALSE(WindowVisible(kWinAlert));
    EXPECT_EQ(gPlatformBeepCount, myBeeps);
    EXPECT_EQ(myErrors, "orbex: Unable to open sound input device!\n");
}

TEST_F(AlertTest, DrawnTextUsesColourZeroOnWhite) {
    ASSERT_TRUE(WindowCreate(kWinAlert, "Alert", 0, 0, kAlertWidth, kAlertHeight, kWindowTopmost));
    InitFonts();
    std::strcpy(gAlertText, "Unable to find file!");
    MainDrawAlert();
    const Surface& mySurface = WindowSurface(kWinAlert);
    int myBlack = 0, myOther = 0;
    for (int myY = 0; myY < 10; ++myY)
        for (int myX = 0; myX < mySurface.mWidth; ++myX)
            myOther += mySurface.Row(myY)[myX] != kColorWhite;
    for (int myY = 10; myY < 40; ++myY)
        for (int myX = 10; myX < mySurface.mWidth - 10; ++myX)
            myBlack += mySurface.Row(myY)[myX] == kColorBlack;
    EXPECT_EQ(myOther, 0) << "the 10-pixel margin stays white";
    EXPECT_GT(myBlack, 20) << "the text is drawn in palette colour 0";
}

TEST(TextUtils, NumbersAndAppends) {
    char myText[12];
    MainNumToString(0, myText);
    EXPECT_STREQ(myText, "0");
    MainNumToString(-2147483647 - 1, myText);
    EXPECT_STREQ(myText, "-2147483648");
    MainNumToString(2147483647, myText);
    EXPECT_STREQ(myText, "2147483647");

    char myLong[256] = "start";
    const std::string myChunk(100, 'z');
    for (int myIndex = 0; myIndex < 4; ++myIndex)
        MainAppend255(myLong, myChunk.c_str());
    EXPECT_EQ(std::strlen(myLong), 255u);
    EXPECT_EQ(std::string(myLong, 5), "start");
}

TEST(TextUtils, UnderscoresOnlyWithinTheLength) {
    char myName[] = "My_Best Rave_Ever";
    MainRemoveUnderscores(myName, 8);
    EXPECT_STREQ(myName, "My Best Rave_Ever");
    MainAddUnderscores(myName, static_cast<int>(sizeof(myName)));
    EXPECT_STREQ(myName, "My_Best_Rave_Ever");
}
