// The farewell picture: a brush resting at the centre on black, the texts around it, and the banner halves
// that slide in to meet beside it.
#include <gtest/gtest.h>

#include "../platform/surface_count.h"
#include "core/alert.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "engine/movement_program.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "shell/display.h"
#include "shell/main.h"
#include "shell/quit.h"
#include "storage/components.h"

namespace {} // namespace

TEST(Farewell, TheBrushRestsAtTheCentreAndTheBannerMeetsIt) {
    PlatformStart(true);
    PlatformSetHeadlessSize(400, 300);
    ClockUseVirtual(true);
    ClockSetVirtual(10000);
    InitFonts();
    ASSERT_TRUE(InitPaintWindow());
    SurfaceCreate(gWorldPreview, 128, 48);
    SurfaceFill(gWorldPaint, gRectDisplay, 7); // the last picture, which the farewell must cover
    // A one-frame 20 x 20 brush of colour 21, and no fills: they are released before the farewell.
    VBrush& myBrush = gBrushes[0];
    SurfaceCreate(myBrush.m8BitWorld, 20, 20);
    SurfaceFill(myBrush.m8BitWorld, {0, 0, 20, 20}, 21);
    myBrush.mLayers = 8;
    myBrush.mWidth = myBrush.mHeight = 20;
    myBrush.mNumFrames = 1;
    myBrush.mLeft = myBrush.mRight = myBrush.mTop = myBrush.mBottom = 10;

    QuitDrawLogo();
    const Surface& myScreen = WindowSurface(kWinPaint);
    EXPECT_EQ(myScreen.Row(150)[200], 21) << "the brush sits at the centre";
    EXPECT_EQ(myScreen.Row(5)[5], 0) << "the rest of the last picture is gone";
    EXPECT_GT(TestCountDrawn(myScreen, {100, 60, 300, 140}), 50) << "the title above the brush";
    EXPECT_GT(TestCountDrawn(myScreen, {0, 166, 400, 194}), 50) << "the two lines below it";
    EXPECT_EQ(gUpdateLength, kNever) << "a brush of one frame is drawn once";

    // After two seconds the two halves of the banner meet beside the brush.
    Message myMessage;
    while (WindowPeekMessage(myMessage, true)) {
    }
    gTimer = ClockTicks() - 1999;
    MainQuitLoop();
    const int myMeet = static_cast<int>(2000 * (gCentX - myBrush.mLeft - 6) * 0.0005 - 108);
    EXPECT_GT(TestCountDrawn(myScreen, {myMeet, 141, myMeet + 108, 160}), 100);
    EXPECT_GT(TestCountDrawn(myScreen, {400 - myMeet - 108, 141, 400 - myMeet, 160}), 100);
    EXPECT_EQ(myScreen.Row(150)[200], 21);
    gTimer = ClockTicks() - 3001;
    EXPECT_FALSE(MainQuitLoop()) << "three seconds in all";
}

// An alert that opens while quitting (the session could not be saved) is answered during the farewell: Enter,
// its button, closing its window or a stop signal; other windows' messages still reach their own handler.
TEST(Farewell, AnAlertOpenAtQuitIsAnsweredByItsOwnWindow) {
    PlatformStart(true);
    ASSERT_TRUE(WindowCreate(kWinPaint, "Orbex Animation", 0, 0, 320, 200, kWindowFullScreen));
    ASSERT_TRUE(WindowCreate(kWinAlert, "Alert", 0, 0, kAlertWidth, kAlertHeight, kWindowTopmost));
    // gTimer is 0: no farewell picture, the loop only takes messages.
    Message myEnter;
    myEnter.mKind = kMsgChar;
    myEnter.mWParam = '\r';
    Message myButton;
    myButton.mKind = kMsgButtonUp;
    myButton.mX = kAlertButtonRect.left + 5;
    myButton.mY = kAlertButtonRect.top + 5;
    Message myClose;
    myClose.mKind = kMsgClose;
    // Each turn of the farewell takes one message; these turns take all that wait.
    auto myFarewellTurns = [] {
        Message myWaiting;
        while (WindowPeekMessage(myWaiting, false))
            EXPECT_FALSE(MainQuitLoop());
    };
    for (Message myAnswer : {myEnter, myButton, myClose}) {
        MainOpenAlert("Unable to save Last_Session.sty in Styles: Permission denied");
        ASSERT_EQ(gStateAlert, 1);
        // Enter typed into the animation window is no answer.
        Message myElsewhere = myEnter;
        myElsewhere.mWindow = kWinPaint;
        WindowPushMessage(myElsewhere);
        myFarewellTurns();
        EXPECT_EQ(gStateAlert, 1);
        myAnswer.mWindow = kWinAlert;
        WindowPushMessage(myAnswer);
        myFarewellTurns();
        EXPECT_EQ(gStateAlert, 0) << "answered by message kind " << myAnswer.mKind;
    }
    // Asked from outside to end, the program answers it itself; standard error hears its text once (this
    // headless run said it as it opened).
    testing::internal::CaptureStderr();
    MainOpenAlert("Unable to save Last_Session.sty in Styles: Permission denied");
    Message myEnd;
    myEnd.mKind = kMsgEnd;
    WindowPushMessage(myEnd);
    myFarewellTurns();
    EXPECT_EQ(gStateAlert, 0);
    const std::string myErrors = testing::internal::GetCapturedStderr();
    const size_t myFirst = myErrors.find("Unable to save Last_Session.sty");
    ASSERT_NE(myFirst, std::string::npos);
    EXPECT_EQ(myErrors.find("Unable to save", myFirst + 1), std::string::npos) << myErrors;
}
