// The operations keys and clicks share: manual mode, listening, help, the controls window, the flag edits.
#include "controls/mousekey.h"

#include <cstring>

#include "controls/draw.h"
#include "controls/help.h"
#include "controls/popup_state.h"
#include "controls/text_field.h"
#include "core/alert.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "music/music.h"
#include "music/rave.h"
#include "platform/cdaudio.h"
#include "platform/window.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"

uint8_t gStateHelp = 0;
uint8_t gStateControlsExpand = 0;
uint8_t gEditableFlag = 0;

namespace {
// Listening has been switched on since the program started.
bool sListenedOnce = false;

// The input heard now is the disc's own sound ("CD Audio", first of the sources).
bool MouseKeyHearingDisc() {
    return gAudioCurrentInputType < gSoundInputNum &&
           std::strcmp(gSoundInputNames[gAudioCurrentInputType], "CD Audio") == 0;
}
} // namespace

uint32_t MouseKeyElapsedTime(uint32_t myTime) {
    if (gStatePause) return gPauseTime;
    if (!gStatePlay) return 0;
    // The clock wraps after 2^32 ms; the difference in unsigned arithmetic stays right across it. A message
    // made before the song's clock started (a key pressed as a track began) comes out past "never": it
    // belongs to the song's start.
    const uint32_t mySince = myTime - gTimer;
    return mySince < kNever ? mySince : 0;
}

void MouseKeyPlayPause() {
    if (gStatePlay)
        MusicPause(0, kCDModePause);
    else if (gStatePause)
        MusicResume();
    else
        MusicPlay(gTrackCurrent, 1);
}

void MouseKeyToggleHold() {
    gStateManual = gStateManual ? 0 : 1;
    // A replayed rave keeps its place while held, and is brought to the song's time when let go (also when
    // its replay reached the end meanwhile).
    MusicHoldRave(gStateManual);
}

void MouseKeySetVolume(uint8_t myVolume) {
    CDAudioSetVolume(myVolume);
}

void MouseKeyToggleListen(uint8_t myInvert, uint32_t myElapsed, uint8_t mySearch) {
    if (myInvert) MouseKeySetListen(!gStateListen, myElapsed);
    if (gStateListen && !gStateInput) {
        MouseKeySetListen(false, myElapsed);
        MainOpenAlert("Unable to listen for beat! The sound input is not working.");
    } else if (gStateListen && !sListenedOnce && gStatePlay && !MouseKeyHearingDisc() && mySearch) {
        gSoundQueryFlag = -1;
        gSearchFlag = 1;
    }
    if (gStateListen) sListenedOnce = true;
    gMeterOffset = 0;
}

void MouseKeyPlaceHelp() {
    if (gStateHelp && gStateExpand && gStateControlsVisible) {
        WindowPlaceBeside(kWinHelp, kWinControls);
        WindowShow(kWinHelp, true, false);
    } else {
        WindowShow(kWinHelp, false, false);
    }
}

void MouseKeyToggleHelp() {
    gStateHelp = gStateHelp ? 0 : 1;
    if (gStateHelp) gHelpZone = 0;
    MouseKeyPlaceHelp();
}

void MouseKeyToggleControls(uint8_t myQuiet) {
    if (!gStateControlsVisible) {
        gStateControlsVisible = 1;
        gStateAllVisible = gStateExpand;
        DrawForget();
        WindowShow(kWinControls, true, !myQuiet);
        MouseKeyPlaceHelp();
        if (!gStartUp) WindowShowCursor(true);
    } else if (gStateRunning && gStatePaint) {
        // A name half typed is given up with the window.
        if (gPanel == kPanelTextEntry || gPanel == kPanelReplace) MouseKeyLeaveTextEntry();
        gStateControlsVisible = 0;
        gStateAllVisible = 0;
        WindowShow(kWinControls, false, false);
        WindowShow(kWinHelp, false, false);
        TextFieldDestroy();
        gEditableFlag = 0;
        WindowActivate(kWinPaint);
        WindowShowCursor(false);
    }
}

uint8_t MouseKeyFlagSettings(uint8_t myClass, uint8_t myBit) {
    const uint8_t myMask = static_cast<uint8_t>(1u << myBit);
    uint8_t myFlags = gStyle.mFlags;
    // A second cue of the same switch takes the cue back: the cued bits are the ones to invert.
    if (myClass == kModeCue && gCueFlags != kNotSet)
        myFlags = static_cast<uint8_t>((myFlags & ~(kFlagTrails | kFlagVolume)) | gCueFlags);
    return static_cast<uint8_t>(myFlags ^ myMask);
}

void MouseKeyResetState() {
    gStateHelp = 0;
    gStateControlsExpand = 0;
    gStateSaveTitle = 0;
    gEditableFlag = 0;
    sListenedOnce = false;
}
