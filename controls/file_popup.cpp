// Saving and loading the files the popups name: the typed name goes to the kind of file gPopup asks for.
#include "controls/file_popup.h"

#include "controls/popup_state.h"
#include "engine/style_apply.h"
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

bool FileSaveToDisk() {
    switch (gPopup) {
    case kPopupStyle:
        // The command that asked for the name has filled gStyleTemp (the semicolon key with its counters
        // off).
        return StyleSave(gEditableText, gStyleTemp);
    case kPopupLastSession:
        // While a rave drives the picture, the user's own settings are the ones to come back to.
        return StyleSave(gEditableText, gStateRaveOnDisk ? gStyleLast : gStyle);
    default: {
        const char myKind = FileSetKind(gPopup);
        return myKind && StyleSaveSet(myKind, gEditableText);
    }
    }
}

bool FileLoadFromDisk(const char* myName) {
    if (gPopup == kPopupStyle || gPopup == kPopupLastSession) return StyleLoad(myName, kStyleFromFile);
    const char myKind = FileSetKind(gPopup);
    return myKind && StyleLoadSet(myKind, myName);
}
