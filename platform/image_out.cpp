// PNG through libpng.
#include "platform/image_out.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace {
// A picture that could not be written whole is not left behind half-written; errno keeps the reason.
bool ImageKeepOrRemove(const std::string& myPath, bool myWhole) {
    if (myWhole) return true;
    const int myReason = errno;
    std::remove(myPath.c_str());
    errno = myReason;
    return false;
}
} // namespace

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
        return ImageKeepOrRemove(myPath, false);
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
    return ImageKeepOrRemove(myPath, std::fclose(myFile) == 0);
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
        return ImageKeepOrRemove(myPath, false);
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
    return ImageKeepOrRemove(myPath, std::fclose(myFile) == 0);
}
