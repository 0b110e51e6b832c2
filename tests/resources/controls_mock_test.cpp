// The controls window put together from the built-in pictures at their written places, as its drawing will:
// the pieces must land inside their boxes and on the background's empty places, never on one another.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "art_preview.h"
#include "core/display.h"
#include "resources/art_draw.h"
#include "resources/art_font.h"
#include "resources/art_widgets.h"
#include "resources/controls_art.h"
#include "resources/pictures.h"

namespace {
struct Pictures {
    Surface mBackground, mCollapsed, mButtons, mIcons, mDigits, mPanelArt, mArrows;
    Pictures() {
        ResourceDrawPicture(kPictureControls, mBackground);
        ResourceDrawPicture(kPictureControlsCollapsed, mCollapsed);
        ResourceDrawPicture(kPictureButtons, mButtons);
        ResourceDrawPicture(kPictureIcons, mIcons);
        ResourceDrawPicture(kPictureDisplay, mDigits);
        ResourceDrawPicture(kPicturePanelArt, mPanelArt);
        ResourceDrawPicture(kPictureArrows, mArrows);
        for (Surface* mySurface : {&mButtons, &mIcons, &mDigits, &mPanelArt, &mArrows})
            SurfaceSetColorKey(*mySurface, kColorKey);
    }
};

void Label(Surface& myWindow, int myX, int myBaseline, const char* myText, uint8_t myIndex) {
    ArtText(myWindow, myX, myBaseline, myText, myIndex, kArtFontPlain, 0);
}

// A column's moving parts: counter nub, threshold nub, the meter's bar, the lamp and the texts.
void ComposeColumn(Surface& myWindow, const Pictures& myArt, int myColumn, int myCounter, int myThreshold,
                   int myLevel, bool myLamp, const char* myTrigger) {
    const int myX = kLayoutAnchors[myColumn - 101][0], myY = kLayoutAnchors[myColumn - 101][1];
    SurfaceCopyKeyed(myWindow, myX + 1 + myCounter, myY - 12, myArt.mPanelArt, kArtNub);
    if (myColumn == 102) return;
    SurfaceFill(myWindow, {myX + 4, myY - 23, myX + 4 + myLevel, myY - 18}, kColorAqua);
    SurfaceCopyKeyed(myWindow, myX + 1 + myThreshold, myY - 28, myArt.mPanelArt, kArtThresholdNubTop);
    SurfaceCopyKeyed(myWindow, myX + 1 + myThreshold, myY - 18, myArt.mPanelArt, kArtThresholdNubBottom);
    if (myLamp) SurfaceCopyKeyed(myWindow, myX + 74, myY - 24, myArt.mButtons, kArtTriggerLampLit);
    const std::string myCount = myCounter == 0 ? "Off" : std::to_string(myCounter) + " beats";
    Label(myWindow, myX + 73, myY - 2, myCount.c_str(), kColorBlack);
    Label(myWindow, myX + LayoutTriggerButtonOffset(myColumn) + 3, myY - 17, myTrigger, kColorBlack);
}

void ComposeList(Surface& myWindow, const Rect& myList, int myRows, int myHeight, int myThumb,
                 const char* const* myNames, int myCurrent) {
    for (int myRow = 0; myRow < myRows; ++myRow) {
        const Rect myRect = LayoutListRow(myList, myRow, myHeight);
        if (myThumb > 0)
            for (int myY = 0; myY < kLayoutThumbSize; ++myY)
                for (int myX = 0; myX < kLayoutThumbSize; ++myX)
                    myWindow.Row(myRect.top + 1 + myY)[myRect.left + 1 + myX] =
                        static_cast<uint8_t>(myThumb + ((myX + myY + myRow * 7) % 12));
        Label(myWindow, myRect.left + (myThumb > 0 ? kLayoutListNameLeft : 0) + 3,
              myRect.top + myHeight / 2 + 4, myNames[myRow], kColorWhite);
        if (myRow == myCurrent) ArtFrame(myWindow, myRect, kColorGreen);
    }
}

void ComposeWindow(Surface& myWindow, const Pictures& myArt, bool myExpanded) {
    SurfaceFill(myWindow, {0, 0, myWindow.mWidth, myWindow.mHeight}, kColorControlsBack);
    for (int myIndex = 0; myIndex < (myExpanded ? kArtButtonCount : 11); ++myIndex) {
        const bool myLit = myIndex == 5 || myIndex == 8 || (myIndex == 9 && myExpanded) || myIndex == 10;
        SurfaceCopyKeyed(myWindow, LayoutButtonLeft(myIndex), kLayoutButtonTop, myArt.mButtons,
                         ArtButtonRect(myIndex, myLit, myIndex == kArtButtonTrails));
    }
    if (myExpanded) {
        SurfaceCopy(myWindow, kArtControlsOriginX, kArtControlsOriginY, myArt.mBackground,
                    {0, 0, myArt.mBackground.mWidth, myArt.mBackground.mHeight});
    } else {
        SurfaceCopy(myWindow, kArtControlsOriginX, kArtControlsOriginY, myArt.mCollapsed,
                    {0, 0, myArt.mCollapsed.mWidth, myArt.mCollapsed.mHeight});
    }
    // Song row.
    Label(myWindow, kLayoutSongLabel.left + 2, kLayoutSongLabel.bottom - 4, "Song:", kColorWhite);
    Label(myWindow, kLayoutSongBox.left + 3, kLayoutSongBox.bottom - 4, "7: Night Drive", kColorBlack);
    // The CD SETTINGS panel.
    SurfaceCopyKeyed(myWindow, kLayoutPanelIconX, kLayoutPanelIconY, myArt.mIcons,
                     ArtPanelIconRect(kArtIconCD));
    Label(myWindow, kLayoutPanelIconX + 20, kLayoutPanelTitleBaseline, "CD SETTINGS", kColorBlack);
    Label(myWindow, 12, 79, "CD:", kColorBlack);
    ArtDrawWell(myWindow, {42, 69, 200, 83});
    Label(myWindow, 46, 79, "Demo Disc", kColorWhite);
    SurfaceCopyKeyed(myWindow, 189, 74, myArt.mArrows, kArtPopupArrowLight);
    Label(myWindow, 12, 95, "Min:Sec:", kColorBlack);
    SurfaceFill(myWindow, {50, 85, 90, 99}, kColorBlack);
    Label(myWindow, 56, 95, "03:07", kColorGreen);
    Label(myWindow, 108, 95, "Total:", kColorBlack);
    SurfaceFill(myWindow, {136, 85, 176, 99}, kColorBlack);
    Label(myWindow, 142, 95, "04:41", kColorGreen);
    Label(myWindow, 12, 114, "Vol:", kColorBlack);
    SurfaceCopy(myWindow, 39, 121, myArt.mPanelArt, kArtSliderTrack);
    SurfaceCopyKeyed(myWindow, 39 + 200 * kArtSliderTravel / 255, 122, myArt.mPanelArt, kArtNub);
    Label(myWindow, 28, 131, "0", kColorBlack);
    Label(myWindow, 176, 131, "255", kColorBlack);
    if (!myExpanded) return;

    SurfaceCopy(myWindow, kLayoutManualButton.left, kLayoutManualButton.top, myArt.mPanelArt, kArtMiniButton);
    Label(myWindow, kLayoutManualButton.left + 7, kLayoutManualButton.bottom - 3, "Manual", kColorBlack);
    Label(myWindow, kLayoutStyleBox.left + 3, kLayoutStyleBox.bottom - 4, "Aurora", kColorBlack);
    ArtDrawButtonFace(myWindow, kLayoutHelpStrip, false);
    Label(myWindow, kLayoutHelpStrip.left + 5, kLayoutHelpStrip.bottom - 5, "Place cursor over button...",
          kColorBlack);
    for (int myPlace = 0; myPlace < 2; ++myPlace)
        SurfaceCopy(myWindow, kLayoutTrackDigits.left + myPlace * kArtDigitWidth, kLayoutTrackDigits.top,
                    myArt.mDigits, ArtDigitRect(myPlace == 0 ? 0 : 7));
    SurfaceCopyKeyed(myWindow, 120 - 29 * 112 / 120, kLayoutBrushMarkerTop, myArt.mIcons, kArtColorMarker);
    SurfaceCopyKeyed(myWindow, 120 - 89 * 112 / 120, kLayoutFillMarkerTop, myArt.mIcons, kArtColorMarkerCued);
    SurfaceCopy(myWindow, kLayoutFreButton.left, kLayoutFreButton.top, myArt.mPanelArt, kArtMiniButtonLit);
    Label(myWindow, kLayoutFreButton.left + 12, kLayoutFreButton.bottom - 3, "Fre.", kColorBlack);
    SurfaceCopy(myWindow, kLayoutVolButton.left, kLayoutVolButton.top, myArt.mPanelArt, kArtMiniButton);
    Label(myWindow, kLayoutVolButton.left + 12, kLayoutVolButton.bottom - 3, "Vol.", kColorBlack);
    SurfaceFill(myWindow, {kLayoutMeter.left, kLayoutMeter.top, kLayoutMeter.left + 41, kLayoutMeter.bottom},
                kColorAqua);
    SurfaceCopyKeyed(myWindow, kLayoutBeatLamp.left, kLayoutBeatLamp.top, myArt.mButtons, kArtBeatLampLit);
    ComposeColumn(myWindow, myArt, 101, 4, 20, 44, true, "rnd.");
    ComposeColumn(myWindow, myArt, 102, 38, 0, 0, false, "");
    ComposeColumn(myWindow, myArt, 103, 16, 32, 20, false, "seq.");
    ComposeColumn(myWindow, myArt, 104, 0, 48, 60, false, "fix.");
    ComposeColumn(myWindow, myArt, 105, 1, 10, 50, true, "file");
    ComposeColumn(myWindow, myArt, 106, 64, 64, 30, false, "rnd.");
    static const char* const kGrads[8] = {"Aurora", "Ember",   "Glacier", "Neon_Pulse",
                                          "Sunset", "Oceanic", "Plasma",  "(None)"};
    ComposeList(myWindow, kLayoutGradList, 8, kLayoutGradRowHeight, 0, kGrads, 2);
    static const char* const kFills[6] = {"Checks", "Nebula", "Stripes", "Waves", "(None)", "Marble"};
    ComposeList(myWindow, kLayoutFillsList, 6, kLayoutListRowHeight, 111, kFills, 1);
    static const char* const kBrushes[6] = {"Comet", "Ring", "Spark", "Veve", "Bubble", "Star"};
    ComposeList(myWindow, kLayoutBrushesList, 6, kLayoutListRowHeight, 21, kBrushes, 0);
    static const char* const kMoves[6] = {"Orbit", "Figure_8", "Bounce", "Spiral", "Zigzag", "Drift"};
    ComposeList(myWindow, kLayoutMovesList, 6, kLayoutListRowHeight, 60, kMoves, 3);
}
} // namespace

// Where the pieces are copied over the background, they replace exactly what the background shows there: the
// lit lamps cover the dark ones, the icons in the background are the icon picture's, raised and pressed.
TEST(ControlsMockTest, LitAndPressedPiecesCoverWhatTheyReplace) {
    const Pictures myArt;
    Surface myPressed;
    ASSERT_TRUE(ResourceDrawPicture(kPictureControlsPressed, myPressed));
    const auto myCovered = [&](const Surface& myPiece, const Rect& mySource, int myX, int myY) {
        for (int myRow = 0; myRow < mySource.Height(); ++myRow)
            for (int myColumn = 0; myColumn < mySource.Width(); ++myColumn) {
                const uint8_t myUnder = myArt.mBackground.Row(
                    myY + myRow - kArtControlsOriginY)[myX + myColumn - kArtControlsOriginX];
                const uint8_t myOver = myPiece.Row(mySource.top + myRow)[mySource.left + myColumn];
                if (myUnder != kArtCard && myOver == kColorKey) return false;
            }
        return true;
    };
    EXPECT_TRUE(myCovered(myArt.mButtons, kArtBeatLampLit, kLayoutBeatLamp.left, kLayoutBeatLamp.top));
    for (int myColumn : {101, 103, 104, 105, 106}) {
        const int myX = kLayoutAnchors[myColumn - 101][0] + 74, myY = kLayoutAnchors[myColumn - 101][1] - 24;
        EXPECT_TRUE(myCovered(myArt.mButtons, kArtTriggerLampLit, myX, myY)) << myColumn;
    }
    const Rect kBoxes[kArtIconCount] = {kLayoutCDBox,    kLayoutColorsBox,  kLayoutBeatBox, kLayoutGradBox,
                                        kLayoutFillsBox, kLayoutBrushesBox, kLayoutMovesBox};
    for (int myIcon = 0; myIcon < kArtIconCount; ++myIcon) {
        const Rect myPlace = ArtToControlsPicture(LayoutIconRect(kBoxes[myIcon]));
        Surface myRaised = myArt.mBackground, myDown = myArt.mBackground;
        SurfaceCopyKeyed(myRaised, myPlace.left, myPlace.top, myArt.mIcons, ArtIconRect(myIcon, false));
        SurfaceCopyKeyed(myDown, myPlace.left, myPlace.top, myArt.mIcons, ArtIconRect(myIcon, true));
        for (int myY = myPlace.top; myY < myPlace.bottom; ++myY)
            for (int myX = myPlace.left; myX < myPlace.right; ++myX) {
                ASSERT_EQ(myRaised.Row(myY)[myX], myArt.mBackground.Row(myY)[myX]) << myIcon;
                ASSERT_EQ(myDown.Row(myY)[myX], myPressed.Row(myY)[myX]) << myIcon;
            }
    }
}

// Writes the pictures enlarged and the two windows put together into the build folder ("art-preview"), for
// looking at them.
TEST(ControlsMockTest, PicturesAndWindowsAreWrittenForTheEye) {
    const std::string myDir = ORBEX_BIN_DIR "/../art-preview";
    std::filesystem::create_directories(myDir);
    for (int myPicture = 128; myPicture <= 138; ++myPicture) {
        Surface mySurface;
        ASSERT_TRUE(ResourceDrawPicture(myPicture, mySurface));
        const int myFactor = mySurface.mWidth > 300 ? 3 : mySurface.mWidth > 120 ? 5 : 12;
        ASSERT_TRUE(
            ArtWriteEnlarged(myDir + "/picture-" + std::to_string(myPicture) + ".png", mySurface, myFactor));
    }
    const Pictures myArt;
    Surface myWindow;
    ASSERT_TRUE(SurfaceCreate(myWindow, 404, 441));
    ComposeWindow(myWindow, myArt, true);
    ASSERT_TRUE(ArtWriteEnlarged(myDir + "/controls-expanded.png", myWindow, 2));
    Surface myCollapsed;
    ASSERT_TRUE(SurfaceCreate(myCollapsed, kControlsWidth, kControlsHeight));
    ComposeWindow(myCollapsed, myArt, false);
    ASSERT_TRUE(ArtWriteEnlarged(myDir + "/controls-collapsed.png", myCollapsed, 2));
    EXPECT_TRUE(std::filesystem::exists(myDir + "/controls-expanded.png"));
}
