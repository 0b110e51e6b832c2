// The files of a disc: its folder of raves inside "Raves", the CD files (RaveSets, ".cds") naming the disc
// and its tracks, one rave file per track, the CD master folder, and raves brought by a disc of the
// program's own. Saving and loading whatever the popups name goes through here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/popup_commands.h"
#include "music/music.h"
#include "storage/file.h"

constexpr int kCDNameSize = 28;      // names typed for discs and tracks: 27 characters and the terminator
constexpr int kCDDirectorySize = 33; // a RaveSet's name and the disc's code
constexpr int kCDFileHeader = 16;
constexpr int kRaveFileHeader = 48;

#pragma pack(push, 1)
struct CDSet {
    uint8_t mAttach;         // 1: the track has a rave file
    char mName[kCDNameSize]; // the track's title, which is also its rave's name
};
#pragma pack(pop)
static_assert(sizeof(CDSet) == 29);

extern char gCDName[kCDNameSize];
extern char gCDDirectory[kCDDirectorySize];
extern CDSet gCDSet[kTracksMax];
extern uint8_t gStateCDAttach;
// The folder of raves a disc of the program's own brings ("OrbexCD/" on it, ending in '/'), empty when the
// disc has none.
extern char gDirIDOrbexCD[kPathSize];

// The rave of the current track saved as myName (with myTitleOnly: only the track's title changes, and a rave
// it has is renamed); then the RaveSet is saved. False when nothing could be written.
bool FileSaveRave(const char* myName, uint8_t myTitleOnly);
// The disc's RaveSet saved as myName: the disc's folder takes the name first.
bool FileSaveCDFile(const char* myName);
// Attaches the rave myName to the current track, saves the RaveSet and plays the track with it.
bool FileLoadRave(const char* myName);
// The current track lets go of its rave; its title stays.
void MusicDetachRave();
// Loads the RaveSet myName of the disc; one that cannot be opened leaves the disc unnamed.
bool FileLoadCDFile(const char* myName);
// Turns the blanks of myName into "_" and appends to myPath (kPathSize) the name's path for the popup
// myPopup: relative to the program folder for styles and sets, to the rave folder for raves and RaveSets.
void FileCreateName(char* myPath, char* myName, uint16_t myPopup);
// Opens the current track's rave of that title in the disc's folder; 0 or the error code.
int16_t FileOpenRave(const char* myTitle, FileHandle* myFile);
// Renames the disc's folder to myName + the disc's code; with myReset to the bare code, the disc unnamed.
void FileRenameCDDirectory(const char* myName, uint8_t myReset);
// Renames the current track's rave file to myNewFileName (a title with its ".Rnn").
bool FileRenameRave(const char* myNewFileName);
// Finds the disc's folder by its code (creating it for a disc seen the first time) and loads its RaveSet.
void MusicLoadCD();
// Gathers the disc's raves and the components they use into the CD master folder; myNew starts it afresh
// with an empty RaveSet named myName.
void FileCreateMasterFolder(uint8_t myNew, const char* myName);
// Takes the raves a disc of the program's own brings; myLoaded: a RaveSet of the disc was loaded already.
void MusicGetRaves(uint8_t myLoaded);
// The files as written: the current track's rave and the disc's RaveSet.
std::vector<uint8_t> FileRaveBytes();
std::vector<uint8_t> FileCDBytes();
// Reads a RaveSet's bytes into gCDSet for gTrackTotal tracks; false when it is no CD file.
bool FileReadCDBytes(const uint8_t* myBytes, size_t mySize);
// The folder of the CD master folder (ending in '/').
std::string FileMasterFolder();
void MusicDiscFilesResetState();
