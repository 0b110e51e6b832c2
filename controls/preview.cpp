// The popups' previews: a brush's or fill's icon with its size, a movement's path, an effect's own
// description, and a gradient turning in the preview strip, shown in a titled box of the panel area.
#include "controls/preview.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "controls/draw.h"
#include "core/display.h"
#include "core/state.h"
#include "engine/color_convert.h"
#include "engine/movement_program.h"
#include "platform/clock.h"
#include "platform/palette.h"
#include "platform/window.h"
#include "resources/controls_art.h"
#include "storage/format_bitmap.h"
#include "storage/format_program.h"
#include "storage/loading.h"

uint8_t gStatePreview = 0;
int gPreviewNum = 0;
uint8_t gGradPreview[kGradientBytes];

namespace {

constexpr Rect kPreviewBox = {42, 72, 172, 122}; // the frame; 128 x 48 inside, as the preview surface
constexpr int kPreviewTextBaseline = 133;
constexpr uint32_t kPreviewStepTime = 50;
constexpr int kPreviewPathSteps = 720;
constexpr uint8_t kPreviewPathInk = 250;
constexpr int kPreviewTrail = 12;
constexpr uint32_t kPreviewFrameTime = 40;
constexpr Rect kParameterPreview = {kLayoutPanelIconX, kLayoutPanelIconY, kLayoutPanelIconX + 16,
                                    kLayoutPanelIconY + 16};
constexpr PaletteEntry kPreviewOff = {63, 63, 65, kPaletteReserved | kPaletteNoCollapse};

// The PARAMETER DETAILS panel's small preview: the movement of its slot running on its own position and
// variables, the last steps drawn as a trail.
struct ParameterAnimation {
    int mSlot = -1;
    double mX = 0, mY = 0;
    double mVariables[std::size(gMoveParam)] = {};
    int16_t mLinger = 1;
    uint32_t mNext = 0;
    int mTrailX[kPreviewTrail] = {}, mTrailY[kPreviewTrail] = {};
    int mSteps = 0;
};
ParameterAnimation sAnimation;

bool sGradientOn = false;  // the strip shows a gradient, turning
bool sEntriesUsed = false; // a preview has coloured the preview entries
uint32_t sNextStep = 0;

Rect PreviewInside() {
    return {kPreviewBox.left + 1, kPreviewBox.top + 1, kPreviewBox.right - 1, kPreviewBox.bottom - 1};
}

const char* PreviewTitle(uint8_t myKind) {
    switch (myKind) {
    case 10:
        return "BRUSH PREVIEW";
    case 4:
        return "FILL PREVIEW";
    case 1:
        return "GRADIENT PREVIEW";
    case 9:
        return "MOVEMENT PREVIEW";
    case 0:
        return "BRUSH EFF. PREVIEW";
    default:
        return "COLOR EFF. PREVIEW";
    }
}

void PreviewSetEntries(const PaletteEntry* myEntries) {
    PaletteAnimate(kPreviewFirst, kPreviewCount, myEntries);
    sEntriesUsed = true;
    WindowPresent(kWinControls);
}

bool PreviewOpen(const char* myName, const FormatPlace& myPlace, FileHandle* myFile) {
    char myFileName[kPathSize], myFolder[kPathSize];
    if (LoadCopyFileName(myName, myFileName, myFolder, myPlace.mFolder, myPlace.mExt)) return false;
    return myFileName[0] && LoadOpenFile(myFileName, myFolder, myFile) == 0;
}

// A brush's or fill's icon, its own colours or the current gradient's in the preview entries.
bool PreviewBitmap(const char* myName, const FormatPlace& myPlace, bool myFill) {
    FileHandle myFile{};
    if (!PreviewOpen(myName, myPlace, &myFile)) {
        PreviewIconText("Unable \rto open!");
        return false;
    }
    BitmapHeader myHeader = {};
    FileRead(myFile, kBitmapHeaderSize, &myHeader);
    const int32_t myLength = FileLength(myFile);
    const int32_t myIconSize = BytesI16(myHeader.mIconSize);
    const int32_t myOffset = BytesI16(myHeader.mDataOffset);
    const char myType = static_cast<char>(myHeader.mHeader.mType);
    const bool myKnown = myFill ? (myType == kTypeFill || myType == kTypeTile) : myType == kTypeBrush;
    const int myColors = std::min<int>(myHeader.mColorCount, kBitmapMaxColors);
    const int myColorsAt = kBitmapHeaderSize + (myFill ? 0 : myHeader.mFrameBlockSize);
    const Rect myIcon{0, 0, myFill ? kFillIconWidth : kBrushIconWidth, kBitmapIconHeight};
    const Rect myInside = PreviewInside();
    const Rect myDest{myInside.left + (myInside.Width() - myIcon.Width()) / 2, myInside.top,
                      myInside.left + (myInside.Width() + myIcon.Width()) / 2, myInside.bottom};
    bool myShown = false;
    if (myKnown && myIconSize > 0 && myOffset - myIconSize >= myColorsAt && myOffset <= myLength) {
        uint8_t myOwn[3 * kBitmapMaxColors] = {};
        if (myColors > 0) {
            FileSeek(myFile, myColorsAt, 0);
            FileRead(myFile, 3 * myColors, myOwn);
        }
        FileSeek(myFile, myOffset - myIconSize, 0);
        const uint8_t myBack = !myFill && myHeader.mHasBlack == 1 ? kIconBackDark : kIconBackBlack;
        myShown = LoadIconImage(myFile, myIconSize, myIcon, DrawSurface(), myDest, myBack, 1);
        if (myShown && myColors > 0) {
            PreviewFixedColors(myOwn, myColors);
        } else if (myShown) {
            // The current gradient of its kind, every second colour.
            const int myLow = myFill ? kPixelFillGradient : kPixelBrushGradient;
            PaletteEntry myEntries[kPreviewCount];
            for (int i = 0; i < kPreviewCount; ++i)
                myEntries[i] = {gPalette[myLow + 2 * i].mRed, gPalette[myLow + 2 * i].mGreen,
                                gPalette[myLow + 2 * i].mBlue, kPreviewOff.mFlags};
            PreviewSetEntries(myEntries);
        }
    }
    FileClose(myFile);
    if (!myShown) {
        SurfaceFill(DrawSurface(), myInside, kColorBlack);
        PreviewIconText("Unable \rto open!");
        return false;
    }
    char mySize[24];
    std::snprintf(mySize, sizeof(mySize), "%d K", static_cast<int>((myLength + 1023) / 1024));
    PreviewIconText(mySize);
    return true;
}

// Lines of at most myWidth pixels, broken at blanks (and at carriage returns).
void PreviewWrap(const std::string& myText, int myLeft, int myTop, int myWidth, int myLines, uint8_t myInk) {
    std::string myLine;
    int myCount = 0;
    auto myFlush = [&]() {
        if (myCount < myLines) DrawText(myLeft, myTop + 8 + 10 * myCount, myLine.c_str(), myInk);
        ++myCount;
        myLine.clear();
    };
    size_t i = 0;
    while (i < myText.size()) {
        if (myText[i] == '\r' || myText[i] == '\n') {
            myFlush();
            ++i;
            continue;
        }
        size_t myEnd = myText.find_first_of(" \r\n", i);
        if (myEnd == std::string::npos) myEnd = myText.size();
        const std::string myWord = myText.substr(i, myEnd - i);
        const std::string myTry = myLine.empty() ? myWord : myLine + " " + myWord;
        if (!myLine.empty() && DrawTextWidth(myTry.c_str()) > myWidth) {
            myFlush();
            myLine = myWord;
        } else {
            myLine = myTry;
        }
        i = myEnd < myText.size() && myText[myEnd] == ' ' ? myEnd + 1 : myEnd;
    }
    if (!myLine.empty()) myFlush();
}

} // namespace

void PreviewInitBox(uint8_t myKind) {
    Surface& mySurface = DrawSurface();
    if (!mySurface.Exists()) return;
    DrawFromControls(gRectPanel, 0);
    DrawText(kLayoutPanelIconX, kLayoutPanelTitleBaseline, PreviewTitle(myKind), 0);
    if (myKind != 0 && myKind != 2) {
        SurfaceFill(mySurface, kPreviewBox, kColorOutline);
        SurfaceFill(mySurface, PreviewInside(), kColorBlack);
    }
    if (myKind == 1) {
        // The gradient shows across the box in the preview entries, as the strip shows it down.
        const Rect myInside = PreviewInside();
        for (int x = myInside.left; x < myInside.right; ++x)
            SurfaceFill(
                mySurface, {x, myInside.top, x + 1, myInside.bottom},
                static_cast<uint8_t>(kPreviewFirst + (x - myInside.left) * kPreviewCount / myInside.Width()));
    }
    gStatePreview = static_cast<uint8_t>(myKind + 1);
    WindowPresent(kWinControls);
}

bool PreviewFill(const char* myName) {
    PreviewInitBox(4);
    return PreviewBitmap(myName, kPlaceFill, true);
}

bool PreviewBrush(const char* myName) {
    PreviewInitBox(10);
    return PreviewBitmap(myName, kPlaceBrush, false);
}

// One run of a movement program on the position and variables of a preview, the running picture's put back.
void PreviewRun(const MEffect& myMove, const std::vector<uint8_t>& myCode, uint16_t mySize,
                const MovementInputs& myInputs, double& myX, double& myY, double* myVariables,
                int16_t& myLinger) {
    if (!mySize) return;
    MovementRunApart(myCode.data(), static_cast<uint16_t>(std::min<size_t>(mySize, myCode.size())),
                     myMove.mCenteredFlag != 0, myInputs, myX, myY, myVariables, myLinger);
}

MovementInputs PreviewInputs(const int8_t* myParams) {
    MovementInputs myInputs;
    std::memcpy(myInputs.mParams, myParams, sizeof(myInputs.mParams));
    myInputs.mBrush.mBottom = myInputs.mBrush.mRight = 8;
    myInputs.mBrush.mFrameWidth = myInputs.mBrush.mFrameHeight = 16;
    myInputs.mSpread = gStyle.mSpread;
    myInputs.mCentX = gCentX;
    myInputs.mCentY = gCentY;
    return myInputs;
}

bool PreviewMovement(const char* myName) {
    PreviewInitBox(9);
    FileHandle myFile{};
    MEffect myMove;
    bool myRead = false;
    if (PreviewOpen(myName, kPlaceMovement, &myFile)) {
        MoveHeader myHeader = {};
        FileRead(myFile, kMoveHeaderSize, &myHeader);
        myRead = myHeader.mHeader.mType == kTypeMovement &&
                 LoadMovementBody(myMove, myFile, BytesI16(myHeader.mIconSize));
        FileClose(myFile);
    }
    if (!myRead) {
        PreviewIconText("Unable to open or find movement!");
        return false;
    }
    // The path the brush would take on this screen, with the movement's own default parameters.
    int8_t myParams[3] = {};
    for (int p = 0; p < myMove.mNumParams && p < kMaxParams; ++p)
        myParams[p] = myMove.mLock[p] == kNotSet ? static_cast<int8_t>((myMove.mMin[p] + myMove.mMax[p]) / 2)
                                                 : myMove.mLock[p];
    const MovementInputs myInputs = PreviewInputs(myParams);
    double myX = gCentX, myY = gCentY, myVariables[std::size(gMoveParam)] = {};
    int16_t myLinger = 1;
    PreviewRun(myMove, myMove.mInit, myMove.mInitSize, myInputs, myX, myY, myVariables, myLinger);
    PreviewRun(myMove, myMove.mReset, myMove.mResetSize, myInputs, myX, myY, myVariables, myLinger);
    const Rect myInside = PreviewInside();
    const double myWidth = std::max(gRectDisplay.Width(), 1), myHeight = std::max(gRectDisplay.Height(), 1);
    for (int i = 0; i < kPreviewPathSteps; ++i) {
        PreviewRun(myMove, myMove.mUpdate, myMove.mUpdateSize, myInputs, myX, myY, myVariables, myLinger);
        const double myPx = myInside.left + myX * myInside.Width() / myWidth;
        const double myPy = myInside.top + myY * myInside.Height() / myHeight;
        if (myPx >= myInside.left && myPx < myInside.right && myPy >= myInside.top && myPy < myInside.bottom)
            DrawSurface().Row(static_cast<int>(myPy))[static_cast<int>(myPx)] = kPreviewPathInk;
    }
    WindowPresent(kWinControls);
    return true;
}

bool PreviewEffect(const char* myName, bool myBrushEffect) {
    PreviewInitBox(myBrushEffect ? 0 : 2);
    FileHandle myFile{};
    const FormatPlace& myPlace = myBrushEffect ? kPlaceBrushEffect : kPlaceColorEffect;
    char myText[kEffectDescriptionSize + 1] = {};
    bool myRead = false;
    if (PreviewOpen(myName, myPlace, &myFile)) {
        EffectHeader myHeader = {};
        FileRead(myFile, kEffectHeaderSize, &myHeader);
        const char myType = static_cast<char>(myHeader.mHeader.mType);
        myRead = (myBrushEffect ? myType == kTypeBrushEffect : myType == kTypeColorEffect) &&
                 FileLength(myFile) >= kEffectCodeAt;
        if (myRead) FileRead(myFile, kEffectDescriptionSize, myText);
        FileClose(myFile);
    }
    if (!myRead) {
        PreviewIconText("Unable to open or find effect!");
        return false;
    }
    for (char& myChar : myText)
        if (myChar && (static_cast<unsigned char>(myChar) < ' ' && myChar != '\r')) myChar = ' ';
    PreviewWrap(myText[0] ? myText : "(No description)", kLayoutPanelIconX, 70, gRectPanel.right - 14, 6, 0);
    WindowPresent(kWinControls);
    return true;
}

bool PreviewLoadGradient(const char* myName) {
    FileHandle myFile{};
    bool myRead = false;
    if (PreviewOpen(myName, kPlaceGradient, &myFile)) {
        GradientHeader myHeader = {};
        FileRead(myFile, kGradientHeaderSize, &myHeader);
        myRead = myHeader.mHeader.mType == kTypeGradient &&
                 FileLength(myFile) >= kGradientHeaderSize + kGradientBytes;
        if (myRead) FileRead(myFile, kGradientBytes, gGradPreview);
        FileClose(myFile);
    }
    if (!myRead) {
        PreviewIconText("Unable to open or find gradient!");
        return false;
    }
    return true;
}

void PreviewGradient() {
    // The brush colour turns every colour's hue, as it turns the running gradient.
    const auto myTurn =
        static_cast<uint16_t>((std::clamp<int>(gStyle.mBrushColor, 1, 120) - 1) * 65536 / 120);
    PaletteEntry myEntries[kPreviewCount];
    for (int i = 0; i < kPreviewCount; ++i) {
        const uint8_t* myColor = gGradPreview + 3 * ((gPreviewNum + i) % kGradientColors);
        uint16_t myHue = 0;
        double mySaturation = 0, myBrightness = 0;
        ExecuteHSB(myColor, &myHue, &mySaturation, &myBrightness);
        uint8_t myRGB[3];
        ExecuteRGB(myRGB, static_cast<uint16_t>(myHue + myTurn), mySaturation, myBrightness);
        myEntries[i] = {myRGB[0], myRGB[1], myRGB[2], kPreviewOff.mFlags};
    }
    PreviewSetEntries(myEntries);
    sGradientOn = true;
    sNextStep = ClockTicks() + kPreviewStepTime;
}

void PreviewStep() {
    if (!sGradientOn || !gStateColorChange) return;
    if (static_cast<int32_t>(ClockTicks() - sNextStep) < 0) return;
    gPreviewNum = (gPreviewNum + 1) % kGradientColors;
    PreviewGradient();
}

void PreviewFixedColors(const uint8_t* myColors, int myCount) {
    PaletteEntry myEntries[kPreviewCount];
    for (int i = 0; i < kPreviewCount; ++i) {
        const int myAt = std::min(2 * i, std::max(myCount - 1, 0));
        myEntries[i] = {myColors[3 * myAt], myColors[3 * myAt + 1], myColors[3 * myAt + 2],
                        kPreviewOff.mFlags};
    }
    PreviewSetEntries(myEntries);
}

void PreviewIconText(const char* myText) {
    const Rect myInside = PreviewInside();
    const char* myBreak = std::strchr(myText, '\r');
    if (myBreak && gStatePreview != 1 && gStatePreview != 3) {
        // Two short lines inside the box.
        const std::string myFirst(myText, static_cast<size_t>(myBreak - myText));
        const int myMiddle = (myInside.top + myInside.bottom) / 2;
        DrawCenteredText(myFirst.c_str(), {myInside.left, myMiddle - 11, myInside.right, myMiddle - 1}, 255);
        DrawCenteredText(myBreak + 1, {myInside.left, myMiddle + 1, myInside.right, myMiddle + 11}, 255);
    } else {
        std::string myLine(myText);
        std::replace(myLine.begin(), myLine.end(), '\r', ' ');
        DrawCenteredText(
            myLine.c_str(),
            {gRectPanel.left, kPreviewTextBaseline - 8, gRectPanel.right, kPreviewTextBaseline + 1}, 0);
    }
    WindowPresent(kWinControls);
}

void PreviewClear() {
    // The list thumbnails show in the preview entries too: they go back to their own dark colour.
    if (sGradientOn || sEntriesUsed) DrawClearPreviewGradient(1, 0);
    sEntriesUsed = false;
    if (gStatePreview) {
        gStatePreview = 0;
        DrawPanelContents();
        WindowPresent(kWinControls);
    }
}

void DrawClearPreviewGradient(uint8_t myMode, uint8_t myFill) {
    sGradientOn = false;
    if (myFill && DrawSurface().Exists()) DrawFromControls(kLayoutGradPreviewStrip, 0);
    if (myMode == 0) return;
    PaletteEntry myEntries[kPreviewCount];
    for (PaletteEntry& myEntry : myEntries)
        myEntry = myMode == 2 ? PaletteEntry{255, 255, 255, kPreviewOff.mFlags} : kPreviewOff;
    PreviewSetEntries(myEntries);
}

bool PreviewParameterStep() {
    const int mySlot = gPosition % kMoveSlots;
    const MEffect& myMove = gMovements[mySlot];
    if (!DrawSurface().Exists() || !myMove.mUpdateSize) return false;
    const uint32_t myNow = ClockTicks();
    const MovementInputs myInputs = PreviewInputs(gStyle.mMoveParam[mySlot].mValue);
    if (sAnimation.mSlot != mySlot) {
        sAnimation = ParameterAnimation();
        sAnimation.mSlot = mySlot;
        sAnimation.mX = gCentX;
        sAnimation.mY = gCentY;
        PreviewRun(myMove, myMove.mInit, myMove.mInitSize, myInputs, sAnimation.mX, sAnimation.mY,
                   sAnimation.mVariables, sAnimation.mLinger);
        PreviewRun(myMove, myMove.mReset, myMove.mResetSize, myInputs, sAnimation.mX, sAnimation.mY,
                   sAnimation.mVariables, sAnimation.mLinger);
        sAnimation.mNext = myNow;
    }
    if (static_cast<int32_t>(myNow - sAnimation.mNext) < 0) return false;
    sAnimation.mNext = myNow + kPreviewFrameTime;
    PreviewRun(myMove, myMove.mUpdate, myMove.mUpdateSize, myInputs, sAnimation.mX, sAnimation.mY,
               sAnimation.mVariables, sAnimation.mLinger);
    const Rect& myBox = kParameterPreview;
    const double myWidth = std::max(gRectDisplay.Width(), 1), myHeight = std::max(gRectDisplay.Height(), 1);
    const int myStep = sAnimation.mSteps++ % kPreviewTrail;
    sAnimation.mTrailX[myStep] =
        myBox.left + static_cast<int>(std::clamp(sAnimation.mX / myWidth, 0.0, 0.999) * myBox.Width());
    sAnimation.mTrailY[myStep] =
        myBox.top + static_cast<int>(std::clamp(sAnimation.mY / myHeight, 0.0, 0.999) * myBox.Height());
    Surface& mySurface = DrawSurface();
    SurfaceFill(mySurface, myBox, kColorBlack);
    const int myShown = std::min(sAnimation.mSteps, kPreviewTrail);
    for (int i = 0; i < myShown; ++i) {
        const int myAt = (sAnimation.mSteps - 1 - i + kPreviewTrail) % kPreviewTrail;
        mySurface.Row(sAnimation.mTrailY[myAt])[sAnimation.mTrailX[myAt]] =
            i == 0 ? kColorWhite : kPreviewPathInk;
    }
    return true;
}

void PreviewResetState() {
    sAnimation = ParameterAnimation();
    gStatePreview = 0;
    gPreviewNum = 0;
    std::memset(gGradPreview, 0, sizeof(gGradPreview));
    sGradientOn = false;
    sEntriesUsed = false;
    sNextStep = 0;
}
