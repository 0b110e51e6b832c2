// What playing a disc costs: reading a second of a music folder's samples (44.1 kHz WAV and 48 kHz, which is
// resampled) and handing the heard sound to the recorder, and reading a folder's table of contents.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "../tests/platform/wav_writer.h"
#include "platform/cdaudio.h"
#include "platform/cdaudio_drive.h"
#include "platform/clock.h"
#include "platform/platform.h"

namespace {

std::string MakeFolder(int myRate, int myTracks) {
    const std::filesystem::path myFolder =
        std::filesystem::temp_directory_path() / ("orbex-bench-disc-" + std::to_string(::getpid()) + "-" +
                                                  std::to_string(myRate) + "-" + std::to_string(myTracks));
    std::filesystem::create_directories(myFolder);
    std::vector<double> mySignal(static_cast<size_t>(myRate) * 20);
    for (size_t i = 0; i < mySignal.size(); ++i)
        mySignal[i] = 0.5 * std::sin(2 * M_PI * 440.0 * double(i) / myRate);
    for (int t = 0; t < myTracks; ++t)
        WavWrite(myFolder / (std::to_string(10 + t) + ".wav"), myRate, 2, 16, mySignal);
    return myFolder.string();
}

// One second of the disc read from the drive, as the reading thread does it.
void BM_ReadSecond(benchmark::State& myState) {
    const std::string myFolder = MakeFolder(static_cast<int>(myState.range(0)), 1);
    CDDriveOpen(myFolder);
    std::vector<int16_t> mySamples(2 * kCDSampleRate);
    int64_t myPos = int64_t(kCDPregap) * kCDSamplesPerFrame;
    for (auto _ : myState) {
        CDDriveRead(myPos, kCDSampleRate, mySamples.data());
        benchmark::DoNotOptimize(mySamples.data());
        myPos += kCDSampleRate;
        if (myPos > int64_t(kCDPregap + 19 * kCDFrameRate) * kCDSamplesPerFrame)
            myPos = int64_t(kCDPregap) * kCDSamplesPerFrame;
    }
    CDDriveClose();
    std::filesystem::remove_all(myFolder);
}
BENCHMARK(BM_ReadSecond)->Arg(44100)->Arg(48000)->Unit(benchmark::kMillisecond);

// A second of playing headless and the recorder taking what was heard in it.
void BM_PlayAndHearSecond(benchmark::State& myState) {
    const std::string myFolder = MakeFolder(44100, 1);
    gPlatformHeadless = true; // the sink, without a sound output
    ClockUseVirtual(true);
    ClockSetVirtual(0);
    CDAudioOpen(myFolder);
    CDAudioPlay(kCDPregap);
    uint8_t myHeard[kCDHeardRate];
    int64_t mySecond = 0;
    for (auto _ : myState) {
        ClockAdvance(1000);
        CDAudioHeardSamples(0, mySecond * kCDHeardRate, kCDHeardRate, myHeard);
        benchmark::DoNotOptimize(myHeard);
        if (++mySecond == 18) {
            mySecond = 0;
            ClockSetVirtual(0);
            CDAudioResetState();
            CDAudioOpen(myFolder);
            CDAudioPlay(kCDPregap);
        }
    }
    CDAudioResetState();
    ClockUseVirtual(false);
    std::filesystem::remove_all(myFolder);
}
BENCHMARK(BM_PlayAndHearSecond)->Unit(benchmark::kMillisecond);

// Reading a folder of 20 tracks as a disc: every file opened for its length.
void BM_FolderToc(benchmark::State& myState) {
    const std::string myFolder = MakeFolder(44100, 20);
    std::vector<CDFolderTrack> myTracks;
    CDToc myToc;
    for (auto _ : myState) {
        CDFolderList(myFolder, myTracks);
        CDFolderToc(myTracks, myToc);
        benchmark::DoNotOptimize(myToc.mLeadOut);
    }
    std::filesystem::remove_all(myFolder);
}
BENCHMARK(BM_FolderToc)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
