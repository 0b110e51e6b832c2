// The arithmetic that movement and brush effect programs share: store, sum, difference, product and quotient.
#pragma once

#include <cstdint>

#include "storage/format_program.h"

// Computes myResult for one of the shared operations and says whether myOperation was one of them. A division
// by zero gives 0, so no program can hand the painter an infinity.
inline bool ProgramArithmetic(uint16_t myOperation, double myA, double myB, double& myResult) {
    switch (myOperation) {
    case kOpStore:
        myResult = myA;
        return true;
    case kOpSum:
        myResult = myA + myB;
        return true;
    case kOpDifference:
        myResult = myA - myB;
        return true;
    case kOpProduct:
        myResult = myA * myB;
        return true;
    case kOpQuotient:
        myResult = myB == 0 ? 0.0 : myA / myB;
        return true;
    default:
        return false;
    }
}
