// The frame loop. The picture stays the black fill of the running program until the engine draws into it.
#include "engine/animate.h"

void AnimateMain() {}
