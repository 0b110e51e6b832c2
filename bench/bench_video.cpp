// Music-video speed at 1280 x 720, 30 frames a second: the palette-to-YUV conversion alone, and whole
// videos (two seconds of flat 8-bit art with cycling colours, with and without the song) in every form.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/video_out.h"
#include "platform/video_yuv.h"
#include "tests/platform/wav_writer.h"

namespace {
constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr int kFps = 30;
constexpr int kSeconds = 2;

// A tiled fill of diamonds in the fill gradient's entries with a trail of brush prints across it.
Surface BenchPicture() {
    Surface myPicture;
    SurfaceCreate(myPicture, kWidth, kHeight);
    for (int myY = 0; myY < kHeight; ++myY)
        for (int myX = 0; myX < kWidth; ++myX) {
            const int myDx = std::abs(myX % 40 - 20), myDy = std::abs(myY % 40 - 20);
            const int myDiamond = myDx + myDy;
            uint8_t myIndex = myDiamond < 12 ? static_cast<uint8_t>(150 + myDiamond) : 111;
            if (myDiamond == 12) myIndex = 0;
            const int myBx = (myX - 320) % 60, myBy = myY % 50;
            if (myX >= 300 && myX < 360 && (myBx - 30) * (myBx - 30) + (myBy - 25) * (myBy - 25) < 700)
                myIndex = static_cast<uint8_t>(21 + (myBx + myBy) % 90);
            myPicture.Row(myY)[myX] = myIndex;
        }
    return myPicture;
}

// The two gradients, moved on by one entry a frame as colour cycling does.
void BenchCycle(PaletteEntry* myPalette, int myFrame) {
    for (int myIndex = 0; myIndex < 180; ++myIndex) {
        const int myAt = (myIndex + myFrame) % 90 + (myIndex >= 90 ? 90 : 0);
        myPalette[21 + myIndex] = {static_cast<uint8_t>(myAt * 2), static_cast<uint8_t>(255 - myAt),
                                   static_cast<uint8_t>(myAt % 45 * 5), 0};
    }
}

std::string BenchSong() {
    const std::string myPath = (std::filesystem::temp_directory_path() / "orbex-bench-song.wav").string();
    std::vector<double> mySignal(44100 * kSeconds);
    for (size_t myFrame = 0; myFrame < mySignal.size(); ++myFrame) {
        const double myTime = double(myFrame) / 44100;
        mySignal[myFrame] = 0.3 * std::sin(2 * M_PI * 220 * myTime) * (std::fmod(myTime, 0.5) < 0.1 ? 2 : 1);
    }
    WavWrite(myPath, 44100, 2, 16, mySignal);
    return myPath;
}
} // namespace

static void BenchYuv420(benchmark::State& myState) {
    const Surface myPicture = BenchPicture();
    PaletteEntry myPalette[kPaletteSize];
    BenchCycle(myPalette, 0);
    YuvTable myTable;
    std::vector<uint8_t> myPlanes(kWidth * kHeight * 3 / 2);
    uint8_t* const myPointers[3] = {myPlanes.data(), myPlanes.data() + kWidth * kHeight,
                                    myPlanes.data() + kWidth * kHeight * 5 / 4};
    const int myStrides[3] = {kWidth, kWidth / 2, kWidth / 2};
    for (auto _ : myState) {
        YuvMakeTable(myTable, myPalette, kYuvBt709);
        YuvConvert420(myTable, myPicture.mPixels.data(), myPicture.mPitch, kWidth, kHeight, myPointers,
                      myStrides);
        benchmark::DoNotOptimize(myPlanes.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BenchYuv420)->Unit(benchmark::kMillisecond);

// Counters: frames a second, and how many times faster than real time the video is written.
static void BenchVideo(benchmark::State& myState, const char* myExtension, VideoQuality myQuality,
                       bool mySound) {
    const Surface myPicture = BenchPicture();
    const std::string mySong = mySound ? BenchSong() : std::string();
    VideoSettings mySettings;
    mySettings.mPath = (std::filesystem::temp_directory_path() / "orbex-bench-video").string() + myExtension;
    mySettings.mWidth = kWidth;
    mySettings.mHeight = kHeight;
    mySettings.mFps = kFps;
    mySettings.mQuality = myQuality;
    mySettings.mSound = mySong;
    PaletteEntry myPalette[kPaletteSize];
    std::error_code myFault;
    for (auto _ : myState) {
        VideoOut myVideo;
        std::string myError;
        if (!VideoOpen(myVideo, mySettings, myError)) {
            myState.SkipWithError(myError.c_str());
            break;
        }
        for (int myFrame = 0; myFrame < kFps * kSeconds; ++myFrame) {
            BenchCycle(myPalette, myFrame);
            VideoWriteFrame(myVideo, myPicture, myPalette);
        }
        if (!VideoFinish(myVideo, myError)) {
            myState.SkipWithError(myError.c_str());
            break;
        }
    }
    myState.counters["fps"] =
        benchmark::Counter(kFps * kSeconds, benchmark::Counter::kIsIterationInvariantRate);
    myState.counters["x_real_time"] =
        benchmark::Counter(kSeconds, benchmark::Counter::kIsIterationInvariantRate);
    myState.counters["MB_per_minute"] =
        double(std::filesystem::file_size(mySettings.mPath, myFault)) * (60.0 / kSeconds) / 1e6;
    std::filesystem::remove(mySettings.mPath, myFault);
    if (!mySong.empty()) std::filesystem::remove(mySong, myFault);
}
BENCHMARK_CAPTURE(BenchVideo, Mp4Fast, ".mp4", kVideoFast, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BenchVideo, Mp4FastSilent, ".mp4", kVideoFast, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BenchVideo, Mp4Good, ".mp4", kVideoGood, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BenchVideo, Mp4Small, ".mp4", kVideoSmall, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BenchVideo, WebmFast, ".webm", kVideoFast, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BenchVideo, Y4m, ".y4m", kVideoFast, false)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
