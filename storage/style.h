// Styles: the whole look as one settings record, loaded from its file and applied as edits.
#pragma once

#include "shell/style_record.h"

constexpr int kStyleFromFile = -1;

// Loads a style and applies it; a style file that is missing gives the defaults, silently.
bool StyleLoad(const char* myName, int myMode);
// Loads every component myRecord names into its slot, then applies its settings as edits, in their order.
void StyleApply(const StyleRecord& myRecord);
