// Fuzz target: the recording of a rave. A rave is loaded and replays while the input drives edits of any
// kind, value, mode and time at it, with replays, rewinds, skips, stops, the hand hold and loads stamped with
// stale times between them; after every step the edit list must still be one chain in time order from the
// start record to the end marker, and the replay's place must lie on it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "controls/mousekey.h"
#include "core/alert.h"
#include "core/state.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "fuzz/fuzz_program.h"
#include "music/disc_files.h"
#include "music/music.h"
#include "music/rave.h"
#include "sound/tempo.h"
#include "storage/components.h"

namespace {

void FuzzFreshRun() {
    FuzzFreshStyle();
    gStateManual = 0;
    gStateListen = 0;
}

// The replay's place is on the list: gEditsCount counts the records up to gEditsCurrent.
bool FuzzPlaceOnList() {
    int myPlace = 1;
    for (int i = 0; i != kEditsEnd && myPlace <= gEditsTotal; i = gEditsList[i].mNext, ++myPlace)
        if (i == gEditsCurrent) return gEditsCount == myPlace;
    return false;
}

void FuzzCheck(const char* myStep) {
    if (ExecuteChainWhole() && FuzzPlaceOnList()) return;
    std::fprintf(stderr, "after %s: the edit list is not whole (total %d, count %d, current %d)\n", myStep,
                 gEditsTotal, gEditsCount, gEditsCurrent);
    std::abort();
}

// The rave every input starts from: recorded by the program itself, a few seconds of changes and beats.
void FuzzRecordRave(const std::filesystem::path& myFile) {
    FuzzFreshRun();
    MusicPlay(0, 0);
    for (uint32_t myTime = 0; myTime < 4000; myTime += 10) {
        ClockAdvance(10);
        AnimateMain();
        if (myTime % 700 == 0)
            ExecuteEdits(static_cast<char>(kEditSpread + myTime / 700 % 2),
                         static_cast<char>(20 + myTime / 100), AnimateGetElapsedTime(), kModeExecute,
                         {0, 1, 0});
    }
    const std::vector<uint8_t> myBytes = FileRaveBytes();
    std::ofstream(myFile, std::ios::binary)
        .write(reinterpret_cast<const char*>(myBytes.data()), static_cast<std::streamsize>(myBytes.size()));
    MusicStop(0, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    static const std::filesystem::path kFolder = FuzzOpenProgram("orbex-fuzz-edits");
    static bool sReady = [] {
        gStartUp = 0;
        gStateLastSession = 1;
        std::strcpy(gCDDirectory, "0000");
        std::strcpy(gCDName, "No CD");
        gTrackTotal = kSilentTracks;
        gTrackCurrent = 0;
        FuzzRecordRave(kFolder / "Raves" / "0000" / "Fuzz.R01");
        return true;
    }();
    (void)sReady;
    FuzzFreshRun();
    gCDSet[0].mAttach = 1;
    std::strcpy(gCDSet[0].mName, "Fuzz");
    MusicPlay(0, 0);
    if (!gStateRaveOnDisk) std::abort(); // the rave the program recorded must load
    FuzzCheck("loading");
    // Each step is four bytes: what to do, then its values.
    for (size_t myAt = 0; myAt + 4 <= mySize; myAt += 4) {
        const uint8_t* myStep = myData + myAt;
        const uint32_t myNow = AnimateGetElapsedTime();
        // A time near now, before it or after it, as keys, triggers and stale choices stamp their edits; one
        // from before the song's clock started wraps past "never".
        const uint32_t myOff = (myStep[3] & 0x7F) * 40u;
        const uint32_t myTime = myStep[3] & 0x80 ? myNow + myOff : myNow - myOff;
        const char* myName = "edit";
        switch (myStep[0] % 10) {
        case 0:
        case 1:
        case 2:
        case 3:
            ExecuteEdits(static_cast<char>(myStep[1] % 20), static_cast<char>(myStep[2]), myTime,
                         static_cast<EditMode>(myStep[0] / 10 % 4),
                         {0, 1, static_cast<uint8_t>(myStep[0] & 1)});
            break;
        case 4:
            myName = "replay";
            for (int i = 0; i < myStep[1] % 64; ++i) {
                ClockAdvance(1 + myStep[2] % 50);
                AnimateMain();
            }
            break;
        case 5:
            myName = "rewind";
            MusicResetRave();
            MusicUpdateRave(myTime);
            break;
        case 6:
            myName = "skip";
            MusicUpdateRave(myTime);
            break;
        case 7:
            myName = "hold";
            MouseKeyToggleHold();
            break;
        case 8:
            myName = "load";
            gActionTime = myTime;
            ExecuteRecordLoad(static_cast<char>(myStep[1] % 8), static_cast<char>(myStep[2] % 9), "Fuzz",
                              static_cast<uint8_t>(1 + myStep[1] / 128));
            break;
        default:
            myName = myStep[1] & 1 ? "stop" : "play";
            if (myStep[1] & 1)
                MusicStop(0, 0);
            else
                MusicPlay(0, 0);
            break;
        }
        MainCloseAlert();
        FuzzCheck(myName);
    }
    MusicStop(0, 0);
    MainCloseAlert();
    return 0;
}
