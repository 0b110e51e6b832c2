// The drawing of each built-in picture into a surface already made at its size.
#pragma once

#include "platform/surface.h"

void ResourceDrawSplash(Surface& mySurface);                     // 128
void ResourceDrawBanner(Surface& mySurface);                     // 129
void ResourceDrawBackground(Surface& mySurface, bool myPressed); // 130, 131 and 136
void ResourceDrawButtons(Surface& mySurface);                    // 132
void ResourceDrawIcons(Surface& mySurface);                      // 133
void ResourceDrawDigits(Surface& mySurface);                     // 134
void ResourceDrawPanelArt(Surface& mySurface);                   // 135
void ResourceDrawArrows(Surface& mySurface);                     // 137
void ResourceDrawScrollArrows(Surface& mySurface);               // 138
