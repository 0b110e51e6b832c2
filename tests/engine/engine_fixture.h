// A picture of the engine's own for tests: an 800 x 600 paint surface, empty slots, a known style, the
// virtual clock, and brushes and fills made in memory.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "../program/test_library.h"
#include "core/alert.h"
#include "core/random.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "engine/movement_program.h"
#include "music/music.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "program_builder.h"
#include "shell/display.h"
#include "shell/main.h"
#include "storage/components.h"

// Every module starts from its start values (tests/test_main.cpp); this is what differs from them.
class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PlatformStart(true);
        ClockSetVirtual(1000);
        gTimer = 1000;
        InitSetScreenSize(800, 600);
        SurfaceCreate(gWorldPaint, 800, 600);
        SurfaceCreate(gWorldPreview, 128, 48);
        SurfaceSetColorKey(gWorldPreview, 255);
        SurfaceCreate(gWorldControls, 390, 409);
        TestEmptyStyle(gStyle);
        gStyleStart = gStyle;
        gStartUp = 1; // alerts keep their text only
        gStateColorChange = 1;
        gStateTrails = 1;
        gX = 400;
        gY = 300;
        gBEffectColor.CEffectAlloc();
        gFEffectColor.CEffectAlloc();
        std::memset(gEditsRave, kNotSet, sizeof(gEditsRave));
        std::memset(gCueList, kNotSet, sizeof(gCueList));
        std::memset(gAttachList, kNotSet, sizeof(gAttachList));
        gEditsRave[kEditBrushColor] = 1;
        gEditsRave[kEditFillColor] = 1;
        ExecuteResetEdits();
        AnimateResetBeats();
        MainSeedRandom(7);
    }

    // A brush strip whose frame k is filled with colour 21 + k; its pixels at the border are transparent
    // when myBorder is set.
    static void MakeBrush(VBrush& myBrush, int myWidth, int myHeight, int myFrames, bool myPalindrome = false,
                          bool myBeatFrame = false) {
        const int myStrip = myWidth * (myFrames + (myBeatFrame ? 1 : 0));
        SurfaceCreate(myBrush.m8BitWorld, myStrip, myHeight);
        SurfaceSetColorKey(myBrush.m8BitWorld, 255);
        for (int k = 0; k < myFrames + (myBeatFrame ? 1 : 0); ++k)
            SurfaceFill(myBrush.m8BitWorld, {k * myWidth, 0, (k + 1) * myWidth, myHeight},
                        static_cast<uint8_t>(21 + k));
        myBrush.mLayers = 8;
        myBrush.mType = 'B';
        myBrush.mWidth = static_cast<int16_t>(myWidth);
        myBrush.mHeight = static_cast<int16_t>(myHeight);
        myBrush.mNumFrames = static_cast<int16_t>(myFrames);
        myBrush.mBeatFrame = myBeatFrame ? 1 : 0;
        myBrush.mPalindrome = myPalindrome ? 1 : 0;
        myBrush.mRight = myWidth / 2;
        myBrush.mLeft = myWidth - myBrush.mRight;
        myBrush.mBottom = myHeight / 2;
        myBrush.mTop = myHeight - myBrush.mBottom;
    }

    // A tile of myWidth x myHeight whose pixel (x, y) is 111 + (x + y) % 90.
    static void MakeTile(VFill& myFill, int myWidth, int myHeight, char myType = 'T') {
        SurfaceCreate(myFill.m8BitWorld, myWidth, myHeight);
        for (int y = 0; y < myHeight; ++y)
            for (int x = 0; x < myWidth; ++x)
                myFill.m8BitWorld.Row(y)[x] = static_cast<uint8_t>(111 + (x + y) % 90);
        myFill.mType = myType;
        myFill.mWidth = static_cast<int16_t>(myWidth);
        myFill.mHeight = static_cast<int16_t>(myHeight);
        myFill.mBackRect = {0, 0, myWidth, myHeight};
        myFill.mFileFlag = 1;
    }

    static uint8_t Paint(int myX, int myY) { return gWorldPaint.Row(myY)[myX]; }
};
