// Parsing of the port's options.
#include "shell/options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/cdaudio.h"

Options gOptions;

namespace {
bool OptionsNumber(const char* myText, int myLow, int myHigh, int& myValue) {
    if (!myText || !*myText) return false;
    char* myEnd = nullptr;
    const long myNumber = std::strtol(myText, &myEnd, 10);
    if (*myEnd || myNumber < myLow || myNumber > myHigh) return false;
    myValue = static_cast<int>(myNumber);
    return true;
}

bool OptionsSize(const char* myText, int& myWidth, int& myHeight) {
    if (!myText) return false;
    const char* myCross = std::strchr(myText, 'x');
    if (!myCross) return false;
    const std::string myLeft(myText, myCross);
    return OptionsNumber(myLeft.c_str(), 64, 16384, myWidth) &&
           OptionsNumber(myCross + 1, 64, 16384, myHeight);
}
} // namespace

const char* OptionsUsage() {
    return "Usage: orbex [options]\n"
           "Orbex, the music visualizer. With no options it starts full screen.\n"
           "\n"
           "  --headless            run without a display, on a virtual clock\n"
           "  --frames N            headless: write N frames, then quit (default: the whole --audio song or\n"
           "                        --disc track, else 10 seconds)\n"
           "  --fps F               headless: frames per second of virtual time (default 30)\n"
           "  --size WxH            headless: picture size (default 640x480)\n"
           "  --out DIR             headless: write frames as DIR/frame-000000.png, ...\n"
           "  --video FILE          headless: write a video; .mp4, .mkv, .mov (H.264 and AAC), .webm (VP9\n"
           "                        and Opus) or .y4m (raw pictures), with the sound of --audio or the disc\n"
           "  --video FOLDER/       headless, with --disc: write every track from --track on as\n"
           "                        FOLDER/\"NN Title.mp4\", each with its rave and its sound\n"
           "  --quality Q           headless: fast, good or small (default fast): speed against file size\n"
           "  --quiet               headless: no progress line\n"
           "  --style NAME          start with the style NAME instead of the last session\n"
           "  --audio FILE          headless: listen to a sound file (any format libsndfile reads)\n"
           "  --clicks BPM          headless: listen to a generated click track at BPM beats per minute\n"
           "  --disc PATH           play a disc: a CD drive's device, a disc image (.cue, .toc, .nrg)\n"
           "                        or a folder of music files, one track per file in name order\n"
           "  --track N             begin with track N\n"
           "  --player NAME         follow the desktop media player NAME (as its MPRIS bus name ends, e.g.\n"
           "                        vlc) rather than whichever plays last\n"
           "  --disc-info           with --disc: print the disc's code, CDDB id and tracks, and end\n"
           "  --window WxH          run in a window of that size instead of full screen\n"
           "  --display N           fill screen N (0 is the first); it is remembered for next time\n"
           "  --beat-log FILE       write the song time of every beat to FILE, in seconds\n"
           "  --script FILE         play the timed keys, clicks and pictures of a script (headless: then "
           "quit)\n"
           "  --ui-scale N          magnify the controls, help and alert windows N times (1 to 4)\n"
           "  --verbose             say how the windows reach the screen (ORBEX_PRESENT=surface, opengl or\n"
           "                        renderer chooses)\n"
           "  --seed N              start the random choices from N: each run begins with the same choices\n"
           "  --help                show this text\n"
           "  --version             show the version\n";
}

bool OptionsParse(int myArgc, char** myArgv, std::string& myError) {
    gOptions = Options();
    for (int myIndex = 1; myIndex < myArgc; ++myIndex) {
        const std::string myArg = myArgv[myIndex];
        const char* myNext = myIndex + 1 < myArgc ? myArgv[myIndex + 1] : nullptr;
        auto myTake = [&]() {
            ++myIndex;
            return myNext;
        };
        if (myArg == "--help" || myArg == "-h") {
            gOptions.mHelp = true;
        } else if (myArg == "--version") {
            gOptions.mVersion = true;
        } else if (myArg == "--headless") {
            gOptions.mHeadless = true;
        } else if (myArg == "--frames") {
            if (!OptionsNumber(myTake(), 1, 100000000, gOptions.mFrames))
                myError = "--frames needs a count of 1 or more";
        } else if (myArg == "--fps") {
            if (!OptionsNumber(myTake(), 1, 1000, gOptions.mFps)) myError = "--fps needs 1 to 1000";
        } else if (myArg == "--size") {
            if (!OptionsSize(myTake(), gOptions.mWidth, gOptions.mHeight))
                myError = "--size needs WxH, each from 64 to 16384 pixels";
        } else if (myArg == "--window") {
            if (!OptionsSize(myTake(), gOptions.mWindowWidth, gOptions.mWindowHeight))
                myError = "--window needs WxH, each from 64 to 16384 pixels";
        } else if (myArg == "--display") {
            if (!OptionsNumber(myTake(), 0, 63, gOptions.mDisplay))
                myError = "--display needs a screen number";
        } else if (myArg == "--out") {
            const char* myValue = myTake();
            if (myValue)
                gOptions.mOutDir = myValue;
            else
                myError = "--out needs a folder";
        } else if (myArg == "--beat-log") {
            const char* myValue = myTake();
            if (myValue)
                gOptions.mBeatLog = myValue;
            else
                myError = "--beat-log needs a file name";
        } else if (myArg == "--script") {
            const char* myValue = myTake();
            if (myValue)
                gOptions.mScript = myValue;
            else
                myError = "--script needs a file name";
        } else if (myArg == "--seed") {
            if (!OptionsNumber(myTake(), 0, 2147483647, gOptions.mSeed))
                myError = "--seed needs 0 to 2147483647";
        } else if (myArg == "--ui-scale") {
            if (!OptionsNumber(myTake(), 1, 4, gOptions.mUiScale)) myError = "--ui-scale needs 1 to 4";
        } else if (myArg == "--clicks") {
            if (!OptionsNumber(myTake(), 1, 300, gOptions.mClicks)) myError = "--clicks needs 1 to 300";
        } else if (myArg == "--audio") {
            const char* myValue = myTake();
            if (myValue)
                gOptions.mAudio = myValue;
            else
                myError = "--audio needs a sound file";
        } else if (myArg == "--video") {
            const char* myValue = myTake();
            const size_t myLength = myValue ? std::strlen(myValue) : 0;
            if (!myValue) {
                myError = "--video needs a file name";
            } else if (myLength > 1 && myValue[myLength - 1] == '/') {
                gOptions.mVideo = myValue;
                gOptions.mVideoFolder = true;
            } else if (VideoFormOfPath(myValue) == kVideoUnknown) {
                myError =
                    std::string("--video ") + myValue + ": unknown kind of video; name it " + VideoFormList();
            } else {
                gOptions.mVideo = myValue;
            }
        } else if (myArg == "--quality") {
            const char* myText = myTake();
            const std::string myValue = myText ? myText : "";
            if (myValue == "fast")
                gOptions.mQuality = kVideoFast;
            else if (myValue == "good")
                gOptions.mQuality = kVideoGood;
            else if (myValue == "small")
                gOptions.mQuality = kVideoSmall;
            else
                myError = "--quality needs fast, good or small";
        } else if (myArg == "--quiet") {
            gOptions.mQuiet = true;
        } else if (myArg == "--disc") {
            const char* myValue = myTake();
            if (myValue && *myValue)
                gOptions.mDisc = myValue;
            else
                myError = "--disc needs a drive, a disc image or a music folder";
        } else if (myArg == "--track") {
            if (!OptionsNumber(myTake(), 1, 99, gOptions.mTrack)) myError = "--track needs 1 to 99";
        } else if (myArg == "--player") {
            const char* myValue = myTake();
            if (myValue && *myValue)
                gOptions.mPlayer = myValue;
            else
                myError = "--player needs a player's name";
        } else if (myArg == "--verbose") {
            gOptions.mVerbose = true;
        } else if (myArg == "--disc-info") {
            gOptions.mDiscInfo = true;
        } else if (myArg == "--style") {
            const char* myValue = myTake();
            // A style's name field holds 15 characters, and its file lies in the styles folder itself.
            if (myValue && (std::strpbrk(myValue, "/\\") || std::strstr(myValue, "..")))
                myError = std::string("--style ") + myValue + ": a style's name cannot hold \"/\" or \"..\"";
            else if (myValue && *myValue && std::strlen(myValue) <= 15)
                gOptions.mStyle = myValue;
            else
                myError = "--style needs a style name of 1 to 15 characters";
        } else {
            myError = "unknown option " + myArg;
        }
        if (!myError.empty()) return false;
    }
    if (gOptions.mDiscInfo && gOptions.mDisc.empty()) {
        myError = "--disc-info needs --disc";
        return false;
    }
    if (!gOptions.mHeadless && (gOptions.mFrames || !gOptions.mOutDir.empty() || !gOptions.mVideo.empty() ||
                                !gOptions.mAudio.empty() || gOptions.mClicks)) {
        myError = "--frames, --out, --video, --audio and --clicks need --headless";
        return false;
    }
    if (gOptions.mVideoFolder && gOptions.mDisc.empty()) {
        myError = "--video " + gOptions.mVideo + " needs --disc: a folder holds one video for each track";
        return false;
    }
    if (gOptions.mVideoFolder && gOptions.mFrames) {
        myError = "--frames cannot be used with --video " + gOptions.mVideo + ": each video is a whole track";
        return false;
    }
    if (!gOptions.mPlayer.empty() && (gOptions.mHeadless || !gOptions.mDisc.empty())) {
        myError = "--player follows a desktop player: not with --headless or --disc";
        return false;
    }
    if (!gOptions.mOutDir.empty() && !gOptions.mVideo.empty()) {
        myError = "--out and --video cannot be used together";
        return false;
    }
    // One sound at a time: the song, the click track or the disc.
    if (!gOptions.mAudio.empty() && (gOptions.mClicks || !gOptions.mDisc.empty())) {
        myError = gOptions.mClicks ? "--audio and --clicks cannot be used together"
                                   : "--audio and --disc cannot be used together";
        return false;
    }
    return true;
}

bool OptionsCheckFiles(std::string& myError, std::vector<std::string>& myWarnings) {
    namespace fs = std::filesystem;
    if (!gOptions.mBeatLog.empty()) {
        const fs::path myLog(gOptions.mBeatLog);
        const fs::path myFolder = myLog.parent_path().empty() ? fs::path(".") : myLog.parent_path();
        std::error_code myFault;
        if (fs::is_directory(myLog, myFault)) {
            myError = "--beat-log " + gOptions.mBeatLog + ": it is a folder";
            return false;
        }
        if (!fs::is_directory(myFolder, myFault)) {
            myError = "--beat-log " + gOptions.mBeatLog + ": there is no folder " + myFolder.string();
            return false;
        }
        // Opened to add nothing, so an old log stays as it is until the run writes its own; a file made only
        // for the test goes again.
        const bool myExisted = fs::exists(myLog, myFault);
        std::FILE* myFile = std::fopen(gOptions.mBeatLog.c_str(), "a");
        if (!myFile) {
            myError = "--beat-log " + gOptions.mBeatLog + ": " + std::strerror(errno);
            return false;
        }
        std::fclose(myFile);
        if (!myExisted) fs::remove(myLog, myFault);
    }
    if (!gOptions.mDisc.empty() && !CDAudioCheckSource(gOptions.mDisc, myError, myWarnings)) {
        myError = "--disc " + myError;
        return false;
    }
    return true;
}

void OptionsResetState() {
    gOptions = Options();
}
