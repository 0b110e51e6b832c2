// Test helper: a click track as a sound file, the beats every listening test can count on.
#pragma once

#include <cmath>
#include <filesystem>
#include <vector>

#include "tests/platform/wav_writer.h"

constexpr int kTestClickRate = 44100;
constexpr double kTestClickPeriod = 0.5; // 120 beats per minute

// Bass thumps (a decaying 72 Hz square, 100 ms) every half second from time 0, as 16-bit stereo.
inline void TestWriteClickTrack(const std::filesystem::path& myPath, double mySeconds) {
    std::vector<double> mySignal(static_cast<size_t>(mySeconds * kTestClickRate));
    for (size_t myFrame = 0; myFrame < mySignal.size(); ++myFrame) {
        const double myTime = std::fmod(double(myFrame) / kTestClickRate, kTestClickPeriod);
        if (myTime >= 0.1) continue;
        const double mySign = std::fmod(myTime * 72.0, 1.0) < 0.5 ? 1.0 : -1.0;
        mySignal[myFrame] = mySign * 0.75 * (1.0 - myTime / 0.1);
    }
    WavWrite(myPath, kTestClickRate, 2, 16, mySignal);
}
