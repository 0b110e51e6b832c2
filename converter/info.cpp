// The component file inspector: every size is checked against the file before anything is decoded.
#include "converter/info.h"

#include <algorithm>
#include <cstring>

#include "storage/decode.h"

namespace {

// A token of the 8-bit coding yields at most 56 pixels for 2 bytes, a mask token 2048 pixels for 2 bytes;
// a picture larger than that cannot come from its stream, and must not be allocated for.
constexpr int64_t kMostPixelsPerByte = 28;
constexpr int64_t kMostMaskPixelsPerByte = 1024;

struct ConvertReader {
    const uint8_t* mData;
    size_t mSize;

    bool Has(int64_t myAt, int64_t myCount) const {
        return myAt >= 0 && myCount >= 0 && static_cast<uint64_t>(myAt) + myCount <= mSize;
    }
    int U8(size_t myAt) const { return mData[myAt]; }
    int I16(size_t myAt) const { return static_cast<int16_t>(mData[myAt] | mData[myAt + 1] << 8); }
    int32_t I32(size_t myAt) const {
        return static_cast<int32_t>(mData[myAt] | mData[myAt + 1] << 8 | mData[myAt + 2] << 16 |
                                    static_cast<uint32_t>(mData[myAt + 3]) << 24);
    }
};

std::string ConvertNumber(int64_t myValue) {
    return std::to_string(myValue);
}

// Decodes an 8-bit stream into a fresh picture; false when it does not cover the picture exactly.
bool ConvertDecodeStream(const uint8_t* myStream, int32_t mySize, int myWidth, int myHeight,
                         ConvertInfoPicture& myPicture) {
    if (myWidth <= 0 || myHeight <= 0) return false;
    if (static_cast<int64_t>(myWidth) * myHeight > kMostPixelsPerByte * mySize) return false;
    if (!SurfaceCreate(myPicture.mSurface, myWidth, myHeight)) return false;
    if (static_cast<size_t>(mySize) > myPicture.mSurface.mPixels.size()) return false;
    std::memcpy(myPicture.mSurface.mPixels.data(), myStream, static_cast<size_t>(mySize));
    if (!BitmapDecodePixels(myPicture.mSurface, mySize, myWidth, myHeight)) return false;
    myPicture.mWidth = myWidth;
    myPicture.mHeight = myHeight;
    return true;
}

bool ConvertDecodeMaskStream(const uint8_t* myStream, int32_t mySize, int myWidth, int myHeight, bool myRaw,
                             ConvertInfoPicture& myPicture) {
    const int myRowWidth = (myWidth + 7) / 8 * 8;
    if (myWidth <= 0 || myHeight <= 0) return false;
    if (static_cast<int64_t>(myRowWidth) * myHeight > kMostMaskPixelsPerByte * mySize) return false;
    if (!SurfaceCreate(myPicture.mSurface, myRowWidth, myHeight)) return false;
    if (!BitmapDecodeMask(myPicture.mSurface, myStream, mySize, myWidth, myHeight, myRaw)) return false;
    myPicture.mWidth = myRowWidth;
    myPicture.mHeight = myHeight;
    return true;
}

ConvertResult ConvertDamaged(const std::string& myWhat) {
    return {false, "Damaged file: " + myWhat};
}

// The code block of movements and effects: three sizes, then the programs of 8-byte instructions.
ConvertResult ConvertReadCode(const ConvertReader& myFile, size_t myAt, ConvertInfo& myInfo) {
    if (!myFile.Has(myAt, 6)) return ConvertDamaged("the program sizes lie past the end of the file.");
    const char* myNames[3] = {"init", "reset", "update"};
    std::string myLine = "Programs:";
    int64_t myEnd = static_cast<int64_t>(myAt) + 6;
    for (int i = 0; i < 3; ++i) {
        const int mySize = myFile.I16(myAt + 2 * i);
        if (mySize < 0 || mySize % 8 != 0)
            return ConvertDamaged(std::string("the ") + myNames[i] + " program's size " +
                                  ConvertNumber(mySize) + " is not a whole number of instructions.");
        myLine +=
            std::string(" ") + myNames[i] + " " + ConvertNumber(mySize) + (i < 2 ? " bytes," : " bytes");
        myEnd += mySize;
    }
    myInfo.mLines.push_back(myLine);
    if (!myFile.Has(0, myEnd)) return ConvertDamaged("the programs reach past the end of the file.");
    if (static_cast<size_t>(myEnd) < myFile.mSize)
        myInfo.mLines.push_back("Trailing bytes: " + ConvertNumber(myFile.mSize - myEnd));
    return {true, "The file is sound."};
}

ConvertResult ConvertReadPicture(const ConvertReader& myFile, ConvertInfo& myInfo) {
    if (!myFile.Has(0, 25)) return ConvertDamaged("the header is shorter than 25 bytes.");
    const bool myBrush = myInfo.mType == 'B';
    const int myWidth = myFile.I16(3), myHeight = myFile.I16(5);
    const int32_t myColorSize = myFile.I32(7);
    const int32_t myMaskSize = myBrush ? myFile.I32(11) : 0;
    const int myColors = myFile.U8(15);
    const int myIconSize = myFile.I16(21), myOffset = myFile.I16(23);
    myInfo.mLines.push_back("Size: " + ConvertNumber(myWidth) + " x " + ConvertNumber(myHeight));
    if (myWidth <= 0 || myHeight <= 0) return ConvertDamaged("the picture has no size.");
    int myFrameBlock = 0;
    if (myBrush) {
        myFrameBlock = myFile.U8(19);
        if (myFrameBlock < 8) return ConvertDamaged("the frame block is shorter than 8 bytes.");
        if (!myFile.Has(25, myFrameBlock))
            return ConvertDamaged("the frame block lies past the end of the file.");
        const int myBeat = myFile.U8(25), myFrames = myFile.I16(30), myPalindrome = myFile.U8(32);
        myInfo.mLines.push_back("Frames: " + ConvertNumber(myFrames) + " of " +
                                ConvertNumber(myFrames > 0 ? myWidth / myFrames : 0) + " pixels");
        myInfo.mLines.push_back(std::string("Beat frame: ") + (myBeat == 1 ? "yes" : "no"));
        myInfo.mLines.push_back(std::string("Palindrome: ") + (myPalindrome == 1 ? "yes" : "no"));
        if (myFrames <= 0 || myWidth % myFrames != 0)
            return ConvertDamaged("the width is not a whole number of frames.");
        if (myBeat == 1 && myFrames < 2) return ConvertDamaged("the beat frame leaves no frame to cycle.");
        std::string myLayers = "Layers:";
        if (myColorSize > 0) myLayers += " colour " + ConvertNumber(myColorSize) + " bytes";
        if (myMaskSize > 0)
            myLayers += std::string(myColorSize > 0 ? "," : "") + " mask " + ConvertNumber(myMaskSize) +
                        " bytes" + (myFile.U8(17) == 255 ? " (uncompressed)" : " (compressed)");
        if (myColorSize <= 0 && myMaskSize <= 0) myLayers += " none";
        myInfo.mLines.push_back(myLayers);
    } else {
        myInfo.mLines.push_back("Picture: " + ConvertNumber(myColorSize) + " bytes");
    }
    myInfo.mLines.push_back("Own colours: " + ConvertNumber(myColors));
    myInfo.mLines.push_back(std::string("Black pixels: ") + (myFile.U8(16) == 1 ? "yes" : "no"));
    const int myIconWidth = myBrush ? 48 : 64;
    myInfo.mLines.push_back("Icon: " + ConvertNumber(myIconWidth) + " x 48, " + ConvertNumber(myIconSize) +
                            " bytes");

    if (myColors > 90) return ConvertDamaged("more than 90 own colours.");
    const int64_t myColorsEnd = 25 + myFrameBlock + 3 * myColors;
    if (!myFile.Has(myColorsEnd - 3 * myColors, 3 * myColors))
        return ConvertDamaged("the own colours lie past the end of the file.");
    if (myIconSize < 0 || myOffset - myIconSize < myColorsEnd ||
        !myFile.Has(myOffset - myIconSize, myIconSize))
        return ConvertDamaged("the icon does not lie between the colours and the pixels.");
    if (!ConvertDecodeStream(myFile.mData + myOffset - myIconSize, myIconSize, myIconWidth, 48, myInfo.mIcon))
        return ConvertDamaged("the icon does not decode to exactly " + ConvertNumber(myIconWidth) +
                              " x 48 pixels.");
    if (myColorSize < 0 || myMaskSize < 0) return ConvertDamaged("a layer has a negative size.");
    if (!myFile.Has(myOffset, static_cast<int64_t>(myColorSize) + myMaskSize))
        return ConvertDamaged("the pixel data reach past the end of the file.");
    if (!myBrush && myColorSize == 0) return ConvertDamaged("the fill has no picture.");
    if (myColorSize > 0 &&
        !ConvertDecodeStream(myFile.mData + myOffset, myColorSize, myWidth, myHeight, myInfo.mPixels))
        return ConvertDamaged(std::string("the ") + (myBrush ? "colour layer" : "picture") +
                              " does not decode to exactly its size.");
    if (myMaskSize > 0 && !ConvertDecodeMaskStream(myFile.mData + myOffset + myColorSize, myMaskSize, myWidth,
                                                   myHeight, myFile.U8(17) == 255, myInfo.mMask))
        return ConvertDamaged("the mask layer does not decode to exactly its size.");
    const int64_t myEnd = static_cast<int64_t>(myOffset) + myColorSize + myMaskSize;
    if (static_cast<size_t>(myEnd) < myFile.mSize)
        myInfo.mLines.push_back("Trailing bytes: " + ConvertNumber(myFile.mSize - myEnd));
    return {true, "The file is sound."};
}

ConvertResult ConvertReadMovement(const ConvertReader& myFile, ConvertInfo& myInfo) {
    if (!myFile.Has(0, 127)) return ConvertDamaged("the header is shorter than 127 bytes.");
    const int myIconSize = myFile.I16(5);
    myInfo.mLines.push_back("Icon: 24 x 24, " + ConvertNumber(myIconSize) + " bytes");
    if (myIconSize < 0 || !myFile.Has(127, myIconSize))
        return ConvertDamaged("the icon reaches past the end of the file.");
    if (myIconSize > 24 * 24 || !SurfaceCreate(myInfo.mIcon.mSurface, 24, 24))
        return ConvertDamaged("the icon does not decode to exactly 24 x 24 pixels.");
    std::memcpy(myInfo.mIcon.mSurface.mPixels.data(), myFile.mData + 127, static_cast<size_t>(myIconSize));
    if (!LoadDecodeMoveIcon(myInfo.mIcon.mSurface, myIconSize))
        return ConvertDamaged("the icon does not decode to exactly 24 x 24 pixels.");
    myInfo.mIcon.mWidth = myInfo.mIcon.mHeight = 24;
    size_t myAt = 127 + static_cast<size_t>(myIconSize);
    if (!myFile.Has(myAt, 2)) return ConvertDamaged("the parameters lie past the end of the file.");
    myInfo.mLines.push_back(std::string("Centred: ") + (myFile.U8(myAt) ? "yes" : "no"));
    const int myParams = myFile.U8(myAt + 1);
    myInfo.mLines.push_back("Parameters: " + ConvertNumber(myParams));
    if (myParams > 3) return ConvertDamaged("more than 3 parameters.");
    myAt += 2 + static_cast<size_t>(myParams) * (3 + 24 + 120);
    return ConvertReadCode(myFile, myAt, myInfo);
}

} // namespace

ConvertResult ConvertReadInfo(const uint8_t* myData, size_t mySize, ConvertInfo& myInfo) {
    myInfo = ConvertInfo();
    const ConvertReader myFile{myData, mySize};
    if (!myFile.Has(0, 3)) return ConvertDamaged("shorter than a header.");
    myInfo.mType = static_cast<char>(myFile.U8(0));
    switch (myInfo.mType) {
    case 'B':
        myInfo.mLines.push_back("Kind: brush (B)");
        return ConvertReadPicture(myFile, myInfo);
    case 'F':
    case 'T':
        myInfo.mLines.push_back(std::string("Kind: fill (") + myInfo.mType +
                                (myInfo.mType == 'F' ? ", whole picture)" : ", tile)"));
        return ConvertReadPicture(myFile, myInfo);
    case 'G':
        myInfo.mLines.push_back("Kind: gradient (G)");
        if (!myFile.Has(0, 5 + 540)) return ConvertDamaged("the gradient is shorter than 545 bytes.");
        if (mySize > 545) myInfo.mLines.push_back("Trailing bytes: " + ConvertNumber(mySize - 545));
        return {true, "The file is sound."};
    case 'M':
        myInfo.mLines.push_back("Kind: movement (M)");
        return ConvertReadMovement(myFile, myInfo);
    case 'C':
    case 'E':
        myInfo.mLines.push_back(myInfo.mType == 'C' ? "Kind: colour effect (C)" : "Kind: brush effect (E)");
        return ConvertReadCode(myFile, 4 + 90, myInfo);
    default:
        return {false, "Not a valid file!"};
    }
}
