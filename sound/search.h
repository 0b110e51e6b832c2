// The search for a recording source that carries sound.
#pragma once

#include <cstdint>

constexpr int kSearchGrace = 8; // half seconds a quiet search waits for sound on the current source
constexpr uint8_t kSearchQuiet = 1;
constexpr uint8_t kSearchLoud = 2; // asked for by the user: every outcome is told

// A headless run given no sound (no song, click track or disc) hears silence on purpose: a quiet search for
// sound would only end in "Unable to find active sound channel!", so none starts. The user's own search
// (kSearchLoud) still runs and says what it finds.
extern bool gSearchSilenceMeant;

// Starts a search of kind myKind; a search already running starts over.
void AnimateStartSearch(uint8_t myKind);
// The quiet search of a run's first start. On the desktop's own monitor it waits for music: while the monitor
// is silent and no desktop player plays, its grace does not run, so a desktop where nothing plays yet gets
// neither a search nor an alert; once a player plays and the monitor stays silent through the grace (the
// sound goes elsewhere), the search runs as written. Any other source gets the written quiet search.
void AnimateWaitForMusic();
// Whether a media player on the desktop plays now: the players' watch says so as one starts or stops
// playing (on the program's own thread).
void SearchSetPlayerPlays(bool myPlays);
bool SearchPlayerPlays();
// One step of the search, every half second while one is pending.
void AnimateSearchAudio();
// The frame loop's half-second call: a source that went away starts a quiet search; a quiet search's grace
// comes first, then its steps.
void AnimateSearchHalfSecond();
// Forgets the grace periods of a search that was under way, and the silence meant.
void SearchResetState();
