// Checking a disc source named by the user before anything plays: what is missing is said by its name.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cdaudio.h"
#include "platform/cdaudio_drive.h"

namespace fs = std::filesystem;

namespace {
constexpr std::streamsize kSheetMax = 1 << 20; // a cue sheet or TOC file is a page of text

std::string CDCheckLower(std::string myText) {
    for (char& myChar : myText)
        myChar = static_cast<char>(std::tolower(static_cast<unsigned char>(myChar)));
    return myText;
}

// The files a cue sheet (FILE "name" TYPE) or a cdrdao TOC file (FILE, AUDIOFILE or DATAFILE "name" ...)
// takes its sound from, as written.
std::vector<std::string> CDCheckSheetFiles(const std::string& myText, bool myToc) {
    std::vector<std::string> myFiles;
    std::istringstream myLines(myText);
    for (std::string myLine; std::getline(myLines, myLine);) {
        std::istringstream myWords(myLine);
        std::string myKeyword;
        myWords >> myKeyword;
        myKeyword = CDCheckLower(myKeyword);
        const bool myNamesFile =
            myKeyword == "file" || (myToc && (myKeyword == "audiofile" || myKeyword == "datafile"));
        if (!myNamesFile) continue;
        myWords >> std::ws;
        std::string myName;
        if (myWords.peek() == '"') {
            myWords.get();
            std::getline(myWords, myName, '"');
        } else {
            myWords >> myName;
        }
        if (!myName.empty()) myFiles.push_back(myName);
    }
    return myFiles;
}

// A cue sheet or TOC file: it must name its sound, and the files it names must be there.
bool CDCheckSheet(const fs::path& mySheet, bool myToc, std::string& myError) {
    std::ifstream myStream(mySheet, std::ios::binary);
    std::string myText(static_cast<size_t>(kSheetMax), '\0');
    myStream.read(myText.data(), kSheetMax);
    myText.resize(static_cast<size_t>(myStream.gcount()));
    if (myText.find_first_not_of(" \t\r\n") == std::string::npos) {
        myError = mySheet.string() + ": the " + (myToc ? "TOC file" : "cue sheet") + " is empty";
        return false;
    }
    const std::vector<std::string> myFiles = CDCheckSheetFiles(myText, myToc);
    if (myFiles.empty()) {
        myError =
            mySheet.string() + ": the " + (myToc ? "TOC file" : "cue sheet") + " names no file of sound";
        return false;
    }
    for (const std::string& myName : myFiles) {
        const fs::path myFile = mySheet.parent_path() / myName;
        std::error_code myFault;
        if (!fs::exists(myFile, myFault)) {
            myError = mySheet.string() + " takes its sound from " + myName + ", which is missing";
            return false;
        }
    }
    return true;
}
} // namespace

bool CDAudioCheckSource(const std::string& mySource, std::string& myError,
                        std::vector<std::string>& myWarnings) {
    std::error_code myFault;
    const fs::file_status myStatus = fs::status(mySource, myFault);
    if (!fs::exists(myStatus)) {
        myError = mySource + ": no such drive, disc image or music folder";
        return false;
    }
    if (fs::is_directory(myStatus)) {
        std::vector<CDFolderTrack> myTracks;
        CDFolderList(mySource, myTracks, &myWarnings);
        for (std::string& myWarning : myWarnings)
            myWarning += "; it is left out";
        if (myTracks.empty()) {
            myError = mySource + ": the folder holds no music that can be played";
            return false;
        }
        return true;
    }
    const std::string myExtension = CDCheckLower(fs::path(mySource).extension().string());
    if ((myExtension == ".cue" || myExtension == ".toc") &&
        !CDCheckSheet(mySource, myExtension == ".toc", myError))
        return false;
    const bool myOpened = CDAudioOpen(mySource);
    CDAudioClose();
    if (!myOpened) {
        myError = mySource + ": cannot be opened as a drive, a disc image or a music folder";
        return false;
    }
    return true;
}
