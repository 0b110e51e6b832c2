// How long decoding a full-screen fill picture takes: the stream is laid into the picture's memory and
// decoded backwards in place, as the fill loader does.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "storage/decode.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Rows mixing what pictures hold: literal pixels, runs, and packed groups of one and two bits.
std::vector<uint8_t> PictureStream() {
    std::vector<uint8_t> myStream;
    for (int y = 0; y < kHeight; ++y) {
        int x = 0;
        while (x < kWidth) {
            const int myLeft = kWidth - x;
            const int myKind = (x / 7 + y) % 4;
            if (myKind == 0 && myLeft >= 20) {
                myStream.insert(myStream.end(), {static_cast<uint8_t>(111 + y % 90), 198 + 20});
                x += 20;
            } else if (myKind == 1 && myLeft >= 8) {
                myStream.insert(myStream.end(), {0xA5, static_cast<uint8_t>(21 + x % 80), 5});
                x += 8;
            } else if (myKind == 2 && myLeft >= 14) {
                myStream.insert(myStream.end(),
                                {0x1B, 0xE4, 0x1B, 0x0E, static_cast<uint8_t>(111 + x % 80), 20});
                x += 14;
            } else {
                myStream.push_back(static_cast<uint8_t>(21 + (x + y) % 180));
                x += 1;
            }
        }
    }
    return myStream;
}

void BM_DecodeFillPicture(benchmark::State& myState) {
    const std::vector<uint8_t> myStream = PictureStream();
    Surface mySurface;
    SurfaceCreate(mySurface, kWidth, kHeight);
    for (auto _ : myState) {
        myState.PauseTiming();
        std::memcpy(mySurface.mPixels.data(), myStream.data(), myStream.size());
        myState.ResumeTiming();
        const bool myWhole =
            BitmapDecodePixels(mySurface, static_cast<int32_t>(myStream.size()), kWidth, kHeight);
        benchmark::DoNotOptimize(myWhole);
        if (!myWhole) myState.SkipWithError("the stream does not cover the picture");
    }
    myState.counters["stream_bytes"] = static_cast<double>(myStream.size());
}
BENCHMARK(BM_DecodeFillPicture)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
