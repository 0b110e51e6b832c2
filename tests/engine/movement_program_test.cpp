// The movement language, instruction by instruction, from hand-assembled programs.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "core/random.h"
#include "engine/movement_program.h"
#include "program_builder.h"

namespace {
class MovementProgramTest : public ::testing::Test {
  protected:
    MovementInputs mInputs;
    int16_t mLinger = 1;
    void SetUp() override {
        mInputs.mCentX = 400;
        mInputs.mCentY = 300;
        mInputs.mBrush.mFrameWidth = 64;
        mInputs.mBrush.mFrameHeight = 48;
        MainSeedRandom(12345);
    }
    void Run(const TestProgram& myProgram, bool myCentered = false) {
        MovementRun(myProgram.mBytes.data(), myProgram.Size(), myCentered, mInputs, mLinger);
    }
};
} // namespace

TEST_F(MovementProgramTest, ArithmeticOnVariablesAndPosition) {
    TestProgram myProgram;
    myProgram.Add(Var(0), Lit(7), 0, "ST")
        .Add(W("lc"), Var(0), Lit(3), "SM")    // v0 = 10
        .Add(Var(1), Var(0), Lit(4), "DF")     // v1 = 6
        .Add(Var(2), Var(1), Lit(5), "PR")     // v2 = 30
        .Add(Var(3), Var(2), Lit(4), "QU")     // v3 = 7.5
        .Add(Var(4), Var(3), Lit(2), "IQ")     // v4 = 3
        .Add(Var(5), Lit(2), Lit(10), "PW")    // v5 = 1024
        .Add(W("xp"), W("xc"), Var(4), "PR")   // x = 1200
        .Add(W("yp"), W("yc"), W("pi"), "SM"); // y = 303.14...
    Run(myProgram);
    EXPECT_DOUBLE_EQ(gMoveParam[0], 10);
    EXPECT_DOUBLE_EQ(gMoveParam[1], 6);
    EXPECT_DOUBLE_EQ(gMoveParam[2], 30);
    EXPECT_DOUBLE_EQ(gMoveParam[3], 7.5);
    EXPECT_DOUBLE_EQ(gMoveParam[4], 3);
    EXPECT_DOUBLE_EQ(gMoveParam[5], 1024);
    EXPECT_DOUBLE_EQ(gX, 1200);
    EXPECT_NEAR(gY, 303.14159265358979, 1e-12);
}

TEST_F(MovementProgramTest, ModuloKeepsTheSignOfA) {
    gMoveParam[1] = -7;
    TestProgram myProgram;
    myProgram.Add(Var(0), Var(1), Lit(3), "MO");
    Run(myProgram);
    EXPECT_DOUBLE_EQ(gMoveParam[0], -1);
}

TEST_F(MovementProgramTest, RandomWholeNumbersAreEvenlySpread) {
    TestProgram myProgram;
    myProgram.Add(Var(0), Lit(1), Lit(6), "RN");
    std::map<double, int> myCounts;
    for (int myRun = 0; myRun < 60000; ++myRun) {
        Run(myProgram);
        ++myCounts[gMoveParam[0]];
    }
    ASSERT_EQ(myCounts.size(), 6u);
    for (const auto& [myValue, myCount] : myCounts) {
        EXPECT_GE(myValue, 1);
        EXPECT_LE(myValue, 6);
        EXPECT_EQ(myValue, std::trunc(myValue));
        EXPECT_NEAR(myCount, 10000, 500) << "value " << myValue;
    }
}

TEST_F(MovementProgramTest, SkipsPassOverExactlyTheirCount) {
    TestProgram myProgram;
    myProgram.Add(Var(0), Lit(5), 0, "ST")
        .Add(W("lc"), Lit(4), Lit(2), "IE") // 5 != 4: skip two
        .Add(Var(1), Lit(1), 0, "ST")
        .Add(Var(2), Lit(1), 0, "ST")
        .Add(Var(3), Lit(1), 0, "ST")
        .Add(Var(0), Lit(5), Lit(1), "IE") // equal: go on
        .Add(Var(4), Lit(1), 0, "ST")
        .Add(Var(0), Lit(9), Lit(1), "IG") // 5 > 9 is false: skip one
        .Add(Var(5), Lit(1), 0, "ST")
        .Add(Var(0), Lit(1), Lit(200), "IG"); // 5 > 1: go on (and nothing follows)
    Run(myProgram);
    EXPECT_EQ(gMoveParam[1], 0);
    EXPECT_EQ(gMoveParam[2], 0);
    EXPECT_EQ(gMoveParam[3], 1);
    EXPECT_EQ(gMoveParam[4], 1);
    EXPECT_EQ(gMoveParam[5], 0);
    // A skip beyond the last instruction simply ends the run.
    TestProgram myLong;
    myLong.Add(Var(0), Lit(0), Lit(250), "IE").Add(Var(6), Lit(1), 0, "ST");
    Run(myLong);
    EXPECT_EQ(gMoveParam[6], 0);
}

TEST_F(MovementProgramTest, OutsideTestSkipsWhileTheBrushIsOnTheScreen) {
    TestProgram myProgram;
    myProgram.Add(0, Lit(1), 0, "IO").Add(Var(0), Lit(1), 0, "SM");
    gX = 799;
    gY = 300;
    Run(myProgram);
    EXPECT_EQ(gMoveParam[0], 0) << "on screen: skipped";
    gX = 400 + 400 + 63;
    Run(myProgram);
    EXPECT_EQ(gMoveParam[0], 0) << "less than one brush beyond the edge: still skipped";
    gX = 400 + 400 + 64;
    Run(myProgram);
    EXPECT_EQ(gMoveParam[0], 1) << "a brush size beyond the edge: the rest runs";
    gX = 400;
    gY = -48;
    Run(myProgram);
    EXPECT_EQ(gMoveParam[0], 1) << "above the top by a brush height";
}

TEST_F(MovementProgramTest, CentredMovementsWorkFromTheCentre) {
    TestProgram myProgram;
    myProgram.Add(W("xp"), 0, 0, "ST").Add(W("yp"), 0, 0, "ST");
    Run(myProgram, true);
    EXPECT_DOUBLE_EQ(gX, 400);
    EXPECT_DOUBLE_EQ(gY, 300);
}

TEST_F(MovementProgramTest, TrigonometryLingerParametersAndTheFallback) {
    mInputs.mParams[0] = 3;
    mInputs.mParams[1] = 4;
    mInputs.mSpread = 40;
    mInputs.mSoundScale = 0.5;
    TestProgram myProgram;
    myProgram
        .Add(Var(0), Par(0), Lit(4), "SS")   // sin(2 pi 3 / 4) = -1
        .Add(Var(1), Par(1), Lit(8), "CS")   // cos(2 pi 4 / 8) = -1
        .Add(Var(2), W("pi"), Lit(1), "SP")  // sin(pi) = 0
        .Add(Var(3), W("sp"), W("vs"), "PR") // 20
        .Add(Var(4), Lit(1), Lit(4), "GS")   // pi / 2
        .Add(Var(5), Lit(60), 0, "SR")       // 5 x 300 / 3 x 0.6 = 300
        .Add(0, Lit(3), 0, "SI");
    Run(myProgram);
    EXPECT_NEAR(gMoveParam[0], -1, 1e-12);
    EXPECT_NEAR(gMoveParam[1], -1, 1e-12);
    EXPECT_NEAR(gMoveParam[2], 0, 1e-12);
    EXPECT_DOUBLE_EQ(gMoveParam[3], 20);
    EXPECT_NEAR(gMoveParam[4], 3.14159265358979 / 2, 1e-12);
    EXPECT_NEAR(gMoveParam[5], 300, 1e-9);
    EXPECT_EQ(mLinger, 3);
    TestProgram myNegated;
    myNegated.Add(0, Lit(3), 0, "SE");
    Run(myNegated);
    EXPECT_EQ(mLinger, -3);
    // The program a slot holds when its file is missing: the brush goes beyond the right edge.
    const std::vector<uint8_t> kFallback = {0x78, 0x70, 0x04, 0x00, 0x78, 0x63, 0x50, 0x52};
    MovementRun(kFallback.data(), 8, false, mInputs, mLinger);
    EXPECT_DOUBLE_EQ(gX, 1600);
}

TEST_F(MovementProgramTest, BadProgramsCannotTrap) {
    TestProgram myProgram;
    myProgram
        .Add(Var(0), Lit(1), 0, "QU") // division by zero
        .Add(Var(1), Lit(1), 0, "MO")
        .Add(Var(2), Lit(1), 0, "IQ")
        .Add(Var(3), Lit(1), 0, "GS")
        .Add(Var(40), Lit(9), 0, "ST") // a variable that does not exist
        .Add(Var(5), Var(40), 0, "ST")
        .Add(Var(6), Lit(7), 0, "ZZ")           // an undefined operation
        .Add(W("xp"), Lit(200), Lit(250), "PW") // overflows to infinity
        .Add(W("yp"), 0, 0, "ST");
    myProgram.mBytes.push_back(0x78); // a trailing part of an instruction is ignored
    myProgram.mBytes.push_back(0x70);
    Run(myProgram);
    for (int myIndex = 0; myIndex < 7; ++myIndex)
        EXPECT_EQ(gMoveParam[myIndex], 0) << "variable " << myIndex;
    EXPECT_TRUE(std::isfinite(gX));
    EXPECT_EQ(gY, 0);
    MovementRun(nullptr, 64, true, mInputs, mLinger);
    EXPECT_TRUE(std::isfinite(gX));
}
