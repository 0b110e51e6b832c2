// The disk layer: every file the visualizer reads or writes goes through these, with folder and name apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kPathSize = 260;
constexpr int16_t kFileNotFound = 2;
constexpr int16_t kFileExists = 17;

using FileHandle = void*;

// The folder scheme: each path ends in '/' and is fixed at start-up.
extern char gDirIDOrbex[kPathSize];
extern char gDirIDRave[kPathSize];
extern char gDirIDPref[kPathSize];

// Files held in memory stand in for the disk: while any is held, opening and finding look only at them (by
// folder + name, exactly), and the files open, read, seek and tell their length from their bytes. Fuzzers
// feed the readers this way, thousands of files a second, without touching the disk. Such a file cannot be
// opened for writing.
void FileMemoryPut(const char* myPath, const uint8_t* myBytes, size_t mySize);
// Forgets the folders above and the files held in memory.
void FileResetState();

// Names are matched case-insensitively inside their folder; a name that holds a folder separator or ".." is
// treated as not found, so no caller can reach outside the folder it names.
int16_t FileOpen(const char* myName, const char* myFolder, FileHandle* myHandle, bool myWrite);
void FileSeek(FileHandle myHandle, int32_t myOffset, int myOrigin);
void FileRead(FileHandle myHandle, int32_t myCount, void* myBuffer);
void FileWrite(FileHandle myHandle, int32_t myCount, const void* myBuffer);
void FileClose(FileHandle myHandle);
// The length of an open file in bytes (0 when it cannot be told).
int32_t FileLength(FileHandle myHandle);
// The path an open file was found at, for messages that name it.
std::string FilePath(FileHandle myHandle);
// The read or write position of an open file (0 when it cannot be told).
int32_t FileTell(FileHandle myHandle);
int16_t FileFind(const char* myName, const char* myFolder);
// Writes a whole file: the bytes go to a new file beside the old one, reach the disk, and only then is it
// renamed over the old one, so an interrupted save leaves the old file or the new one, never half of either.
// 0 or the system's error code (2 when the folder is missing).
int16_t FileReplace(const char* myName, const char* myFolder, const void* myBytes, int32_t myCount);
// The same for a whole path, as it stands (Pixelmill's outputs, named by the user).
// The system's error code for errno myErrno (EIO when it names none).
int16_t FileCode(int myErrno);
int16_t FileReplacePath(const std::string& myPath, const void* myBytes, int32_t myCount);
// Reads a whole file named by a path as it stands: 0, or the system's error code (EISDIR for a folder).
// Never throws, whatever the path names.
int16_t FileReadPath(const std::string& myPath, std::vector<uint8_t>& myBytes);
int16_t FileCreate(const char* myName, const char* myFolder, bool myHidden);
int16_t FileFindDirectory(const char* myName, const char* myFolder, char* myPath);
int16_t FileCreateDirectory(const char* myName, const char* myFolder, char* myPath);
int16_t FileCopyContents(const char* myDestName, const char* mySourceName, const char* myDestFolder,
                         const char* mySourceFolder);
void FileDeleteFolderItems(const char* myFolderName, const char* myParent, char* myPath, bool myDelete,
                           bool myUnderscore);
// Renames an entry of a folder (file or folder); 0 or the system's error code. Names that would leave the
// folder are refused as not found.
int16_t FileRename(const char* myOldName, const char* myNewName, const char* myFolder);
// Deletes a file of a folder; 0 or the system's error code. Names that would leave the folder, and folders,
// are refused as not found.
int16_t FileDelete(const char* myName, const char* myFolder);
// The names of the folders in a folder path, in byte order.
void FileListFolders(const char* myFolderPath, std::vector<std::string>& myNames);
// The names of the files in a folder path whose names end in myExt, whatever its case, in byte order.
void FileListNames(const char* myFolderPath, const char* myExt, std::vector<std::string>& myNames);
