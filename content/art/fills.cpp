// The bundled fills: tiles repeated over the screen and whole pictures, painted from sines, noise and cells.
#include <algorithm>

#include "content/art/art.h"

namespace {

constexpr double kTurn = 2 * kArtPi;

double Fract(double v) {
    return v - std::floor(v);
}

// Noise summed over octaves: soft clouds.
double Clouds(double x, double y, int mySeed, int myOctaves = 5) {
    double mySum = 0, myWeight = 0.5, myScale = 1;
    for (int i = 0; i < myOctaves; ++i) {
        mySum += myWeight * ArtNoise(x * myScale, y * myScale, mySeed + i);
        myWeight *= 0.5;
        myScale *= 2;
    }
    return mySum;
}

// Noise that wraps around a tile of the given period, so tiles join without a seam.
double TileNoise(double x, double y, int myPeriod, int mySeed) {
    auto myCell = [&](int cx, int cy) {
        return ArtHash((cx % myPeriod + myPeriod) % myPeriod, (cy % myPeriod + myPeriod) % myPeriod, mySeed);
    };
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const double fx = x - ix, fy = y - iy;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double myTop = myCell(ix, iy) + (myCell(ix + 1, iy) - myCell(ix, iy)) * sx;
    const double myBottom = myCell(ix, iy + 1) + (myCell(ix + 1, iy + 1) - myCell(ix, iy + 1)) * sx;
    return myTop + (myBottom - myTop) * sy;
}

ArtColor AstralQuilt(int x, int y, int, int) {
    const int myPatch = 40;
    const int px = x / myPatch, py = y / myPatch;
    const double u = (x % myPatch + 0.5) / myPatch * 2 - 1, v = (y % myPatch + 0.5) / myPatch * 2 - 1;
    // Stitches around every patch.
    if ((x % myPatch == 0 || y % myPatch == 0) && ((x + y) / 3) % 2 == 0) return kArtBlack;
    const double r = std::sqrt(u * u + v * v), a = std::atan2(v, u);
    const double mySector = kTurn / 8;
    const double f = std::fabs(Fract(a / mySector) - 0.5) * 2;
    const double myStar = 0.35 + 0.55 * f;
    const bool myOdd = (px + py) % 2;
    if (r < myStar * 0.9 - (myOdd ? 0.1 : 0))
        return myOdd ? ArtSecondary(0.15 + 0.3 * r) : ArtPrimary(0.55 + 0.3 * r);
    const double myCorner = std::max(std::fabs(u), std::fabs(v));
    return ArtPrimary(((px * 3 + py * 5) % 4) * 0.25 + 0.1 * myCorner);
}

ArtColor SpirovalTwist(int x, int y, int w, int h) {
    const double u = (x - w / 2.0) / (h / 2.0), v = (y - h / 2.0) / (h / 2.0);
    const double r = std::sqrt(u * u + v * v);
    // Concentric ovals whose long axis turns with the distance from the centre.
    const double myTwist = 2.2 * r;
    const double cu = u * std::cos(myTwist) - v * std::sin(myTwist),
                 cv = u * std::sin(myTwist) + v * std::cos(myTwist);
    const double myOval = std::sqrt(cu * cu / 1.0 + cv * cv / 0.35);
    const double t = Fract(myOval * 2.5);
    if (t < 0.06) return kArtBlack;
    return t < 0.5 ? ArtPrimary(0.6 * t + 0.2 * r) : ArtSecondary(0.6 * (1 - t) + 0.2 * r);
}

ArtColor SunBeams(int x, int y, int w, int h) {
    const double u = (x - w / 2.0) / h, v = (y - h * 0.85) / h;
    const double r = std::sqrt(u * u + v * v), a = std::atan2(v, u);
    if (r < 0.16) return ArtSecondary(0.05 + r);
    if (r < 0.175) return kArtBlack;
    const double myBeam = Fract(a / kTurn * 24 + 0.15 * std::sin(r * 9));
    if (myBeam < 0.5) return ArtPrimary(0.05 + 0.55 * r);
    return ArtPrimary(0.55 + 0.35 * r + 0.1 * myBeam);
}

ArtColor Plasma(int x, int y, int w, int h) {
    const double u = x * 8.0 / w, v = y * 6.0 / h;
    const double p = std::sin(u) + std::sin(v * 1.3 + u * 0.4) +
                     std::sin(std::sqrt((u - 4) * (u - 4) + (v - 3) * (v - 3)) * 1.7) + std::sin(u * 0.6 - v);
    return ArtPrimary(p * 0.3);
}

ArtColor CheckerWave(int x, int y, int w, int h) {
    const double u = x + 6 * std::sin(kTurn * y / h), v = y + 6 * std::sin(kTurn * x / w);
    const int cx = static_cast<int>(std::floor(u / 32)), cy = static_cast<int>(std::floor(v / 32));
    const bool myDark = (cx + cy) % 2 == 0;
    return myDark ? ArtPrimary(0.7 + 0.1 * std::sin(kTurn * x / w))
                  : ArtSecondary(0.2 + 0.1 * std::sin(kTurn * y / h));
}

ArtColor Ripples(int x, int y, int w, int h) {
    const double d1 = std::hypot(x - w * 0.3, y - h * 0.4), d2 = std::hypot(x - w * 0.72, y - h * 0.62);
    const double t = std::sin(d1 / 11) + std::sin(d2 / 13);
    return t > 0 ? ArtPrimary(t / 4) : ArtSecondary(-t / 4);
}

ArtColor Honeycomb(int x, int y, int w, int h) {
    // Pointy hexagons on a grid two columns wide and two rows high (rows shifted by half a column), so the
    // tile repeats exactly; 104 x 90 pixels keeps the rows sqrt(3)/2 of a column apart.
    const double u = x * 2.0 / w, v = y * 2.0 / h;
    double myBest = 9, mySecond = 9;
    int myCell = 0;
    for (int j = -1; j <= 3; ++j)
        for (int i = -1; i <= 3; ++i) {
            const double cx = i + (j % 2 ? 0.5 : 0), cy = j * 1.0;
            const double d = std::hypot(u - cx, (v - cy) * 0.866);
            if (d < myBest) {
                mySecond = myBest;
                myBest = d;
                myCell = ((i % 2 + 2) % 2) + 2 * ((j % 2 + 2) % 2);
            } else if (d < mySecond) {
                mySecond = d;
            }
        }
    if (mySecond - myBest < 0.06) return kArtBlack;
    return ArtPrimary(0.05 + 0.2 * myCell + 0.5 * myBest);
}

ArtColor Marble(int x, int y, int w, int h) {
    const double u = x * 4.0 / w, v = y * 3.0 / h;
    const double myVein = std::sin((u + v) * 3 + 6 * Clouds(u, v, 11));
    return std::fabs(myVein) < 0.08 ? ArtSecondary(0.3 + 0.2 * Clouds(u * 2, v * 2, 5))
                                    : ArtPrimary(0.5 + 0.25 * myVein);
}

ArtColor Tartan(int x, int y, int, int) {
    auto myBand = [](int p) {
        const int q = p % 96;
        return q < 24 ? 0 : q < 30 ? 1 : q < 54 ? 2 : q < 58 ? 3 : q < 82 ? 0 : 2;
    };
    const int a = myBand(x), b = myBand(y);
    const bool myWeave = ((x + y) / 2) % 2 == 0;
    const int myShow = myWeave ? a : b;
    if (myShow == 3) return kArtBlack;
    return myShow == 1 ? ArtSecondary(0.1) : ArtPrimary(0.2 + 0.25 * myShow + 0.1 * (a == b));
}

ArtColor Nebula(int x, int y, int w, int h) {
    const double u = x * 3.0 / w, v = y * 2.25 / h;
    const double c = Clouds(u, v, 21);
    const double d = Clouds(u + 7, v + 3, 31);
    if (ArtHash(x, y, 9) > 0.9985) return ArtPrimary(0);
    if (c < 0.42 && d < 0.45) return kArtBlack;
    return c > d ? ArtPrimary(0.9 - c) : ArtSecondary(0.9 - d);
}

ArtColor Lozenge(int x, int y, int w, int h) {
    const double u = Fract((x + 0.5) / w * 2) - 0.5, v = Fract((y + 0.5) / h * 2) - 0.5;
    const double d = std::fabs(u) + std::fabs(v);
    if (std::fabs(d - 0.42) < 0.03) return kArtBlack;
    return d < 0.42 ? ArtPrimary(0.2 + d) : ArtSecondary(0.6 + 0.4 * (d - 0.42));
}

ArtColor SunsetHills(int x, int y, int w, int h) {
    const double u = static_cast<double>(x) / w, v = static_cast<double>(y) / h;
    for (int myHill = 3; myHill >= 0; --myHill) {
        const double myTop = 0.55 + 0.1 * myHill + 0.06 * std::sin(u * (5 + myHill) + myHill * 2) +
                             0.03 * std::sin(u * 17 + myHill);
        if (v > myTop) {
            // Hills darken toward the front.
            static const ArtColor kHill[4] = {{180, 80, 120}, {120, 50, 100}, {70, 30, 70}, {30, 12, 40}};
            return kHill[myHill];
        }
    }
    const double mySun = std::hypot(u - 0.62, (v - 0.5) * h / w);
    if (mySun < 0.08) return ArtColor{255, 230, 150};
    const int myBand = std::clamp(static_cast<int>(v * 24), 0, 23);
    const double s = myBand / 23.0;
    return ArtColor{static_cast<uint8_t>(60 + 195 * s), static_cast<uint8_t>(30 + 120 * s * s),
                    static_cast<uint8_t>(110 - 60 * s)};
}

ArtColor StainedGlass(int x, int y, int w, int h) {
    const double u = x * 10.0 / w, v = y * 7.5 / h;
    double myBest = 9, mySecond = 9;
    int myColor = 0;
    const int iu = static_cast<int>(u), iv = static_cast<int>(v);
    for (int j = iv - 1; j <= iv + 1; ++j)
        for (int i = iu - 1; i <= iu + 1; ++i) {
            const double cx = i + ArtHash(i, j, 1), cy = j + ArtHash(i, j, 2);
            const double d = std::hypot(u - cx, v - cy);
            if (d < myBest) {
                mySecond = myBest;
                myBest = d;
                myColor = static_cast<int>(ArtHash(i, j, 3) * 10);
            } else if (d < mySecond) {
                mySecond = d;
            }
        }
    if (mySecond - myBest < 0.07) return kArtBlack;
    static const ArtColor kGlass[10] = {{200, 30, 40},  {240, 170, 30}, {30, 90, 190},  {40, 150, 80},
                                        {130, 40, 160}, {230, 90, 30},  {20, 160, 190}, {250, 220, 90},
                                        {90, 20, 60},   {60, 60, 180}};
    const ArtColor myBase = kGlass[myColor];
    const double myLight = myBest < 0.2 ? 1.0 : 0.8;
    return {static_cast<uint8_t>(myBase.mRed * myLight), static_cast<uint8_t>(myBase.mGreen * myLight),
            static_cast<uint8_t>(myBase.mBlue * myLight)};
}

ArtColor Zebra(int x, int y, int w, int h) {
    const double s =
        Fract((x + 10 * std::sin(kTurn * y / h * 2) + 6 * TileNoise(x / 16.0, y / 16.0, w / 16, 3)) / 32.0);
    return s < 0.45 ? kArtBlack : ArtPrimary(0.3 + 0.3 * s);
}

ArtColor GalaxySwirl(int x, int y, int w, int h) {
    const double u = (x - w / 2.0) / (h / 2.0), v = (y - h / 2.0) / (h / 2.0);
    const double r = std::hypot(u, v), a = std::atan2(v, u);
    const double myArm = std::cos(2 * (a - 2.6 * std::log(r + 0.05)));
    const double myDust = Clouds(u * 3 + 9, v * 3, 41);
    const double myGlow = myArm * 0.5 + 0.5 - r * 0.6 + myDust * 0.4;
    if (ArtHash(x, y, 17) > 0.997) return ArtSecondary(0);
    if (r < 0.12) return ArtSecondary(0.05 + r);
    if (myGlow < 0.25) return kArtBlack;
    return ArtPrimary(0.95 - myGlow * 0.8);
}

ArtColor Brickwork(int x, int y, int, int) {
    const int myRow = y / 24;
    const int myShift = myRow % 2 ? 32 : 0;
    const int bx = (x + myShift) % 64, by = y % 24;
    if (bx < 3 || by < 3) return ArtColor{70, 66, 60};
    const double myTone = ArtHash((x + myShift) / 64, myRow, 5);
    static const ArtColor kBrick[4] = {{150, 60, 40}, {170, 75, 45}, {130, 50, 35}, {185, 95, 60}};
    return kBrick[static_cast<int>(myTone * 4)];
}

ArtColor Aurora(int x, int y, int w, int h) {
    const double u = static_cast<double>(x) / w, v = static_cast<double>(y) / h;
    const double myCurtain = 0.35 + 0.12 * std::sin(u * 9) + 0.06 * std::sin(u * 23 + 1);
    const double d = v - myCurtain;
    if (d > -0.25 && d < 0.1) {
        const double myStreak = 0.5 + 0.5 * std::sin(u * 140 + 8 * std::sin(u * 5));
        return ArtPrimary(0.15 + 0.45 * (d + 0.25) / 0.35 + 0.2 * myStreak);
    }
    if (ArtHash(x, y, 3) > 0.998) return ArtSecondary(0);
    return v > 0.86 + 0.03 * std::sin(u * 13) ? kArtBlack : ArtSecondary(0.7 + 0.2 * v);
}

} // namespace

std::vector<ArtFill> ArtFills() {
    return {
        {"Astral_Quilt", 160, 160, "", AstralQuilt},
        {"Spiroval_Twist", 640, 480, "", SpirovalTwist},
        {"Sun_Beams", 640, 480, "", SunBeams},
        {"Plasma", 640, 480, "", Plasma},
        {"Checker_Wave", 128, 128, "", CheckerWave},
        {"Ripples", 640, 480, "", Ripples},
        {"Honeycomb", 104, 90, "", Honeycomb},
        {"Marble", 640, 480, "", Marble},
        {"Tartan", 96, 96, "", Tartan},
        {"Nebula", 640, 480, "", Nebula},
        {"Lozenge", 80, 80, "", Lozenge},
        {"Sunset_Hills", 640, 480, "--fixed-colors", SunsetHills},
        {"Stained_Glass", 640, 480, "--fixed-colors", StainedGlass},
        {"Zebra", 128, 128, "", Zebra},
        {"Galaxy_Swirl", 640, 480, "", GalaxySwirl},
        {"Brickwork", 128, 96, "--fixed-colors", Brickwork},
        {"Northern_Sky", 640, 480, "", Aurora},
    };
}
