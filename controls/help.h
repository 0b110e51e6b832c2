// Help for whatever the cursor is over: the title in the controls window's display strip, the whole text in
// the help window, and the roll-over that opens the drawing controls.
#pragma once

#include <cstdint>
#include <string>

#include "resources/controls_art.h"

// The help zone shown last; 0 makes the next pass draw afresh.
extern int32_t gHelpZone;
// 0 none; 1 the cursor is on the drawing-controls button of a window that was expanded already; 2 the window
// was expanded by rolling over that button (it collapses again when the cursor leaves).
extern uint8_t gStateRollover;

// Zones that name no control of their own.
constexpr int32_t kHelpZoneNothing = 0;     // in the controls window, over no control
constexpr int32_t kHelpZoneOutside = 65535; // outside the controls window
constexpr int32_t kHelpZonePause = 6000;    // the play button while a song plays
constexpr int32_t kHelpZoneStrip = 15000;   // the display strip
constexpr int32_t kHelpZoneManual = 500;    // the "Manual" button
constexpr int32_t kHelpZoneRandomize = 515; // the parameter's "Fixed"/"Random" button
constexpr int32_t kHelpZoneSensitivity = 600;
// The displays that are no control of their own.
enum HelpDisplayZone : int32_t {
    kHelpZonePreviewArrows = 200,
    kHelpZonePreviewStrip,
    kHelpZoneTrack,
    kHelpZoneMeter,
    kHelpZoneBeatLamp,
    kHelpZoneSpectrograph,
    kHelpZoneAverageTempo,
    kHelpZonePattern,
    kHelpZoneElapsed,
    kHelpZoneTotal,
    kHelpZoneScaleMeter,
    kHelpZoneFrequencyButton,
    kHelpZoneVolumeButton,
};
// A main button's zone: its number, 1000 x (index + 1) + its left edge.
constexpr int32_t HelpButtonZone(int myIndex) {
    return 1000 * (myIndex + 1) + LayoutButtonLeft(myIndex);
}
// The value box of a main slider below 413 is zone 20 + (slider - 401); of a live slider from 461, slider -
// 450.
constexpr int32_t HelpValueZone(int mySlider) {
    return mySlider >= 461 ? mySlider - 450 : 20 + (mySlider - 401);
}

// Where the display strip's title stands: its left end and baseline.
constexpr int kHelpStripTextX = 272;
constexpr int kHelpStripBaseline = 14;

// One pass: the roll-over, then the zone under the cursor, and its text drawn when the zone changed.
void HelpDisplay();
// The zone under a point of the controls window, in its own pixels.
int32_t HelpFindZone(int myX, int myY);
// The zone of a point in a column's bottom area (counter, threshold meter, trigger button); false when the
// point is on none of them.
bool HelpCheckSliders(int myX, int myY, short myColumn, int32_t* myZone);
// The whole text of a zone as it reads in the program's present state: the title, two carriage returns,
// the body; empty when the zone has no text.
std::string HelpComposeText(int32_t myZone);
// The first line of the text shown now.
std::string HelpTitle();
// Paints the help window's text again.
void HelpDrawWindow();
void HelpResetState();
