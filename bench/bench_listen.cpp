// Listening's costs: one frequency correlation at the largest window, and the whole spectrograph.
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/style_record.h"
#include "sound/listen.h"
#include "sound/sound_input.h"

namespace {
void BenchFill() {
    for (int myIndex = 0; myIndex < kSoundBufferSize; ++myIndex)
        gSoundBuffer[myIndex] = static_cast<uint8_t>(
            128 + std::lround(90 * std::sin(myIndex * 0.041) + 20 * std::sin(myIndex * 0.9)));
    gMeterMax = 220;
}

void BenchFrequencyLargestWindow(benchmark::State& myState) {
    StyleDefault(reinterpret_cast<char*>(&gStyle));
    gStyle.mSampleSize = 127; // 12 700 samples: 23 periods of 20 Hz
    BenchFill();
    for (auto _ : myState)
        benchmark::DoNotOptimize(AnimateGetFrequency(20, 20000));
}
BENCHMARK(BenchFrequencyLargestWindow)->Unit(benchmark::kMicrosecond);

void BenchSpectrum(benchmark::State& myState) {
    StyleDefault(reinterpret_cast<char*>(&gStyle));
    gStyle.mSampleSize = static_cast<int8_t>(myState.range(0));
    BenchFill();
    gSoundSamplePos = 20000;
    uint8_t myHeights[kSpectrumColumns];
    for (auto _ : myState) {
        AnimateComputeSpectrum(myHeights);
        benchmark::DoNotOptimize(myHeights);
    }
}
// The default sample size, the frequency panel's default, and the largest.
BENCHMARK(BenchSpectrum)->Arg(6)->Arg(20)->Arg(127)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
