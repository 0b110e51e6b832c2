// Fuzz target: command lines of options, numbers and paths among a few prepared files go through the same
// steps as the program's start (the options, the files they name, a headless run's sound, output and script,
// the program folder and the style asked for). Nothing crashes, and every step that refuses to go on says
// why: the program prints that message and ends with status 2.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/alert.h"
#include "music/music.h"
#include "platform/audioin.h"
#include "platform/cdaudio.h"
#include "platform/platform.h"
#include "platform/script.h"
#include "shell/main.h"
#include "shell/options.h"
#include "shell/program_folder.h"
#include "shell/render_out.h"
#include "sound/search.h"
#include "storage/file.h"

namespace fs = std::filesystem;

namespace {
fs::path sRoot;

void WriteFile(const fs::path& myPath, const std::string& myBytes) {
    std::ofstream(myPath, std::ios::binary) << myBytes;
}

// A tenth of a second of 8-bit mono sound.
std::string TinyWav() {
    const uint32_t mySamples = 1102;
    auto myWord = [](uint32_t myValue, int myBytes) {
        std::string myOut;
        for (int i = 0; i < myBytes; ++i)
            myOut += static_cast<char>((myValue >> (8 * i)) & 0xFF);
        return myOut;
    };
    std::string myWav = "RIFF" + myWord(36 + mySamples, 4) + "WAVEfmt " + myWord(16, 4) + myWord(1, 2) +
                        myWord(1, 2) + myWord(11025, 4) + myWord(11025, 4) + myWord(1, 2) + myWord(8, 2) +
                        "data" + myWord(mySamples, 4);
    for (uint32_t i = 0; i < mySamples; ++i)
        myWav += static_cast<char>(i % 50 < 25 ? 200 : 56);
    return myWav;
}

// The files a command line may name: good ones, damaged ones, folders and names of nothing.
void Prepare() {
    sRoot = fs::temp_directory_path() / ("orbex-fuzz-options-" + std::to_string(::getpid()));
    fs::remove_all(sRoot);
    for (const char* myFolder : {"home/Styles", "runtime", "music", "empty", "out"})
        fs::create_directories(sRoot / myFolder);
    std::ifstream myStyle(std::string(ORBEX_FUZZ_CORPUS) + "/fuzz_style/Small_Parts.sty", std::ios::binary);
    std::string myStyleBytes((std::istreambuf_iterator<char>(myStyle)), std::istreambuf_iterator<char>());
    WriteFile(sRoot / "home/Styles/Mine.sty", myStyleBytes);
    WriteFile(sRoot / "home/Styles/Broken.sty", myStyleBytes.substr(0, 10));
    WriteFile(sRoot / "song.wav", TinyWav());
    WriteFile(sRoot / "music/01 first.wav", TinyWav());
    WriteFile(sRoot / "music/02 damaged.wav", "RIFF....WAVE");
    WriteFile(sRoot / "noise.txt", "not a sound, a script or a disc\n");
    WriteFile(sRoot / "track.bin", std::string(2352 * 100, '\0'));
    WriteFile(sRoot / "disc.cue", "FILE \"track.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n");
    WriteFile(sRoot / "lost.cue", "FILE \"gone.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n");
    WriteFile(sRoot / "empty.cue", "");
    WriteFile(sRoot / "session.txt", "0.1 key ctrl+3\n0.2 click controls 30 5\n");
    WriteFile(sRoot / "bad.txt", "1 click controls 99999999 5\n");
    setenv("ORBEX_HOME", (sRoot / "home").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (sRoot / "runtime").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (sRoot / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (sRoot / "data").c_str(), 1);
    std::atexit([] {
        std::error_code myFault;
        fs::remove_all(sRoot, myFault);
    });
}

const char* const kWords[] = {
    // options
    "--headless", "--frames", "--fps", "--size", "--window", "--display", "--out", "--video", "--quality",
    "--quiet", "--beat-log", "--style", "--audio", "--clicks", "--script", "--disc", "--track", "--disc-info",
    "--ui-scale", "--help", "--version", "--bogus", "-h", "",
    // numbers
    "0", "1", "2", "-1", "7", "30", "99", "300", "1000", "16384", "100000000", "999999999999", "1.5", "abc",
    // sizes
    "64x64", "7x7", "66x64", "65x63", "16384x64", "64x16385", "x", "100x", "x100", "64x64x64",
    // qualities and style names
    "fast", "good", "small", "Mine", "mine", "Broken", "Nope", "../x", "a/b", "..", "(None)", "Last_Session",
    "FifteenLetters_", "SixteenLetters__", "/nonexistent", "/nonexistent/x.y4m", "/", "/dev/null"};
// Files and folders, in the fuzzer's own folder, so nothing a command line makes lands anywhere else.
const char* const kFiles[] = {
    "song.wav",          "noise.txt",   "music",   "empty",  "disc.cue",   "lost.cue",         "empty.cue",
    "track.bin",         "session.txt", "bad.txt", "out",    "out/frames", "noise.txt/frames", "beats.txt",
    "nowhere/beats.txt", "v.y4m",       "v.mkv",   "v.webm", "v.txt",      "out/v.y4m"};
constexpr size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);
constexpr size_t kTokenCount = kWordCount + sizeof(kFiles) / sizeof(kFiles[0]);
constexpr size_t kMaxArguments = 24;

// Each byte picks a word or a file; 0xFF takes the next byte as a length and that many bytes as an argument
// of its own.
std::vector<std::string> Arguments(const uint8_t* myData, size_t mySize) {
    std::vector<std::string> myArgs = {"orbex"};
    for (size_t i = 0; i < mySize && myArgs.size() < kMaxArguments; ++i) {
        if (myData[i] == 0xFF && i + 1 < mySize) {
            const size_t myLength = std::min<size_t>(myData[i + 1], mySize - i - 2);
            myArgs.emplace_back(reinterpret_cast<const char*>(myData + i + 2), myLength);
            i += 1 + myLength;
        } else if (const size_t myToken = myData[i] % kTokenCount; myToken < kWordCount) {
            myArgs.push_back(kWords[myToken]);
        } else {
            myArgs.push_back((sRoot / kFiles[myToken - kWordCount]).string());
        }
    }
    return myArgs;
}

void Refused(const std::string& myError) {
    if (myError.empty()) {
        std::fprintf(stderr, "a refusal without a message\n");
        std::abort();
    }
}

void ResetAll() {
    OptionsResetState();
    RenderOutResetState();
    ScriptResetState();
    MusicResetState();
    AlertResetState();
    FileResetState();
    SearchResetState();
    PlatformResetState();
    AudioInClearSignals();
}

// The start of main, step by step, up to the main loop.
void Start(std::vector<std::string>& myArgs) {
    std::vector<char*> myArgv;
    for (std::string& myArg : myArgs)
        myArgv.push_back(myArg.data());
    myArgv.push_back(nullptr);
    std::string myError;
    if (!OptionsParse(static_cast<int>(myArgs.size()), myArgv.data(), myError)) return Refused(myError);
    if (gOptions.mHelp || gOptions.mVersion) return;
    std::vector<std::string> myWarnings;
    if (!OptionsCheckFiles(myError, myWarnings)) return Refused(myError);
    if (gOptions.mDiscInfo) {
        std::string myInfo;
        MusicDiscInfo(gOptions.mDisc, myInfo);
        if (myInfo.empty()) std::abort(); // the table of contents, or why there is none
        return;
    }
    if (gOptions.mHeadless) {
        if (!RenderOutSetUpSound(myError)) return Refused(myError);
        if (!RenderOutOpen(myError)) return Refused(myError);
    }
    gMusicFirstStyle = gOptions.mStyle;
    PlatformStart(true);
    gPlatformHeadless = gOptions.mHeadless;
    if (!gOptions.mScript.empty() && !ScriptStart(gOptions.mScript, myError)) return Refused(myError);
    if (!InitTakeProgramFolder(myError)) return Refused(myError);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    if (sRoot.empty()) Prepare();
    std::vector<std::string> myArgs = Arguments(myData, mySize);
    Start(myArgs);
    // What a refused or finished start leaves goes again, so every run begins from the same files.
    RenderOutDiscard();
    ProgramFolderRelease();
    CDAudioClose();
    ResetAll();
    fs::remove(sRoot / "beats.txt");
    std::error_code myFault;
    for (const auto& myEntry : fs::directory_iterator(sRoot / "out", myFault))
        fs::remove_all(myEntry.path(), myFault);
    return 0;
}
