// Other programs: started beside this one, watched and asked to end.
#pragma once

#include <string>
#include <vector>

// Starts myArguments[0] (a path) with the rest as its arguments, in myFolder when it is not empty. A detached
// program gets a session of its own, so it outlives this one and a terminal's hang-up. The process id, or -1.
int ProcessStart(const std::vector<std::string>& myArguments, const std::string& myFolder, bool myDetached);
// Collects a child that ended without waiting; true once it has ended (or is no child of ours).
bool ProcessEnded(int myProcess);
// Waits up to myMilliseconds for a child to end; true when it did.
bool ProcessWaitEnded(int myProcess, int myMilliseconds);
// Sends a signal; false when no such process is there.
bool ProcessSignal(int myProcess, int mySignal);
// The path of the running program's own file.
std::string ProcessOwnPath();
