// The contact sheet: one picture of a whole component folder tree, to judge a library at a glance.
#pragma once

#include <string>

#include "converter/settings.h"

// Renders every brush (its frames in a row) and fill of myFolder's "Brushes" and "Fills" through the
// gradient myGradient (empty: the first by name), every gradient as two strips (brush half above, fill half
// below) and every movement's path on a small screen, and writes them as one RGB PNG.
ConvertResult SheetWrite(const std::string& myFolder, const std::string& myGradient,
                         const std::string& myOut);
