// Open menus and their previews as the controls window shows them, compared with stored pictures.
#include "controls/popup.h"
#include "controls_fixture.h"
#include "core/display.h"
#include "core/popup_commands.h"
#include "golden.h"
#include "platform/image_out.h"
#include "platform/palette.h"

namespace {

// The item to rest on, the picture to take once its preview shows, and where the picture went.
int sRestItem = -1;
std::filesystem::path sShot;
bool sTaken = false;

void PopupPictureTurn() {
    const PopMenuView myView = PopMenuShown();
    if (myView.mBox.Width() == 0 || sTaken) return;
    WindowSetCursor(kWinControls, myView.mBox.left + 8,
                    myView.mBox.top + 1 + (sRestItem - myView.mFirst + (myView.mArrows ? 1 : 0)) * 12 + 6);
    static uint32_t sSince = 0;
    if (myView.mHilite != sRestItem) {
        sSince = ClockTicks();
        return;
    }
    // Past the preview's 250 ms.
    if (ClockTicks() - sSince < 400) return;
    ImageWritePng(sShot.string(), DrawSurface(), gPalette);
    sTaken = true;
    WindowQueueMessage(kMsgKeyDown, kWinControls, kVKEscape, 0, 0, 0);
}

class PopupPicture : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        InitColor();
        ASSERT_TRUE(ResourceDrawPicture(kPicturePopup, gWorldPopup));
        SurfaceSetColorKey(gWorldPopup, 255);
        ASSERT_TRUE(TestWriteLibrary(mRoot, 12000));
        ShowControls(true);
        WindowSetTurnHook(PopupPictureTurn);
    }
    void Expect(uint16_t myMenu, int mySlot, const Rect& myBeside, int myItem, const std::string& myName) {
        sRestItem = myItem;
        sTaken = false;
        sShot = mRoot / (myName + ".png");
        PopMenu(myMenu, mySlot, &myBeside);
        ASSERT_TRUE(sTaken) << myName;
        ExpectGolden(sShot, myName);
        // The list thumbnails share the preview entries: once the menu closes they are dark again.
        EXPECT_EQ(gPalette[201].mRed, 63) << myName;
        EXPECT_EQ(gPalette[245].mBlue, 65) << myName;
    }
};

TEST_F(PopupPicture, MenusWithTheirPreviews) {
    // Attachments..., separator, (None), Disc: the brush's icon and size in the panel area.
    Expect(kPopupBrushes, 1, {257, 277, 267, 302}, 3, "popup-brushes-preview");
    Expect(kPopupFills, 0, {127, 252, 137, 277}, 1, "popup-fills-preview");
    Expect(kPopupMovements, 2, {385, 302, 395, 327}, 0, "popup-movements-preview");
    Expect(kPopupGradients, 0, {353, 73, 363, 88}, 0, "popup-gradients-preview");
}

} // namespace
