// Lock files in the user's runtime folder; the kernel drops a lock when its process ends, so none goes stale.
#include "platform/lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {
std::string LockPath(const char* myName) {
    std::string myFolder;
    if (const char* myRuntime = std::getenv("XDG_RUNTIME_DIR"); myRuntime && *myRuntime) {
        myFolder = myRuntime;
    } else {
        myFolder = "/tmp/orbex-" + std::to_string(getuid());
        mkdir(myFolder.c_str(), 0700);
    }
    return myFolder + "/" + myName + ".lock";
}
} // namespace

int LockAcquire(const char* myName) {
    const int myFile = open(LockPath(myName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (myFile < 0) return -1;
    if (flock(myFile, LOCK_EX | LOCK_NB) != 0) {
        close(myFile);
        return -1;
    }
    // The holder's process id, so a peer can ask it to end.
    const std::string myId = std::to_string(getpid()) + "\n";
    if (ftruncate(myFile, 0) == 0 && write(myFile, myId.data(), myId.size()) < 0) {
        // The id is only a courtesy to peers; the lock itself is held.
    }
    return myFile;
}

void LockRelease(int myHandle) {
    if (myHandle < 0) return;
    flock(myHandle, LOCK_UN);
    close(myHandle);
}

bool LockHeld(const char* myName) {
    const int myFile = open(LockPath(myName).c_str(), O_RDONLY | O_CLOEXEC);
    if (myFile < 0) return false;
    const bool myHeld = flock(myFile, LOCK_EX | LOCK_NB) != 0;
    if (!myHeld) flock(myFile, LOCK_UN);
    close(myFile);
    return myHeld;
}

int LockHolder(const char* myName) {
    if (!LockHeld(myName)) return 0;
    const int myFile = open(LockPath(myName).c_str(), O_RDONLY | O_CLOEXEC);
    if (myFile < 0) return 0;
    char myText[24] = {};
    const ssize_t mySize = read(myFile, myText, sizeof(myText) - 1);
    close(myFile);
    return mySize > 0 ? std::atoi(myText) : 0;
}
