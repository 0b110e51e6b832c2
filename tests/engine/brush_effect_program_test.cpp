// The brush effect language from hand-assembled programs.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/brush_effect_program.h"

namespace {
uint16_t W(const char* myLetters) {
    return static_cast<uint16_t>((myLetters[0] << 8) | myLetters[1]);
}
uint16_t Lit(int myValue) {
    return static_cast<uint16_t>(myValue << 8);
}
uint16_t Var(int myIndex) {
    return static_cast<uint16_t>(0x7E00 + myIndex);
}

std::vector<uint8_t> Assemble(std::initializer_list<std::array<uint16_t, 4>> myInstructions) {
    std::vector<uint8_t> myBytes;
    for (const auto& myInstruction : myInstructions)
        for (uint16_t myWord : myInstruction) {
            myBytes.push_back(static_cast<uint8_t>(myWord >> 8));
            myBytes.push_back(static_cast<uint8_t>(myWord & 0xFF));
        }
    return myBytes;
}

double RunEffect(const std::vector<uint8_t>& myProgram, const BrushEffectInputs& myInputs) {
    return BrushEffectRun(myProgram.data(), static_cast<uint16_t>(myProgram.size()), myInputs);
}
} // namespace

TEST(BrushEffectProgram, DoublingWithTheSound) {
    const auto myProgram = Assemble({{W("bs"), W("vs"), Lit(2), W("PR")}});
    BrushEffectInputs myInputs;
    myInputs.mSoundScale = 1.0;
    EXPECT_DOUBLE_EQ(RunEffect(myProgram, myInputs), 2.0);
    myInputs.mSoundScale = 0.0;
    EXPECT_DOUBLE_EQ(RunEffect(myProgram, myInputs), 0.0) << "silence suppresses the brush";
}

TEST(BrushEffectProgram, OperationsAndVariables) {
    BrushEffectInputs myInputs;
    myInputs.mX = 3;
    myInputs.mY = 4;
    myInputs.mCentX = 10;
    const auto myProgram = Assemble({{Var(0), W("xp"), W("yp"), W("HP")},    // 5
                                     {Var(1), Var(0), Lit(2), W("AF")},      // 5.5
                                     {Var(2), Lit(1), Lit(1), W("SD")},      // sin(pi/2) = 1
                                     {Var(3), Lit(2), Lit(1), W("CD")},      // cos(pi) = -1
                                     {W("bs"), Var(1), Var(2), W("SM")},     // 6.5
                                     {W("bs"), W("bs"), W("xc"), W("QU")}}); // 0.65
    EXPECT_NEAR(RunEffect(myProgram, myInputs), 0.65, 1e-12);
    EXPECT_DOUBLE_EQ(gEffParam[0], 5);
    EXPECT_DOUBLE_EQ(gEffParam[1], 5.5);
    EXPECT_NEAR(gEffParam[2], 1, 1e-12);
    EXPECT_NEAR(gEffParam[3], -1, 1e-12);
}

TEST(BrushEffectProgram, EmptyOrBrokenProgramsAreHarmless) {
    BrushEffectInputs myInputs;
    EXPECT_DOUBLE_EQ(BrushEffectRun(nullptr, 0, myInputs), 1.0);
    const auto myProgram = Assemble({{W("bs"), Lit(1), 0, W("QU")},   // 1 / 0
                                     {Var(9), Lit(5), 0, W("ST")},    // no such variable
                                     {W("bs"), Lit(3), 0, W("XX")}}); // undefined operation
    EXPECT_DOUBLE_EQ(RunEffect(myProgram, myInputs), 0.0);
}
