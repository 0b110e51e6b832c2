// The alert window: one text at a time, modal over the program's other windows.
#include "core/alert.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/display.h"
#include "core/state.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "platform/text_out.h"
#include "platform/window.h"

char gAlertText[kAlertTextSize];
uint8_t gStateAlert = 0;
uint8_t gStartUp = 0;

namespace {
// Standard error has already heard the text in gAlertText (with the name of its file).
bool sAlertTold = false;

void MainEnableWindows(bool myEnable) {
    WindowEnable(kWinPaint, myEnable);
    WindowEnable(kWinControls, myEnable);
    WindowEnable(kWinHelp, myEnable);
}

void MainSetAlertText(const char* myText, bool myTold) {
    // The text kept during start-up is shown by passing it back in.
    if (!myText || !*myText || myText == gAlertText) return;
    std::strncpy(gAlertText, myText, kAlertTextSize - 1);
    gAlertText[kAlertTextSize - 1] = 0;
    sAlertTold = myTold;
}

void MainShowAlert() {
    if (gStartUp) return;
    // Nobody sees the window of a headless run; its user reads the terminal. Nobody answers one over a
    // screen saver either: its user wants it gone at the first key or click, so there the text goes to
    // standard error alone (the session's log), without a window that would hold every key and click.
    if ((gPlatformHeadless || gSaverTrigger) && !sAlertTold) {
        TextOutSay(gAlertText);
        sAlertTold = true;
    }
    if (gSaverTrigger) return;
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
} // namespace

void MainOpenAlert(const char* myText) {
    MainSetAlertText(myText, false);
    MainShowAlert();
}

void MainOpenFileAlert(const char* myText, const std::string& myPath, const char* myReason) {
    std::string myLine = myPath + ": " + myText;
    if (myReason && *myReason) myLine += std::string(" (") + myReason + ")";
    TextOutSay(myLine.c_str());
    MainSetAlertText(myText, true);
    MainShowAlert();
}

void MainDropAlert() {
    if (!gStateAlert) return;
    if (!sAlertTold) {
        TextOutSay(gAlertText);
        sAlertTold = true;
    }
    MainCloseAlert();
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

namespace {
void MainErrorText(int16_t myCode, char (&myText)[kAlertTextSize]) {
    if (myCode == 2)
        std::snprintf(myText, sizeof(myText), "Unable to find file!");
    else
        std::snprintf(myText, sizeof(myText), "Error %d", static_cast<int>(myCode));
}
} // namespace

bool MainCheckErrors(int16_t myCode) {
    if (myCode == 0) return false;
    char myText[kAlertTextSize];
    MainErrorText(myCode, myText);
    MainOpenAlert(myText);
    return true;
}

bool MainCheckFileErrors(int16_t myCode, const std::string& myPath) {
    if (myCode == 0) return false;
    char myText[kAlertTextSize];
    MainErrorText(myCode, myText);
    // The codes are the system's own, so its words say what went wrong.
    MainOpenFileAlert(myText, myPath, myCode > 0 ? std::strerror(myCode) : nullptr);
    return true;
}

void MainDrawAlert() {
    Surface& mySurface = WindowSurface(kWinAlert);
    if (!mySurface.Exists()) return;
    SurfaceFill(mySurface, {0, 0, mySurface.mWidth, mySurface.mHeight}, kColorWhite);
    TextDrawWrapped(mySurface, kFontAlert, {10, 10, mySurface.mWidth - 10, mySurface.mHeight - 10},
                    gAlertText, kColorBlack);
    // The OK button, in the plain raised look of a dialog's push button.
    SurfaceFill(mySurface, kAlertButtonRect, kColorButtonFace);
    SurfaceFill(
        mySurface,
        {kAlertButtonRect.left, kAlertButtonRect.top, kAlertButtonRect.right, kAlertButtonRect.top + 1},
        kColorWhite);
    SurfaceFill(
        mySurface,
        {kAlertButtonRect.left, kAlertButtonRect.top, kAlertButtonRect.left + 1, kAlertButtonRect.bottom},
        kColorWhite);
    SurfaceFill(
        mySurface,
        {kAlertButtonRect.left, kAlertButtonRect.bottom - 1, kAlertButtonRect.right, kAlertButtonRect.bottom},
        kColorBlack);
    SurfaceFill(
        mySurface,
        {kAlertButtonRect.right - 1, kAlertButtonRect.top, kAlertButtonRect.right, kAlertButtonRect.bottom},
        kColorBlack);
    TextDrawCentered(mySurface, kFontAlert, kAlertButtonRect, "OK", kColorBlack);
    WindowPresent(kWinAlert);
}

void AlertResetState() {
    std::memset(gAlertText, 0, sizeof(gAlertText));
    gStateAlert = 0;
    gStartUp = 0;
    sAlertTold = false;
}
