// The column icons: their 20 x 20 button frames and their seven 16 x 16 symbols.
#include <cmath>

#include "resources/art_draw.h"
#include "resources/art_widgets.h"
#include "resources/controls_art.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

// Angle in degrees (0 right, counting counter-clockwise as seen) and distance of a pixel's centre from the
// symbol's centre.
void ArtPolar(int myColumn, int myRow, double& myAngle, double& myRadius) {
    const double myDX = myColumn - 7.5, myDY = 7.5 - myRow;
    myRadius = std::sqrt(myDX * myDX + myDY * myDY);
    myAngle = std::atan2(myDY, myDX) * 180.0 / kPi;
    if (myAngle < 0) myAngle += 360.0;
}

void ArtDrawDisc(Surface& mySurface, int myX, int myY) {
    for (int myRow = 0; myRow < 16; ++myRow)
        for (int myColumn = 0; myColumn < 16; ++myColumn) {
            double myAngle = 0, myRadius = 0;
            ArtPolar(myColumn, myRow, myAngle, myRadius);
            if (myRadius > 7.7 || myRadius < 1.5) continue;
            uint8_t myInk = kArtCardLight;
            if (myRadius > 6.9) {
                myInk = kArtMid;
            } else if (myRadius < 2.5) {
                myInk = kArtDeepShade;
            } else if (myRadius < 3.5) {
                myInk = kArtCard;
            } else {
                // Light falls across the disc from upper right to lower left, breaking into colours there.
                const double myOff = std::fabs(std::fmod(myAngle + 360.0 - 45.0, 180.0) - 90.0);
                if (myOff > 82) {
                    myInk = myRadius < 4.7 ? 253 : myRadius < 5.8 ? 254 : 251;
                } else if (myOff > 62) {
                    myInk = kArtHighlight;
                } else if (myOff < 22) {
                    myInk = kArtCard;
                }
            }
            ArtPixel(mySurface, myX + myColumn, myY + myRow, myInk);
        }
}

void ArtDrawWheel(Surface& mySurface, int myX, int myY) {
    static const uint8_t kHues[12] = {249, 19, 20, 251, 250, 16, 254, 17, 252, 18, 253, 5};
    for (int myRow = 0; myRow < 16; ++myRow)
        for (int myColumn = 0; myColumn < 16; ++myColumn) {
            double myAngle = 0, myRadius = 0;
            ArtPolar(myColumn, myRow, myAngle, myRadius);
            if (myRadius > 7.7) continue;
            uint8_t myInk = kArtOutline;
            if (myRadius < 2.2) {
                myInk = kArtHighlight;
            } else if (myRadius < 3.0) {
                myInk = kArtOutline;
            } else if (myRadius <= 6.9) {
                myInk = kHues[static_cast<int>((myAngle + 105.0) / 30.0) % 12];
            }
            ArtPixel(mySurface, myX + myColumn, myY + myRow, myInk);
        }
}

void ArtDrawLevels(Surface& mySurface, int myX, int myY) {
    static const char* const kRows[16] = {
        "................", "......pp........", "................", "......aa....pp..",
        "...pp.aa........", "......aa....aa..", "...aa.aa....aa..", "...aa.aa.pp.aa..",
        "...aa.aa....aa..", "...aa.aa.aa.aa..", "pp.aa.aa.aa.aa..", "...aa.aa.aa.aa.p",
        "aa.aa.aa.aa.aa..", "aa.aa.aa.aa.aa.a", "aa.aa.aa.aa.aa.a", "oooooooooooooooo"};
    static const uint8_t kInks[3] = {kArtAccent, kArtCue, kArtOutline};
    ArtPattern(mySurface, myX, myY, kRows, 16, "apo", kInks);
}

void ArtDrawSwatch(Surface& mySurface, int myX, int myY) {
    static const uint8_t kBands[9] = {18, 252, 17, 254, 250, 251, 20, 19, 249};
    for (int myRow = 1; myRow < 15; ++myRow)
        for (int myColumn = 1; myColumn < 15; ++myColumn) {
            const bool myEdge = myRow == 1 || myRow == 14 || myColumn == 1 || myColumn == 14;
            const bool myCorner = (myRow == 1 || myRow == 14) && (myColumn == 1 || myColumn == 14);
            if (myCorner) continue;
            const int myBand = (myColumn - 2 + (13 - myRow)) * 9 / 24;
            ArtPixel(mySurface, myX + myColumn, myY + myRow, myEdge ? kArtOutline : kBands[myBand]);
        }
}

void ArtDrawLandscape(Surface& mySurface, int myX, int myY) {
    static const char* const kRows[16] = {
        "................", ".oooooooooooooo.", "osssssssssssssso", "ossssssssssuusso",
        "osssssssssuuuuso", "osssssssssuuuuso", "ossssssgsssuusso", "osssssgggsssssso",
        "ossssgggggssssso", "osssgggggggshsso", "ossggggggggshhho", "osggggggggghhhho",
        "oggggggggghhhhho", "oddddggggghhhhho", "oddddddddddddddo", ".oooooooooooooo."};
    static const uint8_t kInks[6] = {kArtOutline, 9, kArtCueLight, 16, 15, 2};
    ArtPattern(mySurface, myX, myY, kRows, 16, "osugdh", kInks);
}

void ArtDrawBrush(Surface& mySurface, int myX, int myY) {
    static const char* const kRows[16] = {
        "............ooo.", "...........ohhho", "..........ohhhho", ".........ohhhho.",
        "........ohhhho..", ".......offfo....", "......offfo.....", ".....offffo.....",
        "....obbbbo......", "...obbbbbo......", "..opbbbbo.......", ".opppbbo........",
        "oppppoo.........", "opppo...........", "oppo............", ".oo............."};
    static const uint8_t kInks[5] = {kArtOutline, kArtCue, kArtCardShade, kArtMid, 253};
    ArtPattern(mySurface, myX, myY, kRows, 16, "ohfbp", kInks);
}

void ArtDrawOrbit(Surface& mySurface, int myX, int myY) {
    // A path circling clockwise to an arrowhead at the top, round the brush at its centre.
    for (int myRow = 0; myRow < 16; ++myRow)
        for (int myColumn = 0; myColumn < 16; ++myColumn) {
            double myAngle = 0, myRadius = 0;
            ArtPolar(myColumn, myRow, myAngle, myRadius);
            if (myRadius >= 5.0 && myRadius <= 6.9 && (myAngle > 78.0 || myAngle < 8.0))
                ArtPixel(mySurface, myX + myColumn, myY + myRow, kArtAccent);
        }
    static const char* const kHead[5] = {"#..", "##.", "###", "##.", "#.."};
    const uint8_t myHead = kArtAccent;
    ArtPattern(mySurface, myX + 9, myY, kHead, 5, "#", &myHead);
    static const char* const kDot[4] = {".cc.", "cwcc", "cccc", ".cc."};
    static const uint8_t kDotInks[2] = {kArtCue, kArtCueLight};
    ArtPattern(mySurface, myX + 6, myY + 6, kDot, 4, "cw", kDotInks);
}
} // namespace

void ArtDrawIconFrame(Surface& mySurface, int myX, int myY, bool myPressed) {
    const Rect myRect = {myX, myY, myX + kArtIconSize, myY + kArtIconSize};
    ArtRoundFrame(mySurface, myRect, kArtOutline);
    const Rect myInner = ArtInset(myRect, 1);
    if (myPressed) {
        ArtBevel(mySurface, myInner, kArtDeepShade, kArtCard);
    } else {
        ArtBevel(mySurface, myInner, kArtHighlight, kArtCardShade);
    }
}

void ArtDrawIconSymbol(Surface& mySurface, int myX, int myY, int myIcon) {
    switch (myIcon) {
    case kArtIconCD:
        ArtDrawDisc(mySurface, myX, myY);
        break;
    case kArtIconColors:
        ArtDrawWheel(mySurface, myX, myY);
        break;
    case kArtIconBeat:
        ArtDrawLevels(mySurface, myX, myY);
        break;
    case kArtIconGradients:
        ArtDrawSwatch(mySurface, myX, myY);
        break;
    case kArtIconFills:
        ArtDrawLandscape(mySurface, myX, myY);
        break;
    case kArtIconBrushes:
        ArtDrawBrush(mySurface, myX, myY);
        break;
    case kArtIconMovements:
        ArtDrawOrbit(mySurface, myX, myY);
        break;
    default:
        break;
    }
}

void ArtDrawIconButton(Surface& mySurface, int myX, int myY, int myIcon, bool myPressed) {
    const int myShift = myPressed ? 1 : 0;
    ArtFill(mySurface, {myX + 2, myY + 2, myX + 18, myY + 18}, myPressed ? kArtCardShade : kArtCardLight);
    ArtDrawIconSymbol(mySurface, myX + 2 + myShift, myY + 2 + myShift, myIcon);
    ArtDrawIconFrame(mySurface, myX, myY, myPressed);
}
