// Loading component files into their slots: the shared steps of every loader, and the gradient loader.
#pragma once

#include <cstdint>
#include <cstring>

#include "core/alert.h"
#include "core/style_record.h"
#include "platform/surface.h"
#include "storage/components.h"
#include "storage/file.h"

constexpr uint8_t kIconBackBlack = 0;
constexpr uint8_t kIconBackDark = 12;

// Two steps of a load belong to change execution, which keeps the song's edit list above this layer;
// InitProgram hands them to the loaders (InitHooks). A link between the layers, not state: nothing resets it.
struct LoadHooks {
    // Records a load (ExecuteRecordComponent): LoadUpdateSettings hands it every load it is asked to record,
    // with the style offset of the name and the 1-based slot.
    void (*mRecord)(char myType, uint16_t myOffset, const char* myName, char mySlot,
                    uint8_t myRecord) = nullptr;
    // Gives a movement slot the parameters of the movement just loaded (MEffect::MEffectResetPar), which the
    // song's start settings and the rave's later records follow.
    void (*mResetParams)(MEffect& myMove, char mySlot, StyleRecord* myStyle) = nullptr;
};
extern LoadHooks gLoadHooks;

// The outline every loader follows. The name to load is picked (while starting up, the one in the settings);
// unless it is "(None)" its file is opened and read by the kind's own step (myRead, which closes the file),
// and a file that is missing is said so unless myQuiet. A file that is refused (damaged, too large) leaves
// the slot as it was. Then the kind finishes (myFinish(loaded): an empty slot when nothing was loaded), the
// name is written into the settings and, when recording, handed to the recorder, and the controls are
// redrawn. True when the file was loaded or "(None)" was asked for.
enum LoadOutcome : uint8_t { kLoadDone, kLoadMissing, kLoadRefused };
struct LoadPlan {
    const char* mWhat;  // as the messages name it: "brush"
    FormatPlace mPlace; // folder and extension
    char mType;         // the component type of its load record
    char* mField;       // the name field in the settings
    uint16_t mOffset;   // the field's style offset
    char mSlot;         // 1-based; 0 for an effect
    char* mSetName;     // the set name a load of this kind resets to "(None)", or nullptr
};
// The outline's steps before and after the kind's own: LoadOpen picks the name into myLoadName and opens the
// file (nullptr when there is none to read); LoadFinish writes the settings and redraws.
FileHandle LoadOpen(const LoadPlan& myPlan, const char* myName, char* myLoadName, uint8_t myQuiet);
void LoadFinish(const LoadPlan& myPlan, const char* myLoadName, uint8_t myRecord, uint8_t myRedraw);

template <typename Read, typename Finish>
bool LoadComponent(const LoadPlan& myPlan, const char* myName, uint8_t myRecord, uint8_t myRedraw,
                   uint8_t myQuiet, Read myRead, Finish myFinish) {
    char myLoadName[kNameSize];
    const FileHandle myFile = LoadOpen(myPlan, myName, myLoadName, myQuiet);
    const bool myWantedNone = std::strcmp(myLoadName, kNoName) == 0;
    const LoadOutcome myOutcome = myFile ? myRead(myFile) : kLoadMissing;
    if (myOutcome == kLoadRefused) return false;
    const bool myLoaded = myOutcome == kLoadDone;
    if (!myLoaded) std::strcpy(myLoadName, kNoName);
    myFinish(myLoaded);
    LoadFinish(myPlan, myLoadName, myRecord, myRedraw);
    return myLoaded || myWantedNone;
}

// Refuses a damaged file: says so with its path, unless myQuiet, and closes it.
LoadOutcome LoadRefuse(FileHandle myFile, uint8_t myQuiet);

// A picture too large for the memory there is: refused, and while starting up its slot is emptied and named
// "(None)".
template <typename Picture>
LoadOutcome LoadRefuseTooLarge(Picture& myPicture, FileHandle myFile, const char* myWhy, char* myField,
                               uint8_t myQuiet) {
    FileClose(myFile);
    if (!myQuiet) MainOpenAlert(myWhy);
    if (gStartUp) {
        myPicture.Release();
        StyleCopy(myField, kNoName);
    }
    return kLoadRefused;
}

// Builds the component's folder and file name; true when the name is "(None)" (then nothing is opened).
bool LoadCopyFileName(const char* myStyleName, char* myFileName, char* myFolder, const char* myKindFolder,
                      const char* myExt);
// Opens the file read-only; 0 or the system's error code.
int16_t LoadOpenFile(const char* myFileName, const char* myFolder, FileHandle* myFile);
// Accepts a header whose first byte is one of the two types; otherwise closes the file and says so.
bool LoadCheckHeader(const ComponentHeader& myHeader, char myType1, char myType2, FileHandle myFile,
                     uint8_t myQuiet);
// Decodes an icon of myIconRect's size from the file into the preview surface, halves it when myDestRect is
// smaller, remaps its colours to the preview range when asked, and puts it on myBackground at myDestRect of
// myDest (a slot's thumbnail). False when the icon cannot be read whole.
bool LoadIconImage(FileHandle myFile, int32_t mySize, const Rect& myIconRect, Surface& myDest,
                   const Rect& myDestRect, uint8_t myBackground, uint8_t myRemap);
void LoadDefaultGradient(uint8_t* myGrad, uint8_t myCount);
// The largest pixel size a load may take.
int64_t LoadGetMaxMemory(int64_t myCurrent);
// Writes a loaded name into its field and, when recording, hands the load to the recorder (the song's start
// record or the rave).
void LoadUpdateSettings(char myType, uint16_t myOffset, const char* myName, char* myDest, char mySlot,
                        uint8_t myRecord);
// Makes a slot's thumbnail myWidth x myHeight and black.
void LoadFillBlack(Surface& myThumb, int myWidth, int myHeight);

// Reads a movement file after its header into myMove (the slots' loader and the popups' preview); false
// when it is damaged.
bool LoadMovementBody(MEffect& myMove, FileHandle myFile, int32_t myIconSize);

bool LoadGradient(const char* myName, char mySlot, uint8_t myRecord, uint8_t myRedraw, StyleRecord* myStyle,
                  uint8_t myQuiet);

// The name to load: while starting up, the one already in the style's field.
void LoadPickName(char* myOut, const char* myName, const char* myField);
