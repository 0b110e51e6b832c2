// Listening: reads the newest recorded sound, measures its loudness and its level at the listening
// frequency, keeps the fading sound scale, and decides when a beat has happened.
#include "sound/listen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/style_record.h"
#include "platform/audioin.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"

uint32_t gSoundSamplePos = 0;
uint32_t gSoundSampleLast = 0;
uint8_t gSoundSampleNew = 0;
uint8_t gMeterCurrent = 0;
uint8_t gMeterHeard = 0;
uint8_t gMeterMax = 0;
uint32_t gSoundPeakTime = 0;
uint32_t gSoundFadeTime = 0;
uint8_t gMeterAbove = 0;
uint8_t gEffOffset = 0;
double gEffScale = 0;
double gScale = 0;

namespace {
constexpr int kMeterWindow = 110;
constexpr int kNoiseGate = 7;

uint32_t ListenWrap(int64_t myIndex) {
    return static_cast<uint32_t>(((myIndex % kSoundBufferSize) + kSoundBufferSize) % kSoundBufferSize);
}

int ListenFrequencySetting() {
    return (gStyle.mFrequency + 5) * 4;
}

// The newest recorded byte at or before myStart, going back no further than index 1; 0 when none.
uint32_t ListenNewestBefore(uint32_t myStart) {
    for (uint32_t myIndex = myStart; myIndex >= 1; --myIndex)
        if (gSoundBuffer[myIndex]) return myIndex;
    return 0;
}
} // namespace

void AnimateGetMeter(uint32_t myPosition, uint32_t myNow) {
    const int myThreshold = (gStyle.mScaleThreshold * 255) / 100;
    const int myFade = gStyle.mFadeTime;
    const uint32_t myMaxFall = (static_cast<uint32_t>(gStyle.mMaxFade) * 1000) / 2550;
    int myLevel = 0;
    for (int myBack = 1; myBack <= kMeterWindow; ++myBack) {
        const int mySample = gSoundBuffer[ListenWrap(int64_t(myPosition) - myBack)];
        const int myDeviation = mySample == 0 ? 128 : std::abs(mySample - 128);
        if (myDeviation > myLevel) myLevel = myDeviation;
    }
    if (myLevel < kNoiseGate) myLevel = 0;
    double myScale = 0;
    if (myLevel == 128) {
        gMeterCurrent = gMeterMax = 255;
        gSoundPeakTime = gSoundFadeTime = myNow;
        myScale = 1;
    } else {
        gMeterCurrent = static_cast<uint8_t>(myLevel * 2);
        if (myNow > gSoundPeakTime + myMaxFall) {
            gSoundPeakTime = myNow;
            if (gMeterMax > 0) --gMeterMax;
        }
        if (gMeterCurrent > gMeterMax) {
            gMeterMax = gMeterCurrent;
            gSoundPeakTime = gSoundFadeTime = myNow;
            myScale = 1;
        } else {
            if (gMeterCurrent > myThreshold && gMeterMax > myThreshold)
                myScale = double(gMeterCurrent - myThreshold) / double(gMeterMax - myThreshold);
            if (myScale > gEffScale)
                gSoundFadeTime =
                    static_cast<uint32_t>(static_cast<int64_t>(myNow + (myScale - 1) * myFade * 100));
        }
    }
    if (gMeterCurrent > gMeterHeard) gMeterHeard = gMeterCurrent;
    // With no fade time the fade never counts; the signed difference keeps a fade begun "before" time 0
    // right.
    if (myFade > 0) {
        const double myFaded = 1.0 - double(static_cast<int32_t>(myNow - gSoundFadeTime)) / (myFade * 100.0);
        if (myFaded > 0 && myFaded > myScale) myScale = myFaded;
    }
    gEffScale = myScale;
}

namespace {

// Enough for the longest window: 127 hundred samples, or one period of the lowest frequency.
constexpr int kWindowMost = 16384;

// The window's length at a period: whole periods filling the sample size, or one period when it is longer.
int ListenWindowLength(int myPeriod) {
    const int myWanted = gStyle.mSampleSize > 0 ? gStyle.mSampleSize * 100 : 0;
    return myPeriod < myWanted ? (myWanted / myPeriod) * myPeriod : myPeriod;
}

// The myCount samples before myPosition as signed values; unrecorded samples (0) count as silence.
void ListenWindow(uint32_t myPosition, int myCount, int16_t* myOut) {
    uint32_t myIndex = ListenWrap(int64_t(myPosition) - myCount);
    for (int i = 0; i < myCount; ++i) {
        const int mySample = gSoundBuffer[myIndex];
        if (++myIndex == kSoundBufferSize) myIndex = 0;
        myOut[i] = static_cast<int16_t>(mySample == 0 ? 0 : mySample - 128);
    }
}

// The level at one period of the myLength samples that end at myEnd; myLargest is their largest distance
// from the middle. The phase repeats every period, so the window is folded onto one period first (exactly,
// in whole numbers) and one period of cosines and sines serves the whole window.
double ListenLevel(const int16_t* myEnd, int myPeriod, int myLength, int myLargest) {
    static double sCos[kAudioInRate], sSin[kAudioInRate];
    static int32_t sFold[kAudioInRate];
    static int sTablePeriod = 0;
    if (myLargest <= 2 || gMeterMax == 0) return 0;
    if (myPeriod != sTablePeriod) {
        const double myStep = 2.0 * M_PI / myPeriod;
        for (int myIndex = 0; myIndex < myPeriod; ++myIndex) {
            sCos[myIndex] = std::cos(myStep * myIndex);
            sSin[myIndex] = std::sin(myStep * myIndex);
        }
        sTablePeriod = myPeriod;
    }
    const int16_t* myStart = myEnd - myLength;
    std::fill_n(sFold, myPeriod, 0);
    for (int myChunk = 0; myChunk < myLength; myChunk += myPeriod)
        for (int myPhase = 0; myPhase < myPeriod; ++myPhase)
            sFold[myPhase] += myStart[myChunk + myPhase];
    double myCos = 0, mySin = 0;
    for (int myPhase = 0; myPhase < myPeriod; ++myPhase) {
        myCos += sCos[myPhase] * sFold[myPhase];
        mySin += sSin[myPhase] * sFold[myPhase];
    }
    return 12.0 * std::sqrt(myCos * myCos + mySin * mySin) / myLength / gMeterMax;
}

} // namespace

double AnimateGetFrequency(int myFrequency, uint32_t myPosition) {
    if (myFrequency <= 0 || myFrequency > kAudioInRate) return 0;
    const int myPeriod = kAudioInRate / myFrequency;
    const int myLength = std::min(ListenWindowLength(myPeriod), kWindowMost);
    static int16_t sWindow[kWindowMost];
    ListenWindow(myPosition, myLength, sWindow);
    int myLargest = 0;
    for (int i = 0; i < myLength; ++i)
        myLargest = std::max(myLargest, std::abs(static_cast<int>(sWindow[i])));
    return ListenLevel(sWindow + myLength, myPeriod, myLength, myLargest);
}

int AnimateGetSound(uint32_t myNow) {
    const uint32_t myPosition = AudioInPosition();
    if (myPosition == gSoundSampleLast) {
        gSoundSamplePos = myPosition % kSoundBufferSize;
        return static_cast<int>(64 * gScale);
    }
    gSoundSampleNew = 1;
    gSoundSampleLast = myPosition;
    const uint32_t myStart = myPosition % kSoundBufferSize;
    uint32_t myFound = myStart > 0 ? ListenNewestBefore(myStart) : 0;
    if (!myFound) myFound = ListenNewestBefore(kSoundBufferSize - 1);
    gSoundSamplePos = myFound;
    AnimateGetMeter(gSoundSamplePos, myNow);
    if (gStateVolume) {
        gScale = gMeterCurrent / 255.0;
    } else {
        gScale = AnimateGetFrequency(ListenFrequencySetting(), gSoundSamplePos);
        if (gScale > 1.0) gScale = 1.0;
    }
    return static_cast<int>(64 * gScale);
}

int AnimateListenForBeat(uint32_t myNow, bool& myBeat) {
    myBeat = false;
    int myPrevious = 0, myValue = 0;
    uint32_t mySaved = gSoundSamplePos;
    int myReads = 0;
    do {
        mySaved = gSoundSamplePos;
        myPrevious = myValue;
        myValue = AnimateGetSound(myNow);
        ++myReads;
    } while (myValue > myPrevious);
    if (myReads == 1) return 0;
    const int myPeak = myPrevious;
    if (myPeak > gStyle.mSensitivity && !gMeterAbove) {
        gMeterAbove = 1;
        gBeatLast = myNow;
        myBeat = true;
    } else if (myPeak <= gStyle.mSensitivity) {
        gMeterAbove = 0;
    }
    gSoundSamplePos = mySaved;
    return myPeak;
}

uint8_t AnimateEffectMeterLength() {
    gEffOffset = static_cast<uint8_t>(64 * gEffScale);
    return gEffOffset;
}

void AnimateComputeSpectrum(uint8_t myHeights[kSpectrumColumns]) {
    // One window, read once, serves every column: each takes the samples it needs from its end.
    int myLongest = 0;
    for (int myColumn = 0; myColumn < kSpectrumColumns; ++myColumn)
        myLongest = std::max(myLongest, ListenWindowLength(kAudioInRate / ((myColumn + 5) * 4)));
    myLongest = std::min(myLongest, kWindowMost);
    static int16_t sWindow[kWindowMost];
    ListenWindow(gSoundSamplePos, myLongest, sWindow);
    // The largest distance from the middle of every tail of the window, for each column's own length.
    static uint8_t sLargestFrom[kWindowMost + 1];
    sLargestFrom[myLongest] = 0;
    for (int i = myLongest - 1; i >= 0; --i)
        sLargestFrom[i] =
            static_cast<uint8_t>(std::max<int>(sLargestFrom[i + 1], std::abs(static_cast<int>(sWindow[i]))));
    int myLastPeriod = -1;
    double myLevel = 0;
    for (int myColumn = 0; myColumn < kSpectrumColumns; ++myColumn) {
        const int myPeriod = kAudioInRate / ((myColumn + 5) * 4);
        if (myPeriod != myLastPeriod) {
            const int myLength = std::min(ListenWindowLength(myPeriod), myLongest);
            myLevel =
                ListenLevel(sWindow + myLongest, myPeriod, myLength, sLargestFrom[myLongest - myLength]);
            myLastPeriod = myPeriod;
        }
        const int myHeight = static_cast<int>(myLevel * kSpectrumHeight);
        myHeights[myColumn] = static_cast<uint8_t>(myHeight > kSpectrumHeight ? kSpectrumHeight : myHeight);
    }
}

void ListenSongStarts() {
    gSoundFadeTime = static_cast<uint32_t>(gStyle.mFadeTime) * 100;
}

void ListenSongStops() {
    gSoundPeakTime = gSoundFadeTime = 0;
}

void ListenVolumeChanged() {
    gMeterMax = 0;
}

void ListenResetState() {
    gSoundSamplePos = gSoundSampleLast = 0;
    gSoundSampleNew = 0;
    gMeterCurrent = gMeterMax = gMeterHeard = 0;
    gSoundPeakTime = gSoundFadeTime = 0;
    gMeterAbove = 0;
    gEffOffset = 0;
    gEffScale = 0;
    gScale = 0;
}
