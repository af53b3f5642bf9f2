// What sound profiles ask of the main window: the device, the effect buttons, the LED button and
// the LED page; the other four pages of a profile are the features' own.

#include "panel/shell/AudioMainForm.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"
#include "foundation/ValueItems.h"
#include "panel/device/DeviceDiscovery.h"
#include "panel/led/LedPage.h"
#include "panel/profiles/ProfileWriter.h"

namespace vorma::shell {
namespace {

// %USERPROFILE%\<InstallFolderName>: where the Save and Load dialogs start.
std::wstring UserProfileFolder(const std::wstring& installFolderName) {
  wchar_t profile[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"";
  return std::wstring(profile, length) + L"\\" + installFolderName;
}

}  // namespace

void TAudioMainForm::CreateProfiles() {
  MainFormFeatures& features = *features_;
  profiles_ = std::make_unique<profiles::CSoundProfiles>(
      profiles::SoundProfilePages{features.Eq(), features.ThreeD(), features.Virtual7ch1(), features.EncVoice()},
      static_cast<profiles::SoundProfileHost&>(*this), App().Dialogs(),
      profiles::ProfileFolders{UserFolder(), UserProfileFolder(m_Settings.InstallFolderName),
                               m_strConfigPath});
}

bool TAudioMainForm::HidDeviceOpens() {
  return activation_ && OpenHidDevice(*ports_->hid, activation_->VendorId(), activation_->ProductId()) != nullptr;
}

void TAudioMainForm::LoadEffect(int effect) {
  features_->SelectEffect(effect);
}

void TAudioMainForm::SaveLedKeys(profiles::ProfileWriter& writer) {
  const led::LedPageValues values = features_->Led().Values();
  writer.Write(L"LED", L"LEDON", m_nLEDIndicator);
  writer.Write(L"LED", L"LEDPageMode", values.pageMode);
  writer.Write(L"LED", L"LEDOff", values.off);
  writer.Write(L"LED", L"LEDSingleColor", values.singleColor);
  writer.Write(L"LED", L"LEDEffectMode", values.effectMode);
  writer.Write(L"LED", L"LEDBreatheSpeed", values.breatheSpeed);
  writer.Write(L"LED", L"LEDRainbowSpeed", values.rainbowSpeed);
  writer.Write(L"LED", L"LEDMultiBreatheSpeed", values.multiBreatheSpeed);
  writer.Write(L"LED", L"LEDBreatheSliderPos", values.sliderPos[0]);
  writer.Write(L"LED", L"LEDRainbowSliderPos", values.sliderPos[1]);
  writer.Write(L"LED", L"LEDMultiBreatheSliderPos", values.sliderPos[2]);
  writer.Write(L"LED", L"LEDSingleColorRGB", values.singleColorRgb);
  writer.Write(L"LED", L"LEDBreatheColorRGB", values.breatheColorRgb);
  for (size_t index = 0; index < values.colours.size(); ++index)
    writer.Write(L"LED", (L"LEDColor" + std::to_wstring(index + 1) + L"RGB").c_str(), values.colours[index]);
  writer.Write(L"LED", L"LEDFastRightSide", values.fastRightSide);
}

void TAudioMainForm::LoadLedKeys(const std::wstring& path) {
  std::wstring value;
  ReadProfileString(path, L"LED", L"LEDON", value);
  if (!value.empty()) {
    // The button shows the loaded state: the toggle lands on it from the other one.
    m_nLEDIndicator = LenientInteger(value) != 0 ? 0 : 1;
    ToggleButtonState(kTagLedIndicator, m_nLEDIndicator);
    features_->SyncLedIndicator(m_nLEDIndicator);
  }
  features_->Led().LoadLEDUI(path);
  features_->Led().ApplyLEDPage();
}

}  // namespace vorma::shell
