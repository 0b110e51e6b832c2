// Copying the slots' thumbnails, as the loaders leave them, into the controls artwork.
#include "controls/thumbs.h"

#include <algorithm>

#include "core/display.h"
#include "resources/controls_art.h"
#include "storage/components.h"

Rect DrawThumbRect(char myType, int mySlot) {
    const Rect& myList = myType == 'F'   ? kLayoutFillsList
                         : myType == 'B' ? kLayoutBrushesList
                                         : kLayoutMovesList;
    const Rect myRow = LayoutListRow(myList, mySlot, kLayoutListRowHeight);
    // The artwork lies in the window from its origin: the well's place in the window, moved into the picture.
    return ArtToControlsPicture(
        {myRow.left + 1, myRow.top + 1, myRow.left + 1 + kLayoutThumbSize, myRow.top + 1 + kLayoutThumbSize});
}

namespace {
// A thumbnail wider or taller than its well shows its middle; a slot never loaded shows black, as an empty
// one does.
void DrawThumb(const Surface& myThumb, const Rect& myWell) {
    SurfaceFill(gWorldControls, myWell, kColorBlack);
    if (!myThumb.Exists()) return;
    const int myWidth = std::min(myThumb.mWidth, myWell.Width());
    const int myHeight = std::min(myThumb.mHeight, myWell.Height());
    const int myLeft = (myThumb.mWidth - myWidth) / 2, myTop = (myThumb.mHeight - myHeight) / 2;
    SurfaceCopy(gWorldControls, myWell.left + (myWell.Width() - myWidth) / 2,
                myWell.top + (myWell.Height() - myHeight) / 2, myThumb,
                {myLeft, myTop, myLeft + myWidth, myTop + myHeight});
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
