// Sound capture: the recording sources, and a recorder that fills queued buffers in small chunks.
#pragma once

#include <cstdint>
#include <string>

constexpr int kAudioInRate = 11025;
constexpr int kAudioInChunk = 256; // samples per delivery, as the sound server hands them over
constexpr int kAudioInMaxSources = 16;

// Kinds of recording source, in the order the sources are offered.
enum AudioInType {
    kAudioTypeCompactDisc,
    kAudioTypeDigital,
    kAudioTypeAuxiliary,
    kAudioTypeLine,
    kAudioTypeWaveOut,
    kAudioTypeMicrophone,
    kAudioTypeSynthesizer,
    kAudioTypeAnalog,
    kAudioTypeTelephone,
    kAudioTypePCSpeaker,
    kAudioTypeUndefined,
    kAudioTypeCount
};

// Generated sounds of a headless source.
enum AudioInSignal { kSignalSilence, kSignalSine, kSignalClicks, kSignalFile };

struct AudioInSource {
    std::string mLongName;  // as the sound server names it
    std::string mShortName; // at most 15 characters
    int mType = kAudioTypeUndefined;
    bool mOnSpeakers = false; // the speakers carry this source (what Orbex itself plays)
};

// The kind of a capture device, judged from its name: monitors of an output are the wave-out mix.
int AudioInTypeOfName(const std::string& myName);
// A short name of at most 15 characters for a device name.
std::string AudioInShortName(const std::string& myName);

// Headless sources; "CD Audio" always comes first. myParam is the tone's hertz or the clicks' tempo.
void AudioInClearSignals();
void AudioInAddSignal(const char* myName, int myType, AudioInSignal mySignal, double myParam);
// A sound file as a headless source; false with a message when it cannot be read.
bool AudioInAddFile(const char* myName, int myType, const std::string& myPath, std::string& myError);
// Takes a headless source away, as a device is unplugged; the recorder hears nothing more from it.
void AudioInRemoveSignal(const char* myName);
// The default output a headless desktop reports (none unless set).
void AudioInSetDefaultOutput(const char* myName);
// Where each click of a click track starts, in samples of the source's own time, for measurements.
double AudioInClickPeriod(double myTempo);

// The name of the sound server's default output ("" when the server names none).
std::string AudioInDefaultOutputName();
// The capture device that records what an output plays: PulseAudio and PipeWire call it "Monitor of"
// the output's name.
std::string AudioInMonitorName(const std::string& myOutput);
// Where SDL reached the sound server through its PipeWire backend, which may list inputs only, and the user
// asked for no driver, capture goes through the PulseAudio backend (pipewire-pulse), which lists monitors.
void AudioInChooseBackend();

// The sources as the platform sees them now (capture devices may come and go between calls).
int AudioInListSources(AudioInSource* mySources, int myMax);
// The recorder takes its sound from this entry of the list.
bool AudioInSelect(int mySource);

// Opens the recorder over myCount buffers of myLength bytes laid one after another at myBuffers. When a
// queued buffer is full, myFilled(index) is called on the main thread, inside AudioInPosition.
bool AudioInOpen(uint8_t* myBuffers, int myLength, int myCount, void (*myFilled)(int myBuffer));
bool AudioInIsOpen();
void AudioInAddBuffer(int myBuffer);
void AudioInStart();
// Stops recording and forgets every queued buffer.
void AudioInReset();
void AudioInClose();
// Takes in what was recorded since the last call and returns the samples recorded since the start.
uint32_t AudioInPosition();
// Milliseconds from now until new sound may be there to take in: a generated signal's next chunk exactly; a
// device's a third of a chunk's time on, since the sound server's deliveries keep no exact beat.
// kAudioInNothingDue when nothing records.
uint32_t AudioInDueIn();
constexpr uint32_t kAudioInNothingDue = 0xFFFFFFFFu;
// True once after the selected source went away (a headset unplugged); selecting a source clears it.
bool AudioInTakeLoss();
// Closes the recorder and forgets the headless sources and the selection.
void AudioInResetState();
