// The text forms of movements, effects and gradients: what the assembler writes, the errors it names, and
// exact round trips through the disassembler.
#include <gtest/gtest.h>

#include "converter/gradient_text.h"
#include "converter/program_text.h"

namespace {

std::vector<uint8_t> Assemble(const std::string& myText, ProgramKind* myKindOut = nullptr) {
    ProgramKind myKind = kProgramMovement;
    std::vector<uint8_t> myFile;
    const ConvertResult myResult = ProgramAssemble(myText, myKind, myFile);
    EXPECT_TRUE(myResult.mOk) << myResult.mMessage;
    if (myKindOut) *myKindOut = myKind;
    return myFile;
}

std::string Failure(const std::string& myText) {
    ProgramKind myKind;
    std::vector<uint8_t> myFile;
    const ConvertResult myResult = ProgramAssemble(myText, myKind, myFile);
    EXPECT_FALSE(myResult.mOk);
    return myResult.mMessage;
}

// The code block of a movement without parameters: after the header, the 120 skipped bytes, the icon and the
// two flag bytes.
size_t CodeAt(const std::vector<uint8_t>& myFile) {
    return 127 + (myFile[5] | myFile[6] << 8) + 2;
}

std::vector<uint8_t> Instruction(const std::vector<uint8_t>& myFile, size_t myAt) {
    return std::vector<uint8_t>(myFile.begin() + static_cast<long>(myAt),
                                myFile.begin() + static_cast<long>(myAt) + 8);
}

TEST(ProgramTextTest, MovementLayoutAndInstructionWords) {
    const std::vector<uint8_t> myFile = Assemble("movement\n"
                                                 "description \"Goes right\"\n"
                                                 "centred yes\n"
                                                 "init\n"
                                                 "  ST xp xc\n"
                                                 "update\n"
                                                 "  PR v11 yc 3\n"
                                                 "  SM lc p2 255\n");
    ASSERT_GE(myFile.size(), 127u);
    EXPECT_EQ(myFile[0], 'M');
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&myFile[7])), "Goes right");
    // Without an icon statement the icon is blank: 24 rows of one run of 24 zeros.
    EXPECT_EQ(myFile[5] | myFile[6] << 8, 24);
    EXPECT_EQ(myFile[127], 24 + 19);
    const size_t myAt = CodeAt(myFile);
    EXPECT_EQ(myFile[myAt - 2], 1); // centred
    EXPECT_EQ(myFile[myAt - 1], 0); // no parameters
    EXPECT_EQ(myFile[myAt] | myFile[myAt + 1] << 8, 8);
    EXPECT_EQ(myFile[myAt + 2] | myFile[myAt + 3] << 8, 0);
    EXPECT_EQ(myFile[myAt + 4] | myFile[myAt + 5] << 8, 16);
    EXPECT_EQ(Instruction(myFile, myAt + 6), (std::vector<uint8_t>{'x', 'p', 'x', 'c', 0, 0, 'S', 'T'}));
    EXPECT_EQ(Instruction(myFile, myAt + 14), (std::vector<uint8_t>{0x7E, 11, 'y', 'c', 3, 0, 'P', 'R'}));
    EXPECT_EQ(Instruction(myFile, myAt + 22), (std::vector<uint8_t>{'l', 'c', 0x7F, 2, 255, 0, 'S', 'M'}));
    EXPECT_EQ(myFile.size(), myAt + 6 + 24);
}

TEST(ProgramTextTest, LabelsBecomeForwardSkipCounts) {
    const std::vector<uint8_t> myFile = Assemble("movement\nupdate\n  IG v0 200 @done\n  ST v0\n  ST v1\n"
                                                 "done:\n  IO xp @end\n  RX xp\nend:\n");
    const size_t myAt = CodeAt(myFile) + 6;
    EXPECT_EQ(myFile[myAt + 4], 2); // B of IG skips the two stores
    EXPECT_EQ(myFile[myAt + 5], 0);
    EXPECT_EQ(myFile[myAt + 24 + 2], 1); // A of IO skips to the end of the program
}

TEST(ProgramTextTest, ErrorsNameTheLine) {
    EXPECT_EQ(Failure("movement\nupdate\n  XX xp\n"), "Line 3: unknown operation \"XX\".");
    EXPECT_EQ(Failure("movement\nupdate\n  ST v12 1\n"), "Line 3: \"v12\" cannot be written to.");
    EXPECT_EQ(Failure("movement\n\nupdate\n  ST xp 126\n"), "Line 4: the literal 126 has the code of v0.");
    EXPECT_EQ(Failure("movement\nupdate\n  ST xp 256\n"), "Line 3: unknown operand \"256\".");
    EXPECT_EQ(Failure("movement\nupdate\nback:\n  IE xp 0 @back\n"),
              "Line 4: skips go forward only: \"back\" lies before.");
    EXPECT_EQ(Failure("movement\nupdate\n  IE xp 0 @nowhere\n"),
              "Line 3: no label \"nowhere\" in this program.");
    EXPECT_EQ(Failure("movement\nupdate\n  ST xp 0 @x\nx:\n"),
              "Line 3: a label can only be the number of instructions to skip.");
    EXPECT_EQ(Failure("brush-effect\nupdate\n  ST bs p0\n"), "Line 3: this language has no parameters.");
    EXPECT_EQ(Failure("movement\nparam 5 1 2 \"A\" \"B\"\n"),
              "Line 2: the minimum is larger than the maximum.");
    EXPECT_EQ(Failure("movement\nicon\n........................\n"),
              "Line 2: the icon is 24 rows of 24 letters.");
    EXPECT_EQ(Failure("movement\nicon\n.....\n"), "Line 3: the icon is 24 rows of 24 letters.");
    EXPECT_EQ(Failure("movement\nicon\n.......................x\n"),
              "Line 3: icon letters are .*+:rgybmc only.");
    EXPECT_EQ(Failure("# nothing\nupdate\n"),
              "Line 2: the first statement must be movement, colour-effect or brush-effect.");
    EXPECT_EQ(Failure("movement\ndescription \"" + std::string(120, 'a') + "\"\n"),
              "Line 2: the text is longer than 119 letters.");
    std::string myFour = "movement\n";
    for (int i = 0; i < 4; ++i)
        myFour += "param 0 9 random \"P\" \"D\"\n";
    EXPECT_EQ(Failure(myFour), "Line 5: a movement has at most 3 parameters.");
}

TEST(ProgramTextTest, EffectsUseTheirOwnWords) {
    ProgramKind myKind;
    const std::vector<uint8_t> myColor = Assemble("colour-effect\ninit\n  SD 1\n  SH bc\n", &myKind);
    EXPECT_EQ(myKind, kProgramColorEffect);
    ASSERT_EQ(myColor.size(), 4u + 90 + 6 + 16);
    EXPECT_EQ(myColor[0], 'C');
    EXPECT_EQ(Instruction(myColor, 100), (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 'S', 'D'}));
    EXPECT_EQ(Instruction(myColor, 108), (std::vector<uint8_t>{'b', 'c', 0, 0, 0, 0, 'S', 'H'}));
    const std::vector<uint8_t> myBrush = Assemble("brush-effect\nupdate\n  HP bs v3 127\n", &myKind);
    EXPECT_EQ(myKind, kProgramBrushEffect);
    EXPECT_EQ(Instruction(myBrush, 100), (std::vector<uint8_t>{'b', 's', 0x7E, 3, 127, 0, 'H', 'P'}));
}

TEST(ProgramTextTest, OddFilesComeBackExactly) {
    std::vector<uint8_t> myFile = Assemble("movement\nparam -128 127 random \"Size\" \"How big\"\n"
                                           "update\n  ST xp 1\n  IE xp 0 @a\n  ST xp\na:\n");
    // Bytes a text would not normally say: the unread header bytes, a quote in the description, a word
    // that is no operand, an unknown operation, a skip beyond the end, a non-canonical icon and trailing
    // bytes.
    myFile[3] = 9;
    myFile[7] = '"';
    const size_t myIcon = 127;
    myFile[myIcon] = 0; // one zero pixel, then a run of 23: still 24 pixels, but not the assembler's coding
    myFile.insert(myFile.begin() + myIcon + 1, 23 + 19);
    myFile[5] = static_cast<uint8_t>(myFile[5] + 1);
    const size_t myCode = myIcon + (myFile[5] | myFile[6] << 8) + 2 + 147 + 6;
    myFile[myCode + 3] = 0x55;     // operand A of the first instruction gets a low byte
    myFile[myCode + 8 + 6] = 'Z';  // the second instruction's operation is unknown
    myFile[myCode + 16 + 4] = 200; // a skip far beyond the program
    myFile.push_back(0xAB);
    std::string myText;
    ASSERT_TRUE(ProgramDisassemble(myFile.data(), myFile.size(), myText).mOk);
    EXPECT_NE(myText.find("header-bytes 0 1 9 0"), std::string::npos) << myText;
    EXPECT_NE(myText.find("icon-bytes #"), std::string::npos) << myText;
    EXPECT_NE(myText.find("trailing #ab"), std::string::npos) << myText;
    EXPECT_NE(myText.find("param -128 127 random"), std::string::npos) << myText;
    ProgramKind myKind;
    std::vector<uint8_t> myAgain;
    ASSERT_TRUE(ProgramAssemble(myText, myKind, myAgain).mOk) << myText;
    EXPECT_EQ(myAgain, myFile) << myText;
}

TEST(ProgramTextTest, DamagedFilesAreRefused) {
    std::vector<uint8_t> myFile = Assemble("brush-effect\nupdate\n  ST bs 2\n");
    std::string myText;
    myFile[98] = 7; // the update program's size is no whole number of instructions
    EXPECT_EQ(ProgramDisassemble(myFile.data(), myFile.size(), myText).mMessage,
              "Damaged file: the update program is not a whole number of instructions.");
    myFile[98] = 16; // longer than the file
    EXPECT_FALSE(ProgramDisassemble(myFile.data(), myFile.size(), myText).mOk);
    const uint8_t myBrush[] = {'B', 0, 1};
    EXPECT_EQ(ProgramDisassemble(myBrush, sizeof(myBrush), myText).mMessage, "Not a valid file!");
    EXPECT_FALSE(ProgramDisassemble(myBrush, 0, myText).mOk);
}

TEST(GradientTextTest, StopsBlendAndTheFillHalfDefaultsToTheBrushHalf) {
    std::vector<uint8_t> myFile;
    ASSERT_TRUE(GradientAssemble("// a ramp\nbrush\n0 0 0 0\n89 #ff8000\n", myFile).mOk);
    ASSERT_EQ(myFile.size(), 545u);
    EXPECT_EQ(myFile[0], 'G');
    EXPECT_EQ(myFile[5 + 3 * 89], 255);
    EXPECT_EQ(myFile[5 + 3 * 89 + 1], 128);
    EXPECT_NEAR(myFile[5 + 3 * 45], 255 * 45 / 89.0, 1);
    EXPECT_TRUE(std::equal(myFile.begin() + 5, myFile.begin() + 275, myFile.begin() + 275));
    ASSERT_TRUE(GradientAssemble("brush\n10 10 20 30\nfill\n50 1 2 3\n", myFile).mOk);
    EXPECT_EQ(myFile[5], 10);               // before the first stop the colour holds
    EXPECT_EQ(myFile[5 + 270 + 3 * 89], 1); // and after the last
}

TEST(GradientTextTest, ErrorsNameTheLine) {
    std::vector<uint8_t> myFile;
    EXPECT_EQ(GradientAssemble("brush\n5 1 2 3\n5 1 2 3\n", myFile).mMessage,
              "Line 3: stop positions must rise.");
    EXPECT_EQ(GradientAssemble("1 2 3 4\n", myFile).mMessage,
              "Line 1: stops belong to a \"brush\" or \"fill\" section.");
    EXPECT_EQ(GradientAssemble("brush\n90 0 0 0\n", myFile).mMessage,
              "Line 2: a stop is \"POSITION R G B\" or \"POSITION #rrggbb\" (0-89, 0-255).");
    EXPECT_EQ(GradientAssemble("brush\n0 #12345g\n", myFile).mMessage,
              "Line 2: a stop is \"POSITION R G B\" or \"POSITION #rrggbb\" (0-89, 0-255).");
    EXPECT_EQ(GradientAssemble("fill\n0 1 2 3\nbrush\n", myFile).mMessage,
              "Line 3: the brush section comes first, each once.");
    EXPECT_EQ(GradientAssemble("brush\n", myFile).mMessage, "The gradient has no brush stops.");
}

} // namespace
