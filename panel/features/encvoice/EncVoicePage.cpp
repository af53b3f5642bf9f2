#include "panel/features/encvoice/EncVoicePage.h"

#include "foundation/DebugOutput.h"
#include "panel/device/AudioCommand.h"
#include "panel/device/SdkLibrary.h"
#include "panel/features/MainWindowTags.h"
#include "panel/features/encvoice/EncVoiceRegistry.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vorma::features {
namespace {

constexpr BYTE kSubOnOff = 0;
constexpr BYTE kSubSetParameters = 2;
constexpr BYTE kSubGetAll = 8;
constexpr size_t kEncLevelOffset = 8;

constexpr const wchar_t* kVoiceModeNames[kVoiceModeCount] = {L"VMEffectNone", L"VMEffect1", L"VMEffect2",
                                                              L"VMEffect3", L"VMEffect4"};

void PutU32(BYTE* target, std::uint32_t value) { std::memcpy(target, &value, sizeof value); }

// The switch of a page: its image in the on or off picture, its caption in the pressed or
// released colour.
void ShowSwitch(MainWindowControls& controls, const wchar_t* name, bool on) {
  const std::wstring base(name);
  if (forms::Image* image = controls.ImageNamed(base + L"Image"))
    controls.ChangeImageAttr(*image, base + (on ? L"DownImage" : L"UpImage"));
  if (forms::Label* label = controls.LabelNamed(base + L"Label")) controls.SetLabelColor(*label, base + L"Label", on);
}

}  // namespace

int EncSliderTopForLevel(SliderRange track, int level) {
  const float travel = static_cast<float>(track.range);
  const int offset = static_cast<int>(travel - travel * static_cast<float>(level) / static_cast<float>(kEncMaxLevel));
  return track.top + offset;
}

int EncLevelForSliderTop(SliderRange track, int top) {
  if (track.range <= 0) return 0;
  const float step = static_cast<float>(track.range) / static_cast<float>(kEncMaxLevel);
  const int level = static_cast<int>(static_cast<float>(track.top + track.range - top) / step);
  return std::clamp(level, 0, kEncMaxLevel);
}

CEncVoicePage::CEncVoicePage(FeatureContext& context, EncVoiceHost& host)
    : context_(context), controls_(context.Window()), host_(host) {}

// ---------------------------------------------------------------------------------------------- ENC

void CEncVoicePage::InitEnc() {
  DebugWrite(L"==> TAudioMainForm::InitEnc\n");
  if (!context_.DeviceActive()) return;
  const std::optional<unsigned long> level = ReadEncLevel(context_.VendorId(), context_.ProductId());
  if (!level) {
    DebugPrint(L"[TAudioMainForm::InitEnc] no %ls entry: ENC is not available\n",
               EncValueName(context_.VendorId(), context_.ProductId()).c_str());
    encAvailable_ = false;
    encEnable_ = 0;
    return;
  }
  encAvailable_ = true;
  encEnable_ = 1;
  // The device refuses a level above 30, and the slider would leave its track.
  encLevel_ = static_cast<int>(std::min<unsigned long>(*level, kEncMaxLevel));
  SetEncOnOff(1, 1);
  encState_.fill(0);
  encParameters_.fill(0);
  if (const int result = KVX_AudioGetAll(kAudioCommandEnc, kSubGetAll, encState_, encParameters_); result != 0) {
    DebugPrint(L"***** KVX_AudioGetAll(4, 8) FAIL! ***** (ret = %d)\n", result);
    encState_.fill(0);
    encParameters_.fill(0);
  }
  PutU32(&encState_[0], static_cast<std::uint32_t>(encEnable_));
  PutU32(&encParameters_[kEncLevelOffset], static_cast<std::uint32_t>(encLevel_));
  SendEncParameters();
  ShowEncLevel();
}

void CEncVoicePage::SetEncOnOff(int enable, int send) {
  if (send != 1) return;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int result = KVX_AudioSetOnOff(kAudioCommandEnc, kSubOnOff, static_cast<DWORD>(enable));
    if (result == 0) return;
    DebugPrint(L"***** KVX_AudioSetOnOff(4, 0, %d) FAIL! ***** (ret = %d)\n", enable, result);
  }
}

int CEncVoicePage::SendEncParameters() {
  const auto setParameters = Sdk().DLLQZ_SetEnc_Parameters;
  const int result = setParameters ? setParameters(encParameters_.data()) : 1;
  if (result != 0) DebugPrint(L"***** fnDLLQZ_SetEnc_Parameters FAIL! ***** (ret = %d)\n", result);
  return result;
}

void CEncVoicePage::ShowEnc() {
  ShowEncSwitch();
  ShowEncLevel();
}

void CEncVoicePage::ShowEncSwitch() { ShowSwitch(controls_, L"ENCFunction", encEnable_ != 0); }

void CEncVoicePage::ShowEncLevel() {
  if (forms::Label* value = controls_.LabelNamed(L"ENCValueLabel")) value->SetCaption(std::to_wstring(encLevel_));
  if (forms::Image* slider = controls_.ImageNamed(L"ENCSliderImage"))
    slider->SetTop(EncSliderTopForLevel(host_.EncSliderRange(), encLevel_));
}

bool CEncVoicePage::ControlsUsable() {
  if (!context_.DeviceActive()) return false;
  if (!encAvailable_) {
    host_.ShowEncoderWarning();
    return false;
  }
  return true;
}

void CEncVoicePage::ENCFunctionImageClick() {
  DebugWrite(L"==> TAudioMainForm::ENCFunctionImageClick\n");
  if (!ControlsUsable()) return;
  encEnable_ = encEnable_ ? 0 : 1;
  ShowEncSwitch();
  SetEncOnOff(encEnable_, 1);
  SendEncParameters();
}

void CEncVoicePage::ToggleEncFromButton() {
  encEnable_ = encEnable_ ? 0 : 1;
  if (context_.CurrentPage() == kPageEnc) ShowEncSwitch();
  SetEncOnOff(encEnable_, 1);
}

void CEncVoicePage::ENCSliderImageMouseDown(POINT cursor) {
  if (!context_.DeviceActive() || !encAvailable_) return;
  forms::Image* slider = controls_.ImageNamed(L"ENCSliderImage");
  if (!slider) return;
  sliderPressCursor_ = cursor;
  sliderPressTop_ = slider->Top();
  sliderDragging_ = true;
}

void CEncVoicePage::ENCSliderImageMouseMove(POINT cursor) {
  if (!sliderDragging_) return;
  forms::Image* slider = controls_.ImageNamed(L"ENCSliderImage");
  if (!slider) return;
  const SliderRange track = host_.EncSliderRange();
  const int top = std::clamp(sliderPressTop_ + static_cast<int>(cursor.y - sliderPressCursor_.y), track.top,
                             track.top + track.range);
  slider->SetTop(top);
  encLevel_ = EncLevelForSliderTop(track, top);
  if (forms::Label* value = controls_.LabelNamed(L"ENCValueLabel")) value->SetCaption(std::to_wstring(encLevel_));
}

void CEncVoicePage::ENCSliderImageMouseUp() {
  // A release without a press of this slider (no device, no ENC) stores and sends nothing.
  if (!sliderDragging_) return;
  sliderDragging_ = false;
  PutU32(&encParameters_[kEncLevelOffset], static_cast<std::uint32_t>(encLevel_));
  SendEncParameters();
  WriteEncLevel(context_.VendorId(), context_.ProductId(), static_cast<unsigned long>(encLevel_));
}

void CEncVoicePage::SetEncLevelFromBar(int level) {
  encLevel_ = std::clamp(level, 0, kEncMaxLevel);
  ShowEnc();
}

// ------------------------------------------------------------------------------------ voice effect

void CEncVoicePage::InitVoiceEffect() {
  DebugWrite(L"==> TAudioMainForm::InitVoiceEffect\n");
  if (!context_.DeviceActive() || !encAvailable_) return;
  const unsigned long enable = ReadVoiceEffectEnable().value_or(0);
  const unsigned long level = ReadVoiceEffectLevel().value_or(0);
  voiceMode_ = VoiceModeFromLevel(level);
  voiceEnable_ = enable != 0 ? 1 : 0;
  SetVoiceEffectOnOff(voiceEnable_, 1);
  SetVoiceEffectMode(voiceMode_);
}

void CEncVoicePage::SetVoiceEffectOnOff(int enable, int send) {
  WriteVoiceEffectEnable(static_cast<unsigned long>(enable));
  PutU32(&voicePayload_[0], static_cast<std::uint32_t>(enable));
  if (send != 1) return;
  if (const int result = KVX_AudioSetOnOff(kAudioCommandVoice, kSubOnOff, static_cast<DWORD>(enable)); result != 0)
    DebugPrint(L"***** KVX_AudioSetOnOff(7, 0, %d) FAIL! ***** (ret = %d)\n", enable, result);
  SetVoiceEffectMode(voiceMode_);
}

void CEncVoicePage::SetVoiceEffectMode(int mode) {
  voiceMode_ = (mode >= 0 && mode < kVoiceModeCount) ? mode : 0;
  const int offset = VoiceModeOffset(voiceMode_);
  PutU32(&voicePayload_[0], static_cast<std::uint32_t>(voiceEnable_));
  const auto offset16 = static_cast<std::int16_t>(offset);
  std::memcpy(&voicePayload_[4], &offset16, sizeof offset16);
  std::fill(voicePayload_.begin() + 6, voicePayload_.end(), BYTE{0});
  WriteVoiceEffectLevel(static_cast<unsigned long>(offset + kVoiceLevelBias));
  SendVoiceParameters();
}

int CEncVoicePage::SendVoiceParameters() {
  const int result = KVX_AudioSetCommand(kAudioCommandVoice, kSubSetParameters, voicePayload_);
  if (result != 0) DebugPrint(L"***** KVX_AudioSetCommand(7, 2) FAIL! ***** (ret = %d)\n", result);
  return result;
}

void CEncVoicePage::ShowVoiceEffect() {
  ShowVoiceFunction();
  ShowVoiceModes();
}

void CEncVoicePage::ShowVoiceFunction() { ShowSwitch(controls_, L"VMFunction", voiceEnable_ != 0); }

void CEncVoicePage::ShowVoiceModes() {
  for (int mode = 0; mode < kVoiceModeCount; ++mode) ShowSwitch(controls_, kVoiceModeNames[mode], mode == voiceMode_);
}

void CEncVoicePage::VMFunctionImageClick() {
  DebugWrite(L"==> TAudioMainForm::VMFunctionImageClick\n");
  if (!ControlsUsable()) return;
  voiceEnable_ = voiceEnable_ ? 0 : 1;
  ShowVoiceFunction();
  SetVoiceEffectOnOff(voiceEnable_, 1);
}

void CEncVoicePage::VMEffectImageClick(int mode) {
  DebugPrint(L"==> TAudioMainForm::%lsImageClick\n", kVoiceModeNames[std::clamp(mode, 0, kVoiceModeCount - 1)]);
  if (!ControlsUsable()) return;
  voiceMode_ = std::clamp(mode, 0, kVoiceModeCount - 1);
  ShowVoiceModes();
  SetVoiceEffectMode(voiceMode_);
}

// --------------------------------------------------------------------------------------- lifecycle

void CEncVoicePage::ClearVoiceEffect() {
  voiceEnable_ = 0;
  voiceMode_ = 0;
  SetVoiceEffectOnOff(0, 0);
  ShowVoiceEffect();
}

void CEncVoicePage::Shutdown() {
  if (const int result = KVX_AudioSetOnOff(kAudioCommandEnc, kSubOnOff, 0); result != 0)
    DebugPrint(L"***** KVX_AudioSetOnOff(4, 0, 0) FAIL! ***** (ret = %d)\n", result);
  if (const int result = KVX_AudioSetOnOff(kAudioCommandVoice, kSubOnOff, 0); result != 0)
    DebugPrint(L"***** KVX_AudioSetOnOff(7, 0, 0) FAIL! ***** (ret = %d)\n", result);
}

}  // namespace vorma::features
