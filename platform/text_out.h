// Plain text lines written to a file as they happen (the beat log).
#pragma once

#include <cstdio>

// Opens myPath for writing, replacing it; null when it cannot be written.
std::FILE* TextOutOpen(const char* myPath);
void TextOutLine(std::FILE* myFile, const char* myLine);
void TextOutClose(std::FILE* myFile);
