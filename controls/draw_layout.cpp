// The controls window's layout: the rectangles of every part, taken from the places the artwork gives them.
#include "controls/draw.h"
#include "controls/draw_parts.h"

#include "resources/controls_art.h"

int16_t gPanelPos[6][2] = {};
Rect gRectPanel, gRectPanelBox1, gRectPanelBox2, gRectPanelBox3, gRectHSlider;
Rect gRectSetBox, gRectEffect, gRectCDName, gRectEffMeter;
Rect gRectGrad, gRectFills, gRectBrushes, gRectMoves, gRectBrushColor, gRectFillColor;
Rect gRectMeter, gRectBeat, gRectManual, gRectStyle, gRectRave;
Rect gRectMeters[5], gRectSlidersHL[5];

namespace {
// The panel area's rows: a label and its box, 14 pixels high, every 16 pixels from under the title.
constexpr int kPanelRowTop = 69;
constexpr int kPanelRowStep = 16;
constexpr int kPanelRowHeight = 14;
constexpr int kPanelLeft = 12;
constexpr int kPanelRight = 199;
} // namespace

int DrawColumnOfChannel(int myChannel) {
    static const int kColumns[5] = {104, 103, 101, 105, 106};
    return myChannel >= 0 && myChannel < 5 ? kColumns[myChannel] : kColumnFirst;
}

int DrawButtonNumber(int myIndex) {
    return 1000 * (myIndex + 1) + LayoutButtonLeft(myIndex);
}

Rect DrawPanelRow(int myRow) {
    const int myTop = kPanelRowTop + kPanelRowStep * myRow;
    return {kPanelLeft, myTop, kPanelRight, myTop + kPanelRowHeight};
}

void InitSetSliderHLRect(Rect& myRect, int myColumn) {
    const int myX = gPanelPos[myColumn - kColumnFirst][0];
    const int myY = gPanelPos[myColumn - kColumnFirst][1];
    myRect = {myX + 74, myY - 24, myX + 81, myY - 17};
}

void InitSetThresholdMeterRect(Rect& myRect, int myColumn) {
    const int myX = gPanelPos[myColumn - kColumnFirst][0];
    const int myY = gPanelPos[myColumn - kColumnFirst][1];
    myRect = {myX + 4, myY - 23, myX + 68, myY - 18};
}

void InitControlsLayout() {
    for (int myColumn = 0; myColumn < 6; ++myColumn) {
        gPanelPos[myColumn][0] = static_cast<int16_t>(kLayoutAnchors[myColumn][0]);
        gPanelPos[myColumn][1] = static_cast<int16_t>(kLayoutAnchors[myColumn][1]);
    }
    gRectPanel = kLayoutPanelArea;
    const Rect myRow0 = DrawPanelRow(0), myRow1 = DrawPanelRow(1), myRow2 = DrawPanelRow(2);
    // The first two rows hold a label and its box; the box takes what the label leaves.
    gRectPanelBox1 = myRow0;
    gRectPanelBox2 = myRow1;
    gRectPanelBox3 = {163, myRow2.top, kPanelRight, myRow2.bottom};
    gRectHSlider = {39, DrawPanelRow(3).top + 1, 39 + 133, DrawPanelRow(3).top + 14};
    gRectSetBox = gRectPanelBox1;
    gRectEffect = gRectPanelBox2;
    gRectCDName = gRectPanelBox1;
    gRectEffMeter = {110, myRow0.top + 3, 174, myRow0.bottom - 3};
    gRectGrad = kLayoutGradList;
    gRectFills = kLayoutFillsList;
    gRectBrushes = kLayoutBrushesList;
    gRectMoves = kLayoutMovesList;
    gRectBrushColor = kLayoutBrushColorBar;
    gRectFillColor = kLayoutFillColorBar;
    gRectMeter = kLayoutMeter;
    gRectBeat = kLayoutBeatLamp;
    gRectManual = kLayoutManualButton;
    gRectStyle = kLayoutStyleBox;
    gRectRave = kLayoutSongBox;
    for (int myChannel = 0; myChannel < 5; ++myChannel) {
        const int myColumn = DrawColumnOfChannel(myChannel);
        InitSetThresholdMeterRect(gRectMeters[myChannel], myColumn);
        InitSetSliderHLRect(gRectSlidersHL[myChannel], myColumn);
    }
}

void DrawResetState() {
    DrawWindowResetState();
    DrawPanelResetState();
    DrawListsResetState();
    DrawMetersResetState();
    DrawLiveResetState();
}
