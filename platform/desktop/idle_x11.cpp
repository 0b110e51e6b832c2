// The X server's screen-saver extension: the time since the last input, asked a few times a second.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <time.h>

#include <algorithm>
#include <cstdlib>

#include "platform/desktop/idle.h"

namespace {
constexpr int kAskEveryMs = 250;

Display* sDisplay = nullptr;
XScreenSaverInfo* sInfo = nullptr;
uint32_t sWatchMs = 0;
bool sIdle = false;

int X11ErrorIgnored(Display*, XErrorEvent*) {
    return 0;
}

bool X11Open() {
    const char* myName = std::getenv("DISPLAY");
    if (!myName || !*myName) return false;
    sDisplay = XOpenDisplay(nullptr);
    if (!sDisplay) return false;
    int myEvent = 0, myError = 0;
    if (!XScreenSaverQueryExtension(sDisplay, &myEvent, &myError) || !(sInfo = XScreenSaverAllocInfo())) {
        XCloseDisplay(sDisplay);
        sDisplay = nullptr;
        return false;
    }
    XSetErrorHandler(X11ErrorIgnored);
    sIdle = false;
    return true;
}

bool X11Watch(uint32_t myIdleMs) {
    sWatchMs = myIdleMs;
    sIdle = false;
    return sDisplay != nullptr;
}

IdleEvent X11Wait(int myTimeoutMs) {
    if (!sDisplay) return kIdleLost;
    const int myPause = std::clamp(myTimeoutMs, 0, kAskEveryMs);
    const timespec mySleep{0, myPause * 1000L * 1000L};
    nanosleep(&mySleep, nullptr);
    if (!XScreenSaverQueryInfo(sDisplay, DefaultRootWindow(sDisplay), sInfo)) return kIdleLost;
    const bool myIdle = sWatchMs > 0 && sInfo->idle >= sWatchMs;
    if (myIdle == sIdle) return kIdleNothing;
    sIdle = myIdle;
    return myIdle ? kIdleIdle : kIdleActive;
}

void X11Close() {
    if (sInfo) XFree(sInfo);
    sInfo = nullptr;
    if (sDisplay) XCloseDisplay(sDisplay);
    sDisplay = nullptr;
}
} // namespace

const IdleSource kIdleX11 = {"X11 screen-saver extension", X11Open, X11Watch, X11Wait, X11Close};
