// Test helper: reads a video back through FFmpeg's libraries: its codecs, every picture's planes with its
// time, and the sound mixed to mono with the time of its first sample.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/samplefmt.h>
}

#include <filesystem>
#include <string>
#include <vector>

struct VideoPicture {
    double mTime = 0;        // seconds
    std::vector<uint8_t> mY; // mWidth x mHeight
    std::vector<uint8_t> mU; // half width and height
    std::vector<uint8_t> mV;
};

struct VideoReadBack {
    std::string mVideoCodec;
    std::string mSoundCodec;
    int mWidth = 0;
    int mHeight = 0;
    std::vector<VideoPicture> mPictures;
    int mSoundRate = 0;
    double mSoundStart = 0;
    std::vector<float> mSound;
};

namespace video_reader_detail {
inline float SampleAt(const AVFrame* myFrame, int myChannel, int myIndex) {
    const int myChannels = myFrame->ch_layout.nb_channels;
    const auto myFormat = static_cast<AVSampleFormat>(myFrame->format);
    const bool myPlanar = av_sample_fmt_is_planar(myFormat);
    const uint8_t* myData = myFrame->extended_data[myPlanar ? myChannel : 0];
    const int myAt = myPlanar ? myIndex : myIndex * myChannels + myChannel;
    switch (av_get_packed_sample_fmt(myFormat)) {
    case AV_SAMPLE_FMT_FLT:
        return reinterpret_cast<const float*>(myData)[myAt];
    case AV_SAMPLE_FMT_S16:
        return reinterpret_cast<const int16_t*>(myData)[myAt] / 32768.0f;
    case AV_SAMPLE_FMT_S32:
        return static_cast<float>(reinterpret_cast<const int32_t*>(myData)[myAt] / 2147483648.0);
    default:
        return 0;
    }
}

inline void Take(AVCodecContext* myCodec, AVStream* myStream, AVFrame* myFrame, VideoReadBack& myBack) {
    while (avcodec_receive_frame(myCodec, myFrame) >= 0) {
        const double myTime = myFrame->best_effort_timestamp == AV_NOPTS_VALUE
                                  ? 0
                                  : myFrame->best_effort_timestamp * av_q2d(myStream->time_base);
        if (myCodec->codec_type == AVMEDIA_TYPE_VIDEO) {
            VideoPicture myPicture;
            myPicture.mTime = myTime;
            auto myPlane = [&](int myPlaneIndex, int myWidth, int myHeight, std::vector<uint8_t>& myOut) {
                for (int myRow = 0; myRow < myHeight; ++myRow) {
                    const uint8_t* mySource =
                        myFrame->data[myPlaneIndex] + myRow * myFrame->linesize[myPlaneIndex];
                    myOut.insert(myOut.end(), mySource, mySource + myWidth);
                }
            };
            myPlane(0, myFrame->width, myFrame->height, myPicture.mY);
            myPlane(1, (myFrame->width + 1) / 2, (myFrame->height + 1) / 2, myPicture.mU);
            myPlane(2, (myFrame->width + 1) / 2, (myFrame->height + 1) / 2, myPicture.mV);
            myBack.mPictures.push_back(std::move(myPicture));
        } else {
            if (myBack.mSound.empty()) myBack.mSoundStart = myTime;
            for (int myIndex = 0; myIndex < myFrame->nb_samples; ++myIndex) {
                float mySum = 0;
                for (int myChannel = 0; myChannel < myFrame->ch_layout.nb_channels; ++myChannel)
                    mySum += SampleAt(myFrame, myChannel, myIndex);
                myBack.mSound.push_back(mySum / myFrame->ch_layout.nb_channels);
            }
        }
    }
}
} // namespace video_reader_detail

// False when the file cannot be opened or holds no picture stream of 8-bit 4:2:0.
inline bool ReadVideo(const std::filesystem::path& myPath, VideoReadBack& myBack) {
    using namespace video_reader_detail;
    av_log_set_level(AV_LOG_FATAL); // the decoders' remarks on the streams' first and last samples
    AVFormatContext* myFormat = nullptr;
    if (avformat_open_input(&myFormat, myPath.c_str(), nullptr, nullptr) < 0) return false;
    bool myOk = avformat_find_stream_info(myFormat, nullptr) >= 0;
    std::vector<AVCodecContext*> myCodecs(myFormat->nb_streams, nullptr);
    for (unsigned myIndex = 0; myOk && myIndex < myFormat->nb_streams; ++myIndex) {
        const AVCodecParameters* myParameters = myFormat->streams[myIndex]->codecpar;
        const AVCodec* myDecoder = avcodec_find_decoder(myParameters->codec_id);
        if (!myDecoder) continue;
        myCodecs[myIndex] = avcodec_alloc_context3(myDecoder);
        avcodec_parameters_to_context(myCodecs[myIndex], myParameters);
        myOk = avcodec_open2(myCodecs[myIndex], myDecoder, nullptr) >= 0;
        if (myParameters->codec_type == AVMEDIA_TYPE_VIDEO) {
            myBack.mVideoCodec = avcodec_get_name(myParameters->codec_id);
            myBack.mWidth = myParameters->width;
            myBack.mHeight = myParameters->height;
            myOk = myOk && myParameters->format == AV_PIX_FMT_YUV420P;
        } else if (myParameters->codec_type == AVMEDIA_TYPE_AUDIO) {
            myBack.mSoundCodec = avcodec_get_name(myParameters->codec_id);
            myBack.mSoundRate = myParameters->sample_rate;
        }
    }
    AVPacket* myPacket = av_packet_alloc();
    AVFrame* myFrame = av_frame_alloc();
    while (myOk && av_read_frame(myFormat, myPacket) >= 0) {
        AVCodecContext* myCodec = myCodecs[myPacket->stream_index];
        if (myCodec && avcodec_send_packet(myCodec, myPacket) >= 0)
            Take(myCodec, myFormat->streams[myPacket->stream_index], myFrame, myBack);
        av_packet_unref(myPacket);
    }
    for (unsigned myIndex = 0; myIndex < myFormat->nb_streams; ++myIndex) {
        if (!myCodecs[myIndex]) continue;
        if (avcodec_send_packet(myCodecs[myIndex], nullptr) >= 0)
            Take(myCodecs[myIndex], myFormat->streams[myIndex], myFrame, myBack);
        avcodec_free_context(&myCodecs[myIndex]);
    }
    av_frame_free(&myFrame);
    av_packet_free(&myPacket);
    avformat_close_input(&myFormat);
    return myOk && !myBack.mVideoCodec.empty();
}
