// The interpreter of movement programs. Undefined codes do nothing, unknown variables read 0 and take
// nothing, divisions by zero give 0, and a position that is not finite is moved off the screen, so no program
// can trap or hand the painter a position it cannot use.
#include "engine/movement_program.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/random.h"
#include "engine/program_arithmetic.h"
#include "storage/format_program.h"

double gX = 0;
double gY = 0;
double gMoveParam[12] = {};

namespace {
// Far enough off every screen that nothing shows, and still a number the painter can clip.
constexpr double kFarAway = 1.0e7;

double* Destination(int16_t myWord) {
    if (myWord == kWordX) return &gX;
    if (myWord == kWordY) return &gY;
    const int myVariable = myWord - kVariableBase;
    if (myVariable >= 0 && myVariable < kMoveVariables) return &gMoveParam[myVariable];
    return nullptr;
}

double Operand(int16_t myWord, const uint8_t* myAt, const MovementInputs& myInputs) {
    if (myWord == 0) return 0.0;
    const int myParameter = myWord - kParameterBase;
    if (myParameter >= 0 && myParameter < kMaxParams) return myInputs.mParams[myParameter];
    const int myVariable = myWord - kVariableBase;
    if (myVariable >= 0 && myVariable < 256)
        return myVariable < kMoveVariables ? gMoveParam[myVariable] : 0.0;
    switch (myWord) {
    case kWordBrushBottom:
        return myInputs.mBrush.mBottom;
    case kWordBrushRight:
        return myInputs.mBrush.mRight;
    case kWordFrameHeight:
        return myInputs.mBrush.mFrameHeight;
    case kWordFrameCount:
        return myInputs.mBrush.mFrameCount;
    case kWordFrameWidth:
        return myInputs.mBrush.mFrameWidth;
    case kWordPi:
        return kProgramPi;
    case kWordSpread:
        return myInputs.mSpread;
    case kWordSound:
        return myInputs.mSoundScale;
    case kWordCentreX:
        return myInputs.mCentX;
    case kWordCentreY:
        return myInputs.mCentY;
    case kWordX:
        return gX;
    case kWordY:
        return gY;
    default:
        return static_cast<double>(myAt[0]); // a literal: the word's high byte
    }
}

double Divide(double myA, double myB) {
    return myB == 0 ? 0.0 : myA / myB;
}

int SkipCount(double myValue) {
    if (!std::isfinite(myValue)) return 0;
    return static_cast<int>(static_cast<int64_t>(std::trunc(myValue)) & 0xFF);
}

double RandomFraction() {
    return MainRandom() / static_cast<double>(kRandomRange);
}

double Wrap(double myValue, double myFrame, double myCentre, double myPosition) {
    const double myWidth = std::floor(myFrame / 2) + std::trunc(myCentre);
    if (myWidth == 0) return myValue;
    return myValue - 2 * myWidth * std::trunc(std::trunc(myPosition - myCentre) / myWidth);
}

int16_t LingerFrom(double myValue) {
    if (!std::isfinite(myValue)) return 1;
    const double myCut = std::trunc(myValue);
    if (myCut > 32767) return 32767;
    if (myCut < -32768) return -32768;
    return static_cast<int16_t>(myCut);
}
} // namespace

void MovementRun(const uint8_t* myCode, uint16_t mySize, bool myCentered, const MovementInputs& myInputs,
                 int16_t& myLinger) {
    const int myCount = myCode ? mySize / kInstructionBytes : 0;
    double* myDest = nullptr;
    const double myFrameWidth = myInputs.mBrush.mFrameWidth, myFrameHeight = myInputs.mBrush.mFrameHeight;
    for (int myIndex = 0; myIndex < myCount; ++myIndex) {
        const auto& myAt = *reinterpret_cast<const ProgramInstruction*>(myCode + kInstructionBytes * myIndex);
        const int16_t myDestWord = ProgramReadWord(myAt.mDest);
        if (myDestWord != kWordSame) myDest = Destination(myDestWord);
        const double myA = Operand(ProgramReadWord(myAt.mA), myAt.mA, myInputs);
        const double myB = Operand(ProgramReadWord(myAt.mB), myAt.mB, myInputs);
        const double myD = myDest ? *myDest : 0.0;
        double myResult = myD;
        bool myStores = true;
        const uint16_t myOperation = static_cast<uint16_t>(ProgramReadWord(myAt.mOperation));
        if (!ProgramArithmetic(myOperation, myA, myB, myResult)) {
            switch (myOperation) {
            case kOpFloorQuotient:
                myResult = myB == 0 ? 0.0 : std::floor(myA / myB);
                break;
            case kOpModulo: {
                const double myModulus = std::fabs(myB);
                myResult = myModulus == 0 ? 0.0 : myA - std::trunc(myA / myModulus) * myModulus;
                break;
            }
            case kOpPower:
                myResult = std::pow(myA, myB);
                break;
            case kOpAbsolute:
                myResult = std::fabs(myD);
                break;
            case kOpSine:
                myResult = std::sin(myA * myB);
                break;
            case kOpCosine:
                myResult = std::cos(myA * myB);
                break;
            case kOpSineCycle:
                myResult = myB == 0 ? 0.0 : std::sin(2 * kProgramPi * myA / myB);
                break;
            case kOpCosineCycle:
                myResult = myB == 0 ? 0.0 : std::cos(2 * kProgramPi * myA / myB);
                break;
            case kOpAngle:
                myResult = Divide(2 * kProgramPi * myA, myB);
                break;
            case kOpRandom:
                myResult = myA + std::floor((myB - myA + 1) * RandomFraction());
                break;
            case kOpRandomX:
                myResult = std::floor((2 * myInputs.mCentX + myFrameWidth + 1) * RandomFraction()) -
                           std::floor(myFrameWidth / 2);
                break;
            case kOpRandomY:
                myResult = std::floor((2 * myInputs.mCentY + myFrameHeight + 1) * RandomFraction()) -
                           std::floor(myFrameHeight / 2);
                break;
            case kOpScreenRatio:
                myResult = 5 * myInputs.mCentY * (1.0 / 3) * myA * 0.01;
                break;
            case kOpWrapX:
                myResult = Wrap(myD, myFrameWidth, myInputs.mCentX, gX);
                break;
            case kOpWrapY:
                myResult = Wrap(myD, myFrameHeight, myInputs.mCentY, gY);
                break;
            case kOpIfEqual:
                myStores = false;
                if (myD != myA) myIndex += SkipCount(myB);
                break;
            case kOpIfGreater:
                myStores = false;
                if (!(myD > myA)) myIndex += SkipCount(myB);
                break;
            case kOpIfOutside:
                myStores = false;
                if (std::fabs(gY - myInputs.mCentY) < myFrameHeight + myInputs.mCentY &&
                    std::fabs(gX - myInputs.mCentX) < myFrameWidth + myInputs.mCentX)
                    myIndex += SkipCount(myA);
                break;
            case kOpLinger:
                myStores = false;
                myLinger = LingerFrom(myA);
                break;
            case kOpLingerNegated:
                myStores = false;
                myLinger = LingerFrom(-myA);
                break;
            default:
                myStores = false;
                break;
            }
        }
        if (myStores && myDest) *myDest = std::isfinite(myResult) ? myResult : 0.0;
    }
    if (myCentered) {
        gX += myInputs.mCentX;
        gY += myInputs.mCentY;
    }
    if (!std::isfinite(gX) || std::fabs(gX) > kFarAway) gX = kFarAway;
    if (!std::isfinite(gY) || std::fabs(gY) > kFarAway) gY = kFarAway;
}

void MovementRunApart(const uint8_t* myCode, uint16_t mySize, bool myCentered, const MovementInputs& myInputs,
                      double& myX, double& myY, double* myVariables, int16_t& myLinger) {
    const double mySavedX = gX, mySavedY = gY;
    double mySaved[std::size(gMoveParam)];
    std::copy(std::begin(gMoveParam), std::end(gMoveParam), mySaved);
    gX = myX;
    gY = myY;
    std::copy(myVariables, myVariables + std::size(gMoveParam), gMoveParam);
    MovementRun(myCode, mySize, myCentered, myInputs, myLinger);
    myX = gX;
    myY = gY;
    std::copy(std::begin(gMoveParam), std::end(gMoveParam), myVariables);
    gX = mySavedX;
    gY = mySavedY;
    std::copy(std::begin(mySaved), std::end(mySaved), gMoveParam);
}

void MovementProgramResetState() {
    gX = gY = 0;
    std::fill(std::begin(gMoveParam), std::end(gMoveParam), 0.0);
}
