// Lists of component files for the popups and for "Random File on HD": rows of 16 characters, each a name
// padded with blanks and ended by a carriage return, sorted without regard to case.
#pragma once

#include <cstdint>

constexpr int kPopupListSize = 3201;
constexpr int kPopupRow = 16;
constexpr int kPopupRaveRow = 28; // raves and RaveSets, listed from the rave folder

extern char gFileListFills[kPopupListSize];
extern char gFileListBrushes[kPopupListSize];
extern char gFileListMovements[kPopupListSize];
extern char gFileListGradients[kPopupListSize];
// Empties the lists above.
void PopListResetState();

// Appends the names of myFolder's files ending in myExt to myList (creating the folder when it is missing),
// in rows of myRow characters; myIndex receives the row of the first name that starts with myCurrent (or
// -1). True when a name was found. Rows of kPopupRaveRow list a folder of the rave folder.
bool PopGetList(char* myList, const char* myFolder, const char* myExt, const char* myCurrent, long* myIndex,
                int myRow = kPopupRow);
int PopCompare(const void* myA, const void* myB);
// The four lists of start-up, each emptied first.
void PopBuildFileLists();
