// The shared on/off states and clocks, at their start values.
#include "core/state.h"

#include <initializer_list>

uint8_t gStateRunning = 0;
uint8_t gStateOutsideApp = 0;
uint8_t gStatePaint = 0;
uint8_t gStatePaintClose = 0;
uint8_t gStateClickReturn = 0;
uint8_t gStateControlsVisible = 0;
uint8_t gStateAllVisible = 0;
uint8_t gStateColorChange = 0;
uint8_t gStatePalChange = 0;
uint8_t gStateCD = 0;
uint8_t gStateEject = 0;
uint8_t gSaverTrigger = 0;
uint8_t gStateLastSession = 0;
uint8_t gSaverFlag = 0;
uint8_t gSaverSound = 0;
namespace {
constexpr uint16_t kSaverDelayStart = 20; // minutes, when the desktop tells none
} // namespace
uint16_t gSaverDelay = kSaverDelayStart;
uint16_t gSaverBlank = 0;
uint8_t gNewDisk = 0;
uint32_t gNewDiskTime = 0;
uint32_t gTimer = 0;
int gMeterOffset = 0;
uint8_t gStatePlay = 0;
uint8_t gStatePause = 0;
uint8_t gStateStart = 0;
uint32_t gSongLength = kSilentTrackLength;
uint8_t gStateCDDriver = 0;
uint8_t gStatePlayer = 0;
uint8_t gStateListen = 0;
uint8_t gStateVolume = 0;
int32_t gEditsTotal = 0;
int32_t gEditsCount = 0;
uint8_t gStateTextEntry = 0;
uint8_t gStateEndSong = 0;

void StateResetState() {
    for (uint8_t* myState : {&gStateRunning,     &gStateOutsideApp,  &gStatePaint,
                             &gStatePaintClose,  &gStateClickReturn, &gStateControlsVisible,
                             &gStateAllVisible,  &gStateColorChange, &gStatePalChange,
                             &gStateCD,          &gStateEject,       &gSaverTrigger,
                             &gStateLastSession, &gSaverFlag,        &gSaverSound,
                             &gNewDisk,          &gStateTextEntry,   &gStateEndSong,
                             &gStatePlay,        &gStatePause,       &gStateStart,
                             &gStateCDDriver,    &gStateListen,      &gStateVolume,
                             &gStatePlayer})
        *myState = 0;
    gSaverDelay = kSaverDelayStart;
    gSaverBlank = 0;
    gNewDiskTime = 0;
    gTimer = 0;
    gMeterOffset = 0;
    gSongLength = kSilentTrackLength;
    gEditsTotal = gEditsCount = 0;
}
