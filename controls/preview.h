// Previews of the file resting under the cursor in a popup menu, in a titled box of the panel area, and the
// gradient preview strip beside the GRADIENTS column, whose pixels are the palette's preview entries.
#pragma once

#include <cstdint>

#include "core/style_record.h"
#include "storage/format_gradient.h"

constexpr int kPreviewFirst = 201; // the palette's preview entries, 201 to 245
constexpr int kPreviewCount = 45;

// The preview shown (0 none, else the kind of PreviewInitBox) and the gradient preview's colours: 90 taken
// from a gradient file, 45 of them shown from gPreviewNum on.
extern uint8_t gStatePreview;
extern int gPreviewNum;
extern uint8_t gGradPreview[kGradientBytes];

// The titled box by kind: 10 brush, 4 fill, 1 gradient, 9 movement, 0 brush effect, 2 colour effect.
void PreviewInitBox(uint8_t myKind);
// Each shows the named file of its kind in the box; false (with the message in the box) when it cannot be
// read.
bool PreviewFill(const char* myName);
bool PreviewBrush(const char* myName);
bool PreviewMovement(const char* myName);
bool PreviewEffect(const char* myName, bool myBrushEffect);
// Reads a gradient file's 90 colours into gGradPreview; PreviewGradient shows them in the preview entries,
// turned by the brush colour, and PreviewStep moves them on around the ring every 50 ms while colours change.
bool PreviewLoadGradient(const char* myName);
void PreviewGradient();
void PreviewStep();
// The preview entries from a brush's or fill's own colours (myCount of myColors, RGB).
void PreviewFixedColors(const uint8_t* myColors, int myCount);
// A line of text in the box (a carriage return breaks it): a size, or why the file shows nothing.
void PreviewIconText(const char* myText);
// The panel comes back in place of the box, and the strip goes dark.
void PreviewClear();
// The strip's entries: mode 2 on, all white; mode 1 off, back to their dark start colour; mode 0 only off.
// myFill draws the strip's pixels again.
void DrawClearPreviewGradient(uint8_t myMode, uint8_t myFill);

// The PARAMETER DETAILS panel's preview: the movement of slot gPosition running with its parameters, a
// step every 40 ms; true when it drew.
bool PreviewParameterStep();

void PreviewResetState();
