// The program's four windows, their 8-bit back surfaces and the message queue that feeds the main loop.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"

enum WindowId : int {
    kWinNone = -1,
    kWinPaint = 0,
    kWinControls = 1,
    kWinHelp = 2,
    kWinAlert = 3,
    kWinCount = 4
};

enum MessageKind : int {
    kMsgKeyDown,    // mWParam: virtual key
    kMsgChar,       // mWParam: character
    kMsgButtonDown, // left button, mX/mY in client coordinates
    kMsgButtonUp,
    kMsgRButtonDown, // right button, mX/mY in client coordinates
    kMsgRButtonUp,
    kMsgMouseMove,
    kMsgActivate, // mWParam 1 active, 0 inactive; mLParam: the program's window on the other side, or
                  // kWinNone
    kMsgClose,
    kMsgPaint,
    kMsgMinimize,   // the window manager minimized the window
    kMsgQuit,       // mWParam: exit code
    kMsgRenderDone, // a headless run has written its last frame
    kMsgMouseWheel, // mLParam: notches turned, positive away from the user (up); mX/mY where the cursor is
    kMsgEnd,        // the desktop asks the program to end (a stop signal, the session closing)
};

// Modifier keys held, and Caps Lock switched on, when an input message was made.
constexpr uint8_t kModShift = 1;
constexpr uint8_t kModCtrl = 2;
constexpr uint8_t kModAlt = 4;
constexpr uint8_t kModCaps = 8;

struct Message {
    MessageKind mKind = kMsgPaint;
    int mWindow = kWinNone;
    uint32_t mWParam = 0;
    int32_t mLParam = 0;
    int mX = 0;
    int mY = 0;
    uint32_t mTime = 0;
    uint8_t mMods = 0;
};

// Virtual key codes of the messages, as the keyboard commands know them.
enum VirtualKey : uint32_t {
    kVKBack = 8,
    kVKTab = 9,
    kVKReturn = 13,
    kVKShift = 16,
    kVKControl = 17,
    kVKMenu = 18,
    kVKCapital = 20,
    kVKEscape = 27,
    kVKSpace = 32,
    kVKPrior = 33,
    kVKNext = 34,
    kVKEnd = 35,
    kVKHome = 36,
    kVKLeft = 37,
    kVKUp = 38,
    kVKRight = 39,
    kVKDown = 40,
    kVKInsert = 45,
    kVKDelete = 46,
    kVKHelp = 47,
    kVKNumpad0 = 96,
    kVKF1 = 112,
    kVKSemicolon = 186,
    kVKEquals = 187,
    kVKComma = 188,
    kVKMinus = 189,
    kVKPeriod = 190,
    kVKSlash = 191,
    kVKGrave = 192,
    kVKOpenBracket = 219,
    kVKBackslash = 220,
    kVKCloseBracket = 221,
    kVKQuote = 222,
};

// The modifiers of the input message taken last from the queue: what the keyboard commands and clicks see as
// held, in step with the messages rather than with the keyboard of this instant.
extern uint8_t gWindowKeyState;

// The control character a key types under its modifiers (Enter, Escape, Backspace, Tab, Ctrl with a letter),
// or 0.
uint32_t WindowControlCharacter(uint32_t myVirtualKey, uint8_t myMods);

constexpr uint32_t kWindowFullScreen = 1; // borderless, the whole of the chosen screen
constexpr uint32_t kWindowTopmost = 2;

// Creates a hidden window whose client area is myWidth x myHeight. False when the system refuses it.
bool WindowCreate(int myId, const char* myTitle, int myX, int myY, int myWidth, int myHeight,
                  uint32_t myFlags);
// What the last refused WindowCreate could not get: the window itself, or a renderer to draw into it.
enum WindowFailure : int { kWindowFailNone, kWindowFailWindow, kWindowFailRenderer };
WindowFailure WindowLastFailure();
void WindowDestroy(int myId);
bool WindowExists(int myId);
void WindowShow(int myId, bool myShow, bool myActivate);
bool WindowVisible(int myId);
void WindowEnable(int myId, bool myEnable);
void WindowActivate(int myId);
void WindowResize(int myId, int myWidth, int myHeight);
// The screen the window is on (the middle of it).
int WindowScreen(int myId);
// Moves a full-screen window onto myScreen (its picture keeps its size until resized); false for others.
bool WindowMoveToScreen(int myId, int myScreen);
// Puts window myId right beside window myAnchor's frame, their tops level.
void WindowPlaceBeside(int myId, int myAnchor);
// Brings a window the window manager minimized back to its place.
void WindowRestore(int myId);
// The window's client picture; what is drawn here shows at the next present, through the shared palette.
Surface& WindowSurface(int myId);
// Asks for a paint message, as an invalidated window would.
void WindowInvalidate(int myId);
// Marks the client picture as changed; it reaches the screen at most once per display refresh.
void WindowPresent(int myId);
// Marks only rows myTop to myBottom - 1 as changed: less to bring to the screen.
void WindowPresentRows(int myId, int myTop, int myBottom);
// Marks only the area myArea as changed: less still.
void WindowPresentArea(int myId, const Rect& myArea);
// What the window shows on the screen now, as 0xFFRRGGBB pixels, top row first; false headless.
bool WindowReadShown(int myId, std::vector<uint32_t>& myPixels, int& myWidth, int& myHeight);
// How the window reaches the screen: "surface", "opengl" or "renderer"; empty headless.
const char* WindowPresentWay(int myId);
void WindowShowCursor(bool myShow);
// The cursor in myWindow's client pixels (unscaled); false when it is not over that window.
bool WindowCursorPosition(int myWindow, int* myX, int* myY);
// Puts the cursor over myWindow at a client point (scripted sessions move it so).
void WindowSetCursor(int myWindow, int myX, int myY);
// The program's window that has the keyboard: the focused one, or the one activated last.
int WindowActive();

// The factor by which the controls, help and alert windows are magnified on large screens (1 to 4); set
// before they are created. Their pictures, sizes and click coordinates stay in unscaled pixels.
void WindowSetScale(int myScale);
int WindowScale();
// The whole factor suited to a desktop of this size: 2 from 1920 x 1080, 3 from 3840 x 2160.
int WindowScaleForDesktop(int myWidth, int myHeight);

// One turn of a loop of the program's own (the main loop, or one that waits for the mouse button): headless
// runs advance their virtual clock by 1 ms, real runs present changed windows and yield briefly when idle,
// and a scripted session queues what is due.
void WindowTurn();
// The main loop has nothing to do for myMilliseconds: sleeps until then, until a window is due to be
// presented, or until a message arrives, whichever comes first. Headless runs keep their virtual clock and do
// not sleep.
void WindowWait(uint32_t myMilliseconds);
// Takes (or only looks at) the next message. Each removing call is one turn of a loop: headless runs advance
// their virtual clock by 1 ms here, real runs present changed windows and yield briefly when idle.
bool WindowPeekMessage(Message& myMessage, bool myRemove);
// A left-button-down waiting for myWindow; removed when myRemove is set.
bool WindowPeekButtonDown(int myWindow, bool myRemove);
bool WindowButtonUpWaiting();
bool WindowMessagesWaiting();
void WindowPushMessage(const Message& myMessage);
// Queues a message made now, with the modifier keys held.
void WindowQueueMessage(MessageKind myKind, int myWindow, uint32_t myWParam, int32_t myLParam, int myX,
                        int myY, uint8_t myMods = 0);
void WindowPostQuit(int myCode);

// Headless runs: called after every virtual millisecond, so frames can be written at their exact times.
void WindowSetTurnHook(void (*myHook)());

void WindowCloseAll();
// Closes every window and forgets the messages, the turn hook, the scale, the cursor and the keys held, as
// before the first window opened.
void WindowResetState();
