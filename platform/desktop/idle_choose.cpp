// Choosing the idle source at run time: GNOME's monitor first (it sees X11 and Wayland sessions alike), then
// the Wayland protocol, then the X server's own extension.
#include "platform/desktop/idle.h"

#include <time.h>

#include <initializer_list>

namespace {
constexpr int kAskAgainMs = 250;

const IdleSource* IdleChooseNow() {
    for (const IdleSource* mySource : {&kIdleGnome, &kIdleWayland, &kIdleX11})
        if (mySource->mOpen()) return mySource;
    return nullptr;
}
} // namespace

const IdleSource* IdleChoose(int myPatienceMs) {
    // An agent started with the session may be up before the desktop takes connections: it asks again for a
    // while before it says there is no idle time to be had.
    for (int myWaited = 0;; myWaited += kAskAgainMs) {
        if (const IdleSource* mySource = IdleChooseNow()) return mySource;
        if (myWaited >= myPatienceMs) return nullptr;
        const timespec myPause{0, kAskAgainMs * 1000L * 1000L};
        nanosleep(&myPause, nullptr);
    }
}
