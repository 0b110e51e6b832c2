// Loading a set into the running picture: the components it names that differ from the loaded ones, its
// bytes into the settings, and its current slot selected as an edit.
#include <cstring>

#include "engine/animate.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/movement.h"
#include "engine/style_apply.h"
#include "storage/loading.h"
#include "storage/sets.h"

namespace {

bool SetDiffers(const char* myWanted, const char* myLoaded) {
    return std::strncmp(myWanted, myLoaded, kNameSize) != 0;
}

void SetLoadGradient(const StyleRecord& mySet, int mySlot) {
    if (SetDiffers(mySet.mGradNames[mySlot], gStyle.mGradNames[mySlot]))
        LoadGradient(mySet.mGradNames[mySlot], static_cast<char>(mySlot), 1, 1, nullptr, 0);
}

void SetLoadMove(const StyleRecord& mySet, int mySlot) {
    if (SetDiffers(mySet.mMoveNames[mySlot], gStyle.mMoveNames[mySlot]))
        gMovements[mySlot].MEffectLoad(mySet.mMoveNames[mySlot], static_cast<char>(mySlot), 0, 1, 1, nullptr,
                                       0);
}

void SetLoadFill(const StyleRecord& mySet, int mySlot) {
    if (SetDiffers(mySet.mFillNames[mySlot], gStyle.mFillNames[mySlot]))
        gFills[mySlot].FillLoad(mySet.mFillNames[mySlot], static_cast<char>(mySlot), 1, 1, nullptr, 0);
}

void SetSelect(int myKind, int8_t myCurrent) {
    ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myCurrent), gActionTime, kModeExecute,
                 {1, 1, 0});
}

// The set's bytes replace the record's, and the song's start record's unless a track runs.
void SetTakeBytes(const StyleRecord& mySet, const SetSection& mySection) {
    const auto* mySource = reinterpret_cast<const uint8_t*>(&mySet) + mySection.mOffset;
    std::memcpy(reinterpret_cast<uint8_t*>(&gStyle) + mySection.mOffset, mySource, mySection.mSize);
    if (!gStatePlay && !gStatePause)
        std::memcpy(reinterpret_cast<uint8_t*>(&gStyleStart) + mySection.mOffset, mySource, mySection.mSize);
}

// A slot an attachment byte names, 0-based, or -1 when it names none.
int SetAttachedSlot(int8_t myValue, int mySlots) {
    const int mySlot = myValue & 63;
    return myValue == kNotSet || mySlot < 1 || mySlot > mySlots ? -1 : mySlot - 1;
}

void SetApplyBrushSet(const SetImage& myImage) {
    const StyleRecord& mySet = myImage.mRecord;
    for (int i = 0; i < kBrushSlots; ++i)
        if (SetDiffers(mySet.mBrushNames[i], gStyle.mBrushNames[i]))
            gBrushes[i].BrushLoad(mySet.mBrushNames[i], static_cast<char>(i), 0, 1, 1, nullptr, 0);
    SetTakeBytes(mySet, kSectionAttachments);
    for (const AttachRecord& myAttach : gStyle.mAttachments) {
        const int myGrad = SetAttachedSlot(myAttach.mAttachGradient, kGradSlots);
        if (myGrad >= 0) SetLoadGradient(mySet, myGrad);
    }
    for (const AttachRecord& myAttach : gStyle.mAttachments) {
        const int myMove = SetAttachedSlot(myAttach.mAttachMove, kMoveSlots);
        if (myMove >= 0) SetLoadMove(mySet, myMove);
    }
    if (myImage.mType == kSetBrush) {
        for (const AttachRecord& myAttach : gStyle.mAttachments) {
            const int myFill = SetAttachedSlot(myAttach.mAttachFill, kFillSlots);
            if (myFill >= 0) SetLoadFill(mySet, myFill);
        }
    }
    SetSelect(kEditBrush, mySet.mCurrentBrush);
}

} // namespace

bool StyleLoadSet(char myKind, const char* myName) {
    const SetFormat* myFormat = SetFindFormat(myKind);
    if (!myFormat) return false;
    SetImage myImage;
    if (!StyleReadSet(*myFormat, myName, myImage)) return false;
    const StyleRecord& mySet = myImage.mRecord;
    switch (myKind) {
    case kSetGradient:
        for (int i = 0; i < kGradSlots; ++i)
            SetLoadGradient(mySet, i);
        SetSelect(kEditGradient, mySet.mCurrentGrad);
        break;
    case kSetFill:
        for (int i = 0; i < kFillSlots; ++i)
            SetLoadFill(mySet, i);
        SetSelect(kEditFill, mySet.mCurrentFill);
        break;
    case kSetMove: {
        SetTakeBytes(mySet, {offsetof(StyleRecord, mMoveParam), kMoveSlots * 6});
        for (int i = 0; i < kMoveSlots; ++i)
            SetLoadMove(mySet, i);
        const auto& myParams = gStyle.mMoveParam[mySet.mCurrentMove - 1];
        for (int p = 0; p < 3; ++p)
            gEditsRave[kEditParam1 + p] = myParams.mValue[p];
        SetSelect(kEditMove, mySet.mCurrentMove);
        break;
    }
    default:
        SetApplyBrushSet(myImage);
        break;
    }
    StyleCopy(StyleSetNameField(myKind), myName);
    return true;
}
