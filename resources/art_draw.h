// The controls artwork's palette roles and the small drawing steps every picture is built from.
#pragma once

#include <cstdint>

#include "platform/surface.h"

// Palette indices by role. Only the fixed entries (0-20, 246-255) are used; 255 is transparent in pictures,
// so the brightest ink is 246.
constexpr uint8_t kArtClear = 255;     // transparent
constexpr uint8_t kArtBlack = 0;       // displays, meters
constexpr uint8_t kArtWindow = 13;     // the window behind the boxes
constexpr uint8_t kArtOutline = 14;    // outer edge of boxes, buttons and nubs
constexpr uint8_t kArtCard = 7;        // the boxes' face
constexpr uint8_t kArtCardLight = 10;  // raised faces, the lit edge of the boxes
constexpr uint8_t kArtCardShade = 11;  // the shaded edge of the boxes, pressed faces
constexpr uint8_t kArtDeepShade = 12;  // the shaded edge of dark parts, disabled ink
constexpr uint8_t kArtMid = 248;       // between the shade and the dark
constexpr uint8_t kArtHighlight = 246; // the brightest ink
constexpr uint8_t kArtInk = 14;        // titles and labels on the boxes
constexpr uint8_t kArtWell = 14;       // lists and name fields
constexpr uint8_t kArtWellLine = 13;   // the lines between the rows of a list
constexpr uint8_t kArtAccent = 17;     // lit controls, meters
constexpr uint8_t kArtAccentLight = 254;
constexpr uint8_t kArtCue = 19; // cued controls
constexpr uint8_t kArtCueLight = 20;
constexpr uint8_t kArtLcd = 250;   // lit segments and numbers on black
constexpr uint8_t kArtLcdDim = 14; // unlit segments, a ghost on the black

void ArtPixel(Surface& mySurface, int myX, int myY, uint8_t myIndex);
void ArtFill(Surface& mySurface, const Rect& myRect, uint8_t myIndex);
void ArtHLine(Surface& mySurface, int myLeft, int myRight, int myY, uint8_t myIndex); // myRight excluded
void ArtVLine(Surface& mySurface, int myX, int myTop, int myBottom, uint8_t myIndex); // myBottom excluded
// A one-pixel frame just inside the rectangle.
void ArtFrame(Surface& mySurface, const Rect& myRect, uint8_t myIndex);
// Top and left edge in one ink, bottom and right in another, one pixel inside the rectangle.
void ArtBevel(Surface& mySurface, const Rect& myRect, uint8_t myTopLeft, uint8_t myBottomRight);
// A filled rectangle whose four corner pixels are left alone, and its one-pixel outline drawn the same way.
void ArtRoundFill(Surface& mySurface, const Rect& myRect, uint8_t myIndex);
void ArtRoundFrame(Surface& mySurface, const Rect& myRect, uint8_t myIndex);
// A shrunk copy of a rectangle.
constexpr Rect ArtInset(const Rect& myRect, int myBy) {
    return {myRect.left + myBy, myRect.top + myBy, myRect.right - myBy, myRect.bottom - myBy};
}

// Draws a picture given as rows of characters with (myX, myY) its top-left corner: each character is looked
// up in myKeys and painted with the index at the same place in myInks; characters not in myKeys are skipped.
void ArtPattern(Surface& mySurface, int myX, int myY, const char* const* myRows, int myRowCount,
                const char* myKeys, const uint8_t* myInks);
