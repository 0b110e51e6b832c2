// Writes the bundled styles (".sty", the settings record) and sets (".gst", ".fst", ".mst", ".bst"): each
// starts from the default settings and changes what makes it its own.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "core/style_record.h"
#include "storage/sets.h"

namespace {

struct StyleRecipe {
    const char* mName;
    const char* mBrushes[kBrushSlots];
    const char* mGradients[kGradSlots];
    const char* mMoves[kMoveSlots];
    const char* mFills[kFillSlots];
    const char* mBrushEffect;
    const char* mBrushColorEffect;
    const char* mFillColorEffect;
    int8_t mBrushSpeed, mColorSpeed, mSpread, mCurrentFill;
};

const StyleRecipe kStyles[] = {
    {"Ember_Night",
     {"Sun_Disc", "Star_Burst", "@Firefly", "Lantern", "Comet", "Heart_Beat"},
     {"Flame", "Ember", "Lava", "Sunset", "Metallic3", "Copper", "Desert", "Royal"},
     {"Galaxy", "Linger_Ring", "Sound_Swing", "Comet_Dash", "Pendulum", "Random"},
     {"(None)", "Nebula", "Sun_Beams", "Brickwork", "Sunset_Hills", "Marble"},
     "Beat_Pop",
     "(None)",
     "Dim_Loud",
     44,
     80,
     50,
     2},
    {"Ice_Garden",
     {"Celtic_Snow", "Crystal", "Flower", "Lotus", "@Sparkle", "Feather"},
     {"Frost", "Lunar_Lookout", "Ocean", "Aurora", "Pastel", "Candy_Floss", "Peacock", "Twilight"},
     {"Spirograph", "Lissajous", "Orbit", "Meandering", "Spiral_In", "Figure_Eight"},
     {"(None)", "Honeycomb", "Northern_Sky", "Lozenge", "Stained_Glass", "Ripples"},
     "Breathe",
     "Colour_Loud",
     "(None)",
     36,
     70,
     40,
     1},
    {"Neon_Rain",
     {"Ring_Pulse", "Spinner", "Cube", "Tri_Spin", "@Ghost_Orb", "Bubble"},
     {"Neon", "Electric", "Streak3", "Vortex9", "Dropout5", "Toxic", "Rainbow_Fade6", "Candy_Floss"},
     {"Rain_Beat", "Sound_Bars", "Zigzag", "Four_Corners", "Bounce", "Wave"},
     {"(None)", "Checker_Wave", "Plasma", "Zebra", "Tartan", "Galaxy_Swirl"},
     "Sound_Grow",
     "(None)",
     "Sea_Tint",
     48,
     90,
     45,
     2},
    {"Quiet_Orbit",
     {"Atom", "Orbit", "Mandala", "Gear", "Knot", "Ripple"},
     {"Twilight", "Aurora", "Peacock", "Royal", "Ocean", "Metallic3", "Frost", "Lunar_Lookout"},
     {"Orbit", "Spirograph", "Galaxy", "Spiral_In", "Sound_Drift", "Meandering"},
     {"(None)", "Galaxy_Swirl", "Spiroval_Twist", "Astral_Quilt", "Nebula", "Honeycomb"},
     "Vanish_Edges",
     "(None)",
     "Match_Brush",
     30,
     66,
     35,
     1},
};

StyleRecord Build(const StyleRecipe& myRecipe) {
    StyleRecord myStyle;
    std::memset(&myStyle, 0, sizeof(myStyle));
    StyleDefault(reinterpret_cast<char*>(&myStyle));
    StyleCopy(myStyle.mStyleName, myRecipe.mName);
    for (int i = 0; i < kBrushSlots; ++i)
        StyleCopy(myStyle.mBrushNames[i], myRecipe.mBrushes[i]);
    for (int i = 0; i < kGradSlots; ++i)
        StyleCopy(myStyle.mGradNames[i], myRecipe.mGradients[i]);
    for (int i = 0; i < kMoveSlots; ++i)
        StyleCopy(myStyle.mMoveNames[i], myRecipe.mMoves[i]);
    for (int i = 0; i < kFillSlots; ++i)
        StyleCopy(myStyle.mFillNames[i], myRecipe.mFills[i]);
    StyleCopy(myStyle.mBrushEffect, myRecipe.mBrushEffect);
    StyleCopy(myStyle.mBrushColorEffect, myRecipe.mBrushColorEffect);
    StyleCopy(myStyle.mFillColorEffect, myRecipe.mFillColorEffect);
    myStyle.mBrushSpeed = myRecipe.mBrushSpeed;
    myStyle.mColorSpeed = myRecipe.mColorSpeed;
    myStyle.mSpread = myRecipe.mSpread;
    myStyle.mCurrentFill = myRecipe.mCurrentFill;
    return myStyle;
}

bool Write(const std::string& myPath, const std::vector<uint8_t>& myBytes) {
    std::ofstream myStream(myPath, std::ios::binary | std::ios::trunc);
    myStream.write(reinterpret_cast<const char*>(myBytes.data()),
                   static_cast<std::streamsize>(myBytes.size()));
    return static_cast<bool>(myStream);
}

std::vector<uint8_t> Set(char myType, const StyleRecord& myStyle) {
    return StyleSetBytes(*SetFindFormat(myType), myStyle);
}

} // namespace

int main(int myCount, char** myArgs) {
    if (myCount != 2) {
        std::fputs("Usage: orbex_styles FOLDER (writes FOLDER/Styles and FOLDER/Settings)\n", stderr);
        return 2;
    }
    const std::string myRoot = myArgs[1];
    bool myGood = true;
    for (const StyleRecipe& myRecipe : kStyles) {
        const StyleRecord myStyle = Build(myRecipe);
        const auto* myBytes = reinterpret_cast<const uint8_t*>(&myStyle);
        myGood = Write(myRoot + "/Styles/" + myRecipe.mName + ".sty",
                       std::vector<uint8_t>(myBytes, myBytes + kStyleSize)) &&
                 myGood;
    }
    // One set of each kind, each taken from the style whose name it shares in spirit.
    const StyleRecord myEmber = Build(kStyles[0]), myIce = Build(kStyles[1]), myNeon = Build(kStyles[2]),
                      myQuiet = Build(kStyles[3]);
    myGood = Write(myRoot + "/Settings/Embers.gst", Set(kSetGradient, myEmber)) && myGood;
    myGood = Write(myRoot + "/Settings/Cold_Fills.fst", Set(kSetFill, myIce)) && myGood;
    myGood = Write(myRoot + "/Settings/Orbits.mst", Set(kSetMove, myQuiet)) && myGood;
    myGood = Write(myRoot + "/Settings/Neon_Toys.bst", Set(kSetBrush, myNeon)) && myGood;
    return myGood ? 0 : 1;
}
