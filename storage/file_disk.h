// Saving and loading the files the popups name: styles and the four kinds of set, by gPopup and the typed
// name.
#pragma once

#include <cstdint>

// Saves the object of gPopup under the name in gEditableText; false when nothing could be written.
bool FileSaveToDisk();
// Loads the object of gPopup named myName; false when it did not load.
bool FileLoadFromDisk(const char* myName);
// Writes a whole file myName + myExt into myKindFolder of the program folder, creating the folder when it is
// missing. A failure is reported with the file's name and the system's reason, and the warning beep.
bool FileSaveInFolder(const char* myKindFolder, const char* myName, const char* myExt, const void* myBytes,
                      int32_t myCount);
