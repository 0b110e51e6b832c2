// GNOME's idle monitor (org.gnome.Mutter.IdleMonitor): an idle watch that fires each time the user has been
// idle that long, and a one-shot watch for the user's return.
#include <deque>
#include <memory>

#include "platform/desktop/bus.h"
#include "platform/desktop/idle.h"

namespace {
const char* const kService = "org.gnome.Mutter.IdleMonitor";
const char* const kPath = "/org/gnome/Mutter/IdleMonitor/Core";
const char* const kInterface = "org.gnome.Mutter.IdleMonitor";

std::unique_ptr<sdbus::IProxy> sMonitor;
uint32_t sIdleWatch = 0;
uint32_t sActiveWatch = 0;
std::deque<IdleEvent> sEvents;
bool sLost = false;

void GnomeFired(uint32_t myWatch) {
    if (myWatch == 0) return;
    if (myWatch == sIdleWatch) {
        sEvents.push_back(kIdleIdle);
        // The return is watched for only while idle: the monitor drops the watch once it fired.
        try {
            sMonitor->callMethod("AddUserActiveWatch").onInterface(kInterface).storeResultsTo(sActiveWatch);
        } catch (const sdbus::Error&) {
            sLost = true;
        }
    } else if (myWatch == sActiveWatch) {
        sActiveWatch = 0;
        sEvents.push_back(kIdleActive);
    }
}

bool GnomeOpen() {
    sdbus::IConnection* myBus = BusSession();
    if (!myBus) return false;
    try {
        sMonitor = sdbus::createProxy(*myBus, kService, kPath);
        sMonitor->uponSignal("WatchFired").onInterface(kInterface).call([](uint32_t myWatch) {
            GnomeFired(myWatch);
        });
        sMonitor->finishRegistration();
        // Asking the idle time tells whether the monitor is there at all.
        uint64_t myIdle = 0;
        sMonitor->callMethod("GetIdletime").onInterface(kInterface).storeResultsTo(myIdle);
    } catch (const sdbus::Error&) {
        sMonitor.reset();
        return false;
    }
    sIdleWatch = sActiveWatch = 0;
    sEvents.clear();
    sLost = false;
    return true;
}

bool GnomeWatch(uint32_t myIdleMs) {
    if (!sMonitor) return false;
    try {
        if (sIdleWatch) sMonitor->callMethod("RemoveWatch").onInterface(kInterface).withArguments(sIdleWatch);
        sIdleWatch = 0;
        sMonitor->callMethod("AddIdleWatch")
            .onInterface(kInterface)
            .withArguments(static_cast<uint64_t>(myIdleMs))
            .storeResultsTo(sIdleWatch);
    } catch (const sdbus::Error&) {
        sLost = true;
        return false;
    }
    return true;
}

IdleEvent GnomeWait(int myTimeoutMs) {
    if (sEvents.empty() && !sLost) BusWait(myTimeoutMs);
    if (!sEvents.empty()) {
        const IdleEvent myEvent = sEvents.front();
        sEvents.pop_front();
        return myEvent;
    }
    return sLost ? kIdleLost : kIdleNothing;
}

void GnomeClose() {
    sMonitor.reset();
    sEvents.clear();
    sIdleWatch = sActiveWatch = 0;
}
} // namespace

const IdleSource kIdleGnome = {"GNOME idle monitor", GnomeOpen, GnomeWatch, GnomeWait, GnomeClose};
