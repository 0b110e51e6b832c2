// Keyboard and mouse commands of the visualizer.
#pragma once

#include <cstdint>

void KeyDownHandler(uint32_t myKey, uint32_t myTime);
void KeyHandler(uint32_t myChar, uint32_t myTime, int myFlag);
void MouseClickControls(int myX, int myY, uint32_t myTime, int myFlag);
void MouseKeyToggleControls(int myFlag);
