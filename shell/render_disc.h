// The disc's part of a headless render: how long its tracks run, what their videos are called, and the sound
// the disc plays laid under them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/video_out.h"

// Frames at myFps that cover track myTrack (from 0) as playback plays it, all before its end; 0 when the disc
// has no such track.
int RenderDiscTrackFrames(int myTrack, int myFps);
// A track's video in a folder: "NN Title.mp4", its number and its title in the disc's RaveSet, or "Track N"
// while it has none.
std::string RenderDiscVideoName(int myTrack);
// Keeps the sound the disc plays from now on, for the videos to come.
void RenderDiscListen();
// A new video starts at tick myStart: the disc's sound heard from then on is laid under it.
void RenderDiscSoundStart(uint32_t myStart);
// Hands myVideo the sound played since the last call, with silence where the disc was halted; then silence
// up to myLength samples (a video's whole length at its end; 0 otherwise).
void RenderDiscSoundFlush(VideoOut& myVideo, int64_t myLength);
void RenderDiscResetState();
