// Fuzz target: INI files of any content are read without harm.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "platform/config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* myData, size_t mySize) {
    static const std::filesystem::path kFolder =
        std::filesystem::temp_directory_path() / ("orbex-fuzz-config-" + std::to_string(::getpid()));
    static bool sReady = [] {
        ConfigSetFolder(kFolder.string());
        std::filesystem::create_directories(kFolder);
        return true;
    }();
    (void)sReady;
    {
        std::ofstream myStream(kFolder / "registry.ini", std::ios::binary | std::ios::trunc);
        myStream.write(reinterpret_cast<const char*>(myData), static_cast<std::streamsize>(mySize));
    }
    ConfigGetString("registry.ini", "Software\\Orbex", "Path", "");
    ConfigSetString("registry.ini", "Software\\Orbex", "Autoplay", "1");
    ConfigGetString("registry.ini", "Software\\Orbex", "Autoplay", "");
    return 0;
}
