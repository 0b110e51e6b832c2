// The program folder's place and first filling.
#include "shell/program_folder.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/config.h"
#include "platform/lock.h"
#include "storage/file.h"

namespace fs = std::filesystem;

namespace {
std::string sTemporary;
int sFolderLock = -1;

const char* const kComponentFolders[] = {"Brushes", "Fills",  "Gradients", "Movements",
                                         "Effects", "Styles", "Settings"};

bool ProgramFolderStore(char* myGlobal, std::string myPath) {
    if (!myPath.empty() && myPath.back() != '/') myPath += '/';
    if (myPath.empty() || myPath.size() >= kPathSize) return false;
    std::strcpy(myGlobal, myPath.c_str());
    return true;
}

// Copies bundled files that the user's folder does not have yet; the user's own files are never replaced.
void ProgramFolderFill(const std::string& myBundled, const std::string& myFolder) {
    std::error_code myError;
    for (const char* mySub : kComponentFolders) {
        const fs::path myTarget = fs::path(myFolder) / mySub;
        fs::create_directories(myTarget, myError);
        if (myBundled.empty()) continue;
        const fs::path mySource = fs::path(myBundled) / mySub;
        for (fs::directory_iterator myIt(mySource, myError), myEnd; !myError && myIt != myEnd;
             myIt.increment(myError)) {
            if (!myIt->is_regular_file(myError)) continue;
            const fs::path myDest = myTarget / myIt->path().filename();
            if (!fs::exists(myDest, myError)) fs::copy_file(myIt->path(), myDest, myError);
            myError.clear();
        }
        myError.clear();
    }
}
} // namespace

std::string ProgramFolderBundled(const char* myProgramPath) {
    std::error_code myError;
    fs::path myProgram = fs::weakly_canonical(fs::path(myProgramPath ? myProgramPath : ""), myError);
    if (myError || myProgram.empty()) myProgram = fs::read_symlink("/proc/self/exe", myError);
    const fs::path myBeside = myProgram.parent_path().parent_path() / "share" / "orbex";
    if (fs::is_directory(myBeside, myError)) return myBeside.string();
    return std::string();
}

bool ProgramFolderSetUp(bool myHeadless, const char* myProgramPath, std::string& myError) {
    std::string myFolder = ConfigEnvironment("ORBEX_HOME");
    std::error_code myFault;
    if (myFolder.empty() && myHeadless) {
        std::string myPattern = (fs::temp_directory_path(myFault) / "orbex-headless-XXXXXX").string();
        if (!mkdtemp(myPattern.data())) {
            const int myReason = errno;
            myError = "cannot make a program folder of its own in " +
                      fs::path(myPattern).parent_path().string() + ": " + std::strerror(myReason);
            return false;
        }
        sTemporary = myPattern;
        myFolder = myPattern;
    }
    if (!myFolder.empty()) {
        // A folder of its own keeps a test or headless run away from the user's settings too.
        ConfigSetFolder(myFolder + "/config");
    } else {
        myFolder = ConfigGetString("registry.ini", "Software\\Orbex", "Path", "");
        if (myFolder.empty()) myFolder = ConfigDataHome() + "/orbex";
    }
    fs::create_directories(myFolder, myFault);
    std::error_code myLook;
    if (!fs::is_directory(myFolder, myLook)) {
        const bool myTaken = fs::exists(fs::symlink_status(myFolder, myLook));
        myError = "cannot make the program folder " + myFolder + ": " +
                  (myTaken ? std::string("a file has its name") : myFault.message());
        return false;
    }
    if (!ProgramFolderStore(gDirIDOrbex, myFolder) || !ProgramFolderStore(gDirIDPref, ConfigFolder())) {
        myError = "the program folder " + myFolder + " has too long a path";
        return false;
    }
    ProgramFolderFill(ProgramFolderBundled(myProgramPath), gDirIDOrbex);
    return true;
}

// Two runs on one folder would save their sessions over each other's; runs on folders of their own (a render
// beside the desktop's Orbex) do not meet. The lock is named after the folder's real path, so two spellings
// of one folder share it.
bool ProgramFolderLock(std::string& myError) {
    std::error_code myFault;
    const std::string myFolder = fs::weakly_canonical(gDirIDOrbex, myFault).string();
    uint64_t myHash = 14695981039346656037ull;
    for (unsigned char myChar : myFolder)
        myHash = (myHash ^ myChar) * 1099511628211ull;
    char myName[40];
    std::snprintf(myName, sizeof(myName), "ORBEX-%016llx", static_cast<unsigned long long>(myHash));
    LockRelease(sFolderLock);
    sFolderLock = LockAcquire(myName);
    if (sFolderLock >= 0) return true;
    myError = "another Orbex is using the program folder " + myFolder;
    return false;
}

void ProgramFolderRelease() {
    LockRelease(sFolderLock);
    sFolderLock = -1;
    if (sTemporary.empty()) return;
    std::error_code myError;
    fs::remove_all(sTemporary, myError);
    sTemporary.clear();
}
