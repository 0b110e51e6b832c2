// Picture 132: the fourteen main buttons, plain, lit and cued, the lit beat lamp and the lit trigger lamp.
#include <cstring>

#include "resources/art_draw.h"
#include "resources/art_widgets.h"
#include "resources/controls_art.h"
#include "resources/picture_parts.h"

namespace {
// The symbols, in button order; '#' is ink.
struct ButtonSymbol {
    int mRows;
    const char* mPattern[11];
};

const ButtonSymbol kSymbols[kArtButtonCount] = {
    // Quit: the power sign.
    {10,
     {"....#....", ".#..#..#.", "#...#...#", "#...#...#", "#.......#", "#.......#", "#.......#", ".#.....#.",
      "..#####..", "........."}},
    // Eject.
    {8,
     {"....#....", "...###...", "..#####..", ".#######.", "#########", ".........", "#########",
      "#########"}},
    // Previous track.
    {7, {"##...#...#", "##..##..##", "##.###.###", "##########", "##.###.###", "##..##..##", "##...#...#"}},
    // Rewind.
    {7, {"...#...#", "..##..##", ".###.###", "########", ".###.###", "..##..##", "...#...#"}},
    // Stop.
    {7, {"#######", "#######", "#######", "#######", "#######", "#######", "#######"}},
    // Play and pause.
    {9,
     {"#.....#.#", "##....#.#", "###...#.#", "####..#.#", "#####.#.#", "####..#.#", "###...#.#", "##....#.#",
      "#.....#.#"}},
    // Fast forward.
    {7, {"#...#...", "##..##..", "###.###.", "########", "###.###.", "##..##..", "#...#..."}},
    // Next track.
    {7, {"#...#...##", "##..##..##", "###.###.##", "##########", "###.###.##", "##..##..##", "#...#...##"}},
    // Listening: a microphone.
    {11,
     {"...###...", "..#####..", "..#####..", "..#####..", "#.#####.#", "#..###..#", ".#.....#.", "..#####..",
      "....#....", "....#....", "..#####.."}},
    // Drawing controls: three faders.
    {11,
     {".#...#...#.", ".#...#...#.", "###..#...#.", "###..#..###", ".#...#..###", ".#..###..#.", ".#..###..#.",
      ".#...#...#.", ".#...#...#.", ".#...#...#.", "..........."}},
    // Animation window: a screen.
    {10,
     {"###########", "#.........#", "#.#.......#", "#.##......#", "#.###.....#", "#.........#", "###########",
      "...........", "....###....", "..#######.."}},
    // Brush trails: a dot leaving a fading trail.
    {11,
     {"........###", ".......####", ".......####", "........###", "....##.....", "....##.....", "...........",
      ".#.........", "...........", "#..........", "..........."}},
    // Erase brush trails: an eraser on the line it wipes.
    {10,
     {".....###..", "....#####.", "...#######", "..#.#####.", ".#...###..", "#.....#...", ".#...#....",
      "..###.....", "..........", "##########"}},
    // Help.
    {10,
     {"..####..", ".##..##.", ".##..##.", ".....##.", "....##..", "...##...", "...##...", "........",
      "...##...", "...##..."}},
};

enum ButtonLook { kLookPlain = 0, kLookLit, kLookCued };

void DrawButton(Surface& mySurface, int myX, int myY, int myIndex, ButtonLook myLook) {
    const Rect myRect = {myX, myY, myX + kArtButtonSize, myY + kArtButtonSize};
    static const uint8_t kFace[3] = {kArtDeepShade, kArtAccent, kArtCue};
    static const uint8_t kTop[3] = {kArtMid, kArtAccentLight, kArtCueLight};
    static const uint8_t kBottom[3] = {kArtWindow, 4, 1};
    static const uint8_t kInk[3] = {kArtCardLight, kArtHighlight, kArtHighlight};
    ArtRoundFill(mySurface, myRect, kFace[myLook]);
    ArtRoundFrame(mySurface, myRect, kArtOutline);
    ArtHLine(mySurface, myX + 2, myX + kArtButtonSize - 2, myY + 1, kTop[myLook]);
    ArtHLine(mySurface, myX + 2, myX + kArtButtonSize - 2, myY + kArtButtonSize - 2, kBottom[myLook]);
    const ButtonSymbol& mySymbol = kSymbols[myIndex];
    const int myWidth = static_cast<int>(std::strlen(mySymbol.mPattern[0]));
    const int myLeft = myX + (kArtButtonSize - myWidth) / 2,
              myTop = myY + (kArtButtonSize - mySymbol.mRows) / 2;
    // A dark shadow one pixel down and right lifts the symbol off the face.
    const uint8_t myShadow = kBottom[myLook];
    ArtPattern(mySurface, myLeft + 1, myTop + 1, mySymbol.mPattern, mySymbol.mRows, "#", &myShadow);
    ArtPattern(mySurface, myLeft, myTop, mySymbol.mPattern, mySymbol.mRows, "#", &kInk[myLook]);
}
} // namespace

void ResourceDrawButtons(Surface& mySurface) {
    ArtFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kArtClear);
    for (int myIndex = 0; myIndex < kArtButtonCount; ++myIndex) {
        const Rect myPlain = ArtButtonRect(myIndex, false, false);
        const Rect myLit = ArtButtonRect(myIndex, true, false);
        DrawButton(mySurface, myPlain.left, myPlain.top, myIndex, kLookPlain);
        DrawButton(mySurface, myLit.left, myLit.top, myIndex, kLookLit);
    }
    for (int myIndex : {kArtButtonTrails, kArtButtonWipe}) {
        const Rect myCued = ArtButtonRect(myIndex, false, true);
        DrawButton(mySurface, myCued.left, myCued.top, myIndex, kLookCued);
    }
    ArtDrawBeatLamp(mySurface, kArtBeatLampLit.left, kArtBeatLampLit.top, true);
    ArtDrawTriggerLamp(mySurface, kArtTriggerLampLit.left, kArtTriggerLampLit.top, true);
}
