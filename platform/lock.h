// Named locks that keep one copy of a program running, as lock files held with flock.
#pragma once

// Returns a handle (>= 0) once the lock is held, or -1 when another process holds it (or it cannot be made).
int LockAcquire(const char* myName);
void LockRelease(int myHandle);
// True while some process holds the named lock.
bool LockHeld(const char* myName);
// The process id a holder of the named lock wrote into it; 0 while nobody holds it.
int LockHolder(const char* myName);
