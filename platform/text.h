// Text in one exact palette index, drawn into 8-bit surfaces with SDL2_ttf and fonts found by fontconfig.
#pragma once

#include <cstdint>

#include "platform/surface.h"

constexpr int kFontSlots = 4;

// Opens a font by family name ("Arial", "sans-serif") at a character height in pixels.
bool TextOpenFont(int mySlot, const char* myFamily, int myPixelHeight);
void TextCloseFonts();
bool TextFontOpen(int mySlot);
int TextWidth(int mySlot, const char* myText);
int TextLineHeight(int mySlot);
int TextAscent(int mySlot);

// Draws one line with its top-left corner at (myX, myY); only the glyphs' pixels change.
void TextDraw(Surface& mySurface, int mySlot, int myX, int myY, const char* myText, uint8_t myIndex);
// Draws one line centred in the rectangle (vertically too).
void TextDrawCentered(Surface& mySurface, int mySlot, const Rect& myRect, const char* myText,
                      uint8_t myIndex);
// Word-wraps the text into the rectangle's width, line after line from its top; not clipped to its bottom.
void TextDrawWrapped(Surface& mySurface, int mySlot, const Rect& myRect, const char* myText, uint8_t myIndex);
