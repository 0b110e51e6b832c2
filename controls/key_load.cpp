// Loading a component by typing its name: Ctrl with the kind's digit, the first letters, Ctrl with the slot.
#include <cctype>
#include <cstring>

#include "controls/key.h"
#include "controls/pop_load.h"
#include "controls/popup.h"
#include "controls/popup_state.h"
#include "core/style_record.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/kinds.h"
#include "engine/movement.h"
#include "engine/style_apply.h"
#include "platform/platform.h"
#include "storage/components.h"
#include "storage/pop_list.h"

uint8_t gLoadKey = 0;
char gLoadName[kLoadNameSize] = "";

namespace {

constexpr int kLoadNothing = 9; // a load that lists nothing and loads nothing

// By the digit typed with Ctrl: 1 style, then 2 to 8 the component kinds in their table's order (gradient,
// fill, brush, movement, brush colour effect, fill colour effect, brush effect).
constexpr int kLoadStyle = 1;
static_assert(kComponentKinds == kLoadNothing - 2);

const ComponentKind& KeyLoadKind(int myDigit) {
    return kKinds[myDigit - 2];
}

void KeyEndLoadMode() {
    gLoadKey = 0;
    gLoadName[0] = 0;
}

void KeyLoadBeep() {
    PlatformBeep();
    KeyEndLoadMode();
}

// The first listed name that begins with the typed letters, whatever their case; false when none does.
bool KeyFindName(char* myName) {
    const size_t myLength = std::strlen(gLoadName);
    for (const char* myRow = gPopupList; std::strlen(myRow) >= kPopupRow; myRow += kPopupRow) {
        bool mySame = true;
        for (size_t i = 0; i < myLength && mySame; ++i)
            mySame = std::tolower(static_cast<unsigned char>(myRow[i])) ==
                     std::tolower(static_cast<unsigned char>(gLoadName[i]));
        if (!mySame) continue;
        int myEnd = 0;
        while (myEnd < kPopupRow - 1 && myRow[myEnd] != '\r')
            ++myEnd;
        while (myEnd > 0 && myRow[myEnd - 1] == ' ')
            --myEnd;
        std::memcpy(myName, myRow, static_cast<size_t>(myEnd));
        myName[myEnd] = 0;
        return true;
    }
    return false;
}

void KeyLoad(int myDigit, const char* myName, int mySlot) {
    if (myDigit != kLoadStyle) {
        PopLoadKind(KeyLoadKind(myDigit), myName, mySlot, 1);
        return;
    }
    const uint16_t myPopup = gPopup;
    gPopup = kPopupStyle;
    StyleLoad(myName, kStyleFromFile, 0);
    gPopup = myPopup;
}

} // namespace

void KeyBeginLoad(char myDigit) {
    if (myDigit <= 0 || myDigit > kLoadNothing) return;
    gLoadKey = static_cast<uint8_t>(myDigit);
    gLoadName[0] = 0;
    gPopupList[0] = 0;
    if (myDigit == kLoadNothing) return;
    const FormatPlace& myPlace = myDigit == kLoadStyle ? kPlaceStyle : KeyLoadKind(myDigit).mPlace;
    PopGetList(gPopupList, myPlace.mFolder, myPlace.mExt, nullptr, nullptr);
}

void KeyLoadCharacter(uint32_t myChar) {
    const size_t myLength = std::strlen(gLoadName);
    if (myChar == 8) {
        if (myLength) gLoadName[myLength - 1] = 0;
        return;
    }
    // A blank is kept as "_", as in file names; a second one in a row, or one at the start, calls it off.
    if (myChar == ' ' && (myLength == 0 || gLoadName[myLength - 1] == '_')) {
        KeyLoadBeep();
        return;
    }
    if (myChar < 32 || myChar > 126 || myLength >= kLoadNameSize - 1) return;
    gLoadName[myLength] = myChar == ' ' ? '_' : static_cast<char>(myChar);
    gLoadName[myLength + 1] = 0;
}

void KeyEndLoad(char myDigit, uint32_t myElapsed) {
    gActionTime = myElapsed;
    const int myKind = gLoadKey;
    if (myKind == kLoadNothing || myKind <= 0 || myKind > kLoadNothing) {
        KeyEndLoadMode();
        return;
    }
    char myName[kNameSize];
    if (std::strcmp(gLoadName, "-") == 0) {
        std::strcpy(myName, kNoName);
    } else if (!gLoadName[0] || !KeyFindName(myName)) {
        KeyLoadBeep();
        return;
    }
    // Only the kinds with slots take a slot's digit: the style and the effects load whatever follows.
    const ComponentKind* mySlotKind = myKind == kLoadStyle ? nullptr : &KeyLoadKind(myKind);
    if (mySlotKind && !mySlotKind->mCurrent) mySlotKind = nullptr;
    if (mySlotKind && myDigit > mySlotKind->mSlots) {
        KeyEndLoadMode();
        return;
    }
    const int mySlot = myDigit != 0 ? myDigit - 1 : mySlotKind ? *mySlotKind->mCurrent : 0;
    KeyEndLoadMode();
    KeyLoad(myKind, myName, mySlot);
}
