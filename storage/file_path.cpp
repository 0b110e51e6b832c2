// Files named by a whole path, as the converter and the program read and write them: no folder, no case
// matching, no files held in memory.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "storage/file.h"

namespace fs = std::filesystem;

int16_t FileCode(int myErrno) {
    return static_cast<int16_t>(myErrno > 0 ? myErrno : EIO);
}

int16_t FileReplacePath(const std::string& myPath, const void* myBytes, int32_t myCount) {
    if (myPath.empty() || myCount < 0 || (!myBytes && myCount > 0)) return kFileNotFound;
    std::error_code myError;
    if (fs::is_directory(myPath, myError)) return EISDIR;
    // The new file's name starts with a dot, so no listing of the folder ever offers it.
    const fs::path myTarget(myPath);
    const std::string myNew =
        (myTarget.parent_path() / ("." + myTarget.filename().string() + ".new")).string();
    const int myFile = ::open(myNew.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (myFile < 0) return errno == ENOENT ? kFileNotFound : FileCode(errno);
    const auto* myNext = static_cast<const uint8_t*>(myBytes);
    int32_t myLeft = myCount;
    int myFailure = 0;
    while (myLeft > 0 && !myFailure) {
        const ssize_t myWritten = ::write(myFile, myNext, static_cast<size_t>(myLeft));
        if (myWritten < 0 && errno == EINTR) continue;
        if (myWritten <= 0) {
            myFailure = myWritten < 0 ? errno : ENOSPC;
            break;
        }
        myNext += myWritten;
        myLeft -= static_cast<int32_t>(myWritten);
    }
    if (!myFailure && ::fsync(myFile) != 0) myFailure = errno;
    if (::close(myFile) != 0 && !myFailure) myFailure = errno;
    if (!myFailure && std::rename(myNew.c_str(), myPath.c_str()) != 0) myFailure = errno;
    if (myFailure) {
        ::unlink(myNew.c_str());
        return FileCode(myFailure);
    }
    return 0;
}

int16_t FileReadPath(const std::string& myPath, std::vector<uint8_t>& myBytes) {
    myBytes.clear();
    std::error_code myError;
    if (fs::is_directory(myPath, myError)) return EISDIR;
    errno = 0;
    std::FILE* myFile = std::fopen(myPath.c_str(), "rb");
    if (!myFile) return FileCode(errno);
    uint8_t myBlock[65536];
    size_t myRead;
    while ((myRead = std::fread(myBlock, 1, sizeof(myBlock), myFile)) > 0)
        myBytes.insert(myBytes.end(), myBlock, myBlock + myRead);
    const int myFailure = std::ferror(myFile) ? (errno ? errno : EIO) : 0;
    std::fclose(myFile);
    if (myFailure) myBytes.clear();
    return myFailure ? FileCode(myFailure) : int16_t(0);
}
