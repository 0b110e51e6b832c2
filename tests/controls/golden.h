// Test helper: comparing a picture of the controls with its stored golden PNG, palette indices only (the
// controls draw in fixed palette entries; the animated ones change from frame to frame). With the
// environment variable ORBEX_REWRITE_GOLDEN set, the stored picture is replaced instead: look at it before
// committing.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "../program/png_reader.h"

inline std::filesystem::path GoldenPath(const std::string& myName) {
    return std::filesystem::path(ORBEX_SOURCE_DIR) / "tests" / "controls" / "golden" / (myName + ".png");
}

// Compares (or, when rewriting, stores) the PNG at myShot with the golden picture myName.
inline void ExpectGolden(const std::filesystem::path& myShot, const std::string& myName) {
    const std::filesystem::path myGolden = GoldenPath(myName);
    if (std::getenv("ORBEX_REWRITE_GOLDEN")) {
        std::filesystem::create_directories(myGolden.parent_path());
        std::filesystem::copy_file(myShot, myGolden, std::filesystem::copy_options::overwrite_existing);
        return;
    }
    Picture myNow, myStored;
    ASSERT_TRUE(ReadPng(myShot, myNow)) << myShot;
    ASSERT_TRUE(ReadPng(myGolden, myStored)) << myGolden << " (ORBEX_REWRITE_GOLDEN=1 makes it)";
    ASSERT_EQ(myNow.mWidth, myStored.mWidth) << myName;
    ASSERT_EQ(myNow.mHeight, myStored.mHeight) << myName;
    int myDifferent = 0, myFirst = -1;
    for (size_t myIndex = 0; myIndex < myNow.mPixels.size(); ++myIndex)
        if (myNow.mPixels[myIndex] != myStored.mPixels[myIndex]) {
            if (myFirst < 0) myFirst = static_cast<int>(myIndex);
            ++myDifferent;
        }
    EXPECT_EQ(myDifferent, 0) << myName << ": first at " << (myFirst % myNow.mWidth) << ","
                              << (myFirst / std::max(myNow.mWidth, 1)) << "; the new picture is " << myShot;
}
