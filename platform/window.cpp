// Windows and messages on SDL2, or on an in-memory queue when headless.
#include "platform/window.h"

#include <SDL.h>

#include <cstring>
#include <deque>

#include "platform/clock.h"
#include "platform/palette.h"
#include "platform/platform.h"

namespace {

struct WindowState {
    bool mExists = false;
    bool mVisible = false;
    bool mEnabled = true;
    bool mDirty = false;
    uint32_t mFlags = 0;
    uint32_t mLastPresent = 0;
    uint32_t mPresentedSerial = 0;
    Surface mSurface;
    SDL_Window* mWindow = nullptr;
    SDL_Renderer* mRenderer = nullptr;
    SDL_Texture* mTexture = nullptr;
};

WindowState sWindows[kWinCount];
std::deque<Message> sQueue;
void (*sTurnHook)() = nullptr;
bool sDrewSinceLastTurn = false;
constexpr uint32_t kPresentInterval = 15; // ms, about one refresh of a 60 Hz display

bool WindowValid(int myId) {
    return myId >= 0 && myId < kWinCount;
}

int WindowFromSDL(uint32_t mySDLId) {
    for (int myId = 0; myId < kWinCount; ++myId)
        if (sWindows[myId].mWindow && SDL_GetWindowID(sWindows[myId].mWindow) == mySDLId) return myId;
    return kWinNone;
}

void WindowReleaseSDL(WindowState& myState) {
    if (myState.mTexture) SDL_DestroyTexture(myState.mTexture);
    if (myState.mRenderer) SDL_DestroyRenderer(myState.mRenderer);
    if (myState.mWindow) SDL_DestroyWindow(myState.mWindow);
    myState.mTexture = nullptr;
    myState.mRenderer = nullptr;
    myState.mWindow = nullptr;
}

bool WindowMakeTexture(WindowState& myState) {
    if (myState.mTexture) SDL_DestroyTexture(myState.mTexture);
    myState.mTexture =
        SDL_CreateTexture(myState.mRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                          myState.mSurface.mWidth, myState.mSurface.mHeight);
    return myState.mTexture != nullptr;
}

void WindowPresentNow(WindowState& myState) {
    if (!myState.mTexture || !myState.mVisible) return;
    void* myPixels = nullptr;
    int myPitch = 0;
    if (SDL_LockTexture(myState.mTexture, nullptr, &myPixels, &myPitch) != 0) return;
    PaletteConvert(myState.mSurface.mPixels.data(), myState.mSurface.mPitch, myState.mSurface.mWidth,
                   myState.mSurface.mHeight, static_cast<uint32_t*>(myPixels), myPitch / 4);
    SDL_UnlockTexture(myState.mTexture);
    SDL_RenderCopy(myState.mRenderer, myState.mTexture, nullptr, nullptr);
    SDL_RenderPresent(myState.mRenderer);
    myState.mDirty = false;
    myState.mPresentedSerial = gPaletteSerial;
    myState.mLastPresent = ClockTicks();
}

void WindowPresentDue() {
    const uint32_t myNow = ClockTicks();
    for (WindowState& myState : sWindows) {
        if (!myState.mExists || !myState.mVisible) continue;
        const bool myChanged = myState.mDirty || myState.mPresentedSerial != gPaletteSerial;
        if (myChanged && myNow - myState.mLastPresent >= kPresentInterval) WindowPresentNow(myState);
    }
}

// Characters as the keyboard produces them, including the control characters that text input leaves out.
uint32_t WindowControlChar(const SDL_Keysym& myKey) {
    if (myKey.sym == SDLK_RETURN || myKey.sym == SDLK_KP_ENTER) return 13;
    if (myKey.sym == SDLK_ESCAPE) return 27;
    if (myKey.sym == SDLK_BACKSPACE) return 8;
    if (myKey.sym == SDLK_TAB) return 9;
    if ((myKey.mod & KMOD_CTRL) && myKey.sym >= SDLK_a && myKey.sym <= SDLK_z)
        return static_cast<uint32_t>(myKey.sym - SDLK_a + 1);
    return 0;
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
    case SDLK_COMMA:
        return 188;
    case SDLK_MINUS:
        return 189;
    case SDLK_PERIOD:
        return 190;
    case SDLK_SLASH:
        return 191;
    case SDLK_SEMICOLON:
        return 186;
    case SDLK_EQUALS:
        return 187;
    default:
        return 0;
    }
}

void WindowQueue(MessageKind myKind, int myWindow, uint32_t myWParam, int32_t myLParam, int myX, int myY) {
    Message myMessage;
    myMessage.mKind = myKind;
    myMessage.mWindow = myWindow;
    myMessage.mWParam = myWParam;
    myMessage.mLParam = myLParam;
    myMessage.mX = myX;
    myMessage.mY = myY;
    myMessage.mTime = ClockTicks();
    sQueue.push_back(myMessage);
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
        WindowQueue(kMsgClose, kWinControls, 0, 0, 0, 0);
        break;
    case SDL_KEYDOWN: {
        const int myId = WindowFromSDL(myEvent.key.windowID);
        if (!WindowTakesInput(myId)) break;
        const uint32_t myKey = WindowVirtualKey(myEvent.key.keysym.sym);
        if (myKey) WindowQueue(kMsgKeyDown, myId, myKey, 0, 0, 0);
        const uint32_t myChar = WindowControlChar(myEvent.key.keysym);
        if (myChar) WindowQueue(kMsgChar, myId, myChar, 0, 0, 0);
        break;
    }
    case SDL_TEXTINPUT: {
        const int myId = WindowFromSDL(myEvent.text.windowID);
        if (!WindowTakesInput(myId)) break;
        for (const char* myText = myEvent.text.text; *myText; ++myText) {
            const auto myByte = static_cast<unsigned char>(*myText);
            if (myByte >= 32 && myByte < 127) WindowQueue(kMsgChar, myId, myByte, 0, 0, 0);
        }
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        if (myEvent.button.button != SDL_BUTTON_LEFT) break;
        const int myId = WindowFromSDL(myEvent.button.windowID);
        if (!WindowTakesInput(myId)) break;
        WindowQueue(myEvent.type == SDL_MOUSEBUTTONDOWN ? kMsgButtonDown : kMsgButtonUp, myId, 0, 0,
                    myEvent.button.x, myEvent.button.y);
        break;
    }
    case SDL_MOUSEMOTION: {
        const int myId = WindowFromSDL(myEvent.motion.windowID);
        if (WindowTakesInput(myId))
            WindowQueue(kMsgMouseMove, myId, 0, 0, myEvent.motion.x, myEvent.motion.y);
        break;
    }
    case SDL_WINDOWEVENT: {
        const int myId = WindowFromSDL(myEvent.window.windowID);
        if (!WindowValid(myId)) break;
        switch (myEvent.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            WindowQueue(kMsgClose, myId, 0, 0, 0, 0);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            WindowQueue(kMsgPaint, myId, 0, 0, 0, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            WindowQueue(kMsgActivate, myId, 1, kWinNone, 0, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST: {
            // The focus moves within the program when another of its windows takes it next.
            const int myOther = WindowFocused();
            WindowQueue(kMsgActivate, myId, 0, myOther, 0, 0);
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

void WindowPump() {
    if (gPlatformHeadless) return;
    SDL_Event myEvent;
    while (SDL_PollEvent(&myEvent))
        WindowTranslate(myEvent);
}

} // namespace

bool WindowCreate(int myId, const char* myTitle, int myX, int myY, int myWidth, int myHeight,
                  uint32_t myFlags) {
    if (!WindowValid(myId)) return false;
    WindowState& myState = sWindows[myId];
    WindowDestroy(myId);
    if (!SurfaceCreate(myState.mSurface, myWidth, myHeight)) return false;
    myState.mFlags = myFlags;
    myState.mEnabled = true;
    myState.mVisible = false;
    if (!gPlatformHeadless) {
        uint32_t mySDLFlags = SDL_WINDOW_HIDDEN;
        if (myFlags & kWindowFullScreen) mySDLFlags |= SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
        if (myFlags & kWindowTopmost) mySDLFlags |= SDL_WINDOW_ALWAYS_ON_TOP;
        myState.mWindow = SDL_CreateWindow(myTitle, myX, myY, myWidth, myHeight, mySDLFlags);
        if (myState.mWindow) myState.mRenderer = SDL_CreateRenderer(myState.mWindow, -1, 0);
        if (!myState.mRenderer || !WindowMakeTexture(myState)) {
            WindowReleaseSDL(myState);
            SurfaceRelease(myState.mSurface);
            return false;
        }
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

bool WindowExists(int myId) {
    return WindowValid(myId) && sWindows[myId].mExists;
}

void WindowShow(int myId, bool myShow, bool myActivate) {
    if (!WindowExists(myId)) return;
    WindowState& myState = sWindows[myId];
    if (myShow && !myState.mVisible) WindowQueue(kMsgPaint, myId, 0, 0, 0, 0);
    myState.mVisible = myShow;
    if (!myState.mWindow) return;
    if (myShow) {
        SDL_ShowWindow(myState.mWindow);
        if (myActivate) SDL_RaiseWindow(myState.mWindow);
        myState.mDirty = true;
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
    if (WindowExists(myId) && sWindows[myId].mWindow) SDL_RaiseWindow(sWindows[myId].mWindow);
}

void WindowResize(int myId, int myWidth, int myHeight) {
    if (!WindowExists(myId)) return;
    WindowState& myState = sWindows[myId];
    if (!SurfaceCreate(myState.mSurface, myWidth, myHeight)) return;
    if (myState.mWindow) {
        if (!(myState.mFlags & kWindowFullScreen)) SDL_SetWindowSize(myState.mWindow, myWidth, myHeight);
        WindowMakeTexture(myState);
    }
    myState.mDirty = true;
}

Surface& WindowSurface(int myId) {
    static Surface sNoSurface;
    return WindowValid(myId) ? sWindows[myId].mSurface : sNoSurface;
}

void WindowInvalidate(int myId) {
    if (!WindowExists(myId)) return;
    for (const Message& myMessage : sQueue)
        if (myMessage.mKind == kMsgPaint && myMessage.mWindow == myId) return;
    WindowQueue(kMsgPaint, myId, 0, 0, 0, 0);
}

void WindowPresent(int myId) {
    if (!WindowExists(myId)) return;
    sWindows[myId].mDirty = true;
    sDrewSinceLastTurn = true;
}

void WindowShowCursor(bool myShow) {
    if (!gPlatformHeadless) SDL_ShowCursor(myShow ? SDL_ENABLE : SDL_DISABLE);
}

bool WindowPeekMessage(Message& myMessage, bool myRemove) {
    if (myRemove) {
        if (gPlatformHeadless) {
            ClockAdvance(1);
            if (sTurnHook) sTurnHook();
        } else {
            WindowPresentDue();
            // An idle turn gives the processor back for a moment; deadlines stay exact to about 2 ms.
            if (sQueue.empty() && !sDrewSinceLastTurn && !SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT))
                SDL_Delay(1);
        }
        sDrewSinceLastTurn = false;
    }
    WindowPump();
    if (sQueue.empty()) return false;
    myMessage = sQueue.front();
    if (myRemove) sQueue.pop_front();
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

bool WindowButtonUpWaiting() {
    WindowPump();
    for (const Message& myMessage : sQueue)
        if (myMessage.mKind == kMsgButtonUp) return true;
    return false;
}

void WindowPushMessage(const Message& myMessage) {
    sQueue.push_back(myMessage);
}

void WindowPostQuit(int myCode) {
    WindowQueue(kMsgQuit, kWinNone, static_cast<uint32_t>(myCode), 0, 0, 0);
}

void WindowSetTurnHook(void (*myHook)()) {
    sTurnHook = myHook;
}

void WindowCloseAll() {
    for (int myId = 0; myId < kWinCount; ++myId)
        WindowDestroy(myId);
    sQueue.clear();
    sTurnHook = nullptr;
}

void WindowResetState() {
    WindowCloseAll();
    for (WindowState& myState : sWindows)
        myState = WindowState();
    sDrewSinceLastTurn = false;
}
