// Reading sound files through libsndfile: mixed to mono, low-passed and resampled to the recorder's rate.
#include "platform/audio_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr int kBlockFrames = 4096;

struct MemoryFile {
    const uint8_t* mData;
    sf_count_t mSize;
    sf_count_t mPos;
};

sf_count_t MemoryLength(void* myUser) {
    return static_cast<MemoryFile*>(myUser)->mSize;
}

sf_count_t MemorySeek(sf_count_t myOffset, int myWhence, void* myUser) {
    MemoryFile& myFile = *static_cast<MemoryFile*>(myUser);
    const sf_count_t myBase = myWhence == SEEK_CUR ? myFile.mPos : myWhence == SEEK_END ? myFile.mSize : 0;
    // Compared before adding: a damaged file can ask for an offset near the type's limits.
    if (myOffset < -myBase || myOffset > myFile.mSize - myBase) return -1;
    myFile.mPos = myBase + myOffset;
    return myFile.mPos;
}

sf_count_t MemoryRead(void* myBuffer, sf_count_t myCount, void* myUser) {
    MemoryFile& myFile = *static_cast<MemoryFile*>(myUser);
    const sf_count_t myTaken = std::max<sf_count_t>(0, std::min(myCount, myFile.mSize - myFile.mPos));
    if (myTaken > 0) std::memcpy(myBuffer, myFile.mData + myFile.mPos, static_cast<size_t>(myTaken));
    myFile.mPos += myTaken;
    return myTaken;
}

sf_count_t MemoryWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t MemoryTell(void* myUser) {
    return static_cast<MemoryFile*>(myUser)->mPos;
}

// The reverse of libsndfile's own scaling, so 8-bit files come back byte for byte.
uint8_t AudioFileToByte(double myValue) {
    const long myByte = std::lround(128.0 + myValue * 128.0);
    return static_cast<uint8_t>(std::clamp(myByte, 0L, 255L));
}

// Mixes each frame to mono and resamples by linear interpolation; above the recorder's rate two one-pole
// low-passes first keep the high frequencies from folding down into the range the analysis listens to.
bool AudioFileConvert(SNDFILE* myFile, const SF_INFO& myInfo, std::vector<uint8_t>& mySamples,
                      std::string& myError, size_t myMostSamples) {
    mySamples.clear();
    if (myInfo.channels <= 0 || myInfo.samplerate <= 0) {
        myError = "the file has no sound channels";
        return false;
    }
    const double myStep = double(myInfo.samplerate) / kAudioFileRate;
    const double myAlpha =
        myInfo.samplerate > kAudioFileRate ? 1.0 - std::exp(-2.0 * M_PI * 4500.0 / myInfo.samplerate) : 1.0;
    // A short file needs no more than its own length of block.
    const sf_count_t myBlockFrames =
        myInfo.frames > 0 ? std::min<sf_count_t>(myInfo.frames, kBlockFrames) : kBlockFrames;
    std::vector<float> myBlock(static_cast<size_t>(myBlockFrames) * myInfo.channels);
    double myStage = 0, myFiltered = 0, myPrevious = 0, myNextPos = 0;
    int64_t myIndex = 0;
    sf_count_t myRead;
    while ((myRead = sf_readf_float(myFile, myBlock.data(), myBlockFrames)) > 0) {
        for (sf_count_t myFrame = 0; myFrame < myRead; ++myFrame, ++myIndex) {
            double myMono = 0;
            for (int myChannel = 0; myChannel < myInfo.channels; ++myChannel)
                myMono += myBlock[static_cast<size_t>(myFrame) * myInfo.channels + myChannel];
            myMono /= myInfo.channels;
            if (!std::isfinite(myMono)) myMono = 0;
            myStage += myAlpha * (myMono - myStage);
            myFiltered += myAlpha * (myStage - myFiltered);
            if (myIndex == 0) myPrevious = myFiltered;
            while (myNextPos <= double(myIndex)) {
                const double myPart = myNextPos - double(myIndex - 1);
                mySamples.push_back(AudioFileToByte(myPrevious + (myFiltered - myPrevious) * myPart));
                if (mySamples.size() >= myMostSamples) return true;
                myNextPos = double(mySamples.size()) * myStep;
            }
            myPrevious = myFiltered;
        }
    }
    if (mySamples.empty()) {
        myError = "the file holds no sound";
        return false;
    }
    return true;
}
} // namespace

bool AudioFileRead(const std::string& myPath, std::vector<uint8_t>& mySamples, std::string& myError) {
    SF_INFO myInfo{};
    SNDFILE* myFile = sf_open(myPath.c_str(), SFM_READ, &myInfo);
    if (!myFile) {
        myError = std::string("cannot read ") + myPath + ": " + sf_strerror(nullptr);
        return false;
    }
    const bool myOk = AudioFileConvert(myFile, myInfo, mySamples, myError, kAudioFileMostSamples);
    sf_close(myFile);
    if (!myOk) myError = myPath + ": " + myError;
    return myOk;
}

bool AudioFileDecode(const uint8_t* myData, size_t mySize, std::vector<uint8_t>& mySamples,
                     std::string& myError, size_t myMostSamples) {
    MemoryFile myMemory{myData, static_cast<sf_count_t>(mySize), 0};
    SF_VIRTUAL_IO myIo{MemoryLength, MemorySeek, MemoryRead, MemoryWrite, MemoryTell};
    SF_INFO myInfo{};
    SNDFILE* myFile = sf_open_virtual(&myIo, SFM_READ, &myInfo, &myMemory);
    if (!myFile) {
        myError = std::string("not a sound file: ") + sf_strerror(nullptr);
        return false;
    }
    const bool myOk = AudioFileConvert(myFile, myInfo, mySamples, myError, myMostSamples);
    sf_close(myFile);
    return myOk;
}

bool AudioFileOpenStream(AudioFileStream& myStream, const std::string& myPath, std::string& myError) {
    AudioFileCloseStream(myStream);
    SF_INFO myInfo{};
    SNDFILE* myFile = sf_open(myPath.c_str(), SFM_READ, &myInfo);
    if (!myFile) {
        myError = std::string("cannot read ") + myPath + ": " + sf_strerror(nullptr);
        return false;
    }
    if (myInfo.channels <= 0 || myInfo.samplerate <= 0) {
        sf_close(myFile);
        myError = myPath + ": the file has no sound channels";
        return false;
    }
    myStream.mHandle = myFile;
    myStream.mRate = myInfo.samplerate;
    myStream.mChannels = myInfo.channels;
    myStream.mFrames = myInfo.frames;
    return true;
}

int64_t AudioFileReadStream(AudioFileStream& myStream, float* myOut, int64_t myFrames) {
    if (!myStream.mHandle || myFrames <= 0) return 0;
    const sf_count_t myRead = sf_readf_float(static_cast<SNDFILE*>(myStream.mHandle), myOut, myFrames);
    return myRead > 0 ? myRead : 0;
}

void AudioFileCloseStream(AudioFileStream& myStream) {
    if (myStream.mHandle) sf_close(static_cast<SNDFILE*>(myStream.mHandle));
    myStream = AudioFileStream();
}
