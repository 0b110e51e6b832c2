// RGB and HSB conversions: exact for pure colours, close for all, with hues wrapping round the circle.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/color_convert.h"

TEST(ColorConvert, PrimaryColoursSitAtTheirSixths) {
    struct Case {
        uint8_t mRGB[3];
        uint16_t mHue;
    };
    const Case kCases[] = {{{255, 0, 0}, 0},
                           {{255, 255, 0}, 10922},
                           {{0, 255, 0}, 21845},
                           {{0, 0, 255}, 43690},
                           {{255, 0, 255}, 54614}}; // red counts as the largest: -1 sixth, wrapped
    for (const Case& myCase : kCases) {
        uint16_t myHue = 0;
        double mySaturation = 0, myBrightness = 0;
        ExecuteHSB(myCase.mRGB, &myHue, &mySaturation, &myBrightness);
        EXPECT_EQ(myHue, myCase.mHue);
        EXPECT_DOUBLE_EQ(mySaturation, 1.0);
        EXPECT_DOUBLE_EQ(myBrightness, 1.0);
    }
}

TEST(ColorConvert, GreysHaveNoHueAndNegativeHuesWrap) {
    const uint8_t kGrey[3] = {128, 128, 128};
    uint16_t myHue = 99;
    double mySaturation = 1, myBrightness = 0;
    ExecuteHSB(kGrey, &myHue, &mySaturation, &myBrightness);
    EXPECT_EQ(myHue, 0);
    EXPECT_EQ(mySaturation, 0);
    EXPECT_DOUBLE_EQ(myBrightness, 128 / 255.0);
    const uint8_t kRose[3] = {255, 0, 128}; // red is largest and green below blue: a negative sector
    ExecuteHSB(kRose, &myHue, &mySaturation, &myBrightness);
    EXPECT_GT(myHue, 54613);
    uint8_t myBack[3];
    ExecuteRGB(myBack, myHue, mySaturation, myBrightness);
    EXPECT_EQ(myBack[0], 255);
    EXPECT_EQ(myBack[1], 0);
    EXPECT_NEAR(myBack[2], 128, 1);
}

TEST(ColorConvert, RoundTripStaysWithinOneStep) {
    std::srand(7);
    for (int myTry = 0; myTry < 2000; ++myTry) {
        const uint8_t myRGB[3] = {uint8_t(std::rand()), uint8_t(std::rand()), uint8_t(std::rand())};
        uint16_t myHue = 0;
        double mySaturation = 0, myBrightness = 0;
        ExecuteHSB(myRGB, &myHue, &mySaturation, &myBrightness);
        uint8_t myBack[3];
        ExecuteRGB(myBack, myHue, mySaturation, myBrightness);
        for (int myChannel = 0; myChannel < 3; ++myChannel)
            ASSERT_NEAR(myBack[myChannel], myRGB[myChannel], 1)
                << int(myRGB[0]) << "," << int(myRGB[1]) << "," << int(myRGB[2]);
    }
}

TEST(ColorConvert, HalfATurnGivesTheComplement) {
    const uint8_t kOrange[3] = {255, 128, 0};
    uint16_t myHue = 0;
    double mySaturation = 0, myBrightness = 0;
    ExecuteHSB(kOrange, &myHue, &mySaturation, &myBrightness);
    uint8_t myTurned[3];
    ExecuteRGB(myTurned, static_cast<uint16_t>(myHue + 32768), mySaturation, myBrightness);
    EXPECT_EQ(myTurned[0], 0);
    EXPECT_NEAR(myTurned[1], 127, 1);
    EXPECT_EQ(myTurned[2], 255);
}
