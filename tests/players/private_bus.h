// Test helper: a session bus of the test's own (dbus-daemon), named in DBUS_SESSION_BUS_ADDRESS while it
// runs, so the fakes on it reach no real desktop; the address before it comes back when it ends.
#pragma once

#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/desktop/bus.h"

class PrivateBus {
  public:
    // False when no bus could be started.
    bool Start() {
        if (const char* myOld = std::getenv("DBUS_SESSION_BUS_ADDRESS")) mBefore = myOld;
        FILE* myPipe = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
        if (!myPipe) return false;
        char myAddress[512] = {}, myPid[32] = {};
        const bool myRead =
            std::fgets(myAddress, sizeof(myAddress), myPipe) && std::fgets(myPid, sizeof(myPid), myPipe);
        pclose(myPipe);
        if (!myRead) return false;
        myAddress[std::strcspn(myAddress, "\n")] = 0;
        mAddress = myAddress;
        mDaemon = std::atoi(myPid);
        setenv("DBUS_SESSION_BUS_ADDRESS", myAddress, 1);
        BusClose();
        return mDaemon > 0;
    }
    void Stop() {
        BusClose();
        if (mDaemon > 0) kill(mDaemon, SIGTERM);
        mDaemon = 0;
        if (mBefore.empty())
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
        else
            setenv("DBUS_SESSION_BUS_ADDRESS", mBefore.c_str(), 1);
    }
    const std::string& Address() const { return mAddress; }

  private:
    int mDaemon = 0;
    std::string mAddress;
    std::string mBefore;
};
