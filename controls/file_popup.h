// Saving and loading the files the popups name: styles and the four kinds of set, by gPopup and the typed
// name.
#pragma once

// Saves the object of gPopup under the name in gEditableText; false when nothing could be written.
bool FileSaveToDisk();
// Loads the object of gPopup named myName; false when it did not load.
bool FileLoadFromDisk(const char* myName);
