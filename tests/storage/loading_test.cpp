// Loading hand-built component files into their slots, their fallbacks and their messages.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "controls/thumbs.h"
#include "core/alert.h"
#include "engine/animate.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "shell/display.h"
#include "storage/loading.h"

namespace fs = std::filesystem;

namespace {

struct Bytes {
    std::vector<uint8_t> mData;
    Bytes& U8(int myValue) {
        mData.push_back(static_cast<uint8_t>(myValue));
        return *this;
    }
    Bytes& I16(int myValue) {
        BytesAdd16(mData, myValue);
        return *this;
    }
    Bytes& Add(const std::vector<uint8_t>& myMore) {
        mData.insert(mData.end(), myMore.begin(), myMore.end());
        return *this;
    }
    template <typename Header> Bytes& Add(const Header& myHeader) {
        const auto* myBytes = reinterpret_cast<const uint8_t*>(&myHeader);
        mData.insert(mData.end(), myBytes, myBytes + sizeof(Header));
        return *this;
    }
    Bytes& Zeros(int myCount) { return Add(std::vector<uint8_t>(static_cast<size_t>(myCount), 0)); }
};

ComponentHeader Header(char myType) {
    return {static_cast<uint8_t>(myType), 0, 1};
}

// A picture of one value in literal pixels, or in runs of 3-56 where the value allows no literal.
std::vector<uint8_t> Solid(int myCount, uint8_t myValue) {
    std::vector<uint8_t> myOut;
    while (myCount >= 3) {
        const int myRun = std::min(myCount, 56);
        myOut.insert(myOut.end(), {myValue, static_cast<uint8_t>(198 + myRun)});
        myCount -= myRun;
    }
    while (myCount-- > 0)
        myOut.push_back(myValue);
    return myOut;
}

struct BrushLayout {
    int mStripWidth = 8;
    int mHeight = 2;
    int mFrames = 2;
    bool mBeatFrame = false;
    bool mPalindrome = false;
    std::vector<uint8_t> mColors;                 // own colours, RGB triples
    std::vector<uint8_t> mPixels = Solid(16, 30); // compressed colour layer
    std::vector<uint8_t> mMask;                   // mask layer as stored
    uint8_t mMaskRaw = 0;
    std::vector<uint8_t> mIcon = Solid(48 * 48, 40);
    uint8_t mBlack = 0;
};

std::vector<uint8_t> BrushFile(const BrushLayout& myLayout) {
    BitmapHeader myHeader = {};
    myHeader.mHeader = Header(kTypeBrush);
    BytesPut16(myHeader.mWidth, myLayout.mStripWidth);
    BytesPut16(myHeader.mHeight, myLayout.mHeight);
    BytesPut32(myHeader.mColorSize, static_cast<int64_t>(myLayout.mPixels.size()));
    BytesPut32(myHeader.mMaskSize, static_cast<int64_t>(myLayout.mMask.size()));
    myHeader.mColorCount = static_cast<uint8_t>(myLayout.mColors.size() / 3);
    myHeader.mHasBlack = myLayout.mBlack;
    myHeader.mMaskRaw = myLayout.mMaskRaw;
    myHeader.mFrameBlockSize = kBitmapFrameBlockSize;
    BytesPut16(myHeader.mIconSize, static_cast<int64_t>(myLayout.mIcon.size()));
    BytesPut16(myHeader.mDataOffset,
               kBitmapHeaderSize + kBitmapFrameBlockSize +
                   static_cast<int64_t>(myLayout.mColors.size() + myLayout.mIcon.size()));
    BitmapFrameBlock myFrames = {};
    myFrames.mBeatFrame = myLayout.mBeatFrame;
    myFrames.mOne = 1;
    BytesPut16(myFrames.mFrames, myLayout.mFrames);
    myFrames.mPalindrome = myLayout.mPalindrome;
    Bytes myFile;
    myFile.Add(myHeader).Add(myFrames);
    myFile.Add(myLayout.mColors).Add(myLayout.mIcon).Add(myLayout.mPixels).Add(myLayout.mMask);
    return myFile.mData;
}

std::vector<uint8_t> FillFile(char myType, int myWidth, int myHeight, const std::vector<uint8_t>& myPixels,
                              const std::vector<uint8_t>& myColors = {}) {
    const std::vector<uint8_t> myIcon = Solid(kFillIconWidth * kBitmapIconHeight, 150);
    BitmapHeader myHeader = {};
    myHeader.mHeader = Header(myType);
    BytesPut16(myHeader.mWidth, myWidth);
    BytesPut16(myHeader.mHeight, myHeight);
    BytesPut32(myHeader.mColorSize, static_cast<int64_t>(myPixels.size()));
    myHeader.mColorCount = static_cast<uint8_t>(myColors.size() / 3);
    BytesPut16(myHeader.mIconSize, static_cast<int64_t>(myIcon.size()));
    BytesPut16(myHeader.mDataOffset,
               kBitmapHeaderSize + static_cast<int64_t>(myColors.size() + myIcon.size()));
    Bytes myFile;
    myFile.Add(myHeader).Add(myColors).Add(myIcon).Add(myPixels);
    return myFile.mData;
}

std::vector<uint8_t> CodeBlock(const std::vector<uint8_t>& myInit, const std::vector<uint8_t>& myReset,
                               const std::vector<uint8_t>& myUpdate) {
    Bytes myBlock;
    myBlock.I16(static_cast<int>(myInit.size())).I16(static_cast<int>(myReset.size()));
    myBlock.I16(static_cast<int>(myUpdate.size())).Add(myInit).Add(myReset).Add(myUpdate);
    return myBlock.mData;
}

std::vector<uint8_t> Instructions(std::initializer_list<std::array<uint16_t, 4>> myInstructions) {
    std::vector<uint8_t> myCode;
    for (const auto& [myDest, myA, myB, myOperation] : myInstructions)
        ProgramAddInstruction(myCode, myDest, myA, myB, myOperation);
    return myCode;
}

const std::vector<uint8_t> kInit = Instructions({{kWordX, ProgramLiteral(5), 0, kOpProduct}});
const std::vector<uint8_t> kUpdate =
    Instructions({{kWordY, ProgramLiteral(6), 0, kOpProduct}, {0x0102, 0x0304, 0x0506, 0x0708}});

std::vector<uint8_t> MovementFile(int myParams) {
    Bytes myFile;
    std::vector<uint8_t> myIcon;
    for (int y = 0; y < kMoveIconSide; ++y)
        myIcon.insert(myIcon.end(), {41, 5, 250});
    MoveHeader myHeader = {};
    myHeader.mHeader = Header(kTypeMovement);
    BytesPut16(myHeader.mIconSize, static_cast<int64_t>(myIcon.size()));
    myFile.Add(myHeader).Zeros(kMoveDescriptionSize).Add(myIcon);
    myFile.U8(1).U8(myParams);
    for (int p = 0; p < myParams; ++p)
        myFile.U8(-5 + p);
    for (int p = 0; p < myParams; ++p)
        myFile.U8(10 + p);
    for (int p = 0; p < myParams; ++p)
        myFile.U8(p == 0 ? 0x80 : 7);
    for (int p = 0; p < myParams; ++p) {
        std::vector<uint8_t> myName(kParamNameSize, 0);
        myName[0] = static_cast<uint8_t>('A' + p);
        myFile.Add(myName);
    }
    for (int p = 0; p < myParams; ++p) {
        std::vector<uint8_t> myDesc(kParamDescSize, 'd');
        myFile.Add(myDesc);
    }
    myFile.Add(CodeBlock(kInit, {}, kUpdate));
    return myFile.mData;
}

std::vector<uint8_t> EffectFile(char myType) {
    EffectHeader myHeader = {};
    myHeader.mHeader = Header(myType);
    Bytes myFile;
    myFile.Add(myHeader).Zeros(kEffectDescriptionSize).Add(CodeBlock(kInit, kInit, {}));
    return myFile.mData;
}

class LoadingTest : public ::testing::Test {
  protected:
    fs::path mRoot;

    void SetUp() override {
        const std::string myTest = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        mRoot = fs::temp_directory_path() / ("orbex-load-" + std::to_string(::getpid()) + "-" + myTest);
        fs::remove_all(mRoot);
        for (const char* myKind : {"Brushes", "Fills", "Gradients", "Movements", "Effects"})
            fs::create_directories(mRoot / myKind);
        std::snprintf(gDirIDOrbex, kPathSize, "%s/", mRoot.c_str());
        ASSERT_TRUE(SurfaceCreate(gWorldPreview, 128, 48));
        SurfaceSetColorKey(gWorldPreview, 255);
        ASSERT_TRUE(SurfaceCreate(gWorldControls, 390, 409));
        SurfaceFill(gWorldControls, {0, 0, 390, 409}, 13);
        InitSetScreenSize(800, 600);
        StyleDefault(reinterpret_cast<char*>(&gStyle));
        StyleDefault(reinterpret_cast<char*>(&gStyleStart));
        // Past start-up, as for the user: no alert window exists here, and gAlertText tells what a load said.
    }
    void TearDown() override { fs::remove_all(mRoot); }
    void Write(const std::string& myPath, const std::vector<uint8_t>& myBytes) {
        std::ofstream(mRoot / myPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(myBytes.data()),
                   static_cast<std::streamsize>(myBytes.size()));
    }
    static uint8_t Thumb(const Surface& myThumb, int myX, int myY) { return myThumb.Row(myY)[myX]; }
};

} // namespace

TEST_F(LoadingTest, BrushStripMaskIconAndColours) {
    BrushLayout myLayout;
    myLayout.mStripWidth = 9;
    myLayout.mFrames = 9;
    myLayout.mHeight = 2;
    myLayout.mBeatFrame = true;
    myLayout.mPalindrome = true;
    myLayout.mPixels = Solid(9, 255);
    const std::vector<uint8_t> myRow1 = Solid(9, 25);
    myLayout.mPixels.insert(myLayout.mPixels.end(), myRow1.begin(), myRow1.end());
    myLayout.mColors = {250, 240, 230, 10, 20, 30};
    // Two mask rows of 16 pixels: the second one's first half opaque.
    myLayout.mMask = {0, 0, 0xFF, 0};
    myLayout.mMaskRaw = 255;
    myLayout.mBlack = 1;
    Write("Brushes/Spin.bru", BrushFile(myLayout));
    std::memset(&gStyle.mAttachments[2], 3, sizeof(AttachRecord));

    VBrush& myBrush = gBrushes[2];
    ASSERT_TRUE(myBrush.BrushLoad("Spin", 2, 1, 1, 0, nullptr, 0));
    EXPECT_STREQ(gAlertText, "");
    // Nine frames with a beat frame cycle through eight, each one pixel wide.
    EXPECT_EQ(myBrush.mNumFrames, 8);
    EXPECT_EQ(myBrush.mWidth, 1);
    EXPECT_EQ(myBrush.mHeight, 2);
    EXPECT_EQ(myBrush.mBeatFrame, 1);
    EXPECT_EQ(myBrush.mPalindrome, 1);
    EXPECT_EQ(myBrush.mLayers, 9);
    EXPECT_EQ(myBrush.mRight, 0);
    EXPECT_EQ(myBrush.mLeft, 1);
    EXPECT_EQ(myBrush.mBottom, 1);
    EXPECT_EQ(myBrush.mTop, 1);
    EXPECT_EQ(myBrush.m8BitWorld.mColorKey, 255);
    EXPECT_EQ(myBrush.m8BitWorld.Row(0)[0], 255);
    EXPECT_EQ(myBrush.m8BitWorld.Row(1)[8], 25);
    // The mask surface is one frame wider than the strip.
    EXPECT_EQ(myBrush.m1BitWorld.mWidth, 10);
    EXPECT_EQ(myBrush.m1BitWorld.Row(1)[7], 255);
    EXPECT_EQ(myBrush.m1BitWorld.Row(1)[8], 0);
    // Own colours: the last one repeats up to 90.
    EXPECT_EQ(myBrush.mFixedSize, 2);
    EXPECT_EQ(myBrush.mGradient[0], 250);
    EXPECT_EQ(myBrush.mGradient[3 * 89 + 2], 30);
    // The icon is halved and moved to the preview colours: 40 becomes 201 + 19 / 2.
    EXPECT_EQ(myBrush.mThumb.mWidth, 24);
    EXPECT_EQ(myBrush.mThumb.mHeight, 24);
    EXPECT_EQ(Thumb(myBrush.mThumb, 0, 0), 210);
    EXPECT_EQ(Thumb(myBrush.mThumb, 23, 23), 210);
    // The style names it, the song's start record too, attachments are cleared and the set is no more.
    EXPECT_STREQ(gStyle.mBrushNames[2], "Spin");
    EXPECT_STREQ(gStyleStart.mBrushNames[2], "Spin");
    EXPECT_EQ(gStyle.mAttachments[2].mAttachFill, kNotSet);
    EXPECT_STREQ(gStyle.mBrushSetName, "(None)");
}

TEST_F(LoadingTest, BrushWithoutVisiblePixelsHasNoColourLayer) {
    BrushLayout myLayout;
    myLayout.mPixels.clear();
    myLayout.mMask = {0, 0};
    myLayout.mFrames = 1;
    Write("Brushes/Ghost.bru", BrushFile(myLayout));
    VBrush& myBrush = gBrushes[0];
    ASSERT_TRUE(myBrush.BrushLoad("Ghost", 0, 0, 0, 0, nullptr, 0));
    EXPECT_EQ(myBrush.mLayers, 1);
    EXPECT_FALSE(myBrush.m8BitWorld.Exists());
    // A one-frame strip cannot hold a separate beat frame; the flag would leave no frame to cycle.
    myLayout.mBeatFrame = true;
    myLayout.mMask.clear();
    Write("Brushes/Lone.bru", BrushFile(myLayout));
    ASSERT_TRUE(myBrush.BrushLoad("Lone", 0, 0, 0, 0, nullptr, 0));
    EXPECT_EQ(myBrush.mNumFrames, 1);
    EXPECT_EQ(myBrush.mBeatFrame, 0);
}

TEST_F(LoadingTest, BrushFailuresAndTheirMessages) {
    Write("Brushes/Good.bru", BrushFile(BrushLayout{}));
    VBrush& myBrush = gBrushes[1];
    ASSERT_TRUE(myBrush.BrushLoad("Good", 1, 0, 0, 0, nullptr, 0));

    // Wrong type: the slot stays as it was.
    std::vector<uint8_t> myWrong = BrushFile(BrushLayout{});
    myWrong[0] = 'F';
    Write("Brushes/Wrong.bru", myWrong);
    // The alert keeps its text; standard error names the file, for whoever reads the terminal.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(myBrush.BrushLoad("Wrong", 1, 0, 0, 0, nullptr, 0));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "orbex: " + (mRoot / "Brushes" / "Wrong.bru").string() + ": Not a valid file!\n");
    EXPECT_STREQ(gAlertText, "Not a valid file!");
    EXPECT_STREQ(gStyle.mBrushNames[1], "Good");
    EXPECT_TRUE(myBrush.m8BitWorld.Exists());
    MainCloseAlert();

    // A file cut short of the layers its header promises.
    std::vector<uint8_t> myCut = BrushFile(BrushLayout{});
    myCut.resize(myCut.size() - 3);
    Write("Brushes/Cut.bru", myCut);
    gAlertText[0] = 0;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(myBrush.BrushLoad("Cut", 1, 0, 0, 0, nullptr, 0));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Brushes/Cut.bru: Not a valid file!"),
              std::string::npos);
    EXPECT_STREQ(gAlertText, "Not a valid file!");
    EXPECT_STREQ(gStyle.mBrushNames[1], "Good");
    MainCloseAlert();

    // A missing file empties the slot; quiet loads say nothing.
    gAlertText[0] = 0;
    EXPECT_FALSE(myBrush.BrushLoad("Nowhere", 1, 0, 0, 0, nullptr, 1));
    EXPECT_STREQ(gAlertText, "");
    EXPECT_FALSE(myBrush.BrushLoad("Nowhere", 1, 0, 0, 0, nullptr, 0));
    EXPECT_STREQ(gAlertText, "Unable to open or find brush!");
    EXPECT_STREQ(gStyle.mBrushNames[1], "(None)");
    EXPECT_EQ(myBrush.mWidth, 0);
    EXPECT_EQ(myBrush.mNumFrames, 1);
    EXPECT_EQ(myBrush.mLayers, 0);
    EXPECT_EQ(Thumb(myBrush.mThumb, 0, 0), 0);
    MainCloseAlert();

    // "(None)" is no error.
    gAlertText[0] = 0;
    EXPECT_TRUE(myBrush.BrushLoad("(None)", 1, 0, 0, 0, nullptr, 0));
    EXPECT_STREQ(gAlertText, "");
}

TEST_F(LoadingTest, AtStartUpTheStyleNamesTheFileAndNothingIsRecorded) {
    Write("Brushes/Veve.bru", BrushFile(BrushLayout{}));
    StyleCopy(gStyle.mBrushNames[4], "Veve");
    StyleCopy(gStyleStart.mBrushNames[4], "Other");
    StyleCopy(gStyle.mBrushSetName, "Set");
    gStartUp = 1;
    ASSERT_TRUE(gBrushes[4].BrushLoad("Ignored", 4, 0, 1, 0, nullptr, 0));
    EXPECT_EQ(gBrushes[4].mWidth, 4);
    EXPECT_STREQ(gStyleStart.mBrushNames[4], "Other");
    EXPECT_STREQ(gStyle.mBrushSetName, "Set");
}

TEST_F(LoadingTest, WhileATrackPlaysALoadGoesIntoTheRaveInstead) {
    Write("Brushes/Veve.bru", BrushFile(BrushLayout{}));
    StyleCopy(gStyleStart.mBrushNames[2], "Other");
    gStatePlay = 1;
    ExecuteResetEdits();
    ASSERT_TRUE(gBrushes[2].BrushLoad("Veve", 2, 0, 1, 0, nullptr, 0));
    const int8_t* myRecord = gEditsList[gEditsCurrent].mEdits;
    EXPECT_EQ(gEditsCurrent, 1);
    EXPECT_EQ(myRecord[0], kComponentBrush * 8 + 3 + kRecordLoad);
    EXPECT_STREQ(reinterpret_cast<const char*>(myRecord + 1), "Veve");
    EXPECT_STREQ(gStyleStart.mBrushNames[2], "Other");
    gStatePlay = 0;
    ExecuteResetEdits();
}

TEST_F(LoadingTest, TheControlsCopyEachThumbnailToItsSlot) {
    Write("Brushes/Veve.bru", BrushFile(BrushLayout{}));
    ASSERT_TRUE(gBrushes[3].BrushLoad("Veve", 3, 0, 0, 0, nullptr, 0));
    ASSERT_TRUE(gFills[0].FillLoad("(None)", 0, 0, 0, nullptr, 0));
    DrawThumbnails();
    const Rect myBrush = DrawThumbRect('B', 3);
    EXPECT_EQ(gWorldControls.Row(myBrush.top)[myBrush.left], 210);
    EXPECT_EQ(gWorldControls.Row(myBrush.bottom - 1)[myBrush.right - 1], 210);
    EXPECT_EQ(gWorldControls.Row(myBrush.top)[myBrush.right], 13) << "nothing beyond the thumbnail";
    const Rect myEmpty = DrawThumbRect('F', 0);
    EXPECT_EQ(gWorldControls.Row(myEmpty.top)[myEmpty.left], 0);
    EXPECT_EQ(gWorldControls.Row(myEmpty.bottom - 1)[myEmpty.right - 1], 0);
    // A fill's thumbnail is wider than its well: the well is filled with its middle.
    Write("Fills/Tile.fil", FillFile('T', 10, 10, Solid(100, 120)));
    ASSERT_TRUE(gFills[1].FillLoad("Tile", 1, 0, 0, nullptr, 0));
    DrawThumbnails();
    const Rect myFill = DrawThumbRect('F', 1);
    EXPECT_EQ(gWorldControls.Row(myFill.top)[myFill.left], 201 + (150 - 111) / 2);
    EXPECT_EQ(gWorldControls.Row(myFill.bottom - 1)[myFill.right - 1], 201 + (150 - 111) / 2);
    EXPECT_EQ(gWorldControls.Row(myFill.top)[myFill.right], 13);
}

TEST_F(LoadingTest, LoadsIntoAnotherRecordWhenAsked) {
    Write("Gradients/Sky.gra", Bytes{}.Add(GradientHeader{Header(kTypeGradient), {0, 0}}).Zeros(540).mData);
    StyleRecord myRecord;
    StyleDefault(reinterpret_cast<char*>(&myRecord));
    ASSERT_TRUE(LoadGradient("Sky", 3, 0, 0, &myRecord, 0));
    EXPECT_STREQ(myRecord.mGradNames[3], "Sky");
    EXPECT_STRNE(gStyle.mGradNames[3], "Sky");
}

TEST_F(LoadingTest, FillPicturesStretchCentreOrStayAsTheyAre) {
    InitSetScreenSize(1024, 768);
    // 800 x 600: left half 111, right half 150.
    std::vector<uint8_t> myPixels;
    for (int y = 0; y < 600; ++y) {
        const std::vector<uint8_t> myLeft = Solid(400, 111), myRight = Solid(400, 150);
        myPixels.insert(myPixels.end(), myLeft.begin(), myLeft.end());
        myPixels.insert(myPixels.end(), myRight.begin(), myRight.end());
    }
    Write("Fills/Wide.fil", FillFile('F', 800, 600, myPixels));
    VFill& myFill = gFills[0];
    ASSERT_TRUE(myFill.FillLoad("Wide", 0, 0, 0, nullptr, 0));
    EXPECT_EQ(myFill.mFileFlag, 1);
    EXPECT_EQ(myFill.m8BitWorld.mWidth, 1024);
    EXPECT_EQ(myFill.m8BitWorld.mHeight, 768);
    EXPECT_EQ(myFill.mBackRect.right, 1024);
    EXPECT_EQ(myFill.m8BitWorld.Row(767)[511], 111);
    EXPECT_EQ(myFill.m8BitWorld.Row(0)[513], 150);
    EXPECT_EQ(myFill.mSize, (1024 + 3) / 4 * 8 * (768 / 2));

    // Larger than the screen both ways: the middle of the picture is what shows.
    InitSetScreenSize(640, 480);
    ASSERT_TRUE(myFill.FillLoad("Wide", 0, 0, 0, nullptr, 0));
    EXPECT_EQ(myFill.m8BitWorld.mWidth, 800);
    EXPECT_EQ(myFill.mBackRect.left, 80);
    EXPECT_EQ(myFill.mBackRect.top, 60);
    EXPECT_EQ(myFill.mBackRect.Width(), 640);
    EXPECT_EQ(myFill.mBackRect.Height(), 480);

    // Tiles keep their size, with their own colours.
    Write("Fills/Tile.fil", FillFile('T', 10, 10, Solid(100, 120), {1, 2, 3}));
    ASSERT_TRUE(gFills[1].FillLoad("Tile", 1, 0, 0, nullptr, 0));
    EXPECT_EQ(gFills[1].mType, 'T');
    EXPECT_EQ(gFills[1].mBackRect.right, 10);
    EXPECT_EQ(gFills[1].mFixedSize, 1);
    EXPECT_EQ(gFills[1].mGradient[3 * 89], 1);
    EXPECT_EQ(gFills[1].m8BitWorld.Row(9)[9], 120);
    EXPECT_EQ(gFills[1].mThumb.mWidth, 32);
    EXPECT_EQ(Thumb(gFills[1].mThumb, 0, 0), 201 + (150 - 111) / 2);
}

TEST_F(LoadingTest, FillFailuresEmptyTheSlot) {
    Write("Fills/Tile.fil", FillFile('T', 10, 10, Solid(100, 120)));
    ASSERT_TRUE(gFills[2].FillLoad("Tile", 2, 0, 0, nullptr, 0));
    Write("Fills/Brush.fil", BrushFile(BrushLayout{}));
    EXPECT_FALSE(gFills[2].FillLoad("Brush", 2, 0, 0, nullptr, 0));
    EXPECT_STREQ(gAlertText, "Not a valid file!");
    EXPECT_EQ(gFills[2].mFileFlag, 1);
    MainCloseAlert();
    gAlertText[0] = 0;
    EXPECT_FALSE(gFills[2].FillLoad("Gone", 2, 0, 0, nullptr, 0));
    EXPECT_STREQ(gAlertText, "Unable to open or find fill!");
    EXPECT_EQ(gFills[2].mFileFlag, 0);
    EXPECT_STREQ(gStyle.mFillNames[2], "(None)");
}

TEST_F(LoadingTest, GradientsAndTheirFallbackRamp) {
    Bytes myFile;
    myFile.Add(GradientHeader{Header(kTypeGradient), {9, 9}});
    for (int i = 0; i < 540; ++i)
        myFile.U8(i % 256);
    Write("Gradients/Flame.gra", myFile.mData);
    ASSERT_TRUE(LoadGradient("Flame", 7, 0, 0, nullptr, 0));
    EXPECT_EQ(gGradData[7].mBrushGrad[1], 1);
    EXPECT_EQ(gGradData[7].mFillGrad[0], 270 % 256);
    EXPECT_STREQ(gStyle.mGradSetName, "(None)");

    EXPECT_FALSE(LoadGradient("Missing", 7, 0, 0, nullptr, 0));
    EXPECT_STREQ(gAlertText, "Unable to open or find gradient!");
    EXPECT_STREQ(gStyle.mGradNames[7], "(None)");
    // Bright at both ends, black in the middle.
    EXPECT_EQ(gGradData[7].mBrushGrad[0], 255);
    EXPECT_EQ(gGradData[7].mBrushGrad[3 * 45], 0);
    EXPECT_EQ(gGradData[7].mBrushGrad[3 * 89], 249);
    EXPECT_EQ(gGradData[7].mFillGrad[3 * 1], 249);
    EXPECT_EQ(gGradData[7].mBrushGrad[3 * 1 + 1], 0);
    MainCloseAlert();

    gAlertText[0] = 0;
    Write("Gradients/Short.gra", Bytes{}.U8('G').Zeros(100).mData);
    EXPECT_FALSE(LoadGradient("Short", 6, 0, 0, nullptr, 0));
    EXPECT_STREQ(gAlertText, "Not a valid file!");
}

TEST_F(LoadingTest, MovementsWithParametersProgramsAndIcon) {
    Write("Movements/Orbit.mvm", MovementFile(2));
    MEffect& myMove = gMovements[1];
    ASSERT_TRUE(myMove.MEffectLoad("Orbit", 1, 1, 0, 0, nullptr, 0));
    EXPECT_EQ(myMove.mCenteredFlag, 1);
    EXPECT_EQ(myMove.mNumParams, 2);
    EXPECT_EQ(myMove.mMin[1], -4);
    EXPECT_EQ(myMove.mMax[0], 10);
    EXPECT_STREQ(myMove.mName + 24, "B");
    EXPECT_EQ(std::strlen(myMove.mDesc), 119u);
    EXPECT_EQ(myMove.mInitSize, 8);
    EXPECT_EQ(myMove.mResetSize, 0);
    EXPECT_EQ(myMove.mUpdateSize, 16);
    EXPECT_EQ(myMove.mUpdate, kUpdate);
    // Parameter 0 is drawn at random in its range, parameter 1 is fixed at its default.
    const auto& myParams = gStyle.mMoveParam[1];
    EXPECT_EQ(myParams.mFixed[0], 0);
    EXPECT_GE(myParams.mValue[0], -5);
    EXPECT_LE(myParams.mValue[0], 10);
    EXPECT_EQ(myParams.mFixed[1], 1);
    EXPECT_EQ(myParams.mValue[1], 7);
    EXPECT_EQ(std::memcmp(&gStyleStart.mMoveParam[1], &myParams, sizeof(myParams)), 0);
    // The icon: 22 black pixels, then 5 and 250.
    EXPECT_EQ(Thumb(myMove.mThumb, 0, 0), 0);
    EXPECT_EQ(Thumb(myMove.mThumb, 22, 0), 5);
    EXPECT_EQ(Thumb(myMove.mThumb, 23, 23), 250);
    EXPECT_STREQ(gStyle.mMoveSetName, "(None)");
}

TEST_F(LoadingTest, MissingMovementGetsTheBuiltInProgram) {
    EXPECT_FALSE(gMovements[5].MEffectLoad("Gone", 5, 0, 0, 0, nullptr, 0));
    EXPECT_STREQ(gAlertText, "Unable to open or find movement!");
    EXPECT_EQ(gMovements[5].mInit, (std::vector<uint8_t>{0x78, 0x70, 0x04, 0x00, 0x78, 0x63, 0x50, 0x52}));
    EXPECT_EQ(gMovements[5].mNumParams, 0);
    EXPECT_EQ(gMovements[5].mUpdateSize, 0);
    MainCloseAlert();
    // Four parameters, or programs longer than the file, mark a damaged file.
    gAlertText[0] = 0;
    Write("Movements/Four.mvm", MovementFile(4));
    EXPECT_FALSE(gMovements[5].MEffectLoad("Four", 5, 0, 0, 0, nullptr, 0));
    EXPECT_STREQ(gAlertText, "Not a valid file!");
    std::vector<uint8_t> myLong = MovementFile(1);
    myLong.resize(myLong.size() - 1);
    Write("Movements/Long.mvm", myLong);
    EXPECT_FALSE(gMovements[5].MEffectLoad("Long", 5, 0, 0, 0, nullptr, 0));
    EXPECT_EQ(gMovements[5].mInitSize, 8);
}

TEST_F(LoadingTest, EffectsGoToTheirOwnFields) {
    Write("Effects/Pulse.efc", EffectFile('C'));
    Write("Effects/Grow.efb", EffectFile('E'));
    ASSERT_TRUE(gBEffectColor.CEffectLoad("Pulse", 0, 0, nullptr));
    ASSERT_TRUE(gFEffectColor.CEffectLoad("Pulse", 0, 0, nullptr));
    ASSERT_TRUE(gEffectBrush.BEffectLoad("Grow", 0, 0, nullptr));
    EXPECT_STREQ(gStyle.mBrushColorEffect, "Pulse");
    EXPECT_STREQ(gStyle.mFillColorEffect, "Pulse");
    EXPECT_STREQ(gStyle.mBrushEffect, "Grow");
    EXPECT_EQ(gEffectBrush.mReset, kInit);
    EXPECT_EQ(gEffectBrush.mFileFlag, 1);

    // A brush effect file is no colour effect.
    EXPECT_FALSE(gBEffectColor.CEffectLoad("Grow", 0, 0, nullptr));
    EXPECT_STREQ(gAlertText, "Unable to open or find effect!");
    MainCloseAlert();
    gAlertText[0] = 0;
    ASSERT_TRUE(gBEffectColor.CEffectLoad("Pulse", 0, 0, nullptr));
    Write("Effects/Grow.efc", EffectFile('E'));
    EXPECT_FALSE(gBEffectColor.CEffectLoad("Grow", 0, 0, nullptr));
    EXPECT_STREQ(gAlertText, "Not a valid file!");
    EXPECT_EQ(gBEffectColor.mInitSize, 8);
    MainCloseAlert();

    gAlertText[0] = 0;
    EXPECT_FALSE(gEffectBrush.BEffectLoad("Gone", 0, 0, nullptr));
    EXPECT_STREQ(gAlertText, "Unable to open or find effect!");
    EXPECT_EQ(gEffectBrush.mInitSize, 0);
    EXPECT_EQ(gEffectBrush.mFileFlag, 0);
    EXPECT_STREQ(gStyle.mBrushEffect, "(None)");
}
