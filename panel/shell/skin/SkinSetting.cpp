#include "panel/shell/skin/SkinSetting.h"

#include "foundation/DebugOutput.h"

#include <initializer_list>

namespace vorma::shell {
namespace {

// The five lower equaliser bars and the lower microphone bar lie on page 0 unless the skin says
// otherwise, so the old-layout offsets never move them.
bool OnEveryPage(std::wstring_view key) {
  return key == L"EQ60HzBarDownImage" || key == L"EQ300HzBarDownImage" || key == L"EQ1200HzBarDownImage" ||
         key == L"EQ3600HzBarDownImage" || key == L"EQ12000HzBarDownImage" || key == L"MicBarDownImage";
}

void AddSection(std::vector<PictureKey>& keys, std::wstring_view section, int page,
                std::initializer_list<std::wstring_view> names, bool used = true) {
  for (std::wstring_view name : names) {
    PictureKey key;
    key.section = section;
    key.key = name;
    key.defaultPage = OnEveryPage(name) ? 0 : page;
    key.usedByControls = used;
    keys.push_back(key);
  }
}

std::vector<PictureKey> MakePictureKeys() {
  std::vector<PictureKey> k;
  AddSection(k, L"Main", 0,
             {L"MainFormImage", L"CloseImageUp", L"CloseImageDown", L"MinimizeImageUp", L"MinimizeImageDown",
              L"DeviceActiveImage", L"Menu1ImageUp", L"Menu1ImageDown", L"Menu2ImageUp", L"Menu2ImageDown",
              L"Menu3ImageUp", L"Menu3ImageDown", L"LogoImage", L"LedImageUp", L"LedImageDown", L"MainLeftImage1",
              L"MainLeftImage2", L"MainLeftImage3", L"MainLeftImage4", L"DeviceActiveUpImage",
              L"DeviceActiveDownImage", L"DeviceUnActiveUpImage", L"DeviceUnActiveDownImage"});
  AddSection(k, L"EQ", 1,
             {L"Back_EQImage", L"EQEQENImageUp", L"EQEQENImageDown", L"EQ3DENImageUp", L"EQ3DENImageDown",
              L"EQResetImageUp", L"EQResetImageDown", L"EQS1ImageUp", L"EQS1ImageDown", L"EQS2ImageUp",
              L"EQS2ImageDown", L"EQS3ImageUp", L"EQS3ImageDown", L"EQS4ImageUp", L"EQS4ImageDown",
              L"EQButtonLineImage1", L"EQButtonLineImage2", L"EQButtonLineImage3", L"EQButtonLineImage4",
              L"EQButtonLineImage5", L"EQGraduationImage", L"EQ60HzBarImage", L"EQ300HzBarImage",
              L"EQ1200HzBarImage", L"EQ3600HzBarImage", L"EQ12000HzBarImage", L"EQ60HzSliderImage",
              L"EQ300HzSliderImage", L"EQ1200HzSliderImage", L"EQ3600HzSliderImage", L"EQ12000HzSliderImage",
              L"EQ60HzBarDownImage", L"EQ300HzBarDownImage", L"EQ1200HzBarDownImage", L"EQ3600HzBarDownImage",
              L"EQ12000HzBarDownImage"});
  AddSection(k, L"3D", 5,
             {L"Back_3DImage", L"D33DENImageUp", L"D33DENImageDown", L"D3FBMImageUp", L"D3FBMImageDown",
              L"D3ResetImageUp", L"D3ResetImageDown", L"D3LChannelImage", L"D3RChannelImage", L"D3ConnectionImage",
              L"D3AlphaIndepImage", L"D3AlphaDepImage", L"D3AlphaInvImage", L"D3BetaIndepImage", L"D3BetaDepImage",
              L"D3BetaInvImage", L"D3ButtonLineImage1", L"D3ButtonLineImage2", L"D3LAlphaGraduationImage",
              L"D3LBetaGraduationImage", L"D3RAlphaGraduationImage", L"D3RBetaGraduationImage", L"D3LAlphaBarImage",
              L"D3LBetaBarImage", L"D3RAlphaBarImage", L"D3RBetaBarImage", L"D3LAlphaSliderImage",
              L"D3LBetaSliderImage", L"D3RAlphaSliderImage", L"D3RBetaSliderImage"});
  AddSection(k, L"Effect", 2,
             {L"Back_EffectImage", L"EffectButtonNonImageUp", L"EffectButtonNonImageDown",
              L"EffectButtonTheaterImageUp", L"EffectButtonTheaterImageDown", L"EffectButtonBathroomImageUp",
              L"EffectButtonBathroomImageDown", L"EffectButtonLivingroomImageUp", L"EffectButtonLivingroomImageDown",
              L"EffectButtonStoneGalleryImageUp", L"EffectButtonStoneGalleryImageDown", L"EffectButtonLineImage1",
              L"EffectButtonLineImage2", L"EffectButtonLineImage3", L"EffectButtonLineImage4", L"EffectPicNonImage",
              L"EffectPicTheaterImage", L"EffectPicBathroomImage", L"EffectPicLivingroomImage",
              L"EffectPicStoneGalleryImage"});
  AddSection(k, L"Mic", 3,
             {L"Back_MicImage", L"MicBoostImageUp", L"MicBoostImageDown", L"MicMuteImageUp", L"MicMuteImageDown",
              L"MicMonitorImageUp", L"MicMonitorImageDown", L"MicButtonLineImage", L"MicPicImage",
              L"MicProgressImage", L"MicGainImage", L"MicGraduationImage", L"MicBarImage", L"MicSliderImage",
              L"MicValueImage", L"MicBarDownImage"});
  AddSection(k, L"Virtual7ch1", 4,
             {L"Back_Virtual7p1Image", L"VirtualEnableImageUp", L"VirtualEnableImageDown", L"VirtualDisableImageUp",
              L"VirtualDisableImageDown", L"VirtualClockwiseUpImage", L"VirtualClockwiseDownImage",
              L"VirtualCounterclockwiseUpImage", L"VirtualCounterclockwiseDownImage", L"VirtualEnlargeUpImage",
              L"VirtualEnlargeDownImage", L"VirtualNarrowUpImage", L"VirtualNarrowDownImage", L"VirtualResetUpImage",
              L"VirtualResetDownImage", L"VirtualPicImage", L"VirtualCImage", L"VirtualLImage", L"VirtualLSImage",
              L"VirtualLBImage", L"VirtualRBImage", L"VirtualRSImage", L"VirtualRImage", L"VirtualSUBImage",
              L"VirtualButtonLineImage1", L"VirtualButtonLineImage2", L"VirtualButtonLineImage3"});
  AddSection(k, L"About", 0, {L"LogoImage"});
  AddSection(k, L"Main", 0,
             {L"PageEQUpImage", L"PageEffectUpImage", L"PageMicUpImage", L"PageVirtual7p1UpImage",
              L"PageEQDownImage", L"PageEffectDownImage", L"PageMicDownImage", L"PageVirtual7p1DownImage",
              L"PageLEDUpImage", L"PageLEDDownImage", L"PageENCUpImage", L"PageENCDownImage",
              L"PageVMEffectUpImage", L"PageVMEffectDownImage"});
  AddSection(k, L"LED", 6,
             {L"ColorBreatheBarImage", L"ColorRainbowBarImage", L"ColorPulsatingBarImage",
              L"ColorBreatheSliderUpImage", L"ColorBreatheSliderDownImage", L"ColorRainbowSliderUpImage",
              L"ColorRainbowSliderDownImage", L"ColorPulsatingSliderUpImage", L"ColorPulsatingSliderDownImage",
              L"ColorBreatheCheckUpImage", L"ColorBreatheCheckDownImage", L"ColorRainbowCheckUpImage",
              L"ColorRainbowCheckDownImage", L"ColorPulsatingCheckUpImage", L"ColorPulsatingCheckDownImage",
              L"ColorLEDOffCheckUpImage", L"ColorLEDOffCheckDownImage", L"ColorSingleCheckUpImage",
              L"ColorSingleCheckDownImage"});
  AddSection(k, L"ENC", 7,
             {L"ENCFunctionUpImage", L"ENCFunctionDownImage", L"ENCBarImage", L"ENCSliderImage", L"ENCValueImage"});
  AddSection(k, L"RuvavIzezo", 8,
             {L"VMEffectNoneUpImage", L"VMEffectNoneDownImage", L"VMEffect1UpImage", L"VMEffect1DownImage",
              L"VMEffect2UpImage", L"VMEffect2DownImage", L"VMEffect3UpImage", L"VMEffect3DownImage",
              L"VMEffect4UpImage", L"VMEffect4DownImage", L"VMFunctionUpImage", L"VMFunctionDownImage"});
  // Keys older skins carry; read like the others, shown by no control.
  AddSection(k, L"Effect", 2,
             {L"EffectPanel", L"EffectNonUpImage", L"EffectNonDownImage", L"EffectTheaterUpImage",
              L"EffectTheaterDownImage", L"EffectStoneGalleryUpImage", L"EffectStoneGalleryDownImage",
              L"EffectLivingroomUpImage", L"EffectLivingroomDownImage", L"EffectBathroomUpImage",
              L"EffectBathroomDownImage"},
             false);
  AddSection(k, L"Mic", 3, {L"MicPanel"}, false);
  AddSection(k, L"Virtual7ch1", 4, {L"VirtualPanel"}, false);
  return k;
}

SkinLayout DefaultLayout() {
  SkinLayout layout;
  const std::array<std::wstring_view, kColorShapeCount> shapes{
      L"Color01Shape", L"Color02Shape", L"Color03Shape", L"Color04Shape",    L"Color05Shape",
      L"Color06Shape", L"Color07Shape", L"ColorSingleShape", L"ColorBreatheShape"};
  for (size_t i = 0; i < shapes.size(); ++i) layout.colorShapes[i].key = shapes[i];
  return layout;
}

}  // namespace

std::span<const PictureKey> PictureKeys() {
  static const std::vector<PictureKey> keys = MakePictureKeys();
  return keys;
}

SkinSetting::SkinSetting() : layout(DefaultLayout()), records_(PictureKeys().size()) {}

const ImageAtt& SkinSetting::EmptyRecord() {
  static const ImageAtt empty;
  return empty;
}

const ImageAtt& SkinSetting::Record(std::wstring_view key) const {
  const auto keys = PictureKeys();
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i].key == key) return records_[i];
  DebugPrint(L"[SkinSetting::Record] no picture key %s\n", std::wstring(key).c_str());
  return EmptyRecord();
}

const ImageAtt& SkinSetting::Record(std::wstring_view section, std::wstring_view key) const {
  const auto keys = PictureKeys();
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i].section == section && keys[i].key == key) return records_[i];
  DebugPrint(L"[SkinSetting::Record] no picture key [%s] %s\n", std::wstring(section).c_str(),
             std::wstring(key).c_str());
  return EmptyRecord();
}

std::wstring_view MainLeftKey(int page) {
  switch (page) {
    case 1: return L"MainLeftImage1";
    case 2: return L"MainLeftImage2";
    case 3: return L"MainLeftImage3";
    case 4: return L"MainLeftImage4";
    default: return {};
  }
}

const ImageAtt& SkinSetting::MainLeftRecord(int page) const {
  const std::wstring_view key = MainLeftKey(page);
  return key.empty() ? EmptyRecord() : Record(key);
}

void SkinSetting::ClearRecords() {
  for (ImageAtt& record : records_) record = ImageAtt{};
}

}  // namespace vorma::shell
