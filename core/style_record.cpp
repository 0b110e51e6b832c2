// The settings record's defaults and the four live instances.
#include "core/style_record.h"

#include <cstring>
#include <initializer_list>

StyleRecord gStyle;
StyleRecord gStyleStart;
StyleRecord gStyleLast;
StyleRecord gStyleTemp;

int StyleCopy(char* myDest, const char* mySource) {
    std::memset(myDest, 0, kNameSize);
    std::strncpy(myDest, mySource, kNameSize - 1);
    return kNameSize;
}

uint16_t StyleGetTempo(const StyleRecord& myStyle) {
    return static_cast<uint16_t>((myStyle.mTempo[0] << 8) | myStyle.mTempo[1]);
}

void StyleSetTempo(StyleRecord& myStyle, uint16_t myTempo) {
    myStyle.mTempo[0] = static_cast<uint8_t>(myTempo >> 8);
    myStyle.mTempo[1] = static_cast<uint8_t>(myTempo & 0xFF);
}

void StyleDefault(char* myStyle) {
    static const char* const kBrushes[kBrushSlots] = {"Veve",           "Celtic_Snow",    "Caterpiller",
                                                      "Double_Diamond", "Paper_Pinwheel", "Disc_Spin"};
    static const char* const kGradients[kGradSlots] = {
        "Aurora", "Dropout5", "Flame", "Lunar_Lookout", "Metallic3", "Rainbow_Fade6", "Streak3", "Vortex9"};
    static const char* const kMoves[kMoveSlots] = {"Spirograph", "Random", "Rain_Beat",
                                                   "Galaxy",     "Zigzag", "Meandering"};
    static const char* const kFills[kFillSlots] = {"(None)",    "Astral_Quilt", "Spiroval_Twist",
                                                   "Sun_Beams", "(None)",       "(None)"};
    static const int8_t kThresholds[kChannels] = {0, 0, 24, 48, 0};
    static const int8_t kTriggers[kChannels] = {3, 1, 1, 3, 1};
    static const int8_t kCounters[kChannels] = {20, 1, 1, 20, 20};

    // Work on a copy so the untouched bytes 25-27 survive whatever the caller's buffer holds.
    StyleRecord myRecord;
    std::memcpy(&myRecord, myStyle, kStyleSize);

    myRecord.mFileType = 'S';
    myRecord.mReserved = 0;
    myRecord.mVersion = 2;
    myRecord.mNameSize = kNameSize;
    myRecord.mFlags = kFlagListen | kFlagTrails;
    myRecord.mBrushColor = 1;
    myRecord.mFillColor = 1;
    myRecord.mBrushSpeed = 40;
    myRecord.mColorSpeed = 75;
    myRecord.mSpread = 40;
    myRecord.mColorKick = 43;
    myRecord.mReserved2[0] = myRecord.mReserved2[1] = 0;
    myRecord.mSensitivity = 26;
    myRecord.mBrushBrightness = 100;
    myRecord.mFillBrightness = 100;
    myRecord.mBrushSaturation = 100;
    myRecord.mFillSaturation = 100;
    myRecord.mSampleSize = 6;
    myRecord.mFrequency = 13;
    myRecord.mFadeTime = 0;
    myRecord.mScaleThreshold = 25;
    myRecord.mMaxFade = 120;
    StyleSetTempo(myRecord, 1500);
    StyleCopy(myRecord.mStyleName, "Default");

    myRecord.mChannelCount = kChannels;
    for (int myChannel = 0; myChannel < kChannels; ++myChannel) {
        myRecord.mThreshold[myChannel] = kThresholds[myChannel];
        myRecord.mTrigger[myChannel] = kTriggers[myChannel];
        myRecord.mBeatCounter[myChannel] = kCounters[myChannel];
    }

    myRecord.mBrushCount = kBrushSlots;
    myRecord.mCurrentBrush = 1;
    for (int mySlot = 0; mySlot < kBrushSlots; ++mySlot)
        StyleCopy(myRecord.mBrushNames[mySlot], kBrushes[mySlot]);
    StyleCopy(myRecord.mBrushSetName, "(None)");
    myRecord.mAttachSize = sizeof(AttachRecord);
    std::memset(myRecord.mAttachments, 0x80, sizeof(myRecord.mAttachments));

    myRecord.mGradCount = kGradSlots;
    myRecord.mCurrentGrad = 1;
    for (int mySlot = 0; mySlot < kGradSlots; ++mySlot)
        StyleCopy(myRecord.mGradNames[mySlot], kGradients[mySlot]);
    StyleCopy(myRecord.mGradSetName, "(None)");

    myRecord.mMoveCount = kMoveSlots;
    myRecord.mCurrentMove = 1;
    for (int mySlot = 0; mySlot < kMoveSlots; ++mySlot)
        StyleCopy(myRecord.mMoveNames[mySlot], kMoves[mySlot]);
    StyleCopy(myRecord.mMoveSetName, "(None)");
    myRecord.mParamCount = 3;
    std::memset(myRecord.mMoveParam, 0, sizeof(myRecord.mMoveParam));

    myRecord.mFillCount = kFillSlots;
    myRecord.mCurrentFill = 2;
    for (int mySlot = 0; mySlot < kFillSlots; ++mySlot)
        StyleCopy(myRecord.mFillNames[mySlot], kFills[mySlot]);
    StyleCopy(myRecord.mFillSetName, "(None)");

    StyleCopy(myRecord.mBrushColorEffect, "(None)");
    StyleCopy(myRecord.mFillColorEffect, "(None)");
    StyleCopy(myRecord.mBrushEffect, "(None)");

    std::memcpy(myStyle, &myRecord, kStyleSize);
}

void StyleResetState() {
    for (StyleRecord* myRecord : {&gStyle, &gStyleStart, &gStyleLast, &gStyleTemp})
        std::memset(myRecord, 0, sizeof(StyleRecord));
}
