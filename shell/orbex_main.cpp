// The visualizer's entry: the port's options, the platform's face, then the program as it always runs.
#include <cstdio>
#include <string>
#include <vector>

#include "music/music.h"
#include "platform/platform.h"
#include "platform/present.h"
#include "platform/script.h"
#include "platform/window.h"
#include "shell/display.h"
#include "shell/main.h"
#include "shell/options.h"
#include "shell/render_out.h"

int main(int argc, char** argv) {
    gProgramPath = argc > 0 ? argv[0] : nullptr;
    std::string myError;
    if (!OptionsParse(argc, argv, myError)) {
        std::fprintf(stderr, "orbex: %s\n%s", myError.c_str(), OptionsUsage());
        return 2;
    }
    if (gOptions.mHelp) {
        std::fputs(OptionsUsage(), stdout);
        return 0;
    }
    if (gOptions.mVersion) {
        std::printf("orbex %s\n", ORBEX_VERSION);
        return 0;
    }
    std::vector<std::string> myWarnings;
    const bool myFilesOk = OptionsCheckFiles(myError, myWarnings);
    for (const std::string& myWarning : myWarnings)
        std::fprintf(stderr, "orbex: %s\n", myWarning.c_str());
    if (!myFilesOk) {
        std::fprintf(stderr, "orbex: %s\n", myError.c_str());
        return 2;
    }
    if (gOptions.mDiscInfo) {
        std::string myInfo;
        if (!MusicDiscInfo(gOptions.mDisc, myInfo)) {
            std::fprintf(stderr, "orbex: %s\n", myInfo.c_str());
            return 1;
        }
        std::fputs(myInfo.c_str(), stdout);
        return 0;
    }
    if (argc == 1 && !PlatformHasDisplay()) {
        std::fprintf(stderr, "orbex: no display found; running headless for 10 seconds and writing %s\n",
                     gOptions.mDemoPath.c_str());
        gOptions.mHeadless = true;
        gOptions.mDemo = true;
    }
    if (gOptions.mHeadless) {
        // Stopped from outside, a render removes what it had half-written and ends by the signal.
        PlatformCatchStopSignals();
        if (!RenderOutSetUpSound(myError)) {
            std::fprintf(stderr, "orbex: %s\n", myError.c_str());
            return 2;
        }
        if (!RenderOutOpen(myError)) {
            std::fprintf(stderr, "orbex: %s\n", myError.c_str());
            return 2;
        }
        PlatformSetHeadlessSize(gOptions.mWidth, gOptions.mHeight);
    } else {
        gWindowedWidth = gOptions.mWindowWidth;
        gWindowedHeight = gOptions.mWindowHeight;
    }
    PresentSetVerbose(gOptions.mVerbose);
    MusicTakeOptions(gOptions.mStyle, gOptions.mDisc, gOptions.mTrack, gOptions.mPlayer);
    gPlatformStartResult = PlatformStart(gOptions.mHeadless);
    int myDesktopWidth = 0, myDesktopHeight = 0;
    PlatformDesktopSize(&myDesktopWidth, &myDesktopHeight);
    WindowSetScale(gOptions.mUiScale
                       ? gOptions.mUiScale
                       : (gOptions.mHeadless ? 1 : WindowScaleForDesktop(myDesktopWidth, myDesktopHeight)));
    if (!gOptions.mScript.empty() && !ScriptStart(gOptions.mScript, myError)) {
        std::fprintf(stderr, "orbex: %s\n", myError.c_str());
        RenderOutDiscard();
        PlatformStop();
        return 2;
    }
    const int myCode = WinMain();
    RenderOutDiscard();
    PlatformStop();
    if (PlatformStopSignal()) PlatformEndBySignal();
    return myCode;
}
