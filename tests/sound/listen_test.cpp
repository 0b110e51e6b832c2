// Levels, the sound scale and beats from recorded sound: written buffers and the headless recorder.
#include <cmath>

#include "sound_fixture.h"

namespace {
constexpr uint32_t kEnd = 20000; // a window position well inside the buffer

void FillTone(double myFrequency, double myAmplitude) {
    for (int myIndex = 0; myIndex < kSoundBufferSize; ++myIndex)
        gSoundBuffer[myIndex] = static_cast<uint8_t>(
            std::lround(128 + myAmplitude * std::sin(2 * M_PI * myFrequency * myIndex / kAudioInRate)));
}

void FillLevel(uint32_t myEnd, int myDeviation) {
    for (uint32_t myIndex = myEnd - 200; myIndex < myEnd; ++myIndex)
        gSoundBuffer[myIndex] = static_cast<uint8_t>(myIndex % 2 ? 128 + myDeviation : 128 - myDeviation);
}
} // namespace

TEST_F(SoundTest, ASteadyToneAtTheListeningFrequencyGivesAConstantLevel) {
    // A tone whose period is exactly the analysis period (153 samples for the default 72 Hz).
    FillTone(double(kAudioInRate) / 153, 100);
    gMeterMax = 200;
    const double myFirst = AnimateGetFrequency(72, kEnd);
    EXPECT_GT(myFirst, 1.0);
    for (uint32_t myPosition = kEnd - 300; myPosition < kEnd + 300; myPosition += 37)
        EXPECT_NEAR(AnimateGetFrequency(72, myPosition), myFirst, 1e-9) << myPosition;
    // Well away from the frequency the same tone hardly registers.
    EXPECT_LT(AnimateGetFrequency(300, kEnd), myFirst / 10);
}

TEST_F(SoundTest, SilenceGivesZeroInBothModes) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSilence, 0);
    StartListening();
    for (uint8_t myVolumeMode : {0, 1}) {
        gStateVolume = myVolumeMode;
        for (int myStep = 0; myStep < 600; ++myStep) {
            ClockAdvance(1);
            EXPECT_EQ(AnimateGetSound(ClockTicks()), 0);
        }
        EXPECT_EQ(gScale, 0.0);
        EXPECT_EQ(gMeterCurrent, 0);
        EXPECT_GT(gSoundSampleLast, 0u) << "sound was read";
    }
}

TEST_F(SoundTest, TheWindowIsOnePeriodWhenTheSampleSizeIsShorter) {
    gStyle.mSampleSize = 1; // 100 samples, below the 551 of 20 Hz
    gMeterMax = 100;
    std::memset(gSoundBuffer, 128, sizeof(gSoundBuffer));
    gSoundBuffer[kEnd - 551] = 178; // the oldest sample of the window, at phase 0
    EXPECT_NEAR(AnimateGetFrequency(20, kEnd), 12.0 * 50 / 551 / 100, 1e-12);
    gSoundBuffer[kEnd - 551] = 128;
    gSoundBuffer[kEnd - 552] = 178; // just outside
    EXPECT_EQ(AnimateGetFrequency(20, kEnd), 0.0);
    // The window wraps round the buffer's end.
    gSoundBuffer[kEnd - 552] = 128;
    gSoundBuffer[kSoundBufferSize - 51] = 178;
    EXPECT_NEAR(AnimateGetFrequency(20, 500), 12.0 * 50 / 551 / 100, 1e-12);
}

TEST_F(SoundTest, SettingZeroListensAtTwentyHertz) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSine, double(kAudioInRate) / 551);
    StartListening();
    gStyle.mFrequency = 0;
    Listen(1000);
    EXPECT_EQ(gScale, 1.0);
    gStyle.mFrequency = 13; // 72 Hz
    Listen(1000);
    EXPECT_LT(gScale, 0.5);
}

TEST_F(SoundTest, VolumeLevelNoiseGateAndUnrecordedSamples) {
    std::memset(gSoundBuffer, 128, sizeof(gSoundBuffer));
    FillLevel(kEnd, 6);
    AnimateGetMeter(kEnd, 100);
    EXPECT_EQ(gMeterCurrent, 0) << "below 7 is noise";
    FillLevel(kEnd, 40);
    AnimateGetMeter(kEnd, 200);
    EXPECT_EQ(gMeterCurrent, 80);
    EXPECT_EQ(gMeterMax, 80);
    EXPECT_EQ(gEffScale, 1.0) << "a new maximum is full scale";
    gSoundBuffer[kEnd - 110] = 0; // a sample not recorded, at the window's far end
    AnimateGetMeter(kEnd, 300);
    EXPECT_EQ(gMeterCurrent, 255);
    EXPECT_EQ(gMeterMax, 255);
    gSoundBuffer[kEnd - 110] = 128;
    gSoundBuffer[kEnd - 111] = 0; // outside the 110 samples
    AnimateGetMeter(kEnd, 400);
    EXPECT_EQ(gMeterCurrent, 80);
}

TEST_F(SoundTest, WithoutFadeTimeTheScaleFollowsTheRelativeLevelAlone) {
    gStyle.mFadeTime = 0;
    gStyle.mScaleThreshold = 20; // T = 51
    gStyle.mMaxFade = 255;       // the maximum falls one step per 100 ms
    std::memset(gSoundBuffer, 128, sizeof(gSoundBuffer));
    FillLevel(kEnd, 100);
    AnimateGetMeter(kEnd, 1000);
    ASSERT_EQ(gMeterMax, 200);
    FillLevel(kEnd, 70);
    AnimateGetMeter(kEnd, 1050);
    EXPECT_NEAR(gEffScale, (140.0 - 51) / (200 - 51), 1e-12);
    FillLevel(kEnd, 0);
    AnimateGetMeter(kEnd, 1060);
    EXPECT_EQ(gEffScale, 0.0) << "no fade holds the scale up";
    FillLevel(kEnd, 20); // 40 is below the threshold
    AnimateGetMeter(kEnd, 1070);
    EXPECT_EQ(gEffScale, 0.0);
}

TEST_F(SoundTest, WithAFadeTimeAPeakFadesLinearlyAndTheMaximumSinks) {
    gStyle.mFadeTime = 10; // a peak fades in one second
    gStyle.mMaxFade = 255; // the maximum falls by one every 100 ms
    std::memset(gSoundBuffer, 128, sizeof(gSoundBuffer));
    FillLevel(kEnd, 100);
    AnimateGetMeter(kEnd, 1000);
    FillLevel(kEnd, 0);
    AnimateGetMeter(kEnd, 1250);
    EXPECT_NEAR(gEffScale, 0.75, 1e-12);
    EXPECT_EQ(gMeterMax, 199);
    AnimateGetMeter(kEnd, 1500);
    EXPECT_NEAR(gEffScale, 0.5, 1e-12);
    EXPECT_EQ(gMeterMax, 198);
    AnimateGetMeter(kEnd, 2100);
    EXPECT_EQ(gEffScale, 0.0);
}

TEST_F(SoundTest, AContinuouslyLoudPassageGivesOneBeat) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSine, double(kAudioInRate) / 153);
    StartListening();
    const std::vector<uint32_t> myBeats = Listen(3000);
    EXPECT_EQ(myBeats.size(), 1u);
    EXPECT_EQ(gMeterAbove, 1);
}

TEST_F(SoundTest, SilenceDoesNotRearmTheDetectorButAQuietPeakDoes) {
    gStyle.mSensitivity = 26;
    gMeterAbove = 1;
    gScale = 0;
    std::memset(gSoundBuffer, 128, sizeof(gSoundBuffer));
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSilence, 0);
    StartListening();
    Listen(500);
    EXPECT_EQ(gMeterAbove, 1) << "only a non-zero peak at or below the sensitivity re-arms";
}

TEST_F(SoundTest, ClicksGiveOneBeatEachSoonAfterTheirOnset) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalClicks, 120);
    StartListening();
    const uint32_t myOrigin = ClockTicks();
    const std::vector<uint32_t> myBeats = Listen(10000);
    // Clicks every 500 ms from the recording's start; the first one may be cut by the recorder's start.
    std::vector<double> myLatencies;
    for (uint32_t myBeat : myBeats) {
        const double myClick = std::floor((myBeat - myOrigin) / 500.0) * 500.0;
        myLatencies.push_back(myBeat - myOrigin - myClick);
    }
    ASSERT_GE(myBeats.size(), 19u);
    EXPECT_LE(myBeats.size(), 20u);
    for (size_t myIndex = 1; myIndex < myBeats.size(); ++myIndex)
        EXPECT_NEAR(myBeats[myIndex] - myBeats[myIndex - 1], 500.0, 30.0);
    std::vector<double> mySorted(myLatencies.begin() + 1, myLatencies.end());
    std::sort(mySorted.begin(), mySorted.end());
    const double myMedian = mySorted[mySorted.size() / 2];
    const double myWorst = mySorted.back();
    std::printf("click-to-beat latency over %zu clicks: median %.0f ms, worst %.0f ms\n", mySorted.size(),
                myMedian, myWorst);
    EXPECT_LE(myWorst, 30.0);
    EXPECT_GT(mySorted.front(), 0.0) << "a beat cannot come before its click";
}

TEST_F(SoundTest, TheSpectrographPeaksAtTheTonesColumn) {
    FillTone(100, 100); // column 20 is 100 Hz
    gMeterMax = 200;
    gSoundSamplePos = kEnd;
    uint8_t myHeights[kSpectrumColumns];
    AnimateComputeSpectrum(myHeights);
    EXPECT_EQ(myHeights[20], kSpectrumHeight);
    EXPECT_LT(myHeights[60], kSpectrumHeight / 4);
    // Columns of one period share one level: 420 and 424 Hz are both period 26.
    EXPECT_EQ(myHeights[100], myHeights[101]);
    gEffScale = 0.5;
    EXPECT_EQ(AnimateEffectMeterLength(), 32);
}
