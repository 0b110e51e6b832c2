// One colour step of both palette ranges while colour effects are loaded, as the frame loop runs it.
#include <benchmark/benchmark.h>

#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "shell/main.h"
#include "storage/components.h"

namespace {

// A grey target that silence shows and loud sound leaves: SD 1, then SS 0.
void BenchLoadGreyEffect(CEffect& myEffect) {
    const uint8_t kCode[16] = {1, 0, 0, 0, 0, 0, 'S', 'D', 0, 0, 0, 0, 0, 0, 'S', 'S'};
    myEffect.mInit.assign(kCode, kCode + sizeof(kCode));
    myEffect.mInitSize = sizeof(kCode);
    myEffect.mFileFlag = 1;
}

} // namespace

static void BenchColorStep(benchmark::State& myState) {
    StyleDefault(reinterpret_cast<char*>(&gStyle));
    for (int myIndex = 0; myIndex < kGradientBytes; ++myIndex) {
        gGradData[0].mBrushGrad[myIndex] = uint8_t(myIndex * 37);
        gGradData[0].mFillGrad[myIndex] = uint8_t(255 - myIndex * 11);
    }
    for (int myIndex = 21; myIndex <= 200; ++myIndex)
        gPalette[myIndex].mFlags = kPaletteAnimated;
    gCurrentGrad = 0;
    gEditsRave[kEditBrushColor] = 17;
    gEditsRave[kEditFillColor] = 80;
    gStateColorChange = 1;
    gBEffectColor.CEffectAlloc();
    gFEffectColor.CEffectAlloc();
    BenchLoadGreyEffect(gBEffectColor);
    BenchLoadGreyEffect(gFEffectColor);
    gBEffectColor.CEffectInit(0, 0);
    gFEffectColor.CEffectInit(0, 0);
    int myStep = 0;
    for (auto _ : myState) {
        gEffScale = (myStep++ % 64) / 63.0; // the sound scale moves every step
        gBEffectColor.CEffectModify(1);
        gFEffectColor.CEffectModify(-1);
        benchmark::DoNotOptimize(gPalette);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BenchColorStep)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
