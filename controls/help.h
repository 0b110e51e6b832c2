// The help window's text for whatever the cursor is over.
#pragma once

#include <cstdint>

// The help zone shown last; 0 makes the next pass draw afresh.
extern int32_t gHelpZone;

void HelpDisplay();
void HelpResetState();
