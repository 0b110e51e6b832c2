// Saving and loading the styles and the four kinds of set that the popups name, by gPopup and the typed name.
#pragma once

#include <cstdint>

// Saves the style or set gPopup names under the name in gEditableText; false when nothing could be written
// (or gPopup names neither).
bool FileSaveStyleOrSet();
// Loads the style or set of gPopup named myName; false when it did not load.
bool FileLoadStyleOrSet(const char* myName);
// Writes a whole file myName + myExt into myKindFolder of the program folder, creating the folder when it is
// missing. A failure is reported with the file's name and the system's reason, and the warning beep.
bool FileSaveInFolder(const char* myKindFolder, const char* myName, const char* myExt, const void* myBytes,
                      int32_t myCount);
