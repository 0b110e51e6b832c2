// Showing an 8-bit picture with OpenGL: the picture's indices and the 256 colours are two textures, and a
// fragment shader looks each pixel's colour up, so a palette change costs an upload of 1 KB and no
// conversion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

struct SDL_Window;

struct PresentGL {
    SDL_Window* mWindow = nullptr;
    void* mContext = nullptr;
    unsigned mProgram = 0;
    unsigned mIndices = 0; // the picture's indices, one byte a pixel
    unsigned mColours = 0; // 256 x 1 colours
    int mWidth = 0;
    int mHeight = 0;

    // A context on myWindow (made with SDL_WINDOW_OPENGL), the shader and textures of the picture's size;
    // false, with nothing left behind, where OpenGL 2 cannot be had.
    bool PresentGLOpen(SDL_Window* myWindow, int myWidth, int myHeight);
    bool PresentGLResize(int myWidth, int myHeight);
    void PresentGLClose();
    // Uploads rows myTop to myBottom - 1 of the picture.
    void PresentGLRows(const Surface& mySurface, int myTop, int myBottom);
    // Uploads the current palette.
    void PresentGLPalette();
    // Draws the picture over the whole window and shows it.
    void PresentGLDraw();
    // Draws the picture and reads it back as 0xFFRRGGBB pixels, top row first (for checks).
    bool PresentGLRead(std::vector<uint32_t>& myPixels, int& myWidth, int& myHeight);
};

// The OpenGL renderer a window of this desktop gets (GL_RENDERER), found with a hidden window of its own;
// empty where OpenGL 2 cannot be had.
std::string PresentGLProbe();
