// Help texts arrive with the help window's own work; the window itself opens and closes with its toggle.
#include "controls/help.h"

int32_t gHelpZone = 0;

void HelpDisplay() {}

void HelpResetState() {
    gHelpZone = 0;
}
