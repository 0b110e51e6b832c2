// Where the program folder and the preferences folder are, and filling a new program folder.
#pragma once

#include <string>

// Sets gDirIDOrbex and gDirIDPref: ORBEX_HOME, else the registry value "Path", else the user's data folder;
// headless runs without ORBEX_HOME get a temporary folder of their own. Creates the component folders and
// fills them from the bundled content on first start. False, with which folder and why in myError, when no
// folder can be made.
bool ProgramFolderSetUp(bool myHeadless, const char* myProgramPath, std::string& myError);
// Takes the program folder's own lock, so one run at a time uses it; false with a message when another has
// it.
bool ProgramFolderLock(std::string& myError);
// Lets the lock go and removes a headless run's temporary folder.
void ProgramFolderRelease();
// The bundled components beside the program (build tree or installed share/orbex), or empty.
std::string ProgramFolderBundled(const char* myProgramPath);
