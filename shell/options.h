// The port's command line: none of it is needed for a normal start.
#pragma once

#include <string>
#include <vector>

#include "platform/video_out.h"

struct Options {
    bool mHeadless = false;
    bool mDemo = false; // headless by itself for want of a display: writes the contact sheet
    int mFrames = 0;
    int mFps = 30;
    int mWidth = 640;
    int mHeight = 480;
    int mWindowWidth = 0;
    int mWindowHeight = 0;
    int mDisplay = -1; // the screen to fill, from 0 (-1: the one chosen last)
    std::string mOutDir;
    std::string mVideo;        // the extension picks the form
    bool mVideoFolder = false; // mVideo ends in '/': one video for each track of the disc
    VideoQuality mQuality = kVideoFast;
    bool mQuiet = false;  // no progress line
    std::string mBeatLog; // every beat's song time, one per line
    std::string mStyle;   // the style to start with instead of the last session
    std::string mAudio;   // headless: the sound file listened to
    int mClicks = 0;      // headless: the tempo of a generated click track listened to (0 = none)
    std::string mScript;  // a scripted session fed into the message queue
    int mUiScale = 0;     // magnification of the controls, help and alert windows (0 = by the desktop's size)
    std::string mDisc;    // the disc to play: a drive's device, a disc image or a folder of music files
    int mTrack = 0;       // the track (from 1) the first start of playback selects
    std::string mPlayer;  // the desktop player to follow, by its name (empty: whichever plays)
    bool mDiscInfo = false; // print the disc's identity and table of contents, and end
    bool mVerbose = false;  // say how the windows are presented
    int mSeed = -1;         // where the random choices start (-1: from the clock)
    std::string mDemoPath = "orbex-demo.png";
    bool mHelp = false;
    bool mVersion = false;
};

extern Options gOptions;
// Puts the options back to their defaults.
void OptionsResetState();

// Parses the arguments into gOptions; false with a message in myError when they make no sense.
bool OptionsParse(int myArgc, char** myArgv, std::string& myError);
// Checks the files and folders the options name before anything starts (the beat log's folder, the disc),
// so a mistake is refused at once; false with a message. What is only left out (a music folder's file that
// cannot be played) is a line in myWarnings.
bool OptionsCheckFiles(std::string& myError, std::vector<std::string>& myWarnings);
const char* OptionsUsage();
