// Lists of component files for the popups and for "Random File on HD".
#include "storage/pop_list.h"

#include <algorithm>
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

namespace {
int PopCompareRows(const void* myA, const void* myB, int myWidth) {
    const auto* myLeft = static_cast<const unsigned char*>(myA);
    const auto* myRight = static_cast<const unsigned char*>(myB);
    for (int i = 0; i < myWidth; ++i) {
        const int myDiff = std::tolower(myLeft[i]) - std::tolower(myRight[i]);
        if (myDiff) return myDiff;
    }
    return 0;
}
} // namespace

int PopCompare(const void* myA, const void* myB) {
    return PopCompareRows(myA, myB, kPopupRow);
}

bool PopGetList(char* myList, const char* myFolder, const char* myExt, const char* myCurrent, long* myIndex,
                int myRow) {
    if (myIndex) *myIndex = -1;
    char myPath[kPathSize];
    // The raves' lists are of the rave folder's disc folder; the others of the program folder.
    const char* myParent = myRow == kPopupRaveRow ? gDirIDRave : gDirIDOrbex;
    if (FileFindDirectory(myFolder, myParent, myPath) != 0 &&
        FileCreateDirectory(myFolder, myParent, myPath) != 0) {
        PlatformBeep();
        return false;
    }
    const size_t myUsed = std::strlen(myList);
    const size_t myCapacity = (kPopupListSize - 1 - myUsed) / myRow;
    std::vector<std::string> myNames;
    FileListNames(myPath, myExt, myNames);
    std::vector<char> myRows;
    const size_t myExtLength = std::strlen(myExt);
    for (const std::string& myName : myNames) {
        if (myRows.size() / myRow >= myCapacity) break;
        // Names ending in an underscore are kept out of the lists, as are names too long for a row.
        if (myName.empty() || myName.back() == '_') continue;
        const std::string myTitle = myName.substr(0, myName.size() - myExtLength);
        if (myTitle.empty() || myTitle.size() > static_cast<size_t>(myRow - 1)) continue;
        std::string myText = myTitle;
        myText.resize(myRow - 1, ' ');
        myText += '\r';
        myRows.insert(myRows.end(), myText.begin(), myText.end());
    }
    const size_t myCount = myRows.size() / myRow;
    if (myCount > 1 && myRow == kPopupRow) {
        std::qsort(myRows.data(), myCount, kPopupRow, PopCompare);
    } else if (myCount > 1) {
        std::vector<std::string> mySorted;
        for (size_t i = 0; i < myCount; ++i)
            mySorted.emplace_back(myRows.data() + i * myRow, myRow);
        std::sort(mySorted.begin(), mySorted.end(), [&](const std::string& myA, const std::string& myB) {
            return PopCompareRows(myA.data(), myB.data(), myRow) < 0;
        });
        for (size_t i = 0; i < myCount; ++i)
            std::memcpy(myRows.data() + i * myRow, mySorted[i].data(), myRow);
    }
    if (myIndex && myCurrent && myCurrent[0]) {
        const size_t myLength = strnlen(myCurrent, myRow - 1);
        for (size_t i = 0; i < myCount; ++i)
            if (std::strncmp(myRows.data() + i * myRow, myCurrent, myLength) == 0) {
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
    for (char* myList : {gFileListFills, gFileListBrushes, gFileListMovements, gFileListGradients})
        std::memset(myList, 0, kPopupListSize);
}
