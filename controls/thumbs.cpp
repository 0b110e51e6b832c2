// Copying the slots' thumbnails, as the loaders leave them, into the controls artwork.
#include "controls/thumbs.h"

#include <algorithm>

#include "core/display.h"
#include "storage/components.h"

Rect DrawThumbRect(char myType, int mySlot) {
    const int myTop = 250 + 25 * mySlot;
    switch (myType) {
    case 'F':
        return {9, myTop, 9 + kFillThumbWidth, myTop + kThumbHeight};
    case 'B':
        return {139, myTop, 139 + kBrushThumbWidth, myTop + kThumbHeight};
    default:
        return {269, myTop, 269 + kMoveIconSide, myTop + kMoveIconSide};
    }
}

namespace {
// A slot never loaded has no thumbnail yet and shows black, as an empty one does.
void DrawThumb(const Surface& myThumb, const Rect& myPlace) {
    if (!myThumb.Exists()) {
        SurfaceFill(gWorldControls, myPlace, kColorBlack);
        return;
    }
    SurfaceCopy(
        gWorldControls, myPlace.left, myPlace.top, myThumb,
        {0, 0, std::min(myThumb.mWidth, myPlace.Width()), std::min(myThumb.mHeight, myPlace.Height())});
}
} // namespace

void DrawThumbnails() {
    if (!gWorldControls.Exists()) return;
    for (int i = 0; i < kFillSlots; ++i)
        DrawThumb(gFills[i].mThumb, DrawThumbRect('F', i));
    for (int i = 0; i < kBrushSlots; ++i)
        DrawThumb(gBrushes[i].mThumb, DrawThumbRect('B', i));
    for (int i = 0; i < kMoveSlots; ++i)
        DrawThumb(gMovements[i].mThumb, DrawThumbRect('M', i));
}
