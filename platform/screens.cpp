// The desktop's screens: SDL's displays where it tells them apart, else the heads Xinerama reports.
#include "platform/screens.h"

#include <SDL.h>

#include <cstring>
#include <vector>

#include "platform/platform.h"

// Xlib's names (None, Bool, Status ...) stay below everything else.
#include <X11/Xlib.h>
#include <X11/extensions/Xinerama.h>

namespace {
std::vector<Rect> sScreens;
bool sSDLDisplays = true;
int sChosen = 0;

std::vector<Rect> ScreenXineramaHeads() {
    std::vector<Rect> myHeads;
    const char* myDriver = SDL_GetCurrentVideoDriver();
    if (!myDriver || std::strcmp(myDriver, "x11") != 0) return myHeads;
    ::Display* myDisplay = XOpenDisplay(nullptr);
    if (!myDisplay) return myHeads;
    int myEvent = 0, myError = 0, myCount = 0;
    if (XineramaQueryExtension(myDisplay, &myEvent, &myError) && XineramaIsActive(myDisplay)) {
        XineramaScreenInfo* myInfo = XineramaQueryScreens(myDisplay, &myCount);
        for (int myIndex = 0; myInfo && myIndex < myCount; ++myIndex) {
            const XineramaScreenInfo& myHead = myInfo[myIndex];
            myHeads.push_back(
                {myHead.x_org, myHead.y_org, myHead.x_org + myHead.width, myHead.y_org + myHead.height});
        }
        if (myInfo) XFree(myInfo);
    }
    XCloseDisplay(myDisplay);
    return myHeads;
}

int64_t ScreenDistance(const Rect& myScreen, int myX, int myY) {
    const int64_t myDX = myX < myScreen.left     ? myScreen.left - myX
                         : myX >= myScreen.right ? myX - myScreen.right + 1
                                                 : 0;
    const int64_t myDY = myY < myScreen.top       ? myScreen.top - myY
                         : myY >= myScreen.bottom ? myY - myScreen.bottom + 1
                                                  : 0;
    return myDX * myDX + myDY * myDY;
}
} // namespace

void ScreenRefresh() {
    sScreens.clear();
    sSDLDisplays = true;
    if (gPlatformHeadless) return;
    for (int myIndex = 0; myIndex < SDL_GetNumVideoDisplays(); ++myIndex) {
        SDL_Rect myBounds;
        if (SDL_GetDisplayBounds(myIndex, &myBounds) == 0)
            sScreens.push_back({myBounds.x, myBounds.y, myBounds.x + myBounds.w, myBounds.y + myBounds.h});
    }
    std::vector<Rect> myHeads = ScreenXineramaHeads();
    if (myHeads.size() > sScreens.size()) {
        sScreens = std::move(myHeads);
        sSDLDisplays = false;
    }
    if (sChosen >= ScreenTotal()) sChosen = 0;
}

int ScreenTotal() {
    return sScreens.empty() ? 1 : static_cast<int>(sScreens.size());
}

Rect ScreenBounds(int myScreen) {
    if (sScreens.empty()) return Rect{};
    return sScreens[myScreen >= 0 && myScreen < ScreenTotal() ? myScreen : 0];
}

void ScreenChoose(int myScreen) {
    sChosen = myScreen >= 0 && myScreen < ScreenTotal() ? myScreen : 0;
}

int ScreenChosen() {
    return sChosen;
}

int ScreenAt(int myX, int myY) {
    int myBest = 0;
    for (int myIndex = 1; myIndex < static_cast<int>(sScreens.size()); ++myIndex)
        if (ScreenDistance(sScreens[myIndex], myX, myY) < ScreenDistance(sScreens[myBest], myX, myY))
            myBest = myIndex;
    return myBest;
}

bool ScreenSDLDisplays() {
    return sSDLDisplays;
}

void ScreenResetState() {
    sScreens.clear();
    sSDLDisplays = true;
    sChosen = 0;
}
