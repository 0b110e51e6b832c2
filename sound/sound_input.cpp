// The sound input: listing the recording sources, selecting one, and keeping three buffers recording.
#include "sound/sound_input.h"

#include <cstring>
#include <string>

#include "core/alert.h"
#include "core/state.h"
#include "platform/audioin.h"
#include "platform/cdaudio.h"
#include "sound/listen.h"

char gSoundInputNames[kSoundInputsMax][16] = {};
uint8_t gSoundInputNum = 0;
uint8_t gAudioInputType = kInputNotChosen;
uint8_t gAudioCDInputType = kInputNotChosen;
uint8_t gAudioInputChosen = 0;
uint8_t gAudioCurrentInputType = 0;
int32_t gSoundChanInput = 0;
int32_t gSoundChanOutput = -1;
uint8_t gSoundMonitorFlag = 0;
int8_t gSoundDesktopMonitor = -1;
uint8_t gVolume = 255;
uint8_t gStateInput = 0;
uint8_t gSoundBuffer[kSoundBufferSize] = {};
uint8_t gStateBuffer = 0;
int8_t gSoundQueryFlag = kSearchNone;
uint8_t gSearchFlag = 0;

namespace {
constexpr int kListMax = 64;

const char* SoundSourceName(const AudioInSource& mySource) {
    return mySource.mLongName.size() < 16 ? mySource.mLongName.c_str() : mySource.mShortName.c_str();
}

void SoundBufferFilled(int myBuffer) {
    MusicRestartRecording(kSoundDataReady, myBuffer);
}

uint8_t* SoundBufferAt(int myBuffer) {
    return gSoundBuffer + myBuffer * kSoundBufferLength;
}
} // namespace

void SoundRestorePrefs(uint8_t mySource, uint8_t myCDSource) {
    gAudioInputType = mySource;
    gAudioCDInputType = myCDSource;
}

void InitGetInputs() {
    static AudioInSource sList[kListMax];
    const int myCount = AudioInListSources(sList, kListMax);
    // Here the music comes from a player on the desktop rather than through the card's CD line, so a
    // source never chosen is what the desktop plays: the monitor of the sound server's default output.
    const bool myNeverChosen = gAudioInputType == kInputNotChosen;
    const std::string myMonitor = AudioInMonitorName(AudioInDefaultOutputName());
    int myMonitorAt = -1;
    gSoundInputNum = 0;
    std::memset(gSoundInputNames, 0, sizeof(gSoundInputNames));
    for (int myType = 0; myType < kAudioTypeCount && gSoundInputNum < kSoundInputsMax; ++myType) {
        for (int myIndex = 0; myIndex < myCount && gSoundInputNum < kSoundInputsMax; ++myIndex) {
            if (sList[myIndex].mType != myType) continue;
            std::strncpy(gSoundInputNames[gSoundInputNum], SoundSourceName(sList[myIndex]), 15);
            if (!myMonitor.empty() && sList[myIndex].mLongName == myMonitor) myMonitorAt = gSoundInputNum;
            if (gAudioInputType == kInputNotChosen && myType == kAudioTypeMicrophone)
                gAudioInputType = gSoundInputNum;
            ++gSoundInputNum;
        }
    }
    gSoundDesktopMonitor = static_cast<int8_t>(myMonitorAt);
    if (myNeverChosen && myMonitorAt >= 0) gAudioInputType = static_cast<uint8_t>(myMonitorAt);
}

bool InitSetCDChannel(int myDestination, uint8_t myInput, bool myMonitor) {
    // The sound server has no monitor switch on its capture side: what is monitored is its own business.
    if (myMonitor) return false;
    if (myInput >= gSoundInputNum) return true;
    static AudioInSource sList[kListMax];
    const int myCount = AudioInListSources(sList, kListMax);
    int myFound = -1;
    for (int myIndex = 0; myIndex < myCount && myFound < 0; ++myIndex)
        if (std::strcmp(SoundSourceName(sList[myIndex]), gSoundInputNames[myInput]) == 0) myFound = myIndex;
    if (myDestination == kDestinationRecording) {
        if (myFound < 0 || !AudioInSelect(myFound)) return true;
        gSoundChanInput = myFound;
    } else {
        gSoundChanOutput = myFound >= 0 && sList[myFound].mOnSpeakers ? myFound : -1;
    }
    return false;
}

// SDL exposes no volume or mute of capture sources or of what the speakers carry; the sound server's own
// mixer keeps them. So the source counts as unmuted at full volume, and setting the maximum changes nothing.
// The one playback volume the program has is its disc player's: with a player, that is the volume read.
bool InitSoundVolume(uint8_t myInput, int myOperation, int myDestination, bool mySelect) {
    if (mySelect && InitSetCDChannel(myDestination, myInput, false)) return true;
    if (myOperation == 1) gVolume = gStateCDDriver ? CDAudioVolume() : 65535 / 257;
    return false;
}

bool InitSetSoundInput(uint8_t myInput) {
    gAudioCurrentInputType = myInput;
    if (InitSoundVolume(myInput, 1, kDestinationSpeakers, true)) return true;
    return InitSoundVolume(myInput, 2, kDestinationRecording, true);
}

void InitSound() {
    InitSetCDChannel(kDestinationRecording, 0, true);
    InitGetInputs();
    // A choice kept from another machine may point past this one's list.
    if (gAudioInputType == kInputNotChosen || gAudioInputType >= gSoundInputNum) gAudioInputType = 0;
    if (gAudioCDInputType == kInputNotChosen || gAudioCDInputType >= gSoundInputNum) gAudioCDInputType = 0;
    InitSetSoundInput(gAudioCDInputType);
    if (AudioInOpen(gSoundBuffer, kSoundBufferLength, 3, SoundBufferFilled)) {
        gStateInput = 1;
    } else {
        gStateInput = 0;
        MainOpenAlert("Unable to open sound input device! Close any applications that may be recording.");
    }
}

void MusicStartRecording() {
    if (!gStateInput) return;
    gSoundSampleLast = 0;
    gStateBuffer = 0;
    std::memset(SoundBufferAt(0), 0, 2 * kSoundBufferLength);
    std::memset(SoundBufferAt(2), 128, kSoundBufferLength);
    AudioInAddBuffer(0);
    AudioInStart();
    AudioInAddBuffer(1);
    AudioInAddBuffer(2);
}

void MusicStopRecording() {
    if (gStateInput) AudioInReset();
}

void MusicRestartRecording(int myMessage, int myBuffer) {
    if (myMessage != kSoundDataReady || !gStatePlay) return;
    // Clear the buffer that follows the one now recording, so the analysis sees it as not yet recorded.
    static const int kClearNext[3] = {2, 0, 1};
    std::memset(SoundBufferAt(kClearNext[gStateBuffer]), 0, kSoundBufferLength);
    gStateBuffer = static_cast<uint8_t>((gStateBuffer + 1) % 3);
    AudioInAddBuffer(myBuffer);
}

namespace {
// The choice that belongs to what plays now: the CD choice while a disc is in, else the normal one (also for
// a desktop player's album, which the desktop plays).
uint8_t& MusicChoiceNow() {
    return gStateCD && !gStatePlayer ? gAudioCDInputType : gAudioInputType;
}
} // namespace

uint8_t MusicChosenInput() {
    return MusicChoiceNow();
}

void MusicStoreInput(uint8_t myInput) {
    MusicChoiceNow() = myInput;
    gAudioInputChosen |= gStateCD ? 2 : 1;
}

void MusicChangeInputs(uint8_t myInput) {
    const uint8_t myPrevious = gAudioCurrentInputType;
    if (InitSetSoundInput(myInput)) {
        // The recorder still hears the previous source, so that stays the current one.
        gAudioCurrentInputType = myPrevious;
        MainOpenAlert("Can't record from that channel!");
        return;
    }
    MusicStoreInput(myInput);
}

void MusicCloseRecording() {
    AudioInClose();
    gStateInput = 0;
}

void SoundInputResetState() {
    MusicCloseRecording();
    std::memset(gSoundInputNames, 0, sizeof(gSoundInputNames));
    gSoundInputNum = 0;
    gAudioInputType = gAudioCDInputType = kInputNotChosen;
    gAudioInputChosen = 0;
    gAudioCurrentInputType = 0;
    gSoundChanInput = 0;
    gSoundChanOutput = -1;
    gSoundMonitorFlag = 0;
    gSoundDesktopMonitor = -1;
    gVolume = 255;
    gStateInput = 0;
    std::memset(gSoundBuffer, 0, sizeof(gSoundBuffer));
    gStateBuffer = 0;
    gSoundQueryFlag = kSearchNone;
    gSearchFlag = 0;
}
