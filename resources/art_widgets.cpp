// Boxes, fields, button faces and arrows of the controls artwork.
#include "resources/art_widgets.h"

#include "resources/art_draw.h"
#include "resources/art_font.h"

void ArtDrawCard(Surface& mySurface, const Rect& myRect) {
    ArtRoundFill(mySurface, myRect, kArtCard);
    ArtRoundFrame(mySurface, myRect, kArtOutline);
    const Rect myInner = ArtInset(myRect, 1);
    ArtHLine(mySurface, myInner.left, myInner.right - 1, myInner.top, kArtCardLight);
    ArtVLine(mySurface, myInner.left, myInner.top, myInner.bottom - 1, kArtCardLight);
    ArtHLine(mySurface, myInner.left + 1, myInner.right, myInner.bottom - 1, kArtCardShade);
    ArtVLine(mySurface, myInner.right - 1, myInner.top + 1, myInner.bottom, kArtCardShade);
}

void ArtDrawWell(Surface& mySurface, const Rect& myRect) {
    ArtFill(mySurface, myRect, kArtWell);
    ArtBevel(mySurface, myRect, kArtDeepShade, kArtCardLight);
}

void ArtDrawLightField(Surface& mySurface, const Rect& myRect) {
    ArtFill(mySurface, myRect, kArtCardLight);
    ArtBevel(mySurface, myRect, kArtOutline, kArtCardShade);
    ArtHLine(mySurface, myRect.left + 1, myRect.right - 1, myRect.top + 1, kArtCard);
}

void ArtDrawButtonFace(Surface& mySurface, const Rect& myRect, bool myPressed) {
    ArtRoundFill(mySurface, myRect, myPressed ? kArtCardShade : kArtCardLight);
    ArtRoundFrame(mySurface, myRect, myPressed ? kArtOutline : kArtDeepShade);
    const Rect myInner = ArtInset(myRect, 1);
    if (myPressed) {
        ArtHLine(mySurface, myInner.left, myInner.right, myInner.top, kArtDeepShade);
    } else {
        ArtHLine(mySurface, myInner.left, myInner.right, myInner.top, kArtHighlight);
        ArtHLine(mySurface, myInner.left, myInner.right, myInner.bottom - 1, kArtCard);
    }
}

void ArtDrawButtonFaceLit(Surface& mySurface, const Rect& myRect) {
    ArtRoundFill(mySurface, myRect, kArtAccent);
    ArtRoundFrame(mySurface, myRect, kArtOutline);
    const Rect myInner = ArtInset(myRect, 1);
    ArtHLine(mySurface, myInner.left, myInner.right, myInner.top, kArtAccentLight);
}

void ArtDrawPopupButton(Surface& mySurface, const Rect& myRect, const char* myText, bool myPressed) {
    ArtDrawButtonFace(mySurface, myRect, myPressed);
    const int myShift = myPressed ? 1 : 0;
    const int myBaseline = myRect.top + (myRect.Height() + kArtFontCapHeight) / 2 + myShift;
    ArtText(mySurface, myRect.left + 4 + myShift, myBaseline, myText, kArtInk, kArtFontPlain, 0);
    ArtDrawPopupArrow(mySurface, myRect.right - 10 + myShift,
                      myRect.top + (myRect.Height() - 4) / 2 + myShift,
                      myPressed ? kArtArrowLit : kArtArrowDark);
}

void ArtDrawPopupArrow(Surface& mySurface, int myX, int myY, ArtArrowInk myInk) {
    static const char* const kRows[4] = {"#######", ".#####.", "..###..", "...#..."};
    static const uint8_t kInks[3] = {kArtOutline, kArtHighlight, kArtAccent};
    ArtPattern(mySurface, myX, myY, kRows, 4, "#", &kInks[myInk]);
}

void ArtDrawPreviewArrow(Surface& mySurface, int myX, int myY, bool myLit) {
    static const char* const kRows[7] = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
    const uint8_t myInk = myLit ? kArtAccent : kArtDeepShade;
    ArtPattern(mySurface, myX, myY, kRows, 7, "#", &myInk);
}
