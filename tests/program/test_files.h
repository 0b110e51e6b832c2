// Test helpers for whole-program runs: whether a program is on the PATH, and a file read whole as text.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline bool TestHaveProgram(const char* myProgram) {
    return std::system((std::string("command -v ") + myProgram + " >/dev/null 2>&1").c_str()) == 0;
}

// What the file holds, or nothing when it cannot be read (a run that failed before writing it).
inline std::string TestReadText(const std::filesystem::path& myPath) {
    std::ifstream myStream(myPath);
    std::stringstream myText;
    myText << myStream.rdbuf();
    return myText.str();
}
