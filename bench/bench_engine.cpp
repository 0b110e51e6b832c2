// How long the engine's drawing takes at 1920 x 1080: one brush update, a full fill redraw, and the frame
// loop's step that draws a brush update.
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/alert.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "engine/movement_program.h"
#include "music/music.h"
#include "platform/clock.h"
#include "shell/display.h"
#include "shell/main.h"
#include "storage/components.h"

namespace {

void BenchScreen() {
    InitSetScreenSize(1920, 1080);
    SurfaceCreate(gWorldPaint, 1920, 1080);
    gStatePaint = 0;
    gStartUp = 0;
    StyleDefault(reinterpret_cast<char*>(&gStyle));
}

// A 128 x 128 brush of 8 frames: a disc of brush colours on transparency.
void BenchBrush(VBrush& myBrush) {
    SurfaceCreate(myBrush.m8BitWorld, 128 * 8, 128);
    SurfaceSetColorKey(myBrush.m8BitWorld, 255);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128 * 8; ++x) {
            const int myDx = x % 128 - 64, myDy = y - 64;
            myBrush.m8BitWorld.Row(y)[x] =
                myDx * myDx + myDy * myDy < 60 * 60 ? static_cast<uint8_t>(21 + (x + y) % 90) : 255;
        }
    myBrush.mLayers = 8;
    myBrush.mWidth = 128;
    myBrush.mHeight = 128;
    myBrush.mNumFrames = 8;
    myBrush.mLeft = myBrush.mRight = myBrush.mTop = myBrush.mBottom = 64;
}

void BenchFill(VFill& myFill, int myWidth, int myHeight, char myType) {
    SurfaceCreate(myFill.m8BitWorld, myWidth, myHeight);
    for (int y = 0; y < myHeight; ++y)
        for (int x = 0; x < myWidth; ++x)
            myFill.m8BitWorld.Row(y)[x] = static_cast<uint8_t>(111 + (x ^ y) % 90);
    myFill.mType = myType;
    myFill.mWidth = static_cast<int16_t>(myWidth);
    myFill.mHeight = static_cast<int16_t>(myHeight);
    myFill.mBackRect = {0, 0, myWidth, myHeight};
    myFill.mFileFlag = 1;
}

void BM_BrushUpdateTrailsOff(benchmark::State& myState) {
    BenchScreen();
    BenchBrush(gBrushes[0]);
    BenchFill(gFills[0], 1920, 1080, 'F');
    gCurrentBrush = gCurrentFill = gCurrentMove = 0;
    gStateTrails = 0;
    gBrushes[0].BrushInit();
    gFills[0].FillDraw(0);
    int myStep = 0;
    for (auto _ : myState) {
        gX = 200 + (myStep * 7) % 1500;
        gY = 200 + (myStep * 3) % 700;
        ++myStep;
        gBrushes[0].BrushDraw(0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BrushUpdateTrailsOff)->Unit(benchmark::kMicrosecond);

void BM_FillRedraw(benchmark::State& myState) {
    BenchScreen();
    const bool myTiles = myState.range(0) != 0;
    BenchFill(gFills[0], myTiles ? 100 : 1920, myTiles ? 100 : 1080, myTiles ? 'T' : 'F');
    for (auto _ : myState) {
        gFills[0].FillDraw(0);
        benchmark::ClobberMemory();
    }
    myState.SetLabel(myTiles ? "tiles 100x100" : "picture");
}
BENCHMARK(BM_FillRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The frame loop at the default settings, at a moment a brush update is due: 25 ms steps of the clock.
void BM_AnimateMainBrushStep(benchmark::State& myState) {
    InitHooks();
    BenchScreen();
    ClockUseVirtual(true);
    ClockSetVirtual(1000);
    gTimer = 1000;
    BenchBrush(gBrushes[0]);
    BenchFill(gFills[1], 100, 100, 'T');
    gBEffectColor.CEffectAlloc();
    gFEffectColor.CEffectAlloc();
    std::memset(gEditsRave, kNotSet, sizeof(gEditsRave));
    gEditsRave[kEditBrushColor] = gEditsRave[kEditFillColor] = 1;
    ExecuteResetEdits();
    gStatePlay = 1;
    gSongLength = kNever;
    gStateColorChange = 1;
    gCurrentBrush = 0;
    gCurrentFill = 1;
    ExecuteEdits(kEditBrushSpeed, gStyle.mBrushSpeed, 0, kModeExecute, {});
    ExecuteEdits(kEditColorSpeed, gStyle.mColorSpeed, 0, kModeExecute, {});
    gStateTrails = 0;
    gX = 960;
    gY = 540;
    for (auto _ : myState) {
        ClockAdvance(gUpdateLength + 1);
        AnimateMain();
        benchmark::ClobberMemory();
    }
    ClockUseVirtual(false);
}
BENCHMARK(BM_AnimateMainBrushStep)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
