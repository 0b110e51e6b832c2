// Test helper: a user of one's own for the screen-saver tests: HOME, the configuration and runtime folders in
// a temporary folder, so nothing the tests install reaches the real user's desktop; restored afterwards.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/config.h"

class SaverUserTest : public ::testing::Test {
  protected:
    std::filesystem::path mRoot;

    void SetUp() override {
        mRoot = std::filesystem::temp_directory_path() /
                ("orbex-saver-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mRoot);
        for (const char* myFolder : {"home", "config", "runtime", "bin"})
            std::filesystem::create_directories(mRoot / myFolder);
        chmod((mRoot / "runtime").c_str(), 0700);
        Set("HOME", mRoot / "home");
        Set("XDG_CONFIG_HOME", mRoot / "config");
        Set("XDG_RUNTIME_DIR", mRoot / "runtime");
        ConfigSetFolder((mRoot / "config" / "orbex").string());
        std::filesystem::create_directories(mRoot / "config" / "orbex");
    }
    void TearDown() override {
        for (const auto& [myName, myValue] : mBefore) {
            if (myValue.empty())
                unsetenv(myName.c_str());
            else
                setenv(myName.c_str(), myValue.c_str(), 1);
        }
        // A stand-in program started in the test may still be writing its log.
        std::error_code myError;
        for (int myTry = 0;
             myTry < 50 && std::filesystem::remove_all(mRoot, myError) == static_cast<uintmax_t>(-1); ++myTry)
            usleep(10000);
    }
    void Set(const std::string& myName, const std::filesystem::path& myValue) {
        if (!mBefore.count(myName)) {
            const char* myOld = std::getenv(myName.c_str());
            mBefore[myName] = myOld ? myOld : "";
        }
        setenv(myName.c_str(), myValue.c_str(), 1);
    }
    static std::string Read(const std::filesystem::path& myPath) {
        std::ifstream myStream(myPath, std::ios::binary);
        std::ostringstream myText;
        myText << myStream.rdbuf();
        return myText.str();
    }
    static void Write(const std::filesystem::path& myPath, const std::string& myText) {
        std::filesystem::create_directories(myPath.parent_path());
        std::ofstream(myPath, std::ios::binary) << myText;
    }
    // A stand-in program: a shell script that appends its arguments, one run a line, to myLog.
    void Script(const std::filesystem::path& myPath, const std::filesystem::path& myLog,
                const std::string& myMore = "") {
        Write(myPath, "#!/bin/sh\necho \"$*\" >> '" + myLog.string() + "'\n" + myMore);
        chmod(myPath.c_str(), 0755);
    }

  private:
    std::map<std::string, std::string> mBefore;
};
