// The whole program run as a process through its headless face: start-up, splash, frames, farewell, locks.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/lock.h"
#include "png_reader.h"
#include "program_run.h"

namespace fs = std::filesystem;

namespace {
class HeadlessProgram : public ProgramRunTest {};

int CountNot(const Picture& myPicture, uint8_t myIndex) {
    int myCount = 0;
    for (uint8_t myPixel : myPicture.mPixels)
        myCount += myPixel != myIndex;
    return myCount;
}
} // namespace

TEST_F(HeadlessProgram, ShowsTheSplashThenThePictureAndQuits) {
    const fs::path myOut = mRoot / "frames";
    ASSERT_EQ(Run("--headless --frames 3 --size 320x240 --out '" + myOut.string() + "'"), 0);
    Picture mySplash, myRunning;
    ASSERT_TRUE(ReadPng(myOut / "frame-000000.png", mySplash));
    ASSERT_TRUE(ReadPng(myOut / "frame-000001.png", myRunning));
    EXPECT_TRUE(fs::exists(myOut / "frame-000002.png"));
    EXPECT_FALSE(fs::exists(myOut / "frame-000003.png"));
    EXPECT_EQ(mySplash.mWidth, 320);
    EXPECT_EQ(mySplash.mHeight, 240);
    ASSERT_EQ(mySplash.mPalette.size(), 256u);
    // The splash sits at the centre; everything outside its box and the status band is black.
    int myOutside = 0, myInside = 0;
    for (int myY = 0; myY < 240; ++myY)
        for (int myX = 0; myX < 320; ++myX) {
            const bool myInBox =
                myX >= 160 - 72 && myX < 160 - 72 + 145 && myY >= 120 - 35 && myY < 120 - 35 + 71 + 24;
            (myInBox ? myInside : myOutside) += mySplash.mPixels[myY * 320 + myX] != 0;
        }
    EXPECT_EQ(myOutside, 0);
    EXPECT_GT(myInside, 500);
    // The fixed interface colours are in place.
    EXPECT_EQ(mySplash.mPalette[17].red, 0);
    EXPECT_EQ(mySplash.mPalette[17].green, 128);
    EXPECT_EQ(mySplash.mPalette[17].blue, 255);
    EXPECT_EQ(mySplash.mPalette[10].red, 223);
    // The bundled library beside bin/ fills the new program folder, so the default style paints at once.
    EXPECT_GT(CountNot(myRunning, 0), 320 * 240 / 2) << "the running program shows the default style";
    EXPECT_FALSE(LockHeld("ORBEX")) << "no lock is left behind";
}

TEST_F(HeadlessProgram, WritesAVideoStreamOfExactlyTheFramesAsked) {
    const fs::path myVideo = mRoot / "out.y4m";
    ASSERT_EQ(Run("--headless --frames 5 --fps 10 --size 160x120 --video '" + myVideo.string() + "'"), 0);
    std::ifstream myStream(myVideo, std::ios::binary);
    std::string myHeader;
    std::getline(myStream, myHeader);
    EXPECT_EQ(myHeader, "YUV4MPEG2 W160 H120 F10:1 Ip A1:1 C444");
    int myFrames = 0;
    std::string myLine;
    while (std::getline(myStream, myLine)) {
        ASSERT_EQ(myLine, "FRAME");
        myStream.ignore(160 * 120 * 3);
        ++myFrames;
    }
    EXPECT_EQ(myFrames, 5) << "the farewell is not rendered";
}

// The desktop's Orbex holds its lock; a headless run works in a program folder of its own and runs beside it.
TEST_F(HeadlessProgram, ARenderRunsBesideTheDesktopsOrbex) {
    const int myLock = LockAcquire("ORBEX");
    ASSERT_GE(myLock, 0);
    const fs::path myOut = mRoot / "frames";
    std::string myErrors;
    EXPECT_EQ(Run("--headless --frames 2 --out '" + myOut.string() + "'", &myErrors), 0);
    EXPECT_TRUE(fs::exists(myOut / "frame-000001.png"));
    EXPECT_EQ(myErrors, "");
    LockRelease(myLock);
}

TEST_F(HeadlessProgram, WithoutADisplayItMakesTheDemoSheet) {
    std::string myErrors;
    ASSERT_EQ(Run("", &myErrors), 0);
    EXPECT_NE(myErrors.find("headless"), std::string::npos);
    Picture mySheet;
    ASSERT_TRUE(ReadPng(mRoot / "work" / "orbex-demo.png", mySheet));
    EXPECT_EQ(mySheet.mWidth, 4 * 320);
    EXPECT_EQ(mySheet.mHeight, 4 * 240);
    EXPECT_TRUE(fs::is_directory(mRoot / "home" / "Raves"));
}

// A start that fails says what failed here, in SDL's own words too.
TEST_F(HeadlessProgram, AFailedStartSaysWhatFailedAndWhy) {
    std::string myErrors;
    EXPECT_EQ(Run("", &myErrors, "DISPLAY=:9876 SDL_VIDEODRIVER=x11"), 0);
    const std::string kDisplay = "orbex: Unable to open the display: ";
    ASSERT_EQ(myErrors.rfind(kDisplay, 0), 0u) << myErrors;
    EXPECT_GT(myErrors.size(), kDisplay.size() + 1) << "SDL's reason follows";
    EXPECT_EQ(myErrors.find("DirectX"), std::string::npos);
    EXPECT_FALSE(LockHeld("ORBEX"));

    // A machine without any font.
    const fs::path myFonts = mRoot / "fonts.conf";
    std::ofstream(myFonts) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    EXPECT_EQ(Run("--headless --frames 1", &myErrors, "FONTCONFIG_FILE='" + myFonts.string() + "'"), 0);
    EXPECT_NE(myErrors.find("orbex: Unable to open the fonts: no font is installed for \"sans-serif\"\n"),
              std::string::npos)
        << myErrors;
    EXPECT_FALSE(LockHeld("ORBEX"));
}

TEST_F(HeadlessProgram, HelpVersionAndBadOptions) {
    EXPECT_EQ(Run("--help"), 0);
    EXPECT_NE(Output().find("--headless"), std::string::npos);
    EXPECT_EQ(Run("--version"), 0);
    EXPECT_EQ(Output().rfind("orbex ", 0), 0u);
    std::string myErrors;
    EXPECT_EQ(Run("--frames 3", &myErrors), 2);
    EXPECT_NE(myErrors.find("--headless"), std::string::npos);
    EXPECT_EQ(Run("--size 12", &myErrors), 2);
    EXPECT_EQ(Run("--bogus", &myErrors), 2);
    EXPECT_NE(myErrors.find("unknown option --bogus"), std::string::npos);
}

namespace {
std::vector<uint8_t> ReadAll(const fs::path& myPath) {
    std::ifstream myStream(myPath, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(myStream), std::istreambuf_iterator<char>());
}
void WriteAll(const fs::path& myPath, const std::vector<uint8_t>& myBytes) {
    std::ofstream(myPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(myBytes.data()), static_cast<std::streamsize>(myBytes.size()));
}
// A look of its own: other speeds, a gradient file of its own made current, and no channel triggering by
// itself, so nothing in the run changes it.
std::vector<uint8_t> OwnLook(std::vector<uint8_t> myStyle, const char* myName) {
    myStyle.resize(1006);
    myStyle[7] = 33;  // brush speed
    myStyle[9] = 17;  // spread
    myStyle[10] = 21; // colour kick
    myStyle[542 + 1] = 3;
    const char myWarm[16] = "Warm";
    std::copy(myWarm, myWarm + 16, myStyle.begin() + 544 + 2 * 16);
    std::fill(myStyle.begin() + 1001, myStyle.end(), 0);
    std::fill(myStyle.begin() + 28, myStyle.begin() + 44, 0);
    std::copy(myName, myName + std::strlen(myName), myStyle.begin() + 28);
    return myStyle;
}
} // namespace

TEST_F(HeadlessProgram, LastSessionSurvivesAQuitAndARestart) {
    const fs::path myLast = mRoot / "home" / "Styles" / "Last_Session.sty";
    ASSERT_EQ(Run("--headless --frames 3 --size 160x120"), 0);
    const std::vector<uint8_t> myFirst = ReadAll(myLast);
    ASSERT_EQ(myFirst.size(), 1006u) << "the first quit leaves the session behind";
    EXPECT_EQ(myFirst[0], 'S');
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(myFirst.data()) + 28), "Last_Session");

    std::vector<uint8_t> myGradient = {'G', 0, 1, 0, 0};
    myGradient.resize(545, 60);
    WriteAll(mRoot / "home" / "Gradients" / "Warm.gra", myGradient);
    const std::vector<uint8_t> myOwn = OwnLook(myFirst, "Last_Session");
    WriteAll(myLast, myOwn);
    ASSERT_EQ(Run("--headless --frames 3 --size 160x120"), 0);
    EXPECT_EQ(ReadAll(myLast), myOwn) << "the look came back and went away again unchanged";
    for (const auto& myEntry : fs::directory_iterator(mRoot / "home" / "Styles"))
        EXPECT_EQ(myEntry.path().extension(), ".sty") << "nothing is left beside it: " << myEntry.path();
}

// A program folder that takes no new file: quitting says what could not be saved and why, the alert is
// answered, the program ends, and the session saved the time before is still there, whole.
TEST_F(HeadlessProgram, ASessionThatCannotBeSavedCostsNothingAndTheProgramEnds) {
    ASSERT_EQ(Run("--headless --frames 2 --size 160x120"), 0);
    const fs::path myStyles = mRoot / "home" / "Styles";
    const std::vector<uint8_t> myBefore = ReadAll(myStyles / "Last_Session.sty");
    ASSERT_EQ(myBefore.size(), 1006u);
    // Read-only stops an ordinary user; the new file's place taken stops root as well.
    fs::create_directory(myStyles / ".Last_Session.sty.new");
    fs::permissions(myStyles, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    std::string myErrors;
    EXPECT_EQ(Run("--headless --frames 2 --size 160x120", &myErrors), 0) << myErrors;
    fs::permissions(myStyles, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_NE(myErrors.find("orbex: Unable to save Last_Session.sty in Styles: "), std::string::npos)
        << myErrors;
    EXPECT_EQ(ReadAll(myStyles / "Last_Session.sty"), myBefore);
    EXPECT_FALSE(LockHeld("ORBEX"));
}

TEST_F(HeadlessProgram, StyleOptionStartsWithThatStyle) {
    ASSERT_EQ(Run("--headless --frames 2 --size 160x120"), 0);
    const fs::path myStyles = mRoot / "home" / "Styles";
    std::vector<uint8_t> myGradient = {'G', 0, 1, 0, 0};
    myGradient.resize(545, 60);
    WriteAll(mRoot / "home" / "Gradients" / "Warm.gra", myGradient);
    const std::vector<uint8_t> myMine = OwnLook(ReadAll(myStyles / "Last_Session.sty"), "Mine");
    WriteAll(myStyles / "Mine.sty", myMine);
    ASSERT_EQ(Run("--headless --frames 2 --size 160x120 --style Mine"), 0);
    std::vector<uint8_t> myExpected = myMine;
    std::fill(myExpected.begin() + 28, myExpected.begin() + 44, 0);
    const std::string myName = "Last_Session";
    std::copy(myName.begin(), myName.end(), myExpected.begin() + 28);
    EXPECT_EQ(ReadAll(myStyles / "Last_Session.sty"), myExpected);
    EXPECT_EQ(ReadAll(myStyles / "Mine.sty"), myMine) << "the chosen style itself is left alone";

    std::string myErrors;
    EXPECT_EQ(Run("--headless --frames 2 --style ThisNameIsFarTooLong", &myErrors), 2);
    EXPECT_NE(myErrors.find("--style"), std::string::npos);
}

TEST_F(HeadlessProgram, AScriptedSessionRunsAsLongAsItsScript) {
    std::ofstream(mRoot / "work" / "session.txt") << "# the picture after a second, then the end\n"
                                                     "1 shot animation first.png\n"
                                                     "1.5 shot animation second.png\n";
    ASSERT_EQ(Run("--headless --size 160x120 --script session.txt"), 0);
    Picture myFirst, mySecond;
    ASSERT_TRUE(ReadPng(mRoot / "work" / "first.png", myFirst));
    ASSERT_TRUE(ReadPng(mRoot / "work" / "second.png", mySecond));
    EXPECT_EQ(myFirst.mWidth, 160);
    EXPECT_EQ(myFirst.mPalette.size(), 256u) << "an 8-bit picture with its palette";
    EXPECT_NE(myFirst.mPixels, mySecond.mPixels) << "half a second later the picture has moved on";
    EXPECT_TRUE(fs::exists(mRoot / "home" / "Styles" / "Last_Session.sty")) << "the session ends by quitting";

    std::string myErrors;
    std::ofstream(mRoot / "work" / "bad.txt") << "1 key a\n\n2 shot nowhere x.png\n";
    EXPECT_EQ(Run("--headless --script bad.txt", &myErrors), 2);
    EXPECT_NE(myErrors.find("bad.txt line 3: no window \"nowhere\""), std::string::npos) << myErrors;
    std::ofstream(mRoot / "work" / "unwritable.txt") << "0.1 shot animation no/such/folder.png\n";
    EXPECT_EQ(Run("--headless --script unwritable.txt", &myErrors), 1);
    EXPECT_NE(myErrors.find("unwritable.txt line 1: cannot write no/such/folder.png"), std::string::npos)
        << myErrors;
}
