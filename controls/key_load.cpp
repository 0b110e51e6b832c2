// Loading a component by typing its name: Ctrl with the kind's digit, the first letters, Ctrl with the slot.
#include <cctype>
#include <cstring>

#include "controls/key.h"
#include "controls/pop_load.h"
#include "controls/popup_state.h"
#include "core/style_record.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "engine/style_apply.h"
#include "platform/platform.h"
#include "storage/components.h"
#include "storage/pop_list.h"

uint8_t gLoadKey = 0;
char gLoadName[kLoadNameSize] = "";

namespace {

constexpr int kLoadNothing = 9; // a load that lists nothing and loads nothing

struct LoadKind {
    const char* mFolder;
    const char* mExt;
    int mSlots; // 0: no slot to choose
};

// By the digit typed with Ctrl: 1 style, 2 gradient, 3 fill, 4 brush, 5 movement, 6 brush colour effect,
// 7 fill colour effect, 8 brush effect.
const LoadKind kLoadKinds[9] = {{nullptr, nullptr, 0},  {"Styles", ".sty", 0},  {"Gradients", ".gra", 8},
                                {"Fills", ".fil", 6},   {"Brushes", ".bru", 6}, {"Movements", ".mvm", 6},
                                {"Effects", ".efc", 0}, {"Effects", ".efc", 0}, {"Effects", ".efb", 0}};

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

int KeyCurrentSlot(int myKind) {
    switch (myKind) {
    case 2:
        return gCurrentGrad;
    case 3:
        return gCurrentFill;
    case 4:
        return gCurrentBrush;
    default:
        return gCurrentMove;
    }
}

void KeyLoad(int myKind, const char* myName, int mySlot) {
    switch (myKind) {
    case 1: {
        const uint16_t myPopup = gPopup;
        gPopup = kPopupStyle;
        StyleLoad(myName, kStyleFromFile, 0);
        gPopup = myPopup;
        break;
    }
    case 2:
        PopLoadGradient(myName, static_cast<char>(mySlot), 1);
        break;
    case 3:
        PopLoadFill(myName, static_cast<char>(mySlot), 1);
        break;
    case 4:
        PopLoadBrush(myName, static_cast<char>(mySlot), 1);
        break;
    case 5:
        PopLoadMovement(myName, static_cast<char>(mySlot), 1);
        break;
    case 6:
        PopLoadBCEffect(myName, 1);
        break;
    case 7:
        PopLoadFCEffect(myName, 1);
        break;
    default:
        PopLoadBEffect(myName, 1);
        break;
    }
}

} // namespace

void KeyBeginLoad(char myDigit) {
    if (myDigit <= 0 || myDigit > kLoadNothing) return;
    gLoadKey = static_cast<uint8_t>(myDigit);
    gLoadName[0] = 0;
    gPopupList[0] = 0;
    if (myDigit == kLoadNothing) return;
    const LoadKind& myKind = kLoadKinds[static_cast<int>(myDigit)];
    PopGetList(gPopupList, myKind.mFolder, myKind.mExt, nullptr, nullptr);
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
    const int mySlots = kLoadKinds[myKind].mSlots;
    if (mySlots && myDigit > mySlots) {
        KeyEndLoadMode();
        return;
    }
    const int mySlot = myDigit == 0 ? KeyCurrentSlot(myKind) : myDigit - 1;
    KeyEndLoadMode();
    KeyLoad(myKind, myName, mySlot);
}
