// Presenting 8-bit pictures with SDL2: the way chosen for the machine, the rows that changed brought to the
// window, and no more presents than the display shows.
#include "platform/present.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {
constexpr int kDefaultRefresh = 60; // when the display does not say (Xvfb)

// Decided with the first window, for all of them: the machine does not change while Orbex runs.
PresentWay sChosen = kPresentAuto;
bool sVerbose = false;
bool sSaid[4] = {};

void PresentSay(PresentWay myWay, const std::string& myText) {
    if (!sVerbose || sSaid[myWay]) return;
    sSaid[myWay] = true;
    std::fprintf(stderr, "orbex: %s\n", myText.c_str());
}

std::string PresentWayText(PresentWay myWay) {
    switch (myWay) {
    case kPresentSurface:
        return std::string(
                   "windows are presented through their window surfaces: the changed rows converted (") +
               PaletteWayName(kPaletteWayBest) + ") straight into the window's pixels";
    case kPresentOpenGL:
        return "windows are presented with OpenGL: the changed rows and the palette uploaded, colours looked "
               "up "
               "by a shader";
    default:
        return "windows are presented with SDL's renderer through a streaming texture";
    }
}

PresentWay PresentFromEnvironment() {
    const char* myAsked = std::getenv("ORBEX_PRESENT");
    if (!myAsked) return kPresentAuto;
    for (PresentWay myWay : {kPresentSurface, kPresentOpenGL, kPresentRenderer})
        if (std::strcmp(myAsked, PresentWayName(myWay)) == 0) return myWay;
    if (*myAsked)
        std::fprintf(stderr,
                     "orbex: ORBEX_PRESENT=%s is not surface, opengl or renderer; choosing by itself\n",
                     myAsked);
    return kPresentAuto;
}

PresentWay PresentDecide() {
    if (sChosen != kPresentAuto) return sChosen;
    PresentWay myWay = PresentFromEnvironment();
    std::string myWhy = "asked for by ORBEX_PRESENT";
    const char* myDriver = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (myWay != kPresentAuto) {
    } else if (myDriver && *myDriver) {
        myWay = kPresentRenderer;
        myWhy = std::string("SDL_RENDER_DRIVER asks for ") + myDriver;
    } else {
        const std::string myGL = PresentGLProbe();
        if (!myGL.empty() && !PresentIsSoftwareRasteriser(myGL.c_str())) {
            myWay = kPresentOpenGL;
            myWhy = "OpenGL is drawn by " + myGL;
        } else {
            myWay = kPresentSurface;
            myWhy = myGL.empty() ? "no OpenGL 2 here" : "OpenGL here is " + myGL + ", drawn on the processor";
        }
    }
    sChosen = myWay;
    PresentSay(myWay, PresentWayText(myWay) + " (" + myWhy + ")");
    return myWay;
}

int PresentSoftwareDriver() {
    for (int myIndex = 0; myIndex < SDL_GetNumRenderDrivers(); ++myIndex) {
        SDL_RendererInfo myInfo;
        if (SDL_GetRenderDriverInfo(myIndex, &myInfo) == 0 && std::strcmp(myInfo.name, "software") == 0)
            return myIndex;
    }
    return -1;
}

uint32_t PresentRefreshInterval(SDL_Window* myWindow) {
    SDL_DisplayMode myMode{};
    const int myDisplay = SDL_GetWindowDisplayIndex(myWindow);
    int myRefresh = kDefaultRefresh;
    if (myDisplay >= 0 && SDL_GetCurrentDisplayMode(myDisplay, &myMode) == 0 && myMode.refresh_rate > 0)
        myRefresh = myMode.refresh_rate;
    // Rounded up, so no two presents fall within one refresh.
    return static_cast<uint32_t>((1000 + myRefresh - 1) / myRefresh);
}

// The window's pixels, when they are 32-bit colours in an order the conversion writes.
SDL_Surface* PresentWindowPixels(SDL_Window* myWindow, PaletteOrder* myOrder) {
    SDL_Surface* mySurface = SDL_GetWindowSurface(myWindow);
    if (!mySurface || mySurface->format->BytesPerPixel != 4 || mySurface->format->Gmask != 0xFF00u)
        return nullptr;
    if (mySurface->format->Rmask == 0xFF0000u && mySurface->format->Bmask == 0xFFu) {
        *myOrder = kPaletteXRGB;
        return mySurface;
    }
    if (mySurface->format->Rmask == 0xFFu && mySurface->format->Bmask == 0xFF0000u) {
        *myOrder = kPaletteXBGR;
        return mySurface;
    }
    return nullptr;
}
} // namespace

void PresentChoose(PresentWay myWay) {
    sChosen = myWay;
}

PresentWay PresentChosen() {
    return sChosen;
}

uint32_t PresentWindowFlags() {
    return PresentDecide() == kPresentOpenGL ? SDL_WINDOW_OPENGL : 0;
}

const char* PresentWayName(PresentWay myWay) {
    switch (myWay) {
    case kPresentSurface:
        return "surface";
    case kPresentOpenGL:
        return "opengl";
    case kPresentRenderer:
        return "renderer";
    default:
        return "auto";
    }
}

void PresentSetVerbose(bool myVerbose) {
    sVerbose = myVerbose;
}

void PresentResetState() {
    sChosen = kPresentAuto;
    sVerbose = false;
    std::fill(std::begin(sSaid), std::end(sSaid), false);
}

bool PresentIsSoftwareRasteriser(const char* myGLRenderer) {
    if (!myGLRenderer) return false;
    std::string myName = myGLRenderer;
    std::transform(myName.begin(), myName.end(), myName.begin(),
                   [](unsigned char myChar) { return static_cast<char>(std::tolower(myChar)); });
    for (const char* myWord : {"llvmpipe", "softpipe", "software rasterizer", "swrast"})
        if (myName.find(myWord) != std::string::npos) return true;
    return false;
}

bool Presenter::PresenterOpen(SDL_Window* myWindow, int myWidth, int myHeight, int myScale) {
    PresenterClose();
    mWindow = myWindow;
    mScale = std::max(myScale, 1);
    mInterval = PresentRefreshInterval(myWindow);
    mWay = PresentDecide();
    const char* myTitle = SDL_GetWindowTitle(myWindow);
    if (mWay == kPresentOpenGL && !mGL.PresentGLOpen(myWindow, myWidth, myHeight)) {
        PresentSay(kPresentSurface, std::string("\"") + myTitle + "\" gets no OpenGL 2 context; " +
                                        PresentWayText(kPresentSurface));
        mWay = kPresentSurface;
    }
    bool mySoftware = false;
    if (mWay == kPresentSurface && !PresentWindowPixels(myWindow, &mOrder)) {
        PresentSay(kPresentRenderer, std::string("\"") + myTitle + "\" has no 32-bit window surface; " +
                                         PresentWayText(kPresentRenderer));
        mWay = kPresentRenderer;
        mySoftware = true;
    }
    if (mWay == kPresentRenderer) {
        // Where the window surface failed, SDL's software renderer still draws into the window's own pixels.
        mRenderer = SDL_CreateRenderer(myWindow, mySoftware ? PresentSoftwareDriver() : -1, 0);
        if (!mRenderer) return false;
        SDL_RendererInfo myInfo;
        mKeepsFrame =
            SDL_GetRendererInfo(mRenderer, &myInfo) == 0 && std::strcmp(myInfo.name, "software") == 0;
    }
    return PresenterResize(myWidth, myHeight);
}

bool Presenter::PresenterResize(int myWidth, int myHeight) {
    mRows.ChangedRowsSize(myHeight);
    mShownWidth = mShownHeight = 0;
    switch (mWay) {
    case kPresentOpenGL:
        return mGL.PresentGLResize(myWidth, myHeight);
    case kPresentRenderer:
        if (!mRenderer) return false;
        if (mTexture) SDL_DestroyTexture(mTexture);
        // No alpha: the picture is copied, never blended, which the software renderer does at memory speed.
        mTexture = SDL_CreateTexture(mRenderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, myWidth,
                                     myHeight);
        if (mTexture) SDL_SetTextureBlendMode(mTexture, SDL_BLENDMODE_NONE);
        return mTexture != nullptr;
    default:
        return mWindow != nullptr;
    }
}

void Presenter::PresenterClose() {
    mGL.PresentGLClose();
    if (mTexture) SDL_DestroyTexture(mTexture);
    if (mRenderer) SDL_DestroyRenderer(mRenderer);
    mTexture = nullptr;
    mRenderer = nullptr;
    mWindow = nullptr;
}

bool Presenter::PresenterPending() const {
    return mRows.mAny || mPresentedSerial != gPaletteSerial;
}

uint32_t Presenter::PresenterDueIn(uint32_t myNow) const {
    if (!mWindow || !PresenterPending()) return kPresentNothing;
    const uint32_t mySince = myNow - mLastPresent;
    return mySince >= mInterval ? 0 : mInterval - mySince;
}

namespace {
void PresentShowGL(PresentGL& myGL, const Surface& mySurface, const ChangedRows& myRows, bool myNewPalette) {
    // A palette change is the colour table alone: the pixels on the GPU stay as they are.
    if (myNewPalette) myGL.PresentGLPalette();
    int myTop = 0, myBottom = 0;
    for (int myFrom = 0; myRows.ChangedRowsRun(myFrom, myTop, myBottom); myFrom = myBottom)
        myGL.PresentGLRows(mySurface, myTop, myBottom);
    myGL.PresentGLDraw();
}

void PresentShowRenderer(Presenter& myPresenter, const Surface& mySurface, bool myNewPalette) {
    if (!myPresenter.mTexture) return;
    if (myNewPalette) myPresenter.mRows.ChangedRowsMarkAll();
    int myOutWidth = 0, myOutHeight = 0;
    SDL_GetRendererOutputSize(myPresenter.mRenderer, &myOutWidth, &myOutHeight);
    const bool myPartial = myPresenter.mKeepsFrame && !myPresenter.mRows.mAll &&
                           myOutWidth == mySurface.mWidth && myOutHeight == mySurface.mHeight;
    int myTop = 0, myBottom = 0;
    for (int myFrom = 0; myPresenter.mRows.ChangedRowsRun(myFrom, myTop, myBottom); myFrom = myBottom) {
        const SDL_Rect myBand{0, myTop, mySurface.mWidth, myBottom - myTop};
        void* myPixels = nullptr;
        int myPitch = 0;
        if (SDL_LockTexture(myPresenter.mTexture, &myBand, &myPixels, &myPitch) != 0) continue;
        PaletteConvert(mySurface.Row(myTop), mySurface.mPitch, mySurface.mWidth, myBottom - myTop,
                       static_cast<uint32_t*>(myPixels), myPitch / 4);
        SDL_UnlockTexture(myPresenter.mTexture);
        if (myPartial) SDL_RenderCopy(myPresenter.mRenderer, myPresenter.mTexture, &myBand, &myBand);
    }
    if (!myPartial) SDL_RenderCopy(myPresenter.mRenderer, myPresenter.mTexture, nullptr, nullptr);
    SDL_RenderPresent(myPresenter.mRenderer);
}

// Whether anything was handed over to the window.
bool PresentShowSurface(Presenter& myPresenter, const Surface& mySurface, bool myNewPalette) {
    SDL_Surface* myWindow = SDL_GetWindowSurface(myPresenter.mWindow);
    if (!myWindow || (SDL_MUSTLOCK(myWindow) && SDL_LockSurface(myWindow) != 0)) return false;
    // A window made anew (a new size) has pixels of its own that show nothing yet.
    const bool myNewPixels = myPresenter.mRows.mAll || myWindow->w != myPresenter.mShownWidth ||
                             myWindow->h != myPresenter.mShownHeight;
    // Otherwise the window's pixels hold the picture as last shown, and a new palette needs only the pixels
    // whose colour changed written again (colour cycling often leaves many of them as they were).
    const bool myRecolour = myNewPalette && !myNewPixels && myPresenter.mScale == 1;
    const bool myAll = myNewPixels || (myNewPalette && !myRecolour);
    auto* myPixels = static_cast<uint32_t*>(myWindow->pixels);
    const int myPitch = myWindow->pitch / 4;
    const int myScale = myPresenter.mScale;
    if (myAll) {
        // What the picture does not cover (a window larger than it) is black.
        const int myCoveredWidth = std::min(myWindow->w, mySurface.mWidth * myScale);
        const int myCoveredHeight = std::min(myWindow->h, mySurface.mHeight * myScale);
        const SDL_Rect myRight{myCoveredWidth, 0, myWindow->w - myCoveredWidth, myWindow->h};
        const SDL_Rect myBelow{0, myCoveredHeight, myCoveredWidth, myWindow->h - myCoveredHeight};
        if (myRight.w > 0) SDL_FillRect(myWindow, &myRight, 0);
        if (myBelow.h > 0) SDL_FillRect(myWindow, &myBelow, 0);
        PresentConvertRows(mySurface, 0, mySurface.mHeight, myPixels, myPitch, myWindow->w, myWindow->h,
                           myScale, myPresenter.mOrder);
    }
    std::vector<SDL_Rect> myBands;
    if (!myAll && !myRecolour) {
        // Drawings alone: each run of changed rows, across the columns that changed in it.
        int myTop = 0, myBottom = 0;
        for (int myFrom = 0; myPresenter.mRows.ChangedRowsRun(myFrom, myTop, myBottom); myFrom = myBottom) {
            int myLeft = 0, myRight = 0;
            myPresenter.mRows.ChangedRowsColumns(myTop, myBottom, myLeft, myRight);
            myLeft = std::max(myLeft, 0);
            myRight = std::min(myRight, mySurface.mWidth);
            PresentConvertArea(mySurface, {myLeft, myTop, myRight, myBottom}, myPixels, myPitch, myWindow->w,
                               myWindow->h, myScale, myPresenter.mOrder);
            const SDL_Rect myBand{myLeft * myScale, myTop * myScale,
                                  std::min(myRight * myScale, myWindow->w) - myLeft * myScale,
                                  std::min(myBottom * myScale, myWindow->h) - myTop * myScale};
            if (myBand.w > 0 && myBand.h > 0) myBands.push_back(myBand);
        }
    } else if (!myAll) {
        // A new palette: the rows the picture changed in, converted whole, and between them those where a
        // colour changed.
        std::vector<uint8_t>& myShow = myPresenter.mShowRows;
        myShow.assign(static_cast<size_t>(std::max(mySurface.mHeight, 0)), 0);
        const int myWidth = std::min(mySurface.mWidth, myWindow->w);
        const int myHeight = std::min(mySurface.mHeight, myWindow->h);
        const auto myRecolourRows = [&](int myTop, int myBottom) {
            myBottom = std::min(myBottom, myHeight);
            if (myTop >= myBottom || myWidth <= 0) return;
            PaletteConvertChanged(mySurface.Row(myTop), mySurface.mPitch, myWidth, myBottom - myTop,
                                  myPixels + static_cast<size_t>(myTop) * myPitch, myPitch,
                                  myPresenter.mShownPalette, myShow.data() + myTop, myPresenter.mOrder);
        };
        int myFrom = 0, myTop = 0, myBottom = 0;
        for (; myPresenter.mRows.ChangedRowsRun(myFrom, myTop, myBottom); myFrom = myBottom) {
            myRecolourRows(myFrom, myTop);
            PresentConvertRows(mySurface, myTop, myBottom, myPixels, myPitch, myWindow->w, myWindow->h,
                               myScale, myPresenter.mOrder);
            std::fill(myShow.begin() + myTop, myShow.begin() + myBottom, uint8_t(1));
        }
        myRecolourRows(myFrom, mySurface.mHeight);
        for (int myRow = 0; myRow < mySurface.mHeight;) {
            if (!myShow[myRow]) {
                ++myRow;
                continue;
            }
            const int myRunTop = myRow;
            while (myRow < mySurface.mHeight && myShow[myRow])
                ++myRow;
            const int myBandTop = myRunTop * myScale;
            const int myBandBottom = std::min(myRow * myScale, myWindow->h);
            if (myBandTop < myBandBottom)
                myBands.push_back({0, myBandTop, std::min(myWindow->w, mySurface.mWidth * myScale),
                                   myBandBottom - myBandTop});
        }
    }
    if (SDL_MUSTLOCK(myWindow)) SDL_UnlockSurface(myWindow);
    if (myAll)
        SDL_UpdateWindowSurface(myPresenter.mWindow);
    else if (!myBands.empty())
        SDL_UpdateWindowSurfaceRects(myPresenter.mWindow, myBands.data(), static_cast<int>(myBands.size()));
    myPresenter.mShownWidth = myWindow->w;
    myPresenter.mShownHeight = myWindow->h;
    return myAll || !myBands.empty();
}
} // namespace

namespace {
// Whether the picture uses a colour that differs between myShown and the palette now. The search ends at the
// first such pixel, at once in a picture the cycling colours fill.
bool PresentPaletteTouches(const Surface& mySurface, const PaletteEntry* myShown) {
    bool myChanged[kPaletteSize];
    bool myAny = false;
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex) {
        const PaletteEntry &myNow = gPalette[myIndex], &myThen = myShown[myIndex];
        myChanged[myIndex] =
            myNow.mRed != myThen.mRed || myNow.mGreen != myThen.mGreen || myNow.mBlue != myThen.mBlue;
        myAny = myAny || myChanged[myIndex];
    }
    for (int myY = 0; myAny && myY < mySurface.mHeight; ++myY) {
        const uint8_t* myRow = mySurface.Row(myY);
        for (int myX = 0; myX < mySurface.mWidth; ++myX)
            if (myChanged[myRow[myX]]) return true;
    }
    return false;
}
} // namespace

void Presenter::PresenterShow(const Surface& mySurface, uint32_t myNow) {
    if (PresenterDueIn(myNow) != 0) return;
    bool myNewPalette = mPresentedSerial != gPaletteSerial;
    // The OpenGL way takes every palette change, which costs it an upload of the colours alone; an
    // unmagnified window surface finds the pixels whose colour changed as it converts.
    const bool myRecolours = mWay == kPresentSurface && mScale == 1;
    if (myNewPalette && mWay != kPresentOpenGL && !myRecolours && !mRows.mAll &&
        !PresentPaletteTouches(mySurface, mShownPalette)) {
        std::copy(std::begin(gPalette), std::end(gPalette), mShownPalette);
        mPresentedSerial = gPaletteSerial;
        if (!mRows.mAny) return;
        myNewPalette = false;
    }
    bool myShown = true;
    switch (mWay) {
    case kPresentOpenGL:
        PresentShowGL(mGL, mySurface, mRows, myNewPalette);
        break;
    case kPresentRenderer:
        PresentShowRenderer(*this, mySurface, myNewPalette);
        break;
    default:
        myShown = PresentShowSurface(*this, mySurface, myNewPalette);
        break;
    }
    mRows.ChangedRowsClear();
    mPresentedSerial = gPaletteSerial;
    std::copy(std::begin(gPalette), std::end(gPalette), mShownPalette);
    // A palette change the picture does not show brings nothing to the screen, and the next present may
    // follow at once.
    if (myShown) mLastPresent = myNow;
}

bool Presenter::PresenterRead(const Surface& mySurface, std::vector<uint32_t>& myPixels, int& myWidth,
                              int& myHeight) {
    if (mWay == kPresentOpenGL) return mGL.PresentGLRead(myPixels, myWidth, myHeight);
    if (mWay == kPresentRenderer) {
        if (!mRenderer || SDL_GetRendererOutputSize(mRenderer, &myWidth, &myHeight) != 0) return false;
        // A renderer's back buffer holds nothing once presented: the picture is drawn into it again.
        SDL_RenderCopy(mRenderer, mTexture, nullptr, nullptr);
        myPixels.assign(static_cast<size_t>(myWidth) * myHeight, 0);
        return SDL_RenderReadPixels(mRenderer, nullptr, SDL_PIXELFORMAT_ARGB8888, myPixels.data(),
                                    myWidth * 4) == 0;
    }
    (void)mySurface;
    SDL_Surface* myWindow = SDL_GetWindowSurface(mWindow);
    if (!myWindow) return false;
    myWidth = myWindow->w;
    myHeight = myWindow->h;
    myPixels.resize(static_cast<size_t>(myWidth) * myHeight);
    for (int myY = 0; myY < myHeight; ++myY) {
        const auto* myRow = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(myWindow->pixels) +
                                                              static_cast<size_t>(myY) * myWindow->pitch);
        for (int myX = 0; myX < myWidth; ++myX) {
            const uint32_t myPixel = myRow[myX];
            myPixels[static_cast<size_t>(myY) * myWidth + myX] =
                mOrder == kPaletteXRGB
                    ? 0xFF000000u | myPixel
                    : 0xFF000000u | (myPixel & 0xFF00u) | (myPixel & 0xFFu) << 16 | (myPixel >> 16 & 0xFFu);
        }
    }
    return true;
}
