// The controls window's texts: its lettering, names cut to their boxes, labelled boxes and number formats.
#include <cstdio>
#include <cstring>
#include <string>

#include "controls/draw.h"
#include "platform/window.h"
#include "resources/art_font.h"
#include "resources/art_widgets.h"

namespace {
constexpr int kCapHeight = kArtFontCapHeight;
constexpr uint8_t kBoxInk = 255;

// The baseline that centres capitals in a rectangle.
int DrawBaselineIn(const Rect& myRect) {
    return myRect.top + (myRect.Height() + kCapHeight) / 2;
}
} // namespace

Surface& DrawSurface() {
    return WindowSurface(kWinControls);
}

void DrawText(int myX, int myBaseline, const char* myText, uint8_t myIndex) {
    if (myText && *myText) ArtText(DrawSurface(), myX, myBaseline, myText, myIndex, kArtFontPlain, 0);
}

int DrawTextWidth(const char* myText) {
    return myText && *myText ? ArtTextWidth(myText, kArtFontPlain, 0) : 0;
}

void DrawTruncatedText(const char* myName, const Rect& myRect, uint8_t myIndex) {
    // A stored name of at most 15 characters; underscores show as blanks.
    std::string myShown(myName ? myName : "", 0, myName ? strnlen(myName, 27) : 0);
    for (char& myChar : myShown)
        if (myChar == '_') myChar = ' ';
    const int myRoom = myRect.Width() - 11;
    while (!myShown.empty() && DrawTextWidth(myShown.c_str()) > myRoom)
        myShown.pop_back();
    DrawText(myRect.left + 3, DrawBaselineIn(myRect), myShown.c_str(), myIndex);
}

void DrawCenteredText(const char* myText, const Rect& myRect, uint8_t myIndex) {
    DrawText(myRect.left + (myRect.Width() - DrawTextWidth(myText)) / 2, DrawBaselineIn(myRect), myText,
             myIndex);
}

void DrawRightText(const char* myText, const Rect& myRect, uint8_t myIndex) {
    DrawText(myRect.right - DrawTextWidth(myText), DrawBaselineIn(myRect), myText, myIndex);
}

// A row of the panel area: the label, and right of it a dark box with the name (a popup box has its arrow).
void DrawLabeledBox(const Rect& myRow, const char* myLabel, const char* myName, uint8_t myKind) {
    DrawText(myRow.left, DrawBaselineIn(myRow), myLabel, 0);
    const Rect myBox{myRow.left + DrawTextWidth(myLabel) + 4, myRow.top, myRow.right, myRow.bottom};
    DrawUpdateBoxText(myName, myBox, myKind);
}

void DrawUpdateBoxText(const char* myText, const Rect& myRect, short myIndex) {
    ArtDrawWell(DrawSurface(), myRect);
    Rect myTextRect = myRect;
    if (myIndex) {
        // The popup arrow marks a box that opens a menu.
        ArtDrawPopupArrow(DrawSurface(), myRect.right - 10, myRect.top + (myRect.Height() - 4) / 2,
                          kArtArrowLight);
        myTextRect.right -= 8;
    }
    DrawTruncatedText(myText, myTextRect, kBoxInk);
}

void DrawConvertBPM(char* myText) {
    const size_t myLength = std::strlen(myText);
    char myResult[16];
    if (myLength <= 2) {
        std::snprintf(myResult, sizeof(myResult), "0.%s%s", myLength == 1 ? "0" : "", myText);
    } else {
        std::snprintf(myResult, sizeof(myResult), "%.*s.%s", static_cast<int>(myLength - 2), myText,
                      myText + myLength - 2);
    }
    std::strcpy(myText, myResult);
}

void DrawFormatBPM(uint32_t myHundredths, char* myText) {
    std::snprintf(myText, 12, "%u", myHundredths);
    DrawConvertBPM(myText);
}

void DrawFormatTime(uint32_t mySeconds, char* myText) {
    std::snprintf(myText, 8, "%02u:%02u", (mySeconds / 60) % 100, mySeconds % 60);
}

void DrawFormatCounter(int myValue, char* myText) {
    if (myValue <= 0)
        std::strcpy(myText, "Off");
    else
        std::snprintf(myText, 16, "%d %s", static_cast<int8_t>(myValue), myValue == 1 ? "beat" : "beats");
}
