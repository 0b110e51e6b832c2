// Running as the screen saver: the preferences hand-off, Orbex started in screen-saver mode, and waiting
// until it ends; and the preview's logo.
#pragma once

#include <cstdint>
#include <string>

// Sets the screen-saver byte of the preferences file at myPath, creating the file with the saver's defaults
// when it is missing. False when it can be neither read nor written.
bool SaverMarkPreferences(const std::string& myPath);
// The whole run ("s"): the exit status (0 when Orbex ran and ended, 1 when anything failed quietly).
int SaverRun();
// The preview ("p") into window myParent, or XScreenSaver's window when it names none.
int SaverPreview(uint64_t myParent);
