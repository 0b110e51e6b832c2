// The popup selector and the text entry's name, shared by the controls and the disk layer.
#include "controls/popup_state.h"

#include <cstring>

uint16_t gPopup = 0;
char gEditableText[kEditableSize] = "";

void PopupResetState() {
    gPopup = 0;
    std::memset(gEditableText, 0, sizeof(gEditableText));
}
