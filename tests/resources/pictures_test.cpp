// The built-in pictures: their written sizes, transparency only where it is meant, the fixed interface
// colours only, the three background pictures agreeing, and every picture the same as its stored golden PNG
// (ORBEX_REWRITE_GOLDEN=1 rewrites the stored ones after an intended change; look at them before committing).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../program/png_reader.h"
#include "art_preview.h"
#include "core/display.h"
#include "resources/controls_art.h"
#include "resources/pictures.h"

namespace {
struct Written {
    int mPicture, mWidth, mHeight;
    bool mTransparent; // copied keyed over other pictures, so it has clear parts
};
const Written kWritten[] = {{128, 145, 71, false},  {129, 108, 38, false}, {130, 390, 409, false},
                            {131, 390, 409, false}, {132, 272, 34, true},  {133, 143, 40, true},
                            {134, 100, 17, false},  {135, 192, 26, true},  {136, 199, 114, false},
                            {137, 17, 13, true},    {138, 22, 14, true}};

Surface Draw(int myPicture) {
    Surface mySurface;
    EXPECT_TRUE(ResourceDrawPicture(myPicture, mySurface)) << myPicture;
    return mySurface;
}

int Count(const Surface& mySurface, const Rect& myRect, uint8_t myIndex) {
    int myCount = 0;
    for (int myY = myRect.top; myY < myRect.bottom; ++myY)
        for (int myX = myRect.left; myX < myRect.right; ++myX)
            myCount += mySurface.Row(myY)[myX] == myIndex;
    return myCount;
}

bool Inside(const Rect& myInner, const Rect& myOuter) {
    return myInner.left >= myOuter.left && myInner.top >= myOuter.top && myInner.right <= myOuter.right &&
           myInner.bottom <= myOuter.bottom;
}

std::filesystem::path GoldenPath(int myPicture) {
    return std::filesystem::path(ORBEX_SOURCE_DIR) / "tests" / "resources" / "golden" /
           ("picture-" + std::to_string(myPicture) + ".png");
}
} // namespace

TEST(PicturesTest, EachPictureHasItsWrittenSizeAndNoOtherNumberIsAPicture) {
    for (const Written& myWritten : kWritten) {
        const Surface mySurface = Draw(myWritten.mPicture);
        EXPECT_EQ(mySurface.mWidth, myWritten.mWidth) << myWritten.mPicture;
        EXPECT_EQ(mySurface.mHeight, myWritten.mHeight) << myWritten.mPicture;
    }
    Surface mySurface;
    EXPECT_FALSE(ResourceDrawPicture(127, mySurface));
    EXPECT_FALSE(ResourceDrawPicture(139, mySurface));
    EXPECT_FALSE(ResourceDrawPicture(0, mySurface));
}

TEST(PicturesTest, TheKeyColourIsClearOnlyInThePiecesCopiedOverOthers) {
    // The splash and the banner are shown whole (their white is white); the controls' pictures are checked.
    for (const Written& myWritten : kWritten) {
        if (myWritten.mPicture < kPictureControls) continue;
        const Surface mySurface = Draw(myWritten.mPicture);
        const int myClear = Count(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kColorKey);
        if (myWritten.mTransparent) {
            EXPECT_GT(myClear, 0) << myWritten.mPicture;
        } else {
            EXPECT_EQ(myClear, 0) << myWritten.mPicture;
        }
    }
    // Round buttons and lamps leave their corners clear; a raised icon is clear round its symbol, so it can
    // stand alone in a panel's title; a track is solid, so drawing it wipes the nub it had before.
    const Surface myButtons = Draw(kPictureButtons);
    for (int myIndex = 0; myIndex < kArtButtonCount; ++myIndex) {
        const Rect myRect = ArtButtonRect(myIndex, true, false);
        EXPECT_EQ(myButtons.Row(myRect.top)[myRect.left], kColorKey) << myIndex;
        EXPECT_NE(myButtons.Row(myRect.top + 8)[myRect.left + 8], kColorKey) << myIndex;
    }
    EXPECT_EQ(myButtons.Row(kArtBeatLampLit.top)[kArtBeatLampLit.left], kColorKey);
    EXPECT_NE(myButtons.Row(kArtBeatLampLit.top + 8)[kArtBeatLampLit.left + 8], kColorKey);
    EXPECT_EQ(myButtons.Row(kArtTriggerLampLit.top)[kArtTriggerLampLit.left], kColorKey);
    const Surface myIcons = Draw(kPictureIcons);
    for (int myIcon = 0; myIcon < kArtIconCount; ++myIcon) {
        const Rect mySymbol = ArtPanelIconRect(myIcon);
        const int myClear = Count(myIcons, mySymbol, kColorKey);
        EXPECT_GT(myClear, 10) << myIcon;
        EXPECT_LT(myClear, 16 * 16 - 40) << myIcon;
        EXPECT_EQ(Count(myIcons, ArtIconRect(myIcon, true), kColorKey), 4) << "only the round corners";
    }
    const Surface myPanelArt = Draw(kPicturePanelArt);
    EXPECT_EQ(Count(myPanelArt, kArtSliderTrack, kColorKey), 0);
    EXPECT_EQ(Count(myPanelArt, kArtDirectionTrack, kColorKey), 0);
    EXPECT_EQ(Count(myPanelArt, kArtNub, kColorKey), 4);
}

TEST(PicturesTest, OnlyTheFixedInterfaceColoursAreUsed) {
    for (const Written& myWritten : kWritten) {
        const Surface mySurface = Draw(myWritten.mPicture);
        for (int myY = 0; myY < mySurface.mHeight; ++myY)
            for (int myX = 0; myX < mySurface.mWidth; ++myX) {
                const int myIndex = mySurface.Row(myY)[myX];
                if (myIndex <= 20 || myIndex >= 246) continue;
                // The preview strip shows the popups' preview colours, whatever they are at the time.
                const Rect myStrip = ArtToControlsPicture(kLayoutGradPreviewStrip);
                const bool myInStrip = (myWritten.mPicture == 130 || myWritten.mPicture == 131) &&
                                       myX >= myStrip.left && myX < myStrip.right && myY >= myStrip.top &&
                                       myY < myStrip.bottom;
                ASSERT_TRUE(myInStrip && myIndex >= 201 && myIndex <= 245)
                    << "picture " << myWritten.mPicture << " (" << myX << ", " << myY << ") " << myIndex;
            }
    }
    // The strip runs through all 45 preview entries, top to bottom.
    const Surface myBackground = Draw(kPictureControls);
    const Rect myStrip = ArtToControlsPicture(kLayoutGradPreviewStrip);
    EXPECT_EQ(myBackground.Row(myStrip.top)[myStrip.left], 201);
    EXPECT_EQ(myBackground.Row(myStrip.bottom - 1)[myStrip.right - 1], 245);
}

TEST(PicturesTest, TheBackgroundsAgree) {
    const Surface myExpanded = Draw(kPictureControls);
    const Surface myPressed = Draw(kPictureControlsPressed);
    const Surface myCollapsed = Draw(kPictureControlsCollapsed);
    // The collapsed window's part is the expanded background's top-left corner, pixel for pixel.
    for (int myY = 0; myY < myCollapsed.mHeight; ++myY)
        for (int myX = 0; myX < myCollapsed.mWidth; ++myX)
            ASSERT_EQ(myCollapsed.Row(myY)[myX], myExpanded.Row(myY)[myX]) << myX << ", " << myY;
    // The pressed background differs only inside controls, so copying a control's box from it shows that
    // control pressed and nothing else; and every control listed does look different there.
    std::vector<Rect> myControls = {kLayoutSongBox,     kLayoutStyleBox,          kLayoutSettingsButton,
                                    kLayoutDriveButton, kLayoutBrushEffectButton, kLayoutFillEffectButton,
                                    kLayoutEffButton,   kLayoutBeatLamp,          kLayoutGradPreviewArrows};
    for (const Rect* myBox : {&kLayoutCDBox, &kLayoutColorsBox, &kLayoutBeatBox, &kLayoutGradBox,
                              &kLayoutFillsBox, &kLayoutBrushesBox, &kLayoutMovesBox})
        myControls.push_back(LayoutIconRect(*myBox));
    for (int myColumn : {101, 103, 104, 105, 106}) {
        const int myX = kLayoutAnchors[myColumn - 101][0] + LayoutTriggerButtonOffset(myColumn);
        const int myY = kLayoutAnchors[myColumn - 101][1];
        myControls.push_back({myX, myY - 26, myX + 32, myY - 15});
    }
    for (const Rect* myList : {&kLayoutGradList, &kLayoutFillsList, &kLayoutBrushesList, &kLayoutMovesList})
        myControls.push_back({myList->right - kLayoutArrowZone, myList->top, myList->right, myList->bottom});
    for (const Rect& myControl : myControls) {
        const Rect myRect = ArtToControlsPicture(myControl);
        int myDifferent = 0;
        for (int myY = myRect.top; myY < myRect.bottom; ++myY)
            for (int myX = myRect.left; myX < myRect.right; ++myX)
                myDifferent += myExpanded.Row(myY)[myX] != myPressed.Row(myY)[myX];
        EXPECT_GT(myDifferent, 0) << myControl.left << ", " << myControl.top;
    }
    for (int myY = 0; myY < myExpanded.mHeight; ++myY)
        for (int myX = 0; myX < myExpanded.mWidth; ++myX) {
            if (myExpanded.Row(myY)[myX] == myPressed.Row(myY)[myX]) continue;
            bool myInControl = false;
            for (const Rect& myControl : myControls)
                myInControl =
                    myInControl || Inside({myX, myY, myX + 1, myY + 1}, ArtToControlsPicture(myControl));
            ASSERT_TRUE(myInControl) << "pressed look outside a control at " << myX << ", " << myY;
        }
}

TEST(PicturesTest, EachPictureIsTheStoredOne) {
    const bool myRewrite = std::getenv("ORBEX_REWRITE_GOLDEN") != nullptr;
    PaletteEntry myPalette[kPaletteSize];
    ArtTestPalette(myPalette);
    for (const Written& myWritten : kWritten) {
        const Surface mySurface = Draw(myWritten.mPicture);
        const std::filesystem::path myPath = GoldenPath(myWritten.mPicture);
        if (myRewrite) {
            std::filesystem::create_directories(myPath.parent_path());
            ASSERT_TRUE(ImageWritePng(myPath.string(), mySurface, myPalette));
        }
        Picture myGolden;
        ASSERT_TRUE(ReadPng(myPath, myGolden)) << myPath;
        ASSERT_EQ(myGolden.mWidth, mySurface.mWidth);
        ASSERT_EQ(myGolden.mHeight, mySurface.mHeight);
        int myDifferent = 0, myFirstX = -1, myFirstY = -1;
        for (int myY = 0; myY < mySurface.mHeight; ++myY)
            for (int myX = 0; myX < mySurface.mWidth; ++myX)
                if (myGolden.mPixels[static_cast<size_t>(myY) * myGolden.mWidth + myX] !=
                    mySurface.Row(myY)[myX]) {
                    if (myDifferent++ == 0) myFirstX = myX, myFirstY = myY;
                }
        EXPECT_EQ(myDifferent, 0) << "picture " << myWritten.mPicture << " differs from " << myPath
                                  << " first at (" << myFirstX << ", " << myFirstY << ")";
    }
}
