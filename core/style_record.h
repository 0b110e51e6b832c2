// The settings record: every user setting in one flat 1006-byte record, which is also the style file.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kNameSize = 16;
constexpr int kChannels = 5;
constexpr int kBrushSlots = 6;
constexpr int kFillSlots = 6;
constexpr int kGradSlots = 8;
constexpr int kMoveSlots = 6;
constexpr int8_t kNotSet = -128;

// Trigger channels, always in this order.
enum Channel {
    kChannelFill = 0,
    kChannelGradient = 1,
    kChannelColor = 2,
    kChannelBrush = 3,
    kChannelMove = 4
};

// Trigger modes as stored (not the popup's menu order).
enum TriggerMode { kTriggerFixed = 0, kTriggerRandom = 1, kTriggerSequential = 2, kTriggerRandomFile = 3 };

// Flags of mFlags.
constexpr uint8_t kFlagListen = 1;
constexpr uint8_t kFlagTrails = 2;
constexpr uint8_t kFlagVolume = 4;

#pragma pack(push, 1)
struct AttachRecord {
    int8_t mAttached;
    int8_t mAttachGradient;
    int8_t mAttachFill;
    int8_t mAttachTrails;
    int8_t mAttachMove;
    int8_t mAttachBrushSpeed;
    int8_t mAttachColorSpeed;
    int8_t mAttachSpread;
    int8_t mAttachColorKick;
    int8_t mAttachBrushBright;
    int8_t mAttachFillBright;
    int8_t mReserved[3];
    char mAttachBrushEffect[kNameSize];
    char mAttachBrushColorEffect[kNameSize];
    char mAttachFillColorEffect[kNameSize];
};

struct StyleRecord {
    uint8_t mFileType;
    uint8_t mReserved;
    uint8_t mVersion;
    uint8_t mNameSize;
    uint8_t mFlags;
    int8_t mBrushColor;
    int8_t mFillColor;
    int8_t mBrushSpeed;
    int8_t mColorSpeed;
    int8_t mSpread;
    int8_t mColorKick;
    uint8_t mReserved2[2];
    int8_t mSensitivity;
    int8_t mBrushBrightness;
    int8_t mFillBrightness;
    int8_t mBrushSaturation;
    int8_t mFillSaturation;
    int8_t mSampleSize;
    int8_t mFrequency;
    int8_t mFadeTime;
    int8_t mScaleThreshold;
    uint8_t mMaxFade;
    uint8_t mTempo[2]; // hundredths of a beat per minute, high byte first
    uint8_t mReserved3[3];
    char mStyleName[kNameSize];
    uint8_t mChannelCount;
    int8_t mThreshold[kChannels];
    int8_t mTrigger[kChannels];
    uint8_t mBrushCount;
    int8_t mCurrentBrush;
    char mBrushNames[kBrushSlots][kNameSize];
    char mBrushSetName[kNameSize];
    uint8_t mAttachSize;
    AttachRecord mAttachments[kBrushSlots];
    uint8_t mGradCount;
    int8_t mCurrentGrad;
    char mGradNames[kGradSlots][kNameSize];
    char mGradSetName[kNameSize];
    uint8_t mMoveCount;
    int8_t mCurrentMove;
    char mMoveNames[kMoveSlots][kNameSize];
    char mMoveSetName[kNameSize];
    uint8_t mParamCount;
    // Each slot's six bytes: three parameter values, then their three "fixed" flags.
    struct {
        int8_t mValue[3];
        uint8_t mFixed[3];
    } mMoveParam[kMoveSlots];
    uint8_t mFillCount;
    int8_t mCurrentFill;
    char mFillNames[kFillSlots][kNameSize];
    char mFillSetName[kNameSize];
    char mBrushColorEffect[kNameSize];
    char mFillColorEffect[kNameSize];
    char mBrushEffect[kNameSize];
    int8_t mBeatCounter[kChannels];
};
#pragma pack(pop)

constexpr size_t kStyleSize = 1006;
static_assert(sizeof(AttachRecord) == 62);
static_assert(sizeof(StyleRecord) == kStyleSize);
static_assert(offsetof(StyleRecord, mTempo) == 23);
static_assert(offsetof(StyleRecord, mStyleName) == 28);
static_assert(offsetof(StyleRecord, mThreshold) == 45);
static_assert(offsetof(StyleRecord, mTrigger) == 50);
static_assert(offsetof(StyleRecord, mBrushNames) == 57);
static_assert(offsetof(StyleRecord, mBrushSetName) == 153);
static_assert(offsetof(StyleRecord, mAttachments) == 170);
static_assert(offsetof(StyleRecord, mGradCount) == 542);
static_assert(offsetof(StyleRecord, mGradNames) == 544);
static_assert(offsetof(StyleRecord, mGradSetName) == 672);
static_assert(offsetof(StyleRecord, mMoveNames) == 690);
static_assert(offsetof(StyleRecord, mMoveSetName) == 786);
static_assert(offsetof(StyleRecord, mMoveParam) == 803);
static_assert(offsetof(StyleRecord, mFillCount) == 839);
static_assert(offsetof(StyleRecord, mFillNames) == 841);
static_assert(offsetof(StyleRecord, mFillSetName) == 937);
static_assert(offsetof(StyleRecord, mBrushColorEffect) == 953);
static_assert(offsetof(StyleRecord, mFillColorEffect) == 969);
static_assert(offsetof(StyleRecord, mBrushEffect) == 985);
static_assert(offsetof(StyleRecord, mBeatCounter) == 1001);

extern StyleRecord gStyle;
extern StyleRecord gStyleStart;
extern StyleRecord gStyleLast;
extern StyleRecord gStyleTemp;
// Puts the values above back to their start values.
void StyleResetState();

// Fills a record with the defaults; bytes 25-27 are left as they were.
void StyleDefault(char* myStyle);
// Copies a name into a name field and returns the field's width, so names can be laid one after another.
int StyleCopy(char* myDest, const char* mySource);

uint16_t StyleGetTempo(const StyleRecord& myStyle);
void StyleSetTempo(StyleRecord& myStyle, uint16_t myTempo);
