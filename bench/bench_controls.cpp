// The controls window's cost per animation step: following the state when nothing changed, when a beat lights
// the lamps and the meter, and drawing the expanded window whole.
#include <benchmark/benchmark.h>

#include <cstring>

#include "controls/draw.h"
#include "controls/mousekey.h"
#include "core/display.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "resources/pictures.h"

namespace {
// The expanded controls of a running program, headless.
void BenchShowControls() {
    PlatformStart(true);
    StyleDefault(reinterpret_cast<char*>(&gStyle));
    for (auto [mySurface, myPicture] : {std::pair{&gWorldButtons, kPictureButtons},
                                        {&gWorldIcons, kPictureIcons},
                                        {&gWorldDisplay, kPictureDisplay},
                                        {&gWorldPanelArt, kPicturePanelArt}}) {
        ResourceDrawPicture(myPicture, *mySurface);
        SurfaceSetColorKey(*mySurface, 255);
    }
    WindowCreate(kWinControls, "Orbex Controls", 0, 0, kControlsWidth, kControlsHeight, kWindowTopmost);
    WindowCreate(kWinHelp, "Orbex Help", 0, 0, kHelpWidth, kHelpHeight, kWindowTopmost);
    DrawInitArtwork();
    gStateRunning = 1;
    gStatePaint = 1;
    gStateListen = 1;
    MouseKeyToggleControls(1);
    DrawResizeControls(1);
    DrawUpdateLive();
}
} // namespace

static void BenchFollowUnchanged(benchmark::State& myState) {
    BenchShowControls();
    for (auto _ : myState)
        DrawUpdateLive();
}
BENCHMARK(BenchFollowUnchanged)->Unit(benchmark::kMicrosecond);

static void BenchFollowBeat(benchmark::State& myState) {
    BenchShowControls();
    int myStep = 0;
    for (auto _ : myState) {
        // Every other step a beat lights the lamps and the meter jumps; between, they go dark again.
        const bool myBeat = (++myStep & 1) != 0;
        gStateHilite = myBeat ? 16 : 0;
        gMeterOffset = myBeat ? 60 : 10;
        std::memset(gSliderHL, myBeat ? 0xA0 : 0, sizeof(gSliderHL));
        DrawUpdateLive();
    }
}
BENCHMARK(BenchFollowBeat)->Unit(benchmark::kMicrosecond);

static void BenchDrawWhole(benchmark::State& myState) {
    BenchShowControls();
    for (auto _ : myState)
        DrawWindow();
}
BENCHMARK(BenchDrawWhole)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
