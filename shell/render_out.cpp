// Frames of a headless run, taken from the animation window through the palette of that moment.
#include "shell/render_out.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/state.h"
#include "music/music.h"
#include "platform/audio_file.h"
#include "platform/audioin.h"
#include "platform/cdaudio.h"
#include "platform/clock.h"
#include "platform/image_out.h"
#include "platform/palette.h"
#include "platform/script.h"
#include "platform/text_out.h"
#include "platform/video_out.h"
#include "platform/window.h"
#include "shell/options.h"
#include "shell/render_disc.h"
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
// The folders --out or a folder of videos made for this run, outermost first: a run that never began takes
// them away again.
std::vector<std::filesystem::path> sMadeFolders;
// A run of the disc without --frames lasts as long as its track, or with a folder of videos as its tracks
// from the first one on; frames are counted from the start of the track, as its song time.
bool sDiscRun = false;
bool sDiscSound = false; // the video carries the disc's sound
int sTrack = -1;         // the track being rendered (-1 before the disc plays)
int sLastTrack = -1;     // a folder of videos: the last track it takes
int sDoneBefore = 0;     // frames of the tracks finished before this one
int sDiscTotal = 0;      // frames of every track the run renders, for the progress line

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
    const int myTotal = sDiscTotal > 0 ? sDiscTotal : sTotal;
    TextOutStatus(RenderProgressLine(sDoneBefore + sWritten, myTotal, myNow - sProgressStart).c_str());
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

// Makes the folder frames or videos go into (noting the folders made); false with a message.
bool RenderMakeFolder(const std::string& myPath, const char* myWhat, std::string& myError) {
    std::error_code myFault;
    sMadeFolders.clear();
    for (std::filesystem::path myFolder = std::filesystem::absolute(myPath, myFault);
         !myFolder.empty() && !std::filesystem::exists(std::filesystem::symlink_status(myFolder, myFault));
         myFolder = myFolder.parent_path()) {
        sMadeFolders.insert(sMadeFolders.begin(), myFolder);
        if (myFolder == myFolder.parent_path()) break;
    }
    std::filesystem::create_directories(myPath, myFault);
    std::error_code myLook;
    if (!std::filesystem::is_directory(myPath, myLook)) {
        myError = std::string("cannot write ") + myWhat + " into the folder " + myPath +
                  (myFault ? ": " + myFault.message() : ": a file has its name");
        RenderOutDiscard();
        return false;
    }
    return true;
}

VideoSettings RenderVideoSettings(const std::string& myPath) {
    VideoSettings mySettings;
    mySettings.mPath = myPath;
    mySettings.mWidth = gOptions.mWidth;
    mySettings.mHeight = gOptions.mHeight;
    mySettings.mFps = gOptions.mFps;
    mySettings.mQuality = gOptions.mQuality;
    mySettings.mSound = gOptions.mAudio;
    if (sDiscSound) mySettings.mSoundRate = kCDSampleRate;
    mySettings.mFrames = sUntilScriptEnds || sDiscRun ? 0 : sTotal;
    return mySettings;
}

void RenderFail(const std::string& myWhy) {
    if (sFailed) return;
    sFailed = true;
    sFailure = myWhy;
}

// Completes the video of a track: the rest of its sound, to its full length, and the file put in place.
void RenderEndVideo() {
    if (!VideoIsOpen(sVideo)) return;
    if (sDiscSound) RenderDiscSoundFlush(sVideo, int64_t(sWritten) * kCDSampleRate / gOptions.mFps);
    std::string myError;
    if (!VideoFinish(sVideo, myError)) RenderFail(myError);
}

// A folder of videos: the next track's video opens once that track plays, its frames counted from its start.
bool RenderBeginTrack() {
    if (!gStatePlay || gTrackCurrent != sTrack) return false;
    sStart = gTimer;
    sWritten = 0;
    sTotal = RenderDiscTrackFrames(sTrack, gOptions.mFps);
    const std::filesystem::path myPath = std::filesystem::path(gOptions.mVideo) / RenderDiscVideoName(sTrack);
    std::string myError;
    if (!VideoOpen(sVideo, RenderVideoSettings(myPath.string()), myError)) {
        RenderFail(myError);
        return true;
    }
    RenderDiscSoundStart(sStart);
    return true;
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
    // A scripted session without a frame count lasts as long as its script, a folder of videos as its disc.
    sUntilScriptEnds = !gOptions.mScript.empty() && gOptions.mFrames <= 0 && !gOptions.mVideoFolder;
    sDiscRun = !gOptions.mDisc.empty() && gOptions.mFrames <= 0 && !sUntilScriptEnds;
    sDiscSound = !gOptions.mDisc.empty() && !gOptions.mVideo.empty();
    sTotal = gOptions.mFrames > 0 ? gOptions.mFrames
             : sUntilScriptEnds   ? INT32_MAX
                                  : kDefaultSeconds * gOptions.mFps;
    if (gOptions.mFrames <= 0 && !sUntilScriptEnds && !gOptions.mAudio.empty()) {
        sTotal = RenderSongFrames(myError);
        if (sTotal < 0) return false;
    }
    // The disc's sound is kept from its first sample on.
    if (sDiscSound) RenderDiscListen();
    if (gOptions.mVideoFolder) return RenderMakeFolder(gOptions.mVideo, "videos", myError);
    if (!gOptions.mVideo.empty()) return VideoOpen(sVideo, RenderVideoSettings(gOptions.mVideo), myError);
    if (!gOptions.mOutDir.empty()) return RenderMakeFolder(gOptions.mOutDir, "frames", myError);
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
    sDoneBefore = 0;
    sDiscTotal = 0;
    sActive = true;
    if (gOptions.mDisc.empty()) return;
    // Frames follow the song's time, so a replay gives the same frames in every output.
    if (gStateCD && gStatePlay) {
        sStart = gTimer;
        sTrack = gTrackCurrent;
    } else if (gOptions.mVideoFolder) {
        RenderFail("--disc " + gOptions.mDisc + ": no track plays, so there is nothing to render");
        return;
    }
    if (sDiscRun && sTrack >= 0) {
        sTotal = RenderDiscTrackFrames(sTrack, gOptions.mFps);
        sLastTrack = gOptions.mVideoFolder ? gTrackTotal - 1 : sTrack;
        for (int myTrack = sTrack; myTrack <= sLastTrack; ++myTrack)
            sDiscTotal += RenderDiscTrackFrames(myTrack, gOptions.mFps);
    }
    if (gOptions.mVideoFolder)
        RenderBeginTrack();
    else if (sDiscSound)
        RenderDiscSoundStart(sStart);
}

void RenderOutTurn() {
    if (!sActive || sDoneSent) return;
    // Between two tracks' videos: waits for the next track to play.
    if (gOptions.mVideoFolder && !VideoIsOpen(sVideo) && !sFailed && !RenderBeginTrack()) return;
    const uint32_t myElapsed = ClockTicks() - sStart;
    const int myBefore = sWritten;
    while (sWritten < sTotal && myElapsed >= RenderFrameTime(sWritten) && !sFailed) {
        RenderWriteFrame(WindowSurface(kWinPaint));
        ++sWritten;
    }
    if (sWritten != myBefore) {
        if (sDiscSound && VideoIsOpen(sVideo)) RenderDiscSoundFlush(sVideo, 0);
        RenderShowProgress(false);
    }
    const bool myTrackOver = gOptions.mVideoFolder && sWritten >= sTotal && !sFailed;
    if (myTrackOver) {
        RenderEndVideo();
        sDoneBefore += sWritten;
        sWritten = 0;
        if (sTrack < sLastTrack) {
            ++sTrack;
            return;
        }
    }
    const bool myDemoOver = gOptions.mDemo && myElapsed >= kDemoLength;
    const bool myScriptOver = sUntilScriptEnds && !ScriptRunning();
    if ((sWritten >= sTotal && !gOptions.mDemo) || myTrackOver || myDemoOver || myScriptOver || sFailed) {
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
    if (!sFailed) RenderEndVideo();
    CDAudioSetSinkTap(nullptr);
    bool myOk = !sFailed;
    myError = sFailure;
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
    RenderDiscResetState();
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
    sDiscRun = false;
    sDiscSound = false;
    sTrack = -1;
    sLastTrack = -1;
    sDoneBefore = 0;
    sDiscTotal = 0;
    RenderDiscResetState();
}
