// Start and end of the platform layer, and which of its two faces (a real desktop or headless) runs.
#pragma once

#include <cstdint>

extern bool gPlatformHeadless;

enum PlatformStartResult {
    kPlatformStarted = 0,
    kPlatformNoVideo = 1, // no usable video driver
};

// Starts SDL (video, events, audio output) or the headless services.
PlatformStartResult PlatformStart(bool myHeadless);
// SDL's own words for the last thing that failed in the platform layer (empty when it said nothing).
const char* PlatformErrorText();
void PlatformStop();
// True when a desktop display can be reached at all (used to fall back to headless by itself).
bool PlatformHasDisplay();

// The size in pixels of the screen the animation window fills; in headless runs the configured virtual size.
void PlatformDesktopSize(int* myWidth, int* myHeight);
void PlatformSetHeadlessSize(int myWidth, int myHeight);

// The exclamation sound: a short tone, or only counted when headless.
void PlatformBeep();
extern int gPlatformBeepCount;
// Stops SDL if it runs and puts the face, the headless size and the beep count back to their start values.
void PlatformResetState();

// A headless run stops cleanly on SIGINT, SIGTERM or SIGHUP (a desktop run hears them from SDL as a quit):
// the signal is noted for the main loop, which quits and removes what it had half-written. A second signal
// ends the program at once.
void PlatformCatchStopSignals();
// The signal that asked the program to stop, 0 while none has.
int PlatformStopSignal();
// Ends the process by the signal caught, so whoever started it sees the status of a stop by that signal.
[[noreturn]] void PlatformEndBySignal();

// Bytes of memory a large allocation may still take: free memory and swap.
int64_t PlatformAvailableMemory();
