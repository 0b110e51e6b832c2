// Frames of a headless run, taken from the animation window through the palette of that moment.
#include "shell/render_out.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/audioin.h"
#include "platform/clock.h"
#include "platform/image_out.h"
#include "platform/palette.h"
#include "platform/script.h"
#include "platform/window.h"
#include "shell/options.h"

namespace {
constexpr int kSheetColumns = 4;
constexpr int kSheetFrames = 16;
constexpr uint32_t kDemoLength = 10000; // ms of virtual time
constexpr double kDemoTempo = 120;      // beats per minute of the demo's click track

uint32_t sStart = 0;
int sWritten = 0;
int sTotal = 0;
bool sActive = false;
bool sDoneSent = false;
bool sFailed = false;
bool sUntilScriptEnds = false;
VideoOut sVideo;
std::vector<uint32_t> sSheet;
int sSheetWidth = 0;
int sSheetHeight = 0;

uint32_t RenderFrameTime(int myFrame) {
    if (gOptions.mDemo)
        return static_cast<uint32_t>(static_cast<uint64_t>(myFrame) * kDemoLength / kSheetFrames);
    return static_cast<uint32_t>(static_cast<uint64_t>(myFrame) * 1000 / gOptions.mFps);
}

void RenderAddToSheet(const Surface& myFrame, int myIndex) {
    const int myTileWidth = sSheetWidth / kSheetColumns;
    const int myTileHeight = sSheetHeight / kSheetColumns;
    std::vector<uint32_t> myColours(static_cast<size_t>(myFrame.mWidth) * myFrame.mHeight);
    PaletteConvert(myFrame.mPixels.data(), myFrame.mPitch, myFrame.mWidth, myFrame.mHeight, myColours.data(),
                   myFrame.mWidth);
    const int myLeft = (myIndex % kSheetColumns) * myTileWidth;
    const int myTop = (myIndex / kSheetColumns) * myTileHeight;
    for (int myY = 0; myY < myTileHeight; ++myY) {
        const int mySourceY = myY * myFrame.mHeight / myTileHeight;
        for (int myX = 0; myX < myTileWidth; ++myX) {
            const int mySourceX = myX * myFrame.mWidth / myTileWidth;
            sSheet[static_cast<size_t>(myTop + myY) * sSheetWidth + myLeft + myX] =
                myColours[static_cast<size_t>(mySourceY) * myFrame.mWidth + mySourceX];
        }
    }
}

void RenderWriteFrame(const Surface& myFrame) {
    if (gOptions.mDemo) {
        RenderAddToSheet(myFrame, sWritten);
    } else if (!gOptions.mVideo.empty()) {
        if (!VideoWriteFrame(sVideo, myFrame, gPalette)) sFailed = true;
    } else if (!gOptions.mOutDir.empty()) {
        char myName[32];
        std::snprintf(myName, sizeof(myName), "/frame-%06d.png", sWritten);
        if (!ImageWritePng(gOptions.mOutDir + myName, myFrame, gPalette)) sFailed = true;
    }
}
} // namespace

// The headless source stands where a desktop's microphone would, so it is the one heard by default.
bool RenderOutSetUpSound(std::string& myError) {
    AudioInClearSignals();
    if (!gOptions.mAudio.empty()) {
        const std::string myName = std::filesystem::path(gOptions.mAudio).stem().string();
        return AudioInAddFile(myName.c_str(), kAudioTypeMicrophone, gOptions.mAudio, myError);
    }
    if (gOptions.mDemo || gOptions.mClicks)
        AudioInAddSignal("Click Track", kAudioTypeMicrophone, kSignalClicks,
                         gOptions.mClicks ? gOptions.mClicks : kDemoTempo);
    else
        AudioInAddSignal("Silence", kAudioTypeMicrophone, kSignalSilence, 0);
    return true;
}

bool RenderOutStart() {
    sStart = ClockTicks();
    sWritten = 0;
    sDoneSent = false;
    sFailed = false;
    // A scripted session without a frame count lasts as long as its script.
    sUntilScriptEnds = !gOptions.mDemo && !gOptions.mScript.empty() && gOptions.mFrames <= 0;
    sTotal = gOptions.mDemo         ? kSheetFrames
             : gOptions.mFrames > 0 ? gOptions.mFrames
             : sUntilScriptEnds     ? INT32_MAX
                                    : 10 * gOptions.mFps;
    const Surface& myScreen = WindowSurface(kWinPaint);
    if (gOptions.mDemo) {
        sSheetWidth = kSheetColumns * (myScreen.mWidth / 2);
        sSheetHeight = kSheetColumns * (myScreen.mHeight / 2);
        sSheet.assign(static_cast<size_t>(sSheetWidth) * sSheetHeight, 0xFF000000u);
    } else if (!gOptions.mVideo.empty()) {
        if (!VideoOpen(sVideo, gOptions.mVideo, myScreen.mWidth, myScreen.mHeight, gOptions.mFps))
            return false;
    } else if (!gOptions.mOutDir.empty()) {
        std::error_code myError;
        std::filesystem::create_directories(gOptions.mOutDir, myError);
        if (!std::filesystem::is_directory(gOptions.mOutDir, myError)) return false;
    }
    sActive = true;
    return true;
}

void RenderOutTurn() {
    if (!sActive || sDoneSent) return;
    const uint32_t myElapsed = ClockTicks() - sStart;
    while (sWritten < sTotal && myElapsed >= RenderFrameTime(sWritten)) {
        RenderWriteFrame(WindowSurface(kWinPaint));
        ++sWritten;
    }
    const bool myDemoOver = gOptions.mDemo && myElapsed >= kDemoLength;
    const bool myScriptOver = sUntilScriptEnds && !ScriptRunning();
    if ((sWritten >= sTotal && !gOptions.mDemo) || myDemoOver || myScriptOver || sFailed) {
        Message myMessage;
        myMessage.mKind = kMsgRenderDone;
        myMessage.mTime = ClockTicks();
        WindowPushMessage(myMessage);
        sDoneSent = true;
    }
}

bool RenderOutFinish() {
    if (!sActive) return true;
    sActive = false;
    VideoClose(sVideo);
    bool myOk = !sFailed;
    if (gOptions.mDemo) {
        myOk = myOk && ImageWritePngRgb(gOptions.mDemoPath, sSheet.data(), sSheetWidth, sSheetHeight);
        sSheet.clear();
    }
    return myOk;
}

int RenderOutFramesWritten() {
    return sWritten;
}

void RenderOutResetState() {
    VideoClose(sVideo);
    sStart = 0;
    sWritten = sTotal = 0;
    sActive = sDoneSent = sFailed = false;
    sSheet.clear();
    sSheetWidth = sSheetHeight = 0;
}
