// Pictures 130, 131 and 136: the controls window's background from the song row down, with its boxes,
// titles, icons, lists, bars, meters and the fixed parts of every slider; 131 shows each control pressed.
#include "resources/art_draw.h"
#include "resources/art_font.h"
#include "resources/art_widgets.h"
#include "resources/controls_art.h"
#include "resources/picture_parts.h"

namespace {
int X(int myWindowX) {
    return myWindowX - kArtControlsOriginX;
}
int Y(int myWindowY) {
    return myWindowY - kArtControlsOriginY;
}
Rect P(const Rect& myWindowRect) {
    return ArtToControlsPicture(myWindowRect);
}

struct Column {
    int mNumber; // 101-106
    int mIcon;   // ArtIcon
    const Rect* mBox;
    const char* mTitle;
};

const Column kColumns[6] = {{101, kArtIconColors, &kLayoutColorsBox, "COLORS"},
                            {102, kArtIconBeat, &kLayoutBeatBox, "BEAT METER"},
                            {103, kArtIconGradients, &kLayoutGradBox, "GRADIENTS"},
                            {104, kArtIconFills, &kLayoutFillsBox, "FILLS"},
                            {105, kArtIconBrushes, &kLayoutBrushesBox, "BRUSHES"},
                            {106, kArtIconMovements, &kLayoutMovesBox, "MOVEMENTS"}};

void DrawLabel(Surface& mySurface, int myX, int myBaseline, const char* myText, uint8_t myInk) {
    ArtText(mySurface, X(myX), Y(myBaseline), myText, myInk, kArtFontPlain, 0);
}

// A lighter band across a box's top holds its icon and title.
void DrawBand(Surface& mySurface, const Rect& myBox, int myHeight) {
    ArtFill(mySurface, P({myBox.left + 2, myBox.top + 2, myBox.right - 2, myBox.top + myHeight}),
            kArtCardLight);
    ArtHLine(mySurface, X(myBox.left + 2), X(myBox.right - 2), Y(myBox.top + myHeight), kArtCardShade);
}

void DrawHeader(Surface& mySurface, const Column& myColumn, bool myPressed) {
    const Rect& myBox = *myColumn.mBox;
    // Beside the icon's middle, or at its top when a row of buttons shares the band.
    const bool myButtonRow = myColumn.mNumber == 101 || myColumn.mNumber == 102;
    DrawBand(mySurface, myBox, myButtonRow ? 25 : 24);
    const Rect myIcon = LayoutIconRect(myBox);
    ArtDrawIconButton(mySurface, X(myIcon.left), Y(myIcon.top), myColumn.mIcon, myPressed);
    ArtText(mySurface, X(myIcon.right + 3), Y(myBox.top + (myButtonRow ? 10 : 16)), myColumn.mTitle, kArtInk,
            kArtFontBold, 1);
}

// The arrow zone at a row's right end: the row's menu opens from it.
void DrawArrowZone(Surface& mySurface, const Rect& myRow, bool myPressed) {
    const Rect myZone = {myRow.right - kLayoutArrowZone, myRow.top, myRow.right, myRow.bottom - 1};
    ArtFill(mySurface, P(myZone), myPressed ? kArtAccent : kArtWellLine);
    ArtVLine(mySurface, X(myZone.left), Y(myZone.top), Y(myZone.bottom), kArtOutline);
    ArtDrawPopupArrow(mySurface, X(myZone.left + 2), Y(myZone.top + (myZone.Height() - 4) / 2),
                      kArtArrowLight);
}

void DrawList(Surface& mySurface, const Rect& myList, int myRows, int myHeight, bool myThumbs,
              bool myPressed) {
    ArtDrawWell(mySurface, P(ArtInset(myList, -1)));
    for (int myRow = 0; myRow < myRows; ++myRow) {
        const Rect myRect = LayoutListRow(myList, myRow, myHeight);
        if (myRow < myRows - 1)
            ArtHLine(mySurface, X(myRect.left), X(myRect.right), Y(myRect.bottom - 1), kArtWellLine);
        if (myThumbs) {
            const Rect myThumb = {myRect.left + 1, myRect.top + 1, myRect.left + 1 + kLayoutThumbSize,
                                  myRect.top + 1 + kLayoutThumbSize};
            ArtFill(mySurface, P(myThumb), kArtBlack);
            ArtFrame(mySurface, P(myThumb), kArtWellLine);
        }
        DrawArrowZone(mySurface, myRect, myPressed);
    }
}

// A trigger column's bottom: threshold meter with its lamp and trigger button above the counter track.
void DrawColumnBottom(Surface& mySurface, int myColumn, bool myPressed) {
    const int myX = kLayoutAnchors[myColumn - 101][0], myY = kLayoutAnchors[myColumn - 101][1];
    ArtDrawCounterTrack(mySurface, X(myX), Y(myY));
    if (myColumn == 102) return;
    ArtDrawThresholdBar(mySurface, X(myX), Y(myY));
    ArtDrawTriggerLamp(mySurface, X(myX + 74), Y(myY - 24), false);
    const int myLeft = myX + LayoutTriggerButtonOffset(myColumn);
    ArtDrawPopupButton(mySurface, P({myLeft, myY - 26, myLeft + 32, myY - 15}), "", myPressed);
}

void DrawSongRow(Surface& mySurface, bool myPressed) {
    for (const Rect* myBox : {&kLayoutSongBox, &kLayoutStyleBox}) {
        ArtDrawLightField(mySurface, P(*myBox));
        if (myPressed) ArtFrame(mySurface, P(*myBox), kArtAccent);
    }
    ArtTextCentered(mySurface, P(kLayoutStyleLabel), "Style:", kArtCardLight, kArtFontPlain, 0);
}

void DrawCDBox(Surface& mySurface, bool myPressed) {
    ArtDrawCard(mySurface, P(kLayoutCDBox));
    const Column myColumn = {100, kArtIconCD, &kLayoutCDBox, "CD"};
    DrawHeader(mySurface, myColumn, myPressed);
    ArtDrawPopupButton(mySurface, P(kLayoutDriveButton), "Drive", myPressed);
    const Rect myDisplay = ArtInset(kLayoutTrackDigits, -4);
    ArtTextCentered(mySurface, P({myDisplay.left, myDisplay.top - 13, myDisplay.right, myDisplay.top - 3}),
                    "Track:", kArtInk, kArtFontPlain, 0);
    ArtDrawMeter(mySurface, P(myDisplay));
    for (int myPlace = 0; myPlace < 2; ++myPlace)
        ArtDrawDigit(mySurface, X(kLayoutTrackDigits.left + myPlace * kArtDigitWidth),
                     Y(kLayoutTrackDigits.top), -1);
}

void DrawColorsBox(Surface& mySurface, bool myPressed) {
    ArtDrawPopupButton(mySurface, P(kLayoutBrushEffectButton), "Brush", myPressed);
    ArtDrawPopupButton(mySurface, P(kLayoutFillEffectButton), "Fill", myPressed);
    for (const Rect* myBar : {&kLayoutBrushColorBar, &kLayoutFillColorBar}) {
        ArtFrame(mySurface, P(ArtInset(*myBar, -1)), kArtOutline);
        ArtDrawHueBar(mySurface, P(*myBar));
    }
}

void DrawBeatBox(Surface& mySurface, bool myPressed) {
    ArtDrawMeter(mySurface, P(kLayoutMeter));
    ArtDrawBeatLamp(mySurface, X(kLayoutBeatLamp.left), Y(kLayoutBeatLamp.top), myPressed);
    const int myX = kLayoutAnchors[1][0], myY = kLayoutAnchors[1][1];
    DrawLabel(mySurface, myX + 2, myY - 15, "Sensitivity:", kArtInk);
    DrawLabel(mySurface, myX + 74, myY - 3, "Maximum", kArtInk);
}

void DrawGradBox(Surface& mySurface, bool myPressed) {
    DrawList(mySurface, kLayoutGradList, 8, kLayoutGradRowHeight, false, myPressed);
    for (int myRow = 0; myRow < 8; ++myRow) {
        const Rect myCell = LayoutListRow(kLayoutGradPreviewArrows, myRow, kLayoutGradRowHeight);
        ArtDrawPreviewArrow(mySurface, X(myCell.left + 3), Y(myCell.top + 3), myPressed);
    }
    const Rect& myStrip = kLayoutGradPreviewStrip;
    ArtBevel(mySurface, P(ArtInset(myStrip, -1)), kArtDeepShade, kArtCardLight);
    for (int myRow = myStrip.top; myRow < myStrip.bottom; ++myRow) {
        const int myEntry = 201 + (myRow - myStrip.top) * 45 / myStrip.Height();
        ArtHLine(mySurface, X(myStrip.left), X(myStrip.right), Y(myRow), static_cast<uint8_t>(myEntry));
    }
}
} // namespace

void ResourceDrawBackground(Surface& mySurface, bool myPressed) {
    ArtFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kArtWindow);
    DrawSongRow(mySurface, myPressed);
    ArtDrawCard(mySurface, P(kLayoutPanelArea));
    DrawBand(mySurface, kLayoutPanelArea, kLayoutPanelBand.bottom - 1 - kLayoutPanelArea.top);
    ArtDrawPopupButton(mySurface, P(kLayoutSettingsButton), "Settings", myPressed);
    DrawCDBox(mySurface, myPressed);
    for (const Column& myColumn : kColumns) {
        ArtDrawCard(mySurface, P(*myColumn.mBox));
        DrawHeader(mySurface, myColumn, myPressed);
        DrawColumnBottom(mySurface, myColumn.mNumber, myPressed);
    }
    DrawColorsBox(mySurface, myPressed);
    DrawBeatBox(mySurface, myPressed);
    DrawGradBox(mySurface, myPressed);
    DrawList(mySurface, kLayoutFillsList, 6, kLayoutListRowHeight, true, myPressed);
    DrawList(mySurface, kLayoutBrushesList, 6, kLayoutListRowHeight, true, myPressed);
    DrawList(mySurface, kLayoutMovesList, 6, kLayoutListRowHeight, true, myPressed);
    ArtDrawPopupButton(mySurface, P(kLayoutEffButton), "Eff.", myPressed);
}
