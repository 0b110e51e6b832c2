// The disc's part of a headless render: the tracks' lengths and names, and the sound the disc's sink plays,
// kept as it is heard and laid under the video at the time it was heard.
#include "shell/render_disc.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <vector>

#include "core/text_utils.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "platform/cdaudio.h"
#include "platform/clock.h"

namespace {
// Sound heard and not yet handed to a video: between two tracks' videos a little waits, and more than this
// is older than any video can still want.
constexpr size_t kPendingMost = size_t(2) * kCDSampleRate;
// Blocks that meet within this many samples are one stream (the sink's times are rounded to microseconds).
constexpr int64_t kJoinSlack = 2;

struct HeardSound {
    int64_t mHeardUs = 0;
    std::vector<int16_t> mStereo;
};

std::deque<HeardSound> sPending;
size_t sPendingFrames = 0;
int64_t sVideoStartUs = 0; // the sink's clock at the video's first picture
int64_t sSoundWritten = 0; // samples handed to the video, silence included

// The sink's tap: the player's lock is held, so this only keeps what it is given.
void RenderDiscHeard(int64_t myHeardUs, const int16_t* myStereo, int myCount) {
    sPending.push_back({myHeardUs, std::vector<int16_t>(myStereo, myStereo + 2 * myCount)});
    sPendingFrames += static_cast<size_t>(myCount);
    while (sPendingFrames > kPendingMost && sPending.size() > 1) {
        sPendingFrames -= sPending.front().mStereo.size() / 2;
        sPending.pop_front();
    }
}

void RenderDiscSilence(VideoOut& myVideo, int64_t myCount) {
    static const std::vector<int16_t> kQuiet(2 * 4096, 0);
    for (int64_t myLeft = myCount; myLeft > 0;) {
        const int myPart = static_cast<int>(std::min<int64_t>(myLeft, 4096));
        VideoWriteSound(myVideo, kQuiet.data(), myPart);
        myLeft -= myPart;
    }
    sSoundWritten += myCount;
}
} // namespace

int RenderDiscTrackFrames(int myTrack, int myFps) {
    if (!gStateCD || myTrack < 0 || myTrack >= gTrackTotal) return 0;
    const int64_t myCDFrames = int64_t(gTrackFrames[myTrack + 1]) - gTrackFrames[myTrack];
    if (myCDFrames <= 0) return 0;
    // As long as playback plays the track: the last one ends a tenth of a second before the disc does, and
    // then the disc starts again, which is no part of the track's video.
    int64_t myLength = myCDFrames * 1000 / kCDFrameRate;
    if (myTrack == gTrackTotal - 1) myLength = myLength > 100 ? myLength - 100 : 0;
    return static_cast<int>((myLength * myFps + 999) / 1000);
}

std::string RenderDiscVideoName(int myTrack) {
    char myTitle[kCDNameSize] = {};
    if (myTrack >= 0 && myTrack < kTracksMax) {
        std::memcpy(myTitle, gCDSet[myTrack].mName, kCDNameSize - 1);
        MainRemoveUnderscores(myTitle, static_cast<int>(std::strlen(myTitle)));
        // A RaveSet from elsewhere may name a track with anything: the video stays in its folder.
        for (char& myChar : myTitle)
            if (myChar == '/' || myChar == '\\' || (myChar > 0 && myChar < ' ')) myChar = '_';
    }
    char myName[kCDNameSize + 32];
    if (myTitle[0])
        std::snprintf(myName, sizeof(myName), "%02d %s.mp4", myTrack + 1, myTitle);
    else
        std::snprintf(myName, sizeof(myName), "%02d Track %d.mp4", myTrack + 1, myTrack + 1);
    return myName;
}

void RenderDiscListen() {
    CDAudioSetSinkTap(RenderDiscHeard);
}

void RenderDiscSoundStart(uint32_t myStart) {
    const int64_t myNowUs = CDAudioSinkClock();
    sVideoStartUs = myNowUs - int64_t(static_cast<uint32_t>(ClockTicks() - myStart)) * 1000;
    sSoundWritten = 0;
}

void RenderDiscSoundFlush(VideoOut& myVideo, int64_t myLength) {
    CDAudioSinkClock();
    for (const HeardSound& myBlock : sPending) {
        const int64_t myCount = static_cast<int64_t>(myBlock.mStereo.size() / 2);
        int64_t myFirst = std::llround(double(myBlock.mHeardUs - sVideoStartUs) * kCDSampleRate / 1e6);
        if (std::llabs(myFirst - sSoundWritten) <= kJoinSlack) myFirst = sSoundWritten;
        if (myFirst + myCount <= sSoundWritten) continue; // heard before the video or already laid in
        if (myFirst > sSoundWritten) RenderDiscSilence(myVideo, myFirst - sSoundWritten);
        const int64_t mySkip = sSoundWritten - myFirst > 0 ? sSoundWritten - myFirst : 0;
        VideoWriteSound(myVideo, myBlock.mStereo.data() + 2 * mySkip, static_cast<int>(myCount - mySkip));
        sSoundWritten += myCount - mySkip;
    }
    sPending.clear();
    sPendingFrames = 0;
    if (myLength > sSoundWritten) RenderDiscSilence(myVideo, myLength - sSoundWritten);
}

void RenderDiscResetState() {
    CDAudioSetSinkTap(nullptr);
    sPending.clear();
    sPendingFrames = 0;
    sVideoStartUs = 0;
    sSoundWritten = 0;
}
