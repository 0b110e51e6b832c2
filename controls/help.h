// The help window's text for whatever the cursor is over.
#pragma once

void HelpDisplay();
