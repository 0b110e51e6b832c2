// Every choice the artist makes for one conversion, and the result a conversion step hands back.
#pragma once

#include <cstdint>
#include <string>

enum ConvertKind : uint8_t { kConvertBrush = 0, kConvertFill = 1 };

constexpr int kConvertMaxSetting = 999; // the window's boxes hold three digits

struct ConvertSettings {
    ConvertKind mKind = kConvertBrush;
    int mPrimarySections = 2;
    int mSecondarySections = 2;
    bool mSpreadPrimary = false;
    bool mSpreadSecondary = false;
    bool mFixedColors = false;
    bool mSecondGradient = false;
    bool mBlueMask = false; // brushes only
    int mFrames = 1;        // frames in the bitmap strip; brushes only
    int mMultiply = 1;      // brushes only
    bool mBeatFrame = false;
    bool mPalindrome = false;
};

// mMessage is the text for the status line: the success text or the reason of the failure.
struct ConvertResult {
    bool mOk = false;
    std::string mMessage;
};

inline ConvertResult ConvertFail(const char* myMessage) {
    return {false, myMessage};
}
