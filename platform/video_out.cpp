// The video writer: each frame is turned into YUV planes on the drawing thread (which waits for the encoder
// otherwise) and queued for a second thread that encodes it (Y4M by hand, the compressed forms through
// FFmpeg), into a file beside the target that is renamed over it at the end.
#include "platform/video_out.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/video_encode.h"
#include "platform/video_yuv.h"

namespace {
// Enough to keep the encoder busy while the program draws; more would only hold memory. Big pictures queue
// fewer: at 3840 x 2160 one frame's planes take 12 MB (25 MB in Y4M's full colour).
constexpr size_t kQueueFrames = 4;
constexpr size_t kQueueBytes = 32 << 20;

// One frame's planes, Y then U then V, each row of a plane right after the one before.
struct VideoJob {
    std::vector<uint8_t> mPlanes;
};
} // namespace

struct VideoWriter {
    VideoSettings mSettings;
    VideoForm mForm = kVideoUnknown;
    std::string mPartPath;
    std::FILE* mY4m = nullptr;
    VideoEncoder* mEncoder = nullptr;
    int mChromaWidth = 0; // full for Y4M's 4:4:4, half (rounded up) for 4:2:0
    int mChromaHeight = 0;
    YuvTable mTable{}; // for the palette below; only the drawing thread touches these
    PaletteEntry mTablePalette[kPaletteSize];
    bool mHaveTable = false;

    std::thread mThread;
    std::mutex mLock;
    std::condition_variable mChanged;
    std::deque<VideoJob> mQueue;
    size_t mQueueMax = kQueueFrames;
    std::vector<VideoJob> mSpare;
    bool mClosing = false;
    bool mFailed = false; // set by the thread; mError says why
    std::string mError;
};

namespace {
bool VideoSamePalette(const PaletteEntry* myA, const PaletteEntry* myB) {
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        if (myA[myIndex].mRed != myB[myIndex].mRed || myA[myIndex].mGreen != myB[myIndex].mGreen ||
            myA[myIndex].mBlue != myB[myIndex].mBlue)
            return false;
    return true;
}

uint8_t* VideoPlane(const VideoWriter& myWriter, const VideoJob& myJob, int myPlane) {
    const size_t myLuma = static_cast<size_t>(myWriter.mSettings.mWidth) * myWriter.mSettings.mHeight;
    const size_t myChroma = static_cast<size_t>(myWriter.mChromaWidth) * myWriter.mChromaHeight;
    return const_cast<uint8_t*>(myJob.mPlanes.data()) + (myPlane ? myLuma + (myPlane - 1) * myChroma : 0);
}

// Y4M keeps full-resolution colour (4:4:4), so nothing of the picture is lost.
bool VideoY4mOpen(VideoWriter& myWriter, std::string& myError) {
    myWriter.mY4m = std::fopen(myWriter.mPartPath.c_str(), "wb");
    if (!myWriter.mY4m) {
        myError = "cannot write " + myWriter.mSettings.mPath + ": " + std::strerror(errno);
        return false;
    }
    std::fprintf(myWriter.mY4m, "YUV4MPEG2 W%d H%d F%d:1 Ip A1:1 C444\n", myWriter.mSettings.mWidth,
                 myWriter.mSettings.mHeight, myWriter.mSettings.mFps);
    return true;
}

bool VideoEncodeJob(VideoWriter& myWriter, const VideoJob& myJob, std::string& myError) {
    if (!myWriter.mY4m) {
        const uint8_t* const myPlanes[3] = {myJob.mPlanes.data(), VideoPlane(myWriter, myJob, 1),
                                            VideoPlane(myWriter, myJob, 2)};
        return VideoEncoderFrame(myWriter.mEncoder, myPlanes, myError);
    }
    if (std::fputs("FRAME\n", myWriter.mY4m) < 0 ||
        std::fwrite(myJob.mPlanes.data(), 1, myJob.mPlanes.size(), myWriter.mY4m) != myJob.mPlanes.size()) {
        myError = std::string("writing the video failed: ") + std::strerror(errno);
        return false;
    }
    return true;
}

// The encoding thread: takes frames in order until the writer closes and the queue is empty.
void VideoRun(VideoWriter* myWriter) {
    std::unique_lock<std::mutex> myLock(myWriter->mLock);
    for (;;) {
        myWriter->mChanged.wait(myLock, [&] { return !myWriter->mQueue.empty() || myWriter->mClosing; });
        if (myWriter->mQueue.empty()) return;
        VideoJob myJob = std::move(myWriter->mQueue.front());
        myWriter->mQueue.pop_front();
        const bool mySkip = myWriter->mFailed;
        myLock.unlock();
        std::string myError;
        const bool myOk = mySkip || VideoEncodeJob(*myWriter, myJob, myError);
        myLock.lock();
        if (!myOk) {
            myWriter->mFailed = true;
            myWriter->mError = myError;
        }
        myWriter->mSpare.push_back(std::move(myJob));
        myWriter->mChanged.notify_all();
    }
}

// Stops the thread after it has taken everything queued.
void VideoStopThread(VideoWriter& myWriter) {
    {
        std::lock_guard<std::mutex> myLock(myWriter.mLock);
        myWriter.mClosing = true;
    }
    myWriter.mChanged.notify_all();
    if (myWriter.mThread.joinable()) myWriter.mThread.join();
}

void VideoRelease(VideoOut& myVideo) {
    VideoWriter* myWriter = myVideo.mWriter;
    if (myWriter->mY4m) std::fclose(myWriter->mY4m);
    VideoEncoderFree(myWriter->mEncoder);
    delete myWriter;
    myVideo.mWriter = nullptr;
}
} // namespace

VideoForm VideoFormOfPath(const std::string& myPath) {
    std::string myExtension = std::filesystem::path(myPath).extension().string();
    for (char& myChar : myExtension)
        myChar = static_cast<char>(std::tolower(static_cast<unsigned char>(myChar)));
    if (myExtension == ".y4m") return kVideoY4m;
    if (myExtension == ".mp4") return kVideoMp4;
    if (myExtension == ".mkv") return kVideoMkv;
    if (myExtension == ".mov") return kVideoMov;
    if (myExtension == ".webm") return kVideoWebm;
    return kVideoUnknown;
}

const char* VideoFormList() {
    return ".mp4, .mkv, .mov (H.264 and AAC), .webm (VP9 and Opus) or .y4m (raw pictures)";
}

bool VideoOpen(VideoOut& myVideo, const VideoSettings& mySettings, std::string& myError) {
    VideoAbandon(myVideo);
    const VideoForm myForm = VideoFormOfPath(mySettings.mPath);
    if (myForm == kVideoUnknown) {
        myError = mySettings.mPath + ": unknown kind of video; name it " + VideoFormList();
        return false;
    }
    std::error_code myFault;
    if (std::filesystem::is_directory(mySettings.mPath, myFault)) {
        myError = "cannot write " + mySettings.mPath + ": it is a folder";
        return false;
    }
    VideoWriter* myWriter = new VideoWriter;
    myVideo.mWriter = myWriter;
    myWriter->mSettings = mySettings;
    myWriter->mForm = myForm;
    // A name that no player takes for a finished video, unique to this run.
    myWriter->mPartPath = mySettings.mPath + "." + std::to_string(::getpid()) + ".part";
    const bool myFullColour = myForm == kVideoY4m;
    myWriter->mChromaWidth = myFullColour ? mySettings.mWidth : (mySettings.mWidth + 1) / 2;
    myWriter->mChromaHeight = myFullColour ? mySettings.mHeight : (mySettings.mHeight + 1) / 2;
    const size_t myFrameBytes = static_cast<size_t>(mySettings.mWidth) * mySettings.mHeight +
                                2 * static_cast<size_t>(myWriter->mChromaWidth) * myWriter->mChromaHeight;
    myWriter->mQueueMax =
        std::clamp<size_t>(kQueueBytes / std::max<size_t>(myFrameBytes, 1), 1, kQueueFrames);
    const bool myOk = myForm == kVideoY4m
                          ? VideoY4mOpen(*myWriter, myError)
                          : (myWriter->mEncoder = VideoEncoderOpen(mySettings, myForm, myWriter->mPartPath,
                                                                   myError)) != nullptr;
    if (!myOk) {
        VideoAbandon(myVideo);
        return false;
    }
    myWriter->mThread = std::thread(VideoRun, myWriter);
    return true;
}

bool VideoWriteFrame(VideoOut& myVideo, const Surface& mySurface, const PaletteEntry* myPalette) {
    VideoWriter* myWriter = myVideo.mWriter;
    if (!myWriter || mySurface.mWidth != myWriter->mSettings.mWidth ||
        mySurface.mHeight != myWriter->mSettings.mHeight)
        return false;
    VideoJob myJob;
    {
        std::unique_lock<std::mutex> myLock(myWriter->mLock);
        myWriter->mChanged.wait(
            myLock, [&] { return myWriter->mQueue.size() < myWriter->mQueueMax || myWriter->mFailed; });
        if (myWriter->mFailed) return false;
        if (!myWriter->mSpare.empty()) {
            myJob = std::move(myWriter->mSpare.back());
            myWriter->mSpare.pop_back();
        }
    }
    if (!myWriter->mHaveTable || !VideoSamePalette(myPalette, myWriter->mTablePalette)) {
        YuvMakeTable(myWriter->mTable, myPalette, myWriter->mY4m ? kYuvBt601 : kYuvBt709);
        std::copy(myPalette, myPalette + kPaletteSize, myWriter->mTablePalette);
        myWriter->mHaveTable = true;
    }
    const int myWidth = mySurface.mWidth, myHeight = mySurface.mHeight;
    myJob.mPlanes.resize(static_cast<size_t>(myWidth) * myHeight +
                         2 * static_cast<size_t>(myWriter->mChromaWidth) * myWriter->mChromaHeight);
    uint8_t* const myPlanes[3] = {myJob.mPlanes.data(), VideoPlane(*myWriter, myJob, 1),
                                  VideoPlane(*myWriter, myJob, 2)};
    const int myStrides[3] = {myWidth, myWriter->mChromaWidth, myWriter->mChromaWidth};
    if (myWriter->mY4m)
        YuvConvert444(myWriter->mTable, mySurface.mPixels.data(), mySurface.mPitch, myWidth, myHeight,
                      myPlanes, myStrides);
    else
        YuvConvert420(myWriter->mTable, mySurface.mPixels.data(), mySurface.mPitch, myWidth, myHeight,
                      myPlanes, myStrides);
    {
        std::lock_guard<std::mutex> myLock(myWriter->mLock);
        myWriter->mQueue.push_back(std::move(myJob));
    }
    myWriter->mChanged.notify_all();
    return true;
}

void VideoWriteSound(VideoOut& myVideo, const int16_t* myStereo, int myFrames) {
    if (myVideo.mWriter && myVideo.mWriter->mEncoder)
        VideoEncoderSound(myVideo.mWriter->mEncoder, myStereo, myFrames);
}

bool VideoFinish(VideoOut& myVideo, std::string& myError) {
    VideoWriter* myWriter = myVideo.mWriter;
    if (!myWriter) return true;
    VideoStopThread(*myWriter);
    bool myOk = !myWriter->mFailed;
    myError = myWriter->mError;
    if (myOk && myWriter->mEncoder) myOk = VideoEncoderFinish(myWriter->mEncoder, myError);
    if (myOk && myWriter->mY4m) {
        myOk = std::fclose(myWriter->mY4m) == 0;
        myWriter->mY4m = nullptr;
        if (!myOk) myError = std::string("writing the video failed: ") + std::strerror(errno);
    }
    if (myOk) {
        std::error_code myFault;
        std::filesystem::rename(myWriter->mPartPath, myWriter->mSettings.mPath, myFault);
        if (myFault) {
            myOk = false;
            myError = "cannot write " + myWriter->mSettings.mPath + ": " + myFault.message();
        }
    }
    if (!myOk) {
        VideoAbandon(myVideo);
        return false;
    }
    VideoRelease(myVideo);
    return true;
}

void VideoAbandon(VideoOut& myVideo) {
    VideoWriter* myWriter = myVideo.mWriter;
    if (!myWriter) return;
    {
        // Frames still queued are not worth encoding any more.
        std::lock_guard<std::mutex> myLock(myWriter->mLock);
        myWriter->mQueue.clear();
    }
    VideoStopThread(*myWriter);
    const std::string myPart = myWriter->mPartPath;
    VideoRelease(myVideo);
    std::error_code myFault;
    std::filesystem::remove(myPart, myFault);
}

bool VideoIsOpen(const VideoOut& myVideo) {
    return myVideo.mWriter != nullptr;
}
