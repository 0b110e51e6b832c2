// Pixelmill's command line: converts bitmaps into brushes and fills, and inspects component files.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "converter/bitmap_reader.h"
#include "converter/convert.h"
#include "converter/gradient_text.h"
#include "converter/info.h"
#include "converter/program_text.h"
#include "converter/sheet.h"
#include "storage/file.h"
#include "storage/format_bytes.h"

namespace {

const char* kPixelmillUsage =
    "Usage:\n"
    "  pixelmill brush IN.bmp -o OUT.bru [options]\n"
    "  pixelmill fill IN.bmp -o OUT.fil [options]\n"
    "  pixelmill info FILE [--pixels OUT.pgm] [--mask OUT.pgm] [--icon OUT.pgm] [--text OUT.txt]\n"
    "  pixelmill movement PROGRAM.txt -o NAME.mvm\n"
    "  pixelmill effect PROGRAM.txt -o NAME.efc|NAME.efb\n"
    "  pixelmill gradient STOPS.txt -o NAME.gra\n"
    "  pixelmill sheet DIR -o SHEET.png [--gradient NAME]\n"
    "\n"
    "info describes and checks any file of the program folder: brushes, fills, gradients, movements,\n"
    "effects, styles and sets. It prints a movement's or effect's program in its text form (--text writes\n"
    "it to a file).\n"
    "\n"
    "Conversion options:\n"
    "  --frames N          frames in the bitmap strip (brushes; default: the title's trailing digits, else "
    "1)\n"
    "  --multiply N        repeat the strip N times (brushes; default 1)\n"
    "  --sections N        sections of the primary (green) gradient (default 2)\n"
    "  --sections2 N       sections of the secondary (red) gradient (default 2)\n"
    "  --spread-primary    spread the frames along the primary gradient\n"
    "  --spread-secondary  spread the frames along the secondary gradient\n"
    "  --fixed-colors      keep every colour that is not black or white exactly\n"
    "  --second-gradient   pure red shades go to the secondary gradient\n"
    "  --blue-mask         pure blue pixels become mask pixels (brushes)\n"
    "  --beat-frame        the last frame is shown only on a beat (brushes)\n"
    "  --palindrome        the animation runs forward then backward (brushes)\n"
    "The output name may have at most 15 letters before its extension; blanks become '_'.\n";

void PixelmillSay(const std::string& myText) {
    std::printf("%s\n", myText.c_str());
}

// The number boxes hold at most three digits; anything else is refused rather than guessed at.
bool PixelmillNumber(const char* myText, int& myValue) {
    if (!myText || !*myText || std::strlen(myText) > 3) return false;
    myValue = 0;
    for (const char* p = myText; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
        myValue = myValue * 10 + (*p - '0');
    }
    return true;
}

// Every file Pixelmill writes is written beside its name and renamed over it when whole, so a full disk
// leaves an older file of that name as it was. A failure says which file and why.
bool PixelmillWriteBytes(const std::string& myPath, const void* myBytes, size_t myCount) {
    const int16_t myCode = FileReplacePath(myPath, myBytes, static_cast<int32_t>(myCount));
    if (myCode == 0) return true;
    PixelmillSay("File write error! " + myPath + ": " + std::strerror(myCode));
    return false;
}

bool PixelmillWritePgm(const std::string& myPath, const ConvertInfoPicture& myPicture) {
    const std::string myHeader =
        "P5\n" + std::to_string(myPicture.mWidth) + " " + std::to_string(myPicture.mHeight) + "\n255\n";
    std::vector<uint8_t> myBytes(myHeader.begin(), myHeader.end());
    for (int y = 0; y < myPicture.mHeight; ++y)
        myBytes.insert(myBytes.end(), myPicture.mSurface.Row(y),
                       myPicture.mSurface.Row(y) + myPicture.mWidth);
    return PixelmillWriteBytes(myPath, myBytes.data(), myBytes.size());
}

// An input read whole; a folder or a file that cannot be read is said by its name.
bool PixelmillReadFile(const std::string& myPath, std::vector<uint8_t>& myBytes) {
    const int16_t myCode = FileReadPath(myPath, myBytes);
    if (myCode == EISDIR)
        PixelmillSay(myPath + " is a folder, not a file.");
    else if (myCode)
        PixelmillSay("Couldn't open file! " + myPath + ": " + std::strerror(myCode));
    return myCode == 0;
}

bool PixelmillReadText(const std::string& myPath, std::string& myText) {
    std::vector<uint8_t> myBytes;
    if (!PixelmillReadFile(myPath, myBytes)) return false;
    myText.assign(myBytes.begin(), myBytes.end());
    return true;
}

// -o names the file to write; a folder there would be written into by no one and is refused.
bool PixelmillOutputIsFolder(const std::string& myOutput) {
    std::error_code myFault;
    if (!std::filesystem::is_directory(myOutput, myFault)) return false;
    PixelmillSay(myOutput + " is a folder: -o names the file to write.");
    return true;
}

// The input and the -o output of the authoring commands.
bool PixelmillInOut(int myCount, char** myArgs, std::string& myInput, std::string& myOutput,
                    std::string* myGradient) {
    for (int i = 2; i < myCount; ++i) {
        const std::string myArg = myArgs[i];
        if (myArg == "-o" && i + 1 < myCount)
            myOutput = myArgs[++i];
        else if (myGradient && myArg == "--gradient" && i + 1 < myCount)
            *myGradient = myArgs[++i];
        else if (myArg[0] != '-' && myInput.empty())
            myInput = myArg;
        else {
            PixelmillSay("Unknown or incomplete option: " + myArg);
            return false;
        }
    }
    if (myInput.empty() || myOutput.empty()) {
        PixelmillSay("An input and an output file (-o) are needed.");
        return false;
    }
    return !PixelmillOutputIsFolder(myOutput);
}

// Component names follow the brush and fill rule: at most 15 letters, blanks stored as '_'.
bool PixelmillComponentPath(const std::string& myOutput, const char* myExt, std::string& myPath) {
    std::filesystem::path myOut(myOutput);
    if (myOut.extension() != myExt) {
        PixelmillSay(std::string("The output file needs the extension ") + myExt + ".");
        return false;
    }
    std::string myStem = myOut.stem().string();
    if (myStem.empty() || myStem.size() > kConvertMaxTitle) {
        PixelmillSay("The file name is too long! 15 letters is maximum.");
        return false;
    }
    std::replace(myStem.begin(), myStem.end(), ' ', '_');
    myPath = (myOut.parent_path() / (myStem + myExt)).string();
    return true;
}

// Assembles a movement (myEffect false) or an effect; the kind the text declares must match the extension.
int PixelmillAssemble(int myCount, char** myArgs, bool myEffect) {
    std::string myInput, myOutput, myText, myPath;
    if (!PixelmillInOut(myCount, myArgs, myInput, myOutput, nullptr)) return 2;
    if (!PixelmillReadText(myInput, myText)) return 1;
    ProgramKind myKind = kProgramMovement;
    std::vector<uint8_t> myFile;
    const ConvertResult myResult = ProgramAssemble(myText, myKind, myFile);
    if (!myResult.mOk) {
        PixelmillSay(myInput + ": " + myResult.mMessage);
        return 1;
    }
    const char* myExt = myKind == kProgramMovement ? ".mvm" : myKind == kProgramColorEffect ? ".efc" : ".efb";
    if (myEffect != (myKind != kProgramMovement)) {
        PixelmillSay(myEffect ? "This program is a movement: use pixelmill movement."
                              : "This program is an effect: use pixelmill effect.");
        return 1;
    }
    if (!PixelmillComponentPath(myOutput, myExt, myPath)) return 1;
    if (!PixelmillWriteBytes(myPath, myFile.data(), myFile.size())) return 1;
    PixelmillSay(myResult.mMessage);
    return 0;
}

int PixelmillGradient(int myCount, char** myArgs) {
    std::string myInput, myOutput, myText, myPath;
    if (!PixelmillInOut(myCount, myArgs, myInput, myOutput, nullptr)) return 2;
    if (!PixelmillReadText(myInput, myText)) return 1;
    std::vector<uint8_t> myFile;
    const ConvertResult myResult = GradientAssemble(myText, myFile);
    if (!myResult.mOk) {
        PixelmillSay(myInput + ": " + myResult.mMessage);
        return 1;
    }
    if (!PixelmillComponentPath(myOutput, ".gra", myPath) ||
        !PixelmillWriteBytes(myPath, myFile.data(), myFile.size()))
        return 1;
    PixelmillSay(myResult.mMessage);
    return 0;
}

int PixelmillSheet(int myCount, char** myArgs) {
    std::string myFolder, myOutput, myGradient;
    if (!PixelmillInOut(myCount, myArgs, myFolder, myOutput, &myGradient)) return 2;
    std::error_code myFault;
    if (!std::filesystem::is_directory(myFolder, myFault)) {
        PixelmillSay(std::filesystem::exists(myFolder, myFault)
                         ? myFolder + " is a file: sheet takes a folder of components."
                         : "There is no folder " + myFolder + ".");
        return 1;
    }
    const ConvertResult myResult = SheetWrite(myFolder, myGradient, myOutput);
    PixelmillSay(myResult.mMessage);
    return myResult.mOk ? 0 : 1;
}

int PixelmillInfo(int myCount, char** myArgs) {
    if (myCount < 3) {
        PixelmillSay("info needs a file name.");
        return 2;
    }
    std::string myPaths[4];
    const char* myOptions[4] = {"--pixels", "--mask", "--icon", "--text"};
    for (int i = 3; i < myCount; ++i) {
        bool myKnown = false;
        for (int j = 0; j < 4; ++j)
            if (std::strcmp(myArgs[i], myOptions[j]) == 0 && i + 1 < myCount) {
                myPaths[j] = myArgs[++i];
                myKnown = true;
            }
        if (!myKnown) {
            PixelmillSay(std::string("Unknown or incomplete option: ") + myArgs[i]);
            return 2;
        }
    }
    std::vector<uint8_t> myBytes;
    if (!PixelmillReadFile(myArgs[2], myBytes)) return 1;
    ConvertInfo myInfo;
    const ConvertResult myResult = ConvertReadInfo(myBytes.data(), myBytes.size(), myInfo, myArgs[2]);
    for (const std::string& myLine : myInfo.mLines)
        PixelmillSay(myLine);
    PixelmillSay(myResult.mMessage);
    if (!myResult.mOk) return 1;
    int myStatus = 0;
    if (myInfo.mType == kTypeMovement || myInfo.mType == kTypeColorEffect ||
        myInfo.mType == kTypeBrushEffect) {
        std::string myText;
        const ConvertResult myProgram = ProgramDisassemble(myBytes.data(), myBytes.size(), myText);
        if (!myProgram.mOk) {
            PixelmillSay(myProgram.mMessage);
            return 1;
        }
        std::fputs(("\n" + myText).c_str(), stdout);
        if (!myPaths[3].empty() && !PixelmillWriteBytes(myPaths[3], myText.data(), myText.size()))
            myStatus = 1;
    } else if (!myPaths[3].empty()) {
        PixelmillSay("Only movements and effects have a text form.");
        myStatus = 1;
    }
    const ConvertInfoPicture* myPictures[3] = {&myInfo.mPixels, &myInfo.mMask, &myInfo.mIcon};
    const char* myMissing[3] = {"This file has no colour layer or picture.", "This file has no mask layer.",
                                "This file has no icon."};
    for (int j = 0; j < 3; ++j) {
        if (myPaths[j].empty()) continue;
        if (myPictures[j]->mWidth == 0) {
            PixelmillSay(myMissing[j]);
            myStatus = 1;
        } else if (!PixelmillWritePgm(myPaths[j], *myPictures[j])) {
            myStatus = 1;
        }
    }
    return myStatus;
}

int PixelmillConvert(int myCount, char** myArgs, ConvertKind myKind) {
    ConvertSettings mySettings;
    mySettings.mKind = myKind;
    std::string myInput, myOutput;
    int myFrames = -1;
    struct Flag {
        const char* mName;
        bool* mValue;
    } myFlags[] = {{"--spread-primary", &mySettings.mSpreadPrimary},
                   {"--spread-secondary", &mySettings.mSpreadSecondary},
                   {"--fixed-colors", &mySettings.mFixedColors},
                   {"--second-gradient", &mySettings.mSecondGradient},
                   {"--blue-mask", &mySettings.mBlueMask},
                   {"--beat-frame", &mySettings.mBeatFrame},
                   {"--palindrome", &mySettings.mPalindrome}};
    struct Number {
        const char* mName;
        int* mValue;
    } myNumbers[] = {{"--frames", &myFrames},
                     {"--multiply", &mySettings.mMultiply},
                     {"--sections", &mySettings.mPrimarySections},
                     {"--sections2", &mySettings.mSecondarySections}};
    for (int i = 2; i < myCount; ++i) {
        const std::string myArg = myArgs[i];
        bool myKnown = false;
        for (const Flag& myFlag : myFlags)
            if (myArg == myFlag.mName) *myFlag.mValue = myKnown = true;
        for (const Number& myNumber : myNumbers)
            if (myArg == myNumber.mName) {
                if (i + 1 >= myCount || !PixelmillNumber(myArgs[i + 1], *myNumber.mValue)) {
                    PixelmillSay(myArg + " needs a number from 0 to 999.");
                    return 2;
                }
                ++i;
                myKnown = true;
            }
        if (myArg == "-o" && i + 1 < myCount) {
            myOutput = myArgs[++i];
            myKnown = true;
        } else if (!myKnown && myArg[0] != '-' && myInput.empty()) {
            myInput = myArg;
            myKnown = true;
        }
        if (!myKnown) {
            PixelmillSay("Unknown or incomplete option: " + myArg);
            return 2;
        }
    }
    if (myInput.empty() || myOutput.empty()) {
        PixelmillSay("A bitmap and an output file (-o) are needed.");
        return 2;
    }
    if (myFrames == 0) {
        PixelmillSay("--frames needs 1 or more frames.");
        return 2;
    }
    std::error_code myFault;
    if (std::filesystem::is_directory(myInput, myFault)) {
        PixelmillSay(myInput + " is a folder, not a file.");
        return 1;
    }
    if (PixelmillOutputIsFolder(myOutput)) return 2;
    // The program folder lists brushes by ".bru" and fills by ".fil", whatever the case of its letters; a
    // name without an extension gets its kind's.
    const char* myExt = myKind == kConvertBrush ? kPlaceBrush.mExt : kPlaceFill.mExt;
    std::string myGiven = std::filesystem::path(myOutput).extension().string();
    for (char& myChar : myGiven)
        myChar = static_cast<char>(std::tolower(static_cast<unsigned char>(myChar)));
    if (!myGiven.empty() && myGiven != myExt) {
        PixelmillSay(std::string("The output file needs the extension ") + myExt + ".");
        return 1;
    }
    // As in the window: an empty or zero box counts as one.
    if (mySettings.mMultiply == 0) mySettings.mMultiply = 1;
    if (mySettings.mPrimarySections == 0) mySettings.mPrimarySections = 1;
    if (mySettings.mSecondarySections == 0) mySettings.mSecondarySections = 1;
    // Frames belong to brush strips; a fill's title digits (sunset2.bmp) say nothing about its picture.
    if (myKind == kConvertFill)
        myFrames = 1;
    else if (myFrames < 0)
        myFrames = ConvertFramesFromTitle(std::filesystem::path(myInput).filename().string());
    mySettings.mFrames = myFrames;

    ConvertBitmap myBitmap;
    ConvertResult myResult = ConvertOpenBitmap(myInput, myFrames, myBitmap);
    if (!myResult.mOk) {
        PixelmillSay(myResult.mMessage);
        return 1;
    }
    const std::filesystem::path myOutPath(myOutput);
    std::string myWritten;
    myResult = ConvertSave(myBitmap, mySettings, myOutPath.parent_path().string(),
                           myOutPath.filename().string(), &myWritten);
    PixelmillSay(myResult.mMessage);
    return myResult.mOk ? 0 : 1;
}

} // namespace

int main(int myCount, char** myArgs) {
    if (myCount < 2) {
        std::fputs(kPixelmillUsage, stdout);
        return 2;
    }
    for (int i = 1; i < myCount; ++i)
        if (std::strcmp(myArgs[i], "--help") == 0 || std::strcmp(myArgs[i], "-h") == 0) {
            std::fputs(kPixelmillUsage, stdout);
            return 0;
        }
    const std::string myCommand = myArgs[1];
    if (myCommand == "brush") return PixelmillConvert(myCount, myArgs, kConvertBrush);
    if (myCommand == "fill") return PixelmillConvert(myCount, myArgs, kConvertFill);
    if (myCommand == "info") return PixelmillInfo(myCount, myArgs);
    if (myCommand == "movement") return PixelmillAssemble(myCount, myArgs, false);
    if (myCommand == "effect") return PixelmillAssemble(myCount, myArgs, true);
    if (myCommand == "gradient") return PixelmillGradient(myCount, myArgs);
    if (myCommand == "sheet") return PixelmillSheet(myCount, myArgs);
    PixelmillSay("Unknown command: " + myCommand);
    std::fputs(kPixelmillUsage, stdout);
    return 2;
}
