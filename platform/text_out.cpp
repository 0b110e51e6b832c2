// Plain text lines written to a file as they happen (the beat log).
#include "platform/text_out.h"

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
