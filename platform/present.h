// Bringing a window's 8-bit picture to the screen through the shared palette: a renderer chosen for the
// machine, only the rows that changed converted, and at most one present per display refresh.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

// The rows of a picture that changed since it was last shown.
struct ChangedRows {
    std::vector<uint8_t> mMarks; // one per row
    bool mAll = true;            // every row, as after a palette change
    bool mAny = true;

    void ChangedRowsSize(int myHeight);
    // Marks rows myTop to myBottom - 1, clipped to the picture.
    void ChangedRowsMark(int myTop, int myBottom);
    void ChangedRowsMarkAll();
    void ChangedRowsClear();
    // The first run of changed rows at or after myFrom, as [myTop, myBottom); false when none is left.
    bool ChangedRowsRun(int myFrom, int& myTop, int& myBottom) const;
};

// What shows one window: its renderer, a streaming texture of the picture's size, and what changed.
struct Presenter {
    SDL_Renderer* mRenderer = nullptr;
    SDL_Texture* mTexture = nullptr;
    // The software renderer draws into the window's own pixels, which keep what they show between
    // presents; other renderers' back buffers must be drawn whole each time.
    bool mKeepsFrame = false;
    ChangedRows mRows;
    uint32_t mPresentedSerial = 0;
    uint32_t mLastPresent = 0;
    uint32_t mInterval = 17; // ms, one refresh of the display the window is on

    // The renderer SDL would pick, unless it is OpenGL drawn by a software rasteriser (a display without
    // a GPU): then SDL's software renderer, which does far less work for the same picture. A renderer the
    // user asked for with SDL_RENDER_DRIVER is left alone.
    bool PresenterOpen(SDL_Window* myWindow, int myWidth, int myHeight);
    // A new picture size: a texture to match, and everything to be shown again.
    bool PresenterResize(int myWidth, int myHeight);
    void PresenterClose();
    // Whether something waits to be shown: changed rows, or a palette changed since the last present.
    bool PresenterPending() const;
    // Shows what changed of mySurface, unless the last present was less than a display refresh ago.
    void PresenterShow(const Surface& mySurface, uint32_t myNow);
};

// Whether an OpenGL renderer's name (GL_RENDERER) is a rasteriser running on the processor.
bool PresentIsSoftwareRasteriser(const char* myGLRenderer);
