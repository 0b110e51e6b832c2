// H.264 or VP9 pictures with AAC or Opus sound, through libavformat, libavcodec and libswresample. The sound
// is encoded on a thread of its own, ahead of the pictures; the pictures' thread alone writes the file and
// lays the sound's packets in as the pictures reach their time.
#include "platform/video_encode.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/mathematics.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio_file.h"

struct VideoEncoder {
    VideoForm mForm = kVideoMp4;
    int mWidth = 0;
    int mHeight = 0;
    int mFps = 30;
    AVFormatContext* mFormat = nullptr;
    AVCodecContext* mVideo = nullptr;
    AVStream* mVideoStream = nullptr;
    AVCodecContext* mAudio = nullptr;
    AVStream* mAudioStream = nullptr;
    AVFrame* mPicture = nullptr;
    AVFrame* mSound = nullptr;
    AVPacket* mPacket = nullptr;      // the pictures' thread's
    AVPacket* mSoundPacket = nullptr; // the sound thread's
    SwrContext* mResampler = nullptr;
    AVAudioFifo* mFifo = nullptr;
    uint8_t** mConverted = nullptr; // the resampler's output, before it is cut into the encoder's frames
    int mConvertedCapacity = 0;
    AudioFileStream mSong; // a song handed over while rendering has no file: only its rate and channels
    bool mHandedOver = false;
    std::vector<float> mBlock;
    int64_t mSongRead = 0; // frames of the song taken in
    int64_t mSoundPts = 0; // samples handed to the sound encoder
    int64_t mPictures = 0; // pictures handed to the picture encoder
    bool mSongOver = false;
    // Frames of the song under the pictures: the planned ones (all of it when unknown), cut to the pictures
    // written when they end.
    std::atomic<int64_t> mSongUntil{0};

    std::thread mSoundThread;
    std::atomic<bool> mSoundStop{false};
    std::mutex mSoundLock;                 // guards the six below
    std::condition_variable mSoundChanged; // a packet queued or taken, sound handed over, the end moved
    std::deque<AVPacket*> mSoundPackets;   // encoded, in the stream's time base, not yet written
    std::deque<float> mHanded;             // sound handed over and not yet taken in, interleaved
    bool mHandedEnd = false;               // no more will be handed over
    bool mSoundOver = false;
    bool mSoundFailed = false;
    std::string mSoundError;
};

namespace {
constexpr int kSongBlock = 4096; // frames of the song read at a time
// The sound runs ahead of the pictures by at most this many packets (some 10 s), so a long song is not held
// whole in memory.
constexpr size_t kSoundPacketsAhead = 512;

std::string VideoAvError(int myCode) {
    char myText[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(myCode, myText, sizeof(myText));
    return myText;
}

const char* VideoMuxerName(VideoForm myForm) {
    switch (myForm) {
    case kVideoMkv:
        return "matroska";
    case kVideoMov:
        return "mov";
    case kVideoWebm:
        return "webm";
    default:
        return "mp4";
    }
}

bool VideoWritePacket(VideoEncoder& myEncoder, AVPacket* myPacket, std::string& myError) {
    const int myWritten = av_interleaved_write_frame(myEncoder.mFormat, myPacket);
    if (myWritten < 0) myError = "writing the video failed: " + VideoAvError(myWritten);
    return myWritten >= 0;
}

// Takes every packet the encoder has ready: the pictures' go into the file (interleaved by time), the
// sound's wait in the queue for their pictures.
bool VideoDrain(VideoEncoder& myEncoder, AVCodecContext* myCodec, AVStream* myStream, std::string& myError) {
    const bool mySound = myCodec == myEncoder.mAudio;
    AVPacket* myPacket = mySound ? myEncoder.mSoundPacket : myEncoder.mPacket;
    for (;;) {
        const int myResult = avcodec_receive_packet(myCodec, myPacket);
        if (myResult == AVERROR(EAGAIN) || myResult == AVERROR_EOF) return true;
        if (myResult < 0) {
            myError = "encoding failed: " + VideoAvError(myResult);
            return false;
        }
        av_packet_rescale_ts(myPacket, myCodec->time_base, myStream->time_base);
        myPacket->stream_index = myStream->index;
        if (mySound) {
            AVPacket* myKept = av_packet_alloc();
            if (!myKept) {
                myError = "out of memory";
                return false;
            }
            av_packet_move_ref(myKept, myPacket);
            {
                std::lock_guard<std::mutex> myLock(myEncoder.mSoundLock);
                myEncoder.mSoundPackets.push_back(myKept);
            }
            myEncoder.mSoundChanged.notify_all();
            continue;
        }
        const int myWritten = av_interleaved_write_frame(myEncoder.mFormat, myPacket);
        if (myWritten < 0) {
            myError = "writing the video failed: " + VideoAvError(myWritten);
            return false;
        }
    }
}

// A null frame asks the encoder for everything it still holds.
bool VideoSend(VideoEncoder& myEncoder, AVCodecContext* myCodec, AVStream* myStream, const AVFrame* myFrame,
               std::string& myError) {
    const int myResult = avcodec_send_frame(myCodec, myFrame);
    if (myResult < 0) {
        myError = "encoding failed: " + VideoAvError(myResult);
        return false;
    }
    return VideoDrain(myEncoder, myCodec, myStream, myError);
}

// An encoder's memory grows with the picture: a base (the frame being encoded, its references, the writer's
// queue, the program's own pictures) and every frame it holds ahead of the one being encoded (B-frames
// waiting for a later frame, the look-ahead, one frame for each thread that encodes a frame of its own). Both
// are in bytes a pixel, measured at 3840 x 2160; they decide how many frames a picture of a given size may
// hold, so a video of any size stays near kVideoMemory where the encoder allows it. Up to 1920 x 1080 every
// setting is as the quality asks.
constexpr int64_t kVideoMemory = 360ll << 20;
struct VideoHeldCost {
    int mBase;
    int mFrame;
};
constexpr VideoHeldCost kH264Cost[] = {{26, 6}, {34, 9}, {34, 9}}; // fast, good, small
constexpr VideoHeldCost kVp9Cost{84, 2};

int VideoHeldFrames(int64_t myPixels, VideoHeldCost myCost) {
    const int64_t myRoom = kVideoMemory / std::max<int64_t>(myPixels, 1) - myCost.mBase;
    return myRoom <= 0 ? 0 : static_cast<int>(std::min<int64_t>(myRoom / myCost.mFrame, 64));
}

// x264's own choices at each quality (the animation tuning adds two B-frames and doubles the references).
struct VideoH264Held {
    int mBFrames;
    int mLookAhead;
    int mRefs;
};
constexpr VideoH264Held kH264Held[] = {{8, 0, 1}, {3, 10, 1}, {5, 20, 4}};

// B-frames, look-ahead and references cut to what the picture's size may hold; threads that would each hold a
// frame of their own share the frame in slices instead.
std::string VideoH264Params(VideoQuality myQuality, int64_t myPixels) {
    const VideoH264Held& myChoice = kH264Held[myQuality];
    const int myHeld = VideoHeldFrames(myPixels, kH264Cost[myQuality]);
    const int myThreads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency())) * 3 / 2;
    std::string myParams = "bframes=" + std::to_string(std::min(myChoice.mBFrames, myHeld));
    if (myChoice.mLookAhead > myHeld) myParams += ":rc-lookahead=" + std::to_string(myHeld);
    if (myChoice.mRefs > std::max(myHeld, 1)) myParams += ":ref=" + std::to_string(std::max(myHeld, 1));
    if (myThreads + myChoice.mBFrames > myHeld) myParams += ":sliced-threads=1";
    return myParams;
}

// Encoder settings for flat 8-bit art: large areas of one colour, hard edges, colours that cycle.
void VideoPictureOptions(VideoForm myForm, VideoQuality myQuality, int64_t myPixels,
                         AVDictionary** myOptions) {
    if (myForm == kVideoWebm) {
        static const char* const kSpeed[] = {"8", "7", "5"};
        av_dict_set(myOptions, "deadline", myQuality == kVideoSmall ? "good" : "realtime", 0);
        av_dict_set(myOptions, "cpu-used", kSpeed[myQuality], 0);
        // libvpx works on one thread unless told otherwise; rows and tile columns let it use them all.
        av_dict_set(myOptions, "row-mt", "1", 0);
        av_dict_set(myOptions, "tile-columns", "2", 0);
        av_dict_set(myOptions, "threads",
                    std::to_string(std::max(2u, std::thread::hardware_concurrency())).c_str(), 0);
        av_dict_set(myOptions, "crf", "32", 0);
        av_dict_set(myOptions, "b", "0", 0);
        // libvpx looks 25 frames ahead unless told otherwise.
        av_dict_set(myOptions, "lag-in-frames",
                    std::to_string(std::min(25, VideoHeldFrames(myPixels, kVp9Cost))).c_str(), 0);
        return;
    }
    // Most of the picture moves little from frame to frame, so B-frames halve the bits of the fastest preset
    // and cost nothing; the slower presets search motion better and, with the animation tuning, keep hard
    // edges clean at a higher quantizer.
    switch (myQuality) {
    case kVideoFast:
        av_dict_set(myOptions, "preset", "ultrafast", 0);
        av_dict_set(myOptions, "crf", "23", 0);
        break;
    case kVideoGood:
        av_dict_set(myOptions, "preset", "veryfast", 0);
        av_dict_set(myOptions, "crf", "23", 0);
        break;
    case kVideoSmall:
        av_dict_set(myOptions, "preset", "faster", 0);
        av_dict_set(myOptions, "tune", "animation", 0);
        av_dict_set(myOptions, "crf", "26", 0);
        break;
    }
    av_dict_set(myOptions, "x264-params", VideoH264Params(myQuality, myPixels).c_str(), 0);
}

// FFmpeg's own AAC encoder spends a third of a fast video's time in its default search; its fast coder with
// left and right coded apart costs a quarter of that and still sounds clean at this rate.
void VideoSoundOptions(VideoForm myForm, VideoQuality myQuality, AVDictionary** myOptions) {
    if (myForm == kVideoWebm || myQuality == kVideoSmall) return;
    av_dict_set(myOptions, "aac_coder", "fast", 0);
    av_dict_set(myOptions, "aac_is", "0", 0);
    av_dict_set(myOptions, "aac_ms", "0", 0);
}

bool VideoOpenPicture(VideoEncoder& myEncoder, const VideoSettings& mySettings, std::string& myError) {
    const bool myVp9 = myEncoder.mForm == kVideoWebm;
    const AVCodec* myCodec = avcodec_find_encoder_by_name(myVp9 ? "libvpx-vp9" : "libx264");
    if (!myCodec) myCodec = avcodec_find_encoder(myVp9 ? AV_CODEC_ID_VP9 : AV_CODEC_ID_H264);
    if (!myCodec) {
        myError =
            myVp9 ? "this system's FFmpeg has no VP9 encoder" : "this system's FFmpeg has no H.264 encoder";
        return false;
    }
    AVCodecContext* myContext = avcodec_alloc_context3(myCodec);
    myEncoder.mVideo = myContext;
    if (!myContext) {
        myError = "out of memory";
        return false;
    }
    myContext->width = mySettings.mWidth;
    myContext->height = mySettings.mHeight;
    myContext->time_base = AVRational{1, mySettings.mFps};
    myContext->framerate = AVRational{mySettings.mFps, 1};
    myContext->pix_fmt = AV_PIX_FMT_YUV420P;
    myContext->color_range = AVCOL_RANGE_MPEG;
    myContext->colorspace = AVCOL_SPC_BT709;
    myContext->color_primaries = AVCOL_PRI_BT709;
    myContext->color_trc = AVCOL_TRC_BT709;
    myContext->gop_size = 5 * mySettings.mFps; // a key frame every 5 s, so players can seek
    if (myEncoder.mFormat->oformat->flags & AVFMT_GLOBALHEADER)
        myContext->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* myOptions = nullptr;
    VideoPictureOptions(myEncoder.mForm, mySettings.mQuality,
                        static_cast<int64_t>(mySettings.mWidth) * mySettings.mHeight, &myOptions);
    const int myResult = avcodec_open2(myContext, myCodec, &myOptions);
    av_dict_free(&myOptions);
    if (myResult < 0) {
        myError = std::string("cannot start the ") + myCodec->name + " encoder: " + VideoAvError(myResult);
        return false;
    }
    myEncoder.mVideoStream = avformat_new_stream(myEncoder.mFormat, nullptr);
    myEncoder.mPicture = av_frame_alloc();
    if (!myEncoder.mVideoStream || !myEncoder.mPicture) {
        myError = "out of memory";
        return false;
    }
    myEncoder.mVideoStream->time_base = myContext->time_base;
    myEncoder.mVideoStream->avg_frame_rate = myContext->framerate;
    avcodec_parameters_from_context(myEncoder.mVideoStream->codecpar, myContext);
    myEncoder.mPicture->format = myContext->pix_fmt;
    myEncoder.mPicture->width = myContext->width;
    myEncoder.mPicture->height = myContext->height;
    if (av_frame_get_buffer(myEncoder.mPicture, 0) < 0) {
        myError = "out of memory";
        return false;
    }
    return true;
}

int VideoSoundRate(const AVCodec* myCodec, int mySongRate) {
    if (!myCodec->supported_samplerates) return mySongRate;
    int myBest = 0;
    for (const int* myRate = myCodec->supported_samplerates; *myRate; ++myRate) {
        if (*myRate == mySongRate) return mySongRate;
        if (*myRate == 48000 || !myBest) myBest = *myRate;
    }
    return myBest;
}

bool VideoOpenSound(VideoEncoder& myEncoder, const VideoSettings& mySettings, std::string& myError) {
    myEncoder.mHandedOver = mySettings.mSound.empty();
    if (myEncoder.mHandedOver) {
        myEncoder.mSong.mRate = mySettings.mSoundRate;
        myEncoder.mSong.mChannels = mySettings.mSoundChannels;
    } else if (!AudioFileOpenStream(myEncoder.mSong, mySettings.mSound, myError)) {
        return false;
    }
    const bool myOpus = myEncoder.mForm == kVideoWebm;
    const AVCodec* myCodec =
        myOpus ? avcodec_find_encoder_by_name("libopus") : avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!myCodec) {
        myError =
            myOpus ? "this system's FFmpeg has no Opus encoder" : "this system's FFmpeg has no AAC encoder";
        return false;
    }
    AVCodecContext* myContext = avcodec_alloc_context3(myCodec);
    myEncoder.mAudio = myContext;
    if (!myContext) {
        myError = "out of memory";
        return false;
    }
    const int myChannels = std::min(myEncoder.mSong.mChannels, 2);
    av_channel_layout_default(&myContext->ch_layout, myChannels);
    myContext->sample_fmt = myCodec->sample_fmts ? myCodec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
    myContext->sample_rate = VideoSoundRate(myCodec, myEncoder.mSong.mRate);
    myContext->time_base = AVRational{1, myContext->sample_rate};
    myContext->bit_rate = (mySettings.mQuality == kVideoSmall ? 64000 : 96000) * myChannels;
    if (myEncoder.mFormat->oformat->flags & AVFMT_GLOBALHEADER)
        myContext->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* myOptions = nullptr;
    VideoSoundOptions(myEncoder.mForm, mySettings.mQuality, &myOptions);
    int myResult = avcodec_open2(myContext, myCodec, &myOptions);
    av_dict_free(&myOptions);
    if (myResult < 0) {
        myError = std::string("cannot start the ") + myCodec->name + " encoder: " + VideoAvError(myResult);
        return false;
    }
    myEncoder.mAudioStream = avformat_new_stream(myEncoder.mFormat, nullptr);
    if (!myEncoder.mAudioStream) {
        myError = "out of memory";
        return false;
    }
    myEncoder.mAudioStream->time_base = myContext->time_base;
    avcodec_parameters_from_context(myEncoder.mAudioStream->codecpar, myContext);

    AVChannelLayout mySongLayout{};
    av_channel_layout_default(&mySongLayout, myEncoder.mSong.mChannels);
    myResult = swr_alloc_set_opts2(&myEncoder.mResampler, &myContext->ch_layout, myContext->sample_fmt,
                                   myContext->sample_rate, &mySongLayout, AV_SAMPLE_FMT_FLT,
                                   myEncoder.mSong.mRate, 0, nullptr);
    av_channel_layout_uninit(&mySongLayout);
    if (myResult < 0 || swr_init(myEncoder.mResampler) < 0) {
        myError = "cannot convert the sound of " + mySettings.mSound;
        return false;
    }
    const int myFrameSize = myContext->frame_size > 0 ? myContext->frame_size : 1024;
    myEncoder.mFifo = av_audio_fifo_alloc(myContext->sample_fmt, myChannels, 4 * myFrameSize);
    myEncoder.mSound = av_frame_alloc();
    if (!myEncoder.mFifo || !myEncoder.mSound) {
        myError = "out of memory";
        return false;
    }
    myEncoder.mSound->format = myContext->sample_fmt;
    myEncoder.mSound->sample_rate = myContext->sample_rate;
    myEncoder.mSound->nb_samples = myFrameSize;
    av_channel_layout_copy(&myEncoder.mSound->ch_layout, &myContext->ch_layout);
    // Room for one block of the song resampled, plus what the resampler may hold back.
    myEncoder.mConvertedCapacity = static_cast<int>(av_rescale_rnd(kSongBlock, myContext->sample_rate,
                                                                   myEncoder.mSong.mRate, AV_ROUND_UP)) +
                                   4096;
    if (av_frame_get_buffer(myEncoder.mSound, 0) < 0 ||
        av_samples_alloc_array_and_samples(&myEncoder.mConverted, nullptr, myChannels,
                                           myEncoder.mConvertedCapacity, myContext->sample_fmt, 0) < 0) {
        myError = "out of memory";
        return false;
    }
    myEncoder.mBlock.resize(static_cast<size_t>(kSongBlock) * myEncoder.mSong.mChannels);
    return true;
}

// Encodes every whole frame of sound waiting; at the end also the last, shorter one.
bool VideoEncodeSound(VideoEncoder& myEncoder, bool myLast, std::string& myError) {
    AVCodecContext* myContext = myEncoder.mAudio;
    const int myFrameSize = myContext->frame_size > 0 ? myContext->frame_size : 1024;
    const bool mySmallLast =
        (myContext->codec->capabilities & (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE));
    while (av_audio_fifo_size(myEncoder.mFifo) >= myFrameSize ||
           (myLast && av_audio_fifo_size(myEncoder.mFifo) > 0)) {
        const int myCount = std::min(myFrameSize, av_audio_fifo_size(myEncoder.mFifo));
        if (av_frame_make_writable(myEncoder.mSound) < 0) {
            myError = "out of memory";
            return false;
        }
        myEncoder.mSound->nb_samples = myFrameSize;
        if (av_audio_fifo_read(myEncoder.mFifo, reinterpret_cast<void**>(myEncoder.mSound->data), myCount) <
            myCount) {
            myError = "encoding the sound failed";
            return false;
        }
        if (myCount < myFrameSize) {
            if (mySmallLast)
                myEncoder.mSound->nb_samples = myCount;
            else
                av_samples_set_silence(myEncoder.mSound->data, myCount, myFrameSize - myCount,
                                       myContext->ch_layout.nb_channels, myContext->sample_fmt);
        }
        myEncoder.mSound->pts = myEncoder.mSoundPts;
        myEncoder.mSoundPts += myEncoder.mSound->nb_samples;
        if (!VideoSend(myEncoder, myContext, myEncoder.mAudioStream, myEncoder.mSound, myError)) return false;
    }
    return true;
}

bool VideoStoreConverted(VideoEncoder& myEncoder, int myCount, std::string& myError) {
    if (myCount < 0) {
        myError = "converting the sound failed";
        return false;
    }
    if (myCount > 0 && av_audio_fifo_write(myEncoder.mFifo, reinterpret_cast<void**>(myEncoder.mConverted),
                                           myCount) < myCount) {
        myError = "out of memory";
        return false;
    }
    return true;
}

// Waits while the sound is far enough ahead of the pictures; false once there is nothing more to take in.
bool VideoSoundRoom(VideoEncoder& myEncoder) {
    std::unique_lock<std::mutex> myLock(myEncoder.mSoundLock);
    myEncoder.mSoundChanged.wait(myLock, [&] {
        return myEncoder.mSoundPackets.size() < kSoundPacketsAhead || myEncoder.mSoundStop ||
               myEncoder.mSongRead >= myEncoder.mSongUntil;
    });
    return !myEncoder.mSoundStop && myEncoder.mSongRead < myEncoder.mSongUntil;
}

// The song's next frames into mBlock: read from its file, or waited for while the render hands them over;
// 0 at the end.
int64_t VideoTakeSong(VideoEncoder& myEncoder, int64_t myWanted) {
    if (!myEncoder.mHandedOver)
        return AudioFileReadStream(myEncoder.mSong, myEncoder.mBlock.data(), myWanted);
    std::unique_lock<std::mutex> myLock(myEncoder.mSoundLock);
    myEncoder.mSoundChanged.wait(
        myLock, [&] { return !myEncoder.mHanded.empty() || myEncoder.mHandedEnd || myEncoder.mSoundStop; });
    const size_t myChannels = static_cast<size_t>(myEncoder.mSong.mChannels);
    const int64_t myFrames =
        myEncoder.mSoundStop ? 0 : std::min<int64_t>(myWanted, myEncoder.mHanded.size() / myChannels);
    const auto myEnd = myEncoder.mHanded.begin() + static_cast<std::ptrdiff_t>(myFrames * myChannels);
    std::copy(myEncoder.mHanded.begin(), myEnd, myEncoder.mBlock.begin());
    myEncoder.mHanded.erase(myEncoder.mHanded.begin(), myEnd);
    return myFrames;
}

// Takes the song in up to the frame of its own under the pictures (or its end) and encodes what is ready.
// The video is as long as its pictures, so the song stops with them.
bool VideoFeedSound(VideoEncoder& myEncoder, bool myLast, std::string& myError) {
    if (!myEncoder.mAudio) return true;
    while (!myEncoder.mSongOver && VideoSoundRoom(myEncoder)) {
        const int64_t myWanted = std::min<int64_t>(kSongBlock, myEncoder.mSongUntil - myEncoder.mSongRead);
        const int64_t myRead = VideoTakeSong(myEncoder, myWanted);
        if (myRead <= 0) {
            myEncoder.mSongOver = true;
            break;
        }
        const size_t mySamples = static_cast<size_t>(myRead) * myEncoder.mSong.mChannels;
        for (size_t myIndex = 0; myIndex < mySamples; ++myIndex)
            if (!std::isfinite(myEncoder.mBlock[myIndex])) myEncoder.mBlock[myIndex] = 0;
        myEncoder.mSongRead += myRead;
        const uint8_t* myInput[1] = {reinterpret_cast<const uint8_t*>(myEncoder.mBlock.data())};
        const int myCount = swr_convert(myEncoder.mResampler, myEncoder.mConverted,
                                        myEncoder.mConvertedCapacity, myInput, static_cast<int>(myRead));
        if (!VideoStoreConverted(myEncoder, myCount, myError)) return false;
        if (!VideoEncodeSound(myEncoder, false, myError)) return false;
    }
    if (myLast) {
        int myCount;
        do {
            myCount = swr_convert(myEncoder.mResampler, myEncoder.mConverted, myEncoder.mConvertedCapacity,
                                  nullptr, 0);
            if (!VideoStoreConverted(myEncoder, myCount, myError)) return false;
        } while (myCount > 0);
    }
    return VideoEncodeSound(myEncoder, myLast, myError);
}

// The sound thread: the song up to the planned end, then what the encoder still holds.
void VideoSoundRun(VideoEncoder* myEncoder) {
    std::string myError;
    const bool myOk = VideoFeedSound(*myEncoder, true, myError) &&
                      VideoSend(*myEncoder, myEncoder->mAudio, myEncoder->mAudioStream, nullptr, myError);
    {
        std::lock_guard<std::mutex> myLock(myEncoder->mSoundLock);
        myEncoder->mSoundOver = true;
        myEncoder->mSoundFailed = !myOk;
        myEncoder->mSoundError = myError;
    }
    myEncoder->mSoundChanged.notify_all();
}

// Writes the sound's packets that start before myPictures frames' time; at the end (myAll) every packet that
// starts before it, as the sound thread finishes the song under the pictures.
bool VideoLayInSound(VideoEncoder& myEncoder, int64_t myPictures, bool myAll, std::string& myError) {
    if (!myEncoder.mAudio) return true;
    if (myAll) {
        const int64_t myEnd = av_rescale(myPictures, myEncoder.mSong.mRate, myEncoder.mFps);
        {
            std::lock_guard<std::mutex> myLock(myEncoder.mSoundLock);
            myEncoder.mSongUntil = std::min<int64_t>(myEncoder.mSongUntil, myEnd);
        }
        myEncoder.mSoundChanged.notify_all();
    }
    for (;;) {
        AVPacket* myPacket = nullptr;
        {
            std::unique_lock<std::mutex> myLock(myEncoder.mSoundLock);
            if (myAll)
                myEncoder.mSoundChanged.wait(myLock, [&] {
                    return !myEncoder.mSoundPackets.empty() || myEncoder.mSoundOver || myEncoder.mSoundFailed;
                });
            if (myEncoder.mSoundFailed) {
                myError = myEncoder.mSoundError;
                return false;
            }
            if (myEncoder.mSoundPackets.empty()) {
                myLock.unlock();
                if (myAll && myEncoder.mSoundThread.joinable()) myEncoder.mSoundThread.join();
                return true;
            }
            AVPacket* myFirst = myEncoder.mSoundPackets.front();
            const bool myDue = av_compare_ts(myFirst->pts, myEncoder.mAudioStream->time_base, myPictures,
                                             AVRational{1, myEncoder.mFps}) < 0;
            if (!myDue && !myAll) return true;
            myEncoder.mSoundPackets.pop_front();
            if (myDue)
                myPacket = myFirst;
            else
                av_packet_free(&myFirst); // beyond the last picture: a song longer than an unplanned video
        }
        myEncoder.mSoundChanged.notify_all();
        if (!myPacket) continue;
        const bool myOk = VideoWritePacket(myEncoder, myPacket, myError);
        av_packet_free(&myPacket);
        if (!myOk) return false;
    }
}
} // namespace

VideoEncoder* VideoEncoderOpen(const VideoSettings& mySettings, VideoForm myForm,
                               const std::string& myFilePath, std::string& myError) {
    av_log_set_level(AV_LOG_ERROR);
    VideoEncoder* myEncoder = new VideoEncoder;
    myEncoder->mForm = myForm;
    myEncoder->mWidth = mySettings.mWidth;
    myEncoder->mHeight = mySettings.mHeight;
    myEncoder->mFps = mySettings.mFps;
    auto myFail = [&](const std::string& myText) {
        myError = myText;
        VideoEncoderFree(myEncoder);
        return nullptr;
    };
    if (mySettings.mWidth % 2 || mySettings.mHeight % 2)
        return myFail("H.264 and VP9 videos need an even width and height");
    if (avformat_alloc_output_context2(&myEncoder->mFormat, nullptr, VideoMuxerName(myForm),
                                       myFilePath.c_str()) < 0 ||
        !(myEncoder->mPacket = av_packet_alloc()))
        return myFail("out of memory");
    if (!VideoOpenPicture(*myEncoder, mySettings, myError)) return myFail(myError);
    const bool mySound = !mySettings.mSound.empty() || mySettings.mSoundRate > 0;
    if (mySound && !VideoOpenSound(*myEncoder, mySettings, myError)) return myFail(myError);
    if (myEncoder->mAudio) {
        myEncoder->mSongUntil = mySettings.mFrames > 0
                                    ? av_rescale(mySettings.mFrames, myEncoder->mSong.mRate, mySettings.mFps)
                                    : INT64_MAX;
        if (!(myEncoder->mSoundPacket = av_packet_alloc())) return myFail("out of memory");
    }
    int myResult = avio_open(&myEncoder->mFormat->pb, myFilePath.c_str(), AVIO_FLAG_WRITE);
    if (myResult < 0) return myFail("cannot write " + mySettings.mPath + ": " + VideoAvError(myResult));
    AVDictionary* myOptions = nullptr;
    // The index at the front, so a player or website can start before the whole file has arrived.
    if (myForm == kVideoMp4 || myForm == kVideoMov) av_dict_set(&myOptions, "movflags", "+faststart", 0);
    myResult = avformat_write_header(myEncoder->mFormat, &myOptions);
    av_dict_free(&myOptions);
    if (myResult < 0) return myFail("cannot write " + mySettings.mPath + ": " + VideoAvError(myResult));
    if (myEncoder->mAudio) myEncoder->mSoundThread = std::thread(VideoSoundRun, myEncoder);
    return myEncoder;
}

bool VideoEncoderFrame(VideoEncoder* myEncoder, const uint8_t* const myPlanes[3], std::string& myError) {
    AVFrame* myPicture = myEncoder->mPicture;
    if (av_frame_make_writable(myPicture) < 0) {
        myError = "out of memory";
        return false;
    }
    for (int myPlane = 0; myPlane < 3; ++myPlane) {
        const int myWidth = myPlane ? (myEncoder->mWidth + 1) / 2 : myEncoder->mWidth;
        const int myHeight = myPlane ? (myEncoder->mHeight + 1) / 2 : myEncoder->mHeight;
        av_image_copy_plane(myPicture->data[myPlane], myPicture->linesize[myPlane], myPlanes[myPlane],
                            myWidth, myWidth, myHeight);
    }
    myPicture->pts = myEncoder->mPictures++;
    if (!VideoSend(*myEncoder, myEncoder->mVideo, myEncoder->mVideoStream, myPicture, myError)) return false;
    return VideoLayInSound(*myEncoder, myEncoder->mPictures, false, myError);
}

void VideoEncoderSound(VideoEncoder* myEncoder, const int16_t* myStereo, int myFrames) {
    if (!myEncoder->mAudio || !myEncoder->mHandedOver || myFrames <= 0) return;
    const int myChannels = myEncoder->mSong.mChannels;
    {
        std::lock_guard<std::mutex> myLock(myEncoder->mSoundLock);
        for (int myIndex = 0; myIndex < myFrames; ++myIndex)
            for (int myChannel = 0; myChannel < myChannels; ++myChannel)
                myEncoder->mHanded.push_back(myStereo[2 * myIndex + std::min(myChannel, 1)] / 32768.0f);
    }
    myEncoder->mSoundChanged.notify_all();
}

bool VideoEncoderFinish(VideoEncoder* myEncoder, std::string& myError) {
    {
        std::lock_guard<std::mutex> myLock(myEncoder->mSoundLock);
        myEncoder->mHandedEnd = true;
    }
    myEncoder->mSoundChanged.notify_all();
    if (!VideoSend(*myEncoder, myEncoder->mVideo, myEncoder->mVideoStream, nullptr, myError)) return false;
    if (!VideoLayInSound(*myEncoder, myEncoder->mPictures, true, myError)) return false;
    int myResult = av_write_trailer(myEncoder->mFormat);
    if (myResult >= 0) myResult = avio_closep(&myEncoder->mFormat->pb);
    if (myResult < 0) {
        myError = "writing the video failed: " + VideoAvError(myResult);
        return false;
    }
    return true;
}

void VideoEncoderFree(VideoEncoder* myEncoder) {
    if (!myEncoder) return;
    {
        std::lock_guard<std::mutex> myLock(myEncoder->mSoundLock);
        myEncoder->mSoundStop = true;
    }
    myEncoder->mSoundChanged.notify_all();
    if (myEncoder->mSoundThread.joinable()) myEncoder->mSoundThread.join();
    for (AVPacket* myPacket : myEncoder->mSoundPackets)
        av_packet_free(&myPacket);
    avcodec_free_context(&myEncoder->mVideo);
    avcodec_free_context(&myEncoder->mAudio);
    av_frame_free(&myEncoder->mPicture);
    av_frame_free(&myEncoder->mSound);
    av_packet_free(&myEncoder->mPacket);
    av_packet_free(&myEncoder->mSoundPacket);
    swr_free(&myEncoder->mResampler);
    if (myEncoder->mFifo) av_audio_fifo_free(myEncoder->mFifo);
    if (myEncoder->mConverted) av_freep(&myEncoder->mConverted[0]);
    av_freep(&myEncoder->mConverted);
    if (myEncoder->mFormat) {
        if (myEncoder->mFormat->pb) avio_closep(&myEncoder->mFormat->pb);
        avformat_free_context(myEncoder->mFormat);
    }
    AudioFileCloseStream(myEncoder->mSong);
    delete myEncoder;
}
