// The brush effect language from hand-assembled programs.
#include <gtest/gtest.h>

#include "engine/brush_effect_program.h"
#include "program_builder.h"

namespace {
double RunEffect(const TestProgram& myProgram, const BrushEffectInputs& myInputs) {
    return BrushEffectRun(myProgram.mBytes.data(), myProgram.Size(), myInputs);
}
} // namespace

TEST(BrushEffectProgram, DoublingWithTheSound) {
    const auto myProgram = TestProgram().Add(W("bs"), W("vs"), Lit(2), "PR");
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
    const auto myProgram = TestProgram()
                               .Add(Var(0), W("xp"), W("yp"), "HP")   // 5
                               .Add(Var(1), Var(0), Lit(2), "AF")     // 5.5
                               .Add(Var(2), Lit(1), Lit(1), "SD")     // sin(pi/2) = 1
                               .Add(Var(3), Lit(2), Lit(1), "CD")     // cos(pi) = -1
                               .Add(W("bs"), Var(1), Var(2), "SM")    // 6.5
                               .Add(W("bs"), W("bs"), W("xc"), "QU"); // 0.65
    EXPECT_NEAR(RunEffect(myProgram, myInputs), 0.65, 1e-12);
    EXPECT_DOUBLE_EQ(gEffParam[0], 5);
    EXPECT_DOUBLE_EQ(gEffParam[1], 5.5);
    EXPECT_NEAR(gEffParam[2], 1, 1e-12);
    EXPECT_NEAR(gEffParam[3], -1, 1e-12);
}

TEST(BrushEffectProgram, EmptyOrBrokenProgramsAreHarmless) {
    BrushEffectInputs myInputs;
    EXPECT_DOUBLE_EQ(BrushEffectRun(nullptr, 0, myInputs), 1.0);
    const auto myProgram = TestProgram()
                               .Add(W("bs"), Lit(1), 0, "QU")  // 1 / 0
                               .Add(Var(9), Lit(5), 0, "ST")   // no such variable
                               .Add(W("bs"), Lit(3), 0, "XX"); // undefined operation
    EXPECT_DOUBLE_EQ(RunEffect(myProgram, myInputs), 0.0);
}
