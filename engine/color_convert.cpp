// RGB to HSB and back, with the rounding every palette in the program relies on.
#include "engine/color_convert.h"

#include <algorithm>
#include <cmath>

void ExecuteHSB(const uint8_t* myRGB, uint16_t* myHue, double* mySaturation, double* myBrightness) {
    const int myRed = myRGB[0], myGreen = myRGB[1], myBlue = myRGB[2];
    const int myMax = std::max({myRed, myGreen, myBlue});
    const int myMin = std::min({myRed, myGreen, myBlue});
    *myBrightness = myMax / 255.0;
    if (myMax == myMin) {
        *myHue = 0;
        *mySaturation = 0;
        return;
    }
    const double myRange = myMax - myMin;
    double mySector;
    if (myMax == myRed) {
        mySector = (myGreen - myBlue) / myRange;
    } else if (myMax == myGreen) {
        mySector = 2 + (myBlue - myRed) / myRange;
    } else {
        mySector = 4 + (myRed - myGreen) / myRange;
    }
    // Negative hues (magenta side of red) wrap round the circle.
    const auto myTurn = static_cast<int64_t>(std::trunc(65535.0 * mySector / 6));
    *myHue = static_cast<uint16_t>(((myTurn % 65536) + 65536) % 65536);
    *mySaturation = myRange / myMax;
}

void ExecuteRGB(uint8_t* myRGB, uint16_t myHue, double mySaturation, double myBrightness) {
    const double myScaled = myBrightness * 255;
    auto myRound = [](double myValue) {
        const double myCut = std::trunc(myValue + 0.49999999);
        return static_cast<uint8_t>(std::clamp(myCut, 0.0, 255.0));
    };
    const uint8_t myValue = myRound(myScaled);
    if (mySaturation == 0) {
        myRGB[0] = myRGB[1] = myRGB[2] = myValue;
        return;
    }
    const double mySixths = myHue * 6.0 / 65536;
    const int mySector = static_cast<int>(std::trunc(mySixths));
    const double myFraction = mySixths - mySector;
    const uint8_t myP = myRound((1 - mySaturation) * myScaled);
    const uint8_t myQ = myRound((1 - mySaturation * myFraction) * myScaled);
    const uint8_t myT = myRound((1 - mySaturation * (1 - myFraction)) * myScaled);
    const uint8_t kSectors[6][3] = {{myValue, myT, myP}, {myQ, myValue, myP}, {myP, myValue, myT},
                                    {myP, myQ, myValue}, {myT, myP, myValue}, {myValue, myP, myQ}};
    const int myIndex = std::clamp(mySector, 0, 5);
    myRGB[0] = kSectors[myIndex][0];
    myRGB[1] = kSectors[myIndex][1];
    myRGB[2] = kSectors[myIndex][2];
}
