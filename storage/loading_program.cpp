// Loading the program-carrying components: movements into their slots, and the brush effect and the two
// colour effects.
#include <cstddef>
#include <cstring>

#include "core/alert.h"
#include "storage/loading.h"

bool LoadMovementBody(MEffect& myMove, FileHandle myFile, int32_t myIconSize) {
    if (myIconSize < 0) return false;
    FileSeek(myFile, kMoveIconAt, 0);
    const Rect myIcon = {0, 0, kMoveIconSide, kMoveIconSide};
    LoadFillBlack(myMove.mThumb, kMoveIconSide, kMoveIconSide);
    if (!LoadIconImage(myFile, myIconSize, myIcon, myMove.mThumb, myIcon, kIconBackBlack, 1))
        LoadFillBlack(myMove.mThumb, kMoveIconSide, kMoveIconSide);
    FileSeek(myFile, kMoveIconAt + myIconSize, 0);
    uint8_t myCounts[2] = {};
    FileRead(myFile, 2, myCounts);
    if (myCounts[1] > kMaxParams) return false;
    myMove.mCenteredFlag = myCounts[0];
    myMove.mNumParams = myCounts[1];
    const int myParams = myMove.mNumParams;
    std::memset(myMove.mMin, 0, sizeof(myMove.mMin));
    std::memset(myMove.mMax, 0, sizeof(myMove.mMax));
    std::memset(myMove.mLock, 0, sizeof(myMove.mLock));
    std::memset(myMove.mName, 0, sizeof(myMove.mName));
    std::memset(myMove.mDesc, 0, sizeof(myMove.mDesc));
    FileRead(myFile, myParams, myMove.mMin);
    FileRead(myFile, myParams, myMove.mMax);
    FileRead(myFile, myParams, myMove.mLock);
    FileRead(myFile, kParamNameSize * myParams, myMove.mName);
    FileRead(myFile, kParamDescSize * myParams, myMove.mDesc);
    // Names and descriptions are shown as text: each ends inside its own field.
    for (int p = 0; p < kMaxParams; ++p) {
        myMove.mName[kParamNameSize * (p + 1) - 1] = 0;
        myMove.mDesc[kParamDescSize * (p + 1) - 1] = 0;
    }
    return myMove.EffectReadCodes(myFile);
}

bool MEffect::MEffectLoad(const char* myName, char mySlot, uint8_t myResetParams, uint8_t myRecord,
                          uint8_t myRedraw, StyleRecord* myStyle, uint8_t myQuiet) {
    StyleRecord& myRecordStyle = myStyle ? *myStyle : gStyle;
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kMoveSlots;
    const LoadPlan myPlan = {
        "movement",
        kPlaceMovement,
        kComponentMovement,
        myRecordStyle.mMoveNames[mySlotIndex],
        static_cast<uint16_t>(offsetof(StyleRecord, mMoveNames) + kNameSize * mySlotIndex),
        static_cast<char>(mySlotIndex + 1),
        myRecordStyle.mMoveSetName};
    auto myRead = [&](FileHandle myFile) {
        MoveHeader myHeader = {};
        FileRead(myFile, kMoveHeaderSize, &myHeader);
        if (!LoadCheckHeader(myHeader.mHeader, kTypeMovement, kTypeMovement, myFile, myQuiet))
            return kLoadRefused;
        MEffect myMove;
        if (!LoadMovementBody(myMove, myFile, BytesI16(myHeader.mIconSize)))
            return LoadRefuse(myFile, myQuiet);
        FileClose(myFile);
        myMove.mLingerCount = mLingerCount;
        *this = std::move(myMove);
        mFileFlag = 1;
        return kLoadDone;
    };
    auto myFinish = [&](bool myLoaded) {
        if (!myLoaded) {
            MEffectSetFallback();
            mFileFlag = 0;
            LoadFillBlack(mThumb, kMoveIconSide, kMoveIconSide);
        }
        if (myResetParams && gLoadHooks.mResetParams)
            gLoadHooks.mResetParams(*this, static_cast<char>(mySlotIndex), &myRecordStyle);
    };
    return LoadComponent(myPlan, myName, myRecord, myRedraw, myQuiet, myRead, myFinish);
}

namespace {

// The shared part of the two effect loaders: myField is the style's name field of this effect. Effects are
// never loaded quietly.
bool LoadEffect(Effect& myEffect, const char* myName, char myFileType, const FormatPlace& myPlace,
                char* myField, uint16_t myOffset, uint8_t myRecord, uint8_t myRedraw) {
    const LoadPlan myPlan = {"effect", myPlace, myEffect.mType, myField, myOffset, 0, nullptr};
    auto myRead = [&](FileHandle myFile) {
        EffectHeader myHeader = {};
        FileRead(myFile, kEffectHeaderSize, &myHeader);
        if (!LoadCheckHeader(myHeader.mHeader, myFileType, myFileType, myFile, 0)) return kLoadRefused;
        FileSeek(myFile, kEffectCodeAt, 0);
        Effect myRead(myEffect.mType);
        if (!myRead.EffectReadCodes(myFile)) return LoadRefuse(myFile, 0);
        FileClose(myFile);
        myEffect.mInitSize = myRead.mInitSize;
        myEffect.mResetSize = myRead.mResetSize;
        myEffect.mUpdateSize = myRead.mUpdateSize;
        myEffect.mInit = std::move(myRead.mInit);
        myEffect.mReset = std::move(myRead.mReset);
        myEffect.mUpdate = std::move(myRead.mUpdate);
        myEffect.mFileFlag = 1;
        return kLoadDone;
    };
    auto myFinish = [&](bool myLoaded) {
        if (myLoaded) return;
        myEffect.EffectFreeCodes();
        myEffect.mFileFlag = 0;
    };
    return LoadComponent(myPlan, myName, myRecord, myRedraw, 0, myRead, myFinish);
}

} // namespace

bool CEffect::CEffectLoad(const char* myName, uint8_t myRecord, uint8_t myRedraw, StyleRecord* myStyle) {
    StyleRecord& myRecordStyle = myStyle ? *myStyle : gStyle;
    const bool myBrush = mType == kEffectBrushColor;
    char* myField = myBrush ? myRecordStyle.mBrushColorEffect : myRecordStyle.mFillColorEffect;
    const auto myOffset = static_cast<uint16_t>(myBrush ? offsetof(StyleRecord, mBrushColorEffect)
                                                        : offsetof(StyleRecord, mFillColorEffect));
    return LoadEffect(*this, myName, kTypeColorEffect, kPlaceColorEffect, myField, myOffset, myRecord,
                      myRedraw);
}

bool BEffect::BEffectLoad(const char* myName, uint8_t myRecord, uint8_t myRedraw, StyleRecord* myStyle) {
    StyleRecord& myRecordStyle = myStyle ? *myStyle : gStyle;
    return LoadEffect(*this, myName, kTypeBrushEffect, kPlaceBrushEffect, myRecordStyle.mBrushEffect,
                      static_cast<uint16_t>(offsetof(StyleRecord, mBrushEffect)), myRecord, myRedraw);
}
