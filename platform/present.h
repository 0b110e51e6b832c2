// Bringing a window's 8-bit picture to the screen through the shared palette: a way chosen for the machine,
// only the rows that changed brought over, and at most one present per display refresh.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/palette.h"
#include "platform/present_gl.h"
#include "platform/surface.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

// Columns to the right edge of any picture.
constexpr int kChangedRowsWhole = 1 << 30;

// The rows of a picture that changed since it was last shown, and in each the columns that did.
struct ChangedRows {
    std::vector<uint8_t> mMarks; // one per row
    std::vector<int> mLeft;      // a marked row's changed columns, [mLeft, mRight), as marked
    std::vector<int> mRight;
    bool mAll = true; // every row, as after a palette change
    bool mAny = true;

    void ChangedRowsSize(int myHeight);
    // Marks rows myTop to myBottom - 1, clipped to the picture, as changed in columns myLeft to myRight - 1.
    void ChangedRowsMark(int myTop, int myBottom, int myLeft = 0, int myRight = kChangedRowsWhole);
    void ChangedRowsMarkAll();
    void ChangedRowsClear();
    // The first run of changed rows at or after myFrom, as [myTop, myBottom); false when none is left.
    bool ChangedRowsRun(int myFrom, int& myTop, int& myBottom) const;
    // The columns that changed in any of rows myTop to myBottom - 1, as [myLeft, myRight) (unclipped); all of
    // them when every row changed.
    void ChangedRowsColumns(int myTop, int myBottom, int& myLeft, int& myRight) const;
};

// How windows reach the screen:
// - kPresentSurface: the changed rows converted through the palette straight into the window's own pixels
//   (SDL's window surface; shared memory with the X server), and only those rows handed over. No texture and
//   no second copy: the way for a desktop without a GPU.
// - kPresentOpenGL: the changed rows of indices and the palette uploaded, colours looked up by the GPU.
// - kPresentRenderer: SDL's renderer with a streaming texture, for a renderer the user asked for
//   (SDL_RENDER_DRIVER) or a window whose pixels are in a form the conversion does not write.
enum PresentWay { kPresentAuto, kPresentSurface, kPresentOpenGL, kPresentRenderer };

// The way for windows made from now on; kPresentAuto decides with the next window: ORBEX_PRESENT ("surface",
// "opengl", "renderer") when set, SDL's renderer when SDL_RENDER_DRIVER is set, OpenGL where a GPU draws it
// (not a rasteriser on the processor), else the window surface.
void PresentChoose(PresentWay myWay);
PresentWay PresentChosen();
// What a window made now gets from SDL: SDL_WINDOW_OPENGL for the OpenGL way, else 0.
uint32_t PresentWindowFlags();
const char* PresentWayName(PresentWay myWay);
// Says on standard error how windows are presented, once each way is taken (--verbose).
void PresentSetVerbose(bool myVerbose);
// Forgets the choice and the verbosity, as at start.
void PresentResetState();

// Converts rows myTop to myBottom - 1 of mySurface into 32-bit pixels (myPitch pixels a row) of an area
// myOutWidth x myOutHeight, each picture pixel magnified to myScale x myScale and the rest clipped off.
void PresentConvertRows(const Surface& mySurface, int myTop, int myBottom, uint32_t* myPixels, int myPitch,
                        int myOutWidth, int myOutHeight, int myScale, PaletteOrder myOrder);
// The same for columns myLeft to myRight - 1 of those rows alone.
void PresentConvertArea(const Surface& mySurface, const Rect& myArea, uint32_t* myPixels, int myPitch,
                        int myOutWidth, int myOutHeight, int myScale, PaletteOrder myOrder);

// What shows one window, and what of it changed.
struct Presenter {
    PresentWay mWay = kPresentSurface;
    SDL_Window* mWindow = nullptr;
    int mScale = 1;
    // The renderer way.
    SDL_Renderer* mRenderer = nullptr;
    SDL_Texture* mTexture = nullptr;
    // The software renderer draws into the window's own pixels, which keep what they show between
    // presents; other renderers' back buffers must be drawn whole each time.
    bool mKeepsFrame = false;
    // The OpenGL way.
    PresentGL mGL;
    // The window surface way: the pixel order of the window's pixels and their size when last presented.
    PaletteOrder mOrder = kPaletteXRGB;
    int mShownWidth = 0;
    int mShownHeight = 0;
    ChangedRows mRows;
    // The rows a present hands over (kept to spare an allocation each time).
    std::vector<uint8_t> mShowRows;
    // The palette the window's pixels were converted with: a change to colours the picture does not use
    // (colour cycling under the controls) brings nothing new to show.
    PaletteEntry mShownPalette[kPaletteSize];
    uint32_t mPresentedSerial = 0;
    uint32_t mLastPresent = 0;
    uint32_t mInterval = 17; // ms, one refresh of the display the window is on

    // The chosen way on myWindow, which shows a myWidth x myHeight picture magnified myScale times; another
    // way where the chosen one cannot be had on this window.
    bool PresenterOpen(SDL_Window* myWindow, int myWidth, int myHeight, int myScale);
    // A new picture size: everything to be shown again.
    bool PresenterResize(int myWidth, int myHeight);
    void PresenterClose();
    // Whether something waits to be shown: changed rows, or a palette changed since the last present.
    bool PresenterPending() const;
    // Milliseconds from myNow until a present is due: 0 when one is due now, kPresentNothing when nothing
    // waits to be shown.
    uint32_t PresenterDueIn(uint32_t myNow) const;
    // Shows what changed of mySurface, unless the last present was less than a display refresh ago.
    void PresenterShow(const Surface& mySurface, uint32_t myNow);
    // What the window shows now, as 0xFFRRGGBB pixels, top row first (for checks).
    bool PresenterRead(const Surface& mySurface, std::vector<uint32_t>& myPixels, int& myWidth,
                       int& myHeight);
};

constexpr uint32_t kPresentNothing = 0xFFFFFFFFu;

// Whether an OpenGL renderer's name (GL_RENDERER) is a rasteriser running on the processor.
bool PresentIsSoftwareRasteriser(const char* myGLRenderer);
