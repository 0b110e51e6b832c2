// A program folder with a rave folder, the headless clock and generated discs: music folders of WAV files
// and .cue/.bin images whose tracks each carry a tone of their own.
#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../engine/style_fixture.h"
#include "../platform/wav_writer.h"
#include "core/state.h"
#include "engine/execute.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "music/rave.h"
#include "platform/cdaudio.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "sound/sound_input.h"

struct ImageTrack {
    bool mAudio;
    int mFrames;
};

class MusicTest : public StyleFolderTest {
  protected:
    bool mWasHeadless = false;

    void SetUp() override {
        StyleFolderTest::SetUp();
        mWasHeadless = gPlatformHeadless;
        gPlatformHeadless = true;
        ClockUseVirtual(true);
        ClockSetVirtual(1000);
        MusicResetState();
        std::filesystem::create_directories(mRoot / "Raves");
        std::snprintf(gDirIDRave, kPathSize, "%s/Raves/", mRoot.c_str());
        gDirIDOrbexCD[0] = 0;
        gStateCD = gStateEject = gNewDisk = 0;
        gStateListen = gStateInput = 0;
        // No search for a sound source runs: the frame loop's half seconds then leave its count at rest.
        gSoundQueryFlag = kSearchNone;
        gSearchFlag = 0;
        gStateLastSession = 1;
        gSaverTrigger = 0;
        gStateControlsVisible = 0;
        std::memset(gCueList, kNotSet, sizeof(gCueList));
        std::memset(gEditsSkip, 0, sizeof(gEditsSkip));
        UseStyle();
    }
    void TearDown() override {
        MusicStop(0, 0);
        MusicResetState();
        gStateCD = gStateEject = gNewDisk = 0;
        gStateLastSession = 0;
        gPopup = 0;
        gStateSaveTitle = 0;
        gDirIDRave[0] = 0;
        gDirIDOrbexCD[0] = 0;
        ClockUseVirtual(false);
        gPlatformHeadless = mWasHeadless;
        StyleFolderTest::TearDown();
    }

    // A folder of WAV files named 01.wav, 02.wav ...: track t is a tone of 200 + 100 t hertz.
    std::string MusicFolder(const std::vector<double>& mySeconds, int myRate = 44100) {
        const std::filesystem::path myFolder = mRoot / "music";
        std::filesystem::create_directories(myFolder);
        for (size_t t = 0; t < mySeconds.size(); ++t) {
            std::vector<double> mySignal(static_cast<size_t>(std::lround(mySeconds[t] * myRate)));
            for (size_t i = 0; i < mySignal.size(); ++i)
                mySignal[i] = 0.5 * std::sin(2 * M_PI * (300.0 + 100.0 * t) * double(i) / myRate);
            char myName[32];
            std::snprintf(myName, sizeof(myName), "%02zu.wav", t + 1);
            WavWrite(myFolder / myName, myRate, 2, 16, mySignal);
        }
        return myFolder.string();
    }

    // A .cue/.bin image: track 1 at frame 150, each track myFrames long; audio tracks carry their tones.
    std::string CueImage(const std::vector<ImageTrack>& myTracks, const std::string& myName = "disc") {
        std::ofstream myBin(mRoot / (myName + ".bin"), std::ios::binary);
        std::ofstream myCue(mRoot / (myName + ".cue"));
        myCue << "FILE \"" << myName << ".bin\" BINARY\n";
        int myAt = 0;
        for (size_t t = 0; t < myTracks.size(); ++t) {
            char myIndex[96];
            std::snprintf(myIndex, sizeof(myIndex), "  TRACK %02zu %s\n    INDEX 01 %02d:%02d:%02d\n", t + 1,
                          myTracks[t].mAudio ? "AUDIO" : "MODE1/2352", myAt / 4500, myAt / 75 % 60,
                          myAt % 75);
            myCue << myIndex;
            for (int64_t i = 0; i < int64_t(myTracks[t].mFrames) * kCDSamplesPerFrame; ++i) {
                const auto myValue = static_cast<int16_t>(
                    myTracks[t].mAudio
                        ? std::lround(12000 * std::sin(2 * M_PI * (300.0 + 100.0 * t) * double(i) / 44100))
                        : 0);
                const char myBytes[4] = {static_cast<char>(myValue & 0xFF), static_cast<char>(myValue >> 8),
                                         static_cast<char>(myValue & 0xFF), static_cast<char>(myValue >> 8)};
                myBin.write(myBytes, 4);
            }
            myAt += myTracks[t].mFrames;
        }
        return (mRoot / (myName + ".cue")).string();
    }

    // The rave's current values from gStyle, as applying the style leaves them.
    void UseStyle() {
        std::memset(gEditsRave, 0, sizeof(gEditsRave));
        for (int myKind = 1; myKind <= kEditColorKick; ++myKind) {
            const int myOffset = ExecuteStyleOffset(myKind);
            if (myOffset >= 0) gEditsRave[myKind] = reinterpret_cast<const int8_t*>(&gStyle)[myOffset];
        }
        gEditsRave[0] = kRecordChange;
        ExecuteResetEdits();
    }

    // Puts a disc in and reads it, as start-up does.
    void Insert(const std::string& mySource) {
        gMusicDiscSource = mySource;
        InitCDDrive();
        MusicUpdateCD(-1);
    }

    // Runs the frame loop for myMilliseconds of the virtual clock.
    void Run(uint32_t myMilliseconds) {
        for (uint32_t i = 0; i < myMilliseconds; ++i) {
            ClockAdvance(1);
            AnimateMain();
        }
    }
};
