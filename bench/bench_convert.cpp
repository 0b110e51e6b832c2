// Conversion speed: a full-screen fill picture and a long brush strip, from bitmap bytes to file bytes.
#include <benchmark/benchmark.h>

#include <vector>

#include "converter/bitmap_reader.h"
#include "converter/convert.h"

namespace {

// A painted-looking bitmap: gradients of green and red with white and black areas.
std::vector<uint8_t> BenchMakeBmp(int myWidth, int myHeight) {
    const int myRowBytes = (myWidth * 3 + 3) / 4 * 4;
    std::vector<uint8_t> myFile(54 + static_cast<size_t>(myRowBytes) * myHeight, 0);
    auto myPut32 = [&](size_t myAt, uint32_t myValue) {
        for (int i = 0; i < 4; ++i)
            myFile[myAt + i] = static_cast<uint8_t>(myValue >> (8 * i));
    };
    myFile[0] = 'B', myFile[1] = 'M';
    myPut32(10, 54);
    myPut32(14, 40);
    myPut32(18, static_cast<uint32_t>(myWidth));
    myPut32(22, static_cast<uint32_t>(myHeight));
    myFile[26] = 1;
    myFile[28] = 24;
    for (int y = 0; y < myHeight; ++y)
        for (int x = 0; x < myWidth; ++x) {
            uint8_t* myPixel = myFile.data() + 54 + static_cast<size_t>(y) * myRowBytes + 3 * x;
            const int myZone = (x / 37 + y / 23) % 4;
            myPixel[0] = myZone == 3 ? 255 : 0;
            myPixel[1] = myZone == 0 || myZone == 3 ? static_cast<uint8_t>(x + y) : 0;
            myPixel[2] = myZone == 1 || myZone == 3 ? static_cast<uint8_t>(x * 3 - y) : 0;
        }
    return myFile;
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
