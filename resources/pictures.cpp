// The built-in pictures by number: each made at its size and drawn by its own part of the artwork.
#include "resources/pictures.h"

#include "resources/picture_parts.h"

bool ResourceDrawPicture(int myPicture, Surface& mySurface) {
    struct Size {
        int mPicture, mWidth, mHeight;
    };
    static const Size kSizes[] = {{128, 145, 71},  {129, 108, 38}, {130, 390, 409}, {131, 390, 409},
                                  {132, 272, 34},  {133, 143, 40}, {134, 100, 17},  {135, 192, 26},
                                  {136, 199, 114}, {137, 17, 13},  {138, 22, 14}};
    for (const Size& mySize : kSizes) {
        if (mySize.mPicture != myPicture) continue;
        if (!SurfaceCreate(mySurface, mySize.mWidth, mySize.mHeight)) return false;
        switch (myPicture) {
        case kPictureSplash:
            ResourceDrawSplash(mySurface);
            break;
        case kPictureBanner:
            ResourceDrawBanner(mySurface);
            break;
        case kPictureControls:
            ResourceDrawBackground(mySurface, false);
            break;
        case kPictureControlsPressed:
            ResourceDrawBackground(mySurface, true);
            break;
        case kPictureButtons:
            ResourceDrawButtons(mySurface);
            break;
        case kPictureIcons:
            ResourceDrawIcons(mySurface);
            break;
        case kPictureDisplay:
            ResourceDrawDigits(mySurface);
            break;
        case kPicturePanelArt:
            ResourceDrawPanelArt(mySurface);
            break;
        case kPictureControlsCollapsed:
            ResourceDrawBackground(mySurface, false);
            break;
        case kPictureArrows:
            ResourceDrawArrows(mySurface);
            break;
        case kPicturePopup:
            ResourceDrawScrollArrows(mySurface);
            break;
        default:
            break;
        }
        return true;
    }
    return false;
}
