// The controls window's drawing: its layout, the panel shown, and every drawing operation of the window.
#pragma once

#include <cstdint>

#include "platform/surface.h"

// Panels of the panel area (the same numbers name the columns and the help zones).
enum PanelNumber : uint8_t {
    kPanelCD = 100,
    kPanelColor = 101,
    kPanelGradient = 103,
    kPanelFill = 104,
    kPanelBrush = 105,
    kPanelMovement = 106,
    kPanelSoundInput = 107,
    kPanelFrequency = 108,
    kPanelBPM = 109,
    kPanelManualBeats = 110,
    kPanelPatternBeats = 111,
    kPanelSaver = 112,
    kPanelScaleFade = 113,
    kPanelScaleThreshold = 114,
    kPanelMaxFade = 115,
    kPanelParameter = 116,
    kPanelTextEntry = 117,
    kPanelReplace = 118,
    kPanelDelete = 119,
    kPanelBrushBright = 120,
    kPanelFillBright = 121,
    kPanelBrushSat = 122,
    kPanelFillSat = 123,
    kPanelAttach = 150,
    kAttachEffects = 151,
    kAttachFill = 152,
    kAttachGradient = 153,
    kAttachMove = 154,
    kAttachBrushColor = 155,
    kAttachFillColor = 156,
};

// Columns of the drawing controls (101 colours, 102 beat meter, 103 gradients, 104 fills, 105 brushes,
// 106 movements) and the trigger channel each of the five trigger columns shows.
constexpr int kColumnFirst = 101;
constexpr int kColumnBeat = 102;
int DrawColumnOfChannel(int myChannel);

// Main buttons by index; a button's number is 1000 x (index + 1) + its left edge.
enum MainButton : int {
    kButtonQuit = 0,
    kButtonEject,
    kButtonPrevious,
    kButtonRewind,
    kButtonStop,
    kButtonPlay,
    kButtonForward,
    kButtonNext,
    kButtonListen,
    kButtonExpand,
    kButtonPaint,
    kButtonTrails,
    kButtonWipe,
    kButtonHelp,
    kButtonCount
};
constexpr int kButtonsCollapsed = 11; // buttons 0-10 show in the collapsed window
int DrawButtonNumber(int myIndex);

// Main sliders by number.
enum MainSlider : uint16_t {
    kSliderVolume = 401,
    kSliderTempo = 402,
    kSliderSaverDelay = 403,
    kSliderParameter = 404,
    kSliderFrequency = 405,
    kSliderBrushBright = 406,
    kSliderFillBright = 407,
    kSliderBrushSat = 408,
    kSliderFillSat = 409,
    kSliderScaleFade = 410,
    kSliderScaleThreshold = 411,
    kSliderMaxFade = 412,
    kSliderAttachBrushSpeed = 436,
    kSliderAttachColorSpeed = 437,
    kSliderAttachSpread = 438,
    kSliderAttachBrushBright = 442,
    kSliderAttachFillBright = 443,
    kSliderBrushSpeed = 461,
    kSliderColorSpeed = 462,
    kSliderSpread = 463,
    kSliderColorKick = 464,
};

// Mini buttons by number.
enum MiniButton : uint16_t {
    kMiniFixed = 404,
    kMiniSave = 510,
    kMiniCancel = 511,
    kMiniYes = 512,
    kMiniNo = 513,
    kMiniDone = 514,
    kMiniSearch = 520,
    kMiniDefault = 521,
    kMiniBeat = 530,
    kMiniApply = 532,
    kMiniAlign = 533,
    kMiniClear = 534,
    kMiniSaverOn = 540,
    kMiniSaverSound = 541,
};

// The window's sizes: collapsed it shows its top left part.
constexpr int kControlsExpandWidth = 191;
constexpr int kControlsExpandHeight = 295;

extern uint8_t gStateExpand;
extern uint8_t gPanel;
extern uint8_t gPanelAttach;
extern uint8_t gPanelBeforeEdit;
extern uint8_t gPosition;
extern uint8_t gParameter;
extern int16_t gPanelPos[6][2];
// The row last framed in each list (gradients, fills, brushes, movements), -1 for none.
extern int8_t gHiliteList[4];

extern Rect gRectPanel, gRectPanelBox1, gRectPanelBox2, gRectPanelBox3, gRectHSlider;
extern Rect gRectSetBox, gRectEffect, gRectCDName, gRectEffMeter;
extern Rect gRectGrad, gRectFills, gRectBrushes, gRectMoves, gRectBrushColor, gRectFillColor;
extern Rect gRectMeter, gRectBeat, gRectManual, gRectStyle, gRectRave;
// One of each per trigger channel (fill, gradient, colour, brush, movement): threshold bar and lamp.
extern Rect gRectMeters[5], gRectSlidersHL[5];

// Layout: every rectangle from the artwork's places, and the column anchors.
void InitControlsLayout();
void InitSetSliderHLRect(Rect& myRect, int myColumn);
void InitSetThresholdMeterRect(Rect& myRect, int myColumn);
// The rows of the panel area (0 to 3) and the value box at the right end of a row.
Rect DrawPanelRow(int myRow);

// The window and the background.
Surface& DrawSurface();
// Copies the background artwork back over a rectangle of the window (pressed: from the pressed artwork).
void DrawFromControls(const Rect& myRect, char myPressed);
// Loads the background artwork and sets the layout; false when a picture cannot be made.
bool DrawInitArtwork();
// The whole window: background, buttons, song box, and the expanded controls and the panel when shown.
void DrawWindow();
void DrawControls();
void DrawControlButtons();
// How many main buttons show (11 collapsed, 14 expanded), and the lit and cued look of one.
int DrawButtonCount();
void DrawButtonLook(int myIndex, bool* myLit, bool* myCued);
void DrawControlButton(short myNumber, uint8_t myLit, uint8_t myPressed);
void DrawResizeControls(uint8_t myForce);
// While the mouse button is held on a control, the picture and the window's meters go on.
void DrawHoldUntilRelease();
// A mouse-tracking loop runs (the frame loop is driven from it).
extern uint8_t gStateLoop;

// Texts, in the controls' own lettering. Coordinates are a baseline's left end unless a rectangle is given.
void DrawText(int myX, int myBaseline, const char* myText, uint8_t myIndex);
int DrawTextWidth(const char* myText);
void DrawTruncatedText(const char* myName, const Rect& myRect, uint8_t myIndex = 255);
void DrawCenteredText(const char* myText, const Rect& myRect, uint8_t myIndex);
void DrawRightText(const char* myText, const Rect& myRect, uint8_t myIndex);
void DrawLabeledBox(const Rect& myRow, const char* myLabel, const char* myName, uint8_t myKind);
void DrawUpdateBoxText(const char* myText, const Rect& myRect, short myIndex);
// Formats: tempo hundredths as "120.50" (12 characters room), times as "03:07" (8), beat counters as "Off",
// "1 beat", "12 beats" (16).
void DrawConvertBPM(char* myText);
void DrawFormatBPM(uint32_t myHundredths, char* myText);
void DrawFormatTime(uint32_t mySeconds, char* myText);
void DrawFormatCounter(int myValue, char* myText);

// The lists, markers and song box.
void DrawRectHilite(uint8_t myKind, const Rect* myRect, uint8_t myRowHeight, unsigned short myNames);
void DrawAllHilites();
void DrawNames();
void DrawBrushColor(uint8_t myRestore);
void DrawFillColor(uint8_t myRestore);
// The current track's title from the disc's RaveSet ("No Title" when it has none), and whether a rave is
// attached to it.
const char* DrawTrackTitle();
bool DrawTrackHasRave();
void DrawRaveBox(uint8_t myFlash);
// The song box's frame in the last seconds of a song: green on odd half seconds, else as drawn.
void DrawRaveFlash(bool myOn);
// The song box's frame as the artwork has it, without the flash.
void DrawClearRaveRect();
void DrawDisplayCDTrack();
void DrawStyleBox();
void DrawManualButton();
void DrawFreqVolButtons();
void DrawHelpStrip();

// Meters, counters and lamps.
void DrawAllSliders(uint8_t myRestore, uint8_t myEnabled);
void DrawBeatCounterSlider(short myColumn, short myValue, uint8_t myEnabled, uint8_t myRestore);
void DrawBeatThresholdMeter(short myColumn, short myValue, uint8_t myEnabled, uint8_t myRestore);
void DrawTriggerText(short myColumn, char myTrigger);
void DrawDimMeter(uint8_t myLive);
// The beat meter's bar from the length drawn last to myValue (true when it drew), and the lamps.
bool DrawBeatMeter(int myValue);
void DrawBeatLamp(uint8_t myLit);
void DrawTriggerLamps();
void DrawSoundScaleMeter();
void DrawEmptySpectrograph();
void DrawSpectrum();
bool DrawSlidersEnabled();

// The panel area: DrawPanel shows another panel, DrawPanelContents draws the shown one again.
void DrawPanel(uint8_t myPanel);
void DrawPanelContents();
// A main slider with a value (kNotSet for an attachment slider's "(None)": no nub), its nub myPosition pixels
// along the track; myLook 2 is the cued look.
void DrawMainSlider(unsigned short myNumber, long myValue, long myPosition, uint8_t myLook);
// The value a main slider shows (kNotSet for "(None)") and its range; false for a movement parameter the
// movement does not have.
bool DrawSliderValue(unsigned short myNumber, long* myValue, long* myMin, long* myMax);
// The nub's offset along the track for a value.
long DrawSliderPosition(long myValue, long myMin, long myMax);
void DrawRefreshMainSlider(unsigned short myNumber);
void DrawRefreshMiniButton(unsigned short myNumber, uint8_t myLit);
void DrawBasicButton(const Rect& myRect, uint8_t myLit, const char* myText);
void DrawDisplayTime(uint8_t myElapsed);
void DrawDisplayBPM();
void DrawDisplayNumberBox(unsigned short myNumber, const char* myText);
void DrawDisplayPattern(uint8_t myClear);
void DrawEditableText(uint8_t myEditable);
// Where a mini button of the shown panel sits (empty when the panel has none of that number), its word and
// whether it shows lit by itself (the screen saver's "ON").
Rect DrawMiniButtonRect(unsigned short myNumber);
const char* DrawMiniButtonText(unsigned short myNumber);
bool DrawMiniButtonLit(unsigned short myNumber);

// Follows the program's state while the window shows: lamps, meters, names, buttons and the panel redraw
// themselves when what they show has changed. Called after every animation step.
void DrawUpdateLive();
// Forgets what the window shows, so the next update draws every part again; what was just drawn whole.
void DrawForget();
void DrawRemember();
void DrawRememberPanel();

void DrawResetState();
