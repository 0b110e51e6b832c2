// The conversion itself: mapping, trimming, fixed colours, multiplying, the header, icon and layers.
#include "converter/convert.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "converter/color_map.h"
#include "converter/compress.h"
#include "converter/icon.h"
#include "storage/file.h"
#include "storage/format_bitmap.h"

namespace {

constexpr int kMaxStrip = 32767;                 // the header keeps the strip width in 16 bits
constexpr int64_t kMaxPixels = int64_t{1} << 26; // beyond this a brush is no longer a brush

// The mapped picture: one palette index per pixel, and the mask flags when the blue mask is on.
struct ConvertPicture {
    int mWidth = 0;
    int mHeight = 0;
    std::vector<uint8_t> mPixels;
    std::vector<uint8_t> mMask; // empty without a mask

    uint8_t* Row(int y) { return mPixels.data() + static_cast<size_t>(y) * mWidth; }
    uint8_t* MaskRow(int y) { return mMask.data() + static_cast<size_t>(y) * mWidth; }
};

bool ConvertSettingValid(int& myValue) {
    if (myValue == 0) myValue = 1; // an empty or zero box counts as 1
    return myValue >= 1 && myValue <= kConvertMaxSetting;
}

// Removes the rows and the frame columns that show nothing (255 and no mask). A brush that shows nothing at
// all keeps its size: a picture of no pixels would leave the loader nothing to divide into frames.
ConvertPicture ConvertTrim(ConvertPicture& myPicture, int myFrames) {
    const int myFrameWidth = myPicture.mWidth / myFrames;
    auto myShown = [&](int x, int y) {
        const size_t myAt = static_cast<size_t>(y) * myPicture.mWidth + x;
        return myPicture.mPixels[myAt] != kPixelTransparent ||
               (!myPicture.mMask.empty() && myPicture.mMask[myAt]);
    };
    int myTop = myPicture.mHeight, myBottom = -1, myLeft = myFrameWidth, myRight = -1;
    for (int y = 0; y < myPicture.mHeight; ++y)
        for (int x = 0; x < myPicture.mWidth; ++x)
            if (myShown(x, y)) {
                myTop = std::min(myTop, y), myBottom = std::max(myBottom, y);
                myLeft = std::min(myLeft, x % myFrameWidth), myRight = std::max(myRight, x % myFrameWidth);
            }
    if (myBottom < 0) return std::move(myPicture);
    ConvertPicture myTrimmed;
    const int myNewFrame = myRight - myLeft + 1;
    myTrimmed.mWidth = myNewFrame * myFrames;
    myTrimmed.mHeight = myBottom - myTop + 1;
    myTrimmed.mPixels.resize(static_cast<size_t>(myTrimmed.mWidth) * myTrimmed.mHeight);
    if (!myPicture.mMask.empty()) myTrimmed.mMask.resize(myTrimmed.mPixels.size());
    for (int y = 0; y < myTrimmed.mHeight; ++y)
        for (int f = 0; f < myFrames; ++f) {
            const size_t myFrom =
                static_cast<size_t>(y + myTop) * myPicture.mWidth + f * myFrameWidth + myLeft;
            const size_t myTo = static_cast<size_t>(y) * myTrimmed.mWidth + f * myNewFrame;
            std::copy_n(myPicture.mPixels.begin() + myFrom, myNewFrame, myTrimmed.mPixels.begin() + myTo);
            if (!myPicture.mMask.empty())
                std::copy_n(myPicture.mMask.begin() + myFrom, myNewFrame, myTrimmed.mMask.begin() + myTo);
        }
    return myTrimmed;
}

// Copy j of the strip moves each spread gradient on by j x 90 / T positions.
uint8_t ConvertShift(uint8_t myIndex, const ConvertSettings& mySettings, int myCopy, int myTotal) {
    const int myStep = myCopy * kGradientColors / myTotal;
    if (mySettings.mSpreadPrimary && myIndex >= kPixelBrushGradient && myIndex < kPixelFillGradient)
        return static_cast<uint8_t>(kPixelBrushGradient +
                                    (myIndex - kPixelBrushGradient + myStep) % kGradientColors);
    if (mySettings.mSpreadSecondary && myIndex >= kPixelFillGradient &&
        myIndex < kPixelFillGradient + kGradientColors)
        return static_cast<uint8_t>(kPixelFillGradient +
                                    (myIndex - kPixelFillGradient + myStep) % kGradientColors);
    return myIndex;
}

ConvertPicture ConvertMultiply(const ConvertPicture& myPicture, const ConvertSettings& mySettings,
                               int myFrames) {
    const int myCopies = mySettings.mMultiply;
    ConvertPicture myOut;
    myOut.mWidth = myPicture.mWidth * myCopies;
    myOut.mHeight = myPicture.mHeight;
    myOut.mPixels.resize(static_cast<size_t>(myOut.mWidth) * myOut.mHeight);
    if (!myPicture.mMask.empty()) myOut.mMask.resize(myOut.mPixels.size());
    const int myTotal = myFrames * myCopies;
    for (int y = 0; y < myOut.mHeight; ++y)
        for (int j = 0; j < myCopies; ++j) {
            const size_t myFrom = static_cast<size_t>(y) * myPicture.mWidth;
            const size_t myTo =
                static_cast<size_t>(y) * myOut.mWidth + static_cast<size_t>(j) * myPicture.mWidth;
            for (int x = 0; x < myPicture.mWidth; ++x)
                myOut.mPixels[myTo + x] = ConvertShift(myPicture.mPixels[myFrom + x], mySettings, j, myTotal);
            if (!myPicture.mMask.empty())
                std::copy_n(myPicture.mMask.begin() + myFrom, myPicture.mWidth, myOut.mMask.begin() + myTo);
        }
    return myOut;
}

} // namespace

ConvertResult ConvertBuild(const ConvertBitmap& myBitmap, const ConvertSettings& mySettingsIn,
                           std::vector<uint8_t>& myFile) {
    myFile.clear();
    ConvertSettings mySettings = mySettingsIn;
    const bool myBrush = mySettings.mKind == kConvertBrush;
    if (!myBrush) {
        // Frames, multiplying, masks and the frame block belong to brushes alone.
        mySettings.mFrames = 1, mySettings.mMultiply = 1, mySettings.mBlueMask = false;
    }
    if (!ConvertSettingValid(mySettings.mPrimarySections) ||
        !ConvertSettingValid(mySettings.mSecondarySections) || !ConvertSettingValid(mySettings.mMultiply))
        return ConvertFail("Sections and multiply must be numbers from 0 to 999!");
    const int myFrames = mySettings.mFrames;
    if (myBitmap.mWidth <= 0 || myBitmap.mHeight <= 0 || myFrames <= 0 || myBitmap.mWidth % myFrames != 0)
        return ConvertFail("Width is not evenly divisible by number of frames!");
    if (static_cast<int64_t>(myBitmap.mWidth) * myBitmap.mHeight > kMaxPixels)
        return ConvertFail("Not enough memory to complete operation!");

    ConvertPicture myPicture;
    myPicture.mWidth = myBitmap.mWidth;
    myPicture.mHeight = myBitmap.mHeight;
    myPicture.mPixels.resize(static_cast<size_t>(myPicture.mWidth) * myPicture.mHeight);
    if (mySettings.mBlueMask) myPicture.mMask.resize(myPicture.mPixels.size());
    ConvertFixedTable myTable;
    const int myFrameWidth = myBitmap.mWidth / myFrames;
    for (int y = 0; y < myPicture.mHeight; ++y) {
        uint8_t* myRow = myPicture.Row(y);
        for (int x = 0; x < myPicture.mWidth; ++x) {
            const uint8_t* myPixel = myBitmap.Pixel(x, y);
            bool myMask = false;
            if (!ConvertMapPixel(mySettings, myPixel[0], myPixel[1], myPixel[2], x / myFrameWidth, myFrames,
                                 myTable, myRow[x], myMask))
                return ConvertFail("This bitmap has more than 90 fixed colors!");
            if (myMask) myPicture.MaskRow(y)[x] = 1;
        }
    }
    if (myBrush) myPicture = ConvertTrim(myPicture, myFrames);

    if (myTable.mCount > 0) {
        uint8_t myNewSlot[kBitmapMaxColors];
        ConvertSortFixed(myTable, myNewSlot);
        const int myBase = ConvertFixedBase(mySettings.mKind);
        for (uint8_t& myIndex : myPicture.mPixels)
            if (myIndex >= myBase && myIndex < myBase + myTable.mCount)
                myIndex = static_cast<uint8_t>(myBase + myNewSlot[myIndex - myBase]);
    }

    if (static_cast<int64_t>(myPicture.mWidth) * mySettings.mMultiply > kMaxStrip)
        return ConvertFail("The brush strip would be wider than 32767 pixels!");
    if (static_cast<int64_t>(myPicture.mWidth) * mySettings.mMultiply * myPicture.mHeight > kMaxPixels)
        return ConvertFail("Not enough memory to complete operation!");
    if (mySettings.mMultiply > 1) myPicture = ConvertMultiply(myPicture, mySettings, myFrames);
    const int myTotalFrames = myFrames * mySettings.mMultiply;

    // The loader draws the icon on a lighter ground when black occurs; greys and dark blues become black too.
    const bool myBlack =
        std::find(myPicture.mPixels.begin(), myPicture.mPixels.end(), 0) != myPicture.mPixels.end();
    const bool myVisible = !myBrush || std::any_of(myPicture.mPixels.begin(), myPicture.mPixels.end(),
                                                   [](uint8_t v) { return v != kPixelTransparent; });

    // The header's sizes and offsets are filled in as the parts are written, and the header is laid over the
    // file's first bytes at the end.
    BitmapHeader myHeader = {};
    const bool myTile = myPicture.mWidth < kFillPictureWidth || myPicture.mHeight < kFillPictureHeight;
    myHeader.mHeader.mType = myBrush ? kTypeBrush : myTile ? kTypeTile : kTypeFill;
    myHeader.mHeader.mVersion = 1;
    BytesPut16(myHeader.mWidth, myPicture.mWidth);
    BytesPut16(myHeader.mHeight, myPicture.mHeight);
    myHeader.mColorCount = static_cast<uint8_t>(myTable.mCount);
    myHeader.mHasBlack = myBlack ? 1 : 0;
    myHeader.mFrameBlockSize = myBrush ? kBitmapFrameBlockSize : 0;
    myFile.assign(kBitmapHeaderSize + myHeader.mFrameBlockSize, 0);
    if (myBrush) {
        BitmapFrameBlock myFrames = {};
        myFrames.mBeatFrame = mySettings.mBeatFrame ? 1 : 0;
        myFrames.mOne = 1;
        BytesPut16(myFrames.mFrames, myTotalFrames);
        myFrames.mPalindrome = mySettings.mPalindrome ? 1 : 0;
        std::memcpy(myFile.data() + kBitmapHeaderSize, &myFrames, kBitmapFrameBlockSize);
    }
    for (int i = 0; i < myTable.mCount; ++i) {
        myFile.push_back(myTable.mRed[i]);
        myFile.push_back(myTable.mGreen[i]);
        myFile.push_back(myTable.mBlue[i]);
    }

    const int myIconWidth = myBrush ? kBrushIconWidth : kFillIconWidth;
    int myLeft = 0, myTop = 0, myWidth = myPicture.mWidth, myHeight = myPicture.mHeight;
    if (myBrush && !ConvertIconFrame(myPicture.mPixels.data(),
                                     myPicture.mMask.empty() ? nullptr : myPicture.mMask.data(),
                                     myPicture.mWidth, myPicture.mWidth / myTotalFrames, myPicture.mHeight,
                                     myLeft, myTop, myWidth, myHeight))
        myWidth = myHeight = 0;
    const std::vector<uint8_t> myIcon =
        ConvertMakeIcon(myPicture.mPixels.data(), myPicture.mWidth, myLeft, myTop, myWidth, myHeight,
                        myIconWidth, myTable, ConvertFixedBase(mySettings.mKind));
    const size_t myIconStart = myFile.size();
    for (int y = 0; y < kBitmapIconHeight; ++y)
        if (!ConvertCompressRow(myIcon.data() + static_cast<size_t>(y) * myIconWidth, myIconWidth, myFile))
            return ConvertFail("Unable to create icon preview!");
    BytesPut16(myHeader.mIconSize, static_cast<int64_t>(myFile.size() - myIconStart));
    BytesPut16(myHeader.mDataOffset, static_cast<int64_t>(myFile.size()));

    if (myVisible) {
        const size_t myStart = myFile.size();
        for (int y = 0; y < myPicture.mHeight; ++y)
            if (!ConvertCompressRow(myPicture.Row(y), myPicture.mWidth, myFile))
                return ConvertFail("Unable to write bitmap array!");
        BytesPut32(myHeader.mColorSize, static_cast<int64_t>(myFile.size() - myStart));
    }

    if (!myPicture.mMask.empty()) {
        const int myRowBytes = (myPicture.mWidth + 7) / 8;
        std::vector<uint8_t> myPacked(static_cast<size_t>(myRowBytes) * myPicture.mHeight);
        std::vector<uint8_t> myCompressed;
        for (int y = 0; y < myPicture.mHeight; ++y) {
            uint8_t* myRow = myPacked.data() + static_cast<size_t>(y) * myRowBytes;
            ConvertPackMaskRow(myPicture.MaskRow(y), myPicture.mWidth, myRow);
            ConvertCompressMaskRow(myRow, myRowBytes, myCompressed);
        }
        const bool myRaw = myCompressed.size() >= myPacked.size();
        const std::vector<uint8_t>& myMask = myRaw ? myPacked : myCompressed;
        myFile.insert(myFile.end(), myMask.begin(), myMask.end());
        myHeader.mMaskRaw = myRaw ? kBitmapMaskRaw : 0;
        BytesPut32(myHeader.mMaskSize, static_cast<int64_t>(myMask.size()));
    }
    std::memcpy(myFile.data(), &myHeader, kBitmapHeaderSize);
    return {true, "Art conversion successful!"};
}

ConvertResult ConvertCheckTitle(const std::string& myFileTitle, ConvertKind myKind, std::string& myFileName) {
    const size_t myDot = myFileTitle.find_last_of('.');
    std::string myTitle = myFileTitle.substr(0, myDot);
    std::string myExtension = myDot == std::string::npos
                                  ? std::string(myKind == kConvertBrush ? kPlaceBrush.mExt : kPlaceFill.mExt)
                                  : myFileTitle.substr(myDot);
    if (myTitle.size() > kConvertMaxTitle)
        return ConvertFail("The file name is too long! 15 letters is maximum.");
    if (myTitle.empty()) return ConvertFail("The file name is empty!");
    std::replace(myTitle.begin(), myTitle.end(), ' ', '_'); // stored names carry no blanks
    myFileName = myTitle + myExtension;
    return {true, ""};
}

ConvertResult ConvertSave(const ConvertBitmap& myBitmap, const ConvertSettings& mySettings,
                          const std::string& myFolder, const std::string& myFileTitle,
                          std::string* myWrittenPath) {
    std::string myFileName;
    ConvertResult myResult = ConvertCheckTitle(myFileTitle, mySettings.mKind, myFileName);
    if (!myResult.mOk) return myResult;
    const std::filesystem::path myPath =
        std::filesystem::path(myFolder.empty() ? "." : myFolder) / myFileName;
    if (myWrittenPath) *myWrittenPath = myPath.string();
    std::vector<uint8_t> myFile;
    myResult = ConvertBuild(myBitmap, mySettings, myFile);
    if (!myResult.mOk) return myResult;
    // The old file is replaced whole: the new one is written beside it and renamed over it, so a full disk
    // leaves the old file as it was instead of deleting it first.
    if (const int16_t myCode =
            FileReplacePath(myPath.string(), myFile.data(), static_cast<int32_t>(myFile.size())))
        return {false, std::string("File write error! ") + std::strerror(myCode) + "."};
    return myResult;
}
