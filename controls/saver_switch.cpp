// Switching Orbex's screen saver off undoes at once what quitting with it on installs.
#include "controls/saver_switch.h"

#include "platform/saver_setup.h"

void MouseQuitScreenSaver() {
    SaverUninstall();
}
