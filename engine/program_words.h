// The words that movement and brush effect programs share: how a word is read, and the operands and
// operations both languages know.
#pragma once

#include <cstdint>

constexpr double kProgramPi = 3.14159265358979;

constexpr int16_t ProgramWord(char myHigh, char myLow) {
    return static_cast<int16_t>((myHigh << 8) | myLow);
}

// Both bytes sign-extended, as the programs were always read.
inline int16_t ProgramReadWord(const uint8_t* myAt) {
    return static_cast<int16_t>(static_cast<int8_t>(myAt[0]) * 256 + static_cast<int8_t>(myAt[1]));
}

enum : int16_t {
    kWordX = ProgramWord('x', 'p'),
    kWordY = ProgramWord('y', 'p'),
    kWordSound = ProgramWord('v', 's'),
    kWordCentreX = ProgramWord('x', 'c'),
    kWordCentreY = ProgramWord('y', 'c'),
    kVariableBase = 0x7E00,
    kOpStore = ProgramWord('S', 'T'),
    kOpSum = ProgramWord('S', 'M'),
    kOpDifference = ProgramWord('D', 'F'),
    kOpProduct = ProgramWord('P', 'R'),
    kOpQuotient = ProgramWord('Q', 'U'),
};
