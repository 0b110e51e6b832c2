// Saving and loading the files the popups name: the typed name goes to the kind of file gPopup asks for.
#include "storage/file_disk.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "controls/popup_state.h"
#include "core/alert.h"
#include "core/style_record.h"
#include "platform/platform.h"
#include "storage/file.h"
#include "storage/sets.h"
#include "storage/style.h"

namespace {
char FileSetKind(uint16_t myPopup) {
    switch (myPopup) {
    case kPopupGradientSet:
        return kSetGradient;
    case kPopupFillSet:
        return kSetFill;
    case kPopupBrushSet:
        return kSetBrush;
    case kPopupMoveSet:
        return kSetMove;
    default:
        return 0;
    }
}
} // namespace

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

bool FileSaveStyleOrSet() {
    switch (gPopup) {
    case kPopupStyle:
        // The command that asked for the name has filled gStyleTemp (the semicolon key with its counters
        // off).
        return StyleSave(gEditableText, gStyleTemp);
    default: {
        const char myKind = FileSetKind(gPopup);
        return myKind && StyleSaveSet(myKind, gEditableText);
    }
    }
}

bool FileLoadStyleOrSet(const char* myName) {
    if (gPopup == kPopupStyle || gPopup == kPopupLastSession) return StyleLoad(myName, kStyleFromFile);
    const char myKind = FileSetKind(gPopup);
    return myKind && StyleLoadSet(myKind, myName);
}
