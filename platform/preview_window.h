// A picture shown in a window another program owns: the screen-saver settings' preview box, or XScreenSaver's
// window.
#pragma once

#include <csignal>
#include <cstdint>

#include "platform/palette.h"
#include "platform/surface.h"

// Fills the window black with myPicture (8-bit, through myColors) centred in it, drawn again whenever the
// window shows or changes size, until the window goes away or *myStop is set. False when the window cannot be
// used.
bool PreviewShow(uint64_t myWindow, const Surface& myPicture, const PaletteEntry* myColors,
                 const volatile sig_atomic_t* myStop);
