// The present path without a window: an 8-bit 1920 x 1080 picture through the palette into 32-bit pixels,
// all of it after a palette change, or only the rows the brush touched while the palette stayed.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/palette.h"
#include "platform/present.h"

namespace {
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

Surface BenchPicture() {
    Surface myPicture;
    SurfaceCreate(myPicture, kWidth, kHeight);
    for (size_t myIndex = 0; myIndex < myPicture.mPixels.size(); ++myIndex)
        myPicture.mPixels[myIndex] = static_cast<uint8_t>(myIndex * 7 + myIndex / kWidth);
    return myPicture;
}

// What the presenter converts of a frame: each run of changed rows.
void BenchConvert(const Surface& myPicture, const ChangedRows& myRows, std::vector<uint32_t>& myOut) {
    int myTop = 0, myBottom = 0;
    for (int myFrom = 0; myRows.ChangedRowsRun(myFrom, myTop, myBottom); myFrom = myBottom)
        PaletteConvert(myPicture.Row(myTop), myPicture.mPitch, kWidth, myBottom - myTop,
                       myOut.data() + static_cast<size_t>(myTop) * kWidth, kWidth);
}
} // namespace

static void BenchPresentConvert(benchmark::State& myState) {
    const Surface myPicture = BenchPicture();
    std::vector<uint32_t> myOut(myPicture.mPixels.size());
    ChangedRows myRows;
    myRows.ChangedRowsSize(kHeight);
    PaletteEntry myRange[90];
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        myRange[myIndex] = {uint8_t(myIndex), 0, 0, kPaletteReserved};
    PaletteSet(21, 90, myRange);
    uint8_t myShift = 0;
    for (auto _ : myState) {
        // Colour cycling changes the palette before every present: every row is converted.
        for (int myIndex = 0; myIndex < 90; ++myIndex)
            myRange[myIndex].mRed = uint8_t(myIndex + myShift);
        ++myShift;
        PaletteAnimate(21, 90, myRange);
        myRows.ChangedRowsMarkAll();
        BenchConvert(myPicture, myRows, myOut);
        benchmark::DoNotOptimize(myOut.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BenchPresentConvert)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BenchPresentBrushFrame(benchmark::State& myState) {
    const Surface myPicture = BenchPicture();
    std::vector<uint32_t> myOut(myPicture.mPixels.size());
    ChangedRows myRows;
    myRows.ChangedRowsSize(kHeight);
    int myY = 0;
    for (auto _ : myState) {
        // A brush frame of a 128-pixel brush: its old place wiped and its new one drawn, a little apart.
        myRows.ChangedRowsClear();
        myRows.ChangedRowsMark(myY, myY + 128);
        myRows.ChangedRowsMark(myY + 40, myY + 168);
        myY = (myY + 37) % (kHeight - 168);
        BenchConvert(myPicture, myRows, myOut);
        benchmark::DoNotOptimize(myOut.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BenchPresentBrushFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
