// The SCREEN SAVER panel's switch: leaving the desktop's screen saver when Orbex's is switched off.
#pragma once

// Makes the desktop's screen saver inactive and removes Orbex's entry, its agent and its registrations.
void MouseQuitScreenSaver();
