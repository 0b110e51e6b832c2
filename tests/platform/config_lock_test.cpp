// The INI store, the lock files and the palette of the platform layer.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/config.h"
#include "platform/lock.h"
#include "platform/palette.h"

namespace fs = std::filesystem;

namespace {
class ConfigTest : public ::testing::Test {
  protected:
    fs::path mFolder;
    void SetUp() override {
        mFolder = fs::temp_directory_path() / ("orbex-config-" + std::to_string(::getpid()));
        fs::remove_all(mFolder);
        ConfigSetFolder(mFolder.string());
    }
    void TearDown() override { fs::remove_all(mFolder); }
};
} // namespace

TEST_F(ConfigTest, ValuesRoundTripAndKeepOtherSections) {
    EXPECT_EQ(ConfigGetString("registry.ini", "Software\\Orbex", "Path", "none"), "none");
    ASSERT_TRUE(ConfigSetString("registry.ini", "Software\\Orbex", "Path", "/music/orbex"));
    ASSERT_TRUE(ConfigSetString("registry.ini", "Other", "Key", "1"));
    ASSERT_TRUE(ConfigSetString("registry.ini", "Software\\Orbex", "Autoplay", "yes"));
    ASSERT_TRUE(ConfigSetString("registry.ini", "Software\\Orbex", "Path", "/new place"));
    EXPECT_EQ(ConfigGetString("registry.ini", "software\\orbex", "PATH", ""), "/new place");
    EXPECT_EQ(ConfigGetString("registry.ini", "Software\\Orbex", "Autoplay", ""), "yes");
    EXPECT_EQ(ConfigGetString("registry.ini", "Other", "Key", ""), "1");
    EXPECT_EQ(ConfigGetString("registry.ini", "Other", "Path", "absent"), "absent");
}

TEST_F(ConfigTest, HandWrittenFilesAreRead) {
    fs::create_directories(mFolder);
    std::ofstream(mFolder / "system.ini")
        << "; comment\n[boot]\r\n  SCRNSAVE.EXE = orbex-saver \r\nbroken line\n[";
    EXPECT_EQ(ConfigGetString("system.ini", "boot", "SCRNSAVE.EXE", ""), "orbex-saver");
}

TEST(Lock, OneHolderAtATime) {
    const std::string myName = "orbex-test-lock-" + std::to_string(::getpid());
    EXPECT_FALSE(LockHeld(myName.c_str()));
    const int myFirst = LockAcquire(myName.c_str());
    ASSERT_GE(myFirst, 0);
    EXPECT_TRUE(LockHeld(myName.c_str()));
    EXPECT_LT(LockAcquire(myName.c_str()), 0);
    LockRelease(myFirst);
    EXPECT_FALSE(LockHeld(myName.c_str()));
    const int mySecond = LockAcquire(myName.c_str());
    EXPECT_GE(mySecond, 0);
    LockRelease(mySecond);
}

TEST(Palette, AnimationChangesOnlyAnimatableEntries) {
    PaletteEntry myStart[kPaletteSize];
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        myStart[myIndex] = {uint8_t(myIndex), 0, 0,
                            uint8_t(myIndex >= 21 && myIndex <= 200 ? kPaletteReserved : 0)};
    PaletteSet(0, kPaletteSize, myStart);
    PaletteEntry myNew[4];
    for (PaletteEntry& myEntry : myNew)
        myEntry = {9, 9, 9, 0};
    const uint32_t mySerial = gPaletteSerial;
    PaletteAnimate(19, 4, myNew);
    EXPECT_NE(gPaletteSerial, mySerial);
    EXPECT_EQ(gPalette[19].mRed, 19);
    EXPECT_EQ(gPalette[20].mRed, 20);
    EXPECT_EQ(gPalette[21].mRed, 9);
    EXPECT_EQ(gPalette[22].mGreen, 9);
    EXPECT_EQ(gPalette[22].mFlags, kPaletteReserved) << "flags stay";
    // Ranges past the end are cut, not written beyond the table.
    PaletteAnimate(254, 4, myNew);
    EXPECT_EQ(gPalette[255].mRed, 255);
}

TEST(Palette, ConvertGoesThroughTheCurrentColours) {
    PaletteEntry myEntries[3] = {{1, 2, 3, 0}, {255, 0, 128, 0}, {0, 0, 0, 0}};
    PaletteSet(0, 3, myEntries);
    const uint8_t myPixels[2 * 5] = {0, 1, 2, 1, 0, /* pitch padding */ 1, 0, 0, 0, 9};
    uint32_t myOut[2 * 6] = {};
    PaletteConvert(myPixels, 5, 5, 2, myOut, 6);
    EXPECT_EQ(myOut[0], 0xFF010203u);
    EXPECT_EQ(myOut[1], 0xFFFF0080u);
    EXPECT_EQ(myOut[2], 0xFF000000u);
    EXPECT_EQ(myOut[5], 0u) << "beyond the width nothing is written";
    EXPECT_EQ(myOut[6], 0xFFFF0080u);
    // A later change shows at the next conversion.
    myEntries[1] = {7, 7, 7, 0};
    PaletteSet(1, 1, &myEntries[1]);
    PaletteConvert(myPixels, 5, 5, 1, myOut, 6);
    EXPECT_EQ(myOut[1], 0xFF070707u);
}
