// The disk layer on real files in a folder of the test's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "core/alert.h"
#include "storage/file.h"

namespace fs = std::filesystem;

namespace {
class FileTest : public ::testing::Test {
  protected:
    fs::path mRoot;
    std::string mFolder; // ends in '/'

    void SetUp() override {
        const std::string myTest = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        mRoot = fs::temp_directory_path() / ("orbex-file-" + std::to_string(::getpid()) + "-" + myTest);
        fs::remove_all(mRoot);
        fs::create_directories(mRoot);
        mFolder = mRoot.string() + "/";
        gStartUp = 1; // alerts only store their text
    }
    void TearDown() override { fs::remove_all(mRoot); }
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

// The fuzzers read through files held in memory: each step must give what the same file on disk gives.
TEST_F(FileTest, AFileHeldInMemoryReadsAsTheSameFileOnDisk) {
    const std::string myBytes = "abcdefgh";
    Write("disk.bin", myBytes);
    auto myTrace = [](FileHandle myFile) {
        std::string mySeen;
        char myBuffer[12];
        for (const auto& [myOffset, myOrigin, myCount] :
             {std::tuple{0, 0, 3}, {2, 1, 2}, {-3, 2, 12}, {20, 0, 4}, {-2, 1, 1}, {-30, 1, 1}}) {
            std::memset(myBuffer, '.', sizeof(myBuffer));
            gAlertText[0] = 0;
            FileSeek(myFile, myOffset, myOrigin);
            FileRead(myFile, myCount, myBuffer);
            mySeen += std::string(myBuffer, myCount) + "|" + std::to_string(FileTell(myFile)) + "|" +
                      gAlertText + ";";
        }
        return mySeen + std::to_string(FileLength(myFile));
    };
    FileHandle myDisk = nullptr, myMemory = nullptr;
    ASSERT_EQ(FileOpen("disk.bin", mFolder.c_str(), &myDisk, false), 0);
    const std::string myExpected = myTrace(myDisk);
    FileClose(myDisk);
    FileMemoryPut((mFolder + "held.bin").c_str(), reinterpret_cast<const uint8_t*>(myBytes.data()),
                  myBytes.size());
    ASSERT_EQ(FileOpen("held.bin", mFolder.c_str(), &myMemory, false), 0);
    EXPECT_EQ(myTrace(myMemory), myExpected);
    FileClose(myMemory);
    // While files are held, they are the whole disk, and none of them can be written.
    EXPECT_EQ(FileFind("held.bin", mFolder.c_str()), 0);
    EXPECT_NE(FileFind("disk.bin", mFolder.c_str()), 0);
    EXPECT_NE(FileOpen("held.bin", mFolder.c_str(), &myMemory, true), 0);
    FileResetState();
    EXPECT_EQ(FileFind("disk.bin", mFolder.c_str()), 0);
    EXPECT_NE(FileFind("held.bin", mFolder.c_str()), 0);
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
    EXPECT_NE(FileOpen("sub", mFolder.c_str(), &myFile, false), 0);
    EXPECT_EQ(myFile, nullptr);
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

TEST_F(FileTest, DeleteFolderItemsRemovesFilesOnly) {
    fs::create_directories(mRoot / "Effects" / "old.efc_");
    Write("Effects/old.efc_/inner.efc", "x");
    fs::create_directories(mRoot / "Effects" / "empty.efb_");
    Write("Effects/one.efc_", "x");
    Write("Effects/two.efb_", "x");
    Write("Effects/three_", "x");
    FileDeleteFolderItems("effects", mFolder.c_str(), nullptr, true, true);
    EXPECT_FALSE(fs::exists(mRoot / "Effects" / "one.efc_"));
    EXPECT_FALSE(fs::exists(mRoot / "Effects" / "two.efb_"));
    EXPECT_FALSE(fs::exists(mRoot / "Effects" / "three_"));
    EXPECT_TRUE(fs::exists(mRoot / "Effects" / "old.efc_" / "inner.efc"))
        << "a folder is left with its content";
    EXPECT_TRUE(fs::is_directory(mRoot / "Effects" / "empty.efb_"));
    EXPECT_FALSE(fs::exists(mRoot / "effects")) << "the existing folder was used, whatever its case";
}

TEST_F(FileTest, ReadingAndWritingTakeTurnsOnOneHandle) {
    Write("turns.bin", "0123456789");
    FileHandle myFile = nullptr;
    ASSERT_EQ(FileOpen("turns.bin", mFolder.c_str(), &myFile, true), 0);
    char myBuffer[2] = {0, 0};
    FileWrite(myFile, 2, "ab");
    FileRead(myFile, 2, myBuffer); // follows the write without a seek in between
    EXPECT_EQ(std::string(myBuffer, 2), "23");
    FileWrite(myFile, 2, "cd"); // and a write follows the read
    FileClose(myFile);
    EXPECT_STREQ(gAlertText, "");
    EXPECT_EQ(Read("turns.bin"), "ab23cd6789");
}

TEST_F(FileTest, AbsentHandlesAreReportedNotFollowed) {
    char myBuffer[4] = {'k', 'k', 'k', 'k'};
    FileRead(nullptr, 4, myBuffer);
    EXPECT_STRNE(gAlertText, "");
    EXPECT_EQ(std::string(myBuffer, 4), "kkkk");
    gAlertText[0] = 0;
    FileWrite(nullptr, 4, myBuffer);
    EXPECT_STREQ(gAlertText, "File write error!");
    gAlertText[0] = 0;
    FileSeek(nullptr, 0, 0);
    EXPECT_STREQ(gAlertText, "File seek error!");
    FileClose(nullptr);

    Write("origin.bin", "abc");
    FileHandle myFile = nullptr;
    ASSERT_EQ(FileOpen("origin.bin", mFolder.c_str(), &myFile, false), 0);
    gAlertText[0] = 0;
    FileSeek(myFile, 0, 3); // no such origin
    EXPECT_STREQ(gAlertText, "File seek error!");
    FileClose(myFile);
}

TEST_F(FileTest, OtherSpellingsOfAnExistingNameAreTheSameFile) {
    Write("STYLE.STY", "original");
    EXPECT_EQ(FileCreate("style.sty", mFolder.c_str(), false), kFileExists);
    Write("fresh.sty", "new");
    EXPECT_EQ(FileCopyContents("Style.Sty", "FRESH.STY", mFolder.c_str(), mFolder.c_str()), 0);
    EXPECT_EQ(Read("STYLE.STY"), "new");
    EXPECT_FALSE(fs::exists(mRoot / "Style.Sty")) << "the copy went over the existing file, not beside it";
    size_t myCount = 0;
    for ([[maybe_unused]] const auto& myEntry : fs::directory_iterator(mRoot))
        ++myCount;
    EXPECT_EQ(myCount, 2u);
    EXPECT_NE(FileCreateDirectory("style.STY", mFolder.c_str(), nullptr), 0);
}

// The joined path plus its closing '/' must fit a path buffer with its terminator.
TEST_F(FileTest, FolderPathsAtTheLengthLimit) {
    const size_t myRoom = kPathSize - 2 - mFolder.size(); // longest name whose folder path still fits
    ASSERT_LT(myRoom, 256u);
    const std::string myLongest(myRoom, 'f');
    char myPath[kPathSize];
    ASSERT_EQ(FileCreateDirectory(myLongest.c_str(), mFolder.c_str(), myPath), 0);
    EXPECT_EQ(std::strlen(myPath), static_cast<size_t>(kPathSize - 1));
    EXPECT_EQ(std::string(myPath), mFolder + myLongest + "/");

    const std::string myTooLong(myRoom + 1, 'g');
    std::memset(myPath, 'u', sizeof(myPath));
    EXPECT_EQ(FileCreateDirectory(myTooLong.c_str(), mFolder.c_str(), myPath), kFileNotFound);
    EXPECT_FALSE(fs::exists(mRoot / myTooLong));
    EXPECT_EQ(myPath[0], 'u');
    FileDeleteFolderItems(myTooLong.c_str(), mFolder.c_str(), myPath, false, false);
    EXPECT_FALSE(fs::exists(mRoot / myTooLong));
    EXPECT_EQ(myPath[0], 'u');
}
