// Pixelmill's command line: converts bitmaps into brushes and fills, and inspects component files.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "converter/bitmap_reader.h"
#include "converter/convert.h"
#include "converter/info.h"

namespace {

const char* kPixelmillUsage =
    "Usage:\n"
    "  pixelmill brush IN.bmp -o OUT.bru [options]\n"
    "  pixelmill fill IN.bmp -o OUT.fil [options]\n"
    "  pixelmill info FILE [--pixels OUT.pgm] [--mask OUT.pgm] [--icon OUT.pgm]\n"
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

bool PixelmillWritePgm(const std::string& myPath, const ConvertInfoPicture& myPicture) {
    std::ofstream myStream(myPath, std::ios::binary | std::ios::trunc);
    if (!myStream) return false;
    myStream << "P5\n" << myPicture.mWidth << " " << myPicture.mHeight << "\n255\n";
    for (int y = 0; y < myPicture.mHeight; ++y)
        myStream.write(reinterpret_cast<const char*>(myPicture.mSurface.Row(y)), myPicture.mWidth);
    myStream.close();
    return static_cast<bool>(myStream);
}

int PixelmillInfo(int myCount, char** myArgs) {
    if (myCount < 3) {
        PixelmillSay("info needs a file name.");
        return 2;
    }
    std::string myPaths[3];
    const char* myOptions[3] = {"--pixels", "--mask", "--icon"};
    for (int i = 3; i < myCount; ++i) {
        bool myKnown = false;
        for (int j = 0; j < 3; ++j)
            if (std::strcmp(myArgs[i], myOptions[j]) == 0 && i + 1 < myCount) {
                myPaths[j] = myArgs[++i];
                myKnown = true;
            }
        if (!myKnown) {
            PixelmillSay(std::string("Unknown or incomplete option: ") + myArgs[i]);
            return 2;
        }
    }
    std::ifstream myStream(myArgs[2], std::ios::binary);
    if (!myStream) {
        PixelmillSay("Couldn't open file!");
        return 1;
    }
    const std::vector<uint8_t> myBytes((std::istreambuf_iterator<char>(myStream)),
                                       std::istreambuf_iterator<char>());
    ConvertInfo myInfo;
    const ConvertResult myResult = ConvertReadInfo(myBytes.data(), myBytes.size(), myInfo);
    for (const std::string& myLine : myInfo.mLines)
        PixelmillSay(myLine);
    PixelmillSay(myResult.mMessage);
    if (!myResult.mOk) return 1;
    const ConvertInfoPicture* myPictures[3] = {&myInfo.mPixels, &myInfo.mMask, &myInfo.mIcon};
    const char* myMissing[3] = {"This file has no colour layer or picture.", "This file has no mask layer.",
                                "This file has no icon."};
    int myStatus = 0;
    for (int j = 0; j < 3; ++j) {
        if (myPaths[j].empty()) continue;
        if (myPictures[j]->mWidth == 0) {
            PixelmillSay(myMissing[j]);
            myStatus = 1;
        } else if (!PixelmillWritePgm(myPaths[j], *myPictures[j])) {
            PixelmillSay("File write error!");
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
    PixelmillSay("Unknown command: " + myCommand);
    std::fputs(kPixelmillUsage, stdout);
    return 2;
}
