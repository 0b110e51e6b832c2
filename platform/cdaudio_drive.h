// The drive under the disc player: a CD device or disc image through libcdio, or a folder of music files,
// each giving a table of contents and the disc's samples. Safe to call from the player's reading thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/cdaudio.h"

bool CDDriveOpen(const std::string& mySource);
void CDDriveClose();
CDDriveKind CDDriveKindNow();
bool CDDriveMediaPresent();
// The same without waiting for a drive that is busy reading: 1 a disc, 0 none, -1 busy (not known now).
int CDDriveMediaNow();
bool CDDriveToc(CDToc& myToc);
// Reads myCount stereo samples (left, right, 16 bits each) from sample myPos of the disc; what cannot be read
// is silence. False when nothing could be read.
bool CDDriveRead(int64_t myPos, int myCount, int16_t* myOut);
std::string CDDriveFolder();
bool CDDriveEject();
bool CDDriveCloseTray();

// A folder's tracks: every file libsndfile reads, by name, with its length in frames rounded up.
struct CDFolderTrack {
    std::string mPath;
    int64_t mFrames = 0; // the file's own sample frames
    int mRate = 0;
    int mChannels = 0;
};
// Files that look like music (by their extension) but cannot be played go to mySkipped, if given, each with
// the reason.
void CDFolderList(const std::string& myFolder, std::vector<CDFolderTrack>& myTracks,
                  std::vector<std::string>* mySkipped = nullptr);
// The table of contents of a folder's tracks: track 1 at frame 150, each next one after the previous
// track's length rounded up to whole frames.
void CDFolderToc(const std::vector<CDFolderTrack>& myTracks, CDToc& myToc);
