// Test helper: the real orbex program run as a process, without a display, with a program folder ("home"),
// a runtime folder for its locks and a work folder of its own, all removed after the test.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "test_files.h"

class ProgramRunTest : public ::testing::Test {
  protected:
    std::filesystem::path mRoot;

    void SetUp() override {
        mRoot = std::filesystem::temp_directory_path() /
                ("orbex-run-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mRoot);
        for (const char* myFolder : {"home", "runtime", "work"})
            std::filesystem::create_directories(mRoot / myFolder);
        // The lock checks made from the test itself look where the program keeps its locks.
        if (const char* myRuntime = std::getenv("XDG_RUNTIME_DIR")) mRuntimeBefore = myRuntime;
        setenv("XDG_RUNTIME_DIR", (mRoot / "runtime").c_str(), 1);
    }
    void TearDown() override {
        if (mRuntimeBefore.empty())
            unsetenv("XDG_RUNTIME_DIR");
        else
            setenv("XDG_RUNTIME_DIR", mRuntimeBefore.c_str(), 1);
        std::filesystem::remove_all(mRoot);
    }

    // Runs orbex with the arguments in the work folder; returns its exit code (124 for a run that had not
    // ended after five minutes). What it printed is in Output() and myErrors.
    int Run(const std::string& myArguments, std::string* myErrors = nullptr, const std::string& myEnv = "") {
        const std::filesystem::path myErrorFile = mRoot / "stderr.txt";
        const std::string myCommand = "cd '" + (mRoot / "work").string() +
                                      "' && timeout -k 5 300 env -u DISPLAY -u WAYLAND_DISPLAY ORBEX_HOME='" +
                                      (mRoot / "home").string() + "' XDG_RUNTIME_DIR='" +
                                      (mRoot / "runtime").string() + "' " + myEnv + " '" + ORBEX_BIN_DIR +
                                      "/orbex' " + myArguments + " >'" + (mRoot / "stdout.txt").string() +
                                      "' 2>'" + myErrorFile.string() + "'";
        const int myStatus = std::system(myCommand.c_str());
        if (myErrors) *myErrors = TestReadText(myErrorFile);
        return WIFEXITED(myStatus) ? WEXITSTATUS(myStatus) : -1;
    }
    std::string Output() const { return TestReadText(mRoot / "stdout.txt"); }

  private:
    std::string mRuntimeBefore;
};
