// Playback: play, stop, pause, resume, skip, fast skip and eject, on the disc or, without one, on a silent
// clock of nine 60-second tracks, so the edit list, beats and track ends behave alike with and without music.
#include "music/music.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/alert.h"
#include "core/state.h"
#include "core/style_record.h"
#include "core/text_utils.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "music/disc_files.h"
#include "music/rave.h"
#include "platform/cdaudio.h"
#include "platform/clock.h"
#include "platform/text_out.h"
#include "platform/window.h"
#include "sound/listen.h"
#include "sound/search.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"

uint8_t gCDDriveList[4] = {};
char gCDDefault = 0;
uint8_t gStateCDRom = 0;
int8_t gTrackTotal = kSilentTracks;
uint8_t gDataTracks = 0;
uint32_t gTrackFrames[kTracksMax + 1] = {};
int8_t gTrackCurrent = 0;
int8_t gTrackLast = 0;
// No disc has been read yet: the first reading always takes place, with or without a disc.
uint32_t gCDCodeNum = kCDCodeUnread;
char gCDCode[5] = "0000";
char gDiskID[9] = {};
uint8_t gDataFlag = 0;
char gRaveExt[5] = ".R01";
uint16_t gCDMode = kCDModePause;
uint8_t gSeekMode = 0;
uint32_t gPauseTime = 0;
uint8_t gStateRaveOnDisk = 0;
std::string gMusicFirstStyle;
std::string gMusicDiscSource;
int gMusicFirstTrack = 0;

namespace {
constexpr uint32_t kSkipStep = 2000;  // ms the position moves per step of a fast skip
constexpr uint32_t kSkipPeriod = 150; // ms between the steps

void MusicRedrawControls() {
    if (gStateControlsVisible) WindowInvalidate(kWinControls);
}

// The position within the track where the disc halted or plays now.
uint32_t MusicSongTime() {
    return gStateCD ? MusicGetCDTime() : AnimateGetElapsedTime();
}

// The silent clock's disc: no identity, nine tracks of a minute.
void MusicSetNoDisc(uint32_t myCodeNum) {
    std::memset(gDiskID, 0, sizeof(gDiskID));
    gCDCodeNum = myCodeNum;
    std::strcpy(gCDCode, "0000");
    gTrackTotal = kSilentTracks;
    gDataTracks = 0;
    gDataFlag = 0;
    gSongLength = kSilentTrackLength;
}

// The disc is gone: the silent clock's disc takes its place, and plays when the disc was playing.
void MusicDropDisc(bool myPlayOn) {
    gStateCD = 0;
    gStatePlayer = 0;
    MusicSetNoDisc(0);
    MusicLoadCD();
    std::memset(gCDSet, 0, sizeof(gCDSet));
    if (myPlayOn) MusicPlay(0, 0);
}

// Starts the disc at a track's position and waits until it is heard.
void MusicStartDisc(uint32_t myFrames, uint8_t myCheck) {
    if (gStatePlayer) {
        MusicPlayerStart();
        return;
    }
    MusicSeek(myFrames, myCheck);
    if (CDAudioPlay(-1)) MusicWaitStarted();
}
} // namespace

void MusicPlay(int myTrack, int myUpdate) {
    gStateStart = 1;
    MusicRedrawControls();
    if (gStatePlay || gStatePause) MusicStop(0, 0);
    // The first start of a run brings back the last session's look (with the track's rave, if it has one).
    const bool myFirstOfRun = !gStateLastSession;
    gTrackLast = gTrackCurrent;
    if (myUpdate) {
        MusicUpdateCD(myTrack);
    } else {
        gTrackCurrent = static_cast<int8_t>(myTrack);
        MusicSetRaveExt(myTrack);
        MusicGetSongLength();
    }
    // The first start of a run may be asked to begin at another track; one beyond the disc's end gets its
    // last track, with a word why.
    if (myFirstOfRun && gMusicFirstTrack > 1 && gTrackTotal > 0) {
        const int myFirst = std::min(gMusicFirstTrack, static_cast<int>(gTrackTotal)) - 1;
        if (gMusicFirstTrack > gTrackTotal) {
            char myText[96];
            std::snprintf(myText, sizeof(myText),
                          "track %d is beyond the end of the disc (%d track%s); playing track %d",
                          gMusicFirstTrack, static_cast<int>(gTrackTotal), gTrackTotal == 1 ? "" : "s",
                          myFirst + 1);
            TextOutSay(myText);
        }
        gTrackCurrent = static_cast<int8_t>(myFirst);
        MusicSetRaveExt(myFirst);
        MusicGetSongLength();
    }
    MusicStartTrackRave();
    AnimateResetBeats();
    ListenSongStarts();
    // A replayed rave's first record comes at its own time; the tempo's beats follow the rave's end.
    if (!gStateListen && !TempoRaveReplays()) TempoStartBeats(0);
    if (gStateInput) {
        // A search in progress keeps the source it is trying.
        const uint8_t myInput = MusicChosenInput();
        if (myInput != gAudioCurrentInputType && gSoundQueryFlag < 0) InitSetSoundInput(myInput);
        if (gStateListen) MusicStartRecording();
        // A style that listens, started with the run, switches listening on; on the desktop's monitor it
        // waits for music first.
        if (myFirstOfRun && gStateListen) AnimateWaitForMusic();
    }
    if (gStateCD) MusicStartDisc(gTrackFrames[static_cast<uint8_t>(gTrackCurrent)], gTrackCurrent != 0);
    gTimer = ClockTicks();
    gStatePlay = 1;
    gStateStart = 0;
}

void MusicStop(int myButton, int myDraw) {
    // A player is stopped by the stop button alone: a new track or quitting leaves it playing.
    if (gStatePlayer && myButton)
        MusicPlayerHalt(true);
    else if (gStateCD && !gStatePlayer)
        CDAudioHalt();
    gStatePlay = 0;
    gStatePause = 0;
    AnimateSongTimeAt(0);
    ListenSongStops();
    EditsRewind();
    MusicStopRecording();
    if (myDraw) MusicRedrawControls();
}

void MusicStopCD(int myButton, int myEject) {
    MusicStop(myButton, 1);
    if (myEject) {
        gTrackCurrent = -1;
        gSongLength = kSilentTrackLength;
        std::strcpy(gCDName, "No CD");
    } else {
        gTrackCurrent = 0;
        std::strcpy(gRaveExt, ".R01");
        MusicGetSongLength();
    }
}

void MusicPause(uint8_t mySilent, uint16_t myCommand) {
    (void)myCommand; // the player halts the same way for both
    if (!mySilent) {
        gStatePlay = 0;
        gStatePause = 1;
        MusicStopRecording();
    }
    if (gStatePlayer)
        MusicPlayerHalt(false);
    else if (gStateCD)
        CDAudioHalt();
    gPauseTime = MusicSongTime();
}

void MusicResume() {
    const uint32_t myCode = gCDCodeNum;
    MusicUpdateCD(gTrackCurrent);
    if (myCode != gCDCodeNum) {
        MusicPlay(gTrackCurrent, 0);
        return;
    }
    if (gStatePlayer)
        MusicPlayerStart();
    else if (gStateCD && CDAudioPlay(-1))
        MusicWaitStarted();
    gTimer += AnimateGetElapsedTime() - gPauseTime;
    gStatePlay = 1;
    gStatePause = 0;
    // The disc picks up where the listener last heard it.
    MusicAlignCD();
    if (gStateListen) MusicStartRecording();
}

void MusicSkipTrack(int myStep, uint8_t myButton) {
    (void)myButton;
    // The player chooses its tracks; the program follows when it does.
    if (gStatePlayer) {
        MusicPlayerSkip(myStep);
        return;
    }
    const int myTotal = gTrackTotal > 0 ? gTrackTotal : 1;
    int myTrack;
    if (myStep > 0)
        myTrack = (myStep - 1) % myTotal;
    else if (gTrackCurrent < 0)
        // No track since the disc went: the next one is the first, the previous one the last.
        myTrack = myStep == 0 ? 0 : myTotal - 1;
    else
        myTrack = (gTrackCurrent + myTotal + (myStep == 0 ? 1 : -1)) % myTotal;
    gTrackLast = gTrackCurrent;
    MusicUpdateCD(myTrack);
    if (gStatePlay) {
        MusicPlay(gTrackCurrent, 0);
    } else {
        gStatePause = 0;
        MusicGetSongLength();
    }
}

void MusicFastSkip(int myDirection, void (*myEachTurn)()) {
    if (myDirection > 0 && !gStatePlay && !gStatePause) {
        MainOpenAlert("The song must be playing or paused to use this feature!");
        return;
    }
    const uint32_t myCode = gCDCodeNum;
    MusicUpdateCD(gTrackCurrent);
    if (myCode != gCDCodeNum) return;
    const bool myPlaying = gStatePlay != 0;
    if (myPlaying) MusicPause(0, gCDMode);
    uint32_t myPosition = gStatePause ? gPauseTime : 0;
    uint32_t myNext = ClockTicks();
    // An alert opened by the picture's step keeps the release away: the skip stops where it is.
    while (WaitMouseUp() && !gStateAlert) {
        WindowTurn();
        AnimateMain();
        if (myEachTurn) myEachTurn();
        if (ClockTicks() - myNext < kSkipPeriod) continue;
        myNext = ClockTicks();
        const int64_t myMoved = int64_t(myPosition) + int64_t(myDirection) * kSkipStep;
        myPosition = myMoved < 0 || myMoved >= gSongLength ? 0 : static_cast<uint32_t>(myMoved);
        // The elapsed time shown is the position the skip has reached.
        gHalfSeconds = myPosition / 500;
    }
    // The song's half-second count and its closing blink go on from the new position, not the old one.
    AnimateSongTimeAt(myPosition);
    if (myDirection < 0) MusicResetRave();
    MusicUpdateRave(myPosition);
    if (gStatePlayer)
        MusicPlayerSeek(myPosition);
    else if (gStateCD)
        MusicSeek(gTrackFrames[static_cast<uint8_t>(gTrackCurrent)] +
                      static_cast<uint32_t>(uint64_t(myPosition) * kCDFrameRate / 1000),
                  1);
    gTimer = ClockTicks() - myPosition;
    if (myPlaying) {
        if (gStatePlayer)
            MusicPlayerStart();
        else if (gStateCD && CDAudioPlay(-1))
            MusicWaitStarted();
        gStatePlay = 1;
        gStatePause = 0;
        MusicAlignCD();
        if (gStateListen) MusicStartRecording();
    } else {
        MusicPause(1, gCDMode);
    }
}

void MusicEjectCD(uint8_t myRemoved) {
    if (gStatePlayer) {
        // Ejecting a player's album stops the player, which ends its disc.
        if (!myRemoved) MusicPlayerHalt(true);
        MusicPlayerEnd();
    } else if (gStateCD) {
        if (myRemoved && CDAudioMediaPresent()) return;
        const bool myWasPlaying = gStatePlay != 0;
        MusicStopCD(0, 1);
        gStateListen = 0;
        gStateEject = 1;
        if (!myRemoved) CDAudioEject();
        MusicDropDisc(myWasPlaying);
    } else if (!myRemoved) {
        if (gStateEject) {
            if (CDAudioCloseTray()) gStateEject = 0;
            // The disc is looked at once the drive has settled, as when the system reports its arrival.
            gNewDisk = 1;
            gNewDiskTime = ClockTicks();
        } else if (CDAudioEject()) {
            gStateEject = 1;
        }
    }
}

void MusicPlayerEnd() {
    const bool myWasPlaying = gStatePlay != 0;
    MusicStopCD(0, 1);
    MusicDropDisc(myWasPlaying);
}

void MusicSongEnd() {
    // A player moves on by itself (or stops): the program waits for it.
    if (gStatePlayer) return;
    if (gStateTextEntry) {
        gStateEndSong = 1;
        MusicStop(0, 1);
    } else {
        MusicSkipTrack(0, 0);
    }
}

void MusicTakeOptions(const std::string& myStyle, const std::string& myDisc, int myTrack,
                      const std::string& myPlayer) {
    gMusicFirstStyle = myStyle;
    gMusicDiscSource = myDisc;
    gMusicFirstTrack = myTrack;
    gMusicPlayerName = myPlayer;
}

void MusicResetState() {
    std::memset(gCDDriveList, 0, sizeof(gCDDriveList));
    gCDDefault = 0;
    gStateCDRom = 0;
    MusicSetNoDisc(kCDCodeUnread);
    std::memset(gTrackFrames, 0, sizeof(gTrackFrames));
    gTrackCurrent = 0;
    gTrackLast = 0;
    std::strcpy(gRaveExt, ".R01");
    gCDMode = kCDModePause;
    gSeekMode = 0;
    gPauseTime = 0;
    gStateRaveOnDisk = 0;
    gMusicFirstStyle.clear();
    gMusicDiscSource.clear();
    gMusicFirstTrack = 0;
    MusicDiscResetState();
    MusicPlayerDiscResetState();
    MusicRaveResetState();
    MusicDiscFilesResetState();
}
