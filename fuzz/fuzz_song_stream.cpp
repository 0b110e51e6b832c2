// Fuzz target: bytes of any kind opened as the song under a video are refused or read piece by piece to their
// end, never more than asked at a time.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    // A file in memory, opened by its name as the video writer opens a song.
    const int myFile = memfd_create("song", 0);
    if (myFile < 0) return 0;
    if (write(myFile, myData, mySize) != static_cast<ssize_t>(mySize)) {
        close(myFile);
        return 0;
    }
    AudioFileStream myStream;
    std::string myError;
    if (AudioFileOpenStream(myStream, "/proc/self/fd/" + std::to_string(myFile), myError)) {
        if (myStream.mChannels <= 0 || myStream.mRate <= 0) __builtin_trap();
        std::vector<float> myBlock(static_cast<size_t>(64) * myStream.mChannels);
        int64_t myRead;
        // A bounded number of pieces: a header may claim far more frames than the bytes hold.
        for (int myPiece = 0;
             myPiece < 4096 && (myRead = AudioFileReadStream(myStream, myBlock.data(), 64)) > 0; ++myPiece)
            if (myRead > 64) __builtin_trap();
        AudioFileCloseStream(myStream);
    } else if (myError.empty()) {
        __builtin_trap();
    }
    close(myFile);
    return 0;
}
