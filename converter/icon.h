// The small picture a component file carries for the controls window's slots and menus.
#pragma once

#include <cstdint>
#include <vector>

#include "converter/color_map.h"

// Scales the source rectangle (myLeft, myTop, myWidth x myHeight of a picture myPitch wide) to fit the icon
// box, centred on 255, and keeps fixed colours on even slots of myTable (whose colours start at myFixedBase).
// An empty source gives an all-transparent icon.
std::vector<uint8_t> ConvertMakeIcon(const uint8_t* myPicture, int myPitch, int myLeft, int myTop,
                                     int myWidth, int myHeight, int myIconWidth,
                                     const ConvertFixedTable& myTable, uint8_t myFixedBase);

// The source rectangle of a brush's icon: the first frame without its empty edges (255 and no mask).
// Returns false when the frame shows nothing.
bool ConvertIconFrame(const uint8_t* myPicture, const uint8_t* myMask, int myPitch, int myFrameWidth,
                      int myHeight, int& myLeft, int& myTop, int& myWidth, int& myIconHeight);
