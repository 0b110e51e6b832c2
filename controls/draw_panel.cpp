// The panel area: which panel shows, its icon and title, and the boxes, buttons and slider of each panel.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "controls/draw.h"
#include "controls/draw_parts.h"
#include "controls/mousekey.h"
#include "controls/popup_state.h"
#include "controls/text_field.h"
#include "controls/thumbs.h"
#include "core/display.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "platform/window.h"
#include "resources/art_font.h"
#include "resources/controls_art.h"
#include "sound/sound_input.h"
#include "storage/components.h"

uint8_t gPanel = kPanelCD;
uint8_t gPanelAttach = kAttachEffects;
uint8_t gPanelBeforeEdit = kPanelCD;
uint8_t gPosition = 0;
uint8_t gParameter = 0;

namespace {

constexpr uint8_t kLabelInk = 0;
constexpr uint8_t kTitleInk = 0;
constexpr uint8_t kNumberInk = 250;
constexpr int kTitleX = 30;
constexpr int kTitleBaseline = 62;
constexpr int kMiniWidth = 41;
constexpr int kMiniHeight = 13;

struct PanelTitle {
    uint8_t mPanel;
    const char* mTitle;
    int mIcon; // -1: none
};

const PanelTitle kTitles[] = {
    {kPanelCD, "CD SETTINGS", kArtIconCD},
    {kPanelColor, "COLOR SETTINGS", kArtIconColors},
    {kPanelGradient, "GRADIENT SETTINGS", kArtIconGradients},
    {kPanelFill, "FILL SETTINGS", kArtIconFills},
    {kPanelBrush, "BRUSH SETTINGS", kArtIconBrushes},
    {kPanelMovement, "MOVEMENT SETTINGS", kArtIconMovements},
    {kPanelSoundInput, "SOUND INPUT", kArtIconBeat},
    {kPanelFrequency, "FREQUENCY SETTINGS", kArtIconBeat},
    {kPanelBPM, "BEATS PER MINUTE", kArtIconBeat},
    {kPanelManualBeats, "MANUAL BEATS", kArtIconBeat},
    {kPanelPatternBeats, "PATTERNED BEATS", kArtIconBeat},
    {kPanelSaver, "SCREEN SAVER", kArtIconBeat},
    {kPanelScaleFade, "SOUND SCALING FADE", kArtIconBeat},
    {kPanelScaleThreshold, "SCALING THRESHOLD", kArtIconBeat},
    {kPanelMaxFade, "MAX SCALING FADE", kArtIconBeat},
    {kPanelParameter, "PARAMETER DETAILS", -1},
    {kPanelTextEntry, "TEXT ENTRY", -1},
    {kPanelReplace, "REPLACE FILE", -1},
    {kPanelDelete, "DELETE FILE", -1},
    {kPanelBrushBright, "COLOR SETTINGS", kArtIconColors},
    {kPanelFillBright, "COLOR SETTINGS", kArtIconColors},
    {kPanelBrushSat, "COLOR SETTINGS", kArtIconColors},
    {kPanelFillSat, "COLOR SETTINGS", kArtIconColors},
    {kPanelAttach, "ATTACHMENTS", -1},
};

const PanelTitle* DrawFindTitle(uint8_t myPanel) {
    for (const PanelTitle& myTitle : kTitles)
        if (myTitle.mPanel == myPanel) return &myTitle;
    return nullptr;
}

Rect DrawRow(int myRow) {
    return DrawPanelRow(myRow);
}

// The slider's label row, above its track.
Rect DrawSliderLabelRow() {
    return {DrawPanelRow(2).left, gRectPanelBox3.top, gRectPanelBox3.left - 4, gRectPanelBox3.bottom};
}

int DrawBaseline(const Rect& myRow) {
    return myRow.top + (myRow.Height() + kArtFontCapHeight) / 2;
}

void DrawLabel(const Rect& myRow, const char* myText) {
    DrawText(myRow.left, DrawBaseline(myRow), myText, kLabelInk);
}

// A mini button at the right end of a row.
Rect DrawRowButton(int myRow) {
    const Rect myRect = DrawRow(myRow);
    return {myRect.right - kMiniWidth, myRect.top, myRect.right, myRect.top + kMiniHeight};
}

// A small display of a number right of a label: light digits on black.
void DrawNumberAfter(const Rect& myRow, const char* myLabel, const char* myNumber, int myWidth) {
    DrawLabel(myRow, myLabel);
    const int myLeft = myRow.left + DrawTextWidth(myLabel) + 3;
    const Rect myBox{myLeft, myRow.top, myLeft + myWidth, myRow.bottom};
    SurfaceFill(DrawSurface(), myBox, kColorBlack);
    DrawCenteredText(myNumber, myBox, kNumberInk);
}

const char* DrawAttachCategory() {
    static const char* const kCategories[6] = {"Brush Effects", "Fills & Trails", "Gradients",
                                               "Movements",     "Brush Color",    "Fill Color"};
    const int myIndex = gPanelAttach - kAttachEffects;
    return kCategories[myIndex >= 0 && myIndex < 6 ? myIndex : 0];
}

// The name an attachment field holds, or "No Attachment".
std::string DrawAttachedName(int8_t mySlot, const char (*myNames)[kNameSize]) {
    if (mySlot == kNotSet || mySlot < 1) return "No Attachment";
    return std::string(myNames[mySlot - 1], strnlen(myNames[mySlot - 1], kNameSize - 1));
}

std::string DrawAttachedEffect(const char* myField) {
    if (static_cast<int8_t>(myField[0]) == kNotSet || myField[0] == 0) return "No Attachment";
    return std::string(myField, strnlen(myField, kNameSize - 1));
}

void DrawAttachContents() {
    const AttachRecord& myAttach = gStyle.mAttachments[gPosition % kBrushSlots];
    DrawLabeledBox(DrawRow(0), "Select Category:", DrawAttachCategory(), 1);
    switch (gPanelAttach) {
    case kAttachFill:
        DrawLabeledBox(DrawRow(1), "Fill:", DrawAttachedName(myAttach.mAttachFill, gStyle.mFillNames).c_str(),
                       1);
        DrawLabeledBox(DrawRow(2), "Trails:",
                       myAttach.mAttachTrails == kNotSet ? "No Attachment"
                       : myAttach.mAttachTrails          ? "Trails On"
                                                         : "Trails Off",
                       1);
        break;
    case kAttachGradient:
        DrawLabeledBox(DrawRow(1),
                       "Gradient:", DrawAttachedName(myAttach.mAttachGradient, gStyle.mGradNames).c_str(), 1);
        DrawLabel(DrawSliderLabelRow(), "Color Speed (Shift/Sec):");
        DrawRefreshMainSlider(kSliderAttachColorSpeed);
        break;
    case kAttachMove:
        DrawLabeledBox(DrawRow(1),
                       "Movement:", DrawAttachedName(myAttach.mAttachMove, gStyle.mMoveNames).c_str(), 1);
        DrawLabel(DrawSliderLabelRow(), "Movement Spread (Pixels):");
        DrawRefreshMainSlider(kSliderAttachSpread);
        break;
    case kAttachBrushColor:
        DrawLabeledBox(DrawRow(1),
                       "Brush Color Effect:", DrawAttachedEffect(myAttach.mAttachBrushColorEffect).c_str(),
                       1);
        DrawLabel(DrawSliderLabelRow(), "Brush Brightness:");
        DrawRefreshMainSlider(kSliderAttachBrushBright);
        break;
    case kAttachFillColor:
        DrawLabeledBox(DrawRow(1),
                       "Fill Color Effect:", DrawAttachedEffect(myAttach.mAttachFillColorEffect).c_str(), 1);
        DrawLabel(DrawSliderLabelRow(), "Fill Brightness:");
        DrawRefreshMainSlider(kSliderAttachFillBright);
        break;
    default:
        DrawLabeledBox(DrawRow(1), "Brush Effect:", DrawAttachedEffect(myAttach.mAttachBrushEffect).c_str(),
                       1);
        DrawLabel(DrawSliderLabelRow(), "Brush Speed (Frames/Sec):");
        DrawRefreshMainSlider(kSliderAttachBrushSpeed);
        break;
    }
}

// The kind of name TEXT ENTRY asks for, by the command that asked.
const char* DrawEntryKind() {
    switch (gPopup) {
    case kPopupStyle:
        return "style";
    case kPopupGradientSet:
        return "gradient set";
    case kPopupBrushSet:
        return "brush set";
    case kPopupMoveSet:
        return "movement set";
    case kPopupMasterFolder:
        return "final CD";
    case kPopupRave:
        return gStateSaveTitle ? "song" : "rave";
    case kPopupCDFile:
        return gStateCDAttach ? "CD or RaveSet" : "CD";
    default:
        return "";
    }
}

void DrawTextEntryContents() {
    const std::string myKind = DrawEntryKind();
    const std::string myPrompt = gPopup == kPopupDrive
                                     ? std::string("Type the path of a folder or disc image.")
                                     : "Type a " + (myKind.empty() ? "" : myKind + " ") + "name below.";
    DrawCenteredText(myPrompt.c_str(), DrawRow(0), kLabelInk);
    DrawRefreshMiniButton(kMiniSave, 0);
    DrawRefreshMiniButton(kMiniCancel, 0);
}

// The tapped tempo's average, in hundredths of beats per minute, at most 300.00.
uint32_t DrawTappedTempo() {
    const uint32_t mySpan = gTapTemp[2] - gTapTemp[1];
    if (gTapCount < 2 || mySpan == 0) return 30000;
    const uint64_t myTempo = static_cast<uint64_t>(gTapCount - 1) * 6000000u / mySpan;
    return myTempo > 30000 ? 30000 : static_cast<uint32_t>(myTempo);
}

void DrawManualBeatsContents() {
    DrawLabel(DrawRow(0), "Click Beats Here:");
    DrawRefreshMiniButton(kMiniBeat, 0);
    DrawLabel(DrawRow(1), "Average Tempo (Beats/Min.):");
    DrawDisplayBPM();
    if (gTapCount == 0 && !gStateListen && !gStatePattern) {
        char myTempo[12];
        DrawFormatBPM(StyleGetTempo(gStyle), myTempo);
        DrawNumberAfter(DrawRow(2), "Align Current Tempo:", myTempo, 38);
        DrawRefreshMiniButton(kMiniAlign, 0);
    } else if (gTapCount >= 2) {
        DrawLabel(DrawRow(2), "Apply New Tempo:");
        DrawRefreshMiniButton(kMiniApply, 0);
    }
    if (gTapCount) DrawRefreshMiniButton(kMiniClear, 0);
}

void DrawPatternBeatsContents() {
    DrawLabel(DrawRow(0), "Click Pattern Here:");
    DrawRefreshMiniButton(kMiniBeat, 0);
    if (gTapCount == 0 && !gStateListen && gStatePattern) {
        DrawLabel(DrawRow(1), "Align Current Pattern:");
        DrawRefreshMiniButton(kMiniAlign, 0);
    } else if (gTapCount >= 2) {
        DrawLabel(DrawRow(1), "Apply New Pattern:");
        DrawRefreshMiniButton(kMiniApply, 0);
    }
    DrawDisplayPattern(0);
    if (gTapCount) DrawRefreshMiniButton(kMiniClear, 0);
}

void DrawCDContents() {
    DrawLabeledBox(gRectCDName, "CD:", gCDName, 1);
    const Rect myRow = DrawRow(1);
    char myTrack[4] = "";
    if (gTrackCurrent >= 0) std::snprintf(myTrack, sizeof(myTrack), "%02d", (gTrackCurrent + 1) % 100);
    DrawNumberAfter(myRow, "Track:", myTrack, 17);
    DrawDisplayTime(1);
    DrawDisplayTime(0);
    DrawRefreshMainSlider(kSliderVolume);
}

void DrawColorContents(const char* mySliderLabel, unsigned short mySlider) {
    DrawLabeledBox(gRectPanelBox1, "Brush Color Effect:", gStyle.mBrushColorEffect, 1);
    DrawLabeledBox(gRectPanelBox2, "Fill Color Effect:", gStyle.mFillColorEffect, 1);
    DrawLabel(DrawSliderLabelRow(), mySliderLabel);
    DrawRefreshMainSlider(mySlider);
}

void DrawSliderBlock(const char* myLabel, unsigned short mySlider) {
    DrawLabel(DrawSliderLabelRow(), myLabel);
    DrawRefreshMainSlider(mySlider);
}

void DrawParameterContents() {
    const MEffect& myMove = gMovements[gPosition % kMoveSlots];
    if (gParameter >= myMove.mNumParams) return;
    DrawLabel(DrawRow(1), "Randomization:");
    DrawRefreshMiniButton(kMiniFixed, 0);
    const std::string myName(myMove.mName + gParameter * kParamNameSize,
                             strnlen(myMove.mName + gParameter * kParamNameSize, kParamNameSize - 1));
    DrawSliderBlock((myName + ":").c_str(), kSliderParameter);
}

// The small preview of a brush or movement slot, in place of a panel's icon: its thumbnail from the list.
void DrawSlotPreview(char myType) {
    SurfaceStretch(DrawSurface(),
                   {kLayoutPanelIconX, kLayoutPanelIconY, kLayoutPanelIconX + 16, kLayoutPanelIconY + 16},
                   gWorldControls, DrawThumbRect(myType, gPosition % 6), false);
}

// DELETE FILE: the box that opens the list of files to delete, its request on two lines.
void DrawDeleteContents() {
    const Rect myBox{DrawRow(0).left, DrawRow(0).top, DrawRow(0).right, DrawRow(1).bottom};
    DrawUpdateBoxText("", myBox, 1);
    const int myMiddle = (myBox.top + myBox.bottom) / 2;
    DrawCenteredText("Select item in popup", {myBox.left, myBox.top + 1, myBox.right - 10, myMiddle}, 255);
    DrawCenteredText("to delete it", {myBox.left, myMiddle, myBox.right - 10, myBox.bottom - 1}, 255);
}

void DrawPanelTitle(uint8_t myPanel) {
    const PanelTitle* myTitle = DrawFindTitle(myPanel);
    if (!myTitle) return;
    if (myTitle->mIcon >= 0)
        SurfaceCopyKeyed(DrawSurface(), kLayoutPanelIconX, kLayoutPanelIconY, gWorldIcons,
                         ArtPanelIconRect(myTitle->mIcon));
    else if (myPanel == kPanelParameter)
        DrawSlotPreview('M');
    else if (myPanel == kPanelAttach)
        DrawSlotPreview('B');
    const bool myPreview = myTitle->mIcon >= 0 || myPanel == kPanelParameter || myPanel == kPanelAttach;
    DrawText(myPreview ? kTitleX : kLayoutPanelIconX, kTitleBaseline, myTitle->mTitle, kTitleInk);
}

} // namespace

Rect DrawMiniButtonRect(unsigned short myNumber) {
    switch (myNumber) {
    case kMiniFixed:
        return gPanel == kPanelParameter ? DrawRowButton(1) : Rect{};
    case kMiniSave:
    case kMiniYes:
        return gPanel == (myNumber == kMiniSave ? kPanelTextEntry : kPanelReplace) ? Rect{48, 106, 89, 119}
                                                                                   : Rect{};
    case kMiniCancel:
    case kMiniNo:
        return gPanel == (myNumber == kMiniCancel ? kPanelTextEntry : kPanelReplace)
                   ? Rect{122, 106, 163, 119}
                   : Rect{};
    case kMiniDone:
        return gPanel == kPanelDelete ? Rect{83, 106, 124, 119} : Rect{};
    case kMiniSearch:
        return gPanel == kPanelSoundInput ? DrawRowButton(1) : Rect{};
    case kMiniDefault:
        return gPanel == kPanelFrequency ? DrawRowButton(0) : Rect{};
    case kMiniBeat:
        return gPanel == kPanelManualBeats || gPanel == kPanelPatternBeats ? DrawRowButton(0) : Rect{};
    case kMiniApply:
    case kMiniAlign:
        return gPanel == kPanelManualBeats    ? DrawRowButton(2)
               : gPanel == kPanelPatternBeats ? DrawRowButton(1)
                                              : Rect{};
    case kMiniClear:
        return gPanel == kPanelManualBeats || gPanel == kPanelPatternBeats ? DrawRowButton(3) : Rect{};
    case kMiniSaverOn:
        return gPanel == kPanelSaver ? DrawRowButton(0) : Rect{};
    case kMiniSaverSound:
        return gPanel == kPanelSaver ? DrawRowButton(1) : Rect{};
    default:
        return {};
    }
}

const char* DrawMiniButtonText(unsigned short myNumber) {
    switch (myNumber) {
    case kMiniFixed:
        return gStyle.mMoveParam[gPosition % kMoveSlots].mFixed[gParameter % 3] ? "Fixed" : "Random";
    case kMiniSave:
        return "Save";
    case kMiniCancel:
        return "Cancel";
    case kMiniYes:
        return "Yes";
    case kMiniNo:
        return "No";
    case kMiniDone:
        return "Done";
    case kMiniSearch:
        return "Search";
    case kMiniDefault:
        return "Default";
    case kMiniBeat:
        return "Beat";
    case kMiniApply:
        return "Apply";
    case kMiniAlign:
        return "Align";
    case kMiniClear:
        return "Clear";
    case kMiniSaverOn:
        return gSaverFlag ? "ON" : "OFF";
    case kMiniSaverSound:
        return gSaverSound ? "Play" : "Ignore";
    default:
        return "";
    }
}

bool DrawMiniButtonLit(unsigned short myNumber) {
    return myNumber == kMiniSaverOn && gSaverFlag;
}

void DrawDisplayTime(uint8_t myElapsed) {
    char myText[8];
    DrawFormatTime(myElapsed ? gHalfSeconds / 2 : gSongLength / 1000, myText);
    const Rect myRow = DrawRow(1);
    if (myElapsed) {
        const Rect myHalf{myRow.left + 56, myRow.top, myRow.left + 130, myRow.bottom};
        DrawNumberAfter(myHalf, "Min:Sec:", myText, 30);
    } else {
        const Rect myHalf{myRow.right - 60, myRow.top, myRow.right, myRow.bottom};
        DrawNumberAfter(myHalf, "Total:", myText, 30);
    }
}

void DrawDisplayBPM() {
    char myText[12] = "None";
    if (gTapCount >= 2) DrawFormatBPM(DrawTappedTempo(), myText);
    const Rect myRow = DrawRow(1);
    const Rect myBox{myRow.right - 40, myRow.top, myRow.right, myRow.bottom};
    SurfaceFill(DrawSurface(), myBox, kColorBlack);
    DrawCenteredText(myText, myBox, kNumberInk);
}

// The tapped pattern: a tick for each tap along a line, spaced as the taps were.
void DrawDisplayPattern(uint8_t myClear) {
    const Rect myRow = DrawRow(2);
    const Rect myBox{myRow.left, myRow.top + 2, myRow.right - 50, myRow.bottom - 2};
    SurfaceFill(DrawSurface(), myBox, kColorBlack);
    if (myClear) return;
    const bool myTapping = gTapCount > 0;
    const int myCount =
        myTapping ? std::min<int>(gTapTemp[0], 9) : (gStatePattern ? static_cast<int>(gTapTime[0]) + 1 : 0);
    if (myCount < 1) return;
    uint32_t myTimes[10] = {};
    for (int myIndex = 1; myIndex < myCount; ++myIndex)
        myTimes[myIndex] = myTimes[myIndex - 1] +
                           (myTapping ? gTapTemp[myIndex + 1] - gTapTemp[myIndex] : gTapTime[myIndex]);
    const uint32_t mySpan = myTimes[myCount - 1] ? myTimes[myCount - 1] : 1;
    const int myWidth = myBox.Width() - 7;
    SurfaceFill(DrawSurface(), {myBox.left + 3, myBox.top + 4, myBox.right - 3, myBox.top + 5}, 12);
    for (int myIndex = 0; myIndex < myCount; ++myIndex) {
        const int myX =
            myBox.left + 3 + static_cast<int>(static_cast<uint64_t>(myTimes[myIndex]) * myWidth / mySpan);
        SurfaceFill(DrawSurface(), {myX, myBox.top + 1, myX + 1, myBox.bottom - 1}, kNumberInk);
    }
}

void DrawEditableText(uint8_t myEditable) {
    const Rect myRow = DrawRow(1);
    if (myEditable) {
        if (!TextFieldExists()) TextFieldCreate(myRow, gEditableText, gEditableFlag);
        TextFieldDraw(true);
        return;
    }
    SurfaceFill(DrawSurface(), myRow, 255);
    char myName[kEditableSize];
    std::strcpy(myName, gEditableText);
    for (char& myChar : myName)
        if (myChar == '_') myChar = ' ';
    DrawCenteredText(myName, myRow, kLabelInk);
}

void DrawPanelContents() {
    if (!DrawSurface().Exists()) return;
    DrawFromControls(gRectPanel, 0);
    DrawPanelTitle(gPanel);
    switch (gPanel) {
    case kPanelCD:
        DrawCDContents();
        break;
    case kPanelColor:
        DrawColorContents("Color Kick (Percent):", kSliderColorKick);
        break;
    case kPanelBrushBright:
        DrawColorContents("Brush Brightness:", kSliderBrushBright);
        break;
    case kPanelFillBright:
        DrawColorContents("Fill Brightness:", kSliderFillBright);
        break;
    case kPanelBrushSat:
        DrawColorContents("Brush Saturation:", kSliderBrushSat);
        break;
    case kPanelFillSat:
        DrawColorContents("Fill Saturation:", kSliderFillSat);
        break;
    case kPanelGradient:
        DrawLabeledBox(gRectSetBox, "Gradient Sets:", gStyle.mGradSetName, 1);
        DrawSliderBlock("Color Speed (Shift/Sec):", kSliderColorSpeed);
        break;
    case kPanelFill:
        DrawLabeledBox(gRectSetBox, "Fill Sets:", gStyle.mFillSetName, 1);
        break;
    case kPanelBrush:
        DrawLabeledBox(gRectSetBox, "Brush Sets:", gStyle.mBrushSetName, 1);
        DrawLabeledBox(gRectEffect, "Brush Effect:", gStyle.mBrushEffect, 1);
        DrawSliderBlock("Brush Speed (Frames/Sec):", kSliderBrushSpeed);
        break;
    case kPanelMovement:
        DrawLabeledBox(gRectSetBox, "Movement Sets:", gStyle.mMoveSetName, 1);
        DrawSliderBlock("Movement Spread (Pixels):", kSliderSpread);
        break;
    case kPanelSoundInput:
        DrawLabeledBox(
            DrawRow(0), "Current Input:",
            gAudioCurrentInputType < gSoundInputNum ? gSoundInputNames[gAudioCurrentInputType] : "", 1);
        DrawLabel(DrawRow(1), "Search for Active Sound:");
        DrawRefreshMiniButton(kMiniSearch, 0);
        break;
    case kPanelFrequency:
        DrawLabel(DrawRow(0), "Hertz:");
        DrawRefreshMiniButton(kMiniDefault, 0);
        DrawEmptySpectrograph();
        DrawRefreshMainSlider(kSliderFrequency);
        break;
    case kPanelBPM:
        DrawSliderBlock("Beats Per Minute:", kSliderTempo);
        break;
    case kPanelManualBeats:
        DrawManualBeatsContents();
        break;
    case kPanelPatternBeats:
        DrawPatternBeatsContents();
        break;
    case kPanelSaver:
        // Where the desktop blanks or locks the screen first, the saver would never be seen: the panel says
        // so.
        if (gSaverFlag && gSaverBlank && gSaverBlank <= gSaverDelay) {
            char myNote[40];
            std::snprintf(myNote, sizeof(myNote), "Desktop blanks at %u min!", gSaverBlank);
            DrawLabel(DrawRow(0), myNote);
        } else {
            DrawLabel(DrawRow(0), "Screen Saver:");
        }
        DrawRefreshMiniButton(kMiniSaverOn, 0);
        if (gSaverFlag) {
            DrawLabel(DrawRow(1), "Play CD When Launched:");
            DrawRefreshMiniButton(kMiniSaverSound, 0);
            DrawSliderBlock("Screen Saver Delay (Min):", kSliderSaverDelay);
        }
        break;
    case kPanelScaleFade:
    case kPanelScaleThreshold:
    case kPanelMaxFade:
        DrawLabel(DrawRow(0), "Sound Scale Display:");
        DrawSoundScaleMeter();
        DrawSliderBlock(gPanel == kPanelScaleThreshold ? "Scaling Threshold (Percent):"
                                                       : "Fade Time (Tenths of a Sec.):",
                        gPanel == kPanelScaleFade ? kSliderScaleFade
                        : gPanel == kPanelMaxFade ? kSliderMaxFade
                                                  : kSliderScaleThreshold);
        break;
    case kPanelParameter:
        DrawParameterContents();
        break;
    case kPanelTextEntry:
        DrawTextEntryContents();
        DrawEditableText(1);
        break;
    case kPanelReplace:
        DrawCenteredText("Replace existing file?", DrawRow(0), kLabelInk);
        DrawEditableText(0);
        DrawRefreshMiniButton(kMiniYes, 0);
        DrawRefreshMiniButton(kMiniNo, 0);
        break;
    case kPanelDelete:
        DrawDeleteContents();
        DrawRefreshMiniButton(kMiniDone, 0);
        break;
    case kPanelAttach:
        DrawAttachContents();
        break;
    default:
        break;
    }
}

void DrawPanel(uint8_t myPanel) {
    TextFieldDestroy();
    gEditableFlag = 0;
    gPanel = myPanel;
    gStateTextEntry = myPanel == kPanelTextEntry || myPanel == kPanelReplace;
    if (myPanel == kPanelTextEntry)
        gEditableFlag = gPopup == kPopupDrive                            ? kTextFieldPathMax
                        : gPopup == kPopupRave || gPopup == kPopupCDFile ? kTextFieldMax
                                                                         : 15;
    if (myPanel == kPanelTextEntry) TextFieldCreate(DrawPanelRow(1), gEditableText, gEditableFlag);
    if (!gStateControlsVisible) return;
    DrawPanelContents();
    DrawRememberPanel();
    WindowPresent(kWinControls);
}

void DrawPanelResetState() {
    gPanel = kPanelCD;
    gPanelAttach = kAttachEffects;
    gPanelBeforeEdit = kPanelCD;
    gPosition = 0;
    gParameter = 0;
}
