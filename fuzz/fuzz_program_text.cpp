// Fuzz target: the program and gradient assemblers on arbitrary text, and the disassembler on arbitrary
// bytes; whatever disassembles must assemble back to the same bytes, and whatever assembles must come back
// the same through the disassembler. An input whose first byte is a program file's type is taken for a file,
// any other for text, so the bundled programs and their texts are seeds as they are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "converter/gradient_text.h"
#include "converter/program_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    if (mySize == 0) return 0;
    ProgramKind myKind;
    if (myData[0] == 'M' || myData[0] == 'C' || myData[0] == 'E') {
        std::string myBack;
        if (ProgramDisassemble(myData, mySize, myBack).mOk) {
            std::vector<uint8_t> myAgain;
            if (!ProgramAssemble(myBack, myKind, myAgain).mOk) std::abort();
            if (myAgain != std::vector<uint8_t>(myData, myData + mySize)) std::abort();
        }
        return 0;
    }
    const std::string myText(reinterpret_cast<const char*>(myData), mySize);
    std::vector<uint8_t> myFile;
    if (ProgramAssemble(myText, myKind, myFile).mOk) {
        std::string myBack;
        std::vector<uint8_t> myAgain;
        if (!ProgramDisassemble(myFile.data(), myFile.size(), myBack).mOk) std::abort();
        if (!ProgramAssemble(myBack, myKind, myAgain).mOk || myAgain != myFile) std::abort();
    } else {
        GradientAssemble(myText, myFile);
    }
    return 0;
}
