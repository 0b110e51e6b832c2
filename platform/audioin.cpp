// Sound capture through SDL2 (the sound server's capture devices, monitors included) or headless signals,
// delivered in small chunks on the main thread into the buffers the caller queued.
#include "platform/audioin.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include "platform/audio_file.h"
#include "platform/cdaudio.h"
#include "platform/clock.h"
#include "platform/platform.h"

namespace {
const char* const kCDAudioName = "CD Audio";
constexpr int kClickLength = kAudioInRate / 10; // a 100 ms thump
constexpr double kClickTone = 72.0;             // hertz: the bass a default style listens to
constexpr double kSignalAmplitude = 100.0;

struct Signal {
    std::string mName;
    int mType = kAudioTypeUndefined;
    AudioInSignal mSignal = kSignalSilence;
    double mParam = 0;
    std::vector<uint8_t> mSamples;
};

std::vector<Signal> sSignals;
// What Orbex itself plays from a disc, as the listener hears it.
const Signal kCDAudio{kCDAudioName, kAudioTypeCompactDisc, kSignalSilence, 0, {}};

// The selected source: a generated signal (index into sSignals, -1 for "CD Audio") or a capture device.
bool sSelectedIsDevice = false;
int sSelectedSignal = -1;
std::string sSelectedDevice;

SDL_AudioDeviceID sDevice = 0;
// The selected source went away: nothing more is delivered until another is selected.
bool sLost = false;
bool sLossUnreported = false;
std::string sHeadlessDefaultOutput;

uint8_t* sBuffers = nullptr;
int sLength = 0;
int sCount = 0;
void (*sFilled)(int) = nullptr;
bool sOpen = false;
bool sRecording = false;
std::deque<int> sQueue;
int sFillPos = 0;
uint32_t sPosition = 0;

bool sOriginSet = false;
uint32_t sOrigin = 0;
int64_t sNextSample = 0;
// When the capture device last handed sound over.
uint32_t sLastArrival = 0;

std::string AudioInLower(const std::string& myText) {
    std::string myLower = myText;
    for (char& myChar : myLower)
        myChar = static_cast<char>(std::tolower(static_cast<unsigned char>(myChar)));
    return myLower;
}

bool AudioInHas(const std::string& myText, std::initializer_list<const char*> myWords) {
    for (const char* myWord : myWords)
        if (myText.find(myWord) != std::string::npos) return true;
    return false;
}

uint8_t AudioInSample(const Signal& mySignal, int64_t myIndex) {
    switch (mySignal.mSignal) {
    case kSignalSine:
        return static_cast<uint8_t>(
            std::lround(128.0 + kSignalAmplitude *
                                    std::sin(2.0 * M_PI * mySignal.mParam * double(myIndex) / kAudioInRate)));
    case kSignalClicks: {
        const double myPeriod = AudioInClickPeriod(mySignal.mParam);
        if (myPeriod <= 0) return 128;
        int64_t myClick = static_cast<int64_t>(double(myIndex) / myPeriod);
        int64_t myStart = static_cast<int64_t>(double(myClick) * myPeriod);
        if (myStart > myIndex) myStart = static_cast<int64_t>(double(--myClick) * myPeriod);
        const int64_t myOffset = myIndex - myStart;
        if (myOffset >= kClickLength) return 128;
        // A square wave: its fundamental rises faster than a sine's, which keeps the beat close to the onset.
        const double myHalfPeriod = kAudioInRate / (2.0 * kClickTone);
        const double mySign = static_cast<int64_t>(double(myOffset) / myHalfPeriod) % 2 == 0 ? 1.0 : -1.0;
        const double myEnvelope = 1.0 - double(myOffset) / kClickLength;
        return static_cast<uint8_t>(std::lround(128.0 + mySign * kSignalAmplitude * myEnvelope));
    }
    case kSignalFile:
        return myIndex >= 0 && myIndex < static_cast<int64_t>(mySignal.mSamples.size())
                   ? mySignal.mSamples[static_cast<size_t>(myIndex)]
                   : 128;
    default:
        return 128;
    }
}

const Signal& AudioInSelectedSignal() {
    return sSelectedSignal >= 0 && sSelectedSignal < static_cast<int>(sSignals.size())
               ? sSignals[sSelectedSignal]
               : kCDAudio;
}

int64_t AudioInSamplesDue() {
    return static_cast<int64_t>(ClockTicks() - sOrigin) * kAudioInRate / 1000;
}

// Generated sound starts at the chunk now being produced, as a device's would.
void AudioInSyncSignal() {
    sNextSample = AudioInSamplesDue() / kAudioInChunk * kAudioInChunk;
}

void AudioInDeliver(const uint8_t* myData, int mySize) {
    while (mySize > 0 && !sQueue.empty()) {
        const int myBuffer = sQueue.front();
        const int myTaken = std::min(mySize, sLength - sFillPos);
        std::memcpy(sBuffers + static_cast<size_t>(myBuffer) * sLength + sFillPos, myData, myTaken);
        sFillPos += myTaken;
        sPosition += static_cast<uint32_t>(myTaken);
        myData += myTaken;
        mySize -= myTaken;
        if (sFillPos == sLength) {
            sQueue.pop_front();
            sFillPos = 0;
            if (sFilled) sFilled(myBuffer);
        }
    }
}

void AudioInCloseDevice() {
    if (sDevice) SDL_CloseAudioDevice(sDevice);
    sDevice = 0;
}

bool AudioInOpenDevice(const std::string& myName) {
    AudioInCloseDevice();
    SDL_AudioSpec myWanted{};
    myWanted.freq = kAudioInRate;
    myWanted.format = AUDIO_U8;
    myWanted.channels = 1;
    myWanted.samples = kAudioInChunk;
    SDL_AudioSpec myObtained{};
    sDevice = SDL_OpenAudioDevice(myName.c_str(), 1, &myWanted, &myObtained, 0);
    if (sDevice && sRecording) SDL_PauseAudioDevice(sDevice, 0);
    return sDevice != 0;
}

void AudioInLose() {
    sLost = true;
    sLossUnreported = true;
}

void AudioInDrainDevice() {
    if (!sDevice) return;
    // SDL stops a device that was unplugged or whose server went away.
    if (SDL_GetAudioDeviceStatus(sDevice) == SDL_AUDIO_STOPPED) {
        std::fprintf(stderr, "orbex: the sound input device \"%s\" has gone away\n", sSelectedDevice.c_str());
        AudioInLose();
        return;
    }
    uint8_t myChunk[4096];
    uint32_t myGot;
    while ((myGot = SDL_DequeueAudio(sDevice, myChunk, sizeof(myChunk))) > 0) {
        sLastArrival = ClockTicks();
        AudioInDeliver(myChunk, static_cast<int>(myGot));
    }
}

void AudioInDrainSignal() {
    const Signal& mySignal = AudioInSelectedSignal();
    const bool myDisc = &mySignal == &kCDAudio;
    const int64_t myDue = AudioInSamplesDue();
    uint8_t myChunk[kAudioInChunk];
    while (sNextSample + kAudioInChunk <= myDue) {
        if (myDisc)
            CDAudioHeardSamples(sOrigin, sNextSample, kAudioInChunk, myChunk);
        else
            for (int myIndex = 0; myIndex < kAudioInChunk; ++myIndex)
                myChunk[myIndex] = AudioInSample(mySignal, sNextSample + myIndex);
        sNextSample += kAudioInChunk;
        AudioInDeliver(myChunk, kAudioInChunk);
    }
}

int AudioInDeviceCount() {
    return gPlatformHeadless ? 0 : SDL_GetNumAudioDevices(1);
}
} // namespace

int AudioInTypeOfName(const std::string& myName) {
    const std::string myLower = AudioInLower(myName);
    if (AudioInHas(myLower, {"monitor"})) return kAudioTypeWaveOut;
    if (AudioInHas(myLower, {"mic", "headset", "webcam", "camera"})) return kAudioTypeMicrophone;
    if (AudioInHas(myLower, {"line"})) return kAudioTypeLine;
    if (AudioInHas(myLower, {"digital", "s/pdif", "spdif", "iec958", "hdmi"})) return kAudioTypeDigital;
    if (AudioInHas(myLower, {"aux"})) return kAudioTypeAuxiliary;
    if (AudioInHas(myLower, {"synth", "midi"})) return kAudioTypeSynthesizer;
    if (AudioInHas(myLower, {"phone", "modem"})) return kAudioTypeTelephone;
    if (AudioInHas(myLower, {"pc speaker", "beep"})) return kAudioTypePCSpeaker;
    // The sound server names a card's analog capture jack "Analog"; its port is the microphone or line in,
    // and the microphone is what a new user expects to be heard.
    if (AudioInHas(myLower, {"analog", "built-in", "internal"})) return kAudioTypeMicrophone;
    return kAudioTypeUndefined;
}

std::string AudioInShortName(const std::string& myName) {
    std::string myShort = myName;
    const char* const kMonitorPrefix = "Monitor of ";
    if (myShort.rfind(kMonitorPrefix, 0) == 0) myShort = "Mix " + myShort.substr(std::strlen(kMonitorPrefix));
    if (myShort.size() > 15) myShort.resize(15);
    while (!myShort.empty() && myShort.back() == ' ')
        myShort.pop_back();
    return myShort;
}

void AudioInClearSignals() {
    sSignals.clear();
    sSelectedSignal = -1;
    sOriginSet = false; // a new set of sources keeps its own time
    sLost = false;
    sLossUnreported = false;
    sHeadlessDefaultOutput.clear();
}

void AudioInRemoveSignal(const char* myName) {
    for (int myIndex = 0; myIndex < static_cast<int>(sSignals.size()); ++myIndex) {
        if (sSignals[myIndex].mName != myName) continue;
        sSignals.erase(sSignals.begin() + myIndex);
        if (!sSelectedIsDevice && sSelectedSignal == myIndex) {
            sSelectedSignal = -1;
            AudioInLose();
        } else if (sSelectedSignal > myIndex) {
            --sSelectedSignal;
        }
        return;
    }
}

void AudioInSetDefaultOutput(const char* myName) {
    sHeadlessDefaultOutput = myName;
}

void AudioInAddSignal(const char* myName, int myType, AudioInSignal mySignal, double myParam) {
    sSignals.push_back(Signal{myName, myType, mySignal, myParam, {}});
}

bool AudioInAddFile(const char* myName, int myType, const std::string& myPath, std::string& myError) {
    Signal mySignal{myName, myType, kSignalFile, 0, {}};
    if (!AudioFileRead(myPath, mySignal.mSamples, myError)) return false;
    sSignals.push_back(std::move(mySignal));
    return true;
}

double AudioInClickPeriod(double myTempo) {
    return myTempo > 0 ? kAudioInRate * 60.0 / myTempo : 0;
}

std::string AudioInDefaultOutputName() {
    if (gPlatformHeadless) return sHeadlessDefaultOutput;
    char* myName = nullptr;
    SDL_AudioSpec mySpec{};
    if (SDL_GetDefaultAudioInfo(&myName, &mySpec, 0) != 0 || !myName) return "";
    std::string myResult = myName;
    SDL_free(myName);
    return myResult;
}

std::string AudioInMonitorName(const std::string& myOutput) {
    return myOutput.empty() ? "" : "Monitor of " + myOutput;
}

void AudioInChooseBackend() {
    const char* myDriver = SDL_GetCurrentAudioDriver();
    if (gPlatformHeadless || !myDriver || std::strcmp(myDriver, "pipewire") != 0 ||
        std::getenv("SDL_AUDIODRIVER"))
        return;
    for (int myIndex = 0; myIndex < SDL_GetNumAudioDevices(1); ++myIndex) {
        const char* myName = SDL_GetAudioDeviceName(myIndex, 1);
        if (myName && AudioInTypeOfName(myName) == kAudioTypeWaveOut) return;
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "pulseaudio");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) return;
    // No PulseAudio service beside PipeWire: its inputs are better than none.
    SDL_SetHint(SDL_HINT_AUDIODRIVER, nullptr);
    SDL_InitSubSystem(SDL_INIT_AUDIO);
}

int AudioInListSources(AudioInSource* mySources, int myMax) {
    std::vector<AudioInSource> myList;
    myList.push_back({kCDAudioName, kCDAudioName, kAudioTypeCompactDisc, true});
    for (const Signal& mySignal : sSignals)
        myList.push_back({mySignal.mName, AudioInShortName(mySignal.mName), mySignal.mType, false});
    const int myDevices = AudioInDeviceCount();
    for (int myIndex = 0; myIndex < myDevices; ++myIndex) {
        const char* myName = SDL_GetAudioDeviceName(myIndex, 1);
        if (!myName) continue;
        myList.push_back({myName, AudioInShortName(myName), AudioInTypeOfName(myName), false});
    }
    // Names pick the source again later, so two alike get a number at the end.
    for (size_t myIndex = 1; myIndex < myList.size(); ++myIndex) {
        for (int myCopy = 2; myCopy < 100; ++myCopy) {
            const bool myTaken =
                std::any_of(myList.begin(), myList.begin() + myIndex, [&](const AudioInSource& s) {
                    return s.mShortName == myList[myIndex].mShortName;
                });
            if (!myTaken) break;
            const std::string mySuffix = " " + std::to_string(myCopy);
            myList[myIndex].mShortName =
                AudioInShortName(myList[myIndex].mLongName).substr(0, 15 - mySuffix.size()) + mySuffix;
        }
    }
    const int myCount = std::min(static_cast<int>(myList.size()), myMax);
    for (int myIndex = 0; myIndex < myCount; ++myIndex)
        mySources[myIndex] = myList[myIndex];
    return myCount;
}

bool AudioInSelect(int mySource) {
    if (mySource <= 0) {
        if (mySource < 0) return false;
        sSelectedIsDevice = false;
        sSelectedSignal = -1;
    } else if (mySource <= static_cast<int>(sSignals.size())) {
        sSelectedIsDevice = false;
        sSelectedSignal = mySource - 1;
    } else {
        const int myDevice = mySource - 1 - static_cast<int>(sSignals.size());
        if (myDevice >= AudioInDeviceCount()) return false;
        const char* myName = SDL_GetAudioDeviceName(myDevice, 1);
        if (!myName) return false;
        if (sOpen && !AudioInOpenDevice(myName)) return false;
        sSelectedIsDevice = true;
        sSelectedDevice = myName;
    }
    if (!sSelectedIsDevice) AudioInCloseDevice();
    sLost = false;
    sLossUnreported = false;
    if (sRecording) AudioInSyncSignal();
    return true;
}

bool AudioInOpen(uint8_t* myBuffers, int myLength, int myCount, void (*myFilled)(int myBuffer)) {
    AudioInClose();
    // A recorder needs something to record from: a source of its own, or a disc that Orbex plays.
    if (sSignals.empty() && AudioInDeviceCount() <= 0 && !CDAudioIsOpen()) return false;
    if (sSelectedIsDevice && !AudioInOpenDevice(sSelectedDevice)) return false;
    sPosition = 0;
    sBuffers = myBuffers;
    sLength = myLength;
    sCount = myCount;
    sFilled = myFilled;
    sOpen = true;
    return true;
}

bool AudioInIsOpen() {
    return sOpen;
}

void AudioInAddBuffer(int myBuffer) {
    if (sOpen && myBuffer >= 0 && myBuffer < sCount) sQueue.push_back(myBuffer);
}

void AudioInStart() {
    if (!sOpen) return;
    if (!sOriginSet) {
        sOrigin = ClockTicks();
        sOriginSet = true;
    }
    sRecording = true;
    sPosition = 0;
    sFillPos = 0;
    AudioInSyncSignal();
    if (sDevice) {
        SDL_ClearQueuedAudio(sDevice);
        SDL_PauseAudioDevice(sDevice, 0);
    }
}

void AudioInReset() {
    sRecording = false;
    sQueue.clear();
    sFillPos = 0;
    if (sDevice) {
        SDL_PauseAudioDevice(sDevice, 1);
        SDL_ClearQueuedAudio(sDevice);
    }
}

void AudioInClose() {
    AudioInReset();
    AudioInCloseDevice();
    sOpen = false;
    sBuffers = nullptr;
    sFilled = nullptr;
}

uint32_t AudioInPosition() {
    if (sRecording && !sLost) {
        if (sSelectedIsDevice)
            AudioInDrainDevice();
        else
            AudioInDrainSignal();
    }
    return sPosition;
}

uint32_t AudioInDueIn() {
    if (!sRecording || sLost) return kAudioInNothingDue;
    if (sSelectedIsDevice) {
        // Deliveries come a chunk's time apart, give or take: none is looked for before then, and a late one
        // is looked for every third of a chunk's time.
        constexpr uint32_t kChunkTime = kAudioInChunk * 1000 / kAudioInRate;
        const uint32_t mySince = ClockTicks() - sLastArrival;
        return mySince < kChunkTime ? kChunkTime - mySince : std::max<uint32_t>(1, kChunkTime / 3);
    }
    const int64_t myDue = ((sNextSample + kAudioInChunk) * 1000 + kAudioInRate - 1) / kAudioInRate;
    const int64_t myNow = static_cast<int64_t>(ClockTicks() - sOrigin);
    return myDue > myNow ? static_cast<uint32_t>(myDue - myNow) : 0;
}

bool AudioInTakeLoss() {
    const bool myLost = sLossUnreported;
    sLossUnreported = false;
    return myLost;
}

void AudioInResetState() {
    AudioInClose();
    sSignals.clear();
    sSelectedIsDevice = false;
    sSelectedSignal = -1;
    sSelectedDevice.clear();
    sLost = false;
    sLossUnreported = false;
    sHeadlessDefaultOutput.clear();
    sLength = 0;
    sCount = 0;
    sPosition = 0;
    sOriginSet = false;
    sOrigin = 0;
    sNextSample = 0;
    sLastArrival = 0;
}
