// Making Orbex the desktop's screen saver: our settings, XScreenSaver's programs, the agent's autostart
// entry.
#include "platform/saver_setup.h"

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/config.h"
#include "platform/lock.h"
#include "platform/process.h"

namespace fs = std::filesystem;

namespace {
// The name XScreenSaver shows for our entry; it also finds the entry again.
const char* const kXScreenSaverName = "\"Orbex\"";

std::string SaverReadFile(const fs::path& myPath) {
    std::ifstream myStream(myPath, std::ios::binary);
    std::ostringstream myText;
    myText << myStream.rdbuf();
    return myText.str();
}

// Written beside and renamed, so a reader never sees half a file.
bool SaverWriteFile(const fs::path& myPath, const std::string& myText) {
    std::error_code myError;
    fs::create_directories(myPath.parent_path(), myError);
    const fs::path myTemp = myPath.string() + ".new";
    {
        std::ofstream myStream(myTemp, std::ios::binary | std::ios::trunc);
        myStream << myText;
        if (!myStream.flush()) return false;
    }
    fs::rename(myTemp, myPath, myError);
    return !myError;
}

fs::path SaverXScreenSaverFile() {
    return fs::path(ConfigEnvironment("HOME")) / ".xscreensaver";
}

// XScreenSaver's resource lines: "name:" then the value; a value goes on over lines ending in '\'.
struct XResource {
    size_t mStart = std::string::npos; // first character of the "name:" line
    size_t mEnd = std::string::npos;   // just after the value's last line end
};

XResource SaverFindResource(const std::string& myText, const std::string& myName) {
    XResource myFound;
    size_t myStart = 0;
    while (myStart < myText.size()) {
        size_t myEnd = myText.find('\n', myStart);
        myEnd = myEnd == std::string::npos ? myText.size() : myEnd + 1;
        const bool myIsName = myText.compare(myStart, myName.size() + 1, myName + ":") == 0;
        size_t myValueEnd = myEnd;
        // A continued line ends in '\' before its line end.
        while (myValueEnd < myText.size() && myValueEnd >= 2 && myText[myValueEnd - 2] == '\\') {
            const size_t myNext = myText.find('\n', myValueEnd);
            myValueEnd = myNext == std::string::npos ? myText.size() : myNext + 1;
        }
        if (myIsName) return {myStart, myValueEnd};
        myStart = myValueEnd;
    }
    return myFound;
}

std::string SaverSetResource(std::string myText, const std::string& myName, const std::string& myValue) {
    if (!myText.empty() && myText.back() != '\n') myText += '\n';
    const std::string myLine = myName + ":\t" + myValue + "\n";
    const XResource myFound = SaverFindResource(myText, myName);
    if (myFound.mStart == std::string::npos) return myText + myLine;
    return myText.replace(myFound.mStart, myFound.mEnd - myFound.mStart, myLine);
}

// The programs resource's entries, one per "\n\" line, without Orbex's.
std::vector<std::string> SaverProgramEntries(const std::string& myText, const XResource& myFound) {
    std::vector<std::string> myEntries;
    if (myFound.mStart == std::string::npos) return myEntries;
    std::string myValue = myText.substr(myFound.mStart, myFound.mEnd - myFound.mStart);
    myValue = myValue.substr(myValue.find(':') + 1);
    size_t myFrom = 0;
    while (myFrom < myValue.size()) {
        size_t myTo = myValue.find("\\n", myFrom);
        std::string myEntry =
            myValue.substr(myFrom, myTo == std::string::npos ? std::string::npos : myTo - myFrom);
        myFrom = myTo == std::string::npos ? myValue.size() : myTo + 2;
        // Line continuations and the blanks around an entry are layout only.
        std::string myClean;
        for (size_t i = 0; i < myEntry.size(); ++i) {
            if (myEntry[i] == '\\' && i + 1 < myEntry.size() && myEntry[i + 1] == '\n') {
                ++i;
                continue;
            }
            myClean += myEntry[i] == '\n' ? ' ' : myEntry[i];
        }
        const size_t myFirst = myClean.find_first_not_of(" \t");
        if (myFirst == std::string::npos) continue;
        myClean = myClean.substr(myFirst, myClean.find_last_not_of(" \t") - myFirst + 1);
        if (myClean.find(kXScreenSaverName) != std::string::npos) continue;
        myEntries.push_back(myClean);
    }
    return myEntries;
}

std::string SaverProgramsValue(const std::vector<std::string>& myEntries) {
    std::string myValue = "\\\n";
    for (const std::string& myEntry : myEntries)
        myValue += "\t\t" + myEntry + " \\n\\\n";
    return myValue;
}

std::string SaverTimeText(uint32_t mySeconds) {
    char myText[32];
    std::snprintf(myText, sizeof(myText), "%u:%02u:%02u", mySeconds / 3600, mySeconds / 60 % 60,
                  mySeconds % 60);
    return myText;
}

// Starts the agent when none runs; one that runs reads the settings again.
void SaverWakeAgent(const std::string& myProgram) {
    const int myAgent = LockHolder(kAgentLockName);
    if (myAgent > 0) {
        ProcessSignal(myAgent, SIGHUP);
        return;
    }
    const int myStarted = ProcessStart({myProgram, "--agent"}, "", true);
    // The agent runs on in a session of its own; its end is collected by whoever outlives it.
    (void)myStarted;
}

bool SaverSignalHolder(const char* myLockName, int mySignal) {
    const int myHolder = LockHolder(myLockName);
    return myHolder > 0 && ProcessSignal(myHolder, mySignal);
}

uint32_t SaverNumber(const std::string& myText) {
    uint32_t myValue = 0;
    for (const char myCharacter : myText) {
        if (myCharacter < '0' || myCharacter > '9') return 0;
        myValue = std::min<uint32_t>(myValue * 10 + static_cast<uint32_t>(myCharacter - '0'), 1000000000u);
    }
    return myValue;
}
} // namespace

SaverSettings SaverReadSettings() {
    SaverSettings mySettings;
    mySettings.mActive =
        ConfigGetString(kSaverDesktopFile, kSaverDesktopSection, kSaverActiveKey, "0") == "1";
    mySettings.mTimeOut =
        SaverNumber(ConfigGetString(kSaverDesktopFile, kSaverDesktopSection, kSaverTimeOutKey, ""));
    mySettings.mProgram = ConfigGetString(kSaverSystemFile, kSaverBootSection, kSaverBootKey, "empty");
    return mySettings;
}

std::string SaverFindProgram(const char* myProgramPath) {
    std::error_code myError;
    fs::path myProgram = myProgramPath && *myProgramPath ? fs::path(myProgramPath) : fs::path();
    if (myProgram.empty() || !myProgram.has_parent_path()) myProgram = ProcessOwnPath();
    myProgram = fs::weakly_canonical(myProgram, myError);
    const fs::path mySaver = myProgram.parent_path() / kSaverProgram;
    if (fs::is_regular_file(mySaver, myError) && access(mySaver.c_str(), X_OK) == 0) return mySaver.string();
    return std::string();
}

std::string SaverAutostartPath() {
    std::string myBase = ConfigEnvironment("XDG_CONFIG_HOME");
    if (myBase.empty()) myBase = ConfigEnvironment("HOME") + "/.config";
    return myBase + "/autostart/orbex-saver.desktop";
}

std::string SaverAutostartText(const std::string& myProgram) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Orbex Screen Saver\n"
           "Comment=Starts the Orbex screen saver when the desktop is idle\n"
           "Exec=" +
           myProgram +
           " --agent\n"
           "Icon=orbex\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool SaverInstall(const std::string& myProgram, uint32_t myTimeOut) {
    const std::string myTime = std::to_string(myTimeOut);
    bool myOk = ConfigSetString(kSaverSystemFile, kSaverBootSection, kSaverBootKey, myProgram.c_str()) &&
                ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverTimeOutKey, myTime.c_str()) &&
                ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverActiveKey, "1");
    if (!myOk) return false;
    if (SaverXScreenSaverRuns()) {
        // XScreenSaver watches its file and takes the change by itself.
        const fs::path myFile = SaverXScreenSaverFile();
        return SaverWriteFile(myFile,
                              SaverXScreenSaverWith(SaverReadFile(myFile), myProgram + " s", myTimeOut));
    }
    myOk = SaverWriteFile(SaverAutostartPath(), SaverAutostartText(myProgram));
    SaverWakeAgent(myProgram);
    return myOk;
}

void SaverUninstall() {
    ConfigSetString(kSaverDesktopFile, kSaverDesktopSection, kSaverActiveKey, "0");
    const std::string myPath = ConfigFolder() + kSaverSystemFile;
    const std::string myText = SaverReadFile(myPath);
    if (ConfigFindValue(myText, kSaverBootSection, kSaverBootKey, nullptr).size() > 0)
        SaverWriteFile(myPath, ConfigWithoutValue(myText, kSaverBootSection, kSaverBootKey));
    std::error_code myError;
    fs::remove(SaverAutostartPath(), myError);
    const fs::path myXFile = SaverXScreenSaverFile();
    const std::string myXText = SaverReadFile(myXFile);
    if (myXText.find(kXScreenSaverName) != std::string::npos)
        SaverWriteFile(myXFile, SaverXScreenSaverWithout(myXText));
    SaverSignalHolder(kAgentLockName, SIGTERM);
}

bool SaverXScreenSaverRuns() {
    std::error_code myError;
    const uid_t myUser = getuid();
    for (fs::directory_iterator myIt("/proc", myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError)) {
        const std::string myName = myIt->path().filename().string();
        if (myName.empty() || myName.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream myComm(myIt->path() / "comm");
        std::string myCommand;
        std::getline(myComm, myCommand);
        if (myCommand != "xscreensaver") continue;
        struct stat myInfo {};
        if (stat(myIt->path().c_str(), &myInfo) == 0 && myInfo.st_uid == myUser) return true;
    }
    return false;
}

std::string SaverXScreenSaverWith(const std::string& myText, const std::string& myCommand,
                                  uint32_t myTimeOut) {
    std::vector<std::string> myEntries = SaverProgramEntries(myText, SaverFindResource(myText, "programs"));
    myEntries.insert(myEntries.begin(), std::string(kXScreenSaverName) + "  " + myCommand);
    std::string myResult =
        SaverSetResource(myText, "timeout", SaverTimeText(std::max<uint32_t>(myTimeOut, 60)));
    myResult = SaverSetResource(myResult, "mode", "one");
    myResult = SaverSetResource(myResult, "selected", "0");
    return SaverSetResource(myResult, "programs", SaverProgramsValue(myEntries));
}

std::string SaverXScreenSaverWithout(const std::string& myText) {
    const XResource myFound = SaverFindResource(myText, "programs");
    if (myFound.mStart == std::string::npos) return myText;
    const std::vector<std::string> myEntries = SaverProgramEntries(myText, myFound);
    return SaverSetResource(myText, "programs", SaverProgramsValue(myEntries));
}

int SaverDesktopBlankMinutes() {
    int myMinutes = 0;
    // GNOME blanks after its session's idle delay (seconds; 0 is never). Elsewhere the setting may exist
    // unused, so it is asked only of a GNOME session.
    const bool myGnome = ConfigEnvironment("XDG_CURRENT_DESKTOP").find("GNOME") != std::string::npos;
    if (FILE* myPipe = myGnome ? popen("gsettings get org.gnome.desktop.session idle-delay 2>/dev/null", "r")
                               : nullptr) {
        char myLine[64] = {};
        if (std::fgets(myLine, sizeof(myLine), myPipe)) {
            const char* myNumber = myLine;
            while (*myNumber && (*myNumber < '0' || *myNumber > '9'))
                ++myNumber;
            const int mySeconds = std::atoi(myNumber);
            if (mySeconds > 0) myMinutes = (mySeconds + 59) / 60;
        }
        pclose(myPipe);
    }
    // The X server's own screen saver blanks after its time-out.
    if (const char* myName = std::getenv("DISPLAY"); myName && *myName) {
        if (Display* myDisplay = XOpenDisplay(nullptr)) {
            int myTimeOut = 0, myInterval = 0, myBlanking = 0, myExposures = 0;
            XGetScreenSaver(myDisplay, &myTimeOut, &myInterval, &myBlanking, &myExposures);
            XCloseDisplay(myDisplay);
            if (myTimeOut > 0) {
                const int myServer = (myTimeOut + 59) / 60;
                myMinutes = myMinutes ? std::min(myMinutes, myServer) : myServer;
            }
        }
    }
    return myMinutes;
}

bool SaverQuitRunning() {
    return SaverSignalHolder(kSaverLockName, SaverQuitSignal());
}

int SaverQuitSignal() {
    return SIGUSR1;
}
