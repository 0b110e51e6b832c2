// Fuzz target: CD files (RaveSets) and rave files of any content load, and a loaded rave replays, without
// harm. The first byte picks the kind; unless its top bit is set, the file's type byte is made the kind's own
// so the fuzzer reaches past the header.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "controls/file_popup.h"
#include "controls/popup_state.h"
#include "core/alert.h"
#include "core/state.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "fuzz/fuzz_program.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "music/rave.h"
#include "storage/components.h"

namespace {
const char kTypes[] = {'l', 'L', 'r', 'R'};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    static const std::filesystem::path kFolder = FuzzOpenProgram("orbex-fuzz-disc");
    if (mySize < 2) return 0;
    const char myType = kTypes[(myData[0] & 0x7F) % sizeof(kTypes)];
    const bool myRave = myType == 'r' || myType == 'R';
    {
        std::ofstream myStream(kFolder / "Raves" / "0000" / (myRave ? "Fuzz.R01" : "Fuzz.cds"),
                               std::ios::binary | std::ios::trunc);
        myStream.put((myData[0] & 0x80) ? static_cast<char>(myData[1]) : myType);
        myStream.write(reinterpret_cast<const char*>(myData + 2), static_cast<std::streamsize>(mySize - 2));
    }
    FuzzFreshStyle();
    gStartUp = 0;
    gStateLastSession = 1;
    std::strcpy(gCDDirectory, "0000");
    std::strcpy(gCDName, "No CD");
    gTrackTotal = kSilentTracks;
    gTrackCurrent = 0;
    if (myRave) {
        gCDSet[0].mAttach = 1;
        std::strcpy(gCDSet[0].mName, "Fuzz");
        MusicPlay(0, 0);
        // The replay: every record carried out, then brought back and forth in time.
        for (int myStep = 0; myStep < 3000 && gStatePlay; myStep += 7) {
            ClockAdvance(7);
            AnimateMain();
        }
        MusicResetRave();
        MusicUpdateRave(1500);
        MusicStop(0, 0);
    } else {
        gPopup = kPopupCDFile;
        FileLoadFromDisk("Fuzz");
        std::strcpy(gCDDirectory, "0000");
        std::vector<uint8_t> myBytes(myData, myData + mySize);
        FileReadCDBytes(myBytes.data(), myBytes.size());
    }
    MainCloseAlert();
    return 0;
}
