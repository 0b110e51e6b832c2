// The disk layer over std::filesystem and stdio: folder + name joined, names found whatever their case.
#include "storage/file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/alert.h"

namespace fs = std::filesystem;

char gDirIDOrbex[kPathSize];
char gDirIDRave[kPathSize];
char gDirIDPref[kPathSize];

namespace {
// What a FileHandle points at. A stdio stream opened for update must be repositioned between a write and a
// read (either way round), which callers of this layer never do, so the stream remembers its last direction.
enum class FileDirection { kNone, kReading, kWriting };

struct FileStream {
    std::FILE* mFile = nullptr;
    FileDirection mLast = FileDirection::kNone;
    bool mWritten = false;
    const std::vector<uint8_t>* mMemory = nullptr; // a file held in memory, read from mAt
    int64_t mAt = 0;
    std::string mPath; // for messages that name the file
};

// Files held in memory, by folder + name.
std::map<std::string, std::vector<uint8_t>> sMemoryFiles;

FileStream* FileStreamOf(FileHandle myHandle) {
    auto* myStream = static_cast<FileStream*>(myHandle);
    return myStream && (myStream->mFile || myStream->mMemory) ? myStream : nullptr;
}

// Seeking to where the stream already is turns it round without moving it.
void FileTurn(FileStream& myStream, FileDirection myNext) {
    if (myStream.mLast != FileDirection::kNone && myStream.mLast != myNext)
        std::fseek(myStream.mFile, 0, SEEK_CUR);
    myStream.mLast = myNext;
}

bool FileSameName(const std::string& myA, const std::string& myB) {
    if (myA.size() != myB.size()) return false;
    for (size_t myIndex = 0; myIndex < myA.size(); ++myIndex)
        if (std::tolower(static_cast<unsigned char>(myA[myIndex])) !=
            std::tolower(static_cast<unsigned char>(myB[myIndex])))
            return false;
    return true;
}

// A name never leads out of its folder. A backslash is refused too: it is the separator of the system the
// stored names come from.
bool FileNameAllowed(const char* myName) {
    if (!myName || !*myName) return false;
    return !std::strchr(myName, '/') && !std::strchr(myName, '\\') && !std::strstr(myName, "..") &&
           std::strcmp(myName, ".") != 0;
}

const std::vector<uint8_t>* FileMemoryFind(const char* myName, const char* myFolder) {
    if (!FileNameAllowed(myName) || !myFolder) return nullptr;
    const auto myFound = sMemoryFiles.find(std::string(myFolder) + myName);
    return myFound == sMemoryFiles.end() ? nullptr : &myFound->second;
}

// As on disk, any place at or after the start may be sought; reads there find nothing.
bool FileSeekMemory(FileStream& myStream, int32_t myOffset, int myOrigin) {
    const int64_t myBase =
        myOrigin == 1 ? myStream.mAt : (myOrigin == 2 ? static_cast<int64_t>(myStream.mMemory->size()) : 0);
    if (myBase + myOffset < 0) return false;
    myStream.mAt = myBase + myOffset;
    return true;
}

int32_t FileClamp(int64_t myValue) {
    return myValue < 0 ? 0 : (myValue > INT32_MAX ? INT32_MAX : static_cast<int32_t>(myValue));
}

// Folder + name, with the name matched case-insensitively against what the folder holds when the exact
// spelling is not there. Empty when the name is refused or the joined path would not fit a path buffer.
// When several spellings match, the first in byte order wins, so the choice does not depend on the order
// the folder happens to list them.
std::string FileResolve(const char* myName, const char* myFolder) {
    if (!FileNameAllowed(myName) || !myFolder) return std::string();
    const std::string myPath = std::string(myFolder) + myName;
    if (myPath.size() >= static_cast<size_t>(kPathSize)) return std::string();
    std::error_code myError;
    if (fs::exists(fs::symlink_status(myPath, myError))) return myPath;
    const std::string myWanted(myName);
    std::string myBest;
    for (fs::directory_iterator myIt(myFolder[0] ? myFolder : ".", myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError)) {
        std::string myEntry = myIt->path().filename().string();
        if (FileSameName(myEntry, myWanted) && (myBest.empty() || myEntry < myBest))
            myBest = std::move(myEntry);
    }
    return myBest.empty() ? myPath : std::string(myFolder) + myBest;
}

// Copies a folder path with its closing separator; false, leaving myOut alone, when it would not fit.
bool FileFolderPath(char* myOut, const std::string& myFolder) {
    if (myFolder.size() + 1 >= static_cast<size_t>(kPathSize)) return false;
    if (myOut) {
        std::memcpy(myOut, myFolder.data(), myFolder.size());
        myOut[myFolder.size()] = '/';
        myOut[myFolder.size() + 1] = 0;
    }
    return true;
}
} // namespace

int16_t FileOpen(const char* myName, const char* myFolder, FileHandle* myHandle, bool myWrite) {
    if (myHandle) *myHandle = nullptr;
    if (!sMemoryFiles.empty()) {
        const std::vector<uint8_t>* myBytes = FileMemoryFind(myName, myFolder);
        if (!myBytes || !myHandle) return kFileNotFound;
        if (myWrite) return EROFS;
        *myHandle =
            new FileStream{nullptr, FileDirection::kNone, false, myBytes, 0, std::string(myFolder) + myName};
        return 0;
    }
    const std::string myPath = FileResolve(myName, myFolder);
    if (myPath.empty() || !myHandle) return kFileNotFound;
    std::error_code myError;
    // stdio opens a folder for reading without complaint; it is no file to read.
    if (fs::is_directory(myPath, myError)) return EISDIR;
    errno = 0;
    std::FILE* myFile = std::fopen(myPath.c_str(), myWrite ? "r+b" : "rb");
    if (!myFile) return errno == ENOENT ? kFileNotFound : FileCode(errno);
    *myHandle = new FileStream{myFile, FileDirection::kNone, false, nullptr, 0, myPath};
    return 0;
}

void FileSeek(FileHandle myHandle, int32_t myOffset, int myOrigin) {
    FileStream* myStream = FileStreamOf(myHandle);
    const int myWhence = myOrigin == 1 ? SEEK_CUR : (myOrigin == 2 ? SEEK_END : SEEK_SET);
    const bool mySought = myStream && myOrigin >= 0 && myOrigin <= 2 &&
                          (myStream->mMemory ? FileSeekMemory(*myStream, myOffset, myOrigin)
                                             : std::fseek(myStream->mFile, myOffset, myWhence) == 0);
    if (!mySought) {
        MainOpenAlert("File seek error!");
        return;
    }
    myStream->mLast = FileDirection::kNone;
}

void FileRead(FileHandle myHandle, int32_t myCount, void* myBuffer) {
    if (myCount <= 0) return;
    FileStream* myStream = FileStreamOf(myHandle);
    if (!myStream || !myBuffer) {
        MainOpenAlert("End of file error!");
        return;
    }
    if (myStream->mMemory) {
        const int64_t mySize = static_cast<int64_t>(myStream->mMemory->size());
        const int64_t myTaken = std::min<int64_t>(myCount, std::max<int64_t>(mySize - myStream->mAt, 0));
        if (myTaken > 0) std::memcpy(myBuffer, myStream->mMemory->data() + myStream->mAt, myTaken);
        myStream->mAt += myTaken;
        return;
    }
    FileTurn(*myStream, FileDirection::kReading);
    const size_t myRead = std::fread(myBuffer, 1, static_cast<size_t>(myCount), myStream->mFile);
    // A short read at the end of the file is quiet: the caller goes on with what the buffer holds.
    if (std::ferror(myStream->mFile))
        MainOpenAlert(myRead == static_cast<size_t>(myCount) ? "File read error!" : "End of file error!");
    std::clearerr(myStream->mFile);
}

void FileWrite(FileHandle myHandle, int32_t myCount, const void* myBuffer) {
    if (myCount <= 0) return;
    FileStream* myStream = FileStreamOf(myHandle);
    if (!myStream || myStream->mMemory || !myBuffer) {
        MainOpenAlert("File write error!");
        return;
    }
    FileTurn(*myStream, FileDirection::kWriting);
    myStream->mWritten = true;
    if (std::fwrite(myBuffer, 1, static_cast<size_t>(myCount), myStream->mFile) !=
        static_cast<size_t>(myCount))
        MainOpenAlert("File write error!");
    std::clearerr(myStream->mFile);
}

// Written bytes may still sit in the stream's buffer; if they cannot reach the disk now, that is a write
// error.
void FileClose(FileHandle myHandle) {
    auto* myStream = static_cast<FileStream*>(myHandle);
    if (!myStream) return;
    if (myStream->mFile && std::fclose(myStream->mFile) != 0 && myStream->mWritten)
        MainOpenAlert("File write error!");
    delete myStream;
}

int32_t FileLength(FileHandle myHandle) {
    FileStream* myStream = FileStreamOf(myHandle);
    if (myStream && myStream->mMemory) return FileClamp(static_cast<int64_t>(myStream->mMemory->size()));
    struct stat myInfo {};
    if (!myStream || fstat(fileno(myStream->mFile), &myInfo) != 0) return 0;
    return FileClamp(myInfo.st_size);
}

std::string FilePath(FileHandle myHandle) {
    const auto* myStream = static_cast<const FileStream*>(myHandle);
    return myStream ? myStream->mPath : std::string();
}

int32_t FileTell(FileHandle myHandle) {
    FileStream* myStream = FileStreamOf(myHandle);
    if (myStream && myStream->mMemory) return FileClamp(myStream->mAt);
    return FileClamp(myStream ? std::ftell(myStream->mFile) : 0);
}

int16_t FileFind(const char* myName, const char* myFolder) {
    if (!sMemoryFiles.empty()) return FileMemoryFind(myName, myFolder) ? 0 : 1;
    const std::string myPath = FileResolve(myName, myFolder);
    std::error_code myError;
    return !myPath.empty() && fs::exists(myPath, myError) ? 0 : 1;
}

int16_t FileReplace(const char* myName, const char* myFolder, const void* myBytes, int32_t myCount) {
    const std::string myPath = FileResolve(myName, myFolder);
    if (myPath.empty()) return kFileNotFound;
    return FileReplacePath(myPath, myBytes, myCount);
}

// This system has neither hidden nor archive attributes, and a new file's access is the umask's; the hidden
// flag is accepted and has no effect.
int16_t FileCreate(const char* myName, const char* myFolder, bool myHidden) {
    (void)myHidden;
    const std::string myPath = FileResolve(myName, myFolder);
    if (myPath.empty()) return kFileNotFound;
    errno = 0;
    // "x": the creation fails, touching nothing, when the file is already there.
    std::FILE* myFile = std::fopen(myPath.c_str(), "wbx");
    if (!myFile) return FileCode(errno);
    return std::fclose(myFile) == 0 ? int16_t(0) : FileCode(errno);
}

int16_t FileFindDirectory(const char* myName, const char* myFolder, char* myPath) {
    const std::string myFound = FileResolve(myName, myFolder);
    std::error_code myError;
    if (myFound.empty() || !fs::is_directory(myFound, myError) || !FileFolderPath(nullptr, myFound)) return 1;
    FileFolderPath(myPath, myFound);
    return 0;
}

int16_t FileCreateDirectory(const char* myName, const char* myFolder, char* myPath) {
    const std::string myTarget = FileResolve(myName, myFolder);
    if (myTarget.empty() || !FileFolderPath(nullptr, myTarget)) return kFileNotFound;
    std::error_code myError;
    if (!fs::create_directory(myTarget, myError))
        return myError ? FileCode(myError.value()) : int16_t(EEXIST);
    FileFolderPath(myPath, myTarget);
    return 0;
}

// Attributes do not exist here, so nothing is set after the copy.
int16_t FileCopyContents(const char* myDestName, const char* mySourceName, const char* myDestFolder,
                         const char* mySourceFolder) {
    const std::string mySource = FileResolve(mySourceName, mySourceFolder);
    const std::string myDest = FileResolve(myDestName, myDestFolder);
    if (mySource.empty() || myDest.empty()) return kFileNotFound;
    std::error_code myError;
    if (!fs::exists(mySource, myError)) return kFileNotFound;
    fs::copy_file(mySource, myDest, fs::copy_options::overwrite_existing, myError);
    return myError ? FileCode(myError.value()) : int16_t(0);
}

void FileDeleteFolderItems(const char* myFolderName, const char* myParent, char* myPath, bool myDelete,
                           bool myUnderscore) {
    const std::string myFolder = FileResolve(myFolderName, myParent);
    if (myFolder.empty() || !FileFolderPath(nullptr, myFolder)) return;
    std::error_code myError;
    if (!fs::is_directory(myFolder, myError)) {
        if (fs::create_directory(myFolder, myError)) FileFolderPath(myPath, myFolder);
        return;
    }
    FileFolderPath(myPath, myFolder);
    if (!myDelete) return;
    // The listing is finished before anything goes: removing entries from a folder being read leaves open
    // whether the listing still shows them.
    std::vector<fs::path> myDoomed;
    for (fs::directory_iterator myIt(myFolder, myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError)) {
        std::error_code myTypeError;
        if (!myIt->is_regular_file(myTypeError)) continue;
        const std::string myEntry = myIt->path().filename().string();
        const bool myMatch = myUnderscore ? (!myEntry.empty() && myEntry.back() == '_')
                                          : (myEntry.size() >= 4 && myEntry[myEntry.size() - 4] == '.');
        if (myMatch) myDoomed.push_back(myIt->path());
    }
    for (const fs::path& myDoomedPath : myDoomed) {
        std::error_code myRemoveError;
        fs::remove(myDoomedPath, myRemoveError);
    }
}

void FileListNames(const char* myFolderPath, const char* myExt, std::vector<std::string>& myNames) {
    myNames.clear();
    const size_t myExtLength = std::strlen(myExt);
    std::error_code myError;
    for (fs::directory_iterator myIt(myFolderPath, myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError)) {
        if (!myIt->is_regular_file(myError)) continue;
        std::string myName = myIt->path().filename().string();
        if (myName.size() < myExtLength) continue;
        if (!FileSameName(myName.substr(myName.size() - myExtLength), myExt)) continue;
        myNames.push_back(std::move(myName));
    }
    std::sort(myNames.begin(), myNames.end());
}

int16_t FileRename(const char* myOldName, const char* myNewName, const char* myFolder) {
    const std::string myOld = FileResolve(myOldName, myFolder);
    const std::string myNew = FileResolve(myNewName, myFolder);
    if (myOld.empty() || myNew.empty()) return kFileNotFound;
    std::error_code myError;
    if (!fs::exists(fs::symlink_status(myOld, myError))) return kFileNotFound;
    // A rename onto an entry of another name would replace it: only a change of case may meet itself.
    if (myOld != myNew && fs::exists(fs::symlink_status(myNew, myError)) &&
        !fs::equivalent(myOld, myNew, myError))
        return EEXIST;
    if (std::rename(myOld.c_str(), myNew.c_str()) != 0) return FileCode(errno);
    return 0;
}

int16_t FileDelete(const char* myName, const char* myFolder) {
    const std::string myPath = FileResolve(myName, myFolder);
    if (myPath.empty()) return kFileNotFound;
    std::error_code myError;
    if (!fs::is_regular_file(fs::symlink_status(myPath, myError))) return kFileNotFound;
    if (!fs::remove(myPath, myError)) return myError ? FileCode(myError.value()) : kFileNotFound;
    return 0;
}

void FileListFolders(const char* myFolderPath, std::vector<std::string>& myNames) {
    myNames.clear();
    std::error_code myError;
    for (fs::directory_iterator myIt(myFolderPath, myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError)) {
        std::error_code myTypeError;
        if (myIt->is_directory(myTypeError)) myNames.push_back(myIt->path().filename().string());
    }
    std::sort(myNames.begin(), myNames.end());
}

void FileMemoryPut(const char* myPath, const uint8_t* myBytes, size_t mySize) {
    sMemoryFiles[myPath].assign(myBytes, myBytes + mySize);
}

void FileResetState() {
    for (char* myFolder : {gDirIDOrbex, gDirIDRave, gDirIDPref})
        std::memset(myFolder, 0, kPathSize);
    sMemoryFiles.clear();
}
