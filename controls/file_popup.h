// Saving and loading the files the popups name: styles, the four kinds of set, raves, song titles and
// RaveSets, by gPopup and the typed name.
#pragma once

#include <cstdint>

// Saves the object of gPopup under the name in gEditableText; false when nothing could be written.
bool FileSaveToDisk();
// Saves the object of popup myPopup under myName, as its save command with that name typed does: gPopup and
// gEditableText are left so. False when nothing could be written.
bool FileSaveAs(uint16_t myPopup, const char* myName);
// Loads the object of gPopup named myName; false when it did not load.
bool FileLoadFromDisk(const char* myName);
