// The decoders of the component files' picture codings: 8-bit pixels, 1-bit masks and movement icons.
#pragma once

#include <cstdint>

#include "platform/surface.h"

// Decodes the compressed 8-bit stream of mySize bytes that lies at the start of mySurface's pixels into a
// picture of myWidth x myHeight at its top-left. Decoding runs backwards so the pixels never overwrite unread
// input. Pixels a short or damaged stream leaves unwritten become 0; the result says whether the stream
// covered the picture exactly.
bool BitmapDecodePixels(Surface& mySurface, int32_t mySize, int myWidth, int myHeight);

// Decodes a mask layer (one byte of 0 or 255 per pixel, rows of myWidth rounded up to a multiple of 8) from
// mySource, compressed or, when myRaw is set, stored as plain bits. Pixels beyond the surface are dropped.
bool BitmapDecodeMask(Surface& mySurface, const uint8_t* mySource, int32_t mySize, int myWidth, int myHeight,
                      bool myRaw);

// Decodes a movement icon (24 x 24) that lies at the start of mySurface's pixels.
bool LoadDecodeMoveIcon(Surface& mySurface, int32_t mySize);

// Halves a picture in place: every second pixel of every second row, the right-hand one of a pair when the
// left one is transparent.
void LoadReduceIcon(Surface& mySurface, int myWidth, int myHeight);

// Moves an icon's gradient colours into the 45 preview colours: a fill icon's (myFill) from 111-200, a brush
// or movement icon's from 21-110.
void LoadRemapIcon(Surface& mySurface, int myWidth, int myHeight, bool myFill);
