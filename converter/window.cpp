// Pixelmill's window (FLTK): the menu, the controls at their places, the preview and the status line, all
// showing the window logic's state; the desktop's file dialogs for opening and saving.
#include "converter/window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Radio_Round_Button.H>
#include <FL/fl_ask.H>

#include <filesystem>
#include <memory>
#include <vector>

#include "converter/mill.h"

namespace {
constexpr int kWindowWidth = 360;
constexpr int kWindowHeight = 473;
constexpr int kMenuHeight = 25; // the menu bar sits above the client area
constexpr int kFontSize = 12;

struct MillWindow {
    Fl_Double_Window* mWindow = nullptr;
    Fl_Radio_Round_Button* mBrush = nullptr;
    Fl_Radio_Round_Button* mFill = nullptr;
    Fl_Check_Button* mFixed = nullptr;
    Fl_Check_Button* mSecond = nullptr;
    Fl_Check_Button* mBlueMask = nullptr;
    Fl_Check_Button* mBeatFrame = nullptr;
    Fl_Check_Button* mPalindrome = nullptr;
    Fl_Check_Button* mSpreadPrimary = nullptr;
    Fl_Check_Button* mSpreadSecondary = nullptr;
    Fl_Input* mInputs[kBoxCount] = {};
    Fl_Box* mShown[kBoxCount] = {}; // the read-only boxes 12 and 14
    Fl_Box* mPreview = nullptr;
    Fl_Box* mStatus = nullptr;
    std::unique_ptr<Fl_RGB_Image> mPreviewImage;
    std::vector<uint8_t> mPreviewPixels;
};

MillWindow sWin;

// Every control shows the logic's state again.
void WindowShowState() {
    sWin.mBrush->value(gMill.mSettings.mKind == kConvertBrush);
    sWin.mFill->value(gMill.mSettings.mKind == kConvertFill);
    sWin.mFixed->value(gMill.mSettings.mFixedColors);
    sWin.mSecond->value(gMill.mSettings.mSecondGradient);
    sWin.mBlueMask->value(gMill.mSettings.mBlueMask);
    sWin.mBeatFrame->value(gMill.mSettings.mBeatFrame);
    sWin.mPalindrome->value(gMill.mSettings.mPalindrome);
    sWin.mSpreadPrimary->value(gMill.mSettings.mSpreadPrimary);
    sWin.mSpreadSecondary->value(gMill.mSettings.mSpreadSecondary);
    MillUpdateTotal();
    for (int myBox = 0; myBox < kBoxCount; ++myBox) {
        if (sWin.mInputs[myBox] && gMill.mBoxes[myBox] != sWin.mInputs[myBox]->value())
            sWin.mInputs[myBox]->value(gMill.mBoxes[myBox].c_str());
        if (sWin.mShown[myBox]) sWin.mShown[myBox]->copy_label(gMill.mBoxes[myBox].c_str());
    }
    sWin.mStatus->copy_label(gMill.mStatus.c_str());
    sWin.mWindow->copy_label(gMill.mCaption.c_str());
    sWin.mWindow->redraw();
}

void WindowDrawPreview() {
    sWin.mPreviewPixels = MillPreview();
    sWin.mPreviewImage =
        std::make_unique<Fl_RGB_Image>(sWin.mPreviewPixels.data(), kMillPreviewWidth, kMillPreviewHeight, 3);
    sWin.mPreview->image(sWin.mPreviewImage.get());
    sWin.mPreview->redraw();
}

void WindowOpen(Fl_Widget*, void*) {
    Fl_Native_File_Chooser myChooser(Fl_Native_File_Chooser::BROWSE_FILE);
    myChooser.title("Open");
    myChooser.filter("Bitmap\t*.{BMP,bmp}");
    // The first dialog starts in the folder Pixelmill was started in; later ones where the last bitmap was.
    std::error_code myError;
    const std::string myFolder =
        gMill.mFolder.empty() ? std::filesystem::current_path(myError).string() : gMill.mFolder;
    myChooser.directory(myFolder.c_str());
    if (myChooser.show() != 0 || !myChooser.filename()) return;
    if (!MillOpen(myChooser.filename())) fl_beep(FL_BEEP_ERROR);
    WindowShowState();
    WindowDrawPreview();
}

void WindowSave(Fl_Widget*, void*) {
    if (!gMill.mOpen) return;
    MillUpdateTotal();
    Fl_Native_File_Chooser myChooser(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
    myChooser.title(MillSaveTitle());
    myChooser.filter(MillSaveFilter());
    myChooser.directory(gMill.mFolder.c_str());
    const std::string myName = MillSuggestedName();
    myChooser.preset_file(myName.c_str());
    if (myChooser.show() != 0 || !myChooser.filename()) return;
    const std::string myPath = myChooser.filename();
    sWin.mWindow->cursor(FL_CURSOR_WAIT);
    Fl::flush();
    MillSave(myPath);
    sWin.mWindow->cursor(FL_CURSOR_DEFAULT);
    WindowShowState();
}

void WindowQuit(Fl_Widget*, void*) {
    sWin.mWindow->hide();
}

void WindowKindChanged(Fl_Widget* myWidget, void*) {
    if (myWidget == sWin.mFixed)
        MillSetFixedColors(sWin.mFixed->value());
    else
        MillChooseKind(myWidget == sWin.mFill ? kConvertFill : kConvertBrush);
    WindowShowState();
    WindowDrawPreview();
}

void WindowCheckChanged(Fl_Widget* myWidget, void* myField) {
    *static_cast<bool*>(myField) = static_cast<Fl_Check_Button*>(myWidget)->value() != 0;
}

// A number box takes digits only, three at most; the section boxes redraw the preview as they change.
void WindowBoxChanged(Fl_Widget* myWidget, void* myData) {
    const MillBox myBox = static_cast<MillBox>(reinterpret_cast<intptr_t>(myData));
    Fl_Input* myInput = static_cast<Fl_Input*>(myWidget);
    const std::string myOld = gMill.mBoxes[myBox];
    if (!MillTypeBox(myBox, myInput->value())) {
        fl_beep(FL_BEEP_DEFAULT);
        myInput->value(myOld.c_str());
        return;
    }
    WindowShowState();
    if ((myBox == kBoxPrimary || myBox == kBoxSecondary) && gMill.mOpen && myOld != gMill.mBoxes[myBox])
        WindowDrawPreview();
}

Fl_Box* WindowText(int myX, int myY, const char* myText) {
    Fl_Box* myBox = new Fl_Box(myX, kMenuHeight + myY, 300, 14, myText);
    myBox->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    myBox->labelsize(kFontSize);
    return myBox;
}

void WindowRule(int myY) {
    Fl_Box* myRule = new Fl_Box(0, kMenuHeight + myY, kWindowWidth, 1);
    myRule->box(FL_FLAT_BOX);
    myRule->color(FL_BLACK);
}

Fl_Check_Button* WindowCheck(int myX, int myY, int myWidth, const char* myLabel, bool* myField) {
    Fl_Check_Button* myButton = new Fl_Check_Button(myX, kMenuHeight + myY, myWidth, 15, myLabel);
    myButton->labelsize(kFontSize);
    if (myField) myButton->callback(WindowCheckChanged, myField);
    return myButton;
}

void WindowNumberBox(MillBox myBox, int myY, bool myEditable) {
    if (myEditable) {
        Fl_Input* myInput = new Fl_Input(11, kMenuHeight + myY, 34, 17);
        myInput->textsize(kFontSize);
        myInput->box(FL_BORDER_BOX);
        myInput->maximum_size(kMillBoxDigits);
        myInput->when(FL_WHEN_CHANGED);
        myInput->callback(WindowBoxChanged, reinterpret_cast<void*>(static_cast<intptr_t>(myBox)));
        sWin.mInputs[myBox] = myInput;
    } else {
        Fl_Box* myShown = new Fl_Box(11, kMenuHeight + myY, 34, 17);
        myShown->box(FL_FLAT_BOX);
        myShown->color(FL_WHITE);
        myShown->labelsize(kFontSize);
        myShown->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
        sWin.mShown[myBox] = myShown;
    }
}

// The window takes O, S and Q itself, upper or lower case, when no box has the keyboard.
int WindowKeys(int myEvent) {
    if (myEvent != FL_SHORTCUT) return 0;
    if (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) return 0;
    switch (Fl::event_text()[0]) {
    case 'o':
    case 'O':
        WindowOpen(nullptr, nullptr);
        return 1;
    case 's':
    case 'S':
        WindowSave(nullptr, nullptr);
        return 1;
    case 'q':
    case 'Q':
        WindowQuit(nullptr, nullptr);
        return 1;
    default:
        return 0;
    }
}

void WindowBuild() {
    Fl::set_font(FL_HELVETICA, "Arial");
    sWin.mWindow = new Fl_Double_Window(0, 0, kWindowWidth, kWindowHeight, "Pixelmill");
    sWin.mWindow->color(FL_WHITE);
    sWin.mWindow->xclass("Pixelmill");
    Fl_Menu_Bar* myMenu = new Fl_Menu_Bar(0, 0, kWindowWidth, kMenuHeight);
    myMenu->textsize(kFontSize);
    myMenu->add("&File/&Open...", 0, WindowOpen);
    myMenu->add("&File/&Save As...", 0, WindowSave, nullptr, FL_MENU_DIVIDER);
    myMenu->add("&File/&Quit", 0, WindowQuit);

    sWin.mBrush = new Fl_Radio_Round_Button(10, kMenuHeight + 8, 90, 15, "Brush");
    sWin.mFill = new Fl_Radio_Round_Button(120, kMenuHeight + 8, 90, 15, "Fill");
    for (Fl_Radio_Round_Button* myRadio : {sWin.mBrush, sWin.mFill}) {
        myRadio->labelsize(kFontSize);
        myRadio->callback(WindowKindChanged);
    }
    sWin.mFixed = WindowCheck(240, 34, 100, "Fixed Colors", nullptr);
    sWin.mFixed->callback(WindowKindChanged);
    sWin.mSecond = WindowCheck(240, 114, 100, "2nd Gradient", &gMill.mSettings.mSecondGradient);
    sWin.mBlueMask = WindowCheck(240, 217, 100, "Blue Mask", &gMill.mSettings.mBlueMask);
    sWin.mBeatFrame = WindowCheck(240, 240, 100, "Beat Frame", &gMill.mSettings.mBeatFrame);
    sWin.mPalindrome = WindowCheck(240, 263, 100, "Palindrome", &gMill.mSettings.mPalindrome);
    sWin.mSpreadPrimary =
        WindowCheck(34, 80, 240, "Spread frames along gradient", &gMill.mSettings.mSpreadPrimary);
    sWin.mSpreadSecondary =
        WindowCheck(34, 160, 240, "Spread frames along gradient", &gMill.mSettings.mSpreadSecondary);

    WindowText(10, 45 - 14, "Primary Gradient (Green) or ->");
    WindowText(10, 125 - 14, "Secondary Gradient (Red)");
    WindowText(10, 205 - 14, "Brush Settings");
    WindowText(50, 57, "Number of sections to divide gradient");
    WindowText(50, 137, "Number of sections to divide gradient");
    WindowText(50, 217, "Number of frames in image");
    WindowText(50, 240, "Number to multiply frames");
    WindowText(50, 263, "Total number of frames");
    for (const int myY : {30, 110, 190, 293})
        WindowRule(myY);
    WindowNumberBox(kBoxPrimary, 55, true);
    WindowNumberBox(kBoxSecondary, 135, true);
    WindowNumberBox(kBoxFrames, 215, false);
    WindowNumberBox(kBoxMultiply, 238, true);
    WindowNumberBox(kBoxTotal, 261, false);
    sWin.mPreview = new Fl_Box(84, kMenuHeight + 303, kMillPreviewWidth, kMillPreviewHeight);
    sWin.mPreview->box(FL_NO_BOX);
    sWin.mStatus = new Fl_Box(10, kWindowHeight - 8 - 14, kWindowWidth - 20, 14);
    sWin.mStatus->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    sWin.mStatus->labelsize(kFontSize);
    sWin.mWindow->end();
    sWin.mWindow->resizable(nullptr);
    Fl::add_handler(WindowKeys);
}
} // namespace

int MillWindowRun(int myCount, char** myArgs) {
    MillResetState();
    WindowBuild();
    WindowShowState();
    WindowDrawPreview();
    sWin.mWindow->show(myCount > 0 ? 1 : 0, myArgs);
    return Fl::run();
}
