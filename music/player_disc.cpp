// A desktop media player as a disc: the album it plays is the disc (named by the album, its code from a hash
// of album artist and album), each track a slot of the disc's RaveSet, and the song clock the player's
// position. The player plays; the program follows what it does and sends it what the controls ask.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/state.h"
#include "core/text_utils.h"
#include "engine/animate.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "music/rave.h"
#include "platform/cdaudio.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/players.h"
#include "platform/window.h"
#include "sound/search.h"
#include "sound/tempo.h"

std::string gMusicPlayerName;

namespace {
// A position this far off the song clock is a seek: the rave is brought to it; less is the clocks' drift.
constexpr int64_t kJumpMs = 200;
// The total time shown for a track whose player does not say its length (a stream).
constexpr uint32_t kUnknownLength = 5999000;

std::string sDiscPlayer;   // the bus name of the player whose album is the disc
uint32_t sTrackSerial = 0; // its track change last followed
// The program is taking up what the player did: nothing goes back to the player meanwhile.
bool sFollowing = false;

uint32_t MusicPlayerHash(const std::string& myText) {
    uint32_t myHash = 2166136261u;
    for (const unsigned char myByte : myText) {
        myHash ^= myByte;
        myHash *= 16777619u;
    }
    return myHash;
}

// Whom the album is grouped by: its album artist, else the track's artist.
const std::string& MusicPlayerArtist(const PlayerTrack& myTrack) {
    return myTrack.mAlbumArtist.empty() ? myTrack.mArtist : myTrack.mAlbumArtist;
}

void MusicRedraw() {
    if (gStateControlsVisible) WindowInvalidate(kWinControls);
}

// The disc's slot for the track, its title written into the RaveSet when it is new there.
int MusicPlayerTakeSlot(const PlayerTrack& myTrack) {
    char myTitle[kCDNameSize];
    MusicPlayerFileName(myTrack.mTitle.empty() ? "Untitled" : myTrack.mTitle, myTitle);
    const int mySlot = MusicPlayerSlot(myTrack.mNumber, myTitle);
    CDSet& mySet = gCDSet[mySlot];
    // A slot keeps the title it had while a rave is attached under it; a numbered track renames a bare slot.
    if (std::strncmp(mySet.mName, myTitle, kCDNameSize) != 0 && !mySet.mAttach) {
        std::memcpy(mySet.mName, myTitle, kCDNameSize);
        if (gDirIDRave[0]) FileSaveCDFile(gCDName);
    }
    return mySlot;
}

// The album of the followed player's track becomes the disc.
void MusicPlayerTakeDisc(const PlayerState& myPlayer) {
    const PlayerTrack& myTrack = myPlayer.mTrack;
    sDiscPlayer = myPlayer.mBusName;
    gStateCD = 1;
    gStatePlayer = 1;
    gStateCDRom = 0;
    gDataFlag = 0;
    gDataTracks = 0;
    gStateEject = 0;
    gTrackTotal = kTracksMax;
    std::memset(gTrackFrames, 0, sizeof(gTrackFrames));
    gCDCodeNum = MusicPlayerCodeNum(MusicPlayerArtist(myTrack), myTrack.mAlbum);
    MusicCodeText(gCDCodeNum, gCDCode);
    std::snprintf(gDiskID, sizeof(gDiskID), "%08x",
                  MusicPlayerHash(MusicPlayerArtist(myTrack) + '\n' + myTrack.mAlbum));
    MusicLoadCD();
    if (!gStateCDAttach) {
        std::memset(gCDSet, 0, sizeof(gCDSet));
        char myName[kCDNameSize];
        MusicPlayerFileName(MusicPlayerDiscName(myTrack), myName);
        if (gDirIDRave[0]) FileRenameCDDirectory(myName, 0);
        std::memcpy(gCDName, myName, kCDNameSize);
    }
}

// The style's tempo beats on from the song time the player is at, not from where the clock was before.
void MusicPlayerBeatFrom(uint32_t myPosition) {
    if (!gStateListen && !TempoRaveReplays()) TempoStartBeats(myPosition);
}

// The player's track starts: its slot plays, at the player's position and in its state.
void MusicPlayerFollowTrack(const PlayerState& myPlayer) {
    sTrackSerial = myPlayer.mTrackSerial;
    sFollowing = true;
    if (!gStatePlayer || sDiscPlayer != myPlayer.mBusName ||
        MusicPlayerCodeNum(MusicPlayerArtist(myPlayer.mTrack), myPlayer.mTrack.mAlbum) != gCDCodeNum)
        MusicPlayerTakeDisc(myPlayer);
    MusicPlay(MusicPlayerTakeSlot(myPlayer.mTrack), 0);
    MusicAlignCD();
    MusicPlayerBeatFrom(AnimateGetElapsedTime());
    if (myPlayer.mStatus != kPlayerPlaying) MusicPause(0, kCDModePause);
    sFollowing = false;
    MusicRedraw();
}

// The player moved elsewhere in the track: the rave replays from there, as after a fast skip.
void MusicPlayerJumped(uint32_t myPosition, uint32_t mySongTime) {
    AnimateSongTimeAt(myPosition);
    if (myPosition < mySongTime) MusicResetRave();
    MusicUpdateRave(myPosition);
    gTimer = ClockTicks() - myPosition;
    MusicPlayerBeatFrom(myPosition);
}

// The same player and track: its pauses, plays and seeks.
void MusicPlayerFollowState(const PlayerState& myPlayer) {
    if (myPlayer.mStatus == kPlayerPaused && gStatePlay) {
        MusicPause(0, kCDModePause);
    } else if (myPlayer.mStatus == kPlayerPlaying && gStatePause) {
        MusicResume();
    } else if (myPlayer.mStatus == kPlayerPlaying && !gStatePlay && !gStateTextEntry) {
        MusicPlay(gTrackCurrent, 0);
        MusicAlignCD();
    }
    // A length told after the track began (a stream that learns its own) shows at once.
    if (const uint32_t myLength = MusicPlayerLength(); myLength != gSongLength && !gStateFlash) {
        gSongLength = myLength;
        MusicRedraw();
    }
    if (!gStatePlay) return;
    const uint32_t myPosition = MusicGetCDTime();
    const uint32_t mySongTime = AnimateGetElapsedTime();
    const int64_t myOff = int64_t(myPosition) - int64_t(mySongTime);
    if (myOff > kJumpMs || myOff < -kJumpMs)
        MusicPlayerJumped(myPosition, mySongTime);
    else if (myOff != 0)
        gTimer = ClockTicks() - myPosition;
}
} // namespace

uint32_t MusicPlayerCodeNum(const std::string& myArtist, const std::string& myAlbum) {
    // 0 is the silent clock's code: an album never takes it.
    const uint32_t myCode = MusicPlayerHash(myArtist + '\n' + myAlbum) % (70u * 70 * 70 * 70);
    return myCode ? myCode : 1;
}

std::string MusicPlayerDiscName(const PlayerTrack& myTrack) {
    if (!myTrack.mAlbum.empty()) return myTrack.mAlbum;
    const std::string& myArtist = MusicPlayerArtist(myTrack);
    return myArtist.empty() ? "Unknown Artist" : myArtist;
}

void MusicPlayerFileName(const std::string& myText, char myName[kCDNameSize]) {
    std::memset(myName, 0, kCDNameSize);
    size_t myLength = 0;
    for (size_t i = 0; i < myText.size() && myLength < kCDNameSize - 1; ++i) {
        const unsigned char myByte = static_cast<unsigned char>(myText[i]);
        // A character of several bytes is taken whole or not at all.
        if (myByte >= 0xC0) {
            const size_t myBytes = myByte >= 0xF0 ? 4 : myByte >= 0xE0 ? 3 : 2;
            if (myLength + myBytes > kCDNameSize - 1 || i + myBytes > myText.size()) break;
            std::memcpy(myName + myLength, myText.data() + i, myBytes);
            myLength += myBytes;
            i += myBytes - 1;
            continue;
        }
        // A name stays a name inside the disc's folder: no separators, no "..", no control characters.
        const bool myBad = myByte < 0x20 || myByte == 0x7F || myByte >= 0x80 || myByte == '/' ||
                           myByte == '\\' || (myByte == '.' && myLength > 0 && myName[myLength - 1] == '.');
        myName[myLength++] = myBad ? '_' : static_cast<char>(myByte);
    }
    MainAddUnderscores(myName, static_cast<int>(myLength));
    if (!myName[0]) std::strcpy(myName, "Untitled");
}

int MusicPlayerSlot(int myNumber, const char* myTitle) {
    if (myNumber >= 1 && myNumber <= kTracksMax) return myNumber - 1;
    for (int t = 0; t < kTracksMax; ++t)
        if (std::strncmp(gCDSet[t].mName, myTitle, kCDNameSize) == 0) return t;
    // A title without a number takes the last free slot, away from the numbered tracks at the front.
    for (int t = kTracksMax - 1; t >= 0; --t)
        if (!gCDSet[t].mName[0]) return t;
    return kTracksMax - 1;
}

void MusicOpenPlayers() {
    if (!gMusicDiscSource.empty() || gPlatformHeadless) return;
    PlayersOpen(gMusicPlayerName);
}

void MusicFollowPlayer(const std::string& myName) {
    gMusicPlayerName = myName;
    if (gStateCD && !gStatePlayer) MusicPlayerEnd();
    // The drive lets go, as when another drive is chosen, so its disc does not come back in its place.
    CDAudioClose();
    gStateCDDriver = 0;
    gMusicDiscSource.clear();
    if (PlayersIsOpen())
        PlayersFollowOnly(myName);
    else
        PlayersOpen(myName);
    MusicWatchPlayer();
}

void MusicReopenPlayers() {
    PlayersOpen(gMusicPlayerName);
}

void MusicWatchPlayer() {
    if (!PlayersIsOpen()) return;
    PlayersPoll();
    const PlayerState* myPlayer = PlayersFollowed();
    // A player playing while the desktop's monitor stays silent means the sound goes elsewhere: the first
    // start's wait for music gives way to the search.
    SearchSetPlayerPlays(myPlayer && myPlayer->mStatus == kPlayerPlaying);
    if (gStatePlayer && (!myPlayer || myPlayer->mBusName != sDiscPlayer)) {
        MusicPlayerEnd();
        MusicRedraw();
    }
    if (!myPlayer) return;
    if (gStatePlayer) {
        if (myPlayer->mTrackSerial != sTrackSerial)
            MusicPlayerFollowTrack(*myPlayer);
        else
            MusicPlayerFollowState(*myPlayer);
    } else if (!gStateCD && myPlayer->mStatus == kPlayerPlaying && !gStateTextEntry) {
        // A physical disc with music comes first; a player is taken up when nothing else plays.
        MusicPlayerFollowTrack(*myPlayer);
    }
}

uint32_t MusicPlayerTime() {
    const int64_t myPosition = PlayersPositionNow();
    return myPosition < 0 ? 0 : static_cast<uint32_t>(std::min<int64_t>(myPosition / 1000, kNever));
}

void MusicPlayerStart() {
    const PlayerState* myPlayer = PlayersFollowed();
    if (!sFollowing && myPlayer && myPlayer->mStatus != kPlayerPlaying) PlayersPlay();
}

void MusicPlayerHalt(bool myStop) {
    const PlayerState* myPlayer = PlayersFollowed();
    if (myStop)
        PlayersStop();
    else if (!sFollowing && myPlayer && myPlayer->mStatus == kPlayerPlaying)
        PlayersPause();
}

void MusicPlayerSkip(int myStep) {
    // A typed number needs the player's track list; the player's own order decides next and previous.
    const bool mySent = myStep > 0 ? PlayersGoTo(myStep) : myStep == 0 ? PlayersNext() : PlayersPrevious();
    if (!mySent) PlatformBeep();
}

void MusicPlayerSeek(uint32_t myTime) {
    PlayersSetPosition(int64_t(myTime) * 1000);
}

uint32_t MusicPlayerLength() {
    const PlayerState* myPlayer = PlayersFollowed();
    if (!myPlayer || myPlayer->mTrack.mLengthUs <= 0) return kUnknownLength;
    return static_cast<uint32_t>(std::min<int64_t>(myPlayer->mTrack.mLengthUs / 1000, kUnknownLength));
}

void MusicPlayerDiscResetState() {
    PlayersResetState();
    sDiscPlayer.clear();
    sTrackSerial = 0;
    sFollowing = false;
    gMusicPlayerName.clear();
}
