// The Wayland idle notifier (ext_idle_notifier_v1: KDE, wlroots compositors): a notification object for one
// time-out that says "idled" and "resumed".
#include <poll.h>
#include <wayland-client.h>

#include <cstdlib>
#include <cstring>
#include <deque>

#include "ext-idle-notify-v1-client-protocol.h"
#include "platform/desktop/idle.h"

namespace {
wl_display* sDisplay = nullptr;
wl_registry* sRegistry = nullptr;
wl_seat* sSeat = nullptr;
ext_idle_notifier_v1* sNotifier = nullptr;
ext_idle_notification_v1* sNotification = nullptr;
std::deque<IdleEvent> sEvents;

void WaylandGlobal(void*, wl_registry* myRegistry, uint32_t myName, const char* myInterface, uint32_t) {
    if (std::strcmp(myInterface, ext_idle_notifier_v1_interface.name) == 0 && !sNotifier)
        sNotifier = static_cast<ext_idle_notifier_v1*>(
            wl_registry_bind(myRegistry, myName, &ext_idle_notifier_v1_interface, 1));
    else if (std::strcmp(myInterface, wl_seat_interface.name) == 0 && !sSeat)
        sSeat = static_cast<wl_seat*>(wl_registry_bind(myRegistry, myName, &wl_seat_interface, 1));
}

void WaylandGlobalGone(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {WaylandGlobal, WaylandGlobalGone};

void WaylandIdled(void*, ext_idle_notification_v1*) {
    sEvents.push_back(kIdleIdle);
}

void WaylandResumed(void*, ext_idle_notification_v1*) {
    sEvents.push_back(kIdleActive);
}

const ext_idle_notification_v1_listener kNotificationListener = {WaylandIdled, WaylandResumed};

void WaylandClose() {
    if (sNotification) ext_idle_notification_v1_destroy(sNotification);
    if (sNotifier) ext_idle_notifier_v1_destroy(sNotifier);
    if (sSeat) wl_seat_destroy(sSeat);
    if (sRegistry) wl_registry_destroy(sRegistry);
    if (sDisplay) wl_display_disconnect(sDisplay);
    sNotification = nullptr;
    sNotifier = nullptr;
    sSeat = nullptr;
    sRegistry = nullptr;
    sDisplay = nullptr;
    sEvents.clear();
}

bool WaylandOpen() {
    const char* myName = std::getenv("WAYLAND_DISPLAY");
    if (!myName || !*myName) return false;
    sDisplay = wl_display_connect(nullptr);
    if (!sDisplay) return false;
    sRegistry = wl_display_get_registry(sDisplay);
    wl_registry_add_listener(sRegistry, &kRegistryListener, nullptr);
    wl_display_roundtrip(sDisplay);
    if (!sNotifier || !sSeat) {
        WaylandClose();
        return false;
    }
    return true;
}

bool WaylandWatch(uint32_t myIdleMs) {
    if (!sNotifier) return false;
    if (sNotification) ext_idle_notification_v1_destroy(sNotification);
    sNotification = ext_idle_notifier_v1_get_idle_notification(sNotifier, myIdleMs, sSeat);
    ext_idle_notification_v1_add_listener(sNotification, &kNotificationListener, nullptr);
    sEvents.clear();
    return wl_display_flush(sDisplay) >= 0;
}

IdleEvent WaylandWait(int myTimeoutMs) {
    if (!sDisplay) return kIdleLost;
    if (sEvents.empty()) {
        while (wl_display_prepare_read(sDisplay) != 0)
            wl_display_dispatch_pending(sDisplay);
        wl_display_flush(sDisplay);
        pollfd myFile{wl_display_get_fd(sDisplay), POLLIN, 0};
        if (poll(&myFile, 1, myTimeoutMs) > 0) {
            if (wl_display_read_events(sDisplay) != 0) return kIdleLost;
        } else {
            wl_display_cancel_read(sDisplay);
        }
        if (wl_display_dispatch_pending(sDisplay) < 0) return kIdleLost;
    }
    if (sEvents.empty()) return kIdleNothing;
    const IdleEvent myEvent = sEvents.front();
    sEvents.pop_front();
    return myEvent;
}
} // namespace

const IdleSource kIdleWayland = {"Wayland idle notifier", WaylandOpen, WaylandWatch, WaylandWait,
                                 WaylandClose};
