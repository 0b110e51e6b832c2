// Presenting 8-bit pictures with SDL2: the renderer for the machine, the rows that changed converted into a
// streaming texture through the palette, and no more presents than the display shows.
#include "platform/present.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "platform/palette.h"

namespace {
constexpr int kDriverUndecided = -2;
constexpr int kDriverSDLChoice = -1;
constexpr unsigned kGLRenderer = 0x1F01; // glGetString's name for the rasteriser
constexpr int kDefaultRefresh = 60;      // when the display does not say (Xvfb)

// Decided with the first window, for all of them: the machine does not change while Orbex runs.
int sDriver = kDriverUndecided;

int PresentSoftwareDriver() {
    for (int myIndex = 0; myIndex < SDL_GetNumRenderDrivers(); ++myIndex) {
        SDL_RendererInfo myInfo;
        if (SDL_GetRenderDriverInfo(myIndex, &myInfo) == 0 && std::strcmp(myInfo.name, "software") == 0)
            return myIndex;
    }
    return kDriverSDLChoice;
}

const char* PresentGLRendererName() {
    using GetString = const unsigned char* (*)(unsigned);
    const auto myGetString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!myGetString || !SDL_GL_GetCurrentContext()) return nullptr;
    return reinterpret_cast<const char*>(myGetString(kGLRenderer));
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

SDL_Renderer* PresentCreateRenderer(SDL_Window* myWindow) {
    if (sDriver != kDriverUndecided) return SDL_CreateRenderer(myWindow, sDriver, 0);
    sDriver = kDriverSDLChoice;
    SDL_Renderer* myRenderer = SDL_CreateRenderer(myWindow, kDriverSDLChoice, 0);
    const char* myAsked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (!myRenderer || (myAsked && *myAsked)) return myRenderer;
    SDL_RendererInfo myInfo;
    if (SDL_GetRendererInfo(myRenderer, &myInfo) != 0 || std::strncmp(myInfo.name, "opengl", 6) != 0)
        return myRenderer;
    if (!PresentIsSoftwareRasteriser(PresentGLRendererName())) return myRenderer;
    const int mySoftware = PresentSoftwareDriver();
    if (mySoftware == kDriverSDLChoice) return myRenderer;
    SDL_DestroyRenderer(myRenderer);
    sDriver = mySoftware;
    return SDL_CreateRenderer(myWindow, sDriver, 0);
}
} // namespace

void ChangedRows::ChangedRowsSize(int myHeight) {
    mMarks.assign(static_cast<size_t>(std::max(myHeight, 0)), 0);
    ChangedRowsMarkAll();
}

void ChangedRows::ChangedRowsMark(int myTop, int myBottom) {
    const int myFirst = std::max(myTop, 0);
    const int myLast = std::min(myBottom, static_cast<int>(mMarks.size()));
    if (myFirst >= myLast) return;
    std::fill(mMarks.begin() + myFirst, mMarks.begin() + myLast, 1);
    mAny = true;
}

void ChangedRows::ChangedRowsMarkAll() {
    mAll = true;
    mAny = true;
}

void ChangedRows::ChangedRowsClear() {
    std::fill(mMarks.begin(), mMarks.end(), 0);
    mAll = false;
    mAny = false;
}

bool ChangedRows::ChangedRowsRun(int myFrom, int& myTop, int& myBottom) const {
    const int myHeight = static_cast<int>(mMarks.size());
    if (mAll) {
        myTop = 0;
        myBottom = myHeight;
        return myFrom <= 0 && myHeight > 0;
    }
    int myRow = std::max(myFrom, 0);
    while (myRow < myHeight && !mMarks[myRow])
        ++myRow;
    if (myRow >= myHeight) return false;
    myTop = myRow;
    while (myRow < myHeight && mMarks[myRow])
        ++myRow;
    myBottom = myRow;
    return true;
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

bool Presenter::PresenterOpen(SDL_Window* myWindow, int myWidth, int myHeight) {
    PresenterClose();
    mRenderer = PresentCreateRenderer(myWindow);
    if (!mRenderer) return false;
    SDL_RendererInfo myInfo;
    mKeepsFrame = SDL_GetRendererInfo(mRenderer, &myInfo) == 0 && std::strcmp(myInfo.name, "software") == 0;
    mInterval = PresentRefreshInterval(myWindow);
    return PresenterResize(myWidth, myHeight);
}

bool Presenter::PresenterResize(int myWidth, int myHeight) {
    if (!mRenderer) return false;
    if (mTexture) SDL_DestroyTexture(mTexture);
    // No alpha: the picture is copied, never blended, which the software renderer does at memory speed.
    mTexture =
        SDL_CreateTexture(mRenderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, myWidth, myHeight);
    if (mTexture) SDL_SetTextureBlendMode(mTexture, SDL_BLENDMODE_NONE);
    mRows.ChangedRowsSize(myHeight);
    return mTexture != nullptr;
}

void Presenter::PresenterClose() {
    if (mTexture) SDL_DestroyTexture(mTexture);
    if (mRenderer) SDL_DestroyRenderer(mRenderer);
    mTexture = nullptr;
    mRenderer = nullptr;
}

bool Presenter::PresenterPending() const {
    return mRows.mAny || mPresentedSerial != gPaletteSerial;
}

void Presenter::PresenterShow(const Surface& mySurface, uint32_t myNow) {
    if (!mTexture || !PresenterPending() || myNow - mLastPresent < mInterval) return;
    if (mPresentedSerial != gPaletteSerial) mRows.ChangedRowsMarkAll();
    int myOutWidth = 0, myOutHeight = 0;
    SDL_GetRendererOutputSize(mRenderer, &myOutWidth, &myOutHeight);
    const bool myPartial =
        mKeepsFrame && !mRows.mAll && myOutWidth == mySurface.mWidth && myOutHeight == mySurface.mHeight;
    int myTop = 0, myBottom = 0;
    for (int myFrom = 0; mRows.ChangedRowsRun(myFrom, myTop, myBottom); myFrom = myBottom) {
        const SDL_Rect myBand{0, myTop, mySurface.mWidth, myBottom - myTop};
        void* myPixels = nullptr;
        int myPitch = 0;
        if (SDL_LockTexture(mTexture, &myBand, &myPixels, &myPitch) != 0) continue;
        PaletteConvert(mySurface.Row(myTop), mySurface.mPitch, mySurface.mWidth, myBottom - myTop,
                       static_cast<uint32_t*>(myPixels), myPitch / 4);
        SDL_UnlockTexture(mTexture);
        if (myPartial) SDL_RenderCopy(mRenderer, mTexture, &myBand, &myBand);
    }
    if (!myPartial) SDL_RenderCopy(mRenderer, mTexture, nullptr, nullptr);
    SDL_RenderPresent(mRenderer);
    mRows.ChangedRowsClear();
    mPresentedSerial = gPaletteSerial;
    mLastPresent = myNow;
}
