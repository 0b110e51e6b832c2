// Test helper: a small component library of the tests' own (a brush, a tile, a gradient, a circling movement)
// and a style that names it ("Last_Session" and "Known"), written into a program folder.
#pragma once

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "../converter/bmp_writer.h"
#include "converter/convert.h"
#include "core/style_record.h"

inline void TestWriteBytes(const std::filesystem::path& myPath, const std::vector<uint8_t>& myBytes) {
    std::ofstream(myPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(myBytes.data()), static_cast<std::streamsize>(myBytes.size()));
}

inline void TestInstruction(std::vector<uint8_t>& myCode, uint16_t myDest, uint16_t myA, uint16_t myB,
                            uint16_t myOp) {
    for (uint16_t myWord : {myDest, myA, myB, myOp}) {
        myCode.push_back(static_cast<uint8_t>(myWord >> 8));
        myCode.push_back(static_cast<uint8_t>(myWord & 0xFF));
    }
}

inline uint16_t TestWord(const char* myLetters) {
    return static_cast<uint16_t>((myLetters[0] << 8) | myLetters[1]);
}

// The default style with every slot and effect empty, so starting with it loads nothing and alerts nothing.
inline void TestEmptyStyle(StyleRecord& myStyle) {
    std::memset(&myStyle, 0, sizeof(myStyle));
    StyleDefault(reinterpret_cast<char*>(&myStyle));
    for (auto& myName : myStyle.mBrushNames)
        StyleCopy(myName, "(None)");
    for (auto& myName : myStyle.mFillNames)
        StyleCopy(myName, "(None)");
    for (auto& myName : myStyle.mGradNames)
        StyleCopy(myName, "(None)");
    for (auto& myName : myStyle.mMoveNames)
        StyleCopy(myName, "(None)");
    for (char* myName : {myStyle.mBrushEffect, myStyle.mBrushColorEffect, myStyle.mFillColorEffect})
        StyleCopy(myName, "(None)");
}

// The library in myHome, and its style with myTempo hundredths of beats per minute, listening off.
inline bool TestWriteLibrary(const std::filesystem::path& myHome, int myTempo,
                             StyleRecord* myStyleOut = nullptr) {
    namespace fs = std::filesystem;
    for (const char* myFolder : {"Brushes", "Fills", "Gradients", "Movements", "Effects", "Styles"})
        fs::create_directories(myHome / myFolder);

    ConvertBitmap myBitmap;
    // Whole numbers only, here and below, so the golden picture is the same on every machine.
    const auto myDisc = TestMakeBmp(96, 24, [](int x, int y) {
        const int myDx = 2 * (x % 24) - 23, myDy = 2 * y - 23; // half pixels from the frame's centre
        const int myDistance = myDx * myDx + myDy * myDy;
        const int myRadius = 2 * (4 + 2 * (x / 24));
        if (myDistance > myRadius * myRadius) return kTestWhite;
        return TestColor{0, static_cast<uint8_t>(255 - myDistance / 4), 0};
    });
    if (!ConvertOpenBitmapBytes(myDisc, 4, myBitmap).mOk) return false;
    ConvertSettings myBrush;
    myBrush.mFrames = 4;
    myBrush.mPalindrome = true;
    if (!ConvertSave(myBitmap, myBrush, (myHome / "Brushes").string(), "Disc.bru").mOk) return false;

    const auto myTile = TestMakeBmp(40, 40, [](int x, int y) {
        return ((x / 10 + y / 10) % 2) ? TestColor{0, static_cast<uint8_t>(60 + 4 * x), 0} : kTestBlack;
    });
    if (!ConvertOpenBitmapBytes(myTile, 1, myBitmap).mOk) return false;
    ConvertSettings myFill;
    myFill.mKind = kConvertFill;
    if (!ConvertSave(myBitmap, myFill, (myHome / "Fills").string(), "Checks.fil").mOk) return false;

    std::vector<uint8_t> myGradient = {'G', 0, 1, 0, 0};
    // Triangle waves of three periods.
    auto myTriangle = [](int myAt, int myPeriod) {
        const int myPhase = myAt % myPeriod;
        return static_cast<uint8_t>(255 * std::abs(2 * myPhase - myPeriod) / myPeriod);
    };
    for (int i = 0; i < 180; ++i) {
        myGradient.push_back(myTriangle(i, 45));
        myGradient.push_back(myTriangle(i + 15, 60));
        myGradient.push_back(myTriangle(i + 30, 90));
    }
    TestWriteBytes(myHome / "Gradients" / "Waves.gra", myGradient);

    // A path that sweeps across and down and starts over: v0 counts the updates.
    std::vector<uint8_t> myInit, myUpdate;
    TestInstruction(myInit, TestWord("xp"), TestWord("xc"), 0, TestWord("ST"));
    TestInstruction(myInit, TestWord("yp"), TestWord("yc"), 0, TestWord("ST"));
    TestInstruction(myUpdate, 0x7E00, 0x7E00, 0x0300, TestWord("SM"));
    TestInstruction(myUpdate, 0x7E01, 0x7E00, 0xC800, TestWord("MO"));
    TestInstruction(myUpdate, TestWord("xp"), 0x7E01, 0x3C00, TestWord("SM"));
    TestInstruction(myUpdate, 0x7E02, 0x7E00, 0x7800, TestWord("MO"));
    TestInstruction(myUpdate, TestWord("yp"), 0x7E02, 0x3C00, TestWord("SM"));
    std::vector<uint8_t> myMove = {'M', 0, 1, 0, 0, 24, 0};
    myMove.resize(127, 0);
    for (int y = 0; y < 24; ++y)
        myMove.push_back(43); // 24 black pixels a row
    myMove.push_back(0);      // not centred
    myMove.push_back(0);      // no parameters
    for (size_t mySize : {myInit.size(), size_t{0}, myUpdate.size()}) {
        myMove.push_back(static_cast<uint8_t>(mySize & 0xFF));
        myMove.push_back(static_cast<uint8_t>(mySize >> 8));
    }
    myMove.insert(myMove.end(), myInit.begin(), myInit.end());
    myMove.insert(myMove.end(), myUpdate.begin(), myUpdate.end());
    TestWriteBytes(myHome / "Movements" / "Circle.mvm", myMove);

    StyleRecord myStyle;
    TestEmptyStyle(myStyle);
    StyleCopy(myStyle.mBrushNames[0], "Disc");
    StyleCopy(myStyle.mFillNames[1], "Checks");
    StyleCopy(myStyle.mGradNames[0], "Waves");
    StyleCopy(myStyle.mMoveNames[0], "Circle");
    myStyle.mFlags = kFlagTrails;
    StyleSetTempo(myStyle, static_cast<uint16_t>(myTempo));
    // Channels: the colour channel steps every 2nd beat; the others stay off.
    for (int c = 0; c < kChannels; ++c)
        myStyle.mBeatCounter[c] = 0;
    myStyle.mBeatCounter[kChannelColor] = 2;
    myStyle.mTrigger[kChannelColor] = kTriggerSequential;
    if (myStyleOut) *myStyleOut = myStyle;
    std::vector<uint8_t> myBytes(reinterpret_cast<uint8_t*>(&myStyle),
                                 reinterpret_cast<uint8_t*>(&myStyle) + kStyleSize);
    TestWriteBytes(myHome / "Styles" / "Last_Session.sty", myBytes);
    // A quit saves the session over Last_Session; runs that must start alike name this copy.
    TestWriteBytes(myHome / "Styles" / "Known.sty", myBytes);
    return true;
}
