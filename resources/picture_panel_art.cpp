// Picture 135: the main slider's tracks, the mini button faces and the nubs.
#include "resources/art_draw.h"
#include "resources/art_widgets.h"
#include "resources/controls_art.h"
#include "resources/picture_parts.h"

namespace {
// The main slider's groove on the panel's face, with a tick at every tenth of its travel.
void DrawTrack(Surface& mySurface, const Rect& myRect) {
    ArtFill(mySurface, myRect, kArtCard);
    const int myGroove = myRect.top + 5;
    ArtHLine(mySurface, myRect.left + 1, myRect.right - 1, myGroove, kArtDeepShade);
    ArtHLine(mySurface, myRect.left + 1, myRect.right - 1, myGroove + 1, kArtOutline);
    ArtHLine(mySurface, myRect.left + 1, myRect.right - 1, myGroove + 2, kArtCardLight);
    for (int myTick = 0; myTick <= 10; ++myTick) {
        const int myX = myRect.left + 3 + myTick * kArtSliderTravel / 10;
        ArtVLine(mySurface, myX, myRect.top + 9, myRect.top + (myTick % 5 == 0 ? 12 : 11), kArtCardShade);
    }
}

// A groove higher up, with the eight directions marked under it, turning once round from left to right.
void DrawDirectionTrack(Surface& mySurface, const Rect& myRect) {
    ArtFill(mySurface, myRect, kArtCard);
    const int myGroove = myRect.top + 2;
    ArtHLine(mySurface, myRect.left + 1, myRect.right - 1, myGroove, kArtDeepShade);
    ArtHLine(mySurface, myRect.left + 1, myRect.right - 1, myGroove + 1, kArtOutline);
    ArtHLine(mySurface, myRect.left + 1, myRect.right - 1, myGroove + 2, kArtCardLight);
    static const char* const kHeads[8][5] = {
        {"..#..", "...#.", "#####", "...#.", "..#.."}, {"..###", "...##", "..#.#", ".#...", "#...."},
        {"..#..", ".###.", "#.#.#", "..#..", "..#.."}, {"###..", "##...", "#.#..", "...#.", "....#"},
        {"..#..", ".#...", "#####", ".#...", "..#.."}, {"....#", "...#.", "#.#..", "##...", "###.."},
        {"..#..", "..#..", "#.#.#", ".###.", "..#.."}, {"#....", ".#...", "..#.#", "...##", "..###"}};
    const uint8_t myInk = kArtAccent;
    for (int myStep = 0; myStep <= 8; ++myStep) {
        const int myX = myRect.left + 3 + myStep * kArtSliderTravel / 8;
        ArtPattern(mySurface, myX - 2, myRect.top + 7, kHeads[myStep % 8], 5, "#", &myInk);
    }
}
} // namespace

void ResourceDrawPanelArt(Surface& mySurface) {
    ArtFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kArtClear);
    DrawTrack(mySurface, kArtSliderTrack);
    DrawDirectionTrack(mySurface, kArtDirectionTrack);
    ArtDrawButtonFace(mySurface, kArtMiniButton, false);
    ArtDrawButtonFaceLit(mySurface, kArtMiniButtonLit);
    ArtDrawNub(mySurface, kArtNub.left, kArtNub.top, kArtNubLookNormal);
    ArtDrawNub(mySurface, kArtNubCued.left, kArtNubCued.top, kArtNubLookCued);
    ArtDrawNub(mySurface, kArtNubDisabled.left, kArtNubDisabled.top, kArtNubLookDisabled);
    ArtDrawNub(mySurface, kArtNubCued.left, kArtNubCued.top + kArtNubDisabledRow, kArtNubLookDisabled);
    ArtDrawThresholdNub(mySurface, kArtThresholdNubTop.left, kArtThresholdNubTop.top,
                        kArtThresholdNubBottom.top, false);
    ArtDrawThresholdNub(mySurface, kArtThresholdNubTopDisabled.left, kArtThresholdNubTopDisabled.top,
                        kArtThresholdNubBottomDisabled.top, true);
}
