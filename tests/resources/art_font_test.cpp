// The artwork's pixel font: every printable character has a glyph, widths add up, and texts land where asked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "resources/art_font.h"

namespace {
// The box that holds the non-zero pixels of a surface.
Rect Inked(const Surface& mySurface) {
    Rect myBox = {mySurface.mWidth, mySurface.mHeight, 0, 0};
    for (int myY = 0; myY < mySurface.mHeight; ++myY)
        for (int myX = 0; myX < mySurface.mWidth; ++myX)
            if (mySurface.Row(myY)[myX] != 0) {
                myBox.left = std::min(myBox.left, myX);
                myBox.top = std::min(myBox.top, myY);
                myBox.right = std::max(myBox.right, myX + 1);
                myBox.bottom = std::max(myBox.bottom, myY + 1);
            }
    return myBox;
}
} // namespace

TEST(ArtFontTest, EveryPrintableCharacterHasAGlyphThatInksWithinItsWidth) {
    for (char myChar = 32; myChar < 127; ++myChar) {
        const std::string myText(1, myChar);
        const int myWidth = ArtTextWidth(myText.c_str(), kArtFontPlain, 0);
        EXPECT_GT(myWidth, 0) << "'" << myChar << "'";
        Surface mySurface;
        ASSERT_TRUE(SurfaceCreate(mySurface, 20, 20));
        ArtText(mySurface, 5, 10, myText.c_str(), 1, kArtFontPlain, 0);
        if (myChar == ' ') {
            EXPECT_EQ(Inked(mySurface).right, 0) << "a blank draws nothing";
            continue;
        }
        const Rect myInk = Inked(mySurface);
        EXPECT_GE(myInk.left, 5) << myChar;
        EXPECT_LE(myInk.right, 5 + myWidth) << myChar;
        // Nothing above the capitals, nothing below the descenders.
        EXPECT_GE(myInk.top, 10 - kArtFontCapHeight) << myChar;
        EXPECT_LE(myInk.bottom, 12) << myChar;
    }
    // Characters outside the font are skipped rather than drawn as something else.
    EXPECT_EQ(ArtTextWidth("\x01\xe9", kArtFontPlain, 0), 0);
}

TEST(ArtFontTest, WidthsTrackingAndBoldAddUp) {
    const int myA = ArtTextWidth("A", kArtFontPlain, 0), myI = ArtTextWidth("i", kArtFontPlain, 0);
    EXPECT_EQ(ArtTextWidth("Ai", kArtFontPlain, 0), myA + 1 + myI);
    EXPECT_EQ(ArtTextWidth("Ai", kArtFontPlain, 2), myA + 3 + myI);
    EXPECT_EQ(ArtTextWidth("Ai", kArtFontBold, 0), myA + 1 + myI + 2);
    EXPECT_EQ(ArtTextWidth("", kArtFontBold, 1), 0);
}

TEST(ArtFontTest, TextsSitOnTheirBaselineAndCentre) {
    Surface mySurface;
    ASSERT_TRUE(SurfaceCreate(mySurface, 60, 30));
    ArtText(mySurface, 3, 20, "Hp", 7, kArtFontPlain, 0);
    Rect myInk = Inked(mySurface);
    EXPECT_EQ(myInk.top, 20 - kArtFontCapHeight);
    EXPECT_EQ(myInk.bottom, 22) << "the p's descender goes two rows below the baseline";
    EXPECT_EQ(myInk.left, 3);

    SurfaceFill(mySurface, {0, 0, 60, 30}, 0);
    ArtTextCentered(mySurface, {10, 5, 50, 21}, "HH", 7, kArtFontBold, 1);
    myInk = Inked(mySurface);
    EXPECT_EQ(myInk.left - 10, 50 - myInk.right);
    EXPECT_LE(std::abs((myInk.top - 5) - (21 - myInk.bottom)), 1) << "capitals in the middle, to a pixel";
}
