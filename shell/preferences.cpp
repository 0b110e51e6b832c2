// The preferences file: read once at start-up, written once at quit (and at once when start-up had to create
// it).
#include "shell/preferences.h"

#include <algorithm>
#include <cstring>

#include "controls/mousekey.h"
#include "core/alert.h"
#include "core/state.h"
#include "music/music.h"
#include "platform/platform.h"
#include "shell/screen_saver.h"
#include "sound/sound_input.h"

namespace {
// The sound sources as the record holds them. Start-up picks a source by itself when none was ever chosen
// (the desktop's monitor, found by name each run); that pick is a position in a list that changes as devices
// come and go, so it is not kept as if the user had chosen it: the record keeps what it held, unless a source
// was chosen since.
uint8_t sSource = kInputNotChosen;
uint8_t sCDSource = kInputNotChosen;
} // namespace

int InitOpenPrefsFile(const char* myName, FileHandle* myFile) {
    int16_t myCode = FileOpen(myName, gDirIDPref, myFile, false);
    int myResult = 1;
    if (myCode == kFileNotFound) {
        myCode = FileCreate(myName, gDirIDPref, false);
        if (myCode == 0) myCode = FileOpen(myName, gDirIDPref, myFile, false);
        myResult = 2;
    }
    if (myCode == 0) return myResult;
    MainCheckFileErrors(myCode, std::string(gDirIDPref) + myName);
    PlatformBeep();
    return 0;
}

void InitSetPreferences(const char* myName) {
    FileHandle myFile = nullptr;
    const int myOpened = InitOpenPrefsFile(kPrefsFileName, &myFile);
    if (myOpened == 0) return;
    // Whether Orbex is the desktop's screen saver, and after how long, is the desktop's to say: asked at
    // every start, a first one too.
    if (gStartUp && myName) PrefsReadSaver();
    // Help shows on a first start, and wherever the record cannot say otherwise.
    if (gStartUp && myName) gStateHelp = 1;
    if (gStartUp && myName && myOpened == 1) {
        uint8_t myBytes[kPrefsSize] = {};
        const int32_t mySize = std::min<int32_t>(FileLength(myFile), kPrefsSize);
        FileRead(myFile, mySize, myBytes);
        FileClose(myFile);
        PrefsApply(myBytes, static_cast<size_t>(mySize));
        return;
    }
    FileClose(myFile);
    uint8_t myBytes[kPrefsSize];
    PrefsBytes(myBytes);
    // Written beside and renamed, so a full disk never leaves half a record for the screen saver to read.
    if (const int16_t myCode = FileReplace(kPrefsFileName, gDirIDPref, myBytes, kPrefsSize)) {
        MainCheckFileErrors(myCode, std::string(gDirIDPref) + kPrefsFileName);
        PlatformBeep();
    }
}

void PrefsApply(const uint8_t* myBytes, size_t mySize) {
    // A record cut short, or of a layout no program wrote, says nothing reliable: the defaults stay, and the
    // quit writes a sound record over it.
    if (mySize < kPrefsSize || (myBytes[kPrefsVersion] != 1 && myBytes[kPrefsVersion] != kPrefsLayout))
        return;
    gSaverTrigger = myBytes[kPrefsSaverTrigger] ? 1 : 0;
    // The screen-saver flag is not read back: whether Orbex is the desktop's screen saver is the desktop's to
    // say.
    gSaverSound = myBytes[kPrefsSaver] / 2 ? 1 : 0;
    MusicRestorePrefs(myBytes[kPrefsSeekHelp] / 2, static_cast<char>(myBytes[kPrefsDrive]));
    gStateHelp = myBytes[kPrefsSeekHelp] % 2;
    sSource = myBytes[kPrefsSource];
    sCDSource = myBytes[kPrefsVersion] == 1 ? sSource : myBytes[kPrefsCDSource];
    SoundRestorePrefs(sSource, sCDSource);
}

void PrefsBytes(uint8_t (&myBytes)[kPrefsSize]) {
    std::memset(myBytes, 0, kPrefsSize);
    myBytes[kPrefsVersion] = kPrefsLayout;
    myBytes[kPrefsSaver] = static_cast<uint8_t>((gSaverSound ? 2 : 0) + (gSaverFlag ? 1 : 0));
    myBytes[kPrefsSaverDelay] = static_cast<uint8_t>(std::min<unsigned>(gSaverDelay, 255));
    myBytes[kPrefsSeekHelp] = static_cast<uint8_t>(gSeekMode * 2 + (gStateHelp ? 1 : 0));
    myBytes[kPrefsSource] = (gAudioInputChosen & 1) ? gAudioInputType : sSource;
    myBytes[kPrefsDrive] = static_cast<uint8_t>(gCDDefault);
    myBytes[kPrefsCDSource] = (gAudioInputChosen & 2) ? gAudioCDInputType : sCDSource;
}

void PrefsResetState() {
    sSource = sCDSource = kInputNotChosen;
}
