// The sound input: the recording sources and which one is heard, and the recorder's three buffers.
#pragma once

#include <cstdint>

constexpr int kSoundInputsMax = 16;
constexpr int kSoundBufferLength = 11025; // one second per buffer
constexpr int kSoundBufferSize = 3 * kSoundBufferLength;
constexpr uint8_t kInputNotChosen = 255;
constexpr int kDestinationSpeakers = 4;
constexpr int kDestinationRecording = 7;
constexpr int kSoundDataReady = 0x3C0; // the recorder's message for a filled buffer
constexpr int8_t kSearchNone = -127;

extern char gSoundInputNames[kSoundInputsMax][16];
extern uint8_t gSoundInputNum;
extern uint8_t gAudioInputType;
extern uint8_t gAudioCDInputType;
// The sources chosen in this run (the SOUND INPUT popup, the search for sound): 1 the normal one, 2 the
// CD's. The preferences keep those; a source start-up picked by itself is not a choice.
extern uint8_t gAudioInputChosen;
// The sources chosen in an earlier run, as the preferences kept them; InitSound checks them against this
// machine's list.
void SoundRestorePrefs(uint8_t mySource, uint8_t myCDSource);
extern uint8_t gAudioCurrentInputType;
extern int32_t gSoundChanInput;
extern int32_t gSoundChanOutput;
extern uint8_t gSoundMonitorFlag;
// The source that hears what the desktop plays (the monitor of the sound server's default output); -1 none.
extern int8_t gSoundDesktopMonitor;
extern uint8_t gVolume;
extern uint8_t gStateInput;
extern uint8_t gSoundBuffer[kSoundBufferSize];
extern uint8_t gStateBuffer;
extern int8_t gSoundQueryFlag;
extern uint8_t gSearchFlag;
// Closes the recording and puts the values above back to their start values.
void SoundInputResetState();

void InitSound();
void InitGetInputs();
// False when the source could be selected.
bool InitSetSoundInput(uint8_t myInput);
// True on failure. Operation 0 none, 1 read the volume into gVolume, 2 set it to the maximum.
bool InitSoundVolume(uint8_t myInput, int myOperation, int myDestination, bool mySelect);
// True on failure: with myMonitor, look for a monitor switch; without, route myInput on the destination.
bool InitSetCDChannel(int myDestination, uint8_t myInput, bool myMonitor);
void MusicStartRecording();
void MusicStopRecording();
void MusicRestartRecording(int myMessage, int myBuffer);
void MusicChangeInputs(uint8_t myInput);
// The source playback listens to now: the CD choice while Orbex's own disc plays, else the normal one.
uint8_t MusicChosenInput();
// Stores myInput as the choice of what plays now.
void MusicStoreInput(uint8_t myInput);
// The clean-up's end of the recorder.
void MusicCloseRecording();
