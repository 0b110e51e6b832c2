// Clicks in the controls window: the main buttons of the top row, and the column icons that open panels.
#include "controls/mouse.h"

#include "controls/app_window.h"
#include "controls/draw.h"
#include "controls/key.h"
#include "controls/mousekey.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "music/music.h"
#include "platform/window.h"
#include "resources/controls_art.h"

namespace {

bool MouseIn(const Rect& myRect, int myX, int myY) {
    return myX >= myRect.left && myX < myRect.right && myY >= myRect.top && myY < myRect.bottom;
}

void MouseEdit(int myKind, int myValue, uint8_t myClass, uint32_t myElapsed) {
    ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myValue), myElapsed,
                 static_cast<EditMode>(myClass), {1, myClass < kClassCue, 1});
    gStateClearTrails = 1;
}

// Rewind or fast forward: the button shows pressed, and the controls follow the position, while it is held.
void MouseFastSkip(int myIndex, int myDirection) {
    const auto myNumber = static_cast<short>(DrawButtonNumber(myIndex));
    DrawControlButton(myNumber, 1, 0);
    gStateLoop = 1;
    MusicFastSkip(myDirection, DrawUpdateLive);
    gStateLoop = 0;
    DrawControlButton(myNumber, 0, 0);
}

void MouseTopRow(int myX, uint8_t myClass, uint32_t myElapsed) {
    const int myIndex = (myX - 2) / kLayoutButtonStep;
    const uint8_t myReturn = gStateClickReturn;
    const int myDraw = myReturn ? 0 : 1;
    switch (myIndex) {
    case kButtonQuit:
        AppQuitSequence(1);
        break;
    case kButtonEject:
        MusicEjectCD(0);
        break;
    case kButtonPrevious:
        MusicSkipTrack(-1, static_cast<uint8_t>(myDraw));
        break;
    case kButtonRewind:
        MouseFastSkip(myIndex, -1);
        break;
    case kButtonStop:
        MusicStop(myDraw, 1);
        break;
    case kButtonPlay:
        MouseKeyPlayPause();
        break;
    case kButtonForward:
        MouseFastSkip(myIndex, 1);
        break;
    case kButtonNext:
        MusicSkipTrack(0, static_cast<uint8_t>(myDraw));
        break;
    case kButtonListen:
        MouseKeyToggleListen(1, myElapsed, 0);
        break;
    case kButtonExpand:
        if (!(myReturn & 4)) DrawResizeControls(0);
        break;
    case kButtonPaint:
        if (!(myReturn & 2)) MouseKeyTogglePaint(0);
        break;
    case kButtonTrails:
        if (gStateExpand) MouseEdit(kEditFlags, MouseKeyFlagSettings(myClass, 1), myClass, myElapsed);
        break;
    case kButtonWipe:
        if (gStateExpand) MouseEdit(kEditFill, kEditFillWipe, myClass, myElapsed);
        break;
    case kButtonHelp:
        if (gStateExpand) MouseKeyToggleHelp();
        break;
    default:
        break;
    }
    gStateClickReturn = 0;
}

// A column icon: shown pressed while the button is held, then its panel opens.
bool MouseIcons(int myX, int myY) {
    struct Icon {
        const Rect* mBox;
        uint8_t mPanel;
    };
    const Icon kIcons[] = {{&kLayoutCDBox, kPanelCD},          {&kLayoutColorsBox, kPanelColor},
                           {&kLayoutBeatBox, kPanelFrequency}, {&kLayoutGradBox, kPanelGradient},
                           {&kLayoutFillsBox, kPanelFill},     {&kLayoutBrushesBox, kPanelBrush},
                           {&kLayoutMovesBox, kPanelMovement}};
    for (const Icon& myIcon : kIcons) {
        const Rect myRect = LayoutIconRect(*myIcon.mBox);
        if (!MouseIn(myRect, myX, myY)) continue;
        DrawFromControls(myRect, 1);
        WindowPresent(kWinControls);
        DrawHoldUntilRelease();
        DrawFromControls(myRect, 0);
        uint8_t myPanel = myIcon.mPanel;
        if (myPanel == kPanelFrequency && !gStateListen) myPanel = kPanelBPM;
        DrawPanel(myPanel);
        return true;
    }
    return false;
}

} // namespace

void MouseClickControls(int myX, int myY, uint32_t myTime, int myFlag) {
    (void)myFlag;
    const uint32_t myElapsed = MouseKeyElapsedTime(myTime);
    const uint8_t myClass = KeyModifierClass(nullptr);
    if (myY < kLayoutButtonTop + kArtButtonSize && myX < LayoutButtonLeft(DrawButtonCount())) {
        MouseTopRow(myX, myClass, myElapsed);
        return;
    }
    if (!gStateExpand) return;
    if (gStateClickReturn) {
        gStateClickReturn = 0;
        return;
    }
    MouseIcons(myX, myY);
}
