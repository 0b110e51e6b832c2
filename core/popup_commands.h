// The popup menus' command numbers. Beyond the menus they say what a command is for: which component list a
// random file comes from, and which kind of file a typed name is saved as or loaded from.
#pragma once

#include <cstdint>

// The lists of component files, as the FILLS, BRUSHES, MOVEMENTS and GRADIENTS columns open them.
constexpr uint16_t kPopupFills = 300;
constexpr uint16_t kPopupBrushes = 301;
constexpr uint16_t kPopupMovements = 302;
constexpr uint16_t kPopupGradients = 308;

// The drive menu: its "Open Folder or Image..." asks for a path in TEXT ENTRY.
constexpr uint16_t kPopupDrive = 310;

// The files saved and loaded by name.
constexpr uint16_t kPopupStyle = 312;
constexpr uint16_t kPopupGradientSet = 314;
constexpr uint16_t kPopupFillSet = 315;
constexpr uint16_t kPopupBrushSet = 316;
constexpr uint16_t kPopupMoveSet = 317;
constexpr uint16_t kPopupMasterFolder = 345; // the CD master folder, named as the disc to be made
constexpr uint16_t kPopupLastSession = 347;
constexpr uint16_t kPopupRave = 348;   // the song and rave box: raves and song titles
constexpr uint16_t kPopupCDFile = 349; // the CD name box: RaveSets
