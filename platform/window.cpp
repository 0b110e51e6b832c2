// Windows and messages on SDL2, or on an in-memory queue when headless.
#include "platform/window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <cstring>
#include <deque>

#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/present.h"
#include "platform/screens.h"
#include "platform/script.h"

namespace {

struct WindowState {
    bool mExists = false;
    bool mVisible = false;
    bool mEnabled = true;
    uint32_t mFlags = 0;
    Surface mSurface;
    SDL_Window* mWindow = nullptr;
    Presenter mPresenter;
};

WindowState sWindows[kWinCount];
WindowFailure sLastFailure = kWindowFailNone;
std::deque<Message> sQueue;
void (*sTurnHook)() = nullptr;
bool sDrewSinceLastTurn = false;
// The main loop slept until its next deadline since the last turn, which then needs no idle yield of its own.
bool sWaited = false;
// SDL asks the X server for news at every pump, four reads of the connection when it has none. In the turn
// after a wait that found the connection silent there is none to ask for, and SDL's own queue is read alone;
// SDL is still pumped every kPumpAtLeastMs for what it does besides (signals, keeping the screen saver off).
constexpr uint32_t kPumpAtLeastMs = 100;
bool sPumped = false;
uint32_t sPumpedAt = 0;
int sScale = 1;
int sActive = kWinNone;
// The modifier keys as the key events seen so far left them: the characters and clicks that follow were made
// with these, whatever is held by the time the events are read.
uint8_t sKeyMods = 0;
// Where a scripted session (or a headless run) has put the cursor.
int sCursorWindow = kWinNone;
int sCursorX = 0;
int sCursorY = 0;
// The window a held left button was pressed in: a drag belongs to it wherever the pointer goes.
int sPressWindow = kWinNone;

bool WindowValid(int myId) {
    return myId >= 0 && myId < kWinCount;
}

// The animation window fills the screen at its own size; the others are magnified on large screens.
int WindowScaleOf(int myId) {
    return myId == kWinPaint ? 1 : sScale;
}

// Floor division, so a point just left of or above a magnified window stays outside it.
int WindowFloorDivide(int myValue, int myScale) {
    return myValue >= 0 ? myValue / myScale : (myValue - myScale + 1) / myScale;
}

int WindowFromSDL(uint32_t mySDLId) {
    for (int myId = 0; myId < kWinCount; ++myId)
        if (sWindows[myId].mWindow && SDL_GetWindowID(sWindows[myId].mWindow) == mySDLId) return myId;
    return kWinNone;
}

void WindowReleaseSDL(WindowState& myState) {
    myState.mPresenter.PresenterClose();
    if (myState.mWindow) SDL_DestroyWindow(myState.mWindow);
    myState.mWindow = nullptr;
}

// Where a full-screen window goes: SDL's own full screen on the chosen display, or a borderless window
// over the chosen head where SDL cannot tell the screens apart.
uint32_t WindowFullScreenPlace(int* myX, int* myY) {
    const int myScreen = ScreenChosen();
    if (ScreenSDLDisplays()) {
        *myX = *myY = static_cast<int>(SDL_WINDOWPOS_UNDEFINED_DISPLAY(myScreen));
        return SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
    }
    const Rect myBounds = ScreenBounds(myScreen);
    *myX = myBounds.left;
    *myY = myBounds.top;
    return SDL_WINDOW_BORDERLESS;
}

void WindowPresentDue() {
    const uint32_t myNow = ClockTicks();
    for (WindowState& myState : sWindows)
        if (myState.mExists && myState.mVisible) myState.mPresenter.PresenterShow(myState.mSurface, myNow);
}

uint8_t WindowMods(uint16_t mySDLMods) {
    uint8_t myMods = 0;
    if (mySDLMods & KMOD_SHIFT) myMods |= kModShift;
    if (mySDLMods & KMOD_CTRL) myMods |= kModCtrl;
    if (mySDLMods & KMOD_ALT) myMods |= kModAlt;
    if (mySDLMods & KMOD_CAPS) myMods |= kModCaps;
    return myMods;
}

uint32_t WindowVirtualKey(SDL_Keycode mySym) {
    if (mySym >= SDLK_a && mySym <= SDLK_z) return static_cast<uint32_t>('A' + (mySym - SDLK_a));
    if (mySym >= SDLK_0 && mySym <= SDLK_9) return static_cast<uint32_t>(mySym);
    if (mySym >= SDLK_F1 && mySym <= SDLK_F12) return kVKF1 + static_cast<uint32_t>(mySym - SDLK_F1);
    if (mySym >= SDLK_KP_1 && mySym <= SDLK_KP_9)
        return kVKNumpad0 + 1 + static_cast<uint32_t>(mySym - SDLK_KP_1);
    switch (mySym) {
    case SDLK_KP_0:
        return kVKNumpad0;
    case SDLK_BACKSPACE:
        return kVKBack;
    case SDLK_TAB:
        return kVKTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return kVKReturn;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return kVKShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return kVKControl;
    case SDLK_LALT:
    case SDLK_RALT:
        return kVKMenu;
    case SDLK_ESCAPE:
        return kVKEscape;
    case SDLK_SPACE:
        return kVKSpace;
    case SDLK_PAGEUP:
        return kVKPrior;
    case SDLK_PAGEDOWN:
        return kVKNext;
    case SDLK_END:
        return kVKEnd;
    case SDLK_HOME:
        return kVKHome;
    case SDLK_LEFT:
        return kVKLeft;
    case SDLK_UP:
        return kVKUp;
    case SDLK_RIGHT:
        return kVKRight;
    case SDLK_DOWN:
        return kVKDown;
    case SDLK_INSERT:
        return kVKInsert;
    case SDLK_DELETE:
        return kVKDelete;
    case SDLK_HELP:
        return kVKHelp;
    case SDLK_CAPSLOCK:
        return kVKCapital;
    case SDLK_COMMA:
        return kVKComma;
    case SDLK_MINUS:
        return kVKMinus;
    case SDLK_PERIOD:
        return kVKPeriod;
    case SDLK_SLASH:
        return kVKSlash;
    case SDLK_SEMICOLON:
        return kVKSemicolon;
    case SDLK_EQUALS:
        return kVKEquals;
    case SDLK_QUOTE:
        return kVKQuote;
    case SDLK_LEFTBRACKET:
        return kVKOpenBracket;
    case SDLK_RIGHTBRACKET:
        return kVKCloseBracket;
    case SDLK_BACKSLASH:
        return kVKBackslash;
    case SDLK_BACKQUOTE:
        return kVKGrave;
    default:
        return 0;
    }
}

int WindowFocused() {
    for (int myId = 0; myId < kWinCount; ++myId)
        if (sWindows[myId].mWindow && (SDL_GetWindowFlags(sWindows[myId].mWindow) & SDL_WINDOW_INPUT_FOCUS))
            return myId;
    return kWinNone;
}

// Disabled windows (behind an alert) take no input, as the system would refuse it to them.
bool WindowTakesInput(int myId) {
    return WindowValid(myId) && sWindows[myId].mEnabled;
}

void WindowTranslate(const SDL_Event& myEvent) {
    switch (myEvent.type) {
    case SDL_QUIT:
        WindowQueueMessage(kMsgEnd, kWinNone, 0, 0, 0, 0);
        break;
    case SDL_KEYUP:
        sKeyMods = WindowMods(myEvent.key.keysym.mod);
        break;
    case SDL_KEYDOWN: {
        sKeyMods = WindowMods(myEvent.key.keysym.mod);
        const int myId = WindowFromSDL(myEvent.key.windowID);
        if (!WindowTakesInput(myId)) break;
        const uint32_t myKey = WindowVirtualKey(myEvent.key.keysym.sym);
        const uint8_t myMods = sKeyMods;
        if (myKey) WindowQueueMessage(kMsgKeyDown, myId, myKey, 0, 0, 0, myMods);
        const uint32_t myChar = WindowControlCharacter(myKey, myMods);
        if (myChar) WindowQueueMessage(kMsgChar, myId, myChar, 0, 0, 0, myMods);
        break;
    }
    case SDL_TEXTINPUT: {
        const int myId = WindowFromSDL(myEvent.text.windowID);
        if (!WindowTakesInput(myId)) break;
        const uint8_t myMods = sKeyMods;
        // Ctrl with a digit is a command of its own; what some layouts type for it is not a character.
        if (myMods & kModCtrl) break;
        for (const char* myText = myEvent.text.text; *myText; ++myText) {
            const auto myByte = static_cast<unsigned char>(*myText);
            if (myByte >= 32 && myByte < 127) WindowQueueMessage(kMsgChar, myId, myByte, 0, 0, 0, myMods);
        }
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool myLeft = myEvent.button.button == SDL_BUTTON_LEFT;
        if (!myLeft && myEvent.button.button != SDL_BUTTON_RIGHT) break;
        const int myId = WindowFromSDL(myEvent.button.windowID);
        if (!WindowTakesInput(myId)) break;
        const bool myDown = myEvent.type == SDL_MOUSEBUTTONDOWN;
        if (myLeft) sPressWindow = myDown ? myId : kWinNone;
        const MessageKind myKind =
            myLeft ? (myDown ? kMsgButtonDown : kMsgButtonUp) : (myDown ? kMsgRButtonDown : kMsgRButtonUp);
        const int myScale = WindowScaleOf(myId);
        WindowQueueMessage(myKind, myId, 0, 0, myEvent.button.x / myScale, myEvent.button.y / myScale,
                           sKeyMods);
        break;
    }
    case SDL_MOUSEWHEEL: {
        const int myId = WindowFromSDL(myEvent.wheel.windowID);
        if (!WindowTakesInput(myId) || myEvent.wheel.y == 0) break;
        const int myNotches =
            myEvent.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -myEvent.wheel.y : myEvent.wheel.y;
        const int myScale = WindowScaleOf(myId);
        WindowQueueMessage(kMsgMouseWheel, myId, 0, myNotches, myEvent.wheel.mouseX / myScale,
                           myEvent.wheel.mouseY / myScale, sKeyMods);
        break;
    }
    case SDL_MOUSEMOTION: {
        const int myId = WindowFromSDL(myEvent.motion.windowID);
        const int myScale = WindowScaleOf(myId);
        // Where the cursor is, as the window's own events say: while a button is held they go on past the
        // window's edges, where a pointer moved by warping leaves the desktop's position behind.
        if (WindowValid(myId)) {
            sCursorWindow = myId;
            sCursorX = WindowFloorDivide(myEvent.motion.x, myScale);
            sCursorY = WindowFloorDivide(myEvent.motion.y, myScale);
        }
        // While the button is held SDL may give the motion to another of our windows (the one it last
        // showed); the drag follows it in the pressed window's own pixels.
        if (WindowValid(myId) && WindowValid(sPressWindow) && sPressWindow != myId &&
            (myEvent.motion.state & SDL_BUTTON_LMASK) && sWindows[myId].mWindow &&
            sWindows[sPressWindow].mWindow) {
            int myLeft = 0, myTop = 0, myPressLeft = 0, myPressTop = 0;
            SDL_GetWindowPosition(sWindows[myId].mWindow, &myLeft, &myTop);
            SDL_GetWindowPosition(sWindows[sPressWindow].mWindow, &myPressLeft, &myPressTop);
            const int myPressScale = WindowScaleOf(sPressWindow);
            sCursorWindow = sPressWindow;
            sCursorX = WindowFloorDivide(myEvent.motion.x + myLeft - myPressLeft, myPressScale);
            sCursorY = WindowFloorDivide(myEvent.motion.y + myTop - myPressTop, myPressScale);
        }
        if (WindowTakesInput(myId))
            WindowQueueMessage(kMsgMouseMove, myId, 0, 0, myEvent.motion.x / myScale,
                               myEvent.motion.y / myScale, sKeyMods);
        break;
    }
    case SDL_WINDOWEVENT: {
        const int myId = WindowFromSDL(myEvent.window.windowID);
        if (!WindowValid(myId)) break;
        switch (myEvent.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            WindowQueueMessage(kMsgClose, myId, 0, 0, 0, 0);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            WindowQueueMessage(kMsgPaint, myId, 0, 0, 0, 0);
            break;
        case SDL_WINDOWEVENT_LEAVE:
            if (sCursorWindow == myId && SDL_GetMouseState(nullptr, nullptr) == 0) sCursorWindow = kWinNone;
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            // The window's pixels were made anew: all of the picture must reach them again.
            sWindows[myId].mPresenter.mRows.ChangedRowsMarkAll();
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            WindowQueueMessage(kMsgMinimize, myId, 0, 0, 0, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            // Keys let go while another program had the keyboard sent the program no events.
            sKeyMods = WindowMods(static_cast<uint16_t>(SDL_GetModState()));
            sActive = myId;
            WindowQueueMessage(kMsgActivate, myId, 1, kWinNone, 0, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST: {
            // The focus moves within the program when another of its windows takes it next.
            const int myOther = WindowFocused();
            WindowQueueMessage(kMsgActivate, myId, 0, myOther, 0, 0);
            break;
        }
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
}

// Window managers keep a window above the one it is transient for, even above a full-screen one.
void WindowKeepAbovePaint(WindowState& myState) {
    SDL_Window* myPaint = sWindows[kWinPaint].mWindow;
    if (!myPaint || !myState.mWindow || myState.mWindow == myPaint) return;
    SDL_SysWMinfo myTool, myParent;
    SDL_VERSION(&myTool.version);
    SDL_VERSION(&myParent.version);
    if (!SDL_GetWindowWMInfo(myState.mWindow, &myTool) || !SDL_GetWindowWMInfo(myPaint, &myParent)) return;
    if (myTool.subsystem != SDL_SYSWM_X11 || myParent.subsystem != SDL_SYSWM_X11) return;
    XSetTransientForHint(myTool.info.x11.display, myTool.info.x11.window, myParent.info.x11.window);
}

// The connection to the X server the windows are on, or nullptr on another display system.
Display* WindowX11Display() {
    for (const WindowState& myState : sWindows) {
        if (!myState.mWindow) continue;
        SDL_SysWMinfo myInfo;
        SDL_VERSION(&myInfo.version);
        if (!SDL_GetWindowWMInfo(myState.mWindow, &myInfo) || myInfo.subsystem != SDL_SYSWM_X11)
            return nullptr;
        return myInfo.info.x11.display;
    }
    return nullptr;
}

// Sleeps on the X server's connection until it has something to say or myMilliseconds pass. SDL's own wait
// asks the connection for news a dozen times before it sleeps and again after, and Orbex waits a hundred
// times a second while it plays; here it is one poll, and the messages are taken at the next turn.
// mySilent tells that the server sent nothing from before the wait to its end.
bool WindowWaitX11(uint32_t myMilliseconds, bool& mySilent) {
    mySilent = false;
    Display* myDisplay = WindowX11Display();
    if (!myDisplay) return false;
    // Events may have been read off the connection already (while waiting for a reply), where a poll does not
    // see them: they are looked for first. The flush goes with it: this turn's requests reach the server
    // before the sleep.
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) || XEventsQueued(myDisplay, QueuedAfterFlush) > 0)
        return true;
    pollfd myConnection{ConnectionNumber(myDisplay), POLLIN, 0};
    mySilent = poll(&myConnection, 1, static_cast<int>(myMilliseconds)) == 0;
    return true;
}

void WindowPump() {
    if (gPlatformHeadless) return;
    const uint32_t myNow = ClockTicks();
    if (!sPumped || myNow - sPumpedAt >= kPumpAtLeastMs) {
        SDL_PumpEvents();
        sPumped = true;
        sPumpedAt = myNow;
    }
    SDL_Event myEvent;
    while (SDL_PeepEvents(&myEvent, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        WindowTranslate(myEvent);
}

} // namespace

uint8_t gWindowKeyState = 0;

bool WindowCreate(int myId, const char* myTitle, int myX, int myY, int myWidth, int myHeight,
                  uint32_t myFlags) {
    if (!WindowValid(myId)) return false;
    WindowState& myState = sWindows[myId];
    WindowDestroy(myId);
    sLastFailure = kWindowFailNone;
    if (!SurfaceCreate(myState.mSurface, myWidth, myHeight)) {
        sLastFailure = kWindowFailWindow;
        return false;
    }
    myState.mFlags = myFlags;
    myState.mEnabled = true;
    myState.mVisible = false;
    if (!gPlatformHeadless) {
        uint32_t mySDLFlags = SDL_WINDOW_HIDDEN;
        if (myFlags & kWindowFullScreen) mySDLFlags |= WindowFullScreenPlace(&myX, &myY);
        if (myFlags & kWindowTopmost) mySDLFlags |= SDL_WINDOW_ALWAYS_ON_TOP;
        mySDLFlags |= PresentWindowFlags();
        const int myScale = WindowScaleOf(myId);
        myState.mWindow = SDL_CreateWindow(myTitle, myX * myScale, myY * myScale, myWidth * myScale,
                                           myHeight * myScale, mySDLFlags);
        if (!myState.mWindow ||
            !myState.mPresenter.PresenterOpen(myState.mWindow, myWidth, myHeight, myScale)) {
            sLastFailure = myState.mWindow ? kWindowFailRenderer : kWindowFailWindow;
            WindowReleaseSDL(myState);
            SurfaceRelease(myState.mSurface);
            return false;
        }
        if (myFlags & kWindowTopmost) WindowKeepAbovePaint(myState);
    }
    myState.mExists = true;
    return true;
}

void WindowDestroy(int myId) {
    if (!WindowValid(myId)) return;
    WindowState& myState = sWindows[myId];
    WindowReleaseSDL(myState);
    SurfaceRelease(myState.mSurface);
    myState.mExists = false;
    myState.mVisible = false;
    for (auto myIt = sQueue.begin(); myIt != sQueue.end();)
        myIt = myIt->mWindow == myId ? sQueue.erase(myIt) : myIt + 1;
}

WindowFailure WindowLastFailure() {
    return sLastFailure;
}

bool WindowExists(int myId) {
    return WindowValid(myId) && sWindows[myId].mExists;
}

void WindowShow(int myId, bool myShow, bool myActivate) {
    if (!WindowExists(myId)) return;
    WindowState& myState = sWindows[myId];
    if (myShow && !myState.mVisible) WindowQueueMessage(kMsgPaint, myId, 0, 0, 0, 0);
    myState.mVisible = myShow;
    if (myShow && myActivate) sActive = myId;
    if (!myShow && sActive == myId) sActive = WindowVisible(kWinControls) ? kWinControls : kWinPaint;
    if (!myState.mWindow) return;
    if (myShow) {
        SDL_ShowWindow(myState.mWindow);
        if (myActivate) SDL_RaiseWindow(myState.mWindow);
        myState.mPresenter.mRows.ChangedRowsMarkAll();
    } else {
        SDL_HideWindow(myState.mWindow);
    }
}

bool WindowVisible(int myId) {
    return WindowExists(myId) && sWindows[myId].mVisible;
}

void WindowEnable(int myId, bool myEnable) {
    if (WindowExists(myId)) sWindows[myId].mEnabled = myEnable;
}

void WindowActivate(int myId) {
    if (!WindowExists(myId)) return;
    sActive = myId;
    if (sWindows[myId].mWindow) SDL_RaiseWindow(sWindows[myId].mWindow);
}

int WindowActive() {
    const int myFocused = gPlatformHeadless ? kWinNone : WindowFocused();
    return myFocused != kWinNone ? myFocused : sActive != kWinNone ? sActive : kWinControls;
}

void WindowResize(int myId, int myWidth, int myHeight) {
    if (!WindowExists(myId)) return;
    WindowState& myState = sWindows[myId];
    if (!SurfaceCreate(myState.mSurface, myWidth, myHeight)) return;
    if (myState.mWindow) {
        const int myScale = WindowScaleOf(myId);
        if (!(myState.mFlags & kWindowFullScreen))
            SDL_SetWindowSize(myState.mWindow, myWidth * myScale, myHeight * myScale);
        myState.mPresenter.PresenterResize(myWidth, myHeight);
    }
}

int WindowScreen(int myId) {
    if (!WindowExists(myId) || !sWindows[myId].mWindow) return ScreenChosen();
    int myX = 0, myY = 0, myWidth = 0, myHeight = 0;
    SDL_GetWindowPosition(sWindows[myId].mWindow, &myX, &myY);
    SDL_GetWindowSize(sWindows[myId].mWindow, &myWidth, &myHeight);
    return ScreenAt(myX + myWidth / 2, myY + myHeight / 2);
}

bool WindowMoveToScreen(int myId, int myScreen) {
    if (!WindowExists(myId) || !sWindows[myId].mWindow || !(sWindows[myId].mFlags & kWindowFullScreen))
        return false;
    SDL_Window* myWindow = sWindows[myId].mWindow;
    const Rect myBounds = ScreenBounds(myScreen);
    if (ScreenSDLDisplays()) {
        // SDL fills the display the window is on: leave full screen, move, and fill the new one.
        SDL_SetWindowFullscreen(myWindow, 0);
        SDL_SetWindowPosition(myWindow, myBounds.left, myBounds.top);
        SDL_SetWindowFullscreen(myWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowPosition(myWindow, myBounds.left, myBounds.top);
        SDL_SetWindowSize(myWindow, myBounds.Width(), myBounds.Height());
    }
    sWindows[myId].mPresenter.mRows.ChangedRowsMarkAll();
    return true;
}

void WindowPlaceBeside(int myId, int myAnchor) {
    if (!WindowExists(myId) || !WindowExists(myAnchor)) return;
    SDL_Window* myWindow = sWindows[myId].mWindow;
    SDL_Window* myBeside = sWindows[myAnchor].mWindow;
    if (!myWindow || !myBeside) return;
    int myX = 0, myY = 0, myWidth = 0, myHeight = 0;
    SDL_GetWindowPosition(myBeside, &myX, &myY);
    SDL_GetWindowSize(myBeside, &myWidth, &myHeight);
    int myTop = 0, myLeft = 0, myBottom = 0, myRight = 0;
    SDL_GetWindowBordersSize(myBeside, &myTop, &myLeft, &myBottom, &myRight);
    int myOwnLeft = 0;
    SDL_GetWindowBordersSize(myWindow, nullptr, &myOwnLeft, nullptr, nullptr);
    SDL_SetWindowPosition(myWindow, myX + myWidth + myRight + myOwnLeft, myY);
}

void WindowRestore(int myId) {
    if (WindowExists(myId) && sWindows[myId].mWindow) SDL_RestoreWindow(sWindows[myId].mWindow);
}

Surface& WindowSurface(int myId) {
    static Surface sNoSurface;
    return WindowValid(myId) ? sWindows[myId].mSurface : sNoSurface;
}

void WindowInvalidate(int myId) {
    if (!WindowExists(myId)) return;
    for (const Message& myMessage : sQueue)
        if (myMessage.mKind == kMsgPaint && myMessage.mWindow == myId) return;
    WindowQueueMessage(kMsgPaint, myId, 0, 0, 0, 0);
}

void WindowPresent(int myId) {
    if (!WindowExists(myId)) return;
    sWindows[myId].mPresenter.mRows.ChangedRowsMarkAll();
    sDrewSinceLastTurn = true;
}

void WindowPresentRows(int myId, int myTop, int myBottom) {
    if (!WindowExists(myId)) return;
    sWindows[myId].mPresenter.mRows.ChangedRowsMark(myTop, myBottom);
    sDrewSinceLastTurn = true;
}

void WindowPresentArea(int myId, const Rect& myArea) {
    if (!WindowExists(myId)) return;
    sWindows[myId].mPresenter.mRows.ChangedRowsMark(myArea.top, myArea.bottom, myArea.left, myArea.right);
    sDrewSinceLastTurn = true;
}

void WindowShowCursor(bool myShow) {
    if (!gPlatformHeadless) SDL_ShowCursor(myShow ? SDL_ENABLE : SDL_DISABLE);
}

bool WindowCursorPosition(int myWindow, int* myX, int* myY) {
    if (!WindowExists(myWindow)) return false;
    int myCursorX = sCursorX, myCursorY = sCursorY;
    bool myOver = sCursorWindow == myWindow;
    SDL_Window* mySDLWindow = sWindows[myWindow].mWindow;
    if (mySDLWindow && !myOver && SDL_GetMouseFocus() == mySDLWindow) {
        // The pointer came in without moving (the window grew under it, or was shown there): SDL keeps its
        // place from the window's own crossing events, where the desktop's position may lag behind.
        const int myScale = WindowScaleOf(myWindow);
        SDL_GetMouseState(&myCursorX, &myCursorY);
        myCursorX = WindowFloorDivide(myCursorX, myScale);
        myCursorY = WindowFloorDivide(myCursorY, myScale);
        myOver = true;
    } else if (mySDLWindow && !myOver) {
        int myGlobalX = 0, myGlobalY = 0, myLeft = 0, myTop = 0;
        SDL_GetGlobalMouseState(&myGlobalX, &myGlobalY);
        SDL_GetWindowPosition(mySDLWindow, &myLeft, &myTop);
        const int myScale = WindowScaleOf(myWindow);
        myCursorX = WindowFloorDivide(myGlobalX - myLeft, myScale);
        myCursorY = WindowFloorDivide(myGlobalY - myTop, myScale);
        myOver = true;
    }
    const Surface& mySurface = sWindows[myWindow].mSurface;
    *myX = myCursorX;
    *myY = myCursorY;
    return myOver && myCursorX >= 0 && myCursorY >= 0 && myCursorX < mySurface.mWidth &&
           myCursorY < mySurface.mHeight;
}

void WindowSetCursor(int myWindow, int myX, int myY) {
    sCursorWindow = myWindow;
    sCursorX = myX;
    sCursorY = myY;
    if (WindowExists(myWindow) && sWindows[myWindow].mWindow) {
        const int myScale = WindowScaleOf(myWindow);
        SDL_WarpMouseInWindow(sWindows[myWindow].mWindow, myX * myScale + myScale / 2,
                              myY * myScale + myScale / 2);
    }
}

void WindowSetScale(int myScale) {
    sScale = myScale < 1 ? 1 : myScale > 4 ? 4 : myScale;
}

int WindowScale() {
    return sScale;
}

int WindowScaleForDesktop(int myWidth, int myHeight) {
    if (myWidth >= 3840 && myHeight >= 2160) return 3;
    if (myWidth >= 1920 && myHeight >= 1080) return 2;
    return 1;
}

uint32_t WindowControlCharacter(uint32_t myVirtualKey, uint8_t myMods) {
    switch (myVirtualKey) {
    case kVKReturn:
        return 13;
    case kVKEscape:
        return 27;
    case kVKBack:
        return 8;
    case kVKTab:
        return 9;
    default:
        break;
    }
    if ((myMods & kModCtrl) && myVirtualKey >= 'A' && myVirtualKey <= 'Z') return myVirtualKey - 'A' + 1;
    return 0;
}

void WindowTurn() {
    if (gPlatformHeadless) {
        ClockAdvance(1);
        if (sTurnHook) sTurnHook();
    } else {
        WindowPresentDue();
        // An idle turn gives the processor back for a moment; deadlines stay exact to about 2 ms.
        if (!sWaited && sQueue.empty() && !sDrewSinceLastTurn &&
            !SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT))
            SDL_Delay(1);
    }
    // A turn with no wait before it (a loop holding a slider) asks for news every time.
    if (!sWaited) sPumped = false;
    sDrewSinceLastTurn = false;
    sWaited = false;
    ScriptTurn();
}

void WindowWait(uint32_t myMilliseconds) {
    sWaited = true;
    // Unless this wait finds the connection silent, what woke it (or came during the turn) is for a pump.
    const bool myPumped = sPumped;
    sPumped = false;
    if (gPlatformHeadless) return;
    // A scripted session's next command may be due at any millisecond.
    if (ScriptRunning()) myMilliseconds = std::min<uint32_t>(myMilliseconds, 1);
    const uint32_t myNow = ClockTicks();
    for (const WindowState& myState : sWindows)
        if (myState.mExists && myState.mVisible)
            myMilliseconds = std::min(myMilliseconds, myState.mPresenter.PresenterDueIn(myNow));
    if (myMilliseconds == 0 || !sQueue.empty()) return;
    // Either way the wait is on the display's connection, so a key, a click or the window manager wakes it at
    // once.
    myMilliseconds = std::min<uint32_t>(myMilliseconds, 1000);
    bool mySilent = false;
    if (WindowWaitX11(myMilliseconds, mySilent)) {
        sPumped = myPumped && mySilent;
        return;
    }
    SDL_Event myEvent;
    if (SDL_WaitEventTimeout(&myEvent, static_cast<int>(myMilliseconds))) WindowTranslate(myEvent);
}

bool WindowReadShown(int myId, std::vector<uint32_t>& myPixels, int& myWidth, int& myHeight) {
    if (!WindowExists(myId) || !sWindows[myId].mWindow) return false;
    WindowState& myState = sWindows[myId];
    return myState.mPresenter.PresenterRead(myState.mSurface, myPixels, myWidth, myHeight);
}

const char* WindowPresentWay(int myId) {
    return WindowExists(myId) && sWindows[myId].mWindow ? PresentWayName(sWindows[myId].mPresenter.mWay) : "";
}

bool WindowPeekMessage(Message& myMessage, bool myRemove) {
    if (myRemove) WindowTurn();
    WindowPump();
    if (sQueue.empty()) return false;
    myMessage = sQueue.front();
    if (!myRemove) return true;
    sQueue.pop_front();
    switch (myMessage.mKind) {
    case kMsgKeyDown:
    case kMsgChar:
    case kMsgButtonDown:
    case kMsgButtonUp:
    case kMsgRButtonDown:
    case kMsgRButtonUp:
    case kMsgMouseMove:
    case kMsgMouseWheel:
        gWindowKeyState = myMessage.mMods;
        break;
    default:
        break;
    }
    return true;
}

bool WindowPeekButtonDown(int myWindow, bool myRemove) {
    WindowPump();
    for (auto myIt = sQueue.begin(); myIt != sQueue.end(); ++myIt) {
        if (myIt->mKind == kMsgButtonDown && myIt->mWindow == myWindow) {
            if (myRemove) sQueue.erase(myIt);
            return true;
        }
    }
    return false;
}

bool WindowMessagesWaiting() {
    WindowPump();
    return !sQueue.empty();
}

bool WindowButtonUpWaiting() {
    WindowPump();
    for (const Message& myMessage : sQueue)
        if (myMessage.mKind == kMsgButtonUp) return true;
    return false;
}

void WindowQueueMessage(MessageKind myKind, int myWindow, uint32_t myWParam, int32_t myLParam, int myX,
                        int myY, uint8_t myMods) {
    Message myMessage;
    myMessage.mMods = myMods;
    myMessage.mKind = myKind;
    myMessage.mWindow = myWindow;
    myMessage.mWParam = myWParam;
    myMessage.mLParam = myLParam;
    myMessage.mX = myX;
    myMessage.mY = myY;
    myMessage.mTime = ClockTicks();
    sQueue.push_back(myMessage);
}

void WindowPushMessage(const Message& myMessage) {
    sQueue.push_back(myMessage);
}

void WindowPostQuit(int myCode) {
    WindowQueueMessage(kMsgQuit, kWinNone, static_cast<uint32_t>(myCode), 0, 0, 0);
}

void WindowSetTurnHook(void (*myHook)()) {
    sTurnHook = myHook;
}

void WindowCloseAll() {
    for (int myId = 0; myId < kWinCount; ++myId)
        WindowDestroy(myId);
    sQueue.clear();
    sTurnHook = nullptr;
    sActive = kWinNone;
    sKeyMods = 0;
    sCursorWindow = kWinNone;
    sScale = 1;
    gWindowKeyState = 0;
}

void WindowResetState() {
    WindowCloseAll();
    for (WindowState& myState : sWindows)
        myState = WindowState();
    sLastFailure = kWindowFailNone;
    sDrewSinceLastTurn = false;
    sWaited = false;
    sPumped = false;
    sScale = 1;
    sActive = kWinNone;
    sCursorWindow = kWinNone;
    sCursorX = sCursorY = 0;
    sPressWindow = kWinNone;
    gWindowKeyState = 0;
}
