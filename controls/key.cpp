// The keyboard commands: a number typed first, then one key; most keys become one edit of the picture.
#include "controls/key.h"

#include <cstdlib>
#include <cstring>

#include "controls/app_window.h"
#include "controls/draw.h"
#include "controls/file_popup.h"
#include "controls/mousekey.h"
#include "controls/popup_state.h"
#include "controls/text_field.h"
#include "core/alert.h"
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
#include "platform/window.h"
#include "sound/listen.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"
#include "storage/components.h"
#include "storage/pop_list.h"

int32_t gKeyNumber = kKeyNoNumber;
int32_t gKeyWhole = kKeyNoNumber;

namespace {

constexpr const char* kRaveOnlyText = "This feature does not work while playing back raves.";
constexpr uint8_t kNoEdit = 0;
constexpr int kVolumeStep = 32;

void KeyResetNumber() {
    gKeyNumber = kKeyNoNumber;
    gKeyWhole = kKeyNoNumber;
}

// A key that is no command: digits and a minus sign build the number, anything else drops it.
void KeyUpdateNumber(uint32_t myChar) {
    if (myChar >= '0' && myChar <= '9') {
        const int myDigit = static_cast<int>(myChar - '0');
        if (gKeyNumber == kKeyNoNumber)
            gKeyNumber = myDigit;
        else if (gKeyNumber == kKeyMinus)
            gKeyNumber = -myDigit;
        else if (gKeyNumber < 0)
            gKeyNumber = (gKeyNumber * 10 - myDigit) % 1000;
        else
            gKeyNumber = (gKeyNumber * 10 + myDigit) % 1000;
    } else if (myChar == '-') {
        gKeyNumber = kKeyMinus;
    } else {
        gKeyNumber = kKeyNoNumber;
    }
}

// A slot key's edit: the slot typed, else one chosen by the channel's trigger setting: the next one, a random
// file loaded into the current one, or a random pick (127).
int KeySlot(int myEdit, uint32_t myElapsed) {
    const ComponentKind& myKind = *KindOfEdit(myEdit);
    int32_t myValue = 0;
    if (KeyTestNumber(&myValue, 1, 1, myKind.mSlots, 0)) return myValue;
    const int myCurrent = *myKind.mCurrent;
    switch (gStyle.mTrigger[myKind.mChannel]) {
    case kTriggerSequential:
        return (myCurrent + 1) % myKind.mSlots + 1;
    case kTriggerRandomFile:
        ExecuteRandomComponent(myKind.mPopup, myKind.mList, myElapsed);
        return myCurrent + 1;
    default:
        return kEditRandom;
    }
}

// A colour chosen by the colour trigger setting: eight steps back around the wheel, or a random one.
int KeyColorByTrigger(int myColor) {
    return gStyle.mTrigger[kChannelColor] == kTriggerSequential ? (myColor + 111) % 120 + 1 : kEditRandom;
}

void KeyEdit(int myKind, int myValue, uint8_t myClass, uint32_t myElapsed) {
    ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myValue), myElapsed,
                 static_cast<EditMode>(myClass),
                 {gStateControlsVisible, myClass < kClassCue, myClass < kClassCue});
    gStateClearTrails = 1;
}

// The tempo typed with a decimal point: "120.5" is 12050, "120.25" 12025, ".5" 50.
void KeyTempo(uint32_t myElapsed) {
    if (gKeyNumber == kKeyNoNumber || gKeyNumber == kKeyMinus) return;
    const int32_t myNumber = std::abs(gKeyNumber);
    int32_t myValue;
    if (gKeyWhole == kKeyNoNumber) {
        myValue = myNumber * 100;
    } else {
        const int32_t myFraction = myNumber < 10 ? myNumber * 10 : myNumber < 100 ? myNumber : myNumber / 10;
        myValue = gKeyWhole * 100 + myFraction;
    }
    if (myValue < 0 || myValue > 24000) return;
    const uint8_t myTempo[2] = {static_cast<uint8_t>(myValue >> 8), static_cast<uint8_t>(myValue & 0xFF)};
    MouseKeySetBPM(myTempo, myElapsed);
}

// The rave attached to the track saved again under its own name: what was changed while it played stays.
static_assert(kEditableSize == kCDNameSize, "a track's title is typed into the text field");
void KeySaveRave() {
    const int myTrack = gTrackCurrent;
    if (myTrack < 0 || myTrack >= gTrackTotal || myTrack >= kTracksMax || !gCDSet[myTrack].mAttach) {
        MainOpenAlert("A rave must be attached to use this command!");
        return;
    }
    std::memcpy(gEditableText, gCDSet[myTrack].mName, kEditableSize);
    gEditableText[kEditableSize - 1] = 0;
    const uint16_t myPopup = gPopup;
    gPopup = kPopupRave;
    FileSaveToDisk();
    gPopup = myPopup;
}

// New picture: a random brush, then for it random fill, movement and gradient where it brings none of its
// own, and random colours.
void KeyNewPicture(uint8_t myClass, uint32_t myElapsed) {
    KeyEdit(kEditBrush, kEditRandom, myClass, myElapsed);
    const AttachRecord& myAttach = gStyle.mAttachments[static_cast<uint8_t>(gCurrentBrush) % kBrushSlots];
    if (myAttach.mAttachFill == kNotSet) KeyEdit(kEditFill, kEditRandom, myClass, myElapsed);
    if (myAttach.mAttachMove == kNotSet) KeyEdit(kEditMove, kEditRandom, myClass, myElapsed);
    if (myAttach.mAttachGradient == kNotSet) KeyEdit(kEditGradient, kEditRandom, myClass, myElapsed);
    KeyEdit(kEditBrushColor, kEditRandom, myClass, myElapsed);
    KeyEdit(kEditFillColor, kEditRandom, myClass, myElapsed);
    gStateClearTrails = 1;
}

// Movement parameter myIndex (0-2) of the current movement, typed within its own range.
int KeyParameter(int myIndex, int32_t* myValue) {
    const MEffect& myMove = gMovements[static_cast<uint8_t>(gCurrentMove) % kMoveSlots];
    if (myIndex >= myMove.mNumParams) return kNoEdit;
    if (!KeyTestNumber(myValue, 3, myMove.mMin[myIndex], myMove.mMax[myIndex], 1)) return kNoEdit;
    return kEditParam1 + myIndex;
}

void KeyApplyCues(uint32_t myElapsed) {
    for (int myKind = 1; myKind <= kEditColorKick; ++myKind) {
        const int8_t myValue = gCueList[myKind];
        if (myValue == kNotSet) continue;
        ExecuteEdits(static_cast<char>(myKind), static_cast<char>(myValue), myElapsed, kModeExecute,
                     {gStateControlsVisible, 1, 1});
    }
    gStateClearTrails = 1;
}

// The disc's loudness; the volume slider follows gVolume by itself; the meter's running maximum starts again.
void KeyVolume(int myVolume) {
    gVolume = static_cast<uint8_t>(myVolume < 0 ? 0 : myVolume > 255 ? 255 : myVolume);
    if (gStateCDDriver) MouseKeySetVolume(gVolume);
    ListenVolumeChanged();
}

} // namespace

// Style save by name: the current look without its beat counters, named in the TEXT ENTRY panel.
void KeySaveStyle() {
    gStyleTemp = gStyle;
    for (int8_t& myCounter : gStyleTemp.mBeatCounter)
        myCounter = 0;
    gEditableText[0] = 0;
    gPopup = kPopupStyle;
    MouseKeyOpenTextEntry();
}

uint8_t KeyModifierClass(uint32_t* myChar) {
    const uint8_t myMods = gWindowKeyState;
    uint32_t myCharacter = myChar ? *myChar : 0;
    uint8_t myClass = kClassNone;
    const bool myUpper = myCharacter >= 'A' && myCharacter <= 'Z';
    if (myMods & kModShift) {
        myClass = kClassCue;
        if (myUpper) myCharacter += 'a' - 'A';
    } else if (myMods & kModCtrl) {
        myClass = kClassCancel;
        if (myCharacter >= 1 && myCharacter <= 26) myCharacter += 96;
    } else {
        if (myMods & kModAlt) myClass = kClassAlt;
        // Caps Lock leaves the commands alone, with Alt too.
        if ((myMods & kModCaps) && myUpper) myCharacter += 'a' - 'A';
    }
    if (myChar) *myChar = myCharacter;
    return myClass;
}

bool KeyTestNumber(int32_t* myValue, uint8_t myDigits, int32_t myMin, int32_t myMax, uint8_t myAbsolute) {
    if (gKeyNumber == kKeyNoNumber) return false;
    int32_t myModulus = 1;
    for (int i = 0; i < myDigits; ++i)
        myModulus *= 10;
    int32_t myNumber = gKeyNumber % myModulus;
    if (myAbsolute) myNumber = std::abs(myNumber);
    *myValue = myNumber;
    return myNumber >= myMin && myNumber <= myMax;
}

namespace {

// The edit keys: the edit each asks for in myKind and myValue (kNoEdit when the number typed is out of its
// range). False for a key that is not one of them.
bool KeyEditCommand(uint32_t myChar, uint8_t myClass, uint32_t myElapsed, int& myKind, int32_t& myValue) {
    switch (myChar) {
    case 'a':
        myKind = kEditFlags;
        myValue = MouseKeyFlagSettings(myClass, 1);
        break;
    case 'b':
        myKind = kEditBrush;
        myValue = KeySlot(kEditBrush, myElapsed);
        break;
    case 'c':
        myKind = kEditBrushColor;
        if (!KeyTestNumber(&myValue, 3, 1, 120, 0)) myValue = KeyColorByTrigger(gStyle.mBrushColor);
        break;
    case 'd':
        if (KeyTestNumber(&myValue, 3, 1, 120, 0)) myKind = kEditSpread;
        break;
    case 'f':
        myKind = kEditFill;
        myValue = KeySlot(kEditFill, myElapsed);
        break;
    case 'g':
        myKind = kEditGradient;
        myValue = KeySlot(kEditGradient, myElapsed);
        break;
    case 'j':
        if (KeyTestNumber(&myValue, 2, -50, 50, 0)) {
            myKind = kEditColorKick;
            myValue += 50;
        }
        break;
    case 'k':
        myKind = kEditFillColor;
        if (!KeyTestNumber(&myValue, 3, 1, 120, 0)) myValue = KeyColorByTrigger(gStyle.mFillColor);
        break;
    case 'm':
        myKind = kEditMove;
        myValue = KeySlot(kEditMove, myElapsed);
        break;
    case 'o':
        KeyEdit(kEditBrushColor, KeyColorByTrigger(gStyle.mBrushColor), myClass, myElapsed);
        myKind = kEditFillColor;
        myValue = KeyColorByTrigger(gStyle.mFillColor);
        break;
    case 'r':
        if (KeyTestNumber(&myValue, 2, -60, 60, 0)) {
            myKind = kEditColorSpeed;
            myValue += 60;
        }
        break;
    case 's':
        if (KeyTestNumber(&myValue, 3, 0, 120, 0)) myKind = kEditBrushSpeed;
        break;
    case 'w':
        myKind = kEditFill;
        myValue = kEditFillWipe;
        break;
    case 'x':
    case 'y':
    case 'z':
        myKind = KeyParameter(static_cast<int>(myChar - 'x'), &myValue);
        break;
    default:
        return false;
    }
    return true;
}

// The beat keys: Tab aligns the beat, E taps the tempo, I inserts a beat, T sets the tempo.
bool KeyBeatCommand(uint32_t myChar, uint8_t myClass, uint32_t myElapsed) {
    switch (myChar) {
    case 9:
        if (gStateRave) {
            MainOpenAlert(kRaveOnlyText);
        } else {
            MouseKeyAlignTap(
                myElapsed,
                gStateControlsVisible && (gPanel == kPanelManualBeats || gPanel == kPanelPatternBeats), 0);
        }
        break;
    case 'e':
        if (gStateRave) {
            MainOpenAlert(kRaveOnlyText);
        } else {
            const bool myDraw = gStateControlsVisible && gPanel == kPanelManualBeats;
            if (myClass == kClassNone)
                MouseKeyManualTap(myElapsed, myDraw, 0);
            else if (myClass == kClassCue)
                MouseKeyApplyTap(myElapsed, myDraw, 0);
            else if (myClass == kClassCancel)
                MouseKeyClearTap(myDraw, 0);
        }
        break;
    case 'i':
        AnimateHandBeat(myElapsed, gStateAllVisible);
        break;
    case 't':
        KeyTempo(myElapsed);
        break;
    default:
        return false;
    }
    return true;
}

// The program's keys: the windows, the cues, help, saving, the disc, listening, a new picture, quitting.
bool KeyProgramCommand(uint32_t myChar, uint8_t myClass, uint32_t myElapsed) {
    int32_t myValue = 0;
    switch (myChar) {
    case ' ':
        if (gStatePaint) MouseKeyToggleControls(0);
        break;
    case 13:
    case 3:
        KeyApplyCues(myElapsed);
        break;
    case '/':
    case '?':
        MouseKeyToggleHelp();
        break;
    case ';':
        KeySaveStyle();
        break;
    case '=':
        KeySaveRave();
        break;
    case 'h':
        MouseKeyToggleHold();
        break;
    case 'l':
        MouseKeyToggleListen(1, myElapsed, 0);
        break;
    case 'n':
        if (KeyTestNumber(&myValue, 2, 1, 11, 0)) {
            gStyle.mSampleSize = static_cast<int8_t>(myValue);
            if (!gStatePlay && !gStatePause) gStyleStart.mSampleSize = static_cast<int8_t>(myValue);
        }
        break;
    case 'p':
        MouseKeyPlayPause();
        break;
    case 'q':
        AppQuitSequence(0);
        break;
    case 'u':
        KeyNewPicture(myClass, myElapsed);
        break;
    case 'v':
        MouseKeyTogglePaint(0);
        break;
    default:
        return false;
    }
    return true;
}

} // namespace

void KeyHandler(uint32_t myChar, uint32_t myTime, int myFlag) {
    (void)myFlag;
    if (!gStateRunning) return;
    const uint32_t myElapsed = MouseKeyElapsedTime(myTime);
    const uint8_t myClass = KeyModifierClass(&myChar);
    if (gLoadKey) {
        KeyLoadCharacter(myChar);
        return;
    }
    if (gPanel == kPanelReplace) {
        if (myChar == 13 || myChar == 3) MouseKeyReplaceFile();
        return;
    }
    // A decimal point: the number so far is the tempo's whole part.
    if (myChar == '.') {
        gKeyWhole = gKeyNumber == kKeyNoNumber || gKeyNumber == kKeyMinus ? 0 : std::abs(gKeyNumber);
        gKeyNumber = kKeyNoNumber;
        return;
    }
    int myKind = kNoEdit;
    int32_t myValue = 0;
    if (!KeyEditCommand(myChar, myClass, myElapsed, myKind, myValue) &&
        !KeyBeatCommand(myChar, myClass, myElapsed) && !KeyProgramCommand(myChar, myClass, myElapsed)) {
        KeyUpdateNumber(myChar);
        return;
    }
    KeyResetNumber();
    if (myKind != kNoEdit) KeyEdit(myKind, myValue, myClass, myElapsed);
}

void KeyDownHandler(uint32_t myKey, uint32_t myTime) {
    if (!gStateRunning || gStateAlert) return;
    const uint32_t myElapsed = MouseKeyElapsedTime(myTime);
    int32_t myValue = 0;
    switch (myKey) {
    case kVKEscape:
        AppQuitSequence(0);
        break;
    case kVKLeft:
    case kVKRight:
        if (KeyTestNumber(&myValue, 2, 1, gTrackTotal, 0))
            MusicSkipTrack(myValue, 0);
        else
            MusicSkipTrack(myKey == kVKLeft ? -1 : 0, 0);
        break;
    case kVKUp:
        KeyVolume(KeyTestNumber(&myValue, 3, 0, 255, 0) ? myValue : gVolume + kVolumeStep);
        break;
    case kVKDown:
        KeyVolume(KeyTestNumber(&myValue, 3, 0, 255, 0) ? myValue : gVolume - kVolumeStep);
        break;
    case kVKHelp:
    case kVKF1:
        MouseKeyToggleHelp();
        break;
    default:
        if (myKey >= '0' && myKey <= '9' && (gWindowKeyState & kModCtrl)) {
            const char myDigit = static_cast<char>(myKey - '0');
            if (!gLoadKey)
                KeyBeginLoad(myDigit);
            else
                KeyEndLoad(myDigit, myElapsed);
            break;
        }
        // Keys that are no command here (a digit's own character follows it) leave the number alone.
        return;
    }
    KeyResetNumber();
}

void KeyResetState() {
    KeyResetNumber();
    gLoadKey = 0;
    std::memset(gLoadName, 0, sizeof(gLoadName));
}
