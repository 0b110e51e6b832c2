// The bundled component library as built into share/orbex: every file loads without a message, passes the
// inspector, gives its program text back exactly, and every movement keeps the brush on the screen.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "converter/info.h"
#include "converter/program_text.h"
#include "core/alert.h"
#include "core/random.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/movement.h"
#include "engine/movement_program.h"
#include "shell/display.h"
#include "storage/loading.h"

namespace fs = std::filesystem;

namespace {

const fs::path kLibrary = fs::path(ORBEX_BIN_DIR).parent_path() / "share" / "orbex";

std::vector<uint8_t> ReadAll(const fs::path& myPath) {
    std::ifstream myStream(myPath, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(myStream)), std::istreambuf_iterator<char>());
}

std::vector<fs::path> Files(const char* myFolder, const char* myExt) {
    std::vector<fs::path> myFiles;
    for (const auto& myEntry : fs::directory_iterator(kLibrary / myFolder))
        if (myEntry.path().extension() == myExt) myFiles.push_back(myEntry.path());
    std::sort(myFiles.begin(), myFiles.end());
    return myFiles;
}

std::set<std::string> Names(const char* myFolder, const char* myExt) {
    std::set<std::string> myNames = {"(None)"};
    for (const fs::path& myPath : Files(myFolder, myExt))
        myNames.insert(myPath.stem().string());
    return myNames;
}

class LibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_directory(kLibrary)) << kLibrary;
        std::snprintf(gDirIDOrbex, kPathSize, "%s/", kLibrary.c_str());
        ASSERT_TRUE(SurfaceCreate(gWorldPreview, 128, 48));
        SurfaceSetColorKey(gWorldPreview, 255);
        ASSERT_TRUE(SurfaceCreate(gWorldControls, 390, 409));
        InitSetScreenSize(800, 600);
        StyleDefault(reinterpret_cast<char*>(&gStyle));
        StyleDefault(reinterpret_cast<char*>(&gStyleStart));
    }
};

TEST_F(LibraryTest, HoldsWhatTheDefaultStyleNamesAndEnoughOfEachKind) {
    const std::set<std::string> myBrushes = Names("Brushes", ".bru"), myFills = Names("Fills", ".fil"),
                                myGradients = Names("Gradients", ".gra"),
                                myMoves = Names("Movements", ".mvm");
    for (const auto& myName : gStyle.mBrushNames)
        EXPECT_TRUE(myBrushes.count(myName)) << myName;
    for (const auto& myName : gStyle.mFillNames)
        EXPECT_TRUE(myFills.count(myName)) << myName;
    for (const auto& myName : gStyle.mGradNames)
        EXPECT_TRUE(myGradients.count(myName)) << myName;
    for (const auto& myName : gStyle.mMoveNames)
        EXPECT_TRUE(myMoves.count(myName)) << myName;
    // The counts beyond the default style's, plus "(None)".
    EXPECT_GE(myBrushes.size(), 1u + 6 + 24);
    EXPECT_GE(myFills.size(), 1u + 3 + 12);
    EXPECT_GE(myGradients.size(), 1u + 8 + 16);
    EXPECT_GE(myMoves.size(), 1u + 6 + 12);
    EXPECT_GE(Files("Effects", ".efc").size(), 8u);
    EXPECT_GE(Files("Effects", ".efb").size(), 8u);
    int myTrailless = 0;
    for (const std::string& myName : myBrushes)
        myTrailless += myName[0] == '@';
    EXPECT_GE(myTrailless, 2);
}

TEST_F(LibraryTest, EveryComponentLoadsWithoutAMessage) {
    for (const fs::path& myPath : Files("Brushes", ".bru")) {
        EXPECT_TRUE(gBrushes[0].BrushLoad(myPath.stem().c_str(), 0, 0, 0, 0, nullptr, 0)) << myPath;
        EXPECT_STREQ(gAlertText, "") << myPath;
        EXPECT_GT(gBrushes[0].mWidth, 0) << myPath;
    }
    for (const fs::path& myPath : Files("Fills", ".fil")) {
        EXPECT_TRUE(gFills[1].FillLoad(myPath.stem().c_str(), 1, 0, 0, nullptr, 0)) << myPath;
        EXPECT_STREQ(gAlertText, "") << myPath;
    }
    for (const fs::path& myPath : Files("Gradients", ".gra")) {
        EXPECT_TRUE(LoadGradient(myPath.stem().c_str(), 0, 0, 0, nullptr, 0)) << myPath;
        EXPECT_STREQ(gAlertText, "") << myPath;
    }
    for (const fs::path& myPath : Files("Movements", ".mvm")) {
        EXPECT_TRUE(gMovements[0].MEffectLoad(myPath.stem().c_str(), 0, 1, 0, 0, nullptr, 0)) << myPath;
        EXPECT_STREQ(gAlertText, "") << myPath;
        EXPECT_GT(gMovements[0].mUpdateSize, 0) << myPath;
    }
    for (const fs::path& myPath : Files("Effects", ".efc")) {
        EXPECT_TRUE(gBEffectColor.CEffectLoad(myPath.stem().c_str(), 0, 0, nullptr)) << myPath;
        EXPECT_STREQ(gAlertText, "") << myPath;
        EXPECT_GT(gBEffectColor.mInitSize, 0) << myPath;
    }
    for (const fs::path& myPath : Files("Effects", ".efb")) {
        EXPECT_TRUE(gEffectBrush.BEffectLoad(myPath.stem().c_str(), 0, 0, nullptr)) << myPath;
        EXPECT_STREQ(gAlertText, "") << myPath;
    }
}

TEST_F(LibraryTest, EveryComponentPassesTheInspectorAndProgramsComeBackExactly) {
    int myPrograms = 0;
    for (const char* myFolder :
         {"Brushes", "Fills", "Gradients", "Movements", "Effects", "Styles", "Settings"})
        for (const auto& myEntry : fs::directory_iterator(kLibrary / myFolder)) {
            const std::vector<uint8_t> myFile = ReadAll(myEntry.path());
            ConvertInfo myInfo;
            const ConvertResult myResult = ConvertReadInfo(myFile.data(), myFile.size(), myInfo);
            EXPECT_TRUE(myResult.mOk) << myEntry.path() << ": " << myResult.mMessage;
            for (const std::string& myLine : myInfo.mLines)
                EXPECT_EQ(myLine.find("Trailing"), std::string::npos) << myEntry.path();
            if (myInfo.mType != 'M' && myInfo.mType != 'C' && myInfo.mType != 'E') continue;
            std::string myText;
            ASSERT_TRUE(ProgramDisassemble(myFile.data(), myFile.size(), myText).mOk) << myEntry.path();
            ProgramKind myKind;
            std::vector<uint8_t> myAgain;
            ASSERT_TRUE(ProgramAssemble(myText, myKind, myAgain).mOk) << myEntry.path() << "\n" << myText;
            EXPECT_EQ(myAgain, myFile) << myEntry.path();
            ++myPrograms;
        }
    EXPECT_GE(myPrograms, 18 + 16);
}

TEST_F(LibraryTest, StylesNameOnlyBundledComponents) {
    const std::set<std::string> myBrushes = Names("Brushes", ".bru"), myFills = Names("Fills", ".fil"),
                                myGradients = Names("Gradients", ".gra"),
                                myMoves = Names("Movements", ".mvm"), myColor = Names("Effects", ".efc"),
                                myBrushFx = Names("Effects", ".efb");
    const std::vector<fs::path> myStyles = Files("Styles", ".sty");
    ASSERT_GE(myStyles.size(), 3u);
    for (const fs::path& myPath : myStyles) {
        const std::vector<uint8_t> myFile = ReadAll(myPath);
        ASSERT_EQ(myFile.size(), kStyleSize) << myPath;
        StyleRecord myStyle;
        std::memcpy(&myStyle, myFile.data(), kStyleSize);
        EXPECT_EQ(myStyle.mFileType, 'S');
        EXPECT_EQ(myPath.stem().string(), myStyle.mStyleName);
        for (const auto& myName : myStyle.mBrushNames)
            EXPECT_TRUE(myBrushes.count(myName)) << myPath << " " << myName;
        for (const auto& myName : myStyle.mFillNames)
            EXPECT_TRUE(myFills.count(myName)) << myPath << " " << myName;
        for (const auto& myName : myStyle.mGradNames)
            EXPECT_TRUE(myGradients.count(myName)) << myPath << " " << myName;
        for (const auto& myName : myStyle.mMoveNames)
            EXPECT_TRUE(myMoves.count(myName)) << myPath << " " << myName;
        EXPECT_TRUE(myBrushFx.count(myStyle.mBrushEffect)) << myPath;
        EXPECT_TRUE(myColor.count(myStyle.mBrushColorEffect)) << myPath;
        EXPECT_TRUE(myColor.count(myStyle.mFillColorEffect)) << myPath;
    }
}

// How much of the time each movement shows the brush at least partly, over 30 s of updates at the default
// brush speed of 40 a second with a beat every 500 ms and music whose loudness rises and falls.
// With myDefaults false the parameters stay at the default style's 0, as on a first start.
double OnScreenShare(const std::string& myName, int myWidth, int myHeight, bool myDefaults = true,
                     int* myPlaces = nullptr) {
    InitSetScreenSize(myWidth, myHeight);
    MainSeedRandom(11);
    gCurrentBrush = 0;
    gCurrentMove = 0;
    std::memset(gStyle.mMoveParam, 0, sizeof(gStyle.mMoveParam));
    MEffect& myMove = gMovements[0];
    if (!myMove.MEffectLoad(myName.c_str(), 0, myDefaults, 0, 0, nullptr, 0)) return -1;
    std::set<std::pair<int, int>> mySeen;
    const VBrush& myBrush = gBrushes[0];
    gEffScale = 0;
    myMove.MEffectInit();
    myMove.MEffectReset();
    int myShown = 0, myImages = 0;
    for (int myUpdate = 0; myUpdate < 30 * 40; ++myUpdate) {
        if (myUpdate % 20 == 19) myMove.MEffectReset();
        gEffScale = 0.5 + 0.5 * std::sin(myUpdate * 0.07);
        myMove.MEffectUpdate();
        const bool myOnScreen = gX + myBrush.mRight > 0 && gX - myBrush.mLeft < myWidth &&
                                gY + myBrush.mBottom > 0 && gY - myBrush.mTop < myHeight;
        myShown += myOnScreen;
        ++myImages;
        mySeen.insert({static_cast<int>(gX), static_cast<int>(gY)});
    }
    if (myPlaces) *myPlaces = static_cast<int>(mySeen.size());
    return static_cast<double>(myShown) / myImages;
}

TEST_F(LibraryTest, EveryMovementKeepsTheBrushOnScreenMostOfTheTime) {
    ASSERT_TRUE(gBrushes[0].BrushLoad("Veve", 0, 0, 0, 0, nullptr, 0));
    for (const fs::path& myPath : Files("Movements", ".mvm")) {
        const std::string myName = myPath.stem().string();
        const double mySmall = OnScreenShare(myName, 800, 600);
        const double myLarge = OnScreenShare(myName, 1920, 1080);
        std::printf("[ share    ] %-16s 800x600 %5.1f%%  1920x1080 %5.1f%%\n", myName.c_str(), 100 * mySmall,
                    100 * myLarge);
        EXPECT_GE(mySmall, 0.75) << myName;
        EXPECT_GE(myLarge, 0.75) << myName;
    }
    InitSetScreenSize(800, 600);
}

TEST_F(LibraryTest, EveryMovementMovesTheBrushWithTheParametersAFirstStartHas) {
    ASSERT_TRUE(gBrushes[0].BrushLoad("Veve", 0, 0, 0, 0, nullptr, 0));
    for (const fs::path& myPath : Files("Movements", ".mvm")) {
        int myPlaces = 0;
        EXPECT_GE(OnScreenShare(myPath.stem().string(), 800, 600, false, &myPlaces), 0.75) << myPath;
        EXPECT_GT(myPlaces, 20) << myPath;
    }
    InitSetScreenSize(800, 600);
}

} // namespace
