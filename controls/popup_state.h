// What a save or load of a named file is for: the popup command that asked, and the name typed for it.
#pragma once

#include <cstdint>

constexpr int kEditableSize = 28; // the typed name, at most 27 characters, and its terminator

// The popup commands whose files the disk layer saves and loads.
constexpr uint16_t kPopupStyle = 312;
constexpr uint16_t kPopupGradientSet = 314;
constexpr uint16_t kPopupFillSet = 315;
constexpr uint16_t kPopupBrushSet = 316;
constexpr uint16_t kPopupMoveSet = 317;
constexpr uint16_t kPopupLastSession = 347;

extern uint16_t gPopup;
extern char gEditableText[kEditableSize];
// Puts the values above back to their start values.
void PopupResetState();
