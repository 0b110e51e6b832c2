// Sets: sections of the settings record written as they lie, and read back loading only what differs.
#include "storage/sets.h"

#include <cstddef>
#include <cstring>
#include <vector>

#include "core/alert.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/movement.h"
#include "music/music.h"
#include "storage/file_disk.h"
#include "storage/loading.h"
#include "storage/style.h"

namespace {

struct SetSection {
    size_t mOffset;
    int mSize;
};

// A section of names: count, current slot, the names; the set name that follows in the record is not kept.
constexpr SetSection kBrushNames{offsetof(StyleRecord, mBrushCount), 2 + kBrushSlots* kNameSize};
constexpr SetSection kAttachBlock{offsetof(StyleRecord, mAttachSize), 1 + kBrushSlots * 62};
constexpr SetSection kGradNames{offsetof(StyleRecord, mGradCount), 2 + kGradSlots* kNameSize};
constexpr SetSection kMoveNames{offsetof(StyleRecord, mMoveCount), 2 + kMoveSlots* kNameSize};
constexpr SetSection kMoveParams{offsetof(StyleRecord, mParamCount), 1 + kMoveSlots * 6};
constexpr SetSection kFillNames{offsetof(StyleRecord, mFillCount), 2 + kFillSlots* kNameSize};

struct SetKind {
    char mType;
    const char* mExt;
    const char* mInvalid;
    std::vector<SetSection> mSections;
};

const SetKind kSetKinds[] = {
    {kSetGradient, ".gst", "Not a valid gradient set file!", {kGradNames}},
    {kSetFill, ".fst", "Not a valid fill set file!", {kFillNames}},
    {kSetMove, ".mst", "Not a valid movement set file!", {kMoveNames, kMoveParams}},
    {kSetBrush,
     ".bst",
     "Not a valid brush set file!",
     {kBrushNames, kAttachBlock, kGradNames, kMoveNames, kFillNames}},
};

const SetKind* SetFindKind(char myKind) {
    for (const SetKind& myEntry : kSetKinds)
        if (myEntry.mType == myKind) return &myEntry;
    return nullptr;
}

int SetSize(const std::vector<SetSection>& mySections, size_t myCount) {
    int mySize = kStyleHeaderSize;
    for (size_t i = 0; i < myCount; ++i)
        mySize += mySections[i].mSize;
    return mySize;
}

char* SetNameField(char myKind) {
    switch (myKind) {
    case kSetGradient:
        return gStyle.mGradSetName;
    case kSetFill:
        return gStyle.mFillSetName;
    case kSetMove:
        return gStyle.mMoveSetName;
    default:
        return gStyle.mBrushSetName;
    }
}

// A set read whole from its file, its sections laid where they lie in a settings record.
struct SetImage {
    StyleRecord mRecord;
    char mType = 0;
};

// The current slots must name one of the set's slots: they become current as they are.
bool SetCurrentValid(int8_t myCurrent, int mySlots) {
    return myCurrent >= 1 && myCurrent <= mySlots;
}

bool SetImageValid(const SetImage& myImage, char myKind) {
    const StyleRecord& mySet = myImage.mRecord;
    switch (myKind) {
    case kSetGradient:
        return SetCurrentValid(mySet.mCurrentGrad, kGradSlots);
    case kSetFill:
        return SetCurrentValid(mySet.mCurrentFill, kFillSlots);
    case kSetMove:
        return SetCurrentValid(mySet.mCurrentMove, kMoveSlots);
    default:
        return SetCurrentValid(mySet.mCurrentBrush, kBrushSlots);
    }
}

// Reads the set file; its message when it cannot be opened or is not a set of this kind.
bool SetRead(const SetKind& myKind, const char* myName, SetImage& myImage) {
    char myFileName[kPathSize], myFolder[kPathSize];
    FileHandle myFile = nullptr;
    if (!myName || LoadCopyFileName(myName, myFileName, myFolder, "Settings", myKind.mExt) ||
        FileOpen(myFileName, myFolder, &myFile, false) != 0) {
        MainOpenAlert("Unable to load file set!");
        return false;
    }
    std::memset(&myImage.mRecord, 0, sizeof(StyleRecord));
    uint8_t myHeader[kStyleHeaderSize] = {};
    FileRead(myFile, kStyleHeaderSize, myHeader);
    myImage.mType = static_cast<char>(myHeader[0]);
    const bool myOld = myKind.mType == kSetBrush && myImage.mType == kSetBrushOld;
    // The older brush set ends before its fill section.
    const size_t myCount = myKind.mSections.size() - (myOld ? 1 : 0);
    bool myValid =
        (myImage.mType == myKind.mType || myOld) && FileLength(myFile) >= SetSize(myKind.mSections, myCount);
    if (myValid) {
        auto* myBytes = reinterpret_cast<uint8_t*>(&myImage.mRecord);
        for (size_t i = 0; i < myCount; ++i)
            FileRead(myFile, myKind.mSections[i].mSize, myBytes + myKind.mSections[i].mOffset);
        myValid = SetImageValid(myImage, myKind.mType);
    }
    FileClose(myFile);
    if (!myValid) MainOpenAlert(myKind.mInvalid);
    return myValid;
}

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
    ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myCurrent), gActionTime, 1, 1, kModeExecute, 0,
                 0);
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
    SetTakeBytes(mySet, kAttachBlock);
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

bool StyleSaveSet(char myKind, const char* myName) {
    const SetKind* myEntry = SetFindKind(myKind);
    if (!myEntry || !myName || !*myName) return false;
    std::vector<uint8_t> myBytes = {static_cast<uint8_t>(myKind), 0, 2, kNameSize};
    const auto* myRecord = reinterpret_cast<const uint8_t*>(&gStyle);
    for (const SetSection& mySection : myEntry->mSections)
        myBytes.insert(myBytes.end(), myRecord + mySection.mOffset,
                       myRecord + mySection.mOffset + mySection.mSize);
    if (!FileSaveInFolder("Settings", myName, myEntry->mExt, myBytes.data(),
                          static_cast<int32_t>(myBytes.size())))
        return false;
    StyleCopy(SetNameField(myKind), myName);
    return true;
}

bool StyleLoadSet(char myKind, const char* myName) {
    const SetKind* myEntry = SetFindKind(myKind);
    if (!myEntry) return false;
    SetImage myImage;
    if (!SetRead(*myEntry, myName, myImage)) return false;
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
    StyleCopy(SetNameField(myKind), myName);
    return true;
}
