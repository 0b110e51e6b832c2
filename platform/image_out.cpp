// PNG through libpng, Y4M by hand.
#include "platform/image_out.h"

#include <png.h>

#include <cmath>
#include <vector>

bool ImageWritePng(const std::string& myPath, const Surface& mySurface, const PaletteEntry* myPalette) {
    if (!mySurface.Exists()) return false;
    std::FILE* myFile = std::fopen(myPath.c_str(), "wb");
    if (!myFile) return false;
    png_structp myPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop myInfo = myPng ? png_create_info_struct(myPng) : nullptr;
    if (!myInfo) {
        png_destroy_write_struct(&myPng, nullptr);
        std::fclose(myFile);
        return false;
    }
    if (setjmp(png_jmpbuf(myPng))) {
        png_destroy_write_struct(&myPng, &myInfo);
        std::fclose(myFile);
        return false;
    }
    png_init_io(myPng, myFile);
    png_set_compression_level(myPng, 3);
    png_set_IHDR(myPng, myInfo, static_cast<png_uint_32>(mySurface.mWidth),
                 static_cast<png_uint_32>(mySurface.mHeight), 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color myColors[kPaletteSize];
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex)
        myColors[myIndex] = {myPalette[myIndex].mRed, myPalette[myIndex].mGreen, myPalette[myIndex].mBlue};
    png_set_PLTE(myPng, myInfo, myColors, kPaletteSize);
    png_write_info(myPng, myInfo);
    for (int myY = 0; myY < mySurface.mHeight; ++myY)
        png_write_row(myPng, const_cast<png_bytep>(mySurface.Row(myY)));
    png_write_end(myPng, myInfo);
    png_destroy_write_struct(&myPng, &myInfo);
    return std::fclose(myFile) == 0;
}

bool ImageWritePngRgb(const std::string& myPath, const uint32_t* myPixels, int myWidth, int myHeight) {
    if (myWidth <= 0 || myHeight <= 0) return false;
    std::FILE* myFile = std::fopen(myPath.c_str(), "wb");
    if (!myFile) return false;
    png_structp myPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop myInfo = myPng ? png_create_info_struct(myPng) : nullptr;
    if (!myInfo) {
        png_destroy_write_struct(&myPng, nullptr);
        std::fclose(myFile);
        return false;
    }
    std::vector<uint8_t> myRow(static_cast<size_t>(myWidth) * 3);
    if (setjmp(png_jmpbuf(myPng))) {
        png_destroy_write_struct(&myPng, &myInfo);
        std::fclose(myFile);
        return false;
    }
    png_init_io(myPng, myFile);
    png_set_IHDR(myPng, myInfo, static_cast<png_uint_32>(myWidth), static_cast<png_uint_32>(myHeight), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(myPng, myInfo);
    for (int myY = 0; myY < myHeight; ++myY) {
        const uint32_t* mySource = myPixels + static_cast<size_t>(myY) * myWidth;
        for (int myX = 0; myX < myWidth; ++myX) {
            myRow[3 * myX] = static_cast<uint8_t>(mySource[myX] >> 16);
            myRow[3 * myX + 1] = static_cast<uint8_t>(mySource[myX] >> 8);
            myRow[3 * myX + 2] = static_cast<uint8_t>(mySource[myX]);
        }
        png_write_row(myPng, myRow.data());
    }
    png_write_end(myPng, myInfo);
    png_destroy_write_struct(&myPng, &myInfo);
    return std::fclose(myFile) == 0;
}

bool VideoOpen(VideoOut& myVideo, const std::string& myPath, int myWidth, int myHeight, int myFps) {
    myVideo.mFile = std::fopen(myPath.c_str(), "wb");
    if (!myVideo.mFile) return false;
    myVideo.mWidth = myWidth;
    myVideo.mHeight = myHeight;
    std::fprintf(myVideo.mFile, "YUV4MPEG2 W%d H%d F%d:1 Ip A1:1 C444\n", myWidth, myHeight, myFps);
    return true;
}

bool VideoWriteFrame(VideoOut& myVideo, const Surface& mySurface, const PaletteEntry* myPalette) {
    if (!myVideo.mFile || mySurface.mWidth != myVideo.mWidth || mySurface.mHeight != myVideo.mHeight)
        return false;
    uint8_t myY[kPaletteSize], myU[kPaletteSize], myV[kPaletteSize];
    for (int myIndex = 0; myIndex < kPaletteSize; ++myIndex) {
        const double myR = myPalette[myIndex].mRed, myG = myPalette[myIndex].mGreen,
                     myB = myPalette[myIndex].mBlue;
        // Studio-range BT.601, what Y4M readers assume.
        myY[myIndex] = static_cast<uint8_t>(std::lround(16 + 0.257 * myR + 0.504 * myG + 0.098 * myB));
        myU[myIndex] = static_cast<uint8_t>(std::lround(128 - 0.148 * myR - 0.291 * myG + 0.439 * myB));
        myV[myIndex] = static_cast<uint8_t>(std::lround(128 + 0.439 * myR - 0.368 * myG - 0.071 * myB));
    }
    const size_t myPlane = static_cast<size_t>(myVideo.mWidth) * myVideo.mHeight;
    std::vector<uint8_t> myFrame(myPlane * 3);
    size_t myAt = 0;
    for (int myRow = 0; myRow < mySurface.mHeight; ++myRow) {
        const uint8_t* mySource = mySurface.Row(myRow);
        for (int myColumn = 0; myColumn < mySurface.mWidth; ++myColumn, ++myAt) {
            myFrame[myAt] = myY[mySource[myColumn]];
            myFrame[myPlane + myAt] = myU[mySource[myColumn]];
            myFrame[2 * myPlane + myAt] = myV[mySource[myColumn]];
        }
    }
    std::fputs("FRAME\n", myVideo.mFile);
    return std::fwrite(myFrame.data(), 1, myFrame.size(), myVideo.mFile) == myFrame.size();
}

void VideoClose(VideoOut& myVideo) {
    if (myVideo.mFile) std::fclose(myVideo.mFile);
    myVideo.mFile = nullptr;
}
