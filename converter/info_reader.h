// The pieces every part of the file inspector shares: bounded reads of the file's bytes and the wording of
// its results.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "converter/info.h"

struct ConvertReader {
    const uint8_t* mData;
    size_t mSize;

    bool Has(int64_t myAt, int64_t myCount) const {
        return myAt >= 0 && myCount >= 0 && static_cast<uint64_t>(myAt) + myCount <= mSize;
    }
    // A header or block of the file's layout at myAt; the caller has checked that it lies inside (Has).
    template <typename Layout> Layout Get(size_t myAt) const {
        Layout myLayout;
        std::memcpy(&myLayout, mData + myAt, sizeof(Layout));
        return myLayout;
    }
};

inline std::string ConvertNumber(int64_t myValue) {
    return std::to_string(myValue);
}

inline ConvertResult ConvertDamaged(const std::string& myWhat) {
    return {false, "Damaged file: " + myWhat};
}

// The file read to myEnd is sound; what follows is noted.
inline ConvertResult ConvertSound(const ConvertReader& myFile, int64_t myEnd, ConvertInfo& myInfo) {
    if (myEnd >= 0 && static_cast<size_t>(myEnd) < myFile.mSize)
        myInfo.mLines.push_back("Trailing bytes: " +
                                ConvertNumber(static_cast<int64_t>(myFile.mSize) - myEnd));
    return {true, "The file is sound."};
}
