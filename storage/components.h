// The components in memory: brushes, fills, gradients, movements and effects, and the tables that hold them.
// Loading lives in storage/loading*; drawing and running them lives in engine/.
//
// Thumbnails: each brush, fill and movement keeps the picture its slot shows in the controls window, mThumb,
// ready to copy. Its loader leaves there the file's icon, halved for brushes and fills, with its gradient
// colours moved to the preview colours 201-245, on the icon's background (a brush with black pixels on
// colour 12, anything else on 0); an empty slot, or a file whose icon cannot be read, leaves it black. The
// loader then asks for the controls window to be redrawn; the controls drawing copies every thumbnail to its
// place in the FILLS, BRUSHES and MOVEMENTS columns (DrawThumbnails). Sizes: kBrushThumbWidth x kThumbHeight,
// kFillThumbWidth x kThumbHeight, kMoveIconSide x kMoveIconSide.
#pragma once

#include <cstdint>
#include <vector>

#include "core/style_record.h"
#include "platform/palette.h"
#include "platform/surface.h"
#include "storage/file.h"
#include "storage/format_bitmap.h"
#include "storage/format_gradient.h"
#include "storage/format_program.h"

constexpr const char* kNoName = "(None)";
constexpr int kBrushThumbWidth = kBrushIconWidth / 2;
constexpr int kFillThumbWidth = kFillIconWidth / 2;
constexpr int kThumbHeight = kBitmapIconHeight / 2;

// Effect kinds, as stored in Effect::mType and used as the component type of their load records.
enum EffectKind : char { kEffectBrush = 0, kEffectMovement = 1, kEffectBrushColor = 2, kEffectFillColor = 3 };

// Component types of load records and of LoadUpdateSettings.
enum ComponentType : char {
    kComponentGradient = 1,
    kComponentFill = 4,
    kComponentMovement = 9,
    kComponentBrush = 10,
};

// What a loader's reading step made of a file (storage/loading.h).
enum LoadOutcome : uint8_t;

struct VBitmap {
    char mType = 0;
    int16_t mWidth = 0;
    int16_t mHeight = 0;
    int32_t mSize = 0;
    uint8_t mCompress = 0;
    uint8_t mFixedSize = 0;
    uint8_t mGradient[kGradientBytes] = {};
    Surface m8BitWorld;

    // Reads mFixedSize own colours and repeats the last one up to 90.
    void BitmapGetGradient(FileHandle myFile);
    // Reads mySize bytes of a layer and decodes it into mySurface (whose picture is myWidth x myHeight).
    bool BitmapLoadPixels(Surface& mySurface, FileHandle myFile, int32_t mySize, int myWidth, int myHeight,
                          bool myIsMask, uint8_t myMaskRaw);
};

struct VBrush : VBitmap {
    uint8_t mLayers = 0; // 8 with a colour layer, plus 1 with a mask layer
    Surface m1BitWorld;
    char mBeatFrame = 0;
    int16_t mNumFrames = 1;
    uint8_t mPalindrome = 0;
    int32_t mLeft = 0;
    int32_t mTop = 0;
    int32_t mRight = 0;
    int32_t mBottom = 0;
    Surface mThumb;

    bool BrushLoad(const char* myName, char mySlot, uint8_t myClear, uint8_t myRecord, uint8_t myRedraw,
                   StyleRecord* myStyle, uint8_t myQuiet);
    // The reading step of BrushLoad: strip, mask, icon, own colours and frame order from the opened file.
    LoadOutcome BrushRead(FileHandle myFile, char* myField, uint8_t myQuiet);
    void Release();
    // Painting, in engine/brush.
    void BrushInit();
    void BrushDraw(uint8_t myScaleMode);
    void BrushDrawPaint(Surface& myPaintWorld, Rect* myDestRect, uint8_t myScaleMode,
                        uint8_t myIncrementFlag);
};

struct VFill : VBitmap {
    Rect mBackRect;
    uint8_t mFileFlag = 0;
    Surface mThumb;

    bool FillLoad(const char* myName, char mySlot, uint8_t myRecord, uint8_t myRedraw, StyleRecord* myStyle,
                  uint8_t myQuiet);
    // The reading step of FillLoad: the picture, stretched to the screen when it is a full picture, its icon
    // and own colours.
    LoadOutcome FillRead(FileHandle myFile, char* myField, uint8_t myQuiet);
    void Release();
    // Drawing, in engine/fill.
    void FillDraw(uint8_t myNewFill);
    void BackClip(const Rect& myRect);
};

struct GradientData {
    uint8_t mBrushGrad[kGradientBytes];
    uint8_t mFillGrad[kGradientBytes];
};
static_assert(sizeof(GradientData) == 2 * kGradientBytes);

struct Effect {
    uint16_t mInitSize = 0;
    uint16_t mResetSize = 0;
    uint16_t mUpdateSize = 0;
    std::vector<uint8_t> mInit;
    std::vector<uint8_t> mReset;
    std::vector<uint8_t> mUpdate;
    char mType = 0;
    uint8_t mFileFlag = 0;

    explicit Effect(char myType = 0) : mType(myType) {}
    // Reads the three sizes and programs of a code block; false when the file ends inside it.
    bool EffectReadCodes(FileHandle myFile);
    void EffectFreeCodes();
};

struct BEffect : Effect {
    BEffect() : Effect(kEffectBrush) {}
    bool BEffectLoad(const char* myName, uint8_t myRecord, uint8_t myRedraw, StyleRecord* myStyle);
    // Scaling the brush, in engine/brush_effect: myWhich 0 init, 1 reset, 2 update.
    double BEffectScale(uint8_t myWhich);
    void BEffectInit();
    void BEffectReset();
    void BEffectUpdate();
};

// A colour effect drives one 90-entry range of the palette: the brush range (21-110) or the fill range
// (111-200). Its colour work lives in engine/color_effect.
struct CEffect : Effect {
    uint8_t mStart = 21;
    uint8_t mSize = kGradientColors;
    std::vector<PaletteEntry> mSourceGrad; // the base palette
    std::vector<PaletteEntry> mDestGrad;   // what is shown while an effect program is loaded
    std::vector<int16_t> mShiftArray;      // target minus base, three channels an entry
    uint8_t mFixFlag = 0;                  // the current brush (or fill) supplies its own colours
    uint8_t mDestFlag = 0;                 // loud sound moves colours away from the target
    uint8_t mOtherFlag = 0;                // the program reads the other range's colour
    int8_t mBrightness = 100;
    int8_t mSaturation = 100;

    explicit CEffect(char myType = kEffectBrushColor)
        : Effect(myType), mStart(myType == kEffectFillColor ? 111 : 21) {}
    bool CEffectLoad(const char* myName, uint8_t myRecord, uint8_t myRedraw, StyleRecord* myStyle);

    void CEffectAlloc();
    void CEffectInit(uint8_t myRedrawFixed, uint8_t myNewItem);
    void CEffectCreateSource(char myColor, const uint8_t* myGrad);
    bool CEffectSetColor(char myValue, char myCurrentValue);
    void CEffectCreateDest();
    void CEffectCycle(char myShift);
    void CEffectModify(char myShift);
    // Puts the range's colours into the palette as they stand: the effect's target while a program is
    // loaded, else the base palette.
    void CEffectShow();
};

struct C2Effect : CEffect {
    C2Effect() : CEffect(kEffectFillColor) {}
};

struct MEffect : Effect {
    uint8_t mNumParams = 0;
    uint8_t mCenteredFlag = 0;
    int8_t mMin[kMaxParams] = {};
    int8_t mMax[kMaxParams] = {};
    int8_t mLock[kMaxParams] = {}; // a parameter's default value, or -128 for a random one
    char mName[kParamNameSize * kMaxParams] = {};
    char mDesc[kParamDescSize * kMaxParams] = {};
    int16_t mLingerCount = 0;
    Surface mThumb;

    MEffect() : Effect(kEffectMovement) {}
    bool MEffectLoad(const char* myName, char mySlot, uint8_t myResetParams, uint8_t myRecord,
                     uint8_t myRedraw, StyleRecord* myStyle, uint8_t myQuiet);
    // The built-in movement of an empty slot: it parks the brush beyond the right edge of the screen.
    void MEffectSetFallback();
    // Running, in engine/movement.
    void MEffectPosition(const std::vector<uint8_t>& myCode, uint16_t mySize);
    void MEffectInit();
    void MEffectReset();
    void MEffectUpdate();
    int8_t MEffectRandPar(uint8_t myParam);
    void MEffectResetPar(char mySlot, StyleRecord* myStyle);
};

extern VBrush gBrushes[kBrushSlots];
extern VFill gFills[kFillSlots];
extern GradientData gGradData[kGradSlots];
extern MEffect gMovements[kMoveSlots];
extern BEffect gEffectBrush;
extern CEffect gBEffectColor;
extern C2Effect gFEffectColor;
// Empties every slot and effect, as before the first load.
void ComponentsResetState();
