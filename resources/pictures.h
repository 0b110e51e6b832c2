// The built-in pictures, drawn by code into 8-bit surfaces in the sizes and roles the program expects.
#pragma once

#include "platform/surface.h"

constexpr int kPictureSplash = 128;            // 145 x 71, start-up splash
constexpr int kPictureBanner = 129;            // 108 x 38, the name banner's two halves, one above the other
constexpr int kPictureControls = 130;          // 390 x 409, the expanded controls' background
constexpr int kPictureControlsPressed = 131;   // 390 x 409, the same with each control pressed
constexpr int kPictureButtons = 132;           // 272 x 34
constexpr int kPictureIcons = 133;             // 143 x 40
constexpr int kPictureDisplay = 134;           // 100 x 17
constexpr int kPicturePanelArt = 135;          // 192 x 26
constexpr int kPictureControlsCollapsed = 136; // 199 x 114, the collapsed controls' part of 130
constexpr int kPictureArrows = 137;            // 17 x 13
constexpr int kPicturePopup = 138;             // 22 x 14

// Draws picture myPicture into a new surface of its size; false for a number that is no picture.
bool ResourceDrawPicture(int myPicture, Surface& mySurface);
