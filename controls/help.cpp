// The help as the cursor moves: each pass finds the zone under the cursor and, when it changed, shows the
// zone's title in the display strip and its whole text in the help window; and the roll-over of the
// drawing-controls button.
#include "controls/help.h"

#include <cstring>

#include "controls/draw.h"
#include "controls/help_texts.h"
#include "controls/mousekey.h"
#include "core/alert.h"
#include "core/display.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "platform/text.h"
#include "platform/window.h"
#include "resources/controls_art.h"
#include "storage/components.h"

int32_t gHelpZone = 0;
uint8_t gStateRollover = 0;

namespace {

// The composed text's room, as the written buffer had it.
constexpr size_t kHelpTextSize = 800;
constexpr int kHelpInset = 10;
constexpr uint8_t kHelpInk = 0;
// The drawing-controls button's box, where rolling over opens the drawing controls.
// The drawing-controls button, with the strip above it, as the roll-over sees it.
constexpr Rect kRolloverBox = {LayoutButtonLeft(kButtonExpand), 0,
                               LayoutButtonLeft(kButtonExpand) + kArtButtonSize + 1,
                               kLayoutButtonTop + kArtButtonSize + 1};

std::string sHelpText;
// The zone whose text was composed last (-1 none), and whether the help window shows it.
int32_t sShownZone = -1;
bool sWindowDrawn = false;

const HelpText* HelpFind(int32_t myZone) {
    const HelpText* myFirst = nullptr;
    for (size_t myIndex = 0; myIndex < kHelpTextCount; ++myIndex) {
        const HelpText& myText = kHelpTexts[myIndex];
        if (myText.mZone != myZone) continue;
        if (myText.mPanel == gPanel) return &myText;
        if (!myFirst) myFirst = &myText;
    }
    return myFirst;
}

const char* HelpColumnName(int myColumn) {
    const int myIndex = myColumn - kColumnFirst;
    return myIndex >= 0 && myIndex < 6 ? kHelpSentences.mColumnNames[myIndex] : nullptr;
}

// The counters, meters and trigger buttons of the five trigger columns: their title from the column.
bool HelpComposeColumn(int32_t myZone, std::string& myText) {
    const HelpSentences& mySay = kHelpSentences;
    const int myColumn = myZone % 10 + 100;
    const char* myName = HelpColumnName(myColumn);
    if (myZone < 601 || myZone > 626 || !myName || !*myName) return false;
    switch ((myZone - 600) / 10) {
    case 0:
        myText = std::string(myName) + mySay.mCounterTitle + mySay.mCounter + mySay.mTogether;
        return true;
    case 1:
        myText = std::string(myName) + mySay.mMeterTitle + mySay.mMeter + mySay.mTogether;
        return true;
    default:
        myText = std::string(myName) + mySay.mTriggerTitle + mySay.mTrigger;
        if (myColumn != kPanelColor) myText += mySay.mTriggerFile;
        return true;
    }
}

bool HelpIsListZone(int32_t myZone) {
    return myZone == 1 || myZone == 2 || myZone == 3 || myZone == 4 || myZone == 9 || myZone == 10;
}

// The sound scaling controls work only while Orbex listens.
bool HelpIsScalingZone(int32_t myZone) {
    return myZone == 113 || myZone == 114 || myZone == 115 || myZone == kHelpZoneScaleMeter ||
           (myZone >= HelpValueZone(410) && myZone <= HelpValueZone(412)) || (myZone >= 410 && myZone <= 412);
}

// The sentences a zone adds by the program's state.
void HelpAddState(int32_t myZone, std::string& myText) {
    const HelpSentences& mySay = kHelpSentences;
    switch (myZone) {
    case kHelpZoneTotal:
        if (!gStateCD) myText += mySay.mNoCD;
        break;
    case kPanelTextEntry:
        myText += gEditableFlag > 15 ? mySay.mLongName : mySay.mShortName;
        myText += mySay.mEnter;
        break;
    case HelpButtonZone(kButtonPlay):
        myText += gStatePause ? mySay.mPaused : mySay.mStopped;
        break;
    case HelpButtonZone(kButtonListen):
        myText += gStateListen ? mySay.mListenOn : mySay.mListenOff;
        break;
    case kHelpZoneManual:
        myText += gStateManual ? mySay.mManualOn : mySay.mManualOff;
        break;
    case HelpButtonZone(kButtonTrails):
        myText += gStyle.mFlags & kFlagTrails ? mySay.mTrailsOn : mySay.mTrailsOff;
        break;
    case 530:
    case 531:
    case 532:
    case 533:
    case 534:
        if (gStateRave) myText += mySay.mRavePlaying;
        break;
    default:
        break;
    }
}

void HelpDrawStripTitle() {
    if (!gStateExpand || !DrawSurface().Exists()) return;
    DrawHelpStrip();
    WindowPresentRows(kWinControls, kLayoutHelpStrip.top, kLayoutHelpStrip.bottom);
}

// Rolling over the drawing-controls button opens the drawing controls while the cursor stays on it.
void HelpRollover(bool myInside, int myX, int myY) {
    if (!gStatePaint || gStateAlert) return;
    const bool myOnButton = myInside && myX >= kRolloverBox.left && myX < kRolloverBox.right &&
                            myY >= kRolloverBox.top && myY < kRolloverBox.bottom;
    if (myOnButton && gStateRollover == 0) {
        if (gStateExpand) {
            gStateRollover = 1;
        } else {
            DrawResizeControls(1);
            gStateRollover = 2;
        }
    } else if (!myOnButton && gStateRollover) {
        // A window collapsed meanwhile (by its button) stays as it is.
        if (gStateRollover == 2 && gStateExpand) DrawResizeControls(0);
        gStateRollover = 0;
    }
}

} // namespace

std::string HelpComposeText(int32_t myZone) {
    const HelpSentences& mySay = kHelpSentences;
    std::string myText;
    if (myZone == kHelpZoneOutside && !gStatePaint) return myText;
    if (!HelpComposeColumn(myZone, myText)) {
        // The COLORS column's two buttons open the same menus as the COLOR SETTINGS boxes.
        const HelpText* myEntry = HelpFind(myZone == 304 || myZone == 306 ? myZone - 1 : myZone);
        if (!myEntry) return myText;
        if (myZone == kSliderParameter) {
            const MEffect& myMove = gMovements[gPosition % kMoveSlots];
            const char* myName = myMove.mName + (gParameter % 3) * kParamNameSize;
            myText = std::string(myName, strnlen(myName, kParamNameSize - 1)) + mySay.mParameterTitle;
        }
        myText += myEntry->mText;
        if (HelpIsListZone(myZone)) myText += mySay.mManualAdvice;
        if (myZone >= 300 && myZone <= 308) myText += std::string(mySay.mPreview) + mySay.mScrolling;
        if (HelpIsScalingZone(myZone)) myText += mySay.mListeningOnly;
        HelpAddState(myZone, myText);
        if (myEntry->mKeys) myText += myEntry->mKeys;
    }
    if (myText.size() >= kHelpTextSize) myText.resize(kHelpTextSize - 1);
    return myText;
}

std::string HelpTitle() {
    return sHelpText.substr(0, sHelpText.find('\r'));
}

void HelpDrawWindow() {
    if (!WindowExists(kWinHelp)) return;
    Surface& mySurface = WindowSurface(kWinHelp);
    if (!mySurface.Exists()) return;
    SurfaceFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kColorWhite);
    std::string myShown = sHelpText;
    for (char& myChar : myShown)
        if (myChar == '\r') myChar = '\n';
    TextDrawWrapped(mySurface, kFontMedium,
                    {kHelpInset, kHelpInset, mySurface.mWidth - kHelpInset, mySurface.mHeight - kHelpInset},
                    myShown.c_str(), kHelpInk);
    WindowPresent(kWinHelp);
    sWindowDrawn = true;
}

void HelpDisplay() {
    int myX = 0, myY = 0;
    const bool myInside = WindowCursorPosition(kWinControls, &myX, &myY);
    HelpRollover(myInside, myX, myY);
    // Reading the help window itself keeps its text.
    int myHelpX = 0, myHelpY = 0;
    if (!myInside && gStateHelp && WindowVisible(kWinHelp) &&
        WindowCursorPosition(kWinHelp, &myHelpX, &myHelpY))
        return;
    const int32_t myZone = myInside ? HelpFindZone(myX, myY) : kHelpZoneOutside;
    const bool myWindowShows = gStateHelp && WindowVisible(kWinHelp);
    if (!myWindowShows) sWindowDrawn = false;
    // The same zone as last time, and nobody asked for a fresh draw: only a help window just opened is drawn.
    if (myZone == gHelpZone && myZone == sShownZone) {
        if (myWindowShows && !sWindowDrawn) HelpDrawWindow();
        return;
    }
    gHelpZone = sShownZone = myZone;
    sHelpText = HelpComposeText(myZone);
    HelpDrawStripTitle();
    if (myWindowShows) HelpDrawWindow();
}

void HelpResetState() {
    gHelpZone = 0;
    gStateRollover = 0;
    sHelpText.clear();
    sShownZone = -1;
    sWindowDrawn = false;
}
