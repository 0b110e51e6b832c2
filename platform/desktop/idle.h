// The desktop's idle time, from whichever source this desktop offers: GNOME's idle monitor over D-Bus, the
// Wayland idle notifier (KDE, wlroots), or the X11 screen-saver extension. Each is the same small table of
// operations, so the agent (and its tests, with a fake) drive any of them alike.
#pragma once

#include <cstdint>

enum IdleEvent : int {
    kIdleNothing = 0, // the wait ended with nothing new
    kIdleIdle,        // the user has been idle as long as the watch asks
    kIdleActive,      // the user is back after being idle
    kIdleLost,        // the source went away (the session bus or the display closed)
};

struct IdleSource {
    const char* mName;
    bool (*mOpen)();                     // false when this desktop does not offer the source
    bool (*mWatch)(uint32_t myIdleMs);   // (re)arms the watch for idleness of myIdleMs
    IdleEvent (*mWait)(int myTimeoutMs); // the next event, waiting at most myTimeoutMs
    void (*mClose)();
};

extern const IdleSource kIdleGnome;
extern const IdleSource kIdleWayland;
extern const IdleSource kIdleX11;

// The first source this desktop offers, in the order above, opened; nullptr when there is none after asking
// for myPatienceMs.
const IdleSource* IdleChoose(int myPatienceMs);
