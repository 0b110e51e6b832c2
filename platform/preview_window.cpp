// Drawing into a foreign window with SDL (SDL_CreateWindowFrom) and its software renderer.
#include "platform/preview_window.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <vector>

namespace {
int PreviewErrorIgnored(Display*, XErrorEvent*) {
    return 0;
}

// Whether the owner still has the window; asked on a connection of our own, so a window destroyed under SDL's
// feet is noticed before SDL draws into it again.
bool PreviewWindowExists(Display* myDisplay, uint64_t myWindow) {
    if (!myDisplay) return true;
    XWindowAttributes myAttributes;
    return XGetWindowAttributes(myDisplay, static_cast<Window>(myWindow), &myAttributes) != 0;
}

void PreviewDraw(SDL_Renderer* myRenderer, SDL_Texture* myTexture, const Surface& myPicture) {
    int myWidth = 0, myHeight = 0;
    SDL_GetRendererOutputSize(myRenderer, &myWidth, &myHeight);
    SDL_SetRenderDrawColor(myRenderer, 0, 0, 0, 255);
    SDL_RenderClear(myRenderer);
    const SDL_Rect myPlace{(myWidth - myPicture.mWidth) / 2, (myHeight - myPicture.mHeight) / 2,
                           myPicture.mWidth, myPicture.mHeight};
    SDL_RenderCopy(myRenderer, myTexture, nullptr, &myPlace);
    SDL_RenderPresent(myRenderer);
}
} // namespace

bool PreviewShow(uint64_t myWindow, const Surface& myPicture, const PaletteEntry* myColors,
                 const volatile sig_atomic_t* myStop) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    Display* myDisplay = XOpenDisplay(nullptr);
    XErrorHandler myOldHandler = XSetErrorHandler(PreviewErrorIgnored);
    bool myShown = false;
    SDL_Window* myTarget =
        PreviewWindowExists(myDisplay, myWindow)
            ? SDL_CreateWindowFrom(reinterpret_cast<void*>(static_cast<uintptr_t>(myWindow)))
            : nullptr;
    SDL_Renderer* myRenderer = myTarget ? SDL_CreateRenderer(myTarget, -1, SDL_RENDERER_SOFTWARE) : nullptr;
    SDL_Texture* myTexture =
        myRenderer ? SDL_CreateTexture(myRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                       myPicture.mWidth, myPicture.mHeight)
                   : nullptr;
    if (myTexture) {
        std::vector<uint32_t> myPixels(static_cast<size_t>(myPicture.mWidth) * myPicture.mHeight);
        for (int y = 0; y < myPicture.mHeight; ++y)
            for (int x = 0; x < myPicture.mWidth; ++x) {
                const PaletteEntry& myColor = myColors[myPicture.Row(y)[x]];
                myPixels[static_cast<size_t>(y) * myPicture.mWidth + x] =
                    0xFF000000u | uint32_t(myColor.mRed) << 16 | uint32_t(myColor.mGreen) << 8 |
                    myColor.mBlue;
            }
        SDL_UpdateTexture(myTexture, nullptr, myPixels.data(), myPicture.mWidth * 4);
        myShown = true;
        // The owner may draw over the window at any time: the picture is put back twice a second too.
        uint32_t myLastDrawn = 0;
        while (!*myStop && PreviewWindowExists(myDisplay, myWindow)) {
            SDL_Event myEvent;
            bool myRedraw = SDL_GetTicks() - myLastDrawn >= 500;
            if (SDL_WaitEventTimeout(&myEvent, 100)) {
                if (myEvent.type == SDL_QUIT) break;
                if (myEvent.type == SDL_WINDOWEVENT) myRedraw = true;
            }
            if (myRedraw) {
                PreviewDraw(myRenderer, myTexture, myPicture);
                myLastDrawn = SDL_GetTicks();
            }
        }
    }
    if (myTexture) SDL_DestroyTexture(myTexture);
    if (myRenderer) SDL_DestroyRenderer(myRenderer);
    if (myTarget) SDL_DestroyWindow(myTarget);
    XSetErrorHandler(myOldHandler);
    if (myDisplay) XCloseDisplay(myDisplay);
    SDL_Quit();
    return myShown;
}
