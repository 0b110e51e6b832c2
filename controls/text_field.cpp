// The TEXT ENTRY panel's text field, drawn by the program in the controls window.
#include "controls/text_field.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "controls/draw.h"
#include "controls/key.h"
#include "controls/mousekey.h"
#include "core/display.h"
#include "platform/window.h"

namespace {

constexpr uint8_t kFieldFace = 255;
constexpr uint8_t kFieldInk = 0;
constexpr uint8_t kFieldSelection = 252;
constexpr uint8_t kFieldEdge = 14;

struct TextField {
    bool mOpen = false;
    Rect mRect;
    std::string mText;
    int mLimit = 15;
    bool mPath = false;
    int mCaret = 0;
    int mAnchor = 0; // the other end of the selection
};

TextField sField;

int TextFieldSelectionStart() {
    return std::min(sField.mCaret, sField.mAnchor);
}
int TextFieldSelectionEnd() {
    return std::max(sField.mCaret, sField.mAnchor);
}

void TextFieldDeleteSelection() {
    const int myStart = TextFieldSelectionStart();
    sField.mText.erase(static_cast<size_t>(myStart), static_cast<size_t>(TextFieldSelectionEnd() - myStart));
    sField.mCaret = sField.mAnchor = myStart;
}

// The names the field takes: letters, digits, the blank and the marks a file name may hold here.
bool TextFieldNameCharacter(uint32_t myChar) {
    if ((myChar >= 'a' && myChar <= 'z') || (myChar >= 'A' && myChar <= 'Z') ||
        (myChar >= '0' && myChar <= '9'))
        return true;
    return myChar < 128 && myChar != 0 && std::strchr(" -#$%&'();^_`", static_cast<int>(myChar)) != nullptr;
}

void TextFieldChanged() {
    TextFieldDraw(true);
    WindowPresent(kWinControls);
}

} // namespace

void TextFieldCreate(const Rect& myRect, const char* myText, int myLimit) {
    sField.mOpen = true;
    sField.mRect = myRect;
    sField.mPath = myLimit > kTextFieldMax;
    sField.mLimit = std::clamp(myLimit, 1, sField.mPath ? kTextFieldPathMax : kTextFieldMax);
    sField.mText.assign(myText ? myText : "");
    if (static_cast<int>(sField.mText.size()) > sField.mLimit)
        sField.mText.resize(static_cast<size_t>(sField.mLimit));
    // Underscores of a stored name show as blanks.
    if (!sField.mPath) std::replace(sField.mText.begin(), sField.mText.end(), '_', ' ');
    sField.mAnchor = 0;
    sField.mCaret = static_cast<int>(sField.mText.size());
}

void TextFieldDestroy() {
    sField = TextField();
}

bool TextFieldExists() {
    return sField.mOpen;
}

const char* TextFieldText() {
    return sField.mText.c_str();
}

bool TextFieldFull() {
    return static_cast<int>(sField.mText.size()) >= sField.mLimit && sField.mCaret == sField.mAnchor;
}

void TextFieldDraw(bool myCaret) {
    if (!sField.mOpen) return;
    Surface& mySurface = DrawSurface();
    const Rect& myRect = sField.mRect;
    SurfaceFill(mySurface, myRect, kFieldEdge);
    const Rect myFace{myRect.left + 1, myRect.top + 1, myRect.right - 1, myRect.bottom - 1};
    SurfaceFill(mySurface, myFace, kFieldFace);
    // A path longer than the field shows the part that fits from a little before the caret on.
    const std::string& myAll = sField.mText;
    const int myRoom = myFace.Width() - 6;
    int myFirst = 0, myLast = static_cast<int>(myAll.size());
    if (DrawTextWidth(myAll.c_str()) > myRoom) {
        auto myWidthOf = [&](int myFrom, int myTo) {
            return DrawTextWidth(
                myAll.substr(static_cast<size_t>(myFrom), static_cast<size_t>(myTo - myFrom)).c_str());
        };
        while (myFirst < sField.mCaret && myWidthOf(myFirst, sField.mCaret) > myRoom)
            ++myFirst;
        while (myLast > sField.mCaret && myWidthOf(myFirst, myLast) > myRoom)
            --myLast;
    }
    const std::string myText =
        myAll.substr(static_cast<size_t>(myFirst), static_cast<size_t>(myLast - myFirst));
    const int myWidth = DrawTextWidth(myText.c_str());
    const int myLeft = myFace.left + (myFace.Width() - myWidth) / 2;
    const int myBaseline = myFace.top + (myFace.Height() + 7) / 2;
    auto myShown = [&](int myIndex) { return std::clamp(myIndex - myFirst, 0, myLast - myFirst); };
    auto myX = [&](int myIndex) {
        return myLeft + DrawTextWidth(myText.substr(0, static_cast<size_t>(myShown(myIndex))).c_str());
    };
    const int myStart = myShown(TextFieldSelectionStart()), myEnd = myShown(TextFieldSelectionEnd());
    if (myStart != myEnd)
        SurfaceFill(mySurface,
                    {myX(myStart + myFirst), myFace.top + 1, myX(myEnd + myFirst) + 1, myFace.bottom - 1},
                    kFieldSelection);
    DrawText(myLeft, myBaseline, myText.substr(0, static_cast<size_t>(myStart)).c_str(), kFieldInk);
    DrawText(myX(myStart + myFirst), myBaseline,
             myText.substr(static_cast<size_t>(myStart), static_cast<size_t>(myEnd - myStart)).c_str(),
             kFieldFace);
    DrawText(myX(myEnd + myFirst), myBaseline, myText.substr(static_cast<size_t>(myEnd)).c_str(), kFieldInk);
    if (myCaret && TextFieldSelectionStart() == TextFieldSelectionEnd()) {
        const int myCaretX = std::min(myX(sField.mCaret), myFace.right - 2);
        SurfaceFill(mySurface, {myCaretX, myFace.top + 2, myCaretX + 1, myFace.bottom - 2}, kFieldInk);
    }
}

void TextFieldType(uint32_t myChar) {
    if (!sField.mOpen) return;
    if (myChar == 8) {
        if (sField.mCaret != sField.mAnchor) {
            TextFieldDeleteSelection();
        } else if (sField.mCaret > 0) {
            sField.mText.erase(static_cast<size_t>(sField.mCaret - 1), 1);
            sField.mAnchor = --sField.mCaret;
        }
    } else {
        TextFieldDeleteSelection();
        if (static_cast<int>(sField.mText.size()) >= sField.mLimit) return;
        sField.mText.insert(static_cast<size_t>(sField.mCaret), 1, static_cast<char>(myChar));
        sField.mAnchor = ++sField.mCaret;
    }
    TextFieldChanged();
}

void TextFieldKeyDown(uint32_t myKey) {
    if (!sField.mOpen) return;
    const int myLength = static_cast<int>(sField.mText.size());
    const bool myExtend = gWindowKeyState & kModShift;
    switch (myKey) {
    case kVKLeft:
        sField.mCaret = std::max(0, sField.mCaret - 1);
        break;
    case kVKRight:
        sField.mCaret = std::min(myLength, sField.mCaret + 1);
        break;
    case kVKHome:
        sField.mCaret = 0;
        break;
    case kVKEnd:
        sField.mCaret = myLength;
        break;
    case kVKDelete:
        if (sField.mCaret != sField.mAnchor)
            TextFieldDeleteSelection();
        else if (sField.mCaret < myLength)
            sField.mText.erase(static_cast<size_t>(sField.mCaret), 1);
        TextFieldChanged();
        return;
    default:
        return;
    }
    if (!myExtend) sField.mAnchor = sField.mCaret;
    TextFieldChanged();
}

void KeyEventProcess(bool myChar, uint32_t myWParam, uint32_t myTime) {
    if (!myChar) {
        // Escape leaves the entry as "Cancel" would; the other keys edit the field.
        if (myWParam == kVKEscape)
            MouseKeyLeaveTextEntry();
        else
            TextFieldKeyDown(myWParam);
        return;
    }
    const bool myFull = TextFieldFull();
    if (myWParam == 13 || myWParam == 3) {
        MouseKeyEnterText();
    } else if (myWParam == 8) {
        TextFieldType(myWParam);
    } else if (myFull) {
        return;
    } else if (sField.mPath ? myWParam >= ' ' && myWParam < 127 : TextFieldNameCharacter(myWParam)) {
        TextFieldType(myWParam);
    } else {
        KeyHandler(myWParam, myTime, 0);
    }
}

void TextFieldResetState() {
    TextFieldDestroy();
}
