// Integrity of the form resources: names, the Tags the click routing depends on, the controls the
// skin and language records are applied to, handler names and layout.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "panel/shell/MainFormResource.h"
#include "panel/shell/OtherFormsResource.h"

namespace vorma::shell {
namespace {

using namespace std::literals;

std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

const ControlDescriptor& MustFind(const FormDescriptor& form, std::wstring_view name) {
  const ControlDescriptor* control = FindControlDescriptor(form, name);
  if (control == nullptr) {
    ADD_FAILURE() << Narrow(form.className) << " has no control " << Narrow(name);
    static const ControlDescriptor kNone{};
    return kNone;
  }
  return *control;
}

// Every name a form declares: controls, timers, menu items, tray icons and components.
std::vector<std::wstring_view> AllNames(const FormDescriptor& form) {
  std::vector<std::wstring_view> names;
  for (const auto& c : form.controls) names.push_back(c.name);
  for (const auto& t : form.timers) names.push_back(t.name);
  for (const auto& m : form.menuItems) names.push_back(m.name);
  for (const auto& t : form.trayIcons) names.push_back(t.name);
  for (const auto& c : form.components) names.push_back(c.name);
  return names;
}

TEST(FormResourceTest, EveryNameOfAFormIsUniqueAndNotEmpty) {
  for (const FormDescriptor* form : FormCreationOrder()) {
    std::set<std::wstring_view> seen;
    for (std::wstring_view name : AllNames(*form)) {
      EXPECT_FALSE(name.empty()) << Narrow(form->className);
      EXPECT_TRUE(seen.insert(name).second) << Narrow(form->className) << ": " << Narrow(name) << " declared twice";
    }
  }
}

TEST(FormResourceTest, FormsAreCreatedMainWindowFirstThenTheDialogsInOrder) {
  std::vector<std::wstring_view> classes;
  for (const FormDescriptor* form : FormCreationOrder()) classes.push_back(form->className);
  EXPECT_EQ(classes, (std::vector{L"TAudioMainForm"sv, L"TAboutForm"sv, L"TLEDForm"sv, L"TSimpleForm"sv, L"TLEDColorForm"sv}));

  const FormDescriptor& main = MainFormResource();
  EXPECT_EQ(main.caption, L"Vormapanel");
  EXPECT_EQ(main.clientWidth, 819);
  EXPECT_EQ(main.clientHeight, 513);
  EXPECT_EQ(main.border, FormBorder::None);
  EXPECT_EQ(main.position, FormPosition::ScreenCenter);
  EXPECT_TRUE(main.doubleBuffered);
  EXPECT_EQ(main.events.onCreate, L"FormCreate");
  EXPECT_EQ(main.events.onActivate, L"FormActivate");
  EXPECT_EQ(main.events.onDestroy, L"FormDestroy");
  EXPECT_EQ(main.events.onMouseDown, L"FormMouseDown");
}

struct TagCase {
  std::wstring_view name;
  ControlKind kind;
  int tag;
};

// The routing keys of the main window: the image and label of each Tag-routed button, the sliders
// and their bars, the speakers, the LED page controls and the controls declared without a Tag.
constexpr ControlKind I = ControlKind::Image;
constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind S = ControlKind::Shape;
const TagCase kTagCases[] = {
    {L"CloseImage", I, 0}, {L"MinimizeImage", I, 1},
    {L"Menu1Image", I, 2}, {L"Menu1Label", L, 2}, {L"Menu2Image", I, 3}, {L"Menu2Label", L, 3},
    {L"Menu3Image", I, 4}, {L"Menu3Label", L, 4},
    {L"EQResetImage", I, 5}, {L"EQResetLabel", L, 5}, {L"D3ResetImage", I, 6}, {L"D3ResetLabel", L, 6},
    {L"EQEQENImage", I, 7}, {L"EQEQENLabel", L, 7}, {L"EQ3DENImage", I, 8}, {L"EQ3DENLabel", L, 8},
    {L"EQS1Image", I, 9}, {L"EQS2Image", I, 10}, {L"EQS3Image", I, 11}, {L"EQS4Image", I, 12},
    {L"EQS1Label", L, 9}, {L"EQS2Label", L, 10}, {L"EQS3Label", L, 11}, {L"EQS4Label", L, 12},
    {L"D3FBMImage", I, 13}, {L"D3FBMLabel", L, 13}, {L"D3AlphaImage", I, 14}, {L"D3BetaImage", I, 15},
    {L"EffectButtonNonImage", I, 16}, {L"EffectButtonTheaterImage", I, 17},
    {L"EffectButtonStoneGalleryImage", I, 18}, {L"EffectButtonLivingroomImage", I, 19},
    {L"EffectButtonBathroomImage", I, 20},
    {L"EffectNonLabel", L, 16}, {L"EffectTheaterLabel", L, 17}, {L"EffectBathroomLabel", L, 18},
    {L"EffectLivingroomLabel", L, 19}, {L"EffectStoneGalleryLabel", L, 20},
    {L"MicBoostImage", I, 21}, {L"MicBoostLabel", L, 21}, {L"MicMuteImage", I, 22}, {L"MicMuteLabel", L, 22},
    {L"PageEQImage", I, 23}, {L"PageEQLabel", L, 23}, {L"Page3DImage", I, 24}, {L"Page3DLabel", L, 24},
    {L"PageEffectImage", I, 25}, {L"PageEffectLabel", L, 25}, {L"PageMicImage", I, 26}, {L"PageMicLabel", L, 26},
    {L"PageVirtual7p1Image", I, 27}, {L"PageVirtual7p1Label", L, 27},
    {L"SyncImage", I, 28}, {L"SyncLabel", L, 28},
    {L"EQ60HzSliderImage", I, 29}, {L"EQ300HzSliderImage", I, 30}, {L"EQ1200HzSliderImage", I, 31},
    {L"EQ3600HzSliderImage", I, 32}, {L"EQ12000HzSliderImage", I, 33},
    {L"EQ60HzValueLabel", L, 29}, {L"EQ300HzValueLabel", L, 30}, {L"EQ1200HzValueLabel", L, 31},
    {L"EQ3600HzValueLabel", L, 32}, {L"EQ12000HzValueLabel", L, 33},
    {L"EQ60HzBarImage", I, 129}, {L"EQ300HzBarImage", I, 130}, {L"EQ1200HzBarImage", I, 131},
    {L"EQ3600HzBarImage", I, 132}, {L"EQ12000HzBarImage", I, 133},
    {L"EQ60HzBarDownImage", I, 229}, {L"EQ300HzBarDownImage", I, 230}, {L"EQ1200HzBarDownImage", I, 231},
    {L"EQ3600HzBarDownImage", I, 232}, {L"EQ12000HzBarDownImage", I, 233},
    {L"D3LBetaSliderImage", I, 34}, {L"D3LAlphaSliderImage", I, 35}, {L"D3RBetaSliderImage", I, 36},
    {L"D3RAlphaSliderImage", I, 37},
    {L"MicSliderImage", I, 38}, {L"MicValueLabel", L, 38}, {L"ENCValueLabel", L, 38},
    {L"MicBarImage", I, 138}, {L"MicBarDownImage", I, 238},
    {L"VirtualLImage", I, 39}, {L"VirtualRImage", I, 40}, {L"VirtualCImage", I, 41}, {L"VirtualSUBImage", I, 42},
    {L"VirtualLSImage", I, 43}, {L"VirtualRSImage", I, 44}, {L"VirtualLBImage", I, 45}, {L"VirtualRBImage", I, 46},
    {L"VirtualEnableImage", I, 47}, {L"VirtualENLabel", L, 47},
    {L"VirtualResetImage", I, 48}, {L"VirtualResetLabel", L, 48},
    {L"VirtualClockwiseImage", I, 49}, {L"VirtualClockwiseLabel", L, 49},
    {L"VirtualCounterclockwiseImage", I, 50}, {L"VirtualCounterclockwiseLabel", L, 50},
    {L"LEDImage", I, 51},
    {L"VirtualNarrowImage", I, 52}, {L"VirtualNarrowLabel", L, 52},
    {L"VirtualEnlargeImage", I, 53}, {L"VirtualEnlargeLabel", L, 53},
    {L"DeviceInImage", I, 54}, {L"DeviceInLabel", L, 54}, {L"DeviceOutImage", I, 55}, {L"DeviceOutLabel", L, 55},
    {L"ENCSliderImage", I, 88}, {L"ENCBarImage", I, 188},
    {L"MicMonitorImage", I, 89}, {L"MicMonitorLabel", L, 89},
    {L"PageVMEffectImage", I, 226}, {L"PageVMEffectLabel", L, 226},
    {L"PageENCImage", I, 227}, {L"PageENCLabel", L, 227},
    {L"PageLEDImage", I, 228}, {L"PageLEDLabel", L, 228},
    {L"Color01Shape", S, 151}, {L"Color02Shape", S, 152}, {L"Color03Shape", S, 153}, {L"Color04Shape", S, 154},
    {L"Color05Shape", S, 155}, {L"Color06Shape", S, 156}, {L"Color07Shape", S, 157},
    {L"ColorBreatheShape", S, 183}, {L"ColorSingleShape", S, 184},
    {L"ColorPulsatingBarImage", I, 237}, {L"ColorBreatheBarImage", I, 238}, {L"ColorRainbowBarImage", I, 239},
    {L"ColorPulsatingCheckImage", I, 337}, {L"ColorBreatheCheckImage", I, 338}, {L"ColorRainbowCheckImage", I, 339},
    {L"ColorLEDOffCheckImage", I, 340}, {L"ColorSingleCheckImage", I, 341},
    {L"D33DENImage", I, 0}, {L"D33DENLabel", L, 0},
};

TEST(FormResourceTest, MainWindowControlsCarryTheirRoutingTags) {
  const FormDescriptor& form = MainFormResource();
  for (const TagCase& c : kTagCases) {
    const ControlDescriptor& control = MustFind(form, c.name);
    EXPECT_EQ(control.kind, c.kind) << Narrow(c.name);
    EXPECT_EQ(control.tag, c.tag) << Narrow(c.name);
  }
}

TEST(FormResourceTest, OnlyTheKnownTagsAreSharedWithinAClass) {
  std::map<std::pair<ControlKind, int>, std::vector<std::wstring_view>> byTag;
  for (const auto& c : MainFormResource().controls) {
    if (c.tag != 0) byTag[{c.kind, c.tag}].push_back(c.name);
  }
  std::map<std::pair<ControlKind, int>, std::vector<std::wstring_view>> shared;
  for (const auto& [key, names] : byTag) {
    if (names.size() > 1) shared[key] = names;
  }
  // The press handler tells the two 238 bars apart by name; the two value labels are only written.
  const std::map<std::pair<ControlKind, int>, std::vector<std::wstring_view>> expected{
      {{ControlKind::Image, 238}, {L"MicBarDownImage", L"ColorBreatheBarImage"}},
      {{ControlKind::Label, 38}, {L"MicValueLabel", L"ENCValueLabel"}},
  };
  EXPECT_EQ(shared, expected);
}

TEST(FormResourceTest, ForwardingLabelsFindAnImageWithTheirTag) {
  const FormDescriptor& form = MainFormResource();
  int forwarding = 0;
  for (const auto& c : form.controls) {
    if (c.events.onMouseDown != L"OnLabelMouseDown" && c.events.onMouseDown != L"OnLabelPageMouseDown") continue;
    ++forwarding;
    EXPECT_EQ(c.kind, ControlKind::Label) << Narrow(c.name);
    EXPECT_NE(FindFirstControlWithTag(form, ControlKind::Image, c.tag), nullptr) << Narrow(c.name);
  }
  EXPECT_GT(forwarding, 40);
  // The press handlers are bound in pairs on the Tag-routed images and labels.
  for (const auto& c : form.controls) {
    if (c.events.onMouseDown == L"OnImageMouseDown") {
      EXPECT_EQ(c.events.onMouseUp, L"OnImageMouseUp") << Narrow(c.name);
    }
    if (c.events.onMouseDown == L"OnLabelMouseDown") {
      EXPECT_EQ(c.events.onMouseUp, L"OnLabelMouseUp") << Narrow(c.name);
    }
  }
}

TEST(FormResourceTest, DragTargetsAndFeatureButtonsAreBoundToThePressHandlers) {
  const FormDescriptor& form = MainFormResource();
  for (std::wstring_view name :
       {L"EQ60HzSliderImage"sv, L"EQ12000HzBarImage"sv, L"EQ3600HzBarDownImage"sv, L"MicBarDownImage"sv,
        L"D3RBetaSliderImage"sv, L"VirtualSUBImage"sv, L"VirtualEnableImage"sv, L"LEDImage"sv, L"D33DENImage"sv,
        L"PageLEDImage"sv, L"CloseImage"sv}) {
    EXPECT_EQ(MustFind(form, name).events.onMouseDown, L"OnImageMouseDown") << Narrow(name);
  }
  const ControlDescriptor& encSlider = MustFind(form, L"ENCSliderImage");
  EXPECT_EQ(encSlider.events.onMouseDown, L"ENCSliderImageMouseDown");
  EXPECT_EQ(encSlider.events.onMouseMove, L"ENCSliderImageMouseMove");
  EXPECT_EQ(encSlider.events.onMouseUp, L"ENCSliderImageMouseUp");
  EXPECT_EQ(MustFind(form, L"ENCFunctionLabel").events.onClick, L"ENCFunctionImageClick");
  EXPECT_EQ(MustFind(form, L"VMEffect3Label").events.onClick, L"VMEffect3ImageClick");
  EXPECT_EQ(MustFind(form, L"VirtualResetLabel").events.onClick, L"VirtualResetLabelClick");
  EXPECT_EQ(MustFind(form, L"PageLEDLabel").events.onClick, L"PageLEDLabelClick");
  EXPECT_EQ(MustFind(form, L"Color05Shape").events.onMouseDown, L"OnShapeMouseDown");
  for (std::wstring_view name : {L"MainFormImage"sv, L"MainLeftImage"sv, L"DeviceActiveImage"sv, L"LogoImage"sv}) {
    EXPECT_EQ(MustFind(form, name).events.onMouseDown, L"FormMouseDown") << Narrow(name);
  }
}

// Picture keys of SkinSetting.ini by section default page, in reading order.
struct KeySection {
  int page;
  std::vector<std::wstring_view> keys;
};

std::vector<KeySection> PictureKeySections() {
  return {
      {0, {L"MainFormImage", L"CloseImageUp", L"CloseImageDown", L"MinimizeImageUp", L"MinimizeImageDown", L"DeviceActiveImage",
           L"Menu1ImageUp", L"Menu1ImageDown", L"Menu2ImageUp", L"Menu2ImageDown", L"Menu3ImageUp", L"Menu3ImageDown", L"LogoImage",
           L"LedImageUp", L"LedImageDown", L"MainLeftImage1", L"MainLeftImage2", L"MainLeftImage3", L"MainLeftImage4",
           L"DeviceActiveUpImage", L"DeviceActiveDownImage", L"DeviceUnActiveUpImage", L"DeviceUnActiveDownImage"}},
      {1, {L"Back_EQImage", L"EQEQENImageUp", L"EQEQENImageDown", L"EQ3DENImageUp", L"EQ3DENImageDown", L"EQResetImageUp",
           L"EQResetImageDown", L"EQS1ImageUp", L"EQS1ImageDown", L"EQS2ImageUp", L"EQS2ImageDown", L"EQS3ImageUp", L"EQS3ImageDown",
           L"EQS4ImageUp", L"EQS4ImageDown", L"EQButtonLineImage1", L"EQButtonLineImage2", L"EQButtonLineImage3",
           L"EQButtonLineImage4", L"EQButtonLineImage5", L"EQGraduationImage", L"EQ60HzBarImage", L"EQ300HzBarImage",
           L"EQ1200HzBarImage", L"EQ3600HzBarImage", L"EQ12000HzBarImage", L"EQ60HzSliderImage", L"EQ300HzSliderImage",
           L"EQ1200HzSliderImage", L"EQ3600HzSliderImage", L"EQ12000HzSliderImage", L"EQ60HzBarDownImage",
           L"EQ300HzBarDownImage", L"EQ1200HzBarDownImage", L"EQ3600HzBarDownImage", L"EQ12000HzBarDownImage"}},
      {5, {L"Back_3DImage", L"D33DENImageUp", L"D33DENImageDown", L"D3FBMImageUp", L"D3FBMImageDown", L"D3ResetImageUp",
           L"D3ResetImageDown", L"D3LChannelImage", L"D3RChannelImage", L"D3ConnectionImage", L"D3AlphaIndepImage",
           L"D3AlphaDepImage", L"D3AlphaInvImage", L"D3BetaIndepImage", L"D3BetaDepImage", L"D3BetaInvImage",
           L"D3ButtonLineImage1", L"D3ButtonLineImage2", L"D3LAlphaGraduationImage", L"D3LBetaGraduationImage",
           L"D3RAlphaGraduationImage", L"D3RBetaGraduationImage", L"D3LAlphaBarImage", L"D3LBetaBarImage", L"D3RAlphaBarImage",
           L"D3RBetaBarImage", L"D3LAlphaSliderImage", L"D3LBetaSliderImage", L"D3RAlphaSliderImage", L"D3RBetaSliderImage"}},
      {2, {L"Back_EffectImage", L"EffectButtonNonImageUp", L"EffectButtonNonImageDown", L"EffectButtonTheaterImageUp",
           L"EffectButtonTheaterImageDown", L"EffectButtonBathroomImageUp", L"EffectButtonBathroomImageDown",
           L"EffectButtonLivingroomImageUp", L"EffectButtonLivingroomImageDown", L"EffectButtonStoneGalleryImageUp",
           L"EffectButtonStoneGalleryImageDown", L"EffectButtonLineImage1", L"EffectButtonLineImage2", L"EffectButtonLineImage3",
           L"EffectButtonLineImage4", L"EffectPicNonImage", L"EffectPicTheaterImage", L"EffectPicBathroomImage",
           L"EffectPicLivingroomImage", L"EffectPicStoneGalleryImage"}},
      {3, {L"Back_MicImage", L"MicBoostImageUp", L"MicBoostImageDown", L"MicMuteImageUp", L"MicMuteImageDown", L"MicMonitorImageUp",
           L"MicMonitorImageDown", L"MicButtonLineImage", L"MicPicImage", L"MicProgressImage", L"MicGainImage",
           L"MicGraduationImage", L"MicBarImage", L"MicSliderImage", L"MicValueImage", L"MicBarDownImage"}},
      {4, {L"Back_Virtual7p1Image", L"VirtualEnableImageUp", L"VirtualEnableImageDown", L"VirtualDisableImageUp",
           L"VirtualDisableImageDown", L"VirtualClockwiseUpImage", L"VirtualClockwiseDownImage", L"VirtualCounterclockwiseUpImage",
           L"VirtualCounterclockwiseDownImage", L"VirtualEnlargeUpImage", L"VirtualEnlargeDownImage", L"VirtualNarrowUpImage",
           L"VirtualNarrowDownImage", L"VirtualResetUpImage", L"VirtualResetDownImage", L"VirtualPicImage", L"VirtualCImage",
           L"VirtualLImage", L"VirtualLSImage", L"VirtualLBImage", L"VirtualRBImage", L"VirtualRSImage", L"VirtualRImage",
           L"VirtualSUBImage", L"VirtualButtonLineImage1", L"VirtualButtonLineImage2", L"VirtualButtonLineImage3"}},
      {0, {L"PageEQUpImage", L"PageEffectUpImage", L"PageMicUpImage", L"PageVirtual7p1UpImage", L"PageEQDownImage",
           L"PageEffectDownImage", L"PageMicDownImage", L"PageVirtual7p1DownImage", L"PageLEDUpImage", L"PageLEDDownImage",
           L"PageENCUpImage", L"PageENCDownImage", L"PageVMEffectUpImage", L"PageVMEffectDownImage"}},
      {6, {L"ColorBreatheBarImage", L"ColorRainbowBarImage", L"ColorPulsatingBarImage", L"ColorBreatheSliderUpImage",
           L"ColorBreatheSliderDownImage", L"ColorRainbowSliderUpImage", L"ColorRainbowSliderDownImage",
           L"ColorPulsatingSliderUpImage", L"ColorPulsatingSliderDownImage", L"ColorBreatheCheckUpImage",
           L"ColorBreatheCheckDownImage", L"ColorRainbowCheckUpImage", L"ColorRainbowCheckDownImage",
           L"ColorPulsatingCheckUpImage", L"ColorPulsatingCheckDownImage", L"ColorLEDOffCheckUpImage",
           L"ColorLEDOffCheckDownImage", L"ColorSingleCheckUpImage", L"ColorSingleCheckDownImage"}},
      {7, {L"ENCFunctionUpImage", L"ENCFunctionDownImage", L"ENCBarImage", L"ENCSliderImage", L"ENCValueImage"}},
      {8, {L"VMEffectNoneUpImage", L"VMEffectNoneDownImage", L"VMEffect1UpImage", L"VMEffect1DownImage", L"VMEffect2UpImage",
           L"VMEffect2DownImage", L"VMEffect3UpImage", L"VMEffect3DownImage", L"VMEffect4UpImage", L"VMEffect4DownImage",
           L"VMFunctionUpImage", L"VMFunctionDownImage"}},
  };
}

bool EndsWith(std::wstring_view text, std::wstring_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The control a picture key's record is applied to.
std::wstring ControlForPictureKey(std::wstring_view key) {
  static const std::map<std::wstring_view, std::wstring_view> kSpecial{
      {L"LedImageUp", L"LEDImage"}, {L"LedImageDown", L"LEDImage"},
      {L"MainLeftImage1", L"MainLeftImage"}, {L"MainLeftImage2", L"MainLeftImage"},
      {L"MainLeftImage3", L"MainLeftImage"}, {L"MainLeftImage4", L"MainLeftImage"},
      {L"DeviceActiveUpImage", L"DeviceInImage"}, {L"DeviceActiveDownImage", L"DeviceInImage"},
      {L"DeviceUnActiveUpImage", L"DeviceOutImage"}, {L"DeviceUnActiveDownImage", L"DeviceOutImage"},
      {L"D3AlphaIndepImage", L"D3AlphaImage"}, {L"D3AlphaDepImage", L"D3AlphaImage"}, {L"D3AlphaInvImage", L"D3AlphaImage"},
      {L"D3BetaIndepImage", L"D3BetaImage"}, {L"D3BetaDepImage", L"D3BetaImage"}, {L"D3BetaInvImage", L"D3BetaImage"},
      {L"VirtualDisableImageUp", L"VirtualEnableImage"}, {L"VirtualDisableImageDown", L"VirtualEnableImage"},
  };
  if (auto it = kSpecial.find(key); it != kSpecial.end()) return std::wstring(it->second);
  if (key.starts_with(L"EffectPic")) return L"EffectPicImage";
  if (EndsWith(key, L"BarDownImage")) return std::wstring(key);
  for (std::wstring_view tail : {L"ImageUp"sv, L"ImageDown"sv, L"UpImage"sv, L"DownImage"sv}) {
    if (EndsWith(key, tail)) return std::wstring(key.substr(0, key.size() - tail.size())) + L"Image";
  }
  return std::wstring(key);
}

TEST(FormResourceTest, EveryPictureKeyHasItsImageOnThePageOfItsSection) {
  const FormDescriptor& form = MainFormResource();
  std::set<std::wstring> covered;
  size_t keys = 0;
  for (const KeySection& section : PictureKeySections()) {
    for (std::wstring_view key : section.keys) {
      ++keys;
      const std::wstring name = ControlForPictureKey(key);
      const ControlDescriptor& control = MustFind(form, name);
      EXPECT_EQ(control.kind, ControlKind::Image) << Narrow(key);
      EXPECT_EQ(control.page, section.page) << Narrow(key);
      covered.insert(name);
    }
  }
  // With [About] LogoImage, which the About dialog's logo takes.
  EXPECT_EQ(keys + 1, 203u);
  EXPECT_EQ(MustFind(AboutFormResource(), L"LOGOQZImage").kind, ControlKind::Image);

  // The other way round: only three images of the window have no picture key.
  std::vector<std::wstring_view> withoutKey;
  for (const auto& c : form.controls) {
    if (c.kind == ControlKind::Image && !covered.contains(std::wstring(c.name))) withoutKey.push_back(c.name);
  }
  EXPECT_EQ(withoutKey, (std::vector{L"SyncImage"sv, L"Page3DImage"sv, L"BeeImage"sv}));
}

TEST(FormResourceTest, EveryLanguageLabelKeyHasItsLabel) {
  // Keys of Language.ini that name a label of the window (the menu captions, the About texts and
  // the message texts have none); LabelActive, LabelUnDriver and LabelUnactive share one label.
  const std::map<std::wstring_view, std::wstring_view> kLabelKeys{
      {L"LabelMenu1", L"Menu1Label"}, {L"LabelMenu2", L"Menu2Label"}, {L"LabelMenu3", L"Menu3Label"},
      {L"LabelPageEQ", L"PageEQLabel"}, {L"LabelPage3D", L"Page3DLabel"}, {L"LabelPageEffect", L"PageEffectLabel"},
      {L"LabelPageMic", L"PageMicLabel"}, {L"LabelPageVirtual7ch1", L"PageVirtual7p1Label"},
      {L"LabelActive", L"DeviceActiveLabel"}, {L"LabelUnDriver", L"DeviceActiveLabel"}, {L"LabelUnactive", L"DeviceActiveLabel"},
      {L"LabelSync", L"SyncLabel"}, {L"LabelSetting", L"SettingLabel"}, {L"LabelSX", L"SXLabel"},
      {L"LabelFeatures", L"FeaturesLabel"}, {L"LabelCompanyName", L"CompanyNameLabel"},
      {L"DeviceInLabel", L"DeviceInLabel"}, {L"DeviceOutLabel", L"DeviceOutLabel"},
      {L"LabelPageLED", L"PageLEDLabel"}, {L"LabelPageENC", L"PageENCLabel"}, {L"LabelPageVMEffect", L"PageVMEffectLabel"},
      {L"LabelEQEnable", L"EQEQENLabel"}, {L"LableEQ3DEnable", L"EQ3DENLabel"}, {L"LabelEQReset", L"EQResetLabel"},
      {L"LabelEQS1", L"EQS1Label"}, {L"LabelEQS2", L"EQS2Label"}, {L"LabelEQS3", L"EQS3Label"}, {L"LabelEQS4", L"EQS4Label"},
      {L"LabelEQ60Hz", L"EQ60HzLabel"}, {L"LabelEQ300Hz", L"EQ300HzLabel"}, {L"LabelEQ1200Hz", L"EQ1200HzLabel"},
      {L"LabelEQ3600Hz", L"EQ3600HzLabel"}, {L"LabelEQ12000Hz", L"EQ12000HzLabel"},
      {L"Label3DEnable", L"D33DENLabel"}, {L"Label3DFBM", L"D3FBMLabel"}, {L"Label3DReset", L"D3ResetLabel"},
      {L"Label3DLeftChannel", L"D3LChannelLabel"}, {L"Label3DRightChannel", L"D3RChannelLabel"},
      {L"Label3DConnection", L"D3ConnectLabel"},
      {L"LabelEffectNothing", L"EffectNonLabel"}, {L"LabelEffectTheater", L"EffectTheaterLabel"},
      {L"LabelEffectBathroom", L"EffectBathroomLabel"}, {L"LabelEffectLivingroom", L"EffectLivingroomLabel"},
      {L"LabelEffectStoneGallery", L"EffectStoneGalleryLabel"},
      {L"LabelMicBoost", L"MicBoostLabel"}, {L"LabelMicMute", L"MicMuteLabel"}, {L"LabelMicMonitor", L"MicMonitorLabel"},
      {L"LabelMicGain", L"MicGainLabel"}, {L"LabelMicValue", L"MicValueLabel"},
      {L"Label7ch1Enable", L"VirtualENLabel"}, {L"LabelVirtualClockwise", L"VirtualClockwiseLabel"},
      {L"LabelVirtualCounterclockwise", L"VirtualCounterclockwiseLabel"}, {L"LabelVirtualEnlarge", L"VirtualEnlargeLabel"},
      {L"LabelVirtualNarrow", L"VirtualNarrowLabel"}, {L"Label7ch1Reset", L"VirtualResetLabel"},
      {L"ColorBreatheLabel", L"ColorBreatheLabel"}, {L"ColorRainbowLabel", L"ColorRainbowLabel"},
      {L"ColorPulsatingLabel", L"ColorPulsatingLabel"}, {L"ColorSelectLabel", L"ColorSelectLabel"},
      {L"ColorEffectLabel", L"ColorEffectLabel"}, {L"ColorLEDOffLabel", L"ColorLEDOffLabel"},
      {L"ColorSingleLabel", L"ColorSingleLabel"}, {L"ColorSlowLabel", L"ColorSlowLabel"}, {L"ColorFastLabel", L"ColorFastLabel"},
      {L"ENCFunctionLabel", L"ENCFunctionLabel"}, {L"LabelENCValue", L"ENCValueLabel"},
      {L"VMEffectNoneLabel", L"VMEffectNoneLabel"}, {L"VMEffect1Label", L"VMEffect1Label"}, {L"VMEffect2Label", L"VMEffect2Label"},
      {L"VMEffect3Label", L"VMEffect3Label"}, {L"VMEffect4Label", L"VMEffect4Label"}, {L"VMFunctionLabel", L"VMFunctionLabel"},
  };
  const FormDescriptor& form = MainFormResource();
  std::set<std::wstring_view> covered;
  for (const auto& [key, name] : kLabelKeys) {
    EXPECT_EQ(MustFind(form, name).kind, ControlKind::Label) << Narrow(key);
    covered.insert(name);
  }
  EXPECT_EQ(MustFind(AboutFormResource(), L"AboutLabel").kind, ControlKind::Label);
  EXPECT_EQ(MustFind(AboutFormResource(), L"WebLabel").kind, ControlKind::Label);

  // Only the slider value labels are written by the program instead of the language file.
  std::vector<std::wstring_view> withoutKey;
  for (const auto& c : form.controls) {
    if (c.kind == ControlKind::Label && !covered.contains(c.name)) withoutKey.push_back(c.name);
  }
  EXPECT_EQ(withoutKey, (std::vector{L"EQ60HzValueLabel"sv, L"EQ300HzValueLabel"sv, L"EQ1200HzValueLabel"sv,
                                     L"EQ3600HzValueLabel"sv, L"EQ12000HzValueLabel"sv, L"D3LAlphaValueLabel"sv,
                                     L"D3LBetaValueLabel"sv, L"D3RAlphaValueLabel"sv, L"D3RBetaValueLabel"sv}));
}

TEST(FormResourceTest, ControlsPerPageMatchTheSkinAndLanguageSections) {
  struct Count {
    int images = 0, labels = 0, shapes = 0, other = 0;
    bool operator==(const Count&) const = default;
  };
  std::map<int, Count> counts;
  for (const auto& c : MainFormResource().controls) {
    Count& n = counts[c.page];
    if (c.kind == ControlKind::Image) ++n.images;
    else if (c.kind == ControlKind::Label) ++n.labels;
    else if (c.kind == ControlKind::Shape) ++n.shapes;
    else ++n.other;
  }
  // Frame: 13 frame images and 8 page images, 11 labels and 8 page labels, Bevel2-7 and the
  // language list. Each page: its pictures (Up/Down pairs are one image), its labels.
  const std::map<int, Count> expected{
      {0, {21, 19, 0, 7}}, {1, {29, 17, 0, 0}}, {2, {11, 5, 0, 0}}, {3, {13, 5, 0, 1}}, {4, {20, 6, 0, 1}},
      {5, {23, 10, 0, 0}}, {6, {11, 9, 14, 0}}, {7, {4, 2, 0, 0}}, {8, {6, 6, 0, 0}},
  };
  EXPECT_EQ(counts, expected);
  EXPECT_EQ(MainFormResource().controls.size(), 240u);
}

TEST(FormResourceTest, TimersMenuTrayAndComponentsOfTheMainWindow) {
  const FormDescriptor& form = MainFormResource();
  ASSERT_EQ(form.timers.size(), 4u);
  const TimerDescriptor expectedTimers[] = {
      {L"Timer", 20, false, L"TimerTimer"},  // started by the 7.1 motion buttons
      {L"Timer1", 2000, false, L"Timer1Timer"},
      {L"BeeTimer", 10, false, L"BeeTimerTimer"},
      {L"BeePlayTimer", 100, false, L"BeePlayTimerTimer"},
  };
  for (size_t i = 0; i < form.timers.size(); ++i) {
    EXPECT_EQ(form.timers[i].name, expectedTimers[i].name);
    EXPECT_EQ(form.timers[i].intervalMs, expectedTimers[i].intervalMs) << Narrow(expectedTimers[i].name);
    EXPECT_EQ(form.timers[i].enabled, expectedTimers[i].enabled) << Narrow(expectedTimers[i].name);
    EXPECT_EQ(form.timers[i].onTimer, expectedTimers[i].onTimer);
  }

  std::vector<std::wstring_view> items, captions;
  for (const auto& m : form.menuItems) {
    EXPECT_EQ(m.parent, L"PopupMenu");
    items.push_back(m.name);
    captions.push_back(m.caption);
  }
  EXPECT_EQ(items, (std::vector{L"LanguageMenu"sv, L"SkinMenu"sv, L"ModeMenu"sv, L"CloseMenu"sv}));
  EXPECT_EQ(captions, (std::vector{L"Language"sv, L"Skin"sv, L"Plugin"sv, L"Close"sv}));
  EXPECT_EQ(form.menuItems.back().onClick, L"CloseMenuClick");

  ASSERT_EQ(form.trayIcons.size(), 1u);
  const TrayIconDescriptor& tray = form.trayIcons[0];
  EXPECT_EQ(tray.name, L"CTrayIcon");
  EXPECT_EQ(tray.popupMenu, L"PopupMenu");
  EXPECT_EQ(tray.iconList, L"ImageList");
  EXPECT_EQ(tray.onRestore, L"CTrayIconRestore");
  EXPECT_TRUE(tray.visible && tray.menuOnRightButtonUp && tray.restoreOnDoubleClick && tray.hideTaskbarButtonOnMinimize);

  std::set<std::wstring_view> components;
  for (const auto& c : form.components) components.insert(c.name);
  for (std::wstring_view name : {L"PopupMenu"sv, L"ImageList"sv, L"ColorDialog"sv, L"SaveDialog"sv, L"OpenDialog"sv, L"MediaPlayer"sv}) {
    EXPECT_TRUE(components.contains(name)) << Narrow(name);
  }
}

TEST(FormResourceTest, InitialVisibilityOfHiddenControls) {
  const FormDescriptor& form = MainFormResource();
  std::vector<std::wstring_view> hidden, disabled;
  for (const auto& c : form.controls) {
    if (!c.visible) hidden.push_back(c.name);
    if (!c.enabled) disabled.push_back(c.name);
  }
  for (std::wstring_view name :
       {L"SyncImage"sv, L"SyncLabel"sv, L"Page3DImage"sv, L"Page3DLabel"sv, L"PageENCImage"sv, L"PageENCLabel"sv,
        L"PageVMEffectImage"sv, L"PageVMEffectLabel"sv, L"BeeImage"sv, L"BeeCheckBox"sv, L"ListenToDeviceCheckBox"sv,
        L"EQ60HzValueLabel"sv, L"ListBoxLanguageMap"sv, L"Bevel2"sv, L"Bevel7"sv}) {
    EXPECT_NE(std::find(hidden.begin(), hidden.end(), name), hidden.end()) << Narrow(name);
  }
  EXPECT_EQ(disabled, (std::vector{L"Page3DImage"sv, L"Page3DLabel"sv, L"ListenToDeviceCheckBox"sv}));
  EXPECT_EQ(MustFind(form, L"BeeCheckBox").caption, L"Bee");
  EXPECT_FALSE(MustFind(form, L"BeeCheckBox").checked);
  EXPECT_EQ(MustFind(form, L"ListenToDeviceCheckBox").caption, L"ListenToDevice");
  // What the device label says before a language gives it a text: the window starts without one.
  EXPECT_EQ(MustFind(form, L"DeviceActiveLabel").caption, L"Device Unactive");
}

TEST(FormResourceTest, EveryBoundHandlerIsAKnownHandler) {
  const std::set<std::wstring_view> kMainHandlers{
      L"OnImageMouseDown", L"OnImageMouseUp", L"OnLabelMouseDown", L"OnLabelMouseUp", L"OnLabelPageMouseDown",
      L"FormMouseDown", L"FormCreate", L"FormActivate", L"FormDestroy", L"CloseImageClick", L"MinimizeImageClick",
      L"EQResetImageClick", L"EQResetLabelClick", L"D3ResetImageClick", L"D3ResetLabelClick", L"VirtualResetImageClick",
      L"VirtualResetLabelClick", L"PageLEDClick", L"PageLEDLabelClick", L"OnShapeMouseDown",
      L"ColorLEDOffCheckImageClick", L"ColorSingleCheckImageClick", L"ColorBreatheCheckImageClick",
      L"ColorRainbowCheckImageClick", L"ColorPulsatingCheckImageClick",
      L"ColorBreatheSliderImageMouseDown", L"ColorBreatheSliderImageMouseMove", L"ColorBreatheSliderImageMouseUp",
      L"ColorRainbowSliderImageMouseDown", L"ColorRainbowSliderImageMouseMove", L"ColorRainbowSliderImageMouseUp",
      L"ColorPulsatingSliderImageMouseDown", L"ColorPulsatingSliderImageMouseMove", L"ColorPulsatingSliderImageMouseUp",
      L"ENCFunctionImageClick", L"VMFunctionImageClick", L"VMEffectNoneImageClick", L"VMEffect1ImageClick",
      L"VMEffect2ImageClick", L"VMEffect3ImageClick", L"VMEffect4ImageClick", L"ENCSliderImageMouseDown",
      L"ENCSliderImageMouseMove", L"ENCSliderImageMouseUp", L"BeeCheckBoxClick", L"ListenToDeviceCheckBoxClick",
      L"TimerTimer", L"Timer1Timer", L"BeeTimerTimer", L"BeePlayTimerTimer", L"CloseMenuClick", L"CTrayIconRestore",
  };
  const std::set<std::wstring_view> kDialogHandlers{
      L"WebLabelClick", L"EffectModeRadioGroupClick", L"FormShow", L"FormActivate", L"FormClose", L"FormDestroy",
      L"FormMouseDown", L"ShapeMouseDown", L"ButtonSetColorClick", L"SingleColorShapeMouseDown",
      L"RadioButtonOffMouseDown", L"RadioButtonOnMouseDown", L"RadioButtonMouseDown", L"TrackBarEffectChange",
      L"TrackBarBrightnessChange", L"RadioButtonLED1Click", L"RadioButtonLED2Click", L"RadioButtonAllLEDClick",
      L"ButtonCloseClick", L"ButtonOKClick", L"ButtonCancelClick",
  };
  for (const FormDescriptor* form : FormCreationOrder()) {
    const auto& known = form == &MainFormResource() ? kMainHandlers : kDialogHandlers;
    std::vector<std::wstring_view> bound;
    for (const auto& c : form->controls) {
      for (std::wstring_view h : {c.events.onMouseDown, c.events.onMouseMove, c.events.onMouseUp, c.events.onClick, c.events.onChange}) {
        bound.push_back(h);
      }
    }
    for (const auto& t : form->timers) bound.push_back(t.onTimer);
    for (const auto& m : form->menuItems) bound.push_back(m.onClick);
    for (const auto& t : form->trayIcons) bound.push_back(t.onRestore);
    const FormEvents& e = form->events;
    for (std::wstring_view h : {e.onCreate, e.onShow, e.onActivate, e.onClose, e.onDestroy, e.onMouseDown}) bound.push_back(h);

    std::set<std::wstring_view> used;
    for (std::wstring_view h : bound) {
      if (h.empty()) continue;
      EXPECT_TRUE(known.contains(h)) << Narrow(form->className) << " binds unknown handler " << Narrow(h);
      used.insert(h);
    }
    if (form == &MainFormResource()) {
      // Each of the window's handlers is bound somewhere, so none is forgotten.
      for (std::wstring_view h : kMainHandlers) EXPECT_TRUE(used.contains(h)) << "unbound " << Narrow(h);
    }
  }
}

TEST(FormResourceTest, ControlsLieInsideTheirContainers) {
  for (const FormDescriptor* form : FormCreationOrder()) {
    std::map<std::wstring_view, Bounds> containers;
    for (const auto& c : form->controls) {
      const std::string where = Narrow(form->className) + "." + Narrow(c.name);
      Bounds outer{0, 0, form->clientWidth, form->clientHeight};
      if (!c.parent.empty()) {
        auto it = containers.find(c.parent);
        ASSERT_NE(it, containers.end()) << where << ": its container must be a group box declared before it";
        outer = {0, 0, it->second.width, it->second.height};
      }
      EXPECT_GT(c.bounds.width, 0) << where;
      EXPECT_GT(c.bounds.height, 0) << where;
      EXPECT_GE(c.bounds.left, outer.left) << where;
      EXPECT_GE(c.bounds.top, outer.top) << where;
      EXPECT_LE(c.bounds.left + c.bounds.width, outer.width) << where;
      EXPECT_LE(c.bounds.top + c.bounds.height, outer.height) << where;
      if (c.kind == ControlKind::GroupBox) containers[c.name] = c.bounds;
    }
  }
}

TEST(FormResourceTest, SliderTravelFitsTheirBars) {
  const FormDescriptor& form = MainFormResource();
  // Equaliser sliders travel 200..320 and the microphone slider 208..328 by default; the 3D
  // sliders always 105..225. Each must start inside that travel, over its bar.
  struct Travel {
    std::wstring_view slider, bar;
    int top, bottom;
  };
  const Travel kTravels[] = {
      {L"EQ60HzSliderImage", L"EQ60HzBarImage", 200, 320}, {L"EQ12000HzSliderImage", L"EQ12000HzBarImage", 200, 320},
      {L"MicSliderImage", L"MicBarImage", 208, 328},       {L"D3LAlphaSliderImage", L"D3LAlphaBarImage", 105, 225},
      {L"D3RBetaSliderImage", L"D3RBetaBarImage", 105, 225},
  };
  for (const Travel& t : kTravels) {
    const Bounds slider = MustFind(form, t.slider).bounds;
    const Bounds bar = MustFind(form, t.bar).bounds;
    EXPECT_GE(slider.top, t.top) << Narrow(t.slider);
    EXPECT_LE(slider.top, t.bottom) << Narrow(t.slider);
    EXPECT_LT(slider.left, bar.left) << Narrow(t.slider);
    EXPECT_GT(slider.left + slider.width, bar.left + bar.width) << Narrow(t.slider);
  }
  // Speakers start inside the picture with the 10-pixel margin the speaker drag keeps.
  const Bounds pic = MustFind(form, L"VirtualPicImage").bounds;
  for (std::wstring_view name : {L"VirtualLImage"sv, L"VirtualRImage"sv, L"VirtualCImage"sv, L"VirtualSUBImage"sv,
                                 L"VirtualLSImage"sv, L"VirtualRSImage"sv, L"VirtualLBImage"sv, L"VirtualRBImage"sv}) {
    const Bounds s = MustFind(form, name).bounds;
    EXPECT_LT(pic.left + 10, s.left) << Narrow(name);
    EXPECT_LE(s.left + s.width, pic.left + pic.width - 10) << Narrow(name);
    EXPECT_GE(s.top, pic.top + 10) << Narrow(name);
    EXPECT_LE(s.top + s.height, pic.top + pic.height - 10) << Narrow(name);
  }
}

TEST(FormResourceTest, AboutAndSimpleDialogs) {
  const FormDescriptor& about = AboutFormResource();
  EXPECT_EQ(about.caption, L"About");
  EXPECT_EQ(about.clientWidth, 479);
  EXPECT_EQ(about.clientHeight, 89);
  EXPECT_EQ(about.position, FormPosition::MainFormCenter);
  const ControlDescriptor& aboutLabel = MustFind(about, L"AboutLabel");
  EXPECT_EQ((std::vector{aboutLabel.bounds.left, aboutLabel.bounds.top, aboutLabel.bounds.width, aboutLabel.bounds.height}),
            (std::vector{88, 20, 260, 36}));
  EXPECT_TRUE(aboutLabel.wordWrap);
  EXPECT_EQ(aboutLabel.font.size, 15);
  EXPECT_EQ(aboutLabel.font.unit, FontUnit::Pixels);
  const ControlDescriptor& logo = MustFind(about, L"LOGOQZImage");
  EXPECT_EQ((std::vector{logo.bounds.left, logo.bounds.top, logo.bounds.width, logo.bounds.height}), (std::vector{16, 20, 57, 49}));
  EXPECT_TRUE(logo.stretch);
  const ControlDescriptor& web = MustFind(about, L"WebLabel");
  EXPECT_EQ((std::vector{web.bounds.left, web.bounds.top, web.bounds.width, web.bounds.height}), (std::vector{88, 51, 173, 18}));
  EXPECT_EQ(web.font.color, kBlue);
  EXPECT_TRUE(web.font.underline);
  EXPECT_EQ(web.events.onClick, L"WebLabelClick");

  const FormDescriptor& simple = SimpleFormResource();
  EXPECT_EQ(simple.caption, L"SimpleForm");
  EXPECT_EQ(simple.clientWidth, 559);
  EXPECT_EQ(simple.clientHeight, 462);
  const ControlDescriptor& group = MustFind(simple, L"EffectModeRadioGroup");
  EXPECT_FALSE(group.enabled);
  EXPECT_EQ(group.caption, L"Mode");
  EXPECT_EQ(std::vector(group.items.begin(), group.items.end()), (std::vector{L"None"sv, L"Music"sv, L"Game"sv, L"Movie"sv}));
  EXPECT_EQ(group.itemIndex, 0);
  EXPECT_EQ(group.font.face, L"Consolas");
  EXPECT_TRUE(MustFind(simple, L"EffectImage").stretch);
}

TEST(FormResourceTest, LEDDialogTagsFollowTheModes) {
  const FormDescriptor& led = LEDFormResource();
  EXPECT_EQ(led.caption, L"LEDForm");
  EXPECT_EQ(led.clientWidth, 517);
  EXPECT_EQ(led.clientHeight, 548);
  for (int slot = 1; slot <= 7; ++slot) {
    const std::wstring name = L"Shape" + std::to_wstring(slot);
    EXPECT_EQ(MustFind(led, name).tag, slot);
  }
  const std::wstring_view bars[] = {L"TrackBarBlinking", L"TrackBarBreathe", L"TrackBarRainbow", L"TrackBarMultiBreathe",
                                    L"TrackBarSingleRandom"};
  for (int mode = 3; mode <= 7; ++mode) {
    const ControlDescriptor& bar = MustFind(led, bars[mode - 3]);
    EXPECT_EQ(bar.tag, mode);
    EXPECT_EQ((std::vector{bar.range.minimum, bar.range.maximum, bar.range.position, bar.range.pageSize}),
              (std::vector{1, 255, 1, 1}));
    // Each speed bar sits 96 pixels right of its mode's radio button, on the same row.
    const ControlDescriptor* radio = nullptr;
    for (const auto& c : led.controls) {
      if (c.kind == ControlKind::RadioButton && c.parent == bar.parent && c.tag == mode) radio = &c;
    }
    ASSERT_NE(radio, nullptr) << mode;
    EXPECT_EQ(bar.bounds.left, radio->bounds.left + 96);
    EXPECT_EQ(bar.bounds.top, radio->bounds.top);
  }
  const ControlDescriptor& brightness = MustFind(led, L"TrackBarBrightness");
  EXPECT_EQ((std::vector{brightness.range.minimum, brightness.range.maximum, brightness.range.position}), (std::vector{1, 6, 1}));
  EXPECT_EQ(MustFind(led, L"ShapeSingleColor").tag, 102);
  EXPECT_EQ(MustFind(led, L"ShapeBlinkingColor").tag, 103);
  EXPECT_EQ(MustFind(led, L"ShapeBreatheColor").tag, 104);
  EXPECT_TRUE(MustFind(led, L"RadioButtonAllLED").checked);
  EXPECT_TRUE(MustFind(led, L"RadioButtonMaster").checked);
  EXPECT_FALSE(MustFind(led, L"RadioButtonSlave").checked);
}

TEST(FormResourceTest, LEDColorPickerHasFortyEightSwatchesInAGrid) {
  const FormDescriptor& picker = LEDColorFormResource();
  EXPECT_EQ(picker.caption, L"LED_Color");
  EXPECT_EQ(picker.border, FormBorder::None);
  int swatches = 0;
  for (const auto& c : picker.controls) {
    if (c.kind != ControlKind::Shape) continue;
    ++swatches;
    const int index = c.tag - 1;
    EXPECT_EQ(c.name, L"Shape" + std::to_wstring(c.tag));
    EXPECT_EQ(c.bounds.left, 16 + (index % 8) * 26) << c.tag;
    EXPECT_EQ(c.bounds.top, 29 + (index / 8) * 26) << c.tag;
    EXPECT_EQ(c.bounds.width, 20);
    EXPECT_EQ(c.bounds.height, 20);
  }
  EXPECT_EQ(swatches, 48);
  // Colours are given as red, green, blue and kept as 0x00BBGGRR.
  EXPECT_EQ(MustFind(picker, L"Shape1").brushColor, 0x8080FFu);
  EXPECT_EQ(MustFind(picker, L"Shape6").brushColor, 0xFF8000u);
  EXPECT_EQ(MustFind(picker, L"Shape33").brushColor, 0x483D8Bu);
  EXPECT_EQ(MustFind(picker, L"Shape48").brushColor, 0x8C38C7u);
}

}  // namespace
}  // namespace vorma::shell
