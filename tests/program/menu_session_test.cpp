// Whole sessions through the menus by clicks and keys: a style and a gradient set saved under typed names and
// deleted again, a sound source picked, a rave saved for a music-folder track and replayed; the files written
// and the settings kept are read back afterwards.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "click_track.h"
#include "core/style_record.h"
#include "program_run.h"
#include "shell/preferences.h"
#include "storage/format_sets.h"
#include "test_library.h"

namespace fs = std::filesystem;

namespace {

// The controls window's places: the expand button, the style box, the song box, the panel's Settings
// button and the box of its first row, and the DELETE panel's list box.
constexpr const char* kExpand = "click controls 180 10";
constexpr const char* kStyleBox = "click controls 340 34";
constexpr const char* kSongBox = "click controls 120 34";
constexpr const char* kSettings = "click controls 170 59";
constexpr const char* kPanelBox = "click controls 100 76";
constexpr const char* kDeleteBox = "click controls 100 84";

class MenuSession : public ProgramRunTest {
  protected:
    // Each line of myLines is played a tenth of a second after the one before; an empty one waits.
    int RunScript(const std::vector<std::string>& myLines, const std::string& myArguments,
                  std::string* myErrors) {
        std::ofstream myScript(mRoot / "session.txt");
        for (size_t i = 0; i < myLines.size(); ++i)
            if (!myLines[i].empty())
                myScript << 0.3 + 0.1 * static_cast<double>(i) << ' ' << myLines[i] << '\n';
        myScript.close();
        return Run("--headless " + myArguments + " --script '" + (mRoot / "session.txt").string() + "'",
                   myErrors);
    }
    bool ReadStyle(const std::string& myName, StyleRecord& myStyle) const {
        std::ifstream myFile(mRoot / "home" / "Styles" / (myName + ".sty"), std::ios::binary);
        myFile.read(reinterpret_cast<char*>(&myStyle), kStyleSize);
        return myFile.gcount() == static_cast<std::streamsize>(kStyleSize) && myFile.peek() == EOF;
    }
    static std::string Name(const char* myField) { return std::string(myField, strnlen(myField, kNameSize)); }
};

} // namespace

TEST_F(MenuSession, StylesSetsAndTheSourceGoThroughTheirMenus) {
    ASSERT_TRUE(TestWriteLibrary(mRoot / "home", 12000));
    // The colour counter off, so no beat changes the colour typed; then the style saved by the style box's
    // "Save Current...", the gradient set by the GRADIENT SETTINGS panel's, and "CD Audio" picked as the
    // SOUND INPUT panel's source.
    const std::vector<std::string> kSave = {kExpand,
                                            "drag controls 20 217 0 217 0.05",
                                            "type 40c",
                                            "type 90d",
                                            kStyleBox,
                                            "key Home",
                                            "key Return",
                                            "type Aardvark Style",
                                            "key Return",
                                            kSettings,
                                            "key Home",
                                            "key Down",
                                            "key Return",
                                            kPanelBox,
                                            "key Home",
                                            "key Return",
                                            "type Aardvark Set",
                                            "key Return",
                                            kSettings,
                                            "key Home",
                                            "key Down",
                                            "key Down",
                                            "key Down",
                                            "key Down",
                                            "key Down",
                                            "key Return",
                                            kPanelBox,
                                            "key Home",
                                            "key Return",
                                            "key Escape"};
    std::string myErrors;
    ASSERT_EQ(RunScript(kSave, "--style Known --clicks 120", &myErrors), 0) << myErrors;

    StyleRecord mySession, mySaved;
    ASSERT_TRUE(ReadStyle("Last_Session", mySession));
    ASSERT_TRUE(ReadStyle("Aardvark_Style", mySaved));
    EXPECT_EQ(mySession.mBrushColor, 40);
    EXPECT_EQ(mySession.mSpread, 90);
    EXPECT_EQ(Name(mySaved.mStyleName), "Aardvark_Style");
    for (int8_t myCounter : mySaved.mBeatCounter)
        EXPECT_EQ(myCounter, 0) << "a style is saved with its counters off";
    // Apart from its name, its counters and the set named after it, the style is the session.
    StyleCopy(mySaved.mStyleName, mySession.mStyleName);
    std::memcpy(mySaved.mBeatCounter, mySession.mBeatCounter, sizeof(mySaved.mBeatCounter));
    EXPECT_EQ(Name(mySession.mGradSetName), "Aardvark_Set");
    StyleCopy(mySaved.mGradSetName, mySession.mGradSetName);
    EXPECT_EQ(std::memcmp(&mySaved, &mySession, kStyleSize), 0);

    const std::string mySet = TestReadText(mRoot / "home" / "Settings" / "Aardvark_Set.gst");
    ASSERT_EQ(mySet.size(), kStyleHeaderSize + kSectionGradNames.mSize);
    EXPECT_EQ(mySet[0], kSetGradient);
    EXPECT_EQ(mySet.substr(kStyleHeaderSize + 2),
              std::string(mySession.mGradNames[0], sizeof(mySession.mGradNames)));

    const fs::path myPrefs = mRoot / "home" / "config" / kPrefsFileName;
    ASSERT_EQ(TestReadText(myPrefs).size(), static_cast<size_t>(kPrefsSize));
    EXPECT_EQ(TestReadText(myPrefs)[kPrefsSource], 0) << "the first source, \"CD Audio\"";

    // Started with the saved style over the library's own, both are deleted by their menus' "Delete..."
    // lists; the source chosen stays.
    fs::copy_file(mRoot / "home" / "Styles" / "Known.sty", mRoot / "home" / "Styles" / "Last_Session.sty",
                  fs::copy_options::overwrite_existing);
    const std::vector<std::string> kDelete = {
        kExpand,      kStyleBox,    "key Home", "key Down", "key Return", kDeleteBox,  "key Home",
        "key Return", kSettings,    "key Home", "key Down", "key Return", kPanelBox,   "key Home",
        "key Down",   "key Return", kDeleteBox, "key Home", "key Return", "key Escape"};
    ASSERT_EQ(RunScript(kDelete, "--style Aardvark_Style --clicks 120", &myErrors), 0) << myErrors;
    EXPECT_FALSE(fs::exists(mRoot / "home" / "Styles" / "Aardvark_Style.sty"));
    EXPECT_FALSE(fs::exists(mRoot / "home" / "Settings" / "Aardvark_Set.gst"));
    ASSERT_TRUE(ReadStyle("Last_Session", mySession));
    EXPECT_EQ(mySession.mBrushColor, 40) << "the saved style read back";
    EXPECT_EQ(mySession.mSpread, 90) << "the saved style read back";
    EXPECT_EQ(Name(mySession.mGradSetName), "(None)");
    EXPECT_EQ(TestReadText(myPrefs)[kPrefsSource], 0);
}

TEST_F(MenuSession, ARaveSavedByTheSongBoxReplaysItsChanges) {
    ASSERT_TRUE(TestWriteLibrary(mRoot / "home", 12000));
    fs::create_directories(mRoot / "music");
    for (const char* myTrack : {"01.wav", "02.wav"})
        TestWriteClickTrack(mRoot / "music" / myTrack, 8.0);
    StyleRecord myKnown;
    ASSERT_TRUE(ReadStyle("Known", myKnown));
    ASSERT_NE(myKnown.mSpread, 90);
    ASSERT_NE(myKnown.mBrushSpeed, 30);
    ASSERT_NE(myKnown.mColorSpeed, 60 + 20);
    const std::string myDisc = "--disc '" + (mRoot / "music").string() + "'";

    // Three changes by keys a second into track 1, then "Save and Attach Rave..." under a typed name.
    const std::vector<std::string> kRecord = {kExpand,      "",          "",           "",
                                              "",           "",          "",           "type 90d",
                                              "type 30s",   "type 20r",  kSongBox,     "key Home",
                                              "key Down",   "key Down",  "key Return", "type Party Mix",
                                              "key Return", "key Escape"};
    std::string myErrors;
    ASSERT_EQ(RunScript(kRecord, "--style Known " + myDisc, &myErrors), 0) << myErrors;
    fs::path myRave;
    for (const fs::directory_entry& myEntry : fs::recursive_directory_iterator(mRoot / "home" / "Raves"))
        if (myEntry.path().filename() == "Party_Mix.R01") myRave = myEntry.path();
    ASSERT_FALSE(myRave.empty()) << "the rave of track 1";

    // Played again from the library's style, track 1 brings its rave: styles saved by the style box before
    // and after the changes' song times hold the settings of each moment.
    const std::vector<std::string> kReplay = {
        kExpand,      kStyleBox,    "key Home",   "key Return", "type Before",
        "key Return", "",           "",           "",           "",
        "",           "",           "",           kStyleBox,    "key Home",
        "key Return", "type After", "key Return", "key Escape"};
    ASSERT_EQ(RunScript(kReplay, "--style Known " + myDisc, &myErrors), 0) << myErrors;
    StyleRecord myBefore, myAfter;
    ASSERT_TRUE(ReadStyle("Before", myBefore));
    ASSERT_TRUE(ReadStyle("After", myAfter));
    EXPECT_EQ(myBefore.mSpread, myKnown.mSpread);
    EXPECT_EQ(myBefore.mBrushSpeed, myKnown.mBrushSpeed);
    EXPECT_EQ(myBefore.mColorSpeed, myKnown.mColorSpeed);
    EXPECT_EQ(myAfter.mSpread, 90);
    EXPECT_EQ(myAfter.mBrushSpeed, 30);
    EXPECT_EQ(myAfter.mColorSpeed, 60 + 20);
}
