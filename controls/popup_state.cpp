// The popup selector and the text entry's name, shared by the controls and the disk layer.
#include "controls/popup_state.h"

uint16_t gPopup = 0;
char gEditableText[kEditableSize] = "";
uint8_t gStateSaveTitle = 0;
