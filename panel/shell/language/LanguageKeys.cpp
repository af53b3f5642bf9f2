#include "panel/shell/language/LanguageKeys.h"

#include <array>

namespace vorma::shell {

namespace {

using R = LabelRole;

constexpr int State(ButtonState f) { return static_cast<int>(f); }
constexpr int Level(LevelKind k) { return static_cast<int>(k); }

constexpr std::array<LanguageKey, kLanguageKeyCount> kKeys{{
    {L"Main", L"LabelMenu1", 0, L"Menu1Label", R::MenuButton, 0},
    {L"Main", L"LabelMenu2", 0, L"Menu2Label", R::MenuButton, 0},
    {L"Main", L"LabelMenu3", 0, L"Menu3Label", R::MenuButton, 0},
    {L"Main", L"LabelPageEQ", 0, L"PageEQLabel", R::PageLabel, 1},
    {L"Main", L"LabelPage3D", 0, L"Page3DLabel", R::PageLabel, 5},
    {L"Main", L"LabelPageEffect", 0, L"PageEffectLabel", R::PageLabel, 2},
    {L"Main", L"LabelPageMic", 0, L"PageMicLabel", R::PageLabel, 3},
    {L"Main", L"LabelPageVirtual7ch1", 0, L"PageVirtual7p1Label", R::PageLabel, 4},
    {L"Main", L"LabelActive", 0, L"DeviceActiveLabel", R::DeviceState, 1},
    {L"Main", L"LabelUnDriver", 0, L"DeviceActiveLabel", R::DeviceState, 2},
    {L"Main", L"LabelUnactive", 0, L"DeviceActiveLabel", R::DeviceState, 0},
    {L"Main", L"LabelSync", 0, L"SyncLabel", R::Plain, 0},
    {L"Main", L"LabelSetting", 0, L"SettingLabel", R::Plain, 0},
    {L"Main", L"LabelSX", 0, L"SXLabel", R::PresetName, 0},
    {L"Main", L"LabelFeatures", 0, L"FeaturesLabel", R::Plain, 0},
    {L"Main", L"LabelCompanyName", 0, L"CompanyNameLabel", R::Plain, 0},
    {L"Main", L"DeviceInLabel", 0, L"DeviceInLabel", R::Plain, 0},
    {L"Main", L"DeviceOutLabel", 0, L"DeviceOutLabel", R::Plain, 0},
    {L"Main", L"LabelPageLED", 0, L"PageLEDLabel", R::PageLabel, 6},
    {L"Main", L"LabelPageENC", 0, L"PageENCLabel", R::PageLabel, 7},
    {L"Main", L"LabelPageVMEffect", 0, L"PageVMEffectLabel", R::PageLabel, 8},
    {L"Main", L"LabelLanguage", 0, L"LanguageMenu", R::MenuCaption, 0},
    {L"Main", L"LabelSkin", 0, L"SkinMenu", R::MenuCaption, 0},
    {L"Main", L"LabelClose", 0, L"CloseMenu", R::MenuCaption, 0},
    {L"Main", L"LabelPlugin", 0, L"ModeMenu", R::MenuCaption, 0},
    {L"EQ", L"LabelEQEnable", 1, L"EQEQENLabel", R::TwoState, State(ButtonState::EqEnable)},
    {L"EQ", L"LableEQ3DEnable", 1, L"EQ3DENLabel", R::TwoState, State(ButtonState::ThreeDEnable)},
    {L"EQ", L"LabelEQReset", 1, L"EQResetLabel", R::Plain, 0},
    {L"EQ", L"LabelEQS1", 1, L"EQS1Label", R::Preset, 1},
    {L"EQ", L"LabelEQS2", 1, L"EQS2Label", R::Preset, 2},
    {L"EQ", L"LabelEQS3", 1, L"EQS3Label", R::Preset, 3},
    {L"EQ", L"LabelEQS4", 1, L"EQS4Label", R::Preset, 4},
    {L"EQ", L"LabelEQ60Hz", 1, L"EQ60HzLabel", R::Plain, 0},
    {L"EQ", L"LabelEQ300Hz", 1, L"EQ300HzLabel", R::Plain, 0},
    {L"EQ", L"LabelEQ1200Hz", 1, L"EQ1200HzLabel", R::Plain, 0},
    {L"EQ", L"LabelEQ3600Hz", 1, L"EQ3600HzLabel", R::Plain, 0},
    {L"EQ", L"LabelEQ12000Hz", 1, L"EQ12000HzLabel", R::Plain, 0},
    {L"3D", L"Label3DEnable", 5, L"D33DENLabel", R::TwoState, State(ButtonState::ThreeDEnable)},
    {L"3D", L"Label3DFBM", 5, L"D3FBMLabel", R::TwoState, State(ButtonState::Fbm)},
    {L"3D", L"Label3DReset", 5, L"D3ResetLabel", R::Plain, 0},
    {L"3D", L"Label3DLeftChannel", 5, L"D3LChannelLabel", R::Plain, 0},
    {L"3D", L"Label3DRightChannel", 5, L"D3RChannelLabel", R::Plain, 0},
    {L"3D", L"Label3DConnection", 5, L"D3ConnectLabel", R::Plain, 0},
    {L"Effect", L"LabelEffectNothing", 2, L"EffectNonLabel", R::Effect, 1},
    {L"Effect", L"LabelEffectTheater", 2, L"EffectTheaterLabel", R::Effect, 2},
    {L"Effect", L"LabelEffectBathroom", 2, L"EffectBathroomLabel", R::Effect, 3},
    {L"Effect", L"LabelEffectLivingroom", 2, L"EffectLivingroomLabel", R::Effect, 4},
    {L"Effect", L"LabelEffectStoneGallery", 2, L"EffectStoneGalleryLabel", R::Effect, 5},
    {L"Mic", L"LabelMicBoost", 3, L"MicBoostLabel", R::TwoState, State(ButtonState::MicBoost)},
    {L"Mic", L"LabelMicMute", 3, L"MicMuteLabel", R::TwoState, State(ButtonState::MicMute)},
    {L"Mic", L"LabelMicMonitor", 3, L"MicMonitorLabel", R::TwoState, State(ButtonState::MicMonitor)},
    {L"Mic", L"LabelMicGain", 3, L"MicGainLabel", R::Plain, 0},
    {L"Mic", L"LabelMicValue", 3, L"MicValueLabel", R::Level, Level(LevelKind::Microphone)},
    {L"Virtual7ch1", L"Label7ch1Enable", 4, L"VirtualENLabel", R::TwoState, State(ButtonState::Virtual7ch1Enable)},
    {L"Virtual7ch1", L"LabelVirtualClockwise", 4, L"VirtualClockwiseLabel", R::TwoState,
     State(ButtonState::Clockwise)},
    {L"Virtual7ch1", L"LabelVirtualCounterclockwise", 4, L"VirtualCounterclockwiseLabel", R::TwoState,
     State(ButtonState::Counterclockwise)},
    {L"Virtual7ch1", L"LabelVirtualEnlarge", 4, L"VirtualEnlargeLabel", R::TwoState, State(ButtonState::Enlarge)},
    {L"Virtual7ch1", L"LabelVirtualNarrow", 4, L"VirtualNarrowLabel", R::TwoState, State(ButtonState::Narrow)},
    {L"Virtual7ch1", L"Label7ch1Reset", 4, L"VirtualResetLabel", R::Plain, 0},
    {L"LED", L"ColorBreatheLabel", 6, L"ColorBreatheLabel", R::Plain, 0},
    {L"LED", L"ColorRainbowLabel", 6, L"ColorRainbowLabel", R::Plain, 0},
    {L"LED", L"ColorPulsatingLabel", 6, L"ColorPulsatingLabel", R::Plain, 0},
    {L"LED", L"ColorSelectLabel", 6, L"ColorSelectLabel", R::Plain, 0},
    {L"LED", L"ColorEffectLabel", 6, L"ColorEffectLabel", R::Plain, 0},
    {L"LED", L"ColorLEDOffLabel", 6, L"ColorLEDOffLabel", R::Plain, 0},
    {L"LED", L"ColorSingleLabel", 6, L"ColorSingleLabel", R::Plain, 0},
    {L"LED", L"ColorSlowLabel", 6, L"ColorSlowLabel", R::Plain, 0},
    {L"LED", L"ColorFastLabel", 6, L"ColorFastLabel", R::Plain, 0},
    {L"ENC", L"ENCFunctionLabel", 7, L"ENCFunctionLabel", R::Plain, 0},
    {L"ENC", L"LabelENCValue", 7, L"ENCValueLabel", R::Level, Level(LevelKind::Encoder)},
    {L"RuvavIzezo", L"VMEffectNoneLabel", 8, L"VMEffectNoneLabel", R::Plain, 0},
    {L"RuvavIzezo", L"VMEffect1Label", 8, L"VMEffect1Label", R::Plain, 0},
    {L"RuvavIzezo", L"VMEffect2Label", 8, L"VMEffect2Label", R::Plain, 0},
    {L"RuvavIzezo", L"VMEffect3Label", 8, L"VMEffect3Label", R::Plain, 0},
    {L"RuvavIzezo", L"VMEffect4Label", 8, L"VMEffect4Label", R::Plain, 0},
    {L"RuvavIzezo", L"VMFunctionLabel", 8, L"VMFunctionLabel", R::Plain, 0},
    {L"About", L"LabelAbout", 0, L"AboutLabel", R::AboutDialog, 0},
    {L"About", L"LabelWeb", 0, L"WebLabel", R::AboutDialog, 0},
    {L"Main", L"LabelWarning", 0, {}, R::MessageText, 0},
    {L"Main", L"LabelWarning1", 0, {}, R::MessageText, 0},
}};

}  // namespace

std::span<const LanguageKey, kLanguageKeyCount> LanguageKeys() { return kKeys; }

std::size_t LanguageKeyIndex(std::wstring_view key) {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i].key == key) return i;
  }
  return kLanguageKeyCount;
}

}  // namespace vorma::shell
