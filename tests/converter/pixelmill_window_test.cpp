// Pixelmill's window on a real X server: a bitmap opened through the window and saved as a brush gives the
// bytes the command line gives; the preview is kept as a golden picture, the whole window in the build tree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "bmp_writer.h"

namespace fs = std::filesystem;

namespace {
std::string Shell(const std::string& myCommand) {
    std::string myOutput;
    if (FILE* myPipe = popen(myCommand.c_str(), "r")) {
        char myBuffer[4096];
        size_t myRead = 0;
        while ((myRead = fread(myBuffer, 1, sizeof(myBuffer), myPipe)) > 0)
            myOutput.append(myBuffer, myRead);
        pclose(myPipe);
    }
    return myOutput;
}
} // namespace

TEST(PixelmillWindowTest, OpenConvertAndSaveThroughTheWindow) {
    const fs::path myRoot = fs::temp_directory_path() / ("orbex-pixelmill-" + std::to_string(::getpid()));
    fs::remove_all(myRoot);
    fs::create_directories(myRoot);
    // Four frames of 12 x 10: a green bar that walks right, a red dot, on white.
    TestWriteFile((myRoot / "spin4.bmp").string(), TestMakeBmp(48, 10, [](int x, int y) {
                      const int myFrame = x / 12, myX = x % 12;
                      if (y == 8 && myX == 9) return TestColor{0, 0, 200};
                      if (y >= 2 && y < 7 && myX >= 2 + myFrame && myX < 5 + myFrame)
                          return TestColor{0, static_cast<uint8_t>(255 - 40 * y), 0};
                      return kTestWhite;
                  }));
    const std::string myScript = "bash '" ORBEX_SOURCE_DIR "/tests/converter/live_pixelmill.sh' '" +
                                 myRoot.string() + "' '" ORBEX_BIN_DIR "/pixelmill'";
    ASSERT_EQ(std::system(myScript.c_str()), 0);
    EXPECT_EQ(Shell("cat '" + (myRoot / "caption.txt").string() + "'"), "spin4.bmp\n")
        << "the caption is the bitmap's title once it opened";

    ASSERT_TRUE(fs::exists(myRoot / "spin.bru"))
        << Shell("cat '" + (myRoot / "pixelmill.log").string() + "'");
    ASSERT_EQ(std::system(("'" ORBEX_BIN_DIR "/pixelmill' brush '" + (myRoot / "spin4.bmp").string() +
                           "' -o '" + (myRoot / "cli.bru").string() + "' --multiply 3 >/dev/null")
                              .c_str()),
              0);
    EXPECT_EQ(TestReadFile((myRoot / "spin.bru").string()), TestReadFile((myRoot / "cli.bru").string()))
        << "the window's brush is the command line's, byte for byte";

    // The pictures: the whole window to look at, and the preview compared with its golden picture.
    const std::string myWindow = ORBEX_BIN_DIR "/../pixelmill-window.png";
    Shell("xwdtopnm '" + (myRoot / "saved.xwd").string() + "' 2>/dev/null | pnmtopng > '" + myWindow + "'");
    Shell("xwdtopnm '" + (myRoot / "opened.xwd").string() +
          "' 2>/dev/null | pnmtopng > '" ORBEX_BIN_DIR "/../pixelmill-opened.png'");
    const std::string myPreview = Shell("pngtopnm '" + myWindow +
                                        "' | pnmcut -left 84 -top 328 -width 192 "
                                        "-height 96 | pnmtopng");
    ASSERT_FALSE(myPreview.empty());
    const std::string myGolden = ORBEX_SOURCE_DIR "/tests/converter/golden/pixelmill-preview.png";
    if (std::getenv("ORBEX_REWRITE_GOLDEN")) {
        std::ofstream(myGolden, std::ios::binary) << myPreview;
    }
    EXPECT_EQ(Shell("pngtopnm '" + myGolden + "' | md5sum"),
              Shell("pngtopnm '" + myWindow + "' | pnmcut -left 84 -top 328 -width 192 -height 96 | md5sum"))
        << "the preview differs from " << myGolden << "; see " << myWindow;
    fs::remove_all(myRoot);
}
