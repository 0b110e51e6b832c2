// The tracked popup menu: drawn into the controls window beside its control, it follows the cursor, the
// wheel and the keys while the frame loop goes on, scrolls long lists and previews the item resting under
// the cursor.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "controls/draw.h"
#include "controls/popup.h"
#include "controls/popup_parts.h"
#include "controls/preview.h"
#include "core/alert.h"
#include "core/display.h"
#include "core/state.h"
#include "engine/animate.h"
#include "platform/clock.h"
#include "resources/art_draw.h"
#include "resources/art_font.h"
#include "resources/controls_art.h"
#include "storage/pop_list.h"

PopHooks gPopHooks;

namespace {

constexpr int kPopBottomExpanded = 438;
constexpr int kPopBottomCollapsed = 143;
constexpr int kPopTopMost = 2;
constexpr int kPopTextLeft = 8;
constexpr int kPopTextRight = 10;
constexpr uint32_t kPopRestTime = 250;
constexpr int kPopScrollDelay = 150;
constexpr int kPopCornerWidth = 14;
constexpr uint8_t kPopPaper = 255;
constexpr uint8_t kPopInk = 0;
constexpr uint8_t kPopFrame = kArtCardShade;

struct Menu {
    Rect mBox;      // the frame included
    int mRows = 0;  // rows shown, the arrow rows included
    int mFirst = 0; // the first item shown
    bool mArrows = false;
    int mHilite = -1;
    int mMarked = -1;
};

Menu sMenu;
bool sOpen = false;

std::vector<long> PopOffsets() {
    std::vector<long> myOffsets;
    const size_t myLength = strnlen(gPopupList, kPopupListSize);
    size_t myStart = 0;
    for (size_t i = 0; i < myLength; ++i)
        if (gPopupList[i] == '\r') {
            myOffsets.push_back(static_cast<long>(myStart));
            myStart = i + 1;
        }
    if (myStart < myLength) myOffsets.push_back(static_cast<long>(myStart));
    return myOffsets;
}

// An item as shown: up to its carriage return, trailing blanks dropped, underscores as blanks.
std::string PopItemText(int myItem) {
    const long myOffset = PopItemOffset(myItem);
    if (myOffset < 0) return {};
    std::string myText;
    for (long i = myOffset; i < kPopupListSize && gPopupList[i] && gPopupList[i] != '\r'; ++i)
        myText += gPopupList[i] == '_' ? ' ' : gPopupList[i];
    while (!myText.empty() && myText.back() == ' ')
        myText.pop_back();
    return myText;
}

int PopVisibleItems() {
    return sMenu.mArrows ? sMenu.mRows - 2 : sMenu.mRows;
}

Rect PopRowRect(int myRow) {
    const int myTop = sMenu.mBox.top + 1 + myRow * kPopRowHeight;
    return {sMenu.mBox.left + 1, myTop, sMenu.mBox.right - 1, myTop + kPopRowHeight};
}

// The row of the window where an item shows, or -1 while it is scrolled out of sight.
int PopRowOfItem(int myItem) {
    const int myRow = myItem - sMenu.mFirst;
    if (myItem < 0 || myRow < 0 || myRow >= PopVisibleItems()) return -1;
    return sMenu.mArrows ? myRow + 1 : myRow;
}

void PopDrawArrows(const Rect& myRow, bool myUp) {
    if (!gWorldPopup.Exists()) return;
    const Rect myMiddle = myUp ? kArtScrollUp : kArtScrollDown;
    const Rect myCorner = myUp ? kArtScrollUpCorner : kArtScrollDownCorner;
    const int myTop = myRow.top + (kPopRowHeight - myMiddle.Height()) / 2;
    const int myMiddleZone = myRow.right - kPopCornerWidth;
    SurfaceCopyKeyed(DrawSurface(), myRow.left + (myMiddleZone - myRow.left - myMiddle.Width()) / 2, myTop,
                     gWorldPopup, myMiddle);
    SurfaceCopyKeyed(DrawSurface(), myRow.right - myCorner.Width() - 1, myTop, gWorldPopup, myCorner);
}

void PopDrawItem(int myItem) {
    const int myRow = PopRowOfItem(myItem);
    if (myRow < 0) return;
    const Rect myRect = PopRowRect(myRow);
    const bool myInverted = myItem == sMenu.mHilite;
    Surface& mySurface = DrawSurface();
    SurfaceFill(mySurface, myRect, myInverted ? kPopInk : kPopPaper);
    if (PopIsSeparator(myItem)) {
        const int myMiddle = myRect.top + kPopRowHeight / 2;
        SurfaceFill(mySurface, {myRect.left + 2, myMiddle, myRect.right - 2, myMiddle + 1}, kPopFrame);
        return;
    }
    ArtText(mySurface, myRect.left + kPopTextLeft, myRect.top + (kPopRowHeight + kArtFontCapHeight) / 2,
            PopItemText(myItem).c_str(), myInverted ? kPopPaper : kPopInk, kArtFontPlain, 0);
    if (myItem == sMenu.mMarked) {
        const uint8_t myInk = myInverted ? kPopPaper : kPopInk;
        const Rect myFrame{myRect.left + 2, myRect.top + 1, myRect.right - 2, myRect.bottom - 1};
        SurfaceFill(mySurface, {myFrame.left, myFrame.top, myFrame.right, myFrame.top + 1}, myInk);
        SurfaceFill(mySurface, {myFrame.left, myFrame.bottom - 1, myFrame.right, myFrame.bottom}, myInk);
        SurfaceFill(mySurface, {myFrame.left, myFrame.top, myFrame.left + 1, myFrame.bottom}, myInk);
        SurfaceFill(mySurface, {myFrame.right - 1, myFrame.top, myFrame.right, myFrame.bottom}, myInk);
    }
}

void PopDrawMenu() {
    Surface& mySurface = DrawSurface();
    SurfaceFill(mySurface, sMenu.mBox, kPopFrame);
    SurfaceFill(mySurface,
                {sMenu.mBox.left + 1, sMenu.mBox.top + 1, sMenu.mBox.right - 1, sMenu.mBox.bottom - 1},
                kPopPaper);
    for (int i = 0; i < PopVisibleItems(); ++i)
        PopDrawItem(sMenu.mFirst + i);
    if (sMenu.mArrows) {
        PopDrawArrows(PopRowRect(0), true);
        PopDrawArrows(PopRowRect(sMenu.mRows - 1), false);
    }
    WindowPresent(kWinControls);
}

// Places the menu: beside the control, within the window, moved up where the list would run past the bottom.
void PopLayout(const Rect& myBeside, int myCount, int myMarked) {
    int myWidth = 0;
    for (int i = 0; i < myCount; ++i)
        if (!PopIsSeparator(i))
            myWidth = std::max(myWidth, ArtTextWidth(PopItemText(i).c_str(), kArtFontPlain, 0));
    const Surface& mySurface = DrawSurface();
    const int myWindowRight = std::max(mySurface.mWidth - 2, 2);
    myWidth = std::clamp(myWidth + kPopTextLeft + kPopTextRight + 2, 40, myWindowRight - 2);
    int myLeft = myBeside.right;
    if (myLeft + myWidth > myWindowRight) myLeft = myBeside.left - myWidth;
    myLeft = std::clamp(myLeft, 2, myWindowRight - myWidth);
    const int myBottom =
        std::min(gStateExpand ? kPopBottomExpanded : kPopBottomCollapsed, mySurface.mHeight - 2);
    int myTop = std::min(myBeside.top, myBottom - myCount * kPopRowHeight - 2);
    myTop = std::clamp(myTop, kPopTopMost, std::max(myBottom - kPopRowHeight - 2, kPopTopMost));
    sMenu.mRows = std::max(1, std::min(myCount, (myBottom - myTop - 2) / kPopRowHeight));
    sMenu.mArrows = myCount > sMenu.mRows && sMenu.mRows >= 3;
    if (!sMenu.mArrows) sMenu.mRows = std::min(myCount, sMenu.mRows);
    sMenu.mBox = {myLeft, myTop, myLeft + myWidth, myTop + sMenu.mRows * kPopRowHeight + 2};
    sMenu.mFirst = 0;
    sMenu.mMarked = myMarked;
    sMenu.mHilite = -1;
    if (myMarked >= PopVisibleItems())
        sMenu.mFirst = std::min(myMarked - PopVisibleItems() / 2, myCount - PopVisibleItems());
}

bool PopIn(const Rect& myRect, int myX, int myY) {
    return myX >= myRect.left && myX < myRect.right && myY >= myRect.top && myY < myRect.bottom;
}

// What lies under a point of the window: an item, or a scroll arrow (-2 up, -3 down), or nothing (-1).
constexpr int kPopNothing = -1;
constexpr int kPopArrowUp = -2;
constexpr int kPopArrowDown = -3;
int PopHit(int myX, int myY) {
    const Rect myInside{sMenu.mBox.left + 1, sMenu.mBox.top + 1, sMenu.mBox.right - 1, sMenu.mBox.bottom - 1};
    if (!PopIn(myInside, myX, myY)) return kPopNothing;
    const int myRow = (myY - myInside.top) / kPopRowHeight;
    if (sMenu.mArrows && myRow == 0) return kPopArrowUp;
    if (sMenu.mArrows && myRow == sMenu.mRows - 1) return kPopArrowDown;
    const int myItem = sMenu.mFirst + myRow - (sMenu.mArrows ? 1 : 0);
    return myItem < PopItemCount() ? myItem : kPopNothing;
}

void PopScrollTo(int myFirst) {
    myFirst = std::clamp(myFirst, 0, std::max(PopItemCount() - PopVisibleItems(), 0));
    if (myFirst == sMenu.mFirst) return;
    sMenu.mFirst = myFirst;
    PopDrawMenu();
}

// The next item that can be chosen from myFrom in steps of myStep (clamped to the list's ends).
int PopStep(int myFrom, int myStep) {
    const int myCount = PopItemCount();
    int myItem = std::clamp(myFrom + myStep, 0, myCount - 1);
    const int myDirection = myStep < 0 ? -1 : 1;
    while (myItem >= 0 && myItem < myCount && PopIsSeparator(myItem))
        myItem += myDirection;
    if (myItem < 0 || myItem >= myCount) {
        myItem = std::clamp(myFrom + myStep, 0, myCount - 1);
        while (myItem >= 0 && myItem < myCount && PopIsSeparator(myItem))
            myItem -= myDirection;
    }
    return myItem >= 0 && myItem < myCount ? myItem : -1;
}

struct Tracking {
    void (*mPreview)(int myItem) = nullptr;
    uint32_t mRestStart = 0;
    bool mPreviewed = false;
    uint32_t mNextScroll = 0;
    int mCursorX = -1, mCursorY = -1;
};

void PopSetHilite(Tracking& myTrack, int myItem) {
    if (myItem >= 0 && PopIsSeparator(myItem)) myItem = -1;
    if (myItem == sMenu.mHilite) return;
    const int myOld = sMenu.mHilite;
    sMenu.mHilite = myItem;
    PopDrawItem(myOld);
    PopDrawItem(myItem);
    WindowPresent(kWinControls);
    myTrack.mRestStart = ClockTicks();
    if (myTrack.mPreviewed && myTrack.mPreview) {
        myTrack.mPreview(-1);
        PopDrawMenu();
    }
    myTrack.mPreviewed = false;
}

// A key of the menu: the arrows and page keys move the inverted item, Enter chooses, Escape closes.
bool PopKey(Tracking& myTrack, uint32_t myKey, bool* myChosen) {
    const int myPage = std::max(PopVisibleItems() - 1, 1);
    int myTarget = sMenu.mHilite;
    switch (myKey) {
    case kVKUp:
        myTarget = sMenu.mHilite < 0 ? PopStep(PopItemCount(), -1) : PopStep(sMenu.mHilite, -1);
        break;
    case kVKDown:
        myTarget = PopStep(sMenu.mHilite, 1);
        break;
    case kVKPrior:
        myTarget = PopStep(std::max(sMenu.mHilite, 0), -myPage);
        break;
    case kVKNext:
        myTarget = PopStep(std::max(sMenu.mHilite, 0), myPage);
        break;
    case kVKHome:
        myTarget = PopStep(-1, 1);
        break;
    case kVKEnd:
        myTarget = PopStep(PopItemCount(), -1);
        break;
    case kVKReturn:
        *myChosen = sMenu.mHilite >= 0;
        return true;
    case kVKEscape:
        return true;
    default:
        return false;
    }
    if (myTarget >= 0) {
        if (myTarget < sMenu.mFirst) PopScrollTo(myTarget);
        if (myTarget >= sMenu.mFirst + PopVisibleItems()) PopScrollTo(myTarget - PopVisibleItems() + 1);
        PopSetHilite(myTrack, myTarget);
    }
    return false;
}

// Follows the cursor: the item under it, the scroll arrows while it rests on them, and the preview.
void PopFollowCursor(Tracking& myTrack) {
    int myX = -1, myY = -1;
    if (!WindowCursorPosition(kWinControls, &myX, &myY)) myX = myY = -1;
    const uint32_t myNow = ClockTicks();
    const int myHit = PopHit(myX, myY);
    if (myX != myTrack.mCursorX || myY != myTrack.mCursorY) {
        myTrack.mCursorX = myX;
        myTrack.mCursorY = myY;
        PopSetHilite(myTrack, myHit >= 0 ? myHit : -1);
    }
    if ((myHit == kPopArrowUp || myHit == kPopArrowDown) &&
        static_cast<int32_t>(myNow - myTrack.mNextScroll) >= 0) {
        const Rect myRow = PopRowRect(myHit == kPopArrowUp ? 0 : sMenu.mRows - 1);
        const bool myCorner = myX >= myRow.right - kPopCornerWidth;
        const int myEnd = myHit == kPopArrowUp ? 0 : PopItemCount();
        if (myCorner) {
            PopScrollTo(myEnd);
        } else {
            PopScrollTo(sMenu.mFirst + (myHit == kPopArrowUp ? -1 : 1));
            // Slowest at the arrow's left end, fastest at its right.
            const int myZone = myRow.Width() - kPopCornerWidth;
            myTrack.mNextScroll =
                myNow + static_cast<uint32_t>(std::max(myRow.right - kPopCornerWidth - myX, 0) *
                                              kPopScrollDelay / std::max(myZone, 1));
        }
    }
    if (sMenu.mHilite >= 0 && !myTrack.mPreviewed && myNow - myTrack.mRestStart >= kPopRestTime) {
        myTrack.mPreviewed = true;
        if (myTrack.mPreview) {
            myTrack.mPreview(sMenu.mHilite);
            PopDrawMenu();
        }
    }
}

} // namespace

int PopItemCount() {
    return static_cast<int>(PopOffsets().size());
}

long PopItemOffset(int myItem) {
    const std::vector<long> myOffsets = PopOffsets();
    return myItem >= 0 && myItem < static_cast<int>(myOffsets.size()) ? myOffsets[myItem] : -1;
}

bool PopIsSeparator(int myItem) {
    const long myOffset = PopItemOffset(myItem);
    return myOffset < 0 || std::strncmp(gPopupList + myOffset, "---", 3) == 0;
}

PopMenuView PopMenuShown() {
    if (!sOpen) return {};
    return {sMenu.mBox, sMenu.mFirst, sMenu.mRows, sMenu.mArrows, sMenu.mHilite, sMenu.mMarked};
}

PopChoice PopTrack(const Rect& myBeside, int myMarked, void (*myPreview)(int myItem)) {
    PopChoice myChoice;
    const int myCount = PopItemCount();
    if (myCount == 0 || !DrawSurface().Exists()) return myChoice;
    PopLayout(myBeside, myCount, myMarked);
    sOpen = true;
    PopDrawMenu();
    Tracking myTrack;
    myTrack.mPreview = myPreview;
    WindowCursorPosition(kWinControls, &myTrack.mCursorX, &myTrack.mCursorY);
    const uint8_t myLoop = gStateLoop;
    gStateLoop = 1;
    bool myDone = false, myChosen = false;
    Message myMessage;
    while (!myDone && gStateRunning) {
        if (!WindowPeekMessage(myMessage, true)) {
            AnimateMain();
            PopFollowCursor(myTrack);
            PreviewStep();
            continue;
        }
        switch (myMessage.mKind) {
        case kMsgButtonDown:
            myDone = true;
            if (myMessage.mWindow == kWinControls) {
                const int myHit = PopHit(myMessage.mX, myMessage.mY);
                sMenu.mHilite = myHit >= 0 && !PopIsSeparator(myHit) ? myHit : -1;
                myChosen = sMenu.mHilite >= 0;
            } else if (myMessage.mWindow == kWinAlert && gStateAlert && gPopHooks.mDispatch) {
                gPopHooks.mDispatch(myMessage);
            } else if (myMessage.mWindow == kWinPaint) {
                WindowActivate(kWinControls);
            }
            break;
        case kMsgKeyDown:
            myDone = PopKey(myTrack, myMessage.mWParam, &myChosen);
            break;
        case kMsgMouseWheel:
            // Three rows a notch, as long lists scroll elsewhere on the desktop.
            if (myMessage.mWindow == kWinControls) PopScrollTo(sMenu.mFirst - myMessage.mLParam * 3);
            break;
        case kMsgButtonUp:
        case kMsgMouseMove:
        case kMsgChar:
            break;
        case kMsgPaint:
            if (myMessage.mWindow == kWinControls) {
                PopDrawMenu();
            } else if (gPopHooks.mDispatch) {
                gPopHooks.mDispatch(myMessage);
            }
            break;
        case kMsgClose:
        case kMsgEnd:
        case kMsgQuit:
        case kMsgMinimize:
        case kMsgRenderDone:
            // The window or the program is going: the menu closes and the message is handled after it.
            WindowPushMessage(myMessage);
            myDone = true;
            break;
        case kMsgActivate:
            if (myMessage.mWParam == 0 && myMessage.mLParam == kWinNone) {
                WindowPushMessage(myMessage);
                myDone = true;
            } else if (gPopHooks.mDispatch) {
                gPopHooks.mDispatch(myMessage);
            }
            break;
        default:
            if (gPopHooks.mDispatch) gPopHooks.mDispatch(myMessage);
            break;
        }
    }
    gStateLoop = myLoop;
    // Return and Escape type a character after their key: it belongs to the menu they closed, not to what
    // the choice opens next (a TEXT ENTRY field it would send empty, or the cues it would apply).
    Message myTyped;
    if (myMessage.mKind == kMsgKeyDown && WindowPeekMessage(myTyped, false) && myTyped.mKind == kMsgChar &&
        (myTyped.mWParam == 13 || myTyped.mWParam == 27))
        WindowPeekMessage(myTyped, true);
    if (myChosen) {
        myChoice.mItem = sMenu.mHilite;
        myChoice.mMods = myMessage.mMods;
        myChoice.mTime = myMessage.mTime;
    }
    sOpen = false;
    return myChoice;
}

void PopGetName(long myOffset, char* myName) {
    int myLength = 0;
    if (myOffset >= 0 && myOffset < kPopupListSize)
        for (long i = myOffset; i < kPopupListSize && gPopupList[i] && gPopupList[i] != '\r' && myLength < 27;
             ++i)
            myName[myLength++] = gPopupList[i] == ' ' ? '_' : gPopupList[i];
    while (myLength > 0 && myName[myLength - 1] == '_')
        --myLength;
    myName[myLength] = 0;
}

void PopTrackResetState() {
    sMenu = Menu();
    sOpen = false;
}
