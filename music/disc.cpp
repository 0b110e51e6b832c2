// The disc in the drive: choosing and opening the drive, reading the table of contents, the disc's identity
// (its four-character code and its CDDB identifier), positions and song lengths, and watching for discs put
// in or taken out.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/alert.h"
#include "core/random.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "platform/cdaudio.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "sound/sound_input.h"
#include "storage/file.h"

namespace {
constexpr int kCodeBase = 4900;
// How often the drive is asked whether a disc came or went, in milliseconds.
constexpr uint32_t kWatchInterval = 2000;
// A drive that has not started playing after this long is given up on.
constexpr uint32_t kStartWait = 3000;

uint32_t sWatchLast = 0;
// The drives the system listed at start-up, by the index their letter stands for.
std::vector<std::string> sDrives;

// A drive's letter: D for the first the system lists, as drive letters began after the hard disks.
char MusicDriveLetter(size_t myIndex) {
    return static_cast<char>('D' + myIndex);
}

// A data session written after the music starts 11400 frames after the music's end (the lead-out and
// lead-in between the sessions).
constexpr int32_t kSessionGap = 11400;

void MusicSetOwnFolder() {
    const std::string myFolder = CDAudioDiscFolder();
    std::snprintf(gDirIDOrbexCD, kPathSize, "%s", myFolder.empty() ? "" : (myFolder + "OrbexCD/").c_str());
}

bool MusicHasOwnFolder() {
    if (!gDirIDOrbexCD[0]) return false;
    const std::string myFolder(gDirIDOrbexCD);
    const std::string myParent = myFolder.substr(0, myFolder.size() - std::strlen("OrbexCD/"));
    char myPath[kPathSize];
    return FileFindDirectory("OrbexCD", myParent.c_str(), myPath) == 0;
}

void MusicSelectTrack(int myTrack) {
    const int myTotal = std::max<int>(gTrackTotal, 1);
    const int myIndex = myTrack < 0 ? 0 : myTrack % myTotal;
    MusicSetRaveExt(myIndex);
    gTrackCurrent = static_cast<int8_t>(myIndex);
    MusicGetSongLength();
}
} // namespace

void MusicSetRaveExt(int myTrack) {
    const int myNumber = (myTrack + 1) % 100;
    gRaveExt[0] = '.';
    gRaveExt[1] = 'R';
    gRaveExt[2] = static_cast<char>('0' + myNumber / 10);
    gRaveExt[3] = static_cast<char>('0' + myNumber % 10);
    gRaveExt[4] = 0;
}

char MusicTranslateChar(int myValue) {
    static const char kSymbols[] = "#$%&+=@!";
    if (myValue < 10) return static_cast<char>('0' + myValue);
    if (myValue < 36) return static_cast<char>('A' + myValue - 10);
    if (myValue < 62) return static_cast<char>('a' + myValue - 36);
    return myValue < 70 ? kSymbols[myValue - 62] : '!';
}

int MusicSumSecs(uint32_t myNumber) {
    int mySum = 0;
    for (; myNumber > 0; myNumber /= 10)
        mySum += static_cast<int>(myNumber % 10);
    return mySum;
}

uint32_t MusicDiscId(const uint32_t* myStarts, int myCount, uint32_t myLeadOut) {
    uint32_t mySum = 0;
    for (int i = 0; i < myCount; ++i)
        mySum += static_cast<uint32_t>(MusicSumSecs(myStarts[i] / kCDFrameRate));
    const uint32_t myLength = myCount > 0 ? myLeadOut / kCDFrameRate - myStarts[0] / kCDFrameRate : 0;
    return (mySum % 255) << 24 | (myLength & 0xFFFF) << 8 | static_cast<uint32_t>(myCount & 0xFF);
}

uint32_t MusicCodeNum(const uint32_t* myStarts, int myCount) {
    if (myCount <= 0) return 0;
    const uint32_t mySecond = myStarts[myCount == 1 ? 0 : 1];
    return (mySecond % kCodeBase) * kCodeBase + myStarts[myCount - 1] % kCodeBase;
}

void MusicCodeText(uint32_t myCodeNum, char myCode[5]) {
    for (int i = 0, myValue = static_cast<int>(myCodeNum % (70u * 70 * 70 * 70)), myDivisor = 70 * 70 * 70;
         i < 4; ++i) {
        myCode[i] = MusicTranslateChar(myValue / myDivisor);
        myValue %= myDivisor;
        myDivisor /= 70;
    }
    myCode[4] = 0;
}

bool MusicDiscInfo(const std::string& mySource, std::string& myText) {
    CDToc myToc;
    if (!CDAudioOpen(mySource)) {
        myText = "cannot open " + mySource + " as a drive, a disc image or a music folder";
        return false;
    }
    const bool myRead = CDAudioMediaPresent() && CDAudioReadToc(myToc);
    CDAudioClose();
    if (!myRead) {
        myText = "no disc in " + mySource;
        return false;
    }
    uint32_t myStarts[kCDTracksMax];
    for (int i = 0; i < myToc.mCount; ++i)
        myStarts[i] = static_cast<uint32_t>(myToc.mTracks[i].mStart);
    char myCode[5];
    MusicCodeText(MusicCodeNum(myStarts, myToc.mCount), myCode);
    char myLine[160];
    std::snprintf(myLine, sizeof(myLine), "code %s\ncddb %08x\n", myCode,
                  MusicDiscId(myStarts, myToc.mCount, static_cast<uint32_t>(myToc.mLeadOut)));
    myText = myLine;
    for (int i = 0; i < myToc.mCount; ++i) {
        const int32_t myEnd = i + 1 < myToc.mCount ? myToc.mTracks[i + 1].mStart : myToc.mLeadOut;
        std::snprintf(myLine, sizeof(myLine), "track %d %s start %d length %d\n", i + 1,
                      myToc.mTracks[i].mAudio ? "audio" : "data", myToc.mTracks[i].mStart,
                      myEnd - myToc.mTracks[i].mStart);
        myText += myLine;
    }
    std::snprintf(myLine, sizeof(myLine), "leadout %d\n", myToc.mLeadOut);
    myText += myLine;
    return true;
}

uint32_t MusicToMSF(uint32_t myFrames) {
    const uint32_t myMinutes = myFrames / 4500;
    const uint32_t mySeconds = myFrames / kCDFrameRate % 60;
    return (myMinutes & 0xFF) | mySeconds << 8 | (myFrames % kCDFrameRate) << 16;
}

uint32_t MusicGetFrames(uint32_t myPosition) {
    const uint32_t myMinutes = myPosition & 0xFF;
    const uint32_t mySeconds = (myPosition >> 8) & 0xFF;
    return (myMinutes * 60 + mySeconds) * kCDFrameRate + ((myPosition >> 16) & 0xFF);
}

void MusicChangeSource(const std::string& mySource) {
    MusicCloseCD();
    gMusicDiscSource = mySource;
    InitCDDrive();
}

void InitCDDrive() {
    MusicOpenPlayers();
    std::memset(gCDDriveList, 0, sizeof(gCDDriveList));
    gStateCDDriver = 0;
    std::string mySource = gMusicDiscSource;
    if (mySource.empty()) {
        sDrives = CDAudioListDrives();
        if (sDrives.size() > 3) sDrives.resize(3);
        int myWithDisc = -1, myDiscs = 0;
        for (size_t i = 0; i < sDrives.size(); ++i) {
            const bool myDisc = CDAudioOpen(sDrives[i]) && CDAudioMediaPresent();
            CDAudioClose();
            gCDDriveList[i] = static_cast<uint8_t>(3 + i + (myDisc ? 100 : 0));
            if (myDisc) {
                myWithDisc = static_cast<int>(i);
                ++myDiscs;
            }
        }
        // A machine without a CD drive is the usual case today: it runs on the silent clock without a word.
        if (sDrives.empty()) return;
        int myChosen = -1;
        if (sDrives.size() == 1)
            myChosen = 0;
        else if (myDiscs == 1)
            myChosen = myWithDisc;
        else if (gCDDefault >= 'D' && static_cast<size_t>(gCDDefault - 'D') < sDrives.size())
            myChosen = gCDDefault - 'D';
        if (myChosen < 0) {
            myChosen = 0;
            char myText[kAlertTextSize];
            std::snprintf(myText, sizeof(myText),
                          "Multiple CD-ROM drives found! Default drive is now set to %c.",
                          MusicDriveLetter(0));
            MainOpenAlert(myText);
        }
        gCDDefault = MusicDriveLetter(static_cast<size_t>(myChosen));
        mySource = sDrives[static_cast<size_t>(myChosen)];
    }
    if (!CDAudioOpen(mySource)) {
        MainOpenAlert(
            "Unable to access CD music drive! If another CD player is open, close it and restart Orbex.");
        return;
    }
    gStateCDDriver = 1;
    MusicSetOwnFolder();
}

void MusicCloseCD() {
    PlayersClose();
    CDAudioClose();
    gStateCDDriver = 0;
}

void MusicGetSongLength() {
    if (gStatePlayer) {
        gSongLength = MusicPlayerLength();
        return;
    }
    if (!gStateCD || gTrackCurrent < 0 || gTrackCurrent >= gTrackTotal) {
        gSongLength = kSilentTrackLength;
        return;
    }
    const int t = gTrackCurrent;
    const uint32_t myFrames =
        gTrackFrames[t + 1] > gTrackFrames[t] ? gTrackFrames[t + 1] - gTrackFrames[t] : 0;
    gSongLength = myFrames * 1000 / kCDFrameRate;
    if (t == gTrackTotal - 1) gSongLength = gSongLength > 100 ? gSongLength - 100 : 0;
}

uint32_t MusicGetCDTime() {
    if (gStatePlayer) return MusicPlayerTime();
    if (!gStateCD || gTrackCurrent < 0 || gTrackCurrent >= gTrackTotal) return 0;
    const int64_t myHeard = CDAudioHeardPosition();
    const int64_t myStart = int64_t(gTrackFrames[static_cast<uint8_t>(gTrackCurrent)]) * kCDSamplesPerFrame;
    if (myHeard < myStart) return 0;
    return static_cast<uint32_t>((myHeard - myStart) * 1000 / kCDSampleRate);
}

void MusicRestorePrefs(uint8_t mySeekMode, char myDrive) {
    gSeekMode = mySeekMode > 2 ? 0 : mySeekMode;
    gCDMode = gSeekMode == 1 ? kCDModeStop : kCDModePause;
    gCDDefault = myDrive;
}

uint32_t MusicSeek(uint32_t myFrames, uint8_t myCheck) {
    CDAudioSeek(static_cast<int32_t>(myFrames));
    if (gSeekMode == 0 && myCheck) {
        const int64_t myHeard = CDAudioHeardPosition();
        const int64_t myAt = myHeard < 0 ? 0 : myHeard / kCDSamplesPerFrame;
        if (std::abs(myAt - int64_t(myFrames)) > 20) {
            gSeekMode = 1;
            gCDMode = kCDModeStop;
            CDAudioHalt();
            CDAudioSeek(static_cast<int32_t>(myFrames));
        } else {
            gSeekMode = 2;
        }
    }
    const int64_t myHeard = CDAudioHeardPosition();
    return MusicToMSF(static_cast<uint32_t>(myHeard < 0 ? 0 : myHeard / kCDSamplesPerFrame));
}

namespace {

// What the table of contents says of the disc in the drive.
struct DiscReading {
    bool mPresent = false; // a disc with music
    bool mRom = false;     // a disc without a music track
    bool mOwn = false;     // a disc with the program's own folder on it
    uint8_t mLeading = 0;  // data tracks before the music
};

// Reads the drive's table of contents; a disc that has just arrived in a CD drive is opened afresh first, so
// the new disc's table is read.
bool MusicReadToc(CDToc& myToc) {
    // A screen saver started with its sound off ("Ignore") runs on the silent clock and leaves the disc be.
    const bool mySilentSaver = gSaverTrigger && !gSaverSound;
    const bool myPresent = gStateCDDriver && !mySilentSaver && CDAudioMediaPresent() && CDAudioReadToc(myToc);
    if (!myPresent || gStateCD || CDAudioKind() != kCDDriveDevice) return myPresent;
    if (CDAudioOpen(CDAudioSource())) return CDAudioReadToc(myToc);
    gStateCDDriver = 0;
    return false;
}

// Lays the disc's audio tracks out in gTrackFrames and gTrackTotal, and names the disc in gDiskID.
DiscReading MusicLayOutTracks(const CDToc& myToc, const uint32_t* myStarts) {
    DiscReading myDisc;
    const int myCount = myToc.mCount;
    const int myUsed = std::min(myCount, kTracksMax);
    bool myRun = true;
    int myAudio = 0, myData = 0, myLastAudio = -1;
    for (int i = 0; i < myUsed; ++i) {
        if (myToc.mTracks[i].mAudio) {
            myRun = false;
            gTrackFrames[myAudio++] = static_cast<uint32_t>(myToc.mTracks[i].mStart);
            myLastAudio = i;
        } else {
            ++myData;
            if (myRun) ++myDisc.mLeading;
        }
    }
    if (myAudio == 0) {
        myDisc.mRom = true;
        myDisc.mLeading = 0;
        return myDisc;
    }
    myDisc.mPresent = true;
    // The music ends at the lead-out, at the next track, or before the gap of a data session.
    int32_t myEnd = myToc.mLeadOut;
    if (myCount > kTracksMax) {
        myEnd = myToc.mTracks[kTracksMax].mStart;
    } else if (myLastAudio + 1 < myCount) {
        myEnd = myToc.mTracks[myLastAudio + 1].mStart;
        if (myEnd - kSessionGap > myToc.mTracks[myLastAudio].mStart) myEnd -= kSessionGap;
    }
    MusicSetOwnFolder();
    myDisc.mOwn = MusicHasOwnFolder();
    // A disc of the program's own with its folder but no data track reports two seconds of the folder's
    // session as music; a music folder's own tracks end where their files end.
    if (myDisc.mOwn && myData == 0 && CDAudioKind() != kCDDriveFolder) myEnd -= kCDPregap;
    gTrackFrames[myAudio] = static_cast<uint32_t>(myEnd);
    gTrackTotal = static_cast<int8_t>(myAudio);
    // The identifier is the standard one, from the whole table as the disc gives it.
    std::snprintf(gDiskID, sizeof(gDiskID), "%08x",
                  MusicDiscId(myStarts, myCount, static_cast<uint32_t>(myToc.mLeadOut)));
    return myDisc;
}

// The program takes the disc just read, or its absence: its code and flags, its files, its first track.
void MusicTakeDisc(const DiscReading& myDisc, uint32_t myCode) {
    if (!myDisc.mPresent) {
        gTrackTotal = kSilentTracks;
        std::memset(gDiskID, 0, sizeof(gDiskID));
        std::memset(gTrackFrames, 0, sizeof(gTrackFrames));
    }
    gCDCodeNum = myCode;
    MusicCodeText(myCode, gCDCode);
    const bool myArrived = myDisc.mPresent && !gStateCD;
    gStateCD = myDisc.mPresent ? 1 : 0;
    gStateCDRom = myDisc.mRom ? 1 : 0;
    gDataFlag = myDisc.mOwn ? 1 : 0;
    gDataTracks = myDisc.mLeading;
    if (myDisc.mPresent) gStateEject = 0;
    MusicLoadCD();
    if (!gStateCDAttach) std::memset(gCDSet, 0, sizeof(gCDSet));
    // A disc that arrives is listened to when the style listens.
    if (myArrived && (gStyle.mFlags & kFlagListen) && gStateInput) gStateListen = 1;
    gHalfSeconds = 0;
    MusicSelectTrack(gSaverTrigger ? MainRandom() * gTrackTotal / kRandomRange : 0);
}

} // namespace

void MusicUpdateCD(int myTrack) {
    // A player's album stays the disc until the player says otherwise.
    if (gStatePlayer) {
        MusicSelectTrack(myTrack);
        return;
    }
    CDToc myToc;
    const bool myPresent = MusicReadToc(myToc);
    uint32_t myCode = 0;
    uint32_t myStarts[kCDTracksMax];
    if (myPresent) {
        for (int i = 0; i < myToc.mCount; ++i)
            myStarts[i] = static_cast<uint32_t>(myToc.mTracks[i].mStart);
        myCode = MusicCodeNum(myStarts, myToc.mCount);
    }
    // The same disc as before (or still none) only selects the track.
    if (myCode == gCDCodeNum) {
        MusicSelectTrack(myTrack);
        return;
    }
    MusicTakeDisc(myPresent ? MusicLayOutTracks(myToc, myStarts) : DiscReading{}, myCode);
}

void MusicCheckForCD() {
    if (!gStateCDDriver || (gStateCD && !gStatePlayer)) return;
    if (!CDAudioMediaPresent()) return;
    CDToc myToc;
    if (!CDAudioReadToc(myToc)) return;
    // A disc put in comes before a desktop player.
    if (gStatePlayer) MusicStopCD(0, 1);
    gStateCD = gStatePlayer = 0;
    MusicUpdateCD(-1);
    if (!gStateCD) return;
    if (gStateControlsVisible) WindowInvalidate(kWinControls);
    MusicPlay(0, 0);
}

void MusicAlignCD() {
    if (!gStateCD || !gStatePlay) return;
    gTimer = ClockTicks() - MusicGetCDTime();
}

bool MusicWaitStarted() {
    return CDAudioWaitHeard(kStartWait);
}

void MusicWatchMedia() {
    if (!gStateCDDriver) return;
    const uint32_t myNow = ClockTicks();
    if (myNow - sWatchLast < kWatchInterval) return;
    sWatchLast = myNow;
    // A drive busy reading the music holds its disc: the frame loop never waits for it here.
    const int myState = CDAudioMediaNow();
    if (myState < 0) return;
    const bool myThere = myState == 1;
    if (gStateCD && !gStatePlayer && !myThere) {
        // Taken out behind the program's back: as the system's removal notice did.
        if (!gStateEject) MusicEjectCD(1);
    } else if ((!gStateCD || gStatePlayer) && myThere && !gNewDisk) {
        // Put in: looked at a few seconds later, when the drive has settled, as after the arrival notice.
        gNewDisk = 1;
        gNewDiskTime = myNow;
    }
}

void MusicWatchDisc() {
    MusicWatchMedia();
    MusicWatchPlayer();
    if (gNewDisk && ClockTicks() - gNewDiskTime > 3000) {
        gNewDisk = 0;
        MusicCheckForCD();
    }
}

void MusicDiscResetState() {
    sWatchLast = 0;
    sDrives.clear();
}
