// The controls artwork's recurring parts (boxes, fields, buttons, tracks, lamps, arrows), drawn the same way
// wherever they appear, in the pictures and by any code that draws beside them.
#pragma once

#include <cstdint>

#include "platform/surface.h"

// A titled box of the controls: rounded, raised a little off the window.
void ArtDrawCard(Surface& mySurface, const Rect& myRect);
// A sunken dark well (lists, name fields); myRect includes its one-pixel edge.
void ArtDrawWell(Surface& mySurface, const Rect& myRect);
// A sunken light field on the window (the song and style boxes).
void ArtDrawLightField(Surface& mySurface, const Rect& myRect);
// A raised button face (popup and mini buttons), or the same pressed in.
void ArtDrawButtonFace(Surface& mySurface, const Rect& myRect, bool myPressed);
// A button face that is lit (switched on) rather than pressed.
void ArtDrawButtonFaceLit(Surface& mySurface, const Rect& myRect);
// A popup button: a face with its text left and the popup arrow right; pressed, both move down and right.
void ArtDrawPopupButton(Surface& mySurface, const Rect& myRect, const char* myText, bool myPressed);

enum ArtArrowInk { kArtArrowDark = 0, kArtArrowLight, kArtArrowLit };
// The 7 x 4 popup arrow (pointing down) and the 4 x 7 preview arrow (pointing right).
void ArtDrawPopupArrow(Surface& mySurface, int myX, int myY, ArtArrowInk myInk);
void ArtDrawPreviewArrow(Surface& mySurface, int myX, int myY, bool myLit);

// A beat counter's track, 72 x 12, from its column's anchor (myX, myY): the row myY - 12 to myY.
void ArtDrawCounterTrack(Surface& mySurface, int myX, int myY);
// A threshold meter's black bar (x + 4 to x + 68, y - 23 to y - 18) in its sunken edge.
void ArtDrawThresholdBar(Surface& mySurface, int myX, int myY);
// A 64-pixel meter: black inside a sunken edge drawn just outside myRect.
void ArtDrawMeter(Surface& mySurface, const Rect& myRect);
// The 7 x 7 trigger lamp and the 17 x 17 beat lamp, dark or lit.
void ArtDrawTriggerLamp(Surface& mySurface, int myX, int myY, bool myLit);
void ArtDrawBeatLamp(Surface& mySurface, int myX, int myY, bool myLit);

enum ArtNubLook { kArtNubLookNormal = 0, kArtNubLookCued, kArtNubLookDisabled };
// The 6 x 11 slider nub, and the threshold nub's 6 x 5 top and 6 x 6 bottom pieces.
void ArtDrawNub(Surface& mySurface, int myX, int myY, ArtNubLook myLook);
void ArtDrawThresholdNub(Surface& mySurface, int myX, int myTopY, int myBottomY, bool myDisabled);

// A 20 x 20 icon button frame (the face inside it is left alone), raised or pressed.
void ArtDrawIconFrame(Surface& mySurface, int myX, int myY, bool myPressed);
// The 16 x 16 symbol of icon myIcon (see ArtIcon) with its top-left corner at (myX, myY).
void ArtDrawIconSymbol(Surface& mySurface, int myX, int myY, int myIcon);
// A whole icon button as it shows in the controls: face, frame and symbol.
void ArtDrawIconButton(Surface& mySurface, int myX, int myY, int myIcon, bool myPressed);

// One seven-segment digit, 10 x 17, lit over the dim shapes of all segments; myDigit -1 draws the dim ones
// only.
void ArtDrawDigit(Surface& mySurface, int myX, int myY, int myDigit);
// The hue bar of the colour column: colour 120 at the left end to colour 1 at the right.
void ArtDrawHueBar(Surface& mySurface, const Rect& myRect);
