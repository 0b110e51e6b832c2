// The search for an active recording source: each source in turn for half a second until one is heard.
#include "sound/search.h"

#include "core/alert.h"
#include "platform/audioin.h"
#include "sound/listen.h"
#include "sound/sound_input.h"

bool gSearchSilenceMeant = false;

namespace {
int sGraceUsed = 0;
bool sWaitForMusic = false; // the first start's search on the desktop's monitor, see AnimateWaitForMusic
bool sPlayerPlays = false;

// Whether the source heard since the last look carried sound; the next look starts afresh.
bool SearchHeardSound() {
    const bool myHeard = gMeterHeard > 2;
    gMeterHeard = 0;
    return myHeard;
}

void SearchEnd() {
    gSoundQueryFlag = kSearchNone;
    gSearchFlag = 0;
    sWaitForMusic = false;
}
} // namespace

void AnimateStartSearch(uint8_t myKind) {
    if (gSearchSilenceMeant && myKind != kSearchLoud) return;
    gMeterHeard = 0;
    gSoundQueryFlag = -1;
    gSearchFlag = myKind;
    sGraceUsed = 0;
    sWaitForMusic = false;
}

void AnimateWaitForMusic() {
    AnimateStartSearch(kSearchQuiet);
    sWaitForMusic = gSoundQueryFlag == -1 && gSoundDesktopMonitor >= 0 &&
                    gAudioCurrentInputType == static_cast<uint8_t>(gSoundDesktopMonitor);
}

void SearchSetPlayerPlays(bool myPlays) {
    sPlayerPlays = myPlays;
}

bool SearchPlayerPlays() {
    return sPlayerPlays;
}

void AnimateSearchAudio() {
    if (SearchHeardSound()) {
        if (gSoundQueryFlag == -1) {
            if (gSearchFlag == kSearchLoud) MainOpenAlert("Sound was successfully located.");
        } else {
            MusicStoreInput(static_cast<uint8_t>(gSoundQueryFlag));
            MainOpenAlert(gSearchFlag == kSearchLoud ? "Sound was successfully located."
                                                     : "Current sound channel inactive! However, program "
                                                       "successfully located active sound channel.");
        }
        SearchEnd();
        return;
    }
    for (;;) {
        ++gSoundQueryFlag;
        if (gSoundQueryFlag >= gSoundInputNum) {
            MainOpenAlert("Unable to find active sound channel!");
            InitSetSoundInput(MusicChosenInput());
            SearchEnd();
            return;
        }
        if (!InitSetSoundInput(static_cast<uint8_t>(gSoundQueryFlag))) return;
    }
}

void AnimateSearchHalfSecond() {
    if (AudioInTakeLoss() && gSoundQueryFlag == kSearchNone) {
        // An unplugged headset leaves the picture deaf: look for sound elsewhere at once, since none can
        // come back on a source that is gone.
        AnimateStartSearch(kSearchQuiet);
        sGraceUsed = kSearchGrace;
    }
    if (gSoundQueryFlag == kSearchNone) return;
    if (gSearchFlag < kSearchLoud && sGraceUsed < kSearchGrace) {
        if (SearchHeardSound() && gSearchFlag == kSearchQuiet) {
            SearchEnd();
            return;
        }
        // Nothing plays yet: the silence is the desktop's, not a sign that the sound goes elsewhere.
        if (sWaitForMusic && !sPlayerPlays) {
            sGraceUsed = 0;
            return;
        }
        ++sGraceUsed;
        return;
    }
    AnimateSearchAudio();
}

void SearchResetState() {
    sGraceUsed = 0;
    sWaitForMusic = false;
    sPlayerPlays = false;
    gSearchSilenceMeant = false;
}
