// The desktop's session bus (D-Bus through sdbus-c++), one connection shared by every service of the platform
// that talks to the desktop over it.
#pragma once

#include <sdbus-c++/sdbus-c++.h>

// The connection, made on first use; nullptr when there is no session bus.
sdbus::IConnection* BusSession();
// Waits up to myMilliseconds for traffic and hands what arrived to its handlers (signals, replies).
void BusWait(int myMilliseconds);
// Drops the connection; the next BusSession makes a new one.
void BusClose();
