// A headless recorder for the sound tests: chosen signals as sources, the virtual clock, fresh globals.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "core/alert.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "platform/audioin.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "sound/listen.h"
#include "sound/sound_input.h"

// Every module starts from its start values (tests/test_main.cpp); this is what differs from them.
class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gPlatformHeadless = true;
        ClockUseVirtual(true);
        ClockSetVirtual(1000);
        gStartUp = 1; // alerts keep their text only
        StyleDefault(reinterpret_cast<char*>(&gStyle));
    }

    // Opens the input over the signals added so far and starts recording as playback does.
    void StartListening() {
        InitSound();
        ASSERT_EQ(gStateInput, 1);
        InitSetSoundInput(gAudioInputType);
        gStatePlay = 1;
        MusicStartRecording();
    }

    // Advances the virtual clock one millisecond at a time, listening on every step; returns the beat times.
    std::vector<uint32_t> Listen(uint32_t myMilliseconds) {
        std::vector<uint32_t> myBeats;
        for (uint32_t myStep = 0; myStep < myMilliseconds; ++myStep) {
            ClockAdvance(1);
            bool myBeat = false;
            AnimateListenForBeat(ClockTicks(), myBeat);
            if (myBeat) myBeats.push_back(ClockTicks());
        }
        return myBeats;
    }
};
