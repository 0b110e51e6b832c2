// Conversion speed: a full-screen fill picture and a long brush strip, from bitmap bytes to file bytes.
#include <benchmark/benchmark.h>

#include <vector>

#include "converter/bitmap_reader.h"
#include "converter/convert.h"
#include "tests/converter/bmp_writer.h"

namespace {

// A painted-looking bitmap: gradients of green and red with white and black areas.
std::vector<uint8_t> BenchMakeBmp(int myWidth, int myHeight) {
    return TestMakeBmp(myWidth, myHeight, [](int x, int y) {
        const int myZone = (x / 37 + y / 23) % 4;
        return TestColor{static_cast<uint8_t>(myZone == 3 ? 255 : 0),
                         static_cast<uint8_t>(myZone == 0 || myZone == 3 ? x + y : 0),
                         static_cast<uint8_t>(myZone == 1 || myZone == 3 ? x * 3 - y : 0)};
    });
}

void BenchConvert(benchmark::State& myState, int myWidth, int myHeight, const ConvertSettings& mySettings) {
    ConvertBitmap myBitmap;
    if (!ConvertOpenBitmapBytes(BenchMakeBmp(myWidth, myHeight), mySettings.mFrames, myBitmap).mOk) {
        myState.SkipWithError("bitmap refused");
        return;
    }
    std::vector<uint8_t> myFile;
    for (auto _ : myState) {
        ConvertBuild(myBitmap, mySettings, myFile);
        benchmark::DoNotOptimize(myFile.data());
    }
    myState.counters["bytes"] = static_cast<double>(myFile.size());
}

void BenchConvertFill1920x1080(benchmark::State& myState) {
    ConvertSettings mySettings;
    mySettings.mKind = kConvertFill;
    BenchConvert(myState, 1920, 1080, mySettings);
}

void BenchConvertBrush64Frames128(benchmark::State& myState) {
    ConvertSettings mySettings;
    mySettings.mFrames = 64;
    mySettings.mBlueMask = true;
    mySettings.mSpreadPrimary = true;
    BenchConvert(myState, 64 * 128, 128, mySettings);
}

} // namespace

BENCHMARK(BenchConvertFill1920x1080)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BenchConvertBrush64Frames128)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
