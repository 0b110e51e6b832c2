// Tracks, meters, nubs, lamps, digits and the hue bar of the controls artwork.
#include <cmath>
#include <cstring>

#include "resources/art_draw.h"
#include "resources/art_widgets.h"

void ArtDrawCounterTrack(Surface& mySurface, int myX, int myY) {
    // A sunken groove the nub rides in, with a tick every 8 beats under it.
    const int myGroove = myY - 8;
    ArtHLine(mySurface, myX + 1, myX + 71, myGroove, kArtDeepShade);
    ArtHLine(mySurface, myX + 1, myX + 71, myGroove + 1, kArtOutline);
    ArtHLine(mySurface, myX + 1, myX + 71, myGroove + 2, kArtCardLight);
    for (int myTick = 0; myTick <= 64; myTick += 8)
        ArtVLine(mySurface, myX + 4 + myTick, myY - 4, myY - 2, kArtCardShade);
}

void ArtDrawMeter(Surface& mySurface, const Rect& myRect) {
    ArtFill(mySurface, myRect, kArtBlack);
    ArtBevel(mySurface, ArtInset(myRect, -1), kArtDeepShade, kArtCardLight);
}

void ArtDrawThresholdBar(Surface& mySurface, int myX, int myY) {
    ArtDrawMeter(mySurface, {myX + 4, myY - 23, myX + 68, myY - 18});
}

void ArtDrawTriggerLamp(Surface& mySurface, int myX, int myY, bool myLit) {
    static const char* const kRows[7] = {".ooooo.", "ohhbbbo", "ohbbbbo", "obbbbbo",
                                         "obbbbbo", "obbbbbo", ".ooooo."};
    const uint8_t kLit[3] = {6, kArtHighlight, kArtAccentLight};
    const uint8_t kDark[3] = {kArtOutline, kArtMid, kArtDeepShade};
    ArtPattern(mySurface, myX, myY, kRows, 7, "ohb", myLit ? kLit : kDark);
}

void ArtDrawBeatLamp(Surface& mySurface, int myX, int myY, bool myLit) {
    // A round lamp lit from inside: bands of ink by distance from a point up and left of its centre.
    const uint8_t kLit[5] = {kArtHighlight, 251, kArtCueLight, kArtCue, 1};
    const uint8_t kDark[5] = {kArtCardShade, kArtMid, kArtDeepShade, kArtWindow, kArtOutline};
    const uint8_t* myInks = myLit ? kLit : kDark;
    for (int myRow = 0; myRow < 17; ++myRow)
        for (int myColumn = 0; myColumn < 17; ++myColumn) {
            const double myDX = myColumn - 8.0, myDY = myRow - 8.0;
            const double myRadius = std::sqrt(myDX * myDX + myDY * myDY);
            if (myRadius > 8.4) continue;
            uint8_t myInk = kArtOutline;
            if (myRadius <= 7.4) {
                const double myLightX = myColumn - 6.0, myLightY = myRow - 5.5;
                const double myLight = std::sqrt(myLightX * myLightX + myLightY * myLightY);
                const int myBand = myLight < 1.6   ? 0
                                   : myLight < 3.6 ? 1
                                   : myLight < 6.0 ? 2
                                   : myLight < 8.5 ? 3
                                                   : 4;
                myInk = myInks[myBand];
            }
            ArtPixel(mySurface, myX + myColumn, myY + myRow, myInk);
        }
}

void ArtDrawNub(Surface& mySurface, int myX, int myY, ArtNubLook myLook) {
    static const char* const kRows[11] = {".oooo.", "ohhhfo", "ohfffo", "ofgffo", "ohfffo", "ofgffo",
                                          "ohfffo", "ofgffo", "ohfffo", "offfso", ".oooo."};
    const uint8_t kNormal[5] = {kArtOutline, kArtHighlight, kArtCardLight, kArtCardShade, kArtCardShade};
    const uint8_t kCued[5] = {kArtOutline, kArtCueLight, kArtCue, 1, 1};
    const uint8_t kDisabled[5] = {kArtDeepShade, kArtCard, kArtCardShade, kArtCardShade, kArtCardShade};
    const uint8_t* myInks = myLook == kArtNubLookCued       ? kCued
                            : myLook == kArtNubLookDisabled ? kDisabled
                                                            : kNormal;
    ArtPattern(mySurface, myX, myY, kRows, 11, "ohfgs", myInks);
}

void ArtDrawThresholdNub(Surface& mySurface, int myX, int myTopY, int myBottomY, bool myDisabled) {
    static const char* const kTop[5] = {"oooooo", "offffo", ".offo.", "..oo..", "..oo.."};
    static const char* const kBottom[6] = {"..oo..", "..oo..", ".offo.", "offffo", "offffo", "oooooo"};
    const uint8_t kNormal[2] = {kArtOutline, kArtCueLight};
    const uint8_t kDisabled[2] = {kArtDeepShade, kArtCardShade};
    ArtPattern(mySurface, myX, myTopY, kTop, 5, "of", myDisabled ? kDisabled : kNormal);
    ArtPattern(mySurface, myX, myBottomY, kBottom, 6, "of", myDisabled ? kDisabled : kNormal);
}

void ArtDrawDigit(Surface& mySurface, int myX, int myY, int myDigit) {
    // Seven segments a-g (top, upper right, lower right, bottom, lower left, upper left, middle) with tapered
    // ends, as on a display.
    static const char* const kSegments[17] = {
        "..........", "..aaaaaa..", ".f.aaaa.b.", ".ff....bb.", ".ff....bb.", ".ff....bb.",
        ".ff....bb.", ".f.gggg.b.", "..gggggg..", ".e.gggg.c.", ".ee....cc.", ".ee....cc.",
        ".ee....cc.", ".ee....cc.", ".e.dddd.c.", "..dddddd..", ".........."};
    static const char kOn[10][8] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                    "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    uint8_t myInks[7];
    for (int mySegment = 0; mySegment < 7; ++mySegment) {
        const bool myLit = myDigit >= 0 && myDigit <= 9 && std::strchr(kOn[myDigit], 'a' + mySegment);
        myInks[mySegment] = myLit ? kArtLcd : kArtLcdDim;
    }
    ArtFill(mySurface, {myX, myY, myX + 10, myY + 17}, kArtBlack);
    ArtPattern(mySurface, myX, myY, kSegments, 17, "abcdefg", myInks);
}

void ArtDrawHueBar(Surface& mySurface, const Rect& myRect) {
    // The fixed palette's pure hues at their places on the wheel (degrees), red at the right end (colour 1)
    // round to red again at the left; between two of them the pixels mix in an ordered pattern.
    struct Stop {
        int mHue;
        uint8_t mInk;
    };
    static const Stop kStops[] = {{0, 249},  {20, 19},   {40, 20},  {60, 251},  {120, 250}, {180, 254},
                                  {210, 17}, {240, 252}, {270, 18}, {300, 253}, {360, 249}};
    static const int kOrder[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const int myWidth = myRect.Width();
    for (int myColumn = 0; myColumn < myWidth; ++myColumn) {
        const int myHue16 = (myWidth - 1 - myColumn) * 360 * 16 / (myWidth - 1);
        int myStop = 0;
        while (kStops[myStop + 1].mHue * 16 < myHue16)
            ++myStop;
        const Stop& myFrom = kStops[myStop];
        const Stop& myTo = kStops[myStop + 1];
        const int myMix = (myHue16 - myFrom.mHue * 16) / (myTo.mHue - myFrom.mHue);
        for (int myRow = myRect.top; myRow < myRect.bottom; ++myRow) {
            const bool myNext = myMix > kOrder[myRow & 3][myColumn & 3];
            ArtPixel(mySurface, myRect.left + myColumn, myRow, myNext ? myTo.mInk : myFrom.mInk);
        }
    }
}
