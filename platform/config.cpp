// A small INI store: read whole, changed in memory, written back through a new file renamed over the old.
#include "platform/config.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

namespace {
std::string sFolder;

std::string_view ConfigTrim(std::string_view myText) {
    const size_t myFirst = myText.find_first_not_of(" \t\r");
    if (myFirst == std::string_view::npos) return {};
    const size_t myLast = myText.find_last_not_of(" \t\r");
    return myText.substr(myFirst, myLast - myFirst + 1);
}

bool ConfigSameName(std::string_view myA, std::string_view myB) {
    if (myA.size() != myB.size()) return false;
    for (size_t myIndex = 0; myIndex < myA.size(); ++myIndex)
        if (std::tolower(static_cast<unsigned char>(myA[myIndex])) !=
            std::tolower(static_cast<unsigned char>(myB[myIndex])))
            return false;
    return true;
}

// The line that starts at myStart, without its end; myNext is where the next one starts.
std::string_view ConfigLine(std::string_view myText, size_t myStart, size_t& myNext) {
    const size_t myEnd = std::min(myText.find('\n', myStart), myText.size());
    myNext = myEnd + 1;
    return ConfigTrim(myText.substr(myStart, myEnd - myStart));
}

// A trimmed line "[name]" opens the section of that name.
bool ConfigSectionLine(std::string_view myLine, std::string_view& mySection) {
    if (myLine.empty() || myLine.front() != '[' || myLine.back() != ']') return false;
    mySection = myLine.substr(1, myLine.size() - 2);
    return true;
}

// A trimmed line "key = value" gives the key a value.
bool ConfigKeyLine(std::string_view myLine, std::string_view myKey, std::string_view& myValue) {
    const size_t myEquals = myLine.find('=');
    if (myEquals == std::string_view::npos || !ConfigSameName(ConfigTrim(myLine.substr(0, myEquals)), myKey))
        return false;
    myValue = ConfigTrim(myLine.substr(myEquals + 1));
    return true;
}

std::string ConfigReadText(const std::string& myPath) {
    std::ifstream myStream(myPath, std::ios::binary);
    std::ostringstream myText;
    myText << myStream.rdbuf();
    return myText.str();
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

std::string ConfigFindValue(const std::string& myText, const char* mySection, const char* myKey,
                            const char* myDefault) {
    std::string_view myCurrent;
    for (size_t myStart = 0, myNext = 0; myStart < myText.size(); myStart = myNext) {
        const std::string_view myLine = ConfigLine(myText, myStart, myNext);
        std::string_view myValue;
        if (myLine.empty() || myLine[0] == ';' || myLine[0] == '#' || ConfigSectionLine(myLine, myCurrent))
            continue;
        if (ConfigSameName(myCurrent, mySection) && ConfigKeyLine(myLine, myKey, myValue))
            return std::string(myValue);
    }
    return myDefault ? myDefault : "";
}

std::string ConfigWithValue(const std::string& myText, const char* mySection, const char* myKey,
                            const char* myValue) {
    // Every line ends in a line end once written back.
    std::string myResult = myText;
    if (!myResult.empty() && myResult.back() != '\n') myResult += '\n';
    const std::string myEntry = std::string(myKey) + "=" + myValue + "\n";
    std::string_view myCurrent;
    size_t myInsertAt = std::string::npos; // after the section's last line that is not empty
    for (size_t myStart = 0, myNext = 0; myStart < myResult.size(); myStart = myNext) {
        const std::string_view myLine = ConfigLine(myResult, myStart, myNext);
        std::string_view myOld;
        if (ConfigSectionLine(myLine, myCurrent)) {
            if (ConfigSameName(myCurrent, mySection)) myInsertAt = myNext;
            continue;
        }
        if (!ConfigSameName(myCurrent, mySection)) continue;
        if (!myLine.empty()) myInsertAt = myNext;
        if (ConfigKeyLine(myLine, myKey, myOld)) return myResult.replace(myStart, myNext - myStart, myEntry);
    }
    if (myInsertAt == std::string::npos) return myResult + "[" + mySection + "]\n" + myEntry;
    return myResult.insert(myInsertAt, myEntry);
}

std::string ConfigWithoutValue(const std::string& myText, const char* mySection, const char* myKey) {
    std::string myResult = myText;
    std::string_view myCurrent;
    for (size_t myStart = 0, myNext = 0; myStart < myResult.size(); myStart = myNext) {
        const std::string_view myLine = ConfigLine(myResult, myStart, myNext);
        std::string_view myOld;
        if (ConfigSectionLine(myLine, myCurrent)) continue;
        // Every line of the key goes, so no second one is read in its place.
        if (ConfigSameName(myCurrent, mySection) && ConfigKeyLine(myLine, myKey, myOld)) {
            myResult.erase(myStart, std::min(myNext, myResult.size()) - myStart);
            myNext = myStart;
        }
    }
    return myResult;
}

std::string ConfigGetString(const char* myFile, const char* mySection, const char* myKey,
                            const char* myDefault) {
    return ConfigFindValue(ConfigReadText(ConfigFolder() + myFile), mySection, myKey, myDefault);
}

bool ConfigSetString(const char* myFile, const char* mySection, const char* myKey, const char* myValue) {
    const std::string myPath = ConfigFolder() + myFile;
    const std::string myText = ConfigWithValue(ConfigReadText(myPath), mySection, myKey, myValue);
    const std::string myTemp = myPath + ".new";
    {
        std::ofstream myStream(myTemp, std::ios::trunc | std::ios::binary);
        myStream << myText;
        if (!myStream.flush()) return false;
    }
    std::error_code myError;
    std::filesystem::rename(myTemp, myPath, myError);
    return !myError;
}

void ConfigResetState() {
    sFolder.clear();
}
