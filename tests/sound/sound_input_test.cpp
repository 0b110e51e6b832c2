// Recording sources, their selection, the recorder's buffer rotation, and the search for sound.
#include <cstdio>
#include <string>
#include <vector>

#include "core/state.h"
#include "music/music.h"
#include "sound/search.h"
#include "sound/tempo.h"
#include "sound_fixture.h"
#include "storage/file.h"

namespace {
// Runs the frame loop's half-second bookkeeping of a search for myHalves half seconds, listening between;
// returns the source the recorder heard in each half second.
std::vector<int> RunSearch(int myHalves) {
    std::vector<int> myHeard;
    for (int myHalf = 0; myHalf < myHalves && gSoundQueryFlag != kSearchNone; ++myHalf) {
        for (int myStep = 0; myStep < 500; ++myStep) {
            ClockAdvance(1);
            AnimateGetSound(ClockTicks());
        }
        myHeard.push_back(gAudioCurrentInputType);
        AnimateSearchHalfSecond();
    }
    return myHeard;
}
} // namespace

TEST_F(SoundTest, SourcesAreListedByTypeAndNeverChosenBecomesTheMicrophone) {
    AudioInAddSignal("Line In", kAudioTypeLine, kSignalSilence, 0);
    AudioInAddSignal("Headset Microphone", kAudioTypeMicrophone, kSignalSilence, 0);
    AudioInAddSignal("Monitor of Built-in Audio", kAudioTypeWaveOut, kSignalSilence, 0);
    InitSound();
    ASSERT_EQ(gSoundInputNum, 4);
    EXPECT_STREQ(gSoundInputNames[0], "CD Audio");
    EXPECT_STREQ(gSoundInputNames[1], "Line In");
    EXPECT_STREQ(gSoundInputNames[2], "Mix Built-in Au") << "long names give the short one";
    EXPECT_STREQ(gSoundInputNames[3], "Headset Microph");
    EXPECT_EQ(gAudioInputType, 3);
    EXPECT_EQ(gAudioCDInputType, 0);
    EXPECT_EQ(gAudioCurrentInputType, 0) << "start-up selects the CD choice";
}

TEST_F(SoundTest, WithoutAMicrophoneNeverChosenBecomesTheFirstSource) {
    AudioInAddSignal("Line In", kAudioTypeLine, kSignalSilence, 0);
    InitSound();
    EXPECT_EQ(gAudioInputType, 0);
    gAudioInputType = 9; // a choice from a machine with more sources
    InitSound();
    EXPECT_EQ(gAudioInputType, 0);
}

TEST_F(SoundTest, AtMostSixteenSourcesWithDistinctNames) {
    for (int myIndex = 0; myIndex < 20; ++myIndex)
        AudioInAddSignal("Very Long Device Name", kAudioTypeLine, kSignalSilence, 0);
    InitSound();
    EXPECT_EQ(gSoundInputNum, kSoundInputsMax);
    EXPECT_STREQ(gSoundInputNames[1], "Very Long Devic");
    EXPECT_STREQ(gSoundInputNames[2], "Very Long Dev 2");
    EXPECT_STREQ(gSoundInputNames[15], "Very Long De 15");
}

TEST_F(SoundTest, DeviceNamesMapToSourceTypes) {
    EXPECT_EQ(AudioInTypeOfName("Monitor of Built-in Audio Analog Stereo"), kAudioTypeWaveOut);
    EXPECT_EQ(AudioInTypeOfName("Built-in Audio Analog Stereo"), kAudioTypeMicrophone);
    EXPECT_EQ(AudioInTypeOfName("USB Microphone Mono"), kAudioTypeMicrophone);
    EXPECT_EQ(AudioInTypeOfName("Line Input"), kAudioTypeLine);
    EXPECT_EQ(AudioInTypeOfName("HDMI / DisplayPort"), kAudioTypeDigital);
    EXPECT_EQ(AudioInTypeOfName("Some Box"), kAudioTypeUndefined);
}

TEST_F(SoundTest, ASourceTheSpeakersDoNotCarryUsesTheirMasterLine) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSilence, 0);
    InitSound();
    EXPECT_FALSE(InitSetSoundInput(1));
    EXPECT_EQ(gSoundChanOutput, -1);
    EXPECT_EQ(gSoundChanInput, 1);
    EXPECT_EQ(gVolume, 255) << "the volume read is the master line's";
    EXPECT_FALSE(InitSetSoundInput(0));
    EXPECT_EQ(gSoundChanOutput, 0) << "the speakers carry what Orbex itself plays";
}

TEST_F(SoundTest, AChannelThatCannotBeRecordedKeepsThePreviousChoice) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSilence, 0);
    InitSound();
    MusicChangeInputs(0);
    EXPECT_EQ(gAudioInputType, 0);
    MusicChangeInputs(7);
    EXPECT_STREQ(gAlertText, "Can't record from that channel!");
    EXPECT_EQ(gAudioInputType, 0);
    EXPECT_EQ(gAudioCurrentInputType, 0);
}

TEST_F(SoundTest, NoCaptureDeviceGivesTheAlertAndNoInput) {
    InitSound();
    EXPECT_EQ(gStateInput, 0);
    EXPECT_STREQ(gAlertText,
                 "Unable to open sound input device! Close any applications that may be recording.");
    MusicStartRecording(); // harmless without a device
    EXPECT_EQ(AnimateGetSound(ClockTicks()), 0);
}

TEST_F(SoundTest, BuffersRotateAndClearOneAhead) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSine, 100);
    StartListening();
    EXPECT_EQ(gSoundBuffer[2 * kSoundBufferLength], 128) << "the third buffer starts as silence";
    EXPECT_EQ(gSoundBuffer[0], 0);
    // One second and a chunk: the first buffer is full and handed back, the third cleared.
    ClockAdvance(1030);
    AnimateGetSound(ClockTicks());
    EXPECT_EQ(gStateBuffer, 1);
    EXPECT_EQ(gSoundBuffer[2 * kSoundBufferLength + 100], 0);
    EXPECT_NE(gSoundBuffer[kSoundBufferLength + 10], 0) << "the second buffer is recording";
    ClockAdvance(1000);
    AnimateGetSound(ClockTicks());
    EXPECT_EQ(gStateBuffer, 2);
    EXPECT_EQ(gSoundBuffer[100], 0) << "the first buffer is cleared before it records again";
    ClockAdvance(5000);
    EXPECT_GT(AudioInPosition(), 7u * kAudioInRate) << "recording goes on round the three buffers";
}

TEST_F(SoundTest, PausingStopsRequeuingAndResumingStartsAfresh) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSine, 100);
    StartListening();
    ClockAdvance(1500);
    AudioInPosition();
    gStatePlay = 0; // playback halted: the buffers are not queued again
    ClockAdvance(5000);
    // The first buffer went back into the queue while playing; after that none does.
    EXPECT_EQ(AudioInPosition(), 4u * kSoundBufferLength) << "recording runs dry";
    MusicStopRecording();
    gStatePlay = 1;
    MusicStartRecording();
    EXPECT_EQ(gSoundSampleLast, 0u);
    EXPECT_EQ(AudioInPosition(), 0u);
    EXPECT_EQ(gSoundBuffer[kSoundBufferLength + 5], 0) << "cleared buffers";
    ClockAdvance(100);
    EXPECT_GT(AudioInPosition(), 0u);
}

TEST_F(SoundTest, AQuietSearchTriesEachSourceOncePerHalfSecondThenGoesBack) {
    AudioInAddSignal("Line", kAudioTypeLine, kSignalSilence, 0);
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSilence, 0);
    StartListening();
    ASSERT_EQ(gAudioInputType, 2);
    InitSetSoundInput(gAudioInputType);
    gSoundQueryFlag = -1;
    gSearchFlag = 1;
    const std::vector<int> myHeard = RunSearch(20);
    // Eight half seconds of grace on the current source, then each source once, then the old choice.
    const std::vector<int> myExpected = {2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 1, 2};
    EXPECT_EQ(myHeard, myExpected);
    EXPECT_STREQ(gAlertText, "Unable to find active sound channel!");
    EXPECT_EQ(gAudioCurrentInputType, 2);
    EXPECT_EQ(gSoundQueryFlag, kSearchNone);
    EXPECT_EQ(gSearchFlag, 0);
}

TEST_F(SoundTest, ASearchKeepsTheSourceThatCarriesSound) {
    AudioInAddSignal("Line", kAudioTypeLine, kSignalSine, 100);
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSilence, 0);
    StartListening();
    InitSetSoundInput(gAudioInputType);
    gSoundQueryFlag = -1;
    gSearchFlag = 2; // asked for by the user: no grace
    RunSearch(10);
    EXPECT_EQ(gAudioInputType, 1);
    EXPECT_EQ(gAudioCurrentInputType, 1);
    EXPECT_STREQ(gAlertText, "Sound was successfully located.");
    EXPECT_EQ(gSoundQueryFlag, kSearchNone);
}

TEST_F(SoundTest, SoundDuringTheGraceCallsAQuietSearchOff) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSine, 100);
    StartListening();
    InitSetSoundInput(gAudioInputType);
    gSoundQueryFlag = -1;
    gSearchFlag = 1;
    EXPECT_EQ(RunSearch(10).size(), 1u);
    EXPECT_EQ(gSoundQueryFlag, kSearchNone);
    EXPECT_EQ(gAlertText[0], 0) << "a quiet search that was not needed says nothing";
    EXPECT_EQ(gAudioInputType, 1);
}

TEST_F(SoundTest, ListeningSwitchedOnDuringPlaybackStartsCapture) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSine, 100);
    InitSound();
    gStatePlay = 1;
    ClockAdvance(500);
    EXPECT_EQ(AudioInPosition(), 0u) << "not listening: nothing is recorded";
    MouseKeySetListen(true, 0);
    ClockAdvance(500);
    EXPECT_GT(AudioInPosition(), 0u);
}

TEST_F(SoundTest, NeverChosenBecomesTheMonitorOfTheDefaultOutput) {
    // PulseAudio's names: the card's capture jack is called like its output, and the output's monitor
    // is "Monitor of" that name.
    AudioInAddSignal("Built-in Audio Analog Stereo", kAudioTypeMicrophone, kSignalSilence, 0);
    AudioInAddSignal("Monitor of HDMI Digital Stereo", kAudioTypeWaveOut, kSignalSilence, 0);
    AudioInAddSignal("Monitor of Built-in Audio Analog Stereo", kAudioTypeWaveOut, kSignalSilence, 0);
    AudioInSetDefaultOutput("Built-in Audio Analog Stereo");
    InitSound();
    ASSERT_EQ(gSoundInputNum, 4);
    EXPECT_STREQ(gSoundInputNames[gAudioInputType], "Mix Built-in Au");
    EXPECT_EQ(gAudioCDInputType, 0) << "what Orbex's own disc plays stays \"CD Audio\"";
    gAudioInputType = 3; // a choice once made is kept
    InitSound();
    EXPECT_EQ(gAudioInputType, 3);
}

TEST_F(SoundTest, PipeWireNodeDescriptionsFindTheirMonitorToo) {
    AudioInAddSignal("Monitor of Rembrandt Radeon High Definition Audio Controller Digital Stereo (HDMI)",
                     kAudioTypeWaveOut, kSignalSilence, 0);
    AudioInAddSignal("Monitor of Family 17h/19h HD Audio Controller Speaker + Headphones", kAudioTypeWaveOut,
                     kSignalSilence, 0);
    AudioInAddSignal("Family 17h/19h HD Audio Controller Headphones Stereo Microphone", kAudioTypeMicrophone,
                     kSignalSilence, 0);
    AudioInSetDefaultOutput("Family 17h/19h HD Audio Controller Speaker + Headphones");
    InitSound();
    EXPECT_EQ(gAudioInputType, 2);
}

TEST_F(SoundTest, WithoutTheDefaultOutputsMonitorNeverChosenIsTheMicrophone) {
    // SDL's PipeWire backend lists inputs only; the monitor of another output is not what plays.
    AudioInAddSignal("Monitor of USB Speakers", kAudioTypeWaveOut, kSignalSilence, 0);
    AudioInAddSignal("Built-in Audio Analog Stereo", kAudioTypeMicrophone, kSignalSilence, 0);
    AudioInSetDefaultOutput("Built-in Audio Analog Stereo");
    InitSound();
    EXPECT_EQ(gAudioInputType, 2);
    // A sound server that names no default output (ALSA).
    gAudioInputType = kInputNotChosen;
    AudioInSetDefaultOutput("");
    InitSound();
    EXPECT_EQ(gAudioInputType, 2);
}

TEST_F(SoundTest, SwitchingListeningOnStartsAQuietSearchThatKeepsASourceWithSound) {
    AudioInAddSignal("Line", kAudioTypeLine, kSignalSine, 100);
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSilence, 0);
    InitSound();
    InitSetSoundInput(gAudioInputType);
    gStatePlay = 1;
    MouseKeySetListen(true, 0);
    EXPECT_EQ(gSoundQueryFlag, -1);
    EXPECT_EQ(gSearchFlag, kSearchQuiet);
    const std::vector<int> myHeard = RunSearch(20);
    // The silent microphone through the grace, "CD Audio" for half a second, then the line, which stays.
    const std::vector<int> myExpected = {2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 1};
    EXPECT_EQ(myHeard, myExpected);
    EXPECT_EQ(gAudioInputType, 1) << "the source found is the choice for the rest of the run";
    EXPECT_STREQ(
        gAlertText,
        "Current sound channel inactive! However, program successfully located active sound channel.");
    gSoundQueryFlag = kSearchNone;
    MouseKeySetListen(true, 0);
    EXPECT_EQ(gSoundQueryFlag, kSearchNone) << "already on: nothing is switched on";
}

TEST_F(SoundTest, SoundInARestlessTrackIsHeardWhereverTheHalfSecondsFall) {
    // Clicks of 100 ms every half second: at each half second itself the source is quiet.
    AudioInAddSignal("Clicks", kAudioTypeMicrophone, kSignalClicks, 120);
    StartListening();
    AnimateStartSearch(kSearchQuiet);
    for (int myStep = 0; myStep < 500; ++myStep) {
        ClockAdvance(1);
        AnimateGetSound(ClockTicks());
    }
    AnimateSearchHalfSecond();
    EXPECT_EQ(gSoundQueryFlag, kSearchNone);
    EXPECT_EQ(gAlertText[0], 0);
}

TEST_F(SoundTest, ASourceThatGoesAwayStartsASearchWithoutGrace) {
    AudioInAddSignal("USB Headset", kAudioTypeMicrophone, kSignalSine, 100);
    AudioInAddSignal("Line", kAudioTypeLine, kSignalSine, 200);
    StartListening();
    ASSERT_EQ(gAudioCurrentInputType, 2);
    Listen(500);
    AnimateSearchHalfSecond();
    EXPECT_EQ(gSoundQueryFlag, kSearchNone) << "nothing is searched while the source is there";
    AudioInRemoveSignal("USB Headset");
    const uint32_t myPosition = AudioInPosition();
    ClockAdvance(300);
    EXPECT_EQ(AudioInPosition(), myPosition) << "a source that is gone delivers nothing";
    AnimateSearchHalfSecond();
    EXPECT_EQ(gSearchFlag, kSearchQuiet);
    EXPECT_EQ(gAudioCurrentInputType, 0) << "the first source is tried at once";
    RunSearch(10);
    EXPECT_EQ(gAudioCurrentInputType, 1);
    EXPECT_EQ(gAudioInputType, 1);
    EXPECT_EQ(gSoundQueryFlag, kSearchNone);
    Listen(500);
    AnimateSearchHalfSecond();
    EXPECT_EQ(gSoundQueryFlag, kSearchNone) << "one loss, one search";
}

TEST_F(SoundTest, TheFirstPlayOfARunThatListensStartsAQuietSearch) {
    AudioInAddSignal("Mic", kAudioTypeMicrophone, kSignalSilence, 0);
    InitSound();
    // No style file to bring back: the record stays the default one, which listens.
    const std::string myHome = ::testing::TempDir() + "orbex-first-play/";
    std::snprintf(gDirIDOrbex, kPathSize, "%s", myHome.c_str());
    gStateLastSession = 0;
    gStateListen = 1;
    MusicPlay(0, 1);
    EXPECT_EQ(gSoundQueryFlag, -1);
    EXPECT_EQ(gSearchFlag, kSearchQuiet);
    gSoundQueryFlag = kSearchNone;
    gSearchFlag = 0;
    MusicPlay(1, 0);
    EXPECT_EQ(gSoundQueryFlag, kSearchNone) << "the next track does not switch listening on again";
    MusicStop(0, 0);
}

namespace {
// A desktop whose sound server plays into the built-in output: its microphone and the output's monitor, both
// silent, the monitor chosen by itself.
void SilentDesktop() {
    AudioInAddSignal("Built-in Audio Analog Stereo", kAudioTypeMicrophone, kSignalSilence, 0);
    AudioInAddSignal("Monitor of Built-in Audio Analog Stereo", kAudioTypeWaveOut, kSignalSilence, 0);
    AudioInSetDefaultOutput("Built-in Audio Analog Stereo");
}

// The written quiet search from here: the grace on the current source, then every source once.
std::vector<int> WrittenSearch(int myCurrent) {
    std::vector<int> mySteps(kSearchGrace + 1, myCurrent);
    for (int mySource = 0; mySource < gSoundInputNum; ++mySource)
        mySteps.push_back(mySource);
    return mySteps;
}
} // namespace

TEST_F(SoundTest, TheFirstStartOnASilentDesktopWaitsForAPlayerBeforeItSearches) {
    SilentDesktop();
    StartListening();
    ASSERT_GE(gSoundDesktopMonitor, 0);
    ASSERT_EQ(gAudioCurrentInputType, gSoundDesktopMonitor);
    const int myMonitor = gSoundDesktopMonitor;
    AnimateWaitForMusic();
    // Twenty seconds with nothing playing: the monitor is heard throughout, nothing searched, nothing said.
    EXPECT_EQ(RunSearch(40), std::vector<int>(40, myMonitor));
    EXPECT_EQ(gAlertText[0], 0);
    EXPECT_EQ(gSoundQueryFlag, -1) << "still waiting for music";
    // A player plays for three seconds and stops: its silence was not long enough to look elsewhere.
    SearchSetPlayerPlays(true);
    RunSearch(6);
    SearchSetPlayerPlays(false);
    EXPECT_EQ(RunSearch(10), std::vector<int>(10, myMonitor));
    // A player plays and the monitor stays silent: the sound goes elsewhere, so the written search runs.
    SearchSetPlayerPlays(true);
    EXPECT_EQ(RunSearch(20), WrittenSearch(myMonitor));
    EXPECT_STREQ(gAlertText, "Unable to find active sound channel!");
    EXPECT_EQ(gAudioCurrentInputType, myMonitor);
    EXPECT_EQ(gSoundQueryFlag, kSearchNone);
}

TEST_F(SoundTest, ListeningSwitchedOnByHandOrAnotherSourceKeepsTheWrittenSearch) {
    SilentDesktop();
    StartListening();
    const int myMonitor = gSoundDesktopMonitor;
    gStateListen = 0;
    MouseKeySetListen(true, 0);
    EXPECT_EQ(RunSearch(20), WrittenSearch(myMonitor)) << "no player plays, yet the user asked";
    EXPECT_STREQ(gAlertText, "Unable to find active sound channel!");

    // The microphone chosen: the first start's search is the written one.
    gAlertText[0] = 0;
    ASSERT_EQ(gSoundInputNum, 3) << "\"CD Audio\", the monitor and the microphone";
    const int myMicrophone = 3 - myMonitor;
    InitSetSoundInput(static_cast<uint8_t>(myMicrophone));
    AnimateWaitForMusic();
    EXPECT_EQ(RunSearch(20), WrittenSearch(myMicrophone));
    EXPECT_STREQ(gAlertText, "Unable to find active sound channel!");
}
