// The controls of the whole program on a music folder: keys and buttons skip tracks and fast forward, and the
// song box and the CD box show the disc's name, the track, its title or rave and the time from the disc.
#include <sys/wait.h>

#include <cstdlib>

#include "../controls/golden.h"
#include "../music/music_fixture.h"
#include "controls/file_popup.h"
#include "test_library.h"

TEST_F(MusicTest, TheControlsSkipAndShowTheTracksOfAMusicFolder) {
    ASSERT_TRUE(TestWriteLibrary(mRoot, 12000));
    Insert(MusicFolder({10.0, 10.0, 10.0}, 11025));
    ASSERT_EQ(gStateCD, 1);
    // The disc gets a name, track 3 a rave and track 2 a title, as the popups' commands make them.
    ASSERT_TRUE(FileSaveCDFile("Test_Disc"));
    MusicPlay(2, 0);
    gPopup = kPopupRave;
    std::strcpy(gEditableText, "Third_Rave");
    ASSERT_TRUE(FileSaveToDisk());
    MusicPlay(1, 0);
    gStateSaveTitle = 1;
    std::strcpy(gEditableText, "Second_Song");
    ASSERT_TRUE(FileSaveToDisk());
    gStateSaveTitle = 0;
    MusicStop(0, 0);

    // The right arrow goes to track 2; the Next button to track 3, whose Fastforward button is held for
    // half a second; typed 1 and the left arrow go back to track 1.
    const char* const kScript = "0.50 key Right\n"
                                "1.90 shot controls track-2.png\n"
                                "2.00 click controls 144 10\n"
                                "2.10 drag controls 125 10 125 10 0.5\n"
                                "2.80 shot controls track-3.png\n"
                                "2.90 type 1\n"
                                "2.95 key Left\n"
                                "3.20 shot controls track-1.png\n"
                                "3.30 key Escape\n";
    std::filesystem::create_directories(mRoot / "runtime");
    std::ofstream(mRoot / "session.txt") << kScript;
    const std::string myCommand =
        "cd '" + mRoot.string() + "' && timeout -k 5 120 env -u DISPLAY -u WAYLAND_DISPLAY ORBEX_HOME='" +
        mRoot.string() + "' XDG_RUNTIME_DIR='" + (mRoot / "runtime").string() + "' '" + ORBEX_BIN_DIR +
        "/orbex' --headless --style Known --disc '" + (mRoot / "music").string() + "' --script '" +
        (mRoot / "session.txt").string() + "' >/dev/null 2>&1";
    const int myStatus = std::system(myCommand.c_str());
    ASSERT_TRUE(WIFEXITED(myStatus) && WEXITSTATUS(myStatus) == 0) << myCommand;
    for (const char* myName : {"track-2", "track-3", "track-1"}) {
        SCOPED_TRACE(myName);
        ExpectGolden(mRoot / (std::string(myName) + ".png"), std::string("disc-") + myName);
    }
}
