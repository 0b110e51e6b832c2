// The entry of the visualizer: start-up, the main loop that alternates messages and animation, and the end.
#include <cstdio>
#include <string>

#include "controls/app_window.h"
#include "controls/draw.h"
#include "controls/help.h"
#include "controls/key.h"
#include "controls/mouse.h"
#include "controls/mousekey.h"
#include "controls/text_field.h"
#include "core/alert.h"
#include "engine/animate.h"
#include "music/music.h"
#include "platform/clock.h"
#include "platform/lock.h"
#include "platform/platform.h"
#include "platform/script.h"
#include "platform/window.h"
#include "shell/display.h"
#include "shell/main.h"
#include "shell/options.h"
#include "shell/program_folder.h"
#include "shell/quit.h"
#include "shell/render_out.h"

int gMutex = -1;
int gExitCode = 0;
const char* gProgramPath = nullptr;

namespace {
bool MainIsOwnWindow(int myWindow) {
    return myWindow >= 0 && myWindow < kWinCount;
}

const char* MainFailureWhat(InitFailure myFailure) {
    switch (myFailure) {
    case kInitFailDisplay:
        return "Unable to open the display";
    case kInitFailWindow:
        return "Unable to open a window";
    case kInitFailRenderer:
        return "Unable to get a renderer for the windows";
    case kInitFailFont:
        return "Unable to open the fonts";
    default:
        return "Unable to start";
    }
}

// A start-up failure: what failed, in the system's words too, in the alert alone; then clean-up.
int MainStartUpFailed() {
    gStartUp = 0;
    gStateAlert = 0;
    char myText[kInitFailureTextSize + 64];
    std::snprintf(myText, sizeof(myText), "%s%s%s", MainFailureWhat(gInitFailure),
                  gInitFailureText[0] ? ": " : "", gInitFailureText);
    // The terminal hears it whole; the alert window holds what fits.
    std::fprintf(stderr, "orbex: %s\n", myText);
    if (WindowExists(kWinAlert) && !gPlatformHeadless && !gSaverTrigger) {
        MainOpenAlert(myText);
        Message myMessage;
        while (gStateAlert) {
            if (!WindowPeekMessage(myMessage, true)) continue;
            if (myMessage.mKind == kMsgQuit) break;
            MainDispatch(myMessage);
        }
    }
    QuitCleanup();
    return 0;
}
} // namespace

void MainDispatch(const Message& myMessage) {
    if (myMessage.mWindow == kWinAlert) {
        MainAlertProcess(myMessage);
    } else {
        MainEventProcess(myMessage);
    }
}

void MainOpenAppEvent() {
    gStateRunning = 1;
    MusicPlay(0, 1);
    if (!gSaverTrigger) MouseKeyToggleControls(0);
    // A screen saver does not keep the desktop from blanking and locking the screen in its time.
    if (gSaverTrigger) PlatformAllowScreenSaver();
    WindowShowCursor(!gSaverTrigger && gStateControlsVisible);
    gStartUp = 0;
    if (gAlertText[0]) MainOpenAlert(gAlertText);
}

void MainEventProcess(const Message& myMessage) {
    switch (myMessage.mKind) {
    case kMsgActivate:
        if (myMessage.mWParam == 0) {
            if (!gStateOutsideApp && !MainIsOwnWindow(myMessage.mLParam)) MainLeaveApp();
        } else if (myMessage.mWindow != kWinPaint && gStateOutsideApp) {
            if (WindowPeekButtonDown(kWinControls, false)) gStateClickReturn = 1;
            if (gStatePaintClose) {
                if (gStateClickReturn) gStateClickReturn += 2;
                MouseKeyTogglePaint(0);
            }
        }
        break;
    case kMsgPaint:
        if (myMessage.mWindow == kWinControls) {
            MainDrawControls();
        } else if (myMessage.mWindow == kWinPaint) {
            gStateColorChange = 1;
            MainDrawPaint();
        } else if (myMessage.mWindow == kWinHelp) {
            MainDrawHelp();
        }
        break;
    case kMsgClose:
        if (gStateAlert) break;
        if (myMessage.mWindow == kWinControls || myMessage.mWindow == kWinPaint) {
            if (gStateRunning) QuitSequence(0);
        } else if (myMessage.mWindow == kWinHelp) {
            MouseKeyToggleHelp();
        }
        break;
    case kMsgKeyDown:
        // The text field has the keyboard while it is open.
        if (TextFieldExists() && myMessage.mWindow == kWinControls)
            KeyEventProcess(false, myMessage.mWParam, myMessage.mTime);
        else
            KeyDownHandler(myMessage.mWParam, myMessage.mTime);
        break;
    case kMsgChar:
        if (TextFieldExists() && myMessage.mWindow == kWinControls)
            KeyEventProcess(true, myMessage.mWParam, myMessage.mTime);
        else
            KeyHandler(myMessage.mWParam, myMessage.mTime, 0);
        break;
    case kMsgMinimize:
        // Minimizing the controls over the full-screen picture hides them instead, as the space bar does.
        if (gStatePaint && myMessage.mWindow == kWinControls) {
            WindowRestore(kWinControls);
            if (gStateControlsVisible) MouseKeyToggleControls(0);
        }
        break;
    case kMsgButtonDown:
        // A quick double press costs one handling.
        WindowPeekButtonDown(myMessage.mWindow, true);
        if (myMessage.mWindow == kWinControls) {
            MouseClickControls(myMessage.mX, myMessage.mY, myMessage.mTime, 0);
        } else if (myMessage.mWindow == kWinPaint) {
            if (!gStateRunning) {
                gTimer = 0;
            } else if (gSaverTrigger) {
                QuitSequence(0);
            } else {
                MouseKeyToggleControls(0);
            }
        }
        break;
    case kMsgRenderDone:
        if (gStateRunning) QuitSequence(0);
        break;
    case kMsgEnd:
        // Asked from outside to end (a stop signal, the session closing): no window of ours is closed, so an
        // alert does not hold it, and none waits for an answer that nobody will give, the one quitting itself
        // may open (a session that could not be saved) included.
        MainDropAlert();
        if (gStateRunning) QuitSequence(0);
        MainDropAlert();
        break;
    default:
        break;
    }
}

void MainAlertProcess(const Message& myMessage) {
    switch (myMessage.mKind) {
    case kMsgActivate:
        if (myMessage.mWParam == 0 && gStateAlert && myMessage.mLParam == kWinNone) MainLeaveApp();
        if (myMessage.mWParam == 1 && gStateOutsideApp && gStatePaintClose) MouseKeyTogglePaint(0);
        break;
    case kMsgPaint:
        MainDrawAlert();
        break;
    case kMsgChar:
        // Escape answers the one-button alert too, as it does any desktop's message box.
        if (myMessage.mWParam == 3 || myMessage.mWParam == 13 || myMessage.mWParam == 27) MainCloseAlert();
        break;
    case kMsgKeyDown:
        // Enter also arrives as a key; the character closes the alert, so the key is left alone.
        break;
    case kMsgButtonUp:
        if (myMessage.mX >= kAlertButtonRect.left && myMessage.mX < kAlertButtonRect.right &&
            myMessage.mY >= kAlertButtonRect.top && myMessage.mY < kAlertButtonRect.bottom)
            MainCloseAlert();
        break;
    case kMsgClose:
        MainCloseAlert();
        break;
    default:
        break;
    }
}

int WinMain() {
    gStartUp = 1;
    if (!InitProgram()) {
        if (!gStateAlert) {
            // Refused before anything could be shown (the reason is said): the locks and a folder of its own
            // go back, and nothing of a folder another run uses is touched.
            LockRelease(gMutex);
            gMutex = -1;
            ProgramFolderRelease();
            return gExitCode;
        }
        return MainStartUpFailed();
    }
    if (gPlatformHeadless) WindowSetTurnHook(RenderOutTurn);
    if (!gOptions.mBeatLog.empty() && !AnimateOpenBeatLog(gOptions.mBeatLog.c_str()))
        std::fprintf(stderr, "orbex: cannot write the beat log %s\n", gOptions.mBeatLog.c_str());
    MainOpenAppEvent();
    if (gPlatformHeadless) RenderOutStart();

    Message myMessage;
    while (gStateRunning) {
        if (PlatformStopSignal()) {
            // Stopped from outside: quit as Escape would, without the farewell.
            QuitSequence(0);
            break;
        }
        if (WindowPeekMessage(myMessage, true)) {
            if (myMessage.mKind == kMsgQuit) {
                gExitCode = static_cast<int>(myMessage.mWParam);
                break;
            }
            MainDispatch(myMessage);
        } else {
            AnimateMain();
            if (gStateControlsVisible) {
                DrawUpdateLive();
                HelpDisplay();
            }
            // Nothing waits: sleep until the next deadline, a present or a message.
            WindowWait(AnimateDueIn());
        }
    }
    // Nobody sits at a headless run to answer an alert, the one quitting may have opened included: its text
    // went to standard error, and the run answers it as a user would, with Enter.
    if (gPlatformHeadless && gStateAlert) {
        Message myEnter;
        myEnter.mKind = kMsgChar;
        myEnter.mWindow = kWinAlert;
        myEnter.mWParam = '\r';
        myEnter.mTime = ClockTicks();
        WindowPushMessage(myEnter);
    }
    if (!PlatformStopSignal()) {
        do {
            while (MainQuitLoop()) {
            }
        } while (gStateAlert);
    }

    // A stopped render is not a finished one: what it had half-written goes.
    std::string myOutputError;
    const bool myOutputOk =
        PlatformStopSignal() ? (RenderOutDiscard(), true) : RenderOutFinish(myOutputError);
    AnimateCloseBeatLog();
    QuitCleanup();
    if (!myOutputOk) {
        std::fprintf(stderr, "orbex: %s\n", myOutputError.c_str());
        return 1;
    }
    if (!ScriptError().empty()) {
        std::fprintf(stderr, "orbex: script %s\n", ScriptError().c_str());
        return 1;
    }
    return gExitCode;
}

void MainResetState() {
    gMutex = -1;
    gExitCode = 0;
    gProgramPath = nullptr;
}
