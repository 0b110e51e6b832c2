// Starting other programs with posix_spawn, and collecting them when they end.
#include "platform/process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <filesystem>

extern char** environ;

int ProcessStart(const std::vector<std::string>& myArguments, const std::string& myFolder, bool myDetached) {
    if (myArguments.empty()) return -1;
    std::vector<char*> myArgv;
    for (const std::string& myArgument : myArguments)
        myArgv.push_back(const_cast<char*>(myArgument.c_str()));
    myArgv.push_back(nullptr);
    posix_spawnattr_t myAttributes;
    posix_spawnattr_init(&myAttributes);
    short myFlags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (myDetached) myFlags |= POSIX_SPAWN_SETSID;
    posix_spawnattr_setflags(&myAttributes, myFlags);
    // The child starts with no signal blocked and the usual handlers, whatever this process changed.
    sigset_t mySignals;
    sigemptyset(&mySignals);
    posix_spawnattr_setsigmask(&myAttributes, &mySignals);
    sigfillset(&mySignals);
    sigdelset(&mySignals, SIGKILL);
    sigdelset(&mySignals, SIGSTOP);
    posix_spawnattr_setsigdefault(&myAttributes, &mySignals);
    posix_spawn_file_actions_t myActions;
    posix_spawn_file_actions_init(&myActions);
    if (!myFolder.empty()) posix_spawn_file_actions_addchdir_np(&myActions, myFolder.c_str());
    pid_t myProcess = -1;
    const int myError = posix_spawn(&myProcess, myArgv[0], &myActions, &myAttributes, myArgv.data(), environ);
    posix_spawn_file_actions_destroy(&myActions);
    posix_spawnattr_destroy(&myAttributes);
    return myError == 0 ? static_cast<int>(myProcess) : -1;
}

bool ProcessEnded(int myProcess) {
    if (myProcess <= 0) return true;
    int myStatus = 0;
    const pid_t myResult = waitpid(myProcess, &myStatus, WNOHANG);
    return myResult != 0; // ended (collected now), or not a child of ours
}

bool ProcessWaitEnded(int myProcess, int myMilliseconds) {
    for (int myWaited = 0;; myWaited += 10) {
        if (ProcessEnded(myProcess)) return true;
        if (myWaited >= myMilliseconds) return false;
        const timespec myPause{0, 10 * 1000 * 1000};
        nanosleep(&myPause, nullptr);
    }
}

bool ProcessSignal(int myProcess, int mySignal) {
    return myProcess > 0 && kill(myProcess, mySignal) == 0;
}

std::string ProcessOwnPath() {
    std::error_code myError;
    return std::filesystem::read_symlink("/proc/self/exe", myError).string();
}
