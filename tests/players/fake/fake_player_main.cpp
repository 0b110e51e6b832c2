// The tests' fake media player as a program of its own, so a whole-program test can run it beside Orbex and
// kill it mid-song: orbex_fake_player NAME [--no-position] [--no-tracklist] SCRIPT TRACK..., where each TRACK
// is "title|album|artist|number|seconds" and SCRIPT a file of lines "SECONDS ACTION [VALUE]" (the actions
// FakePlayer::Tell takes; a seek's value in milliseconds) done at those times from the start. It ends after
// the script's last line.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "../fake_player.h"

namespace {
FakeTrack ReadTrack(const std::string& myText) {
    std::vector<std::string> myFields;
    std::stringstream myStream(myText);
    for (std::string myField; std::getline(myStream, myField, '|');)
        myFields.push_back(myField);
    myFields.resize(5);
    FakeTrack myTrack{myFields[0], myFields[1], myFields[2], std::atoi(myFields[3].c_str()),
                      static_cast<int64_t>(std::atof(myFields[4].c_str()) * 1e6)};
    return myTrack;
}
} // namespace

int main(int myArgc, char** myArgv) {
    if (myArgc < 3) {
        std::fprintf(stderr,
                     "usage: orbex_fake_player NAME [--no-position] [--no-tracklist] SCRIPT TRACK...\n");
        return 2;
    }
    std::string myName = myArgv[1];
    bool myPosition = true, myTrackList = true;
    int myAt = 2;
    for (; myAt < myArgc && myArgv[myAt][0] == '-'; ++myAt) {
        if (std::string(myArgv[myAt]) == "--no-position") myPosition = false;
        if (std::string(myArgv[myAt]) == "--no-tracklist") myTrackList = false;
    }
    if (myAt >= myArgc) return 2;
    std::ifstream myScript(myArgv[myAt++]);
    std::vector<FakeTrack> myTracks;
    for (; myAt < myArgc; ++myAt)
        myTracks.push_back(ReadTrack(myArgv[myAt]));
    FakePlayer myPlayer(myName, myTracks);
    myPlayer.mWithPosition = myPosition;
    myPlayer.mWithTrackList = myTrackList;
    try {
        myPlayer.Start();
        const auto myStart = std::chrono::steady_clock::now();
        for (std::string myLine; std::getline(myScript, myLine);) {
            std::istringstream myWords(myLine);
            double mySeconds = 0;
            std::string myAction;
            int64_t myValue = 0;
            if (!(myWords >> mySeconds >> myAction)) continue;
            myWords >> myValue;
            if (myAction == "seek" || myAction == "jump") myValue *= 1000;
            std::this_thread::sleep_until(myStart +
                                          std::chrono::microseconds(static_cast<int64_t>(mySeconds * 1e6)));
            if (myAction == "end") break;
            FakePlayer::Tell(myName, myAction, myValue);
            std::printf("%.3f %s\n",
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - myStart).count(),
                        myAction.c_str());
            std::fflush(stdout);
        }
    } catch (const sdbus::Error& myError) {
        std::fprintf(stderr, "orbex_fake_player: %s\n", myError.what());
        return 1;
    }
    return 0;
}
