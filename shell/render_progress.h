// The progress line of a headless render: how far, how fast, how long still.
#pragma once

#include <string>

// "[#######.............]  35%  312 fps  0:04 left" for myDone of myTotal frames after mySeconds of real
// time; at the end the time taken instead of the time left.
std::string RenderProgressLine(int myDone, int myTotal, double mySeconds);
