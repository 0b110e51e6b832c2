// The desktop's media players (MPRIS 2 on the session bus): which are there, which one to follow (the one
// named, else the one that started playing last), its track, its state and its position, and its controls.
// Nothing waits for a player: what it says arrives with PlayersPoll, and commands go out without waiting.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum PlayerStatus { kPlayerStopped, kPlayerPaused, kPlayerPlaying };

// A track as the player describes it; empty texts and 0 where it says nothing.
struct PlayerTrack {
    std::string mId; // mpris:trackid
    std::string mTitle;
    std::string mArtist;      // the first of xesam:artist
    std::string mAlbumArtist; // the first of xesam:albumArtist
    std::string mAlbum;
    std::string mUrl;
    int64_t mLengthUs = 0;
    int mNumber = 0; // xesam:trackNumber
};

// Where a player stood at a moment of the monotonic clock, and how fast it moves from there.
struct PlayerSample {
    int64_t mPositionUs = 0;
    int64_t mAtUs = 0;
    double mRate = 1.0;
    bool mMoving = false; // playing: the position moves on from the sample
};

struct PlayerState {
    std::string mBusName; // org.mpris.MediaPlayer2.NAME
    std::string mName;    // NAME
    PlayerStatus mStatus = kPlayerStopped;
    PlayerTrack mTrack;
    PlayerSample mSample;
    bool mHasPosition = true; // answers for Position; without it the position runs from the last event
    bool mHasTrackList = false;
    uint32_t mStartOrder = 0;  // when it last started playing: the largest is the latest
    uint32_t mTrackSerial = 0; // counts the track changes it reported
};

// Connects to the session bus and finds the players; false without a session bus. myOnly, when not empty,
// is the one player to follow (its name, or the start of one: "vlc" follows "vlc.instance42").
bool PlayersOpen(const std::string& myOnly);
// Follows only the player myOnly (as named at opening) from now on, keeping what the players said.
void PlayersFollowOnly(const std::string& myOnly);
void PlayersClose();
bool PlayersIsOpen();
// Handles what the players said since the last call, without waiting, and asks the followed player for its
// position once a second.
void PlayersPoll();
// The players there are, by name, in the order they came.
std::vector<std::string> PlayersNames();
// The player to follow now: the one named at opening, or the one playing that started last, or, while none
// plays, the one followed last as long as it stays paused. nullptr when there is none.
const PlayerState* PlayersFollowed();
// The position of a sample at myNowUs: on with its rate while moving, never before 0.
int64_t PlayersExtrapolate(const PlayerSample& mySample, int64_t myNowUs);
// The followed player's position now (microseconds, as the listener hears it: less the output's delay); -1
// when none is followed.
int64_t PlayersPositionNow();
// The monotonic clock the samples are taken by, in microseconds.
int64_t PlayersNowUs();
// The sound output's delay after the player (milliseconds): ORBEX_PLAYER_LATENCY or a usual server's.
uint32_t PlayersLatency();

// Commands to the followed player; false when there is none to send to.
bool PlayersPlay();
bool PlayersPause();
bool PlayersStop();
bool PlayersNext();
bool PlayersPrevious();
// Moves the current track to myPositionUs.
bool PlayersSetPosition(int64_t myPositionUs);
// Plays the track numbered myNumber (from 1) of the player's track list: the one with that xesam:trackNumber,
// else the one at that place. False when the player keeps no track list or has no such track.
bool PlayersGoTo(int myNumber);
void PlayersResetState();
