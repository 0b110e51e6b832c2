// The bundled brushes, each painted from a few shapes in polar or flat coordinates. Frames turn, pulse or
// step through a cycle; colours are places on the gradients, so the visualizer's colour cycling moves them.
#include <algorithm>

#include "content/art/art.h"

namespace {

constexpr double kTurn = 2 * kArtPi;

void Turn(double& x, double& y, double myAngle) {
    const double c = std::cos(myAngle), s = std::sin(myAngle);
    const double myX = c * x - s * y;
    y = s * x + c * y;
    x = myX;
}

double Segment(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return ArtRadius(x - ax - t * dx, y - ay - t * dy);
}

// The angle folded into one of n mirrored sectors, 0 to pi/n.
double Fold(double myAngle, int n) {
    const double mySector = kTurn / n;
    double a = std::fmod(myAngle + 100 * kTurn, mySector);
    return a > mySector / 2 ? mySector - a : a;
}

double Ring(double r, double myRadius) {
    return std::fabs(r - myRadius);
}

// A five- or n-pointed star's edge radius at an angle.
double StarEdge(double myAngle, int n, double myOuter, double myInner) {
    const double a = Fold(myAngle, n) / (kTurn / n / 2);
    return myOuter + (myInner - myOuter) * a;
}

ArtColor Veve(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y);
    double myLine = std::min(Segment(std::fabs(x), std::fabs(y), 0, 0, 0, 0.72),
                             Segment(std::fabs(x), std::fabs(y), 0, 0, 0.72, 0));
    const double ax = std::fabs(x), ay = std::fabs(y);
    myLine = std::min(myLine, std::fabs(ax + ay - 0.45));
    myLine = std::min(myLine, Ring(ArtRadius(ax - 0.78, ay), 0.1));
    myLine = std::min(myLine, Ring(ArtRadius(ax, ay - 0.78), 0.1));
    myLine = std::min(myLine, Segment(ax, ay, 0.35, 0.35, 0.62, 0.62));
    const double myDot = std::min(ArtRadius(ax - 0.66, ay - 0.66), ArtRadius(ax - 0.45, ay - 0.2));
    const double myStar = ArtRadius(ax - 0.2, ay - 0.45);
    if (r > 0.98) return kArtClear;
    if (myLine < 0.045) return ArtPrimary(0.4 * r - phase);
    if (myDot < 0.07) return ArtSecondary(phase + 0.3);
    if (myStar < StarEdge(ArtAngle(ax - 0.2, ay - 0.45) + phase * kTurn, 5, 0.11, 0.05))
        return ArtSecondary(0.6 - phase);
    if (ax + ay < 0.14) return ArtSecondary(phase);
    return kArtClear;
}

ArtColor CelticSnow(double x, double y, double phase, int) {
    Turn(x, y, phase * kTurn / 6);
    const double r = ArtRadius(x, y), a = Fold(ArtAngle(x, y), 6);
    const double fx = r * std::cos(a), fy = r * std::sin(a);
    if (r > 0.97) return kArtClear;
    double myArm = Segment(fx, fy, 0.08, 0, 0.9, 0);
    myArm = std::min(myArm, Segment(fx, fy, 0.45, 0, 0.62, 0.2));
    myArm = std::min(myArm, Segment(fx, fy, 0.66, 0, 0.78, 0.13));
    myArm = std::min(myArm, Segment(fx, fy, 0.25, 0, 0.33, 0.1));
    // An interlaced ring: it passes under the arms, so it breaks where an arm crosses it.
    const bool myUnder = a < 0.12;
    if (myArm < 0.04) return ArtPrimary(0.55 + 0.35 * r);
    if (myArm < 0.065) return kArtBlack;
    if (!myUnder && Ring(r, 0.4) < 0.04) return ArtSecondary(0.2 + a);
    if (!myUnder && Ring(r, 0.4) < 0.065) return kArtBlack;
    if (r < 0.09) return ArtSecondary(0.5);
    return kArtClear;
}

ArtColor Caterpiller(double x, double y, double phase, int) {
    for (int i = 5; i >= 0; --i) {
        const double cx = -0.7 + 0.26 * i;
        const double cy = 0.12 * std::sin(kTurn * (i / 5.0 - phase)) + 0.1;
        const double mySize = i == 5 ? 0.2 : 0.16;
        const double d = ArtRadius(x - cx, y - cy);
        if (i == 5) {
            if (ArtRadius(x - cx - 0.07, y - cy + 0.05) < 0.04) return kArtBlack;
            if (Segment(x, y, cx, cy - 0.1, cx + 0.12, cy - 0.38) < 0.025) return kArtBlack;
            if (ArtRadius(x - cx - 0.12, y - cy + 0.38) < 0.045) return ArtSecondary(0.1);
        }
        if (d < mySize) return d > mySize - 0.04 ? kArtBlack : ArtPrimary(0.15 * i + 0.25 * d / mySize);
        const double myLeg = std::sin(kTurn * (i / 5.0 - phase)) * 0.06;
        if (i < 5 && Segment(x, y, cx, cy + mySize - 0.02, cx + myLeg, cy + mySize + 0.12) < 0.025)
            return kArtBlack;
    }
    return kArtClear;
}

ArtColor DoubleDiamond(double x, double y, double phase, int frame) {
    const double d = std::fabs(x) + std::fabs(y);
    if (frame == 6) { // the beat: both diamonds flare into one bright body
        if (d < 0.95) return d > 0.85 ? kArtBlack : ArtSecondary(d * 0.5);
        return kArtClear;
    }
    const double myPulse = 0.06 * std::sin(kTurn * phase * 7 / 6);
    if (std::fabs(d - 0.82 - myPulse) < 0.07) return ArtPrimary(0.1 + 0.2 * std::fabs(x - y));
    if (std::fabs(d - 0.45 + myPulse) < 0.07) return ArtSecondary(0.3 + 0.2 * std::fabs(x + y));
    if (d < 0.3 - myPulse) return ArtPrimary(0.6 + d + phase);
    if (std::fabs(d - 0.82 - myPulse) < 0.1 || std::fabs(d - 0.45 + myPulse) < 0.1) return kArtBlack;
    return kArtClear;
}

ArtColor PaperPinwheel(double x, double y, double phase, int) {
    Turn(x, y, -phase * kTurn / 4);
    const double r = ArtRadius(x, y);
    if (r < 0.08) return kArtBlack;
    double a = std::fmod(ArtAngle(x, y) + kTurn, kTurn);
    const int myBlade = static_cast<int>(a / (kTurn / 4));
    a = std::fmod(a, kTurn / 4) / (kTurn / 4); // 0 to 1 across the blade's quarter
    // A folded paper blade: a triangle whose long edge curls toward the centre.
    const double myEdge = 0.95 * (1 - a) + 0.15;
    if (r > myEdge || r > 0.96) return kArtClear;
    if (r > myEdge - 0.04) return kArtBlack;
    const bool myFold = a < 0.5 * (1 - r);
    const double myShade = 0.08 * r;
    return myFold ? ArtSecondary(myBlade * 0.25 + myShade) : ArtPrimary(myBlade * 0.25 + 0.12 + myShade);
}

ArtColor DiscSpin(double x, double y, double phase, int) {
    const double mySquash = 0.12 + 0.88 * std::fabs(std::cos(kArtPi * phase));
    const double sx = x / mySquash;
    const double r = ArtRadius(sx, y);
    if (r > 0.94) return kArtClear;
    if (r > 0.86) return kArtBlack;
    if (r > 0.74) return ArtSecondary(0.1 + 0.05 * y);
    return ArtPrimary(std::fmod(r * 2.5, 1.0) * 0.5 + 0.2 * (sx > 0));
}

ArtColor StarBurst(double x, double y, double phase, int frame) {
    const double r = ArtRadius(x, y), a = ArtAngle(x, y);
    if (frame == 7) {
        const double myEdge = StarEdge(a, 12, 0.98, 0.45);
        return r < myEdge ? ArtSecondary(r * 0.7) : kArtClear;
    }
    const double myEdge = StarEdge(a + phase * kTurn / 8, 8, 0.6 + 0.3 * std::sin(kArtPi * phase), 0.28);
    if (r < myEdge - 0.06) return ArtPrimary(r * 0.9 + phase * 0.2);
    if (r < myEdge) return kArtBlack;
    return kArtClear;
}

ArtColor RingPulse(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y);
    const double myRadius = 0.3 + 0.55 * phase;
    const double myWidth = 0.14 - 0.08 * phase;
    if (Ring(r, myRadius) < myWidth) return ArtPrimary(0.5 * (r - myRadius) / myWidth + 0.5);
    if (Ring(r, myRadius) < myWidth + 0.04) return kArtBlack;
    return kArtClear;
}

ArtColor SpiralArm(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y);
    if (r > 0.96 || r < 0.05) return r < 0.05 ? ArtSecondary(0) : kArtClear;
    const double a = ArtAngle(x, y) + phase * kTurn / 2;
    const double myArm = std::fmod(a / kTurn * 2 - std::log(r) * 1.2 + 50, 1.0);
    if (myArm < 0.3) return ArtPrimary(r * 0.8);
    if (myArm < 0.36) return kArtBlack;
    return kArtClear;
}

ArtColor Flower(double x, double y, double phase, int) {
    Turn(x, y, phase * kTurn / 6);
    const double r = ArtRadius(x, y), a = ArtAngle(x, y);
    const double myPetal = 0.35 + 0.6 * std::fabs(std::cos(3 * a));
    if (r < 0.2) return r > 0.16 ? kArtBlack : ArtSecondary(0.15 + r);
    if (r < myPetal - 0.05) return ArtPrimary(0.3 + 0.5 * r / myPetal);
    if (r < myPetal) return kArtBlack;
    return kArtClear;
}

// The classic heart curve (x^2 + y^2 - 1)^3 = x^2 y^3, with y pointing up.
double HeartField(double x, double y) {
    x *= 1.25;
    y = -y * 1.25 + 0.2;
    const double a = x * x + y * y - 1;
    return a * a * a - x * x * y * y * y;
}

ArtColor HeartBeat(double x, double y, double phase, int frame) {
    const double myScale = frame == 5 ? 1.0 : 0.78 + 0.1 * std::sin(kTurn * phase * 6 / 5);
    const double f = HeartField(x / myScale, y / myScale);
    if (f < -0.03)
        return frame == 5 ? ArtPrimary(0.55 + 0.3 * ArtRadius(x, y))
                          : ArtPrimary(0.05 + 0.4 * ArtRadius(x, y + 0.2));
    if (f < 0.0) return kArtBlack;
    return kArtClear;
}

ArtColor Eye(double x, double y, double phase, int frame) {
    const double myOpen = frame == 7 ? 0.05 : 0.55;
    const double myLid = myOpen * (1 - x * x);
    if (std::fabs(y) > myLid || std::fabs(x) > 0.97)
        return std::fabs(y) < myLid + 0.06 && std::fabs(x) < 0.97 ? kArtBlack : kArtClear;
    if (frame == 7) return kArtBlack;
    const double ix = 0.35 * std::cos(kTurn * phase * 8 / 7), iy = 0.12 * std::sin(kTurn * phase * 8 / 7);
    const double d = ArtRadius(x - ix, y - iy);
    if (d < 0.12) return kArtBlack;
    if (d < 0.34) return ArtPrimary(0.3 + d + 0.2 * ArtAngle(x - ix, y - iy) / kTurn);
    return ArtSecondary(0.9 + 0.1 * std::fabs(x));
}

ArtColor SunDisc(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y), a = ArtAngle(x, y) + phase * kTurn / 12;
    if (r < 0.42) return ArtPrimary(0.05 + 0.25 * r);
    if (r < 0.47) return kArtBlack;
    const double myRay = 0.7 + 0.22 * std::sin(12 * a) + 0.05 * std::sin(36 * a + phase * kTurn);
    if (r < myRay) return ArtPrimary(0.45 + 0.5 * (r - 0.47));
    return kArtClear;
}

ArtColor Crescent(double x, double y, double phase, int) {
    const double myShift = 0.2 + 0.5 * phase;
    if (ArtRadius(x, y) < 0.85 && ArtRadius(x - myShift, y - 0.1) > 0.75) {
        const double myCrater = ArtNoise(x * 6 + 3, y * 6, 4);
        return myCrater > 0.7 ? ArtColor{150, 150, 120} : ArtColor{240, 235, 190};
    }
    if (ArtRadius(x, y) < 0.85) return ArtColor{20, 24, 60};
    return kArtClear;
}

ArtColor Comet(double x, double y, double phase, int) {
    const double r = ArtRadius(x - 0.55, y + 0.1);
    if (r < 0.26) return r > 0.22 ? kArtBlack : ArtPrimary(r);
    const double t = (0.55 - x) / 1.5; // along the tail
    const double myWave = 0.08 * std::sin(kTurn * (3 * t - phase));
    const double myWidth = 0.26 * (1 - t);
    if (t > 0 && t < 1 && std::fabs(y + 0.1 - myWave) < myWidth) {
        const double mySpark = ArtHash(static_cast<int>(x * 40), static_cast<int>(y * 40 + phase * 40), 2);
        if (mySpark > 0.45 + t * 0.4) return mySpark > 0.93 ? ArtSecondary(t) : ArtPrimary(0.2 + t * 0.6);
    }
    return kArtClear;
}

ArtColor Bubble(double x, double y, double phase, int) {
    const double myWobble = 1 + 0.06 * std::sin(kTurn * phase) * std::cos(2 * ArtAngle(x, y));
    const double r = ArtRadius(x, y) / myWobble;
    if (r > 0.9) return kArtClear;
    if (ArtRadius(x + 0.35, y + 0.35) < 0.12) return ArtSecondary(0.05);
    if (r > 0.8) return ArtPrimary(0.4 + 0.3 * ArtAngle(x, y) / kTurn + phase);
    return kArtMask; // the body paints in the cycling colour
}

ArtColor Atom(double x, double y, double phase, int) {
    for (int i = 0; i < 3; ++i) {
        double ox = x, oy = y;
        Turn(ox, oy, i * kTurn / 3);
        const double e = ArtRadius(ox / 0.9, oy / 0.32);
        const double myElectron = kTurn * (phase + i / 3.0);
        if (ArtRadius(ox - 0.9 * std::cos(myElectron), oy - 0.32 * std::sin(myElectron)) < 0.09)
            return ArtSecondary(0.1 * i);
        if (std::fabs(e - 1) < 0.05) return ArtPrimary(0.2 + 0.25 * i);
    }
    if (ArtRadius(x, y) < 0.18) return ArtSecondary(0.5 + ArtRadius(x, y));
    return kArtClear;
}

ArtColor Gear(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y), a = ArtAngle(x, y) + phase * kTurn / 10;
    const double myTooth = std::cos(10 * a) > 0.1 ? 0.92 : 0.75;
    if (r > myTooth) return kArtClear;
    if (r < 0.18) return kArtClear;
    for (int i = 0; i < 5; ++i) {
        const double h = a - i * kTurn / 5;
        if (ArtRadius(r * std::cos(h) - 0.46, r * std::sin(h)) < 0.12) return kArtBlack;
    }
    return ArtPrimary(0.35 + 0.25 * r + 0.05 * std::cos(10 * a));
}

ArtColor Lotus(double x, double y, double phase, int) {
    const double myOpen = 0.8 + 0.2 * std::sin(kArtPi * phase);
    for (int myLayer = 0; myLayer < 3; ++myLayer) {
        const int n = 5 + 2 * myLayer;
        const double mySize = (0.95 - 0.25 * myLayer) * myOpen;
        const double r = ArtRadius(x, y), a = ArtAngle(x, y) + myLayer * 0.4;
        const double myEdge = mySize * std::pow(std::fabs(std::cos(n * a / 2)), 0.6);
        if (r < myEdge - 0.05) continue;
        if (r < myEdge)
            return myLayer == 0 ? ArtPrimary(0.7 - r * 0.3) : ArtSecondary(0.2 + 0.2 * myLayer + r * 0.2);
    }
    return ArtRadius(x, y) < 0.18 ? ArtSecondary(0.0) : kArtClear;
}

ArtColor Crystal(double x, double y, double phase, int) {
    double myX = x, myY = y;
    Turn(myX, myY, phase * kTurn / 6);
    const double a = std::fmod(ArtAngle(myX, myY) + kTurn, kTurn);
    const int myFacet = static_cast<int>(a / (kTurn / 6));
    const double r = ArtRadius(myX, myY);
    const double myHex = r * std::cos(std::fmod(a, kTurn / 6) - kTurn / 12);
    if (myHex > 0.82) return kArtClear;
    static const ArtColor kIce[6] = {{40, 90, 200},  {90, 160, 240}, {160, 220, 255},
                                     {60, 120, 220}, {20, 60, 160},  {120, 190, 250}};
    if (myHex > 0.76) return ArtColor{10, 20, 60};
    if (myHex < 0.35) return kIce[(myFacet + 3) % 6];
    return kIce[myFacet];
}

ArtColor Knot(double x, double y, double phase, int) {
    // A trefoil knot drawn as a thick cord; the cord's colour runs along it and moves with the frames.
    double myBest = 9, myAlong = 0;
    for (int i = 0; i < 360; ++i) {
        const double t = kTurn * i / 360;
        const double kx = 0.3 * (std::sin(t) + 2 * std::sin(2 * t)),
                     ky = 0.3 * (std::cos(t) - 2 * std::cos(2 * t));
        const double d = ArtRadius(x - kx, y + ky);
        if (d < myBest) {
            myBest = d;
            myAlong = i / 360.0;
        }
    }
    if (myBest < 0.08) return ArtPrimary(myAlong - phase);
    if (myBest < 0.11) return kArtBlack;
    return kArtClear;
}

ArtColor Ripple(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y);
    if (r > 0.96) return kArtClear;
    const double w = std::fmod(r * 3 - phase + 10, 1.0);
    if (w < 0.25) return ArtPrimary(r * 0.6 + w);
    if (w < 0.32) return kArtBlack;
    return kArtClear;
}

ArtColor Butterfly(double x, double y, double phase, int) {
    const double myFlap = 0.25 + 0.75 * std::cos(kArtPi * phase / 2);
    if (std::fabs(x) < 0.05 && std::fabs(y) < 0.55) return kArtBlack;
    const double wx = std::fabs(x) / myFlap, wy = y;
    const double r = ArtRadius(wx, wy), a = ArtAngle(wx, wy);
    const double myWing = 0.9 * std::fabs(std::sin(2 * a)) + 0.1;
    if (r < myWing && wx > 0.04) {
        if (ArtRadius(wx - 0.45, wy + 0.35) < 0.12 || ArtRadius(wx - 0.35, wy - 0.45) < 0.08)
            return ArtSecondary(0.2);
        return r > myWing - 0.07 ? kArtBlack : ArtPrimary(0.2 + 0.6 * r);
    }
    return kArtClear;
}

ArtColor Cube(double x, double y, double phase, int) {
    static const int kEdges[12][2] = {{0, 1}, {1, 3}, {3, 2}, {2, 0}, {4, 5}, {5, 7},
                                      {7, 6}, {6, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    double px[8], py[8], pz[8];
    for (int i = 0; i < 8; ++i) {
        double cx = (i & 1) ? 0.5 : -0.5, cy = (i & 2) ? 0.5 : -0.5, cz = (i & 4) ? 0.5 : -0.5;
        Turn(cx, cz, phase * kTurn / 4);
        Turn(cy, cz, 0.6);
        px[i] = cx;
        py[i] = cy;
        pz[i] = cz;
    }
    for (int e = 0; e < 12; ++e) {
        const int a = kEdges[e][0], b = kEdges[e][1];
        if (Segment(x, y, px[a], py[a], px[b], py[b]) < 0.045)
            return ArtPrimary(0.5 + 0.4 * (pz[a] + pz[b]) / 2);
    }
    for (int i = 0; i < 8; ++i)
        if (ArtRadius(x - px[i], y - py[i]) < 0.08) return ArtSecondary(0.3 + pz[i] * 0.3);
    return kArtClear;
}

ArtColor TriSpin(double x, double y, double phase, int) {
    for (int i = 0; i < 3; ++i) {
        double tx = x, ty = y;
        Turn(tx, ty, (i % 2 ? -1 : 1) * phase * kTurn / 3 + i * 0.5);
        const double mySize = 0.9 - 0.25 * i;
        const double r = ArtRadius(tx, ty);
        const double myEdge = mySize * 0.5 / std::cos(kArtPi / 3 - Fold(ArtAngle(tx, ty), 3));
        if (std::fabs(r - myEdge) < 0.06) return i % 2 ? ArtSecondary(0.2 * i) : ArtPrimary(0.3 * i + 0.1);
    }
    return kArtClear;
}

ArtColor Jewel(double x, double y, double phase, int) {
    const double r = std::fabs(x) * 0.9 + std::fabs(y + 0.1 * (y > 0)) * (y < 0 ? 1.6 : 0.85);
    if (r > 0.9) return kArtClear;
    const double a = ArtAngle(x, y);
    const int myFacet = (static_cast<int>((a + kArtPi) / (kTurn / 8)) + static_cast<int>(phase * 8)) % 4;
    static const ArtColor kRuby[5] = {
        {250, 80, 110}, {200, 20, 60}, {140, 0, 40}, {255, 160, 180}, {60, 0, 20}};
    if (r > 0.84) return kRuby[4];
    if (r < 0.3) return kRuby[3];
    return kRuby[myFacet];
}

ArtColor Candy(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y);
    if (r > 0.92) return kArtClear;
    if (r > 0.86) return ArtColor{90, 20, 40};
    const double s = std::fmod(ArtAngle(x, y) / kTurn * 4 + r * 2.5 + phase + 10, 1.0);
    static const ArtColor kSweet[4] = {{240, 40, 80}, {250, 245, 235}, {255, 170, 40}, {250, 245, 235}};
    return kSweet[static_cast<int>(s * 4) % 4];
}

ArtColor Mandala(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y), a = Fold(ArtAngle(x, y) + phase * kTurn / 16, 8);
    if (r > 0.95) return kArtClear;
    const double myPetal = 0.75 + 0.2 * std::cos(a * 8);
    if (Ring(r, 0.3) < 0.04 || Ring(r, myPetal) < 0.04) return ArtPrimary(0.1 + r * 0.5);
    if (ArtRadius(r * std::cos(a) - 0.55, r * std::sin(a)) < 0.08) return ArtSecondary(0.4 + phase);
    if (r < 0.12) return ArtSecondary(0);
    if (r < myPetal) return kArtMask;
    return kArtClear;
}

ArtColor Firefly(double x, double y, double phase, int frame) {
    const double r = ArtRadius(x, y);
    const double myGlow = frame == 5 ? 0.9 : 0.35 + 0.25 * std::sin(kArtPi * phase * 6 / 5);
    if (r < 0.15) return ArtSecondary(0.0);
    if (r < myGlow) {
        const double mySpark = ArtHash(static_cast<int>((x + 1) * 30), static_cast<int>((y + 1) * 30), frame);
        return mySpark < 1.1 - r / myGlow ? ArtPrimary(r / myGlow * 0.5) : kArtClear;
    }
    return kArtClear;
}

ArtColor Sparkle(double x, double y, double phase, int) {
    const double mySize = 0.3 + 0.65 * phase;
    Turn(x, y, phase * 0.8);
    const double ax = std::fabs(x), ay = std::fabs(y);
    if (std::sqrt(ax) + std::sqrt(ay) < std::sqrt(mySize)) return ArtPrimary(0.5 * (ax + ay) / mySize);
    double dx = x, dy = y;
    Turn(dx, dy, kArtPi / 4);
    if (std::sqrt(std::fabs(dx)) + std::sqrt(std::fabs(dy)) < std::sqrt(mySize * 0.5))
        return ArtSecondary(0.3);
    return kArtClear;
}

ArtColor GhostOrb(double x, double y, double phase, int) {
    const double myFloat = 0.08 * std::sin(kTurn * phase);
    const double r = ArtRadius(x, y - myFloat);
    if (r < 0.3) return ArtPrimary(r);
    if (r < 0.5 && ArtHash(static_cast<int>((x + 1) * 40), static_cast<int>((y + 1) * 40)) > (r - 0.3) * 4)
        return ArtPrimary(0.3 + r);
    if (r < 0.7) return kArtMask;
    return kArtClear;
}

ArtColor Ladybug(double x, double y, double phase, int) {
    const double myStep = 0.05 * std::sin(kTurn * phase);
    for (int i = 0; i < 3; ++i) {
        const double ly = -0.3 + 0.3 * i;
        if (Segment(std::fabs(x), y, 0.4, ly, 0.75, ly + (i % 2 ? myStep : -myStep) - 0.05) < 0.03)
            return ArtColor{20, 20, 20};
    }
    if (ArtRadius(x, y + 0.62) < 0.25) return ArtColor{30, 30, 30};
    if (ArtRadius(x * 1.1, y * 0.95 - 0.05) < 0.62) {
        if (std::fabs(x) < 0.025) return ArtColor{30, 30, 30};
        const double dx = std::fabs(x);
        if (ArtRadius(dx - 0.28, y + 0.12) < 0.1 || ArtRadius(dx - 0.3, y - 0.3) < 0.11 ||
            ArtRadius(dx - 0.12, y - 0.45) < 0.07)
            return ArtColor{30, 30, 30};
        return y < -0.2 ? ArtColor{255, 80, 60} : ArtColor{220, 30, 30};
    }
    return kArtClear;
}

ArtColor Spinner(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y);
    if (r > 0.92 || r < 0.55) return kArtClear;
    const double a = std::fmod(ArtAngle(x, y) / kTurn + 1 + phase, 1.0);
    const int mySpoke = static_cast<int>(a * 12);
    if (std::fmod(a * 12, 1.0) > 0.7) return kArtClear;
    return ArtPrimary(mySpoke / 12.0);
}

ArtColor Tulip(double x, double y, double phase, int) {
    const double mySway = 0.12 * std::sin(kTurn * phase);
    const double sx = x - mySway * (y + 1) * 0.5;
    if (y > 0.1 && std::fabs(sx - mySway * 0.5) < 0.04) return ArtPrimary(0.7);
    if (y > 0.45 && std::fabs(std::fabs(sx) - 0.18 - (y - 0.45)) < 0.05) return ArtPrimary(0.75);
    const double ty = y + 0.35;
    if (ArtRadius(sx * 1.3, ty) < 0.42 && ty > -0.35) {
        const bool myNotch = ty < -0.15 && std::fabs(std::fabs(sx) - 0.13) < 0.06 - (ty + 0.35) * 0.2;
        return myNotch ? kArtClear : ArtPrimary(0.05 + 0.3 * (ty + 0.35));
    }
    return kArtClear;
}

ArtColor Orbit(double x, double y, double phase, int) {
    const double r = ArtRadius(x, y);
    if (r < 0.3) return ArtPrimary(0.1 + r);
    if (Ring(r, 0.7) < 0.025) return ArtSecondary(0.6);
    const double a = kTurn * phase;
    if (ArtRadius(x - 0.7 * std::cos(a), y - 0.7 * std::sin(a)) < 0.14) return ArtSecondary(0.2);
    if (ArtRadius(x - 0.7 * std::cos(a + kArtPi), y - 0.7 * std::sin(a + kArtPi)) < 0.09)
        return ArtPrimary(0.6);
    return kArtClear;
}

ArtColor Feather(double x, double y, double phase, int) {
    Turn(x, y, 0.5 + 0.25 * std::sin(kTurn * phase));
    if (std::fabs(x) < 0.025 && std::fabs(y) < 0.9) return kArtBlack;
    const double myWidth = 0.35 * std::sqrt(std::max(0.0, 1 - y * y / 0.8));
    if (std::fabs(x) < myWidth && y < 0.85) {
        const double myBarb = std::fmod((y + std::fabs(x) * 0.8) * 14 + 20, 1.0);
        return myBarb < 0.75 ? ArtPrimary(0.2 + 0.5 * std::fabs(x) / 0.35 + 0.2 * y) : kArtClear;
    }
    return kArtClear;
}

ArtColor Lantern(double x, double y, double phase, int frame) {
    const bool myBeat = frame == 4;
    if (std::fabs(x) < 0.2 && y < -0.72 && y > -0.85) return kArtBlack;
    const double myEdge = 0.55 * std::sqrt(std::max(0.0, 1 - y * y / 0.5));
    if (std::fabs(x) < myEdge) {
        const double myRib = std::fmod(std::fabs(x) / myEdge * 3, 1.0);
        if (myRib > 0.85) return kArtBlack;
        return myBeat ? ArtSecondary(0.05 + 0.1 * std::fabs(y))
                      : ArtPrimary(0.1 + 0.3 * std::fabs(y) + phase * 0.4);
    }
    return kArtClear;
}

} // namespace

std::vector<ArtBrush> ArtBrushes() {
    return {
        {"Veve", 8, 96, "", Veve},
        {"Celtic_Snow", 8, 96, "", CelticSnow},
        {"Caterpiller", 8, 96, "", Caterpiller},
        {"Double_Diamond", 7, 88, "--beat-frame", DoubleDiamond},
        {"Paper_Pinwheel", 8, 96, "", PaperPinwheel},
        {"Disc_Spin", 8, 80, "--palindrome", DiscSpin},
        {"Star_Burst", 8, 96, "--beat-frame", StarBurst},
        {"Ring_Pulse", 8, 80, "--palindrome", RingPulse},
        {"Spiral_Arm", 8, 96, "", SpiralArm},
        {"Flower", 6, 88, "", Flower},
        {"Heart_Beat", 6, 80, "--beat-frame", HeartBeat},
        {"Eye", 8, 96, "--beat-frame", Eye},
        {"Sun_Disc", 6, 96, "", SunDisc},
        {"Crescent", 6, 80, "--palindrome --fixed-colors", Crescent},
        {"Comet", 8, 96, "", Comet},
        {"Bubble", 8, 72, "--blue-mask --palindrome", Bubble},
        {"Atom", 12, 96, "", Atom},
        {"Gear", 6, 88, "", Gear},
        {"Lotus", 8, 96, "--palindrome", Lotus},
        {"Crystal", 6, 80, "--fixed-colors", Crystal},
        {"Knot", 8, 88, "", Knot},
        {"Ripple", 8, 96, "", Ripple},
        {"Butterfly", 6, 96, "--palindrome", Butterfly},
        {"Cube", 8, 88, "", Cube},
        {"Tri_Spin", 8, 96, "", TriSpin},
        {"Jewel", 8, 72, "--fixed-colors", Jewel},
        {"Candy", 8, 72, "--fixed-colors", Candy},
        {"Mandala", 8, 96, "--blue-mask", Mandala},
        {"Ladybug", 6, 72, "--fixed-colors --palindrome", Ladybug},
        {"Spinner", 12, 64, "", Spinner},
        {"Tulip", 8, 96, "--palindrome", Tulip},
        {"Orbit", 12, 88, "", Orbit},
        {"Feather", 8, 96, "--palindrome", Feather},
        {"Lantern", 5, 80, "--beat-frame --palindrome", Lantern},
        {"@Firefly", 6, 48, "--beat-frame", Firefly},
        {"@Sparkle", 6, 56, "--palindrome", Sparkle},
        {"@Ghost_Orb", 8, 64, "--blue-mask", GhostOrb},
    };
}
