// The controls window as a whole: its background artwork, the main buttons, expanding and collapsing.
#include <cstring>
#include <string>

#include "controls/draw.h"
#include "controls/draw_parts.h"
#include "controls/help.h"
#include "controls/mousekey.h"
#include "controls/text_field.h"
#include "core/alert.h"
#include "core/display.h"
#include "core/state.h"
#include "core/style_record.h"
#include "core/text_utils.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "platform/window.h"
#include "resources/art_widgets.h"
#include "resources/controls_art.h"
#include "resources/pictures.h"

uint8_t gStateExpand = 0;
uint8_t gStateLoop = 0;

namespace {
// The background with every control in it pressed, for the pressed look of icons and popup buttons.
Surface sWorldPressed;

Rect DrawWindowRect() {
    const Surface& mySurface = DrawSurface();
    return {0, 0, mySurface.mWidth, mySurface.mHeight};
}

} // namespace

// The lit and cued look of each main button, from the state it shows.
void DrawButtonLook(int myIndex, bool* myLit, bool* myCued) {
    *myLit = false;
    *myCued = false;
    switch (myIndex) {
    case kButtonPlay:
        *myLit = gStatePlay;
        break;
    case kButtonListen:
        *myLit = gStateListen;
        break;
    case kButtonExpand:
        *myLit = gStateExpand;
        break;
    case kButtonPaint:
        *myLit = gStatePaint;
        break;
    case kButtonTrails:
        *myLit = gStyle.mFlags & kFlagTrails;
        *myCued = gCueFlags != kNotSet && ((gCueFlags ^ gStyle.mFlags) & kFlagTrails);
        break;
    case kButtonWipe:
        *myCued = gCueWipe != kNotSet;
        break;
    case kButtonHelp:
        *myLit = gStateHelp;
        break;
    default:
        break;
    }
}

bool DrawInitArtwork() {
    InitControlsLayout();
    if (!ResourceDrawPicture(kPictureControls, gWorldControls)) return false;
    if (!ResourceDrawPicture(kPictureControlsPressed, sWorldPressed)) return false;
    return true;
}

void DrawFromControls(const Rect& myRect, char myPressed) {
    const Surface& mySource = myPressed ? sWorldPressed : gWorldControls;
    const Rect myFrom = ArtToControlsPicture(myRect);
    SurfaceCopy(DrawSurface(), myRect.left, myRect.top, mySource, myFrom);
}

int DrawButtonCount() {
    return gStateExpand ? kButtonCount : kButtonsCollapsed;
}

void DrawControlButton(short myNumber, uint8_t myLit, uint8_t myPressed) {
    const int myIndex = myNumber / 1000 - 1;
    if (myIndex < 0 || myIndex >= kButtonCount) return;
    bool myStateLit = false, myCued = false;
    DrawButtonLook(myIndex, &myStateLit, &myCued);
    const int myX = myNumber % 1000;
    // A pressed button shows lit until the mouse button is let go; the picture goes on meanwhile.
    const bool myOn = myLit || myPressed;
    SurfaceCopyKeyed(DrawSurface(), myX, kLayoutButtonTop, gWorldButtons,
                     ArtButtonRect(myIndex, myOn, myCued && !myPressed));
    WindowPresent(kWinControls);
    if (myPressed) DrawHoldUntilRelease();
}

void DrawHoldUntilRelease() {
    gStateLoop = 1;
    // An alert opened by the picture's step disables the windows, and the release with them: it ends the
    // hold.
    while (WaitMouseUp() && !gStateAlert) {
        WindowTurn();
        AnimateMain();
        DrawUpdateLive();
    }
    gStateLoop = 0;
}

void DrawControlButtons() {
    const Rect myRow{0, 0, DrawSurface().mWidth, kLayoutButtonTop + kArtButtonSize + 2};
    SurfaceFill(DrawSurface(), myRow, kColorControlsBack);
    for (int myIndex = 0; myIndex < DrawButtonCount(); ++myIndex) {
        bool myLit = false, myCued = false;
        DrawButtonLook(myIndex, &myLit, &myCued);
        DrawControlButton(static_cast<short>(DrawButtonNumber(myIndex)), myLit, 0);
    }
    if (gStateExpand) DrawHelpStrip();
}

// The blank face right of the buttons, with the title of the help zone under the cursor.
void DrawHelpStrip() {
    ArtDrawButtonFace(DrawSurface(), kLayoutHelpStrip, false);
    std::string myTitle = HelpTitle();
    const int myRoom = kLayoutHelpStrip.right - 4 - kHelpStripTextX;
    while (!myTitle.empty() && DrawTextWidth(myTitle.c_str()) > myRoom)
        myTitle.pop_back();
    DrawText(kHelpStripTextX, kHelpStripBaseline, myTitle.c_str(), 0);
}

void DrawControls() {
    const Surface& myBack = gWorldControls;
    SurfaceCopy(DrawSurface(), kArtControlsOriginX, kArtControlsOriginY, myBack,
                {0, 0, myBack.mWidth, myBack.mHeight});
    DrawRaveBox(0);
    DrawManualButton();
    DrawDisplayCDTrack();
    DrawFreqVolButtons();
    DrawStyleBox();
    DrawNames();
    DrawAllHilites();
    DrawBrushColor(0);
    DrawFillColor(0);
    DrawAllSliders(0, DrawSlidersEnabled());
    DrawDimMeter(gStateListen && !gStateRave);
    for (int myChannel = 0; myChannel < kChannels; ++myChannel)
        DrawTriggerText(static_cast<short>(DrawColumnOfChannel(myChannel)), static_cast<char>(myChannel));
}

void DrawWindow() {
    Surface& mySurface = DrawSurface();
    if (!mySurface.Exists()) return;
    SurfaceFill(mySurface, DrawWindowRect(), kColorControlsBack);
    if (gStateExpand) {
        DrawControls();
    } else {
        // Collapsed, the window keeps the song row and the panel area of the background.
        SurfaceCopy(
            mySurface, kArtControlsOriginX, kArtControlsOriginY, gWorldControls,
            {0, 0, kControlsWidth - 2 * kArtControlsOriginX, kControlsHeight - kArtControlsOriginY - 6});
        DrawRaveBox(0);
    }
    DrawControlButtons();
    DrawPanelContents();
    TextFieldDraw(true);
    DrawRemember();
    WindowPresent(kWinControls);
}

void DrawResizeControls(uint8_t myForce) {
    if (!gStateExpand && !gStatePaint && !myForce) {
        MainOpenAlert("You cannot open the drawing controls panel when the animation window is closed!");
        return;
    }
    if (gStateExpand) {
        TextFieldDestroy();
        gEditableFlag = 0;
        if (gPanel != kPanelCD) DrawPanel(kPanelCD);
    }
    gStateExpand = gStateExpand ? 0 : 1;
    gStateAllVisible = gStateExpand && gStateControlsVisible;
    gHelpZone = 0;
    const int myWidth = kControlsWidth + (gStateExpand ? kControlsExpandWidth : 0);
    const int myHeight = kControlsHeight + (gStateExpand ? kControlsExpandHeight : 0);
    WindowResize(kWinControls, myWidth, myHeight);
    MouseKeyPlaceHelp();
    DrawForget();
    if (gStateControlsVisible) DrawWindow();
}

void DrawWindowResetState() {
    gStateExpand = 0;
    gStateLoop = 0;
}
