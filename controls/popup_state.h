// What a save or load of a named file is for: the popup command that asked, and the name typed for it.
#pragma once

#include <cstdint>

#include "core/popup_commands.h"

constexpr int kEditableSize = 28; // the typed name, at most 27 characters, and its terminator

extern uint16_t gPopup;
extern char gEditableText[kEditableSize];
// The typed name is a song title only: a rave popup's save renames the rave instead of writing one.
extern uint8_t gStateSaveTitle;
// Puts the values above back to their start values.
void PopupResetState();
