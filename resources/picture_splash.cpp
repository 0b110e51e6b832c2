// Pictures 128 and 129: the splash with its orbits and the sliding name banner.
#include <cmath>

#include "resources/picture_parts.h"

namespace {
// Palette indices of the fixed interface colours.
constexpr uint8_t kBlack = 0;
constexpr uint8_t kWhite = 255;
constexpr uint8_t kGreyMid = 11;
constexpr uint8_t kGreyDark = 12;
constexpr uint8_t kBlueLight = 17;
constexpr uint8_t kViolet = 18;
constexpr uint8_t kOrange = 19;
constexpr uint8_t kAmber = 20;

// Block letters of the name, 5 x 7 cells each, one row a string.
const char* const kGlyphO[7] = {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
const char* const kGlyphR[7] = {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"};
const char* const kGlyphB[7] = {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."};
const char* const kGlyphE[7] = {"#####", "#....", "#....", "####.", "#....", "#....", "#####"};
const char* const kGlyphX[7] = {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"};

void PutPixel(Surface& mySurface, int myX, int myY, uint8_t myIndex) {
    if (myX >= 0 && myY >= 0 && myX < mySurface.mWidth && myY < mySurface.mHeight)
        mySurface.Row(myY)[myX] = myIndex;
}

// One letter with a darker shadow one cell down and right, so it stands off any background.
void DrawGlyph(Surface& mySurface, const char* const myGlyph[7], int myX, int myY, int myCell, uint8_t myFace,
               uint8_t myShadow) {
    for (int myPass = 0; myPass < 2; ++myPass) {
        const int myOffset = myPass == 0 ? 1 : 0;
        const uint8_t myIndex = myPass == 0 ? myShadow : myFace;
        for (int myRow = 0; myRow < 7; ++myRow)
            for (int myColumn = 0; myColumn < 5; ++myColumn)
                if (myGlyph[myRow][myColumn] == '#')
                    SurfaceFill(mySurface,
                                {myX + myColumn * myCell + myOffset, myY + myRow * myCell + myOffset,
                                 myX + (myColumn + 1) * myCell + myOffset,
                                 myY + (myRow + 1) * myCell + myOffset},
                                myIndex);
    }
}

void DrawEllipse(Surface& mySurface, double myCentreX, double myCentreY, double myRadiusX, double myRadiusY,
                 double myTilt, uint8_t myIndex) {
    const int mySteps = 720;
    for (int myStep = 0; myStep < mySteps; ++myStep) {
        const double myAngle = 2 * M_PI * myStep / mySteps;
        const double myX = myRadiusX * std::cos(myAngle), myY = myRadiusY * std::sin(myAngle);
        PutPixel(mySurface, static_cast<int>(myCentreX + myX * std::cos(myTilt) - myY * std::sin(myTilt)),
                 static_cast<int>(myCentreY + myX * std::sin(myTilt) + myY * std::cos(myTilt)), myIndex);
    }
}

} // namespace

void ResourceDrawSplash(Surface& mySurface) {
    SurfaceFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kBlack);
    // Three orbits around a glowing core, the picture Orbex is named after.
    DrawEllipse(mySurface, 72, 35, 66, 14, 0.25, kViolet);
    DrawEllipse(mySurface, 72, 35, 66, 14, -0.25, kBlueLight);
    DrawEllipse(mySurface, 72, 35, 60, 30, 0.0, kGreyDark);
    for (int myRadius = 9; myRadius > 0; --myRadius) {
        const uint8_t myIndex = myRadius > 6 ? kOrange : (myRadius > 3 ? kAmber : kWhite);
        for (int myY = -myRadius; myY <= myRadius; ++myY)
            for (int myX = -myRadius; myX <= myRadius; ++myX)
                if (myX * myX + myY * myY <= myRadius * myRadius)
                    PutPixel(mySurface, 72 + myX, 35 + myY, myIndex);
    }
    const char* const* kName[5] = {kGlyphO, kGlyphR, kGlyphB, kGlyphE, kGlyphX};
    for (int myLetter = 0; myLetter < 5; ++myLetter)
        DrawGlyph(mySurface, kName[myLetter], 14 + myLetter * 24, 44, 3, kWhite, kGreyMid);
    SurfaceFill(mySurface, {0, 0, mySurface.mWidth, 1}, kGreyDark);
    SurfaceFill(mySurface, {0, mySurface.mHeight - 1, mySurface.mWidth, mySurface.mHeight}, kGreyDark);
}

// Upper half "ORB" slides in from the left, lower half "EX" from the right; they meet beside the brush.
void ResourceDrawBanner(Surface& mySurface) {
    SurfaceFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kBlack);
    const char* const* kLeft[3] = {kGlyphO, kGlyphR, kGlyphB};
    for (int myLetter = 0; myLetter < 3; ++myLetter)
        DrawGlyph(mySurface, kLeft[myLetter], 24 + myLetter * 28, 1, 2, kWhite, kViolet);
    SurfaceFill(mySurface, {2, 8, 20, 10}, kBlueLight);
    const char* const* kRight[2] = {kGlyphE, kGlyphX};
    for (int myLetter = 0; myLetter < 2; ++myLetter)
        DrawGlyph(mySurface, kRight[myLetter], 8 + myLetter * 28, 20, 2, kWhite, kViolet);
    SurfaceFill(mySurface, {70, 27, 106, 29}, kBlueLight);
}
