// Sound files read into the recorder's form: 11025 Hz, 8-bit unsigned, mono.
#include "platform/audio_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/platform/wav_writer.h"

namespace fs = std::filesystem;

namespace {
class AudioFileTest : public ::testing::Test {
  protected:
    fs::path mFolder;
    void SetUp() override {
        mFolder = fs::temp_directory_path() / ("orbex-audio-file-" + std::to_string(::getpid()));
        fs::create_directories(mFolder);
    }
    void TearDown() override { fs::remove_all(mFolder); }
};

std::vector<double> Tone(int myRate, double myFrequency, double mySeconds, double myAmplitude) {
    std::vector<double> mySignal(static_cast<size_t>(myRate * mySeconds));
    for (size_t myIndex = 0; myIndex < mySignal.size(); ++myIndex)
        mySignal[myIndex] = myAmplitude * std::sin(2 * M_PI * myFrequency * double(myIndex) / myRate);
    return mySignal;
}
} // namespace

TEST_F(AudioFileTest, EightBitMonoAtTheRecordersRateIsTakenAsItIs) {
    const std::vector<double> mySignal = Tone(kAudioFileRate, 100, 0.5, 0.8);
    WavWrite(mFolder / "a.wav", kAudioFileRate, 1, 8, mySignal);
    std::vector<uint8_t> mySamples;
    std::string myError;
    ASSERT_TRUE(AudioFileRead((mFolder / "a.wav").string(), mySamples, myError)) << myError;
    ASSERT_EQ(mySamples.size(), mySignal.size());
    for (size_t myIndex = 0; myIndex < mySignal.size(); ++myIndex)
        EXPECT_EQ(mySamples[myIndex], std::lround(128 + mySignal[myIndex] * 127)) << myIndex;
}

TEST_F(AudioFileTest, StereoCdRateIsMixedAndResampledKeepingTheBass) {
    const std::vector<double> mySignal = Tone(44100, 72, 1.0, 0.5);
    WavWrite(mFolder / "b.wav", 44100, 2, 16, mySignal);
    std::vector<uint8_t> mySamples;
    std::string myError;
    ASSERT_TRUE(AudioFileRead((mFolder / "b.wav").string(), mySamples, myError)) << myError;
    EXPECT_NEAR(static_cast<double>(mySamples.size()), 11025.0, 1.0);
    int myLow = 255, myHigh = 0;
    for (uint8_t mySample : mySamples) {
        myLow = std::min<int>(myLow, mySample);
        myHigh = std::max<int>(myHigh, mySample);
    }
    EXPECT_NEAR(myHigh, 128 + 63, 3);
    EXPECT_NEAR(myLow, 128 - 63, 3);
    // A quarter period of 72 Hz in: the peak, at its right time.
    const size_t myQuarter = static_cast<size_t>(11025 / 72.0 / 4);
    EXPECT_NEAR(mySamples[myQuarter], 128 + 63, 4);
}

TEST_F(AudioFileTest, HighFrequenciesDoNotFoldIntoTheBass) {
    const std::vector<double> mySignal = Tone(44100, 10000, 0.5, 0.9);
    WavWrite(mFolder / "c.wav", 44100, 1, 16, mySignal);
    std::vector<uint8_t> mySamples;
    std::string myError;
    ASSERT_TRUE(AudioFileRead((mFolder / "c.wav").string(), mySamples, myError));
    int myLargest = 0;
    for (size_t myIndex = 100; myIndex < mySamples.size(); ++myIndex)
        myLargest = std::max(myLargest, std::abs(mySamples[myIndex] - 128));
    EXPECT_LT(myLargest, 40) << "10 kHz is above what 11025 Hz can hold and is damped";
}

TEST_F(AudioFileTest, FilesThatAreNotSoundAreRefusedWithAMessage) {
    std::vector<uint8_t> mySamples;
    std::string myError;
    EXPECT_FALSE(AudioFileRead((mFolder / "missing.wav").string(), mySamples, myError));
    EXPECT_NE(myError.find("missing.wav"), std::string::npos);
    std::ofstream(mFolder / "text.wav") << "RIFF but nothing more";
    myError.clear();
    EXPECT_FALSE(AudioFileRead((mFolder / "text.wav").string(), mySamples, myError));
    EXPECT_FALSE(myError.empty());
    WavWrite(mFolder / "empty.wav", 11025, 1, 16, {});
    EXPECT_FALSE(AudioFileRead((mFolder / "empty.wav").string(), mySamples, myError));
    EXPECT_TRUE(mySamples.empty());
}

TEST_F(AudioFileTest, BytesInMemoryDecodeLikeTheFile) {
    WavWrite(mFolder / "d.wav", 22050, 1, 16, Tone(22050, 200, 0.2, 0.7));
    std::ifstream myStream(mFolder / "d.wav", std::ios::binary);
    const std::vector<uint8_t> myBytes((std::istreambuf_iterator<char>(myStream)), {});
    std::vector<uint8_t> myFromFile, myFromMemory;
    std::string myError;
    ASSERT_TRUE(AudioFileRead((mFolder / "d.wav").string(), myFromFile, myError));
    ASSERT_TRUE(AudioFileDecode(myBytes.data(), myBytes.size(), myFromMemory, myError)) << myError;
    EXPECT_EQ(myFromFile, myFromMemory);
    EXPECT_FALSE(AudioFileDecode(myBytes.data(), 20, myFromMemory, myError)) << "a cut header";
}
