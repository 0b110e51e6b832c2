// The compressed forms of a video (H.264 or VP9 with AAC or Opus sound in a container), through FFmpeg's
// libraries; used by the video writer's thread.
#pragma once

#include <cstdint>
#include <string>

#include "platform/video_out.h"

struct VideoEncoder;

// Opens the encoders and starts the file at myFilePath (messages name the video's own path), a container
// of the given form.
VideoEncoder* VideoEncoderOpen(const VideoSettings& mySettings, VideoForm myForm,
                               const std::string& myFilePath, std::string& myError);
// Encodes one picture of 4:2:0 planes (rows of the width, or half the width rounded up, one after another)
// and the song up to its end.
bool VideoEncoderFrame(VideoEncoder* myEncoder, const uint8_t* const myPlanes[3], std::string& myError);
// Sound handed over while rendering (VideoSettings::mSoundRate), myFrames pairs of left and right samples.
void VideoEncoderSound(VideoEncoder* myEncoder, const int16_t* myStereo, int myFrames);
// Flushes both encoders and completes the file.
bool VideoEncoderFinish(VideoEncoder* myEncoder, std::string& myError);
void VideoEncoderFree(VideoEncoder* myEncoder);
