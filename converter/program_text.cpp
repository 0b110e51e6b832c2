// The assembler and disassembler of movement and effect programs. Every byte of a file has a spelling in
// the text (raw words as #hhhh, odd fields as hex), so disassembling any sound file and assembling the text
// gives the file back.
#include "converter/program_text.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>

#include "storage/format_program.h"

namespace {

constexpr int kMaxProgramBytes = 32760; // the sizes are signed 16-bit numbers
constexpr int kNotSetLock = -128;       // a parameter default that asks for a random value
// The header bytes after the type that the text spells out ("header-bytes"): a movement's up to its icon
// size, an effect's whole header.
constexpr int kMoveHeaderBytes = offsetof(MoveHeader, mIconSize) - 1;
constexpr int kEffectHeaderBytes = kEffectHeaderSize - 1;

// A language's words, and how its text is written.
struct Language {
    const char* mKeyword;
    const ProgramLanguage& mWords;
    bool mValueOnly; // colour effects use only the first and the last word
};

const Language kLanguages[3] = {
    {"movement", kLanguageMovement, false},
    {"colour-effect", kLanguageColorEffect, true},
    {"brush-effect", kLanguageBrushEffect, false},
};

// The two letters a word is spelt with.
std::string WordName(uint16_t myWord) {
    return {static_cast<char>(myWord >> 8), static_cast<char>(myWord & 0xFF)};
}

const char* const kSectionNames[3] = {"init", "reset", "update"};

// The icon's pixels that have a letter; other values make the icon be written as bytes.
const char kIconLetters[] = ".*+:rgybmc";
const uint8_t kIconValues[] = {0, 255, 248, 247, 249, 250, 251, 252, 253, 254};

std::string Hex4(uint16_t myWord) {
    char myText[8];
    std::snprintf(myText, sizeof(myText), "#%04x", myWord);
    return myText;
}

std::string HexBytes(const uint8_t* myBytes, size_t myCount) {
    std::string myText = "#";
    char myPair[4];
    for (size_t i = 0; i < myCount; ++i) {
        std::snprintf(myPair, sizeof(myPair), "%02x", myBytes[i]);
        myText += myPair;
    }
    return myText;
}

// ---- Writing the text --------------------------------------------------------------------------------

// A zero-padded text field as a quoted string, or as hex when it holds anything a string cannot say.
std::string FieldText(const uint8_t* myBytes, int mySize) {
    int myLength = 0;
    while (myLength < mySize && myBytes[myLength])
        ++myLength;
    bool myPlain = myLength < mySize;
    for (int i = 0; i < myLength; ++i)
        if (myBytes[i] < 32 || myBytes[i] > 126 || myBytes[i] == '"') myPlain = false;
    for (int i = myLength; i < mySize; ++i)
        if (myBytes[i]) myPlain = false;
    if (myPlain) return "\"" + std::string(reinterpret_cast<const char*>(myBytes), myLength) + "\"";
    int myUsed = mySize;
    while (myUsed > 0 && !myBytes[myUsed - 1])
        --myUsed;
    return HexBytes(myBytes, static_cast<size_t>(myUsed));
}

std::string OperandText(const Language& myLanguage, uint16_t myWord) {
    const ProgramLanguage& myWords = myLanguage.mWords;
    if (myWord == 0) return "0";
    for (uint16_t myKnown : myWords.mOperands)
        if (myKnown == myWord) return WordName(myKnown);
    if (myWord >= kVariableBase && myWord < kVariableBase + myWords.mVariables)
        return "v" + std::to_string(myWord - kVariableBase);
    if (myWord >= kParameterBase && myWord < kParameterBase + myWords.mParameters)
        return "p" + std::to_string(myWord - kParameterBase);
    const int myHigh = myWord >> 8;
    const bool myTaken = (myWords.mVariables && myHigh == (kVariableBase >> 8)) ||
                         (myWords.mParameters && myHigh == (kParameterBase >> 8));
    if ((myWord & 0xFF) == 0 && !myTaken) return std::to_string(myHigh);
    return Hex4(myWord);
}

std::string DestinationText(const Language& myLanguage, uint16_t myWord) {
    for (uint16_t myKnown : myLanguage.mWords.mDestinations)
        if (myKnown == myWord) return WordName(myKnown);
    if (myWord >= kVariableBase && myWord < kVariableBase + myLanguage.mWords.mVariables)
        return "v" + std::to_string(myWord - kVariableBase);
    return Hex4(myWord);
}

const ProgramOperation* FindOperation(const Language& myLanguage, uint16_t myWord) {
    for (const ProgramOperation& myOp : myLanguage.mWords.mOperations)
        if (myOp.mWord == myWord) return &myOp;
    return nullptr;
}

const ProgramInstruction& InstructionAt(const uint8_t* myCode, int myIndex) {
    return *reinterpret_cast<const ProgramInstruction*>(myCode + kInstructionBytes * myIndex);
}

// Operand A (1) or B (2) of an instruction.
const uint8_t* OperandAt(const ProgramInstruction& myInstruction, int myOperand) {
    return myOperand == 1 ? myInstruction.mA : myInstruction.mB;
}

void WriteProgram(const Language& myLanguage, const uint8_t* myCode, int mySize, std::string& myText) {
    const int myCount = mySize / kInstructionBytes;
    std::map<int, std::string> myLabels;
    std::vector<int> myTargets(static_cast<size_t>(myCount), -1);
    for (int i = 0; i < myCount; ++i) {
        const ProgramInstruction& myAt = InstructionAt(myCode, i);
        const ProgramOperation* myOp = FindOperation(myLanguage, BytesWord(myAt.mOperation));
        if (!myOp || !myOp->mSkip) continue;
        const uint16_t mySkipWord = BytesWord(OperandAt(myAt, myOp->mSkip));
        if (OperandText(myLanguage, mySkipWord).find_first_not_of("0123456789") != std::string::npos)
            continue;
        const int myTarget = i + 1 + (mySkipWord >> 8);
        if (myTarget > myCount) continue;
        myTargets[static_cast<size_t>(i)] = myTarget;
        myLabels[myTarget] = "";
    }
    int myNumber = 0;
    for (auto& myLabel : myLabels)
        myLabel.second = "L" + std::to_string(++myNumber);
    for (int i = 0; i <= myCount; ++i) {
        if (myLabels.count(i)) myText += myLabels[i] + ":\n";
        if (i == myCount) break;
        const ProgramInstruction& myAt = InstructionAt(myCode, i);
        const uint16_t myOpWord = BytesWord(myAt.mOperation);
        const ProgramOperation* myOp = FindOperation(myLanguage, myOpWord);
        std::string myLine = "  " + (myOp ? WordName(myOp->mWord) : Hex4(myOpWord));
        const uint16_t myA = BytesWord(myAt.mA), myB = BytesWord(myAt.mB);
        if (myLanguage.mValueOnly) {
            myLine += " " + OperandText(myLanguage, BytesWord(myAt.mDest));
            if (myA || myB) myLine += " " + Hex4(myA) + " " + Hex4(myB);
        } else {
            std::string myOperands[2] = {OperandText(myLanguage, myA), OperandText(myLanguage, myB)};
            if (myTargets[static_cast<size_t>(i)] >= 0)
                myOperands[myOp->mSkip - 1] = "@" + myLabels[myTargets[static_cast<size_t>(i)]];
            int myShown = 2;
            while (myShown > 0 && myOperands[myShown - 1] == "0")
                --myShown;
            myLine += " " + DestinationText(myLanguage, BytesWord(myAt.mDest));
            for (int j = 0; j < myShown; ++j)
                myLine += " " + myOperands[j];
        }
        myText += myLine + "\n";
    }
}

// The icon as 24 rows of letters when its bytes are exactly what the assembler would write for them.
bool IconRows(const uint8_t* myBytes, int mySize, std::vector<uint8_t>& myPixels);
std::vector<uint8_t> IconEncode(const std::vector<uint8_t>& myPixels);

void WriteIcon(const uint8_t* myBytes, int mySize, std::string& myText) {
    std::vector<uint8_t> myPixels;
    if (IconRows(myBytes, mySize, myPixels) &&
        IconEncode(myPixels) == std::vector<uint8_t>(myBytes, myBytes + mySize)) {
        bool myLettered = true;
        std::string myRows;
        for (int i = 0; i < kMoveIconSide * kMoveIconSide && myLettered; ++i) {
            const void* myHit =
                std::memchr(kIconValues, myPixels[static_cast<size_t>(i)], sizeof(kIconValues));
            myLettered = myHit != nullptr;
            if (myHit) myRows += kIconLetters[static_cast<const uint8_t*>(myHit) - kIconValues];
            if (i % kMoveIconSide == kMoveIconSide - 1) myRows += "\n";
        }
        if (myLettered) {
            myText += "icon\n" + myRows;
            return;
        }
    }
    myText += "icon-bytes " +
              (mySize ? HexBytes(myBytes, static_cast<size_t>(mySize)) : std::string("none")) + "\n";
}

bool IconRows(const uint8_t* myBytes, int mySize, std::vector<uint8_t>& myPixels) {
    myPixels.clear();
    for (int i = 0; i < mySize; ++i) {
        const uint8_t myValue = myBytes[i];
        const int myRun = (myValue >= 21 && myValue <= 200) ? myValue - 19 : 1;
        const size_t myColumn = myPixels.size() % kMoveIconSide;
        if (myColumn + static_cast<size_t>(myRun) > kMoveIconSide) return false;
        myPixels.insert(myPixels.end(), static_cast<size_t>(myRun), myRun > 1 ? 0 : myValue);
    }
    return myPixels.size() == kMoveIconSide * kMoveIconSide;
}

std::vector<uint8_t> IconEncode(const std::vector<uint8_t>& myPixels) {
    std::vector<uint8_t> myBytes;
    for (int myRow = 0; myRow < kMoveIconSide; ++myRow) {
        const uint8_t* myLine = myPixels.data() + myRow * kMoveIconSide;
        for (int x = 0; x < kMoveIconSide;) {
            int myRun = 0;
            while (x + myRun < kMoveIconSide && myLine[x + myRun] == 0)
                ++myRun;
            if (myRun >= 2) {
                myBytes.push_back(static_cast<uint8_t>(myRun + 19));
                x += myRun;
            } else {
                myBytes.push_back(myLine[x++]);
            }
        }
    }
    return myBytes;
}

// ---- Reading the text --------------------------------------------------------------------------------

struct Line {
    int mNumber;
    std::vector<std::string> mWords;
};

ConvertResult LineError(int myLine, const std::string& myWhat) {
    return {false, "Line " + std::to_string(myLine) + ": " + myWhat};
}

// Splits a line into words; a quoted string is one word (with its quotes); '#' after a blank, or ';',
// starts a comment unless it opens a hex word.
bool SplitLine(const std::string& myText, std::vector<std::string>& myWords) {
    size_t i = 0;
    while (i < myText.size()) {
        const char myChar = myText[i];
        if (myChar == ' ' || myChar == '\t' || myChar == '\r') {
            ++i;
        } else if (myChar == ';' ||
                   (myChar == '#' &&
                    (i + 1 >= myText.size() || !std::isxdigit(static_cast<unsigned char>(myText[i + 1]))))) {
            break;
        } else if (myChar == '"') {
            const size_t myEnd = myText.find('"', i + 1);
            if (myEnd == std::string::npos) return false;
            myWords.push_back(myText.substr(i, myEnd - i + 1));
            i = myEnd + 1;
        } else {
            size_t myEnd = i;
            while (myEnd < myText.size() && myText[myEnd] != ' ' && myText[myEnd] != '\t' &&
                   myText[myEnd] != '\r')
                ++myEnd;
            myWords.push_back(myText.substr(i, myEnd - i));
            i = myEnd;
        }
    }
    return true;
}

bool ParseNumber(const std::string& myWord, int myLow, int myHigh, int& myValue) {
    if (myWord.empty() || myWord.size() > 6) return false;
    size_t i = myWord[0] == '-' ? 1 : 0;
    if (i == myWord.size()) return false;
    int myNumber = 0;
    for (; i < myWord.size(); ++i) {
        if (myWord[i] < '0' || myWord[i] > '9') return false;
        myNumber = myNumber * 10 + (myWord[i] - '0');
    }
    myValue = myWord[0] == '-' ? -myNumber : myNumber;
    return myValue >= myLow && myValue <= myHigh;
}

bool ParseHex(const std::string& myWord, std::vector<uint8_t>& myBytes) {
    if (myWord.empty() || myWord[0] != '#' || myWord.size() % 2 == 0) return false;
    myBytes.clear();
    for (size_t i = 1; i < myWord.size(); i += 2) {
        unsigned myByte = 0;
        if (!std::isxdigit(static_cast<unsigned char>(myWord[i])) ||
            !std::isxdigit(static_cast<unsigned char>(myWord[i + 1])) ||
            std::sscanf(myWord.c_str() + i, "%2x", &myByte) != 1)
            return false;
        myBytes.push_back(static_cast<uint8_t>(myByte));
    }
    return true;
}

bool ParseRawWord(const std::string& myWord, uint16_t& myValue) {
    std::vector<uint8_t> myBytes;
    if (myWord.size() != 5 || !ParseHex(myWord, myBytes)) return false;
    myValue = static_cast<uint16_t>((myBytes[0] << 8) | myBytes[1]);
    return true;
}

// A text field: a quoted string shorter than the field, or hex bytes no longer than it.
bool ParseField(const std::string& myWord, int mySize, uint8_t* myDest, std::string& myWhy) {
    std::memset(myDest, 0, static_cast<size_t>(mySize));
    if (myWord.size() >= 2 && myWord.front() == '"') {
        const std::string myInner = myWord.substr(1, myWord.size() - 2);
        if (static_cast<int>(myInner.size()) >= mySize) {
            myWhy = "the text is longer than " + std::to_string(mySize - 1) + " letters.";
            return false;
        }
        std::memcpy(myDest, myInner.data(), myInner.size());
        return true;
    }
    std::vector<uint8_t> myBytes;
    if (!ParseHex(myWord, myBytes) || static_cast<int>(myBytes.size()) > mySize) {
        myWhy = "expected a quoted text or at most " + std::to_string(mySize) + " hex bytes.";
        return false;
    }
    std::memcpy(myDest, myBytes.data(), myBytes.size());
    return true;
}

struct Pending {
    int mLine;
    size_t mAt; // byte offset of the operand word in the program
    int mIndex; // the instruction that skips
    std::string mLabel;
};

struct Program {
    std::vector<uint8_t> mBytes;
    std::map<std::string, int> mLabels;
    std::vector<Pending> mPending;
    bool mSeen = false;
};

bool ParseOperand(const Language& myLanguage, const std::string& myWord, uint16_t& myValue,
                  std::string& myWhy) {
    for (uint16_t myKnown : myLanguage.mWords.mOperands)
        if (myWord == WordName(myKnown)) return myValue = myKnown, true;
    int myNumber = 0;
    if (myWord.size() >= 2 && (myWord[0] == 'v' || myWord[0] == 'p') &&
        ParseNumber(myWord.substr(1), 0, 99, myNumber)) {
        const int myLimit = myWord[0] == 'v' ? myLanguage.mWords.mVariables : myLanguage.mWords.mParameters;
        if (myNumber >= myLimit) {
            myWhy = myLimit ? "there is no " + myWord + " (" + myWord[0] + "0-" + myWord[0] +
                                  std::to_string(myLimit - 1) + ")."
                            : "this language has no " +
                                  std::string(myWord[0] == 'v' ? "variables." : "parameters.");
            return false;
        }
        myValue = static_cast<uint16_t>((myWord[0] == 'v' ? kVariableBase : kParameterBase) + myNumber);
        return true;
    }
    if (ParseNumber(myWord, 0, 255, myNumber)) {
        if ((myLanguage.mWords.mVariables && myNumber == (kVariableBase >> 8)) ||
            (myLanguage.mWords.mParameters && myNumber == (kParameterBase >> 8))) {
            myWhy = "the literal " + myWord + " has the code of " + (myNumber == 126 ? "v0." : "p0.");
            return false;
        }
        myValue = static_cast<uint16_t>(myNumber << 8);
        return true;
    }
    if (ParseRawWord(myWord, myValue)) return true;
    myWhy = "unknown operand \"" + myWord + "\".";
    return false;
}

bool ParseDestination(const Language& myLanguage, const std::string& myWord, uint16_t& myValue,
                      std::string& myWhy) {
    for (uint16_t myKnown : myLanguage.mWords.mDestinations)
        if (myWord == WordName(myKnown)) return myValue = myKnown, true;
    int myNumber = 0;
    if (myWord.size() >= 2 && myWord[0] == 'v' && ParseNumber(myWord.substr(1), 0, 99, myNumber) &&
        myNumber < myLanguage.mWords.mVariables) {
        myValue = static_cast<uint16_t>(kVariableBase + myNumber);
        return true;
    }
    if (ParseRawWord(myWord, myValue)) return true;
    myWhy = "\"" + myWord + "\" cannot be written to.";
    return false;
}

ConvertResult AssembleInstruction(const Language& myLanguage, const Line& myLine, Program& myProgram) {
    const std::vector<std::string>& myWords = myLine.mWords;
    uint16_t myOpWord = 0;
    const ProgramOperation* myOp = nullptr;
    for (const ProgramOperation& myKnown : myLanguage.mWords.mOperations)
        if (myWords[0] == WordName(myKnown.mWord)) myOp = &myKnown;
    if (myOp)
        myOpWord = myOp->mWord;
    else if (!ParseRawWord(myWords[0], myOpWord))
        return LineError(myLine.mNumber, "unknown operation \"" + myWords[0] + "\".");
    std::string myWhy;
    uint16_t myFields[3] = {0, 0, 0};
    if (myWords.size() < 2 || myWords.size() > 4)
        return LineError(myLine.mNumber, myLanguage.mValueOnly ? "expected an operation and a value."
                                                               : "expected an operation, a destination and "
                                                                 "up to two operands.");
    const int myIndex = static_cast<int>(myProgram.mBytes.size() / kInstructionBytes);
    if (myLanguage.mValueOnly) {
        if (myWords.size() == 3) return LineError(myLine.mNumber, "the raw middle words come in pairs.");
        if (!ParseOperand(myLanguage, myWords[1], myFields[0], myWhy))
            return LineError(myLine.mNumber, myWhy);
        for (size_t j = 2; j < myWords.size(); ++j)
            if (!ParseRawWord(myWords[j], myFields[j - 1]))
                return LineError(myLine.mNumber, "the middle words are written #hhhh.");
    } else {
        if (!ParseDestination(myLanguage, myWords[1], myFields[0], myWhy))
            return LineError(myLine.mNumber, myWhy);
        for (size_t j = 2; j < myWords.size(); ++j) {
            if (myWords[j][0] == '@') {
                if (!myOp || myOp->mSkip != static_cast<int>(j - 1))
                    return LineError(myLine.mNumber,
                                     "a label can only be the number of instructions to skip.");
                const size_t myOperand =
                    j == 2 ? offsetof(ProgramInstruction, mA) : offsetof(ProgramInstruction, mB);
                myProgram.mPending.push_back(
                    {myLine.mNumber, myOperand + kInstructionBytes * myIndex, myIndex, myWords[j].substr(1)});
            } else if (!ParseOperand(myLanguage, myWords[j], myFields[j - 1], myWhy)) {
                return LineError(myLine.mNumber, myWhy);
            }
        }
    }
    if (myProgram.mBytes.size() + kInstructionBytes > kMaxProgramBytes)
        return LineError(myLine.mNumber, "the program is longer than 4095 instructions.");
    ProgramAddInstruction(myProgram.mBytes, myFields[0], myFields[1], myFields[2], myOpWord);
    return {true, ""};
}

ConvertResult ResolveLabels(Program& myProgram) {
    for (const Pending& myRef : myProgram.mPending) {
        const auto myHit = myProgram.mLabels.find(myRef.mLabel);
        if (myHit == myProgram.mLabels.end())
            return LineError(myRef.mLine, "no label \"" + myRef.mLabel + "\" in this program.");
        const int mySkip = myHit->second - myRef.mIndex - 1;
        if (mySkip < 0)
            return LineError(myRef.mLine, "skips go forward only: \"" + myRef.mLabel + "\" lies before.");
        if (mySkip > 255)
            return LineError(myRef.mLine, "\"" + myRef.mLabel + "\" lies more than 255 instructions on.");
        myProgram.mBytes[myRef.mAt] = static_cast<uint8_t>(mySkip);
        myProgram.mBytes[myRef.mAt + 1] = 0;
    }
    return {true, ""};
}

struct Parameter {
    int8_t mMin = 0, mMax = 0, mLock = 0;
    uint8_t mName[kParamNameSize] = {};
    uint8_t mDesc[kParamDescSize] = {};
};

struct Assembly {
    const Language* mLanguage = nullptr;
    uint8_t mHeader[kMoveHeaderBytes] = {0, 1, 0, 0}; // reserved, version, then the unread bytes
    std::vector<uint8_t> mDescription;
    uint8_t mCentred = 0;
    std::vector<Parameter> mParameters;
    std::vector<uint8_t> mIcon;
    bool mIconSeen = false;
    std::vector<uint8_t> mTrailing;
    Program mPrograms[3];
};

ConvertResult AssembleStatement(Assembly& myAsm, const Line& myLine, const std::vector<Line>& myLines,
                                size_t& myNext) {
    const std::vector<std::string>& myWords = myLine.mWords;
    const std::string& myKey = myWords[0];
    const bool myMovement = myAsm.mLanguage->mWords.mType == kTypeMovement;
    std::string myWhy;
    const int myHeaderBytes = myMovement ? kMoveHeaderBytes : kEffectHeaderBytes;
    if (myKey == "description" && myWords.size() == 2) {
        if (!ParseField(myWords[1], static_cast<int>(myAsm.mDescription.size()), myAsm.mDescription.data(),
                        myWhy))
            return LineError(myLine.mNumber, myWhy);
    } else if (myKey == "header-bytes" && static_cast<int>(myWords.size()) == 1 + myHeaderBytes) {
        for (int i = 0; i < myHeaderBytes; ++i) {
            int myValue = 0;
            if (!ParseNumber(myWords[static_cast<size_t>(i) + 1], 0, 255, myValue))
                return LineError(myLine.mNumber, "header bytes are numbers 0-255.");
            myAsm.mHeader[i] = static_cast<uint8_t>(myValue);
        }
    } else if (myKey == "trailing" && myWords.size() == 2) {
        if (!ParseHex(myWords[1], myAsm.mTrailing))
            return LineError(myLine.mNumber, "trailing bytes are hex.");
    } else if (myMovement && myKey == "centred" && myWords.size() == 2) {
        int myValue = 0;
        if (myWords[1] == "yes")
            myAsm.mCentred = 1;
        else if (myWords[1] == "no")
            myAsm.mCentred = 0;
        else if (ParseNumber(myWords[1], 0, 255, myValue))
            myAsm.mCentred = static_cast<uint8_t>(myValue);
        else
            return LineError(myLine.mNumber, "centred is yes or no.");
    } else if (myMovement && myKey == "param") {
        if (myWords.size() != 6)
            return LineError(myLine.mNumber,
                             "expected: param MIN MAX DEFAULT|random \"name\" \"description\".");
        if (myAsm.mParameters.size() == 3)
            return LineError(myLine.mNumber, "a movement has at most 3 parameters.");
        Parameter myParam;
        int myMin = 0, myMax = 0, myLock = 0;
        if (!ParseNumber(myWords[1], -128, 127, myMin) || !ParseNumber(myWords[2], -128, 127, myMax))
            return LineError(myLine.mNumber, "the range is two numbers from -128 to 127.");
        if (myMin > myMax) return LineError(myLine.mNumber, "the minimum is larger than the maximum.");
        if (myWords[3] == "random")
            myLock = kNotSetLock;
        else if (!ParseNumber(myWords[3], -127, 127, myLock))
            return LineError(myLine.mNumber, "the default is a number from -127 to 127 or random.");
        myParam.mMin = static_cast<int8_t>(myMin);
        myParam.mMax = static_cast<int8_t>(myMax);
        myParam.mLock = static_cast<int8_t>(myLock);
        if (!ParseField(myWords[4], kParamNameSize, myParam.mName, myWhy) ||
            !ParseField(myWords[5], kParamDescSize, myParam.mDesc, myWhy))
            return LineError(myLine.mNumber, myWhy);
        myAsm.mParameters.push_back(myParam);
    } else if (myMovement && myKey == "icon-bytes" && myWords.size() == 2) {
        if (myWords[1] == "none")
            myAsm.mIcon.clear();
        else if (!ParseHex(myWords[1], myAsm.mIcon) || myAsm.mIcon.size() > 32767)
            return LineError(myLine.mNumber, "icon bytes are hex.");
        myAsm.mIconSeen = true;
    } else if (myMovement && myKey == "icon" && myWords.size() == 1) {
        std::vector<uint8_t> myPixels;
        for (int myRow = 0; myRow < kMoveIconSide; ++myRow, ++myNext) {
            if (myNext >= myLines.size() || myLines[myNext].mWords.size() != 1 ||
                myLines[myNext].mWords[0].size() != kMoveIconSide)
                return LineError(myNext < myLines.size() ? myLines[myNext].mNumber : myLine.mNumber,
                                 "the icon is 24 rows of 24 letters.");
            for (char myLetter : myLines[myNext].mWords[0]) {
                const char* myHit = std::strchr(kIconLetters, myLetter);
                if (!myHit || !myLetter)
                    return LineError(myLines[myNext].mNumber,
                                     std::string("icon letters are ") + kIconLetters + " only.");
                myPixels.push_back(kIconValues[myHit - kIconLetters]);
            }
        }
        myAsm.mIcon = IconEncode(myPixels);
        myAsm.mIconSeen = true;
    } else {
        return LineError(myLine.mNumber, "unknown statement \"" + myKey + "\".");
    }
    return {true, ""};
}

void BuildFile(const Assembly& myAsm, std::vector<uint8_t>& myFile) {
    const bool myMovement = myAsm.mLanguage->mWords.mType == kTypeMovement;
    myFile.clear();
    myFile.push_back(static_cast<uint8_t>(myAsm.mLanguage->mWords.mType));
    myFile.insert(myFile.end(), myAsm.mHeader,
                  myAsm.mHeader + (myMovement ? kMoveHeaderBytes : kEffectHeaderBytes));
    if (myMovement) BytesAdd16(myFile, static_cast<int64_t>(myAsm.mIcon.size()));
    myFile.insert(myFile.end(), myAsm.mDescription.begin(), myAsm.mDescription.end());
    if (myMovement) {
        myFile.insert(myFile.end(), myAsm.mIcon.begin(), myAsm.mIcon.end());
        myFile.push_back(myAsm.mCentred);
        myFile.push_back(static_cast<uint8_t>(myAsm.mParameters.size()));
        for (const Parameter& myParam : myAsm.mParameters)
            myFile.push_back(static_cast<uint8_t>(myParam.mMin));
        for (const Parameter& myParam : myAsm.mParameters)
            myFile.push_back(static_cast<uint8_t>(myParam.mMax));
        for (const Parameter& myParam : myAsm.mParameters)
            myFile.push_back(static_cast<uint8_t>(myParam.mLock));
        for (const Parameter& myParam : myAsm.mParameters)
            myFile.insert(myFile.end(), myParam.mName, myParam.mName + kParamNameSize);
        for (const Parameter& myParam : myAsm.mParameters)
            myFile.insert(myFile.end(), myParam.mDesc, myParam.mDesc + kParamDescSize);
    }
    for (const Program& myProgram : myAsm.mPrograms)
        BytesAdd16(myFile, static_cast<int64_t>(myProgram.mBytes.size()));
    for (const Program& myProgram : myAsm.mPrograms)
        myFile.insert(myFile.end(), myProgram.mBytes.begin(), myProgram.mBytes.end());
    myFile.insert(myFile.end(), myAsm.mTrailing.begin(), myAsm.mTrailing.end());
}

} // namespace

ConvertResult ProgramAssemble(const std::string& myText, ProgramKind& myKind, std::vector<uint8_t>& myFile) {
    std::vector<Line> myLines;
    std::istringstream myStream(myText);
    std::string myRaw;
    for (int myNumber = 1; std::getline(myStream, myRaw); ++myNumber) {
        Line myLine{myNumber, {}};
        if (!SplitLine(myRaw, myLine.mWords)) return LineError(myNumber, "a quoted text is not closed.");
        if (!myLine.mWords.empty()) myLines.push_back(myLine);
    }
    if (myLines.empty())
        return {false, "The program is empty: it must start with movement, colour-effect or "
                       "brush-effect."};
    Assembly myAsm;
    for (int i = 0; i < 3; ++i)
        if (myLines[0].mWords.size() == 1 && myLines[0].mWords[0] == kLanguages[i].mKeyword) {
            myAsm.mLanguage = &kLanguages[i];
            myKind = static_cast<ProgramKind>(i);
        }
    if (!myAsm.mLanguage)
        return LineError(myLines[0].mNumber,
                         "the first statement must be movement, colour-effect or brush-effect.");
    const bool myMovement = myAsm.mLanguage->mWords.mType == kTypeMovement;
    myAsm.mDescription.assign(myMovement ? kMoveDescriptionSize : kEffectDescriptionSize, 0);
    int mySection = -1;
    for (size_t i = 1; i < myLines.size();) {
        const Line& myLine = myLines[i++];
        const std::string& myKey = myLine.mWords[0];
        int myStarted = -1;
        for (int s = 0; s < 3; ++s)
            if (myLine.mWords.size() == 1 && myKey == kSectionNames[s]) myStarted = s;
        if (myStarted >= 0) {
            if (myAsm.mPrograms[myStarted].mSeen)
                return LineError(myLine.mNumber, "the " + myKey + " program was already given.");
            myAsm.mPrograms[myStarted].mSeen = true;
            mySection = myStarted;
            continue;
        }
        if (mySection >= 0 && myLine.mWords.size() == 1 && myKey.size() > 1 && myKey.back() == ':') {
            const std::string myLabel = myKey.substr(0, myKey.size() - 1);
            Program& myProgram = myAsm.mPrograms[mySection];
            if (myProgram.mLabels.count(myLabel))
                return LineError(myLine.mNumber, "the label \"" + myLabel + "\" is given twice.");
            myProgram.mLabels[myLabel] = static_cast<int>(myProgram.mBytes.size() / kInstructionBytes);
            continue;
        }
        ConvertResult myResult =
            mySection >= 0 && (myKey.size() == 2 || myKey[0] == '#')
                ? AssembleInstruction(*myAsm.mLanguage, myLine, myAsm.mPrograms[mySection])
                : AssembleStatement(myAsm, myLine, myLines, i);
        if (!myResult.mOk) return myResult;
    }
    for (Program& myProgram : myAsm.mPrograms) {
        ConvertResult myResult = ResolveLabels(myProgram);
        if (!myResult.mOk) return myResult;
    }
    if (myMovement && !myAsm.mIconSeen)
        myAsm.mIcon = IconEncode(std::vector<uint8_t>(kMoveIconSide * kMoveIconSide, 0));
    BuildFile(myAsm, myFile);
    return {true, "Program assembled."};
}

ConvertResult ProgramDisassemble(const uint8_t* myData, size_t mySize, std::string& myText) {
    myText.clear();
    if (mySize < 1) return {false, "Damaged file: shorter than a header."};
    const Language* myLanguage = nullptr;
    for (const Language& myKnown : kLanguages)
        if (myData[0] == static_cast<uint8_t>(myKnown.mWords.mType)) myLanguage = &myKnown;
    if (!myLanguage) return {false, "Not a valid file!"};
    const bool myMovement = myLanguage->mWords.mType == kTypeMovement;
    const size_t myHeaderBytes = myMovement ? kMoveHeaderBytes : kEffectHeaderBytes;
    const size_t mySkipped = myMovement ? kMoveDescriptionSize : kEffectDescriptionSize;
    size_t myAt = myMovement ? kMoveHeaderSize : kEffectHeaderSize;
    if (mySize < myAt + mySkipped) return {false, "Damaged file: the header is cut short."};
    std::string myOut = std::string(myLanguage->mKeyword) + "\n";
    const uint8_t myDefaults[kMoveHeaderBytes] = {0, 1, 0, 0};
    if (std::memcmp(myData + 1, myDefaults, myHeaderBytes) != 0) {
        myOut += "header-bytes";
        for (size_t i = 0; i < myHeaderBytes; ++i)
            myOut += " " + std::to_string(myData[1 + i]);
        myOut += "\n";
    }
    myOut += "description " + FieldText(myData + myAt, static_cast<int>(mySkipped)) + "\n";
    myAt += mySkipped;
    if (myMovement) {
        const int myIconSize = BytesI16(myData + offsetof(MoveHeader, mIconSize));
        if (myIconSize < 0 || mySize < myAt + static_cast<size_t>(myIconSize) + 2)
            return {false, "Damaged file: the icon reaches past the end of the file."};
        const uint8_t* myIcon = myData + myAt;
        myAt += static_cast<size_t>(myIconSize);
        const uint8_t myCentred = myData[myAt];
        const int myParams = myData[myAt + 1];
        myAt += 2;
        if (myParams > 3) return {false, "Damaged file: more than 3 parameters."};
        if (mySize < myAt + static_cast<size_t>(myParams) * kParamBytes)
            return {false, "Damaged file: the parameters lie past the end of the file."};
        myOut += "centred " +
                 std::string(myCentred == 1   ? "yes"
                             : myCentred == 0 ? "no"
                                              : std::to_string(myCentred)) +
                 "\n";
        for (int p = 0; p < myParams; ++p) {
            const int myMin = static_cast<int8_t>(myData[myAt + p]);
            const int myMax = static_cast<int8_t>(myData[myAt + myParams + p]);
            const int myLock = static_cast<int8_t>(myData[myAt + 2 * myParams + p]);
            if (myMin > myMax) return {false, "Damaged file: a parameter's minimum is above its maximum."};
            const uint8_t* myName = myData + myAt + 3 * myParams + kParamNameSize * p;
            const uint8_t* myDesc = myData + myAt + (3 + kParamNameSize) * myParams + kParamDescSize * p;
            myOut += "param " + std::to_string(myMin) + " " + std::to_string(myMax) + " " +
                     (myLock == kNotSetLock ? std::string("random") : std::to_string(myLock)) + " " +
                     FieldText(myName, kParamNameSize) + " " + FieldText(myDesc, kParamDescSize) + "\n";
        }
        myAt += static_cast<size_t>(myParams) * kParamBytes;
        WriteIcon(myIcon, myIconSize, myOut);
    }
    if (mySize < myAt + kCodeSizesBytes)
        return {false, "Damaged file: the program sizes lie past the end of the file."};
    int mySizes[3];
    size_t myCode = myAt + kCodeSizesBytes;
    for (int s = 0; s < 3; ++s) {
        mySizes[s] = BytesI16(myData + myAt + 2 * s);
        if (mySizes[s] < 0 || mySizes[s] % kInstructionBytes != 0)
            return {false, std::string("Damaged file: the ") + kSectionNames[s] +
                               " program is not a whole number of instructions."};
    }
    for (int s = 0; s < 3; ++s) {
        if (mySize < myCode + static_cast<size_t>(mySizes[s]))
            return {false, "Damaged file: the programs reach past the end of the file."};
        if (mySizes[s] > 0) {
            myOut += std::string(kSectionNames[s]) + "\n";
            WriteProgram(*myLanguage, myData + myCode, mySizes[s], myOut);
        }
        myCode += static_cast<size_t>(mySizes[s]);
    }
    if (myCode < mySize) myOut += "trailing " + HexBytes(myData + myCode, mySize - myCode) + "\n";
    myText = myOut;
    return {true, "The file is sound."};
}
