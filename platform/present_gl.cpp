// The OpenGL presenter: index texture, colour texture and a shader that looks colours up. The calls are
// fetched through SDL, so nothing links against a GL library and a desktop without one just goes without.
#include "platform/present_gl.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstddef>

#include "platform/palette.h"

namespace {
#define PRESENT_GL_CALLS(X)                                                                                  \
    X(decltype(&glGetString), GetString)                                                                     \
    X(decltype(&glGetError), GetError)                                                                       \
    X(decltype(&glGenTextures), GenTextures)                                                                 \
    X(decltype(&glDeleteTextures), DeleteTextures)                                                           \
    X(decltype(&glBindTexture), BindTexture)                                                                 \
    X(decltype(&glTexParameteri), TexParameteri)                                                             \
    X(decltype(&glTexImage2D), TexImage2D)                                                                   \
    X(decltype(&glTexSubImage2D), TexSubImage2D)                                                             \
    X(decltype(&glPixelStorei), PixelStorei)                                                                 \
    X(decltype(&glViewport), Viewport)                                                                       \
    X(decltype(&glDrawArrays), DrawArrays)                                                                   \
    X(decltype(&glReadPixels), ReadPixels)                                                                   \
    X(decltype(&glDisable), Disable)                                                                         \
    X(PFNGLACTIVETEXTUREPROC, ActiveTexture)                                                                 \
    X(PFNGLCREATESHADERPROC, CreateShader)                                                                   \
    X(PFNGLSHADERSOURCEPROC, ShaderSource)                                                                   \
    X(PFNGLCOMPILESHADERPROC, CompileShader)                                                                 \
    X(PFNGLGETSHADERIVPROC, GetShaderiv)                                                                     \
    X(PFNGLDELETESHADERPROC, DeleteShader)                                                                   \
    X(PFNGLCREATEPROGRAMPROC, CreateProgram)                                                                 \
    X(PFNGLATTACHSHADERPROC, AttachShader)                                                                   \
    X(PFNGLBINDATTRIBLOCATIONPROC, BindAttribLocation)                                                       \
    X(PFNGLLINKPROGRAMPROC, LinkProgram)                                                                     \
    X(PFNGLGETPROGRAMIVPROC, GetProgramiv)                                                                   \
    X(PFNGLDELETEPROGRAMPROC, DeleteProgram)                                                                 \
    X(PFNGLUSEPROGRAMPROC, UseProgram)                                                                       \
    X(PFNGLGETUNIFORMLOCATIONPROC, GetUniformLocation)                                                       \
    X(PFNGLUNIFORM1IPROC, Uniform1i)                                                                         \
    X(PFNGLVERTEXATTRIBPOINTERPROC, VertexAttribPointer)                                                     \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, EnableVertexAttribArray)

struct PresentGLCalls {
#define PRESENT_GL_FIELD(myType, myName) myType m##myName = nullptr;
    PRESENT_GL_CALLS(PRESENT_GL_FIELD)
#undef PRESENT_GL_FIELD
};

PresentGLCalls sGL;

// The calls of the context that is current; on this platform they are the same for every context.
bool PresentGLLoad() {
#define PRESENT_GL_LOAD(myType, myName)                                                                      \
    sGL.m##myName = reinterpret_cast<myType>(SDL_GL_GetProcAddress("gl" #myName));                           \
    if (!sGL.m##myName) return false;
    PRESENT_GL_CALLS(PRESENT_GL_LOAD)
#undef PRESENT_GL_LOAD
    return true;
}

constexpr GLuint kPlaceAttribute = 0;

// The quad covers the window; the picture's top row is at the window's top.
const char* const kVertexShader = R"(#version 110
attribute vec2 aPlace;
varying vec2 vSpot;
void main() {
    vSpot = vec2(aPlace.x + 1.0, 1.0 - aPlace.y) * 0.5;
    gl_Position = vec4(aPlace, 0.0, 1.0);
})";

// An index i arrives as i / 255; the colour texture's texel i has its centre at (i + 0.5) / 256.
const char* const kFragmentShader = R"(#version 110
uniform sampler2D uIndices;
uniform sampler2D uColours;
varying vec2 vSpot;
void main() {
    float myIndex = floor(texture2D(uIndices, vSpot).r * 255.0 + 0.5);
    gl_FragColor = texture2D(uColours, vec2((myIndex + 0.5) / 256.0, 0.5));
})";

const GLfloat kQuad[8] = {-1.f, -1.f, 1.f, -1.f, -1.f, 1.f, 1.f, 1.f};

GLuint PresentGLShader(GLenum myKind, const char* mySource) {
    const GLuint myShader = sGL.mCreateShader(myKind);
    sGL.mShaderSource(myShader, 1, &mySource, nullptr);
    sGL.mCompileShader(myShader);
    GLint myDone = 0;
    sGL.mGetShaderiv(myShader, GL_COMPILE_STATUS, &myDone);
    if (myDone) return myShader;
    sGL.mDeleteShader(myShader);
    return 0;
}

GLuint PresentGLProgram() {
    const GLuint myVertex = PresentGLShader(GL_VERTEX_SHADER, kVertexShader);
    const GLuint myFragment = PresentGLShader(GL_FRAGMENT_SHADER, kFragmentShader);
    GLuint myProgram = 0;
    if (myVertex && myFragment) {
        myProgram = sGL.mCreateProgram();
        sGL.mAttachShader(myProgram, myVertex);
        sGL.mAttachShader(myProgram, myFragment);
        sGL.mBindAttribLocation(myProgram, kPlaceAttribute, "aPlace");
        sGL.mLinkProgram(myProgram);
        GLint myLinked = 0;
        sGL.mGetProgramiv(myProgram, GL_LINK_STATUS, &myLinked);
        if (!myLinked) {
            sGL.mDeleteProgram(myProgram);
            myProgram = 0;
        }
    }
    // The program keeps what it needs of them.
    if (myVertex) sGL.mDeleteShader(myVertex);
    if (myFragment) sGL.mDeleteShader(myFragment);
    return myProgram;
}

GLuint PresentGLTexture(GLenum myUnit) {
    GLuint myTexture = 0;
    sGL.mActiveTexture(myUnit);
    sGL.mGenTextures(1, &myTexture);
    sGL.mBindTexture(GL_TEXTURE_2D, myTexture);
    sGL.mTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    sGL.mTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    sGL.mTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    sGL.mTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return myTexture;
}

// Whether the context speaks OpenGL 2 or later, whose shaders this presenter needs.
bool PresentGLVersionTwo() {
    const auto* myVersion = reinterpret_cast<const char*>(sGL.mGetString(GL_VERSION));
    return myVersion && myVersion[0] >= '2' && myVersion[0] <= '9';
}
} // namespace

bool PresentGL::PresentGLOpen(SDL_Window* myWindow, int myWidth, int myHeight) {
    PresentGLClose();
    mWindow = myWindow;
    mContext = SDL_GL_CreateContext(myWindow);
    if (!mContext || !PresentGLLoad() || !PresentGLVersionTwo()) {
        PresentGLClose();
        return false;
    }
    // Presents are paced by the program itself, so a swap never holds the frame loop up.
    SDL_GL_SetSwapInterval(0);
    mProgram = PresentGLProgram();
    if (!mProgram) {
        PresentGLClose();
        return false;
    }
    sGL.mUseProgram(mProgram);
    sGL.mUniform1i(sGL.mGetUniformLocation(mProgram, "uIndices"), 0);
    sGL.mUniform1i(sGL.mGetUniformLocation(mProgram, "uColours"), 1);
    sGL.mVertexAttribPointer(kPlaceAttribute, 2, GL_FLOAT, GL_FALSE, 0, kQuad);
    sGL.mEnableVertexAttribArray(kPlaceAttribute);
    sGL.mDisable(GL_BLEND);
    sGL.mDisable(GL_DITHER);
    sGL.mPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    sGL.mPixelStorei(GL_PACK_ALIGNMENT, 4);
    mColours = PresentGLTexture(GL_TEXTURE1);
    sGL.mTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kPaletteSize, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    mIndices = PresentGLTexture(GL_TEXTURE0);
    if (!PresentGLResize(myWidth, myHeight)) {
        PresentGLClose();
        return false;
    }
    PresentGLPalette();
    return true;
}

bool PresentGL::PresentGLResize(int myWidth, int myHeight) {
    if (!mContext || SDL_GL_MakeCurrent(mWindow, mContext) != 0) return false;
    sGL.mGetError();
    sGL.mActiveTexture(GL_TEXTURE0);
    sGL.mBindTexture(GL_TEXTURE_2D, mIndices);
    sGL.mTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, myWidth, myHeight, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                    nullptr);
    mWidth = myWidth;
    mHeight = myHeight;
    return sGL.mGetError() == GL_NO_ERROR;
}

void PresentGL::PresentGLClose() {
    if (mContext && SDL_GL_MakeCurrent(mWindow, mContext) == 0) {
        if (mProgram) sGL.mDeleteProgram(mProgram);
        if (mIndices) sGL.mDeleteTextures(1, &mIndices);
        if (mColours) sGL.mDeleteTextures(1, &mColours);
    }
    if (mContext) SDL_GL_DeleteContext(mContext);
    *this = PresentGL();
}

void PresentGL::PresentGLRows(const Surface& mySurface, int myTop, int myBottom) {
    if (!mContext || myTop >= myBottom || SDL_GL_MakeCurrent(mWindow, mContext) != 0) return;
    const int myWidth = mySurface.mWidth < mWidth ? mySurface.mWidth : mWidth;
    if (myBottom > mHeight) myBottom = mHeight;
    if (myTop >= myBottom || myWidth <= 0) return;
    sGL.mActiveTexture(GL_TEXTURE0);
    sGL.mBindTexture(GL_TEXTURE_2D, mIndices);
    sGL.mPixelStorei(GL_UNPACK_ROW_LENGTH, mySurface.mPitch);
    sGL.mTexSubImage2D(GL_TEXTURE_2D, 0, 0, myTop, myWidth, myBottom - myTop, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                       mySurface.Row(myTop));
    sGL.mPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

void PresentGL::PresentGLPalette() {
    if (!mContext || SDL_GL_MakeCurrent(mWindow, mContext) != 0) return;
    uint8_t myColours[kPaletteSize * 4];
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex) {
        myColours[4 * myIndex] = gPalette[myIndex].mRed;
        myColours[4 * myIndex + 1] = gPalette[myIndex].mGreen;
        myColours[4 * myIndex + 2] = gPalette[myIndex].mBlue;
        myColours[4 * myIndex + 3] = 255;
    }
    sGL.mActiveTexture(GL_TEXTURE1);
    sGL.mBindTexture(GL_TEXTURE_2D, mColours);
    sGL.mTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kPaletteSize, 1, GL_RGBA, GL_UNSIGNED_BYTE, myColours);
    sGL.mActiveTexture(GL_TEXTURE0);
}

namespace {
void PresentGLDrawQuad(SDL_Window* myWindow, int* myWidth, int* myHeight) {
    SDL_GL_GetDrawableSize(myWindow, myWidth, myHeight);
    sGL.mViewport(0, 0, *myWidth, *myHeight);
    sGL.mDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
}
} // namespace

void PresentGL::PresentGLDraw() {
    if (!mContext || SDL_GL_MakeCurrent(mWindow, mContext) != 0) return;
    int myWidth = 0, myHeight = 0;
    PresentGLDrawQuad(mWindow, &myWidth, &myHeight);
    SDL_GL_SwapWindow(mWindow);
}

bool PresentGL::PresentGLRead(std::vector<uint32_t>& myPixels, int& myWidth, int& myHeight) {
    if (!mContext || SDL_GL_MakeCurrent(mWindow, mContext) != 0) return false;
    PresentGLDrawQuad(mWindow, &myWidth, &myHeight);
    std::vector<uint32_t> myRows(static_cast<size_t>(myWidth) * myHeight);
    sGL.mReadPixels(0, 0, myWidth, myHeight, GL_BGRA, GL_UNSIGNED_BYTE, myRows.data());
    // OpenGL counts rows from the bottom.
    myPixels.resize(myRows.size());
    for (int myY = 0; myY < myHeight; ++myY)
        for (int myX = 0; myX < myWidth; ++myX)
            myPixels[static_cast<size_t>(myY) * myWidth + myX] =
                myRows[static_cast<size_t>(myHeight - 1 - myY) * myWidth + myX];
    return sGL.mGetError() == GL_NO_ERROR;
}

std::string PresentGLProbe() {
    SDL_Window* myWindow = SDL_CreateWindow("", 0, 0, 16, 16, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!myWindow) return "";
    std::string myName;
    SDL_GLContext myContext = SDL_GL_CreateContext(myWindow);
    if (myContext && PresentGLLoad() && PresentGLVersionTwo()) {
        const auto* myRenderer = reinterpret_cast<const char*>(sGL.mGetString(GL_RENDERER));
        if (myRenderer) myName = myRenderer;
    }
    if (myContext) SDL_GL_DeleteContext(myContext);
    SDL_DestroyWindow(myWindow);
    return myName;
}
