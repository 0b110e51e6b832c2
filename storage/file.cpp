// The disk layer over std::filesystem and stdio: folder + name joined, names found whatever their case.
#include "storage/file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "shell/alert.h"

namespace fs = std::filesystem;

char gDirIDOrbex[kPathSize];
char gDirIDRave[kPathSize];
char gDirIDPref[kPathSize];
char gDirIDOrbexCD[kPathSize];

namespace {
bool FileSameName(const std::string& myA, const std::string& myB) {
    if (myA.size() != myB.size()) return false;
    for (size_t myIndex = 0; myIndex < myA.size(); ++myIndex)
        if (std::tolower(static_cast<unsigned char>(myA[myIndex])) !=
            std::tolower(static_cast<unsigned char>(myB[myIndex])))
            return false;
    return true;
}

// A name never leads out of its folder.
bool FileNameAllowed(const char* myName) {
    if (!myName || !*myName) return false;
    if (std::strchr(myName, '/') || std::strchr(myName, '\\')) return false;
    return std::strcmp(myName, ".") != 0 && std::strcmp(myName, "..") != 0 && !std::strstr(myName, "..");
}

// Folder + name, with the name matched case-insensitively against what the folder holds when the exact
// spelling is not there. Empty when the name is refused or the joined path would not fit.
std::string FileResolve(const char* myName, const char* myFolder) {
    if (!FileNameAllowed(myName) || !myFolder) return std::string();
    const std::string myPath = std::string(myFolder) + myName;
    if (myPath.size() >= static_cast<size_t>(kPathSize)) return std::string();
    std::error_code myError;
    if (fs::exists(fs::symlink_status(myPath, myError))) return myPath;
    const std::string myWanted(myName);
    for (fs::directory_iterator myIt(myFolder[0] ? myFolder : ".", myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError)) {
        const std::string myEntry = myIt->path().filename().string();
        if (FileSameName(myEntry, myWanted)) return std::string(myFolder) + myEntry;
    }
    return myPath;
}

void FileCopyPath(char* myOut, const std::string& myPath) {
    if (!myOut) return;
    std::strncpy(myOut, myPath.c_str(), kPathSize - 1);
    myOut[kPathSize - 1] = 0;
}

int16_t FileCode(int myErrno) {
    return myErrno == 0 ? int16_t(0) : static_cast<int16_t>(myErrno);
}
} // namespace

int16_t FileOpen(const char* myName, const char* myFolder, FileHandle* myHandle, bool myWrite) {
    if (myHandle) *myHandle = nullptr;
    const std::string myPath = FileResolve(myName, myFolder);
    if (myPath.empty() || !myHandle) return kFileNotFound;
    std::error_code myError;
    if (fs::is_directory(myPath, myError)) return kFileNotFound;
    errno = 0;
    std::FILE* myFile = std::fopen(myPath.c_str(), myWrite ? "r+b" : "rb");
    if (!myFile) return errno == ENOENT ? kFileNotFound : FileCode(errno ? errno : EIO);
    *myHandle = myFile;
    return 0;
}

void FileSeek(FileHandle myHandle, int32_t myOffset, int myOrigin) {
    const int myWhence = myOrigin == 1 ? SEEK_CUR : (myOrigin == 2 ? SEEK_END : SEEK_SET);
    if (!myHandle || myOrigin < 0 || myOrigin > 2 ||
        std::fseek(static_cast<std::FILE*>(myHandle), myOffset, myWhence) != 0)
        MainOpenAlert("File seek error!");
}

void FileRead(FileHandle myHandle, int32_t myCount, void* myBuffer) {
    if (myCount <= 0) return;
    if (!myHandle || !myBuffer) {
        MainOpenAlert("File read error!");
        return;
    }
    auto* myFile = static_cast<std::FILE*>(myHandle);
    const size_t myRead = std::fread(myBuffer, 1, static_cast<size_t>(myCount), myFile);
    // A short read at the end of the file is quiet: the caller goes on with what the buffer holds.
    if (std::ferror(myFile)) {
        std::clearerr(myFile);
        MainOpenAlert(myRead == static_cast<size_t>(myCount) ? "File read error!" : "End of file error!");
    } else if (std::feof(myFile)) {
        std::clearerr(myFile);
    }
}

void FileWrite(FileHandle myHandle, int32_t myCount, const void* myBuffer) {
    if (myCount <= 0) return;
    if (!myHandle || !myBuffer ||
        std::fwrite(myBuffer, 1, static_cast<size_t>(myCount), static_cast<std::FILE*>(myHandle)) !=
            static_cast<size_t>(myCount))
        MainOpenAlert("File write error!");
}

void FileClose(FileHandle myHandle) {
    if (myHandle) std::fclose(static_cast<std::FILE*>(myHandle));
}

int16_t FileFind(const char* myName, const char* myFolder) {
    const std::string myPath = FileResolve(myName, myFolder);
    std::error_code myError;
    return !myPath.empty() && fs::exists(myPath, myError) ? 0 : 1;
}

// The desktop has no hidden or archive attributes; the hidden flag only matters where they exist.
int16_t FileCreate(const char* myName, const char* myFolder, bool myHidden) {
    (void)myHidden;
    const std::string myPath = FileResolve(myName, myFolder);
    if (myPath.empty()) return kFileNotFound;
    errno = 0;
    std::FILE* myFile = std::fopen(myPath.c_str(), "wbx");
    if (!myFile) return FileCode(errno ? errno : EIO);
    return std::fclose(myFile) == 0 ? 0 : FileCode(errno ? errno : EIO);
}

int16_t FileFindDirectory(const char* myName, const char* myFolder, char* myPath) {
    const std::string myFound = FileResolve(myName, myFolder);
    std::error_code myError;
    if (myFound.empty() || !fs::is_directory(myFound, myError) ||
        myFound.size() + 1 >= static_cast<size_t>(kPathSize))
        return 1;
    FileCopyPath(myPath, myFound + "/");
    return 0;
}

int16_t FileCreateDirectory(const char* myName, const char* myFolder, char* myPath) {
    const std::string myTarget = FileResolve(myName, myFolder);
    if (myTarget.empty() || myTarget.size() + 1 >= static_cast<size_t>(kPathSize)) return kFileNotFound;
    std::error_code myError;
    if (!fs::create_directory(myTarget, myError)) return FileCode(myError ? myError.value() : EEXIST);
    FileCopyPath(myPath, myTarget + "/");
    return 0;
}

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
    if (myFolder.empty() || myFolder.size() + 1 >= static_cast<size_t>(kPathSize)) return;
    std::error_code myError;
    if (!fs::is_directory(myFolder, myError)) {
        if (fs::create_directory(myFolder, myError)) FileCopyPath(myPath, myFolder + "/");
        return;
    }
    FileCopyPath(myPath, myFolder + "/");
    if (!myDelete) return;
    for (fs::directory_iterator myIt(myFolder, myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError)) {
        if (!myIt->is_regular_file(myError)) continue;
        const std::string myEntry = myIt->path().filename().string();
        const bool myMatch = myUnderscore ? (!myEntry.empty() && myEntry.back() == '_')
                                          : (myEntry.size() >= 4 && myEntry[myEntry.size() - 4] == '.');
        std::error_code myRemoveError;
        if (myMatch) fs::remove(myIt->path(), myRemoveError);
    }
}
