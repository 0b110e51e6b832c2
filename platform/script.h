// Scripted sessions: timed keys, characters, clicks, drags, cursor moves and window pictures, fed into the
// message queue exactly where a user's own input would arrive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum ScriptKind : int {
    kScriptKey,        // a key pressed: its key-down and the character it types
    kScriptType,       // characters, as typed
    kScriptClick,      // left button pressed and released
    kScriptRightClick, // right button pressed and released
    kScriptDrag,       // left button pressed, moved, released
    kScriptMove,       // the cursor moved
    kScriptShot,       // a window's picture written as an 8-bit PNG
    kScriptWheel,      // the mouse wheel turned over a point
};

struct ScriptCommand {
    ScriptKind mKind = kScriptKey;
    int mLine = 0;
    uint32_t mTime = 0; // ms of the program's clock since the script started
    int mWindow = -1;
    uint32_t mKey = 0;  // virtual key
    uint8_t mMods = 0;  // modifier keys held
    std::string mText;  // characters to type, or the picture's file
    int mX = 0, mY = 0; // window pixels, unscaled
    int mX2 = 0, mY2 = 0;
    uint32_t mDuration = 0; // ms a drag takes
    int mNotches = 0;       // the wheel's turn: positive away from the user (up)
};

// Reads a script; false with the line's number and what is wrong in myError.
bool ScriptParse(const std::string& myText, std::vector<ScriptCommand>& myCommands, std::string& myError);
// Reads the script file and starts its clock now; false with a message naming the file (and line).
bool ScriptStart(const std::string& myPath, std::string& myError);
// One turn of the program's loops: queues what is due. A picture waits until every message queued before it
// has been handled, so it shows what they drew.
void ScriptTurn();
// A script runs and has commands left.
bool ScriptRunning();
// What went wrong while playing (a picture that could not be written), or empty.
const std::string& ScriptError();
void ScriptResetState();
