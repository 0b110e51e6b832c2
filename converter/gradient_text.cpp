// The gradient assembler: colour stops blended into the two 90-colour halves of a gradient file.
#include "converter/gradient_text.h"

#include <cstdio>
#include <cstring>
#include <sstream>

#include "storage/format_gradient.h"

namespace {

struct Stop {
    int mAt;
    int mRgb[3];
};

ConvertResult GradientError(int myLine, const std::string& myWhat) {
    return {false, "Line " + std::to_string(myLine) + ": " + myWhat};
}

bool GradientNumber(const std::string& myWord, int myHigh, int& myValue) {
    if (myWord.empty() || myWord.size() > 3 || myWord.find_first_not_of("0123456789") != std::string::npos)
        return false;
    myValue = std::stoi(myWord);
    return myValue <= myHigh;
}

void GradientBlend(const std::vector<Stop>& myStops, uint8_t* myOut) {
    for (int i = 0; i < kGradientColors; ++i) {
        size_t myNext = 0;
        while (myNext < myStops.size() && myStops[myNext].mAt < i)
            ++myNext;
        for (int c = 0; c < 3; ++c) {
            int myValue;
            if (myNext == 0)
                myValue = myStops.front().mRgb[c];
            else if (myNext == myStops.size())
                myValue = myStops.back().mRgb[c];
            else {
                const Stop& myLow = myStops[myNext - 1];
                const Stop& myHigh = myStops[myNext];
                const double myT = static_cast<double>(i - myLow.mAt) / (myHigh.mAt - myLow.mAt);
                myValue = static_cast<int>(myLow.mRgb[c] + (myHigh.mRgb[c] - myLow.mRgb[c]) * myT + 0.5);
            }
            myOut[3 * i + c] = static_cast<uint8_t>(myValue);
        }
    }
}

} // namespace

ConvertResult GradientAssemble(const std::string& myText, std::vector<uint8_t>& myFile) {
    std::vector<Stop> myHalves[2];
    int myHalf = -1;
    std::istringstream myStream(myText);
    std::string myRaw;
    for (int myLine = 1; std::getline(myStream, myRaw); ++myLine) {
        const size_t myComment = myRaw.find("//");
        std::istringstream myWords(myRaw.substr(0, myComment));
        std::vector<std::string> myWord;
        for (std::string myOne; myWords >> myOne;)
            myWord.push_back(myOne);
        if (myWord.empty()) continue;
        if (myWord.size() == 1 && (myWord[0] == "brush" || myWord[0] == "fill")) {
            const int myWhich = myWord[0] == "brush" ? 0 : 1;
            if (myWhich <= myHalf) return GradientError(myLine, "the brush section comes first, each once.");
            myHalf = myWhich;
            continue;
        }
        if (myHalf < 0) return GradientError(myLine, "stops belong to a \"brush\" or \"fill\" section.");
        Stop myStop{};
        bool myGood = GradientNumber(myWord[0], kGradientColors - 1, myStop.mAt);
        unsigned myHex = 0;
        if (myGood && myWord.size() == 2 && myWord[1].size() == 7 && myWord[1][0] == '#' &&
            myWord[1].find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos &&
            std::sscanf(myWord[1].c_str() + 1, "%x", &myHex) == 1) {
            myStop.mRgb[0] = static_cast<int>(myHex >> 16);
            myStop.mRgb[1] = static_cast<int>((myHex >> 8) & 0xFF);
            myStop.mRgb[2] = static_cast<int>(myHex & 0xFF);
        } else if (myGood && myWord.size() == 4) {
            for (int c = 0; c < 3; ++c)
                myGood = myGood && GradientNumber(myWord[static_cast<size_t>(c) + 1], 255, myStop.mRgb[c]);
        } else {
            myGood = false;
        }
        if (!myGood)
            return GradientError(myLine,
                                 "a stop is \"POSITION R G B\" or \"POSITION #rrggbb\" (0-89, 0-255).");
        if (!myHalves[myHalf].empty() && myHalves[myHalf].back().mAt >= myStop.mAt)
            return GradientError(myLine, "stop positions must rise.");
        myHalves[myHalf].push_back(myStop);
    }
    if (myHalves[0].empty()) return {false, "The gradient has no brush stops."};
    if (myHalf == 1 && myHalves[1].empty()) return {false, "The fill section has no stops."};
    if (myHalves[1].empty()) myHalves[1] = myHalves[0];
    myFile.assign(kGradientFileSize, 0);
    GradientHeader myHeader = {};
    myHeader.mHeader.mType = kTypeGradient;
    myHeader.mHeader.mVersion = 1;
    std::memcpy(myFile.data(), &myHeader, kGradientHeaderSize);
    GradientBlend(myHalves[0], myFile.data() + kGradientHeaderSize);
    GradientBlend(myHalves[1], myFile.data() + kGradientHeaderSize + kGradientBytes);
    return {true, "Gradient made."};
}
