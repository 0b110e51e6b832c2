// The slots' thumbnails in the controls artwork: where each sits, and copying what the loaders left in the
// components (VBrush::mThumb, VFill::mThumb, MEffect::mThumb) to its place.
#pragma once

#include "platform/surface.h"

// The well of a slot's thumbnail in gWorldControls: in the FILLS, BRUSHES and MOVEMENTS lists (myType 'F',
// 'B' or 'M') of the controls artwork, the square at the left of the slot's row (slot 0-5).
Rect DrawThumbRect(char myType, int mySlot);
// Copies every slot's thumbnail into its well of gWorldControls; a fill's, wider than the well, shows its
// middle.
void DrawThumbnails();
