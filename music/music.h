// Playback: the disc the picture follows (a CD, a disc image or a music folder, or without one a silent clock
// of nine 60-second tracks), its identity, and the clock of the song being played.
#pragma once

#include <cstdint>
#include <string>

#include "core/state.h"
#include "platform/players.h"

constexpr int kTracksMax = 69;
constexpr int kSilentTracks = 9;
// The two ways of halting the disc, as kept in the preferences.
constexpr uint16_t kCDModeStop = 0x808;
constexpr uint16_t kCDModePause = 0x809;
// gCDCodeNum before the first reading of the drive: no disc, nor the lack of one, is known yet.
constexpr uint32_t kCDCodeUnread = 0xFFFFFFFF;

extern uint8_t gCDDriveList[4];
extern char gCDDefault;
extern uint8_t gStateCDRom;
extern int8_t gTrackTotal;
extern uint8_t gDataTracks;
extern uint32_t gTrackFrames[kTracksMax + 1];
extern int8_t gTrackCurrent;
extern int8_t gTrackLast;
extern uint32_t gCDCodeNum;
extern char gCDCode[5];
extern char gDiskID[9];
extern uint8_t gDataFlag;
extern char gRaveExt[5];
extern uint16_t gCDMode;
extern uint8_t gSeekMode;
// The drive's seek mode and the drive chosen, as the preferences kept them; the CD mode follows the seek
// mode, and a seek mode no drive was found in is found again.
void MusicRestorePrefs(uint8_t mySeekMode, char myDrive);
extern uint32_t gPauseTime;
// The current track has a rave of its own on disk.
extern uint8_t gStateRaveOnDisk;
// The style the first start of playback loads instead of the last session (empty: the last session).
extern std::string gMusicFirstStyle;
// The disc to play instead of the system's drives (a device, an image or a folder; empty: the drives), and
// the track (from 1) the first start of playback selects (0: the first).
extern std::string gMusicDiscSource;
extern int gMusicFirstTrack;
// What the command line asks of playback: the first style, the disc, the first track and the desktop player
// to follow (gMusicPlayerName), each as above.
void MusicTakeOptions(const std::string& myStyle, const std::string& myDisc, int myTrack,
                      const std::string& myPlayer);
// The drive closes and mySource (as gMusicDiscSource) is opened and read in its place.
void MusicChangeSource(const std::string& mySource);

// Opening the drive at start-up: the drive search, the default drive and their alerts.
void InitCDDrive();
// The end of the drive at clean-up.
void MusicCloseCD();

void MusicPlay(int myTrack, int myUpdate);
void MusicStop(int myButton, int myDraw);
void MusicStopCD(int myButton, int myEject);
void MusicPause(uint8_t mySilent, uint16_t myCommand);
void MusicResume();
void MusicSkipTrack(int myStep, uint8_t myButton);
// Fast forward (+1) or rewind (-1) while the mouse button stays down; myEachTurn (may be null) runs after
// every animation step of the hold, so the controls can show the position as it moves.
void MusicFastSkip(int myDirection, void (*myEachTurn)() = nullptr);
void MusicEjectCD(uint8_t myRemoved);
void MusicCheckForCD();
void MusicAlignCD();
void MusicUpdateCD(int myTrack);
void MusicGetSongLength();
// Milliseconds since the start of the current track, as the listener hears the disc; 0 when not known.
uint32_t MusicGetCDTime();
// Seeks the disc (checking once per run whether the drive must be stopped first); the packed position.
uint32_t MusicSeek(uint32_t myFrames, uint8_t myCheck);
uint32_t MusicToMSF(uint32_t myFrames);
uint32_t MusicGetFrames(uint32_t myPosition);
char MusicTranslateChar(int myValue);
// gRaveExt for a track (index from 0): ".R" and its number in two digits.
void MusicSetRaveExt(int myTrack);
int MusicSumSecs(uint32_t myNumber);
// The disc's code number from its table of contents: the starts of track 2 (track 1 on a one-track disc)
// and of the last track, each mod 4900.
uint32_t MusicCodeNum(const uint32_t* myStarts, int myCount);
// The code number as four characters of base 70, most significant first, and a terminator.
void MusicCodeText(uint32_t myCodeNum, char myCode[5]);
// Opens a disc and describes it (code, CDDB identifier, tracks with type, start and length in frames, the
// lead-out); false with the reason in myText when it cannot be read.
bool MusicDiscInfo(const std::string& mySource, std::string& myText);
// The standard CDDB disc identifier of a table of contents: track starts and the lead-out, in frames.
uint32_t MusicDiscId(const uint32_t* myStarts, int myCount, uint32_t myLeadOut);
// Watches the drive for a disc put in or taken out, a few times a second at most (called every step).
void MusicWatchMedia();
// The disc's part of every step of the frame loop: the watch, and a disc put in looked at once it settled.
void MusicWatchDisc();
// The song's time has run out: the next track plays, or, while a name is being typed, the disc stops until
// the entry is done.
void MusicSongEnd();
// Waits, a few seconds at most, until the disc that was told to play is heard.
bool MusicWaitStarted();
// The desktop player to follow (--player: its name, or the start of one); empty: whichever plays.
extern std::string gMusicPlayerName;
// Follows the desktop's media players, in a desktop run without a disc named (--disc).
void MusicOpenPlayers();
// Follows the desktop player myName from now on, as --player names one: the disc of a drive, image or
// folder is dropped (the silent clock plays on until the player plays), and so is another player's album.
void MusicFollowPlayer(const std::string& myName);
// The players, closed with the drive when another drive is chosen, followed again beside it as before.
void MusicReopenPlayers();
// Each step: what the followed player did. A playing player's album becomes the disc while no other disc
// plays; its tracks, pauses and seeks are followed; a player that goes or stops ends its disc.
void MusicWatchPlayer();
// The player's disc ends like a disc taken out; the silent clock plays on if the disc was playing.
void MusicPlayerEnd();
// An album's code number (never 0, the silent clock's) from a hash of its artist and name.
uint32_t MusicPlayerCodeNum(const std::string& myArtist, const std::string& myAlbum);
// The disc's name: the album, else (tracks without album are grouped by artist) the artist.
std::string MusicPlayerDiscName(const PlayerTrack& myTrack);
// A player's text as a name of the disc's files: at most 27 bytes, whole characters, blanks as "_".
void MusicPlayerFileName(const std::string& myText, char myName[28]);
// The slot (from 0) of a track: its number (1-69), else the slot the RaveSet has for the title, else the
// last free one.
int MusicPlayerSlot(int myNumber, const char* myTitle);
// The player's part of playback: the song time it plays, the length of its track, and the commands (a halt
// pauses it, or with myStop stops it; a skip of myStep as MusicSkipTrack takes it; a seek within the track).
uint32_t MusicPlayerTime();
uint32_t MusicPlayerLength();
void MusicPlayerStart();
void MusicPlayerHalt(bool myStop);
void MusicPlayerSkip(int myStep);
void MusicPlayerSeek(uint32_t myTime);
void MusicPlayerDiscResetState();
// Puts every playback, disc, rave and disc file global back to its start value.
void MusicResetState();
void MusicDiscResetState();
