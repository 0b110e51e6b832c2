// The settings record: its defaults fill every field whatever the buffer held, and its field helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/style_record.h"

namespace {
std::vector<uint8_t> BuildDefault(uint8_t myFill) {
    std::vector<uint8_t> myBytes(kStyleSize, myFill);
    StyleDefault(reinterpret_cast<char*>(myBytes.data()));
    return myBytes;
}
} // namespace

// Files are written straight from the record, so a byte the defaults forget would carry whatever memory held.
TEST(StyleDefault, EveryByteButTheReservedOnesIsSetAndNamesAreZeroPadded) {
    auto myZeros = BuildDefault(0x00), myOnes = BuildDefault(0xFF);
    for (int myIndex : {25, 26, 27}) {
        EXPECT_EQ(myZeros[myIndex], 0x00) << "reserved byte " << myIndex << " is left as it was";
        EXPECT_EQ(myOnes[myIndex], 0xFF);
        myZeros[myIndex] = myOnes[myIndex] = 0;
    }
    EXPECT_EQ(myZeros, myOnes);
    StyleRecord myStyle;
    std::memcpy(&myStyle, myOnes.data(), sizeof(myStyle));
    EXPECT_EQ(myStyle.mFileType, 'S');
    EXPECT_EQ(myStyle.mVersion, 2);
    EXPECT_STREQ(myStyle.mStyleName, "Default");
    EXPECT_STREQ(myStyle.mBrushNames[0], "Veve");
    EXPECT_STREQ(myStyle.mFillNames[0], "(None)");
    EXPECT_EQ(StyleGetTempo(myStyle), 1500);
    const auto* myAttachments = reinterpret_cast<const int8_t*>(myStyle.mAttachments);
    for (size_t myIndex = 0; myIndex < sizeof(myStyle.mAttachments); ++myIndex)
        EXPECT_EQ(myAttachments[myIndex], kNotSet) << "no brush brings anything along";
}

TEST(StyleRecordFields, TempoHighByteFirstAndNamesCutToTheirField) {
    StyleRecord myStyle{};
    StyleSetTempo(myStyle, 24000);
    EXPECT_EQ(myStyle.mTempo[0], 0x5D);
    EXPECT_EQ(myStyle.mTempo[1], 0xC0);
    EXPECT_EQ(StyleGetTempo(myStyle), 24000);

    char myFields[2 * kNameSize];
    std::memset(myFields, 'x', sizeof(myFields));
    char* myAt = myFields;
    myAt += StyleCopy(myAt, "A_Name_Far_Too_Long_For_It");
    myAt += StyleCopy(myAt, "Next");
    EXPECT_EQ(myAt, myFields + 2 * kNameSize);
    EXPECT_EQ(std::string(myFields, kNameSize), std::string("A_Name_Far_Too_") + '\0');
    EXPECT_EQ(std::string(myFields + kNameSize, kNameSize), std::string("Next") + std::string(12, '\0'));
}
