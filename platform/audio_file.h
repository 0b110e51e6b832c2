// Sound files of any format libsndfile reads, turned into the recorder's own form: 11025 Hz, 8-bit, mono.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kAudioFileRate = 11025;
// Four hours of sound at the recorder's rate: a file claiming more is cut there rather than filling memory.
constexpr size_t kAudioFileMostSamples = size_t(4) * 3600 * kAudioFileRate;

// Unsigned 8-bit samples (128 is silence); false with a message when the file cannot be read as sound.
bool AudioFileRead(const std::string& myPath, std::vector<uint8_t>& mySamples, std::string& myError);
// The same from bytes already in memory, cut after myMostSamples (a fuzzer wants the parsing, not hours of a
// tiny file that claims a sample rate of 1 Hz).
bool AudioFileDecode(const uint8_t* myData, size_t mySize, std::vector<uint8_t>& mySamples,
                     std::string& myError, size_t myMostSamples = kAudioFileMostSamples);

// A sound file read piece by piece in its own rate and channels (what a video carries of the song).
struct AudioFileStream {
    void* mHandle = nullptr;
    int mRate = 0;
    int mChannels = 0;
    int64_t mFrames = 0; // frames of mChannels samples
};

bool AudioFileOpenStream(AudioFileStream& myStream, const std::string& myPath, std::string& myError);
// Reads up to myFrames frames as interleaved floats of -1 to 1; returns how many were read (0 at the end).
int64_t AudioFileReadStream(AudioFileStream& myStream, float* myOut, int64_t myFrames);
void AudioFileCloseStream(AudioFileStream& myStream);
