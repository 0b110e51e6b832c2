// Pixelmill's window without its toolkit: the settings its controls show, opening and saving, the preview in
// the hue-wheel colours and the status line, so the window only draws this state and forwards the user's
// acts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "converter/bitmap_reader.h"
#include "converter/settings.h"

constexpr int kMillPreviewWidth = 192;
constexpr int kMillPreviewHeight = 96;
constexpr int kMillBoxDigits = 3;

// The number boxes: primary and secondary sections, frames in the image, multiply, total.
enum MillBox : int { kBoxPrimary = 0, kBoxSecondary, kBoxFrames, kBoxMultiply, kBoxTotal, kBoxCount };

struct MillState {
    ConvertSettings mSettings;     // the kind and the check boxes; the numbers come from the boxes
    std::string mBoxes[kBoxCount]; // the number boxes' texts
    bool mOpen = false;            // a bitmap is open
    ConvertBitmap mBitmap;
    std::string mFolder; // where the last bitmap was opened, for the next dialog
    std::string mTitle;  // the open bitmap's file title ("spin8.bmp")
    std::string mCaption = "Pixelmill";
    std::string mStatus;
};

extern MillState gMill;
void MillResetState();

// The settings as after opening a bitmap titled myTitle ("" at start): sections 2, every check box clear, the
// frames from the title's trailing digits.
void MillResetSettings(const std::string& myTitle);
// Opens and checks the bitmap; on failure (false) the settings are reset, the caption is "Pixelmill" again
// and the status line says why.
bool MillOpen(const std::string& myPath);
// The name the save dialog suggests: the title without its digits and extension, ".bru" or ".fil", blanks
// as "_"; empty while no bitmap is open.
std::string MillSuggestedName();
// The dialog's title and filter for the kind: "Save Brush as:" with "Brush" / "*.BRU", or the fill's.
const char* MillSaveTitle();
const char* MillSaveFilter();
// Converts the open bitmap into myPath (an existing file is replaced); nothing happens while none is open.
// The status line says how it went; false when nothing was written.
bool MillSave(const std::string& myPath);

// The radio buttons and "Fixed Colors": choosing "Brush" ticks "Blue Mask" for a bitmap with pure blue,
// "Fill" clears it.
void MillChooseKind(ConvertKind myKind);
void MillSetFixedColors(bool myOn);
// Typing into a number box: myNew replaces the box's text when it holds only digits and at most three of
// them; true when it was taken. The total follows the multiply box.
bool MillTypeBox(MillBox myBox, const std::string& myNew);
// A box read as a number (its first five characters); an empty or 0 section or multiply box counts as 1 and
// shows "1" from then on.
int MillBoxNumber(MillBox myBox);
// Box 14: frames x multiply.
void MillUpdateTotal();
// The settings for a conversion: the check boxes and the numbers of the boxes.
ConvertSettings MillSettings();

// The preview: 192 x 96 RGB pixels, the first frame fitted and centred on white, each pixel in the colour the
// current settings give it.
std::vector<uint8_t> MillPreview();
// The hue-wheel colour of a gradient pixel of channel value myValue over mySections sections.
void MillHueColor(int myValue, int mySections, uint8_t myRgb[3]);
