// The present path without a window: an 8-bit 1920 x 1080 picture through a changed palette into ARGB pixels.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/palette.h"

static void BenchPresentConvert(benchmark::State& myState) {
    const int myWidth = 1920, myHeight = 1080;
    std::vector<uint8_t> myPixels(static_cast<size_t>(myWidth) * myHeight);
    for (size_t myIndex = 0; myIndex < myPixels.size(); ++myIndex)
        myPixels[myIndex] = static_cast<uint8_t>(myIndex * 7 + myIndex / 1920);
    std::vector<uint32_t> myOut(myPixels.size());
    PaletteEntry myRange[90];
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        myRange[myIndex] = {uint8_t(myIndex), 0, 0, kPaletteReserved};
    PaletteSet(21, 90, myRange);
    uint8_t myShift = 0;
    for (auto _ : myState) {
        // Colour cycling changes the palette before every present.
        for (int myIndex = 0; myIndex < 90; ++myIndex)
            myRange[myIndex].mRed = uint8_t(myIndex + myShift);
        ++myShift;
        PaletteAnimate(21, 90, myRange);
        PaletteConvert(myPixels.data(), myWidth, myWidth, myHeight, myOut.data(), myWidth);
        benchmark::DoNotOptimize(myOut.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BenchPresentConvert)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
