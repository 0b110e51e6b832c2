// The whole program making music videos: a click track rendered with a style that changes colours on every
// beat, read back through FFmpeg's libraries; the other forms; and the outputs and inputs it must refuse.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "click_track.h"
#include "program_run.h"
#include "test_library.h"
#include "video_reader.h"

namespace fs = std::filesystem;

namespace {
constexpr int kFps = 30;

class VideoProgram : public ProgramRunTest {
  protected:
    void SetUp() override {
        ProgramRunTest::SetUp();
        fs::create_directories(mRoot / "out");
        StyleRecord myStyle;
        ASSERT_TRUE(TestWriteLibrary(mRoot / "home", 12000, &myStyle));
        WriteBeatColours(myStyle);
    }

    // A flat red and a flat blue gradient, swapped by the gradient channel on every beat it hears.
    void WriteBeatColours(StyleRecord myStyle) {
        for (const auto& [myName, myColour] :
             {std::pair{"Red", TestColor{20, 20, 230}}, std::pair{"Blue", TestColor{230, 20, 20}}}) {
            std::vector<uint8_t> myGradient = {'G', 0, 1, 0, 0};
            for (int myEntry = 0; myEntry < 180; ++myEntry)
                myGradient.insert(myGradient.end(), {myColour.mRed, myColour.mGreen, myColour.mBlue});
            TestWriteBytes(mRoot / "home" / "Gradients" / (std::string(myName) + ".gra"), myGradient);
        }
        // Every slot filled, so stepping through them alternates the two colours.
        for (int mySlot = 0; mySlot < kGradSlots; ++mySlot)
            StyleCopy(myStyle.mGradNames[mySlot], mySlot % 2 ? "Blue" : "Red");
        myStyle.mCurrentGrad = 1;
        myStyle.mFlags = kFlagListen;
        for (int myChannel = 0; myChannel < kChannels; ++myChannel)
            myStyle.mBeatCounter[myChannel] = 0;
        myStyle.mBeatCounter[kChannelGradient] = 1;
        myStyle.mThreshold[kChannelGradient] = 0;
        myStyle.mTrigger[kChannelGradient] = kTriggerSequential;
        StyleCopy(myStyle.mStyleName, "Beats");
        const auto* myBytes = reinterpret_cast<const uint8_t*>(&myStyle);
        TestWriteBytes(mRoot / "home" / "Styles" / "Beats.sty",
                       std::vector<uint8_t>(myBytes, myBytes + kStyleSize));
    }

    int RunHeadless(const std::string& myArguments, std::string* myErrors = nullptr) {
        return Run("--headless " + myArguments, myErrors);
    }

    std::vector<std::string> OutFiles() {
        std::vector<std::string> myNames;
        for (const auto& myEntry : fs::directory_iterator(mRoot / "out"))
            myNames.push_back(myEntry.path().filename().string());
        return myNames;
    }
};

// -1 for a mostly blue picture, 1 for a mostly red one, 0 for anything else (the start-up splash).
int Hue(const VideoPicture& myPicture) {
    double myU = 0, myV = 0;
    for (size_t myIndex = 0; myIndex < myPicture.mU.size(); ++myIndex) {
        myU += myPicture.mU[myIndex];
        myV += myPicture.mV[myIndex];
    }
    myU = myU / myPicture.mU.size() - 128;
    myV = myV / myPicture.mV.size() - 128;
    if (myV - myU > 10) return 1;
    if (myU - myV > 10) return -1;
    return 0;
}

// Where each click starts: the first loud sample after a tenth of a second of quiet.
std::vector<double> ClickOnsets(const VideoReadBack& myVideo) {
    std::vector<double> myOnsets;
    int myQuiet = myVideo.mSoundRate;
    for (size_t myIndex = 0; myIndex < myVideo.mSound.size(); ++myIndex) {
        if (std::fabs(myVideo.mSound[myIndex]) < 0.1) {
            ++myQuiet;
            continue;
        }
        if (myQuiet > myVideo.mSoundRate / 10)
            myOnsets.push_back(myVideo.mSoundStart + double(myIndex) / myVideo.mSoundRate);
        myQuiet = 0;
    }
    return myOnsets;
}
} // namespace

TEST_F(VideoProgram, TheColoursChangeWithinAFrameOfEveryClickHeard) {
    const double kSeconds = 4.0;
    TestWriteClickTrack(mRoot / "clicks.wav", kSeconds);
    const fs::path myVideoPath = mRoot / "out" / "clicks.mp4";
    std::string myErrors;
    ASSERT_EQ(RunHeadless("--style Beats --size 96x64 --fps 30 --quiet --audio '" +
                              (mRoot / "clicks.wav").string() + "' --video '" + myVideoPath.string() + "'",
                          &myErrors),
              0)
        << myErrors;
    EXPECT_EQ(myErrors, "") << "--quiet and no terminal: nothing to say";
    EXPECT_EQ(OutFiles(), std::vector<std::string>{"clicks.mp4"})
        << "the file beside it was renamed into place";

    VideoReadBack myVideo;
    ASSERT_TRUE(ReadVideo(myVideoPath, myVideo));
    EXPECT_EQ(myVideo.mVideoCodec, "h264");
    EXPECT_EQ(myVideo.mSoundCodec, "aac");
    EXPECT_EQ(myVideo.mWidth, 96);
    EXPECT_EQ(myVideo.mHeight, 64);
    // As long as the song, within one frame, by default; the sound is the song itself from time 0.
    ASSERT_EQ(myVideo.mPictures.size(), static_cast<size_t>(kSeconds * kFps));
    for (size_t myIndex = 0; myIndex < myVideo.mPictures.size(); ++myIndex)
        ASSERT_NEAR(myVideo.mPictures[myIndex].mTime, double(myIndex) / kFps, 1e-3) << myIndex;
    EXPECT_NEAR(myVideo.mSoundStart, 0.0, 1e-3);
    EXPECT_NEAR(double(myVideo.mSound.size()) / myVideo.mSoundRate, kSeconds, 1.0 / kFps);

    const std::vector<double> myClicks = ClickOnsets(myVideo);
    ASSERT_EQ(myClicks.size(), static_cast<size_t>(kSeconds / kTestClickPeriod));
    for (size_t myIndex = 0; myIndex < myClicks.size(); ++myIndex)
        EXPECT_NEAR(myClicks[myIndex], myIndex * kTestClickPeriod, 0.005) << "the sound is in its place";

    // After the first second (the detector settles), every change of colour lies between a click and one
    // frame after it, and every click brings one.
    std::vector<int> myChanges;
    for (size_t myIndex = 1; myIndex < myVideo.mPictures.size(); ++myIndex) {
        const int myBefore = Hue(myVideo.mPictures[myIndex - 1]), myAfter = Hue(myVideo.mPictures[myIndex]);
        if (myVideo.mPictures[myIndex].mTime > 0.9 && myBefore && myAfter && myBefore != myAfter)
            myChanges.push_back(static_cast<int>(myIndex));
    }
    std::vector<double> myHeard;
    for (double myClick : myClicks)
        if (myClick >= 1.0) myHeard.push_back(myClick);
    std::string myHues;
    for (const VideoPicture& myPicture : myVideo.mPictures)
        myHues += "b.r"[Hue(myPicture) + 1];
    ASSERT_EQ(myChanges.size(), myHeard.size()) << myHues;
    for (size_t myIndex = 0; myIndex < myHeard.size(); ++myIndex) {
        const double myShown = myVideo.mPictures[myChanges[myIndex]].mTime;
        const double myLastUnchanged = myVideo.mPictures[myChanges[myIndex] - 1].mTime;
        EXPECT_GE(myShown, myHeard[myIndex]) << "no change before its click at " << myHeard[myIndex];
        EXPECT_LE(myLastUnchanged, myHeard[myIndex] + 1.0 / kFps) << "click at " << myHeard[myIndex];
    }
}

TEST_F(VideoProgram, EveryFormByItsExtensionAndFramesSetTheLength) {
    TestWriteClickTrack(mRoot / "clicks.wav", 2.0);
    const std::string mySong = " --audio '" + (mRoot / "clicks.wav").string() + "'";
    struct Form {
        const char* mName;
        const char* mVideo;
        const char* mSound;
    };
    for (const Form& myForm :
         {Form{"a.MKV", "h264", "aac"}, Form{"a.mov", "h264", "aac"}, Form{"a.webm", "vp9", "opus"}}) {
        const fs::path myPath = mRoot / "out" / myForm.mName;
        std::string myErrors;
        ASSERT_EQ(RunHeadless("--quiet --size 64x64 --frames 12 --quality small --video '" + myPath.string() +
                                  "'" + mySong,
                              &myErrors),
                  0)
            << myForm.mName << ": " << myErrors;
        VideoReadBack myVideo;
        ASSERT_TRUE(ReadVideo(myPath, myVideo)) << myForm.mName;
        EXPECT_EQ(myVideo.mVideoCodec, myForm.mVideo);
        EXPECT_EQ(myVideo.mSoundCodec, myForm.mSound);
        EXPECT_EQ(myVideo.mPictures.size(), 12u) << "--frames still sets the length";
        // Within the encoder's priming and last frame, which Matroska keeps in the stream.
        EXPECT_NEAR(double(myVideo.mSound.size()) / myVideo.mSoundRate, 12.0 / kFps, 0.05)
            << myForm.mName << ": the song stops with the pictures";
    }
    // Without a song the video is silent.
    const fs::path mySilent = mRoot / "out" / "silent.mp4";
    ASSERT_EQ(
        RunHeadless("--quiet --size 64x64 --frames 5 --quality good --video '" + mySilent.string() + "'"), 0);
    VideoReadBack myVideo;
    ASSERT_TRUE(ReadVideo(mySilent, myVideo));
    EXPECT_EQ(myVideo.mPictures.size(), 5u);
    EXPECT_EQ(myVideo.mSoundCodec, "");
    EXPECT_EQ(OutFiles().size(), 4u) << "nothing is left beside the videos";
}

TEST_F(VideoProgram, BadOutputsAndSoundsAreRefusedAndLeaveNothingBehind) {
    TestWriteClickTrack(mRoot / "clicks.wav", 1.0);
    const std::string mySong = " --audio '" + (mRoot / "clicks.wav").string() + "'";
    const fs::path myOld = mRoot / "out" / "old.mp4";
    std::ofstream(myOld) << "an earlier video";
    std::string myErrors;

    EXPECT_EQ(RunHeadless("--video '" + (mRoot / "out" / "song.avi").string() + "'" + mySong, &myErrors), 2);
    EXPECT_NE(myErrors.find("unknown kind of video"), std::string::npos) << myErrors;
    EXPECT_NE(myErrors.find(".webm"), std::string::npos) << "the message names the forms: " << myErrors;

    const fs::path myMissingFolder = mRoot / "nowhere" / "song.mp4";
    EXPECT_EQ(RunHeadless("--video '" + myMissingFolder.string() + "'" + mySong, &myErrors), 2);
    EXPECT_NE(myErrors.find("cannot write " + myMissingFolder.string()), std::string::npos) << myErrors;

    fs::create_directories(mRoot / "out" / "folder.mp4");
    EXPECT_EQ(RunHeadless("--video '" + (mRoot / "out" / "folder.mp4").string() + "'" + mySong, &myErrors),
              2);
    EXPECT_NE(myErrors.find("folder"), std::string::npos) << myErrors;
    fs::remove(mRoot / "out" / "folder.mp4");

    std::ofstream(mRoot / "noise.wav") << "this is not a sound file";
    EXPECT_EQ(RunHeadless("--video '" + myOld.string() + "' --audio '" + (mRoot / "noise.wav").string() + "'",
                          &myErrors),
              2);
    EXPECT_NE(myErrors.find("noise.wav"), std::string::npos) << myErrors;

    EXPECT_EQ(RunHeadless("--size 65x64 --video '" + myOld.string() + "'" + mySong, &myErrors), 2);
    EXPECT_NE(myErrors.find("even width and height"), std::string::npos) << myErrors;
    EXPECT_EQ(RunHeadless("--quality best --video '" + myOld.string() + "'", &myErrors), 2);
    EXPECT_NE(myErrors.find("--quality"), std::string::npos) << myErrors;

    // The earlier video is still whole, and no half-written file lies beside it.
    std::ifstream myStream(myOld);
    std::string myText;
    std::getline(myStream, myText);
    EXPECT_EQ(myText, "an earlier video");
    EXPECT_EQ(OutFiles(), std::vector<std::string>{"old.mp4"});
}
