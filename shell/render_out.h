// Headless output: the animation window's frames at exact virtual times, as PNG files, a video or a sheet.
#pragma once

#include <cstdint>
#include <string>

// The sound a headless run hears: the --audio file, the demo's click track, or else silence. False with a
// message when the file cannot be read.
bool RenderOutSetUpSound(std::string& myError);

// Opens the output before the program starts, so a file that cannot be written is known at once; false with
// a message. The length is --frames, else the whole song, else 10 seconds.
bool RenderOutOpen(std::string& myError);
// Starts counting frames from now.
void RenderOutStart();
// One virtual millisecond has passed: writes the frame that is due, and asks to quit after the last one.
void RenderOutTurn();
// Writes what is still pending (the rest of the video, the demo's contact sheet) and closes the output;
// false with a message when something could not be written, and then no video is left behind.
bool RenderOutFinish(std::string& myError);
// Removes an output that was opened but never finished (a run that ended before it began).
void RenderOutDiscard();
int RenderOutFramesWritten();
int RenderOutFramesTotal();
void RenderOutResetState();
