// The load wrappers behind the popups and the typed loads: a slot takes a file only when no brush holds it
// by an attachment, and a changed current slot is selected again so the picture shows it at once.
#include "controls/pop_load.h"

#include <cstring>
#include <string>

#include "core/alert.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "storage/components.h"
#include "storage/loading.h"

namespace {

const char* PopAttachWord(uint8_t myField) {
    for (const ComponentKind& myKind : kKinds)
        if (myKind.mAttachField == myField) return myKind.mWord;
    return "";
}

// A name field of the attachment record holds a name when its first byte is neither empty nor "not set".
bool PopAttached(const AttachRecord& myRecord, uint8_t myField, uint8_t myValue, bool myExact) {
    const auto* myBytes = reinterpret_cast<const int8_t*>(&myRecord);
    if (myField >= kAttachFieldBrushEffect) return myBytes[myField] != kNotSet && myBytes[myField] != 0;
    if (myBytes[myField] == kNotSet) return false;
    return !myExact || myBytes[myField] == static_cast<int8_t>(myValue);
}

bool PopSameName(const char* myField, const char* myName) {
    return std::strncmp(myField, myName, kNameSize) == 0;
}

void PopSelect(int myKind, int mySlot) {
    ExecuteEdits(static_cast<char>(myKind), static_cast<char>(mySlot + 1), gActionTime, kModeExecute,
                 {gStateControlsVisible, 1, 1});
}

} // namespace

bool PopCheckAttachments(uint8_t myValue, uint8_t myField, uint8_t myMode) {
    for (int myBrush = 0; myBrush < kBrushSlots; ++myBrush) {
        if (!PopAttached(gStyle.mAttachments[myBrush], myField, myValue, myMode == 0)) continue;
        const std::string myWord = PopAttachWord(myField);
        const std::string myNumber = std::to_string(myBrush + 1);
        std::string myText;
        if (myMode == 0) {
            myText = "This " + myWord + " is attached to brush number " + myNumber +
                     " and cannot be changed until it is detached.";
        } else {
            myText = "A " + myWord + " is attached to brush number " + myNumber;
            if (myMode == 1)
                myText += ". You cannot load a new effect until it is detached.";
            else if (myField == kAttachFieldGradient)
                myText += ". You cannot load a new set until all gradients are detached.";
            else if (myField == kAttachFieldMove)
                myText += ". You cannot load a new set until all movements are detached.";
            else
                myText += ". You cannot load a new set until all fills are detached.";
        }
        MainOpenAlert(myText.c_str());
        return true;
    }
    return false;
}

void PopLoadGradient(const char* myName, char mySlot, uint8_t myFlag) {
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kGradSlots;
    if (PopCheckAttachments(static_cast<uint8_t>(mySlotIndex + 1), kAttachFieldGradient, 0)) return;
    if (PopSameName(gStyle.mGradNames[mySlotIndex], myName)) return;
    LoadGradient(myName, static_cast<char>(mySlotIndex), myFlag, 1, nullptr, 0);
    if (mySlotIndex == gCurrentGrad) PopSelect(kEditGradient, mySlotIndex);
}

void PopLoadFill(const char* myName, char mySlot, uint8_t myFlag) {
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kFillSlots;
    if (PopCheckAttachments(static_cast<uint8_t>(mySlotIndex + 1), kAttachFieldFill, 0)) return;
    if (PopSameName(gStyle.mFillNames[mySlotIndex], myName)) return;
    gFills[mySlotIndex].FillLoad(myName, static_cast<char>(mySlotIndex), myFlag, 1, nullptr, 0);
    if (mySlotIndex == gCurrentFill) {
        PopSelect(kEditFill, mySlotIndex);
        gStateClearTrails = 1;
    }
}

void PopLoadBrush(const char* myName, char mySlot, uint8_t myFlag) {
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kBrushSlots;
    // The brush already in the slot keeps its picture and lets go of everything attached to it.
    if (PopSameName(gStyle.mBrushNames[mySlotIndex], myName)) {
        std::memset(&gStyle.mAttachments[mySlotIndex], 0x80, sizeof(AttachRecord));
        return;
    }
    gBrushes[mySlotIndex].BrushLoad(myName, static_cast<char>(mySlotIndex), 1, myFlag, 1, nullptr, 0);
    if (mySlotIndex == gCurrentBrush) {
        PopSelect(kEditBrush, mySlotIndex);
        gStateClearTrails = 1;
    }
}

void PopLoadMovement(const char* myName, char mySlot, uint8_t myFlag) {
    const int mySlotIndex = static_cast<uint8_t>(mySlot) % kMoveSlots;
    if (PopCheckAttachments(static_cast<uint8_t>(mySlotIndex + 1), kAttachFieldMove, 0)) return;
    MEffect& myMove = gMovements[mySlotIndex];
    if (PopSameName(gStyle.mMoveNames[mySlotIndex], myName)) {
        myMove.MEffectResetPar(static_cast<char>(mySlotIndex), nullptr);
    } else {
        myMove.MEffectLoad(myName, static_cast<char>(mySlotIndex), 1, myFlag, 1, nullptr, 0);
    }
    if (mySlotIndex == gCurrentMove) PopSelect(kEditMove, mySlotIndex);
}

void PopLoadBCEffect(const char* myName, uint8_t myFlag) {
    if (PopSameName(gStyle.mBrushColorEffect, myName)) return;
    if (PopCheckAttachments(0, kAttachFieldBrushColorEffect, 1)) return;
    gBEffectColor.CEffectLoad(myName, myFlag, 1, nullptr);
}

void PopLoadFCEffect(const char* myName, uint8_t myFlag) {
    if (PopSameName(gStyle.mFillColorEffect, myName)) return;
    if (PopCheckAttachments(0, kAttachFieldFillColorEffect, 1)) return;
    gFEffectColor.CEffectLoad(myName, myFlag, 1, nullptr);
}

void PopLoadBEffect(const char* myName, uint8_t myFlag) {
    if (PopSameName(gStyle.mBrushEffect, myName)) return;
    if (PopCheckAttachments(0, kAttachFieldBrushEffect, 1)) return;
    gEffectBrush.BEffectLoad(myName, myFlag, 1, nullptr);
}

void PopLoadKind(const ComponentKind& myKind, const char* myName, int mySlot, uint8_t myFlag) {
    using Loader = void (*)(const char* myName, int mySlot, uint8_t myFlag);
    static constexpr Loader kLoaders[kComponentKinds] = {
        [](const char* myName, int mySlot, uint8_t myFlag) {
            PopLoadGradient(myName, static_cast<char>(mySlot), myFlag);
        },
        [](const char* myName, int mySlot, uint8_t myFlag) {
            PopLoadFill(myName, static_cast<char>(mySlot), myFlag);
        },
        [](const char* myName, int mySlot, uint8_t myFlag) {
            PopLoadBrush(myName, static_cast<char>(mySlot), myFlag);
        },
        [](const char* myName, int mySlot, uint8_t myFlag) {
            PopLoadMovement(myName, static_cast<char>(mySlot), myFlag);
        },
        [](const char* myName, int, uint8_t myFlag) { PopLoadBCEffect(myName, myFlag); },
        [](const char* myName, int, uint8_t myFlag) { PopLoadFCEffect(myName, myFlag); },
        [](const char* myName, int, uint8_t myFlag) { PopLoadBEffect(myName, myFlag); },
    };
    kLoaders[&myKind - kKinds](myName, mySlot, myFlag);
}
