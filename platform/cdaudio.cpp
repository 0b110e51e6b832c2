// Playing the disc: samples go from the drive to the sound output (SDL2, fed by a reading thread so a slow
// drive never holds the program up) or, headless or without an output, to a sink that takes them as the clock
// advances. Each block handed over is noted with the time it will be heard, so positions and the "CD Audio"
// recording source follow what the listener hears, the output's delay taken into account.
#include "platform/cdaudio.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/cdaudio_drive.h"
#include "platform/clock.h"
#include "platform/platform.h"

namespace {
constexpr int kOutputSamples = 1024;                // per callback: 23 ms
constexpr int64_t kPrefetchSamples = kCDSampleRate; // one second read ahead
constexpr int kReadChunk = 8 * kCDSamplesPerFrame;  // samples per read of the drive
constexpr int kHeardMonoSize = 1 << 17;             // 12 s of heard sound kept for the recorder
constexpr size_t kHeardBlocksMax = 2048;

// A block handed to the listener: from mStartUs on, mCount samples from disc position mPos.
struct HeardBlock {
    int64_t mStartUs = 0;
    int64_t mPos = 0;
    int64_t mCount = 0;
    uint32_t mGeneration = 0;
};

std::mutex sLock;
std::condition_variable sWake;
bool sPlaying = false;
uint32_t sGeneration = 0; // a new one with every play, halt and seek: older blocks belong to nothing
int64_t sPlayFrom = 0;    // the position playing started from
int64_t sPlayPos = 0;     // next sample to hand to the output
int64_t sHaltPos = 0;     // where playing halted or a seek went
int64_t sEndPos = 0;      // the lead-out
int64_t sSinkStartUs = 0; // the sink: when sPlayFrom was heard
std::deque<HeardBlock> sHeard;
// The heard sound at 11025 Hz, by disc position / 4: each entry tagged with the position it holds.
std::vector<uint8_t> sMono;
std::vector<int64_t> sMonoTag;

std::string sSourceName;
bool sOpen = false;
// The loudness the listener hears, 0 to 255; the recording source hears the disc as it is.
std::atomic<int> sVolume{255};

// The output: an SDL device with its reading thread, or none (the sink).
SDL_AudioDeviceID sDevice = 0;
bool sDeviceTried = false;
int64_t sLatencyUs = 0;
// Kept on the heap: a program ended by exit() from elsewhere (a display that went away) must not meet a
// running thread's destructor.
std::thread* sReader = nullptr;
bool sReaderQuit = false;
std::deque<int16_t> sPrefetch; // stereo samples from sReadPos - size / 2 on
int64_t sReadPos = 0;

// Whoever keeps the sink's sound (a render laying it under its video); null for none.
CDAudioSinkTap sSinkTap = nullptr;

// Virtual ticks are 32 bits; the sink measures in microseconds that do not wrap.
uint32_t sLastTicks = 0;
int64_t sTickBaseUs = 0;

int64_t CDAudioNowUs() {
    if (sDevice) {
        const auto myNow = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::microseconds>(myNow).count();
    }
    const uint32_t myTicks = ClockTicks();
    sTickBaseUs += int64_t(static_cast<uint32_t>(myTicks - sLastTicks)) * 1000;
    sLastTicks = myTicks;
    return sTickBaseUs;
}

void CDAudioNoteMono(int64_t myPos, int64_t myCount, const int16_t* mySamples) {
    if (sMono.empty()) {
        sMono.assign(kHeardMonoSize, 128);
        sMonoTag.assign(kHeardMonoSize, -1);
    }
    for (int64_t q = myPos / 4; q * 4 < myPos + myCount; ++q) {
        int mySum = 0, myTaken = 0;
        for (int64_t p = std::max(q * 4, myPos); p < std::min(q * 4 + 4, myPos + myCount); ++p, ++myTaken)
            mySum += mySamples[2 * (p - myPos)] + mySamples[2 * (p - myPos) + 1];
        const int myValue = 128 + mySum / (2 * myTaken) / 256;
        const size_t mySlot = static_cast<size_t>(q % kHeardMonoSize);
        sMono[mySlot] = static_cast<uint8_t>(std::clamp(myValue, 1, 255));
        sMonoTag[mySlot] = q;
    }
}

void CDAudioNoteHeard(int64_t myStartUs, int64_t myPos, int64_t myCount) {
    if (!sHeard.empty()) {
        HeardBlock& myLast = sHeard.back();
        const int64_t myLastEndUs = myLast.mStartUs + myLast.mCount * 1000000 / kCDSampleRate;
        if (myLast.mGeneration == sGeneration && myLast.mPos + myLast.mCount == myPos &&
            std::abs(myLastEndUs - myStartUs) < 50) {
            myLast.mCount += myCount;
            return;
        }
    }
    sHeard.push_back({myStartUs, myPos, myCount, sGeneration});
    while (sHeard.size() > kHeardBlocksMax)
        sHeard.pop_front();
}

// The sink: whatever the clock says has been heard since playing started is taken from the drive now.
void CDAudioPumpSink() {
    if (sDevice || !sPlaying) return;
    const int64_t myNowUs = CDAudioNowUs();
    const int64_t myDue =
        std::min(sPlayFrom + (myNowUs - sSinkStartUs) * kCDSampleRate / 1000000, sEndPos) - sPlayPos;
    std::vector<int16_t> mySamples;
    for (int64_t myLeft = myDue; myLeft > 0;) {
        const int myCount = static_cast<int>(std::min<int64_t>(myLeft, kReadChunk));
        mySamples.resize(static_cast<size_t>(myCount) * 2);
        CDDriveRead(sPlayPos, myCount, mySamples.data());
        CDAudioNoteMono(sPlayPos, myCount, mySamples.data());
        const int64_t myHeardUs = sSinkStartUs + (sPlayPos - sPlayFrom) * 1000000 / kCDSampleRate;
        CDAudioNoteHeard(myHeardUs, sPlayPos, myCount);
        if (sSinkTap) sSinkTap(myHeardUs, mySamples.data(), myCount);
        sPlayPos += myCount;
        myLeft -= myCount;
    }
    if (sPlayPos >= sEndPos) {
        sPlaying = false;
        sHaltPos = sEndPos;
    }
}

// The position heard at myUs, from the blocks of the current playing; -1 when none has been heard yet.
int64_t CDAudioHeardAt(int64_t myUs, bool myCurrentOnly) {
    for (auto myIt = sHeard.rbegin(); myIt != sHeard.rend(); ++myIt) {
        if (myCurrentOnly && myIt->mGeneration != sGeneration) return -1;
        if (myIt->mStartUs > myUs) continue;
        const int64_t myInto = (myUs - myIt->mStartUs) * kCDSampleRate / 1000000;
        if (!myCurrentOnly && myInto >= myIt->mCount) return -1;
        return myIt->mPos + std::min(myInto, myIt->mCount);
    }
    return -1;
}

int64_t CDAudioHeardNow() {
    CDAudioPumpSink();
    if (!sPlaying) return sHaltPos;
    const int64_t myHeard = CDAudioHeardAt(CDAudioNowUs(), true);
    return myHeard < 0 ? sPlayFrom : myHeard;
}

void CDAudioCallback(void*, Uint8* myStream, int myLength) {
    const int myCount = myLength / 4;
    auto* myOut = reinterpret_cast<int16_t*>(myStream);
    std::memset(myStream, 0, static_cast<size_t>(myLength));
    std::lock_guard<std::mutex> myGuard(sLock);
    if (!sPlaying) return;
    const int myHave = static_cast<int>(std::min<size_t>(myCount, sPrefetch.size() / 2));
    for (int i = 0; i < 2 * myHave; ++i) {
        myOut[i] = sPrefetch.front();
        sPrefetch.pop_front();
    }
    if (myHave > 0) {
        CDAudioNoteMono(sPlayPos, myHave, myOut);
        CDAudioNoteHeard(CDAudioNowUs() + sLatencyUs, sPlayPos, myHave);
        sPlayPos += myHave;
        const int myVolume = sVolume.load(std::memory_order_relaxed);
        if (myVolume < 255)
            for (int i = 0; i < 2 * myHave; ++i)
                myOut[i] = static_cast<int16_t>(myOut[i] * myVolume / 255);
    }
    if (sPlayPos >= sEndPos) {
        sPlaying = false;
        sHaltPos = sEndPos;
    }
    sWake.notify_all();
}

void CDAudioReadLoop() {
    std::vector<int16_t> myChunk;
    std::unique_lock<std::mutex> myGuard(sLock);
    while (!sReaderQuit) {
        sWake.wait(myGuard, [] {
            return sReaderQuit || (sPlaying && sReadPos < sEndPos &&
                                   static_cast<int64_t>(sPrefetch.size() / 2) < kPrefetchSamples);
        });
        if (sReaderQuit) break;
        const uint32_t myGeneration = sGeneration;
        const int64_t myPos = sReadPos;
        const int myCount = static_cast<int>(std::min<int64_t>(kReadChunk, sEndPos - myPos));
        myChunk.resize(static_cast<size_t>(myCount) * 2);
        myGuard.unlock();
        CDDriveRead(myPos, myCount, myChunk.data());
        myGuard.lock();
        if (myGeneration != sGeneration || myPos != sReadPos) continue;
        sPrefetch.insert(sPrefetch.end(), myChunk.begin(), myChunk.end());
        sReadPos += myCount;
    }
}

void CDAudioCloseOutput() {
    if (sDevice) {
        SDL_CloseAudioDevice(sDevice);
        {
            std::lock_guard<std::mutex> myGuard(sLock);
            sReaderQuit = true;
        }
        sWake.notify_all();
        if (sReader) {
            sReader->join();
            delete sReader;
            sReader = nullptr;
        }
    }
    sDevice = 0;
    sDeviceTried = false;
    sLatencyUs = 0;
}

// A desktop run plays through the sound server; when it cannot, the sink keeps the song clock going.
void CDAudioOpenOutput() {
    if (sDeviceTried || gPlatformHeadless) return;
    sDeviceTried = true;
    SDL_AudioSpec myWanted{};
    myWanted.freq = kCDSampleRate;
    myWanted.format = AUDIO_S16SYS;
    myWanted.channels = 2;
    myWanted.samples = kOutputSamples;
    myWanted.callback = CDAudioCallback;
    SDL_AudioSpec myObtained{};
    const SDL_AudioDeviceID myDevice = SDL_OpenAudioDevice(nullptr, 0, &myWanted, &myObtained, 0);
    if (!myDevice) {
        std::fprintf(stderr, "orbex: no sound output for the disc (%s); it plays silently\n", SDL_GetError());
        return;
    }
    // What SDL holds and what the sound server holds: about a buffer each.
    sLatencyUs = int64_t(2) * myObtained.samples * 1000000 / myObtained.freq;
    {
        std::lock_guard<std::mutex> myGuard(sLock);
        sDevice = myDevice;
        sReaderQuit = false;
    }
    sReader = new std::thread(CDAudioReadLoop);
    // A program ended by exit() from elsewhere stops the sound before the player's tables go.
    static const bool sAtExit = std::atexit(CDAudioCloseOutput) == 0;
    (void)sAtExit;
    SDL_PauseAudioDevice(sDevice, 0);
}

// Under the lock: a new playing, halt or seek makes what was read ahead worthless.
void CDAudioNewGeneration() {
    ++sGeneration;
    sPrefetch.clear();
}
} // namespace

bool CDAudioOpen(const std::string& mySource) {
    CDAudioClose();
    if (!CDDriveOpen(mySource)) return false;
    sSourceName = mySource;
    sOpen = true;
    return true;
}

void CDAudioClose() {
    CDAudioCloseOutput();
    std::lock_guard<std::mutex> myGuard(sLock);
    sPlaying = false;
    CDAudioNewGeneration();
    sHeard.clear();
    sHaltPos = sPlayPos = sPlayFrom = sReadPos = sEndPos = 0;
    CDDriveClose();
    sSourceName.clear();
    sOpen = false;
}

bool CDAudioIsOpen() {
    return sOpen;
}

CDDriveKind CDAudioKind() {
    return CDDriveKindNow();
}

const std::string& CDAudioSource() {
    return sSourceName;
}

bool CDAudioMediaPresent() {
    return sOpen && CDDriveMediaPresent();
}

int CDAudioMediaNow() {
    return sOpen ? CDDriveMediaNow() : 0;
}

bool CDAudioReadToc(CDToc& myToc) {
    return sOpen && CDDriveToc(myToc);
}

std::string CDAudioDiscFolder() {
    return sOpen ? CDDriveFolder() : std::string();
}

bool CDAudioEject() {
    CDAudioHalt();
    return sOpen && CDDriveEject();
}

bool CDAudioCloseTray() {
    return sOpen && CDDriveCloseTray();
}

bool CDAudioPlay(int32_t myFrame) {
    CDToc myToc;
    if (!CDAudioReadToc(myToc)) return false;
    CDAudioOpenOutput();
    std::lock_guard<std::mutex> myGuard(sLock);
    CDAudioPumpSink();
    sEndPos = int64_t(myToc.mLeadOut) * kCDSamplesPerFrame;
    const int64_t myFrom =
        myFrame < 0 ? (sPlaying ? CDAudioHeardNow() : sHaltPos) : int64_t(myFrame) * kCDSamplesPerFrame;
    if (myFrom < 0 || myFrom >= sEndPos) return false;
    CDAudioNewGeneration();
    sPlayFrom = sPlayPos = sReadPos = myFrom;
    sSinkStartUs = CDAudioNowUs();
    sPlaying = true;
    sWake.notify_all();
    return true;
}

void CDAudioHalt() {
    std::lock_guard<std::mutex> myGuard(sLock);
    if (!sPlaying) return;
    sHaltPos = CDAudioHeardNow();
    sPlaying = false;
    CDAudioNewGeneration();
}

bool CDAudioSeek(int32_t myFrame) {
    CDToc myToc;
    if (!CDAudioReadToc(myToc)) return false;
    std::lock_guard<std::mutex> myGuard(sLock);
    sPlaying = false;
    CDAudioNewGeneration();
    sEndPos = int64_t(myToc.mLeadOut) * kCDSamplesPerFrame;
    sHaltPos = std::clamp<int64_t>(int64_t(myFrame) * kCDSamplesPerFrame, 0, sEndPos);
    return true;
}

bool CDAudioPlaying() {
    std::lock_guard<std::mutex> myGuard(sLock);
    CDAudioPumpSink();
    return sPlaying;
}

int64_t CDAudioHeardPosition() {
    if (!sOpen) return -1;
    std::lock_guard<std::mutex> myGuard(sLock);
    return CDAudioHeardNow();
}

bool CDAudioWaitHeard(uint32_t myTimeout) {
    const auto myUntil = std::chrono::steady_clock::now() + std::chrono::milliseconds(myTimeout);
    for (;;) {
        {
            std::lock_guard<std::mutex> myGuard(sLock);
            if (!sPlaying) return false;
            if (!sDevice || CDAudioHeardAt(CDAudioNowUs(), true) >= 0) return true;
        }
        if (std::chrono::steady_clock::now() >= myUntil) return false;
        SDL_Delay(1);
    }
}

void CDAudioHeardSamples(uint32_t myOrigin, int64_t myFirst, int myCount, uint8_t* myOut) {
    std::lock_guard<std::mutex> myGuard(sLock);
    CDAudioPumpSink();
    const int64_t myNowUs = CDAudioNowUs();
    const int64_t myOriginUs = myNowUs + int64_t(static_cast<int32_t>(myOrigin - ClockTicks())) * 1000;
    for (int i = 0; i < myCount; ++i) {
        const int64_t myUs = myOriginUs + (myFirst + i) * 1000000 / kCDHeardRate;
        const int64_t myPos = sMono.empty() ? -1 : CDAudioHeardAt(myUs, false);
        const int64_t myQuarter = myPos / 4;
        const size_t mySlot = static_cast<size_t>(std::max<int64_t>(myQuarter, 0) % kHeardMonoSize);
        myOut[i] = myPos >= 0 && sMonoTag[mySlot] == myQuarter ? sMono[mySlot] : 128;
    }
}

void CDAudioSetVolume(uint8_t myVolume) {
    sVolume.store(myVolume, std::memory_order_relaxed);
}

uint8_t CDAudioVolume() {
    return static_cast<uint8_t>(sVolume.load(std::memory_order_relaxed));
}

void CDAudioSetSinkTap(CDAudioSinkTap myTap) {
    std::lock_guard<std::mutex> myGuard(sLock);
    sSinkTap = myTap;
}

int64_t CDAudioSinkClock() {
    std::lock_guard<std::mutex> myGuard(sLock);
    CDAudioPumpSink();
    return CDAudioNowUs();
}

uint32_t CDAudioLatency() {
    return static_cast<uint32_t>(sLatencyUs / 1000);
}

void CDAudioResetState() {
    CDAudioClose();
    std::lock_guard<std::mutex> myGuard(sLock);
    sMono.clear();
    sMonoTag.clear();
    sVolume = 255;
    sSinkTap = nullptr;
    sGeneration = 0;
    sSinkStartUs = 0;
    sLastTicks = ClockTicks();
    sTickBaseUs = 0;
}
