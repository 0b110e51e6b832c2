// The controls window of the whole program, driven by a scripted session: collapsed, expanded, and each panel
// its buttons, icons and keys open, compared with the stored pictures (tests/controls/golden).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "../controls/golden.h"
#include "test_library.h"

namespace fs = std::filesystem;

namespace {

class ControlsPicture : public ::testing::Test {
  protected:
    fs::path mRoot;
    void SetUp() override {
        mRoot = fs::temp_directory_path() / ("orbex-controls-picture-" + std::to_string(::getpid()));
        fs::remove_all(mRoot);
        fs::create_directories(mRoot / "shots");
        ASSERT_TRUE(TestWriteLibrary(mRoot / "home", 12000));
    }
    void TearDown() override { fs::remove_all(mRoot); }

    int Run(const std::string& myScript) {
        std::ofstream(mRoot / "session.txt") << myScript;
        const std::string myCommand = "cd '" + (mRoot / "shots").string() + "' && ORBEX_HOME='" +
                                      (mRoot / "home").string() + "' XDG_RUNTIME_DIR='" + mRoot.string() +
                                      "' '" + ORBEX_BIN_DIR "/orbex' --headless --style Known --script '" +
                                      (mRoot / "session.txt").string() + "' >/dev/null 2>&1";
        return std::system(myCommand.c_str());
    }
};

} // namespace

TEST_F(ControlsPicture, CollapsedExpandedAndThePanelsOfIconsAndKeys) {
    // Main button 9 (x 173) expands; the column icons open their panels; L listens, so the beat meter's
    // icon opens the frequency panel instead of the tempo; the semicolon asks for a style's name, and the
    // name of a style that exists asks whether to replace it.
    const char* const kScript = "0.40 shot controls collapsed.png\n"
                                "0.45 click controls 180 10\n"
                                "0.60 shot controls expanded.png\n"
                                "0.70 click controls 20 153\n"
                                "0.75 shot controls panel-101.png\n"
                                "0.80 click controls 284 61\n"
                                "0.85 shot controls panel-103.png\n"
                                "0.90 click controls 20 240\n"
                                "0.95 shot controls panel-104.png\n"
                                "1.00 click controls 154 240\n"
                                "1.05 shot controls panel-105.png\n"
                                "1.10 click controls 284 240\n"
                                "1.15 shot controls panel-106.png\n"
                                "1.20 click controls 154 153\n"
                                "1.25 shot controls panel-109.png\n"
                                "1.30 key l\n"
                                "1.35 click controls 154 153\n"
                                "1.40 shot controls panel-108.png\n"
                                "1.50 key ;\n"
                                "1.55 type Known\n"
                                "1.60 shot controls panel-117.png\n"
                                "1.65 key Return\n"
                                "1.70 shot controls panel-118.png\n"
                                "1.75 key Return\n"
                                "1.80 key Escape\n";
    ASSERT_EQ(Run(kScript), 0);
    for (const char* myName : {"collapsed", "expanded", "panel-101", "panel-103", "panel-104", "panel-105",
                               "panel-106", "panel-109", "panel-108", "panel-117", "panel-118"}) {
        SCOPED_TRACE(myName);
        ExpectGolden(mRoot / "shots" / (std::string(myName) + ".png"), std::string("window-") + myName);
    }
}
