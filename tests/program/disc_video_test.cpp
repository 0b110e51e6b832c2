// Videos of a disc's tracks: a music folder whose first track has a rave renders that track as long as it
// runs, with its sound under the picture and the frames its replay gives any other output; and a folder of
// videos takes every track, each named by its number and title.
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>

#include "../music/music_fixture.h"
#include "controls/file_popup.h"
#include "core/random.h"
#include "engine/style_apply.h"
#include "platform/video_yuv.h"
#include "png_reader.h"
#include "test_files.h"
#include "test_library.h"
#include "video_reader.h"

namespace {
constexpr int kFps = 30;
constexpr int kWidth = 96;
constexpr int kHeight = 64;

// The sound's tone in hertz, from its crossings of zero.
double ToneOf(const std::vector<float>& mySound, int myRate, size_t myFrom, size_t myTo) {
    int myCrossings = 0;
    for (size_t i = myFrom + 1; i < myTo && i < mySound.size(); ++i)
        if ((mySound[i - 1] < 0) != (mySound[i] < 0)) ++myCrossings;
    return myCrossings / 2.0 / (double(myTo - myFrom) / myRate);
}

double Loudness(const std::vector<float>& mySound, size_t myFrom, size_t myTo) {
    double mySum = 0;
    for (size_t i = myFrom; i < myTo && i < mySound.size(); ++i)
        mySum += mySound[i] * mySound[i];
    return std::sqrt(mySum / double(myTo - myFrom));
}

class DiscVideoTest : public MusicTest {
  protected:
    // Runs the program on the music folder; its exit status.
    int Render(const std::string& myArguments) {
        std::filesystem::create_directories(mRoot / "runtime");
        const std::string myCommand = "env -u DISPLAY -u WAYLAND_DISPLAY ORBEX_HOME='" + mRoot.string() +
                                      "' XDG_RUNTIME_DIR='" + (mRoot / "runtime").string() + "' '" +
                                      ORBEX_BIN_DIR + "/orbex' --headless --quiet --disc '" +
                                      (mRoot / "music").string() + "' --size " + std::to_string(kWidth) +
                                      "x" + std::to_string(kHeight) + " --fps " + std::to_string(kFps) + " " +
                                      myArguments + " >'" + (mRoot / "errors.txt").string() + "' 2>&1";
        const int myStatus = std::system(myCommand.c_str());
        return WIFEXITED(myStatus) ? WEXITSTATUS(myStatus) : -1;
    }

    // Checks a track's video: as long as the track, its tone under the picture from start to end.
    void ExpectTrackVideo(const std::filesystem::path& myPath, double mySeconds, double myTone) {
        VideoReadBack myBack;
        ASSERT_TRUE(ReadVideo(myPath, myBack)) << myPath;
        EXPECT_EQ(myBack.mSoundCodec, "aac");
        EXPECT_EQ(static_cast<int>(myBack.mPictures.size()), static_cast<int>(std::ceil(mySeconds * kFps)));
        ASSERT_GT(myBack.mSoundRate, 0);
        const double mySoundSeconds = double(myBack.mSound.size()) / myBack.mSoundRate;
        EXPECT_NEAR(mySoundSeconds, mySeconds, 1.0 / kFps) << "the sound lasts as the track";
        EXPECT_NEAR(myBack.mSoundStart, 0, 1.0 / kFps);
        const size_t myRate = static_cast<size_t>(myBack.mSoundRate);
        const size_t myEnd = myBack.mSound.size();
        EXPECT_GT(Loudness(myBack.mSound, myRate / 20, myRate / 5), 0.2) << "heard from the start";
        EXPECT_GT(Loudness(myBack.mSound, myEnd - myRate / 5, myEnd - myRate / 20), 0.2) << "to the end";
        EXPECT_NEAR(ToneOf(myBack.mSound, myBack.mSoundRate, myRate / 10, myEnd - myRate / 10), myTone, 5);
    }
};
} // namespace

TEST_F(DiscVideoTest, ATracksVideoHasItsRaveItsSoundItsLengthAndTheReplaysFrames) {
    ASSERT_TRUE(TestWriteLibrary(mRoot, 12000));
    gStateLastSession = 0;
    Insert(MusicFolder({2.4, 1.6}));
    ASSERT_EQ(gStateCD, 1);
    MainSeedRandom(7);
    MusicPlay(0, 1);
    for (const auto& [myTime, myKind, myValue] :
         {std::tuple{500u, kEditBrushColor, 40}, std::tuple{1500u, kEditSpread, 90}}) {
        Run(myTime - AnimateGetElapsedTime());
        ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myValue), myTime, kModeExecute, {0, 1, 0});
    }
    Run(2000 - AnimateGetElapsedTime());
    gPopup = kPopupRave;
    std::strcpy(gEditableText, "Recorded Song");
    ASSERT_TRUE(FileSaveToDisk());
    MusicStop(0, 0);

    ASSERT_EQ(Render("--track 1 --video '" + (mRoot / "track.mp4").string() + "'"), 0)
        << TestReadText(mRoot / "errors.txt");
    ExpectTrackVideo(mRoot / "track.mp4", 2.4, 300);

    // The same replay as raw pictures and as frames: picture for picture the same.
    ASSERT_EQ(Render("--track 1 --video '" + (mRoot / "track.y4m").string() + "'"), 0)
        << TestReadText(mRoot / "errors.txt");
    ASSERT_EQ(Render("--track 1 --out '" + (mRoot / "frames").string() + "'"), 0)
        << TestReadText(mRoot / "errors.txt");
    std::ifstream myRaw(mRoot / "track.y4m", std::ios::binary);
    std::string myLine;
    std::getline(myRaw, myLine);
    const size_t myPlane = size_t(kWidth) * kHeight;
    std::vector<uint8_t> myPlanes(3 * myPlane), myExpected(3 * myPlane);
    int myFrames = 0, myChanges = 0;
    std::vector<uint8_t> myFirst;
    while (std::getline(myRaw, myLine) && myRaw.read(reinterpret_cast<char*>(myPlanes.data()), 3 * myPlane)) {
        char myName[32];
        std::snprintf(myName, sizeof(myName), "frame-%06d.png", myFrames);
        Picture myPicture;
        ASSERT_TRUE(ReadPng(mRoot / "frames" / myName, myPicture)) << myName;
        PaletteEntry myPalette[kPaletteSize] = {};
        for (size_t i = 0; i < myPicture.mPalette.size() && i < kPaletteSize; ++i)
            myPalette[i] = {myPicture.mPalette[i].red, myPicture.mPalette[i].green,
                            myPicture.mPalette[i].blue};
        YuvTable myTable;
        YuvMakeTable(myTable, myPalette, kYuvBt601);
        uint8_t* const myOut[3] = {myExpected.data(), myExpected.data() + myPlane,
                                   myExpected.data() + 2 * myPlane};
        const int myStrides[3] = {kWidth, kWidth, kWidth};
        YuvConvert444(myTable, myPicture.mPixels.data(), kWidth, kWidth, kHeight, myOut, myStrides);
        ASSERT_TRUE(myPlanes == myExpected) << "frame " << myFrames;
        if (myFirst.empty()) myFirst = myPlanes;
        myChanges += myPlanes != myFirst;
        ++myFrames;
    }
    EXPECT_EQ(myFrames, 72);
    EXPECT_FALSE(std::filesystem::exists(mRoot / "frames" / "frame-000072.png"));
    EXPECT_GT(myChanges, 0) << "the picture moves";

    // Every track into a folder, each by its number and title, each as long as itself with its own tone.
    ASSERT_EQ(Render("--video '" + (mRoot / "videos").string() + "/'"), 0)
        << TestReadText(mRoot / "errors.txt");
    ExpectTrackVideo(mRoot / "videos" / "01 Recorded Song.mp4", 2.4, 300);
    // The last track ends a tenth of a second before the disc does, as playback plays it.
    ExpectTrackVideo(mRoot / "videos" / "02 Track 2.mp4", 1.5, 400);
}
