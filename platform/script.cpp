// Scripted sessions: one command a line, read once, then played against the program's clock.
#include "platform/script.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/clock.h"
#include "platform/image_out.h"
#include "platform/palette.h"
#include "platform/window.h"

namespace {

constexpr uint32_t kDragStep = 10; // ms between the cursor positions of a drag
constexpr uint32_t kMaxSeconds = 86400;
// No window reaches this far (a picture is at most 16384 pixels wide); a point just outside one is a click
// beside it, as a user's can be.
constexpr long long kMaxCoordinate = 32767;
constexpr int kMaxNotches = 100;

struct ScriptKeyName {
    const char* mName;
    uint32_t mKey;
    char mChar;    // what the key types, 0 for none
    char mShifted; // what it types with Shift held
};

// Keys by their SDL names, with what they type on a US keyboard (letters and digits are handled apart).
constexpr ScriptKeyName kKeyNames[] = {
    {"Escape", kVKEscape, 27, 27},   {"Return", kVKReturn, 13, 13},   {"Enter", kVKReturn, 13, 13},
    {"Space", kVKSpace, ' ', ' '},   {"Tab", kVKTab, 9, 9},           {"Backspace", kVKBack, 8, 8},
    {"Left", kVKLeft, 0, 0},         {"Right", kVKRight, 0, 0},       {"Up", kVKUp, 0, 0},
    {"Down", kVKDown, 0, 0},         {"Home", kVKHome, 0, 0},         {"End", kVKEnd, 0, 0},
    {"PageUp", kVKPrior, 0, 0},      {"PageDown", kVKNext, 0, 0},     {"Insert", kVKInsert, 0, 0},
    {"Delete", kVKDelete, 0, 0},     {"Help", kVKHelp, 0, 0},         {"CapsLock", kVKCapital, 0, 0},
    {"-", kVKMinus, '-', '_'},       {"=", kVKEquals, '=', '+'},      {".", kVKPeriod, '.', '>'},
    {",", kVKComma, ',', '<'},       {"/", kVKSlash, '/', '?'},       {";", kVKSemicolon, ';', ':'},
    {"'", kVKQuote, '\'', '"'},      {"[", kVKOpenBracket, '[', '{'}, {"]", kVKCloseBracket, ']', '}'},
    {"\\", kVKBackslash, '\\', '|'}, {"`", kVKGrave, '`', '~'},
};

constexpr const char* kShiftedDigits = ")!@#$%^&*(";
constexpr const char* kShiftedMarks = "~!@#$%^&*()_+{}|:\"<>?";

struct ScriptState {
    std::vector<ScriptCommand> mCommands;
    size_t mNext = 0;
    uint32_t mStart = 0;
    bool mActive = false;
    bool mDragging = false;
    uint32_t mDragStart = 0;
    uint32_t mDragLastMove = 0;
    uint8_t mCaps = 0;
    std::string mPath;
    std::string mError;
};

ScriptState sScript;

bool ScriptEqualNoCase(const std::string& myA, const char* myB) {
    if (myA.size() != std::strlen(myB)) return false;
    for (size_t myIndex = 0; myIndex < myA.size(); ++myIndex)
        if (std::tolower(static_cast<unsigned char>(myA[myIndex])) !=
            std::tolower(static_cast<unsigned char>(myB[myIndex])))
            return false;
    return true;
}

bool ScriptTime(const std::string& myWord, uint32_t& myTime) {
    if (myWord.empty() || !(std::isdigit(static_cast<unsigned char>(myWord[0])) || myWord[0] == '.'))
        return false;
    char* myEnd = nullptr;
    const double mySeconds = std::strtod(myWord.c_str(), &myEnd);
    if (*myEnd || !(mySeconds >= 0) || mySeconds > kMaxSeconds) return false;
    myTime = static_cast<uint32_t>(mySeconds * 1000 + 0.5);
    return true;
}

bool ScriptNumber(const std::string& myWord, int& myValue) {
    if (myWord.empty()) return false;
    char* myEnd = nullptr;
    const long myNumber = std::strtol(myWord.c_str(), &myEnd, 10);
    if (*myEnd || myNumber < -100000 || myNumber > 100000) return false;
    myValue = static_cast<int>(myNumber);
    return true;
}

// A whole number, however large (its size is checked apart).
bool ScriptWhole(const std::string& myWord, long long& myValue) {
    const size_t myDigits = myWord.find_first_not_of("+-") == 1 ? 1 : 0;
    if (myWord.size() <= myDigits || myWord.find_first_not_of("0123456789", myDigits) != std::string::npos)
        return false;
    myValue = std::strtoll(myWord.c_str(), nullptr, 10);
    return true;
}

// The line as it stands, with control bytes written as \xNN, so a message shows it whole.
std::string ScriptShowLine(const std::string& myLine) {
    std::string myShown;
    for (unsigned char myChar : myLine) {
        if (myChar >= 32 && myChar != 127) {
            myShown += static_cast<char>(myChar);
        } else {
            char myCode[8];
            std::snprintf(myCode, sizeof(myCode), "\\x%02X", myChar);
            myShown += myCode;
        }
    }
    return myShown;
}

int ScriptWindow(const std::string& myWord) {
    if (myWord == "controls") return kWinControls;
    if (myWord == "animation") return kWinPaint;
    if (myWord == "help") return kWinHelp;
    if (myWord == "alert") return kWinAlert;
    return kWinNone;
}

// A key name with its modifier prefixes: "ctrl+3", "shift+c", "Escape".
bool ScriptKey(std::string myName, ScriptCommand& myCommand) {
    myCommand.mMods = 0;
    for (;;) {
        const size_t myPlus = myName.find('+');
        if (myPlus == std::string::npos || myPlus == 0 || myPlus + 1 == myName.size()) break;
        const std::string myPrefix = myName.substr(0, myPlus);
        if (ScriptEqualNoCase(myPrefix, "ctrl"))
            myCommand.mMods |= kModCtrl;
        else if (ScriptEqualNoCase(myPrefix, "shift"))
            myCommand.mMods |= kModShift;
        else if (ScriptEqualNoCase(myPrefix, "alt"))
            myCommand.mMods |= kModAlt;
        else
            return false;
        myName.erase(0, myPlus + 1);
    }
    if (myName.size() == 1 && std::isalnum(static_cast<unsigned char>(myName[0]))) {
        myCommand.mKey = static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(myName[0])));
        return true;
    }
    if (myName.size() >= 2 && (myName[0] == 'F' || myName[0] == 'f')) {
        int myNumber = 0;
        if (ScriptNumber(myName.substr(1), myNumber) && myNumber >= 1 && myNumber <= 12) {
            myCommand.mKey = kVKF1 + static_cast<uint32_t>(myNumber - 1);
            return true;
        }
    }
    for (const ScriptKeyName& myEntry : kKeyNames) {
        if (ScriptEqualNoCase(myName, myEntry.mName)) {
            myCommand.mKey = myEntry.mKey;
            return true;
        }
    }
    return false;
}

// What a key types under its modifiers, 0 for nothing.
uint32_t ScriptKeyChar(uint32_t myKey, uint8_t myMods) {
    const uint32_t myControl = WindowControlCharacter(myKey, myMods);
    if (myControl || (myMods & kModCtrl)) return myControl;
    const bool myShift = myMods & kModShift;
    if (myKey >= 'A' && myKey <= 'Z') {
        const bool myUpper = myShift != static_cast<bool>(myMods & kModCaps);
        return myUpper ? myKey : myKey - 'A' + 'a';
    }
    if (myKey >= '0' && myKey <= '9')
        return myShift ? static_cast<uint8_t>(kShiftedDigits[myKey - '0']) : myKey;
    for (const ScriptKeyName& myEntry : kKeyNames)
        if (myEntry.mKey == myKey) return static_cast<uint8_t>(myShift ? myEntry.mShifted : myEntry.mChar);
    return 0;
}

bool ScriptParseLine(const std::string& myLine, int myLineNumber, ScriptCommand& myCommand,
                     std::string& myError) {
    std::istringstream myWords(myLine);
    std::string myTimeWord, myVerb;
    myWords >> myTimeWord >> myVerb;
    myCommand.mLine = myLineNumber;
    if (!ScriptTime(myTimeWord, myCommand.mTime)) {
        myError = "the time \"" + myTimeWord + "\" is not a number of seconds";
        return false;
    }
    std::vector<std::string> myArgs;
    if (myVerb == "type") {
        // The rest of the line after one blank, blanks included.
        const size_t myAt = myLine.find("type", myLine.find(myTimeWord) + myTimeWord.size());
        std::string myText = myLine.substr(myAt + 4);
        if (!myText.empty() && (myText[0] == ' ' || myText[0] == '\t')) myText.erase(0, 1);
        if (myText.empty()) {
            myError = "type needs the characters to type";
            return false;
        }
        for (char myChar : myText) {
            if (static_cast<unsigned char>(myChar) < 32 || static_cast<unsigned char>(myChar) > 126) {
                myError = "type takes printable characters only";
                return false;
            }
        }
        myCommand.mKind = kScriptType;
        myCommand.mText = myText;
        return true;
    }
    for (std::string myArg; myWords >> myArg;)
        myArgs.push_back(myArg);
    auto myCount = [&](size_t myWanted, const char* myUsage) {
        if (myArgs.size() == myWanted) return true;
        myError = std::string("expected: TIME ") + myUsage;
        return false;
    };
    auto myWindowArg = [&]() {
        myCommand.mWindow = ScriptWindow(myArgs[0]);
        if (myCommand.mWindow != kWinNone) return true;
        myError = "no window \"" + myArgs[0] + "\" (controls, animation, help or alert)";
        return false;
    };
    auto myPoint = [&](size_t myFirst, int& myX, int& myY) {
        long long myValues[2];
        if (!ScriptWhole(myArgs[myFirst], myValues[0]) || !ScriptWhole(myArgs[myFirst + 1], myValues[1])) {
            myError = "coordinates must be whole numbers";
            return false;
        }
        if (std::llabs(myValues[0]) > kMaxCoordinate || std::llabs(myValues[1]) > kMaxCoordinate) {
            myError = "the point " + myArgs[myFirst] + " " + myArgs[myFirst + 1] + " is out of the window";
            return false;
        }
        myX = static_cast<int>(myValues[0]);
        myY = static_cast<int>(myValues[1]);
        return true;
    };
    if (myVerb == "key") {
        if (!myCount(1, "key NAME")) return false;
        myCommand.mKind = kScriptKey;
        if (ScriptKey(myArgs[0], myCommand)) return true;
        myError = "no key named \"" + myArgs[0] + "\"";
        return false;
    }
    if (myVerb == "click" || myVerb == "rclick" || myVerb == "move") {
        if (!myCount(3, (myVerb + " WINDOW X Y").c_str())) return false;
        myCommand.mKind = myVerb == "click"    ? kScriptClick
                          : myVerb == "rclick" ? kScriptRightClick
                                               : kScriptMove;
        return myWindowArg() && myPoint(1, myCommand.mX, myCommand.mY);
    }
    if (myVerb == "wheel") {
        if (!myCount(4, "wheel WINDOW X Y NOTCHES")) return false;
        myCommand.mKind = kScriptWheel;
        if (!myWindowArg() || !myPoint(1, myCommand.mX, myCommand.mY)) return false;
        // A turn of more than a hundred notches at once is no wheel's.
        if (!ScriptNumber(myArgs[3], myCommand.mNotches) || myCommand.mNotches == 0 ||
            std::abs(myCommand.mNotches) > kMaxNotches) {
            myError = "a wheel turn is a whole number of notches from -100 to 100, other than 0";
            return false;
        }
        return true;
    }
    if (myVerb == "drag") {
        if (!myCount(6, "drag WINDOW X1 Y1 X2 Y2 SECONDS")) return false;
        myCommand.mKind = kScriptDrag;
        if (!myWindowArg() || !myPoint(1, myCommand.mX, myCommand.mY) ||
            !myPoint(3, myCommand.mX2, myCommand.mY2))
            return false;
        if (!ScriptTime(myArgs[5], myCommand.mDuration)) {
            myError = "a drag's length must be a number of seconds";
            return false;
        }
        return true;
    }
    if (myVerb == "shot") {
        if (!myCount(2, "shot WINDOW FILE.png")) return false;
        myCommand.mKind = kScriptShot;
        myCommand.mText = myArgs[1];
        if (myCommand.mText.size() < 5 ||
            !ScriptEqualNoCase(myCommand.mText.substr(myCommand.mText.size() - 4), ".png")) {
            myError = "a picture's file name ends in .png";
            return false;
        }
        return myWindowArg();
    }
    myError = myVerb.empty() ? "a command must follow the time" : "no command \"" + myVerb + "\"";
    return false;
}

void ScriptQueue(MessageKind myKind, int myWindow, uint32_t myWParam, int myX, int myY, uint8_t myMods) {
    WindowQueueMessage(myKind, myWindow, myWParam, 0, myX, myY, myMods);
}

void ScriptCursor(int myWindow, int myX, int myY) {
    WindowSetCursor(myWindow, myX, myY);
    ScriptQueue(kMsgMouseMove, myWindow, 0, myX, myY, sScript.mCaps);
}

void ScriptPlayKey(const ScriptCommand& myCommand) {
    const uint8_t myMods = myCommand.mMods | sScript.mCaps;
    ScriptQueue(kMsgKeyDown, WindowActive(), myCommand.mKey, 0, 0, myMods);
    const uint32_t myChar = ScriptKeyChar(myCommand.mKey, myMods);
    if (myChar) ScriptQueue(kMsgChar, WindowActive(), myChar, 0, 0, myMods);
    if (myCommand.mKey == kVKCapital) sScript.mCaps ^= kModCaps;
}

// Characters as a US keyboard types them: capitals and the upper marks with Shift held.
void ScriptPlayType(const ScriptCommand& myCommand) {
    for (char myChar : myCommand.mText) {
        const bool myShift =
            std::isupper(static_cast<unsigned char>(myChar)) || std::strchr(kShiftedMarks, myChar);
        ScriptQueue(kMsgChar, WindowActive(), static_cast<uint8_t>(myChar), 0, 0,
                    static_cast<uint8_t>((myShift ? kModShift : 0) | sScript.mCaps));
    }
}

void ScriptShot(const ScriptCommand& myCommand) {
    const Surface& mySurface = WindowSurface(myCommand.mWindow);
    if (!WindowExists(myCommand.mWindow) || !ImageWritePng(myCommand.mText, mySurface, gPalette)) {
        if (sScript.mError.empty())
            sScript.mError = sScript.mPath + " line " + std::to_string(myCommand.mLine) + ": cannot write " +
                             myCommand.mText;
    }
}

// Plays the drag under way; true once it has been released.
bool ScriptDragStep(const ScriptCommand& myCommand, uint32_t myNow) {
    const uint32_t myElapsed = myNow - sScript.mDragStart;
    if (myElapsed >= myCommand.mDuration) {
        ScriptCursor(myCommand.mWindow, myCommand.mX2, myCommand.mY2);
        ScriptQueue(kMsgButtonUp, myCommand.mWindow, 0, myCommand.mX2, myCommand.mY2, sScript.mCaps);
        sScript.mDragging = false;
        return true;
    }
    if (myNow - sScript.mDragLastMove >= kDragStep) {
        sScript.mDragLastMove = myNow;
        const int64_t myPart = myElapsed;
        const int myX =
            myCommand.mX + static_cast<int>((myCommand.mX2 - myCommand.mX) * myPart / myCommand.mDuration);
        const int myY =
            myCommand.mY + static_cast<int>((myCommand.mY2 - myCommand.mY) * myPart / myCommand.mDuration);
        ScriptCursor(myCommand.mWindow, myX, myY);
    }
    return false;
}

} // namespace

bool ScriptParse(const std::string& myText, std::vector<ScriptCommand>& myCommands, std::string& myError) {
    myCommands.clear();
    std::istringstream myLines(myText);
    std::string myLine;
    int myLineNumber = 0;
    uint32_t myLastTime = 0;
    while (std::getline(myLines, myLine)) {
        ++myLineNumber;
        if (!myLine.empty() && myLine.back() == '\r') myLine.pop_back();
        // A stray NUL would cut every message about the line short; the line is refused whole.
        if (myLine.find('\0') != std::string::npos) {
            myError =
                "line " + std::to_string(myLineNumber) + ": a NUL byte in \"" + ScriptShowLine(myLine) + "\"";
            return false;
        }
        const size_t myFirst = myLine.find_first_not_of(" \t");
        if (myFirst == std::string::npos || myLine[myFirst] == '#') continue;
        ScriptCommand myCommand;
        std::string myWhat;
        if (!ScriptParseLine(myLine.substr(myFirst), myLineNumber, myCommand, myWhat)) {
            myError = "line " + std::to_string(myLineNumber) + ": " + myWhat;
            return false;
        }
        if (myCommand.mTime < myLastTime) {
            myError = "line " + std::to_string(myLineNumber) + ": the time goes back before the line above";
            return false;
        }
        myLastTime = myCommand.mTime;
        myCommands.push_back(myCommand);
    }
    return true;
}

bool ScriptStart(const std::string& myPath, std::string& myError) {
    ScriptResetState();
    std::error_code myFault;
    if (std::filesystem::is_directory(myPath, myFault)) {
        myError = "cannot read the script " + myPath + ": it is a folder";
        return false;
    }
    std::ifstream myFile(myPath, std::ios::binary);
    if (!myFile) {
        myError = "cannot read the script " + myPath;
        return false;
    }
    std::stringstream myText;
    myText << myFile.rdbuf();
    std::string myWhat;
    if (!ScriptParse(myText.str(), sScript.mCommands, myWhat)) {
        myError = "script " + myPath + " " + myWhat;
        return false;
    }
    sScript.mPath = myPath;
    sScript.mStart = ClockTicks();
    sScript.mActive = true;
    return true;
}

void ScriptTurn() {
    if (!sScript.mActive) return;
    const uint32_t myNow = ClockTicks() - sScript.mStart;
    while (sScript.mNext < sScript.mCommands.size()) {
        const ScriptCommand& myCommand = sScript.mCommands[sScript.mNext];
        if (sScript.mDragging) {
            if (!ScriptDragStep(myCommand, myNow)) return;
            ++sScript.mNext;
            continue;
        }
        if (myCommand.mTime > myNow) return;
        switch (myCommand.mKind) {
        case kScriptKey:
            ScriptPlayKey(myCommand);
            break;
        case kScriptType:
            ScriptPlayType(myCommand);
            break;
        case kScriptClick:
        case kScriptRightClick: {
            const bool myLeft = myCommand.mKind == kScriptClick;
            ScriptCursor(myCommand.mWindow, myCommand.mX, myCommand.mY);
            ScriptQueue(myLeft ? kMsgButtonDown : kMsgRButtonDown, myCommand.mWindow, 0, myCommand.mX,
                        myCommand.mY, sScript.mCaps);
            ScriptQueue(myLeft ? kMsgButtonUp : kMsgRButtonUp, myCommand.mWindow, 0, myCommand.mX,
                        myCommand.mY, sScript.mCaps);
            break;
        }
        case kScriptMove:
            ScriptCursor(myCommand.mWindow, myCommand.mX, myCommand.mY);
            break;
        case kScriptWheel:
            ScriptCursor(myCommand.mWindow, myCommand.mX, myCommand.mY);
            WindowQueueMessage(kMsgMouseWheel, myCommand.mWindow, 0, myCommand.mNotches, myCommand.mX,
                               myCommand.mY, sScript.mCaps);
            break;
        case kScriptDrag:
            ScriptCursor(myCommand.mWindow, myCommand.mX, myCommand.mY);
            ScriptQueue(kMsgButtonDown, myCommand.mWindow, 0, myCommand.mX, myCommand.mY, sScript.mCaps);
            sScript.mDragging = true;
            sScript.mDragStart = myNow;
            sScript.mDragLastMove = myNow;
            return;
        case kScriptShot:
            if (WindowMessagesWaiting()) return;
            ScriptShot(myCommand);
            break;
        }
        ++sScript.mNext;
    }
}

bool ScriptRunning() {
    return sScript.mActive && sScript.mNext < sScript.mCommands.size();
}

const std::string& ScriptError() {
    return sScript.mError;
}

void ScriptResetState() {
    sScript = ScriptState();
}
