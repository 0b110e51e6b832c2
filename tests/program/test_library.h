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
#include "storage/format_gradient.h"
#include "storage/format_program.h"

inline void TestWriteBytes(const std::filesystem::path& myPath, const std::vector<uint8_t>& myBytes) {
    std::ofstream(myPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(myBytes.data()), static_cast<std::streamsize>(myBytes.size()));
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

    std::vector<uint8_t> myGradient(kGradientHeaderSize, 0);
    myGradient[0] = kTypeGradient;
    // Triangle waves of three periods.
    auto myTriangle = [](int myAt, int myPeriod) {
        const int myPhase = myAt % myPeriod;
        return static_cast<uint8_t>(255 * std::abs(2 * myPhase - myPeriod) / myPeriod);
    };
    for (int i = 0; i < 2 * kGradientColors; ++i) {
        myGradient.push_back(myTriangle(i, 45));
        myGradient.push_back(myTriangle(i + 15, 60));
        myGradient.push_back(myTriangle(i + 30, 90));
    }
    TestWriteBytes(myHome / "Gradients" / "Waves.gra", myGradient);

    // A path that sweeps across and down and starts over: v0 counts the updates.
    std::vector<uint8_t> myInit, myUpdate;
    const uint16_t myV0 = kVariableBase, myV1 = kVariableBase + 1, myV2 = kVariableBase + 2;
    ProgramAddInstruction(myInit, kWordX, kWordCentreX, 0, kOpStore);
    ProgramAddInstruction(myInit, kWordY, kWordCentreY, 0, kOpStore);
    ProgramAddInstruction(myUpdate, myV0, myV0, ProgramLiteral(3), kOpSum);
    ProgramAddInstruction(myUpdate, myV1, myV0, ProgramLiteral(200), kOpModulo);
    ProgramAddInstruction(myUpdate, kWordX, myV1, ProgramLiteral(60), kOpSum);
    ProgramAddInstruction(myUpdate, myV2, myV0, ProgramLiteral(120), kOpModulo);
    ProgramAddInstruction(myUpdate, kWordY, myV2, ProgramLiteral(60), kOpSum);
    std::vector<uint8_t> myMove(kMoveIconAt, 0);
    myMove[0] = kTypeMovement;
    myMove[2] = 1;
    BytesPut16(myMove.data() + offsetof(MoveHeader, mIconSize), kMoveIconSide);
    for (int y = 0; y < kMoveIconSide; ++y)
        myMove.push_back(kMoveIconSide + 19); // a row of black pixels
    myMove.push_back(0);                      // not centred
    myMove.push_back(0);                      // no parameters
    for (size_t mySize : {myInit.size(), size_t{0}, myUpdate.size()})
        BytesAdd16(myMove, static_cast<int64_t>(mySize));
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
