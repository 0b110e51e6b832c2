// The screen saver's preview picture: the splash at 143 x 71 with a colour table of its own.
#pragma once

#include "platform/palette.h"
#include "platform/surface.h"

constexpr int kSaverLogoWidth = 143;
constexpr int kSaverLogoHeight = 71;

// The interface's fixed colours (0-20 and 246-255) in their places; the rest black.
void ResourceInterfaceColors(PaletteEntry myEntries[kPaletteSize]);
// Draws the logo into a new surface and fills myColors with its colour table.
bool ResourceDrawSaverLogo(Surface& mySurface, PaletteEntry myColors[kPaletteSize]);
