// Where every element of the controls' built-in pictures sits: the pieces of the small artwork pictures, and
// the layout of the controls window that the background pictures are drawn for.
#pragma once

#include "platform/surface.h"

// ---------------------------------------------------------------------------------------------------------
// Picture 132, the main buttons (272 x 34). Sixteen 17 x 17 cells in two rows: the top row holds the
// fourteen buttons (index 0 Quit ... 13 Help) and, three cells right of the trails and wipe buttons, their
// cued images; the lower row holds each button lit, the lit beat lamp and the lit trigger lamp.
constexpr int kArtButtonSize = 17;
constexpr int kArtButtonCount = 14;
constexpr int kArtButtonLitRow = 17;    // the lit images sit this much lower
constexpr int kArtButtonCuedShift = 51; // the cued images of buttons 11 and 12 sit this much further right
constexpr int kArtButtonTrails = 11;
constexpr int kArtButtonWipe = 12;

// The image of main button myIndex: lit from the lower row; cued (buttons 11 and 12 only) three cells right.
// The cued trails image exists only in the top row (the lit beat lamp has its place below it).
constexpr Rect ArtButtonRect(int myIndex, bool myLit, bool myCued) {
    const int myLeft = kArtButtonSize * myIndex + (myCued ? kArtButtonCuedShift : 0);
    const int myTop = myLit && !myCued ? kArtButtonLitRow : 0;
    return {myLeft, myTop, myLeft + kArtButtonSize, myTop + kArtButtonSize};
}
constexpr Rect kArtBeatLampLit = {238, 17, 255, 34};    // 17 x 17, over the unlit lamp of the background
constexpr Rect kArtTriggerLampLit = {255, 17, 262, 24}; // 7 x 7, over a column's unlit lamp

// ---------------------------------------------------------------------------------------------------------
// Picture 133, panel icons and colour markers (143 x 40). Seven 20 x 20 icon buttons side by side (icon n at
// x = 20 n), raised in the top row and pressed in the lower one; the 3 x 13 colour markers at the right.
// The raised icons are transparent (index 255) inside their 2-pixel frame except for the symbol, so the
// 16 x 16 middle of a raised icon is the symbol alone, on nothing, for the panel titles.
constexpr int kArtIconSize = 20;
constexpr int kArtPanelIconSize = 16;
enum ArtIcon {
    kArtIconCD = 0,
    kArtIconColors,
    kArtIconBeat,
    kArtIconGradients,
    kArtIconFills,
    kArtIconBrushes,
    kArtIconMovements,
    kArtIconCount
};

constexpr Rect ArtIconRect(int myIcon, bool myPressed) {
    return {kArtIconSize * myIcon, myPressed ? kArtIconSize : 0, kArtIconSize * (myIcon + 1),
            myPressed ? 2 * kArtIconSize : kArtIconSize};
}
// The 16 x 16 symbol drawn before a panel's title.
constexpr Rect ArtPanelIconRect(int myIcon) {
    return {kArtIconSize * myIcon + 2, 2, kArtIconSize * myIcon + 18, 18};
}
constexpr Rect kArtColorMarker = {140, 0, 143, 13};
constexpr Rect kArtColorMarkerCued = {140, 13, 143, 26};

// ---------------------------------------------------------------------------------------------------------
// Picture 134, the track number's digit strip (100 x 17): digit d at x = 10 d, lit segments over their dim
// unlit shapes on black.
constexpr int kArtDigitWidth = 10;
constexpr int kArtDigitHeight = 17;
constexpr Rect ArtDigitRect(int myDigit) {
    return {kArtDigitWidth * myDigit, 0, kArtDigitWidth * (myDigit + 1), kArtDigitHeight};
}

// ---------------------------------------------------------------------------------------------------------
// Picture 135, panel art (192 x 26).
constexpr Rect kArtSliderTrack = {0, 0, 133, 13};     // main slider: the nub travels its whole width
constexpr Rect kArtDirectionTrack = {0, 13, 133, 26}; // the same for a "Direction" parameter
constexpr Rect kArtMiniButton = {133, 0, 174, 13};    // 41 x 13 text button face, the text drawn on it
constexpr int kArtMiniButtonLitRow = 13;              // the lit (pressed, on) face sits this much lower
constexpr Rect kArtMiniButtonLit = {133, 13, 174, 26};
constexpr Rect kArtNub = {174, 0, 180, 11};     // 6 x 11 slider nub; main sliders place it 1 below
constexpr Rect kArtNubCued = {180, 0, 186, 11}; // the track's top
constexpr int kArtNubDisabledRow = 11;          // disabled nubs (and threshold nubs) sit this much lower
constexpr Rect kArtNubDisabled = {174, 11, 180, 22};
constexpr Rect kArtThresholdNubTop = {186, 0, 192, 5};     // points down at the threshold bar, above it
constexpr Rect kArtThresholdNubBottom = {186, 5, 192, 11}; // points up at it, below it
constexpr Rect kArtThresholdNubTopDisabled = {186, 11, 192, 16};
constexpr Rect kArtThresholdNubBottomDisabled = {186, 16, 192, 22};
// A main slider's nub for a value: the track's left + (value - min) * 127 / (max - min), one pixel below its
// top; so a track placed at x 39 gives the written nub positions 39 + ...
constexpr int kArtSliderTravel = 127;

// ---------------------------------------------------------------------------------------------------------
// Picture 137, arrows (17 x 13): the 7 x 4 popup arrow of popup buttons in three inks, and the 4 x 7 preview
// arrow of the gradient rows, plain and lit.
constexpr Rect kArtPopupArrow = {0, 0, 7, 4};      // dark, on light faces
constexpr Rect kArtPopupArrowLight = {0, 4, 7, 8}; // light, on dark fields and lists
constexpr Rect kArtPopupArrowLit = {0, 8, 7, 12};  // accent, while its menu is open
constexpr Rect kArtPreviewArrow = {8, 0, 12, 7};
constexpr Rect kArtPreviewArrowLit = {12, 0, 16, 7};

// ---------------------------------------------------------------------------------------------------------
// Picture 138, the popup menus' scroll arrows (22 x 14): 11 x 7 images, the middle arrow (one row at a
// time) left and the corner arrow (to the end at once) right; pointing up in the top row, down below.
constexpr Rect kArtScrollUp = {0, 0, 11, 7};
constexpr Rect kArtScrollUpCorner = {11, 0, 22, 7};
constexpr Rect kArtScrollDown = {0, 7, 11, 14};
constexpr Rect kArtScrollDownCorner = {11, 7, 22, 14};

// ---------------------------------------------------------------------------------------------------------
// The controls window. Everything below is in the window's own pixels (the expanded window is 404 x 441).
// Pictures 130 (the expanded background) and 131 (the same, every control of it pressed) cover the window
// from kArtControlsOrigin, 390 x 409; picture 136 (199 x 114) is the collapsed window's part of it, from the
// same origin: the song row and the panel area.
constexpr int kArtControlsOriginX = 7;
constexpr int kArtControlsOriginY = 26;
constexpr Rect ArtToControlsPicture(const Rect& myWindowRect) {
    return {myWindowRect.left - kArtControlsOriginX, myWindowRect.top - kArtControlsOriginY,
            myWindowRect.right - kArtControlsOriginX, myWindowRect.bottom - kArtControlsOriginY};
}

// The top row (not in the pictures): main button i at x = 2 + 19 i, y = 2; the blank face that holds the help
// title strip right of the last button, expanded only.
constexpr int kLayoutButtonTop = 2;
constexpr int kLayoutButtonStep = 19;
constexpr int LayoutButtonLeft(int myIndex) {
    return 2 + kLayoutButtonStep * myIndex;
}
constexpr Rect kLayoutHelpStrip = {268, 2, 400, 19};

// The second row. The label "Song:" or "Rave:" is drawn by the program left of the song box; the song and
// style boxes are light fields for dark text (a rave's blue text reads on them too).
constexpr Rect kLayoutSongLabel = {7, 27, 41, 41};
constexpr Rect kLayoutSongBox = {42, 27, 204, 41};
constexpr Rect kLayoutManualButton = {209, 28, 250, 41}; // a mini button, drawn by the program
constexpr Rect kLayoutStyleLabel = {253, 27, 282, 41};   // "Style:", in the artwork
constexpr Rect kLayoutStyleBox = {283, 27, 397, 41};

// The panel area: a light card (labels are drawn in index 0 on it) with a lighter title band across its top
// (kLayoutPanelBand, its shaded lower edge included); the band's right end holds the "Settings" popup button.
// A panel's 16 x 16 icon goes at kLayoutPanelIconX/Y, its title after it on kLayoutPanelTitleBaseline; its
// contents below the band, from y 69.
constexpr Rect kLayoutPanelArea = {7, 48, 204, 138};
constexpr Rect kLayoutPanelBand = {9, 50, 202, 68};
constexpr Rect kLayoutSettingsButton = {146, 53, 199, 65};
constexpr int kLayoutPanelIconX = 11;
constexpr int kLayoutPanelIconY = 51;
constexpr int kLayoutPanelTitleBaseline = 62;

// The column boxes. Each has its 20 x 20 icon 3 pixels in from its top-left corner and its title beside it.
constexpr Rect kLayoutCDBox = {206, 48, 269, 138};
constexpr Rect kLayoutGradBox = {271, 48, 397, 225};
constexpr Rect kLayoutColorsBox = {7, 140, 139, 225};
constexpr Rect kLayoutBeatBox = {141, 140, 269, 225};
constexpr Rect kLayoutFillsBox = {7, 227, 139, 435};
constexpr Rect kLayoutBrushesBox = {141, 227, 269, 435};
constexpr Rect kLayoutMovesBox = {271, 227, 397, 435};
constexpr Rect LayoutIconRect(const Rect& myBox) {
    return {myBox.left + 3, myBox.top + 3, myBox.left + 3 + kArtIconSize, myBox.top + 3 + kArtIconSize};
}

// CD box: the "Drive" popup button, and the track number's two digits (20 x 17) in their display, under the
// label "Track:".
constexpr Rect kLayoutDriveButton = {210, 122, 266, 134};
constexpr Rect kLayoutTrackDigits = {228, 97, 248, 114};

// COLORS: the "Brush" and "Fill" colour-effect popup buttons in the header, and the two colour bars. Colour c
// (1-120) has its marker's left edge at x = 120 - (c - 1) * 112 / 120; markers span their row (13 high).
constexpr Rect kLayoutBrushEffectButton = {33, 153, 73, 164};
constexpr Rect kLayoutFillEffectButton = {76, 153, 116, 164};
constexpr Rect kLayoutBrushColorBar = {10, 167, 123, 177};
constexpr Rect kLayoutFillColorBar = {10, 182, 123, 192};
constexpr int kLayoutBrushMarkerTop = 166;
constexpr int kLayoutFillMarkerTop = 181;

// BEAT METER: the "Fre." and "Vol." mini buttons (drawn by the program), the 64-pixel meter, the beat lamp
// (17 x 17, lit from picture 132) and the sensitivity slider, which is column 102's counter row.
constexpr Rect kLayoutFreButton = {167, 152, 208, 165};
constexpr Rect kLayoutVolButton = {211, 152, 252, 165};
constexpr Rect kLayoutMeter = {147, 173, 211, 184};
constexpr Rect kLayoutBeatLamp = {219, 170, 236, 187};

// GRADIENTS: eight 15-pixel rows; each row's last 10 pixels are its popup arrow zone. Right of the rows a
// column of preview arrows (one per row, 4 x 7 centred in its cell) and the preview strip, whose pixels are
// palette entries 201-245 from top to bottom.
constexpr int kLayoutGradRowHeight = 15;
constexpr Rect kLayoutGradList = {273, 73, 363, 193};
constexpr Rect kLayoutGradPreviewArrows = {365, 73, 375, 193};
constexpr Rect kLayoutGradPreviewStrip = {378, 73, 394, 193};

// FILLS, BRUSHES, MOVEMENTS: six 25-pixel rows, each with a 24 x 24 thumbnail well 1 pixel in from its
// top-left corner, the name after it and the 10-pixel popup arrow zone at its right end. BRUSHES has the
// "Eff." popup button in its header.
constexpr int kLayoutListRowHeight = 25;
constexpr int kLayoutThumbSize = 24;
constexpr int kLayoutListNameLeft = 27; // from the row's left edge
constexpr int kLayoutArrowZone = 10;
constexpr Rect kLayoutFillsList = {9, 252, 137, 402};
constexpr Rect kLayoutBrushesList = {143, 252, 267, 402};
constexpr Rect kLayoutMovesList = {273, 252, 395, 402};
constexpr Rect kLayoutEffButton = {234, 234, 266, 246};

// Row myRow of a list of rows myHeight high.
constexpr Rect LayoutListRow(const Rect& myList, int myRow, int myHeight) {
    return {myList.left, myList.top + myRow * myHeight, myList.right, myList.top + (myRow + 1) * myHeight};
}

// The anchors of columns 101-106 (colours, beat meter, gradients, fills, brushes, movements), the values of
// gPanelPos. From an anchor (x, y): counter track x to x + 72 on y - 12 to y; threshold bar x + 4 to x + 68
// on y - 23 to y - 18 with its nub pieces above and below it; lamp 7 x 7 at (x + 74, y - 24); trigger button
// 32 x 11 from y - 26, at x + 95 (colours, fills) or x + 87 (the others). The beat meter column has only its
// counter track (the sensitivity slider).
constexpr int kLayoutAnchors[6][2] = {{9, 223}, {143, 223}, {273, 223}, {9, 432}, {143, 432}, {273, 432}};
constexpr int LayoutTriggerButtonOffset(int myColumn) {
    return myColumn == 101 || myColumn == 104 ? 95 : 87;
}
