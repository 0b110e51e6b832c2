// Sound files of any format libsndfile reads, turned into the recorder's own form: 11025 Hz, 8-bit, mono.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kAudioFileRate = 11025;

// Unsigned 8-bit samples (128 is silence); false with a message when the file cannot be read as sound.
bool AudioFileRead(const std::string& myPath, std::vector<uint8_t>& mySamples, std::string& myError);
// The same from bytes already in memory.
bool AudioFileDecode(const uint8_t* myData, size_t mySize, std::vector<uint8_t>& mySamples,
                     std::string& myError);
