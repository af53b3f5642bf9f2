// The 3D page's sliders and link buttons on the main window's form, against the virtual device.

#include "forms/tests/FormTestSupport.h"
#include "panel/features/threed/tests/ThreeDTestWindow.h"
#include "tests/support/TestFiles.h"

namespace vorma::test {
namespace {

using Steps = std::vector<std::string>;

class ThreeDSliderTest : public ThreeDFeatureTest {
protected:
  int Top(std::wstring_view name) { return Image(name).Top(); }
  void Click(int tag, int times) {
    for (int i = 0; i < times; ++i) threeD->LinkButton(tag);
  }
};

TEST_F(ThreeDSliderTest, MirrorLinkPutsTheOtherSideAtTheOppositeEndAndKeepsTheMiddle) {
  ASSERT_EQ(Top(L"D3RAlphaSliderImage"), 165);
  Click(kTagAlphaLink, 3);
  ASSERT_EQ(threeD->AlphaLinkMode(), features::kLinkMirrored);

  threeD->Update3DFromSlider(L"D3LAlphaSliderImage", 105);
  EXPECT_EQ(Top(L"D3LAlphaSliderImage"), 105);
  EXPECT_EQ(Top(L"D3RAlphaSliderImage"), 225);
  EXPECT_EQ(Top(L"D3LBetaSliderImage"), 165);  // the beta sliders have their own link
  EXPECT_EQ(Top(L"D3RBetaSliderImage"), 165);
  EXPECT_EQ(threeD->Record(), (features::ThreeDRecord{0, 1, 15, 8, 0, 8}));
  // Two transactions: the left values go out with the right ones as they were, then both.
  EXPECT_EQ(Transactions(), (Steps{"register 0x018a", "write 0x018a = 0x01", "write 0x018b = 0xf8",
                                   "write 0x018c = 0xa3", "end", "register 0x018a", "write 0x018a = 0x01",
                                   "write 0x018b = 0xf8", "write 0x018c = 0x08", "end"}));
  EXPECT_EQ(configImage[0xE7], 0xF8);
  EXPECT_EQ(configImage[0xE8], 0x08);

  threeD->Update3DFromSlider(L"D3LAlphaSliderImage", 165);
  EXPECT_EQ(Top(L"D3LAlphaSliderImage"), 165);
  EXPECT_EQ(Top(L"D3RAlphaSliderImage"), 165);
  // The link works from the right side too.
  threeD->Update3DFromSlider(L"D3RAlphaSliderImage", 200);
  EXPECT_EQ(Top(L"D3LAlphaSliderImage"), 130);
  EXPECT_EQ(Register(0x18B), 0xC8);
  EXPECT_EQ(Register(0x18C), 0x48);
}

TEST_F(ThreeDSliderTest, EachLinkModeMovesTheCounterpartItsOwnWay) {
  struct Case {
    int clicks;  // of the beta link button
    int counterpartTop;
  };
  const Case cases[] = {{0, 165}, {1, 165}, {2, 130}, {3, 200}, {4, 165}};
  for (const Case& c : cases) {
    threeD->InitThreeD();  // link modes back to "not chosen"
    Image(L"D3LBetaSliderImage").SetTop(165);
    Image(L"D3RBetaSliderImage").SetTop(165);
    Click(kTagBetaLink, c.clicks);
    threeD->Update3DFromSlider(L"D3LBetaSliderImage", 130);
    EXPECT_EQ(Top(L"D3RBetaSliderImage"), c.counterpartTop) << c.clicks << " clicks";
    EXPECT_EQ(Top(L"D3RAlphaSliderImage"), 165);
    EXPECT_EQ(threeD->AlphaLinkMode(), features::kLinkNotChosen);
  }
}

TEST_F(ThreeDSliderTest, SliderEndsGiveFifteenAndZeroAndTheWindowRangeHolds) {
  struct Case {
    int top;
    int travel;
    int shownTop;
    int value;
  };
  const Case cases[] = {{105, 120, 105, 15}, {225, 120, 225, 0}, {90, 120, 105, 15},
                        {300, 120, 225, 0},  {185, 100, 185, 3}, {165, 120, 165, 8}};
  for (const Case& c : cases) {
    window->eqTrack.range = c.travel;
    threeD->Update3DFromSlider(L"D3RBetaSliderImage", c.top);
    EXPECT_EQ(Top(L"D3RBetaSliderImage"), c.shownTop) << c.top;
    EXPECT_EQ(threeD->Record().rightBeta, c.value) << c.top << " travel " << c.travel;
    EXPECT_EQ(Register(0x18C) & 0x0F, c.value) << c.top;
  }
}

TEST_F(ThreeDSliderTest, AValueAboveFifteenIsRefusedWithoutWriting) {
  // A skin whose travel is shorter than the slider's 120 pixels: the bottom lies below value 0.
  window->eqTrack.range = 100;
  threeD->Update3DFromSlider(L"D3RBetaSliderImage", 225);
  EXPECT_EQ(Top(L"D3RBetaSliderImage"), 225);
  // The left values go out (the sliders at 165 give 6 with this travel); the right beta is refused
  // with the whole right register.
  EXPECT_EQ(Transactions(), (Steps{"register 0x018a", "write 0x018a = 0x01", "write 0x018b = 0x66",
                                   "write 0x018c = 0xa3", "end", "register 0x018a", "write 0x018a = 0x01",
                                   "end"}));
  EXPECT_EQ(Register(0x18C), 0xA3);
  EXPECT_EQ(configImage[0xE8], 0x63);  // the right alpha is stored, the refused beta keeps its 3
}

TEST_F(ThreeDSliderTest, WithoutDeviceSyncOnlyTheImageChanges) {
  context->deviceSync = false;
  threeD->Update3DFromSlider(L"D3LBetaSliderImage", 225);
  EXPECT_EQ(Transactions(), (Steps{"end", "end"}));
  EXPECT_EQ(Register(0x18B), 0xA3);
  EXPECT_EQ(configImage[0xE7], 0x80);
  EXPECT_EQ(configImage[0xE8], 0x88);

  // A name that is not a 3D slider moves nothing.
  threeD->Update3DFromSlider(L"EQ60HzSliderImage", 105);
  EXPECT_EQ(Transactions(), Steps{});
}

TEST_F(ThreeDSliderTest, LinkButtonsShowTheirModesPictureFromTheSkinsThreeDFolder) {
  TempFolder skin;
  ASSERT_TRUE(CreateDirectoryW(skin.File(L"3D").c_str(), nullptr));
  const std::string bmp = forms::test::SolidBmp(4, 4, 10, 20, 30);
  skin.WriteBytes(L"3D\\alpha-dep.bmp", bmp);
  skin.WriteBytes(L"3D\\alpha-inv.bmp", bmp);
  skinDirectory = skin.Path();
  skinPictures = {{L"D3AlphaDepImage", L"alpha-dep.bmp"}, {L"D3AlphaInvImage", L"alpha-inv.bmp"}};

  forms::Image& alpha = Image(L"D3AlphaImage");
  threeD->LinkButton(kTagAlphaLink);
  EXPECT_EQ(alpha.PicturePath(), skin.File(L"3D\\alpha-dep.bmp"));
  EXPECT_TRUE(alpha.HasPicture());
  threeD->LinkButton(kTagAlphaLink);
  EXPECT_EQ(alpha.PicturePath(), skin.File(L"3D\\alpha-inv.bmp"));
  threeD->LinkButton(kTagAlphaLink);  // mirrored: the skin names no Indep picture
  EXPECT_FALSE(alpha.HasPicture());
  EXPECT_EQ(threeD->BetaLinkMode(), features::kLinkNotChosen);
  EXPECT_FALSE(Image(L"D3BetaImage").HasPicture());
  // The link buttons need no device.
  EXPECT_EQ(Transactions(), Steps{});
}

}  // namespace
}  // namespace vorma::test
