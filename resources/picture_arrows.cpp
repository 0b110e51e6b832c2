// Pictures 137 and 138: the popup and preview arrows, and the popup menus' scroll arrows.
#include "resources/art_draw.h"
#include "resources/art_widgets.h"
#include "resources/controls_art.h"
#include "resources/picture_parts.h"

void ResourceDrawArrows(Surface& mySurface) {
    ArtFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kArtClear);
    ArtDrawPopupArrow(mySurface, kArtPopupArrow.left, kArtPopupArrow.top, kArtArrowDark);
    ArtDrawPopupArrow(mySurface, kArtPopupArrowLight.left, kArtPopupArrowLight.top, kArtArrowLight);
    ArtDrawPopupArrow(mySurface, kArtPopupArrowLit.left, kArtPopupArrowLit.top, kArtArrowLit);
    ArtDrawPreviewArrow(mySurface, kArtPreviewArrow.left, kArtPreviewArrow.top, false);
    ArtDrawPreviewArrow(mySurface, kArtPreviewArrowLit.left, kArtPreviewArrowLit.top, true);
}

void ResourceDrawScrollArrows(Surface& mySurface) {
    // Drawn for the menus' white rows: the middle arrow steps, the corner arrow (with its bar) jumps.
    static const char* const kUp[7] = {"...........", ".....#.....", "....###....", "...#####...",
                                       "..#######..", ".#########.", "..........."};
    static const char* const kUpCorner[7] = {".#########.", "...........", ".....#.....", "....###....",
                                             "...#####...", "..#######..", "..........."};
    static const char* const kDown[7] = {"...........", ".#########.", "..#######..", "...#####...",
                                         "....###....", ".....#.....", "..........."};
    static const char* const kDownCorner[7] = {"...........", "..#######..", "...#####...", "....###....",
                                               ".....#.....", "...........", ".#########."};
    ArtFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kArtClear);
    const uint8_t myInk = kArtDeepShade;
    ArtPattern(mySurface, kArtScrollUp.left, kArtScrollUp.top, kUp, 7, "#", &myInk);
    ArtPattern(mySurface, kArtScrollUpCorner.left, kArtScrollUpCorner.top, kUpCorner, 7, "#", &myInk);
    ArtPattern(mySurface, kArtScrollDown.left, kArtScrollDown.top, kDown, 7, "#", &myInk);
    ArtPattern(mySurface, kArtScrollDownCorner.left, kArtScrollDownCorner.top, kDownCorner, 7, "#", &myInk);
}
