// A small INI store: read whole, changed in memory, written back through a new file renamed over the old.
#include "platform/config.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {
std::string sFolder;

std::string ConfigTrim(const std::string& myText) {
    const size_t myFirst = myText.find_first_not_of(" \t\r");
    if (myFirst == std::string::npos) return "";
    const size_t myLast = myText.find_last_not_of(" \t\r");
    return myText.substr(myFirst, myLast - myFirst + 1);
}

bool ConfigSameName(const std::string& myA, const std::string& myB) {
    if (myA.size() != myB.size()) return false;
    for (size_t myIndex = 0; myIndex < myA.size(); ++myIndex)
        if (std::tolower(static_cast<unsigned char>(myA[myIndex])) !=
            std::tolower(static_cast<unsigned char>(myB[myIndex])))
            return false;
    return true;
}

std::vector<std::string> ConfigReadLines(const std::string& myPath) {
    std::vector<std::string> myLines;
    std::ifstream myStream(myPath);
    std::string myLine;
    while (std::getline(myStream, myLine))
        myLines.push_back(myLine);
    return myLines;
}
} // namespace

std::string ConfigEnvironment(const char* myName) {
    const char* myValue = std::getenv(myName);
    return myValue ? std::string(myValue) : std::string();
}

std::string ConfigDataHome() {
    std::string myHome = ConfigEnvironment("XDG_DATA_HOME");
    if (myHome.empty()) myHome = ConfigEnvironment("HOME") + "/.local/share";
    return myHome;
}

std::string ConfigFolder() {
    if (sFolder.empty()) {
        std::string myBase = ConfigEnvironment("XDG_CONFIG_HOME");
        if (myBase.empty()) myBase = ConfigEnvironment("HOME") + "/.config";
        sFolder = myBase + "/orbex/";
    }
    std::error_code myError;
    std::filesystem::create_directories(sFolder, myError);
    return sFolder;
}

void ConfigSetFolder(const std::string& myFolder) {
    sFolder = myFolder;
    if (!sFolder.empty() && sFolder.back() != '/') sFolder += '/';
}

std::string ConfigGetString(const char* myFile, const char* mySection, const char* myKey,
                            const char* myDefault) {
    std::string myCurrent;
    for (const std::string& myRaw : ConfigReadLines(ConfigFolder() + myFile)) {
        const std::string myLine = ConfigTrim(myRaw);
        if (myLine.empty() || myLine[0] == ';' || myLine[0] == '#') continue;
        if (myLine.front() == '[' && myLine.back() == ']') {
            myCurrent = myLine.substr(1, myLine.size() - 2);
            continue;
        }
        const size_t myEquals = myLine.find('=');
        if (myEquals == std::string::npos || !ConfigSameName(myCurrent, mySection)) continue;
        if (ConfigSameName(ConfigTrim(myLine.substr(0, myEquals)), myKey))
            return ConfigTrim(myLine.substr(myEquals + 1));
    }
    return myDefault ? myDefault : "";
}

bool ConfigSetString(const char* myFile, const char* mySection, const char* myKey, const char* myValue) {
    const std::string myPath = ConfigFolder() + myFile;
    std::vector<std::string> myLines = ConfigReadLines(myPath);
    std::string myCurrent;
    int mySectionEnd = -1;
    bool myDone = false;
    for (size_t myIndex = 0; myIndex < myLines.size() && !myDone; ++myIndex) {
        const std::string myLine = ConfigTrim(myLines[myIndex]);
        if (!myLine.empty() && myLine.front() == '[' && myLine.back() == ']') {
            myCurrent = myLine.substr(1, myLine.size() - 2);
            if (ConfigSameName(myCurrent, mySection)) mySectionEnd = static_cast<int>(myIndex) + 1;
            continue;
        }
        if (!ConfigSameName(myCurrent, mySection)) continue;
        if (!myLine.empty()) mySectionEnd = static_cast<int>(myIndex) + 1;
        const size_t myEquals = myLine.find('=');
        if (myEquals != std::string::npos && ConfigSameName(ConfigTrim(myLine.substr(0, myEquals)), myKey)) {
            myLines[myIndex] = std::string(myKey) + "=" + myValue;
            myDone = true;
        }
    }
    if (!myDone) {
        const std::string myEntry = std::string(myKey) + "=" + myValue;
        if (mySectionEnd < 0) {
            myLines.push_back("[" + std::string(mySection) + "]");
            myLines.push_back(myEntry);
        } else {
            myLines.insert(myLines.begin() + mySectionEnd, myEntry);
        }
    }
    const std::string myTemp = myPath + ".new";
    {
        std::ofstream myStream(myTemp, std::ios::trunc);
        for (const std::string& myLine : myLines)
            myStream << myLine << '\n';
        if (!myStream.flush()) return false;
    }
    std::error_code myError;
    std::filesystem::rename(myTemp, myPath, myError);
    return !myError;
}

void ConfigResetState() {
    sFolder.clear();
}
