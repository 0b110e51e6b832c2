// Formatting of the render's progress line.
#include "shell/render_progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kBarLength = 30;

std::string RenderProgressClock(double mySeconds) {
    const long myWhole = std::lround(std::max(0.0, mySeconds));
    char myText[32];
    if (myWhole >= 3600)
        std::snprintf(myText, sizeof(myText), "%ld:%02ld:%02ld", myWhole / 3600, myWhole / 60 % 60,
                      myWhole % 60);
    else
        std::snprintf(myText, sizeof(myText), "%ld:%02ld", myWhole / 60, myWhole % 60);
    return myText;
}
} // namespace

std::string RenderProgressLine(int myDone, int myTotal, double mySeconds) {
    myTotal = std::max(myTotal, 1);
    myDone = std::clamp(myDone, 0, myTotal);
    const int myFilled = static_cast<int>(static_cast<long long>(myDone) * kBarLength / myTotal);
    std::string myLine = "[" + std::string(myFilled, '#') + std::string(kBarLength - myFilled, '.') + "]";
    char myText[96];
    std::snprintf(myText, sizeof(myText), " %3d%%",
                  static_cast<int>(static_cast<long long>(myDone) * 100 / myTotal));
    myLine += myText;
    if (myDone == 0 || mySeconds <= 0) return myLine + "  starting";
    const double myRate = myDone / mySeconds;
    std::snprintf(myText, sizeof(myText), "  %.0f fps  ", myRate);
    myLine += myText;
    if (myDone == myTotal) return myLine + "done in " + RenderProgressClock(mySeconds);
    return myLine + RenderProgressClock((myTotal - myDone) / myRate) + " left";
}
