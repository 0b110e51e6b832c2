// Orbex as the desktop's screen saver: whether it is one, installing it at quit, and ending the screen-saver
// program that started this run.
#pragma once

#include <string>

inline constexpr const char* kSaverNotFound =
    "Screen saver not found! Run Orbex Installer to reinstall screen saver.";

// At start-up: gSaverFlag (the desktop's saver is on and is Orbex), gSaverDelay (its time-out, 20 minutes
// when none is known) and gSaverBlank (when the desktop blanks by itself) from the desktop's settings.
void PrefsReadSaver();
// Whether a saver entry names Orbex's saver.
bool PrefsSaverIsOrbex(const std::string& myEntry);
// At quit with gSaverFlag set: makes orbex-saver the desktop's screen saver after gSaverDelay minutes.
void QuitLaunchScreenSaver();
// At the end of the clean-up of a run the screen saver started: tells the saver to end.
void QuitScreenSaver();
