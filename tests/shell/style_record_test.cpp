// The settings record's defaults, byte for byte against the table of defaults.
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

void ExpectName(const std::vector<uint8_t>& myBytes, size_t myOffset, const char* myName) {
    char myField[kNameSize + 1] = {};
    std::memcpy(myField, myBytes.data() + myOffset, kNameSize);
    EXPECT_STREQ(myField, myName) << "at offset " << myOffset;
    for (size_t myIndex = std::strlen(myName); myIndex < kNameSize; ++myIndex)
        EXPECT_EQ(myBytes[myOffset + myIndex], 0) << "padding at " << myOffset + myIndex;
}
} // namespace

TEST(StyleDefault, HeaderAndGeneralSettings) {
    const auto myBytes = BuildDefault(0xAA);
    const uint8_t kExpected[] = {'S', 0,   2,   16,  3,   1, 1,  40, 75, 40,  43,   0,   0,
                                 26,  100, 100, 100, 100, 6, 13, 0,  25, 120, 0x05, 0xDC};
    for (size_t myIndex = 0; myIndex < sizeof(kExpected); ++myIndex)
        EXPECT_EQ(myBytes[myIndex], kExpected[myIndex]) << "byte " << myIndex;
    ExpectName(myBytes, 28, "Default");
}

TEST(StyleDefault, LeavesReservedBytesAsTheyWere) {
    for (uint8_t myFill : {uint8_t(0x00), uint8_t(0x5A), uint8_t(0xFF)}) {
        const auto myBytes = BuildDefault(myFill);
        EXPECT_EQ(myBytes[25], myFill);
        EXPECT_EQ(myBytes[26], myFill);
        EXPECT_EQ(myBytes[27], myFill);
    }
    // Everything else does not depend on what the buffer held.
    auto myA = BuildDefault(0x00), myB = BuildDefault(0xFF);
    myA[25] = myA[26] = myA[27] = myB[25] = myB[26] = myB[27] = 0;
    EXPECT_EQ(myA, myB);
}

TEST(StyleDefault, ChannelsBrushesAndAttachments) {
    const auto myBytes = BuildDefault(0);
    EXPECT_EQ(myBytes[44], 5);
    const uint8_t kThresholds[] = {0, 0, 24, 48, 0}, kTriggers[] = {3, 1, 1, 3, 1},
                  kCounters[] = {20, 1, 1, 20, 20};
    for (int myChannel = 0; myChannel < 5; ++myChannel) {
        EXPECT_EQ(myBytes[45 + myChannel], kThresholds[myChannel]);
        EXPECT_EQ(myBytes[50 + myChannel], kTriggers[myChannel]);
        EXPECT_EQ(myBytes[1001 + myChannel], kCounters[myChannel]);
    }
    EXPECT_EQ(myBytes[55], 6);
    EXPECT_EQ(myBytes[56], 1);
    const char* kBrushes[] = {"Veve",           "Celtic_Snow",    "Caterpiller",
                              "Double_Diamond", "Paper_Pinwheel", "Disc_Spin"};
    for (int mySlot = 0; mySlot < 6; ++mySlot)
        ExpectName(myBytes, 57 + 16 * mySlot, kBrushes[mySlot]);
    ExpectName(myBytes, 153, "(None)");
    EXPECT_EQ(myBytes[169], 62);
    for (size_t myIndex = 170; myIndex < 542; ++myIndex)
        EXPECT_EQ(myBytes[myIndex], 0x80) << "attachment " << myIndex;
}

TEST(StyleDefault, GradientsMovementsFillsEffects) {
    const auto myBytes = BuildDefault(0);
    EXPECT_EQ(myBytes[542], 8);
    EXPECT_EQ(myBytes[543], 1);
    const char* kGradients[] = {"Aurora",    "Dropout5",      "Flame",   "Lunar_Lookout",
                                "Metallic3", "Rainbow_Fade6", "Streak3", "Vortex9"};
    for (int mySlot = 0; mySlot < 8; ++mySlot)
        ExpectName(myBytes, 544 + 16 * mySlot, kGradients[mySlot]);
    ExpectName(myBytes, 672, "(None)");
    EXPECT_EQ(myBytes[688], 6);
    EXPECT_EQ(myBytes[689], 1);
    const char* kMoves[] = {"Spirograph", "Random", "Rain_Beat", "Galaxy", "Zigzag", "Meandering"};
    for (int mySlot = 0; mySlot < 6; ++mySlot)
        ExpectName(myBytes, 690 + 16 * mySlot, kMoves[mySlot]);
    ExpectName(myBytes, 786, "(None)");
    EXPECT_EQ(myBytes[802], 3);
    for (size_t myIndex = 803; myIndex < 839; ++myIndex)
        EXPECT_EQ(myBytes[myIndex], 0);
    EXPECT_EQ(myBytes[839], 6);
    EXPECT_EQ(myBytes[840], 2);
    const char* kFills[] = {"(None)", "Astral_Quilt", "Spiroval_Twist", "Sun_Beams", "(None)", "(None)"};
    for (int mySlot = 0; mySlot < 6; ++mySlot)
        ExpectName(myBytes, 841 + 16 * mySlot, kFills[mySlot]);
    ExpectName(myBytes, 937, "(None)");
    ExpectName(myBytes, 953, "(None)");
    ExpectName(myBytes, 969, "(None)");
    ExpectName(myBytes, 985, "(None)");
}

TEST(StyleRecordFields, TempoIsStoredHighByteFirst) {
    StyleRecord myStyle{};
    StyleSetTempo(myStyle, 24000);
    const auto* myBytes = reinterpret_cast<const uint8_t*>(&myStyle);
    EXPECT_EQ(myBytes[23], 0x5D);
    EXPECT_EQ(myBytes[24], 0xC0);
    EXPECT_EQ(StyleGetTempo(myStyle), 24000);
}

TEST(StyleRecordFields, CopyCutsLongNamesAndReturnsTheFieldWidth) {
    char myFields[2 * kNameSize];
    std::memset(myFields, 'x', sizeof(myFields));
    char* myAt = myFields;
    myAt += StyleCopy(myAt, "A_Name_Far_Too_Long_For_It");
    myAt += StyleCopy(myAt, "Next");
    EXPECT_EQ(myAt, myFields + 2 * kNameSize);
    EXPECT_EQ(std::string(myFields, 15), "A_Name_Far_Too_");
    EXPECT_EQ(myFields[15], 0);
    EXPECT_STREQ(myFields + kNameSize, "Next");
}
