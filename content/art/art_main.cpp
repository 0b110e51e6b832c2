// The generator of the bundled brushes and fills: writes each as a bitmap in the colour code and a recipe
// line with the converter options that turn it into a component file.
#include <cstdio>
#include <fstream>

#include "content/art/art.h"

double ArtNoise(double x, double y, int mySeed) {
    const int myX = static_cast<int>(std::floor(x)), myY = static_cast<int>(std::floor(y));
    const double myFx = x - myX, myFy = y - myY;
    const double mySx = myFx * myFx * (3 - 2 * myFx), mySy = myFy * myFy * (3 - 2 * myFy);
    const double myTop =
        ArtHash(myX, myY, mySeed) + (ArtHash(myX + 1, myY, mySeed) - ArtHash(myX, myY, mySeed)) * mySx;
    const double myBottom = ArtHash(myX, myY + 1, mySeed) +
                            (ArtHash(myX + 1, myY + 1, mySeed) - ArtHash(myX, myY + 1, mySeed)) * mySx;
    return myTop + (myBottom - myTop) * mySy;
}

bool ArtWriteBitmap(const std::string& myPath, const ArtPicture& myPicture) {
    const int myRow = (myPicture.mWidth * 3 + 3) / 4 * 4;
    const uint32_t myData = static_cast<uint32_t>(myRow) * myPicture.mHeight;
    std::vector<uint8_t> myFile(54 + myData, 0);
    auto myPut32 = [&](size_t myAt, uint32_t myValue) {
        for (int i = 0; i < 4; ++i)
            myFile[myAt + i] = static_cast<uint8_t>(myValue >> (8 * i));
    };
    myFile[0] = 'B';
    myFile[1] = 'M';
    myPut32(2, 54 + myData);
    myPut32(10, 54);
    myPut32(14, 40);
    myPut32(18, static_cast<uint32_t>(myPicture.mWidth));
    myPut32(22, static_cast<uint32_t>(myPicture.mHeight));
    myFile[26] = 1;
    myFile[28] = 24;
    myPut32(34, myData);
    for (int y = 0; y < myPicture.mHeight; ++y)
        for (int x = 0; x < myPicture.mWidth; ++x) {
            const ArtColor& myColor = myPicture.mPixels[static_cast<size_t>(y) * myPicture.mWidth + x];
            const size_t myAt = 54 + static_cast<size_t>(myPicture.mHeight - 1 - y) * myRow + 3 * x;
            myFile[myAt] = myColor.mBlue;
            myFile[myAt + 1] = myColor.mGreen;
            myFile[myAt + 2] = myColor.mRed;
        }
    std::ofstream myStream(myPath, std::ios::binary | std::ios::trunc);
    myStream.write(reinterpret_cast<const char*>(myFile.data()), static_cast<std::streamsize>(myFile.size()));
    return static_cast<bool>(myStream);
}

int main(int myCount, char** myArgs) {
    if (myCount != 2) {
        std::fputs("Usage: orbex_art OUTDIR (writes NAME.bmp files and recipes.txt)\n", stderr);
        return 2;
    }
    const std::string myDir = myArgs[1];
    std::ofstream myRecipes(myDir + "/recipes.txt", std::ios::trunc);
    for (const ArtBrush& myBrush : ArtBrushes()) {
        ArtPicture myPicture(myBrush.mSide * myBrush.mFrames, myBrush.mSide);
        for (int f = 0; f < myBrush.mFrames; ++f)
            for (int y = 0; y < myBrush.mSide; ++y)
                for (int x = 0; x < myBrush.mSide; ++x) {
                    const double myX = (2.0 * x + 1) / myBrush.mSide - 1,
                                 myY = (2.0 * y + 1) / myBrush.mSide - 1;
                    myPicture.At(f * myBrush.mSide + x, y) =
                        myBrush.mPaint(myX, myY, static_cast<double>(f) / myBrush.mFrames, f);
                }
        if (!ArtWriteBitmap(myDir + "/" + myBrush.mName + ".bmp", myPicture)) return 1;
        myRecipes << "brush " << myBrush.mName << " --frames " << myBrush.mFrames
                  << " --sections 1 --sections2 1 " << myBrush.mFlags << "\n";
    }
    for (const ArtFill& myFill : ArtFills()) {
        ArtPicture myPicture(myFill.mWidth, myFill.mHeight);
        for (int y = 0; y < myFill.mHeight; ++y)
            for (int x = 0; x < myFill.mWidth; ++x)
                myPicture.At(x, y) = myFill.mPaint(x, y, myFill.mWidth, myFill.mHeight);
        if (!ArtWriteBitmap(myDir + "/" + myFill.mName + ".bmp", myPicture)) return 1;
        myRecipes << "fill " << myFill.mName << " --sections 1 --sections2 1 " << myFill.mFlags << "\n";
    }
    return myRecipes.good() ? 0 : 1;
}
