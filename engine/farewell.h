// The farewell's picture: one brush resting at the centre, its frames and colours still turning.
#pragma once

#include <cstdint>

#include "platform/surface.h"
#include "storage/components.h"

// Rests myBrush at myX, myY with nothing of the running picture left: no trails, the whole of myDisplay
// erased under it, no brush effect, the brush colour's effect unloaded; the colours step every 25 ms and an
// animated brush turns a frame every 75 ms, both from time 0.
void FarewellPose(const VBrush& myBrush, double myX, double myY, const Rect& myDisplay);
// The farewell at myTime: the brush's next frame and the colours' next step, each when it is due.
void FarewellStep(VBrush& myBrush, uint32_t myTime);
