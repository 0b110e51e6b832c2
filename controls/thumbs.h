// The slots' thumbnails in the controls artwork: where each sits, and copying what the loaders left in the
// components (VBrush::mThumb, VFill::mThumb, MEffect::mThumb) to its place.
#pragma once

#include "platform/surface.h"

// The place of a slot's thumbnail in gWorldControls: the FILLS, BRUSHES and MOVEMENTS columns (myType 'F',
// 'B' or 'M'), six rows of 25 pixels each (slot 0-5).
Rect DrawThumbRect(char myType, int mySlot);
// Copies every slot's thumbnail into gWorldControls.
void DrawThumbnails();
