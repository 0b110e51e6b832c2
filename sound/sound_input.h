// The sound input: whether a recording device is open to listen to.
#pragma once

#include <cstdint>

extern uint8_t gStateInput;
