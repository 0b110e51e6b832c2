// The small drawing steps of the controls artwork: pixels, lines, frames and character-drawn patterns.
#include "resources/art_draw.h"

#include <cstring>

void ArtPixel(Surface& mySurface, int myX, int myY, uint8_t myIndex) {
    if (myX >= 0 && myY >= 0 && myX < mySurface.mWidth && myY < mySurface.mHeight)
        mySurface.Row(myY)[myX] = myIndex;
}

void ArtFill(Surface& mySurface, const Rect& myRect, uint8_t myIndex) {
    SurfaceFill(mySurface, myRect, myIndex);
}

void ArtHLine(Surface& mySurface, int myLeft, int myRight, int myY, uint8_t myIndex) {
    SurfaceFill(mySurface, {myLeft, myY, myRight, myY + 1}, myIndex);
}

void ArtVLine(Surface& mySurface, int myX, int myTop, int myBottom, uint8_t myIndex) {
    SurfaceFill(mySurface, {myX, myTop, myX + 1, myBottom}, myIndex);
}

void ArtFrame(Surface& mySurface, const Rect& myRect, uint8_t myIndex) {
    ArtBevel(mySurface, myRect, myIndex, myIndex);
}

void ArtBevel(Surface& mySurface, const Rect& myRect, uint8_t myTopLeft, uint8_t myBottomRight) {
    if (myRect.Width() <= 0 || myRect.Height() <= 0) return;
    ArtHLine(mySurface, myRect.left, myRect.right, myRect.top, myTopLeft);
    ArtVLine(mySurface, myRect.left, myRect.top, myRect.bottom, myTopLeft);
    ArtHLine(mySurface, myRect.left + 1, myRect.right, myRect.bottom - 1, myBottomRight);
    ArtVLine(mySurface, myRect.right - 1, myRect.top + 1, myRect.bottom, myBottomRight);
}

void ArtRoundFill(Surface& mySurface, const Rect& myRect, uint8_t myIndex) {
    if (myRect.Width() <= 2 || myRect.Height() <= 2) return;
    ArtFill(mySurface, {myRect.left + 1, myRect.top, myRect.right - 1, myRect.bottom}, myIndex);
    ArtVLine(mySurface, myRect.left, myRect.top + 1, myRect.bottom - 1, myIndex);
    ArtVLine(mySurface, myRect.right - 1, myRect.top + 1, myRect.bottom - 1, myIndex);
}

void ArtRoundFrame(Surface& mySurface, const Rect& myRect, uint8_t myIndex) {
    if (myRect.Width() <= 2 || myRect.Height() <= 2) return;
    ArtHLine(mySurface, myRect.left + 1, myRect.right - 1, myRect.top, myIndex);
    ArtHLine(mySurface, myRect.left + 1, myRect.right - 1, myRect.bottom - 1, myIndex);
    ArtVLine(mySurface, myRect.left, myRect.top + 1, myRect.bottom - 1, myIndex);
    ArtVLine(mySurface, myRect.right - 1, myRect.top + 1, myRect.bottom - 1, myIndex);
}

void ArtPattern(Surface& mySurface, int myX, int myY, const char* const* myRows, int myRowCount,
                const char* myKeys, const uint8_t* myInks) {
    for (int myRow = 0; myRow < myRowCount; ++myRow)
        for (int myColumn = 0; myRows[myRow][myColumn] != '\0'; ++myColumn) {
            const char* myKey = std::strchr(myKeys, myRows[myRow][myColumn]);
            if (myKey && *myKey != '\0')
                ArtPixel(mySurface, myX + myColumn, myY + myRow, myInks[myKey - myKeys]);
        }
}
