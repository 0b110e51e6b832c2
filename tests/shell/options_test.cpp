// The command line: what each refusal says, so a user knows what to type instead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/options.h"

namespace {
// The message of a refused command line ("" when it is taken).
std::string Refusal(std::vector<std::string> myArgs) {
    myArgs.insert(myArgs.begin(), "orbex");
    std::vector<char*> myArgv;
    for (std::string& myArg : myArgs)
        myArgv.push_back(myArg.data());
    std::string myError;
    return OptionsParse(static_cast<int>(myArgv.size()), myArgv.data(), myError) ? "" : myError;
}
} // namespace

TEST(Options, RefusalsSayWhatIsAllowed) {
    EXPECT_EQ(Refusal({"--headless", "--size", "7x7"}), "--size needs WxH, each from 64 to 16384 pixels");
    EXPECT_EQ(Refusal({"--headless", "--size", "64x16385"}),
              "--size needs WxH, each from 64 to 16384 pixels");
    EXPECT_EQ(Refusal({"--window", "640"}), "--window needs WxH, each from 64 to 16384 pixels");
    EXPECT_EQ(Refusal({"--headless", "--frames", "0"}), "--frames needs a count of 1 or more");
    EXPECT_EQ(Refusal({"--style", "../x"}), "--style ../x: a style's name cannot hold \"/\" or \"..\"");
    EXPECT_EQ(Refusal({"--style", "a..b"}), "--style a..b: a style's name cannot hold \"/\" or \"..\"");
    EXPECT_EQ(Refusal({"--style", "SixteenLetters__"}), "--style needs a style name of 1 to 15 characters");
    EXPECT_EQ(Refusal({"--headless", "--audio", "song.wav", "--clicks", "120"}),
              "--audio and --clicks cannot be used together");
    EXPECT_EQ(Refusal({"--headless", "--audio", "song.wav", "--disc", "music"}),
              "--audio and --disc cannot be used together");
    EXPECT_EQ(Refusal({"--headless", "--video", "videos/"}),
              "--video videos/ needs --disc: a folder holds one video for each track");
    EXPECT_EQ(Refusal({"--headless", "--disc", "music", "--frames", "9", "--video", "videos/"}),
              "--frames cannot be used with --video videos/: each video is a whole track");
    EXPECT_EQ(Refusal({"--headless", "--video", "videos"}),
              "--video videos: unknown kind of video; name it " + std::string(VideoFormList()));
    EXPECT_EQ(Refusal({"--player"}), "--player needs a player's name");
    EXPECT_EQ(Refusal({"--seed", "-1"}), "--seed needs 0 to 2147483647");
    EXPECT_EQ(Refusal({"--seed", "2147483648"}), "--seed needs 0 to 2147483647");
    EXPECT_EQ(Refusal({"--seed", "0"}), "");
    EXPECT_EQ(gOptions.mSeed, 0);
    EXPECT_EQ(Refusal({"--headless", "--player", "vlc"}),
              "--player follows a desktop player: not with --headless or --disc");
    EXPECT_EQ(Refusal({"--disc", "music", "--player", "vlc"}),
              "--player follows a desktop player: not with --headless or --disc");
    // What is allowed stays allowed.
    EXPECT_EQ(Refusal({"--headless", "--size", "64x16384", "--frames", "1", "--style", "Neon_Rain"}), "");
    EXPECT_EQ(Refusal({"--headless", "--clicks", "120", "--disc", "music", "--track", "99"}), "");
    EXPECT_EQ(Refusal({"--headless", "--disc", "music", "--track", "2", "--video", "videos/"}), "");
    EXPECT_TRUE(gOptions.mVideoFolder);
    EXPECT_EQ(Refusal({"--window", "640x480", "--player", "vlc"}), "");
}
