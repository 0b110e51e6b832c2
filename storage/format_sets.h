// Style (.sty) and set (.gst, .fst, .mst, .bst) file layouts. A style file is the settings record itself; a
// set file is a 4-byte header like a style's, then sections copied straight from the record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/style_record.h"

constexpr int kStyleHeaderSize = 4;
constexpr uint8_t kStyleVersion = 2;
// A version 1 record ends after four fills and the three effect names.
constexpr int kStyleVersion1Size = 953;
static_assert(offsetof(StyleRecord, mVersion) == 2 && offsetof(StyleRecord, mNameSize) == 3);

// The bytes after the header that a record of myVersion holds; 0 for a version no program wrote.
constexpr int StyleBodySize(int myVersion) {
    return myVersion == kStyleVersion ? static_cast<int>(kStyleSize) - kStyleHeaderSize
           : myVersion == 1           ? kStyleVersion1Size - kStyleHeaderSize
                                      : 0;
}

// A run of the record: a section of names is the count, the current slot and the names; the set name
// that follows them in the record is not kept.
struct SetSection {
    uint16_t mOffset;
    uint16_t mSize;
};
constexpr SetSection kSectionBrushNames{offsetof(StyleRecord, mBrushCount), 2 + kBrushSlots* kNameSize};
constexpr SetSection kSectionAttachments{offsetof(StyleRecord, mAttachSize),
                                         1 + kBrushSlots * sizeof(AttachRecord)};
constexpr SetSection kSectionGradNames{offsetof(StyleRecord, mGradCount), 2 + kGradSlots* kNameSize};
constexpr SetSection kSectionMoveNames{offsetof(StyleRecord, mMoveCount), 2 + kMoveSlots* kNameSize};
constexpr SetSection kSectionMoveParams{offsetof(StyleRecord, mParamCount), 1 + kMoveSlots * 6};
constexpr SetSection kSectionFillNames{offsetof(StyleRecord, mFillCount), 2 + kFillSlots* kNameSize};
static_assert(kSectionBrushNames.mOffset == 55 && kSectionBrushNames.mSize == 98);
static_assert(kSectionAttachments.mOffset == 169 && kSectionAttachments.mSize == 373);
static_assert(kSectionGradNames.mOffset == 542 && kSectionGradNames.mSize == 130);
static_assert(kSectionMoveNames.mOffset == 688 && kSectionMoveNames.mSize == 98);
static_assert(kSectionMoveParams.mOffset == 802 && kSectionMoveParams.mSize == 37);
static_assert(kSectionFillNames.mOffset == 839 && kSectionFillNames.mSize == 98);

// The set kinds, by their file type.
constexpr char kSetGradient = 'g';
constexpr char kSetFill = 'f';
constexpr char kSetBrush = 'B';
constexpr char kSetMove = 'm';
// The older brush set, without its fill section.
constexpr char kSetBrushOld = 'b';

struct SetFormat {
    char mType;
    const char* mExt;
    const char* mInvalid; // what loading a file of another kind says
    std::span<const SetSection> mSections;
};

inline constexpr SetSection kSetGradientSections[] = {kSectionGradNames};
inline constexpr SetSection kSetFillSections[] = {kSectionFillNames};
inline constexpr SetSection kSetMoveSections[] = {kSectionMoveNames, kSectionMoveParams};
// The fill section comes last, so the older brush set is the same without it.
inline constexpr SetSection kSetBrushSections[] = {kSectionBrushNames, kSectionAttachments, kSectionGradNames,
                                                   kSectionMoveNames, kSectionFillNames};

inline constexpr SetFormat kSetFormats[] = {
    {kSetGradient, ".gst", "Not a valid gradient set file!", kSetGradientSections},
    {kSetFill, ".fst", "Not a valid fill set file!", kSetFillSections},
    {kSetMove, ".mst", "Not a valid movement set file!", kSetMoveSections},
    {kSetBrush, ".bst", "Not a valid brush set file!", kSetBrushSections},
};

// The size of a set of the first myCount sections.
constexpr int SetFormatSize(std::span<const SetSection> mySections, size_t myCount) {
    int mySize = kStyleHeaderSize;
    for (size_t i = 0; i < myCount && i < mySections.size(); ++i)
        mySize += mySections[i].mSize;
    return mySize;
}
constexpr int SetFormatSize(const SetFormat& myFormat) {
    return SetFormatSize(myFormat.mSections, myFormat.mSections.size());
}

constexpr int kSetSizeGradient = SetFormatSize(kSetFormats[0]);
constexpr int kSetSizeFill = SetFormatSize(kSetFormats[1]);
constexpr int kSetSizeMove = SetFormatSize(kSetFormats[2]);
constexpr int kSetSizeBrush = SetFormatSize(kSetFormats[3]);
constexpr int kSetSizeBrushOld = SetFormatSize(kSetBrushSections, 4);
static_assert(kSetSizeGradient == 134 && kSetSizeFill == 102 && kSetSizeMove == 139 && kSetSizeBrush == 801);
static_assert(kSetSizeBrushOld == 703);

constexpr const SetFormat* SetFindFormat(char myType) {
    for (const SetFormat& myFormat : kSetFormats)
        if (myFormat.mType == myType) return &myFormat;
    return nullptr;
}
