// The disc player: CD drives (through libcdio), disc images opened as drives, and folders of music files seen
// as discs, played digitally through the sound output (headless: a sink that advances with the clock).
// Positions are frames of 1/75 s counted from the start of the disc (track 1 usually starts at frame 150) or,
// finer, samples of 1/44100 s (588 to a frame).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kCDFrameRate = 75;
constexpr int kCDSampleRate = 44100;
constexpr int kCDSamplesPerFrame = kCDSampleRate / kCDFrameRate;
constexpr int kCDPregap = 150;      // frames before track 1 on every disc
constexpr int kCDTracksMax = 99;    // tracks a disc can have
constexpr int kCDHeardRate = 11025; // rate of the heard sound handed to the recorder

enum CDDriveKind { kCDDriveNone, kCDDriveDevice, kCDDriveImage, kCDDriveFolder };

struct CDTrack {
    int32_t mStart = 0; // frame
    bool mAudio = true;
};

// A disc's table of contents: its tracks in order and the lead-out, the frame after the last track.
struct CDToc {
    int mCount = 0;
    CDTrack mTracks[kCDTracksMax];
    int32_t mLeadOut = 0;
};

// The system's CD drives (device paths), in the order the system lists them.
std::vector<std::string> CDAudioListDrives();
// Whether a source named by the user can be played, before anything starts: false with what is missing (the
// path, a cue sheet's file of sound, any music in a folder). Files of a music folder that cannot be played
// are left out, each with a line in myWarnings.
bool CDAudioCheckSource(const std::string& mySource, std::string& myError,
                        std::vector<std::string>& myWarnings);
// Opens a drive: a CD device, a disc image (.cue, .toc, .nrg) or a folder of music files. False when the
// source is none of these.
bool CDAudioOpen(const std::string& mySource);
void CDAudioClose();
bool CDAudioIsOpen();
CDDriveKind CDAudioKind();
const std::string& CDAudioSource();
// Whether a disc is in the drive now (an image or a folder with music always holds its disc).
bool CDAudioMediaPresent();
// The same without waiting for a drive busy reading what plays: 1 a disc, 0 none, -1 not known now.
int CDAudioMediaNow();
// False when there is no disc or its table of contents cannot be read.
bool CDAudioReadToc(CDToc& myToc);
// The folder where the files the disc carries can be read (ending in '/'), or "" when it carries none that
// the system shows: a music folder itself, the mounted data session of a disc in a drive.
std::string CDAudioDiscFolder();
// Opens or closes the tray of a drive; false when the drive has none or refuses.
bool CDAudioEject();
bool CDAudioCloseTray();

// Plays from myFrame to the end of the disc; -1 continues from where playing halted.
bool CDAudioPlay(int32_t myFrame);
// Halts playing; the position stays where the listener heard it.
void CDAudioHalt();
// Moves to myFrame and halts there.
bool CDAudioSeek(int32_t myFrame);
bool CDAudioPlaying();
// The position the listener hears now, in samples from the start of the disc; -1 when no disc plays.
int64_t CDAudioHeardPosition();
// Waits at most myTimeout milliseconds until the sound that playing started is heard; false when it is not.
bool CDAudioWaitHeard(uint32_t myTimeout);
// The sound heard at the times myOrigin + (myFirst + i) / 11025 s of the clock, as unsigned 8-bit mono at
// 11025 Hz (128 where nothing played): what the "CD Audio" recording source records.
void CDAudioHeardSamples(uint32_t myOrigin, int64_t myFirst, int myCount, uint8_t* myOut);
// The loudness of what the listener hears, 0 (silent) to 255 (the disc as it is); what the "CD Audio" source
// records stays as the disc has it, so the picture's beats do not follow the volume.
void CDAudioSetVolume(uint8_t myVolume);
uint8_t CDAudioVolume();
// Receives what the sink plays (headless, or without a sound output), as it is taken from the disc: myCount
// pairs of left and right samples, the first heard at myHeardUs on the sink's clock (CDAudioSinkClock).
// Called on the program's own thread, with the player's lock held: it must not call the player.
using CDAudioSinkTap = void (*)(int64_t myHeardUs, const int16_t* myStereo, int myCount);
void CDAudioSetSinkTap(CDAudioSinkTap myTap);
// The sink's clock now, in microseconds, after handing the tap what has been heard until now.
int64_t CDAudioSinkClock();
// The sound output's delay from handing samples over to their being heard, in milliseconds.
uint32_t CDAudioLatency();
// Puts the player back to its start: no drive, nothing played or heard.
void CDAudioResetState();
