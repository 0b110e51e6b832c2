// Writes WAV files for the tests: 16-bit or 8-bit PCM, the same signal on every channel.
#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

inline void WavPut(std::ofstream& myFile, uint32_t myValue, int myBytes) {
    for (int myByte = 0; myByte < myBytes; ++myByte)
        myFile.put(static_cast<char>((myValue >> (8 * myByte)) & 0xFF));
}

// mySignal holds values from -1 to 1, one per frame.
inline void WavWrite(const std::filesystem::path& myPath, int myRate, int myChannels, int myBits,
                     const std::vector<double>& mySignal) {
    const uint32_t myFrameBytes = static_cast<uint32_t>(myChannels * myBits / 8);
    const uint32_t myDataBytes = static_cast<uint32_t>(mySignal.size()) * myFrameBytes;
    std::ofstream myFile(myPath, std::ios::binary);
    myFile << "RIFF";
    WavPut(myFile, 36 + myDataBytes, 4);
    myFile << "WAVEfmt ";
    WavPut(myFile, 16, 4);
    WavPut(myFile, 1, 2);
    WavPut(myFile, static_cast<uint32_t>(myChannels), 2);
    WavPut(myFile, static_cast<uint32_t>(myRate), 4);
    WavPut(myFile, static_cast<uint32_t>(myRate) * myFrameBytes, 4);
    WavPut(myFile, myFrameBytes, 2);
    WavPut(myFile, static_cast<uint32_t>(myBits), 2);
    myFile << "data";
    WavPut(myFile, myDataBytes, 4);
    for (double myValue : mySignal)
        for (int myChannel = 0; myChannel < myChannels; ++myChannel) {
            if (myBits == 8)
                WavPut(myFile, static_cast<uint32_t>(std::lround(128 + myValue * 127)), 1);
            else
                WavPut(myFile, static_cast<uint16_t>(static_cast<int16_t>(std::lround(myValue * 32767))), 2);
        }
}
