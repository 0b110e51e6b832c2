// Scripted sessions: the lines a script may hold, the errors that name their line, and the messages it queues
// at their times.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/script.h"
#include "platform/window.h"

namespace fs = std::filesystem;

namespace {

std::string ParseError(const std::string& myText) {
    std::vector<ScriptCommand> myCommands;
    std::string myError;
    EXPECT_FALSE(ScriptParse(myText, myCommands, myError)) << myText;
    return myError;
}

class ScriptPlayTest : public ::testing::Test {
  protected:
    fs::path mFolder;
    void SetUp() override {
        PlatformStart(true);
        mFolder = fs::temp_directory_path() / ("orbex-script-" + std::to_string(::getpid()));
        fs::create_directories(mFolder);
    }
    void TearDown() override { fs::remove_all(mFolder); }
    void Start(const std::string& myText) {
        std::ofstream(mFolder / "session.txt") << myText;
        std::string myError;
        ASSERT_TRUE(ScriptStart((mFolder / "session.txt").string(), myError)) << myError;
    }
    // Runs turns until the clock reaches myTime (ms since the start), collecting what was queued.
    std::vector<Message> RunUntil(uint32_t myTime) {
        std::vector<Message> myMessages;
        Message myMessage;
        while (ClockTicks() < myTime)
            while (WindowPeekMessage(myMessage, true))
                myMessages.push_back(myMessage);
        return myMessages;
    }
};

} // namespace

TEST(ScriptParse, EveryCommandWithItsArguments) {
    std::vector<ScriptCommand> myCommands;
    std::string myError;
    ASSERT_TRUE(ScriptParse("# a session\n"
                            "\n"
                            "0.5 key ctrl+3\n"
                            "  1 key shift+c\n"
                            "1.25 key Escape\n"
                            "2 key F1\n"
                            "2 type aur 12.5\n"
                            "3 click controls 10 20\n"
                            "3 rclick animation 5 6\n"
                            "4 drag controls 42 60 169 60 0.5\n"
                            "5 move help 1 2\n"
                            "6 shot alert out.PNG\r\n"
                            "7 wheel controls 300 200 -3\n",
                            myCommands, myError))
        << myError;
    ASSERT_EQ(myCommands.size(), 11u);
    EXPECT_EQ(myCommands[0].mTime, 500u);
    EXPECT_EQ(myCommands[0].mLine, 3);
    EXPECT_EQ(myCommands[0].mKey, static_cast<uint32_t>('3'));
    EXPECT_EQ(myCommands[0].mMods, kModCtrl);
    EXPECT_EQ(myCommands[1].mKey, static_cast<uint32_t>('C'));
    EXPECT_EQ(myCommands[1].mMods, kModShift);
    EXPECT_EQ(myCommands[2].mTime, 1250u);
    EXPECT_EQ(myCommands[2].mKey, kVKEscape);
    EXPECT_EQ(myCommands[3].mKey, kVKF1);
    EXPECT_EQ(myCommands[4].mKind, kScriptType);
    EXPECT_EQ(myCommands[4].mText, "aur 12.5");
    EXPECT_EQ(myCommands[5].mKind, kScriptClick);
    EXPECT_EQ(myCommands[5].mWindow, kWinControls);
    EXPECT_EQ(myCommands[5].mX, 10);
    EXPECT_EQ(myCommands[5].mY, 20);
    EXPECT_EQ(myCommands[6].mKind, kScriptRightClick);
    EXPECT_EQ(myCommands[6].mWindow, kWinPaint);
    EXPECT_EQ(myCommands[7].mKind, kScriptDrag);
    EXPECT_EQ(myCommands[7].mX2, 169);
    EXPECT_EQ(myCommands[7].mDuration, 500u);
    EXPECT_EQ(myCommands[8].mWindow, kWinHelp);
    EXPECT_EQ(myCommands[9].mKind, kScriptShot);
    EXPECT_EQ(myCommands[9].mWindow, kWinAlert);
    EXPECT_EQ(myCommands[9].mText, "out.PNG");
    EXPECT_EQ(myCommands[10].mKind, kScriptWheel);
    EXPECT_EQ(myCommands[10].mX, 300);
    EXPECT_EQ(myCommands[10].mNotches, -3);
}

TEST(ScriptParse, ErrorsNameTheLine) {
    EXPECT_EQ(ParseError("1 key a\nsoon key b\n"), "line 2: the time \"soon\" is not a number of seconds");
    EXPECT_EQ(ParseError("-1 key a\n"), "line 1: the time \"-1\" is not a number of seconds");
    EXPECT_EQ(ParseError("# x\n1 press a\n"), "line 2: no command \"press\"");
    EXPECT_EQ(ParseError("1 key Hyper\n"), "line 1: no key named \"Hyper\"");
    EXPECT_EQ(ParseError("1 key meta+a\n"), "line 1: no key named \"meta+a\"");
    EXPECT_EQ(ParseError("1 click menu 1 2\n"),
              "line 1: no window \"menu\" (controls, animation, help or alert)");
    EXPECT_EQ(ParseError("1 click controls 1\n"), "line 1: expected: TIME click WINDOW X Y");
    EXPECT_EQ(ParseError("1 move controls a b\n"), "line 1: coordinates must be whole numbers");
    // Whole numbers, but beyond any window; a point just beside a window is a click there.
    EXPECT_EQ(ParseError("1 click controls 99999999 5\n"),
              "line 1: the point 99999999 5 is out of the window");
    EXPECT_EQ(ParseError("1 drag controls 1 2 3 -40000 1\n"),
              "line 1: the point 3 -40000 is out of the window");
    std::vector<ScriptCommand> myBeside;
    std::string myNone;
    EXPECT_TRUE(ScriptParse("1 move controls -5 32767\n", myBeside, myNone)) << myNone;
    // A NUL byte does not cut the line short in the message.
    EXPECT_EQ(ParseError(std::string("1 key a\0b\n", 10)), "line 1: a NUL byte in \"1 key a\\x00b\"");
    EXPECT_EQ(ParseError("1 drag controls 1 2 3 4 x\n"),
              "line 1: a drag's length must be a number of seconds");
    EXPECT_EQ(ParseError("1 shot controls out.bmp\n"), "line 1: a picture's file name ends in .png");
    for (const char* myTurn : {"0", "101", "-101", "1.5", "up"})
        EXPECT_EQ(ParseError(std::string("1 wheel controls 5 5 ") + myTurn + "\n"),
                  "line 1: a wheel turn is a whole number of notches from -100 to 100, other than 0")
            << myTurn;
    EXPECT_EQ(ParseError("1 wheel controls 5 5\n"), "line 1: expected: TIME wheel WINDOW X Y NOTCHES");
    EXPECT_EQ(ParseError("2 key a\n1 key b\n"), "line 2: the time goes back before the line above");
    EXPECT_EQ(ParseError("1 type\n"), "line 1: type needs the characters to type");
    EXPECT_EQ(ParseError("3\n"), "line 1: a command must follow the time");
    EXPECT_EQ(ParseError("1 key a # no comments after a command\n"), "line 1: expected: TIME key NAME");
}

TEST_F(ScriptPlayTest, KeysArriveAtTheirTimesWithWhatTheyType) {
    Start("0.010 key ctrl+e\n"
          "0.020 key shift+c\n"
          "0.030 key CapsLock\n"
          "0.040 key c\n"
          "0.050 type aB.\n"
          "0.060 key alt+g\n");
    const std::vector<Message> myMessages = RunUntil(100);
    struct Expected {
        MessageKind mKind;
        uint32_t mWParam;
        uint8_t mMods;
        uint32_t mTime;
    };
    const Expected kExpected[] = {
        {kMsgKeyDown, 'E', kModCtrl, 10},
        {kMsgChar, 5, kModCtrl, 10},
        {kMsgKeyDown, 'C', kModShift, 20},
        {kMsgChar, 'C', kModShift, 20},
        {kMsgKeyDown, kVKCapital, 0, 30},
        // With Caps Lock on, the key types a capital, and every message says Caps Lock is on.
        {kMsgKeyDown, 'C', kModCaps, 40},
        {kMsgChar, 'C', kModCaps, 40},
        {kMsgChar, 'a', kModCaps, 50},
        {kMsgChar, 'B', kModShift | kModCaps, 50},
        {kMsgChar, '.', kModCaps, 50},
        {kMsgKeyDown, 'G', kModAlt | kModCaps, 60},
        {kMsgChar, 'G', kModAlt | kModCaps, 60},
    };
    ASSERT_EQ(myMessages.size(), std::size(kExpected));
    for (size_t myIndex = 0; myIndex < myMessages.size(); ++myIndex) {
        SCOPED_TRACE(myIndex);
        EXPECT_EQ(myMessages[myIndex].mKind, kExpected[myIndex].mKind);
        EXPECT_EQ(myMessages[myIndex].mWParam, kExpected[myIndex].mWParam);
        EXPECT_EQ(myMessages[myIndex].mMods, kExpected[myIndex].mMods);
        EXPECT_EQ(myMessages[myIndex].mTime, kExpected[myIndex].mTime);
    }
    EXPECT_EQ(gWindowKeyState, kModAlt | kModCaps) << "the modifiers of the message taken last";
    EXPECT_FALSE(ScriptRunning());
}

TEST_F(ScriptPlayTest, ClicksDragsAndTheCursor) {
    ASSERT_TRUE(WindowCreate(kWinControls, "Orbex Controls", 0, 0, 213, 146, kWindowTopmost));
    Start("0.010 click controls 30 5\n"
          "0.020 drag controls 42 60 142 60 0.1\n"
          "0.200 move controls 300 5\n"
          "0.300 wheel controls 50 60 2\n");
    std::vector<Message> myMessages = RunUntil(15);
    ASSERT_EQ(myMessages.size(), 3u);
    EXPECT_EQ(myMessages[0].mKind, kMsgMouseMove);
    EXPECT_EQ(myMessages[1].mKind, kMsgButtonDown);
    EXPECT_EQ(myMessages[2].mKind, kMsgButtonUp);
    EXPECT_EQ(myMessages[2].mX, 30);
    EXPECT_EQ(myMessages[2].mY, 5);
    int myX = 0, myY = 0;
    EXPECT_TRUE(WindowCursorPosition(kWinControls, &myX, &myY));
    EXPECT_EQ(myX, 30);

    myMessages = RunUntil(71);
    ASSERT_GE(myMessages.size(), 4u);
    EXPECT_EQ(myMessages[1].mKind, kMsgButtonDown);
    EXPECT_EQ(myMessages.back().mKind, kMsgMouseMove);
    EXPECT_EQ(myMessages.back().mX, 92) << "half way after half the time";
    EXPECT_EQ(myMessages.back().mY, 60);
    myMessages = RunUntil(150);
    ASSERT_FALSE(myMessages.empty());
    EXPECT_EQ(myMessages.back().mKind, kMsgButtonUp);
    EXPECT_EQ(myMessages.back().mX, 142);
    EXPECT_EQ(myMessages.back().mTime, 120u);

    RunUntil(250);
    // The cursor left the window's client area (213 pixels wide).
    EXPECT_FALSE(WindowCursorPosition(kWinControls, &myX, &myY));
    EXPECT_FALSE(WindowCursorPosition(kWinHelp, &myX, &myY));

    // The wheel turns over the point it names, the cursor brought there first.
    myMessages = RunUntil(350);
    ASSERT_EQ(myMessages.size(), 2u);
    EXPECT_EQ(myMessages[1].mKind, kMsgMouseWheel);
    EXPECT_EQ(myMessages[1].mLParam, 2);
    EXPECT_EQ(myMessages[1].mX, 50);
    EXPECT_TRUE(WindowCursorPosition(kWinControls, &myX, &myY));
    EXPECT_EQ(myY, 60);
}

TEST_F(ScriptPlayTest, APictureWaitsForTheMessagesBeforeIt) {
    ASSERT_TRUE(WindowCreate(kWinControls, "Orbex Controls", 0, 0, 20, 10, kWindowTopmost));
    Start("0.010 key a\n"
          "0.010 shot controls " +
          (mFolder / "shot.png").string() +
          "\n"
          "0.010 key b\n"
          "0.020 shot help " +
          (mFolder / "nohelp.png").string() + "\n");
    Message myMessage;
    while (ClockTicks() < 10)
        WindowPeekMessage(myMessage, false) || (WindowTurn(), true);
    // The key is queued and not yet handled: the picture waits, and so does the line after it.
    EXPECT_TRUE(WindowMessagesWaiting());
    WindowTurn();
    EXPECT_FALSE(fs::exists(mFolder / "shot.png"));
    ASSERT_TRUE(WindowPeekMessage(myMessage, true));
    EXPECT_EQ(myMessage.mWParam, 'A');
    ASSERT_TRUE(WindowPeekMessage(myMessage, true));
    EXPECT_EQ(myMessage.mWParam, 'a');
    // Taken at the first turn that finds the queue empty; then the next key follows.
    EXPECT_FALSE(fs::exists(mFolder / "shot.png"));
    ASSERT_TRUE(WindowPeekMessage(myMessage, true));
    EXPECT_TRUE(fs::exists(mFolder / "shot.png"));
    EXPECT_EQ(myMessage.mWParam, 'B');
    RunUntil(40);
    EXPECT_FALSE(ScriptRunning());
    // The help window was never made: that picture fails and names its line.
    EXPECT_NE(ScriptError().find("line 4: cannot write"), std::string::npos) << ScriptError();
}

TEST_F(ScriptPlayTest, AMissingScriptIsNamed) {
    std::string myError;
    EXPECT_FALSE(ScriptStart((mFolder / "none.txt").string(), myError));
    EXPECT_NE(myError.find("none.txt"), std::string::npos);
    std::ofstream(mFolder / "bad.txt") << "1 key a\n2 jump\n";
    EXPECT_FALSE(ScriptStart((mFolder / "bad.txt").string(), myError));
    EXPECT_NE(myError.find("bad.txt line 2: no command \"jump\""), std::string::npos) << myError;
    EXPECT_FALSE(ScriptRunning());
}
