// Lists of component files for the popups and for "Random File on HD".
#include "storage/pop_list.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "storage/file.h"
#include "storage/format_bytes.h"

char gFileListFills[kPopupListSize];
char gFileListBrushes[kPopupListSize];
char gFileListMovements[kPopupListSize];
char gFileListGradients[kPopupListSize];
char gPopupList[kPopupListSize];

int PopCompare(const void* myA, const void* myB) {
    const auto* myLeft = static_cast<const unsigned char*>(myA);
    const auto* myRight = static_cast<const unsigned char*>(myB);
    for (int i = 0; i < kPopupRow; ++i) {
        const int myDiff = std::tolower(myLeft[i]) - std::tolower(myRight[i]);
        if (myDiff) return myDiff;
    }
    return 0;
}

bool PopGetList(char* myList, const char* myFolder, const char* myExt, const char* myCurrent, long* myIndex) {
    if (myIndex) *myIndex = -1;
    char myPath[kPathSize];
    if (FileFindDirectory(myFolder, gDirIDOrbex, myPath) != 0 &&
        FileCreateDirectory(myFolder, gDirIDOrbex, myPath) != 0) {
        PlatformBeep();
        return false;
    }
    const size_t myUsed = std::strlen(myList);
    const size_t myCapacity = (kPopupListSize - 1 - myUsed) / kPopupRow;
    std::vector<std::string> myNames;
    FileListNames(myPath, myExt, myNames);
    std::vector<char> myRows;
    const size_t myExtLength = std::strlen(myExt);
    for (const std::string& myName : myNames) {
        if (myRows.size() / kPopupRow >= myCapacity) break;
        // Names ending in an underscore are kept out of the lists, as are names too long for a row.
        if (myName.empty() || myName.back() == '_') continue;
        const std::string myTitle = myName.substr(0, myName.size() - myExtLength);
        if (myTitle.empty() || myTitle.size() > kPopupRow - 1) continue;
        std::string myRow = myTitle;
        myRow.resize(kPopupRow - 1, ' ');
        myRow += '\r';
        myRows.insert(myRows.end(), myRow.begin(), myRow.end());
    }
    const size_t myCount = myRows.size() / kPopupRow;
    if (myCount > 1) std::qsort(myRows.data(), myCount, kPopupRow, PopCompare);
    if (myIndex && myCurrent && myCurrent[0]) {
        const size_t myLength = strnlen(myCurrent, kPopupRow - 1);
        for (size_t i = 0; i < myCount; ++i)
            if (std::strncmp(myRows.data() + i * kPopupRow, myCurrent, myLength) == 0) {
                *myIndex = static_cast<long>(i);
                break;
            }
    }
    if (!myRows.empty()) std::memcpy(myList + myUsed, myRows.data(), myRows.size());
    myList[myUsed + myRows.size()] = 0;
    return myCount > 0;
}

void PopBuildFileLists() {
    struct {
        char* mList;
        const FormatPlace& mPlace;
    } const kLists[] = {{gFileListFills, kPlaceFill},
                        {gFileListBrushes, kPlaceBrush},
                        {gFileListMovements, kPlaceMovement},
                        {gFileListGradients, kPlaceGradient}};
    for (const auto& myList : kLists) {
        myList.mList[0] = 0;
        PopGetList(myList.mList, myList.mPlace.mFolder, myList.mPlace.mExt, nullptr, nullptr);
    }
}

void PopListResetState() {
    for (char* myList :
         {gFileListFills, gFileListBrushes, gFileListMovements, gFileListGradients, gPopupList})
        std::memset(myList, 0, kPopupListSize);
}
