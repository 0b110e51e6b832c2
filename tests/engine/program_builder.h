// Test helper: programs of the three languages written instruction by instruction, in the words the
// interpreters read (storage/format_program.h).
#pragma once

#include <cstdint>
#include <vector>

#include "storage/format_program.h"

inline uint16_t W(const char* myLetters) {
    return ProgramWord(myLetters[0], myLetters[1]);
}
inline uint16_t Lit(int myValue) {
    return ProgramLiteral(myValue);
}
inline uint16_t Var(int myIndex) {
    return static_cast<uint16_t>(kVariableBase + myIndex);
}
inline uint16_t Par(int myIndex) {
    return static_cast<uint16_t>(kParameterBase + myIndex);
}

struct TestProgram {
    std::vector<uint8_t> mBytes;

    TestProgram& Add(uint16_t myDest, uint16_t myA, uint16_t myB, const char* myOperation) {
        ProgramAddInstruction(mBytes, myDest, myA, myB, W(myOperation));
        return *this;
    }
    uint16_t Size() const { return static_cast<uint16_t>(mBytes.size()); }
    // Puts the program into one of a component's program blocks.
    void Into(std::vector<uint8_t>& myBlock, uint16_t& mySize) const {
        myBlock = mBytes;
        mySize = Size();
    }
};
