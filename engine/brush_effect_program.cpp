// The interpreter of brush effect programs. Undefined operations do nothing, unknown variables read 0 and
// take nothing, and a result that is not finite (a division by zero) counts as 0, which paints nothing.
#include "engine/brush_effect_program.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/program_arithmetic.h"
#include "storage/format_program.h"

double gEffParam[4] = {};

namespace {
double Operand(int16_t myWord, const uint8_t* myAt, double myScale, const BrushEffectInputs& myInputs) {
    if (myWord == 0) return 0.0;
    const int myVariable = myWord - kVariableBase;
    if (myVariable >= 0 && myVariable < 256)
        return myVariable < kBrushVariables ? gEffParam[myVariable] : 0.0;
    switch (myWord) {
    case kWordScale:
        return myScale;
    case kWordSound:
        return myInputs.mSoundScale;
    case kWordCentreX:
        return myInputs.mCentX;
    case kWordCentreY:
        return myInputs.mCentY;
    case kWordX:
        return myInputs.mX;
    case kWordY:
        return myInputs.mY;
    default:
        return static_cast<double>(myAt[0]);
    }
}
} // namespace

double BrushEffectRun(const uint8_t* myCode, uint16_t mySize, const BrushEffectInputs& myInputs) {
    double myScale = 1.0;
    const int myCount = myCode ? mySize / kInstructionBytes : 0;
    for (int myIndex = 0; myIndex < myCount; ++myIndex) {
        const auto& myAt = *reinterpret_cast<const ProgramInstruction*>(myCode + kInstructionBytes * myIndex);
        const int16_t myDestWord = ProgramReadWord(myAt.mDest);
        double* myDest = nullptr;
        if (myDestWord == kWordScale) {
            myDest = &myScale;
        } else if (myDestWord >= kVariableBase && myDestWord < kVariableBase + kBrushVariables) {
            myDest = &gEffParam[myDestWord - kVariableBase];
        }
        const double myA = Operand(ProgramReadWord(myAt.mA), myAt.mA, myScale, myInputs);
        const double myB = Operand(ProgramReadWord(myAt.mB), myAt.mB, myScale, myInputs);
        const uint16_t myOperation = static_cast<uint16_t>(ProgramReadWord(myAt.mOperation));
        double myResult;
        if (!ProgramArithmetic(myOperation, myA, myB, myResult)) {
            switch (myOperation) {
            case kOpAddInverse:
                myResult = myA + 1 / myB;
                break;
            case kOpBrushSine:
                myResult = std::sin(kProgramPi * myA / (2 * myB));
                break;
            case kOpBrushCosine:
                myResult = std::cos(kProgramPi * myA / (2 * myB));
                break;
            case kOpHypotenuse:
                myResult = std::sqrt(myA * myA + myB * myB);
                break;
            default:
                continue;
            }
        }
        if (myDest) *myDest = std::isfinite(myResult) ? myResult : 0.0;
    }
    return myScale;
}

void BrushEffectResetState() {
    std::fill(std::begin(gEffParam), std::end(gEffParam), 0.0);
}
