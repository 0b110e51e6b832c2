// Text helpers shared by every module.
#include "core/text_utils.h"

#include <cstdio>
#include <cstring>

#include "platform/window.h"

void MainNumToString(int32_t myValue, char* myText) {
    std::snprintf(myText, 12, "%d", static_cast<int>(myValue));
}

void MainAppend255(char* myDest, const char* mySource) {
    const size_t myLength = std::strlen(myDest);
    if (myLength >= 255) return;
    std::strncat(myDest, mySource, 255 - myLength);
}

void MainRemoveUnderscores(char* myText, int myLength) {
    for (int myIndex = 0; myIndex < myLength && myText[myIndex]; ++myIndex)
        if (myText[myIndex] == '_') myText[myIndex] = ' ';
}

void MainAddUnderscores(char* myText, int myLength) {
    for (int myIndex = 0; myIndex < myLength && myText[myIndex]; ++myIndex)
        if (myText[myIndex] == ' ') myText[myIndex] = '_';
}

bool WaitMouseUp() {
    return !WindowButtonUpWaiting();
}
