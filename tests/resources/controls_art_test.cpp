// The places of the controls' artwork: every piece inside its picture and apart from the others, and the
// window layout inside the background, boxes apart, each control inside its box, at the written positions.
#include <gtest/gtest.h>

#include <vector>

#include "core/display.h"
#include "resources/art_draw.h"
#include "resources/controls_art.h"
#include "resources/pictures.h"

namespace {
bool Inside(const Rect& myInner, const Rect& myOuter) {
    return myInner.left >= myOuter.left && myInner.top >= myOuter.top && myInner.right <= myOuter.right &&
           myInner.bottom <= myOuter.bottom && myInner.Width() > 0 && myInner.Height() > 0;
}

bool Apart(const Rect& myA, const Rect& myB) {
    return myA.right <= myB.left || myB.right <= myA.left || myA.bottom <= myB.top || myB.bottom <= myA.top;
}

Rect PictureRect(int myPicture) {
    Surface mySurface;
    ResourceDrawPicture(myPicture, mySurface);
    return {0, 0, mySurface.mWidth, mySurface.mHeight};
}

void ExpectInsideAndApart(int myPicture, const std::vector<Rect>& myPieces) {
    const Rect myWhole = PictureRect(myPicture);
    for (size_t myA = 0; myA < myPieces.size(); ++myA) {
        EXPECT_TRUE(Inside(myPieces[myA], myWhole)) << "picture " << myPicture << " piece " << myA;
        for (size_t myB = myA + 1; myB < myPieces.size(); ++myB)
            EXPECT_TRUE(Apart(myPieces[myA], myPieces[myB]))
                << "picture " << myPicture << " pieces " << myA << " and " << myB;
    }
}

// A trigger column's parts from its anchor: counter row, threshold row (nubs and bar), lamp, trigger button.
std::vector<Rect> ColumnBottom(int myColumn) {
    const int myX = kLayoutAnchors[myColumn - 101][0], myY = kLayoutAnchors[myColumn - 101][1];
    std::vector<Rect> myParts = {{myX, myY - 12, myX + 72, myY}};
    if (myColumn == 102) return myParts;
    const int myButton = myX + LayoutTriggerButtonOffset(myColumn);
    myParts.push_back({myX + 1, myY - 28, myX + 71, myY - 12});
    myParts.push_back({myX + 74, myY - 24, myX + 81, myY - 17});
    myParts.push_back({myButton, myY - 26, myButton + 32, myY - 15});
    return myParts;
}
} // namespace

TEST(ControlsArtTest, EveryPieceLiesInsideItsPictureApartFromTheOthers) {
    std::vector<Rect> myButtons;
    for (int myIndex = 0; myIndex < kArtButtonCount; ++myIndex) {
        myButtons.push_back(ArtButtonRect(myIndex, false, false));
        myButtons.push_back(ArtButtonRect(myIndex, true, false));
    }
    myButtons.push_back(ArtButtonRect(kArtButtonTrails, false, true));
    myButtons.push_back(ArtButtonRect(kArtButtonWipe, false, true));
    myButtons.push_back(kArtBeatLampLit);
    myButtons.push_back(kArtTriggerLampLit);
    ExpectInsideAndApart(kPictureButtons, myButtons);
    // The written places: cued images three cells right, lit a row lower, the lamps where the frame loop
    // copies them from.
    EXPECT_EQ(ArtButtonRect(12, false, true).left, ArtButtonRect(12, false, false).left + 51);
    EXPECT_EQ(ArtButtonRect(5, true, false).top, 17);
    EXPECT_EQ(kArtBeatLampLit.left, 238);
    EXPECT_EQ(kArtTriggerLampLit.left, 255);

    std::vector<Rect> myIcons = {kArtColorMarker, kArtColorMarkerCued};
    for (int myIcon = 0; myIcon < kArtIconCount; ++myIcon) {
        myIcons.push_back(ArtIconRect(myIcon, false));
        myIcons.push_back(ArtIconRect(myIcon, true));
        EXPECT_TRUE(Inside(ArtPanelIconRect(myIcon), ArtIconRect(myIcon, false)));
        EXPECT_EQ(ArtIconRect(myIcon, false).left, 20 * myIcon);
    }
    ExpectInsideAndApart(kPictureIcons, myIcons);

    std::vector<Rect> myDigits;
    for (int myDigit = 0; myDigit < 10; ++myDigit)
        myDigits.push_back(ArtDigitRect(myDigit));
    ExpectInsideAndApart(kPictureDisplay, myDigits);

    ExpectInsideAndApart(kPicturePanelArt,
                         {kArtSliderTrack, kArtDirectionTrack, kArtMiniButton, kArtMiniButtonLit, kArtNub,
                          kArtNubCued, kArtNubDisabled, kArtThresholdNubTop, kArtThresholdNubBottom,
                          kArtThresholdNubTopDisabled, kArtThresholdNubBottomDisabled});
    EXPECT_EQ(kArtSliderTrack.Width(), kArtSliderTravel + kArtNub.Width());
    EXPECT_EQ(kArtMiniButtonLit.top - kArtMiniButton.top, kArtMiniButtonLitRow);
    EXPECT_EQ(kArtNubDisabled.top - kArtNub.top, kArtNubDisabledRow);
    EXPECT_EQ(kArtNubCued.left, kArtNub.right);

    ExpectInsideAndApart(kPictureArrows, {kArtPopupArrow, kArtPopupArrowLight, kArtPopupArrowLit,
                                          kArtPreviewArrow, kArtPreviewArrowLit});
    ExpectInsideAndApart(kPicturePopup,
                         {kArtScrollUp, kArtScrollUpCorner, kArtScrollDown, kArtScrollDownCorner});
}

TEST(ControlsArtTest, TheBoxesFillTheBackgroundApartAndTheCollapsedPartIsTheSongRowAndPanel) {
    const Rect myBackground = {kArtControlsOriginX, kArtControlsOriginY, kArtControlsOriginX + 390,
                               kArtControlsOriginY + 409};
    const std::vector<Rect> myBoxes = {kLayoutPanelArea,  kLayoutCDBox,        kLayoutGradBox,
                                       kLayoutColorsBox,  kLayoutBeatBox,      kLayoutFillsBox,
                                       kLayoutBrushesBox, kLayoutMovesBox,     kLayoutSongBox,
                                       kLayoutStyleBox,   kLayoutManualButton, kLayoutStyleLabel};
    for (size_t myA = 0; myA < myBoxes.size(); ++myA) {
        EXPECT_TRUE(Inside(myBoxes[myA], myBackground)) << myA;
        for (size_t myB = myA + 1; myB < myBoxes.size(); ++myB)
            EXPECT_TRUE(Apart(myBoxes[myA], myBoxes[myB])) << myA << " and " << myB;
    }
    // The written panel area, and the collapsed window (213 x 146) showing the song row and all of it.
    EXPECT_EQ(kLayoutPanelArea.left, 7);
    EXPECT_EQ(kLayoutPanelArea.top, 48);
    const Rect myCollapsed = {kArtControlsOriginX, kArtControlsOriginY, kArtControlsOriginX + 199,
                              kArtControlsOriginY + 114};
    EXPECT_LE(myCollapsed.right, kControlsWidth);
    EXPECT_LE(myCollapsed.bottom, kControlsHeight);
    for (const Rect& myShown : {kLayoutPanelArea, kLayoutSongBox, kLayoutSongLabel})
        EXPECT_TRUE(Inside(myShown, myCollapsed));
    for (const Rect& myExpandedOnly : {kLayoutCDBox, kLayoutColorsBox, kLayoutManualButton, kLayoutStyleBox})
        EXPECT_TRUE(Apart(myExpandedOnly, myCollapsed));
    // The top row: fourteen buttons, then the help strip, inside the expanded window.
    EXPECT_EQ(LayoutButtonLeft(9), 173);
    EXPECT_LE(LayoutButtonLeft(13) + kArtButtonSize, kLayoutHelpStrip.left);
    EXPECT_LE(kLayoutHelpStrip.right, 404);
}

TEST(ControlsArtTest, EachControlSitsInItsBoxApartFromTheOthers) {
    struct Box {
        const Rect* mBox;
        std::vector<Rect> mParts;
    };
    const auto myIcon = [](const Rect& myBox) { return LayoutIconRect(myBox); };
    std::vector<Box> myBoxes = {
        {&kLayoutPanelArea, {kLayoutSettingsButton}},
        {&kLayoutCDBox, {myIcon(kLayoutCDBox), kLayoutDriveButton, ArtInset(kLayoutTrackDigits, -4)}},
        {&kLayoutColorsBox,
         {myIcon(kLayoutColorsBox),
          kLayoutBrushEffectButton,
          kLayoutFillEffectButton,
          {kLayoutBrushColorBar.left - 1, kLayoutBrushMarkerTop, kLayoutBrushColorBar.right + 1,
           kLayoutBrushMarkerTop + 13},
          {kLayoutFillColorBar.left - 1, kLayoutFillMarkerTop, kLayoutFillColorBar.right + 1,
           kLayoutFillMarkerTop + 13}}},
        {&kLayoutBeatBox,
         {myIcon(kLayoutBeatBox), kLayoutFreButton, kLayoutVolButton, ArtInset(kLayoutMeter, -1),
          kLayoutBeatLamp}},
        {&kLayoutGradBox,
         {myIcon(kLayoutGradBox), ArtInset(kLayoutGradList, -1), kLayoutGradPreviewArrows,
          ArtInset(kLayoutGradPreviewStrip, -1)}},
        {&kLayoutFillsBox, {myIcon(kLayoutFillsBox), ArtInset(kLayoutFillsList, -1)}},
        {&kLayoutBrushesBox, {myIcon(kLayoutBrushesBox), ArtInset(kLayoutBrushesList, -1), kLayoutEffButton}},
        {&kLayoutMovesBox, {myIcon(kLayoutMovesBox), ArtInset(kLayoutMovesList, -1)}},
    };
    for (int myColumn = 101; myColumn <= 106; ++myColumn)
        for (const Rect& myPart : ColumnBottom(myColumn))
            myBoxes[myColumn - 99].mParts.push_back(myPart);
    for (const Box& myBox : myBoxes) {
        // Inside the box's one-pixel outline.
        const Rect myInner = {myBox.mBox->left + 1, myBox.mBox->top + 1, myBox.mBox->right - 1,
                              myBox.mBox->bottom - 1};
        for (size_t myA = 0; myA < myBox.mParts.size(); ++myA) {
            EXPECT_TRUE(Inside(myBox.mParts[myA], myInner))
                << myBox.mBox->left << ", " << myBox.mBox->top << " part " << myA;
            for (size_t myB = myA + 1; myB < myBox.mParts.size(); ++myB)
                EXPECT_TRUE(Apart(myBox.mParts[myA], myBox.mParts[myB]))
                    << myBox.mBox->left << ", " << myBox.mBox->top << " parts " << myA << " and " << myB;
        }
    }
}

TEST(ControlsArtTest, TheWrittenPositionsHold) {
    // Colour bars: a click at x picks 122 - ((x - 10) * 121) / 112, so the bar runs from x 10 to 122; the
    // markers of colours 120 and 1 stand at its two ends.
    for (const Rect* myBar : {&kLayoutBrushColorBar, &kLayoutFillColorBar}) {
        EXPECT_EQ(myBar->left, 10);
        EXPECT_EQ(myBar->right, 123);
    }
    EXPECT_EQ(120 - (120 - 1) * 112 / 120 + 1, kLayoutBrushColorBar.left);
    EXPECT_EQ(120 - (1 - 1) * 112 / 120 + 1, kLayoutBrushColorBar.right - 2);
    // Rows: eight of 15 pixels, six of 25, each with room for a thumbnail and a name before its arrow zone.
    EXPECT_EQ(kLayoutGradList.Height(), 8 * kLayoutGradRowHeight);
    EXPECT_EQ(kLayoutGradPreviewArrows.Height(), kLayoutGradList.Height());
    EXPECT_EQ(kLayoutGradPreviewStrip.Height(), kLayoutGradList.Height());
    for (const Rect* myList : {&kLayoutFillsList, &kLayoutBrushesList, &kLayoutMovesList}) {
        EXPECT_EQ(myList->Height(), 6 * kLayoutListRowHeight);
        EXPECT_GE(myList->Width() - kLayoutListNameLeft - kLayoutArrowZone, 80);
        EXPECT_EQ(LayoutListRow(*myList, 5, kLayoutListRowHeight).bottom, myList->bottom);
    }
    EXPECT_GE(kLayoutGradList.Width() - kLayoutArrowZone, 75);
    EXPECT_LT(1 + kLayoutThumbSize, kLayoutListNameLeft);
    // The 64-pixel meter, the 17 x 17 lamp, the two 10 x 17 digits, the mini-button-sized buttons.
    EXPECT_EQ(kLayoutMeter.Width(), 64);
    EXPECT_EQ(kLayoutBeatLamp.Width(), 17);
    EXPECT_EQ(kLayoutBeatLamp.Height(), 17);
    EXPECT_EQ(kLayoutTrackDigits.Width(), 2 * kArtDigitWidth);
    EXPECT_EQ(kLayoutTrackDigits.Height(), kArtDigitHeight);
    for (const Rect* myButton : {&kLayoutManualButton, &kLayoutFreButton, &kLayoutVolButton}) {
        EXPECT_EQ(myButton->Width(), kArtMiniButton.Width());
        EXPECT_EQ(myButton->Height(), kArtMiniButton.Height());
    }
    // Fills and colours have their trigger button 95 pixels right of the anchor, the others 87.
    EXPECT_EQ(LayoutTriggerButtonOffset(101), 95);
    EXPECT_EQ(LayoutTriggerButtonOffset(104), 95);
    EXPECT_EQ(LayoutTriggerButtonOffset(105), 87);
}
