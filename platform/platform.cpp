// Starting and stopping SDL, the desktop's size and the exclamation sound.
#include "platform/platform.h"

#include <SDL.h>
#include <sys/sysinfo.h>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <vector>

#include "platform/audioin.h"
#include "platform/clock.h"
#include "platform/screens.h"

bool gPlatformHeadless = false;
int gPlatformBeepCount = 0;

namespace {
int sHeadlessWidth = 640;
int sHeadlessHeight = 480;
bool sStarted = false;
SDL_AudioDeviceID sBeepDevice = 0;
volatile std::sig_atomic_t sStopSignal = 0;

// The first stop is noted for the main loop; a second one, while the program is still cleaning up, ends it
// at once, so a stop is never refused.
void PlatformOnStopSignal(int mySignal) {
    if (sStopSignal) {
        std::signal(mySignal, SIG_DFL);
        std::raise(mySignal);
        return;
    }
    sStopSignal = mySignal;
}
} // namespace

bool PlatformHasDisplay() {
    const char* myDisplay = std::getenv("DISPLAY");
    const char* myWayland = std::getenv("WAYLAND_DISPLAY");
    return (myDisplay && *myDisplay) || (myWayland && *myWayland);
}

PlatformStartResult PlatformStart(bool myHeadless) {
    gPlatformHeadless = myHeadless;
    ClockUseVirtual(myHeadless);
    if (myHeadless) {
        ClockSetVirtual(0);
        sStarted = false;
        return kPlatformStarted;
    }
    // Monitor sources (what the desktop plays) are recording sources too.
    SDL_SetHint(SDL_HINT_AUDIO_INCLUDE_MONITORS, "1");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Tool windows cannot stay on top of others under native Wayland; XWayland keeps them there.
    if (std::getenv("WAYLAND_DISPLAY") && !std::getenv("SDL_VIDEODRIVER"))
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return kPlatformNoVideo;
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    AudioInChooseBackend();
    ScreenRefresh();
    SDL_StartTextInput();
    sStarted = true;
    return kPlatformStarted;
}

const char* PlatformErrorText() {
    return SDL_GetError();
}

void PlatformStop() {
    if (!sStarted) return;
    if (sBeepDevice) SDL_CloseAudioDevice(sBeepDevice);
    sBeepDevice = 0;
    SDL_Quit();
    sStarted = false;
}

void PlatformDesktopSize(int* myWidth, int* myHeight) {
    if (gPlatformHeadless || !sStarted) {
        *myWidth = sHeadlessWidth;
        *myHeight = sHeadlessHeight;
        return;
    }
    const Rect myScreen = ScreenBounds(ScreenChosen());
    if (myScreen.Width() > 0 && myScreen.Height() > 0) {
        *myWidth = myScreen.Width();
        *myHeight = myScreen.Height();
    } else {
        *myWidth = sHeadlessWidth;
        *myHeight = sHeadlessHeight;
    }
}

void PlatformSetHeadlessSize(int myWidth, int myHeight) {
    sHeadlessWidth = myWidth;
    sHeadlessHeight = myHeight;
}

void PlatformBeep() {
    ++gPlatformBeepCount;
    if (gPlatformHeadless || !sStarted) return;
    if (!sBeepDevice) {
        SDL_AudioSpec myWanted{};
        myWanted.freq = 22050;
        myWanted.format = AUDIO_S16SYS;
        myWanted.channels = 1;
        myWanted.samples = 512;
        sBeepDevice = SDL_OpenAudioDevice(nullptr, 0, &myWanted, nullptr, 0);
        if (!sBeepDevice) return;
        SDL_PauseAudioDevice(sBeepDevice, 0);
    }
    // A short falling two-tone chime, faded at both ends so it does not click.
    const int myLength = 22050 / 6;
    std::vector<int16_t> mySamples(myLength);
    for (int myIndex = 0; myIndex < myLength; ++myIndex) {
        const double myTime = myIndex / 22050.0;
        const double myFreq = myIndex < myLength / 2 ? 880.0 : 660.0;
        const double myEnvelope = std::min(1.0, std::min(myIndex, myLength - myIndex) / 300.0);
        mySamples[myIndex] = static_cast<int16_t>(6000.0 * myEnvelope * std::sin(2 * M_PI * myFreq * myTime));
    }
    SDL_ClearQueuedAudio(sBeepDevice);
    SDL_QueueAudio(sBeepDevice, mySamples.data(), static_cast<uint32_t>(mySamples.size() * sizeof(int16_t)));
}

void PlatformCatchStopSignals() {
    for (int mySignal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction myBefore {};
        // A signal ignored by whoever started the program (nohup, a background job) stays ignored.
        if (sigaction(mySignal, nullptr, &myBefore) != 0 || myBefore.sa_handler == SIG_IGN) continue;
        struct sigaction myAction {};
        myAction.sa_handler = PlatformOnStopSignal;
        sigemptyset(&myAction.sa_mask);
        sigaction(mySignal, &myAction, nullptr);
    }
}

int PlatformStopSignal() {
    return sStopSignal;
}

void PlatformEndBySignal() {
    const int mySignal = sStopSignal ? sStopSignal : SIGTERM;
    std::signal(mySignal, SIG_DFL);
    std::raise(mySignal);
    std::_Exit(128 + mySignal);
}

int64_t PlatformAvailableMemory() {
    struct sysinfo myInfo {};
    if (sysinfo(&myInfo) != 0) return 0;
    return (static_cast<int64_t>(myInfo.freeram) + myInfo.bufferram + myInfo.freeswap) * myInfo.mem_unit;
}

void PlatformResetState() {
    PlatformStop();
    gPlatformHeadless = false;
    gPlatformBeepCount = 0;
    sHeadlessWidth = 640;
    sHeadlessHeight = 480;
    sStopSignal = 0;
}
