// Plain text lines written to a file as they happen; messages and the status line on standard error.
#include "platform/text_out.h"

#include <unistd.h>

std::FILE* TextOutOpen(const char* myPath) {
    return std::fopen(myPath, "w");
}

void TextOutLine(std::FILE* myFile, const char* myLine) {
    if (!myFile) return;
    std::fputs(myLine, myFile);
    std::fputc('\n', myFile);
    std::fflush(myFile);
}

void TextOutClose(std::FILE* myFile) {
    if (myFile) std::fclose(myFile);
}

void TextOutSay(const char* myText) {
    std::fprintf(stderr, "orbex: %s\n", myText);
}

bool TextOutStatusShown() {
    return ::isatty(STDERR_FILENO) == 1;
}

void TextOutStatus(const char* myLine) {
    // Back to the start of the line, the new text, then the rest of the old one cleared.
    std::fprintf(stderr, "\r%s\033[K", myLine);
    std::fflush(stderr);
}

void TextOutStatusEnd() {
    std::fputc('\n', stderr);
}
