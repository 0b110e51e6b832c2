// The expanded controls' lists and boxes: component names with the current and cued rows framed, the colour
// markers, the song or rave box, the style box, the track number and the small buttons beside them.
#include <cstdio>
#include <cstring>

#include "controls/draw.h"
#include "controls/draw_parts.h"
#include "core/display.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/kinds.h"
#include "engine/movement.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "resources/art_draw.h"
#include "resources/controls_art.h"

int8_t gHiliteList[4] = {-1, -1, -1, -1};

namespace {

constexpr uint8_t kNameInk = 255;
constexpr uint8_t kFrameCurrent = 250;
constexpr uint8_t kFrameCued = 249;

struct ListPlace {
    int mKind;
    const Rect* mList;
    int mRows;
    int mRowHeight;
    int mNameLeft; // from the row's left edge
};

const ListPlace kLists[4] = {
    {kEditGradient, &gRectGrad, kGradSlots, kLayoutGradRowHeight, 0},
    {kEditFill, &gRectFills, kFillSlots, kLayoutListRowHeight, kLayoutListNameLeft},
    {kEditBrush, &gRectBrushes, kBrushSlots, kLayoutListRowHeight, kLayoutListNameLeft},
    {kEditMove, &gRectMoves, kMoveSlots, kLayoutListRowHeight, kLayoutListNameLeft}};

int DrawListIndex(int myKind) {
    for (int myIndex = 0; myIndex < 4; ++myIndex)
        if (kLists[myIndex].mKind == myKind) return myIndex;
    return 0;
}

const char* DrawListName(int myKind, int myRow) {
    return KindName(*KindOfEdit(myKind), myRow);
}

int DrawListCurrent(int myKind) {
    return *KindOfEdit(myKind)->mCurrent;
}

// The row a cued change of the list's kind would select, or -1.
int DrawListCued(int myKind, int myRows) {
    int myValue = gCueList[myKind];
    if (myKind == kEditFill) myValue = gCueFill;
    if (myValue == kNotSet || myValue < 1 || myValue > myRows) return -1;
    return myValue - 1;
}

void DrawListRow(const ListPlace& myPlace, int myRow, bool myRestore) {
    const Rect myRowRect = LayoutListRow(*myPlace.mList, myRow, myPlace.mRowHeight);
    if (myRestore) DrawFromControls(myRowRect, 0);
    const Rect myNameRect{myRowRect.left + myPlace.mNameLeft, myRowRect.top,
                          myRowRect.right - kLayoutArrowZone, myRowRect.bottom};
    DrawTruncatedText(DrawListName(myPlace.mKind, myRow), myNameRect, kNameInk);
}

void DrawMarker(const Rect& myBar, int myTop, int myColor, int myCued) {
    DrawFromControls({myBar.left - 1, myTop, myBar.right + 2, myTop + 13}, 0);
    const bool myShowCue = myCued >= 1 && myCued <= 120;
    const int myValue = myShowCue ? myCued : myColor;
    if (myValue < 1 || myValue > 120) return;
    const int myX = 120 - (myValue - 1) * 112 / 120;
    SurfaceCopyKeyed(DrawSurface(), myX, myTop, gWorldIcons,
                     myShowCue ? kArtColorMarkerCued : kArtColorMarker);
}

// A mini button of the window (face from the panel art) with its word centred.
void DrawWindowButton(const Rect& myRect, bool myLit, const char* myText) {
    DrawBasicButton(myRect, myLit, myText);
}

} // namespace

void DrawRectHilite(uint8_t myKind, const Rect* myRect, uint8_t myRowHeight, unsigned short myNames) {
    (void)myRect;
    (void)myRowHeight;
    (void)myNames;
    const int myIndex = DrawListIndex(myKind);
    const ListPlace& myPlace = kLists[myIndex];
    const int myCued = DrawListCued(myKind, myPlace.mRows);
    const int myRow = myCued >= 0 ? myCued : static_cast<uint8_t>(DrawListCurrent(myKind)) % myPlace.mRows;
    if (gHiliteList[myIndex] >= 0 && gHiliteList[myIndex] != myRow)
        DrawListRow(myPlace, gHiliteList[myIndex], true);
    ArtFrame(DrawSurface(), LayoutListRow(*myPlace.mList, myRow, myPlace.mRowHeight),
             myCued >= 0 ? kFrameCued : kFrameCurrent);
    gHiliteList[myIndex] = static_cast<int8_t>(myRow);
}

void DrawAllHilites() {
    for (const ListPlace& myPlace : kLists)
        DrawRectHilite(static_cast<uint8_t>(myPlace.mKind), myPlace.mList,
                       static_cast<uint8_t>(myPlace.mRowHeight), 0);
}

void DrawNames() {
    for (int myIndex = 0; myIndex < 4; ++myIndex) {
        for (int myRow = 0; myRow < kLists[myIndex].mRows; ++myRow)
            DrawListRow(kLists[myIndex], myRow, true);
        gHiliteList[myIndex] = -1;
    }
}

void DrawBrushColor(uint8_t myRestore) {
    (void)myRestore;
    DrawMarker(gRectBrushColor, kLayoutBrushMarkerTop, gStyle.mBrushColor, gCueList[kEditBrushColor]);
}

void DrawFillColor(uint8_t myRestore) {
    (void)myRestore;
    DrawMarker(gRectFillColor, kLayoutFillMarkerTop, gStyle.mFillColor, gCueList[kEditFillColor]);
}

namespace {
const CDSet* DrawTrackSet() {
    return gTrackCurrent >= 0 && gTrackCurrent < kTracksMax ? &gCDSet[static_cast<int>(gTrackCurrent)]
                                                            : nullptr;
}
} // namespace

bool DrawTrackHasRave() {
    const CDSet* mySet = DrawTrackSet();
    return mySet && mySet->mAttach;
}

const char* DrawTrackTitle() {
    const CDSet* mySet = DrawTrackSet();
    return mySet && mySet->mName[0] ? mySet->mName : "No Title";
}

// The song box: the track and its title from the disc's RaveSet; a track with a rave attached reads "Rave:"
// in blue.
void DrawRaveBox(uint8_t myFlash) {
    (void)myFlash;
    DrawFromControls(kLayoutSongLabel, 0);
    DrawFromControls(kLayoutSongBox, 0);
    const bool myRave = DrawTrackHasRave();
    DrawRightText(
        myRave ? "Rave:" : "Song:",
        {kLayoutSongLabel.left, kLayoutSongLabel.top, kLayoutSongLabel.right - 3, kLayoutSongLabel.bottom},
        kArtCardLight);
    char myText[48];
    if (gTrackCurrent < 0)
        std::snprintf(myText, sizeof(myText), "No Title");
    else
        std::snprintf(myText, sizeof(myText), "%d: %.*s", gTrackCurrent + 1, kCDNameSize - 1,
                      DrawTrackTitle());
    DrawTruncatedText(myText, gRectRave, myRave ? 252 : 0);
}

// The last seconds of a song: a green frame round the box blinks on and off, once a half second.
void DrawRaveFlash(bool myOn) {
    const Rect myFrame{gRectRave.left - 1, gRectRave.top - 1, gRectRave.right + 1, gRectRave.bottom + 1};
    if (myOn)
        ArtFrame(DrawSurface(), myFrame, 250);
    else
        DrawClearRaveRect();
}

void DrawClearRaveRect() {
    const Rect myFrame{gRectRave.left - 1, gRectRave.top - 1, gRectRave.right + 1, gRectRave.bottom + 1};
    for (const Rect& myEdge : {Rect{myFrame.left, myFrame.top, myFrame.right, myFrame.top + 1},
                               Rect{myFrame.left, myFrame.bottom - 1, myFrame.right, myFrame.bottom},
                               Rect{myFrame.left, myFrame.top, myFrame.left + 1, myFrame.bottom},
                               Rect{myFrame.right - 1, myFrame.top, myFrame.right, myFrame.bottom}})
        DrawFromControls(myEdge, 0);
}

void DrawDisplayCDTrack() {
    if (gTrackCurrent < 0) {
        DrawFromControls(kLayoutTrackDigits, 0);
        return;
    }
    const int myNumber = (gTrackCurrent + 1) % 100;
    SurfaceCopyKeyed(DrawSurface(), kLayoutTrackDigits.left, kLayoutTrackDigits.top, gWorldDisplay,
                     ArtDigitRect(myNumber / 10));
    SurfaceCopyKeyed(DrawSurface(), kLayoutTrackDigits.left + kArtDigitWidth, kLayoutTrackDigits.top,
                     gWorldDisplay, ArtDigitRect(myNumber % 10));
}

void DrawStyleBox() {
    DrawFromControls(gRectStyle, 0);
    DrawTruncatedText(gStyle.mStyleName, gRectStyle, 0);
}

void DrawManualButton() {
    DrawWindowButton(gRectManual, gStateManual, "Manual");
}

void DrawFreqVolButtons() {
    DrawWindowButton(kLayoutFreButton, !gStateVolume, "Fre.");
    DrawWindowButton(kLayoutVolButton, gStateVolume, "Vol.");
}

void DrawListsResetState() {
    for (int8_t& myRow : gHiliteList)
        myRow = -1;
}
