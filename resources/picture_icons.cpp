// Picture 133: the seven column icons raised and pressed, and the colour markers.
#include "resources/art_draw.h"
#include "resources/art_widgets.h"
#include "resources/controls_art.h"
#include "resources/picture_parts.h"

namespace {
void DrawMarker(Surface& mySurface, const Rect& myRect, uint8_t myFace, uint8_t myLight) {
    // A slim pointer standing across the colour bar: dark edges, a bright middle line.
    ArtFill(mySurface, myRect, kArtOutline);
    ArtVLine(mySurface, myRect.left + 1, myRect.top + 1, myRect.bottom - 1, myFace);
    ArtPixel(mySurface, myRect.left + 1, myRect.top + 1, myLight);
    ArtPixel(mySurface, myRect.left + 1, myRect.bottom - 2, myLight);
}
} // namespace

void ResourceDrawIcons(Surface& mySurface) {
    ArtFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kArtClear);
    for (int myIcon = 0; myIcon < kArtIconCount; ++myIcon) {
        // Raised: frame and symbol only, the face left clear so the symbol can stand alone in panel titles.
        const Rect myRaised = ArtIconRect(myIcon, false);
        ArtDrawIconSymbol(mySurface, myRaised.left + 2, myRaised.top + 2, myIcon);
        ArtDrawIconFrame(mySurface, myRaised.left, myRaised.top, false);
        const Rect myPressed = ArtIconRect(myIcon, true);
        ArtDrawIconButton(mySurface, myPressed.left, myPressed.top, myIcon, true);
    }
    DrawMarker(mySurface, kArtColorMarker, kArtHighlight, kArtHighlight);
    DrawMarker(mySurface, kArtColorMarkerCued, kArtCueLight, kArtHighlight);
}
