// MPRIS 2 players on the session bus: found by their bus names, described by their properties and signals,
// and driven by their methods. Every call goes out without waiting for the player (a hung one must not hold
// the frame loop), except the track list's look-up, which a typed track number asks for and waits briefly on.
#include "platform/players.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "platform/desktop/bus.h"
#include "platform/players_metadata.h"

namespace {
const char* const kPrefix = "org.mpris.MediaPlayer2.";
const char* const kPath = "/org/mpris/MediaPlayer2";
const char* const kRoot = "org.mpris.MediaPlayer2";
const char* const kPlayer = "org.mpris.MediaPlayer2.Player";
const char* const kTrackList = "org.mpris.MediaPlayer2.TrackList";
const char* const kProperties = "org.freedesktop.DBus.Properties";
constexpr int64_t kPollUs = 1000000;
// A player answers for its position within about this long of being asked.
constexpr int64_t kAnswerUs = 2000;
constexpr auto kAskTimeout = std::chrono::milliseconds(500);
// A usual sound server holds about this much sound between a player and the loudspeaker.
constexpr uint32_t kLatencyMs = 40;

using Properties = std::map<std::string, sdbus::Variant>;

struct Player {
    PlayerState mState;
    std::string mOwner; // the unique name behind the bus name: players share their path and interfaces
    std::unique_ptr<sdbus::IProxy> mProxy;
    int64_t mAskedUs = -1; // when the position was asked, while its answer is awaited
    int64_t mPolledUs = 0;
};

std::vector<std::unique_ptr<Player>> sPlayers;
std::unique_ptr<sdbus::IProxy> sBus;
// Names that came or went, handled after the signals of a poll (a proxy is never dropped in its own call).
std::deque<std::pair<std::string, std::string>> sNameChanges; // a name and its new owner ("": gone)
std::string sOnly;
std::string sFollowed;
uint32_t sOrder = 0;
bool sOpen = false;

Player* PlayersFind(const std::string& myBusName) {
    for (auto& myPlayer : sPlayers)
        if (myPlayer->mState.mBusName == myBusName) return myPlayer.get();
    return nullptr;
}

bool PlayersMatches(const std::string& myName) {
    return myName == sOnly || (myName.size() > sOnly.size() && myName.compare(0, sOnly.size(), sOnly) == 0 &&
                               myName[sOnly.size()] == '.');
}

std::string VariantText(const sdbus::Variant& myValue) {
    if (myValue.containsValueOfType<std::string>()) return myValue.get<std::string>();
    if (myValue.containsValueOfType<sdbus::ObjectPath>()) return myValue.get<sdbus::ObjectPath>();
    if (myValue.containsValueOfType<std::vector<std::string>>()) {
        const auto myList = myValue.get<std::vector<std::string>>();
        return myList.empty() ? std::string() : myList.front();
    }
    return {};
}

int64_t VariantNumber(const sdbus::Variant& myValue) {
    if (myValue.containsValueOfType<int64_t>()) return myValue.get<int64_t>();
    if (myValue.containsValueOfType<uint64_t>())
        return static_cast<int64_t>(std::min<uint64_t>(myValue.get<uint64_t>(), INT64_MAX));
    if (myValue.containsValueOfType<int32_t>()) return myValue.get<int32_t>();
    if (myValue.containsValueOfType<uint32_t>()) return myValue.get<uint32_t>();
    if (myValue.containsValueOfType<double>()) {
        const double myNumber = myValue.get<double>();
        return myNumber > -9e18 && myNumber < 9e18 ? static_cast<int64_t>(myNumber) : 0;
    }
    return 0;
}

// A new sample at the time now, where the player stands now.
void PlayersAnchor(PlayerState& myState, int64_t myPositionUs) {
    myState.mSample.mPositionUs = std::max<int64_t>(myPositionUs, 0);
    myState.mSample.mAtUs = PlayersNowUs();
    myState.mSample.mMoving = myState.mStatus == kPlayerPlaying;
}

void PlayersAskPosition(Player& myPlayer) {
    if (!myPlayer.mState.mHasPosition || myPlayer.mAskedUs >= 0 || !myPlayer.mProxy) return;
    const std::string myBusName = myPlayer.mState.mBusName;
    myPlayer.mAskedUs = myPlayer.mPolledUs = PlayersNowUs();
    try {
        myPlayer.mProxy->callMethodAsync("Get")
            .onInterface(kProperties)
            .withArguments(std::string(kPlayer), std::string("Position"))
            .withTimeout(kAskTimeout)
            .uponReplyInvoke([myBusName](const sdbus::Error* myError, sdbus::Variant myValue) {
                Player* myAnswered = PlayersFind(myBusName);
                if (!myAnswered) return;
                const int64_t myAsked = myAnswered->mAskedUs;
                myAnswered->mAskedUs = -1;
                PlayerState& myState = myAnswered->mState;
                if (myError || !myValue.containsValueOfType<int64_t>()) {
                    // A player that does not know its position is followed from its events alone.
                    if (myError && myError->getName() != "org.freedesktop.DBus.Error.Timeout" &&
                        myError->getName() != "org.freedesktop.DBus.Error.NoReply")
                        myState.mHasPosition = false;
                    return;
                }
                // The answer stands for the middle of the round trip, or, when it was taken up late (the
                // program was busy or asleep), for a moment just after the asking.
                const int64_t myNow = PlayersNowUs();
                myState.mSample.mPositionUs = std::max<int64_t>(myValue.get<int64_t>(), 0);
                myState.mSample.mAtUs =
                    myAsked >= 0 ? std::min((myAsked + myNow) / 2, myAsked + kAnswerUs) : myNow;
                myState.mSample.mMoving = myState.mStatus == kPlayerPlaying;
            });
    } catch (const sdbus::Error&) {
        myPlayer.mAskedUs = -1;
    }
}

void PlayersTakeStatus(Player& myPlayer, const std::string& myText) {
    PlayerState& myState = myPlayer.mState;
    const PlayerStatus myStatus = myText == "Playing"  ? kPlayerPlaying
                                  : myText == "Paused" ? kPlayerPaused
                                                       : kPlayerStopped;
    if (myStatus == myState.mStatus) return;
    const int64_t myHere = PlayersExtrapolate(myState.mSample, PlayersNowUs());
    myState.mStatus = myStatus;
    if (myStatus == kPlayerPlaying) myState.mStartOrder = ++sOrder;
    PlayersAnchor(myState, myStatus == kPlayerStopped ? 0 : myHere);
    PlayersAskPosition(myPlayer);
}

void PlayersTakeProperties(Player& myPlayer, const Properties& myChanged, bool myAll) {
    PlayerState& myState = myPlayer.mState;
    if (const auto myIt = myChanged.find("Metadata");
        myIt != myChanged.end() && myIt->second.containsValueOfType<Properties>()) {
        const PlayerTrack myTrack = PlayersTrackFromMetadata(myIt->second.get<Properties>());
        const bool myNew = myTrack.mId != myState.mTrack.mId || myTrack.mTitle != myState.mTrack.mTitle ||
                           myTrack.mAlbum != myState.mTrack.mAlbum || myTrack.mUrl != myState.mTrack.mUrl;
        myState.mTrack = myTrack;
        if (myNew) {
            ++myState.mTrackSerial;
            PlayersAnchor(myState, 0);
            PlayersAskPosition(myPlayer);
        }
    }
    if (const auto myIt = myChanged.find("Rate"); myIt != myChanged.end()) {
        const double myRate = myIt->second.containsValueOfType<double>() ? myIt->second.get<double>() : 1.0;
        PlayersAnchor(myState, PlayersExtrapolate(myState.mSample, PlayersNowUs()));
        myState.mSample.mRate = myRate > 0 && myRate < 100 ? myRate : 1.0;
    }
    if (const auto myIt = myChanged.find("PlaybackStatus"); myIt != myChanged.end())
        PlayersTakeStatus(myPlayer, VariantText(myIt->second));
    if (myAll) {
        const auto myIt = myChanged.find("Position");
        myState.mHasPosition = myIt != myChanged.end();
        if (myState.mHasPosition) PlayersAnchor(myState, VariantNumber(myIt->second));
    }
}

// Everything the player says of itself, read afresh: on arrival, and after each command it answered.
void PlayersAskAll(Player& myPlayer) {
    const std::string myBusName = myPlayer.mState.mBusName;
    myPlayer.mProxy->callMethodAsync("GetAll")
        .onInterface(kProperties)
        .withArguments(std::string(kPlayer))
        .withTimeout(kAskTimeout)
        .uponReplyInvoke([myBusName](const sdbus::Error* myError, Properties myAll) {
            Player* myFound = PlayersFind(myBusName);
            if (!myError && myFound) PlayersTakeProperties(*myFound, myAll, true);
        });
}

// The player a signal being handled is for: the bus delivers every player's signals to each of their
// proxies (they share a path), so the sender tells them apart.
Player* PlayersSignalFor(const std::string& myBusName) {
    Player* myPlayer = PlayersFind(myBusName);
    if (!myPlayer || !myPlayer->mProxy) return nullptr;
    const sdbus::Message* myMessage = myPlayer->mProxy->getCurrentlyProcessedMessage();
    return myMessage && myMessage->getSender() == myPlayer->mOwner ? myPlayer : nullptr;
}

void PlayersAdd(const std::string& myBusName, const std::string& myOwner) {
    if (PlayersFind(myBusName) || myOwner.empty()) return;
    auto myPlayer = std::make_unique<Player>();
    myPlayer->mOwner = myOwner;
    myPlayer->mState.mBusName = myBusName;
    myPlayer->mState.mName = myBusName.substr(std::string(kPrefix).size());
    try {
        myPlayer->mProxy = sdbus::createProxy(*BusSession(), myBusName, kPath);
        myPlayer->mProxy->uponSignal("PropertiesChanged")
            .onInterface(kProperties)
            .call([myBusName](const std::string& myInterface, const Properties& myChanged,
                              const std::vector<std::string>&) {
                if (Player* myFound = PlayersSignalFor(myBusName); myFound && myInterface == kPlayer)
                    PlayersTakeProperties(*myFound, myChanged, false);
            });
        myPlayer->mProxy->uponSignal("Seeked").onInterface(kPlayer).call([myBusName](int64_t myPosition) {
            // The signal may be taken up late: a reading follows at once.
            if (Player* myFound = PlayersSignalFor(myBusName)) {
                PlayersAnchor(myFound->mState, myPosition);
                PlayersAskPosition(*myFound);
            }
        });
        myPlayer->mProxy->finishRegistration();
        PlayersAskAll(*myPlayer);
        myPlayer->mProxy->callMethodAsync("Get")
            .onInterface(kProperties)
            .withArguments(std::string(kRoot), std::string("HasTrackList"))
            .withTimeout(kAskTimeout)
            .uponReplyInvoke([myBusName](const sdbus::Error* myError, sdbus::Variant myValue) {
                Player* myFound = PlayersFind(myBusName);
                if (!myError && myFound && myValue.containsValueOfType<bool>())
                    myFound->mState.mHasTrackList = myValue.get<bool>();
            });
    } catch (const sdbus::Error&) {
        return;
    }
    sPlayers.push_back(std::move(myPlayer));
}

void PlayersRemove(const std::string& myBusName) {
    sPlayers.erase(
        std::remove_if(sPlayers.begin(), sPlayers.end(),
                       [&](const auto& myPlayer) { return myPlayer->mState.mBusName == myBusName; }),
        sPlayers.end());
}

bool PlayersIsMpris(const std::string& myName) {
    return myName.size() > std::string(kPrefix).size() &&
           myName.compare(0, std::string(kPrefix).size(), kPrefix) == 0;
}

Player* PlayersFollowedPlayer() {
    Player* myBest = nullptr;
    for (auto& myPlayer : sPlayers) {
        const PlayerState& myState = myPlayer->mState;
        if (!sOnly.empty() && !PlayersMatches(myState.mName)) continue;
        if (myState.mStatus == kPlayerPlaying && (!myBest || myBest->mState.mStatus != kPlayerPlaying ||
                                                  myState.mStartOrder > myBest->mState.mStartOrder))
            myBest = myPlayer.get();
        else if (myState.mStatus == kPlayerPaused && myState.mBusName == sFollowed &&
                 (!myBest || myBest->mState.mStatus != kPlayerPlaying))
            myBest = myPlayer.get();
    }
    sFollowed = myBest ? myBest->mState.mBusName : std::string();
    return myBest;
}

// Sends a command to the followed player, taking its expected effect at once (so the program does not follow
// the state from before the command meanwhile); once answered, the player's own account is read again.
template <typename... Args>
bool PlayersSend(const char* myMethod, const std::function<void(Player&)>& myEffect,
                 const Args&... myArguments) {
    Player* myPlayer = PlayersFollowedPlayer();
    if (!myPlayer || !myPlayer->mProxy) return false;
    const std::string myBusName = myPlayer->mState.mBusName;
    try {
        myPlayer->mProxy->callMethodAsync(myMethod)
            .onInterface(kPlayer)
            .withArguments(myArguments...)
            .withTimeout(kAskTimeout)
            .uponReplyInvoke([myBusName](const sdbus::Error*) {
                if (Player* myFound = PlayersFind(myBusName)) PlayersAskAll(*myFound);
            });
    } catch (const sdbus::Error&) {
        return false;
    }
    if (myEffect) myEffect(*myPlayer);
    return true;
}

std::function<void(Player&)> PlayersBecome(const char* myStatus) {
    return [myStatus](Player& myPlayer) { PlayersTakeStatus(myPlayer, myStatus); };
}
} // namespace

PlayerTrack PlayersTrackFromMetadata(const Properties& myData) {
    PlayerTrack myTrack;
    const auto myText = [&](const char* myKey) {
        const auto myIt = myData.find(myKey);
        return myIt == myData.end() ? std::string() : VariantText(myIt->second);
    };
    const auto myNumber = [&](const char* myKey) {
        const auto myIt = myData.find(myKey);
        return myIt == myData.end() ? int64_t(0) : VariantNumber(myIt->second);
    };
    myTrack.mId = myText("mpris:trackid");
    myTrack.mTitle = myText("xesam:title");
    myTrack.mArtist = myText("xesam:artist");
    myTrack.mAlbumArtist = myText("xesam:albumArtist");
    myTrack.mAlbum = myText("xesam:album");
    myTrack.mUrl = myText("xesam:url");
    myTrack.mLengthUs = std::max<int64_t>(myNumber("mpris:length"), 0);
    const int64_t myTrackNumber = myNumber("xesam:trackNumber");
    myTrack.mNumber = myTrackNumber > 0 && myTrackNumber < 10000 ? static_cast<int>(myTrackNumber) : 0;
    return myTrack;
}

bool PlayersOpen(const std::string& myOnly) {
    PlayersClose();
    sdbus::IConnection* myBus = BusSession();
    if (!myBus) return false;
    sOnly = myOnly;
    std::vector<std::string> myNames;
    try {
        sBus = sdbus::createProxy(*myBus, "org.freedesktop.DBus", "/org/freedesktop/DBus");
        sBus->uponSignal("NameOwnerChanged")
            .onInterface("org.freedesktop.DBus")
            .call([](const std::string& myName, const std::string&, const std::string& myOwner) {
                if (PlayersIsMpris(myName)) sNameChanges.emplace_back(myName, myOwner);
            });
        sBus->finishRegistration();
        sBus->callMethod("ListNames")
            .onInterface("org.freedesktop.DBus")
            .withTimeout(kAskTimeout)
            .storeResultsTo(myNames);
    } catch (const sdbus::Error&) {
        sBus.reset();
        return false;
    }
    sOpen = true;
    // The proxies go before the bus connection they use, whichever order the program's end takes.
    static const bool sAtExit = std::atexit(PlayersClose) == 0;
    (void)sAtExit;
    for (const std::string& myName : myNames) {
        if (!PlayersIsMpris(myName)) continue;
        std::string myOwner;
        try {
            sBus->callMethod("GetNameOwner")
                .onInterface("org.freedesktop.DBus")
                .withArguments(myName)
                .withTimeout(kAskTimeout)
                .storeResultsTo(myOwner);
        } catch (const sdbus::Error&) {
            continue; // gone meanwhile
        }
        PlayersAdd(myName, myOwner);
    }
    return true;
}

void PlayersFollowOnly(const std::string& myOnly) {
    sOnly = myOnly;
}

void PlayersClose() {
    sPlayers.clear();
    sBus.reset();
    sNameChanges.clear();
    sFollowed.clear();
    sOnly.clear();
    sOpen = false;
}

bool PlayersIsOpen() {
    return sOpen;
}

void PlayersPoll() {
    if (!sOpen) return;
    BusWait(0);
    while (!sNameChanges.empty()) {
        const auto [myName, myOwner] = sNameChanges.front();
        sNameChanges.pop_front();
        PlayersRemove(myName);
        PlayersAdd(myName, myOwner);
    }
    Player* myPlayer = PlayersFollowedPlayer();
    if (myPlayer && myPlayer->mState.mStatus == kPlayerPlaying &&
        PlayersNowUs() - myPlayer->mPolledUs >= kPollUs)
        PlayersAskPosition(*myPlayer);
}

std::vector<std::string> PlayersNames() {
    std::vector<std::string> myNames;
    for (const auto& myPlayer : sPlayers)
        myNames.push_back(myPlayer->mState.mName);
    return myNames;
}

const PlayerState* PlayersFollowed() {
    const Player* myPlayer = PlayersFollowedPlayer();
    return myPlayer ? &myPlayer->mState : nullptr;
}

int64_t PlayersExtrapolate(const PlayerSample& mySample, int64_t myNowUs) {
    int64_t myPosition = mySample.mPositionUs;
    if (mySample.mMoving && myNowUs > mySample.mAtUs)
        myPosition += static_cast<int64_t>(static_cast<double>(myNowUs - mySample.mAtUs) * mySample.mRate);
    return std::max<int64_t>(myPosition, 0);
}

int64_t PlayersPositionNow() {
    const PlayerState* myState = PlayersFollowed();
    if (!myState) return -1;
    const int64_t myHeard =
        PlayersExtrapolate(myState->mSample, PlayersNowUs()) - int64_t(PlayersLatency()) * 1000;
    return std::max<int64_t>(myHeard, 0);
}

int64_t PlayersNowUs() {
    const auto myNow = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::microseconds>(myNow).count();
}

uint32_t PlayersLatency() {
    const char* myValue = std::getenv("ORBEX_PLAYER_LATENCY");
    if (!myValue || !*myValue) return kLatencyMs;
    char* myEnd = nullptr;
    const long myMs = std::strtol(myValue, &myEnd, 10);
    return *myEnd == 0 && myMs >= 0 && myMs <= 2000 ? static_cast<uint32_t>(myMs) : kLatencyMs;
}

bool PlayersPlay() {
    return PlayersSend("Play", PlayersBecome("Playing"));
}

bool PlayersPause() {
    return PlayersSend("Pause", PlayersBecome("Paused"));
}

bool PlayersStop() {
    return PlayersSend("Stop", PlayersBecome("Stopped"));
}

bool PlayersNext() {
    return PlayersSend("Next", nullptr);
}

bool PlayersPrevious() {
    return PlayersSend("Previous", nullptr);
}

bool PlayersSetPosition(int64_t myPositionUs) {
    const PlayerState* myState = PlayersFollowed();
    if (!myState) return false;
    const int64_t myTarget = std::max<int64_t>(myPositionUs, 0);
    const auto myEffect = [myTarget](Player& myPlayer) { PlayersAnchor(myPlayer.mState, myTarget); };
    // SetPosition names the track, so a track that changed meanwhile is left alone; without an id, a Seek.
    if (myState->mTrack.mId.size() > 1 && myState->mTrack.mId[0] == '/')
        return PlayersSend("SetPosition", myEffect, sdbus::ObjectPath(myState->mTrack.mId), myTarget);
    return PlayersSend("Seek", myEffect, myTarget - PlayersExtrapolate(myState->mSample, PlayersNowUs()));
}

bool PlayersGoTo(int myNumber) {
    Player* myPlayer = PlayersFollowedPlayer();
    if (!myPlayer || !myPlayer->mState.mHasTrackList || myNumber < 1) return false;
    try {
        sdbus::Variant myTracks;
        myPlayer->mProxy->callMethod("Get")
            .onInterface(kProperties)
            .withArguments(std::string(kTrackList), std::string("Tracks"))
            .withTimeout(kAskTimeout)
            .storeResultsTo(myTracks);
        if (!myTracks.containsValueOfType<std::vector<sdbus::ObjectPath>>()) return false;
        const auto myIds = myTracks.get<std::vector<sdbus::ObjectPath>>();
        if (myIds.empty()) return false;
        std::vector<Properties> myData;
        myPlayer->mProxy->callMethod("GetTracksMetadata")
            .onInterface(kTrackList)
            .withArguments(myIds)
            .withTimeout(kAskTimeout)
            .storeResultsTo(myData);
        std::string myChosen;
        for (const Properties& myTrack : myData)
            if (const PlayerTrack myRead = PlayersTrackFromMetadata(myTrack); myRead.mNumber == myNumber) {
                myChosen = myRead.mId;
                break;
            }
        if (myChosen.empty() && static_cast<size_t>(myNumber) <= myIds.size()) myChosen = myIds[myNumber - 1];
        if (myChosen.empty() || myChosen[0] != '/') return false;
        myPlayer->mProxy->callMethodAsync("GoTo")
            .onInterface(kTrackList)
            .withArguments(sdbus::ObjectPath(myChosen))
            .withTimeout(kAskTimeout)
            .uponReplyInvoke([](const sdbus::Error*) {});
    } catch (const sdbus::Error&) {
        return false;
    }
    return true;
}

void PlayersResetState() {
    PlayersClose();
    sOrder = 0;
}
