// The artwork's own lettering: a proportional pixel font (capitals 7 pixels high, descenders 2 below) for the
// titles and labels that are part of the controls' pictures, the same on every machine.
#pragma once

#include <cstdint>

#include "platform/surface.h"

constexpr int kArtFontCapHeight = 7;

enum ArtFontStyle { kArtFontPlain = 0, kArtFontBold = 1 };

// Width in pixels of a text; myTracking adds that many pixels between letters.
int ArtTextWidth(const char* myText, ArtFontStyle myStyle, int myTracking);
// Draws a text with its baseline at myBaseline (the capitals fill the 7 rows above it) from myX.
void ArtText(Surface& mySurface, int myX, int myBaseline, const char* myText, uint8_t myIndex,
             ArtFontStyle myStyle, int myTracking);
// Draws a text centred horizontally in myRect and with its capitals centred vertically.
void ArtTextCentered(Surface& mySurface, const Rect& myRect, const char* myText, uint8_t myIndex,
                     ArtFontStyle myStyle, int myTracking);
