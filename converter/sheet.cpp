// The contact sheet: brushes, fills, gradients and movement paths laid out in rows on one picture.
#include "converter/sheet.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <vector>

#include "converter/info.h"
#include "core/random.h"
#include "engine/movement_program.h"
#include "platform/image_out.h"
#include "resources/art_font.h"
#include "storage/file.h"
#include "storage/format_bitmap.h"
#include "storage/format_gradient.h"
#include "storage/format_program.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kGap = 8;
constexpr int kBrushCell = 72;
constexpr int kFillWidth = 192;
constexpr int kFillHeight = 144;
constexpr int kPathWidth = 192;
constexpr int kPathHeight = 144;
constexpr int kLabel = 14; // the name under every cell
constexpr int kLabelBaseline = 3 + kArtFontCapHeight;
constexpr uint32_t kBack = 0xFF202028;
constexpr uint32_t kCellBack = 0xFF101014;

struct Canvas {
    int mWidth = kSheetWidth;
    int mHeight = 0;
    std::vector<uint32_t> mPixels;
    int mX = kGap, mY = kGap, mRowHeight = 0;

    void Grow(int myHeight) {
        if (myHeight <= mHeight) return;
        mPixels.resize(static_cast<size_t>(mWidth) * myHeight, kBack);
        mHeight = myHeight;
    }
    void Put(int myX, int myY, uint32_t myColor) {
        if (myX < 0 || myY < 0 || myX >= mWidth) return;
        Grow(myY + 1);
        mPixels[static_cast<size_t>(myY) * mWidth + myX] = myColor;
    }
    void Box(int myX, int myY, int myW, int myH, uint32_t myColor) {
        for (int y = 0; y < myH; ++y)
            for (int x = 0; x < myW; ++x)
                Put(myX + x, myY + y, myColor);
    }
    // The top-left corner of the next cell of the given size, wrapping to a new row when the row is full.
    void Place(int myW, int myH, int& myX, int& myY) {
        if (mX + myW > mWidth - kGap) {
            mX = kGap;
            mY += mRowHeight + kGap;
            mRowHeight = 0;
        }
        myX = mX;
        myY = mY;
        mX += myW + kGap;
        mRowHeight = std::max(mRowHeight, myH);
        Grow(mY + myH + kGap);
    }
    void NewSection() {
        if (mRowHeight) mY += mRowHeight + 3 * kGap;
        mX = kGap;
        mRowHeight = 0;
    }
};

// Writes a component's name under its cell in the artwork's pixel font, cut to the cell's width.
void Label(Canvas& myCanvas, int myX, int myY, int myWidth, std::string myName) {
    while (myName.size() > 1 && ArtTextWidth(myName.c_str(), kArtFontPlain, 0) > myWidth)
        myName.pop_back();
    Surface myText;
    if (!SurfaceCreate(myText, myWidth, kLabel)) return;
    SurfaceFill(myText, {0, 0, myWidth, kLabel}, 0);
    ArtText(myText, 0, kLabelBaseline, myName.c_str(), 1, kArtFontPlain, 0);
    for (int y = 0; y < kLabel; ++y)
        for (int x = 0; x < myWidth; ++x)
            if (myText.Row(y)[x] == 1) myCanvas.Put(myX + x, myY + y, 0xFFC8C8D0);
}

uint32_t Rgb(const uint8_t* myTriple) {
    return 0xFF000000u | static_cast<uint32_t>(myTriple[0]) << 16 | static_cast<uint32_t>(myTriple[1]) << 8 |
           myTriple[2];
}

// A file that cannot be read is left out as if empty.
std::vector<uint8_t> ReadAll(const fs::path& myPath) {
    std::vector<uint8_t> myBytes;
    FileReadPath(myPath.string(), myBytes);
    return myBytes;
}

// The files of one component folder, sorted by name so the sheet is the same on every run.
std::vector<fs::path> Files(const fs::path& myFolder, const char* myExt) {
    std::vector<fs::path> myFiles;
    std::error_code myError;
    for (fs::directory_iterator myIt(myFolder, myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError))
        if (myIt->is_regular_file(myError) && myIt->path().extension() == myExt)
            myFiles.push_back(myIt->path());
    std::sort(myFiles.begin(), myFiles.end());
    return myFiles;
}

// The colours a picture's indices show: the gradient's halves, replaced by the file's own colours.
void Palette(const std::vector<uint8_t>& myFile, bool myBrush, const uint8_t* myGradient,
             uint32_t myOut[256]) {
    for (int i = 0; i < 256; ++i)
        myOut[i] = 0xFF000000u;
    for (int i = 0; i < kGradientColors; ++i) {
        myOut[kPixelBrushGradient + i] = Rgb(myGradient + 3 * i);
        myOut[kPixelFillGradient + i] = Rgb(myGradient + kGradientBytes + 3 * i);
    }
    BitmapHeader myHeader;
    std::memcpy(&myHeader, myFile.data(), kBitmapHeaderSize);
    const int myOwn = myHeader.mColorCount;
    const size_t myAt = kBitmapHeaderSize + (myBrush ? myHeader.mFrameBlockSize : 0);
    for (int i = 0; i < kGradientColors && myOwn > 0; ++i) {
        const size_t myEntry = myAt + 3 * static_cast<size_t>(std::min(i, myOwn - 1));
        if (myEntry + 3 <= myFile.size())
            myOut[(myBrush ? kPixelBrushGradient : kPixelFillGradient) + i] = Rgb(myFile.data() + myEntry);
    }
}

// Draws a rectangle of a decoded picture scaled to fit (never enlarged beyond twice) and centred in a cell.
void Blit(Canvas& myCanvas, const ConvertInfo& myInfo, int myLeft, int myWidth, const uint32_t myColors[256],
          int myX, int myY, int myCellW, int myCellH) {
    const int myHeight = myInfo.mPixels.mHeight ? myInfo.mPixels.mHeight : myInfo.mMask.mHeight;
    const double myScale =
        std::min({2.0, static_cast<double>(myCellW) / myWidth, static_cast<double>(myCellH) / myHeight});
    const int myW = std::max(1, static_cast<int>(myWidth * myScale));
    const int myH = std::max(1, static_cast<int>(myHeight * myScale));
    const int myOffX = myX + (myCellW - myW) / 2, myOffY = myY + (myCellH - myH) / 2;
    for (int y = 0; y < myH; ++y)
        for (int x = 0; x < myW; ++x) {
            const int mySx = myLeft + std::min(myWidth - 1, static_cast<int>((x + 0.5) / myScale));
            const int mySy = std::min(myHeight - 1, static_cast<int>((y + 0.5) / myScale));
            int myIndex = 255;
            if (myInfo.mPixels.mWidth) myIndex = myInfo.mPixels.mSurface.Row(mySy)[mySx];
            const bool myMasked = myInfo.mMask.mWidth && myInfo.mMask.mSurface.Row(mySy)[mySx] == 255;
            // The engine paints the mask in a colour that steps through the gradient with every image.
            if (myIndex == 255 && myMasked) myIndex = 21 + 45;
            if (myIndex != 255) myCanvas.Put(myOffX + x, myOffY + y, myColors[myIndex]);
        }
}

void DrawBrush(Canvas& myCanvas, const std::string& myName, const std::vector<uint8_t>& myFile,
               const ConvertInfo& myInfo, const uint8_t* myGradient) {
    uint32_t myColors[256];
    Palette(myFile, true, myGradient, myColors);
    BitmapHeader myHeader;
    BitmapFrameBlock myBlock;
    std::memcpy(&myHeader, myFile.data(), kBitmapHeaderSize);
    std::memcpy(&myBlock, myFile.data() + kBitmapHeaderSize, kBitmapFrameBlockSize);
    const int myFrames = std::max(1, static_cast<int>(BytesI16(myBlock.mFrames)));
    const int myStrip = BytesI16(myHeader.mWidth);
    const int myFrameWidth = myStrip / myFrames;
    const int myShown = std::min(myFrames, 6);
    int myX, myY;
    myCanvas.Place(myShown * (kBrushCell + 2), kBrushCell + kLabel, myX, myY);
    Label(myCanvas, myX, myY + kBrushCell + 1, myShown * (kBrushCell + 2), myName);
    for (int f = 0; f < myShown; ++f) {
        const int myFrame = f * myFrames / myShown;
        myCanvas.Box(myX + f * (kBrushCell + 2), myY, kBrushCell, kBrushCell, kCellBack);
        Blit(myCanvas, myInfo, myFrame * myFrameWidth, myFrameWidth, myColors, myX + f * (kBrushCell + 2),
             myY, kBrushCell, kBrushCell);
    }
}

void DrawFill(Canvas& myCanvas, const std::string& myName, const std::vector<uint8_t>& myFile,
              const ConvertInfo& myInfo, const uint8_t* myGradient) {
    uint32_t myColors[256];
    Palette(myFile, false, myGradient, myColors);
    int myX, myY;
    myCanvas.Place(kFillWidth, kFillHeight + kLabel, myX, myY);
    Label(myCanvas, myX, myY + kFillHeight + 1, kFillWidth, myName);
    myCanvas.Box(myX, myY, kFillWidth, kFillHeight, kCellBack);
    // A tile is shown repeated as on the screen, a whole picture scaled down.
    if (myFile[0] == kTypeTile) {
        const ConvertInfoPicture& myTile = myInfo.mPixels;
        for (int y = 0; y < kFillHeight; ++y)
            for (int x = 0; x < kFillWidth; ++x)
                myCanvas.Put(myX + x, myY + y,
                             myColors[myTile.mSurface.Row(y % myTile.mHeight)[x % myTile.mWidth]]);
    } else {
        Blit(myCanvas, myInfo, 0, myInfo.mPixels.mWidth, myColors, myX, myY, kFillWidth, kFillHeight);
    }
}

void DrawGradient(Canvas& myCanvas, const std::string& myName, const std::vector<uint8_t>& myFile) {
    int myX, myY;
    myCanvas.Place(270, 36 + kLabel, myX, myY);
    Label(myCanvas, myX, myY + 37, 270, myName);
    for (int i = 0; i < kGradientColors; ++i) {
        myCanvas.Box(myX + 3 * i, myY, 3, 17, Rgb(myFile.data() + kGradientHeaderSize + 3 * i));
        myCanvas.Box(myX + 3 * i, myY + 19, 3, 17,
                     Rgb(myFile.data() + kGradientHeaderSize + kGradientBytes + 3 * i));
    }
}

// The path of a movement over 30 seconds of updates at 40 a second with a beat every half second, on a
// small screen; later points are brighter so the direction shows.
void DrawPath(Canvas& myCanvas, const std::string& myName, const std::vector<uint8_t>& myFile) {
    size_t myAt = kMoveIconAt + BytesU16(myFile.data() + offsetof(MoveHeader, mIconSize));
    if (myAt + 2 > myFile.size()) return;
    const bool myCentred = myFile[myAt] != 0;
    const int myParams = std::min<int>(kMaxParams, myFile[myAt + 1]);
    MovementInputs myInputs;
    myInputs.mCentX = kPathWidth / 2.0;
    myInputs.mCentY = kPathHeight / 2.0;
    myInputs.mBrush = {6, 6, 12, 1, 12};
    MainSeedRandom(7);
    for (int p = 0; p < myParams && myAt + 2 + 3 * myParams <= myFile.size(); ++p) {
        const int myMin = static_cast<int8_t>(myFile[myAt + 2 + p]);
        const int myMax = static_cast<int8_t>(myFile[myAt + 2 + myParams + p]);
        const int myLock = static_cast<int8_t>(myFile[myAt + 2 + 2 * myParams + p]);
        myInputs.mParams[p] = static_cast<int8_t>(myLock == -128 ? (myMin + myMax) / 2 : myLock);
    }
    myAt += 2 + static_cast<size_t>(myParams) * kParamBytes;
    if (myAt + kCodeSizesBytes > myFile.size()) return;
    uint16_t mySizes[3];
    const uint8_t* myCode[3];
    size_t myCodeAt = myAt + kCodeSizesBytes;
    for (int s = 0; s < 3; ++s) {
        mySizes[s] =
            static_cast<uint16_t>(std::max(0, static_cast<int>(BytesI16(myFile.data() + myAt + 2 * s))));
        if (myCodeAt + mySizes[s] > myFile.size()) return;
        myCode[s] = myFile.data() + myCodeAt;
        myCodeAt += mySizes[s];
    }
    int myX, myY;
    myCanvas.Place(kPathWidth, kPathHeight + kLabel, myX, myY);
    Label(myCanvas, myX, myY + kPathHeight + 1, kPathWidth, myName);
    myCanvas.Box(myX, myY, kPathWidth, kPathHeight, kCellBack);
    int16_t myLinger = 1;
    double myPathX = 0, myPathY = 0, myVariables[std::size(gMoveParam)] = {};
    auto myRun = [&](int myStep) {
        MovementRunApart(myCode[myStep], mySizes[myStep], myCentred, myInputs, myPathX, myPathY, myVariables,
                         myLinger);
    };
    myRun(0);
    myRun(1);
    const int myUpdates = 30 * 40;
    for (int i = 0; i < myUpdates; ++i) {
        if (i % 20 == 19) myRun(1);
        myInputs.mSoundScale = 0.5 + 0.5 * ((i / 10) % 2);
        myRun(2);
        const int myPx = static_cast<int>(myPathX), myPy = static_cast<int>(myPathY);
        if (myPx < 0 || myPy < 0 || myPx >= kPathWidth || myPy >= kPathHeight) continue;
        const int myLevel = 80 + 175 * i / myUpdates;
        myCanvas.Put(myX + myPx, myY + myPy,
                     0xFF000000u | static_cast<uint32_t>(myLevel) << 16 |
                         static_cast<uint32_t>(myLevel) << 8 | 255);
    }
}

} // namespace

ConvertResult SheetWrite(const std::string& myFolder, const std::string& myGradient,
                         const std::string& myOut) {
    const fs::path myRoot(myFolder);
    const std::vector<fs::path> myGradients = Files(myRoot / kPlaceGradient.mFolder, kPlaceGradient.mExt);
    std::vector<uint8_t> myChosen;
    for (const fs::path& myPath : myGradients)
        if (myChosen.empty() && (myGradient.empty() || myPath.stem() == myGradient))
            myChosen = ReadAll(myPath);
    if (myChosen.size() < static_cast<size_t>(kGradientFileSize) || myChosen[0] != kTypeGradient)
        return ConvertFail(myGradient.empty() ? "The folder has no gradient."
                                              : "No such gradient in the folder.");
    Canvas myCanvas;
    ConvertInfo myInfo;
    int myDamaged = 0;
    for (const fs::path& myPath : Files(myRoot / kPlaceBrush.mFolder, kPlaceBrush.mExt)) {
        const std::vector<uint8_t> myFile = ReadAll(myPath);
        if (ConvertReadInfo(myFile.data(), myFile.size(), myInfo, myPath.string()).mOk)
            DrawBrush(myCanvas, myPath.stem().string(), myFile, myInfo,
                      myChosen.data() + kGradientHeaderSize);
        else
            ++myDamaged;
    }
    myCanvas.NewSection();
    for (const fs::path& myPath : Files(myRoot / kPlaceFill.mFolder, kPlaceFill.mExt)) {
        const std::vector<uint8_t> myFile = ReadAll(myPath);
        if (ConvertReadInfo(myFile.data(), myFile.size(), myInfo, myPath.string()).mOk)
            DrawFill(myCanvas, myPath.stem().string(), myFile, myInfo, myChosen.data() + kGradientHeaderSize);
        else
            ++myDamaged;
    }
    myCanvas.NewSection();
    for (const fs::path& myPath : myGradients) {
        const std::vector<uint8_t> myFile = ReadAll(myPath);
        if (ConvertReadInfo(myFile.data(), myFile.size(), myInfo, myPath.string()).mOk)
            DrawGradient(myCanvas, myPath.stem().string(), myFile);
        else
            ++myDamaged;
    }
    myCanvas.NewSection();
    for (const fs::path& myPath : Files(myRoot / kPlaceMovement.mFolder, kPlaceMovement.mExt)) {
        const std::vector<uint8_t> myFile = ReadAll(myPath);
        if (ConvertReadInfo(myFile.data(), myFile.size(), myInfo, myPath.string()).mOk)
            DrawPath(myCanvas, myPath.stem().string(), myFile);
        else
            ++myDamaged;
    }
    myCanvas.Grow(myCanvas.mY + myCanvas.mRowHeight + kGap);
    if (!ImageWritePngRgb(myOut, myCanvas.mPixels.data(), myCanvas.mWidth, myCanvas.mHeight))
        return ConvertFail("File write error!");
    if (myDamaged)
        return {false, "Sheet written; " + std::to_string(myDamaged) + " damaged file(s) left out."};
    return {true, "Sheet written."};
}
