// The search for a recording source that carries sound.
#pragma once

#include <cstdint>

constexpr int kSearchGrace = 8; // half seconds a quiet search waits for sound on the current source

// One step of the search, every half second while one is pending.
void AnimateSearchAudio();
// The frame loop's half-second call: a quiet search's grace first, then its steps.
void AnimateSearchHalfSecond();
// Forgets the grace periods of a search that was under way.
void SearchResetState();
