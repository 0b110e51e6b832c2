// The present path without a window: 8-bit pictures through the palette into 32-bit window pixels.
// - BenchConvert: one whole picture, by each way of converting the processor has, at 1080p and 2160p.
// - BenchConvertChanged: a colour step over a picture whose every other run of 16 pixels keeps its colours,
//   converted only where a colour changed, and whole for comparison.
// - BenchConvertTwoThreads: the same picture's rows split between two threads (wall time; the processor time
//   is the sum of both).
// - BenchPresentSecond: a whole second of presenting the default style at 1080p and 2160p: 40 brush frames
//   (brush speed 40, every 25 ms) that bring over the areas the brush touched, and a colour step every 66 ms
//   (colour speed 75) after which the pixels of the colours that moved are written again.
// Whole pictures are converted into cold pixels, as in a live window (BenchColdCaches).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>
#include <thread>
#include <vector>

#include "platform/palette.h"
#include "platform/present.h"

namespace {
constexpr int kBrushPeriod = 25;  // ms: brush speed 40
constexpr int kColourPeriod = 66; // ms: colour speed 75
constexpr int kBrushHeight = 128;
constexpr int kBrushWidth = 192;

Surface BenchPicture(int myWidth, int myHeight) {
    Surface myPicture;
    SurfaceCreate(myPicture, myWidth, myHeight);
    for (size_t myIndex = 0; myIndex < myPicture.mPixels.size(); ++myIndex)
        myPicture.mPixels[myIndex] = static_cast<uint8_t>(myIndex * 7 + myIndex / myWidth);
    return myPicture;
}

// A live window's pixels are cold when the next picture is converted into them: the X server has read them
// and copied them into its own since. Writing through a buffer larger than the caches does the same here.
void BenchColdCaches(benchmark::State& myState) {
    static std::vector<uint8_t> sScratch(size_t(64) << 20);
    myState.PauseTiming();
    for (size_t myIndex = 0; myIndex < sScratch.size(); myIndex += 64)
        sScratch[myIndex] = static_cast<uint8_t>(myIndex);
    benchmark::DoNotOptimize(sScratch.data());
    myState.ResumeTiming();
}

// A colour step: the brush range moves one place, as colour cycling moves it.
void BenchColourStep(PaletteEntry (&myRange)[90], uint8_t& myShift) {
    for (int myIndex = 0; myIndex < 90; ++myIndex)
        myRange[myIndex] = {uint8_t(myIndex + myShift), uint8_t(2 * myIndex), uint8_t(255 - myIndex),
                            kPaletteReserved};
    ++myShift;
    PaletteAnimate(21, 90, myRange);
}

// The brush range made animatable, as colour cycling needs it to be.
void BenchCyclingRange(PaletteEntry (&myRange)[90], uint8_t& myShift) {
    BenchColourStep(myRange, myShift);
    PaletteSet(21, 90, myRange);
}

void BenchSizes(benchmark::internal::Benchmark* myBench) {
    myBench->Args({1920, 1080})->Args({3840, 2160});
}
} // namespace

static void BenchConvert(benchmark::State& myState, PaletteWay myWay) {
    if (!PaletteWayAvailable(myWay)) {
        myState.SkipWithError("this processor lacks it");
        return;
    }
    const int myWidth = static_cast<int>(myState.range(0)), myHeight = static_cast<int>(myState.range(1));
    const Surface myPicture = BenchPicture(myWidth, myHeight);
    std::vector<uint32_t> myOut(myPicture.mPixels.size());
    PaletteEntry myRange[90];
    uint8_t myShift = 0;
    for (auto _ : myState) {
        BenchColdCaches(myState);
        BenchColourStep(myRange, myShift);
        PaletteConvert(myPicture.Row(0), myPicture.mPitch, myWidth, myHeight, myOut.data(), myWidth,
                       kPaletteXRGB, myWay);
        benchmark::DoNotOptimize(myOut.data());
        benchmark::ClobberMemory();
    }
    myState.SetItemsProcessed(myState.iterations() * myWidth * myHeight);
}
BENCHMARK_CAPTURE(BenchConvert, plain, kPaletteWayPlain)->Apply(BenchSizes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchConvert, avx2, kPaletteWayAvx2)->Apply(BenchSizes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchConvert, avx512vbmi, kPaletteWayVbmi)
    ->Apply(BenchSizes)
    ->Unit(benchmark::kMillisecond);

// A colour step over a picture whose every other run of 16 pixels holds only colours that stay (as colour
// cycling leaves about half of a live picture): only where a colour changed is written, by each way the
// processor has, and the whole conversion of the same picture for comparison. The pixels start on a cache
// line, as a window's shared pixels do.
static void BenchConvertChanged(benchmark::State& myState, bool myOnlyChanged, PaletteWay myWay) {
    if (!PaletteWayAvailable(myWay)) {
        myState.SkipWithError("this processor lacks it");
        return;
    }
    const int myWidth = static_cast<int>(myState.range(0)), myHeight = static_cast<int>(myState.range(1));
    Surface myPicture = BenchPicture(myWidth, myHeight);
    for (int myY = 0; myY < myHeight; ++myY)
        for (int myX = 0; myX < myWidth; ++myX)
            if ((myX / 16 + myY) % 2) myPicture.Row(myY)[myX] = static_cast<uint8_t>((myX + myY) % 21);
    std::vector<uint32_t> myBuffer(myPicture.mPixels.size() + 16);
    uint32_t* myOut = myBuffer.data() + ((64 - reinterpret_cast<uintptr_t>(myBuffer.data()) % 64) % 64) / 4;
    std::vector<uint8_t> myRows(static_cast<size_t>(myHeight));
    PaletteEntry myRange[90], myShown[kPaletteSize];
    uint8_t myShift = 0;
    BenchCyclingRange(myRange, myShift);
    for (auto _ : myState) {
        BenchColdCaches(myState);
        std::copy(std::begin(gPalette), std::end(gPalette), myShown);
        BenchColourStep(myRange, myShift);
        if (myOnlyChanged)
            PaletteConvertChanged(myPicture.Row(0), myPicture.mPitch, myWidth, myHeight, myOut, myWidth,
                                  myShown, myRows.data(), kPaletteXRGB, myWay);
        else
            PaletteConvert(myPicture.Row(0), myPicture.mPitch, myWidth, myHeight, myOut, myWidth,
                           kPaletteXRGB, myWay);
        benchmark::DoNotOptimize(myOut);
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BenchConvertChanged, whole, false, kPaletteWayBest)
    ->Apply(BenchSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchConvertChanged, changed_plain, true, kPaletteWayPlain)
    ->Apply(BenchSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchConvertChanged, changed_avx2, true, kPaletteWayAvx2)
    ->Apply(BenchSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchConvertChanged, changed_avx512vbmi, true, kPaletteWayVbmi)
    ->Apply(BenchSizes)
    ->Unit(benchmark::kMillisecond);

static void BenchConvertTwoThreads(benchmark::State& myState) {
    const int myWidth = static_cast<int>(myState.range(0)), myHeight = static_cast<int>(myState.range(1));
    const Surface myPicture = BenchPicture(myWidth, myHeight);
    std::vector<uint32_t> myOut(myPicture.mPixels.size());
    PaletteEntry myRange[90];
    uint8_t myShift = 0;
    for (auto _ : myState) {
        BenchColdCaches(myState);
        BenchColourStep(myRange, myShift);
        // The table is made before the threads share it.
        PaletteConvert(myPicture.Row(0), myPicture.mPitch, myWidth, 1, myOut.data(), myWidth);
        const int myHalf = myHeight / 2;
        std::thread myOther([&] {
            PaletteConvert(myPicture.Row(myHalf), myPicture.mPitch, myWidth, myHeight - myHalf,
                           myOut.data() + static_cast<size_t>(myHalf) * myWidth, myWidth);
        });
        PaletteConvert(myPicture.Row(0), myPicture.mPitch, myWidth, myHalf, myOut.data(), myWidth);
        myOther.join();
        benchmark::DoNotOptimize(myOut.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BenchConvertTwoThreads)->Apply(BenchSizes)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BenchPresentSecond(benchmark::State& myState) {
    const int myWidth = static_cast<int>(myState.range(0)), myHeight = static_cast<int>(myState.range(1));
    const Surface myPicture = BenchPicture(myWidth, myHeight);
    std::vector<uint32_t> myWindow(myPicture.mPixels.size());
    ChangedRows myRows;
    myRows.ChangedRowsSize(myHeight);
    PaletteEntry myRange[90], myShown[kPaletteSize];
    std::vector<uint8_t> myWritten(static_cast<size_t>(myHeight));
    uint8_t myShift = 0;
    BenchCyclingRange(myRange, myShift);
    int myX = 0, myY = 0;
    for (auto _ : myState) {
        // Each millisecond of the second that has a brush frame or a colour step is one present.
        for (int myTime = 0; myTime < 1000; ++myTime) {
            const bool myBrush = myTime % kBrushPeriod == 0;
            const bool myColour = myTime % kColourPeriod == 0;
            if (!myBrush && !myColour) continue;
            myRows.ChangedRowsClear();
            if (myBrush) {
                // The brush's old place wiped and its new one drawn, a little apart.
                myRows.ChangedRowsMark(myY, myY + kBrushHeight, myX, myX + kBrushWidth);
                myRows.ChangedRowsMark(myY + 40, myY + 40 + kBrushHeight, myX + 30, myX + 30 + kBrushWidth);
                myY = (myY + 37) % (myHeight - kBrushHeight - 40);
                myX = (myX + 53) % (myWidth - kBrushWidth - 30);
            }
            if (myColour) {
                BenchColdCaches(myState);
                std::copy(std::begin(gPalette), std::end(gPalette), myShown);
                BenchColourStep(myRange, myShift);
                PaletteConvertChanged(myPicture.Row(0), myPicture.mPitch, myWidth, myHeight, myWindow.data(),
                                      myWidth, myShown, myWritten.data());
            }
            int myTop = 0, myBottom = 0;
            for (int myFrom = 0; myRows.ChangedRowsRun(myFrom, myTop, myBottom); myFrom = myBottom) {
                int myLeft = 0, myRight = 0;
                myRows.ChangedRowsColumns(myTop, myBottom, myLeft, myRight);
                PresentConvertArea(myPicture, {myLeft, myTop, myRight, myBottom}, myWindow.data(), myWidth,
                                   myWidth, myHeight, 1, kPaletteXRGB);
            }
        }
        benchmark::DoNotOptimize(myWindow.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BenchPresentSecond)->Apply(BenchSizes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
