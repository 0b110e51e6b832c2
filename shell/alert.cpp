// The alert window: one text at a time, modal over the program's other windows.
#include "shell/alert.h"

#include "engine/animate.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "platform/text.h"
#include "platform/window.h"
#include "shell/display.h"
#include "shell/main.h"

char gAlertText[kAlertTextSize];
uint8_t gStateAlert = 0;
uint8_t gStartUp = 0;

namespace {
const Rect kButtonRect{90, 82, 150, 104};

void MainEnableWindows(bool myEnable) {
    WindowEnable(kWinPaint, myEnable);
    WindowEnable(kWinControls, myEnable);
    WindowEnable(kWinHelp, myEnable);
}
} // namespace

void MainOpenAlert(const char* myText) {
    // The text kept through start-up is shown by passing gAlertText itself, which needs no copy.
    if (myText && *myText && myText != gAlertText) {
        std::strncpy(gAlertText, myText, kAlertTextSize - 1);
        gAlertText[kAlertTextSize - 1] = 0;
    }
    if (gStartUp) return;
    if (gStateAlert) {
        WindowInvalidate(kWinAlert);
    } else {
        WindowShow(kWinAlert, true, true);
        if (!gStateControlsVisible) WindowShowCursor(true);
    }
    MainEnableWindows(false);
    PlatformBeep();
    gStateAlert = 1;
}

void MainCloseAlert() {
    gStateAlert = 0;
    gMeterOffset = 0;
    MainEnableWindows(true);
    if (gStateControlsVisible) {
        WindowActivate(kWinPaint);
        WindowActivate(kWinControls);
    } else {
        WindowActivate(kWinPaint);
    }
    WindowShow(kWinAlert, false, false);
    if (!gStateControlsVisible && gStatePaint) WindowShowCursor(false);
}

bool MainCheckErrors(int16_t myCode) {
    if (myCode == 0) return false;
    if (myCode == 2) {
        MainOpenAlert("Unable to find file!");
    } else {
        char myText[kAlertTextSize];
        std::snprintf(myText, sizeof(myText), "Error %d", static_cast<int>(myCode));
        MainOpenAlert(myText);
    }
    return true;
}

void MainDrawAlert() {
    Surface& mySurface = WindowSurface(kWinAlert);
    if (!mySurface.Exists()) return;
    SurfaceFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kColorWhite);
    TextDrawWrapped(mySurface, kFontAlert, {10, 10, mySurface.mWidth - 10, mySurface.mHeight - 10},
                    gAlertText, kColorBlack);
    // The OK button, in the plain raised look of a dialog's push button.
    SurfaceFill(mySurface, kButtonRect, kColorButtonFace);
    SurfaceFill(mySurface, {kButtonRect.left, kButtonRect.top, kButtonRect.right, kButtonRect.top + 1},
                kColorWhite);
    SurfaceFill(mySurface, {kButtonRect.left, kButtonRect.top, kButtonRect.left + 1, kButtonRect.bottom},
                kColorWhite);
    SurfaceFill(mySurface, {kButtonRect.left, kButtonRect.bottom - 1, kButtonRect.right, kButtonRect.bottom},
                kColorBlack);
    SurfaceFill(mySurface, {kButtonRect.right - 1, kButtonRect.top, kButtonRect.right, kButtonRect.bottom},
                kColorBlack);
    TextDrawCentered(mySurface, kFontAlert, kButtonRect, "OK", kColorBlack);
    WindowPresent(kWinAlert);
}

void MainAlertProcess(const Message& myMessage) {
    switch (myMessage.mKind) {
    case kMsgActivate:
        if (myMessage.mWParam == 0 && gStateAlert && myMessage.mLParam == kWinNone) MainLeaveApp();
        if (myMessage.mWParam == 1 && gStateOutsideApp && gStatePaintClose) MainReopenPaint();
        break;
    case kMsgPaint:
        MainDrawAlert();
        break;
    case kMsgChar:
        if (myMessage.mWParam == 3 || myMessage.mWParam == 13) MainCloseAlert();
        break;
    case kMsgKeyDown:
        // Enter also arrives as a key; the character closes the alert, so the key is left alone.
        break;
    case kMsgButtonUp:
        if (myMessage.mX >= kButtonRect.left && myMessage.mX < kButtonRect.right &&
            myMessage.mY >= kButtonRect.top && myMessage.mY < kButtonRect.bottom)
            MainCloseAlert();
        break;
    case kMsgClose:
        MainCloseAlert();
        break;
    default:
        break;
    }
}
