// The disk layer on real files in a folder of the test's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "shell/alert.h"
#include "storage/file.h"

namespace fs = std::filesystem;

namespace {
class FileTest : public ::testing::Test {
  protected:
    fs::path mRoot;
    std::string mFolder; // ends in '/'

    void SetUp() override {
        mRoot = fs::temp_directory_path() / ("orbex-file-" + std::to_string(::getpid()));
        fs::remove_all(mRoot);
        fs::create_directories(mRoot);
        mFolder = mRoot.string() + "/";
        gStartUp = 1; // alerts only store their text
        gAlertText[0] = 0;
    }
    void TearDown() override {
        fs::remove_all(mRoot);
        gStartUp = 0;
    }
    void Write(const std::string& myName, const std::string& myContent) {
        std::ofstream(mRoot / myName, std::ios::binary) << myContent;
    }
    std::string Read(const std::string& myName) {
        std::ifstream myStream(mRoot / myName, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(myStream), {});
    }
};
} // namespace

TEST_F(FileTest, ShortReadAtTheEndIsQuietAndKeepsTheRestOfTheBuffer) {
    Write("short.bin", "abc");
    FileHandle myFile = nullptr;
    ASSERT_EQ(FileOpen("short.bin", mFolder.c_str(), &myFile, false), 0);
    char myBuffer[8];
    std::memset(myBuffer, 'x', sizeof(myBuffer));
    FileRead(myFile, 6, myBuffer);
    EXPECT_EQ(std::string(myBuffer, 8), "abcxxxxx");
    EXPECT_STREQ(gAlertText, "");
    FileSeek(myFile, 1, 0);
    FileRead(myFile, 1, myBuffer);
    EXPECT_EQ(myBuffer[0], 'b');
    FileSeek(myFile, -1, 2);
    FileRead(myFile, 1, myBuffer);
    EXPECT_EQ(myBuffer[0], 'c');
    FileSeek(myFile, -10, 0);
    EXPECT_STREQ(gAlertText, "File seek error!");
    FileClose(myFile);
}

TEST_F(FileTest, MissingFilesAndRefusedNames) {
    FileHandle myFile = reinterpret_cast<FileHandle>(1);
    EXPECT_EQ(FileOpen("absent.bru", mFolder.c_str(), &myFile, false), kFileNotFound);
    EXPECT_EQ(myFile, nullptr);
    fs::create_directories(mRoot / "sub");
    Write("sub/inner.bru", "x");
    Write("top.bru", "x");
    for (const char* myName : {"sub/inner.bru", "../top.bru", "..", "", "a\\b"})
        EXPECT_EQ(FileOpen(myName, (mFolder + "sub/").c_str(), &myFile, false), kFileNotFound) << myName;
    EXPECT_EQ(FileFind("../top.bru", (mFolder + "sub/").c_str()), 1);
    EXPECT_EQ(FileCreate("../escape", (mFolder + "sub/").c_str(), false), kFileNotFound);
    EXPECT_FALSE(fs::exists(mRoot / "escape"));
    // A folder is not a file to open, but it is found.
    EXPECT_EQ(FileOpen("sub", mFolder.c_str(), &myFile, false), kFileNotFound);
    EXPECT_EQ(FileFind("sub", mFolder.c_str()), 0);
    EXPECT_EQ(FileFind("top.bru", mFolder.c_str()), 0);
    EXPECT_EQ(FileFind("nothing", mFolder.c_str()), 1);
}

TEST_F(FileTest, NamesAreMatchedWhateverTheirCase) {
    Write("VEVE.BRU", "brush");
    FileHandle myFile = nullptr;
    ASSERT_EQ(FileOpen("Veve.bru", mFolder.c_str(), &myFile, false), 0);
    char myBuffer[5];
    FileRead(myFile, 5, myBuffer);
    EXPECT_EQ(std::string(myBuffer, 5), "brush");
    FileClose(myFile);
    EXPECT_EQ(FileFind("veve.bru", mFolder.c_str()), 0);
    fs::create_directories(mRoot / "Raves");
    char myPath[kPathSize];
    ASSERT_EQ(FileFindDirectory("RAVES", mFolder.c_str(), myPath), 0);
    EXPECT_EQ(std::string(myPath), mFolder + "Raves/");
}

TEST_F(FileTest, CreateNeverTouchesAnExistingFile) {
    EXPECT_EQ(FileCreate("new.sty", mFolder.c_str(), true), 0);
    EXPECT_TRUE(fs::exists(mRoot / "new.sty"));
    EXPECT_EQ(fs::file_size(mRoot / "new.sty"), 0u);
    Write("kept.sty", "precious");
    EXPECT_EQ(FileCreate("kept.sty", mFolder.c_str(), false), kFileExists);
    EXPECT_EQ(Read("kept.sty"), "precious");
}

TEST_F(FileTest, WriteReadBackAndCopyOver) {
    ASSERT_EQ(FileCreate("data.bin", mFolder.c_str(), false), 0);
    FileHandle myFile = nullptr;
    ASSERT_EQ(FileOpen("data.bin", mFolder.c_str(), &myFile, true), 0);
    FileWrite(myFile, 5, "hello");
    FileClose(myFile);
    EXPECT_EQ(Read("data.bin"), "hello");
    Write("target.bin", "old content that is longer");
    EXPECT_EQ(FileCopyContents("target.bin", "data.bin", mFolder.c_str(), mFolder.c_str()), 0);
    EXPECT_EQ(Read("target.bin"), "hello");
    EXPECT_EQ(FileCopyContents("target.bin", "absent.bin", mFolder.c_str(), mFolder.c_str()), kFileNotFound);
    EXPECT_EQ(Read("target.bin"), "hello");
    // Reading through a handle opened for reading only cannot write.
    ASSERT_EQ(FileOpen("data.bin", mFolder.c_str(), &myFile, false), 0);
    FileWrite(myFile, 3, "abc");
    EXPECT_STREQ(gAlertText, "File write error!");
    FileClose(myFile);
    EXPECT_EQ(Read("data.bin"), "hello");
}

TEST_F(FileTest, CreateAndFindFolders) {
    char myPath[kPathSize] = "unchanged";
    EXPECT_EQ(FileFindDirectory("Raves", mFolder.c_str(), myPath), 1);
    EXPECT_STREQ(myPath, "unchanged");
    EXPECT_EQ(FileCreateDirectory("Raves", mFolder.c_str(), myPath), 0);
    EXPECT_EQ(std::string(myPath), mFolder + "Raves/");
    EXPECT_NE(FileCreateDirectory("Raves", mFolder.c_str(), nullptr), 0);
    EXPECT_EQ(FileFindDirectory("Raves", mFolder.c_str(), myPath), 0);
    // A path that would not fit the folder globals is not found rather than cut.
    const std::string myLong(300, 'n');
    EXPECT_EQ(FileFind(myLong.c_str(), mFolder.c_str()), 1);
}

TEST_F(FileTest, DeleteFolderItemsFollowsItsFlags) {
    char myPath[kPathSize] = "";
    // A missing folder is created whatever the flags.
    FileDeleteFolderItems("Brushes", mFolder.c_str(), myPath, false, false);
    EXPECT_TRUE(fs::is_directory(mRoot / "Brushes"));
    EXPECT_EQ(std::string(myPath), mFolder + "Brushes/");
    FileDeleteFolderItems("Fills", mFolder.c_str(), nullptr, true, true);
    EXPECT_TRUE(fs::is_directory(mRoot / "Fills"));

    const char* const kNames[] = {"Veve.bru", "Temp_", "Veve.bru_", "README", "ab.c", "notes.text"};
    for (const char* myName : kNames)
        Write(std::string("Brushes/") + myName, "x");
    FileDeleteFolderItems("Brushes", mFolder.c_str(), myPath, false, true);
    for (const char* myName : kNames)
        EXPECT_TRUE(fs::exists(mRoot / "Brushes" / myName)) << "delete flag clear: " << myName;

    FileDeleteFolderItems("Brushes", mFolder.c_str(), myPath, true, true);
    EXPECT_FALSE(fs::exists(mRoot / "Brushes" / "Temp_"));
    EXPECT_FALSE(fs::exists(mRoot / "Brushes" / "Veve.bru_"));
    EXPECT_TRUE(fs::exists(mRoot / "Brushes" / "Veve.bru"));
    EXPECT_TRUE(fs::exists(mRoot / "Brushes" / "README"));

    FileDeleteFolderItems("Brushes", mFolder.c_str(), myPath, true, false);
    EXPECT_FALSE(fs::exists(mRoot / "Brushes" / "Veve.bru"));
    EXPECT_TRUE(fs::exists(mRoot / "Brushes" / "README"));
    EXPECT_TRUE(fs::exists(mRoot / "Brushes" / "ab.c")) << "only three-letter extensions";
    EXPECT_TRUE(fs::exists(mRoot / "Brushes" / "notes.text"));
}
