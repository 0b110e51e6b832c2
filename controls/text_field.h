// The one-line text field of the TEXT ENTRY panel: centred text, a caret, a selection, a length limit, and
// the filter that lets only name characters in and hands every other key on as a command.
#pragma once

#include <cstdint>

#include "platform/surface.h"

constexpr int kTextFieldMax = 27;
constexpr int kTextFieldPathMax = 255;

// Opens the field over myRect with myText in it, all of it selected; myLimit characters fit in it. A limit
// beyond kTextFieldMax asks for a path: any printable character, up to kTextFieldPathMax of them, the end
// being typed kept in sight.
void TextFieldCreate(const Rect& myRect, const char* myText, int myLimit);
void TextFieldDestroy();
bool TextFieldExists();
const char* TextFieldText();
// True when the field is full: its text as long as the limit and nothing selected.
bool TextFieldFull();
// Draws the field with its text, selection and caret (shown while myCaret is set).
void TextFieldDraw(bool myCaret);

// The field's own handling: a character typed into it, and the editing keys (arrows, Home, End, Delete).
void TextFieldType(uint32_t myChar);
void TextFieldKeyDown(uint32_t myKey);

// The procedure in front of the field: a key-down (myChar false) or a character on its way to the field.
void KeyEventProcess(bool myChar, uint32_t myWParam, uint32_t myTime);

void TextFieldResetState();
