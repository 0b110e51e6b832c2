// The popup selector and the text entry's name, which the save and load commands read.
#include "controls/popup_state.h"

#include <cstring>

#include "controls/popup.h"

uint16_t gPopup = 0;
char gEditableText[kEditableSize] = "";
uint8_t gStateSaveTitle = 0;

void PopupResetState() {
    PopMenuResetState();
    gPopup = 0;
    gStateSaveTitle = 0;
    std::memset(gEditableText, 0, sizeof(gEditableText));
}
