// The panels the popup menus open (the settings popup, the colour effects' and brushes' items, DELETE FILE),
// each drawn in a state that fills it, compared with the stored pictures of the panel area.
#include <cstring>

#include "controls_fixture.h"
#include "golden.h"
#include "platform/image_out.h"
#include "platform/palette.h"
#include "resources/controls_art.h"
#include "shell/display.h"

namespace {

class PanelPicture : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        // The program's palette, so the stored pictures can be looked at.
        InitColor();
        ShowControls(true);
        std::strcpy(gSoundInputNames[0], "CD Audio");
        std::strcpy(gSoundInputNames[1], "Line In");
        gSoundInputNum = 2;
        gAudioCurrentInputType = 1;
        StyleCopy(gStyle.mBrushColorEffect, "Glow_Warm");
        StyleCopy(gStyle.mBrushNames[2], "Comet");
        StyleCopy(gStyle.mFillNames[1], "Stars");
        StyleCopy(gStyle.mGradNames[3], "Sunset");
        MEffect& myMove = gMovements[1];
        myMove.mNumParams = 2;
        myMove.mMin[1] = -10;
        myMove.mMax[1] = 90;
        std::strcpy(myMove.mName + kParamNameSize, "Direction");
        gStyle.mMoveParam[1].mValue[1] = 40;
        gStyle.mMoveParam[1].mFixed[1] = 1;
    }
    // The panel area as it shows now, written as a PNG and compared with its golden picture.
    void Expect(const std::string& myName) {
        Surface myPanel;
        ASSERT_TRUE(SurfaceCreate(myPanel, gRectPanel.Width(), gRectPanel.Height()));
        SurfaceCopy(myPanel, 0, 0, DrawSurface(), gRectPanel);
        const std::filesystem::path myShot = mRoot / (myName + ".png");
        ASSERT_TRUE(ImageWritePng(myShot.string(), myPanel, gPalette));
        ExpectGolden(myShot, myName);
    }
};

} // namespace

TEST_F(PanelPicture, TheSettingsPopupsPanels) {
    DrawPanel(kPanelSoundInput);
    Expect("panel-107");
    gTapCount = 3;
    gTapTemp[1] = 1000;
    gTapTemp[2] = 2000;
    DrawPanel(kPanelManualBeats);
    Expect("panel-110-taps");
    gTapCount = 0;
    DrawPanel(kPanelManualBeats);
    Expect("panel-110");
    gTapCount = 4;
    gTapTemp[0] = 4;
    gTapTemp[1] = 1000;
    gTapTemp[2] = 1400;
    gTapTemp[3] = 1600;
    gTapTemp[4] = 1800;
    DrawPanel(kPanelPatternBeats);
    Expect("panel-111");
    gTapCount = 0;
    gSaverFlag = 1;
    gSaverDelay = 15;
    DrawPanel(kPanelSaver);
    Expect("panel-112");
    // The desktop blanks after 10 minutes, before the saver's 15: the panel says so.
    gSaverBlank = 10;
    DrawPanel(kPanelSaver);
    Expect("panel-112-blanks");
    gSaverBlank = 16;
    DrawPanel(kPanelSaver);
    Expect("panel-112");
    gSaverFlag = 0;
    gEffOffset = 40;
    for (uint8_t myPanel : {kPanelScaleFade, kPanelScaleThreshold, kPanelMaxFade}) {
        DrawPanel(myPanel);
        Expect("panel-" + std::to_string(myPanel));
    }
}

TEST_F(PanelPicture, ThePanelsOfTheComponentPopups) {
    gPosition = 1;
    gParameter = 1;
    DrawPanel(kPanelParameter);
    Expect("panel-116");
    gPopup = 312;
    DrawPanel(kPanelDelete);
    Expect("panel-119");
    for (uint8_t myPanel : {kPanelBrushBright, kPanelFillBright, kPanelBrushSat, kPanelFillSat}) {
        DrawPanel(myPanel);
        Expect("panel-" + std::to_string(myPanel));
    }
    gPosition = 2;
    AttachRecord& myAttach = gStyle.mAttachments[2];
    std::memset(&myAttach, 0x80, sizeof(myAttach));
    myAttach.mAttachFill = 2;
    myAttach.mAttachTrails = 1;
    myAttach.mAttachGradient = 4;
    myAttach.mAttachColorSpeed = 75;
    StyleCopy(myAttach.mAttachBrushColorEffect, "Glow_Warm");
    myAttach.mAttachBrushBright = 80;
    for (uint8_t myCategory = kAttachEffects; myCategory <= kAttachFillColor; ++myCategory) {
        gPanelAttach = myCategory;
        DrawPanel(kPanelAttach);
        Expect("panel-150-" + std::to_string(myCategory));
    }
}
