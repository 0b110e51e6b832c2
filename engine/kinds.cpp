// The table of component kinds and its look-ups.
#include "engine/kinds.h"

#include <cstddef>

#include "core/popup_commands.h"
#include "core/style_record.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "storage/components.h"
#include "storage/loading.h"
#include "storage/pop_list.h"

namespace {

constexpr uint16_t kPopupBrushColorEffect = 303;
constexpr uint16_t kPopupFillColorEffect = 305;
constexpr uint16_t kPopupBrushEffect = 307;

bool KindLoadGradient(const char* myName, int mySlot, uint8_t myRecord, uint8_t myQuiet, uint8_t) {
    return LoadGradient(myName, static_cast<char>(mySlot), myRecord, 1, nullptr, myQuiet);
}

bool KindLoadFill(const char* myName, int mySlot, uint8_t myRecord, uint8_t myQuiet, uint8_t) {
    return gFills[mySlot % kFillSlots].FillLoad(myName, static_cast<char>(mySlot), myRecord, 1, nullptr,
                                                myQuiet);
}

bool KindLoadBrush(const char* myName, int mySlot, uint8_t myRecord, uint8_t myQuiet, uint8_t myNew) {
    return gBrushes[mySlot % kBrushSlots].BrushLoad(myName, static_cast<char>(mySlot), myNew, myRecord, 1,
                                                    nullptr, myQuiet);
}

// A movement loaded into a slot brings its own parameters.
bool KindLoadMovement(const char* myName, int mySlot, uint8_t myRecord, uint8_t myQuiet, uint8_t) {
    return gMovements[mySlot % kMoveSlots].MEffectLoad(myName, static_cast<char>(mySlot), 1, myRecord, 1,
                                                       nullptr, myQuiet);
}

bool KindLoadColorEffect(CEffect& myEffect, const char* myName, uint8_t myRecord) {
    const bool myLoaded = myEffect.CEffectLoad(myName, myRecord, 1, nullptr);
    myEffect.CEffectInit(0, 0);
    return myLoaded;
}

bool KindLoadBrushColorEffect(const char* myName, int, uint8_t myRecord, uint8_t, uint8_t) {
    return KindLoadColorEffect(gBEffectColor, myName, myRecord);
}

bool KindLoadFillColorEffect(const char* myName, int, uint8_t myRecord, uint8_t, uint8_t) {
    return KindLoadColorEffect(gFEffectColor, myName, myRecord);
}

bool KindLoadBrushEffect(const char* myName, int, uint8_t myRecord, uint8_t, uint8_t) {
    const bool myLoaded = gEffectBrush.BEffectLoad(myName, myRecord, 1, nullptr);
    gEffectBrush.BEffectInit();
    return myLoaded;
}

constexpr uint16_t Names(size_t myOffset) {
    return static_cast<uint16_t>(myOffset);
}

constexpr uint8_t Field(size_t myOffset) {
    return static_cast<uint8_t>(myOffset);
}

} // namespace

const ComponentKind kKinds[kComponentKinds] = {
    {"gradient", kEditGradient, kPopupGradients, gFileListGradients, &gCurrentGrad, kGradSlots,
     kComponentGradient, kChannelGradient, Field(offsetof(AttachRecord, mAttachGradient)), kPlaceGradient,
     Names(offsetof(StyleRecord, mGradNames)), KindLoadGradient},
    {"fill", kEditFill, kPopupFills, gFileListFills, &gCurrentFill, kFillSlots, kComponentFill, kChannelFill,
     Field(offsetof(AttachRecord, mAttachFill)), kPlaceFill, Names(offsetof(StyleRecord, mFillNames)),
     KindLoadFill},
    {"brush", kEditBrush, kPopupBrushes, gFileListBrushes, &gCurrentBrush, kBrushSlots, kComponentBrush,
     kChannelBrush, 0, kPlaceBrush, Names(offsetof(StyleRecord, mBrushNames)), KindLoadBrush},
    {"movement", kEditMove, kPopupMovements, gFileListMovements, &gCurrentMove, kMoveSlots,
     kComponentMovement, kChannelMove, Field(offsetof(AttachRecord, mAttachMove)), kPlaceMovement,
     Names(offsetof(StyleRecord, mMoveNames)), KindLoadMovement},
    {"brush color effect", 0, kPopupBrushColorEffect, nullptr, nullptr, 1, kEffectBrushColor, -1,
     Field(offsetof(AttachRecord, mAttachBrushColorEffect)), kPlaceColorEffect,
     Names(offsetof(StyleRecord, mBrushColorEffect)), KindLoadBrushColorEffect},
    {"fill color effect", 0, kPopupFillColorEffect, nullptr, nullptr, 1, kEffectFillColor, -1,
     Field(offsetof(AttachRecord, mAttachFillColorEffect)), kPlaceColorEffect,
     Names(offsetof(StyleRecord, mFillColorEffect)), KindLoadFillColorEffect},
    {"brush effect", 0, kPopupBrushEffect, nullptr, nullptr, 1, kEffectBrush, -1,
     Field(offsetof(AttachRecord, mAttachBrushEffect)), kPlaceBrushEffect,
     Names(offsetof(StyleRecord, mBrushEffect)), KindLoadBrushEffect},
};

namespace {

template <typename Test> const ComponentKind* KindFind(Test myTest) {
    for (const ComponentKind& myKind : kKinds)
        if (myTest(myKind)) return &myKind;
    return nullptr;
}

} // namespace

const ComponentKind* KindOfEdit(int myEdit) {
    return myEdit ? KindFind([&](const ComponentKind& myKind) { return myKind.mEdit == myEdit; }) : nullptr;
}

const ComponentKind* KindOfType(int myType) {
    return KindFind([&](const ComponentKind& myKind) { return myKind.mType == myType; });
}

const ComponentKind* KindOfPopup(int myPopup) {
    return KindFind([&](const ComponentKind& myKind) { return myKind.mPopup == myPopup; });
}

const ComponentKind* KindOfChannel(int myChannel) {
    return myChannel >= 0
               ? KindFind([&](const ComponentKind& myKind) { return myKind.mChannel == myChannel; })
               : nullptr;
}

char* KindName(const ComponentKind& myKind, int mySlot) {
    return reinterpret_cast<char*>(&gStyle) + myKind.mNameAt + kNameSize * (mySlot % myKind.mSlots);
}
