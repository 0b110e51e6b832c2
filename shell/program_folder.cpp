// The program folder's place and first filling.
#include "shell/program_folder.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/config.h"
#include "storage/file.h"

namespace fs = std::filesystem;

namespace {
std::string sTemporary;

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
    // The program's own file: a name found through PATH ("orbex") says nothing of where it lies.
    std::error_code myError;
    fs::path myProgram = fs::read_symlink("/proc/self/exe", myError);
    if (myError || myProgram.empty())
        myProgram = fs::weakly_canonical(fs::path(myProgramPath ? myProgramPath : ""), myError);
    const fs::path myBeside = myProgram.parent_path().parent_path() / "share" / "orbex";
    if (fs::is_directory(myBeside, myError)) return myBeside.string();
    return std::string();
}

std::string ProgramFolderLocate() {
    std::string myFolder = ConfigEnvironment("ORBEX_HOME");
    if (!myFolder.empty()) {
        // A folder of its own keeps a test or headless run away from the user's settings too.
        ConfigSetFolder(myFolder + "/config");
        return myFolder;
    }
    myFolder = ConfigGetString("registry.ini", "Software\\Orbex", "Path", "");
    if (myFolder.empty()) myFolder = ConfigDataHome() + "/orbex";
    return myFolder;
}

bool ProgramFolderSetUp(bool myHeadless, const char* myProgramPath) {
    std::string myFolder;
    if (myHeadless && ConfigEnvironment("ORBEX_HOME").empty()) {
        std::string myPattern = (fs::temp_directory_path() / "orbex-headless-XXXXXX").string();
        if (!mkdtemp(myPattern.data())) return false;
        sTemporary = myPattern;
        myFolder = myPattern;
        ConfigSetFolder(myFolder + "/config");
    } else {
        myFolder = ProgramFolderLocate();
    }
    std::error_code myError;
    fs::create_directories(myFolder, myError);
    if (!fs::is_directory(myFolder, myError)) return false;
    if (!ProgramFolderStore(gDirIDOrbex, myFolder)) return false;
    if (!ProgramFolderStore(gDirIDPref, ConfigFolder())) return false;
    ProgramFolderFill(ProgramFolderBundled(myProgramPath), gDirIDOrbex);
    return true;
}

void ProgramFolderRelease() {
    if (sTemporary.empty()) return;
    std::error_code myError;
    fs::remove_all(sTemporary, myError);
    sTemporary.clear();
}
