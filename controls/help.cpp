// Help texts arrive with the help window; the controls are not shown before then.
#include "controls/help.h"

void HelpDisplay() {}
