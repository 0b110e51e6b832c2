// The screen saver program: its command line, the preferences hand-off and a whole run that starts Orbex and
// ends with it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <vector>

#include "core/state.h"
#include "platform/lock.h"
#include "platform/saver_setup.h"
#include "saver/saver_command.h"
#include "saver/saver_run.h"
#include "saver_fixture.h"
#include "shell/preferences.h"

namespace {
SaverCommand Parse(std::vector<const char*> myArguments, uint64_t* myParentOut = nullptr) {
    uint64_t myParent = 99;
    const SaverCommand myCommand =
        SaverParseCommand(static_cast<int>(myArguments.size()), myArguments.data(), myParent);
    if (myParentOut) *myParentOut = myParent;
    return myCommand;
}

std::vector<uint8_t> Bytes(const std::string& myText) {
    return std::vector<uint8_t>(myText.begin(), myText.end());
}
} // namespace

TEST(SaverCommandTest, TheLettersDecideAsDesktopsWroteThem) {
    uint64_t myParent = 0;
    EXPECT_EQ(Parse({"/c"}), kSaverEnd) << "the configuration request ends at once";
    EXPECT_EQ(Parse({"/c:1234"}), kSaverEnd);
    EXPECT_EQ(Parse({}), kSaverEnd);
    EXPECT_EQ(Parse({"/S"}), kSaverEnd) << "only lower-case letters count";
    EXPECT_EQ(Parse({"/s"}), kSaverRun);
    EXPECT_EQ(Parse({"-s"}), kSaverRun);
    EXPECT_EQ(Parse({"/p", "1234"}, &myParent), kSaverPreview);
    EXPECT_EQ(myParent, 1234u) << "the handle starts two characters after the p";
    EXPECT_EQ(Parse({"/p:5678"}, &myParent), kSaverPreview);
    EXPECT_EQ(myParent, 5678u);
    EXPECT_EQ(Parse({"p"}, &myParent), kSaverPreview);
    EXPECT_EQ(myParent, 0u) << "no handle: XScreenSaver's window is used";
    EXPECT_EQ(Parse({"/p", "99999999999999999999999"}, &myParent), kSaverPreview) << "too long a number";
    EXPECT_EQ(Parse({"sp"}), kSaverPreview) << "a p wins over an s";
    EXPECT_EQ(Parse({"--agent"}), kSaverAgent);
    EXPECT_EQ(Parse({"--help"}), kSaverHelp);
}

class SaverPrefsTest : public SaverUserTest {};

TEST_F(SaverPrefsTest, AMissingFileIsCreatedWithTheSaversDefaultsAndTheFlagSet) {
    const auto myPath = mRoot / "config" / "orbex" / kPrefsFileName;
    ASSERT_TRUE(SaverMarkPreferences(myPath.string()));
    EXPECT_EQ(Bytes(Read(myPath)), std::vector<uint8_t>({1, 1, 1, 0, 1, 255, 0, 0, 0, 0, 0, 0}));

    // What Orbex then reads: a screen-saver start, with the layout-1 record's CD source the normal one.
    PrefsApply(Bytes(Read(myPath)).data(), kPrefsSize);
    EXPECT_EQ(gSaverTrigger, 1);
}

TEST_F(SaverPrefsTest, AnExistingFileKeepsItsChoicesAndGetsTheFlag) {
    const auto myPath = mRoot / "config" / "orbex" / kPrefsFileName;
    Write(myPath, std::string("\x02\x00\x02\x0f\x03\x04\x45\x06\x00\x00\x00\x00", 12));
    ASSERT_TRUE(SaverMarkPreferences(myPath.string()));
    EXPECT_EQ(Bytes(Read(myPath)), std::vector<uint8_t>({2, 1, 2, 15, 3, 4, 0x45, 6, 0, 0, 0, 0}));

    Write(myPath, "\x02");
    ASSERT_TRUE(SaverMarkPreferences(myPath.string())) << "a file cut short is filled up to its 12 bytes";
    EXPECT_EQ(Bytes(Read(myPath)), std::vector<uint8_t>({2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    Write(mRoot / "plain", "a file, not a folder");
    EXPECT_FALSE(SaverMarkPreferences((mRoot / "plain" / kPrefsFileName).string()))
        << "a file that cannot be written fails quietly";
}

class SaverProgramTest : public SaverUserTest {
  protected:
    // Runs the real orbex-saver with the arguments, headless (no display), with its own program folder.
    int Saver(const std::string& myArguments) {
        const std::string myCommand = "cd '" + mRoot.string() + "' && timeout -k 5 120 env -u DISPLAY -u " +
                                      "WAYLAND_DISPLAY ORBEX_HOME='" + (mRoot / "orbex").string() + "' '" +
                                      ORBEX_BIN_DIR + "/orbex-saver' " + myArguments + " >/dev/null 2>&1";
        const int myStatus = std::system(myCommand.c_str());
        return WIFEXITED(myStatus) ? WEXITSTATUS(myStatus) : -1;
    }
    std::filesystem::path Prefs() const { return mRoot / "orbex" / "config" / kPrefsFileName; }
};

TEST_F(SaverProgramTest, ConfigurationEndsWithoutEffect) {
    EXPECT_EQ(Saver("/c"), 0);
    EXPECT_FALSE(std::filesystem::exists(Prefs()));
    EXPECT_FALSE(std::filesystem::exists(mRoot / "orbex"));
}

TEST_F(SaverProgramTest, QuittingTheVisualizerEndsTheSaver) {
    // Orbex without a display runs its ten-second demo headless, as the saver's Orbex, and quits; the saver
    // ends with it and leaves no lock behind.
    EXPECT_EQ(Saver("/s"), 0);
    EXPECT_FALSE(LockHeld(kSaverLockName));
    const std::vector<uint8_t> myRecord = Bytes(Read(Prefs()));
    ASSERT_EQ(myRecord.size(), 12u);
    EXPECT_EQ(myRecord[0], kPrefsLayout) << "Orbex wrote the record at its quit";
    EXPECT_EQ(myRecord[1], 0) << "the next start is no screen saver's";
    EXPECT_TRUE(std::filesystem::exists(mRoot / "orbex" / "orbex-demo.png"))
        << "Orbex ran in its program folder";
}
