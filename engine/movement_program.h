// The movement language: programs of 8-byte instructions that move the brush position gX, gY.
#pragma once

#include <cstdint>

extern double gX;
extern double gY;
extern double gMoveParam[12];
// Puts the position and parameters back to their start values.
void MovementProgramResetState();

// What the programs may read of the current brush.
struct MovementBrush {
    double mBottom = 0; // lower half-height
    double mRight = 0;  // right half-width
    double mFrameHeight = 0;
    double mFrameCount = 1;
    double mFrameWidth = 0;
};

// What a movement program reads besides the position and variables.
struct MovementInputs {
    MovementBrush mBrush;
    int8_t mParams[3] = {0, 0, 0}; // the current slot's parameter values
    double mSpread = 40;
    double mSoundScale = 0;
    double mCentX = 0;
    double mCentY = 0;
};

// Runs one program (size div 8 instructions). A centred movement's position is taken from the screen centre.
// myLinger receives SI and SE.
void MovementRun(const uint8_t* myCode, uint16_t mySize, bool myCentered, const MovementInputs& myInputs,
                 int16_t& myLinger);
// MovementRun on a position and variables of the caller's own (a preview, a drawn path): myX, myY and the 12
// values at myVariables take the place of the running picture's, whose own are put back afterwards.
void MovementRunApart(const uint8_t* myCode, uint16_t mySize, bool myCentered, const MovementInputs& myInputs,
                      double& myX, double& myY, double* myVariables, int16_t& myLinger);
