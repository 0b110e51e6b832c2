// Test helper: how much of a rectangle of a picture is drawn.
#pragma once

#include "platform/surface.h"

// The pixels of myRect that are not black (index 0).
inline int TestCountDrawn(const Surface& mySurface, const Rect& myRect) {
    int myCount = 0;
    for (int y = myRect.top; y < myRect.bottom; ++y)
        for (int x = myRect.left; x < myRect.right; ++x)
            myCount += mySurface.Row(y)[x] != 0;
    return myCount;
}
