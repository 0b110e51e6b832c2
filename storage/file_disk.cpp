// Writing a whole file of the program folder by kind folder, name and extension.
#include "storage/file_disk.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/alert.h"
#include "core/style_record.h"
#include "platform/platform.h"
#include "storage/file.h"

bool FileSaveInFolder(const char* myKindFolder, const char* myName, const char* myExt, const void* myBytes,
                      int32_t myCount) {
    if (!myName || !*myName) return false;
    // The stored name field holds 15 characters; the file is named as it will be listed and loaded.
    char myFileName[kPathSize];
    std::snprintf(myFileName, sizeof(myFileName), "%.*s%s", kNameSize - 1, myName, myExt);
    const std::string myFolder = std::string(gDirIDOrbex) + myKindFolder + "/";
    int16_t myCode = FileReplace(myFileName, myFolder.c_str(), myBytes, myCount);
    if (myCode == kFileNotFound) {
        // A folder the user removed is made again; one that is there already is no error.
        FileCreateDirectory(myKindFolder, gDirIDOrbex, nullptr);
        myCode = FileReplace(myFileName, myFolder.c_str(), myBytes, myCount);
    }
    if (myCode == 0) return true;
    // The user learns which file could not be written and why; the old file, if there was one, is still
    // whole.
    char myText[2 * kPathSize];
    std::snprintf(myText, sizeof(myText), "Unable to save %s in %s: %s", myFileName, myKindFolder,
                  std::strerror(myCode));
    MainOpenAlert(myText);
    PlatformBeep();
    return false;
}
