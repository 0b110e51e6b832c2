// Frames of a headless run, taken from the animation window through the palette of that moment.
#include "shell/render_out.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/audio_file.h"
#include "platform/audioin.h"
#include "platform/clock.h"
#include "platform/image_out.h"
#include "platform/palette.h"
#include "platform/script.h"
#include "platform/text_out.h"
#include "platform/video_out.h"
#include "platform/window.h"
#include "shell/options.h"
#include "shell/render_progress.h"
#include "sound/search.h"

namespace {
constexpr int kSheetColumns = 4;
constexpr int kSheetFrames = 16;
constexpr uint32_t kDemoLength = 10000; // ms of virtual time
constexpr double kDemoTempo = 120;      // beats per minute of the demo's click track
constexpr int kDefaultSeconds = 10;     // the length of a run without a song or --frames
constexpr double kProgressEvery = 0.1;  // seconds of real time between redraws of the progress line

uint32_t sStart = 0;
int sWritten = 0;
int sTotal = 0;
bool sActive = false;
bool sDoneSent = false;
bool sFailed = false;
std::string sFailure;
bool sUntilScriptEnds = false;
VideoOut sVideo;
std::vector<uint32_t> sSheet;
int sSheetWidth = 0;
int sSheetHeight = 0;
bool sProgress = false;
double sProgressStart = 0;
double sProgressShown = 0;
// The folders --out made for this run, outermost first: a run that never began takes them away again.
std::vector<std::filesystem::path> sMadeFolders;

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
    } else if (VideoIsOpen(sVideo)) {
        if (!VideoWriteFrame(sVideo, myFrame, gPalette)) sFailed = true;
    } else if (!gOptions.mOutDir.empty()) {
        char myName[32];
        std::snprintf(myName, sizeof(myName), "/frame-%06d.png", sWritten);
        if (!ImageWritePng(gOptions.mOutDir + myName, myFrame, gPalette)) {
            sFailed = true;
            sFailure = "cannot write " + gOptions.mOutDir + myName + ": " + std::strerror(errno);
        }
    }
}

void RenderShowProgress(bool myLast) {
    if (!sProgress) return;
    const double myNow = ClockRealSeconds();
    if (!myLast && myNow - sProgressShown < kProgressEvery) return;
    sProgressShown = myNow;
    TextOutStatus(RenderProgressLine(sWritten, sTotal, myNow - sProgressStart).c_str());
    if (myLast) TextOutStatusEnd();
}

// Frames that cover the whole song: the last one shows its final moment.
int RenderSongFrames(std::string& myError) {
    AudioFileStream mySong;
    if (!AudioFileOpenStream(mySong, gOptions.mAudio, myError)) return -1;
    const int64_t myFrames = (mySong.mFrames * gOptions.mFps + mySong.mRate - 1) / mySong.mRate;
    AudioFileCloseStream(mySong);
    return static_cast<int>(std::min<int64_t>(myFrames, 100000000));
}
} // namespace

// The headless source stands where a desktop's microphone would, so it is the one heard by default.
bool RenderOutSetUpSound(std::string& myError) {
    AudioInClearSignals();
    if (!gOptions.mAudio.empty()) {
        const std::string myName = std::filesystem::path(gOptions.mAudio).stem().string();
        return AudioInAddFile(myName.c_str(), kAudioTypeMicrophone, gOptions.mAudio, myError);
    }
    if (gOptions.mDemo || gOptions.mClicks) {
        AudioInAddSignal("Click Track", kAudioTypeMicrophone, kSignalClicks,
                         gOptions.mClicks ? gOptions.mClicks : kDemoTempo);
    } else {
        AudioInAddSignal("Silence", kAudioTypeMicrophone, kSignalSilence, 0);
        gSearchSilenceMeant = gOptions.mDisc.empty();
    }
    return true;
}

bool RenderOutOpen(std::string& myError) {
    if (gOptions.mDemo) {
        sTotal = kSheetFrames;
        return true;
    }
    // A scripted session without a frame count lasts as long as its script.
    sUntilScriptEnds = !gOptions.mScript.empty() && gOptions.mFrames <= 0;
    sTotal = gOptions.mFrames > 0 ? gOptions.mFrames
             : sUntilScriptEnds   ? INT32_MAX
                                  : kDefaultSeconds * gOptions.mFps;
    if (gOptions.mFrames <= 0 && !sUntilScriptEnds && !gOptions.mAudio.empty()) {
        sTotal = RenderSongFrames(myError);
        if (sTotal < 0) return false;
    }
    if (!gOptions.mVideo.empty()) {
        VideoSettings mySettings;
        mySettings.mPath = gOptions.mVideo;
        mySettings.mWidth = gOptions.mWidth;
        mySettings.mHeight = gOptions.mHeight;
        mySettings.mFps = gOptions.mFps;
        mySettings.mQuality = gOptions.mQuality;
        mySettings.mSound = gOptions.mAudio;
        mySettings.mFrames = sUntilScriptEnds ? 0 : sTotal;
        return VideoOpen(sVideo, mySettings, myError);
    }
    if (!gOptions.mOutDir.empty()) {
        std::error_code myFault;
        sMadeFolders.clear();
        for (std::filesystem::path myFolder = std::filesystem::absolute(gOptions.mOutDir, myFault);
             !myFolder.empty() &&
             !std::filesystem::exists(std::filesystem::symlink_status(myFolder, myFault));
             myFolder = myFolder.parent_path()) {
            sMadeFolders.insert(sMadeFolders.begin(), myFolder);
            if (myFolder == myFolder.parent_path()) break;
        }
        std::filesystem::create_directories(gOptions.mOutDir, myFault);
        std::error_code myLook;
        if (!std::filesystem::is_directory(gOptions.mOutDir, myLook)) {
            myError = "cannot write frames into the folder " + gOptions.mOutDir +
                      (myFault ? ": " + myFault.message() : ": a file has its name");
            RenderOutDiscard();
            return false;
        }
    }
    return true;
}

void RenderOutStart() {
    sStart = ClockTicks();
    sWritten = 0;
    sDoneSent = false;
    sFailed = false;
    sFailure.clear();
    const Surface& myScreen = WindowSurface(kWinPaint);
    if (gOptions.mDemo) {
        sSheetWidth = kSheetColumns * (myScreen.mWidth / 2);
        sSheetHeight = kSheetColumns * (myScreen.mHeight / 2);
        sSheet.assign(static_cast<size_t>(sSheetWidth) * sSheetHeight, 0xFF000000u);
    }
    // A script's length is unknown until it has run, so it gets no progress line.
    sProgress = !gOptions.mDemo && !sUntilScriptEnds && !gOptions.mQuiet && TextOutStatusShown();
    sProgressStart = ClockRealSeconds();
    sProgressShown = 0;
    sActive = true;
}

void RenderOutTurn() {
    if (!sActive || sDoneSent) return;
    const uint32_t myElapsed = ClockTicks() - sStart;
    const int myBefore = sWritten;
    while (sWritten < sTotal && myElapsed >= RenderFrameTime(sWritten) && !sFailed) {
        RenderWriteFrame(WindowSurface(kWinPaint));
        ++sWritten;
    }
    if (sWritten != myBefore) RenderShowProgress(false);
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

bool RenderOutFinish(std::string& myError) {
    if (!sActive) return true;
    sActive = false;
    sMadeFolders.clear();
    bool myOk = !sFailed;
    myError = sFailure;
    if (VideoIsOpen(sVideo)) {
        std::string myVideoError;
        if (!VideoFinish(sVideo, myVideoError)) {
            myOk = false;
            if (myError.empty()) myError = myVideoError;
        }
    }
    // The last line counts the encoder's finishing too.
    if (myOk)
        RenderShowProgress(true);
    else if (sProgress)
        TextOutStatusEnd();
    if (gOptions.mDemo) {
        if (myOk && !ImageWritePngRgb(gOptions.mDemoPath, sSheet.data(), sSheetWidth, sSheetHeight)) {
            myOk = false;
            myError = "cannot write " + gOptions.mDemoPath;
        }
        sSheet.clear();
    }
    if (!myOk && myError.empty()) myError = "writing the frames failed";
    return myOk;
}

void RenderOutDiscard() {
    VideoAbandon(sVideo);
    // Only folders left empty go: frames a run wrote before it was stopped stay with the user.
    for (auto myFolder = sMadeFolders.rbegin(); myFolder != sMadeFolders.rend(); ++myFolder) {
        std::error_code myFault;
        std::filesystem::remove(*myFolder, myFault);
    }
    sMadeFolders.clear();
}

int RenderOutFramesWritten() {
    return sWritten;
}

int RenderOutFramesTotal() {
    return sTotal;
}

void RenderOutResetState() {
    VideoAbandon(sVideo);
    sStart = 0;
    sWritten = 0;
    sTotal = 0;
    sActive = false;
    sDoneSent = false;
    sFailed = false;
    sFailure.clear();
    sUntilScriptEnds = false;
    sSheet.clear();
    sSheetWidth = 0;
    sSheetHeight = 0;
    sProgress = false;
    sProgressStart = 0;
    sProgressShown = 0;
    sMadeFolders.clear();
}
