// CD devices and disc images through libcdio (libcdio-paranoia reading a real drive's audio), and folders of
// music files through libsndfile, behind one drive: a table of contents and 44.1 kHz stereo samples.
#include "platform/cdaudio_drive.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>
#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>

namespace fs = std::filesystem;

namespace {
constexpr int kSectorBytes = 2352;
// The main thread never waits longer than this for a drive busy reading.
constexpr auto kDriveWait = std::chrono::milliseconds(1500);

// Reading a folder track: its file, and a window of decoded frames that the linear resampling walks along.
struct FolderDecoder {
    int mTrack = -1;
    SNDFILE* mFile = nullptr;
    int64_t mBase = 0;          // source frame of mWindow's first frame
    std::vector<float> mWindow; // stereo frames decoded from mBase on
};

std::timed_mutex sDriveLock;
CDDriveKind sKind = kCDDriveNone;
std::string sSource;
CdIo_t* sCdio = nullptr;
cdrom_drive_t* sCdda = nullptr;
cdrom_paranoia_t* sParanoia = nullptr;
std::vector<CDFolderTrack> sFolderTracks;
CDToc sFolderToc;
FolderDecoder sDecoder;
// An image or a folder has no tray; opening it takes the disc out until it is closed again, as with a drive.
bool sTrayOpen = false;

void CDDriveQuietLog(cdio_log_level_t myLevel, const char* myMessage) {
    if (myLevel >= CDIO_LOG_ERROR && std::getenv("ORBEX_CD_DEBUG"))
        std::fprintf(stderr, "libcdio: %s\n", myMessage);
}

void CDDriveCloseReader() {
    if (sParanoia) cdio_paranoia_free(sParanoia);
    sParanoia = nullptr;
    if (sCdda) cdio_cddap_close_no_free_cdio(sCdda);
    sCdda = nullptr;
}

void CDDriveCloseDecoder() {
    if (sDecoder.mFile) sf_close(sDecoder.mFile);
    sDecoder = FolderDecoder{};
}

// A real drive is read through paranoia, which corrects what a scratched disc gives; images read directly.
void CDDriveOpenReader() {
    CDDriveCloseReader();
    if (sKind != kCDDriveDevice || !sCdio) return;
    sCdda = cdio_cddap_identify_cdio(sCdio, CDDA_MESSAGE_FORGETIT, nullptr);
    if (!sCdda || cdio_cddap_open(sCdda) != 0) {
        CDDriveCloseReader();
        return;
    }
    sParanoia = cdio_paranoia_init(sCdda);
    if (sParanoia) cdio_paranoia_modeset(sParanoia, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
}

bool CDDriveOpenCdio(const std::string& mySource, bool myDevice) {
    cdio_log_set_handler(CDDriveQuietLog);
    sCdio = cdio_open(mySource.c_str(), myDevice ? DRIVER_DEVICE : DRIVER_UNKNOWN);
    if (!sCdio) return false;
    sKind = myDevice ? kCDDriveDevice : kCDDriveImage;
    return true;
}

bool CDDriveCdioToc(CDToc& myToc) {
    if (!sCdio) return false;
    const track_t myFirst = cdio_get_first_track_num(sCdio);
    const track_t myCount = cdio_get_num_tracks(sCdio);
    if (myFirst == CDIO_INVALID_TRACK || myCount == CDIO_INVALID_TRACK || myCount == 0) return false;
    myToc = CDToc{};
    myToc.mCount = std::min<int>(myCount, kCDTracksMax);
    for (int i = 0; i < myToc.mCount; ++i) {
        const track_t myTrack = static_cast<track_t>(myFirst + i);
        const lba_t myStart = cdio_get_track_lba(sCdio, myTrack);
        if (myStart == CDIO_INVALID_LBA) return false;
        myToc.mTracks[i].mStart = myStart;
        myToc.mTracks[i].mAudio = cdio_get_track_format(sCdio, myTrack) == TRACK_FORMAT_AUDIO;
    }
    myToc.mLeadOut = cdio_get_track_lba(sCdio, CDIO_CDROM_LEADOUT_TRACK);
    return myToc.mLeadOut != CDIO_INVALID_LBA && myToc.mLeadOut > myToc.mTracks[myToc.mCount - 1].mStart;
}

bool CDDriveReadSectors(int64_t myFrame, int myCount, uint8_t* myOut) {
    if (sParanoia) {
        cdio_paranoia_seek(sParanoia, static_cast<int32_t>(myFrame - kCDPregap), SEEK_SET);
        for (int i = 0; i < myCount; ++i) {
            const int16_t* mySector = cdio_paranoia_read_limited(sParanoia, nullptr, 3);
            if (!mySector) return false;
            std::memcpy(myOut + static_cast<size_t>(i) * kSectorBytes, mySector, kSectorBytes);
        }
        return true;
    }
    return cdio_read_audio_sectors(sCdio, myOut, static_cast<lsn_t>(myFrame - kCDPregap),
                                   static_cast<uint32_t>(myCount)) == DRIVER_OP_SUCCESS;
}

bool CDDriveCdioRead(int64_t myPos, int myCount, int16_t* myOut) {
    std::memset(myOut, 0, static_cast<size_t>(myCount) * 4);
    CDToc myToc;
    if (!CDDriveCdioToc(myToc)) return false;
    const int64_t myEnd = int64_t(myToc.mLeadOut) * kCDSamplesPerFrame;
    const int64_t myFirstFrame = myPos / kCDSamplesPerFrame;
    const int64_t myLastFrame =
        (std::min(myPos + myCount, myEnd) + kCDSamplesPerFrame - 1) / kCDSamplesPerFrame;
    if (myLastFrame <= myFirstFrame) return false;
    std::vector<uint8_t> mySectors(static_cast<size_t>(myLastFrame - myFirstFrame) * kSectorBytes);
    bool myRead = false;
    // Sector by sector where a block fails, so one bad sector costs only its own 13 ms.
    if (CDDriveReadSectors(myFirstFrame, static_cast<int>(myLastFrame - myFirstFrame), mySectors.data())) {
        myRead = true;
    } else {
        for (int64_t f = myFirstFrame; f < myLastFrame; ++f) {
            uint8_t* mySector = mySectors.data() + static_cast<size_t>(f - myFirstFrame) * kSectorBytes;
            if (CDDriveReadSectors(f, 1, mySector))
                myRead = true;
            else
                std::memset(mySector, 0, kSectorBytes);
        }
    }
    const int64_t mySkip = myPos - myFirstFrame * kCDSamplesPerFrame;
    const int64_t myUsable = std::min<int64_t>(myCount, myEnd - myPos);
    for (int64_t i = 0; i < myUsable; ++i) {
        const uint8_t* mySample = mySectors.data() + static_cast<size_t>(mySkip + i) * 4;
        // Audio sectors hold little-endian samples, left then right.
        myOut[2 * i] = static_cast<int16_t>(mySample[0] | (mySample[1] << 8));
        myOut[2 * i + 1] = static_cast<int16_t>(mySample[2] | (mySample[3] << 8));
    }
    return myRead;
}

// The decoder holds frames from mBase on; this makes sure frame myFrame (and the one after it, for the
// interpolation) is in the window, reading on or seeking as needed. False past the file's end.
bool CDFolderEnsure(const CDFolderTrack& myTrack, int64_t myFrame) {
    FolderDecoder& myDecoder = sDecoder;
    const int64_t myHave = static_cast<int64_t>(myDecoder.mWindow.size() / 2);
    if (myFrame < myDecoder.mBase || myFrame > myDecoder.mBase + myHave + 4096) {
        if (sf_seek(myDecoder.mFile, myFrame, SEEK_SET) < 0) return false;
        myDecoder.mBase = myFrame;
        myDecoder.mWindow.clear();
    } else if (myFrame - myDecoder.mBase > 8192) {
        // Forget what lies well behind; the interpolation needs only the frame before.
        const int64_t myDrop = myFrame - myDecoder.mBase - 1;
        myDecoder.mWindow.erase(myDecoder.mWindow.begin(), myDecoder.mWindow.begin() + 2 * myDrop);
        myDecoder.mBase += myDrop;
    }
    std::vector<float> myBlock;
    while (static_cast<int64_t>(myDecoder.mWindow.size() / 2) <= myFrame + 1 - myDecoder.mBase) {
        constexpr int kBlock = 4096;
        myBlock.resize(static_cast<size_t>(kBlock) * myTrack.mChannels);
        const sf_count_t myRead = sf_readf_float(myDecoder.mFile, myBlock.data(), kBlock);
        if (myRead <= 0) break;
        for (sf_count_t f = 0; f < myRead; ++f) {
            const float* myIn = myBlock.data() + static_cast<size_t>(f) * myTrack.mChannels;
            myDecoder.mWindow.push_back(myIn[0]);
            myDecoder.mWindow.push_back(myTrack.mChannels > 1 ? myIn[1] : myIn[0]);
        }
    }
    return static_cast<int64_t>(myDecoder.mWindow.size() / 2) > myFrame - myDecoder.mBase;
}

int16_t CDFolderSample(float myValue) {
    if (!std::isfinite(myValue)) return 0;
    return static_cast<int16_t>(std::clamp<long>(std::lround(double(myValue) * 32768.0), -32768, 32767));
}

// Samples of one track from its own sample myOffset on (at 44.1 kHz), resampled linearly from the file's
// rate; a file at 44.1 kHz comes out sample for sample.
void CDFolderReadTrack(int myIndex, int64_t myOffset, int myCount, int16_t* myOut) {
    const CDFolderTrack& myTrack = sFolderTracks[static_cast<size_t>(myIndex)];
    if (sDecoder.mTrack != myIndex) {
        CDDriveCloseDecoder();
        SF_INFO myInfo{};
        sDecoder.mFile = sf_open(myTrack.mPath.c_str(), SFM_READ, &myInfo);
        if (!sDecoder.mFile || myInfo.channels != myTrack.mChannels) {
            CDDriveCloseDecoder();
            return;
        }
        sDecoder.mTrack = myIndex;
    }
    const double myStep = double(myTrack.mRate) / kCDSampleRate;
    for (int i = 0; i < myCount; ++i) {
        const double mySource = double(myOffset + i) * myStep;
        const int64_t myFrame = static_cast<int64_t>(mySource);
        if (myFrame >= myTrack.mFrames || !CDFolderEnsure(myTrack, myFrame)) return;
        const double myPart = mySource - double(myFrame);
        const size_t myAt = static_cast<size_t>(myFrame - sDecoder.mBase) * 2;
        const bool myNext = myAt + 3 < sDecoder.mWindow.size() && myPart > 0;
        for (int c = 0; c < 2; ++c) {
            const float myA = sDecoder.mWindow[myAt + c];
            const float myB = myNext ? sDecoder.mWindow[myAt + 2 + c] : myA;
            myOut[2 * i + c] = CDFolderSample(static_cast<float>(myA + (myB - myA) * myPart));
        }
    }
}

bool CDDriveFolderRead(int64_t myPos, int myCount, int16_t* myOut) {
    std::memset(myOut, 0, static_cast<size_t>(myCount) * 4);
    bool myRead = false;
    int myDone = 0;
    while (myDone < myCount) {
        const int64_t myAt = myPos + myDone;
        const int64_t myFrame = myAt / kCDSamplesPerFrame;
        int myTrack = -1;
        for (int t = 0; t < sFolderToc.mCount && myTrack < 0; ++t) {
            const int32_t myEnd =
                t + 1 < sFolderToc.mCount ? sFolderToc.mTracks[t + 1].mStart : sFolderToc.mLeadOut;
            if (myFrame >= sFolderToc.mTracks[t].mStart && myFrame < myEnd) myTrack = t;
        }
        if (myTrack < 0) {
            // Before track 1 or after the lead-out: silence up to the next track, if any.
            int64_t myNext = int64_t(myPos) + myCount;
            if (sFolderToc.mCount > 0 && myFrame < sFolderToc.mTracks[0].mStart)
                myNext = std::min(myNext, int64_t(sFolderToc.mTracks[0].mStart) * kCDSamplesPerFrame);
            myDone = static_cast<int>(myNext - myPos);
            continue;
        }
        const int32_t myTrackEnd =
            myTrack + 1 < sFolderToc.mCount ? sFolderToc.mTracks[myTrack + 1].mStart : sFolderToc.mLeadOut;
        const int64_t myStart = int64_t(sFolderToc.mTracks[myTrack].mStart) * kCDSamplesPerFrame;
        const int myHere = static_cast<int>(
            std::min<int64_t>(myCount - myDone, int64_t(myTrackEnd) * kCDSamplesPerFrame - myAt));
        CDFolderReadTrack(myTrack, myAt - myStart, myHere, myOut + 2 * static_cast<size_t>(myDone));
        myRead = true;
        myDone += myHere;
    }
    return myRead;
}

std::string CDDriveMountPoint(const std::string& myDevice) {
    std::error_code myError;
    const fs::path myReal = fs::canonical(myDevice, myError);
    if (myError) return std::string();
    std::FILE* myMounts = std::fopen("/proc/mounts", "r");
    if (!myMounts) return std::string();
    char myLine[4096];
    std::string myFound;
    while (myFound.empty() && std::fgets(myLine, sizeof(myLine), myMounts)) {
        char myWhat[2048], myWhere[2048];
        if (std::sscanf(myLine, "%2047s %2047s", myWhat, myWhere) != 2) continue;
        const fs::path myMounted = fs::canonical(myWhat, myError);
        if (!myError && myMounted == myReal) myFound = myWhere;
    }
    std::fclose(myMounts);
    // The mount table writes blanks in folder names as "\040".
    for (size_t myAt; (myAt = myFound.find("\\040")) != std::string::npos;)
        myFound.replace(myAt, 4, " ");
    return myFound.empty() ? myFound : myFound + "/";
}
// Under the drive's lock.
bool CDDriveMediaLocked() {
    switch (sKind) {
    case kCDDriveFolder:
        return !sTrayOpen && sFolderToc.mCount > 0;
    case kCDDriveImage:
        return !sTrayOpen && sCdio != nullptr;
    case kCDDriveDevice: {
        // A drive keeps the table it read when opened: a changed disc is only seen through a new opening.
        if (sCdio && cdio_get_media_changed(sCdio) == 1) {
            CDDriveCloseReader();
            cdio_destroy(sCdio);
            sCdio = cdio_open(sSource.c_str(), DRIVER_DEVICE);
            CDDriveOpenReader();
        }
        if (!sCdio) return false;
        const track_t myCount = cdio_get_num_tracks(sCdio);
        return myCount != CDIO_INVALID_TRACK && myCount > 0;
    }
    default:
        return false;
    }
}
} // namespace

namespace {
// A cover picture or a playlist beside the music is no track and no surprise; a file named as sound that
// cannot be played is worth a word.
bool CDFolderLooksLikeSound(const std::string& myPath) {
    static const char* const kExtensions[] = {".wav", ".wave", ".flac", ".ogg",  ".oga", ".opus", ".mp3",
                                              ".mp2", ".aif",  ".aiff", ".aifc", ".au",  ".snd",  ".w64",
                                              ".caf", ".wv",   ".m4a",  ".aac",  ".wma", ".mka"};
    std::string myExtension = fs::path(myPath).extension().string();
    for (char& myChar : myExtension)
        myChar = static_cast<char>(std::tolower(static_cast<unsigned char>(myChar)));
    for (const char* myKnown : kExtensions)
        if (myExtension == myKnown) return true;
    return false;
}
} // namespace

void CDFolderList(const std::string& myFolder, std::vector<CDFolderTrack>& myTracks,
                  std::vector<std::string>* mySkipped) {
    myTracks.clear();
    auto mySkip = [&](const std::string& myPath, const std::string& myWhy) {
        if (mySkipped && CDFolderLooksLikeSound(myPath)) mySkipped->push_back(myPath + ": " + myWhy);
    };
    std::vector<std::string> myNames;
    std::error_code myError;
    for (fs::directory_iterator myIt(myFolder, myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError)) {
        std::error_code myTypeError;
        const std::string myName = myIt->path().filename().string();
        if (myName.empty() || myName[0] == '.' || !myIt->is_regular_file(myTypeError)) continue;
        myNames.push_back(myIt->path().string());
    }
    std::sort(myNames.begin(), myNames.end());
    for (const std::string& myPath : myNames) {
        if (myTracks.size() >= static_cast<size_t>(kCDTracksMax)) break;
        SF_INFO myInfo{};
        SNDFILE* myFile = sf_open(myPath.c_str(), SFM_READ, &myInfo);
        if (!myFile) {
            mySkip(myPath, "it cannot be read as sound");
            continue;
        }
        sf_close(myFile);
        // Longer than a disc could be (a day) is no track either: its frames would not fit a position.
        if (myInfo.frames <= 0 || myInfo.samplerate <= 0 || myInfo.channels <= 0 ||
            myInfo.frames / myInfo.samplerate > 86400) {
            mySkip(myPath, myInfo.frames <= 0 ? "it holds no sound" : "it is longer than a day");
            continue;
        }
        myTracks.push_back({myPath, myInfo.frames, myInfo.samplerate, myInfo.channels});
    }
}

void CDFolderToc(const std::vector<CDFolderTrack>& myTracks, CDToc& myToc) {
    myToc = CDToc{};
    int64_t myStart = kCDPregap;
    for (const CDFolderTrack& myTrack : myTracks) {
        if (myToc.mCount >= kCDTracksMax) break;
        myToc.mTracks[myToc.mCount].mStart = static_cast<int32_t>(myStart);
        myToc.mTracks[myToc.mCount].mAudio = true;
        ++myToc.mCount;
        myStart += (myTrack.mFrames * kCDFrameRate + myTrack.mRate - 1) / myTrack.mRate;
    }
    myToc.mLeadOut = static_cast<int32_t>(std::min<int64_t>(myStart, INT32_MAX));
}

bool CDDriveOpen(const std::string& mySource) {
    CDDriveClose();
    std::lock_guard<std::timed_mutex> myGuard(sDriveLock);
    std::error_code myError;
    if (fs::is_directory(mySource, myError)) {
        sKind = kCDDriveFolder;
        sSource = mySource;
        if (sSource.back() != '/') sSource += '/';
        CDFolderList(sSource, sFolderTracks);
        CDFolderToc(sFolderTracks, sFolderToc);
        return true;
    }
    const bool myDevice = fs::is_block_file(mySource, myError);
    if (!CDDriveOpenCdio(mySource, myDevice)) return false;
    sSource = mySource;
    CDDriveOpenReader();
    return true;
}

void CDDriveClose() {
    std::lock_guard<std::timed_mutex> myGuard(sDriveLock);
    CDDriveCloseReader();
    CDDriveCloseDecoder();
    if (sCdio) cdio_destroy(sCdio);
    sCdio = nullptr;
    sKind = kCDDriveNone;
    sTrayOpen = false;
    sSource.clear();
    sFolderTracks.clear();
    sFolderToc = CDToc{};
}

CDDriveKind CDDriveKindNow() {
    return sKind;
}

bool CDDriveMediaPresent() {
    std::unique_lock<std::timed_mutex> myGuard(sDriveLock, kDriveWait);
    return myGuard.owns_lock() && CDDriveMediaLocked();
}

int CDDriveMediaNow() {
    std::unique_lock<std::timed_mutex> myGuard(sDriveLock, std::try_to_lock);
    if (!myGuard.owns_lock()) return -1;
    return CDDriveMediaLocked() ? 1 : 0;
}

bool CDDriveToc(CDToc& myToc) {
    std::unique_lock<std::timed_mutex> myGuard(sDriveLock, kDriveWait);
    if (!myGuard.owns_lock() || sTrayOpen) return false;
    if (sKind == kCDDriveFolder) {
        myToc = sFolderToc;
        return myToc.mCount > 0;
    }
    return CDDriveCdioToc(myToc);
}

bool CDDriveRead(int64_t myPos, int myCount, int16_t* myOut) {
    std::lock_guard<std::timed_mutex> myGuard(sDriveLock);
    if (sKind == kCDDriveFolder) return CDDriveFolderRead(myPos, myCount, myOut);
    return CDDriveCdioRead(myPos, myCount, myOut);
}

std::string CDDriveFolder() {
    switch (sKind) {
    case kCDDriveFolder:
        return sSource;
    case kCDDriveDevice:
        return CDDriveMountPoint(sSource);
    default:
        return std::string();
    }
}

bool CDDriveEject() {
    std::unique_lock<std::timed_mutex> myGuard(sDriveLock, kDriveWait);
    if (!myGuard.owns_lock() || sKind == kCDDriveNone) return false;
    if (sKind != kCDDriveDevice) {
        sTrayOpen = true;
        return true;
    }
    CDDriveCloseReader();
    if (sCdio) cdio_destroy(sCdio);
    sCdio = nullptr;
    const bool myDone = cdio_eject_media_drive(sSource.c_str()) == DRIVER_OP_SUCCESS;
    sCdio = cdio_open(sSource.c_str(), DRIVER_DEVICE);
    return myDone;
}

bool CDDriveCloseTray() {
    std::unique_lock<std::timed_mutex> myGuard(sDriveLock, kDriveWait);
    if (!myGuard.owns_lock() || sKind == kCDDriveNone) return false;
    if (sKind != kCDDriveDevice) {
        sTrayOpen = false;
        return true;
    }
    driver_id_t myDriver = DRIVER_DEVICE;
    return cdio_close_tray(sSource.c_str(), &myDriver) == DRIVER_OP_SUCCESS;
}

std::vector<std::string> CDAudioListDrives() {
    std::vector<std::string> myDrives;
    cdio_log_set_handler(CDDriveQuietLog);
    char** myList = cdio_get_devices(DRIVER_DEVICE);
    for (char** myAt = myList; myAt && *myAt; ++myAt)
        myDrives.emplace_back(*myAt);
    if (myList) cdio_free_device_list(myList);
    return myDrives;
}
