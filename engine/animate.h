// The animation: one step of the frame loop at a time.
#pragma once

void AnimateMain();
