// The numbers and headers every file of the program shares: little-endian readers and writers, the
// high-byte-first words of programs, and the common component header with its type characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Multi-byte numbers are little-endian, except the words of effect programs and the settings record's tempo.
constexpr int16_t BytesI16(const uint8_t* myAt) {
    return static_cast<int16_t>(myAt[0] | (myAt[1] << 8));
}
constexpr uint16_t BytesU16(const uint8_t* myAt) {
    return static_cast<uint16_t>(myAt[0] | (myAt[1] << 8));
}
constexpr uint32_t BytesU32(const uint8_t* myAt) {
    return static_cast<uint32_t>(myAt[0]) | (static_cast<uint32_t>(myAt[1]) << 8) |
           (static_cast<uint32_t>(myAt[2]) << 16) | (static_cast<uint32_t>(myAt[3]) << 24);
}
constexpr int32_t BytesI32(const uint8_t* myAt) {
    return static_cast<int32_t>(BytesU32(myAt));
}
// The low 16 or 32 bits of myValue.
constexpr void BytesPut16(uint8_t* myAt, int64_t myValue) {
    myAt[0] = static_cast<uint8_t>(myValue);
    myAt[1] = static_cast<uint8_t>(myValue >> 8);
}
constexpr void BytesPut32(uint8_t* myAt, int64_t myValue) {
    for (int i = 0; i < 4; ++i)
        myAt[i] = static_cast<uint8_t>(myValue >> (8 * i));
}
inline void BytesAdd16(std::vector<uint8_t>& myBytes, int64_t myValue) {
    myBytes.push_back(static_cast<uint8_t>(myValue));
    myBytes.push_back(static_cast<uint8_t>(myValue >> 8));
}

// A word of a program: two bytes, high byte first.
constexpr uint16_t BytesWord(const uint8_t* myAt) {
    return static_cast<uint16_t>((myAt[0] << 8) | myAt[1]);
}
inline void BytesAddWord(std::vector<uint8_t>& myBytes, uint16_t myWord) {
    myBytes.push_back(static_cast<uint8_t>(myWord >> 8));
    myBytes.push_back(static_cast<uint8_t>(myWord & 0xFF));
}

// The first bytes of every component file, style and set.
#pragma pack(push, 1)
struct ComponentHeader {
    uint8_t mType;     // the kind's type character
    uint8_t mReserved; // written 0, never read
    uint8_t mVersion;  // brushes and fills carry 1, styles and sets 2; the loaders do not check it
};
#pragma pack(pop)
static_assert(sizeof(ComponentHeader) == 3);
static_assert(offsetof(ComponentHeader, mVersion) == 2);

// Type characters, byte 0 of each file.
constexpr char kTypeBrush = 'B';
constexpr char kTypeFill = 'F'; // a whole picture, drawn once
constexpr char kTypeTile = 'T'; // repeated over the screen
constexpr char kTypeGradient = 'G';
constexpr char kTypeMovement = 'M';
constexpr char kTypeColorEffect = 'C';
constexpr char kTypeBrushEffect = 'E';
constexpr char kTypeStyle = 'S';

// Each kind's folder under the program folder and its extension.
struct FormatPlace {
    const char* mFolder;
    const char* mExt;
};
constexpr FormatPlace kPlaceBrush{"Brushes", ".bru"};
constexpr FormatPlace kPlaceFill{"Fills", ".fil"};
constexpr FormatPlace kPlaceGradient{"Gradients", ".gra"};
constexpr FormatPlace kPlaceMovement{"Movements", ".mvm"};
constexpr FormatPlace kPlaceColorEffect{"Effects", ".efc"};
constexpr FormatPlace kPlaceBrushEffect{"Effects", ".efb"};
constexpr FormatPlace kPlaceStyle{"Styles", ".sty"};
constexpr const char* kSetFolder = "Settings";
