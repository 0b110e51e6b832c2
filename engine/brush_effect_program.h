// The brush effect language: programs that compute the scale of each brush image.
#pragma once

#include <cstdint>

extern double gEffParam[4];
// Puts the parameters back to their start values.
void BrushEffectResetState();

struct BrushEffectInputs {
    double mSoundScale = 0;
    double mX = 0;
    double mY = 0;
    double mCentX = 0;
    double mCentY = 0;
};

// Runs one program (size div 8 instructions, no skips) and returns the scale it computed, starting from 1:
// a program that never sets the scale leaves the brush at its own size.
double BrushEffectRun(const uint8_t* myCode, uint16_t mySize, const BrushEffectInputs& myInputs);
