// Gradients from colour stops: the text form authors write, and the gradient file it becomes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "converter/settings.h"

// Builds a gradient file (.gra) from stops. The text has a "brush" section and optionally a "fill" section
// (without one the fill half repeats the brush half); each stop is "POSITION R G B" or "POSITION #rrggbb"
// with positions 0-89 rising. Colours between stops blend linearly; before the first and after the last stop
// they hold. Failures name the line.
ConvertResult GradientAssemble(const std::string& myText, std::vector<uint8_t>& myFile);
