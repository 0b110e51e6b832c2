// Plain text lines written to a file as they happen (the beat log), and a status line on the terminal.
#pragma once

#include <cstdio>

// Opens myPath for writing, replacing it; null when it cannot be written.
std::FILE* TextOutOpen(const char* myPath);
void TextOutLine(std::FILE* myFile, const char* myLine);
void TextOutClose(std::FILE* myFile);

// A message of the program on standard error: "orbex: " and the text, on a line of its own.
void TextOutSay(const char* myText);

// True when standard error is a terminal, where a status line can be redrawn in place.
bool TextOutStatusShown();
// Redraws the status line on standard error; TextOutStatusEnd leaves it standing and moves below it.
void TextOutStatus(const char* myLine);
void TextOutStatusEnd();
