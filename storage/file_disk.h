// Writing a whole file of the program folder: a style or set saved under the name the user typed.
#pragma once

#include <cstdint>

// Writes a whole file myName + myExt into myKindFolder of the program folder, creating the folder when it is
// missing. A failure is reported with the file's name and the system's reason, and the warning beep.
bool FileSaveInFolder(const char* myKindFolder, const char* myName, const char* myExt, const void* myBytes,
                      int32_t myCount);
