// One session-bus connection, driven by whoever waits on it: no thread of its own.
#include "platform/desktop/bus.h"

#include <poll.h>

#include <memory>

namespace {
std::unique_ptr<sdbus::IConnection> sConnection;
} // namespace

sdbus::IConnection* BusSession() {
    if (sConnection) return sConnection.get();
    try {
        sConnection = sdbus::createSessionBusConnection();
    } catch (const sdbus::Error&) {
        sConnection.reset();
    }
    return sConnection.get();
}

void BusWait(int myMilliseconds) {
    if (!sConnection) return;
    try {
        while (sConnection->processPendingRequest()) {
        }
        const sdbus::IConnection::PollData myPoll = sConnection->getEventLoopPollData();
        pollfd myFile{myPoll.fd, myPoll.events, 0};
        if (poll(&myFile, 1, myMilliseconds) > 0) {
            while (sConnection->processPendingRequest()) {
            }
        }
    } catch (const sdbus::Error&) {
        // A connection the bus dropped answers nothing more; its users see their calls fail.
    }
}

void BusClose() {
    sConnection.reset();
}
