// Picture 134: the track number's ten digits, seven segments each.
#include "resources/art_widgets.h"
#include "resources/controls_art.h"
#include "resources/picture_parts.h"

void ResourceDrawDigits(Surface& mySurface) {
    for (int myDigit = 0; myDigit < 10; ++myDigit) {
        const Rect myRect = ArtDigitRect(myDigit);
        ArtDrawDigit(mySurface, myRect.left, myRect.top, myDigit);
    }
}
