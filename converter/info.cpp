// The component file inspector: every size is checked against the file before anything is decoded.
#include "converter/info.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "converter/info_reader.h"
#include "converter/info_style.h"
#include "storage/decode.h"
#include "storage/format_bitmap.h"
#include "storage/format_gradient.h"
#include "storage/format_program.h"
#include "storage/format_sets.h"

namespace {

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

// The code block of movements and effects: three sizes, then the programs of 8-byte instructions.
ConvertResult ConvertReadCode(const ConvertReader& myFile, size_t myAt, ConvertInfo& myInfo) {
    if (!myFile.Has(myAt, kCodeSizesBytes))
        return ConvertDamaged("the program sizes lie past the end of the file.");
    const CodeSizes mySizes = myFile.Get<CodeSizes>(myAt);
    const uint8_t* const myFields[3] = {mySizes.mInit, mySizes.mReset, mySizes.mUpdate};
    const char* myNames[3] = {"init", "reset", "update"};
    std::string myLine = "Programs:";
    int64_t myEnd = static_cast<int64_t>(myAt) + kCodeSizesBytes;
    for (int i = 0; i < 3; ++i) {
        const int mySize = BytesI16(myFields[i]);
        if (mySize < 0 || mySize % kInstructionBytes != 0)
            return ConvertDamaged(std::string("the ") + myNames[i] + " program's size " +
                                  ConvertNumber(mySize) + " is not a whole number of instructions.");
        myLine +=
            std::string(" ") + myNames[i] + " " + ConvertNumber(mySize) + (i < 2 ? " bytes," : " bytes");
        myEnd += mySize;
    }
    myInfo.mLines.push_back(myLine);
    if (!myFile.Has(0, myEnd)) return ConvertDamaged("the programs reach past the end of the file.");
    return ConvertSound(myFile, myEnd, myInfo);
}

ConvertResult ConvertReadPicture(const ConvertReader& myFile, ConvertInfo& myInfo) {
    if (!myFile.Has(0, kBitmapHeaderSize))
        return ConvertDamaged("the header is shorter than " + ConvertNumber(kBitmapHeaderSize) + " bytes.");
    const BitmapHeader myHeader = myFile.Get<BitmapHeader>(0);
    const bool myBrush = myInfo.mType == kTypeBrush;
    const int myWidth = BytesI16(myHeader.mWidth), myHeight = BytesI16(myHeader.mHeight);
    const int32_t myColorSize = BytesI32(myHeader.mColorSize);
    const int32_t myMaskSize = myBrush ? BytesI32(myHeader.mMaskSize) : 0;
    const bool myMaskRaw = myHeader.mMaskRaw == kBitmapMaskRaw;
    const int myColors = myHeader.mColorCount;
    const int myIconSize = BytesI16(myHeader.mIconSize), myOffset = BytesI16(myHeader.mDataOffset);
    myInfo.mLines.push_back("Size: " + ConvertNumber(myWidth) + " x " + ConvertNumber(myHeight));
    if (myWidth <= 0 || myHeight <= 0) return ConvertDamaged("the picture has no size.");
    int myFrameBlock = 0;
    if (myBrush) {
        myFrameBlock = myHeader.mFrameBlockSize;
        if (myFrameBlock < kBitmapFrameBlockSize)
            return ConvertDamaged("the frame block is shorter than " + ConvertNumber(kBitmapFrameBlockSize) +
                                  " bytes.");
        if (!myFile.Has(kBitmapHeaderSize, myFrameBlock))
            return ConvertDamaged("the frame block lies past the end of the file.");
        const BitmapFrameBlock myBlock = myFile.Get<BitmapFrameBlock>(kBitmapHeaderSize);
        const int myBeat = myBlock.mBeatFrame, myFrames = BytesI16(myBlock.mFrames);
        myInfo.mLines.push_back("Frames: " + ConvertNumber(myFrames) + " of " +
                                ConvertNumber(myFrames > 0 ? myWidth / myFrames : 0) + " pixels");
        myInfo.mLines.push_back(std::string("Beat frame: ") + (myBeat == 1 ? "yes" : "no"));
        myInfo.mLines.push_back(std::string("Palindrome: ") + (myBlock.mPalindrome == 1 ? "yes" : "no"));
        if (myFrames <= 0 || myWidth % myFrames != 0)
            return ConvertDamaged("the width is not a whole number of frames.");
        if (myBeat == 1 && myFrames < 2) return ConvertDamaged("the beat frame leaves no frame to cycle.");
        std::string myLayers = "Layers:";
        if (myColorSize > 0) myLayers += " colour " + ConvertNumber(myColorSize) + " bytes";
        if (myMaskSize > 0)
            myLayers += std::string(myColorSize > 0 ? "," : "") + " mask " + ConvertNumber(myMaskSize) +
                        " bytes" + (myMaskRaw ? " (uncompressed)" : " (compressed)");
        if (myColorSize <= 0 && myMaskSize <= 0) myLayers += " none";
        myInfo.mLines.push_back(myLayers);
    } else {
        myInfo.mLines.push_back("Picture: " + ConvertNumber(myColorSize) + " bytes");
    }
    myInfo.mLines.push_back("Own colours: " + ConvertNumber(myColors));
    myInfo.mLines.push_back(std::string("Black pixels: ") + (myHeader.mHasBlack == 1 ? "yes" : "no"));
    const int myIconWidth = myBrush ? kBrushIconWidth : kFillIconWidth;
    const std::string myIconText = ConvertNumber(myIconWidth) + " x " + ConvertNumber(kBitmapIconHeight);
    myInfo.mLines.push_back("Icon: " + myIconText + ", " + ConvertNumber(myIconSize) + " bytes");

    if (myColors > kBitmapMaxColors)
        return ConvertDamaged("more than " + ConvertNumber(kBitmapMaxColors) + " own colours.");
    const int64_t myColorsAt = kBitmapHeaderSize + myFrameBlock;
    const int64_t myColorsEnd = myColorsAt + 3 * myColors;
    if (!myFile.Has(myColorsAt, 3 * myColors))
        return ConvertDamaged("the own colours lie past the end of the file.");
    if (myIconSize < 0 || myOffset - myIconSize < myColorsEnd ||
        !myFile.Has(myOffset - myIconSize, myIconSize))
        return ConvertDamaged("the icon does not lie between the colours and the pixels.");
    if (!ConvertDecodeStream(myFile.mData + myOffset - myIconSize, myIconSize, myIconWidth, kBitmapIconHeight,
                             myInfo.mIcon))
        return ConvertDamaged("the icon does not decode to exactly " + myIconText + " pixels.");
    if (myColorSize < 0 || myMaskSize < 0) return ConvertDamaged("a layer has a negative size.");
    if (!myFile.Has(myOffset, static_cast<int64_t>(myColorSize) + myMaskSize))
        return ConvertDamaged("the pixel data reach past the end of the file.");
    if (!myBrush && myColorSize == 0) return ConvertDamaged("the fill has no picture.");
    if (myColorSize > 0 &&
        !ConvertDecodeStream(myFile.mData + myOffset, myColorSize, myWidth, myHeight, myInfo.mPixels))
        return ConvertDamaged(std::string("the ") + (myBrush ? "colour layer" : "picture") +
                              " does not decode to exactly its size.");
    if (myMaskSize > 0 && !ConvertDecodeMaskStream(myFile.mData + myOffset + myColorSize, myMaskSize, myWidth,
                                                   myHeight, myMaskRaw, myInfo.mMask))
        return ConvertDamaged("the mask layer does not decode to exactly its size.");
    return ConvertSound(myFile, static_cast<int64_t>(myOffset) + myColorSize + myMaskSize, myInfo);
}

ConvertResult ConvertReadMovement(const ConvertReader& myFile, ConvertInfo& myInfo) {
    if (!myFile.Has(0, kMoveIconAt))
        return ConvertDamaged("the header is shorter than " + ConvertNumber(kMoveIconAt) + " bytes.");
    const int myIconSize = BytesI16(myFile.Get<MoveHeader>(0).mIconSize);
    const std::string myIconText = ConvertNumber(kMoveIconSide) + " x " + ConvertNumber(kMoveIconSide);
    myInfo.mLines.push_back("Icon: " + myIconText + ", " + ConvertNumber(myIconSize) + " bytes");
    if (myIconSize < 0 || !myFile.Has(kMoveIconAt, myIconSize))
        return ConvertDamaged("the icon reaches past the end of the file.");
    if (myIconSize > kMoveIconSide * kMoveIconSide ||
        !SurfaceCreate(myInfo.mIcon.mSurface, kMoveIconSide, kMoveIconSide))
        return ConvertDamaged("the icon does not decode to exactly " + myIconText + " pixels.");
    std::memcpy(myInfo.mIcon.mSurface.mPixels.data(), myFile.mData + kMoveIconAt,
                static_cast<size_t>(myIconSize));
    if (!LoadDecodeMoveIcon(myInfo.mIcon.mSurface, myIconSize))
        return ConvertDamaged("the icon does not decode to exactly " + myIconText + " pixels.");
    myInfo.mIcon.mWidth = myInfo.mIcon.mHeight = kMoveIconSide;
    size_t myAt = kMoveIconAt + static_cast<size_t>(myIconSize);
    if (!myFile.Has(myAt, 2)) return ConvertDamaged("the parameters lie past the end of the file.");
    myInfo.mLines.push_back(std::string("Centred: ") + (myFile.mData[myAt] ? "yes" : "no"));
    const int myParams = myFile.mData[myAt + 1];
    myInfo.mLines.push_back("Parameters: " + ConvertNumber(myParams));
    if (myParams > kMaxParams)
        return ConvertDamaged("more than " + ConvertNumber(kMaxParams) + " parameters.");
    myAt += 2 + static_cast<size_t>(myParams) * kParamBytes;
    return ConvertReadCode(myFile, myAt, myInfo);
}

} // namespace

namespace {

// What a file's extension says it must be: the type characters that kind of file has, and what the program
// says of a file of another kind.
struct ConvertExtKind {
    const char* mExt;
    const char* mTypes;
    const char* mInvalid;
};

const ConvertExtKind kConvertExtKinds[] = {
    {kPlaceBrush.mExt, "B", "Not a valid file!"},         {kPlaceFill.mExt, "FT", "Not a valid file!"},
    {kPlaceGradient.mExt, "G", "Not a valid file!"},      {kPlaceMovement.mExt, "M", "Not a valid file!"},
    {kPlaceColorEffect.mExt, "C", "Not a valid file!"},   {kPlaceBrushEffect.mExt, "E", "Not a valid file!"},
    {kPlaceStyle.mExt, "S", "Not a valid style file!"},   {kSetFormats[0].mExt, "g", kSetFormats[0].mInvalid},
    {kSetFormats[1].mExt, "f", kSetFormats[1].mInvalid},  {kSetFormats[2].mExt, "m", kSetFormats[2].mInvalid},
    {kSetFormats[3].mExt, "Bb", kSetFormats[3].mInvalid},
};

// Names are matched without regard to case, as the program lists and opens them.
const ConvertExtKind* ConvertFindExt(const std::string& myFileName) {
    const size_t mySlash = myFileName.find_last_of('/');
    const size_t myDot = myFileName.find_last_of('.');
    if (myDot == std::string::npos || (mySlash != std::string::npos && myDot < mySlash)) return nullptr;
    std::string myExt = myFileName.substr(myDot);
    for (char& myChar : myExt)
        myChar = static_cast<char>(std::tolower(static_cast<unsigned char>(myChar)));
    for (const ConvertExtKind& myKind : kConvertExtKinds)
        if (myExt == myKind.mExt) return &myKind;
    return nullptr;
}

} // namespace

ConvertResult ConvertReadInfo(const uint8_t* myData, size_t mySize, ConvertInfo& myInfo,
                              const std::string& myFileName) {
    myInfo = ConvertInfo();
    const ConvertReader myFile{myData, mySize};
    if (!myFile.Has(0, sizeof(ComponentHeader))) return ConvertDamaged("shorter than a header.");
    myInfo.mType = static_cast<char>(myData[0]);
    const ConvertExtKind* myKind = ConvertFindExt(myFileName);
    if (myKind && (myInfo.mType == 0 || !std::strchr(myKind->mTypes, myInfo.mType)))
        return {false, myKind->mInvalid};
    // A brush set begins with 'B' as a brush does. Without its extension, its header tells it: a style's
    // (version 2, names of 16 bytes), where the converter writes version 1 for a brush.
    const bool myBrushSet = myKind ? std::strcmp(myKind->mExt, kSetFormats[3].mExt) == 0
                                   : myFile.Has(0, kStyleHeaderSize) &&
                                         myData[offsetof(StyleRecord, mVersion)] == kStyleVersion &&
                                         myData[offsetof(StyleRecord, mNameSize)] == kNameSize;
    switch (myInfo.mType) {
    case kTypeBrush:
        if (myBrushSet) return ConvertReadSet(*SetFindFormat(kSetBrush), myData, mySize, myInfo);
        myInfo.mLines.push_back("Kind: brush (B)");
        return ConvertReadPicture(myFile, myInfo);
    case kTypeFill:
    case kTypeTile:
        myInfo.mLines.push_back(std::string("Kind: fill (") + myInfo.mType +
                                (myInfo.mType == kTypeFill ? ", whole picture)" : ", tile)"));
        return ConvertReadPicture(myFile, myInfo);
    case kTypeGradient:
        myInfo.mLines.push_back("Kind: gradient (G)");
        if (!myFile.Has(0, kGradientFileSize))
            return ConvertDamaged("the gradient is shorter than " + ConvertNumber(kGradientFileSize) +
                                  " bytes.");
        return ConvertSound(myFile, kGradientFileSize, myInfo);
    case kTypeMovement:
        myInfo.mLines.push_back("Kind: movement (M)");
        return ConvertReadMovement(myFile, myInfo);
    case kTypeColorEffect:
    case kTypeBrushEffect:
        myInfo.mLines.push_back(myInfo.mType == kTypeColorEffect ? "Kind: colour effect (C)"
                                                                 : "Kind: brush effect (E)");
        return ConvertReadCode(myFile, kEffectCodeAt, myInfo);
    case kTypeStyle:
        return ConvertReadStyle(myData, mySize, myInfo);
    case kSetGradient:
    case kSetFill:
    case kSetMove:
        return ConvertReadSet(*SetFindFormat(myInfo.mType), myData, mySize, myInfo);
    case kSetBrushOld:
        return ConvertReadSet(*SetFindFormat(kSetBrush), myData, mySize, myInfo);
    default:
        return {false, "Not a valid file!"};
    }
}
