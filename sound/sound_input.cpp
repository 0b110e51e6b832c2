// The sound input: whether a recording device is open to listen to.
#include "sound/sound_input.h"

uint8_t gStateInput = 0;
