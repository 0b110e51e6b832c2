// Saving and loading the files the popups name: the typed name goes to the kind of file gPopup asks for.
#include "controls/file_popup.h"

#include <cstdio>

#include "controls/popup_state.h"
#include "engine/style_apply.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "storage/sets.h"

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

bool FileSaveAs(uint16_t myPopup, const char* myName) {
    gPopup = myPopup;
    std::snprintf(gEditableText, sizeof(gEditableText), "%s", myName);
    return FileSaveToDisk();
}

bool FileSaveToDisk() {
    switch (gPopup) {
    case kPopupStyle:
        // The command that asked for the name has filled gStyleTemp (the semicolon key with its counters
        // off).
        return StyleSave(gEditableText, gStyleTemp);
    case kPopupLastSession:
        // While a rave drives the picture, the user's own settings are the ones to come back to.
        return StyleSave(gEditableText, gStateRaveOnDisk ? gStyleLast : gStyle);
    case kPopupRave:
        return FileSaveRave(gEditableText, gStateSaveTitle);
    case kPopupCDFile:
        return FileSaveCDFile(gEditableText);
    default: {
        const char myKind = FileSetKind(gPopup);
        return myKind && StyleSaveSet(myKind, gEditableText);
    }
    }
}

bool FileLoadFromDisk(const char* myName) {
    if (gPopup == kPopupRave) return FileLoadRave(myName);
    if (gPopup == kPopupCDFile) return FileLoadCDFile(myName);
    if (gPopup == kPopupStyle || gPopup == kPopupLastSession) return StyleLoad(myName, kStyleFromFile);
    const char myKind = FileSetKind(gPopup);
    return myKind && StyleLoadSet(myKind, myName);
}
