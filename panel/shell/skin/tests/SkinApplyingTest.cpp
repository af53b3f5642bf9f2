// A loaded skin on the real main window: the record each image takes for the window's state, the
// picture rule of a single record, hidden controls without a skin, and the window's size.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "panel/shell/skin/SkinApplying.h"
#include "panel/shell/skin/tests/SkinWindowFixture.h"
#include "tests/support/DebugLines.h"

namespace vorma::shell::test {
namespace {

TEST_F(SkinWindowTest, EveryImageTakesTheRecordTheWindowStateChooses) {
  WriteEveryKeySkin({{"Main", "BevelLine=1\r\nBevelLine2=1\r\nBevelLine3=0\r\n"}, {"LED", "Color01Shape=10,20\r\n"}});
  ASSERT_TRUE(LoadSkinSetting(setting_, skin_.dir, 0).ok);
  SkinApplyState state;
  state.eqEnable = 1;
  state.threeDEnable = 1;
  state.ledIndicator = 0;
  state.eqPreset = 2;
  state.effect = 3;
  state.alphaMode = 1;
  state.currentPage = 3;
  int ledPageSkins = 0;
  state.applyLedPageSkin = [&ledPageSkins] { ++ledPageSkins; };
  const int dotWidth = form_->FindControlByName(L"Color01Shape")->Width();

  ApplySkinToControls(*form_, setting_, skin_, state);

  const std::pair<std::wstring_view, std::wstring_view> shown[] = {
      {L"EQEQENImage", L"EQEQENImageDown"},
      {L"EQ3DENImage", L"EQ3DENImageDown"},
      {L"D33DENImage", L"D33DENImageDown"},
      {L"MicMuteImage", L"MicMuteImageUp"},
      {L"VirtualClockwiseImage", L"VirtualClockwiseUpImage"},
      {L"LEDImage", L"LedImageUp"},
      {L"EQS1Image", L"EQS1ImageUp"},
      {L"EQS2Image", L"EQS2ImageDown"},
      // Effect n is the image with Tag 15 + n, whatever its name says.
      {L"EffectButtonStoneGalleryImage", L"EffectButtonBathroomImageDown"},
      {L"EffectButtonBathroomImage", L"EffectButtonStoneGalleryImageUp"},
      {L"EffectButtonNonImage", L"EffectButtonNonImageUp"},
      {L"EffectPicImage", L"EffectPicBathroomImage"},
      {L"D3AlphaImage", L"D3AlphaInvImage"},
      {L"D3BetaImage", L"D3BetaIndepImage"},
      {L"PageMicImage", L"PageMicDownImage"},
      {L"PageEQImage", L"PageEQUpImage"},
      {L"PageLEDImage", L"PageLEDUpImage"},
      {L"MainLeftImage", L"MainLeftImage3"},
      {L"CloseImage", L"CloseImageUp"},
      {L"Menu2Image", L"Menu2ImageUp"},
      {L"VirtualResetImage", L"VirtualResetUpImage"},
      {L"VMEffect4Image", L"VMEffect4UpImage"},
      {L"ENCFunctionImage", L"ENCFunctionUpImage"},
      {L"MainFormImage", L"MainFormImage"},
      {L"LogoImage", L"LogoImage"},
      {L"Back_3DImage", L"Back_3DImage"},
      {L"D3RBetaSliderImage", L"D3RBetaSliderImage"},
      {L"VirtualSUBImage", L"VirtualSUBImage"},
      {L"EQ60HzBarDownImage", L"EQ60HzBarDownImage"},
      {L"MicProgressImage", L"MicProgressImage"},
      // Images without a key of their own are left to their owners.
      {L"DeviceInImage", L""},
      {L"SyncImage", L""},
      {L"BeeImage", L""},
  };
  for (const auto& [image, key] : shown) EXPECT_EQ(ShownKey(image), key) << Narrow(image);

  EXPECT_TRUE(ImageNamed(L"Back_EQImage").Visible());
  EXPECT_EQ(ImageNamed(L"Back_EQImage").Width(), 7);  // the picture's size
  EXPECT_EQ(ImageNamed(L"MicProgressImage").Width(), 0);
  EXPECT_EQ(ImageNamed(L"MicProgressImage").Height(), 12);  // the form's: no automatic size
  for (std::wstring_view bevel : {L"Bevel2", L"Bevel3", L"Bevel4", L"Bevel5"})
    EXPECT_TRUE(form_->FindControlByName(bevel)->Visible()) << Narrow(bevel);
  for (std::wstring_view bevel : {L"Bevel6", L"Bevel7"})
    EXPECT_FALSE(form_->FindControlByName(bevel)->Visible()) << Narrow(bevel);
  const forms::Control* dot = form_->FindControlByName(L"Color01Shape");
  EXPECT_EQ(std::vector({dot->Left(), dot->Top(), dot->Width()}), std::vector({10, 20, dotWidth}));
  EXPECT_EQ(ledPageSkins, 1);
  EXPECT_EQ(form_->ClientWidth(), 7);
  EXPECT_EQ(form_->ClientHeight(), 5);

  // On the LED page the left image has no record and hides; without an effect the effect picture
  // stays as it was.
  state.currentPage = 6;
  state.effect = 0;
  ApplySkinToControls(*form_, setting_, skin_, state);
  EXPECT_FALSE(ImageNamed(L"MainLeftImage").Visible());
  EXPECT_EQ(ShownKey(L"PageLEDImage"), L"PageLEDDownImage");
  EXPECT_EQ(ShownKey(L"EffectPicImage"), L"EffectPicBathroomImage");
}

TEST_F(SkinWindowTest, WithoutSkinSettingEverySkinnedImageIsHidden) {
  ASSERT_TRUE(LoadSkinSetting(setting_, skin_.dir + L"Missing\\", 0).ok);
  vorma::test::DebugLineRecorder lines;
  ApplySkinToControls(*form_, setting_, skin_, SkinApplyState{});
  int hidden = 0;
  for (const auto& control : form_->Controls()) {
    if (control->Kind() != forms::ControlKind::Image) continue;
    const auto& image = static_cast<const forms::Image&>(*control);
    if (image.Name() == L"MainLeftImage" || SkinRecordForImage(image, setting_, SkinApplyState{})) {
      EXPECT_FALSE(image.Visible()) << Narrow(image.Name());
      ++hidden;
    }
  }
  std::vector<std::wstring> unskinned;
  for (const auto& control : form_->Controls())
    if (control->Kind() == forms::ControlKind::Image && control->Visible()) unskinned.push_back(control->Name());
  // What stays: the device indicators (the device state draws them), the effect picture (no
  // effect chosen) and the LED page's check and slider images (the LED page dresses them).
  EXPECT_EQ(unskinned, (std::vector<std::wstring>{L"DeviceInImage", L"DeviceOutImage", L"EffectPicImage",
                                                  L"ColorLEDOffCheckImage", L"ColorSingleCheckImage",
                                                  L"ColorBreatheCheckImage", L"ColorRainbowCheckImage",
                                                  L"ColorPulsatingCheckImage", L"ColorBreatheSliderImage",
                                                  L"ColorRainbowSliderImage", L"ColorPulsatingSliderImage"}))
      << hidden;
  EXPECT_TRUE(ImageNamed(L"DeviceInImage").Visible());
  // No MainFormImage picture: the window keeps its size rather than shrinking to nothing.
  EXPECT_EQ(form_->ClientWidth(), kMainFormClientWidth);
  EXPECT_EQ(form_->ClientHeight(), kMainFormClientHeight);
  EXPECT_TRUE(lines.Contains(L"[ApplySkinToControls] LED page skin not built: the LED page keeps its pictures\n"));
}

struct PlacementCase {
  const char* value;
  bool visible;
  bool autoSize;
  int left, top, width, height;  // -1: the form's own value
};

TEST_F(SkinWindowTest, ARecordShowsItsPictureWhereAndAsLargeAsItSays) {
  folder_.WriteBytes(L"pic.bmp", TinyBmp(7, 5));
  forms::Image& image = ImageNamed(L"Back_EQImage");
  const int ownLeft = image.Left(), ownTop = image.Top(), ownWidth = image.Width(), ownHeight = image.Height();
  const PlacementCase cases[] = {
      {"pic.bmp", true, true, -1, -1, 7, 5},
      {"pic.bmp,30,40", true, true, 30, 40, 7, 5},
      {"pic.bmp,,,50", true, false, -1, -1, 50, -1},
      {"pic.bmp,,,,60", true, false, -1, -1, -1, 60},
      {"pic.bmp,1,2,3,4", true, false, 1, 2, 3, 4},
      // Hidden; the picture it kept still gives the automatic size.
      {"", false, true, -1, -1, 7, 5},
  };
  const PictureKey& key = PictureKeys()[23];  // Back_EQImage
  ASSERT_EQ(key.key, L"Back_EQImage");
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.value);
    image.SetAutoSize(false);
    image.SetBounds(ownLeft, ownTop, ownWidth, ownHeight);
    image.SetVisible(true);
    const std::string value = c.value;
    ChangeImageAttr(ParseImageAtt(std::wstring(value.begin(), value.end()), key, 0), image, skin_);
    EXPECT_EQ(image.Visible(), c.visible);
    EXPECT_EQ(image.AutoSize(), c.autoSize);
    EXPECT_EQ(std::vector({image.Left(), image.Top(), image.Width(), image.Height()}),
              std::vector({c.left < 0 ? ownLeft : c.left, c.top < 0 ? ownTop : c.top, c.width < 0 ? ownWidth : c.width,
                           c.height < 0 ? ownHeight : c.height}));
  }
  // An empty record hides the image and leaves its picture.
  EXPECT_TRUE(image.HasPicture());
}

TEST_F(SkinWindowTest, ChangeImageAttrTracesAndGoesOnWhenAPictureDoesNotLoad) {
  folder_.WriteBytes(L"broken.bmp", "not a picture");
  forms::Image& image = ImageNamed(L"CloseImage");
  for (const wchar_t* name : {L"missing.bmp", L"broken.bmp"}) {
    vorma::test::DebugLineRecorder lines;
    ImageAtt record;
    record.Name = name;
    record.Left = 30;
    record.HasLeft = 1;
    record.Width = 20;
    record.HasWidth = 1;
    ChangeImageAttr(record, image, skin_);
    const std::wstring n = name;
    EXPECT_EQ(lines.Lines().at(0),
              L"[TAudioMainForm::ChangeImageAttr] ImageAtt->Name = " + n + L",ImageAtt->HasLeft = 1,ImageAtt->Left = 30");
    EXPECT_EQ(lines.Lines().at(1), L"[TAudioMainForm::ChangeImageAttr] m_tcSkin = Test");
    EXPECT_EQ(lines.Lines().at(2), L"[TAudioMainForm::ChangeImageAttr] ImageAtt->Name = " + n);
    EXPECT_TRUE(lines.Contains(L"***** LoadPicture " + skin_.dir + n + L" FAIL! *****\n"));
    EXPECT_TRUE(image.Visible());
    EXPECT_FALSE(image.HasPicture());
    EXPECT_EQ(image.Left(), 30);
    EXPECT_EQ(image.Width(), 20);
  }
}

}  // namespace
}  // namespace vorma::shell::test
