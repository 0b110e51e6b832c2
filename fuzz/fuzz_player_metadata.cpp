// Fuzz target: a player's track description of any content (the names MPRIS gives, with values of any type)
// is read, and the album and title it names become the disc's names, codes and slots, without harm: every
// name stays a name inside the disc's folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "music/disc_files.h"
#include "music/music.h"
#include "platform/players_metadata.h"

namespace {
const char* const kKeys[] = {"mpris:trackid",     "mpris:length", "xesam:title",       "xesam:artist",
                             "xesam:albumArtist", "xesam:album",  "xesam:trackNumber", "xesam:url"};

// Reads the bytes as values: a byte for the key, a byte for the type, a byte for the length, then the bytes.
struct Reader {
    const uint8_t* mData;
    size_t mLeft;
    uint8_t Byte() {
        if (!mLeft) return 0;
        --mLeft;
        return *mData++;
    }
    std::string Text() {
        const size_t myLength = std::min<size_t>(Byte(), mLeft);
        std::string myText(reinterpret_cast<const char*>(mData), myLength);
        mData += myLength;
        mLeft -= myLength;
        return myText;
    }
    int64_t Number() {
        int64_t myValue = 0;
        for (int i = 0; i < 8; ++i)
            myValue = myValue << 8 | Byte();
        return myValue;
    }
};

bool SafeName(const char* myName) {
    return myName[0] && std::strlen(myName) < kCDNameSize && !std::strchr(myName, '/') &&
           !std::strchr(myName, '\\') && !std::strstr(myName, "..");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    Reader myReader{myData, mySize};
    std::map<std::string, sdbus::Variant> myMetadata;
    try {
        while (myReader.mLeft > 2) {
            const std::string myKey = kKeys[myReader.Byte() % std::size(kKeys)];
            switch (myReader.Byte() % 7) {
            case 0:
                myMetadata[myKey] = sdbus::Variant(myReader.Text());
                break;
            case 1:
                myMetadata[myKey] = sdbus::Variant(myReader.Number());
                break;
            case 2:
                myMetadata[myKey] = sdbus::Variant(static_cast<int32_t>(myReader.Number()));
                break;
            case 3:
                myMetadata[myKey] = sdbus::Variant(static_cast<uint64_t>(myReader.Number()));
                break;
            case 4: {
                const int64_t myBits = myReader.Number();
                double myNumber;
                std::memcpy(&myNumber, &myBits, sizeof(myNumber));
                myMetadata[myKey] = sdbus::Variant(myNumber);
                break;
            }
            case 5:
                myMetadata[myKey] =
                    sdbus::Variant(std::vector<std::string>{myReader.Text(), myReader.Text()});
                break;
            default:
                myMetadata[myKey] = sdbus::Variant(sdbus::ObjectPath("/" + myReader.Text()));
                break;
            }
        }
    } catch (const sdbus::Error&) {
        return 0; // the bus itself refuses what is no valid value (text that is no UTF-8, a bad path)
    }
    const PlayerTrack myTrack = PlayersTrackFromMetadata(myMetadata);
    if (myTrack.mLengthUs < 0 || myTrack.mNumber < 0) std::abort();
    char myName[kCDNameSize];
    MusicPlayerFileName(MusicPlayerDiscName(myTrack), myName);
    if (!SafeName(myName)) std::abort();
    MusicPlayerFileName(myTrack.mTitle, myName);
    if (!SafeName(myName)) std::abort();
    std::memset(gCDSet, 0, sizeof(gCDSet));
    const int mySlot = MusicPlayerSlot(myTrack.mNumber, myName);
    if (mySlot < 0 || mySlot >= kTracksMax) std::abort();
    if (MusicPlayerCodeNum(myTrack.mArtist, myTrack.mAlbum) == 0) std::abort();
    return 0;
}
