// Choosing the idle source at run time: GNOME's monitor first (it sees X11 and Wayland sessions alike), then
// the Wayland protocol, then the X server's own extension.
#include "platform/desktop/idle.h"

#include <initializer_list>

const IdleSource* IdleChoose() {
    for (const IdleSource* mySource : {&kIdleGnome, &kIdleWayland, &kIdleX11})
        if (mySource->mOpen()) return mySource;
    return nullptr;
}
