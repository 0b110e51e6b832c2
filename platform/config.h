// Settings that live outside the program folder: INI files in the user's configuration folder.
#pragma once

#include <string>

// The configuration folder ($XDG_CONFIG_HOME/orbex/ or ~/.config/orbex/), ending in '/'; created on demand.
std::string ConfigFolder();
// Headless runs keep their configuration in a folder of their own.
void ConfigSetFolder(const std::string& myFolder);
// Forgets the folder set, so the next call finds the user's own again.
void ConfigResetState();

// Reads a value of an INI file ("registry.ini", "system.ini") in the configuration folder.
std::string ConfigGetString(const char* myFile, const char* mySection, const char* myKey,
                            const char* myDefault);
bool ConfigSetString(const char* myFile, const char* mySection, const char* myKey, const char* myValue);
// The same on the text of an INI file: the value found (or myDefault), and the text with the value set (in
// place, at the end of its section, or in a new section at the end).
std::string ConfigFindValue(const std::string& myText, const char* mySection, const char* myKey,
                            const char* myDefault);
std::string ConfigWithValue(const std::string& myText, const char* mySection, const char* myKey,
                            const char* myValue);
// The text without the key's lines in that section.
std::string ConfigWithoutValue(const std::string& myText, const char* mySection, const char* myKey);

// The user's data folder ($XDG_DATA_HOME or ~/.local/share), without a trailing '/'.
std::string ConfigDataHome();
std::string ConfigEnvironment(const char* myName);
