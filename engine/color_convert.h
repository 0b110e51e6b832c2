// Conversions between RGB triples and the hue-saturation-brightness form the colour code turns hues in.
#pragma once

#include <cstdint>

// Hue: 65536 is a full turn; saturation and brightness 0-1.
void ExecuteHSB(const uint8_t* myRGB, uint16_t* myHue, double* mySaturation, double* myBrightness);
void ExecuteRGB(uint8_t* myRGB, uint16_t myHue, double mySaturation, double myBrightness);
