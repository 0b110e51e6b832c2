// The file inspector's part for styles and sets: each slot's component with its attachments or parameters,
// and a style's main settings, as the program reads them.
#include "converter/info_style.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "converter/info_reader.h"
#include "storage/sets.h"
#include "storage/style.h"

namespace {

// A name field as the loaders take it: at most 15 characters; what cannot be shown is shown as '?'.
std::string InfoName(const char* myField) {
    std::string myName(myField, strnlen(myField, kNameSize - 1));
    for (char& myChar : myName)
        if (static_cast<unsigned char>(myChar) < 32 || static_cast<unsigned char>(myChar) > 126) myChar = '?';
    return myName;
}

std::string InfoSlotLine(const char* myKind, int mySlot, const char* myName, bool myCurrent) {
    return std::string(myKind) + " " + ConvertNumber(mySlot + 1) + ": " + InfoName(myName) +
           (myCurrent ? " (current)" : "");
}

// An attachment's effect name counts when its first byte is not 0x80.
void InfoAttachedName(std::string& myList, const char* myWhat, const char* myField) {
    if (static_cast<int8_t>(myField[0]) != kNotSet)
        myList += std::string(", ") + myWhat + " " + InfoName(myField);
}

void InfoAttachedValue(std::string& myList, const char* myWhat, int8_t myValue) {
    if (myValue != kNotSet) myList += std::string(", ") + myWhat + " " + ConvertNumber(myValue);
}

// What a brush brings along when it becomes current; empty when nothing.
std::string InfoAttachments(const AttachRecord& myAttach) {
    std::string myList;
    InfoAttachedValue(myList, "gradient", myAttach.mAttachGradient);
    if (myAttach.mAttachFill != kNotSet) {
        const int mySlot = myAttach.mAttachFill & 63;
        const bool myWipe = (myAttach.mAttachFill & 64) != 0;
        myList += mySlot ? ", fill " + ConvertNumber(mySlot) + (myWipe ? " with a wipe" : "") : ", a wipe";
    }
    if (myAttach.mAttachTrails != kNotSet) myList += myAttach.mAttachTrails ? ", trails on" : ", trails off";
    InfoAttachedValue(myList, "movement", myAttach.mAttachMove);
    InfoAttachedValue(myList, "brush speed", myAttach.mAttachBrushSpeed);
    InfoAttachedValue(myList, "colour speed", myAttach.mAttachColorSpeed);
    InfoAttachedValue(myList, "spread", myAttach.mAttachSpread);
    InfoAttachedValue(myList, "colour kick", myAttach.mAttachColorKick);
    InfoAttachedValue(myList, "brush brightness", myAttach.mAttachBrushBright);
    InfoAttachedValue(myList, "fill brightness", myAttach.mAttachFillBright);
    InfoAttachedName(myList, "brush effect", myAttach.mAttachBrushEffect);
    InfoAttachedName(myList, "brush colour effect", myAttach.mAttachBrushColorEffect);
    InfoAttachedName(myList, "fill colour effect", myAttach.mAttachFillColorEffect);
    return myList.empty() ? myList : "; attached: " + myList.substr(2);
}

// The slots of one kind; myCurrent is the 0-based current slot, or -1 where the section's current byte is
// carried but not used.
void InfoGradients(const StyleRecord& myRecord, int myCurrent, ConvertInfo& myInfo) {
    for (int i = 0; i < kGradSlots; ++i)
        myInfo.mLines.push_back(InfoSlotLine("Gradient", i, myRecord.mGradNames[i], i == myCurrent));
}

void InfoFills(const StyleRecord& myRecord, int myCurrent, ConvertInfo& myInfo) {
    for (int i = 0; i < kFillSlots; ++i)
        myInfo.mLines.push_back(InfoSlotLine("Fill", i, myRecord.mFillNames[i], i == myCurrent));
}

void InfoBrushes(const StyleRecord& myRecord, int myCurrent, ConvertInfo& myInfo) {
    for (int i = 0; i < kBrushSlots; ++i)
        myInfo.mLines.push_back(InfoSlotLine("Brush", i, myRecord.mBrushNames[i], i == myCurrent) +
                                InfoAttachments(myRecord.mAttachments[i]));
}

// With their parameters where the record holds them: each value, marked when it stays fixed.
void InfoMovements(const StyleRecord& myRecord, int myCurrent, bool myParams, ConvertInfo& myInfo) {
    for (int i = 0; i < kMoveSlots; ++i) {
        std::string myLine = InfoSlotLine("Movement", i, myRecord.mMoveNames[i], i == myCurrent);
        if (myParams) {
            const auto& myGroup = myRecord.mMoveParam[i];
            myLine += ", parameters";
            for (int p = 0; p < 3; ++p)
                myLine += std::string(p ? ", " : " ") + ConvertNumber(myGroup.mValue[p]) +
                          (myGroup.mFixed[p] == 1 ? " fixed" : "");
        }
        myInfo.mLines.push_back(myLine);
    }
}

const char* InfoTrigger(int8_t myMode) {
    switch (myMode) {
    case kTriggerFixed:
        return "Fixed Position";
    case kTriggerRandom:
        return "Random Selection";
    case kTriggerSequential:
        return "Sequential Selection";
    case kTriggerRandomFile:
        return "Random File on HD";
    default:
        return "no trigger mode";
    }
}

std::string InfoOnOff(bool myOn) {
    return myOn ? "on" : "off";
}

void InfoSettings(const StyleRecord& myRecord, ConvertInfo& myInfo) {
    std::vector<std::string>& myLines = myInfo.mLines;
    const bool myVolume = (myRecord.mFlags & kFlagVolume) != 0;
    myLines.push_back(
        "Listening: " + InfoOnOff(myRecord.mFlags & kFlagListen) + ", to " +
        (myVolume ? std::string("the volume") : ConvertNumber((myRecord.mFrequency + 5) * 4) + " Hz"));
    const int myTempo = StyleGetTempo(myRecord);
    char myBeats[32];
    std::snprintf(myBeats, sizeof(myBeats), "%d.%02d", myTempo / 100, myTempo % 100);
    myLines.push_back(std::string("Tempo: ") + myBeats + " beats per minute");
    myLines.push_back("Trails: " + InfoOnOff(myRecord.mFlags & kFlagTrails));
    myLines.push_back("Colours: brush " + ConvertNumber(myRecord.mBrushColor) + ", fill " +
                      ConvertNumber(myRecord.mFillColor));
    myLines.push_back("Brush speed: " + (myRecord.mBrushSpeed == 0
                                             ? std::string("on beats only")
                                             : ConvertNumber(myRecord.mBrushSpeed) + " frames a second"));
    const int myShifts = myRecord.mColorSpeed - 60;
    myLines.push_back("Colour speed: " + (myShifts == 0 ? std::string("stopped")
                                                        : (myShifts > 0 ? "+" : "") +
                                                              ConvertNumber(myShifts) + " shifts a second"));
    myLines.push_back("Spread: " + ConvertNumber(myRecord.mSpread) + " pixels");
    myLines.push_back("Colour kick: " + ConvertNumber(myRecord.mColorKick - 50) + " percent");
    myLines.push_back("Sensitivity: " + ConvertNumber(myRecord.mSensitivity));
    myLines.push_back("Brightness: brush " + ConvertNumber(myRecord.mBrushBrightness) + ", fill " +
                      ConvertNumber(myRecord.mFillBrightness));
    myLines.push_back("Saturation: brush " + ConvertNumber(myRecord.mBrushSaturation) + ", fill " +
                      ConvertNumber(myRecord.mFillSaturation));
    const char* const kChannelNames[kChannels] = {"Fill", "Gradient", "Colour", "Brush", "Movement"};
    for (int c = 0; c < kChannels; ++c) {
        const int myCounter = myRecord.mBeatCounter[c];
        myLines.push_back(std::string(kChannelNames[c]) + " channel: " +
                          (myCounter > 1    ? "every " + ConvertNumber(myCounter) + " beats"
                           : myCounter == 1 ? std::string("every beat")
                                            : std::string("off")) +
                          ", threshold " + ConvertNumber(myRecord.mThreshold[c]) + ", " +
                          InfoTrigger(myRecord.mTrigger[c]));
    }
}

} // namespace

ConvertResult ConvertReadStyle(const uint8_t* myData, size_t mySize, ConvertInfo& myInfo) {
    myInfo.mLines.push_back("Kind: style (S)");
    const ConvertReader myFile{myData, mySize};
    if (!myFile.Has(0, kStyleHeaderSize))
        return ConvertDamaged("the header is shorter than " + ConvertNumber(kStyleHeaderSize) + " bytes.");
    const int myVersion = myData[offsetof(StyleRecord, mVersion)];
    const int myBody = StyleBodySize(myVersion);
    if (myBody == 0)
        return ConvertDamaged("version " + ConvertNumber(myVersion) + " is not a style's (1 or 2).");
    const int64_t myEnd = kStyleHeaderSize + myBody;
    if (!myFile.Has(0, myEnd))
        return ConvertDamaged("a version " + ConvertNumber(myVersion) + " style is " + ConvertNumber(myEnd) +
                              " bytes; this one ends after " + ConvertNumber(static_cast<int64_t>(mySize)) +
                              ".");
    StyleRecord myRecord;
    StyleFromBytes(myData, mySize, myRecord);
    myInfo.mLines.push_back("Name: " + InfoName(myRecord.mStyleName));
    myInfo.mLines.push_back(myVersion == 1 ? "Version: 1 (read as version 2)" : "Version: 2");
    InfoGradients(myRecord, StyleSlot(myRecord.mCurrentGrad, kGradSlots), myInfo);
    myInfo.mLines.push_back("Gradient set: " + InfoName(myRecord.mGradSetName));
    InfoBrushes(myRecord, StyleSlot(myRecord.mCurrentBrush, kBrushSlots), myInfo);
    myInfo.mLines.push_back("Brush set: " + InfoName(myRecord.mBrushSetName));
    InfoMovements(myRecord, StyleSlot(myRecord.mCurrentMove, kMoveSlots), true, myInfo);
    myInfo.mLines.push_back("Movement set: " + InfoName(myRecord.mMoveSetName));
    InfoFills(myRecord, StyleSlot(myRecord.mCurrentFill, kFillSlots), myInfo);
    myInfo.mLines.push_back("Fill set: " + InfoName(myRecord.mFillSetName));
    myInfo.mLines.push_back("Brush effect: " + InfoName(myRecord.mBrushEffect));
    myInfo.mLines.push_back("Brush colour effect: " + InfoName(myRecord.mBrushColorEffect));
    myInfo.mLines.push_back("Fill colour effect: " + InfoName(myRecord.mFillColorEffect));
    InfoSettings(myRecord, myInfo);
    return ConvertSound(myFile, myEnd, myInfo);
}

ConvertResult ConvertReadSet(const SetFormat& myFormat, const uint8_t* myData, size_t mySize,
                             ConvertInfo& myInfo) {
    const bool myOld = myFormat.mType == kSetBrush && myInfo.mType == kSetBrushOld;
    const char* myKind = myFormat.mType == kSetGradient ? "gradient set"
                         : myFormat.mType == kSetFill   ? "fill set"
                         : myFormat.mType == kSetMove   ? "movement set"
                         : myOld                        ? "brush set, the older form without fills"
                                                        : "brush set";
    myInfo.mLines.push_back(std::string("Kind: ") + myKind + " (" + myInfo.mType + ")");
    const size_t myCount = myFormat.mSections.size() - (myOld ? 1 : 0);
    const int myEnd = SetFormatSize(myFormat.mSections, myCount);
    const ConvertReader myFile{myData, mySize};
    if (!myFile.Has(0, myEnd))
        return ConvertDamaged("the set is shorter than " + ConvertNumber(myEnd) + " bytes.");
    SetImage myImage;
    const bool myValid = StyleSetFromBytes(myFormat, myData, mySize, myImage);
    const StyleRecord& mySet = myImage.mRecord;
    // The sizes are right, so only the current slot can be wrong: the program would not select it.
    auto myCurrent = [&](const char* myWhat, int8_t myValue, int mySlots) {
        return myValid ? ConvertResult{true, ""}
                       : ConvertDamaged(std::string("the current ") + myWhat + ", " + ConvertNumber(myValue) +
                                        ", is not one of the set's " + ConvertNumber(mySlots) + " slots.");
    };
    ConvertResult myResult;
    switch (myFormat.mType) {
    case kSetGradient:
        myResult = myCurrent("gradient", mySet.mCurrentGrad, kGradSlots);
        if (myResult.mOk) InfoGradients(mySet, mySet.mCurrentGrad - 1, myInfo);
        break;
    case kSetFill:
        myResult = myCurrent("fill", mySet.mCurrentFill, kFillSlots);
        if (myResult.mOk) InfoFills(mySet, mySet.mCurrentFill - 1, myInfo);
        break;
    case kSetMove:
        myResult = myCurrent("movement", mySet.mCurrentMove, kMoveSlots);
        if (myResult.mOk) InfoMovements(mySet, mySet.mCurrentMove - 1, true, myInfo);
        break;
    default:
        myResult = myCurrent("brush", mySet.mCurrentBrush, kBrushSlots);
        if (!myResult.mOk) break;
        // The gradients, movements and fills come along for the slots the brushes are attached to.
        InfoBrushes(mySet, mySet.mCurrentBrush - 1, myInfo);
        InfoGradients(mySet, -1, myInfo);
        InfoMovements(mySet, -1, false, myInfo);
        if (!myOld) InfoFills(mySet, -1, myInfo);
        break;
    }
    return myResult.mOk ? ConvertSound(myFile, myEnd, myInfo) : myResult;
}
