// The layers hold at the include level: no module includes a header of a module above its own, so there are
// no include cycles between modules. (The build's link checks hold them at the link level: a library that
// calls a layer above it fails to link.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Each module's place: a module may include its own headers and those of modules placed lower. Within the
// picture's layer sound, the engine and music stand in that order.
const std::map<std::string, int> kRanks = {
    {"platform", 0}, {"resources", 1}, {"core", 2},     {"storage", 3}, {"sound", 4},
    {"engine", 5},   {"music", 6},     {"controls", 7}, {"shell", 8},    {"saver", 9},
};

// Pixelmill's converter stands apart: the file formats, the pixel font, and of the engine only the program
// interpreters, which need no running picture.
bool LayersConverterMay(const std::string& myHeader) {
    const std::string myModule = myHeader.substr(0, myHeader.find('/'));
    if (myModule == "engine")
        return myHeader == "engine/movement_program.h" || myHeader == "engine/brush_effect_program.h";
    return myModule == "converter" || kRanks.at(myModule) <= kRanks.at("storage");
}

bool LayersMayInclude(const std::string& myModule, const std::string& myHeader) {
    const std::string myTarget = myHeader.substr(0, myHeader.find('/'));
    if (!kRanks.count(myTarget) && myTarget != "converter") return true; // not a module: content, tests
    if (myModule == "converter") return LayersConverterMay(myHeader);
    if (myTarget == "converter") return false;
    return kRanks.at(myTarget) <= kRanks.at(myModule);
}

struct Include {
    std::string mFile;
    std::string mHeader;
};

std::vector<Include> LayersIncludesOf(const std::string& myModule) {
    static const std::regex kInclude(R"re(^\s*#\s*include\s+"([a-z_]+/[^"]+)")re");
    std::vector<Include> myIncludes;
    const fs::path myFolder = fs::path(ORBEX_SOURCE_DIR) / myModule;
    std::error_code myError;
    for (fs::recursive_directory_iterator myIt(myFolder, myError), myEnd; !myError && myIt != myEnd;
         myIt.increment(myError)) {
        const std::string myExt = myIt->path().extension().string();
        if (myExt != ".h" && myExt != ".cpp") continue;
        std::ifstream myStream(myIt->path());
        std::string myLine;
        std::smatch myMatch;
        while (std::getline(myStream, myLine))
            if (std::regex_search(myLine, myMatch, kInclude))
                myIncludes.push_back({fs::relative(myIt->path(), ORBEX_SOURCE_DIR).string(), myMatch[1]});
    }
    return myIncludes;
}

} // namespace

TEST(Layers, JudgesIncludesByTheModulesPlaces) {
    EXPECT_TRUE(LayersMayInclude("engine", "sound/tempo.h"));
    EXPECT_TRUE(LayersMayInclude("music", "engine/edits.h"));
    EXPECT_FALSE(LayersMayInclude("sound", "engine/animate.h"));
    EXPECT_FALSE(LayersMayInclude("storage", "engine/movement.h"));
    EXPECT_FALSE(LayersMayInclude("controls", "shell/quit.h"));
    EXPECT_FALSE(LayersMayInclude("engine", "converter/info.h"));
    EXPECT_TRUE(LayersMayInclude("converter", "engine/movement_program.h"));
    EXPECT_FALSE(LayersMayInclude("converter", "engine/animate.h"));
    EXPECT_FALSE(LayersMayInclude("converter", "music/music.h"));
    EXPECT_TRUE(LayersMayInclude("saver", "shell/preferences.h"));
    EXPECT_FALSE(LayersMayInclude("shell", "saver/agent.h"));
}

TEST(Layers, NoModuleIncludesAModuleAboveIt) {
    std::vector<std::string> myModules = {"converter"};
    for (const auto& [myModule, myRank] : kRanks)
        myModules.push_back(myModule);
    for (const std::string& myModule : myModules) {
        const std::vector<Include> myIncludes = LayersIncludesOf(myModule);
        EXPECT_FALSE(myIncludes.empty()) << myModule << ": no includes found; is the source tree there?";
        for (const Include& myInclude : myIncludes)
            EXPECT_TRUE(LayersMayInclude(myModule, myInclude.mHeader))
                << myInclude.mFile << " includes " << myInclude.mHeader;
    }
}
