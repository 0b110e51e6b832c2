// Listening: the volume level, the level at one frequency, the sound scale, and the beats they give.
#pragma once

#include <cstdint>

constexpr int kSpectrumColumns = 127;
constexpr int kSpectrumHeight = 28;

extern uint32_t gSoundSamplePos;
extern uint32_t gSoundSampleLast;
extern uint8_t gSoundSampleNew;
extern uint8_t gMeterCurrent;
// The loudest gMeterCurrent since the search for sound last looked: music has rests, and a level read
// at one instant may fall into one.
extern uint8_t gMeterHeard;
extern uint8_t gMeterMax;
extern uint32_t gSoundPeakTime;
extern uint32_t gSoundFadeTime;
extern uint8_t gMeterAbove;
extern uint8_t gEffOffset;
// The sound scale: how far the sound moves the brush (1 at a beat, falling off after it), and the scale of
// the colour kick.
extern double gEffScale;
extern double gScale;
// Puts the values above back to their start values.
void ListenResetState();

// A song starts at song time 0: the sound scale's fade is timed as if the loudest sound came at the end of
// the style's fade time, so the song opens at full scale.
void ListenSongStarts();
// The song stopped: no peak nor fade is left from it.
void ListenSongStops();
// The user changed the volume: the loudest level heard starts again, as the sound scale measures against it.
void ListenVolumeChanged();

// The newest sound: updates the levels and returns the meter value, 0 to 64.
int AnimateGetSound(uint32_t myNow);
// The volume level of the 110 samples before myPosition, and the sound scale gEffScale.
void AnimateGetMeter(uint32_t myPosition, uint32_t myNow);
// The level of the recorded sound at myFrequency hertz in the window ending before myPosition.
double AnimateGetFrequency(int myFrequency, uint32_t myPosition);
// Returns the meter value and sets myBeat when a beat is heard.
int AnimateListenForBeat(uint32_t myNow, bool& myBeat);
// The effect meter's bar length for the current sound scale; kept in gEffOffset.
uint8_t AnimateEffectMeterLength();
// Bar heights (0 to 28) of the spectrograph's columns, 20 to 524 hertz, around the newest sound.
void AnimateComputeSpectrum(uint8_t myHeights[kSpectrumColumns]);
