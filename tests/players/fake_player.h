// A media player of the tests' own on the session bus: the MPRIS 2 interfaces (root, player, optionally the
// track list and the Position property) over a list of tracks that play by the monotonic clock. It is told
// what to do through a test-only method, so each change and its signals come from the fake's own loop, as a
// real player sends them.
#pragma once

#include <sdbus-c++/sdbus-c++.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct FakeTrack {
    std::string mTitle;
    std::string mAlbum;
    std::string mArtist;
    int mNumber = 0; // 0: no xesam:trackNumber
    int64_t mLengthUs = 0;
};

class FakePlayer {
  public:
    static constexpr const char* kPlayer = "org.mpris.MediaPlayer2.Player";
    static constexpr const char* kRoot = "org.mpris.MediaPlayer2";
    static constexpr const char* kTrackList = "org.mpris.MediaPlayer2.TrackList";
    static constexpr const char* kTest = "org.orbex.Test";

    std::string mName;
    std::vector<FakeTrack> mTracks;
    bool mWithPosition = true;
    bool mWithTrackList = true;

    FakePlayer(std::string myName, std::vector<FakeTrack> myTracks)
        : mName(std::move(myName)), mTracks(std::move(myTracks)) {}
    ~FakePlayer() { Stop(); }

    static int64_t NowUs() {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    void Start() {
        mConnection = sdbus::createSessionBusConnection("org.mpris.MediaPlayer2." + mName);
        mObject = sdbus::createObject(*mConnection, "/org/mpris/MediaPlayer2");
        mObject->registerProperty("Identity").onInterface(kRoot).withGetter([this] { return mName; });
        mObject->registerProperty("HasTrackList").onInterface(kRoot).withGetter([this] {
            return mWithTrackList;
        });
        mObject->registerMethod("Raise").onInterface(kRoot).implementedAs([] {});
        mObject->registerMethod("Quit").onInterface(kRoot).implementedAs([] {});
        mObject->registerProperty("PlaybackStatus").onInterface(kPlayer).withGetter([this] {
            return Status();
        });
        mObject->registerProperty("Metadata").onInterface(kPlayer).withGetter([this] {
            return Metadata(mCurrent);
        });
        mObject->registerProperty("Rate").onInterface(kPlayer).withGetter([this] { return mRate; });
        mObject->registerProperty("CanSeek").onInterface(kPlayer).withGetter([] { return true; });
        if (mWithPosition)
            mObject->registerProperty("Position").onInterface(kPlayer).withGetter([this] {
                return Position();
            });
        mObject->registerMethod("Play").onInterface(kPlayer).implementedAs([this] { Act("play", 0); });
        mObject->registerMethod("Pause").onInterface(kPlayer).implementedAs([this] { Act("pause", 0); });
        mObject->registerMethod("PlayPause").onInterface(kPlayer).implementedAs([this] {
            Act(mStatus == "Playing" ? "pause" : "play", 0);
        });
        mObject->registerMethod("Stop").onInterface(kPlayer).implementedAs([this] { Act("stop", 0); });
        mObject->registerMethod("Next").onInterface(kPlayer).implementedAs([this] { Act("next", 0); });
        mObject->registerMethod("Previous").onInterface(kPlayer).implementedAs([this] {
            Act("previous", 0);
        });
        mObject->registerMethod("Seek").onInterface(kPlayer).implementedAs(
            [this](int64_t myOffset) { Act("seek", Position() + myOffset); });
        mObject->registerMethod("SetPosition")
            .onInterface(kPlayer)
            .implementedAs([this](sdbus::ObjectPath myId, int64_t myPosition) {
                if (myId == TrackId(mCurrent)) Act("seek", myPosition);
            });
        mObject->registerSignal("Seeked").onInterface(kPlayer).withParameters<int64_t>();
        if (mWithTrackList) {
            mObject->registerProperty("Tracks").onInterface(kTrackList).withGetter([this] {
                std::vector<sdbus::ObjectPath> myIds;
                for (size_t i = 0; i < mTracks.size(); ++i)
                    myIds.emplace_back(TrackId(i));
                return myIds;
            });
            mObject->registerMethod("GetTracksMetadata")
                .onInterface(kTrackList)
                .implementedAs([this](std::vector<sdbus::ObjectPath> myIds) {
                    std::vector<std::map<std::string, sdbus::Variant>> myData;
                    for (size_t i = 0; i < mTracks.size(); ++i)
                        if (std::find(myIds.begin(), myIds.end(), TrackId(i)) != myIds.end())
                            myData.push_back(Metadata(i));
                    return myData;
                });
            mObject->registerMethod("GoTo")
                .onInterface(kTrackList)
                .implementedAs([this](sdbus::ObjectPath myId) {
                    for (size_t i = 0; i < mTracks.size(); ++i)
                        if (myId == TrackId(i)) Act("track", static_cast<int64_t>(i));
                });
        }
        mObject->registerMethod("Do").onInterface(kTest).implementedAs(
            [this](std::string myAction, int64_t myValue) { Act(myAction, myValue); });
        mObject->registerMethod("Log").onInterface(kTest).implementedAs([this] { return mLog; });
        mObject->finishRegistration();
        mConnection->enterEventLoopAsync();
    }

    void Stop() {
        if (mConnection) mConnection->leaveEventLoop();
        mObject.reset();
        mConnection.reset();
    }

    // Asks the fake, from another connection, to do something: "play", "pause", "stop", "next", "previous",
    // "track" (myValue: its index), "seek" (to myValue us, with Seeked), "jump" (the same without it), "rate"
    // (myValue per mille), "length" (the current track's length, us, told anew).
    static void Tell(const std::string& myName, const std::string& myAction, int64_t myValue = 0) {
        auto myConnection = sdbus::createSessionBusConnection();
        auto myProxy =
            sdbus::createProxy(*myConnection, "org.mpris.MediaPlayer2." + myName, "/org/mpris/MediaPlayer2");
        myProxy->callMethod("Do").onInterface(kTest).withArguments(myAction, myValue);
    }
    // The fake's position (us) as read over the bus, and in myAtUs the middle of the round trip.
    static int64_t PositionOf(const std::string& myName, int64_t& myAtUs) {
        auto myConnection = sdbus::createSessionBusConnection();
        auto myProxy =
            sdbus::createProxy(*myConnection, "org.mpris.MediaPlayer2." + myName, "/org/mpris/MediaPlayer2");
        sdbus::Variant myValue;
        const int64_t myAsked = NowUs();
        myProxy->callMethod("Get")
            .onInterface("org.freedesktop.DBus.Properties")
            .withArguments(std::string(kPlayer), std::string("Position"))
            .storeResultsTo(myValue);
        myAtUs = (myAsked + NowUs()) / 2;
        return myValue.get<int64_t>();
    }
    // The commands the fake received from its clients, in order, one a line.
    static std::string Commands(const std::string& myName) {
        auto myConnection = sdbus::createSessionBusConnection();
        auto myProxy =
            sdbus::createProxy(*myConnection, "org.mpris.MediaPlayer2." + myName, "/org/mpris/MediaPlayer2");
        std::string myLog;
        myProxy->callMethod("Log").onInterface(kTest).storeResultsTo(myLog);
        return myLog;
    }

  private:
    std::unique_ptr<sdbus::IConnection> mConnection;
    std::unique_ptr<sdbus::IObject> mObject;
    std::string mStatus = "Stopped";
    size_t mCurrent = 0;
    double mRate = 1.0;
    int64_t mAnchorUs = 0; // position at mAnchorAt
    int64_t mAnchorAt = 0;
    std::string mLog;

    static sdbus::ObjectPath TrackId(size_t myIndex) {
        return sdbus::ObjectPath("/org/orbex/track/" + std::to_string(myIndex));
    }
    std::string Status() const { return mStatus; }
    int64_t Position() const {
        if (mStatus != "Playing") return mAnchorUs;
        return mAnchorUs + static_cast<int64_t>(static_cast<double>(NowUs() - mAnchorAt) * mRate);
    }
    std::map<std::string, sdbus::Variant> Metadata(size_t myIndex) const {
        std::map<std::string, sdbus::Variant> myData;
        if (myIndex >= mTracks.size()) return myData;
        const FakeTrack& myTrack = mTracks[myIndex];
        myData["mpris:trackid"] = sdbus::Variant(TrackId(myIndex));
        myData["mpris:length"] = sdbus::Variant(myTrack.mLengthUs);
        myData["xesam:title"] = sdbus::Variant(myTrack.mTitle);
        if (!myTrack.mAlbum.empty()) myData["xesam:album"] = sdbus::Variant(myTrack.mAlbum);
        if (!myTrack.mArtist.empty())
            myData["xesam:artist"] = sdbus::Variant(std::vector<std::string>{myTrack.mArtist});
        if (myTrack.mNumber) myData["xesam:trackNumber"] = sdbus::Variant(int32_t(myTrack.mNumber));
        return myData;
    }
    void Anchor(int64_t myPosition) {
        mAnchorUs = std::max<int64_t>(myPosition, 0);
        mAnchorAt = NowUs();
    }
    void Changed(const std::vector<std::string>& myNames) {
        mObject->emitPropertiesChangedSignal(kPlayer, myNames);
    }

    void Act(const std::string& myAction, int64_t myValue) {
        if (myAction != "jump" && myAction != "length") mLog += myAction + "\n";
        if (myAction == "play" || myAction == "pause" || myAction == "stop") {
            const int64_t myHere = myAction == "stop" ? 0 : Position();
            mStatus = myAction == "play" ? "Playing" : myAction == "pause" ? "Paused" : "Stopped";
            Anchor(myHere);
            Changed({"PlaybackStatus"});
        } else if (myAction == "next" || myAction == "previous" || myAction == "track") {
            const int64_t myCount = static_cast<int64_t>(mTracks.size());
            const int64_t myTo =
                myAction == "track" ? myValue : int64_t(mCurrent) + (myAction == "next" ? 1 : -1);
            if (myTo < 0 || myTo >= myCount) return;
            mCurrent = static_cast<size_t>(myTo);
            Anchor(0);
            Changed({"Metadata"});
        } else if (myAction == "seek" || myAction == "jump") {
            Anchor(myValue);
            if (myAction == "seek")
                mObject->emitSignal("Seeked").onInterface(kPlayer).withArguments(mAnchorUs);
        } else if (myAction == "rate") {
            Anchor(Position());
            mRate = static_cast<double>(myValue) / 1000.0;
            Changed({"Rate"});
        } else if (myAction == "length") {
            mTracks[mCurrent].mLengthUs = myValue;
            Changed({"Metadata"});
        }
    }
};
