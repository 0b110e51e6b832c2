// What keys and clicks share: the toggles, the flag edits, the song time of a message, and saving by name.
#pragma once

#include <cstdint>

extern uint8_t gStateHelp;
// The controls were expanded when the animation window closed, so they open again with it.
extern uint8_t gStateControlsExpand;
// The name being typed is a song's title rather than a rave to save.
extern uint8_t gStateSaveTitle;
// The length limit of the text field (27 or 15), 0 while none is open.
extern uint8_t gEditableFlag;

// The song time of a message made at myTime: the pause time when paused, 0 when stopped.
uint32_t MouseKeyElapsedTime(uint32_t myTime);

// Playing pauses, pausing resumes, stopped plays the current track.
void MouseKeyPlayPause();
void MouseKeyToggleHold();
void MouseKeyToggleListen(uint8_t myInvert, uint32_t myElapsed, uint8_t mySearch);
void MouseKeyToggleHelp();
void MouseKeyToggleControls(uint8_t myQuiet);
// The settings flags byte with bit myBit inverted; a cued change toggles the cue rather than the live state.
uint8_t MouseKeyFlagSettings(uint8_t myClass, uint8_t myBit);
// Shows or hides the help window beside the controls.
void MouseKeyPlaceHelp();

// The TEXT ENTRY panel: opened for gPopup (remembering the panel to go back to), ended by Enter or "Save".
void MouseKeyOpenTextEntry();
void MouseKeyEnterText();
// True when the file the entered name would write exists already.
bool MouseKeyCheckOnDisk();
// Appends the entered name (blanks as underscores) to a path.
void MouseKeyInsertFileName(char* myPath);
// Writes the file the REPLACE FILE panel asked about ("Yes", or Enter).
void MouseKeyReplaceFile();
// Back to the panel shown before the name was asked for ("Cancel", "No", "Done", Escape in the field).
void MouseKeyLeaveTextEntry();

void MouseKeyResetState();
