// Row compression of the component files: the 8-bit token coding and the 1-bit mask coding.
#pragma once

#include <cstdint>
#include <vector>

// True for the pixel values a single byte of the 8-bit coding can carry (0, 21-200, 255).
inline bool ConvertIsLiteral(uint8_t myValue) {
    return myValue == 0 || (myValue >= 21 && myValue <= 200) || myValue == 255;
}

// Appends one compressed row. Fails (appending nothing) when a pixel that no token can carry would have to be
// written alone; the converter's own pictures never hold such pixels.
bool ConvertCompressRow(const uint8_t* myRow, int myWidth, std::vector<uint8_t>& myOut);

// Packs a row of mask flags (non-zero = opaque) into (width + 7) / 8 bytes, the leftmost pixel in bit 7.
void ConvertPackMaskRow(const uint8_t* myMask, int myWidth, uint8_t* myPacked);

// Appends one compressed mask row made from myBytes packed bytes.
void ConvertCompressMaskRow(const uint8_t* myPacked, int myBytes, std::vector<uint8_t>& myOut);
