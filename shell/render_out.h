// Headless output: the animation window's frames at exact virtual times, as PNG files, a Y4M stream or a
// sheet.
#pragma once

#include <cstdint>
#include <string>

// The sound a headless run hears: the --audio file, the demo's click track, or else silence. False with a
// message when the file cannot be read.
bool RenderOutSetUpSound(std::string& myError);

// Starts counting frames from now; false when the output cannot be opened.
bool RenderOutStart();
// One virtual millisecond has passed: writes the frame that is due, and asks to quit after the last one.
void RenderOutTurn();
// Writes what is still pending (the demo's contact sheet) and closes the output.
bool RenderOutFinish();
int RenderOutFramesWritten();
// Closes any video and forgets the frames of a run.
void RenderOutResetState();
