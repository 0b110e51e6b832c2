// The pixelmill command line, run as a program: its messages, exit status, picture output and program texts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "storage/sets.h"
#include "tests/converter/bmp_writer.h"

namespace {

class PixelmillCli : public ::testing::Test {
  protected:
    std::filesystem::path mFolder;
    std::string mOutput;

    void SetUp() override {
        mFolder = std::filesystem::temp_directory_path() /
                  ("pixelmill-cli-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(mFolder);
        const auto myBmp = TestMakeBmp(12, 4, [](int x, int) { return x % 6 < 3 ? kTestGreen : kTestBlue; });
        for (const char* myName : {"ok.bmp", "wave3.bmp", "wave5.bmp", "wave0.bmp"})
            TestWriteFile(Path(myName), myBmp);
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }
    std::string Path(const std::string& myName) const { return (mFolder / myName).string(); }
    void WriteText(const std::string& myName, const std::string& myText) {
        TestWriteFile(Path(myName), std::vector<uint8_t>(myText.begin(), myText.end()));
    }

    // Runs pixelmill with the arguments (through myWrapper, a command that runs what follows it, when given);
    // gives the exit status and keeps what it printed in mOutput.
    int Run(const std::vector<std::string>& myArgs, const std::string& myWrapper = "") {
        std::string myCommand = myWrapper + " '" + ORBEX_BIN_DIR + "/pixelmill'";
        for (const std::string& myArg : myArgs)
            myCommand += " '" + myArg + "'";
        FILE* myPipe = ::popen((myCommand + " 2>&1").c_str(), "r");
        mOutput.clear();
        char myBuffer[256];
        for (size_t myRead; (myRead = std::fread(myBuffer, 1, sizeof(myBuffer), myPipe)) > 0;)
            mOutput.append(myBuffer, myRead);
        const int myStatus = ::pclose(myPipe);
        return WIFEXITED(myStatus) ? WEXITSTATUS(myStatus) : -1;
    }
};

} // namespace

TEST_F(PixelmillCli, ConvertsABrushAndWritesItsPictures) {
    EXPECT_EQ(Run({"brush", Path("ok.bmp"), "-o", Path("my spin.bru"), "--blue-mask", "--frames", "2"}), 0);
    EXPECT_EQ(mOutput, "Art conversion successful!\n");
    EXPECT_EQ(Run({"info", Path("my_spin.bru"), "--mask", Path("m.pgm"), "--icon", Path("i.pgm")}), 0);
    EXPECT_NE(mOutput.find("Frames: 2 of 6 pixels"), std::string::npos) << mOutput;
    const auto myPgm = TestReadFile(Path("m.pgm"));
    const std::string myHeader = "P5\n16 4\n255\n"; // mask rows are whole bytes
    ASSERT_EQ(myPgm.size(), myHeader.size() + 64);
    EXPECT_EQ(std::string(myPgm.begin(), myPgm.begin() + myHeader.size()), myHeader);
    EXPECT_EQ(myPgm[myHeader.size() + 2], 0);
    EXPECT_EQ(myPgm[myHeader.size() + 3], 255);
    EXPECT_EQ(TestReadFile(Path("i.pgm")).size(), std::string("P5\n48 48\n255\n").size() + 48 * 48);
}

TEST_F(PixelmillCli, FailuresGiveTheirMessageAndANonZeroStatus) {
    auto myBmp = TestReadFile(Path("ok.bmp"));
    myBmp[28] = 8;
    TestWriteFile(Path("eight.bmp"), myBmp);
    const std::pair<std::vector<std::string>, std::string> myCases[] = {
        {{"brush", Path("eight.bmp"), "-o", Path("x.bru")}, "Not a 24-bit bitmap!\n"},
        {{"brush", Path("ok.bmp"), "-o", Path("abcdefghijklmnop.bru")},
         "The file name is too long! 15 letters is maximum.\n"},
        {{"brush", Path("wave5.bmp"), "-o", Path("x.bru")},
         "Width is not evenly divisible by number of frames!\n"},
        {{"brush", Path("wave0.bmp"), "-o", Path("x.bru")},
         "Width is not evenly divisible by number of frames!\n"},
        {{"fill", Path("missing.bmp"), "-o", Path("x.fil")}, "Couldn't open bitmap file!\n"},
    };
    for (const auto& [myArgs, myMessage] : myCases) {
        EXPECT_EQ(Run(myArgs), 1) << myMessage;
        EXPECT_EQ(mOutput, myMessage);
    }
    EXPECT_EQ(Run({"brush", Path("ok.bmp"), "-o", Path("x.bru"), "--multiply", "1000"}), 2);
    EXPECT_EQ(Run({"brush", Path("ok.bmp"), "--bogus"}), 2);
    EXPECT_EQ(Run({"paint"}), 2);
    TestWriteFile(Path("junk.bru"), {'B', 0, 1, 9, 9});
    EXPECT_EQ(Run({"info", Path("junk.bru")}), 1);
    EXPECT_NE(mOutput.find("Damaged file"), std::string::npos);
}

TEST_F(PixelmillCli, InfoTellsABrushSetFromABrushByItsName) {
    StyleRecord myStyle;
    std::memset(&myStyle, 0, sizeof(myStyle));
    StyleDefault(reinterpret_cast<char*>(&myStyle));
    const std::vector<uint8_t> mySet = StyleSetBytes(*SetFindFormat(kSetBrush), myStyle);
    TestWriteFile(Path("Toys.bst"), mySet);
    EXPECT_EQ(Run({"info", Path("Toys.bst")}), 0);
    EXPECT_EQ(mOutput.substr(0, mOutput.find('\n')), "Kind: brush set (B)");
    EXPECT_NE(mOutput.find("Brush 6: Disc_Spin\n"), std::string::npos) << mOutput;
    TestWriteFile(Path("Toys.sty"), mySet);
    EXPECT_EQ(Run({"info", Path("Toys.sty")}), 1);
    EXPECT_EQ(mOutput, "Not a valid style file!\n");
}

TEST_F(PixelmillCli, DefaultsComeFromTheTitleAndZerosCountAsOne) {
    EXPECT_EQ(Run({"brush", Path("wave3.bmp"), "-o", Path("abcdefghijklmno.bru"), "--multiply", "0",
                   "--sections", "0"}),
              0);
    EXPECT_EQ(Run({"info", Path("abcdefghijklmno.bru")}), 0);
    EXPECT_NE(mOutput.find("Frames: 3 of 4 pixels"), std::string::npos) << mOutput;
    EXPECT_EQ(Run({"fill", Path("wave5.bmp"), "-o", Path("w.fil")}), 0); // a fill's digits say nothing
    EXPECT_EQ(Run({"brush", "--help"}), 0);
    EXPECT_NE(mOutput.find("pixelmill brush IN.bmp"), std::string::npos);
}

TEST_F(PixelmillCli, ProgramsAssembleInspectAndAssembleAgain) {
    WriteText("wave.txt", "movement\ncentred no\nparam 1 4 2 \"Waves\" \"Crests\"\nupdate\n  SS yp xp xc\n");
    ASSERT_EQ(Run({"movement", Path("wave.txt"), "-o", Path("My Wave.mvm")}), 0) << mOutput;
    ASSERT_EQ(Run({"info", Path("My_Wave.mvm"), "--text", Path("back.txt")}), 0);
    EXPECT_NE(mOutput.find("  SS yp xp xc"), std::string::npos) << mOutput;
    ASSERT_EQ(Run({"movement", Path("back.txt"), "-o", Path("Again.mvm")}), 0);
    EXPECT_EQ(TestReadFile(Path("Again.mvm")), TestReadFile(Path("My_Wave.mvm")));
}

TEST_F(PixelmillCli, ProgramsRefuseTheWrongCommandOrExtension) {
    WriteText("fx.txt", "colour-effect\ninit\n  SS 0\n");
    const std::pair<std::vector<std::string>, std::string> myCases[] = {
        {{"movement", Path("fx.txt"), "-o", Path("Fx.mvm")},
         "This program is an effect: use pixelmill effect."},
        {{"effect", Path("fx.txt"), "-o", Path("Fx.efb")}, "The output file needs the extension .efc."},
        {{"effect", Path("fx.txt"), "-o", Path("Sixteen_Letters_.efc")},
         "The file name is too long! 15 letters is maximum."},
    };
    for (const auto& [myArgs, myMessage] : myCases) {
        EXPECT_EQ(Run(myArgs), 1) << myMessage;
        EXPECT_NE(mOutput.find(myMessage), std::string::npos) << mOutput;
    }
    WriteText("bad.txt", "colour-effect\ninit\n  SS zz\n");
    EXPECT_EQ(Run({"effect", Path("bad.txt"), "-o", Path("Bad.efc")}), 1);
    EXPECT_NE(mOutput.find("Line 3: unknown operand \"zz\"."), std::string::npos) << mOutput;
    EXPECT_FALSE(std::filesystem::exists(Path("Bad.efc")));
}

TEST_F(PixelmillCli, SheetNeedsAGradient) {
    std::filesystem::create_directories(mFolder / "lib" / "Gradients");
    EXPECT_EQ(Run({"sheet", Path("lib"), "-o", Path("s.png")}), 1);
    EXPECT_NE(mOutput.find("The folder has no gradient."), std::string::npos);
    WriteText("g.txt", "brush\n0 #102030\n");
    ASSERT_EQ(Run({"gradient", Path("g.txt"), "-o", Path("lib/Gradients/G.gra")}), 0);
    EXPECT_EQ(Run({"sheet", Path("lib"), "-o", Path("s.png"), "--gradient", "Other"}), 1);
    EXPECT_NE(mOutput.find("No such gradient in the folder."), std::string::npos);
    EXPECT_EQ(Run({"sheet", Path("lib"), "-o", Path("s.png")}), 0) << mOutput;
    EXPECT_GT(std::filesystem::file_size(Path("s.png")), 0u);
}

// A disk with room for 4 KB per file (each process's file size limit, with the signal it sends ignored so
// the write fails as on a full disk): the file being replaced stays whole and nothing is left beside it.
TEST_F(PixelmillCli, AFullDiskLeavesTheFileItWouldReplaceWhole) {
    uint32_t myNoise = 1;
    TestWriteFile(Path("noisy.bmp"), TestMakeBmp(256, 64, [&](int, int) {
                      myNoise = myNoise * 1103515245 + 12345;
                      return TestColor{0, static_cast<uint8_t>(myNoise >> 16), 0};
                  }));
    ASSERT_EQ(Run({"fill", Path("noisy.bmp"), "-o", Path("Keep.fil")}), 0) << mOutput;
    const std::vector<uint8_t> myKept = TestReadFile(Path("Keep.fil"));
    ASSERT_GT(myKept.size(), 4096u);
    const std::string myFullDisk = "bash -c 'trap \"\" XFSZ; ulimit -f 4; exec \"$0\" \"$@\"'";
    EXPECT_EQ(Run({"fill", Path("ok.bmp"), "-o", Path("Keep.fil"), "--fixed-colors"}, myFullDisk), 0)
        << "a small file still fits: " << mOutput;
    EXPECT_EQ(Run({"fill", Path("noisy.bmp"), "-o", Path("Keep.fil")}), 0);
    EXPECT_EQ(Run({"fill", Path("noisy.bmp"), "-o", Path("Keep.fil"), "--sections", "3"}, myFullDisk), 1);
    EXPECT_EQ(mOutput, "File write error! File too large.\n");
    EXPECT_EQ(TestReadFile(Path("Keep.fil")), myKept);
    EXPECT_EQ(Run({"info", Path("Keep.fil"), "--pixels", Path("keep.pgm")}, myFullDisk), 1);
    EXPECT_NE(mOutput.find("File write error! " + Path("keep.pgm") + ": File too large"), std::string::npos)
        << mOutput;
    for (const auto& myEntry : std::filesystem::directory_iterator(mFolder))
        EXPECT_NE(myEntry.path().filename().string()[0], '.') << "left beside: " << myEntry.path();
}

TEST_F(PixelmillCli, FoldersAndWrongNamesAreRefusedWithAWord) {
    std::filesystem::create_directories(mFolder / "art");
    WriteText("stops.txt", "brush\n0 #102030\n");
    // A folder given to read is named as one, never an abort.
    for (const char* myCommand : {"info", "brush", "fill", "movement", "effect", "gradient"}) {
        std::vector<std::string> myArgs = {myCommand, Path("art")};
        if (std::string(myCommand) != "info") myArgs.insert(myArgs.end(), {"-o", Path("x.out")});
        EXPECT_EQ(Run(myArgs), 1) << myCommand;
        EXPECT_EQ(mOutput, Path("art") + " is a folder, not a file.\n") << myCommand;
    }
    // -o names a file: a folder there, or a brush named as a fill, is refused and nothing is written.
    EXPECT_EQ(Run({"fill", Path("ok.bmp"), "-o", Path("art")}), 2);
    EXPECT_EQ(mOutput, Path("art") + " is a folder: -o names the file to write.\n");
    EXPECT_EQ(Run({"gradient", Path("stops.txt"), "-o", Path("art")}), 2);
    EXPECT_EQ(Run({"brush", Path("ok.bmp"), "-o", Path("out.fil")}), 1);
    EXPECT_EQ(mOutput, "The output file needs the extension .bru.\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out.fil")));
    EXPECT_EQ(Run({"brush", Path("ok.bmp"), "-o", Path("LOUD.BRU")}), 0) << "the case of the letters is free";
    EXPECT_EQ(Run({"brush", Path("ok.bmp"), "--frames", "0", "-o", Path("zero.bru")}), 2);
    EXPECT_EQ(mOutput, "--frames needs 1 or more frames.\n");
    // A contact sheet of a folder that is not there, or of a file.
    EXPECT_EQ(Run({"sheet", Path("nowhere"), "-o", Path("s.png")}), 1);
    EXPECT_EQ(mOutput, "There is no folder " + Path("nowhere") + ".\n");
    EXPECT_EQ(Run({"sheet", Path("ok.bmp"), "-o", Path("s.png")}), 1);
    EXPECT_EQ(mOutput, Path("ok.bmp") + " is a file: sheet takes a folder of components.\n");
}
