// The idle agent for real, under an X server with the screen-saver extension: idle for the delay starts the
// saver and Orbex with it, a key ends them.
#include <gtest/gtest.h>
#include <unistd.h>

#include "saver_fixture.h"

class LiveAgentTest : public SaverUserTest {};

TEST_F(LiveAgentTest, IdleStartsTheSaverAndAKeyEndsIt) {
    const std::string myCommand = "bash '" ORBEX_SOURCE_DIR "/tests/saver/live_agent.sh' '" + mRoot.string() +
                                  "' '" ORBEX_BIN_DIR "'";
    ASSERT_EQ(std::system(myCommand.c_str()), 0);
    EXPECT_EQ(Read(mRoot / "result.txt"), "idle-started\nended\n") << Read(mRoot / "agent.log");
    const std::string myPrefs = Read(mRoot / "orbex" / "config" / "Orbex Preferences.txt");
    ASSERT_EQ(myPrefs.size(), 12u);
    EXPECT_EQ(myPrefs[1], 0) << "Orbex wrote its record as it quit";
}
