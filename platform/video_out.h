// Videos of the animation: the file's extension picks the form, and the frames are encoded on a thread of
// their own while the next ones are drawn.
#pragma once

#include <cstdint>
#include <string>

#include "platform/palette.h"
#include "platform/surface.h"

enum VideoForm { kVideoUnknown, kVideoY4m, kVideoMp4, kVideoMkv, kVideoMov, kVideoWebm };
// Trades encoding speed for file size.
enum VideoQuality { kVideoFast, kVideoGood, kVideoSmall };

struct VideoSettings {
    std::string mPath;
    int mWidth = 0;
    int mHeight = 0;
    int mFps = 30;
    VideoQuality mQuality = kVideoGood;
    std::string mSound; // the sound file laid under the picture from its start; empty for a silent video
    // Without a file: sound handed over as it plays (VideoWriteSound), 16-bit samples at this rate.
    int mSoundRate = 0;
    int mSoundChannels = 2;
    int mFrames = 0; // the frames planned, so the sound can be encoded ahead; 0 when not known
};

struct VideoWriter;

struct VideoOut {
    VideoWriter* mWriter = nullptr;
};

// By the extension, in any case of letters.
VideoForm VideoFormOfPath(const std::string& myPath);
// The extensions understood, for messages.
const char* VideoFormList();

// Starts a video in a file beside myPath (renamed to it by VideoFinish); false with a message when it
// cannot be written.
bool VideoOpen(VideoOut& myVideo, const VideoSettings& mySettings, std::string& myError);
// Hands one frame to the encoder; false once encoding has failed.
bool VideoWriteFrame(VideoOut& myVideo, const Surface& mySurface, const PaletteEntry* myPalette);
// Hands over myFrames of sound (left and right 16-bit samples) that follow the sound handed over before,
// from the first picture's time on; a video without sound, or of raw pictures, lets them go.
void VideoWriteSound(VideoOut& myVideo, const int16_t* myStereo, int myFrames);
// Encodes what is queued, completes the file and puts it in place; false with a message when that fails,
// and then nothing is left behind.
bool VideoFinish(VideoOut& myVideo, std::string& myError);
// Stops and removes what was written.
void VideoAbandon(VideoOut& myVideo);
bool VideoIsOpen(const VideoOut& myVideo);
