// Clicks in the controls window: what each zone does, and the loops that track the mouse while it is held.
#pragma once

#include <cstdint>

#include "platform/surface.h"

// The menus the controls open (the component, style, set and disc menus have their numbers in
// core/popup_commands.h).
enum MouseMenu : uint16_t {
    kMenuBrushColorEffect = 303, // from the COLOR SETTINGS panel's box
    kMenuBrushColorButton = 304, // the same list from the COLORS box's "Brush" button
    kMenuFillColorEffect = 305,
    kMenuFillColorButton = 306,
    kMenuBrushEffect = 307,
    kMenuDrive = 310,
    kMenuSoundInput = 311,
    kMenuSettings = 313,
    kMenuAttachCategory = 318,
    kMenuAttachFill = 319,
    kMenuAttachTrails = 320,
    kMenuAttachGradient = 321,
    kMenuAttachMove = 322,
    kMenuAttachEffect = 323,
    kMenuAttachBrushColor = 324,
    kMenuAttachFillColor = 325,
    kMenuTrigger = 330,     // plus the trigger channel
    kMenuDeleteOffset = 50, // a menu's delete form
};

// A left click at a client point of the controls window, made at myTime.
void MouseClickControls(int myX, int myY, uint32_t myTime, int myFlag);
// A zone of the panel area (the panel shown decides); false when the point is on none.
bool MouseClickPanel(int myX, int myY, uint8_t myClass, uint32_t myElapsed);

// Tracks main slider myNumber until the button is let go, then applies its value.
void MouseDragMainSlider(unsigned short myNumber, uint8_t myClass, uint32_t myElapsed);
// The bottom area of column myColumn (101-106), whose counter and meter belong to trigger channel myTrigger.
bool MouseCheckSliderRects(int myX, int myY, short myColumn, uint8_t myTrigger);
void MouseDragBeatCounter(short myColumn, uint8_t myTrigger);
void MouseDragThresholdMeter(short myColumn, uint8_t myTrigger);
// Shows icon myIcon pressed in its box until the button is let go.
void MouseHiliteIcon(uint8_t myIcon, short myX, short myY);
// "The current brush has an attached ... setting."
void MouseAttachAlert(const char* mySetting);
// A mini button of the panel shown lit until the button is let go.
void MousePressMiniButton(unsigned short myNumber);

// While the mouse button is held, the picture and the controls go on; false once it has been let go.
bool MouseStillDown();
bool MouseInRect(const Rect& myRect, int myX, int myY);
void MouseEdit(int myKind, int myValue, uint8_t myClass, uint32_t myElapsed);
