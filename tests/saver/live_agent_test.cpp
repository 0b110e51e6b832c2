// The idle agent for real, under an X server with the screen-saver extension: idle for the delay starts the
// saver and Orbex with it, a key ends them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "saver_fixture.h"

class LiveAgentTest : public SaverUserTest {};

TEST_F(LiveAgentTest, IdleStartsTheSaverAndAKeyEndsIt) {
    const std::string myCommand =
        "bash '" ORBEX_SOURCE_DIR "/tests/saver/live_agent.sh' '" + mRoot.string() + "' '" ORBEX_BIN_DIR "'";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_EQ(Read(mRoot / "result.txt"), "idle-started\nended\n") << Read(mRoot / "agent.log");
    const std::string myPrefs = Read(mRoot / "orbex" / "config" / "Orbex Preferences.txt");
    ASSERT_EQ(myPrefs.size(), 12u);
    EXPECT_EQ(myPrefs[1], 0) << "Orbex wrote its record as it quit";
}

TEST_F(LiveAgentTest, ThePreviewDrawsTheLogoCentredOnBlack) {
    const std::string myCommand = "bash '" ORBEX_SOURCE_DIR "/tests/saver/live_preview.sh' '" +
                                  mRoot.string() + "' '" ORBEX_BIN_DIR "'";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_EQ(Read(mRoot / "code.txt"), "0\n") << "told to end, it ends quietly";
    // One pixel of the picture as "R G B": the plain form of netpbm's pixel maps.
    auto myPixel = [&](int myX, int myY) {
        const std::string myPlain = mRoot.string() + "/pixel.txt";
        const std::string myCut =
            "xwdtopnm '" + (mRoot / "preview.xwd").string() + "' 2>/dev/null | pnmcut -left " +
            std::to_string(myX) + " -top " + std::to_string(myY) +
            " -width 1 -height 1 | pnmtoplainpnm | tail -n 1 | xargs > '" + myPlain + "'";
        std::system(myCut.c_str());
        return Read(myPlain);
    };
    // The logo (143 x 71) sits at ((400 - 143) / 2, (300 - 71) / 2) = (128, 114); its core is white at (72,
    // 35).
    EXPECT_EQ(myPixel(10, 10), "0 0 0\n") << "the window is filled black";
    EXPECT_EQ(myPixel(128 + 72, 114 + 35), "255 255 255\n") << "the glowing core";
    EXPECT_EQ(myPixel(128 + 72 + 8, 114 + 35), "255 85 0\n") << "its orange rim, in the logo's own colours";
}

// Over a screen saver nobody answers an alert: with no sound card (the sound input cannot be opened) none
// opens, its text goes to standard error, and a click or Escape ends Orbex and the saver at once.
TEST_F(LiveAgentTest, AnAlertDoesNotKeepTheSaverFromEnding) {
    const std::string myRoot = mRoot.string();
    std::ofstream(mRoot / "session.sh")
        << "export ORBEX_HOME='" << myRoot << "/orbex' SDL_AUDIODRIVER=none\n"
        << "RUN=0\n"
        << "for INPUT in 'mousemove 20 580 click 1' 'key Escape'; do\n"
        << "  RUN=$((RUN + 1))\n"
        << "  '" ORBEX_BIN_DIR "/orbex-saver' s 2>>'" << myRoot
        << "/stderr.txt' & SAVER=$!\n"
        // The input is given once the alert's text is out: Orbex has started and takes keys and clicks.
        << "  for i in $(seq 1 300); do\n"
        << "    W=$(xdotool search --onlyvisible --name 'Orbex Animation' 2>/dev/null | head -n 1)\n"
        << "    TOLD=$(grep -c 'Unable to open sound input' '" << myRoot << "/stderr.txt' 2>/dev/null)\n"
        << "    [ -n \"$W\" ] && [ \"${TOLD:-0}\" -ge $RUN ] && break; sleep 0.1\n"
        << "  done\n"
        << "  sleep 0.5\n"
        << "  xdotool search --onlyvisible --name '^Alert$' >>'" << myRoot << "/alert.txt' 2>/dev/null\n"
        << "  xdotool windowfocus --sync \"$W\" 2>/dev/null; xdotool $INPUT\n"
        << "  ( sleep 10; pkill -KILL -P $SAVER; kill -KILL $SAVER ) 2>/dev/null & WATCH=$!\n"
        << "  wait $SAVER; echo $? >>'" << myRoot << "/code.txt'\n"
        << "  kill $WATCH 2>/dev/null || true\n"
        << "done\n";
    const std::string myCommand = "timeout 60 xvfb-run -a -s '-screen 0 800x600x24' bash '" +
                                  (mRoot / "session.sh").string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_EQ(Read(mRoot / "code.txt"), "0\n0\n") << "the click, then Escape, ended the saver";
    EXPECT_EQ(Read(mRoot / "alert.txt"), "") << "no alert window";
    EXPECT_NE(Read(mRoot / "stderr.txt").find("Unable to open sound input device!"), std::string::npos);
}
