// Test helper: reads the program's PNG frames back into palette indices and their palette.
#pragma once

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <vector>

struct Picture {
    int mWidth = 0;
    int mHeight = 0;
    std::vector<uint8_t> mPixels; // palette indices, or RGB triples for colour pictures
    std::vector<png_color> mPalette;
};

inline bool ReadPng(const std::filesystem::path& myPath, Picture& myPicture) {
    std::FILE* myFile = std::fopen(myPath.c_str(), "rb");
    if (!myFile) return false;
    png_structp myPng = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop myInfo = png_create_info_struct(myPng);
    if (setjmp(png_jmpbuf(myPng))) {
        png_destroy_read_struct(&myPng, &myInfo, nullptr);
        std::fclose(myFile);
        return false;
    }
    png_init_io(myPng, myFile);
    png_read_info(myPng, myInfo);
    myPicture.mWidth = static_cast<int>(png_get_image_width(myPng, myInfo));
    myPicture.mHeight = static_cast<int>(png_get_image_height(myPng, myInfo));
    png_colorp myColors = nullptr;
    int myCount = 0;
    if (png_get_PLTE(myPng, myInfo, &myColors, &myCount))
        myPicture.mPalette.assign(myColors, myColors + myCount);
    const size_t myRowBytes = png_get_rowbytes(myPng, myInfo);
    myPicture.mPixels.resize(myRowBytes * myPicture.mHeight);
    for (int myY = 0; myY < myPicture.mHeight; ++myY)
        png_read_row(myPng, myPicture.mPixels.data() + myY * myRowBytes, nullptr);
    png_destroy_read_struct(&myPng, &myInfo, nullptr);
    std::fclose(myFile);
    return true;
}
