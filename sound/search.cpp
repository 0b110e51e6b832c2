// The search for an active recording source: each source in turn for half a second until one is heard.
#include "sound/search.h"

#include "core/alert.h"
#include "sound/listen.h"
#include "sound/sound_input.h"

namespace {
int sGraceUsed = 0;

void SearchEnd() {
    gSoundQueryFlag = kSearchNone;
    gSearchFlag = 0;
}
} // namespace

void AnimateSearchAudio() {
    if (gMeterCurrent > 2) {
        if (gSoundQueryFlag == -1) {
            if (gSearchFlag == 2) MainOpenAlert("Sound was successfully located.");
        } else {
            gAudioInputType = static_cast<uint8_t>(gSoundQueryFlag);
            MainOpenAlert(gSearchFlag == 2 ? "Sound was successfully located."
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
    if (gSoundQueryFlag == kSearchNone) {
        sGraceUsed = 0;
        return;
    }
    if (gSearchFlag < 2 && sGraceUsed < kSearchGrace) {
        ++sGraceUsed;
        if (gSearchFlag == 1 && gMeterCurrent > 2) SearchEnd();
        return;
    }
    AnimateSearchAudio();
}

void SearchResetState() {
    sGraceUsed = 0;
}
