// The commit-msg hook: a subject of at most 72 characters and one topic passes; a longer one, or one that
// joins topics with ";", is refused. Comment lines and the body do not count.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

bool CommitMsgAccepts(const std::string& myMessage) {
    const std::filesystem::path myFile =
        std::filesystem::temp_directory_path() / ("orbex-commit-msg-" + std::to_string(::getpid()));
    std::ofstream(myFile) << myMessage;
    const std::string myCommand = std::string("bash '") + ORBEX_SOURCE_DIR + "/scripts/hooks/commit-msg' '" +
                                  myFile.string() + "' 2>/dev/null";
    const int myStatus = std::system(myCommand.c_str());
    std::filesystem::remove(myFile);
    return myStatus == 0;
}

} // namespace

TEST(CommitMsg, KeepsSubjectsShortAndToOneTopic) {
    EXPECT_TRUE(CommitMsgAccepts("A subject of one topic\n\nA body may run long; and use semicolons." +
                                 std::string(100, 'x') + "\n"));
    EXPECT_TRUE(CommitMsgAccepts(std::string(72, 's') + "\n"));
    EXPECT_FALSE(CommitMsgAccepts(std::string(73, 's') + "\n"));
    EXPECT_FALSE(CommitMsgAccepts("Fix the loaders; rename the kinds\n"));
    EXPECT_TRUE(CommitMsgAccepts("# a comment line first; as git writes it\n\nThe subject\n"));
}
