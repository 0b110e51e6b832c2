// The desktop's screen-saver settings as Orbex keeps them, and the pieces that make Orbex the desktop's
// screen saver: our idle agent (an autostart entry and the running agent) or, where XScreenSaver runs, one of
// its programs.
#pragma once

#include <cstdint>
#include <string>

// The screen saver's single-instance lock and the idle agent's.
inline constexpr const char* kSaverLockName = "ORBEXSAVER";
inline constexpr const char* kAgentLockName = "ORBEXAGENT";
// The saver's file name, found beside the visualizer.
inline constexpr const char* kSaverProgram = "orbex-saver";

// Where the settings live: the installed saver in "system.ini", whether a saver is active and after how many
// seconds of idleness in "registry.ini", as the desktop's own settings once were.
inline constexpr const char* kSaverSystemFile = "system.ini";
inline constexpr const char* kSaverBootSection = "boot";
inline constexpr const char* kSaverBootKey = "SCRNSAVE.EXE";
inline constexpr const char* kSaverDesktopFile = "registry.ini";
inline constexpr const char* kSaverDesktopSection = "Control Panel\\Desktop";
inline constexpr const char* kSaverActiveKey = "ScreenSaveActive";
inline constexpr const char* kSaverTimeOutKey = "ScreenSaveTimeOut";

struct SaverSettings {
    bool mActive = false;  // a screen saver runs after the time-out
    uint32_t mTimeOut = 0; // seconds of idleness; 0 when none is known
    std::string mProgram;  // the saver entry ("empty" when there is none)
};

// The settings from the configuration folder.
SaverSettings SaverReadSettings();
// The saver program beside the program at myProgramPath (or this process's own file); empty when missing.
std::string SaverFindProgram(const char* myProgramPath);

// Makes myProgram the desktop's screen saver after myTimeOut seconds: the settings, then XScreenSaver's
// programs where it runs, else the idle agent's autostart entry and the agent itself (started, or told to
// read the settings again). False when a file could not be written.
bool SaverInstall(const std::string& myProgram, uint32_t myTimeOut);
// Undoes SaverInstall: the saver inactive, its entry gone, the autostart entry removed, the agent stopped.
void SaverUninstall();

// The autostart entry that starts the agent at login ($XDG_CONFIG_HOME/autostart/orbex-saver.desktop).
std::string SaverAutostartPath();
std::string SaverAutostartText(const std::string& myProgram);

// XScreenSaver: whether it runs for this user, and its settings file's text with Orbex as its one program
// after myTimeOut seconds, or without Orbex again.
bool SaverXScreenSaverRuns();
std::string SaverXScreenSaverWith(const std::string& myText, const std::string& myCommand,
                                  uint32_t myTimeOut);
std::string SaverXScreenSaverWithout(const std::string& myText);

// Minutes after which the desktop blanks or locks by itself, whatever Orbex does; 0 when unknown or never.
int SaverDesktopBlankMinutes();

// Tells the running screen-saver program that the visualizer it started has ended; false when none runs.
bool SaverQuitRunning();
// The signal that carries that message.
int SaverQuitSignal();
